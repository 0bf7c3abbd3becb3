<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Language</name>
    <message>
        <source>unknown language &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choose one of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--lang needs a language code</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
