<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>pzBoxMenu</name>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>pzBoxPanel</name>
    <message>
        <source>Menu width</source>
        <translation>Largeur du menu</translation>
    </message>
    <message>
        <source>Drag to make the menu narrower or wider</source>
        <translation>Faites glisser pour rétrécir ou élargir le menu</translation>
    </message>
</context>
<context>
    <name>pzBoxTop</name>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
</context>
<context>
    <name>pzFadeTextButton</name>
    <message>
        <source>text</source>
        <translation>texte</translation>
    </message>
</context>
</TS>
