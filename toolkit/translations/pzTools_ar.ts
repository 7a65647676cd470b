<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>pzBoxMenu</name>
    <message>
        <source>Restore</source>
        <translation>استعادة</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>pzBoxPanel</name>
    <message>
        <source>Menu width</source>
        <translation>عرض القائمة</translation>
    </message>
    <message>
        <source>Drag to make the menu narrower or wider</source>
        <translation>اسحب لتضييق القائمة أو توسيعها</translation>
    </message>
</context>
<context>
    <name>pzBoxTop</name>
    <message>
        <source>Restore</source>
        <translation>استعادة</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>القائمة</translation>
    </message>
</context>
<context>
    <name>pzFadeTextButton</name>
    <message>
        <source>text</source>
        <translation>نص</translation>
    </message>
</context>
</TS>
