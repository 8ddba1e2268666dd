<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Czech for the texts of Qt's own dialogs that Qt's Czech catalogue
     (qtbase_cs) leaves in English: the file dialog's Type column, the print
     dialog's page range and double-sided options, the printer properties.
     Installed after Qt's catalogue, so it wins where both translate. The
     contexts and sources are Qt's, exactly as its dialogs ask for them. -->
<TS version="2.1" language="cs_CZ" sourcelanguage="en">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Složka</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Jednotka</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Pages</source>
        <translation>Stránky</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Stránky nebo rozsahy oddělené čárkami; rozsah jsou dvě čísla spojená pomlčkou. Např. 3,5-7,9 vytiskne stránky 3, 5, 6, 7 a 9.</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Oboustranný tisk</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Vypnuto</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Vazba na delší straně</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Vazba na kratší straně</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>Rozšířené</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Advanced</source>
        <translation>Rozšířené</translation>
    </message>
</context>
</TS>
