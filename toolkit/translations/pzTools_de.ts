<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>pzBoxMenu</name>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>pzBoxPanel</name>
    <message>
        <source>Menu width</source>
        <translation>Menübreite</translation>
    </message>
    <message>
        <source>Drag to make the menu narrower or wider</source>
        <translation>Ziehen, um das Menü schmaler oder breiter zu machen</translation>
    </message>
</context>
<context>
    <name>pzBoxTop</name>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
</context>
<context>
    <name>pzFadeTextButton</name>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
</context>
</TS>
