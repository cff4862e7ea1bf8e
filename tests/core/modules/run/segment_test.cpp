#include "core/modules/run/segment.h"

#include <gtest/gtest.h>

#include "support/bodybytes.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"

namespace kelvora {
namespace {

using testing::ExpectedBytes;
using testing::FillSection;
using testing::HasUser;
using testing::OldLayoutSection;
using testing::ReadBody;
using testing::Record;
using testing::TestDocument;
using testing::WriteBody;

class SegmentTest : public ::testing::Test {
 protected:
  TestDocument doc;
  CIsoProdukt* product = &Record<CIsoProdukt>(*doc, DbList::Products);
  CEgendefIsoProdukt* userProduct = &testing::UserProduct(*doc, "Moje");
  CMantling* finish = &Record<CMantling>(*doc, DbList::OuterFinishes);
  CMantling* pipeSurface = &Record<CMantling>(*doc, DbList::PipeSurfaces);
  CMantling* facing = &Record<CMantling>(*doc, DbList::InnerFacings);
  CTillegg2* valve = &Record<CTillegg2>(*doc, DbList::Equipment);
};

TEST_F(SegmentTest, ANewSectionWithoutTemplateHasTheDefaults) {
  const CSegment s(CSegment::kRectDuctExternal, 7);
  EXPECT_EQ(s.name, "Úsek 7");
  EXPECT_EQ(s.kind, CSegment::kRectDuctExternal);
  EXPECT_EQ(s.height, 200.0f);
  EXPECT_EQ(s.width, 200.0f);
  EXPECT_EQ(s.diameter, 100.0f);
  EXPECT_EQ(s.length, 10.0f);
  EXPECT_EQ(s.bare, 0);
  EXPECT_EQ(s.ambientTemperature, 20.0f);
  EXPECT_EQ(s.environment, 0);
  EXPECT_EQ(s.windSpeed, 2.0f);
  EXPECT_EQ(s.userOuterCoefficient, 5.0f);
  EXPECT_EQ(s.userInnerCoefficientOn, 0);
  EXPECT_EQ(s.userInnerCoefficient, 10.0f);
  EXPECT_EQ(s.flowUnit, 0);
  EXPECT_EQ(s.flow, 100.0f);
  EXPECT_EQ(s.userEmissivityOn, 0);
  EXPECT_EQ(s.userEmissivity, 0.94f);
  EXPECT_EQ(s.facingOn, 0);
  EXPECT_EQ(s.secondLayerOn, 0);
  EXPECT_EQ(s.vertical, 0);
  EXPECT_EQ(s.auxEquipmentOn, 0);
  EXPECT_EQ(s.suspensionsOn, 0);
  EXPECT_EQ(s.Surface(), nullptr);
  EXPECT_EQ(s.Facing(), nullptr);
  EXPECT_TRUE(s.auxEquipment.empty());
  for (const CIsolasjon* layer : {&s.layer1, &s.layer2}) {
    EXPECT_EQ(layer->objectKind, CSegment::kRectDuctExternal);
    EXPECT_EQ(layer->thicknessGiven, 1);
    EXPECT_TRUE(layer->IsStandard());
    EXPECT_EQ(layer->Thickness(), 50.0f);
    EXPECT_EQ(layer->Product(), nullptr);
  }
}

struct TemplateCase {
  std::int32_t templateKind;
  std::int32_t newKind;
};

class SegmentTemplate : public SegmentTest, public ::testing::WithParamInterface<TemplateCase> {};

TEST_P(SegmentTemplate, PassesOnSettingsAlwaysAndLayersAndSurfacesOnlyWithinAKind) {
  CSegment source(GetParam().templateKind, 1);
  FillSection(*doc, source);
  source.bare = 1;
  const CSegment s(GetParam().newKind, 2, &source);
  const bool sameKind = GetParam().templateKind == GetParam().newKind;

  EXPECT_EQ(s.name, "Úsek 2");
  EXPECT_EQ(s.kind, GetParam().newKind);
  EXPECT_EQ(s.height, 300.0f);
  EXPECT_EQ(s.width, 250.0f);
  EXPECT_EQ(s.diameter, 89.0f);
  EXPECT_EQ(s.length, 12.0f);
  EXPECT_EQ(s.bare, 1);
  EXPECT_EQ(s.ambientTemperature, 5.0f);
  EXPECT_EQ(s.environment, 1);
  EXPECT_EQ(s.windSpeed, 4.0f);
  EXPECT_EQ(s.userOuterCoefficient, 8.0f);
  EXPECT_EQ(s.userInnerCoefficientOn, 1);
  EXPECT_EQ(s.userInnerCoefficient, 15.0f);
  EXPECT_EQ(s.flowUnit, 2);
  EXPECT_EQ(s.flow, 3.5f);
  EXPECT_EQ(s.userEmissivityOn, 1);
  EXPECT_EQ(s.userEmissivity, 0.3f);
  EXPECT_EQ(s.vertical, 1);
  EXPECT_EQ(s.suspensionsOn, 1);
  EXPECT_EQ(s.auxEquipmentOn, 1);
  EXPECT_TRUE(s.auxEquipment.empty());

  EXPECT_EQ(s.layer1.Product(), sameKind ? product : nullptr);
  EXPECT_EQ(s.layer1.Thickness(), sameKind ? 80.0f : 50.0f);
  EXPECT_EQ(s.layer2.Product(), sameKind ? userProduct : nullptr);
  EXPECT_EQ(s.layer1.objectKind, GetParam().newKind);
  EXPECT_EQ(s.facingOn, sameKind ? 1 : 0);
  EXPECT_EQ(s.secondLayerOn, sameKind ? 1 : 0);
  EXPECT_EQ(s.Facing(), sameKind ? facing : nullptr);
  EXPECT_EQ(s.Surface(), sameKind ? source.Surface() : nullptr);
  EXPECT_EQ(HasUser(*facing, s), sameKind);
  EXPECT_EQ(HasUser(*product, s.layer1), sameKind);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SegmentTemplate,
    ::testing::Values(TemplateCase{CSegment::kRectDuctInternal, CSegment::kRectDuctInternal},
                      TemplateCase{CSegment::kCircularDuct, CSegment::kRectDuctExternal}));

TEST_F(SegmentTest, ACloneCopiesEverythingAndLetsGoOfItsRecordsWhenDeleted) {
  CSegment source(CSegment::kPipe, 4);
  FillSection(*doc, source);
  auto clone = CloneItem(source);
  EXPECT_EQ(WriteBody(*doc, *clone), WriteBody(*doc, source));
  EXPECT_TRUE(HasUser(*finish, *clone));
  EXPECT_TRUE(HasUser(*facing, *clone));
  EXPECT_TRUE(HasUser(*product, clone->layer1));
  EXPECT_TRUE(HasUser(*userProduct, clone->layer2));
  ASSERT_EQ(clone->auxEquipment.size(), 1u);
  EXPECT_NE(clone->auxEquipment[0].get(), source.auxEquipment[0].get());
  EXPECT_TRUE(HasUser(*valve, *clone->auxEquipment[0]));

  const CItem* gone = clone.get();
  const CItem* goneLayer = &clone->layer1;
  clone.reset();
  EXPECT_FALSE(HasUser(*finish, *gone));
  EXPECT_FALSE(HasUser(*facing, *gone));
  EXPECT_FALSE(HasUser(*product, *goneLayer));
  EXPECT_TRUE(HasUser(*finish, source));
  EXPECT_EQ(valve->Users().size(), 1u);
}

TEST_F(SegmentTest, ANewSectionIsWrittenBehindTheLayoutMarker) {
  CSegment s(CSegment::kPipe, 1);
  ExpectedBytes expected;
  expected.Str("versjon4").Str("\xDAsek 1");
  expected.Int(0).Float(200).Float(200).Float(10);
  expected.Int(0).Float(20);
  expected.Int(0).Float(2).Float(5);
  expected.Float(100).Float(10).Int(0).Int(0);
  expected.Int(0).Int(0).Float(100).Float(0.94f);
  expected.Int(0).Int(0).Int(0).Int(0);
  expected.Layer(0, 50, 50, 0, 1).Layer(0, 50, 50, 0, 1);
  expected.NullRef().NullRef();
  expected.Word(0);
  EXPECT_EQ(WriteBody(*doc, s), expected.Data());
}

TEST_F(SegmentTest, WritingReadingAndWritingAgainKeepsEveryByteAndRegistersTheReader) {
  CSegment source(CSegment::kRectDuctInternal, 9);
  FillSection(*doc, source);
  const std::string bytes = WriteBody(*doc, source);

  CSegment back;
  back.auxEquipment.push_back(std::make_unique<CTilleggsutstyr>());  // replaced, not kept
  EXPECT_EQ(ReadBody(*doc, back, bytes), 0u);
  EXPECT_EQ(WriteBody(*doc, back), bytes);
  EXPECT_TRUE(doc.chooser.calls.empty());
  EXPECT_EQ(back.Surface(), pipeSurface);
  EXPECT_TRUE(HasUser(*pipeSurface, back));
  EXPECT_TRUE(HasUser(*facing, back));
  EXPECT_TRUE(HasUser(*product, back.layer1));
  EXPECT_TRUE(HasUser(*userProduct, back.layer2));
  ASSERT_EQ(back.auxEquipment.size(), 1u);
  EXPECT_TRUE(HasUser(*valve, *back.auxEquipment[0]));
}

struct SurfaceListCase {
  std::int32_t kind;
  std::int32_t bare;
  DbList list;
};

class SegmentSurfaceList : public SegmentTest, public ::testing::WithParamInterface<SurfaceListCase> {};

// Internally insulated ducts and bare sections take their surface from the pipe surfaces.
TEST_P(SegmentSurfaceList, TheSurfaceIsFoundInTheListItWasChosenFrom) {
  CSegment source(GetParam().kind, 1);
  source.bare = GetParam().bare;
  CMantling* surface = &Record<CMantling>(*doc, GetParam().list);
  source.SetSurface(surface);
  CSegment back;
  EXPECT_EQ(ReadBody(*doc, back, WriteBody(*doc, source)), 0u);
  EXPECT_TRUE(doc.chooser.calls.empty());
  EXPECT_EQ(back.Surface(), surface);
}

INSTANTIATE_TEST_SUITE_P(
    KindsAndBare, SegmentSurfaceList,
    ::testing::Values(SurfaceListCase{CSegment::kPipe, 0, DbList::OuterFinishes},
                      SurfaceListCase{CSegment::kRectDuctExternal, 0, DbList::OuterFinishes},
                      SurfaceListCase{CSegment::kRectDuctInternal, 0, DbList::PipeSurfaces},
                      SurfaceListCase{CSegment::kPipe, 1, DbList::PipeSurfaces}));

struct OldLayoutCase {
  const char* label;
  std::int32_t kind;
  std::int32_t source1;
  std::int32_t source2;
  const char* surfaceName;  // as stored, in the file's code page
  DbList surfaceList;
  std::int32_t bare;
  std::int32_t layer1Source;
  std::int32_t layer2Source;
};

class SegmentOldLayout : public SegmentTest, public ::testing::WithParamInterface<OldLayoutCase> {};

TEST_P(SegmentOldLayout, ASectionWrittenBeforeTheMarkerReadsItsLooseLayerFields) {
  const OldLayoutCase& c = GetParam();
  ExpectedBytes old = OldLayoutSection("\xDAsek 3", c.kind, c.source1, c.source2, c.surfaceName);
  old.Word(1).NewClass("CTilleggsutstyr").Str("Ventil; 2").Int(2).Int(0).Float(1).Str("Ventil");

  CSegment s;
  EXPECT_EQ(ReadBody(*doc, s, old.Data()), 0u);
  EXPECT_TRUE(doc.chooser.calls.empty());
  EXPECT_EQ(s.name, "Úsek 3");
  EXPECT_EQ(s.kind, c.kind);
  EXPECT_EQ(s.width, 250.0f);
  EXPECT_EQ(s.height, 300.0f);
  EXPECT_EQ(s.userInnerCoefficient, 15.0f);
  EXPECT_EQ(s.userInnerCoefficientOn, 1);
  EXPECT_EQ(s.environment, 1);
  EXPECT_EQ(s.userEmissivityOn, 1);
  EXPECT_EQ(s.auxEquipmentOn, 1);
  EXPECT_EQ(s.facingOn, 1);
  EXPECT_EQ(s.secondLayerOn, 1);
  EXPECT_EQ(s.ambientTemperature, 5.0f);
  EXPECT_EQ(s.windSpeed, 4.0f);
  EXPECT_EQ(s.userOuterCoefficient, 8.0f);
  EXPECT_EQ(s.diameter, 89.0f);
  EXPECT_EQ(s.length, 12.0f);
  EXPECT_EQ(s.flowUnit, 2);
  EXPECT_EQ(s.flow, 3.5f);
  EXPECT_EQ(s.userEmissivity, 0.3f);
  EXPECT_EQ(s.vertical, 1);
  EXPECT_EQ(s.suspensionsOn, 1);
  EXPECT_EQ(s.bare, c.bare);

  EXPECT_EQ(s.layer1.source, c.layer1Source);
  EXPECT_EQ(s.layer1.standardThickness, 60.0f);
  EXPECT_EQ(s.layer1.userThickness, 40.0f);
  EXPECT_EQ(s.layer1.StandardProduct(), product);
  EXPECT_EQ(s.layer1.UserProduct(), nullptr);
  EXPECT_EQ(s.layer2.source, c.layer2Source);
  EXPECT_EQ(s.layer2.standardThickness, 30.0f);
  EXPECT_EQ(s.layer2.userThickness, 35.0f);
  EXPECT_EQ(s.layer2.UserProduct(), userProduct);
  for (const CIsolasjon* layer : {&s.layer1, &s.layer2}) {
    EXPECT_EQ(layer->objectKind, c.kind);
    EXPECT_EQ(layer->thicknessGiven, 1);
  }
  EXPECT_TRUE(HasUser(*product, s.layer1));
  EXPECT_TRUE(HasUser(*userProduct, s.layer2));
  EXPECT_EQ(s.Surface(), &Record<CMantling>(*doc, c.surfaceList));
  EXPECT_EQ(s.Facing(), facing);
  ASSERT_EQ(s.auxEquipment.size(), 1u);
  EXPECT_EQ(s.auxEquipment[0]->Equipment(), valve);

  // Written again, it takes the current layout.
  EXPECT_EQ(WriteBody(*doc, s).substr(0, 9), "\x08versjon4");
}

INSTANTIATE_TEST_SUITE_P(Sources, SegmentOldLayout,
                         ::testing::Values(OldLayoutCase{"insulated", CSegment::kPipe, 0, 1, "Hlin\xEDk",
                                                         DbList::OuterFinishes, 0, 0, 1},
                                           OldLayoutCase{"bare", CSegment::kPipe, 2, 5, "Ocel",
                                                         DbList::PipeSurfaces, 1, 0, 0},
                                           OldLayoutCase{"internal", CSegment::kRectDuctInternal, 1, 0,
                                                         "Ocel", DbList::PipeSurfaces, 0, 1, 0}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(SegmentTest, AnEditedDatabaseRepointsSurfaceAndFacingByTheirKind) {
  CSegment s(CSegment::kPipe, 1);
  s.SetSurface(finish);
  s.SetFacing(facing);
  doc->database.BeginEdit();
  doc->database.List(DbList::OuterFinishes)[0]->name = "Hliník lesklý";
  doc->database.List(DbList::InnerFacings)[0]->name = "Rouno černé";
  ASSERT_TRUE(doc->database.CommitEdit(0, doc->messages));

  CMantling* newFinish = &Record<CMantling>(*doc, DbList::OuterFinishes);
  CMantling* newFacing = &Record<CMantling>(*doc, DbList::InnerFacings);
  EXPECT_EQ(s.Surface(), newFinish);
  EXPECT_EQ(s.Facing(), newFacing);
  EXPECT_EQ(s.Surface()->name, "Hliník lesklý");
  EXPECT_TRUE(HasUser(*newFinish, s));
  EXPECT_TRUE(HasUser(*newFacing, s));
}

}  // namespace
}  // namespace kelvora
