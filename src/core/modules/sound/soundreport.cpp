#include "core/modules/sound/soundreport.h"

#include <string>
#include <vector>

#include "core/framework/moduleindex.h"
#include "core/modules/sound/lydmodul.h"
#include "core/report/reportlists.h"
#include "core/report/tablerows.h"

namespace kelvora {

namespace {

constexpr float kGraphWidth = 120.0f;  // mm
constexpr float kGraphHeight = 60.0f;
constexpr float kInputTop = 20.0f;  // until the first calculation places it

constexpr int kResultTitles[] = {ids::kSoundTitle, ids::kHlResults, 0};
constexpr int kInputTitles[] = {ids::kSoundTitle, ids::kHlInput, 0};
constexpr int kAlphaLabels[] = {ids::kSoundAlpha125,  ids::kSoundAlpha250,  ids::kSoundAlpha500,
                                ids::kSoundAlpha1000, ids::kSoundAlpha2000, ids::kSoundAlpha4000};
constexpr int kDuctTypeTexts[] = {ids::kSoundCircular, ids::kSoundRectangular, ids::kSoundTopBottom,
                                  ids::kSoundLeftRight};
const std::vector<int> kNoteLines{ids::kSoundNote1, ids::kSoundNote2, ids::kSoundNote3,
                                  ids::kSoundNote4, ids::kSoundNote5, ids::kSoundNote6};

void SetUp(CTabell& table, float top, const char* format, std::span<const int> titles) {
  table.Setup(kTableLeft, top, kTableColumnGap, kTableRowGap, format, titles, {}, titles, {}, {},
              kTableMinWidth);
}

void ResultRows(TableRows& rows, const std::array<std::string, 8>& texts) {
  constexpr int kLabels[] = {ids::kSoundAt125,          ids::kSoundAt250,       ids::kSoundAt500,
                             ids::kSoundAt1000,         ids::kSoundAt2000,      ids::kSoundAt4000,
                             ids::kSoundLimitFrequency, ids::kSoundCrossSection};
  for (std::size_t row = 0; row < texts.size(); ++row) rows.Add(kLabels[row], texts[row]);
}

void InputRows(TableRows& rows, const CLydModul& m, const SoundDuct& duct) {
  rows.AddTexts(ids::kSoundDuctType, kDuctTypeTexts[static_cast<std::size_t>(m.ductType)]);
  if (m.ductType == static_cast<std::int32_t>(DuctType::Circular)) {
    rows.Add(ids::kDuctDiameter, "%.1f mm", m.diameter);
  } else {
    rows.Add(ids::kHlWidth, "%.1f mm", m.width);
    rows.Add(ids::kHlHeight, "%.1f mm", m.height);
  }
  if (m.userDefined) {
    rows.Add(ids::kSoundUserProduct, m.ownName);
  } else {
    rows.AddTexts(ids::kSoundProduct, m.Absorber()->name, m.Absorber()->secondName);
  }
  rows.Add(ids::kSoundThickness, "%.1f mm", duct.lining);
  for (std::size_t band = 0; band < duct.alpha.size(); ++band)
    rows.Add(kAlphaLabels[band], "%.2f", duct.alpha[band]);
}

}  // namespace

std::array<std::string, 8> ResultTexts(const SoundResult& r) {
  std::array<std::string, 8> texts;
  for (std::size_t band = 0; band < r.attenuation.size(); ++band)
    texts[band] = FormatC("%.1f dB/m", {r.attenuation[band]});
  texts[6] = FormatC("%.0f Hz", {r.limitFrequency});
  texts[7] = FormatC("%.1f mm", {r.geometry.crossSection * 1000.0f});
  return texts;
}

SoundReport::SoundReport(const PageModel& pageModel)
    : resultTable(pageModel),
      soundGraph(pageModel),
      inputTable(pageModel),
      notes(pageModel),
      page(pageModel) {}

void SoundReport::Reset(ReportLists* lists) {
  Hide(lists);
  SetUp(resultTable, kTableTop, "%.1f", kResultTitles);
  SetUp(inputTable, kInputTop, "%.0f", kInputTitles);
  soundGraph.Setup(kTableLeft, kTableTop, kGraphWidth, kGraphHeight);
  notes.SetContent(ids::kSoundNotesTitle, ids::kSoundNotesTitle, kNoteLines, kNoteLines,
                   static_cast<int>(kNoteLines.size()), kTableLeft, kTableTop);
  resultTable.helpTopic = "::/html/lyd_restabell.htm";
  inputTable.helpTopic = "::/html/lyd_inputtabell.htm";
  soundGraph.helpTopic = "::/html/lyd_kurve.htm";
  notes.helpTopic = "::/html/reslyd.htm";
}

void SoundReport::Show(const CLydModul& m, const SoundDuct& duct, const SoundResult& result,
                       ReportLists* lists) {
  Hide(lists);
  soundGraph.SetValues(result.attenuation);
  soundGraph.SetPosition(kTableLeft, kTableTop);

  TableRows resultRows(2);
  ResultRows(resultRows, m.results);
  resultRows.Into(resultTable, kResultTitles);
  TableRows inputRows(2);
  InputRows(inputRows, m, duct);
  inputRows.Into(inputTable, kInputTitles);

  float x = kTableLeft;
  float y = soundGraph.GetBottomMm() + kReportItemGap;
  y = PlaceBelow(resultTable, page, x, y, kTableTop);
  y = PlaceBelow(notes, page, x, y, kTableTop);
  PlaceBelow(inputTable, page, x, y, kTableTop);

  if (!lists) return;
  for (CGraphicsItem* item : Items()) lists->AddItem(ModuleIndex::Sound, *item);
}

void SoundReport::Hide(ReportLists* lists) {
  if (!lists) return;
  for (CGraphicsItem* item : Items()) lists->RemoveItem(ModuleIndex::Sound, *item);
}

}  // namespace kelvora
