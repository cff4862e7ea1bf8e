#include "core/modules/economics/okonomimodul.h"

#include <algorithm>

#include "core/database/references.h"
#include "core/framework/cformat.h"
#include "core/framework/platform.h"
#include "core/framework/stringtable.h"
#include "core/modules/common/modulecontext.h"
#include "core/modules/economics/economics.h"
#include "core/modules/economics/economicsinputcheck.h"
#include "core/report/reportlists.h"

namespace kelvora {

namespace {

constexpr std::int32_t kLastKind = 5;
constexpr std::int32_t kLastEnvironment = 2;
constexpr std::int32_t kLastFlowUnit = 2;
constexpr std::uint32_t kOlive = 0x00008080;
constexpr std::uint32_t kYellow = 0x0000FFFF;
constexpr std::uint32_t kBlue = 0x00FF0000;
constexpr std::uint32_t kGrey = 0x00C0C0C0;
constexpr float kDefaultBareEmissivity = 0.5f;

}  // namespace

COkoIsolasjon::COkoIsolasjon(const COkoIsolasjon& other) : CListItem(other) { Assign(other); }

void COkoIsolasjon::Assign(const COkoIsolasjon& other) {
  name = other.name;
  secondName = other.secondName;
  source = other.source;
  objectKind = other.objectKind;
  standardThickness = other.standardThickness;
  userThickness = other.userThickness;
  price = other.price;
  ownEmissivity = other.ownEmissivity;
  emissivity = other.emissivity;
  useInnerSurface = other.useInnerSurface;
  SetStandardProduct(other.standardProduct);
  SetUserProduct(other.userProduct);
  SetOuterSurface(other.outerSurface);
  SetInnerSurface(other.innerSurface);
}

void COkoIsolasjon::UpdateNames(std::string_view currency, std::string_view unit) {
  const CIsoProdukt* product = Product();
  if (!product) return;
  // The Czech name keeps the form Czech reports have always compared against.
  const auto text = [&](std::string_view format, const std::string& productName) {
    return FormatC(format, {productName, Thickness(), price, currency, unit});
  };
  name = text("%s, %.1fmm, %.2f %s/%s", product->name);
  secondName = text("%s, %.1f mm, %.2f %s/%s",
                    IsStandard() && !product->secondName.empty() ? product->secondName : product->name);
}

AlternativeColours ColoursOf(const COkoIsolasjon& a) {
  AlternativeColours colours;
  const CIsoProdukt* product = a.Product();
  colours.insulation = product ? product->insulationColour : kYellow;
  const CMantling* outer = a.ownEmissivity ? nullptr : a.OuterSurface();
  colours.outer = outer ? outer->colour : kGrey;
  if (a.useInnerSurface && a.InnerSurface()) {
    colours.inner = a.InnerSurface()->colour;
  } else if (a.IsStandard() && a.StandardProduct()) {
    colours.inner = a.StandardProduct()->surfaceColour;
  } else {
    colours.inner = kGrey;
  }
  return colours;
}

COkoIsolasjon::~COkoIsolasjon() {
  SetStandardProduct(nullptr);
  SetUserProduct(nullptr);
  SetOuterSurface(nullptr);
  SetInnerSurface(nullptr);
}

const CIsoProdukt* COkoIsolasjon::Product() const {
  return IsStandard() ? standardProduct : static_cast<const CIsoProdukt*>(userProduct);
}

void COkoIsolasjon::ReplaceReference(CItem& replacement) {
  // A user product is also a standard product by class, so it is tested first.
  if (auto* user = dynamic_cast<CEgendefIsoProdukt*>(&replacement)) {
    RepointReference(*this, userProduct, *user);
  } else if (auto* standard = dynamic_cast<CIsoProdukt*>(&replacement)) {
    RepointReference(*this, standardProduct, *standard);
  } else if (auto* surface = dynamic_cast<CMantling*>(&replacement)) {
    RepointSurface(*this, *surface, outerSurface, innerSurface);
  }
}

void COkoIsolasjon::Serialize(CArchive& ar) {
  ar.Exchange(name, secondName);
  ar.ExchangeWord(objectKind);
  ar.ExchangeWord(source);
  ar.Exchange(userThickness, standardThickness, price);
  ar.ExchangeWord(ownEmissivity);
  ar.ExchangeWord(useInnerSurface);
  ar.Exchange(emissivity);
  ExchangeReference(ar, *this, standardProduct, DbList::Products);
  ExchangeReference(ar, *this, outerSurface,
                    InsulatedInside() ? DbList::PipeSurfaces : DbList::OuterFinishes);
  ExchangeReference(ar, *this, innerSurface, DbList::InnerFacings);
  ExchangeUserReference(ar, *this, userProduct);
}

COkonomiModul::COkonomiModul(ModuleContext* owner)
    : CQorModul(owner), report(std::make_unique<EconomicsReport>(ReportPageOf(owner))) {
  COkonomiModul::Reset();
}

COkonomiModul::~COkonomiModul() { report->Hide(Lists()); }

ReportLists* COkonomiModul::Lists() const { return context ? &context->Reports() : nullptr; }

int COkonomiModul::Edit() {
  if (!CQorModul::Edit()) return 0;
  if (context) context->RememberCurrency(currency);
  Recalculate();
  return 1;
}

void COkonomiModul::AssignInputs(const COkonomiModul& other) {
  currency = other.currency;
  mediumTemperature = other.mediumTemperature;
  ambientTemperature = other.ambientTemperature;
  diameter = other.diameter;
  height = other.height;
  width = other.width;
  environment = other.environment;
  windSpeed = other.windSpeed;
  userCoefficient = other.userCoefficient;
  operatingHours = other.operatingHours;
  energyPrice = other.energyPrice;
  interestRate = other.interestRate;
  energyInflation = other.energyInflation;
  lifeSpan = other.lifeSpan;
  CopyList(alternatives, other.alternatives);
  objectKind = other.objectKind;
  flowUnit = other.flowUnit;
  flow = other.flow;
  vertical = other.vertical;
  bareEmissivity = other.bareEmissivity;
}

void COkonomiModul::Recalculate() {
  calculated = 0;
  report->Hide(Lists());
  // Also on loading and after a database edit, where no dialog has checked the inputs.
  if (!StoredEconomicsInputsPass(*this)) return;
  const auto result = ComputeEconomics(*this);
  if (!result) {
    if (context) context->Messenger().Show(MessageText(ids::kCalculationInterrupted));
    return;
  }
  report->Show(*this, *result, Lists());
  calculated = 1;
}

void COkonomiModul::Reset() {
  calculated = 0;
  currency = ResetCurrency(context);
  mediumTemperature = 50.0f;
  ambientTemperature = 10.0f;
  diameter = 100.0f;
  height = 200.0f;
  width = 200.0f;
  environment = 0;
  windSpeed = 2.0f;
  userCoefficient = 5.0f;
  operatingHours = 8760.0f;
  energyPrice = 0.6f;
  interestRate = 7.0f;
  energyInflation = 0.0f;
  lifeSpan = 20.0f;
  DeleteAll(alternatives);
  objectKind = 0;
  flowUnit = 0;
  flow = 10.0f;
  vertical = 0;
  bareEmissivity = kDefaultBareEmissivity;
  report->Reset(Lists());
}

std::string COkonomiModul::GetSymbol(SymbolInfo& symbol) const {
  if (!calculated) return "MATERIALTYPEX0";
  // A file may say calculated without holding an alternative; the picture then shows
  // nothing chosen rather than reading past the list.
  const AlternativeColours colours =
      alternatives.empty() ? AlternativeColours{kYellow, kGrey, kGrey} : ColoursOf(*alternatives.front());
  symbol.words[0] = kOlive;
  symbol.words[1] = colours.insulation;
  symbol.words[2] = kYellow;
  if (objectKind == 3 || objectKind == 5) {
    symbol.words[3] = colours.inner;
    symbol.words[4] = kBlue;
    symbol.words[5] = colours.outer;
  } else {
    symbol.words[3] = colours.outer;
  }
  // A stored flag may hold any nonzero value; the pictures exist for 0 and 1 only.
  return FormatC("MATERIALTYPE%d", {(vertical ? 6 : 0) + objectKind});
}

void COkonomiModul::Serialize(CArchive& ar) {
  if (ar.IsLoading()) DeleteAll(alternatives);
  ar.ExchangeList(alternatives);
  ar.ExchangeWord(objectKind);
  ar.Exchange(currency);
  ar.Exchange(mediumTemperature, ambientTemperature);
  ar.Exchange(diameter, width, height);
  ar.ExchangeWord(environment);
  ar.Exchange(windSpeed, userCoefficient, operatingHours, energyPrice, interestRate, energyInflation,
              lifeSpan);
  ar.Exchange(calculated, flowUnit, flow, vertical);
  if (ar.IsLoading()) {
    // These index pictures, table texts and formulas; a damaged file must not take them
    // out of range.
    objectKind = std::clamp(objectKind, 0, kLastKind);
    environment = std::clamp(environment, 0, kLastEnvironment);
    flowUnit = std::clamp(flowUnit, 0, kLastFlowUnit);
    bareEmissivity = kDefaultBareEmissivity;
    if (calculated) {
      Recalculate();
    } else {
      report->Hide(Lists());
    }
  }
}

}  // namespace kelvora
