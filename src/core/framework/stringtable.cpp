#include "core/framework/stringtable.h"

#include <algorithm>
#include <array>

#include "core/framework/cformat.h"

namespace kelvora {
namespace {

template <std::size_t N>
constexpr std::array<StringEntry, N> SortedById(std::array<StringEntry, N> entries) {
  std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.id < b.id; });
  return entries;
}

constexpr auto kEntries = SortedById(std::array{
    StringEntry{ids::kDocumentTemplate, "Kelvora®\nNový\nKelvoraDoc\nKelvoraDoc (*.vtp)\n.vtp",
                "Kelvora®\nNew\nKelvoraDoc\nKelvoraDoc (*.vtp)\n.vtp"},
    StringEntry{ids::kCalculationInterrupted,
                "Výpočet byl přerušen. Program není schopen správně vypočítat tepelnou ztrátu",
                "The calculation was interrupted. The program cannot calculate the heat loss correctly."},
    StringEntry{ids::kFormatEnergyPerYear, "%.0f kWh/rok", "%.0f kWh/year"},
    StringEntry{ids::kDatabaseReadError, "Chyba při čtení databázového souboru (%1).",
                "Error reading the database file (%1)."},
    StringEntry{ids::kDatabaseWriteError, "Chyba při zápisu databázového souboru (%1).",
                "Error writing the database file (%1)."},
    StringEntry{ids::kClimateReadError, "Chyba při čtení souboru (%1) obsahujícího klimatická data.",
                "Error reading the climate data file (%1)."},
    StringEntry{ids::kClimateWriteError, "Chyba při zápisu souboru (%1) obsahujícího klimatická data.",
                "Error writing the climate data file (%1)."},
    StringEntry{ids::kCostReadError, "Chyba při čtení souboru (%1) obsahujícího cenu izolace.",
                "Error reading the insulation cost file (%1)."},
    StringEntry{ids::kCostWriteError, "Chyba při zápisu ceny izolace do souboru (%1).",
                "Error writing the insulation cost file (%1)."},
    StringEntry{
        ids::kMissingProduct,
        "Soubor, který otevíráte obsahuje odkaz na produkt (%s). Tento produkt není obsažen v databázi. "
        "Vyberte prosím produkt z níže uvedené databáze. ",
        "The file you are opening refers to the product (%s), which the database does not hold. "
        "Please choose a product from the database below. "},
    StringEntry{
        ids::kMissingEquipment,
        "Soubor, který otevíráte obsahuje odkaz na doplňkové vybavení (%s). Tento doplněk není obsažen v "
        "databázi. Vyberte prosím jiný doplněk z níže uvedené databáze. ",
        "The file you are opening refers to the auxiliary equipment (%s), which the database does not "
        "hold. Please choose other equipment from the database below. "},
    StringEntry{
        ids::kMissingLiquid,
        "Soubor, který otevíráte obsahuje odkaz na kapalinu (%s). Tato kapalina není obsažena v databázi. "
        "Vyberte prosím kapalinu z níže uvedené databáze.",
        "The file you are opening refers to the liquid (%s), which the database does not hold. Please "
        "choose a liquid from the database below."},
    StringEntry{ids::kRecordInUse,
                "Tento vstup je vybrán v jednom nebo více případech. To znamená, že nemůže být smazán.",
                "This entry is chosen in one or more calculations, so it cannot be deleted."},
    StringEntry{
        ids::kEqualPointTemperatures,
        "Dva body mají stejnou teplotu, takže jimi nelze proložit polynom. Zadejte prosím různé teploty.",
        "Two points have the same temperature, so no polynomial passes through them. Please enter "
        "different temperatures."},
    StringEntry{ids::kDocumentReadError, "Chyba při čtení dokumentu (%1).",
                "Error reading the document (%1)."},
    StringEntry{ids::kDocumentWriteError, "Chyba při zápisu dokumentu (%1).",
                "Error writing the document (%1)."},
    StringEntry{ids::kRegulationFails, "U = %.2f > %.2f => NEVYHOVUJE požadavku vyhlášky č. 193/2007 Sb. ",
                "U = %.2f > %.2f => Does NOT comply with Czech regulation 193/2007 Sb. "},
    StringEntry{ids::kRegulationComplies, "U = %.2f < %.2f => VYHOVUJE požadavku vyhlášky č. 193/2007 Sb. ",
                "U = %.2f < %.2f => In compliance with Czech regulation 193/2007 Sb. "},
    StringEntry{ids::kRegulationRequiredThickness,
                "Nutná tloušťka izolace pro splnění vyhlášky č. 193/2007 Sb. (§9, odst. 4): %.0f mm",
                "Insulation thickness required Czech regulation 193/2007 Sb. (§9, odst. 4): %.0f mm"},
    StringEntry{ids::kRegulationNoteWarm,
                "Pro více informací o součiniteli prostupu tepla U požadovaného vyhláškou klikněte zde. ",
                "For more information click on the button in the top toolbar marked Vyhl. 193"},
    StringEntry{ids::kRegulationNoteCold,
                "Vnitřní rozvody chladu s teplotou média nižší než +5 °C musí být izolovány tloušťkou\n"
                "1,5násobku tloušťky požadované podle kritéria součinitele prostupu tepla U.",
                "Internal cold piping with the medium temperature lower than 5 °C have to be insulated with "
                "thickness 1.5 times thickness required according to U-value criterion."},
    StringEntry{
        ids::kRegulationNoteIndoorsOnly,
        "Tento požadavek platí pouze pro rozvody umístěné v interiéru! Pro více informací klikněte zde.",
        "This requirement applies to indoor piping only! Click here for more information."},
    StringEntry{ids::kSoundThicknessChanged,
                "Data pro Vybrat tloušťky pro útlum hluku byla změněna. Toto ovlivní výsledek výpočtu.",
                "The data of the chosen thickness for sound attenuation have changed. This affects the "
                "result of the calculation."},
    StringEntry{ids::kSoundThicknessMissing,
                "Vybraná tloušťka %s mm pro tlumič hluku %s byla vymazána. Vyberte prosím jinou tloušťku z "
                "níže uvedené databáze.",
                "The chosen thickness %s mm of the sound absorber %s was deleted. Please choose another "
                "thickness from the database below."},
    StringEntry{ids::kLargerThanMaxStandardThickness, "Tlustší než max. standardní tloušťka",
                "Larger than max. std. insulation thickness"},
    StringEntry{ids::kInsulationThicknessExcess, "Přebytek izolační tloušťky, ukončení výpočtu.",
                "Excessive insulation thickness, the calculation was stopped."},
    // The heat-loss input dialog.
    StringEntry{ids::kFieldHeight, "výška", "height"},
    StringEntry{ids::kFieldWidth, "šířka", "width"},
    StringEntry{ids::kFieldDiameter, "průměr", "diameter"},
    StringEntry{ids::kFieldArea, "plocha", "area"},
    StringEntry{ids::kFieldPipeLength, "délka potrubí", "pipe length"},
    StringEntry{ids::kFieldEmissivity, "emisivita", "emissivity"},
    StringEntry{ids::kFieldEnergyPrice, "náklady na energii", "energy cost"},
    StringEntry{ids::kFieldOperatingHours, "provozní doba", "operating time"},
    StringEntry{ids::kFieldWindSpeed, "rychlost větru", "wind velocity"},
    StringEntry{ids::kFieldOuterCoefficient, "koef. přestupu tepla vně", "outer heat transfer coeff."},
    StringEntry{ids::kFieldSurfaceTemperature, "teplota povrchu", "surface temperature"},
    StringEntry{ids::kFieldHeatLoss, "tepelná ztráta", "heat loss"},
    StringEntry{ids::kKindChangeNeedsProduct,
                "Varování: Po změně typu produktu je nutné znovu vybrat izolační materiál.\n",
                "Warning: after changing the object type the insulation material must be chosen again.\n"},
    StringEntry{ids::kTemperatureDifferenceTooSmall,
                "Mezi teplotou média a okolní teplotou musí být rozdíl nejméně 0,1 °C.",
                "The medium and ambient temperatures must differ by at least 0.1 °C."},
    StringEntry{ids::kChooseSurface, "Vyberte prosím povrchovou úpravu z rozbalovacího seznamu.",
                "Please choose a surface finish from the drop-down list."},
    StringEntry{ids::kMediumAboveProductLimit,
                "Varování: Teplota média překracuje max. doporuc. teplotu použití pro vybraný iz. produkt.",
                "Warning: the medium temperature exceeds the max. recommended service temperature of the chosen "
                "insulation product."},
    StringEntry{ids::kAmbientAboveProductLimit,
                "Varování: Okolní teplota je vyšší než maximální doporučená pro vybraný izolační produkt.",
                "Warning: the ambient temperature is higher than the maximum recommended for the chosen insulation "
                "product."},
    StringEntry{ids::kChooseInsulationProduct, "Vyberte prosím izolační produkt z rozbalovacího seznamu",
                "Please choose an insulation product from the drop-down list"},
    StringEntry{ids::kInsulationTooThickForDuct,
                "Vypočítaná tloušťka izolace je příliš velká pro vybraný rozměr potrubí při použití vnitřní "
                "izolace. ",
                "The calculated insulation thickness is too large for the chosen duct size with internal "
                "insulation. "},
    StringEntry{ids::kInterfaceAboveProductLimit,
                "Varování: teplota mezi vrstvou 1 a 2 překračuje maximální dovolenou teplotu pro izolační "
                "produkt v druhé vrstvě.",
                "Warning: the temperature between layers 1 and 2 exceeds the maximum permitted temperature "
                "of the insulation product in the second layer."},
    StringEntry{ids::kLayerSummary, "Produkt:\n%s", ""},
    StringEntry{ids::kLayerSummaryWithThickness, "Produkt:\n%s\nTloušťka: %.1f mm", ""},
    StringEntry{ids::kArchiveEndOfFile, "Soubor končí dříve, než obsah, který popisuje.",
                "The file ends before the content it describes."},
    StringEntry{ids::kArchiveBadSchema, "Soubor obsahuje objekt neznámé verze.",
                "The file holds an object of an unknown version."},
    StringEntry{ids::kArchiveBadClass, "Soubor obsahuje objekt neznámého druhu.",
                "The file holds an object of an unknown kind."},
    StringEntry{ids::kArchiveBadIndex, "Soubor obsahuje neplatný odkaz na objekt.",
                "The file holds an invalid object reference."},
    StringEntry{ids::kArchiveWrongClass,
                "Soubor obsahuje objekt jiného druhu, než je na tomto místě očekáván.",
                "The file holds an object of another kind than expected at this place."},
    StringEntry{ids::kArchiveTooDeep, "Soubor obsahuje příliš hluboko vnořené objekty.",
                "The file holds objects nested too deeply."},
    StringEntry{ids::kArchiveReadOnly, "Do souboru otevřeného pro čtení nelze zapisovat.",
                "A file opened for reading cannot be written."},
    StringEntry{ids::kArchiveWriteOnly, "Ze souboru otevřeného pro zápis nelze číst.",
                "A file opened for writing cannot be read."},
    StringEntry{ids::kArchiveMissingRecord,
                "Soubor odkazuje na záznam, který databáze neobsahuje, a náhrada nebyla vybrána.",
                "The file refers to a record the database does not hold, and no replacement was chosen."},
    // Record dialogs
    StringEntry{ids::kLengthsEmpty, "Do seznamu je nutné zadat minimálně jednu vstupní hodnotu",
                "The list must hold at least one entry"},
    StringEntry{ids::kThicknessesEmpty, "Musíte zadat nejméně jednu tloušťku!",
                "At least one thickness must be given!"},
    StringEntry{ids::kThicknessInUse, "Nelze smazat tloušťku vybranou pro výpočet.",
                "A thickness chosen for a calculation cannot be deleted."},
    StringEntry{ids::kChooseLocation, "Vyberte prosím umístění ze seznamu", "Please choose a location from the list"},
    StringEntry{ids::kDiscardChanges,
                "Provedené změny budou ztraceny. Klikněte na OK, pokud chcete přesto pokračovat. ",
                "The changes made will be lost. Click OK to continue anyway. "},
    // Product dialogs
    StringEntry{ids::kTypeWiredMat, "Rohože na pletivu", "Wired mat"},
    StringEntry{ids::kTypeLamellaMat, "Lamelové rohože", "Lamella mat"},
    StringEntry{ids::kTypeSlab, "Desky", "Slab"},
    StringEntry{ids::kTypePipeSection, "Izolační pouzdra", "Pipe section"},
    StringEntry{ids::kTypeRoll, "Pásy, plstě", "Roll, wrap or felt"},
    StringEntry{ids::kTypeOther, "Jiné", "Other"},
    StringEntry{ids::kNoStandardThickness, "Musíte zadat nejméně jednu tloušťku!",
                "At least one thickness must be given!"},
    StringEntry{ids::kThicknessBelowMin, "Standardní tloušťka je menší než min. tloušťka.",
                "A standard thickness is below the min. thickness."},
    StringEntry{ids::kThicknessAboveMax, "Standardní tloušťka přesahuje max. tloušťku.",
                "A standard thickness exceeds the max. thickness."},
    // Database dialogs
    StringEntry{ids::kTextTooLong, "Prosím nevkládejte více než %1 znaků.",
                "Please enter no more than %1 characters."},
    StringEntry{ids::kChooseFromList,
                "Musíte vybrat hodnotu z rozbalovacího seznamu a pro pokračování kliknout na OK.",
                "You must choose a value from the drop-down list and click OK to continue."},
    StringEntry{ids::kDiscardDatabaseChanges, "Zrušit všechny změny v databázi?",
                "Discard all changes to the database?"},
    StringEntry{ids::kWriteDatabase, "Povolit změny a zapsat databázi na disk?",
                "Accept the changes and write the database to disk?"},
    StringEntry{ids::kEnterName, "Je nutné zadat název!", "A name must be given!"},
    StringEntry{ids::kNameNotUnique, "Prosím vložte specifický název.", "Please enter a name of its own."},
    StringEntry{ids::kValueOutOfRange, "Hodnoty %s musí být v rozmezí %.2f-%.2f",
                "Values of %s must lie within %.2f-%.2f"},
    StringEntry{ids::kEnterNumber, "Prosím vložte číslo.", "Please enter a number."},
    StringEntry{ids::kEnterNumberBetween, "Prosím vložte číslo mezi %1 a %2.",
                "Please enter a number between %1 and %2."},
    StringEntry{ids::kHelpFailed, "Nápovědu se nepodařilo spustit.", "The help could not be started."},
    StringEntry{ids::kConfirmDelete, "Opravdu chcete smazat \"%1\" ?",
                "Do you really want to delete \"%1\" ?"},
    StringEntry{ids::kListEmpty, "Tento seznam je prázdný!", "This list is empty!"},
    StringEntry{ids::kHlTitle, "Výpočet tepelné ztráty", "Heat loss calculation"},
    StringEntry{ids::kHlResults, "Výsledky", "Results"},
    StringEntry{ids::kHlInput, "Vstupní hodnoty", "Input"},
    StringEntry{ids::kHlThicknessNeededHeading, "Požadovaná tl. izolace", "Insulation thickness needed"},
    StringEntry{ids::kHlStandardHeading, "Stand. tl. izolace", "Std. ins. thickness"},
    StringEntry{ids::kHlSurfaceTemperature, "Povrchová teplota izolace", "Surface temperature"},
    StringEntry{ids::kHlHeatLoss, "Tepelná ztráta", "Heat loss"},
    StringEntry{ids::kHlTransmittancePlane, "Součinitel prostupu tepla izolované plochy",
                "Thermal transmittance of insulated surface"},
    StringEntry{ids::kHlTransmittancePipe, "Součinitel prostupu tepla izolovaného potrubí",
                "Thermal transmittance of insulated pipe/duct"},
    StringEntry{ids::kHlLambda, "Tepelná vodivost  izolace", "Lambda-value insulation"},
    StringEntry{ids::kHlLambda1, "Tepelná vodivost izolace 1", "Lambda-value insulation 1"},
    StringEntry{ids::kHlLambda2, "Tepelná vodivost izolace 2", "Lambda-value insulation 2"},
    StringEntry{ids::kHlLambda3, "Tepelná vodivost izolace 3", "Lambda-value insulation 3"},
    StringEntry{ids::kHlOuterCoefficient, "Souč. přestupu tepla vně", "Heat transfer coeff."},
    StringEntry{ids::kHlInnerCoefficient, "Souč. přestupu tepla uvnitř", "Internal heat tranfer coeff."},
    StringEntry{ids::kHlInnerSurfaceTemperature, "Vnitřní povrchová teplota na výstupu",
                "Internal surface temperature"},
    StringEntry{ids::kHlTotal, "Celková tepelná ztráta", "Total heat loss"},
    StringEntry{ids::kHlAuxiliary, "Tepelná ztráta způsobená doplňkovým vybavením (tepelnými mosty)",
                "Heat loss due to aux. equipment"},
    StringEntry{ids::kHlTotalWithAuxiliary,
                "Celková tepelná ztráta zahrnující vliv doplňkového vybavení (tepelných mostů) ",
                "Total heat loss including aux. equipment"},
    StringEntry{ids::kHlEnergy, "Roční ztráty energie", "Energy loss"},
    StringEntry{ids::kHlEnergyCost, "Roční náklady na energii", "Energy cost"},
    StringEntry{ids::kHlBare, "Tepelná ztráta bez izolace (emisivita = %.2f)",
                "Heat loss without insulation (emissivity = %.2f)"},
    StringEntry{ids::kHlBareTotal, "Celková tepelná ztráta bez izolace",
                "Total heat loss without insulation"},
    StringEntry{ids::kHlSaving, "Energetická úspora po zaizolování ", "Percent savings"},
    StringEntry{ids::kHlAmount, "Nutné množství izolace", "Required insulation amount"},
    StringEntry{ids::kHlAmount1, "Nutné množství izolace vrstva 1", "Required insulation amount layer 1"},
    StringEntry{ids::kHlAmount2, "Nutné množství izolace vrstva 2", "Required insulation amount layer 2"},
    StringEntry{ids::kHlAmount3, "Nutné množství izolace vrstva 3", "Required insulation amount layer 3"},
    StringEntry{ids::kHlBareEnergy, "Roční ztráta energie bez izolace", "Energy use without insulation"},
    StringEntry{ids::kHlBareEnergyCost, "Roční náklady na energii bez izolace",
                "Energy cost without insulation"},
    StringEntry{ids::kHlCo2Saved, "Úspora CO2 emisí", "Saved CO2-emissions"},
    StringEntry{ids::kHlTemperature12, "Teplota mezi vrstvou 1 a 2", "Temperature between 1st and 2nd layer"},
    StringEntry{ids::kHlTemperature23, "Teplota mezi vrstvou 2 a 3", "Temperature between 2nd and 3rd layer"},
    StringEntry{ids::kHlThicknessNeeded, "Nutná tloušťka izolace", "Insulation thickness"},
    StringEntry{ids::kHlClosestStandard, "Nejbližší standardní tloušťka izolace",
                "Closest std. insulation thickness"},
    StringEntry{ids::kHlThickness, "Tloušťka izolace", "Insulation thickness"},
    StringEntry{ids::kHlObjectType, "Typ", "Pipe/duct type"},
    StringEntry{ids::kHlKindPipe, "Potrubí", "Pipe"},
    StringEntry{ids::kHlKindCircular, "Kruhové potrubí", "Circular"},
    StringEntry{ids::kHlKindRectangular, "Obdélníkové potrubí, vnější izolace", "Rectangular"},
    StringEntry{ids::kHlKindRectangularInside, "Obdélníkové potrubí, vnitřní izolace",
                "Internally insulated duct"},
    StringEntry{ids::kHlKindPlane, "Vnější plošná izolace", "Plane surface (wall)"},
    StringEntry{ids::kHlKindPlaneInside, "Vnitřní plošná izolace", ""},
    StringEntry{ids::kHlDiameter, "Průměr potrubí", "Internal diameter"},
    StringEntry{ids::kHlLength, "Délka potrubí", "Pipe length"},
    StringEntry{ids::kHlHeight, "Výška potrubí", "Internal height"},
    StringEntry{ids::kHlWidth, "Šířka potrubí", "Internal width"},
    StringEntry{ids::kHlArea, "Plocha", "Surface area"},
    StringEntry{ids::kHlAreaInside, "Plocha", ""},
    StringEntry{ids::kHlCalculationType, "Kalkulační kritérium", "Calculation type"},
    StringEntry{ids::kHlGivenThickness, "Daná tloušťka izolace", "Given insulation thickness"},
    StringEntry{ids::kHlLayer1Thickness, "Tloušťka izolace - vrstva 1", "Thickness insulation layer 1"},
    StringEntry{ids::kHlLayer2Thickness, "Tloušťka izolace - vrstva 2", "Thickness insulation layer 2"},
    StringEntry{ids::kHlLayer3Thickness, "Tloušťka izolace - vrstva 3", "Thickness insulation layer 3"},
    StringEntry{ids::kHlGivenSurfaceTemperature, "Maximální povrchová teplota", "Given surface temperature"},
    StringEntry{ids::kHlMaxSurfaceTemperature, "Povrchová teplota", "Max. surface temperature"},
    StringEntry{ids::kHlGivenHeatLoss, "Maximální tepelná ztráta", "Given heat loss"},
    StringEntry{ids::kHlMaxHeatLoss, "Maximální tepelná ztráta", "Max. heat loss"},
    StringEntry{ids::kHlDegreeHours, "Tepelná ztráta podle denostupňů", "Heat loss by degree-hours"},
    StringEntry{ids::kHlProduct1, "Izolační produkt - vrstva 1", "Product layer 1"},
    StringEntry{ids::kHlProduct2, "Izolační produkt - vrstva 2", "Product layer 2"},
    StringEntry{ids::kHlProduct3, "Izolační produkt - vrstva 3", "Product layer 3"},
    StringEntry{ids::kHlOuterSurface, "Vnější povrchová úprava", "External surface"},
    StringEntry{ids::kHlUserSurface, "Uživatelsky definované", "User defined surface"},
    StringEntry{ids::kHlEmissivity, "Emisivita povrchu", "Emissivity"},
    StringEntry{ids::kHlInnerSurface, "Vnitřní povrchová úprava", "Internal surface"},
    StringEntry{ids::kHlMediumTemperature, "Teplota média", "Medium temperature"},
    StringEntry{ids::kHlAmbientTemperature, "Okolní teplota", "Ambient temperature"},
    StringEntry{ids::kHlSurroundings, "Prostředí", "Surroundings"},
    StringEntry{ids::kHlIndoors, "Vnitřní (přirozené proudění)", "Free convection (indoors)"},
    StringEntry{ids::kHlOutdoors, "Vnější (nucené proudění)", "Forced convection (outdoors)"},
    StringEntry{ids::kHlWindSpeed, "Rychlost větru", "Wind velocity"},
    StringEntry{ids::kHlUserCoefficient, "Uživatelsky def. souč. přestupu tepla vně", ""},
    StringEntry{ids::kHlCoefficient, "Souč. přestupu tepla", "Heat transfer coeff."},
    StringEntry{ids::kHlEquipment, "Doplň. vybavení", "Aux. equipment"},
    StringEntry{ids::kHlOperatingHours, "Provozní doba", "Operating hours"},
    StringEntry{ids::kHlEnergyPrice, "Náklady na kWh energie", "Energy cost"},
    StringEntry{ids::kHlCo2Emission, "Emise CO2", "CO2 emission"},
    StringEntry{ids::kHlCurrency, "Měna", "Currency"},
    StringEntry{ids::kHlAirFlow, "Průtok", "Air flow"},
    StringEntry{ids::kHlHangers, "Neizolované potrubní závěsy", "Uninsulated pipe suspensions"},
    StringEntry{ids::kYes, "Ano", "Yes"},
    StringEntry{ids::kNo, "Ne", "No"},
    StringEntry{ids::kFormatCostPerYear, "%.0f %s/rok", "%.0f %s/year"},
    StringEntry{ids::kFormatKgPerYear, "%.0f kg/rok", "%.0f kg/year"},
    StringEntry{ids::kFormatHoursPerYear, "%.0f h/rok", "%.0f h/year"},
    StringEntry{ids::kAppTitle, "Kelvora®", ""},
    StringEntry{ids::kCurrency, "Kč", ""},
    // Report page items
    StringEntry{ids::kHeaderVersion, "Verze programu: %.2f", "Program version: %.2f"},
    StringEntry{ids::kHeaderTimeDate, "Čas/datum: %02d:%02d  %02d.%02d %d",
                "Time/date: %02d:%02d  %02d.%02d %d"},
    StringEntry{ids::kHeaderProject, "Projekt: %s", "Project: %s"},
    StringEntry{ids::kHeaderEquipment, "Název zařízení: %s", "Equipment: %s"},
    StringEntry{ids::kHeaderResponsible, "Zodpovědná osoba: %s", "Responsible person: %s"},
    StringEntry{ids::kHeaderFileName, "Název souboru: %s", "File name: %s"},
    StringEntry{ids::kTitleHeatLoss, "Výpočet tepelných ztrát", "Heat loss calculation"},
    StringEntry{ids::kTitlePipeRun, "Změna teploty v potrubí", "Temperature change in pipes/ducts"},
    StringEntry{ids::kTitleTank, "Teplota v nádrži", "Temperature in tanks"},
    StringEntry{ids::kTitleExternalCondensation, "Izolace proti vnější kondenzaci",
                "Insulation against external condensation"},
    StringEntry{ids::kTitleInternalCondensation, "Izolace proti vnitřní kondenzaci",
                "Insulation against internal condensation"},
    StringEntry{ids::kTitleFrost, "Protimrazová ochrana vodovodních potrubí", "Frost protection of pipes"},
    StringEntry{ids::kTitleSound, "Útlum hluku v potrubí", "Sound attenuation"},
    StringEntry{ids::kTitleEconomics, "Ekonomika izolace", "Economical insulation"},
    StringEntry{ids::kFooterAddress, "Mirelta s.r.o., Technická 12, 616 00 Brno", ""},
    StringEntry{ids::kFooterEmail, "E-mail: podpora@mirelta.cz", ""},
    StringEntry{ids::kFooterPageNumber, "Strana %d/%d", "Page %d/%d"},
    StringEntry{ids::kMountingSpaceTitle, "Doporučené odstupové vzdálenosti", "Space needed for mounting"},
});

constexpr bool IdsAreUnique() {
  for (std::size_t i = 1; i < kEntries.size(); ++i) {
    if (kEntries[i - 1].id == kEntries[i].id) return false;
  }
  return true;
}
static_assert(IdsAreUnique(), "two string-table entries share an id");

}  // namespace

std::span<const StringEntry> StringTable() { return kEntries; }

std::string_view LoadResourceString(int id, Language language) {
  const auto it = std::lower_bound(kEntries.begin(), kEntries.end(), id,
                                   [](const StringEntry& e, int key) { return e.id < key; });
  if (it == kEntries.end() || it->id != id) return {};
  return language == Language::English && !it->english.empty() ? it->english : it->czech;
}

std::string FormatWithResource(int id, float value, Language language) {
  return FormatC(LoadResourceString(id, language), {static_cast<double>(value)});
}

}  // namespace kelvora
