<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="cs_CZ">
<context>
    <name>AnalogDialogLogic</name>
    <message>
        <source>Analogový vstup %1</source>
        <translation>Analog input %1</translation>
    </message>
</context>
<context>
    <name>CliLink</name>
    <message>
        <source> Uživatel nemá právo port otevřít: přidejte ho do skupiny dialout (sudo usermod -aG dialout $USER) a znovu se přihlaste.</source>
        <translation> The user may not open the port: add the user to the dialout group (sudo usermod -aG dialout $USER) and log in again.</translation>
    </message>
    <message>
        <source>Stanice na portu %1 neodpověděla do %2 s.</source>
        <translation>The station on port %1 did not answer within %2 s.</translation>
    </message>
    <message>
        <source>Při deaktivaci spojení došlo k chybě. Zařízení je zřejmě stále v programovacím módu.</source>
        <translation>Deactivating the link failed. The device is probably still in programming mode.</translation>
    </message>
</context>
<context>
    <name>CliLoad</name>
    <message>
        <source>Soubor &apos;%1&apos; již existuje a bez terminálu se nelze zeptat, zda ho přepsat. Přepsání povolí volba --force.</source>
        <translation>File &apos;%1&apos; already exists and without a terminal there is no asking whether to overwrite it. The option --force allows overwriting.</translation>
    </message>
    <message>
        <source>Soubor &apos;%1&apos;: %2</source>
        <translation>File &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Soubor &apos;%1&apos; obsahuje nastavení, které editor odmítne:
%2</source>
        <translation>File &apos;%1&apos; holds settings the editor refuses:
%2</translation>
    </message>
    <message>
        <source>Soubor &apos;%1&apos;: nastavení nelze převést do formátu EEPROM.</source>
        <translation>File &apos;%1&apos;: the settings cannot be converted to the EEPROM format.</translation>
    </message>
    <message>
        <source> [a/n] </source>
        <translation> [y/n] </translation>
    </message>
</context>
<context>
    <name>CliParser</name>
    <message>
        <source>
Volby:
</source>
        <translation>
Options:
</translation>
    </message>
    <message>
        <source>vypíše tuto nápovědu</source>
        <translation>prints this help</translation>
    </message>
    <message>
        <source>Volba &apos;%1&apos; je uvedena vícekrát.</source>
        <translation>Option &apos;%1&apos; is given more than once.</translation>
    </message>
    <message>
        <source>Chybí argument.</source>
        <translation>An argument is missing.</translation>
    </message>
    <message>
        <source>Nadbytečný argument &apos;%1&apos;.</source>
        <translation>Unexpected argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Neznámá volba &apos;%1&apos;.</source>
        <translation>Unknown option &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Volba &apos;%1&apos; nemá hodnotu.</source>
        <translation>Option &apos;%1&apos; takes no value.</translation>
    </message>
    <message>
        <source>Volba &apos;%1&apos; potřebuje hodnotu %2.</source>
        <translation>Option &apos;%1&apos; needs a value %2.</translation>
    </message>
    <message>
        <source>Chybí volba %1.</source>
        <translation>Option %1 is missing.</translation>
    </message>
    <message>
        <source>vzdá čekání na stanici, která neodpoví do tolika sekund</source>
        <translation>gives up on a station that does not answer within so many seconds</translation>
    </message>
    <message>
        <source>Volba --timeout potřebuje celý počet sekund (1 až 86400), ne &apos;%1&apos;.</source>
        <translation>Option --timeout needs a whole number of seconds (1 to 86400), not &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>CmdCheck</name>
    <message>
        <source>Použití: torval-cli check SOUBOR.eep|SOUBOR.json
</source>
        <translation>Usage: torval-cli check FILE.eep|FILE.json
</translation>
    </message>
    <message>
        <source>Soubor musí mít příponu .eep nebo .json: %1
</source>
        <translation>The file must end in .eep or .json: %1
</translation>
    </message>
    <message>
        <source>Upozornění: %1
</source>
        <translation>Warning: %1
</translation>
    </message>
    <message>
        <source>Nastavení je v pořádku.
</source>
        <translation>The settings are in order.
</translation>
    </message>
</context>
<context>
    <name>CmdDiff</name>
    <message>
        <source>Použití: torval-cli diff A B [--json]
  A a B: SOUBOR.eep, SOUBOR.json nebo --port PORT
</source>
        <translation>Usage: torval-cli diff A B [--json]
  A and B: FILE.eep, FILE.json or --port PORT
</translation>
    </message>
    <message>
        <source>nastavení ze stanice na tomto portu</source>
        <translation>settings from the station on this port</translation>
    </message>
    <message>
        <source>rozdíly jako JSON</source>
        <translation>differences as JSON</translation>
    </message>
    <message>
        <source>Nastavení se shodují.
</source>
        <translation>The settings are the same.
</translation>
    </message>
</context>
<context>
    <name>CmdHistory</name>
    <message>
        <source>ID záznamu musí být celé kladné číslo.</source>
        <translation>The record ID must be a positive whole number.</translation>
    </message>
    <message>
        <source>Zadejte právě jednu z voleb --before a --after.</source>
        <translation>Give exactly one of the options --before and --after.</translation>
    </message>
    <message>
        <source>Záznam %1 v historii zápisů není.</source>
        <translation>Record %1 is not in the write history.</translation>
    </message>
    <message>
        <source>Záznam %1 nemá uložené nastavení před zápisem (stanice byla prázdná).</source>
        <translation>Record %1 holds no settings from before the write (the station was empty).</translation>
    </message>
    <message>
        <source>Záznam %1 nemá uložené zapsané nastavení (zápis nedoběhl).</source>
        <translation>Record %1 holds no written settings (the write did not finish).</translation>
    </message>
    <message>
        <source>Soubor %1 nelze zapsat.</source>
        <translation>File %1 cannot be written.</translation>
    </message>
    <message>
        <source>Použití: torval-cli history [--station NÁZEV] [--json]
        torval-cli history --export ID --before|--after -o SOUBOR.eep [--force]
Historie zápisů do stanic: %1 (jinde: proměnná TORVAL_HISTORY_DB)
</source>
        <translation>Usage: torval-cli history [--station NAME] [--json]
       torval-cli history --export ID --before|--after -o FILE.eep [--force]
History of station writes: %1 (elsewhere: variable TORVAL_HISTORY_DB)
</translation>
    </message>
    <message>
        <source>jen zápisy do stanic, jejichž název obsahuje NÁZEV</source>
        <translation>only writes into stations whose name contains NAME</translation>
    </message>
    <message>
        <source>NÁZEV</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>výpis ve formátu JSON</source>
        <translation>output as JSON</translation>
    </message>
    <message>
        <source>uloží nastavení záznamu ID do souboru</source>
        <translation>saves the settings of record ID to a file</translation>
    </message>
    <message>
        <source>nastavení stanice před zápisem</source>
        <translation>the station&apos;s settings before the write</translation>
    </message>
    <message>
        <source>nastavení, které zápis poslal do stanice</source>
        <translation>the settings the write sent to the station</translation>
    </message>
    <message>
        <source>soubor nastavení, který se zapíše</source>
        <translation>the settings file to write</translation>
    </message>
    <message>
        <source>SOUBOR.eep</source>
        <translation>FILE.eep</translation>
    </message>
    <message>
        <source>přepíše existující soubor bez ptaní</source>
        <translation>overwrites an existing file without asking</translation>
    </message>
</context>
<context>
    <name>CmdImport</name>
    <message>
        <source>Použití: torval-cli import SOUBOR.json -o SOUBOR.eep [--force]
</source>
        <translation>Usage: torval-cli import FILE.json -o FILE.eep [--force]
</translation>
    </message>
    <message>
        <source>soubor nastavení, který se zapíše</source>
        <translation>settings file to write</translation>
    </message>
    <message>
        <source>SOUBOR.eep</source>
        <translation>FILE.eep</translation>
    </message>
    <message>
        <source>přepíše existující soubor bez ptaní</source>
        <translation>overwrites an existing file without asking</translation>
    </message>
    <message>
        <source>Nastavení nelze zapsat do souboru &apos;%1&apos;, ze kterého se čte.
</source>
        <translation>The settings cannot be written to &apos;%1&apos;, the file they are read from.
</translation>
    </message>
    <message>
        <source>Upozornění: %1
</source>
        <translation>Warning: %1
</translation>
    </message>
    <message>
        <source>Soubor &apos;%1&apos; nebyl zapsán: editor by toto nastavení odmítl.
</source>
        <translation>File &apos;%1&apos; was not written: the editor would refuse these settings.
</translation>
    </message>
</context>
<context>
    <name>CmdInfo</name>
    <message>
        <source>Použití: torval-cli info --port PORT [--timeout SEKUNDY]
</source>
        <translation>Usage: torval-cli info --port PORT [--timeout SECONDS]
</translation>
    </message>
    <message>
        <source>sériový port stanice (simulator: virtuální stanice)</source>
        <translation>serial port of the station (simulator: virtual station)</translation>
    </message>
    <message>
        <source>Produkt: %1
Verze: %2
Velikost paměti: %3
Typ modemu: %4
</source>
        <translation>Product: %1
Version: %2
Memory size: %3
Modem type: %4
</translation>
    </message>
</context>
<context>
    <name>CmdPorts</name>
    <message>
        <source>Použití: torval-cli ports
</source>
        <translation>Usage: torval-cli ports
</translation>
    </message>
    <message>
        <source>Žádný sériový port nebyl nalezen.
</source>
        <translation>No serial port was found.
</translation>
    </message>
</context>
<context>
    <name>CmdPrint</name>
    <message>
        <source>Použití: torval-cli print SOUBOR.eep|SOUBOR.json -o ZPRAVA.pdf [--paper A4|A5|Letter|Legal|Tabloid] [--landscape] [--force]
</source>
        <translation>Usage: torval-cli print FILE.eep|FILE.json -o REPORT.pdf [--paper A4|A5|Letter|Legal|Tabloid] [--landscape] [--force]
</translation>
    </message>
    <message>
        <source>soubor PDF se zprávou</source>
        <translation>PDF file of the report</translation>
    </message>
    <message>
        <source>ZPRAVA.pdf</source>
        <translation>REPORT.pdf</translation>
    </message>
    <message>
        <source>papír (A4, A5, Letter, Legal, Tabloid)</source>
        <translation>paper (A4, A5, Letter, Legal, Tabloid)</translation>
    </message>
    <message>
        <source>PAPIR</source>
        <translation>PAPER</translation>
    </message>
    <message>
        <source>papír na šířku</source>
        <translation>landscape paper</translation>
    </message>
    <message>
        <source>přepíše existující zprávu bez ptaní</source>
        <translation>overwrites an existing report without asking</translation>
    </message>
    <message>
        <source>Zprávu nelze zapsat do souboru &apos;%1&apos;, ze kterého se čte nastavení.
</source>
        <translation>The report cannot be written to &apos;%1&apos;, the file the settings are read from.
</translation>
    </message>
    <message>
        <source>Soubor &apos;%1&apos; již existuje. Mám ho přepsat?</source>
        <translation>File &apos;%1&apos; already exists. Overwrite it?</translation>
    </message>
</context>
<context>
    <name>CmdProvision</name>
    <message>
        <source>Použití: torval-cli provision --port PORT [--port PORT ...] --template SABLONA.json
         --stations STANICE.csv [--stop-on-error] [--pdf ADRESAR] [--log PROTOKOL.csv]
         [--backups ADRESAR]
       torval-cli provision --dry-run --template SABLONA.json --stations STANICE.csv
</source>
        <translation>Usage: torval-cli provision --port PORT [--port PORT ...] --template TEMPLATE.json
         --stations STATIONS.csv [--stop-on-error] [--pdf FOLDER] [--log LOG.csv]
         [--backups FOLDER]
       torval-cli provision --dry-run --template TEMPLATE.json --stations STATIONS.csv
</translation>
    </message>
    <message>
        <source>Řádek %1 (&apos;%2&apos;): </source>
        <translation>Row %1 (&apos;%2&apos;): </translation>
    </message>
    <message>
        <source>shodné se šablonou.</source>
        <translation>same as the template.</translation>
    </message>
    <message>
        <source>změny proti šabloně (%1):
</source>
        <translation>changes against the template (%1):
</translation>
    </message>
    <message>
        <source>Zkouška bez stanic: platných řádků: %1, neplatných řádků: %2. Žádná stanice nebyla programována.
</source>
        <translation>Dry run: valid rows: %1, invalid rows: %2. No station was programmed.
</translation>
    </message>
    <message>
        <source>sériový port; jednou pro každý kabel</source>
        <translation>serial port; once for each cable</translation>
    </message>
    <message>
        <source>šablona nastavení (JSON)</source>
        <translation>settings template (JSON)</translation>
    </message>
    <message>
        <source>SABLONA.json</source>
        <translation>TEMPLATE.json</translation>
    </message>
    <message>
        <source>tabulka stanic (CSV)</source>
        <translation>table of stations (CSV)</translation>
    </message>
    <message>
        <source>STANICE.csv</source>
        <translation>STATIONS.csv</translation>
    </message>
    <message>
        <source>skončí u první stanice, která selže</source>
        <translation>stops at the first station that fails</translation>
    </message>
    <message>
        <source>adresář pro zprávy PDF</source>
        <translation>folder for the PDF reports</translation>
    </message>
    <message>
        <source>ADRESAR</source>
        <translation>FOLDER</translation>
    </message>
    <message>
        <source>protokol programování (CSV)</source>
        <translation>programming log (CSV)</translation>
    </message>
    <message>
        <source>PROTOKOL.csv</source>
        <translation>LOG.csv</translation>
    </message>
    <message>
        <source>adresář pro zálohy stanic (výchozí: backups)</source>
        <translation>folder for the stations&apos; backups (default: backups)</translation>
    </message>
    <message>
        <source>jen zkontroluje řádky a vypíše jejich změny proti šabloně; žádná stanice</source>
        <translation>only checks the rows and lists their changes against the template; no station</translation>
    </message>
    <message>
        <source>Volba --backups potřebuje adresář.</source>
        <translation>Option --backups needs a folder.</translation>
    </message>
    <message>
        <source>Port &apos;%1&apos; je uveden dvakrát.
</source>
        <translation>Port &apos;%1&apos; is given twice.
</translation>
    </message>
    <message>
        <source>Protokol &apos;%1&apos; je zároveň vstupním souborem &apos;%2&apos;. Žádná stanice nebyla programována.
</source>
        <translation>The log &apos;%1&apos; is also the input file &apos;%2&apos;. No station was programmed.
</translation>
    </message>
    <message>
        <source>Soubor &apos;%1&apos;: %2
</source>
        <translation>File &apos;%1&apos;: %2
</translation>
    </message>
    <message>
        <source>Soubor se stanicemi &apos;%1&apos; nelze otevřít.
</source>
        <translation>The stations file &apos;%1&apos; cannot be opened.
</translation>
    </message>
    <message>
        <source>Soubor &apos;%1&apos;: %2
Žádná stanice nebyla programována.
</source>
        <translation>File &apos;%1&apos;: %2
No station was programmed.
</translation>
    </message>
    <message>
        <source>Tabulka obsahuje chybné řádky; žádná stanice nebyla programována.
</source>
        <translation>The table has faulty rows; no station was programmed.
</translation>
    </message>
    <message>
        <source>naprogramováno: %1, chybných stanic: %2, přeskočených řádků: %3%4%5</source>
        <translation>programmed: %1, failed stations: %2, skipped rows: %3%4%5</translation>
    </message>
    <message>
        <source>, zapsáno bez kontroly: %1</source>
        <translation>, written without check: %1</translation>
    </message>
    <message>
        <source>; port byl vyřazen.</source>
        <translation>; the port was retired.</translation>
    </message>
    <message>
        <source>Naprogramováno: %1, chybných stanic: %2, neplatných řádků: %3, přeskočených řádků: %4.</source>
        <translation>Programmed: %1, failed stations: %2, invalid rows: %3, skipped rows: %4.</translation>
    </message>
    <message>
        <source> Zapsáno bez kontrolního načtení: %1.</source>
        <translation> Written without a read-back check: %1.</translation>
    </message>
    <message>
        <source> Naprogramováno bez uložené zprávy PDF: %1.</source>
        <translation> Programmed without a saved PDF report: %1.</translation>
    </message>
    <message>
        <source> Programování bylo stornováno.</source>
        <translation> Programming was cancelled.</translation>
    </message>
    <message>
        <source> Protokol nelze zapisovat; programování skončilo.</source>
        <translation> The log cannot be written; programming stopped.</translation>
    </message>
</context>
<context>
    <name>CmdRead</name>
    <message>
        <source>Použití: torval-cli read --port PORT -o SOUBOR.eep [--force] [--used-only] [--timeout SEKUNDY]
</source>
        <translation>Usage: torval-cli read --port PORT -o FILE.eep [--force] [--used-only] [--timeout SECONDS]
</translation>
    </message>
    <message>
        <source>sériový port stanice (simulator: virtuální stanice)</source>
        <translation>serial port of the station (simulator: virtual station)</translation>
    </message>
    <message>
        <source>soubor nastavení, který se zapíše</source>
        <translation>settings file to write</translation>
    </message>
    <message>
        <source>SOUBOR.eep</source>
        <translation>FILE.eep</translation>
    </message>
    <message>
        <source>přepíše existující soubor bez ptaní</source>
        <translation>overwrites an existing file without asking</translation>
    </message>
    <message>
        <source>čte jen nastavení, ne celou paměť stanice</source>
        <translation>reads only the settings, not the station&apos;s whole memory</translation>
    </message>
</context>
<context>
    <name>CmdShow</name>
    <message>
        <source>Použití: torval-cli show SOUBOR.eep [--json]
</source>
        <translation>Usage: torval-cli show FILE.eep [--json]
</translation>
    </message>
    <message>
        <source>nastavení jako JSON, který čte import</source>
        <translation>the settings as the JSON that import reads</translation>
    </message>
    <message>
        <source>ano</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>ne</source>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>CmdWrite</name>
    <message>
        <source>Použití: torval-cli write --port PORT SOUBOR.eep [--no-verify] [--timeout SEKUNDY]
</source>
        <translation>Usage: torval-cli write --port PORT FILE.eep [--no-verify] [--timeout SECONDS]
</translation>
    </message>
    <message>
        <source>sériový port stanice (simulator: virtuální stanice)</source>
        <translation>serial port of the station (simulator: virtual station)</translation>
    </message>
    <message>
        <source>zapsané bloky se nečtou zpět ke kontrole</source>
        <translation>written blocks are not read back for a check</translation>
    </message>
</context>
<context>
    <name>CompareView</name>
    <message>
        <source>Porovnání se stanicí</source>
        <translation>Compare with the station</translation>
    </message>
    <message>
        <source>Co zápis do EEPROM změní (stanice → program):</source>
        <translation>What a write to the EEPROM changes (station → program):</translation>
    </message>
    <message>
        <source>Shodné</source>
        <translation>Same</translation>
    </message>
    <message>
        <source>Záložka</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Řádek</source>
        <translation>Row</translation>
    </message>
    <message>
        <source>Položka</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Ve stanici</source>
        <translation>In the station</translation>
    </message>
    <message>
        <source>V programu</source>
        <translation>In the program</translation>
    </message>
    <message>
        <source>Kopírovat</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>&amp;Zavřít</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>ConfigFields</name>
    <message>
        <source>Povolit šetřící režim</source>
        <translation>Enable power saving</translation>
    </message>
    <message>
        <source>Doba zapnutého modemu (h)</source>
        <translation>Modem on time (h)</translation>
    </message>
    <message>
        <source>Doba zapnutého modemu (m)</source>
        <translation>Modem on time (m)</translation>
    </message>
    <message>
        <source>Doba vypnutého modemu (h)</source>
        <translation>Modem off time (h)</translation>
    </message>
    <message>
        <source>Doba vypnutého modemu (m)</source>
        <translation>Modem off time (m)</translation>
    </message>
    <message>
        <source>Při vypnutém modemu vypnout výstupy</source>
        <translation>Switch the outputs off while the modem is off</translation>
    </message>
    <message>
        <source>Super šetřící režim</source>
        <translation>Super power saving</translation>
    </message>
    <message>
        <source>Název stanice</source>
        <translation>Station name</translation>
    </message>
    <message>
        <source>Telefonní číslo servisního centra</source>
        <translation>Service centre number</translation>
    </message>
    <message>
        <source>Autorizace pomocí zadání PINu v příkazové zprávě</source>
        <translation>Authorisation by PIN in the command message</translation>
    </message>
    <message>
        <source>Hlášení o stavu posílat i na telefonní číslo T1</source>
        <translation>Send status reports to number T1 too</translation>
    </message>
    <message>
        <source>Hlášení o nepovoleném přístupu posílat i na tel. číslo T1</source>
        <translation>Send unauthorised access reports to number T1 too</translation>
    </message>
    <message>
        <source>Posílat hlášení, že není povolen přístup</source>
        <translation>Report that access is not allowed</translation>
    </message>
    <message>
        <source>Text hlášení o nepovolení přístupu</source>
        <translation>Text of the access denied report</translation>
    </message>
    <message>
        <source>Doba platnosti SMS zprávy</source>
        <translation>SMS validity period</translation>
    </message>
    <message>
        <source>Baterie: při poklesu napětí pod CL1 vypnout zařízení</source>
        <translation>Battery: switch the device off when the voltage drops below CL1</translation>
    </message>
    <message>
        <source>Baterie: text hlášení při poklesu napětí</source>
        <translation>Battery: text of the low voltage report</translation>
    </message>
    <message>
        <source>Síťové napájení: posílat hlášení o zapnutí/vypnutí</source>
        <translation>Mains power: report power on/off</translation>
    </message>
    <message>
        <source>Síťové napájení: text hlášení při zapnutí</source>
        <translation>Mains power: text of the power on report</translation>
    </message>
    <message>
        <source>Síťové napájení: text hlášení při vypnutí</source>
        <translation>Mains power: text of the power off report</translation>
    </message>
    <message>
        <source>Zařízení: posílat hlášení o zapnutí/vypnutí</source>
        <translation>Device: report switching on/off</translation>
    </message>
    <message>
        <source>Zařízení: text hlášení při zapnutí</source>
        <translation>Device: text of the switch on report</translation>
    </message>
    <message>
        <source>Zařízení: text hlášení při vypnutí</source>
        <translation>Device: text of the switch off report</translation>
    </message>
    <message>
        <source>Název</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Stav 0 &apos;Vypnuto&apos;</source>
        <translation>State 0 &apos;Off&apos;</translation>
    </message>
    <message>
        <source>Stav 1 &apos;Zapnuto&apos;</source>
        <translation>State 1 &apos;On&apos;</translation>
    </message>
    <message>
        <source>SMS při přechodu 0-&gt;1</source>
        <translation>SMS on change 0-&gt;1</translation>
    </message>
    <message>
        <source>Text zprávy při přechodu 0-&gt;1</source>
        <translation>Message text on change 0-&gt;1</translation>
    </message>
    <message>
        <source>SMS při přechodu 1-&gt;0</source>
        <translation>SMS on change 1-&gt;0</translation>
    </message>
    <message>
        <source>Text zprávy při přechodu 1-&gt;0</source>
        <translation>Message text on change 1-&gt;0</translation>
    </message>
    <message>
        <source>Negace</source>
        <translation>Negation</translation>
    </message>
    <message>
        <source>Uvádět ve zprávě</source>
        <translation>Reported</translation>
    </message>
    <message>
        <source>Alarm při přechodu 0-&gt;1</source>
        <translation>Alarm on change 0-&gt;1</translation>
    </message>
    <message>
        <source>Alarm při přechodu 1-&gt;0</source>
        <translation>Alarm on change 1-&gt;0</translation>
    </message>
    <message>
        <source>Impuls</source>
        <translation>Pulse</translation>
    </message>
    <message>
        <source>Délka impulsu (s)</source>
        <translation>Pulse length (s)</translation>
    </message>
    <message>
        <source>Funkce výstupů</source>
        <translation>Output functions</translation>
    </message>
    <message>
        <source>Stav LOW</source>
        <translation>State LOW</translation>
    </message>
    <message>
        <source>Stav MEDIUM</source>
        <translation>State MEDIUM</translation>
    </message>
    <message>
        <source>Stav HIGH</source>
        <translation>State HIGH</translation>
    </message>
    <message>
        <source>CL1 úroveň</source>
        <translation>CL1 level</translation>
    </message>
    <message>
        <source>CL1 hystereze</source>
        <translation>CL1 hysteresis</translation>
    </message>
    <message>
        <source>CL1 SMS při přechodu nahoru</source>
        <translation>CL1 SMS on rising</translation>
    </message>
    <message>
        <source>CL1 text při přechodu nahoru</source>
        <translation>CL1 text on rising</translation>
    </message>
    <message>
        <source>CL1 SMS při přechodu dolů</source>
        <translation>CL1 SMS on falling</translation>
    </message>
    <message>
        <source>CL1 text při přechodu dolů</source>
        <translation>CL1 text on falling</translation>
    </message>
    <message>
        <source>CL2 úroveň</source>
        <translation>CL2 level</translation>
    </message>
    <message>
        <source>CL2 hystereze</source>
        <translation>CL2 hysteresis</translation>
    </message>
    <message>
        <source>CL2 SMS při přechodu nahoru</source>
        <translation>CL2 SMS on rising</translation>
    </message>
    <message>
        <source>CL2 text při přechodu nahoru</source>
        <translation>CL2 text on rising</translation>
    </message>
    <message>
        <source>CL2 SMS při přechodu dolů</source>
        <translation>CL2 SMS on falling</translation>
    </message>
    <message>
        <source>CL2 text při přechodu dolů</source>
        <translation>CL2 text on falling</translation>
    </message>
    <message>
        <source>Uvádět hodnotu</source>
        <translation>Report the value</translation>
    </message>
    <message>
        <source>Uvádět stav</source>
        <translation>Report the state</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Telefonní číslo</source>
        <translation>Phone number</translation>
    </message>
    <message>
        <source>Příjem příkazů</source>
        <translation>Accept commands</translation>
    </message>
    <message>
        <source>Odesílání zpráv o událostech</source>
        <translation>Send event messages</translation>
    </message>
    <message>
        <source>Název čítače</source>
        <translation>Counter name</translation>
    </message>
    <message>
        <source>Potlačení předních nul</source>
        <translation>Suppress leading zeros</translation>
    </message>
    <message>
        <source>Všeobecné</source>
        <translation>General</translation>
    </message>
    <message>
        <source>SMS zprávy</source>
        <translation>SMS messages</translation>
    </message>
    <message>
        <source>Dig. vstupy</source>
        <translation>Dig. inputs</translation>
    </message>
    <message>
        <source>Dig. výstupy</source>
        <translation>Dig. outputs</translation>
    </message>
    <message>
        <source>Analog. vstupy 1-4</source>
        <translation>Analog inputs 1-4</translation>
    </message>
    <message>
        <source>Analog. vstupy 5-8</source>
        <translation>Analog inputs 5-8</translation>
    </message>
    <message>
        <source>Tel. čísla</source>
        <translation>Phone numbers</translation>
    </message>
    <message>
        <source>Čítače</source>
        <translation>Counters</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
</context>
<context>
    <name>ConfigJson</name>
    <message>
        <source>Hodnota klíče &apos;%1&apos; musí být text.</source>
        <translation>The value of key &apos;%1&apos; must be a text.</translation>
    </message>
    <message>
        <source>Text klíče &apos;%1&apos; je delší než %2.</source>
        <translation>The text of key &apos;%1&apos; is longer than %2.</translation>
    </message>
    <message>
        <source>Hodnota klíče &apos;%1&apos; musí být true nebo false.</source>
        <translation>The value of key &apos;%1&apos; must be true or false.</translation>
    </message>
    <message>
        <source>Hodnota klíče &apos;%1&apos; musí být celé číslo od 0 do 255.</source>
        <translation>The value of key &apos;%1&apos; must be a whole number from 0 to 255.</translation>
    </message>
    <message>
        <source>Hodnota klíče &apos;%1&apos; musí být pole o %2 položkách.</source>
        <translation>The value of key &apos;%1&apos; must be an array of %2 items.</translation>
    </message>
    <message>
        <source>Položka &apos;%1&apos; musí být objekt s klíči min, max, decimals a unit.</source>
        <translation>Item &apos;%1&apos; must be an object with the keys min, max, decimals and unit.</translation>
    </message>
    <message>
        <source>Hodnota klíče &apos;%1&apos; musí být číslo.</source>
        <translation>The value of key &apos;%1&apos; must be a number.</translation>
    </message>
    <message>
        <source>Hodnota klíče &apos;%1&apos; musí být celé číslo od 0 do %2.</source>
        <translation>The value of key &apos;%1&apos; must be a whole number from 0 to %2.</translation>
    </message>
    <message>
        <source>Neznámý klíč &apos;%1&apos;.</source>
        <translation>Unknown key &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Rozsah &apos;%1&apos; není správně zadán: min a max se nesmějí shodovat.</source>
        <translation>Range &apos;%1&apos; is wrong: min and max must differ.</translation>
    </message>
    <message>
        <source>Data nejsou platný JSON (znak %1): %2.</source>
        <translation>The data is not valid JSON (character %1): %2.</translation>
    </message>
    <message>
        <source>Data JSON musí být jeden objekt s nastavením stanice.</source>
        <translation>The JSON data must be one object holding the station&apos;s settings.</translation>
    </message>
    <message>
        <source>Rozsah &apos;%1&apos; není správně zadán: meze &apos;%2&apos; a &apos;%3&apos; se nevejdou do úrovně o %4 znacích.</source>
        <translation>Range &apos;%1&apos; is wrong: the bounds &apos;%2&apos; and &apos;%3&apos; do not fit a level of %4 characters.</translation>
    </message>
    <message>
        <source>Klíče &apos;rtBattLow&apos; a &apos;tabAINCL1Dn[%1]&apos; jsou jeden text a musí se shodovat.</source>
        <translation>The keys &apos;rtBattLow&apos; and &apos;tabAINCL1Dn[%1]&apos; are one text and must be the same.</translation>
    </message>
</context>
<context>
    <name>Count</name>
    <message numerus="yes">
        <source>%n znaků</source>
        <translation>
            <numerusform>%n character</numerusform>
            <numerusform>%n characters</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FieldRules</name>
    <message>
        <source>Název &apos;Zapnuto&apos; může obsahovat pouze tyto znaky: </source>
        <translation>The &apos;On&apos; name may contain only these characters: </translation>
    </message>
    <message>
        <source>Název &apos;Vypnuto&apos; může obsahovat pouze tyto znaky: </source>
        <translation>The &apos;Off&apos; name may contain only these characters: </translation>
    </message>
    <message>
        <source>Název &apos;Impuls&apos; může obsahovat pouze tyto znaky: </source>
        <translation>The &apos;Pulse&apos; name may contain only these characters: </translation>
    </message>
    <message>
        <source>Název &apos;Zapnuto&apos; nesmí být žádné z těchto klíčových slov (ani jejich předpony): </source>
        <translation>The &apos;On&apos; name must not be any of these keywords (nor their prefixes): </translation>
    </message>
    <message>
        <source>Název &apos;Vypnuto&apos; nesmí být žádné z těchto klíčových slov (ani jejich předpony): </source>
        <translation>The &apos;Off&apos; name must not be any of these keywords (nor their prefixes): </translation>
    </message>
    <message>
        <source>Název &apos;Zapnuto&apos; nesmí být stejný jako název &apos;Vypnuto&apos;.</source>
        <translation>The &apos;On&apos; name must not be the same as the &apos;Off&apos; name.</translation>
    </message>
    <message>
        <source>Název &apos;Vypnuto&apos; nesmí být stejný jako název &apos;Zapnuto&apos;.</source>
        <translation>The &apos;Off&apos; name must not be the same as the &apos;On&apos; name.</translation>
    </message>
    <message>
        <source>Text může obsahovat pouze tyto znaky: </source>
        <translation>The text may contain only these characters: </translation>
    </message>
    <message>
        <source>Název vstupu může obsahovat pouze tyto znaky: </source>
        <translation>The input name may contain only these characters: </translation>
    </message>
    <message>
        <source>Název vstupu nesmí být žádné z těchto klíčových slov (ani jejich předpony): </source>
        <translation>The input name must not be any of these keywords (nor their prefixes): </translation>
    </message>
    <message>
        <source>Název přechodu &apos;Neaktivní-&gt;Aktivní&apos; může obsahovat pouze tyto znaky: </source>
        <translation>The name of the change &apos;Inactive-&gt;Active&apos; may contain only these characters: </translation>
    </message>
    <message>
        <source>Název přechodu &apos;Aktivní-&gt;Neaktivní&apos; může obsahovat pouze tyto znaky: </source>
        <translation>The name of the change &apos;Active-&gt;Inactive&apos; may contain only these characters: </translation>
    </message>
    <message>
        <source>Název přechodu &apos;0-&gt;1&apos; může obsahovat pouze tyto znaky: </source>
        <translation>The name of the change &apos;0-&gt;1&apos; may contain only these characters: </translation>
    </message>
    <message>
        <source>Název přechodu &apos;1-&gt;0&apos; může obsahovat pouze tyto znaky: </source>
        <translation>The name of the change &apos;1-&gt;0&apos; may contain only these characters: </translation>
    </message>
    <message>
        <source>Název výstupu může obsahovat pouze tyto znaky: </source>
        <translation>The output name may contain only these characters: </translation>
    </message>
    <message>
        <source>Název výstupu nesmí být žádné z těchto klíčových slov (ani jejich předpony): </source>
        <translation>The output name must not be any of these keywords (nor their prefixes): </translation>
    </message>
    <message>
        <source>Název &apos;Zapnuto&apos; nesmí být prefixem názvu &apos;Vypnuto&apos; ani naopak.</source>
        <translation>The &apos;On&apos; name must not be a prefix of the &apos;Off&apos; name nor the other way round.</translation>
    </message>
    <message>
        <source>Název &apos;Zapnuto&apos; nesmí být prefixem názvu &apos;Impuls&apos; ani naopak.</source>
        <translation>The &apos;On&apos; name must not be a prefix of the &apos;Pulse&apos; name nor the other way round.</translation>
    </message>
    <message>
        <source>Název &apos;Vypnuto&apos; nesmí být prefixem názvu &apos;Zapnuto&apos; ani naopak.</source>
        <translation>The &apos;Off&apos; name must not be a prefix of the &apos;On&apos; name nor the other way round.</translation>
    </message>
    <message>
        <source>Název &apos;Vypnuto&apos; nesmí být prefixem názvu &apos;Impuls&apos; ani naopak.</source>
        <translation>The &apos;Off&apos; name must not be a prefix of the &apos;Pulse&apos; name nor the other way round.</translation>
    </message>
    <message>
        <source>Název &apos;Impuls&apos; nesmí být prefixem názvu &apos;Vypnuto&apos; ani naopak.</source>
        <translation>The &apos;Pulse&apos; name must not be a prefix of the &apos;Off&apos; name nor the other way round.</translation>
    </message>
    <message>
        <source>Název &apos;Impuls&apos; nesmí být prefixem názvu &apos;Zapnuto&apos; ani naopak.</source>
        <translation>The &apos;Pulse&apos; name must not be a prefix of the &apos;On&apos; name nor the other way round.</translation>
    </message>
    <message>
        <source>Název &apos;Impuls&apos; nesmí být žádné z těchto klíčových slov (ani jejich předpony): </source>
        <translation>The &apos;Pulse&apos; name must not be any of these keywords (nor their prefixes): </translation>
    </message>
    <message>
        <source>Název &apos;impuls&apos; nesmí být žádné z těchto klíčových slov (ani jejich předpony): </source>
        <translation>The &apos;pulse&apos; name must not be any of these keywords (nor their prefixes): </translation>
    </message>
    <message>
        <source>Telefonní číslo je špatně zadáno.</source>
        <translation>The phone number is wrong.</translation>
    </message>
    <message>
        <source>Telefonní číslo servisního centra je špatně zadáno.</source>
        <translation>The service centre number is wrong.</translation>
    </message>
    <message>
        <source>UTO je špatně zadáno.</source>
        <translation>The UTO is wrong.</translation>
    </message>
    <message>
        <source>PIN je špatně zadán.</source>
        <translation>The PIN is wrong.</translation>
    </message>
    <message>
        <source>Doba platnosti SMS zprávy je špatně zadána. Povolená hodnota je číslo 1 až 30 včetně.</source>
        <translation>The SMS validity period is wrong. Allowed is a number from 1 to 30 inclusive.</translation>
    </message>
    <message>
        <source>Číslo je chybně zadáno.</source>
        <translation>The number is wrong.</translation>
    </message>
    <message>
        <source>Pole &apos;%1&apos; nesmí obsahovat znak &apos;%2&apos;: stanice ho neumí uložit (není ve znakové sadě Windows-1250).</source>
        <translation>Field &apos;%1&apos; must not contain the character &apos;%2&apos;: the station cannot store it (it is not in the Windows-1250 character set).</translation>
    </message>
</context>
<context>
    <name>GridBuilder</name>
    <message>
        <source>Název digitálního vstupu</source>
        <translation>Name of the digital input</translation>
    </message>
    <message>
        <source>Název stavu &apos;VYPNUTO&apos; pro tento digitální vstup</source>
        <translation>Name of the &apos;OFF&apos; state of this digital input</translation>
    </message>
    <message>
        <source>Název stavu &apos;ZAPNUTO&apos; pro tento digitální vstup</source>
        <translation>Name of the &apos;ON&apos; state of this digital input</translation>
    </message>
    <message>
        <source>Posílat hlášení při přechodu &apos;Vypnuto-&gt;Zapnuto&apos; pro tento digitální vstup</source>
        <translation>Report the change &apos;Off-&gt;On&apos; of this digital input</translation>
    </message>
    <message>
        <source>Název přechodu &apos;Vypnuto-&gt;Zapnuto&apos; pro tento digitální vstup</source>
        <translation>Name of the change &apos;Off-&gt;On&apos; of this digital input</translation>
    </message>
    <message>
        <source>Posílat hlášení při přechodu &apos;Zapnuto-&gt;Vypnuto&apos; pro tento digitální vstup</source>
        <translation>Report the change &apos;On-&gt;Off&apos; of this digital input</translation>
    </message>
    <message>
        <source>Název přechodu &apos;Zapnuto-&gt;Vypnuto&apos; pro tento digitální vstup</source>
        <translation>Name of the change &apos;On-&gt;Off&apos; of this digital input</translation>
    </message>
    <message>
        <source>Negace stavů Zapnuto&lt;-&gt;Vypnuto</source>
        <translation>Swap the states On&lt;-&gt;Off</translation>
    </message>
    <message>
        <source>Uvádět ve zprávě informace o tonto digitálním vstupu</source>
        <translation>Include this digital input in the report</translation>
    </message>
    <message>
        <source>SMS zprávy při přechodu (zda zasílat + text zprávy)</source>
        <translation>SMS on change (whether to send + message text)</translation>
    </message>
    <message>
        <source>0-&gt;1</source>
        <translation>0-&gt;1</translation>
    </message>
    <message>
        <source>1-&gt;0</source>
        <translation>1-&gt;0</translation>
    </message>
    <message>
        <source>Název digitálního výstupu</source>
        <translation>Name of the digital output</translation>
    </message>
    <message>
        <source>Název stavu &apos;VYPNUTO&apos; pro tento digitální výstup</source>
        <translation>Name of the &apos;OFF&apos; state of this digital output</translation>
    </message>
    <message>
        <source>Název stavu &apos;ZAPNUTO&apos; pro tento digitální výstup</source>
        <translation>Name of the &apos;ON&apos; state of this digital output</translation>
    </message>
    <message>
        <source>doba trvání impulsu (0-255) x 0,1 sekund (např. 125=12,5 sekund)</source>
        <translation>pulse length (0-255) x 0.1 seconds (e.g. 125=12.5 seconds)</translation>
    </message>
    <message>
        <source>Uvádět ve zprávě informace o tonto digitálním výstupu</source>
        <translation>Include this digital output in the report</translation>
    </message>
    <message>
        <source>Impuls, Název + délka (v sekundách)</source>
        <translation>Pulse, name + length (in seconds)</translation>
    </message>
    <message>
        <source>Název analogového vstupu</source>
        <translation>Name of the analog input</translation>
    </message>
    <message>
        <source>Název stavu LOW (nízká)</source>
        <translation>Name of state LOW (low)</translation>
    </message>
    <message>
        <source>Název stavu MEDIUM (normální)</source>
        <translation>Name of state MEDIUM (normal)</translation>
    </message>
    <message>
        <source>Název stavu HIGH (vysoká)</source>
        <translation>Name of state HIGH (high)</translation>
    </message>
    <message>
        <source>Hodnota úrovně CL1</source>
        <translation>Value of level CL1</translation>
    </message>
    <message>
        <source>Hodnota  hystereze CL1</source>
        <translation>Value of hysteresis CL1</translation>
    </message>
    <message>
        <source>Posílat SMS zprávu při přechodu přes CL1 nahoru</source>
        <translation>Send an SMS on rising through CL1</translation>
    </message>
    <message>
        <source>Text SMS zprávy při přechodu přes CL1 nahoru</source>
        <translation>SMS text on rising through CL1</translation>
    </message>
    <message>
        <source>Posílat SMS zprávu při přechodu přes CL1 dolu</source>
        <translation>Send an SMS on falling through CL1</translation>
    </message>
    <message>
        <source>Text SMS zprávy při přechodu přes CL1 dolu</source>
        <translation>SMS text on falling through CL1</translation>
    </message>
    <message>
        <source>Hodnota úrovně CL2</source>
        <translation>Value of level CL2</translation>
    </message>
    <message>
        <source>Hodnota  hystereze CL2</source>
        <translation>Value of hysteresis CL2</translation>
    </message>
    <message>
        <source>Posílat SMS zprávu při přechodu přes CL2 nahoru</source>
        <translation>Send an SMS on rising through CL2</translation>
    </message>
    <message>
        <source>Text SMS zprávy při přechodu přes CL2 nahoru</source>
        <translation>SMS text on rising through CL2</translation>
    </message>
    <message>
        <source>Posílat SMS zprávu při přechodu přes CL2 dolu</source>
        <translation>Send an SMS on falling through CL2</translation>
    </message>
    <message>
        <source>Text SMS zprávy při přechodu přes CL2 dolu</source>
        <translation>SMS text on falling through CL2</translation>
    </message>
    <message>
        <source>Po hodnotě uvádět hodnotu</source>
        <translation>Report the value</translation>
    </message>
    <message>
        <source>Po hodnotě uvádět jméno stavu</source>
        <translation>Report the state name</translation>
    </message>
    <message>
        <source>Název
Stav LOW</source>
        <translation>Name
State LOW</translation>
    </message>
    <message>
        <source>Stav MEDIUM
Stav HIGH</source>
        <translation>State MEDIUM
State HIGH</translation>
    </message>
    <message>
        <source>CL1</source>
        <translation>CL1</translation>
    </message>
    <message>
        <source>úroveň
hyster.</source>
        <translation>level
hyst.</translation>
    </message>
    <message>
        <source>přechod up
přechod down</source>
        <translation>rising
falling</translation>
    </message>
    <message>
        <source>CL2</source>
        <translation>CL2</translation>
    </message>
    <message>
        <source>Uvádět
hodnotu</source>
        <translation>Report
value</translation>
    </message>
    <message>
        <source>Uvádět
stav</source>
        <translation>Report
state</translation>
    </message>
    <message>
        <source>Telefonní číslo</source>
        <translation>Phone number</translation>
    </message>
    <message>
        <source>Přijímat příkazy z tohoto tel. čísla</source>
        <translation>Accept commands from this number</translation>
    </message>
    <message>
        <source>Odesílat zprávy o událostech na toto tel. číslo</source>
        <translation>Send event messages to this number</translation>
    </message>
    <message>
        <source>Název čítače</source>
        <translation>Counter name</translation>
    </message>
    <message>
        <source>Uvádět ve zprávě informace o tonto čítači</source>
        <translation>Include this counter in the report</translation>
    </message>
    <message>
        <source>Možnosti</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Zobrazit formulář pro změnu hodnot tohoto analogového vstupu</source>
        <translation>Open the form for the values of this analog input</translation>
    </message>
    <message>
        <source>Změnit</source>
        <translation>Change</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>disk je plný</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>databázi právě drží jiný program</source>
        <translation>another program holds the database</translation>
    </message>
    <message>
        <source>do databáze nelze zapisovat</source>
        <translation>the database cannot be written</translation>
    </message>
    <message>
        <source>soubor databáze nelze otevřít</source>
        <translation>the database file cannot be opened</translation>
    </message>
    <message>
        <source>databáze je poškozená</source>
        <translation>the database is damaged</translation>
    </message>
    <message>
        <source>okno programu</source>
        <translation>program window</translation>
    </message>
    <message>
        <source>torval-cli write</source>
        <translation>torval-cli write</translation>
    </message>
    <message>
        <source>sériové programování</source>
        <translation>series programming</translation>
    </message>
    <message>
        <source>nedokončeno</source>
        <translation>unfinished</translation>
    </message>
    <message>
        <source>zapsáno</source>
        <translation>written</translation>
    </message>
    <message>
        <source>chyba</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>přerušeno</source>
        <translation>cancelled</translation>
    </message>
    <message>
        <source>zapsáno bez kontroly</source>
        <translation>written, not checked</translation>
    </message>
    <message>
        <source>Historii zápisů nelze vést: chybí ovladač SQLite pro Qt (balíček libqt6sql6-sqlite).</source>
        <translation>The write history cannot be kept: the SQLite driver for Qt is missing (package libqt6sql6-sqlite).</translation>
    </message>
    <message>
        <source>Historii zápisů nelze založit: složku %1 nelze vytvořit.</source>
        <translation>The write history cannot be started: folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>Historii zápisů %1 nelze otevřít: %2.</source>
        <translation>The write history %1 cannot be opened: %2.</translation>
    </message>
    <message>
        <source>Historie zápisů %1 je poškozená a nelze ji odložit stranou.</source>
        <translation>The write history %1 is damaged and cannot be set aside.</translation>
    </message>
    <message>
        <source>Historie zápisů byla poškozená: je odložena jako %1 a začíná nová.</source>
        <translation>The write history was damaged: it is set aside as %1 and a new one begins.</translation>
    </message>
    <message>
        <source>Zálohu nastavení stanice nelze uložit do historie zápisů %1: %2.
Zápis do stanice nezačal, stanice je beze změny.</source>
        <translation>The backup of the station&apos;s settings cannot be stored in the write history %1: %2.
The write did not start; the station is unchanged.</translation>
    </message>
    <message>
        <source>Výsledek zápisu nelze uložit do historie zápisů %1: %2.</source>
        <translation>The result of the write cannot be stored in the write history %1: %2.</translation>
    </message>
    <message>
        <source>Historii zápisů %1 nelze přečíst: %2.</source>
        <translation>The write history %1 cannot be read: %2.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Čas</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Stanice</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Zapsal</source>
        <translation>Written by</translation>
    </message>
    <message>
        <source>Výsledek</source>
        <translation>Result</translation>
    </message>
</context>
<context>
    <name>InputDialogLogic</name>
    <message>
        <source>Vstup %1</source>
        <translation>Input %1</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>jazyk programu: cs (čeština, výchozí) nebo en (angličtina)</source>
        <translation>language of the program: cs (Czech, the default) or en (English)</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>Komunikace PC se zařízením</source>
        <translation>PC to device communication</translation>
    </message>
    <message>
        <source>Sériový port PC, ke kterému je připojeno zařízení</source>
        <translation>The PC&apos;s serial port the device is connected to</translation>
    </message>
    <message>
        <source>Neaktivní</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>Aktivovat</source>
        <translation>Activate</translation>
    </message>
    <message>
        <source>Sériový port:</source>
        <translation>Serial port:</translation>
    </message>
    <message>
        <source>Spojení</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Nastavení</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Načíst nastavení ze souboru</source>
        <translation>Load settings from a file</translation>
    </message>
    <message>
        <source>Uložit nastavení do souboru</source>
        <translation>Save settings to a file</translation>
    </message>
    <message>
        <source>Načíst  nastavení z EEPROM</source>
        <translation>Read settings from the EEPROM</translation>
    </message>
    <message>
        <source>Uložit nastavení do EEPROM</source>
        <translation>Write settings to the EEPROM</translation>
    </message>
    <message>
        <source>Tisk nastavení</source>
        <translation>Print the settings</translation>
    </message>
    <message>
        <source>Náhled tisku</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Kontrolovat zápis do EEPROM</source>
        <translation>Verify the EEPROM write</translation>
    </message>
    <message>
        <source>Porovnat se stanicí</source>
        <translation>Compare with station</translation>
    </message>
    <message>
        <source>Co by zápis do EEPROM ve stanici změnil</source>
        <translation>What a write to the EEPROM would change in the station</translation>
    </message>
    <message>
        <source>Informace o připojeném zařízení</source>
        <translation>Connected device</translation>
    </message>
    <message>
        <source>Typ modemu:</source>
        <translation>Modem type:</translation>
    </message>
    <message>
        <source>Velikost paměti:</source>
        <translation>Memory size:</translation>
    </message>
    <message>
        <source>Produkt:</source>
        <translation>Product:</translation>
    </message>
    <message>
        <source>Verze:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Volné místo:</source>
        <translation>Free space:</translation>
    </message>
    <message>
        <source>Velikost nastavení:</source>
        <translation>Settings size:</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>&amp;Informace</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Informace o programu</source>
        <translation>About the program</translation>
    </message>
    <message>
        <source>U&amp;končit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Ukončit program</source>
        <translation>Exit the program</translation>
    </message>
    <message>
        <source>Aktivní</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Chybné zařízení</source>
        <translation>Wrong device</translation>
    </message>
    <message>
        <source>Deaktivovat</source>
        <translation>Deactivate</translation>
    </message>
    <message>
        <source>Zpět</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Znovu</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>&amp;Historie</source>
        <translation>&amp;History</translation>
    </message>
    <message>
        <source>Historie zápisů do stanic</source>
        <translation>History of station writes</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Inicializační program pro zařízení TORVAL</source>
        <translation>Set-up program for TORVAL devices</translation>
    </message>
    <message>
        <source>Nastavení bylo změněno a není uloženo. Uložit je do souboru?</source>
        <translation>The settings were changed and not saved. Save them to a file?</translation>
    </message>
</context>
<context>
    <name>NumberRules</name>
    <message>
        <source>Hodnoty CL1, HCL1, CL2, HCL2 jsou chybně zadány.</source>
        <translation>The values CL1, HCL1, CL2, HCL2 are wrong.</translation>
    </message>
</context>
<context>
    <name>OutputCommands</name>
    <message>
        <source>Název výstupu &apos;%1&apos; není správně zadán. Jména výstupů se nesmějí shodovat a ani být předponou jiného názvu výstupu. EEPROM nelze naprogramovat dokud toto nebude odstraněno.</source>
        <translation>The name of output &apos;%1&apos; is wrong. Output names must differ and none may be a prefix of another output&apos;s name. The EEPROM cannot be programmed until this is corrected.</translation>
    </message>
    <message>
        <source>Název &apos;Zapnuto&apos; výstupu &apos;%1&apos; není správně zadán. Povel pro zapnutí se musí lišit od povelu pro vypnutí i impuls a nesmí být předponou názvu některého výstupu. EEPROM nelze naprogramovat dokud toto nebude odstraněno.</source>
        <translation>The &apos;On&apos; name of output &apos;%1&apos; is wrong. The switch-on command must differ from the switch-off and pulse commands and must not be a prefix of any output&apos;s name. The EEPROM cannot be programmed until this is corrected.</translation>
    </message>
    <message>
        <source>Název &apos;Vypnuto&apos; výstupu &apos;%1&apos; není správně zadán. Povel pro vypnutí se musí lišit od povelu pro impuls i zapnutí a nesmí být předponou názvu některého výstupu. EEPROM nelze naprogramovat dokud toto nebude odstraněno.</source>
        <translation>The &apos;Off&apos; name of output &apos;%1&apos; is wrong. The switch-off command must differ from the pulse and switch-on commands and must not be a prefix of any output&apos;s name. The EEPROM cannot be programmed until this is corrected.</translation>
    </message>
    <message>
        <source>Název &apos;impuls&apos; výstupu &apos;%1&apos; není správně zadán. Povel pro impuls se musí lišit od povelu pro vypnutí i zapnutí a nesmí být předponou názvu některého výstupu. EEPROM nelze naprogramovat dokud toto nebude odstraněno.</source>
        <translation>The &apos;pulse&apos; name of output &apos;%1&apos; is wrong. The pulse command must differ from the switch-off and switch-on commands and must not be a prefix of any output&apos;s name. The EEPROM cannot be programmed until this is corrected.</translation>
    </message>
</context>
<context>
    <name>OutputDialogLogic</name>
    <message>
        <source>Výstup %1</source>
        <translation>Output %1</translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>TORVAL Init stanice: %1</source>
        <translation>TORVAL Init station: %1</translation>
    </message>
    <message>
        <source>%1. stránka</source>
        <translation>Page %1</translation>
    </message>
</context>
<context>
    <name>PdfReport</name>
    <message>
        <source>&apos;%1&apos; je složka, ne soubor; zprávu o nastavení zapište do souboru v ní.</source>
        <translation>&apos;%1&apos; is a folder, not a file; write the settings report to a file in it.</translation>
    </message>
    <message>
        <source>Soubor &apos;%1&apos; není zpráva ve formátu PDF; zpráva o nastavení ho nepřepíše.</source>
        <translation>File &apos;%1&apos; is not a PDF report; the settings report will not overwrite it.</translation>
    </message>
    <message>
        <source>složka &apos;%1&apos; neexistuje</source>
        <translation>folder &apos;%1&apos; does not exist</translation>
    </message>
    <message>
        <source>&apos;%1&apos; není složka</source>
        <translation>&apos;%1&apos; is not a folder</translation>
    </message>
    <message>
        <source>na disku není dost místa</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>byla překročena disková kvóta</source>
        <translation>the disk quota is exceeded</translation>
    </message>
    <message>
        <source>soubor by byl větší, než systém dovoluje</source>
        <translation>the file would be larger than the system allows</translation>
    </message>
    <message>
        <source>disk je jen pro čtení</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>do složky &apos;%1&apos; nelze zapisovat (chybí oprávnění)</source>
        <translation>folder &apos;%1&apos; cannot be written to (no permission)</translation>
    </message>
    <message>
        <source>Zprávu o nastavení se nepodařilo zapsat do souboru &apos;%1&apos;.</source>
        <translation>The settings report could not be written to &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Zprávu o nastavení se nepodařilo zapsat do souboru &apos;%1&apos;: %2.</source>
        <translation>The settings report could not be written to &apos;%1&apos;: %2.</translation>
    </message>
</context>
<context>
    <name>PhoneDialogLogic</name>
    <message>
        <source>Telefonní číslo %1</source>
        <translation>Phone number %1</translation>
    </message>
</context>
<context>
    <name>PhoneRules</name>
    <message>
        <source>Pokud není zadáno telefonní číslo musí být zaškrtávací pole &apos;Příjem&apos; nezaškrtnuté.</source>
        <translation>Without a phone number the &apos;Accept&apos; box must be unticked.</translation>
    </message>
    <message>
        <source>Pokud není zadáno telefonní číslo musí být zaškrtávací pole &apos;Události&apos; nezaškrtnuté.</source>
        <translation>Without a phone number the &apos;Events&apos; box must be unticked.</translation>
    </message>
</context>
<context>
    <name>PrintDialogs</name>
    <message>
        <source>Tisk na tiskárně &apos;%1&apos; se nezdařil. Zkontrolujte tiskárnu a tiskněte znovu.</source>
        <translation>Printing on printer &apos;%1&apos; failed. Check the printer and print again.</translation>
    </message>
    <message>
        <source>Náhled tisku</source>
        <translation>Print preview</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Příprava tisku ...</source>
        <translation>Preparing to print ...</translation>
    </message>
    <message>
        <source>Tisk %1. stránky</source>
        <translation>Printing page %1</translation>
    </message>
    <message>
        <source>%1. kopie z %2</source>
        <translation>copy %1 of %2</translation>
    </message>
</context>
<context>
    <name>ProvisionPorts</name>
    <message>
        <source>Nezbyl žádný použitelný port; nenaprogramované řádky: %1.</source>
        <translation>No usable port is left; rows not programmed: %1.</translation>
    </message>
    <message>
        <source>Do protokolu &apos;%1&apos; nelze zapisovat.</source>
        <translation>The log &apos;%1&apos; cannot be written.</translation>
    </message>
    <message>
        <source>Řádek %1 (&apos;%2&apos;): %3</source>
        <translation>Row %1 (&apos;%2&apos;): %3</translation>
    </message>
    <message>
        <source>Port &apos;%1&apos; nelze otevřít (%2); je vyřazen z programování.</source>
        <translation>Port &apos;%1&apos; cannot be opened (%2); it is retired from programming.</translation>
    </message>
    <message>
        <source>Zařízení portu &apos;%1&apos; zmizelo.</source>
        <translation>The device of port &apos;%1&apos; disappeared.</translation>
    </message>
    <message>
        <source>Zařízení portu &apos;%1&apos; zmizelo; port je vyřazen z programování, řádek %2 převezme jiný port.</source>
        <translation>The device of port &apos;%1&apos; disappeared; the port is retired from programming, another port takes row %2.</translation>
    </message>
    <message>
        <source>Port &apos;%1&apos; nelze otevřít (%2); je vyřazen z programování, řádek %3 převezme jiný port.</source>
        <translation>Port &apos;%1&apos; cannot be opened (%2); it is retired from programming, another port takes row %3.</translation>
    </message>
    <message>
        <source>Zařízení portu &apos;%1&apos; zmizelo; port je vyřazen z programování.</source>
        <translation>The device of port &apos;%1&apos; disappeared; the port is retired from programming.</translation>
    </message>
    <message>
        <source>Stanice na portu &apos;%1&apos; selhaly %2krát za sebou; port je vyřazen z programování.</source>
        <translation>Stations on port &apos;%1&apos; failed %2 times in a row; the port is retired from programming.</translation>
    </message>
</context>
<context>
    <name>Provisioner</name>
    <message>
        <source>naprogramováno</source>
        <translation>programmed</translation>
    </message>
    <message>
        <source>naprogramováno, PDF neuloženo</source>
        <translation>programmed, PDF not saved</translation>
    </message>
    <message>
        <source>neplatný řádek</source>
        <translation>invalid row</translation>
    </message>
    <message>
        <source>chybné zařízení</source>
        <translation>wrong device</translation>
    </message>
    <message>
        <source>stornováno</source>
        <translation>cancelled</translation>
    </message>
    <message>
        <source>zapsáno bez kontroly</source>
        <translation>written without check</translation>
    </message>
    <message>
        <source>Do protokolu &apos;%1&apos; nelze zapisovat (%2); žádná stanice nebyla programována.</source>
        <translation>The log &apos;%1&apos; cannot be written (%2); no station was programmed.</translation>
    </message>
    <message>
        <source>Připojte další stanici (řádek %1, &apos;%2&apos;) a uveďte ji do programovacího režimu.</source>
        <translation>Connect the next station (row %1, &apos;%2&apos;) and put it into programming mode.</translation>
    </message>
    <message>
        <source>Čekání na stanici bylo stornováno.</source>
        <translation>Waiting for the station was cancelled.</translation>
    </message>
    <message>
        <source>Spojení se stanicí se nepodařilo navázat.</source>
        <translation>The link to the station could not be made.</translation>
    </message>
    <message>
        <source>Stanici &apos;%1&apos; verze %2 nelze touto verzí programu naprogramovat.</source>
        <translation>Station &apos;%1&apos; version %2 cannot be programmed by this version of the program.</translation>
    </message>
    <message>
        <source>Paměť stanice se nepodařilo načíst; nic nebylo zapsáno.</source>
        <translation>The station&apos;s memory could not be read; nothing was written.</translation>
    </message>
    <message>
        <source>Načítání paměti bylo stornováno; nic nebylo zapsáno.</source>
        <translation>Reading the memory was cancelled; nothing was written.</translation>
    </message>
    <message>
        <source>Adresář záloh &apos;%1&apos; nelze vytvořit; nic nebylo zapsáno.</source>
        <translation>The backup folder &apos;%1&apos; cannot be created; nothing was written.</translation>
    </message>
    <message>
        <source>Zálohu do souboru &apos;%1&apos; nelze uložit; nic nebylo zapsáno.</source>
        <translation>The backup cannot be saved to &apos;%1&apos;; nothing was written.</translation>
    </message>
    <message>
        <source>Záloha: %1</source>
        <translation>Backup: %1</translation>
    </message>
    <message>
        <source>Nastavení stanice se nemění.</source>
        <translation>The station&apos;s settings do not change.</translation>
    </message>
    <message>
        <source>Změny proti stanici (%1):
</source>
        <translation>Changes against the station (%1):
</translation>
    </message>
    <message>
        <source>Stanice není naprogramována; záloha obsahuje oblast, kterou zápis přepíše.</source>
        <translation>The station is not programmed; the backup holds the area the write overwrites.</translation>
    </message>
    <message>
        <source>Stornováno před zápisem; nic nebylo zapsáno.</source>
        <translation>Cancelled before the write; nothing was written.</translation>
    </message>
    <message>
        <source>Zápis byl stornován; stanice zůstala bez platného nastavení (záloha: %1).</source>
        <translation>The write was cancelled; the station was left without valid settings (backup: %1).</translation>
    </message>
    <message>
        <source>Nastavení se do stanice nevejde nebo neprošlo kontrolou výstupů.</source>
        <translation>The settings do not fit the station or failed the outputs check.</translation>
    </message>
    <message>
        <source>Zápis do stanice selhal (záloha: %1).</source>
        <translation>Writing to the station failed (backup: %1).</translation>
    </message>
    <message>
        <source>Kontrolní načtení po zápisu selhalo.</source>
        <translation>The read-back check after the write failed.</translation>
    </message>
    <message>
        <source>Zápis byl dokončen, kontrolní načtení po zápisu bylo stornováno; stanice nebyla zkontrolována (záloha: %1).</source>
        <translation>The write was completed, the read-back check was cancelled; the station was not checked (backup: %1).</translation>
    </message>
    <message>
        <source>Kontrola po zápisu: stanice vrací na adrese %1 jiná data, než byla zapsána.</source>
        <translation>Check after the write: the station returns other data at address %1 than was written.</translation>
    </message>
    <message>
        <source>Protokol se nepodařilo uložit do &apos;%1&apos;.</source>
        <translation>The report could not be saved to &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>QtPrompts</name>
    <message>
        <source>&amp;Storno</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>ReportSections</name>
    <message>
        <source>Všeobecné</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Název stanice</source>
        <translation>Station name</translation>
    </message>
    <message>
        <source>Tel. servisního centra</source>
        <translation>Service centre no.</translation>
    </message>
    <message>
        <source>Šetřící režim nepovolen.</source>
        <translation>Power saving not enabled.</translation>
    </message>
    <message>
        <source>Šetřící režim povolen. Modem je vypnut po dobu %1:%2 a zapnut po dobu %3:%4.</source>
        <translation>Power saving enabled. The modem is off for %1:%2 and on for %3:%4.</translation>
    </message>
    <message>
        <source>Při vypnutém modemu vypínat i výstupy.</source>
        <translation>Switch the outputs off too while the modem is off.</translation>
    </message>
    <message>
        <source>Při vypnutém modemu nevypínat výstupy.</source>
        <translation>Do not switch the outputs off while the modem is off.</translation>
    </message>
    <message>
        <source>SMS zprávy</source>
        <translation>SMS messages</translation>
    </message>
    <message>
        <source>Doba platnosti SMS zpráv je %1 dnů.</source>
        <translation>SMS messages are valid for %1 days.</translation>
    </message>
    <message>
        <source>Při poklesu napětí baterií vypínat zařízení a odesílat text: &apos;%1&apos;</source>
        <translation>On low battery voltage switch the device off and send the text: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Při poklesu napětí baterií nevypínat zařízení a odesílat text: &apos;%1&apos;</source>
        <translation>On low battery voltage do not switch the device off and send the text: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>V příkazové zprávě požadovat autorizaci zadáním PINu.</source>
        <translation>Require authorisation by PIN in command messages.</translation>
    </message>
    <message>
        <source>V příkazové zprávě nepožadovat autorizaci zadáním PINu.</source>
        <translation>Do not require authorisation by PIN in command messages.</translation>
    </message>
    <message>
        <source>Hlášení o stavu posílat i na telefonní číslo T1.</source>
        <translation>Send status reports to number T1 too.</translation>
    </message>
    <message>
        <source>Hlášení o stavu neposílat i na telefonní číslo T1.</source>
        <translation>Do not send status reports to number T1 too.</translation>
    </message>
    <message>
        <source>Hlášení o nepovoleném přístupu posílat i na telefonní číslo T1.</source>
        <translation>Send unauthorised access reports to number T1 too.</translation>
    </message>
    <message>
        <source>Hlášení o nepovoleném přístupu neposílat i na telefonní číslo T1.</source>
        <translation>Do not send unauthorised access reports to number T1 too.</translation>
    </message>
    <message>
        <source>Posílat hlášení o zap./vyp. zařízení. Text zap.: &apos;%1&apos; Text vyp.: &apos;%2&apos;</source>
        <translation>Report device on/off. On text: &apos;%1&apos; Off text: &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Neposílat hlášení o zap./vyp. zařízení. Text zap.: &apos;%1&apos; Text vyp.: &apos;%2&apos;</source>
        <translation>Do not report device on/off. On text: &apos;%1&apos; Off text: &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Posílat hlášení o zap./vyp. síťového napájení. Text zap.: &apos;%1&apos; Text vyp.: &apos;%2&apos;</source>
        <translation>Report mains power on/off. On text: &apos;%1&apos; Off text: &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Neposílat hlášení o zap./vyp. síťového napájení. Text zap.: &apos;%1&apos; Text vyp.: &apos;%2&apos;</source>
        <translation>Do not report mains power on/off. On text: &apos;%1&apos; Off text: &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Logické vstupy</source>
        <translation>Logic inputs</translation>
    </message>
    <message>
        <source>Název</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Stav 0</source>
        <translation>State 0</translation>
    </message>
    <message>
        <source>Stav 1</source>
        <translation>State 1</translation>
    </message>
    <message>
        <source>Negace</source>
        <translation>Negation</translation>
    </message>
    <message>
        <source>Uvádět ve zprávě</source>
        <translation>Reported</translation>
    </message>
    <message>
        <source>Logické výstupy</source>
        <translation>Logic outputs</translation>
    </message>
    <message>
        <source>Impuls</source>
        <translation>Pulse</translation>
    </message>
    <message>
        <source>Analogové vstupy</source>
        <translation>Analog inputs</translation>
    </message>
    <message>
        <source>Ve zprávě o stavu uvádět: hodnotu, jméno stavu</source>
        <translation>In the status report: value, state name</translation>
    </message>
    <message>
        <source>Ve zprávě o stavu uvádět: hodnotu</source>
        <translation>In the status report: value</translation>
    </message>
    <message>
        <source>Ve zprávě o stavu uvádět: jméno stavu</source>
        <translation>In the status report: state name</translation>
    </message>
    <message>
        <source>Ve zprávě o stavu tento vstup neuvádět.</source>
        <translation>Leave this input out of the status report.</translation>
    </message>
    <message>
        <source>Název %1: %2</source>
        <translation>Name %1: %2</translation>
    </message>
    <message>
        <source>Název stavu HIGH: %1</source>
        <translation>Name of state HIGH: %1</translation>
    </message>
    <message>
        <source>Název stavu MEDIUM: %1</source>
        <translation>Name of state MEDIUM: %1</translation>
    </message>
    <message>
        <source>Název stavu LOW: %1</source>
        <translation>Name of state LOW: %1</translation>
    </message>
    <message>
        <source>Při přechodu nahoru přes CL1 posílat  hlášení: %1</source>
        <translation>On rising through CL1 send the report: %1</translation>
    </message>
    <message>
        <source>Při přechodu nahoru přes CL1 posílat okamžitě  hlášení: %1</source>
        <translation>On rising through CL1 send at once the report: %1</translation>
    </message>
    <message>
        <source>Při přechodu nahoru přes CL1 neposílat žádné hlášení.</source>
        <translation>On rising through CL1 send no report.</translation>
    </message>
    <message>
        <source>Při přechodu dolu přes CL1 posílat  hlášení: %1</source>
        <translation>On falling through CL1 send the report: %1</translation>
    </message>
    <message>
        <source>Při přechodu dolu přes CL1 posílat okamžitě  hlášení: %1</source>
        <translation>On falling through CL1 send at once the report: %1</translation>
    </message>
    <message>
        <source>Při přechodu dolu přes CL1 neposílat žádné hlášení.</source>
        <translation>On falling through CL1 send no report.</translation>
    </message>
    <message>
        <source>Při přechodu nahoru přes CL2 posílat  hlášení: %1</source>
        <translation>On rising through CL2 send the report: %1</translation>
    </message>
    <message>
        <source>Při přechodu nahoru přes CL2 posílat okamžitě  hlášení: %1</source>
        <translation>On rising through CL2 send at once the report: %1</translation>
    </message>
    <message>
        <source>Při přechodu nahoru přes CL2 neposílat žádné hlášení.</source>
        <translation>On rising through CL2 send no report.</translation>
    </message>
    <message>
        <source>Při přechodu dolu přes CL2 posílat  hlášení: %1</source>
        <translation>On falling through CL2 send the report: %1</translation>
    </message>
    <message>
        <source>Při přechodu dolu přes CL2 posílat okamžitě  hlášení: %1</source>
        <translation>On falling through CL2 send at once the report: %1</translation>
    </message>
    <message>
        <source>Při přechodu dolu přes CL2 neposílat žádné hlášení.</source>
        <translation>On falling through CL2 send no report.</translation>
    </message>
    <message>
        <source>Telefonní čísla</source>
        <translation>Phone numbers</translation>
    </message>
    <message>
        <source>Telefonní číslo</source>
        <translation>Phone number</translation>
    </message>
    <message>
        <source>Příjem příkazů</source>
        <translation>Accept commands</translation>
    </message>
    <message>
        <source>Odesílání zpráv</source>
        <translation>Send messages</translation>
    </message>
    <message>
        <source>Čítače</source>
        <translation>Counters</translation>
    </message>
    <message>
        <source>Při zobrazení stavů čítačů potlačovat přední nuly.</source>
        <translation>Suppress leading zeros in counter states.</translation>
    </message>
    <message>
        <source>Při zobrazení stavů čítačů nepotlačovat přední nuly.</source>
        <translation>Keep leading zeros in counter states.</translation>
    </message>
    <message>
        <source>0-&gt;1</source>
        <translation>0-&gt;1</translation>
    </message>
    <message>
        <source>1-&gt;0</source>
        <translation>1-&gt;0</translation>
    </message>
</context>
<context>
    <name>SettingsCheck</name>
    <message>
        <source>Text je příliš dlouhý: má %1, pole dovoluje nejvýše %2.</source>
        <translation>The text is too long: it has %1, the field allows at most %2.</translation>
    </message>
</context>
<context>
    <name>SettingsDiff</name>
    <message>
        <source>Liší se ostatní bajty (mimo nastavení): %1</source>
        <translation>Other bytes differ (outside the settings): %1</translation>
    </message>
    <message>
        <source>ano</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>ne</source>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>Tento soubor již existuje. Mám ho přepsat?</source>
        <translation>This file already exists. Overwrite it?</translation>
    </message>
</context>
<context>
    <name>SettingsTabs</name>
    <message>
        <source>Šetřící režim</source>
        <translation>Power saving</translation>
    </message>
    <message>
        <source>Bez šetřícího režimu</source>
        <translation>No power saving</translation>
    </message>
    <message>
        <source>Povolit šetřící režim</source>
        <translation>Enable power saving</translation>
    </message>
    <message>
        <source>Doba zapnutého modemu ................................</source>
        <translation>Modem on time ................................</translation>
    </message>
    <message>
        <source>Doba vypnutého modemu ................................</source>
        <translation>Modem off time ................................</translation>
    </message>
    <message>
        <source>Při vypnutém modemu vypnout výstupy</source>
        <translation>Switch the outputs off while the modem is off</translation>
    </message>
    <message>
        <source>Super šetřící režim</source>
        <translation>Super power saving</translation>
    </message>
    <message>
        <source>Zařízení</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Název stanice</source>
        <translation>Station name</translation>
    </message>
    <message>
        <source>PIN SIM karty, která je uložena ve stanici</source>
        <translation>PIN of the SIM card in the station</translation>
    </message>
    <message>
        <source>Název stanice:</source>
        <translation>Station name:</translation>
    </message>
    <message>
        <source>Telefonní číslo servisního centra:</source>
        <translation>Service centre number:</translation>
    </message>
    <message>
        <source>Autorizace pomocí zadání PINu v příkazové zprávě</source>
        <translation>Authorisation by PIN in the command message</translation>
    </message>
    <message>
        <source>Hlášení o stavu posílat i na telefonní číslo T1</source>
        <translation>Send status reports to number T1 too</translation>
    </message>
    <message>
        <source>Hlášení o nepovoleném přístupu posílat i na tel. číslo T1</source>
        <translation>Send unauthorised access reports to number T1 too</translation>
    </message>
    <message>
        <source>Posílat hlášení, že není povolen přístup</source>
        <translation>Report that access is not allowed</translation>
    </message>
    <message>
        <source>Text hlášení o nepovolení přístupu:</source>
        <translation>Access denied report text:</translation>
    </message>
    <message>
        <source>Doba, po kterou je SMS zpráva platná</source>
        <translation>How long an SMS message stays valid</translation>
    </message>
    <message>
        <source>Doba platnosti SMS zprávy je</source>
        <translation>SMS messages are valid for</translation>
    </message>
    <message>
        <source>dnů  (1-30).</source>
        <translation>days  (1-30).</translation>
    </message>
    <message>
        <source>Baterie</source>
        <translation>Battery</translation>
    </message>
    <message>
        <source>při poklesu napětí pod CL1 vypnout zařízení</source>
        <translation>switch the device off when the voltage drops below CL1</translation>
    </message>
    <message>
        <source>Text hlášení při poklesu napětí
 = text při přechodu CL1 dolu u analog.vstup BAT:</source>
        <translation>Low voltage report text
 = text on falling through CL1 of analog input BAT:</translation>
    </message>
    <message>
        <source>Zapnutí/Vypnutí síťového napájení</source>
        <translation>Mains power on/off</translation>
    </message>
    <message>
        <source>posílat hlášení o zapnutí/vypnutí</source>
        <translation>report switching on/off</translation>
    </message>
    <message>
        <source>Text hlášení při zapnutí:</source>
        <translation>Switch on report text:</translation>
    </message>
    <message>
        <source>Text hlášení při vypnutí:</source>
        <translation>Switch off report text:</translation>
    </message>
    <message>
        <source>Zapnutí/Vypnutí zařízení</source>
        <translation>Device on/off</translation>
    </message>
    <message>
        <source>Automaticky vkládat před tel. číslo UTO:</source>
        <translation>Put the UTO before phone numbers:</translation>
    </message>
    <message>
        <source>při zobrazení stavu čítačů potlačení předních nul</source>
        <translation>suppress leading zeros in counter states</translation>
    </message>
    <message>
        <source>Text SMS zprávy při přechodu přes CL1 dolu - TATO HLÁŠKA JE SHODNÁ S HLÁŠKOU O POKLESU NAPĚTÍ BATERIÍ</source>
        <translation>SMS text on falling through CL1 - THIS TEXT IS THE SAME AS THE LOW BATTERY REPORT</translation>
    </message>
</context>
<context>
    <name>StationTable</name>
    <message>
        <source>Řádek %1: </source>
        <translation>Row %1: </translation>
    </message>
    <message>
        <source>Řádek %1: uvozovky buňky nejsou nikde uzavřeny.</source>
        <translation>Row %1: the cell&apos;s quotes are never closed.</translation>
    </message>
    <message>
        <source>Soubor se stanicemi je prázdný.</source>
        <translation>The stations file is empty.</translation>
    </message>
    <message>
        <source>Neznámý sloupec &apos;%1&apos; (sloupec %2 záhlaví).</source>
        <translation>Unknown column &apos;%1&apos; (column %2 of the header).</translation>
    </message>
    <message>
        <source>Sloupec &apos;%1&apos; potřebuje index 0 až %2, například &apos;%3[0]&apos;.</source>
        <translation>Column &apos;%1&apos; needs an index 0 to %2, for example &apos;%3[0]&apos;.</translation>
    </message>
    <message>
        <source>Sloupec &apos;%1&apos; nemá index.</source>
        <translation>Column &apos;%1&apos; takes no index.</translation>
    </message>
    <message>
        <source>Sloupec &apos;%1&apos; je v záhlaví dvakrát.</source>
        <translation>Column &apos;%1&apos; is in the header twice.</translation>
    </message>
    <message>
        <source>počet hodnot (%1) neodpovídá záhlaví (%2).</source>
        <translation>the number of values (%1) does not match the header (%2).</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; není ano/ne (1/0).</source>
        <translation>%1: &apos;%2&apos; is not yes/no (1/0).</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; není číslo 0 až 255.</source>
        <translation>%1: &apos;%2&apos; is not a number 0 to 255.</translation>
    </message>
    <message>
        <source>Upozornění: %1</source>
        <translation>Warning: %1</translation>
    </message>
    <message>
        <source>rtBattLow a tabAINCL1Dn[7] jsou jeden text a musí se shodovat.</source>
        <translation>rtBattLow and tabAINCL1Dn[7] are one text and must be the same.</translation>
    </message>
    <message>
        <source>nastavení nelze převést do formátu EEPROM.</source>
        <translation>the settings cannot be converted to the EEPROM format.</translation>
    </message>
</context>
<context>
    <name>WinSerialLine</name>
    <message>
        <source>Chyba systému %1</source>
        <translation>System error %1</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>check SOUBOR.eep|SOUBOR.json  kontrola všech polí podle pravidel editoru</source>
        <translation>check FILE.eep|FILE.json  checks every field by the editor&apos;s rules</translation>
    </message>
    <message>
        <source>diff A B [--json]         rozdíly nastavení (A, B: .eep, .json, --port PORT)</source>
        <translation>diff A B [--json]         differences of settings (A, B: .eep, .json, --port PORT)</translation>
    </message>
    <message>
        <source>import SOUBOR.json -o SOUBOR.eep [--force]   uloží nastavení z JSON do souboru</source>
        <translation>import FILE.json -o FILE.eep [--force]   saves settings from JSON to a file</translation>
    </message>
    <message>
        <source>info --port PORT [--timeout SEKUNDY]          identifikace stanice</source>
        <translation>info --port PORT [--timeout SECONDS]          identifies the station</translation>
    </message>
    <message>
        <source>ports                     sériové porty tohoto počítače</source>
        <translation>ports                     serial ports of this computer</translation>
    </message>
    <message>
        <source>print SOUBOR.eep|SOUBOR.json -o ZPRAVA.pdf [--paper A4|A5|Letter|Legal|Tabloid] [--landscape] [--force]  vytiskne zprávu o nastavení do souboru PDF</source>
        <translation>print FILE.eep|FILE.json -o REPORT.pdf [--paper A4|A5|Letter|Legal|Tabloid] [--landscape] [--force]  prints the settings report to a PDF file</translation>
    </message>
    <message>
        <source>provision --port PORT [--port PORT ...] --template T.json --stations S.csv   sériové programování stanic</source>
        <translation>provision --port PORT [--port PORT ...] --template T.json --stations S.csv   programs a series of stations</translation>
    </message>
    <message>
        <source>read --port PORT -o SOUBOR.eep [--force] [--used-only] [--timeout SEKUNDY]   načte nastavení ze stanice</source>
        <translation>read --port PORT -o FILE.eep [--force] [--used-only] [--timeout SECONDS]   reads the settings from a station</translation>
    </message>
    <message>
        <source>show SOUBOR.eep [--json]   vypíše nastavení uložené v souboru</source>
        <translation>show FILE.eep [--json]   lists the settings a file holds</translation>
    </message>
    <message>
        <source>write --port PORT SOUBOR.eep [--no-verify] [--timeout SEKUNDY]   uloží nastavení do stanice</source>
        <translation>write --port PORT FILE.eep [--no-verify] [--timeout SECONDS]   writes the settings to a station</translation>
    </message>
    <message>
        <source>Použití: torval-cli PŘÍKAZ [VOLBY]

Příkazy:
</source>
        <translation>Usage: torval-cli COMMAND [OPTIONS]

Commands:
</translation>
    </message>
    <message>
        <source>
Volby:
  --version     verze programu
  -h, --help    tato nápověda; PŘÍKAZ --help vypíše volby příkazu
</source>
        <translation>
Options:
  --version     version of the program
  -h, --help    this help; COMMAND --help lists the command&apos;s options
</translation>
    </message>
    <message>
        <source>Neznámý jazyk &apos;%1&apos;: zadejte cs nebo en.
</source>
        <translation>Unknown language &apos;%1&apos;: give cs or en.
</translation>
    </message>
    <message>
        <source>Chybí příkaz.
</source>
        <translation>The command is missing.
</translation>
    </message>
    <message>
        <source>Neznámá volba &apos;%1&apos;.
</source>
        <translation>Unknown option &apos;%1&apos;.
</translation>
    </message>
    <message>
        <source>Neznámý příkaz &apos;%1&apos;.
</source>
        <translation>Unknown command &apos;%1&apos;.
</translation>
    </message>
    <message>
        <source>history [--station NÁZEV] [--json] | --export ID --before|--after -o SOUBOR.eep [--force]   historie zápisů do stanic</source>
        <translation>history [--station NAME] [--json] | --export ID --before|--after -o FILE.eep [--force]   history of station writes</translation>
    </message>
</context>
<context>
    <name>cmdmsg</name>
    <message>
        <source>Převádím data ...</source>
        <translation>Converting data ...</translation>
    </message>
    <message>
        <source>Nastala chyba při převodu dat.</source>
        <translation>An error occurred while converting the data.</translation>
    </message>
    <message>
        <source>Data nebyla úspěšně načtena z EEPROM. Došlo k chybě při načítání bloku dat.</source>
        <translation>The data was not read from the EEPROM. Reading a data block failed.</translation>
    </message>
    <message>
        <source>Načtítání dat z EEPROM do PC bylo stornováno.</source>
        <translation>Reading data from the EEPROM to the PC was cancelled.</translation>
    </message>
    <message>
        <source>Data byla úspěšně načtena z EEPROM.</source>
        <translation>The data was read from the EEPROM.</translation>
    </message>
    <message>
        <source>Data nebyla úspěšně načtena z EEPROM. EEPROM zřejmě není naprogramována.</source>
        <translation>The data was not read from the EEPROM. The EEPROM seems not to be programmed.</translation>
    </message>
    <message>
        <source>Data nebyla úspěšně uložena do EEPROM. Došlo k chybě při ukládání bloku do EEPROM.</source>
        <translation>The data was not written to the EEPROM. Writing a block to the EEPROM failed.</translation>
    </message>
    <message>
        <source>Ukládání dat z PC do EEPROM bylo stornováno.</source>
        <translation>Writing data from the PC to the EEPROM was cancelled.</translation>
    </message>
    <message>
        <source>Data byla úspěšně uložena do EEPROM.</source>
        <translation>The data was written to the EEPROM.</translation>
    </message>
    <message>
        <source>Data nebyla úspěšně uložena do EEPROM. Nastala chyba při převodu dat z formuláře nastavení.</source>
        <translation>The data was not written to the EEPROM. Converting the data of the settings form failed.</translation>
    </message>
    <message>
        <source>Data z EEPROM jsou poškozena - texty nastavení přesahují konec paměti EEPROM. Nastavení zůstalo beze změny.</source>
        <translation>The data from the EEPROM is damaged - the settings&apos; texts run past the end of the EEPROM. The settings were left unchanged.</translation>
    </message>
    <message>
        <source>Spojení se zařízením není aktivní nebo zařízení nelze programovat.</source>
        <translation>The link to the device is not active or the device cannot be programmed.</translation>
    </message>
    <message>
        <source>Načítám nastavení ze souboru &apos;%1&apos;.</source>
        <translation>Loading settings from file &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Ukládám nastavení do souboru &apos;%1&apos;.</source>
        <translation>Saving settings to file &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Při načítání nastavení programu ze souboru &apos;%1&apos; nastala chyba.</source>
        <translation>An error occurred while loading the program&apos;s settings from file &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Při ukládání nastavení programu do souboru &apos;%1&apos; nastala chyba.</source>
        <translation>An error occurred while saving the program&apos;s settings to file &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Data ze souboru &apos;%1&apos; byla úspěšně načtena.</source>
        <translation>The data from file &apos;%1&apos; was loaded.</translation>
    </message>
    <message>
        <source>Data v souboru &apos;%1&apos; nejsou v pořádku - neodpovídají formátu EEPROM.</source>
        <translation>The data in file &apos;%1&apos; is not in order - it does not match the EEPROM format.</translation>
    </message>
    <message>
        <source>Velikost dat v nastavení (%1 byte) je větší než je možno vložit do EEPROM (%2).</source>
        <translation>The size of the settings data (%1 bytes) is larger than the EEPROM can hold (%2).</translation>
    </message>
    <message>
        <source>Data v souboru &apos;%1&apos; jsou poškozena - texty nastavení přesahují konec paměti EEPROM. Nastavení zůstalo beze změny.</source>
        <translation>The data in file &apos;%1&apos; is damaged - the settings&apos; texts run past the end of the EEPROM. The settings were left unchanged.</translation>
    </message>
    <message>
        <source>Zálohu nastavení stanice se nepodařilo načíst; zápis nezačal, stanice je beze změny.</source>
        <translation>The backup of the station&apos;s settings could not be read; the write did not start, the station is unchanged.</translation>
    </message>
</context>
<context>
    <name>linkmsg</name>
    <message>
        <source>Uveďte zařízení do vypnutého stavu (CPU LED svítí trvale).</source>
        <translation>Switch the device off (the CPU LED stays lit).</translation>
    </message>
    <message>
        <source>Pokud zařízení není vypnuto, vypnete jej stiskem tlačítka &apos;GSM OFF&apos;.</source>
        <translation>If the device is not off, switch it off with the &apos;GSM OFF&apos; button.</translation>
    </message>
    <message>
        <source>Poté připojte konfigurační kabel a potvrďte &apos;OK&apos;.</source>
        <translation>Then connect the configuration cable and confirm with &apos;OK&apos;.</translation>
    </message>
    <message>
        <source>Program se pokouší navázat komunikaci ...</source>
        <translation>The program is trying to connect ...</translation>
    </message>
    <message>
        <source>Připojené zařízení není známo. Je sice povoleno ho naprogramovat, ale za způsobené chyby není ručeno.</source>
        <translation>The connected device is unknown. Programming it is allowed, but without liability for any damage.</translation>
    </message>
    <message>
        <source>Při pokusu aktivovat spojení nastala chyba.</source>
        <translation>Activating the link failed.</translation>
    </message>
    <message>
        <source>Při deaktivaci spojení došlo k chybě. Zařízení je zřejmě stále v programovacím módu. Mám přesto přejít do &apos;Neaktivního stavu&apos;?</source>
        <translation>Deactivating the link failed. The device is probably still in programming mode. Go to the &apos;Inactive&apos; state anyway?</translation>
    </message>
    <message>
        <source>Zařízení nebylo deaktivováno a je zřejmě stále v programovacím módu. Má se zařízení před ukončením programu deaktivovat?</source>
        <translation>The device was not deactivated and is probably still in programming mode. Deactivate the device before the program exits?</translation>
    </message>
    <message>
        <source>Načítám data z EEPROM do PC.</source>
        <translation>Reading data from the EEPROM to the PC.</translation>
    </message>
    <message>
        <source>Ukládám data z PC do EEPROM.</source>
        <translation>Writing data from the PC to the EEPROM.</translation>
    </message>
    <message>
        <source>Velikost paměti připojeného zařízení není známa, data z EEPROM proto nelze načíst.</source>
        <translation>The memory size of the connected device is unknown, so the EEPROM cannot be read.</translation>
    </message>
    <message>
        <source>Nelze otevřít port %1.</source>
        <translation>Port %1 cannot be opened.</translation>
    </message>
    <message>
        <source>Touto verzí programu lze naprogramovat pouze zařízení %1.</source>
        <translation>This version of the program can program only %1 devices.</translation>
    </message>
    <message>
        <source>Touto verzí programu lze naprogramovat pouze zařízení s procesorem verze %1 a vyšší.</source>
        <translation>This version of the program can program only devices with processor version %1 or later.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Sériový port, který se přidá do seznamu a vybere; &apos;simulator&apos; = virtuální stanice.</source>
        <translation>Serial port to add to the list and select; &apos;simulator&apos; = the virtual station.</translation>
    </message>
    <message>
        <source>Inicializační program pro zařízení TORVAL</source>
        <translation>Set-up program for TORVAL devices</translation>
    </message>
    <message>
        <source>SOUBOR</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Soubor nastavení (*.eep), který se načte po spuštění.</source>
        <translation>Settings file (*.eep) to load at start.</translation>
    </message>
    <message>
        <source>[SOUBOR]</source>
        <translation>[FILE]</translation>
    </message>
    <message>
        <source>Neznámý jazyk &apos;%1&apos;: zadejte cs nebo en.</source>
        <translation>Unknown language &apos;%1&apos;: give cs or en.</translation>
    </message>
    <message>
        <source>Neznámá volba &apos;%1&apos;.</source>
        <translation>Unknown option &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Volba &apos;%1&apos; potřebuje hodnotu.</source>
        <translation>Option &apos;%1&apos; needs a value.</translation>
    </message>
    <message>
        <source>Chybný příkazový řádek (%1).</source>
        <translation>Wrong command line (%1).</translation>
    </message>
    <message>
        <source>Použití: torval-station [VOLBY]
Simulovaná stanice TORVAL na pseudoterminálu; vypíše cestu k zařízení a slouží, dokud ji neukončí Ctrl+C.

Volby:
</source>
        <translation>Usage: torval-station [OPTIONS]
A simulated TORVAL station on a pseudo-terminal; prints the device path and serves until Ctrl+C ends it.

Options:
</translation>
    </message>
    <message>
        <source> (výchozí: %1)</source>
        <translation> (default: %1)</translation>
    </message>
    <message>
        <source>Vypíše tuto nápovědu.</source>
        <translation>Prints this help.</translation>
    </message>
    <message>
        <source>Symbolický odkaz na zařízení.</source>
        <translation>Symbolic link to the device.</translation>
    </message>
    <message>
        <source>Počáteční obsah paměti.</source>
        <translation>Initial memory contents.</translation>
    </message>
    <message>
        <source>Paměť se uloží po každém zápisu.</source>
        <translation>The memory is saved after every write.</translation>
    </message>
    <message>
        <source>Kód výrobku B2,B1,B0.</source>
        <translation>Product code B2,B1,B0.</translation>
    </message>
    <message>
        <source>Verze procesoru.</source>
        <translation>Processor version.</translation>
    </message>
    <message>
        <source>Kód velikosti paměti.</source>
        <translation>Memory size code.</translation>
    </message>
    <message>
        <source>Kód typu modemu.</source>
        <translation>Modem type code.</translation>
    </message>
    <message>
        <source>Odpoví na Hello až od N-tého pokusu (0: nikdy).</source>
        <translation>Answers Hello only from the N-th try (0: never).</translation>
    </message>
    <message>
        <source>Časování bajtů jako na lince této rychlosti.</source>
        <translation>Byte timing of a line at this speed.</translation>
    </message>
    <message>
        <source>Pravděpodobnost poškozené odpovědi.</source>
        <translation>Probability of a damaged reply.</translation>
    </message>
    <message>
        <source>Pravděpodobnost chybějící odpovědi.</source>
        <translation>Probability of a missing reply.</translation>
    </message>
    <message>
        <source>Pravděpodobnost chybných dat při čtení.</source>
        <translation>Probability of wrong data on a read.</translation>
    </message>
    <message>
        <source>Po N rámcích přestane odpovídat.</source>
        <translation>Stops answering after N frames.</translation>
    </message>
    <message>
        <source>Na žádost o ukončení programovacího módu neodpoví.</source>
        <translation>Does not answer the request to leave programming mode.</translation>
    </message>
    <message>
        <source>Každou odpověď na čtení bloku pošle o MS ms později.</source>
        <translation>Sends every reply to a block read MS ms later.</translation>
    </message>
    <message>
        <source>Odpověď na první čtení bloku ADRESA pošle o MS ms později.</source>
        <translation>Sends the reply to the first read of block ADDRESS MS ms later.</translation>
    </message>
    <message>
        <source>ADRESA:MS</source>
        <translation>ADDRESS:MS</translation>
    </message>
    <message>
        <source>Každou odpověď pošle po MS ms (MIN-MAX: náhodně v rozmezí).</source>
        <translation>Sends every reply after MS ms (MIN-MAX: at random in the range).</translation>
    </message>
    <message>
        <source>Na první čtení bloku ADRESA odpoví dvakrát.</source>
        <translation>Answers the first read of block ADDRESS twice.</translation>
    </message>
    <message>
        <source>ADRESA</source>
        <translation>ADDRESS</translation>
    </message>
    <message>
        <source>Před odpovědí na první čtení bloku ADRESA zopakuje předchozí odpověď.</source>
        <translation>Repeats the previous reply before answering the first read of block ADDRESS.</translation>
    </message>
    <message>
        <source>Počáteční hodnota náhodných chyb.</source>
        <translation>Seed of the random faults.</translation>
    </message>
    <message>
        <source>Nadbytečný argument &apos;%1&apos;.</source>
        <translation>Unexpected argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Volba --product potřebuje B2,B1,B0, každé 0 až 255.</source>
        <translation>Option --product needs B2,B1,B0, each 0 to 255.</translation>
    </message>
    <message>
        <source>Volba --version potřebuje MAJOR.MINOR, každé 0 až 255.</source>
        <translation>Option --version needs MAJOR.MINOR, each 0 to 255.</translation>
    </message>
    <message>
        <source>Volby --memory-code a --modem-code potřebují číslo 0 až 255.</source>
        <translation>Options --memory-code and --modem-code need a number 0 to 255.</translation>
    </message>
    <message>
        <source>Volba --seed potřebuje číslo.</source>
        <translation>Option --seed needs a number.</translation>
    </message>
    <message>
        <source>Volba --hello-after potřebuje číslo.</source>
        <translation>Option --hello-after needs a number.</translation>
    </message>
    <message>
        <source>Volba --hang-after potřebuje číslo.</source>
        <translation>Option --hang-after needs a number.</translation>
    </message>
    <message>
        <source>Volby --corrupt, --drop a --bad-readback potřebují pravděpodobnost 0 až 1.</source>
        <translation>Options --corrupt, --drop and --bad-readback need a probability 0 to 1.</translation>
    </message>
    <message>
        <source>Volba --late-ms potřebuje počet milisekund.</source>
        <translation>Option --late-ms needs a number of milliseconds.</translation>
    </message>
    <message>
        <source>Volba --late-once potřebuje ADRESA:MS (adresa bloku je násobek 8).</source>
        <translation>Option --late-once needs ADDRESS:MS (a block address is a multiple of 8).</translation>
    </message>
    <message>
        <source>Volba --reply-ms potřebuje MS nebo MIN-MAX.</source>
        <translation>Option --reply-ms needs MS or MIN-MAX.</translation>
    </message>
    <message>
        <source>Volba --%1 potřebuje adresu bloku (násobek 8).</source>
        <translation>Option --%1 needs a block address (a multiple of 8).</translation>
    </message>
    <message>
        <source>Volba --baud potřebuje číslo.</source>
        <translation>Option --baud needs a number.</translation>
    </message>
    <message>
        <source>Soubor &apos;%1&apos; nelze přečíst: %2</source>
        <translation>File &apos;%1&apos; cannot be read: %2</translation>
    </message>
    <message>
        <source>Soubor &apos;%1&apos; již existuje a není odkazem simulované stanice; nebude nahrazen.</source>
        <translation>File &apos;%1&apos; already exists and is no link of a simulated station; it will not be replaced.</translation>
    </message>
    <message>
        <source>Odkaz &apos;%1&apos; nelze vytvořit: %2</source>
        <translation>Link &apos;%1&apos; cannot be created: %2</translation>
    </message>
    <message>
        <source>Nápověda: torval-station --help</source>
        <translation>Help: torval-station --help</translation>
    </message>
</context>
<context>
    <name>torval::AboutWindow</name>
    <message>
        <source>Informace o programu TORVAL</source>
        <translation>About TORVAL</translation>
    </message>
    <message>
        <source>TORVAL verze 1.0
Verze procesoru zařízení 1.0 a vyšší
Verze komunikačního protokolu 1.15</source>
        <translation>TORVAL version 1.0
Device processor version 1.0 and later
Communication protocol version 1.15</translation>
    </message>
    <message>
        <source>&amp;Zavřít</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Jazyk programu:</source>
        <translation>Program &amp;language:</translation>
    </message>
    <message>
        <source>Jazyk se změní po novém spuštění programu.</source>
        <translation>The language changes when the program starts again.</translation>
    </message>
</context>
<context>
    <name>torval::AnalogDialog</name>
    <message>
        <source>Názvy stavů</source>
        <translation>State names</translation>
    </message>
    <message>
        <source>Úrovně</source>
        <translation>Levels</translation>
    </message>
    <message>
        <source>Název:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>úroveň</source>
        <translation>level</translation>
    </message>
    <message>
        <source>hyster.</source>
        <translation>hyst.</translation>
    </message>
    <message>
        <source>Název analogového vstupu</source>
        <translation>Name of the analog input</translation>
    </message>
    <message>
        <source>Název stavu LOW (nízká)</source>
        <translation>Name of state LOW (low)</translation>
    </message>
    <message>
        <source>Název stavu MEDIUM (normální)</source>
        <translation>Name of state MEDIUM (normal)</translation>
    </message>
    <message>
        <source>Název stavu HIGH (vysoká)</source>
        <translation>Name of state HIGH (high)</translation>
    </message>
    <message>
        <source>Hodnota úrovně CL1</source>
        <translation>Value of level CL1</translation>
    </message>
    <message>
        <source>Hodnota  hystereze CL1</source>
        <translation>Value of hysteresis CL1</translation>
    </message>
    <message>
        <source>Hodnota úrovně CL2</source>
        <translation>Value of level CL2</translation>
    </message>
    <message>
        <source>Hodnota  hystereze CL2</source>
        <translation>Value of hysteresis CL2</translation>
    </message>
    <message>
        <source>Hlásit přechod nahoru přes CL1</source>
        <translation>Report rising through CL1</translation>
    </message>
    <message>
        <source>Hlásit přechod dolu přes CL1</source>
        <translation>Report falling through CL1</translation>
    </message>
    <message>
        <source>Hlásit přechod nahoru přes CL2</source>
        <translation>Report rising through CL2</translation>
    </message>
    <message>
        <source>Hlásit přechod dolu přes CL2</source>
        <translation>Report falling through CL2</translation>
    </message>
    <message>
        <source>Negace vstupu (neguje se ihned po vzorkování)</source>
        <translation>Negate the input (right after sampling)</translation>
    </message>
    <message>
        <source>Uvádět ve zprávě o stavu jméno stavu</source>
        <translation>Include the state name in the status report</translation>
    </message>
    <message>
        <source>Uvádět ve zprávě o stavu hodnotu</source>
        <translation>Include the value in the status report</translation>
    </message>
    <message>
        <source>odeslat ihned</source>
        <translation>send at once</translation>
    </message>
    <message>
        <source>HIGH (vysoká)</source>
        <translation>HIGH (high)</translation>
    </message>
    <message>
        <source>MEDIUM (střední)</source>
        <translation>MEDIUM (middle)</translation>
    </message>
    <message>
        <source>LOW (nízká)</source>
        <translation>LOW (low)</translation>
    </message>
    <message>
        <source>(hranice stavů LOW a MEDIUM)</source>
        <translation>(border between LOW and MEDIUM)</translation>
    </message>
    <message>
        <source>(hranice stavů MEDIUM a HIGH)</source>
        <translation>(border between MEDIUM and HIGH)</translation>
    </message>
</context>
<context>
    <name>torval::BusyWindow</name>
    <message>
        <source>Storno</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Dialogy řádků a Informace se otevřou až po skončení.</source>
        <translation>Row dialogs and About open once this is over.</translation>
    </message>
    <message>
        <source>TORVAL</source>
        <translation>TORVAL</translation>
    </message>
</context>
<context>
    <name>torval::EditDialogFrame</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Storno</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>torval::HistoryWindow</name>
    <message>
        <source>Historie zápisů do stanic</source>
        <translation>History of station writes</translation>
    </message>
    <message>
        <source>Název stanice:</source>
        <translation>Station name:</translation>
    </message>
    <message>
        <source>všechny stanice</source>
        <translation>all stations</translation>
    </message>
    <message>
        <source>Načíst do editoru: nastavení před zápisem</source>
        <translation>Load into the editor: settings before the write</translation>
    </message>
    <message>
        <source>Načíst do editoru: zapsané nastavení</source>
        <translation>Load into the editor: written settings</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1, port %2, %3, paměť %4 B, %5: %6

</source>
        <translation>%1, port %2, %3, memory %4 B, %5: %6

</translation>
    </message>
    <message>
        <source>Zapsané nastavení není uloženo.</source>
        <translation>The written settings are not stored.</translation>
    </message>
    <message>
        <source>Stanice předtím nenesla platné nastavení; zapsáno bylo celé nastavení.</source>
        <translation>The station held no valid settings before; the whole settings were written.</translation>
    </message>
    <message>
        <source>Zápis nastavení nezměnil.</source>
        <translation>The write changed no setting.</translation>
    </message>
    <message>
        <source>záznam %1 před zápisem</source>
        <translation>record %1 before the write</translation>
    </message>
    <message>
        <source>záznam %1, zapsané</source>
        <translation>record %1, written</translation>
    </message>
</context>
<context>
    <name>torval::InputDialog</name>
    <message>
        <source>Uvádět tento vstup ve zprávě o stavu</source>
        <translation>Include this input in the status report</translation>
    </message>
    <message>
        <source>Poslat zprávu při změně stavu 0-&gt;1</source>
        <translation>Send a message on change 0-&gt;1</translation>
    </message>
    <message>
        <source>Poslat zprávu při změně stavu 1-&gt;0</source>
        <translation>Send a message on change 1-&gt;0</translation>
    </message>
    <message>
        <source>Negace vstupu (neguje se ihned po vzorkování - teprve poté se analyzuje)</source>
        <translation>Negate the input (negated right after sampling, analysed after that)</translation>
    </message>
    <message>
        <source>odeslat ihned</source>
        <translation>send at once</translation>
    </message>
    <message>
        <source>Název:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Stavy</source>
        <translation>States</translation>
    </message>
    <message>
        <source>Název stavu zapnuto (1):</source>
        <translation>Name of state on (1):</translation>
    </message>
    <message>
        <source>Název stavu vypnuto (0):</source>
        <translation>Name of state off (0):</translation>
    </message>
</context>
<context>
    <name>torval::OutputDialog</name>
    <message>
        <source>Uvádět tento vstup ve zprávě o stavu</source>
        <translation>Include this input in the status report</translation>
    </message>
    <message>
        <source>Negace výstupu</source>
        <translation>Negate the output</translation>
    </message>
    <message>
        <source>Standartní výstup</source>
        <translation>Standard output</translation>
    </message>
    <message>
        <source>Indikace stavu modemu</source>
        <translation>Modem state indication</translation>
    </message>
    <message>
        <source>Indikace stavu šetřícího režimu</source>
        <translation>Power saving state indication</translation>
    </message>
    <message>
        <source>Název:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Stavy</source>
        <translation>States</translation>
    </message>
    <message>
        <source>Název stavu zapnuto (1):</source>
        <translation>Name of state on (1):</translation>
    </message>
    <message>
        <source>Název stavu vypnuto (0):</source>
        <translation>Name of state off (0):</translation>
    </message>
    <message>
        <source>Impuls</source>
        <translation>Pulse</translation>
    </message>
    <message>
        <source>Příkaz pro vyslání impulsu:</source>
        <translation>Command to send a pulse:</translation>
    </message>
    <message>
        <source>Délka jednoho impulsu ....................</source>
        <translation>Length of one pulse ....................</translation>
    </message>
    <message>
        <source>sekund</source>
        <translation>seconds</translation>
    </message>
</context>
<context>
    <name>torval::PhoneDialog</name>
    <message>
        <source>Telefonní číslo</source>
        <translation>Phone number</translation>
    </message>
    <message>
        <source>Přijímat příkazy</source>
        <translation>Accept commands</translation>
    </message>
    <message>
        <source>Přijímat příkazy z tohoto tel. čísla</source>
        <translation>Accept commands from this number</translation>
    </message>
    <message>
        <source>Odesílat zprávy o událostech</source>
        <translation>Send event messages</translation>
    </message>
    <message>
        <source>Odesílat zprávy o událostech na toto tel. číslo</source>
        <translation>Send event messages to this number</translation>
    </message>
    <message>
        <source>Telefonní číslo:</source>
        <translation>Phone number:</translation>
    </message>
</context>
</TS>
