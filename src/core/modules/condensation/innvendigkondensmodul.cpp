#include "core/modules/condensation/innvendigkondensmodul.h"

#include <algorithm>

#include "core/database/references.h"
#include "core/modules/common/modulecontext.h"
#include "core/modules/condensation/condensationinputcheck.h"
#include "core/modules/condensation/internalcondensation.h"
#include "core/report/reportlists.h"

namespace kelvora {

namespace {

constexpr std::int32_t kLastFlowUnit = 2;
constexpr std::int32_t kLastEnvironment = 2;

}  // namespace

CInnvendigKondensModul::CInnvendigKondensModul(ModuleContext* owner)
    : CQorModul(owner), report(std::make_unique<InternalCondensationReport>(ReportPageOf(owner))) {
  CInnvendigKondensModul::Reset();
}

CInnvendigKondensModul::~CInnvendigKondensModul() {
  report->Hide(Lists());
  SetSurface(nullptr);
}

ReportLists* CInnvendigKondensModul::Lists() const { return context ? &context->Reports() : nullptr; }

void CInnvendigKondensModul::Reset() {
  calculated = 0;
  static_cast<InternalCondensationInputs&>(*this) = InternalCondensationInputs{};
  insulation.Reset(1, 0);
  SetSurface(nullptr);
  report->Reset(Lists());
}

void CInnvendigKondensModul::AssignInputs(const CInnvendigKondensModul& other) {
  static_cast<InternalCondensationInputs&>(*this) = other;
  insulation.Assign(other.insulation);
  SetSurface(other.Surface());
}

void CInnvendigKondensModul::Recalculate() {
  calculated = 0;
  report->Hide(Lists());
  // Also on loading and after a database edit, where no dialog has checked the inputs.
  if (!StoredInternalCondensationInputsPass(*this)) return;
  const InternalCondensationOutcome outcome = ComputeInternalCondensation(*this);
  if (!outcome.result) {
    TellCondensationStop(context, outcome.stop);
    return;
  }
  report->Show(*this, *outcome.result, Lists());
  calculated = 1;
}

int CInnvendigKondensModul::Edit() {
  if (!CQorModul::Edit()) return 0;
  Recalculate();
  return 1;
}

void CInnvendigKondensModul::ReplaceReference(CItem& replacement) {
  if (auto* record = dynamic_cast<CMantling*>(&replacement)) RepointReference(*this, surface, *record);
}

std::string CInnvendigKondensModul::GetSymbol(SymbolInfo& symbol) const {
  if (!calculated) return "KANALX0";
  symbol.words[0] = 0x008080;
  symbol.words[1] = insulation.FillColour();
  symbol.words[2] = 0x00FFFF;
  symbol.words[3] = (userEmissivityOn || !surface) ? 0x00C0C0C0 : surface->colour;
  // Stored flags may hold any nonzero value; the pictures exist for 0 and 1 only.
  return "KANAL" + std::to_string((vertical ? 2 : 0) + (rectangular ? 1 : 0));
}

void CInnvendigKondensModul::Serialize(CArchive& ar) {
  insulation.Serialize(ar);
  ar.ExchangeWord(rectangular);
  ar.Exchange(ambientTemperature, userInnerCoefficient);
  ar.ExchangeWord(userInnerCoefficientOn);
  ar.Exchange(diameter, width, height, length);
  ar.ExchangeWord(environment);
  ar.Exchange(windSpeed, userOuterCoefficient);
  ar.ExchangeWord(userEmissivityOn);
  ar.Exchange(userEmissivity);
  ar.Exchange(inletTemperature, relativeHumidity, flow);
  ar.ExchangeWord(flowUnit);
  ar.ExchangeWord(calculated);
  ar.Exchange(vertical, suspensionsOn);
  if (ar.IsLoading()) {
    // Both select formulas; a damaged file must not take them out of range.
    flowUnit = std::clamp(flowUnit, 0, kLastFlowUnit);
    environment = std::clamp(environment, 0, kLastEnvironment);
  }
  ExchangeReference(ar, *this, surface, DbList::OuterFinishes);
  if (!ar.IsLoading()) return;
  if (calculated) {
    Recalculate();
  } else {
    report->Hide(Lists());
  }
}

}  // namespace kelvora
