<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Language</name>
    <message>
        <source>unknown language &quot;%1&quot;</source>
        <translation>unbekannte Sprache „%1“</translation>
    </message>
    <message>
        <source>choose one of %1</source>
        <translation>wählen Sie eine von %1</translation>
    </message>
    <message>
        <source>--lang needs a language code</source>
        <translation>--lang braucht einen Sprachcode</translation>
    </message>
</context>
</TS>
