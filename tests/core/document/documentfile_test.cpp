// The document file as a whole: the project record, the eight module bodies in their fixed
// order, the current module and the language switch, read and written through the
// document's own Save and Open.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/document/document.h"
#include "support/bodybytes.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"

namespace kelvora {
namespace {

using testing::CopyUserProducts;
using testing::ExpectedBytes;
using testing::FileBytes;
using testing::HasUser;
using testing::ModuleOf;
using testing::OldLayoutSection;
using testing::TestDocument;
using testing::WriteBody;

ExpectedBytes EmptyProject() {
  ExpectedBytes project;
  project.Str("").Str("").Str("").Str("verison 2.03").Str("").Str("");
  return project;
}

std::string Saved(TestDocument& doc, const std::string& name) {
  const auto file = doc.dir / name;
  EXPECT_TRUE(doc->Save(file));
  return FileBytes(file);
}

TEST(NewDocumentFile, HoldsTheEmptyProjectTheDefaultBodiesTheFirstModuleAndNoEnglish) {
  TestDocument doc;
  testing::FillEveryModule(*doc);
  doc->project.projectName = "Kotelna";
  doc->project.plantName = "K2";
  doc->currentModule = 4;
  doc->englishResults = 1;
  doc->New();
  const std::string saved = Saved(doc, "new.vtp");

  // Each body as a module that was never touched writes it alone.
  TestDocument untouched;
  ExpectedBytes expected = EmptyProject();
  for (int i = 0; i < kModuleCount; ++i) expected.Raw(WriteBody(*untouched, untouched->Module(i)));
  expected.Word(0).Int(0);
  EXPECT_EQ(saved, expected.Data());

  ExpectedBytes heatLossStart = EmptyProject();
  heatLossStart.Layer(0, 50, 50, 0, 1).Layer(0, 50, 50, 0, 1).Layer(0, 50, 50, 0, 1);
  heatLossStart.Word(0);  // no equipment
  heatLossStart.Word(0).Word(0).Word(0).Float(50).Word(0);
  heatLossStart.Float(20).Float(30).Float(50).Float(200).Float(200).Float(1).Float(10).Word(0);
  EXPECT_EQ(saved.substr(0, heatLossStart.Data().size()), heatLossStart.Data());
}

// A reference a filled module holds, and the item that must be among its record's users.
struct Link {
  std::string what;
  const CListItem* record;
  const CItem* user;
};

void AddLayerLinks(std::vector<Link>& links, const std::string& what, const CIsolasjon& layer) {
  if (layer.StandardProduct()) links.push_back({what + " product", layer.StandardProduct(), &layer});
  if (layer.UserProduct()) links.push_back({what + " user product", layer.UserProduct(), &layer});
}

std::vector<Link> HeatLossLinks(CQorDoc& doc) {
  const auto& m = ModuleOf<CVarmeTapModul>(doc, ModuleIndex::HeatLoss);
  std::vector<Link> links{{"heat-loss surface", m.Surface(), &m},
                          {"heat-loss inner surface", m.InnerSurface(), &m}};
  for (std::size_t i = 0; i < m.layers.size(); ++i)
    AddLayerLinks(links, "heat-loss layer " + std::to_string(i + 1), m.layers[i]);
  for (const auto& entry : m.equipment) {
    if (!entry->userDefined) links.push_back({"heat-loss " + entry->name, entry->Equipment(), entry.get()});
  }
  return links;
}

std::vector<Link> PipeRunLinks(CQorDoc& doc) {
  const auto& m = ModuleOf<CKanalTempModul>(doc, ModuleIndex::PipeRun);
  std::vector<Link> links{{"run liquid", m.Liquid(), &m}};
  for (const auto& s : m.sections) {
    links.push_back({s->name + " surface", s->Surface(), s.get()});
    links.push_back({s->name + " facing", s->Facing(), s.get()});
    AddLayerLinks(links, s->name + " layer 1", s->layer1);
    AddLayerLinks(links, s->name + " layer 2", s->layer2);
    for (const auto& entry : s->auxEquipment)
      links.push_back({s->name + " " + entry->name, entry->Equipment(), entry.get()});
  }
  return links;
}

std::vector<Link> TankLinks(CQorDoc& doc) {
  const auto& m = ModuleOf<CTankTempModul>(doc, ModuleIndex::Tank);
  std::vector<Link> links{{"tank surface", m.Surface(), &m}, {"tank liquid", m.Liquid(), &m}};
  AddLayerLinks(links, "tank layer", m.insulation);
  return links;
}

std::vector<Link> ExternalCondensationLinks(CQorDoc& doc) {
  const auto& m = ModuleOf<CUtvendigKondensModul>(doc, ModuleIndex::ExternalCondensation);
  std::vector<Link> links{{"external surface", m.Surface(), &m}, {"external facing", m.Facing(), &m}};
  AddLayerLinks(links, "external layer", m.insulation);
  return links;
}

std::vector<Link> InternalCondensationLinks(CQorDoc& doc) {
  const auto& m = ModuleOf<CInnvendigKondensModul>(doc, ModuleIndex::InternalCondensation);
  std::vector<Link> links{{"internal surface", m.Surface(), &m}};
  AddLayerLinks(links, "internal layer", m.insulation);
  return links;
}

std::vector<Link> FrostLinks(CQorDoc& doc) {
  const auto& m = ModuleOf<CFrostModul>(doc, ModuleIndex::Frost);
  std::vector<Link> links{{"frost surface", m.Surface(), &m}};
  AddLayerLinks(links, "frost layer", m.insulation);
  return links;
}

std::vector<Link> SoundLinks(CQorDoc& doc) {
  const auto& m = ModuleOf<CLydModul>(doc, ModuleIndex::Sound);
  return {{"absorber", m.Absorber(), &m}, {"absorber thickness", m.ThicknessRecord(), &m}};
}

std::vector<Link> EconomicsLinks(CQorDoc& doc) {
  const auto& m = ModuleOf<COkonomiModul>(doc, ModuleIndex::Economics);
  std::vector<Link> links;
  for (const auto& a : m.alternatives) {
    const std::string what = "alternative of kind " + std::to_string(a->objectKind);
    links.push_back({what + " product", a->StandardProduct(), a.get()});
    links.push_back({what + " user product", a->UserProduct(), a.get()});
    links.push_back({what + " outer surface", a->OuterSurface(), a.get()});
    links.push_back({what + " inner surface", a->InnerSurface(), a.get()});
  }
  return links;
}

std::vector<Link> EveryLink(CQorDoc& doc) {
  std::vector<Link> links;
  for (auto* of : {HeatLossLinks, PipeRunLinks, TankLinks, ExternalCondensationLinks,
                   InternalCondensationLinks, FrostLinks, SoundLinks, EconomicsLinks}) {
    for (Link& link : of(doc)) links.push_back(std::move(link));
  }
  return links;
}

// Whether `record` is one of the document's own: a record of a database list, an
// absorber's thickness or a user product.
bool HeldBy(const CQorDoc& doc, const CListItem* record) {
  for (const auto& product : doc.userDatabase.Products()) {
    if (product.get() == record) return true;
  }
  for (int list = 0; list < kDatabaseListCount; ++list) {
    for (const auto& item : doc.database.List(static_cast<DbList>(list))) {
      if (item.get() == record) return true;
      const auto* absorber = dynamic_cast<const CAbsorpsjon*>(item.get());
      if (!absorber) continue;
      for (const auto& thickness : absorber->thicknesses) {
        if (thickness.get() == record) return true;
      }
    }
  }
  return false;
}

struct FilledCase {
  const char* label;
  void (*fill)(CQorDoc&);
  std::vector<Link> (*links)(CQorDoc&);
};

void PrintTo(const FilledCase& c, std::ostream* os) { *os << c.label; }

class FilledDocumentFile : public ::testing::TestWithParam<FilledCase> {};

TEST_P(FilledDocumentFile, OpensInAnotherDocumentAndSavesTheSameBytesWithEveryReferenceRegistered) {
  const FilledCase& c = GetParam();
  TestDocument doc;
  c.fill(*doc);
  doc->project.calculatedBy = "Ing. Nová";
  const std::string first = Saved(doc, "first.vtp");

  TestDocument other;
  CopyUserProducts(*doc, *other);
  ASSERT_TRUE(other->Open(doc.dir / "first.vtp"));
  EXPECT_EQ(Saved(other, "second.vtp"), first);
  EXPECT_TRUE(other.chooser.calls.empty());
  EXPECT_TRUE(other.messages.shown.empty());

  const std::vector<Link> written = c.links(*doc);
  const std::vector<Link> read = c.links(*other);
  ASSERT_EQ(read.size(), written.size());
  for (std::size_t i = 0; i < read.size(); ++i) {
    SCOPED_TRACE(written[i].what);
    ASSERT_NE(written[i].record, nullptr);  // the fill leaves no reference empty
    ASSERT_NE(read[i].record, nullptr);
    EXPECT_TRUE(HeldBy(*other, read[i].record));
    EXPECT_EQ(read[i].record->name, written[i].record->name);
    EXPECT_TRUE(HasUser(*read[i].record, *read[i].user));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Modules, FilledDocumentFile,
    ::testing::Values(FilledCase{"heatLoss", [](CQorDoc& d) { testing::FillHeatLoss(d); }, HeatLossLinks},
                      FilledCase{"pipeRun", [](CQorDoc& d) { testing::FillPipeRun(d); }, PipeRunLinks},
                      FilledCase{"tank", [](CQorDoc& d) { testing::FillTank(d); }, TankLinks},
                      // Insulated inside: the outer surface is a pipe surface.
                      FilledCase{"externalCondensation",
                                 [](CQorDoc& d) { testing::FillExternalCondensation(d, 3); },
                                 ExternalCondensationLinks},
                      FilledCase{"internalCondensation",
                                 [](CQorDoc& d) { testing::FillInternalCondensation(d); },
                                 InternalCondensationLinks},
                      FilledCase{"frost", [](CQorDoc& d) { testing::FillFrost(d); }, FrostLinks},
                      FilledCase{"sound", [](CQorDoc& d) { testing::FillSound(d); }, SoundLinks},
                      FilledCase{"economics", [](CQorDoc& d) { testing::FillEconomics(d); }, EconomicsLinks},
                      // Classes described by one module's body are referred to by index in the next ones.
                      FilledCase{"everyModule", testing::FillEveryModule, EveryLink}),
    [](const auto& info) { return std::string(info.param.label); });

// What a section of OldLayoutSection becomes in the current layout: the layers move into
// their own records, a layer source of 2 becomes the bare flag.
ExpectedBytes CurrentLayoutSection(std::string_view cp1250Name, int bare, int source1, int source2,
                                   std::string_view cp1250Surface) {
  ExpectedBytes s;
  s.Str("versjon4").Str(cp1250Name);
  s.Int(CSegment::kPipe).Float(250).Float(300).Float(15).Int(1).Float(5).Int(1).Float(4).Float(8);
  s.Float(89).Float(12).Int(1).Int(bare).Int(1).Int(2).Float(3.5f).Float(0.3f);
  s.Int(1).Int(1).Int(1).Int(1);
  s.Layer(source1, 60, 40, CSegment::kPipe, 1, "Vata");
  s.Layer(source2, 30, 35, CSegment::kPipe, 1, kNullReferenceName, "Moje");
  return s.Str(cp1250Surface).Str("Rouno");
}

TEST(RunDocumentFile, SectionsInTheOlderLayoutOpenAndAreSavedInTheCurrentOne) {
  TestDocument doc;
  testing::UserProduct(*doc, "Moje");
  // The run's own fields after its sections, as a reset run writes them.
  const std::string runTail = WriteBody(*doc, doc->Module(ModuleIndex::PipeRun)).substr(2);
  const std::string heatLoss = WriteBody(*doc, doc->Module(ModuleIndex::HeatLoss));
  std::string laterModules;
  for (int i = static_cast<int>(ModuleIndex::Tank); i < kModuleCount; ++i)
    laterModules += WriteBody(*doc, doc->Module(i));
  // Classes and objects share one index count: CSegment is 1, the first section 2,
  // CTilleggsutstyr 3.
  const auto valve = [](ExpectedBytes& b, bool classKnown) -> ExpectedBytes& {
    b.Word(1);
    if (classKnown) {
      b.Word(0x8003);
    } else {
      b.NewClass("CTilleggsutstyr");
    }
    return b.Str("Ventil; 2").Int(2).Int(0).Float(1).Str("Ventil");
  };

  ExpectedBytes old = EmptyProject();
  old.Raw(heatLoss).Word(2).NewClass("CSegment");
  valve(old.Raw(OldLayoutSection("\xDAsek 1", CSegment::kPipe, 0, 1, "Hlin\xEDk").Data()), false);
  old.Word(0x8001);
  valve(old.Raw(OldLayoutSection("\xDAsek 2", CSegment::kPipe, 2, 5, "Ocel").Data()), true);
  old.Raw(runTail).Raw(laterModules).Word(1).Int(0);
  const auto file = doc.dir / "old.vtp";
  ASSERT_TRUE(WriteFileReplacing(file, old.Data()));

  ASSERT_TRUE(doc->Open(file));
  EXPECT_TRUE(doc.chooser.calls.empty());
  const auto& run = ModuleOf<CKanalTempModul>(*doc, ModuleIndex::PipeRun);
  ASSERT_EQ(run.sections.size(), 2u);
  EXPECT_EQ(run.sections[1]->Surface(), &testing::Record<CMantling>(*doc, DbList::PipeSurfaces));
  EXPECT_EQ(doc->currentModule, 1);

  ExpectedBytes current = EmptyProject();
  current.Raw(heatLoss).Word(2).NewClass("CSegment");
  valve(current.Raw(CurrentLayoutSection("\xDAsek 1", 0, 0, 1, "Hlin\xEDk").Data()), false);
  current.Word(0x8001);
  valve(current.Raw(CurrentLayoutSection("\xDAsek 2", 1, 0, 0, "Ocel").Data()), true);
  current.Raw(runTail).Raw(laterModules).Word(1).Int(0);
  EXPECT_EQ(Saved(doc, "current.vtp"), current.Data());
}

}  // namespace
}  // namespace kelvora
