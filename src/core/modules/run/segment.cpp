#include "core/modules/run/segment.h"

#include <algorithm>
#include <string_view>

#include "core/database/references.h"
#include "core/framework/archive.h"
#include "core/framework/cformat.h"
#include "core/framework/stringtable.h"
#include "core/physics/physics.h"

namespace kelvora {

namespace {

// Files from before this marker hold the layers as loose fields inside the section.
constexpr std::string_view kLayoutMarker = "versjon4";
// The run always takes its thicknesses as input.
constexpr std::int32_t kThicknessGiven = 1;
// The layer source that files of the old layout store for a bare section.
constexpr std::int32_t kOldBareSource = 2;

const ReferenceSources& Sources(CArchive& ar) {
  const ReferenceSources* sources = ar.GetReferenceSources();
  if (!sources) throw ArchiveException(ArchiveError::BadIndex);
  return *sources;
}

// Old files name the list of a layer's product after the section's kind, but only the
// product list holds products: any other list would hand the layer an absorber or a
// surface finish, so the name is always looked up among the products.
CIsoProdukt* ReadOldProduct(CArchive& ar) {
  const ReferenceSources& sources = Sources(ar);
  return dynamic_cast<CIsoProdukt*>(sources.database.ReadReference(ar, DbList::Products, sources.chooser));
}

CEgendefIsoProdukt* ReadOldUserProduct(CArchive& ar) {
  const ReferenceSources& sources = Sources(ar);
  return sources.userDatabase.ReadReference(ar, sources.chooser);
}

}  // namespace

CSegment::CSegment(std::int32_t sectionKind, int number, const CSegment* templateSection)
    : kind(sectionKind) {
  // Named as the user reads it; a name typed or stored stays whatever the language.
  name = FormatC(DisplayLanguage() == Language::English ? "Section %d" : "Úsek %d", {number});
  // Also behind a template of another kind: layers set up for a pipe would offer a duct
  // the products of pipes.
  layer1.Reset(kind, kThicknessGiven);
  layer2.Reset(kind, kThicknessGiven);
  if (!templateSection) return;
  CopySettings(*templateSection);
  if (templateSection->kind != kind) return;
  layer1.Assign(templateSection->layer1);
  layer2.Assign(templateSection->layer2);
  SetSurface(templateSection->surface);
  facingOn = templateSection->facingOn;
  SetFacing(templateSection->facing);
  secondLayerOn = templateSection->secondLayerOn;
}

CSegment::CSegment(const CSegment& other)
    : CListItem(other),
      layer1(other.layer1),
      layer2(other.layer2),
      kind(other.kind),
      facingOn(other.facingOn),
      secondLayerOn(other.secondLayerOn),
      auxEquipment(other.auxEquipment) {
  CopySettings(other);
  SetSurface(other.surface);
  SetFacing(other.facing);
}

CSegment::~CSegment() {
  SetSurface(nullptr);
  SetFacing(nullptr);
}

void CSegment::CopySettings(const CSegment& from) {
  height = from.height;
  width = from.width;
  diameter = from.diameter;
  length = from.length;
  bare = from.bare;
  ambientTemperature = from.ambientTemperature;
  environment = from.environment;
  windSpeed = from.windSpeed;
  userOuterCoefficient = from.userOuterCoefficient;
  userInnerCoefficientOn = from.userInnerCoefficientOn;
  userInnerCoefficient = from.userInnerCoefficient;
  flowUnit = from.flowUnit;
  flow = from.flow;
  userEmissivityOn = from.userEmissivityOn;
  userEmissivity = from.userEmissivity;
  vertical = from.vertical;
  auxEquipmentOn = from.auxEquipmentOn;
  suspensionsOn = from.suspensionsOn;
}

float CSegment::InnerArea() const {
  const float t = bare ? 0.0f : layer1.Thickness() / 1000.0f;
  // A pipe's bore is round like that of a circular duct.
  const auto shape = kind == kPipe ? ObjectKind::CircularDuct : static_cast<ObjectKind>(kind);
  return FlowArea(shape, diameter / 1000.0f, width / 1000.0f, height / 1000.0f, t);
}

float CSegment::VolumeFlow() const { return kelvora::VolumeFlow(flowUnit, flow, InnerArea()); }

float CSegment::MaxTemperature() const {
  const CIsoProdukt* product = bare ? nullptr : layer1.Product();
  return product ? product->maxTemperature : 10000.0f;
}

float CSegment::InsulationArea(int layer) const {
  if (bare) return 0.0f;
  const float d = diameter / 1000.0f;
  const float w = width / 1000.0f;
  const float h = height / 1000.0f;
  const float t1 = layer1.Thickness() / 1000.0f;
  const float t = layer == 1 ? t1 : t1 + layer2.Thickness() / 1000.0f;
  switch (kind) {
    case kPipe:
    case kCircularDuct:
      return kPi * (d + 2.0f * t) * length;
    case kRectDuctExternal:
      return (2.0f * (w + 2.0f * t) + 2.0f * (h + 2.0f * t)) * length;
    default:
      // Inside a duct layer 1 lines the walls and layer 2 lines layer 1.
      return layer == 1 ? (2.0f * w + 2.0f * h) * length
                        : (2.0f * (w - 2.0f * t1) + 2.0f * (h - 2.0f * t1)) * length;
  }
}

void CSegment::ReplaceReference(CItem& replacement) {
  if (auto* record = dynamic_cast<CMantling*>(&replacement)) RepointSurface(*this, *record, surface, facing);
}

void CSegment::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar.WriteMarker(kLayoutMarker);
    ar.Exchange(name);
    SerializeFields(ar);
  } else if (ar.ReadMarker(kLayoutMarker, name)) {
    ar.Exchange(name);
    SerializeFields(ar);
  } else {
    ReadOldLayout(ar);  // what was read is the name
  }
}

void CSegment::SerializeFields(CArchive& ar) {
  ar.Exchange(kind, width, height, userInnerCoefficient, userInnerCoefficientOn, ambientTemperature,
              environment, windSpeed, userOuterCoefficient, diameter, length, userEmissivityOn, bare,
              auxEquipmentOn, flowUnit, flow, userEmissivity, facingOn, secondLayerOn, vertical,
              suspensionsOn);
  if (ar.IsLoading()) KeepChoicesInRange();
  layer1.Serialize(ar);
  layer2.Serialize(ar);
  ExchangeSurfacesAndEquipment(ar);
}

void CSegment::ReadOldLayout(CArchive& ar) {
  std::int32_t source1 = 0;
  std::int32_t source2 = 0;
  float standard1 = 0, user1 = 0, standard2 = 0, user2 = 0;
  ar.Exchange(kind, width, height, userInnerCoefficient, userInnerCoefficientOn, ambientTemperature,
              environment, windSpeed, userOuterCoefficient, standard1, diameter, length, userEmissivityOn,
              source1, auxEquipmentOn, flowUnit, flow, userEmissivity, user1, facingOn, secondLayerOn,
              source2, standard2, user2, vertical, suspensionsOn);
  KeepChoicesInRange();
  CIsoProdukt* product1 = ReadOldProduct(ar);
  CEgendefIsoProdukt* userProduct1 = ReadOldUserProduct(ar);
  CIsoProdukt* product2 = ReadOldProduct(ar);
  CEgendefIsoProdukt* userProduct2 = ReadOldUserProduct(ar);
  bare = source1 == kOldBareSource ? 1 : 0;
  layer1.Reset(kind, kThicknessGiven);
  layer1.Set(source1, product1, standard1, userProduct1, user1);
  layer2.Reset(kind, kThicknessGiven);
  layer2.Set(source2, product2, standard2, userProduct2, user2);
  ExchangeSurfacesAndEquipment(ar);
}

void CSegment::KeepChoicesInRange() {
  // Each picks formulas, formats and texts; a damaged file must not take one out of range.
  kind = std::clamp(kind, static_cast<std::int32_t>(kPipe), static_cast<std::int32_t>(kRectDuctInternal));
  environment = std::clamp(environment, 0, static_cast<std::int32_t>(Environment::UserCoefficient));
  flowUnit = std::clamp(flowUnit, 0, static_cast<std::int32_t>(FlowUnit::MetresPerSecond));
}

void CSegment::ExchangeSurfacesAndEquipment(CArchive& ar) {
  // The surface of a bare section is chosen among the pipe surfaces, like that of an
  // internally insulated duct; looking for it among the finishes would lose it on
  // every load.
  const DbList surfaceList = kind == kRectDuctInternal || bare ? DbList::PipeSurfaces : DbList::OuterFinishes;
  ExchangeReference(ar, *this, surface, surfaceList);
  ExchangeReference(ar, *this, facing, DbList::InnerFacings);
  if (ar.IsLoading()) DeleteAll(auxEquipment);
  ar.ExchangeList(auxEquipment);
}

}  // namespace kelvora
