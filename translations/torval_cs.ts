<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="cs_CZ">
<context>
    <name>Count</name>
    <message numerus="yes">
        <source>%n znaků</source>
        <translation>
            <numerusform>%n znak</numerusform>
            <numerusform>%n znaky</numerusform>
            <numerusform>%n znaků</numerusform>
        </translation>
    </message>
</context>
</TS>
