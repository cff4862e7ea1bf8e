// The stored form of every reference record: field order, and write -> read -> write
// reproducing the bytes.

#include <gtest/gtest.h>

#include <functional>

#include "core/database/absorpsjon.h"
#include "core/database/isoprodukt.h"
#include "core/database/klima.h"
#include "core/database/kostnad.h"
#include "core/database/mantling.h"
#include "core/framework/archive.h"

namespace kelvora {
namespace {

const ClassRegistry& AllRecordClasses() {
  static const ClassRegistry registry{
      &CIsoProdukt::classInfo, &CIsoTykkelse::classInfo,        &CEgendefIsoProdukt::classInfo,
      &CAbsorpsjon::classInfo, &CAbsorpsjonTykkelse::classInfo, &CMantling::classInfo,
      &CTillegg2::classInfo,   &CTilleggslengde::classInfo,     &CVeske::classInfo,
      &CKlimasted::classInfo,  &CIsoKostnad::classInfo};
  return registry;
}

std::string Tagged(CListItem& record) {
  CArchive out;
  out.WriteObject(&record);
  return out.Data();
}

// The body alone, as Serialize writes it.
std::string Body(CListItem& record) {
  CArchive out;
  record.Serialize(out);
  return out.Data();
}

std::unique_ptr<CListItem> ReadBack(const std::string& bytes) {
  CArchive in(bytes, AllRecordClasses());
  auto back = in.ReadObject<CListItem>();
  EXPECT_EQ(in.Remaining(), 0u);
  return back;
}

std::unique_ptr<CIsoProdukt> SampleProduct() {
  auto p = std::make_unique<CIsoProdukt>();
  p->name = "Minerální vata - pouzdra";
  p->secondName = "Mineral wool pipe section";
  p->producer = "Obecný";
  p->productType = "Izolační pouzdra";
  p->usage = {1, 0, 0, 0, 0, 0, 1};
  p->InsertThickness(std::make_unique<CIsoTykkelse>(30));
  p->InsertThickness(std::make_unique<CIsoTykkelse>(50));
  return p;
}

std::unique_ptr<CListItem> SampleUserProduct() {
  auto p = std::make_unique<CEgendefIsoProdukt>();
  p->name = "Moje vata";
  p->threePoints = 1;
  p->InsertThickness(std::make_unique<CIsoTykkelse>(40));
  return p;
}

std::unique_ptr<CListItem> SampleAbsorber() {
  auto a = std::make_unique<CAbsorpsjon>(AbsorberKind::CircularDuct);
  a->name = "Tlumicí vložka";
  a->InsertThickness(std::make_unique<CAbsorpsjonTykkelse>());
  return a;
}

std::unique_ptr<CListItem> SampleEquipment() {
  auto e = std::make_unique<CTillegg2>();
  e->name = "Ventil";
  e->lengths.push_back(std::make_unique<CTilleggslengde>());
  return e;
}

std::unique_ptr<CListItem> SampleLocation() {
  auto l = std::make_unique<CKlimasted>();
  l->name = "Praha";
  l->temperature = 8.4f;
  l->windSpeed = 3.2f;
  l->UpdateDisplayText();
  return l;
}

std::unique_ptr<CListItem> SamplePreset() {
  auto c = std::make_unique<CIsoKostnad>();
  c->name = "Pouzdra 50 mm";
  c->price = 420;
  c->UpdateLabel("Kč", "m");
  return c;
}

struct RecordCase {
  const char* name;
  std::function<std::unique_ptr<CListItem>()> make;
  friend void PrintTo(const RecordCase& c, std::ostream* os) { *os << c.name; }
};

class RecordRoundTrip : public ::testing::TestWithParam<RecordCase> {};

TEST_P(RecordRoundTrip, ReproducesTheBytesAndTheData) {
  auto record = GetParam().make();
  const std::string bytes = Tagged(*record);
  auto back = ReadBack(bytes);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(typeid(*back), typeid(*record));
  EXPECT_TRUE(back->IsEqual(*record));
  EXPECT_EQ(back->name, record->name);
  EXPECT_EQ(Tagged(*back), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Records, RecordRoundTrip,
    ::testing::Values(
        RecordCase{"CIsoProdukt", [] { return std::unique_ptr<CListItem>(SampleProduct()); }},
        RecordCase{"CIsoTykkelse", [] { return std::make_unique<CIsoTykkelse>(12.5f); }},
        RecordCase{"CEgendefIsoProdukt", SampleUserProduct}, RecordCase{"CAbsorpsjon", SampleAbsorber},
        RecordCase{"CAbsorpsjonTykkelse", [] { return std::make_unique<CAbsorpsjonTykkelse>(); }},
        RecordCase{"CMantling", [] { return std::make_unique<CMantling>(MantlingKind::InnerFacing); }},
        RecordCase{"CTillegg2", SampleEquipment},
        RecordCase{"CTilleggslengde", [] { return std::make_unique<CTilleggslengde>(); }},
        RecordCase{"CVeske", [] { return std::make_unique<CVeske>(); }},
        RecordCase{"CKlimasted", SampleLocation}, RecordCase{"CIsoKostnad", SamplePreset}),
    [](const auto& info) { return std::string(info.param.name); });

// Writes the expected layout field by field.
class Expected {
 public:
  Expected& Str(const std::string& s) { return Put(s); }
  Expected& F(float v) { return Put(v); }
  Expected& I(std::int32_t v) { return Put(v); }
  Expected& U(std::uint32_t v) { return Put(v); }
  Expected& W(std::uint16_t v) { return Put(v); }
  Expected& Raw(const std::string& bytes) {
    raw += bytes;
    return *this;
  }
  std::string Bytes() const { return raw; }

 private:
  template <class V>
  Expected& Put(const V& v) {
    CArchive out;
    out.Write(v);
    raw += out.Data();
    return *this;
  }
  std::string raw;
};

TEST(RecordLayout, ProductStoresThermalDataThenProducerThenUsageThenThicknesses) {
  auto p = SampleProduct();
  Expected e;
  e.Str(p->name)
      .Str(p->secondName)
      .Str("")
      .F(200)
      .F(10)
      .F(1000)
      .F(1.51e-9f)
      .F(1.31e-7f)
      .F(1.74e-4f)
      .F(0.034f);
  e.U(0x0000FFFF).U(0x00C0C0C0).Str("Obecný").Str("Izolační pouzdra");
  for (int flag : {1, 0, 0, 0, 0, 0, 1}) e.I(flag);
  e.W(2);
  const std::string body = Body(*p);
  const std::string head = e.Bytes();
  ASSERT_GT(body.size(), head.size());
  EXPECT_EQ(body.substr(0, head.size()), head);
  // Thicknesses: the class described once, each body only name and value.
  const std::string thicknessClass = std::string("\xFF\xFF\x01\x00\x0C\x00", 6) + "CIsoTykkelse";
  Expected t;
  t.Raw(thicknessClass).Str("30.0").F(30).Raw(std::string("\x01\x80", 2)).Str("50.0").F(50);
  EXPECT_EQ(body.substr(head.size()), t.Bytes());
}

TEST(RecordLayout, UserProductHasNoProducerAndInterleavedPoints) {
  CEgendefIsoProdukt p;
  Expected e;
  e.Str("").Str("").Str("").F(200).F(10).F(1000).F(1.51e-9f).F(1.31e-7f).F(1.74e-4f).F(0.034f);
  e.U(0x0000FFFF).U(0x00C0C0C0);
  for (int i = 0; i < 7; ++i) e.I(0);
  e.W(0).F(0).F(0.034f).F(35).F(0.044f).F(70).F(0.059f).F(125).F(0.077f).I(0);
  EXPECT_EQ(Body(p), e.Bytes());
}

TEST(RecordLayout, SurfaceStoresItsKindAsAWordAfterColour) {
  CMantling m(MantlingKind::InnerFacing);
  Expected e;
  e.Str("").Str("").Str("").F(0.94f).U(0x00C0C0C0).W(2);
  EXPECT_EQ(Body(m), e.Bytes());
}

TEST(RecordLayout, ThicknessAndPresetLeaveOutTheSecondNameAndDescription) {
  CIsoTykkelse t(40);
  t.secondName = "ignored";
  EXPECT_EQ(Body(t), Expected().Str("40.0").F(40).Bytes());
  CIsoKostnad c;
  c.name = "A";
  c.description = "ignored";
  c.UpdateLabel("Kč", "m2");
  EXPECT_EQ(c.label, "A\t100.0 Kč/m2");
  EXPECT_EQ(Body(c), Expected().Str("A").Str("A\t100.0 Kč/m2").F(100).Bytes());
}

TEST(RecordLayout, LocationLine) {
  auto l = SampleLocation();
  EXPECT_EQ(static_cast<CKlimasted&>(*l).displayText, "Praha\t8.4\t3.2");
}

}  // namespace
}  // namespace kelvora
