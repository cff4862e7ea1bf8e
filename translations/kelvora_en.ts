<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs_CZ">
<context>
    <name>kelvora::CAboutDlg</name>
    <message>
        <source>Nápověda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Zobrazit úvodní okno</source>
        <translation>Show the start-up window</translation>
    </message>
    <message>
        <source>O programu Kelvora</source>
        <translation>About Kelvora</translation>
    </message>
    <message>
        <source>&lt;b&gt;Kelvora®&lt;/b&gt; verze %1</source>
        <translation>&lt;b&gt;Kelvora®&lt;/b&gt; version %1</translation>
    </message>
    <message>
        <source>Výpočty technických izolací potrubí, vzduchovodů, nádrží a rovinných ploch:
tepelné ztráty a tloušťka izolace, změna teploty v potrubí a v nádrži,
izolace proti kondenzaci, protimrazová ochrana, útlum hluku a ekonomika izolace.

© Mirelta. Výsledky jsou podkladem pro návrh; za návrh odpovídá projektant.</source>
        <translation>Calculations for the technical insulation of pipes, ducts, tanks and plane surfaces:
heat loss and insulation thickness, temperature change in pipes and tanks,
insulation against condensation, frost protection, sound attenuation and insulation economics.

© Mirelta. The results are a basis for the design; the designer is responsible for the design.</translation>
    </message>
</context>
<context>
    <name>kelvora::CAbsorpsjonDlg</name>
    <message>
        <source>Tlumič hluku</source>
        <translation>Sound absorber</translation>
    </message>
    <message>
        <source>Nová tloušťka...</source>
        <translation>New thickness...</translation>
    </message>
    <message>
        <source>Aktualizovat tloušťku...</source>
        <translation>Edit thickness...</translation>
    </message>
    <message>
        <source>Smazat tloušťku</source>
        <translation>Delete thickness</translation>
    </message>
    <message>
        <source>Vybrat barvu izolace...</source>
        <translation>Select insulation colour...</translation>
    </message>
    <message>
        <source>Vybrat barvu povrchu...</source>
        <translation>Select surface colour...</translation>
    </message>
    <message>
        <source>Název produktu:</source>
        <translation>Product name (Czech):</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Product name (English):</translation>
    </message>
    <message>
        <source>Tloušťka</source>
        <translation>Thickness</translation>
    </message>
    <message>
        <source>Barva</source>
        <translation>Colour</translation>
    </message>
</context>
<context>
    <name>kelvora::CAbsorpsjonTykkelseDlg</name>
    <message>
        <source>Pohltivost</source>
        <translation>Sound absorption</translation>
    </message>
    <message>
        <source>Tloušťka [mm]:</source>
        <translation>Thickness [mm]:</translation>
    </message>
    <message>
        <source>Činitel zvukové pohltivosti</source>
        <translation>Sound absorption coefficient</translation>
    </message>
</context>
<context>
    <name>kelvora::CDatabaseDlg</name>
    <message>
        <source>Izolace</source>
        <translation>Insulation</translation>
    </message>
    <message>
        <source>Vnější úprava pro běžné izolace</source>
        <translation>Outer finish for ordinary insulation</translation>
    </message>
    <message>
        <source>Vnější úprava pro potrubí</source>
        <translation>Outer finish for pipes</translation>
    </message>
    <message>
        <source>Vnitřní úprava vnitřních izolací</source>
        <translation>Inner finish of internal insulation</translation>
    </message>
    <message>
        <source>Přídavné vybavení potrubí</source>
        <translation>Auxiliary pipe equipment</translation>
    </message>
    <message>
        <source>Médium</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Databáze</source>
        <translation>Database</translation>
    </message>
    <message>
        <source>Kategorie</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Nová položka...</source>
        <translation>New entry...</translation>
    </message>
    <message>
        <source>Aktualizovat položku...</source>
        <translation>Edit entry...</translation>
    </message>
    <message>
        <source>Kopírovat položku...</source>
        <translation>Copy entry...</translation>
    </message>
    <message>
        <source>Tlumiče hluku pro obdélníkové VZT potrubí</source>
        <translation>Sound absorbers for rectangular ducts</translation>
    </message>
    <message>
        <source>Tlumiče hluku pro kruhové VZT potrubí</source>
        <translation>Sound absorbers for circular ducts</translation>
    </message>
    <message>
        <source>Smazat položku</source>
        <translation>Delete entry</translation>
    </message>
</context>
<context>
    <name>kelvora::CDatabaseverdiBorteDlg</name>
    <message>
        <source>Databáze položek nenalezena</source>
        <translation>Database entry not found</translation>
    </message>
</context>
<context>
    <name>kelvora::CEgendefDatabaseDlg</name>
    <message>
        <source>Izolační výrobek definovaný uživatelem</source>
        <translation>User-defined insulation product</translation>
    </message>
    <message>
        <source>Nový produkt...</source>
        <translation>New product...</translation>
    </message>
    <message>
        <source>Upravit produkt...</source>
        <translation>Edit product...</translation>
    </message>
    <message>
        <source>Smazat produkt</source>
        <translation>Delete product</translation>
    </message>
</context>
<context>
    <name>kelvora::CEgendefIsoProduktDlg</name>
    <message>
        <source>Izolační výrobek definovaný uživatelem</source>
        <translation>User-defined insulation product</translation>
    </message>
    <message>
        <source>Název produktu:</source>
        <translation>Product name:</translation>
    </message>
    <message>
        <source>Min. tloušťka [mm]:</source>
        <translation>Min. thickness [mm]:</translation>
    </message>
    <message>
        <source>Max. tloušťka [mm]:</source>
        <translation>Max. thickness [mm]:</translation>
    </message>
    <message>
        <source>Max. tepl. [°C]:</source>
        <translation>Max. temperature [°C]:</translation>
    </message>
    <message>
        <source>Je důležité v co největší míře pokrýt teplotní rozsah použití výrobku</source>
        <translation>It is important to cover as much of the product&apos;s temperature range of use as possible</translation>
    </message>
</context>
<context>
    <name>kelvora::CFrostDlg</name>
    <message>
        <source>Prostředí</source>
        <translation>Surroundings</translation>
    </message>
    <message>
        <source>Teplota okolí [°C]:</source>
        <translation>Ambient temperature [°C]:</translation>
    </message>
    <message>
        <source>Souč. přestupu tepla vně</source>
        <translation>External heat transfer coefficient</translation>
    </message>
    <message>
        <source>Potrubí</source>
        <translation>Pipe</translation>
    </message>
    <message>
        <source>Vnější průměr [mm]:</source>
        <translation>Outside diameter [mm]:</translation>
    </message>
    <message>
        <source>Tloušťka st. p. [mm]:</source>
        <translation>Wall thickness [mm]:</translation>
    </message>
    <message>
        <source>Voda</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Počáteční teplota [°C]:</source>
        <translation>Start temperature [°C]:</translation>
    </message>
    <message>
        <source>Hmotnostní podíl zmrzlé vody [%]:</source>
        <translation>Share of the water frozen [%]:</translation>
    </message>
    <message>
        <source>Vnější povrch</source>
        <translation>Outer surface</translation>
    </message>
    <message>
        <source>Vybrat z databáze</source>
        <translation>Select from database</translation>
    </message>
    <message>
        <source>Uživatelsky def. emis:</source>
        <translation>User-defined emissivity:</translation>
    </message>
    <message>
        <source>Protimrazová ochrana vodovodních potrubí</source>
        <translation>Frost protection of water pipes</translation>
    </message>
    <message>
        <source>Vybrat produkt...</source>
        <translation>Select product...</translation>
    </message>
    <message>
        <source>Vybrat místní klimatická data...</source>
        <translation>Select local climate data...</translation>
    </message>
</context>
<context>
    <name>kelvora::CInnvendigKondensDlg</name>
    <message>
        <source>Izolace proti vnitřní kondenzaci</source>
        <translation>Insulation against internal condensation</translation>
    </message>
    <message>
        <source>Prostředí</source>
        <translation>Surroundings</translation>
    </message>
    <message>
        <source>Okolní teplota [°C]:</source>
        <translation>Ambient temperature [°C]:</translation>
    </message>
    <message>
        <source>Vybrat místní klimatická data...</source>
        <translation>Select local climate data...</translation>
    </message>
    <message>
        <source>Souč. přestupu tepla vně</source>
        <translation>External heat transfer coefficient</translation>
    </message>
    <message>
        <source>Souč. přestupu tepla uvnitř</source>
        <translation>Internal heat transfer coefficient</translation>
    </message>
    <message>
        <source>Neizolované potrubní závěsy</source>
        <translation>Uninsulated duct hangers</translation>
    </message>
    <message>
        <source>Rozměry</source>
        <translation>Dimensions</translation>
    </message>
    <message>
        <source>Průměr [mm]:</source>
        <translation>Duct diameter [mm]:</translation>
    </message>
    <message>
        <source>Výška [mm]:</source>
        <translation>Duct height [mm]:</translation>
    </message>
    <message>
        <source>Šířka [mm]:</source>
        <translation>Duct width [mm]:</translation>
    </message>
    <message>
        <source>Délka [m]:</source>
        <translation>Duct length [m]:</translation>
    </message>
    <message>
        <source>Vybrat jednotky pro proudění vzduchu:</source>
        <translation>Unit of the air flow:</translation>
    </message>
    <message>
        <source>Vstupní teplota [°C]:</source>
        <translation>Inlet temperature [°C]:</translation>
    </message>
    <message>
        <source>Rel. vlhkost vzd. [%]:</source>
        <translation>Relative air humidity [%]:</translation>
    </message>
    <message>
        <source>Vnější povrch</source>
        <translation>Outer surface</translation>
    </message>
    <message>
        <source>Vybrat z databáze</source>
        <translation>Select from database</translation>
    </message>
    <message>
        <source>Uživatelsky definovaný povrch</source>
        <translation>User-defined surface</translation>
    </message>
    <message>
        <source>Emisivita:</source>
        <translation>Emissivity:</translation>
    </message>
    <message>
        <source>Dodatečná tepelná ztráta způsobená závěsy je do výpočtu zahrnuta ekvivalentní délkou potrubí (dle ISO 12241 Příloha A)</source>
        <translation>The additional heat loss of the hangers is included in the calculation as an equivalent duct length (ISO 12241, Annex A).</translation>
    </message>
    <message>
        <source>Vybrat produkt...</source>
        <translation>Select product...</translation>
    </message>
    <message>
        <source>Proudění vzduchu</source>
        <translation>Air flow</translation>
    </message>
</context>
<context>
    <name>kelvora::CIsoKostnadDlg</name>
    <message>
        <source>Náklady [%s/%s]:</source>
        <translation>Cost [%s/%s]:</translation>
    </message>
    <message>
        <source>Náklady na izolaci</source>
        <translation>Insulation cost</translation>
    </message>
    <message>
        <source>Vložit název</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>kelvora::CIsoProduktDlg</name>
    <message>
        <source>Izolační produkt</source>
        <translation>Insulation product</translation>
    </message>
    <message>
        <source>Výpočet koeficientů...</source>
        <translation>Calculate coefficients...</translation>
    </message>
    <message>
        <source>Název produktu:</source>
        <translation>Product name (Czech):</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Product name (English):</translation>
    </message>
    <message>
        <source>Výrobce:</source>
        <translation>Manufacturer:</translation>
    </message>
    <message>
        <source>Typ:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Max. tepl. [°C]:</source>
        <translation>Max. temperature [°C]:</translation>
    </message>
    <message>
        <source>Koef. 2. stupně</source>
        <translation>2nd-degree coefficient</translation>
    </message>
    <message>
        <source>Min. tloušťka [mm]:</source>
        <translation>Min. thickness [mm]:</translation>
    </message>
    <message>
        <source>Max. tloušťka [mm]:</source>
        <translation>Max. thickness [mm]:</translation>
    </message>
    <message>
        <source>Koef. 3. stupně</source>
        <translation>3rd-degree coefficient</translation>
    </message>
    <message>
        <source>Koef. 1. stupně</source>
        <translation>1st-degree coefficient</translation>
    </message>
    <message>
        <source>Koef. 0. stupně</source>
        <translation>0th-degree coefficient</translation>
    </message>
</context>
<context>
    <name>kelvora::CIsoTykkelseDlg</name>
    <message>
        <source>Standardní tl. izolace</source>
        <translation>Standard insulation thickness</translation>
    </message>
    <message>
        <source>Tloušťka [mm]:</source>
        <translation>Thickness [mm]:</translation>
    </message>
</context>
<context>
    <name>kelvora::CIsolasjonDlg</name>
    <message>
        <source>Izolace</source>
        <translation>Insulation</translation>
    </message>
</context>
<context>
    <name>kelvora::CItemDlg</name>
    <message>
        <source>Izolace</source>
        <translation>Insulation</translation>
    </message>
    <message>
        <source>Průtok média [l/s]:</source>
        <translation>Flow of the medium [l/s]:</translation>
    </message>
    <message>
        <source>Rychlost průtoku média [m/s]:</source>
        <translation>Flow velocity of the medium [m/s]:</translation>
    </message>
    <message>
        <source>Průtok média [m3/h]:</source>
        <translation>Flow of the medium [m3/h]:</translation>
    </message>
    <message>
        <source>Zrušit</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Průměr [mm]:</source>
        <comment>pipe</comment>
        <translation>Outside diameter [mm]:</translation>
    </message>
    <message>
        <source>Průměr [mm]:</source>
        <comment>duct</comment>
        <translation>Diameter [mm]:</translation>
    </message>
    <message>
        <source>Neizolované potrubní závěsy</source>
        <comment>pipe</comment>
        <translation>Uninsulated pipe hangers</translation>
    </message>
    <message>
        <source>Neizolované potrubní závěsy</source>
        <comment>duct</comment>
        <translation>Uninsulated duct hangers</translation>
    </message>
</context>
<context>
    <name>kelvora::CKanalTempDlg</name>
    <message>
        <source>Změna teploty v potrubí</source>
        <translation>Temperature change in pipes/ducts</translation>
    </message>
    <message>
        <source>Spočítat roční spotřebu energie a náklady</source>
        <translation>Calculate the annual energy loss and cost</translation>
    </message>
    <message>
        <source>Výpočet povrchové kondenzace</source>
        <translation>Dew point check</translation>
    </message>
    <message>
        <source>Nový úsek...</source>
        <translation>New section...</translation>
    </message>
    <message>
        <source>Kopírovat úsek...</source>
        <translation>Copy section...</translation>
    </message>
    <message>
        <source>Aktualizovat úsek...</source>
        <translation>Edit section...</translation>
    </message>
    <message>
        <source>Smazat úsek</source>
        <translation>Delete section</translation>
    </message>
    <message>
        <source>Médium</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Databáze médií:</source>
        <translation>Medium from the database:</translation>
    </message>
    <message>
        <source>Uživatelsky def. médium:</source>
        <translation>User-defined medium:</translation>
    </message>
    <message>
        <source>Hustota [kg/m3]:</source>
        <translation>Density [kg/m3]:</translation>
    </message>
    <message>
        <source>Tep. kapacita [J/kgK]:</source>
        <translation>Heat capacity [J/kgK]:</translation>
    </message>
    <message>
        <source>Bod tuhnutí [°C]:</source>
        <translation>Freezing point [°C]:</translation>
    </message>
    <message>
        <source>Teplota média v prvním úseku [°C]:</source>
        <translation>Inlet temperature [°C]:</translation>
    </message>
    <message>
        <source>Úseky</source>
        <translation>Sections</translation>
    </message>
    <message>
        <source>Spotřeba energie</source>
        <translation>Energy loss and cost</translation>
    </message>
    <message>
        <source>Provozní doba [h/rok]:</source>
        <translation>Operating hours [h/year]:</translation>
    </message>
    <message>
        <source>Náklady na kWh energie:</source>
        <translation>Energy price per kWh:</translation>
    </message>
    <message>
        <source>Měna:</source>
        <translation>Currency:</translation>
    </message>
    <message>
        <source>Kondenzace</source>
        <translation>Condensation</translation>
    </message>
    <message>
        <source>Vlhkost vstupujícího vzduchu [%]:</source>
        <translation>Relative humidity of the inlet air [%]:</translation>
    </message>
</context>
<context>
    <name>kelvora::CKlimaDlg</name>
    <message>
        <source>Místní klimatická data</source>
        <translation>Local climate data</translation>
    </message>
    <message>
        <source>Nové umístění...</source>
        <translation>New location...</translation>
    </message>
    <message>
        <source>Aktualizovat umístění...</source>
        <translation>Edit location...</translation>
    </message>
    <message>
        <source>Smazat umístění</source>
        <translation>Delete location</translation>
    </message>
    <message>
        <source>Průměrné roční hodnoty:</source>
        <translation>Mean annual values:</translation>
    </message>
    <message>
        <source>Tep. [°C]</source>
        <translation>Temp. [°C]</translation>
    </message>
    <message>
        <source>Vítr [m/s]</source>
        <translation>Wind [m/s]</translation>
    </message>
    <message>
        <source>Klikněte na OK pro přenos dat ze současného umístění. Změny budou automaticky uloženy.</source>
        <translation>Click OK to take over the data of the selected location. Changes are saved automatically.</translation>
    </message>
</context>
<context>
    <name>kelvora::CKlimastedDlg</name>
    <message>
        <source>Klimatická data</source>
        <translation>Climate data</translation>
    </message>
    <message>
        <source>Umístění:</source>
        <translation>Location:</translation>
    </message>
    <message>
        <source>Průměrná roční teplota [°C]:</source>
        <translation>Mean annual temperature [°C]:</translation>
    </message>
    <message>
        <source>Průměrná roční rychlost větru [m/s]:</source>
        <translation>Mean annual wind speed [m/s]:</translation>
    </message>
</context>
<context>
    <name>kelvora::CKoeffBeregningDlg</name>
    <message>
        <source>Výpočet koeficientů</source>
        <translation>Calculate coefficients</translation>
    </message>
    <message>
        <source>Koef. 2. stupně</source>
        <translation>2nd-degree coefficient</translation>
    </message>
    <message>
        <source>Koef. 3. stupně</source>
        <translation>3rd-degree coefficient</translation>
    </message>
    <message>
        <source>Koef. 1. stupně</source>
        <translation>1st-degree coefficient</translation>
    </message>
    <message>
        <source>Koef. 0. stupně</source>
        <translation>0th-degree coefficient</translation>
    </message>
</context>
<context>
    <name>kelvora::CKostnadDlg</name>
    <message>
        <source>Přednastavené náklady na izolaci</source>
        <translation>Preset insulation costs</translation>
    </message>
    <message>
        <source>Nové vložení...</source>
        <translation>New entry...</translation>
    </message>
    <message>
        <source>Aktualizovat vložení...</source>
        <translation>Edit entry...</translation>
    </message>
    <message>
        <source>Smazat vložení</source>
        <translation>Delete entry</translation>
    </message>
</context>
<context>
    <name>kelvora::CLydDlg</name>
    <message>
        <source>Útlum hluku ve vzduchovodu</source>
        <translation>Sound attenuation in ducts</translation>
    </message>
    <message>
        <source>Průměr [mm]:</source>
        <translation>Duct diameter [mm]:</translation>
    </message>
    <message>
        <source>Výška [mm]:</source>
        <translation>Duct height [mm]:</translation>
    </message>
    <message>
        <source>Šířka [mm]:</source>
        <translation>Duct width [mm]:</translation>
    </message>
    <message>
        <source>Mirelta produkt</source>
        <translation>Mirelta product</translation>
    </message>
    <message>
        <source>Tloušťka [mm]:</source>
        <translation>Thickness [mm]:</translation>
    </message>
    <message>
        <source>Jiný produkt</source>
        <translation>Other product</translation>
    </message>
    <message>
        <source>Název produktu:</source>
        <translation>Product name:</translation>
    </message>
    <message>
        <source>Činitel zvukové pohltivosti:</source>
        <translation>Sound absorption coefficient:</translation>
    </message>
</context>
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
        <translation>Save &amp;as...</translation>
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
        <translation>Print pre&amp;view</translation>
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
        <translation>Copy to clipboard</translation>
    </message>
    <message>
        <source>Kopírovat vybranou tabulku do schránky</source>
        <translation>Copy the selected table to the clipboard</translation>
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
        <translation>Help on an item</translation>
    </message>
    <message>
        <source>Nápověda k prvku okna</source>
        <translation>Help on an item of the window</translation>
    </message>
    <message>
        <source>Vyhláška č. 193/2007 Sb. (PDF)</source>
        <translation>Regulation 193/2007 Coll. (PDF)</translation>
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
    <message>
        <source>&amp;Projekt...</source>
        <translation>&amp;Project...</translation>
    </message>
    <message>
        <source>Vyhláška 193 (PDF)</source>
        <translation>Regulation 193/2007 Coll. (PDF)</translation>
    </message>
</context>
<context>
    <name>kelvora::CMantlingDlg</name>
    <message>
        <source>Vnější povrch izolace</source>
        <translation>Outer surface of insulation</translation>
    </message>
    <message>
        <source>Vybrat barvu povrchu...</source>
        <translation>Select surface colour...</translation>
    </message>
    <message>
        <source>Název :</source>
        <translation>Name (Czech):</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Name (English):</translation>
    </message>
    <message>
        <source>Emisivita:</source>
        <translation>Emissivity:</translation>
    </message>
    <message>
        <source>Barva</source>
        <translation>Colour</translation>
    </message>
</context>
<context>
    <name>kelvora::COkoIsolasjonDlg</name>
    <message>
        <source>Ekonomika izolace - izolační produkt</source>
        <translation>Insulation economics – insulation product</translation>
    </message>
    <message>
        <source>Vnější povrch</source>
        <translation>Outer surface</translation>
    </message>
    <message>
        <source>Vybrat z databáze</source>
        <translation>Select from database</translation>
    </message>
    <message>
        <source>Uživatelsky def. emisivita:</source>
        <translation>User-defined emissivity:</translation>
    </message>
    <message>
        <source>Vnitřní povrch</source>
        <translation>Inner surface</translation>
    </message>
    <message>
        <source>Vybrat předvolené náklady...</source>
        <translation>Select preset costs...</translation>
    </message>
</context>
<context>
    <name>kelvora::COkonomiDlg</name>
    <message>
        <source>Ekonomika izolace</source>
        <translation>Insulation economics</translation>
    </message>
    <message>
        <source>Nová izolace...</source>
        <translation>New insulation...</translation>
    </message>
    <message>
        <source>Aktualizovat izolaci...</source>
        <translation>Edit insulation...</translation>
    </message>
    <message>
        <source>Smazat izolaci</source>
        <translation>Delete insulation</translation>
    </message>
    <message>
        <source>Prostředí</source>
        <translation>Surroundings</translation>
    </message>
    <message>
        <source>Okolní teplota [°C]:</source>
        <translation>Ambient temperature [°C]:</translation>
    </message>
    <message>
        <source>Vybrat místní klimatická data...</source>
        <translation>Select local climate data...</translation>
    </message>
    <message>
        <source>Souč. přestupu tepla vně</source>
        <translation>External heat transfer coefficient</translation>
    </message>
    <message>
        <source>Objekt</source>
        <translation>Object</translation>
    </message>
    <message>
        <source>Výška [mm]:</source>
        <translation>Height [mm]:</translation>
    </message>
    <message>
        <source>Šířka [mm]:</source>
        <translation>Width [mm]:</translation>
    </message>
    <message>
        <source>Teplota média [°C]:</source>
        <translation>Medium temperature [°C]:</translation>
    </message>
    <message>
        <source>Proudění vzduchu</source>
        <translation>Air flow</translation>
    </message>
    <message>
        <source>Izolace</source>
        <translation>Insulation</translation>
    </message>
    <message>
        <source>Náklady</source>
        <translation>Costs</translation>
    </message>
    <message>
        <source>Měna:</source>
        <translation>Currency:</translation>
    </message>
    <message>
        <source>Náklady na kWh energie:</source>
        <translation>Energy price per kWh:</translation>
    </message>
    <message>
        <source>Provozní doba [h/rok]:</source>
        <translation>Operating hours [h/year]:</translation>
    </message>
    <message>
        <source>Odpisová doba [roky]:</source>
        <translation>Life span [years]:</translation>
    </message>
    <message>
        <source>Inflace energie [%]:</source>
        <translation>Energy price inflation [%]:</translation>
    </message>
    <message>
        <source>Úroková sazba [%]:</source>
        <translation>Interest rate [%]:</translation>
    </message>
    <message>
        <source>Kopírovat izolaci...</source>
        <translation>Copy insulation...</translation>
    </message>
    <message>
        <source>Emisivita potrubí*:</source>
        <translation>Emissivity without insulation*:</translation>
    </message>
</context>
<context>
    <name>kelvora::CProductDlgBase</name>
    <message>
        <source>Standardní tloušťka [mm]</source>
        <translation>Standard thickness [mm]</translation>
    </message>
    <message>
        <source>Nová tloušťka...</source>
        <translation>New thickness...</translation>
    </message>
    <message>
        <source>Aktualizovat tloušťku...</source>
        <translation>Edit thickness...</translation>
    </message>
    <message>
        <source>Vybrat barvu izolace...</source>
        <translation>Select insulation colour...</translation>
    </message>
    <message>
        <source>Vybrat barvu povrchu...</source>
        <translation>Select surface colour...</translation>
    </message>
    <message>
        <source>Izolace potrubí</source>
        <translation>Pipe insulation</translation>
    </message>
    <message>
        <source>Izolace kruhového vzduchovodu</source>
        <translation>Circular duct insulation</translation>
    </message>
    <message>
        <source>Izolace čtyřhranného vzduchovodu</source>
        <translation>Rectangular duct insulation</translation>
    </message>
    <message>
        <source>Vnitřní iz. čtyřhranného vzduch.</source>
        <translation>Internal insulation of rectangular ducts</translation>
    </message>
    <message>
        <source>Izolace plochy</source>
        <translation>Plane surface insulation</translation>
    </message>
    <message>
        <source>Vnitřní izolace plochy</source>
        <translation>Internal plane surface insulation</translation>
    </message>
    <message>
        <source>Izolace zásobníku (nádrže)</source>
        <translation>Tank insulation</translation>
    </message>
    <message>
        <source>Použití</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Smazat tloušťku</source>
        <translation>Delete thickness</translation>
    </message>
</context>
<context>
    <name>kelvora::CProjectDlg</name>
    <message>
        <source>Projekt</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>Kalkulaci provedl:</source>
        <translation>Calculated by:</translation>
    </message>
    <message>
        <source>Název projektu:</source>
        <translation>Project name:</translation>
    </message>
    <message>
        <source>Reference:</source>
        <translation>Reference:</translation>
    </message>
    <message>
        <source>Poznámka:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>Název zařízení:</source>
        <translation>Equipment name:</translation>
    </message>
</context>
<context>
    <name>kelvora::CQorApp</name>
    <message>
        <source>Jazyk se změní při příštím spuštění programu.</source>
        <translation>The language changes when the program is started again.</translation>
    </message>
    <message>
        <source>KelvoraDoc (*.vtp)</source>
        <translation>Kelvora documents (*.vtp)</translation>
    </message>
    <message>
        <source>Nový</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Uložit změny do %1?</source>
        <translation>Save changes to %1?</translation>
    </message>
    <message>
        <source>Otevřít</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Uložit jako</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Dokument „%1“ se nepodařilo otevřít. Je nainstalován prohlížeč souborů PDF?</source>
        <translation>The document “%1” could not be opened. Is a PDF viewer installed?</translation>
    </message>
</context>
<context>
    <name>kelvora::CQorView</name>
    <message>
        <source>Editovat › Vstupní údaje...</source>
        <translation>Edit › Input data...</translation>
    </message>
    <message>
        <source>Zadejte vstupní data: %1</source>
        <translation>Enter the input data: %1</translation>
    </message>
</context>
<context>
    <name>kelvora::CSegmentDlg</name>
    <message>
        <source>Úsek</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>Žádný</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Produkt - 1.vrstva...</source>
        <translation>Product, layer 1...</translation>
    </message>
    <message>
        <source>2. vrstva izolace</source>
        <translation>Insulation layer 2</translation>
    </message>
    <message>
        <source>Přídavné vybavení:</source>
        <translation>Auxiliary equipment:</translation>
    </message>
    <message>
        <source>Nové vybavení...</source>
        <translation>New equipment...</translation>
    </message>
    <message>
        <source>Upravit vybavení...</source>
        <translation>Edit equipment...</translation>
    </message>
    <message>
        <source>Prostředí</source>
        <translation>Surroundings</translation>
    </message>
    <message>
        <source>Teplota okolí [°C]:</source>
        <translation>Ambient temperature [°C]:</translation>
    </message>
    <message>
        <source>Vybrat místní klimatická data...</source>
        <translation>Select local climate data...</translation>
    </message>
    <message>
        <source>Souč. přestupu tepla vně [W/m2K]:</source>
        <translation>External heat transfer coefficient [W/m2K]:</translation>
    </message>
    <message>
        <source>Souč. přestupu tepla uvnitř [W/m2K]:</source>
        <translation>Internal heat transfer coefficient [W/m2K]:</translation>
    </message>
    <message>
        <source>Vnitřní povrch</source>
        <translation>Inner surface</translation>
    </message>
    <message>
        <source>Jméno:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Izolace</source>
        <translation>Insulation</translation>
    </message>
    <message>
        <source>Dodatečná tepelná ztráta způsobená závěsy je do výpočtu zahrnuta ekvivalentní délkou potrubí (dle ISO 12241 Příloha A)</source>
        <translation>The additional heat loss of the hangers is included in the calculation as an equivalent length (ISO 12241, Annex A).</translation>
    </message>
    <message>
        <source>Rozměry potrubí</source>
        <translation>Dimensions</translation>
    </message>
    <message>
        <source>Výška [mm]:</source>
        <translation>Height [mm]:</translation>
    </message>
    <message>
        <source>Šířka [mm]:</source>
        <translation>Width [mm]:</translation>
    </message>
    <message>
        <source>Délka [m]:</source>
        <translation>Length [m]:</translation>
    </message>
    <message>
        <source>Horizontální potrubí</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertikální potrubí</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Vnější povrch</source>
        <translation>Outer surface</translation>
    </message>
    <message>
        <source>Vybrat z databáze</source>
        <translation>Select from database</translation>
    </message>
    <message>
        <source>Uživatelsky def. emisivita:</source>
        <translation>User-defined emissivity:</translation>
    </message>
    <message>
        <source>Tok média do úseku</source>
        <translation>Flow into the section</translation>
    </message>
    <message>
        <source>Vybrat jednotky:</source>
        <translation>Unit:</translation>
    </message>
    <message>
        <source>Produkt - 2.vrstva...</source>
        <translation>Product, layer 2...</translation>
    </message>
    <message>
        <source>Smazat vybavení</source>
        <translation>Delete equipment</translation>
    </message>
</context>
<context>
    <name>kelvora::CTankTempDlg</name>
    <message>
        <source>Teplota v nádrži</source>
        <translation>Temperature in tanks</translation>
    </message>
    <message>
        <source>Prostředí</source>
        <translation>Surroundings</translation>
    </message>
    <message>
        <source>Okolní teplota [°C]:</source>
        <translation>Ambient temperature [°C]:</translation>
    </message>
    <message>
        <source>Souč. přestupu tepla vně</source>
        <translation>External heat transfer coefficient</translation>
    </message>
    <message>
        <source>Rozměry nádrže</source>
        <translation>Tank dimensions</translation>
    </message>
    <message>
        <source>Použijte hodn. naměř. uvnitř</source>
        <translation>Dimensions measured inside</translation>
    </message>
    <message>
        <source>Průměr [m]:</source>
        <translation>Diameter [m]:</translation>
    </message>
    <message>
        <source>Délka [m]:</source>
        <translation>Length [m]:</translation>
    </message>
    <message>
        <source>Šířka [m]:</source>
        <translation>Width [m]:</translation>
    </message>
    <message>
        <source>Výška [m]:</source>
        <translation>Height [m]:</translation>
    </message>
    <message>
        <source>Hloubka [m]:</source>
        <translation>Depth [m]:</translation>
    </message>
    <message>
        <source>Médium</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Vybrat médium z databáze</source>
        <translation>Select from database</translation>
    </message>
    <message>
        <source>Uživatelsky def. médium</source>
        <translation>User-defined medium</translation>
    </message>
    <message>
        <source>Hustota [kg/m3]:</source>
        <translation>Density [kg/m3]:</translation>
    </message>
    <message>
        <source>Tepelná kap. [J/kgK]:</source>
        <translation>Heat capacity [J/kgK]:</translation>
    </message>
    <message>
        <source>Bod tuhnutí [°C]:</source>
        <translation>Freezing point [°C]:</translation>
    </message>
    <message>
        <source>Jiná data</source>
        <translation>Other data</translation>
    </message>
    <message>
        <source>Počáteční teplota [°C]:</source>
        <translation>Start temperature [°C]:</translation>
    </message>
    <message>
        <source>Akumulační doba [h]:</source>
        <translation>Storage time [h]:</translation>
    </message>
    <message>
        <source>Konečná teplota [°C]:</source>
        <translation>End temperature [°C]:</translation>
    </message>
    <message>
        <source>Vnější povrch</source>
        <translation>Outer surface</translation>
    </message>
    <message>
        <source>Vybrat z databáze</source>
        <translation>Select from database</translation>
    </message>
    <message>
        <source>Uživatelsky def. emis.:</source>
        <translation>User-defined emissivity:</translation>
    </message>
    <message>
        <source>Vybrat místní klimatická data...</source>
        <translation>Select local climate data...</translation>
    </message>
    <message>
        <source>Vybrat produkt...</source>
        <translation>Select product...</translation>
    </message>
</context>
<context>
    <name>kelvora::CTillegg2Dlg</name>
    <message>
        <source>Přídavné vybavení</source>
        <translation>Auxiliary equipment</translation>
    </message>
    <message>
        <source>Nová položka...</source>
        <translation>New entry...</translation>
    </message>
    <message>
        <source>Aktualizovat položku...</source>
        <translation>Edit entry...</translation>
    </message>
    <message>
        <source>Název:</source>
        <translation>Name (Czech):</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name (English):</translation>
    </message>
    <message>
        <source>Přidaná délka potrubí / průměru potrubí</source>
        <translation>Added pipe length / pipe diameter</translation>
    </message>
    <message>
        <source>Smazat položku</source>
        <translation>Delete entry</translation>
    </message>
</context>
<context>
    <name>kelvora::CTilleggslengdeDlg</name>
    <message>
        <source>Přidaná délka potrubí / průměru potrubí</source>
        <translation>Added pipe length / pipe diameter</translation>
    </message>
    <message>
        <source>Přidaná délka potrubí [m]:</source>
        <translation>Added pipe length [m]:</translation>
    </message>
    <message>
        <source>Min. průměru potrubí [mm]:</source>
        <translation>Min. pipe diameter [mm]:</translation>
    </message>
    <message>
        <source>Max. průměru potrubí [mm]:</source>
        <translation>Max. pipe diameter [mm]:</translation>
    </message>
</context>
<context>
    <name>kelvora::CTilleggsutstyrDlg</name>
    <message>
        <source>Přídavné vybavení</source>
        <translation>Auxiliary equipment</translation>
    </message>
    <message>
        <source>Definovaný uživatelem:</source>
        <translation>User-defined:</translation>
    </message>
    <message>
        <source>Typ:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Počet kusů:</source>
        <translation>Quantity:</translation>
    </message>
    <message>
        <source>Přidaná délka potrubí [m]:</source>
        <translation>Added pipe length [m]:</translation>
    </message>
</context>
<context>
    <name>kelvora::CTitleDlg</name>
    <message>
        <source>Nezobrazovat toto okno při spuštění</source>
        <translation>Do not show this window at start-up</translation>
    </message>
    <message>
        <source>Klikněte na tlačítko &quot;Nápověda&quot; pro stručný úvod.</source>
        <translation>Click the &quot;Help&quot; button for a short introduction.</translation>
    </message>
</context>
<context>
    <name>kelvora::CUtvendigKondensDlg</name>
    <message>
        <source>Izolace proti vnější kondenzaci</source>
        <translation>Insulation against external condensation</translation>
    </message>
    <message>
        <source>Vybrat produkt...</source>
        <translation>Select product...</translation>
    </message>
    <message>
        <source>Prostředí</source>
        <translation>Surroundings</translation>
    </message>
    <message>
        <source>Okolní teplota [°C]:</source>
        <translation>Ambient temperature [°C]:</translation>
    </message>
    <message>
        <source>Vybrat místní klimatická data...</source>
        <translation>Select local climate data...</translation>
    </message>
    <message>
        <source>Souč. přestupu tepla vně</source>
        <translation>External heat transfer coefficient</translation>
    </message>
    <message>
        <source>Vnitřní povrch</source>
        <translation>Inner surface</translation>
    </message>
    <message>
        <source>Rozměry</source>
        <translation>Dimensions</translation>
    </message>
    <message>
        <source>Výška [mm]:</source>
        <translation>Height [mm]:</translation>
    </message>
    <message>
        <source>Šířka [mm]:</source>
        <translation>Width [mm]:</translation>
    </message>
    <message>
        <source>Rel. vlhkost vzd. [%]:</source>
        <translation>Relative air humidity [%]:</translation>
    </message>
    <message>
        <source>Jiná data</source>
        <translation>Other data</translation>
    </message>
    <message>
        <source>Teplota média [°C]:</source>
        <translation>Medium temperature [°C]:</translation>
    </message>
    <message>
        <source>Vnější povrch</source>
        <translation>Outer surface</translation>
    </message>
    <message>
        <source>Vybrat z databáze</source>
        <translation>Select from database</translation>
    </message>
    <message>
        <source>Uživat. def. emisiv.:</source>
        <translation>User-defined emissivity:</translation>
    </message>
</context>
<context>
    <name>kelvora::CVarmetapDlg</name>
    <message>
        <source>Tepelná ztráta</source>
        <translation>Heat loss</translation>
    </message>
    <message>
        <source>2. vrstva izolace</source>
        <translation>Insulation layer 2</translation>
    </message>
    <message>
        <source>3. vrstva izolace</source>
        <translation>Insulation layer 3</translation>
    </message>
    <message>
        <source>Produkt - 1.vrstva...</source>
        <translation>Product, layer 1...</translation>
    </message>
    <message>
        <source>Okolí</source>
        <translation>Surroundings</translation>
    </message>
    <message>
        <source>Vybrat místní klimatická data...</source>
        <translation>Select local climate data...</translation>
    </message>
    <message>
        <source>Souč. přestupu tepla vně</source>
        <translation>External heat transfer coefficient</translation>
    </message>
    <message>
        <source>Výpočet spotřeby energie</source>
        <translation>Calculate the annual energy loss and cost</translation>
    </message>
    <message>
        <source>Přídavné vybavení:</source>
        <translation>Auxiliary equipment:</translation>
    </message>
    <message>
        <source>Nové vybavení...</source>
        <translation>New equipment...</translation>
    </message>
    <message>
        <source>Upravit vybavení...</source>
        <translation>Edit equipment...</translation>
    </message>
    <message>
        <source>Typ výpočtu</source>
        <translation>Calculation type</translation>
    </message>
    <message>
        <source>Daná tloušťka izolace</source>
        <translation>Given insulation thickness</translation>
    </message>
    <message>
        <source>Max. povrchová teplota</source>
        <translation>Maximum surface temperature</translation>
    </message>
    <message>
        <source>Max. tep. ztráta</source>
        <translation>Maximum heat loss</translation>
    </message>
    <message>
        <source>Objekt</source>
        <translation>Object</translation>
    </message>
    <message>
        <source>Výška [mm]:</source>
        <translation>Height [mm]:</translation>
    </message>
    <message>
        <source>Šířka [mm]:</source>
        <translation>Width [mm]:</translation>
    </message>
    <message>
        <source>Délka potrubí [m]:</source>
        <translation>Length [m]:</translation>
    </message>
    <message>
        <source>Plocha [m2]:</source>
        <translation>Surface area [m2]:</translation>
    </message>
    <message>
        <source>*Použito pro výpočet tepelné ztráty neizolovaného potrubí</source>
        <translation>*Used for the heat loss of the uninsulated object</translation>
    </message>
    <message>
        <source>Teploty</source>
        <translation>Temperatures</translation>
    </message>
    <message>
        <source>Teplota média [°C]:</source>
        <translation>Medium temperature [°C]:</translation>
    </message>
    <message>
        <source>Okolní teplota [°C]:</source>
        <translation>Ambient temperature [°C]:</translation>
    </message>
    <message>
        <source>Tepelná ztráta [W/m]:</source>
        <translation>Heat loss [W/m]:</translation>
    </message>
    <message>
        <source>Tepelná ztráta [W/m2]:</source>
        <translation>Heat loss [W/m2]:</translation>
    </message>
    <message>
        <source>Izolace</source>
        <translation>Insulation</translation>
    </message>
    <message>
        <source>Povrch</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Vybrat z databáze</source>
        <translation>Select from database</translation>
    </message>
    <message>
        <source>Uživat. def. emisiv:</source>
        <translation>User-defined emissivity:</translation>
    </message>
    <message>
        <source>Spotřeba energie</source>
        <translation>Energy loss and cost</translation>
    </message>
    <message>
        <source>Provoz. doba [h/rok]:</source>
        <translation>Operating hours [h/year]:</translation>
    </message>
    <message>
        <source>Náklady energie na kWh:</source>
        <translation>Energy price per kWh:</translation>
    </message>
    <message>
        <source>Měna:</source>
        <translation>Currency:</translation>
    </message>
    <message>
        <source>Emise CO2 [g/kWh]:</source>
        <translation>CO2 emission [g/kWh]:</translation>
    </message>
    <message>
        <source>Vzduchovod</source>
        <translation>Duct</translation>
    </message>
    <message>
        <source>Přídavná ztráta neizolovaných závěsů je zahrnuta jako ekvivalentní délka potrubí podle ISO 12241, příloha A.</source>
        <translation>The additional heat loss of uninsulated hangers is included as an equivalent length (ISO 12241, Annex A).</translation>
    </message>
    <message>
        <source>Produkt - 2.vrstva...</source>
        <translation>Product, layer 2...</translation>
    </message>
    <message>
        <source>Produkt - 3.vrstva...</source>
        <translation>Product, layer 3...</translation>
    </message>
    <message>
        <source>Vnitřní povrch</source>
        <translation>Inner surface</translation>
    </message>
    <message>
        <source>Smazat vybavení</source>
        <translation>Delete equipment</translation>
    </message>
    <message>
        <source>Emisivita potrubí*:</source>
        <translation>Emissivity without insulation*:</translation>
    </message>
    <message>
        <source>Teplota povrchu [°C]:</source>
        <translation>Maximum surface temperature [°C]:</translation>
    </message>
</context>
<context>
    <name>kelvora::CVeskeDlg</name>
    <message>
        <source>Kapalina</source>
        <translation>Liquid</translation>
    </message>
    <message>
        <source>Název :</source>
        <translation>Name (Czech):</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Name (English):</translation>
    </message>
    <message>
        <source>Hustota [kg/m3]:</source>
        <translation>Density [kg/m3]:</translation>
    </message>
    <message>
        <source>Tepelná kapacita [J/kgK]:</source>
        <translation>Heat capacity [J/kgK]:</translation>
    </message>
    <message>
        <source>Bod tuhnutí [°C]:</source>
        <translation>Freezing point [°C]:</translation>
    </message>
</context>
<context>
    <name>kelvora::ExamplesMenu</name>
    <message>
        <source>&amp;Příklady</source>
        <translation>&amp;Examples</translation>
    </message>
    <message>
        <source>Tepelná ztráta horkovodu</source>
        <translation>Heat loss of a hot-water pipe</translation>
    </message>
    <message>
        <source>Změna teploty v teplovodní přípojce</source>
        <translation>Temperature change along a heating pipe</translation>
    </message>
    <message>
        <source>Změna teploty ve vzduchotechnickém potrubí</source>
        <translation>Temperature change along an air duct</translation>
    </message>
    <message>
        <source>Akumulační nádrž teplé vody</source>
        <translation>Hot-water storage tank</translation>
    </message>
    <message>
        <source>Zamrzání požární nádrže</source>
        <translation>Freezing fire-water tank</translation>
    </message>
    <message>
        <source>Vnější kondenzace na potrubí chladicí vody</source>
        <translation>External condensation on a chilled-water pipe</translation>
    </message>
    <message>
        <source>Vnitřní kondenzace v odtahu vlhkého vzduchu</source>
        <translation>Internal condensation in a humid exhaust duct</translation>
    </message>
    <message>
        <source>Protimrazová ochrana vodovodního potrubí</source>
        <translation>Frost protection of a water pipe</translation>
    </message>
    <message>
        <source>Útlum hluku ve vzduchotechnickém potrubí</source>
        <translation>Sound attenuation in a lined duct</translation>
    </message>
    <message>
        <source>Ekonomická tloušťka izolace horkovodu</source>
        <translation>Economic insulation thickness of a hot-water pipe</translation>
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
<context>
    <name>kelvora::LambdaPointsPanel</name>
    <message>
        <source>Teplota:</source>
        <translation>Temperature:</translation>
    </message>
    <message>
        <source>Tepelná vodivost:</source>
        <translation>Thermal conductivity:</translation>
    </message>
    <message>
        <source>Teplota %1 [°C]</source>
        <translation>Temperature %1 [°C]</translation>
    </message>
    <message>
        <source>Tepelná vodivost %1 [W/mK]</source>
        <translation>Thermal conductivity %1 [W/mK]</translation>
    </message>
    <message>
        <source>Pro zadání průběhu polynomu tepelné vodivosti použít 3 teploty</source>
        <translation>Use 3 temperatures for the thermal conductivity polynomial</translation>
    </message>
</context>
<context>
    <name>kelvora::ProductChooser</name>
    <message>
        <source>Databáze produkt</source>
        <translation>Database product</translation>
    </message>
    <message>
        <source>Jiný produkt</source>
        <translation>Other product</translation>
    </message>
    <message>
        <source>Název</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Výrobce</source>
        <translation>Manufacturer</translation>
    </message>
    <message>
        <source>Tloušťka [mm]:</source>
        <translation>Thickness [mm]:</translation>
    </message>
    <message>
        <source>Upravit produkt...</source>
        <translation>Edit product...</translation>
    </message>
    <message>
        <source>Výrobky lze třídit podle názvu, typu a výrobce kliknutím na příslušné označení sloupce</source>
        <translation>Products can be sorted by name, type or manufacturer by clicking the column heading</translation>
    </message>
</context>
<context>
    <name>kelvora::SurroundingsBox</name>
    <message>
        <source>Rychlost větru [m/s]:</source>
        <translation>Wind speed [m/s]:</translation>
    </message>
    <message>
        <source>Vnitřní (přirozené proudění)</source>
        <translation>Indoors (free convection)</translation>
    </message>
    <message>
        <source>Vnější (nucené proudění)</source>
        <translation>Outdoors (forced convection)</translation>
    </message>
</context>
</TS>
