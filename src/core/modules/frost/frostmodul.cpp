#include "core/modules/frost/frostmodul.h"

#include <algorithm>

#include "core/database/references.h"
#include "core/framework/archive.h"
#include "core/framework/platform.h"
#include "core/framework/stringtable.h"
#include "core/modules/common/modulecontext.h"
#include "core/modules/frost/frostcalculation.h"
#include "core/modules/frost/frostinputcheck.h"
#include "core/report/reportlists.h"

namespace kelvora {

namespace {
constexpr std::int32_t kPipe = 0;
constexpr std::int32_t kThicknessGiven = 1;
constexpr std::int32_t kLastEnvironment = 2;
}  // namespace

CFrostModul::CFrostModul(ModuleContext* owner)
    : CQorModul(owner), report(std::make_unique<FrostReport>(ReportPageOf(owner))) {
  CFrostModul::Reset();
}

CFrostModul::~CFrostModul() {
  report->Hide(Lists());
  SetSurface(nullptr);
}

ReportLists* CFrostModul::Lists() const { return context ? &context->Reports() : nullptr; }

void CFrostModul::Reset() {
  static_cast<FrostInputs&>(*this) = FrostInputs{};
  insulation.Reset(kPipe, kThicknessGiven);
  SetSurface(nullptr);
  calculated = 0;
  report->Reset(Lists());
}

void CFrostModul::AssignInputs(const CFrostModul& other) {
  static_cast<FrostInputs&>(*this) = other;
  insulation.Assign(other.insulation);
  SetSurface(other.Surface());
}

void CFrostModul::Recalculate() {
  calculated = 0;
  report->Hide(Lists());
  // Also on loading and after a database edit, where no dialog has checked the inputs.
  const auto result = StoredFrostInputsPass(*this) ? ComputeFrost(*this) : std::nullopt;
  if (!result) {
    if (context) context->Messenger().Show(MessageText(ids::kCalculationInterrupted));
    return;
  }
  report->Show(*this, *result, Lists());
  calculated = 1;
}

int CFrostModul::Edit() {
  if (!CQorModul::Edit()) return 0;
  Recalculate();
  return 1;
}

void CFrostModul::ReplaceReference(CItem& replacement) {
  if (auto* record = dynamic_cast<CMantling*>(&replacement)) RepointReference(*this, surface, *record);
}

std::string CFrostModul::GetSymbol(SymbolInfo& symbol) const {
  if (!calculated) return "RORX0";
  auto& w = symbol.words;
  w[0] = 0x008080;
  w[1] = insulation.FillColour();
  w[2] = 0x00FFFF;
  w[3] = !ownEmissivity && surface ? surface->colour : 0xC0C0C0;
  return vertical ? "ROR1" : "ROR0";
}

void CFrostModul::Serialize(CArchive& ar) {
  insulation.Serialize(ar);
  ExchangeReference(ar, *this, surface, DbList::OuterFinishes);
  ar.Exchange(wallThickness, ambientTemperature, percentageFrozen);
  ar.Exchange(pipeDiameter, startTemperature);
  ar.ExchangeWord(environment);
  ar.ExchangeWord(calculated);
  ar.Exchange(windSpeed, userCoefficient);
  ar.ExchangeWord(ownEmissivity);
  ar.Exchange(emissivity, vertical);
  if (!ar.IsLoading()) return;
  // The environment picks the formulas and the report rows; a damaged file must not take
  // it out of range.
  environment = std::clamp(environment, 0, kLastEnvironment);
  if (calculated) {
    Recalculate();
  } else {
    report->Hide(Lists());
  }
}

}  // namespace kelvora
