#include "core/physics/isolasjon.h"

#include "core/database/references.h"
#include "core/framework/cformat.h"
#include "core/framework/stringtable.h"

namespace kelvora {

CIsolasjon::CIsolasjon(const CIsolasjon& other) : CItem(other) { Assign(other); }

CIsolasjon& CIsolasjon::operator=(const CIsolasjon& other) {
  Assign(other);
  return *this;
}

CIsolasjon::~CIsolasjon() {
  SetReference(*this, standardProduct, static_cast<CIsoProdukt*>(nullptr));
  SetReference(*this, userProduct, static_cast<CEgendefIsoProdukt*>(nullptr));
}

void CIsolasjon::Assign(const CIsolasjon& other) {
  source = other.source;
  objectKind = other.objectKind;
  thicknessGiven = other.thicknessGiven;
  userThickness = other.userThickness;
  standardThickness = other.standardThickness;
  SetReference(*this, standardProduct, other.standardProduct);
  SetReference(*this, userProduct, other.userProduct);
}

void CIsolasjon::Reset(std::int32_t kind, std::int32_t given) {
  Set(static_cast<std::int32_t>(ProductSource::Standard), nullptr, 50.0f, nullptr, 50.0f);
  objectKind = kind;
  thicknessGiven = given;
}

void CIsolasjon::Set(std::int32_t newSource, CIsoProdukt* standard, float standardMm,
                     CEgendefIsoProdukt* user, float userMm) {
  if (newSource < 2) source = newSource;
  SetReference(*this, standardProduct, standard);
  SetReference(*this, userProduct, user);
  standardThickness = standardMm;
  userThickness = userMm;
}

void CIsolasjon::ReplaceReference(CItem& replacement) {
  if (auto* user = dynamic_cast<CEgendefIsoProdukt*>(&replacement)) {
    RepointReference(*this, userProduct, *user);
  } else if (auto* standard = dynamic_cast<CIsoProdukt*>(&replacement)) {
    RepointReference(*this, standardProduct, *standard);
  }
}

const CIsoProdukt* CIsolasjon::Product() const {
  return IsStandard() ? standardProduct : static_cast<const CIsoProdukt*>(userProduct);
}

std::string CIsolasjon::Description(bool english) const {
  if (!IsStandard()) {
    if (!userProduct) return {};
    return FormatC(english ? "%s (user-defined)" : "%s (Jiný)", {userProduct->name});
  }
  if (!standardProduct) return {};
  const std::string& name = english ? standardProduct->secondName : standardProduct->name;
  // A product that names no producer shows no empty parentheses.
  if (standardProduct->producer.empty()) return name;
  return FormatC("%s (%s)", {name, standardProduct->producer});
}

std::string CIsolasjon::Summary(bool withThickness) const {
  const CIsoProdukt* product = Product();
  if (!product) return {};
  if (!withThickness) return FormatC(MessageText(ids::kLayerSummary), {product->DisplayName()});
  return FormatC(MessageText(ids::kLayerSummaryWithThickness), {product->DisplayName(), Thickness()});
}

std::uint32_t CIsolasjon::FillColour() const {
  const CIsoProdukt* product = Product();
  return product ? product->insulationColour : 0x0000FFFF;
}

std::uint32_t CIsolasjon::SecondColour() const {
  const CIsoProdukt* product = Product();
  return product ? product->surfaceColour : 0x00C0C0C0;
}

void CIsolasjon::Serialize(CArchive& ar) {
  ar.ExchangeWord(source);
  ar.Exchange(standardThickness, userThickness);
  ar.ExchangeWord(objectKind);
  ar.ExchangeWord(thicknessGiven);
  ExchangeReference(ar, *this, standardProduct, DbList::Products);
  ExchangeUserReference(ar, *this, userProduct);
}

CTilleggsutstyr::CTilleggsutstyr(const CTilleggsutstyr& other)
    : CListItem(other),
      count(other.count),
      userDefined(other.userDefined),
      equivalentLength(other.equivalentLength) {
  SetEquipment(other.equipment);
}

CTilleggsutstyr::~CTilleggsutstyr() { SetEquipment(nullptr); }

void CTilleggsutstyr::ReplaceReference(CItem& replacement) {
  if (auto* entry = dynamic_cast<CTillegg2*>(&replacement)) RepointReference(*this, equipment, *entry);
}

float CTilleggsutstyr::EquivalentLength(float diameterMm) const {
  if (userDefined) return static_cast<float>(count) * equivalentLength;
  return equipment ? static_cast<float>(count) * equipment->AddedLengthFor(diameterMm) : 0.0f;
}

void CTilleggsutstyr::UpdateNames(const std::string& userName) {
  const bool fromDatabase = !userDefined && equipment;
  name = FormatC("%s; %d", {fromDatabase ? equipment->name : userName, count});
  secondName = FormatC("%s; %d", {fromDatabase ? equipment->secondName : userName, count});
}

std::string CTilleggsutstyr::EnglishName() const {
  if (userDefined || !equipment || equipment->secondName.empty()) return name;
  return FormatC("%s; %d", {equipment->secondName, count});
}

std::string CTilleggsutstyr::DisplayName() const {
  return DisplayLanguage() == Language::English ? EnglishName() : name;
}

std::string CTilleggsutstyr::UserName() const {
  const std::string suffix = FormatC("; %d", {count});
  if (name.ends_with(suffix)) return name.substr(0, name.size() - suffix.size());
  return name;
}

void CTilleggsutstyr::Serialize(CArchive& ar) {
  ar.Exchange(name, count, userDefined, equivalentLength);
  ExchangeReference(ar, *this, equipment, DbList::Equipment);
}

}  // namespace kelvora
