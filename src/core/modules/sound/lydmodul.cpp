#include "core/modules/sound/lydmodul.h"

#include <algorithm>

#include "core/database/references.h"
#include "core/framework/cformat.h"
#include "core/framework/platform.h"
#include "core/framework/stringtable.h"
#include "core/modules/common/modulecontext.h"
#include "core/modules/sound/soundcalculation.h"
#include "core/modules/sound/soundinputcheck.h"
#include "core/report/reportlists.h"

namespace kelvora {

namespace {

constexpr std::int32_t kLastDuctType = 3;
constexpr std::uint32_t kYellow = 0x0000FFFF;
constexpr std::uint32_t kOlive = 0x00008080;

}  // namespace

CLydModul::CLydModul(ModuleContext* owner)
    : CQorModul(owner), report(std::make_unique<SoundReport>(ReportPageOf(owner))) {
  CLydModul::Reset();
}

CLydModul::~CLydModul() {
  report->Hide(Lists());
  SetAbsorber(nullptr, nullptr);
}

ReportLists* CLydModul::Lists() const { return context ? &context->Reports() : nullptr; }

void CLydModul::Reset() {
  calculated = 0;
  static_cast<SoundInputs&>(*this) = SoundInputs{};
  results = {};
  SetAbsorber(nullptr, nullptr);
  report->Reset(Lists());
}

void CLydModul::AssignInputs(const CLydModul& other) {
  static_cast<SoundInputs&>(*this) = other;
  SetAbsorber(other.Absorber(), other.ThicknessRecord());
}

void CLydModul::Recalculate() {
  calculated = 0;
  results = {};
  report->Hide(Lists());
  // Also on loading and after a database edit, where no dialog has checked the lining.
  if (!StoredSoundInputsPass(*this)) return;
  const std::optional<SoundDuct> duct = DuctOf(*this);
  const std::optional<SoundResult> result = duct ? ComputeSound(*duct) : std::nullopt;
  if (!result) {
    if (context) context->Messenger().Show(MessageText(ids::kCalculationInterrupted));
    return;
  }
  results = ResultTexts(*result);
  report->Show(*this, *duct, *result, Lists());
  calculated = 1;
}

int CLydModul::Edit() {
  if (!CQorModul::Edit()) return 0;
  Recalculate();
  return 1;
}

void CLydModul::SetAbsorber(CAbsorpsjon* record, CAbsorpsjonTykkelse* thickness) {
  SetReference(*this, absorber, record);
  SetReference(*this, thicknessRecord, thickness);
}

void CLydModul::ReplaceReference(CItem& replacement) {
  if (auto* thickness = dynamic_cast<CAbsorpsjonTykkelse*>(&replacement)) {
    RepointReference(*this, thicknessRecord, *thickness);
    return;
  }
  auto* record = dynamic_cast<CAbsorpsjon*>(&replacement);
  if (!record) return;
  RepointReference(*this, absorber, *record);
  // Replacing an absorber replaces its thicknesses too, and only the absorber tells its
  // users. The copy of the old thickness carries this module among its users; anything
  // else would leave the module pointing at a deleted record.
  if (!thicknessRecord) return;
  thicknessRecord = nullptr;
  for (const auto& thickness : record->thicknesses) {
    const auto& users = thickness->Users();
    if (std::find(users.begin(), users.end(), this) != users.end()) {
      RepointReference(*this, thicknessRecord, *thickness);
      return;
    }
  }
}

std::string CLydModul::GetSymbol(SymbolInfo& symbol) const {
  if (!calculated) return "KANALTYPEX0";
  const bool coloured = !userDefined && absorber;
  symbol.words[0] = kYellow;
  symbol.words[1] = coloured ? absorber->insulationColour : kYellow;
  symbol.words[2] = kOlive;
  symbol.words[3] = coloured ? absorber->surfaceColour : kOlive;
  return FormatC("KANALTYPE%d", {ductType});
}

void CLydModul::ReadThickness(CArchive& ar) {
  CAbsorpsjonTykkelse stored;
  stored.Serialize(ar);
  const auto& list = absorber->thicknesses;
  CAbsorpsjonTykkelse* used = nullptr;
  if (const auto position = FindByName(list, stored.name)) {
    used = list[*position].get();
    if (used->DataDiffers(stored) && context)
      context->Messenger().Show(MessageText(ids::kSoundThicknessChanged));
  } else if (!list.empty()) {
    // An absorber without thicknesses was stored with a nameless one: none was chosen.
    const std::string text = FormatC(MessageText(ids::kSoundThicknessMissing), {stored.name, absorber->name});
    used = ChooseReplacement(list, ar.GetReferenceSources()->chooser, MissingEntrySource::StandardDatabase,
                             text);
  }
  SetReference(*this, thicknessRecord, used);
}

void CLydModul::Serialize(CArchive& ar) {
  ar.ExchangeWord(ductType);
  ar.ExchangeWord(userDefined);
  // The duct type picks the absorber list and the picture; a damaged file must not take
  // it out of range.
  if (ar.IsLoading()) ductType = std::clamp(ductType, 0, kLastDuctType);
  ar.Exchange(ownThickness, width, height, diameter);
  ar.Exchange(ownAlpha[0], ownAlpha[1], ownAlpha[2], ownAlpha[3], ownAlpha[4], ownAlpha[5]);
  ar.Exchange(ownName);
  ar.ExchangeWord(calculated);
  ExchangeReference(ar, *this, absorber, AbsorberList());
  if (ar.IsStoring()) {
    if (absorber) {
      // An absorber without thicknesses leaves none chosen; a nameless record keeps the
      // file readable and lets the reader ask for a thickness.
      CAbsorpsjonTykkelse none;
      none.name.clear();
      (thicknessRecord ? *thicknessRecord : none).Serialize(ar);
    }
  } else {
    if (absorber) {
      ReadThickness(ar);
    } else {
      SetReference(*this, thicknessRecord, static_cast<CAbsorpsjonTykkelse*>(nullptr));
    }
    if (calculated) {
      Recalculate();
    } else {
      report->Hide(Lists());
    }
  }
}

}  // namespace kelvora
