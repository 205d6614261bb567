<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>ui::CopyMenu</name>
    <message>
        <source>&amp;Copier</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Tout copier</source>
        <translation>Copy &amp;all</translation>
    </message>
</context>
</TS>
