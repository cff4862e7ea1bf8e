#include "core/modules/run/kanaltempmodul.h"

#include <algorithm>

#include "core/database/references.h"
#include "core/framework/archive.h"
#include "core/framework/cformat.h"
#include "core/framework/platform.h"
#include "core/framework/stringtable.h"
#include "core/modules/common/modulecontext.h"
#include "core/modules/run/runinputcheck.h"
#include "core/physics/dewpoint.h"
#include "core/report/reportlists.h"

namespace kelvora {

namespace {

// isAir holds 0 for a liquid or the duct kind the run dialog showed last.
constexpr std::int32_t kLastMediumKind = 3;

}  // namespace

CKanalTempModul::CKanalTempModul(ModuleContext* owner)
    : CQorModul(owner), report(std::make_unique<RunReport>(ReportPageOf(owner))) {
  CKanalTempModul::Reset();
}

CKanalTempModul::~CKanalTempModul() {
  report->Hide(Lists());
  SetLiquid(nullptr);
}

ReportLists* CKanalTempModul::Lists() const { return context ? &context->Reports() : nullptr; }

void CKanalTempModul::Reset() {
  static_cast<RunInputs&>(*this) = RunInputs{};
  currency = ResetCurrency(context);
  DeleteAll(sections);
  SetLiquid(nullptr);
  calculated = 0;
  report->Reset(Lists());
}

void CKanalTempModul::AssignInputs(const CKanalTempModul& other) {
  static_cast<RunInputs&>(*this) = other;
  SetLiquid(other.Liquid());
}

void CKanalTempModul::Recalculate() {
  calculated = 0;
  results.clear();
  report->Hide(Lists());
  // Also on loading and after a database edit, where no dialog has checked the inputs.
  if (!StoredRunInputsPass(*this)) return;
  float totalHeatLoss = 0.0f;
  float totalLength = 0.0f;
  if (!FollowRun(totalHeatLoss, totalLength)) {
    results.clear();
    return;
  }
  report->Show(*this, results, totalHeatLoss, totalLength, Lists());
  calculated = 1;
}

bool CKanalTempModul::FollowRun(float& totalHeatLoss, float& totalLength) {
  Messages* messages = context ? &context->Messenger() : nullptr;
  const auto interrupted = [&] {
    if (messages) messages->Show(MessageText(ids::kCalculationInterrupted));
    return false;
  };
  float density = 0.0f;
  float heatCapacity = 0.0f;
  if (!isAir) {
    if (userDefinedLiquid) {
      density = liquidDensity;
      heatCapacity = liquidHeatCapacity;
    } else if (liquid) {
      density = liquid->density;
      heatCapacity = liquid->heatCapacity;
    } else {
      return interrupted();
    }
  }
  if (sections.empty()) return interrupted();
  const std::optional<float> dewPoint = CheckedDewPoint();
  const std::optional<float> freezingPoint = CheckedFreezingPoint();

  float t = inletTemperature;
  for (const auto& section : sections) {
    // Without a document nobody can answer; the calculation then goes on.
    if (t > section->MaxTemperature() && messages &&
        !messages->AskOkCancel(FormatMessage(MessageText(ids::kRunAboveProductLimit), {section->name}))) {
      return false;
    }
    const auto result = ComputeSection(*section, t, density, heatCapacity);
    if (!result) return interrupted();
    t = result->outlet;
    if (dewPoint && *dewPoint > t && messages &&
        messages->AskYesNo(FormatC(MessageText(ids::kRunDewPointRisk), {section->name, t, *dewPoint}))) {
      return false;
    }
    if (freezingPoint && *freezingPoint > t) {
      if (messages) messages->Show(FormatMessage(MessageText(ids::kRunBelowFreezing), {section->name}));
      return false;
    }
    results.push_back(*result);
    totalHeatLoss += result->heatLoss;
    totalLength += section->length;
  }
  return true;
}

std::optional<float> CKanalTempModul::CheckedDewPoint() const {
  if (!isAir || !dewPointCheckOn) return std::nullopt;
  return DewPoint(relativeHumidity, inletTemperature);
}

std::optional<float> CKanalTempModul::CheckedFreezingPoint() const {
  if (isAir) return std::nullopt;
  if (userDefinedLiquid) return liquidFreezingPoint;
  if (liquid) return liquid->freezingPoint;
  return std::nullopt;
}

int CKanalTempModul::Edit() {
  if (!CQorModul::Edit()) return 0;
  if (context) context->RememberCurrency(currency);
  Recalculate();
  return 1;
}

void CKanalTempModul::ReplaceReference(CItem& replacement) {
  if (auto* record = dynamic_cast<CVeske*>(&replacement)) RepointReference(*this, liquid, *record);
}

std::string CKanalTempModul::GetSymbol(SymbolInfo& symbol) const {
  // A file may claim results for a run without sections; there is no first section then.
  if (!calculated || sections.empty()) return "KANALRORX0";
  const CSegment& first = *sections.front();
  if (first.bare) return FormatC("KANALRORX%d", {first.kind});

  const CIsolasjon& layer = first.layer1;
  const CMantling* surface = first.Surface();
  const std::uint32_t outer = !first.userEmissivityOn && surface ? surface->colour : 0x00C0C0C0;
  auto& w = symbol.words;
  if (first.kind == CSegment::kRectDuctInternal) {
    const CMantling* facing = first.facingOn ? first.Facing() : nullptr;
    w = {0x008080, layer.FillColour(), 0x00FFFF, facing ? facing->colour : layer.SecondColour(), 0xFF0000,
         outer};
  } else {
    w[0] = 0x008080;
    w[1] = layer.FillColour();
    w[2] = 0x00FFFF;
    w[3] = outer;
  }
  return FormatC("KANALROR%d", {first.kind});
}

void CKanalTempModul::Serialize(CArchive& ar) {
  if (ar.IsLoading()) DeleteAll(sections);
  ar.ExchangeList(sections);
  ExchangeReference(ar, *this, liquid, DbList::Liquids);
  ar.Exchange(dewPointCheckOn, relativeHumidity);
  ar.ExchangeWord(isAir);
  ar.ExchangeWord(userDefinedLiquid);
  ar.ExchangeWord(nextSectionNumber);
  ar.Exchange(liquidHeatCapacity, liquidDensity, liquidFreezingPoint);
  ar.Exchange(inletTemperature, operatingHours, energyPrice);
  ar.ExchangeWord(energyCostOn);
  ar.ExchangeWord(calculated);
  ar.Exchange(currency);
  if (!ar.IsLoading()) return;
  isAir = std::clamp(isAir, 0, kLastMediumKind);
  if (calculated) {
    Recalculate();
  } else {
    report->Hide(Lists());
  }
}

}  // namespace kelvora
