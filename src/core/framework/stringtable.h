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
constexpr int kSoundThicknessChanged = 20620;
constexpr int kSoundThicknessMissing = 20621;
constexpr int kLargerThanMaxStandardThickness = 62460;
constexpr int kInsulationThicknessExcess = 62513;
constexpr int kChooseInsulationProduct = 62535;
constexpr int kLayerSummary = 62537;
constexpr int kLayerSummaryWithThickness = 62538;
constexpr int kInsulationTooThickForDuct = 62540;
constexpr int kInterfaceAboveProductLimit = 62604;
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
}  // namespace ids

// The table, sorted by id.
std::span<const StringEntry> StringTable();

// The text of `id` in `language`; empty for an unknown id.
std::string_view LoadResourceString(int id, Language language);

// Formats one value with the string-table format `id` ("%.1f W/m", 12.5 -> "12.5 W/m").
std::string FormatWithResource(int id, float value, Language language);

}  // namespace kelvora
