#pragma once

#include <span>
#include <string>
#include <string_view>

namespace kelvora {

enum class Language { Czech, English };

// Every text the program shows or formats lives in one table: id -> Czech, English.
struct StringEntry {
  int id;
  std::string_view czech;
  std::string_view english;  // empty where the text is the same in both languages
};

// Numbers below 20000 and from 57344 up are the program's historic ids; texts added
// since take numbers from 20000.
namespace ids {
constexpr int kDocumentTemplate = 2;
constexpr int kCalculationInterrupted = 36;
constexpr int kFormatEnergyPerYear = 20000;
constexpr int kDatabaseReadError = 20001;
constexpr int kDatabaseWriteError = 20002;
constexpr int kClimateReadError = 20003;
constexpr int kClimateWriteError = 20004;
constexpr int kCostReadError = 20005;
constexpr int kCostWriteError = 20006;
constexpr int kMissingProduct = 20007;
constexpr int kMissingEquipment = 20008;
constexpr int kMissingLiquid = 20009;
constexpr int kRecordInUse = 20010;
constexpr int kEqualPointTemperatures = 20011;
constexpr int kDocumentReadError = 20012;
constexpr int kDocumentWriteError = 20013;
// Graphs of the heat-loss and frost reports.
constexpr int kHlGraphLossTitle = 21900;
constexpr int kHlGraphSurfaceTitle = 21901;
constexpr int kHlGraphAxisThickness = 21902;
constexpr int kHlGraphAxisPerMetre = 21903;
constexpr int kHlGraphAxisPerSquareMetre = 21904;
constexpr int kHlGraphComputedThickness = 21905;
constexpr int kHlGraphGivenThickness = 21906;
constexpr int kHlGraphStandardThickness = 21907;
constexpr int kHlGraphMaxSurfaceTemperature = 21908;
constexpr int kHlGraphAxisSurfaceTemperature = 21909;
constexpr int kFrostGraphTitle = 21920;
constexpr int kFrostGraphCurve = 21921;
constexpr int kFrostGraphCoolingEnd = 21922;
constexpr int kFrostGraphDamageRisk = 21923;
constexpr int kFrostGraphAmbient = 21924;
constexpr int kFrostGraphAxisTemperature = 21925;
constexpr int kGraphAxisTime = 21926;
constexpr int kTankGraphAxisTemperature = 21927;
constexpr int kTankGraphTitle = 21930;
// A legend entry of a level the graph's range leaves out; of the bare object's value.
constexpr int kGraphOutsideRange = 21928;
constexpr int kGraphNoInsulation = 21929;
// Record dialogs.
constexpr int kLengthsEmpty = 20450;
constexpr int kThicknessesEmpty = 20451;
constexpr int kThicknessInUse = 20452;
constexpr int kChooseLocation = 20453;
constexpr int kDiscardChanges = 20454;
// The graphs of the pipe and duct run and of the economics module.
constexpr int kRunGraphTitle = 21950;
constexpr int kRunGraphAxisLength = 21951;
constexpr int kRunGraphAxisTemperature = 21952;
constexpr int kRunGraphFreezingPoint = 21953;
constexpr int kRunGraphDewPoint = 21954;
constexpr int kEcoGraphTitle = 21960;
constexpr int kEcoGraphAxisThickness = 21961;
constexpr int kEcoGraphCheapest = 21962;
constexpr int kEcoGraphAxisCost = 21966;
constexpr int kEcoGraphBare = 21967;
constexpr int kEcoOptimumAboveThickest = 21963;
constexpr int kEcoOptimumBelowThinnest = 21964;
constexpr int kEcoOptimumAroundOnlyThickness = 21965;
// Product dialogs; the English texts of the product types had ids 45 to 50 of their own.
constexpr int kTypeWiredMat = 37;
constexpr int kTypeLamellaMat = 38;
constexpr int kTypeSlab = 39;
constexpr int kTypePipeSection = 40;
constexpr int kTypeRoll = 41;
constexpr int kTypeOther = 42;
constexpr int kNoStandardThickness = 20406;
constexpr int kThicknessBelowMin = 20407;
constexpr int kThicknessAboveMax = 20408;
// Database dialogs.
constexpr int kTextTooLong = 20500;
constexpr int kChooseFromList = 20501;
constexpr int kDiscardDatabaseChanges = 20502;
constexpr int kWriteDatabase = 20503;
// Dialogs.
constexpr int kEnterName = 20300;
constexpr int kNameNotUnique = 20301;
constexpr int kValueOutOfRange = 20302;
constexpr int kEnterNumber = 20303;
constexpr int kEnterNumberBetween = 20304;
constexpr int kHelpFailed = 20305;
constexpr int kConfirmDelete = 20306;
constexpr int kListEmpty = 20307;
constexpr int kEnterWholeNumber = 20308;
// The insulation and equipment selection dialogs.
constexpr int kFieldLayerThickness = 20600;
constexpr int kChooseEquipmentType = 62534;
// The heat-loss report.
constexpr int kHlTitle = 20200;
constexpr int kHlResults = 20201;
constexpr int kHlInput = 20202;
constexpr int kHlThicknessNeededHeading = 20203;
constexpr int kHlStandardHeading = 20204;
constexpr int kHlSurfaceTemperature = 20205;
constexpr int kHlHeatLoss = 20206;
constexpr int kHlTransmittancePlane = 20207;
constexpr int kHlTransmittancePipe = 20208;
constexpr int kHlLambda = 20209;
constexpr int kHlLambda1 = 20210;
constexpr int kHlLambda2 = 20211;
constexpr int kHlLambda3 = 20212;
constexpr int kHlOuterCoefficient = 20213;
constexpr int kHlInnerCoefficient = 20214;
constexpr int kHlInnerSurfaceTemperature = 20215;
constexpr int kHlTotal = 20216;
constexpr int kHlAuxiliary = 20217;
constexpr int kHlTotalWithAuxiliary = 20218;
constexpr int kHlEnergy = 20219;
constexpr int kHlEnergyCost = 20220;
constexpr int kHlBare = 20221;
constexpr int kHlBareTotal = 20222;
constexpr int kHlSaving = 20223;
constexpr int kHlAmount = 20224;
constexpr int kHlAmount1 = 20225;
constexpr int kHlAmount2 = 20226;
constexpr int kHlAmount3 = 20227;
constexpr int kHlBareEnergy = 20228;
constexpr int kHlBareEnergyCost = 20229;
constexpr int kHlCo2Saved = 20230;
constexpr int kHlTemperature12 = 20231;
constexpr int kHlTemperature23 = 20232;
constexpr int kHlThicknessNeeded = 20233;
constexpr int kHlClosestStandard = 20234;
constexpr int kHlThickness = 20235;
constexpr int kHlObjectType = 20236;
constexpr int kHlKindPipe = 20237;
constexpr int kHlKindCircular = 20238;
constexpr int kHlKindRectangular = 20239;
constexpr int kHlKindRectangularInside = 20240;
constexpr int kHlKindPlane = 20241;
constexpr int kHlKindPlaneInside = 20242;
constexpr int kHlDiameter = 20243;
constexpr int kHlLength = 20244;
constexpr int kHlHeight = 20245;
constexpr int kHlWidth = 20246;
constexpr int kHlArea = 20247;
constexpr int kHlAreaInside = 20248;
constexpr int kHlCalculationType = 20249;
constexpr int kHlGivenThickness = 20250;
constexpr int kHlLayer1Thickness = 20251;
constexpr int kHlLayer2Thickness = 20252;
constexpr int kHlLayer3Thickness = 20253;
constexpr int kHlGivenSurfaceTemperature = 20254;
constexpr int kHlMaxSurfaceTemperature = 20255;
constexpr int kHlGivenHeatLoss = 20256;
constexpr int kHlMaxHeatLoss = 20257;
constexpr int kHlDegreeHours = 20258;
constexpr int kHlProduct1 = 20259;
constexpr int kHlProduct2 = 20260;
constexpr int kHlProduct3 = 20261;
constexpr int kHlOuterSurface = 20262;
constexpr int kHlUserSurface = 20263;
constexpr int kHlEmissivity = 20264;
constexpr int kHlInnerSurface = 20265;
constexpr int kHlMediumTemperature = 20266;
constexpr int kHlAmbientTemperature = 20267;
constexpr int kHlSurroundings = 20268;
constexpr int kHlIndoors = 20269;
constexpr int kHlOutdoors = 20270;
constexpr int kHlWindSpeed = 20271;
constexpr int kHlUserCoefficient = 20272;
constexpr int kHlCoefficient = 20273;
constexpr int kHlEquipment = 20274;
constexpr int kHlOperatingHours = 20275;
constexpr int kHlEnergyPrice = 20276;
constexpr int kHlCo2Emission = 20277;
constexpr int kHlCurrency = 20278;
constexpr int kHlAirFlow = 20279;
constexpr int kHlHangers = 20280;
// The rows of a duct or a plane where the texts above speak of a pipe.
constexpr int kDuctHangers = 20286;
constexpr int kPlaneHangers = 20287;
constexpr int kDuctLength = 21206;
constexpr int kDuctDiameter = 21621;
constexpr int kYes = 20281;
constexpr int kNo = 20282;
constexpr int kFormatCostPerYear = 20283;
constexpr int kFormatKgPerYear = 20284;
constexpr int kFormatHoursPerYear = 20285;
constexpr int kSoundThicknessChanged = 20620;
constexpr int kSoundThicknessMissing = 20621;
// The heat-loss input dialog.
constexpr int kFieldHeight = 20700;
constexpr int kFieldWidth = 20701;
constexpr int kFieldDiameter = 20702;
constexpr int kFieldArea = 20703;
constexpr int kFieldPipeLength = 20704;
constexpr int kFieldEmissivity = 20705;
constexpr int kFieldEnergyPrice = 20706;
constexpr int kFieldOperatingHours = 20707;
constexpr int kFieldWindSpeed = 20708;
constexpr int kFieldOuterCoefficient = 20709;
constexpr int kFieldSurfaceTemperature = 20710;
constexpr int kFieldHeatLoss = 20711;
constexpr int kFieldMediumTemperature = 20712;
constexpr int kFieldAmbientTemperature = 20713;
constexpr int kFieldCo2Factor = 20714;
constexpr int kFieldAddedLength = 20715;
constexpr int kFieldCount = 20716;
constexpr int kKindChangeNeedsProduct = 61261;
constexpr int kTemperatureDifferenceTooSmall = 62526;
constexpr int kChooseSurface = 62533;
constexpr int kMediumAboveProductLimit = 62559;
constexpr int kAmbientAboveProductLimit = 62560;
constexpr int kLargerThanMaxStandardThickness = 62460;
constexpr int kInsulationThicknessExcess = 62513;
constexpr int kChooseInsulationProduct = 62535;
constexpr int kLayerSummary = 62537;
constexpr int kLayerSummaryWithThickness = 62538;
constexpr int kInsulationTooThickForDuct = 62540;
constexpr int kInterfaceAboveProductLimit = 62604;
// The pipe and duct run dialogs.
constexpr int kFieldDensity = 20720;
constexpr int kFieldHeatCapacity = 20721;
constexpr int kFieldFreezingPoint = 20722;
constexpr int kFieldInletTemperature = 20723;
constexpr int kFieldFlow = 20724;
constexpr int kFieldInnerCoefficient = 20725;
constexpr int kFieldHumidity = 20726;
constexpr int kSectionsWillBeDeleted = 61241;
constexpr int kSectionListEmpty = 61251;
constexpr int kTooManySections = 62462;
constexpr int kChooseLiquid = 62532;
// The tank dialog.
constexpr int kFieldLength = 20730;
constexpr int kFieldDepth = 20731;
constexpr int kFieldStartTemperature = 20732;
constexpr int kFieldEndTemperature = 20733;
constexpr int kFieldWallThickness = 20734;
constexpr int kFieldPercentageFrozen = 20735;
constexpr int kFieldStorageTime = 20736;
// The economics dialog.
constexpr int kFieldLifeSpan = 20740;
constexpr int kFieldEnergyInflation = 20741;
constexpr int kFieldInterestRate = 20742;
constexpr int kStartNotAboveEnd = 62337;
constexpr int kAppTitle = 57344;
constexpr int kCurrency = 62582;
// The regulation check of indoor pipes; each entry also carries the English text that
// has its own number (62721-62725) in older lists.
constexpr int kRegulationFails = 62660;
constexpr int kRegulationComplies = 62661;
constexpr int kRegulationRequiredThickness = 62664;
constexpr int kRegulationNoteWarm = 62665;
constexpr int kRegulationNoteCold = 62666;
constexpr int kRegulationNoteIndoorsOnly = 62667;
constexpr int kArchiveEndOfFile = 61800;
constexpr int kArchiveBadSchema = 61801;
constexpr int kArchiveBadClass = 61802;
constexpr int kArchiveBadIndex = 61803;
constexpr int kArchiveWrongClass = 61804;
constexpr int kArchiveTooDeep = 61805;
constexpr int kArchiveReadOnly = 61806;
constexpr int kArchiveWriteOnly = 61807;
constexpr int kArchiveMissingRecord = 61808;
// Report page items
constexpr int kHeaderVersion = 20100;
constexpr int kHeaderTimeDate = 20101;
constexpr int kHeaderProject = 20103;
constexpr int kHeaderEquipment = 20104;
constexpr int kHeaderResponsible = 20105;
constexpr int kHeaderFileName = 20106;
constexpr int kTitleHeatLoss = 20110;
constexpr int kTitlePipeRun = 20111;
constexpr int kTitleTank = 20112;
constexpr int kTitleExternalCondensation = 20113;
constexpr int kTitleInternalCondensation = 20114;
constexpr int kTitleFrost = 20115;
constexpr int kTitleSound = 20116;
constexpr int kTitleEconomics = 20117;
constexpr int kFooterAddress = 20120;
constexpr int kFooterEmail = 20121;
constexpr int kFooterPageNumber = 20122;
constexpr int kMountingSpaceTitle = 20130;
// The pipe and duct run report and calculation.
constexpr int kRunSectionName = 21000;
constexpr int kRunOutletTemperature = 21001;
constexpr int kRunOuterCoefficient = 21002;
constexpr int kRunEnergyTitle = 21003;
constexpr int kRunHeatLossTitle = 21004;
constexpr int kRunTotalHeatLoss = 21005;
constexpr int kRunAverageHeatLoss = 21006;
constexpr int kRunEnergyLoss = 21007;
constexpr int kRunEnergyCost = 21008;
constexpr int kRunInputTitle = 21009;
constexpr int kRunMedium = 21010;
constexpr int kRunUserMedium = 21011;
constexpr int kRunAir = 21012;
constexpr int kRunDensity = 21013;
constexpr int kRunHeatCapacity = 21014;
constexpr int kRunFreezingPoint = 21015;
constexpr int kRunInletTemperature = 21016;
constexpr int kRunEnergyPrice = 21017;
constexpr int kRunOperatingHours = 21018;
constexpr int kRunRequiredInsulation = 21019;
constexpr int kRunLayer1Suffix = 21020;
constexpr int kRunLayer2Suffix = 21021;
constexpr int kRunTotalInsulation = 21022;
constexpr int kRunSectionTitle = 21023;
constexpr int kRunKind = 21024;
constexpr int kRunBare = 21029;
constexpr int kRunProduct = 21030;
constexpr int kRunThickness1 = 21031;
constexpr int kRunProduct1 = 21032;
constexpr int kRunProduct2 = 21033;
constexpr int kRunThickness2 = 21034;
constexpr int kRunUserCoefficient = 21035;
constexpr int kRunFlow = 21036;
// A liquid in pipes where the texts above speak of air in ducts.
constexpr int kRunLiquidFlow = 21040;
constexpr int kRunLiquidInletTemperature = 21041;
constexpr int kRunBarePipe = 21042;
// The note of the dew-point check under the results.
constexpr int kRunDewPointHeading = 21043;
constexpr int kRunDewPointAbove = 21044;
constexpr int kRunDewPointBelow = 21045;
constexpr int kRunDewPointAtRisk = 21046;
constexpr int kRunDewPointNoRisk = 21047;
constexpr int kRunDewPointRisk = 62340;
constexpr int kRunBelowFreezing = 62519;
constexpr int kRunAboveProductLimit = 62561;
// The frost report, calculation and dialog.
constexpr int kFrostTitle = 21500;
constexpr int kFrostCoolingTime = 21501;
constexpr int kFrostFreezingTime = 21502;
constexpr int kFrostTotalTime = 21503;
constexpr int kFrostHeating = 21504;
constexpr int kFrostPipeDiameter = 21505;
constexpr int kFrostWallThickness = 21506;
constexpr int kFrostPercentageFrozen = 21507;
constexpr int kFrostWallTooThick = 21508;
// The condensation reports, calculations and dialogs.
constexpr int kCondExternalHeading = 21200;
constexpr int kCondDewPoint = 21201;
constexpr int kCondHumidity = 21202;
constexpr int kCondOutletTemperature = 21203;
constexpr int kCondInnerSurfaceAtOutlet = 21204;
constexpr int kCondDuctType = 21205;
constexpr int kCondInletNearAmbient = 62527;
// The tank report and calculation.
constexpr int kTankTitle = 21100;
constexpr int kTankEndTemperature = 21101;
constexpr int kTankStorageTime = 21102;
constexpr int kTankSurfaceTemperature = 21103;
constexpr int kTankArea = 21104;
constexpr int kTankVolume = 21105;
constexpr int kTankEnergy = 21106;
constexpr int kTankInitialHeatLoss = 21107;
constexpr int kTankFreezingReachedAfter = 21108;
constexpr int kTankShape = 21109;
constexpr int kTankCylindrical = 21110;
constexpr int kTankSpherical = 21111;
constexpr int kTankRectangular = 21112;
constexpr int kTankDiameter = 21113;
constexpr int kTankLength = 21114;
constexpr int kTankHeight = 21115;
constexpr int kTankWidth = 21116;
constexpr int kTankDepth = 21117;
constexpr int kTankStartTemperature = 21118;
constexpr int kTankGivenEndTemperature = 21119;
constexpr int kTankCoolingTime = 21120;
constexpr int kTankCurve = 21123;
constexpr int kTankFreezingReached = 62514;
constexpr int kTankEndNotBetween = 62515;
constexpr int kTankEndNeverReached = 62516;
// The sound attenuation report, calculation and dialog.
constexpr int kSoundTitle = 21600;
constexpr int kSoundAt125 = 21601;
constexpr int kSoundAt250 = 21602;
constexpr int kSoundAt500 = 21603;
constexpr int kSoundAt1000 = 21604;
constexpr int kSoundAt2000 = 21605;
constexpr int kSoundAt4000 = 21606;
constexpr int kSoundLimitFrequency = 21607;
constexpr int kSoundCrossSection = 21608;
constexpr int kSoundNotesTitle = 21609;
constexpr int kSoundNote1 = 21610;
constexpr int kSoundNote2 = 21611;
constexpr int kSoundNote3 = 21612;
constexpr int kSoundNote4 = 21613;
constexpr int kSoundNote5 = 21614;
constexpr int kSoundNote6 = 21615;
constexpr int kSoundDuctType = 21616;
constexpr int kSoundCircular = 21617;
constexpr int kSoundRectangular = 21618;
constexpr int kSoundTopBottom = 21619;
constexpr int kSoundLeftRight = 21620;
constexpr int kSoundProduct = 21622;
constexpr int kSoundUserProduct = 21623;
constexpr int kSoundThickness = 21624;
constexpr int kSoundAlpha125 = 21625;
constexpr int kSoundAlpha250 = 21626;
constexpr int kSoundAlpha500 = 21627;
constexpr int kSoundAlpha1000 = 21628;
constexpr int kSoundAlpha2000 = 21629;
constexpr int kSoundAlpha4000 = 21630;
constexpr int kFieldOwnThickness = 21640;
constexpr int kFieldAbsorption = 21641;
constexpr int kSoundChooseAbsorber = 21642;
constexpr int kSoundChooseThickness = 21643;
constexpr int kSoundNoRoom = 21644;
// The economics report, calculation and dialogs.
constexpr int kEcoInsulation = 21800;
constexpr int kEcoHeatLoss = 21801;
constexpr int kEcoOuterCoefficient = 21802;
constexpr int kEcoBare = 21803;
constexpr int kEcoEnergyCost = 21804;
constexpr int kEcoInvestment = 21805;
constexpr int kEcoTotal = 21806;
constexpr int kEcoLifeSpan = 21808;
constexpr int kEcoInflation = 21809;
constexpr int kEcoInterest = 21810;
// A number of years: Czech says 1 rok, 2-4 roky, 5 let and after a decimal 2,5 roku.
constexpr int kEcoYearOne = 21830;
constexpr int kEcoYearsFew = 21831;
constexpr int kEcoYearsMany = 21832;
constexpr int kEcoYearsFraction = 21833;
constexpr int kEcoNeedAlternative = 21820;
constexpr int kEcoMaxAlternatives = 21821;
constexpr int kEcoKindChangeWarning = 21822;
constexpr int kEcoCurrencyWarning = 21823;
constexpr int kEcoDuplicateAlternative = 21824;
constexpr int kEcoFieldPrice = 21825;
constexpr int kEcoChoosePreset = 21826;
constexpr int kEcoBareEmissivityNote = 21827;
constexpr int kEcoPresetNote = 21828;
}  // namespace ids

// The table, sorted by id.
std::span<const StringEntry> StringTable();

// The text of `id` in `language`; empty for an unknown id.
std::string_view LoadResourceString(int id, Language language);

// The language of everything the program shows outside its reports (messages, prompts,
// record names in lists): the interface language, set once at start; Czech until then.
void SetDisplayLanguage(Language language);
Language DisplayLanguage();
// The text of `id` in the display language.
std::string MessageText(int id);

// Formats one value with the string-table format `id` ("%.1f W/m", 12.5 -> "12.5 W/m").
std::string FormatWithResource(int id, float value, Language language);

}  // namespace kelvora
