#include "core/modules/condensation/utvendigkondensmodul.h"

#include <algorithm>

#include "core/database/references.h"
#include "core/modules/common/modulecontext.h"
#include "core/modules/condensation/condensationinputcheck.h"
#include "core/modules/condensation/externalcondensation.h"
#include "core/report/reportlists.h"

namespace kelvora {

namespace {

constexpr std::int32_t kLastKind = 5;
constexpr std::int32_t kLastEnvironment = 2;

}  // namespace

CUtvendigKondensModul::CUtvendigKondensModul(ModuleContext* owner)
    : CQorModul(owner), report(std::make_unique<ExternalCondensationReport>(ReportPageOf(owner))) {
  CUtvendigKondensModul::Reset();
}

CUtvendigKondensModul::~CUtvendigKondensModul() {
  report->Hide(Lists());
  SetSurface(nullptr);
  SetFacing(nullptr);
}

ReportLists* CUtvendigKondensModul::Lists() const { return context ? &context->Reports() : nullptr; }

void CUtvendigKondensModul::Reset() {
  calculated = 0;
  static_cast<ExternalCondensationInputs&>(*this) = ExternalCondensationInputs{};
  insulation.Reset(0, 0);
  SetSurface(nullptr);
  SetFacing(nullptr);
  report->Reset(Lists());
}

void CUtvendigKondensModul::AssignInputs(const CUtvendigKondensModul& other) {
  static_cast<ExternalCondensationInputs&>(*this) = other;
  insulation.Assign(other.insulation);
  SetSurface(other.Surface());
  SetFacing(other.Facing());
}

void CUtvendigKondensModul::Recalculate() {
  calculated = 0;
  report->Hide(Lists());
  // Also on loading and after a database edit, where no dialog has checked the inputs.
  if (!StoredExternalCondensationInputsPass(*this)) return;
  const ExternalCondensationOutcome outcome = ComputeExternalCondensation(*this);
  if (!outcome.result) {
    TellCondensationStop(context, outcome.stop);
    return;
  }
  report->Show(*this, *outcome.result, Lists());
  calculated = 1;
}

int CUtvendigKondensModul::Edit() {
  if (!CQorModul::Edit()) return 0;
  Recalculate();
  return 1;
}

void CUtvendigKondensModul::ReplaceReference(CItem& replacement) {
  if (auto* record = dynamic_cast<CMantling*>(&replacement)) RepointSurface(*this, *record, surface, facing);
}

std::string CUtvendigKondensModul::GetSymbol(SymbolInfo& symbol) const {
  if (!calculated) return "MATERIALTYPEX0";
  const std::uint32_t outer = (userEmissivityOn || !surface) ? 0x00C0C0C0 : surface->colour;
  symbol.words[0] = 0x008080;
  symbol.words[1] = insulation.FillColour();
  symbol.words[2] = 0x00FFFF;
  if (InsulatedInside()) {
    symbol.words[3] = (facingOn && facing) ? facing->colour : insulation.SecondColour();
    symbol.words[4] = 0xFF0000;
    symbol.words[5] = outer;
  } else {
    symbol.words[3] = outer;
  }
  // A stored flag may hold any nonzero value; the pictures exist for 0 and 1 only.
  return "MATERIALTYPE" + std::to_string((vertical ? 6 : 0) + kind);
}

void CUtvendigKondensModul::Serialize(CArchive& ar) {
  insulation.Serialize(ar);
  ar.ExchangeWord(kind);
  ar.Exchange(ambientTemperature, mediumTemperature);
  ar.Exchange(diameter, width, height, relativeHumidity);
  ar.ExchangeWord(calculated);
  ar.ExchangeWord(environment);
  ar.Exchange(windSpeed, userOuterCoefficient);
  ar.ExchangeWord(userEmissivityOn);
  ar.Exchange(userEmissivity);
  ar.ExchangeWord(facingOn);
  ar.Exchange(vertical);
  if (ar.IsLoading()) {
    // Kind and surroundings index pictures and formulas; a damaged file must not take
    // them out of range.
    kind = std::clamp(kind, 0, kLastKind);
    environment = std::clamp(environment, 0, kLastEnvironment);
  }
  ExchangeReference(ar, *this, surface, InsulatedInside() ? DbList::PipeSurfaces : DbList::OuterFinishes);
  ExchangeReference(ar, *this, facing, DbList::InnerFacings);
  if (!ar.IsLoading()) return;
  if (calculated) {
    Recalculate();
  } else {
    report->Hide(Lists());
  }
}

}  // namespace kelvora
