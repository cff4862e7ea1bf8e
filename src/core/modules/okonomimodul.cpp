#include "core/modules/okonomimodul.h"

#include <algorithm>

#include "core/database/references.h"
#include "core/framework/cformat.h"
#include "core/document/document.h"
#include "core/framework/platform.h"
#include "core/framework/settingskeys.h"

namespace kelvora {

namespace {

constexpr std::int32_t kLastKind = 5;
constexpr std::int32_t kLastEnvironment = 2;
constexpr std::int32_t kLastFlowUnit = 2;
constexpr std::uint32_t kOlive = 0x00008080;
constexpr std::uint32_t kYellow = 0x0000FFFF;
constexpr std::uint32_t kBlue = 0x00FF0000;
constexpr std::uint32_t kGrey = 0x00C0C0C0;

}  // namespace

COkoIsolasjon::COkoIsolasjon(const COkoIsolasjon& other)
    : CListItem(other),
      source(other.source),
      objectKind(other.objectKind),
      standardThickness(other.standardThickness),
      userThickness(other.userThickness),
      price(other.price),
      ownEmissivity(other.ownEmissivity),
      emissivity(other.emissivity),
      useInnerSurface(other.useInnerSurface) {
  SetStandardProduct(other.standardProduct);
  SetUserProduct(other.userProduct);
  SetOuterSurface(other.outerSurface);
  SetInnerSurface(other.innerSurface);
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

COkonomiModul::COkonomiModul(CQorDoc* owner) : CQorModul(owner) { Reset(); }

void COkonomiModul::Reset() {
  calculated = 0;
  const SettingKey& key = settings::kCurrency;
  currency =
      document ? document->settings.GetString(key.section, key.key, key.fallback) : std::string(key.fallback);
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
  bareEmissivity = 0.5f;
}

std::string COkonomiModul::GetSymbol(SymbolInfo& symbol) const {
  if (!calculated) return "MATERIALTYPEX0";
  // A file may say calculated without holding an alternative; the picture then shows
  // nothing chosen rather than reading past the list.
  const COkoIsolasjon* first = alternatives.empty() ? nullptr : alternatives.front().get();
  const CIsoProdukt* product = first ? first->Product() : nullptr;
  const CMantling* outer = first && !first->ownEmissivity ? first->OuterSurface() : nullptr;
  const std::uint32_t outerColour = outer ? outer->colour : kGrey;
  symbol.words[0] = kOlive;
  symbol.words[1] = product ? product->insulationColour : kYellow;
  symbol.words[2] = kYellow;
  if (objectKind == 3 || objectKind == 5) {
    if (first && first->useInnerSurface && first->InnerSurface()) {
      symbol.words[3] = first->InnerSurface()->colour;
    } else if (first && first->IsStandard() && first->StandardProduct()) {
      symbol.words[3] = first->StandardProduct()->surfaceColour;
    } else {
      symbol.words[3] = kGrey;
    }
    symbol.words[4] = kBlue;
    symbol.words[5] = outerColour;
  } else {
    symbol.words[3] = outerColour;
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
    if (calculated) Recalculate();
  }
}

}  // namespace kelvora
