#pragma once

// Modules filled the way a user leaves them: every stored input away from its default,
// every reference the module can hold set (user products included), lists filled. The
// module tests and the whole-document tests share them, so both speak of the same data.
// They expect the records of the small database of testdocument.h.

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>

#include "core/database/absorpsjon.h"
#include "core/database/mantling.h"
#include "core/document/document.h"
#include "core/modules/condensation/innvendigkondensmodul.h"
#include "core/modules/condensation/utvendigkondensmodul.h"
#include "core/modules/economics/okonomimodul.h"
#include "core/modules/frost/frostmodul.h"
#include "core/modules/heatloss/varmetapmodul.h"
#include "core/modules/run/kanaltempmodul.h"
#include "core/modules/run/segment.h"
#include "core/modules/sound/lydmodul.h"
#include "core/modules/tank/tanktempmodul.h"
#include "support/bodybytes.h"

namespace kelvora::testing {

template <class T>
T& Record(CQorDoc& doc, DbList list, std::size_t index = 0) {
  return dynamic_cast<T&>(*doc.database.List(list).at(index));
}

template <class M>
M& ModuleOf(CQorDoc& doc, ModuleIndex index) {
  return dynamic_cast<M&>(doc.Module(index));
}

// Listed once: a user listed twice would be told twice of a replacement and still be
// listed after letting go.
inline bool HasUser(const CListItem& record, const CItem& user) {
  const auto& users = record.Users();
  return std::count(users.begin(), users.end(), &user) == 1;
}

// The user product of that name; added to the user database when it holds none.
inline CEgendefIsoProdukt& UserProduct(CQorDoc& doc, std::string_view name) {
  auto& products = doc.userDatabase.Products();
  for (const auto& product : products) {
    if (product->name == name) return *product;
  }
  auto product = std::make_unique<CEgendefIsoProdukt>();
  product->name = name;
  products.push_back(std::move(product));
  return *products.back();
}

// Gives `to` a user product of every name `from` holds, as a colleague with the same user
// database has when opening the file.
inline void CopyUserProducts(const CQorDoc& from, CQorDoc& to) {
  for (const auto& product : from.userDatabase.Products()) UserProduct(to, product->name);
}

// An equipment entry of a database type, or user-defined when `entry` is null.
inline std::unique_ptr<CTilleggsutstyr> Equipment(CTillegg2* entry, std::int32_t count,
                                                  const std::string& name) {
  auto item = std::make_unique<CTilleggsutstyr>();
  item->count = count;
  item->userDefined = entry ? 0 : 1;
  item->equivalentLength = 2.5f;
  item->SetEquipment(entry);
  item->UpdateNames(name);
  return item;
}

inline CVarmeTapModul& FillHeatLoss(CQorDoc& doc) {
  auto& m = ModuleOf<CVarmeTapModul>(doc, ModuleIndex::HeatLoss);
  m.calculationType = 2;
  m.objectKind = 1;
  m.mediumTemperature = 180.5f;
  m.ambientTemperature = -12.0f;
  m.surfaceTemperature = 41.0f;
  m.diameter = 219.1f;
  m.width = 300;
  m.height = 400;
  m.length = 25;
  m.area = 3.5f;
  m.layer2On = 1;
  m.layer3On = 1;
  m.layers[0].Set(0, &Record<CIsoProdukt>(doc, DbList::Products), 80, nullptr, 60);
  m.layers[1].Set(1, nullptr, 40, &UserProduct(doc, "Vlastní"), 30);
  m.layers[2].source = 1;
  m.environment = 1;
  m.windSpeed = 5;
  m.userSurfaceCoefficient = 9;
  m.surfaceMode = 1;
  m.userEmissivity = 0.3f;
  m.innerSurfaceOn = 1;
  m.operatingHours = 4000;
  m.energyPrice = 2.5f;
  m.energyCalculationOn = 1;
  m.co2Factor = 500;
  m.currency = "€";
  m.maxHeatLossPerMetre = 20;
  m.maxHeatLossPerSquareMetre = 70;
  m.heatLossUnit = 1;
  m.orientation = 1;
  m.flowUnit = 2;
  m.flowValue = 3.5f;
  m.equipmentOn = 1;
  m.equipment.push_back(Equipment(&Record<CTillegg2>(doc, DbList::Equipment), 3, ""));
  m.equipment.push_back(Equipment(nullptr, 2, "Příruba"));
  m.hangersOn = 1;
  m.bareEmissivity = 0.8f;
  m.SetSurface(&Record<CMantling>(doc, DbList::OuterFinishes));
  m.SetInnerSurface(&Record<CMantling>(doc, DbList::InnerFacings));
  return m;
}

// A section keeps the kind it was made with; its surface comes from the list of that kind.
inline CSegment& FillSection(CQorDoc& doc, CSegment& s) {
  s.height = 300;
  s.width = 250;
  s.diameter = 89;
  s.length = 12;
  s.ambientTemperature = 5;
  s.environment = 1;
  s.windSpeed = 4;
  s.userOuterCoefficient = 8;
  s.userInnerCoefficientOn = 1;
  s.userInnerCoefficient = 15;
  s.flowUnit = 2;
  s.flow = 3.5f;
  s.userEmissivityOn = 1;
  s.userEmissivity = 0.3f;
  s.vertical = 1;
  s.suspensionsOn = 1;
  s.facingOn = 1;
  s.secondLayerOn = 1;
  s.layer1.Set(0, &Record<CIsoProdukt>(doc, DbList::Products), 80, nullptr, 50);
  s.layer2.Set(1, nullptr, 50, &UserProduct(doc, "Moje"), 30);
  s.SetSurface(&Record<CMantling>(
      doc, s.kind == CSegment::kRectDuctInternal ? DbList::PipeSurfaces : DbList::OuterFinishes));
  s.SetFacing(&Record<CMantling>(doc, DbList::InnerFacings));
  s.auxEquipmentOn = 1;
  s.auxEquipment.push_back(Equipment(&Record<CTillegg2>(doc, DbList::Equipment), 2, ""));
  return s;
}

// Two filled sections: a pipe, and a duct insulated inside, whose surface is a pipe
// surface.
inline CKanalTempModul& FillPipeRun(CQorDoc& doc) {
  auto& m = ModuleOf<CKanalTempModul>(doc, ModuleIndex::PipeRun);
  m.userDefinedLiquid = 1;
  m.liquidHeatCapacity = 3800;
  m.liquidDensity = 1050;
  m.liquidFreezingPoint = -12;
  m.inletTemperature = 70;
  m.energyCostOn = 1;
  m.operatingHours = 5000;
  m.energyPrice = 2.5f;
  m.currency = "EUR";
  m.isAir = 1;
  m.dewPointCheckOn = 1;
  m.relativeHumidity = 45;
  m.nextSectionNumber = 3;
  m.SetLiquid(&Record<CVeske>(doc, DbList::Liquids));
  auto first = std::make_unique<CSegment>(CSegment::kPipe, 1);
  FillSection(doc, *first);
  m.sections.push_back(std::move(first));
  auto second = std::make_unique<CSegment>(CSegment::kRectDuctInternal, 2);
  FillSection(doc, *second);
  m.sections.push_back(std::move(second));
  return m;
}

inline CTankTempModul& FillTank(CQorDoc& doc) {
  auto& m = ModuleOf<CTankTempModul>(doc, ModuleIndex::Tank);
  m.diameter = 2.5f;
  m.length = 6;
  m.width = 2;
  m.height = 3;
  m.depth = 4;
  m.userDefinedLiquid = 1;
  m.liquidHeatCapacity = 2100;
  m.liquidDensity = 870;
  m.liquidFreezingPoint = -20;
  m.startTemperature = 90;
  m.endTemperature = 40;
  m.storageTime = 72;
  m.ambientTemperature = -5;
  m.environment = 1;
  m.windSpeed = 4;
  m.userOuterCoefficient = 8;
  m.userEmissivityOn = 1;
  m.userEmissivity = 0.2f;
  m.insulation.Set(0, &Record<CIsoProdukt>(doc, DbList::Products), 100, &UserProduct(doc, "Vlastní"), 70);
  m.SetSurface(&Record<CMantling>(doc, DbList::OuterFinishes));
  m.SetLiquid(&Record<CVeske>(doc, DbList::Liquids));
  m.shape = 2;
  m.mode = 1;
  return m;
}

// `kind` also picks the list of the outer surface: pipe surfaces for kinds insulated inside.
inline CUtvendigKondensModul& FillExternalCondensation(CQorDoc& doc, std::int32_t kind) {
  auto& m = ModuleOf<CUtvendigKondensModul>(doc, ModuleIndex::ExternalCondensation);
  m.kind = kind;
  m.mediumTemperature = -12.5f;
  m.ambientTemperature = 24;
  m.relativeHumidity = 72;
  m.diameter = 114.3f;
  m.width = 400;
  m.height = 300;
  m.environment = 1;
  m.windSpeed = 4.5f;
  m.userOuterCoefficient = 8;
  m.userEmissivityOn = 1;
  m.userEmissivity = 0.3f;
  m.facingOn = 1;
  m.vertical = 1;
  m.insulation.Reset(kind, 0);
  m.insulation.Set(0, &Record<CIsoProdukt>(doc, DbList::Products), 60, &UserProduct(doc, "Vlastní"), 30);
  m.SetSurface(&Record<CMantling>(doc, m.InsulatedInside() ? DbList::PipeSurfaces : DbList::OuterFinishes));
  m.SetFacing(&Record<CMantling>(doc, DbList::InnerFacings));
  return m;
}

inline CInnvendigKondensModul& FillInternalCondensation(CQorDoc& doc) {
  auto& m = ModuleOf<CInnvendigKondensModul>(doc, ModuleIndex::InternalCondensation);
  m.rectangular = 1;
  m.ambientTemperature = 5;
  m.userInnerCoefficient = 12.5f;
  m.userInnerCoefficientOn = 1;
  m.diameter = 160;
  m.width = 500;
  m.height = 250;
  m.length = 35;
  m.environment = 1;
  m.windSpeed = 3;
  m.userOuterCoefficient = 7;
  m.userEmissivityOn = 1;
  m.userEmissivity = 0.25f;
  m.inletTemperature = 32;
  m.relativeHumidity = 65;
  m.flow = 1.5f;
  m.flowUnit = 2;
  m.vertical = 1;
  m.suspensionsOn = 1;
  m.insulation.Reset(2, 0);
  m.insulation.Set(0, &Record<CIsoProdukt>(doc, DbList::Products), 40, &UserProduct(doc, "Vlastní"), 25);
  m.SetSurface(&Record<CMantling>(doc, DbList::OuterFinishes));
  return m;
}

inline CFrostModul& FillFrost(CQorDoc& doc) {
  auto& m = ModuleOf<CFrostModul>(doc, ModuleIndex::Frost);
  m.pipeDiameter = 60.3f;
  m.wallThickness = 2.9f;
  m.startTemperature = 10;
  m.ambientTemperature = -25;
  m.percentageFrozen = 50;
  m.insulation.Set(0, &Record<CIsoProdukt>(doc, DbList::Products), 40, &UserProduct(doc, "Vlastní"), 30);
  m.environment = 1;
  m.windSpeed = 6;
  m.userCoefficient = 12;
  m.ownEmissivity = 1;
  m.SetSurface(&Record<CMantling>(doc, DbList::OuterFinishes));
  m.emissivity = 0.5f;
  m.vertical = 1;
  return m;
}

// Lined on two sides with the rectangular absorber at its first thickness.
inline CLydModul& FillSound(CQorDoc& doc) {
  auto& m = ModuleOf<CLydModul>(doc, ModuleIndex::Sound);
  m.ductType = static_cast<std::int32_t>(DuctType::RectangularTopBottom);
  m.userDefined = 1;
  m.ownThickness = 75;
  m.width = 600;
  m.height = 300;
  m.diameter = 250;
  m.ownAlpha = {0.1f, 0.3f, 0.6f, 0.8f, 0.9f, 0.7f};
  m.ownName = "Pěna";
  auto& absorber = Record<CAbsorpsjon>(doc, DbList::RectangularAbsorbers);
  m.SetAbsorber(&absorber, absorber.thicknesses.front().get());
  return m;
}

// An economics alternative of `kind` with every reference set, appended to the module.
inline COkoIsolasjon& AddAlternative(CQorDoc& doc, std::int32_t kind) {
  auto alternative = std::make_unique<COkoIsolasjon>(kind);
  alternative->name = "Vata, 40.0mm";
  alternative->secondName = "Wool, 40.0mm";
  alternative->standardThickness = 40;
  alternative->price = 250;
  alternative->SetStandardProduct(&Record<CIsoProdukt>(doc, DbList::Products));
  alternative->SetUserProduct(&UserProduct(doc, "Moje"));
  alternative->SetOuterSurface(
      &Record<CMantling>(doc, alternative->InsulatedInside() ? DbList::PipeSurfaces : DbList::OuterFinishes));
  alternative->SetInnerSurface(&Record<CMantling>(doc, DbList::InnerFacings));
  auto& alternatives = ModuleOf<COkonomiModul>(doc, ModuleIndex::Economics).alternatives;
  alternatives.push_back(std::move(alternative));
  return *alternatives.back();
}

// An alternative of the user product at its own thickness, with its own emissivity and
// the inner surface on.
inline COkoIsolasjon& AddUserAlternative(CQorDoc& doc, std::int32_t kind) {
  COkoIsolasjon& alternative = AddAlternative(doc, kind);
  alternative.source = 1;
  alternative.userThickness = 60;
  alternative.ownEmissivity = 1;
  alternative.useInnerSurface = 1;
  alternative.emissivity = 0.3f;
  return alternative;
}

// Two alternatives: a standard one outside, and the user's one insulated inside.
inline COkonomiModul& FillEconomics(CQorDoc& doc) {
  auto& m = ModuleOf<COkonomiModul>(doc, ModuleIndex::Economics);
  m.currency = "EUR";
  m.mediumTemperature = 120;
  m.ambientTemperature = -5;
  m.diameter = 168.3f;
  m.height = 600;
  m.width = 450;
  m.environment = 1;
  m.windSpeed = 6;
  m.userCoefficient = 9;
  m.operatingHours = 5000;
  m.energyPrice = 2.5f;
  m.interestRate = 4;
  m.energyInflation = 3;
  m.lifeSpan = 15;
  m.objectKind = 2;
  m.flowUnit = 2;
  m.flow = 3.5f;
  m.vertical = 1;
  m.bareEmissivity = 0.9f;
  AddAlternative(doc, 0);
  AddUserAlternative(doc, 5);
  return m;
}

inline void FillEveryModule(CQorDoc& doc) {
  FillHeatLoss(doc);
  FillPipeRun(doc);
  FillTank(doc);
  FillExternalCondensation(doc, 3);
  FillInternalCondensation(doc);
  FillFrost(doc);
  FillSound(doc);
  FillEconomics(doc);
}

// A section as files from before the layout marker hold it, up to its equipment list:
// the layers' thicknesses, sources and products lie loose among the other fields. Layer 1
// has the standard product "Vata" at 60 mm (user thickness 40), layer 2 the user product
// "Moje" at 35 mm (standard thickness 30); every switch is on; width 250, height 300,
// diameter 89, length 12, ambient 5, wind 4, coefficients 8 outside and 15 inside, flow
// 3.5 in unit 2, emissivity 0.3. A layer source of 2 marks a bare section.
inline ExpectedBytes OldLayoutSection(std::string_view cp1250Name, int kind, int source1, int source2,
                                      std::string_view cp1250Surface) {
  ExpectedBytes old;
  old.Str(cp1250Name);
  old.Int(kind).Float(250).Float(300).Float(15).Int(1).Float(5);
  old.Int(1).Float(4).Float(8).Float(60).Float(89).Float(12).Int(1).Int(source1);
  old.Int(1).Int(2).Float(3.5f).Float(0.3f).Float(40);
  old.Int(1).Int(1).Int(source2).Float(30).Float(35).Int(1).Int(1);
  old.Str("Vata").NullRef().NullRef().Str("Moje");
  old.Str(cp1250Surface).Str("Rouno");
  return old;
}

}  // namespace kelvora::testing
