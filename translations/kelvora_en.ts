<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs_CZ">
<context>
    <name>kelvora::CMainFrame</name>
    <message>
        <source>Tepelná ztráta</source>
        <translation>Heat loss</translation>
    </message>
    <message>
        <source>Změna teploty v potrubí</source>
        <translation>Temperature change in pipes/ducts</translation>
    </message>
    <message>
        <source>Teplota v nádrži</source>
        <translation>Temperature in tanks</translation>
    </message>
    <message>
        <source>Izolace proti vnější kondenzaci</source>
        <translation>Insulation against external condensation</translation>
    </message>
    <message>
        <source>Izolace proti vnitřní kondenzaci</source>
        <translation>Insulation against internal condensation</translation>
    </message>
    <message>
        <source>Protimrazová ochrana vodovodních potrubí</source>
        <translation>Frost protection of water pipes</translation>
    </message>
    <message>
        <source>Útlum hluku ve vzduchovodu</source>
        <translation>Sound attenuation in ducts</translation>
    </message>
    <message>
        <source>Ekonomika izolace</source>
        <translation>Insulation economics</translation>
    </message>
    <message>
        <source>&amp;Nový</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Nový dokument</source>
        <translation>New document</translation>
    </message>
    <message>
        <source>&amp;Otevřít...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>Otevřít dokument</source>
        <translation>Open a document</translation>
    </message>
    <message>
        <source>&amp;Uložit</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Uložit dokument</source>
        <translation>Save the document</translation>
    </message>
    <message>
        <source>Uložit &amp;jako...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Uložit dokument pod novým názvem</source>
        <translation>Save the document under a new name</translation>
    </message>
    <message>
        <source>&amp;Tisk...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Tisk</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Ná&amp;hled tisku</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>Náhled tisku</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Exportovat do PDF...</source>
        <translation>Export to PDF...</translation>
    </message>
    <message>
        <source>Uložit stránky zprávy jako PDF</source>
        <translation>Save the report pages as PDF</translation>
    </message>
    <message>
        <source>Nastavení t&amp;isku...</source>
        <translation>Print set&amp;up...</translation>
    </message>
    <message>
        <source>Nastavení tiskárny a papíru</source>
        <translation>Printer and paper settings</translation>
    </message>
    <message>
        <source>&amp;Konec</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Ukončit program</source>
        <translation>Quit the program</translation>
    </message>
    <message>
        <source>Kopírovat do schránky</source>
        <translation>Copy to Clipboard</translation>
    </message>
    <message>
        <source>Kopírovat vybranou tabulku do schránky</source>
        <translation>Copy the selected table to the clipboard</translation>
    </message>
    <message>
        <source>&amp;Projekt..</source>
        <translation>&amp;Project...</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>&amp;Vstupní údaje...</source>
        <translation>&amp;Input data...</translation>
    </message>
    <message>
        <source>Vstupní údaje</source>
        <translation>Input data</translation>
    </message>
    <message>
        <source>&amp;Databáze...</source>
        <translation>&amp;Database...</translation>
    </message>
    <message>
        <source>Databáze</source>
        <translation>Database</translation>
    </message>
    <message>
        <source>Panely nástrojů</source>
        <translation>Toolbars</translation>
    </message>
    <message>
        <source>Zobrazit nebo skrýt panely nástrojů</source>
        <translation>Show or hide the toolbars</translation>
    </message>
    <message>
        <source>Výsledky v angličtině</source>
        <translation>Results in English</translation>
    </message>
    <message>
        <source>&amp;Obsah</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Nápověda k prvku</source>
        <translation>Help on an Item</translation>
    </message>
    <message>
        <source>Nápověda k prvku okna</source>
        <translation>Help on an item of the window</translation>
    </message>
    <message>
        <source>Vyhláška 193 (PDF) </source>
        <translation>Regulation 193 (PDF)</translation>
    </message>
    <message>
        <source>Vyhláška č. 193/2007 Sb. (PDF)</source>
        <translation>Czech Decree No. 193/2007 Coll. (PDF)</translation>
    </message>
    <message>
        <source>O programu &amp;Kelvora...</source>
        <translation>&amp;About Kelvora...</translation>
    </message>
    <message>
        <source>O programu Kelvora</source>
        <translation>About Kelvora</translation>
    </message>
    <message>
        <source>&amp;Soubor</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Editovat</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Zobrazit</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Nápověda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Hlavní</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>Moduly</source>
        <translation>Modules</translation>
    </message>
</context>
<context>
    <name>kelvora::CQorApp</name>
    <message>
        <source>Jazyk se změní při příštím spuštění programu.</source>
        <translation>The language changes when the program is started again.</translation>
    </message>
</context>
<context>
    <name>kelvora::HelpWindow</name>
    <message>
        <source>Nápověda – Kelvora®</source>
        <translation>Help – Kelvora®</translation>
    </message>
    <message>
        <source>&amp;Obsah</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>&amp;Zpět</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>&amp;Vpřed</source>
        <translation>&amp;Forward</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Nápovědu se nepodařilo spustit.</source>
        <translation>The help could not be started.</translation>
    </message>
</context>
</TS>
