<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>pzBoxMenu</name>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>pzBoxPanel</name>
    <message>
        <source>Menu width</source>
        <translation>Largura do menu</translation>
    </message>
    <message>
        <source>Drag to make the menu narrower or wider</source>
        <translation>Arraste para estreitar ou alargar o menu</translation>
    </message>
</context>
<context>
    <name>pzBoxTop</name>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>texto</translation>
    </message>
</context>
</TS>
