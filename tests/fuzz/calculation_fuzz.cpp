// Builds one of the eight modules from arbitrary bytes over the shipped reference data:
// every input, within and beyond what its dialog takes, and every reference it can hold.
// The module is then stored and read back as a document file holds it, so that the checks
// of a file being opened and the recalculation run, and its report is laid out on screen
// and on paper in both languages. A crash, a sanitizer finding, a number that is no number
// in any text of the report, or a read taking longer than 100 ms stops the fuzzer.

#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <limits>
#include <memory>
#include <string>
#include <string_view>

#include "core/database/absorpsjon.h"
#include "core/database/references.h"
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
#include "core/report/printing.h"
#include "core/report/reporttext.h"
#include "support/memorysettings.h"
#include "support/recordingsurface.h"
#include "support/tempdir.h"

namespace {

using namespace kelvora;

// Draws the inputs from the fuzzer's bytes; once they run out, every draw is zero.
class FuzzReader {
 public:
  FuzzReader(const std::uint8_t* data, std::size_t size) : data(data), size(size) {}

  std::uint8_t Byte() { return at < size ? data[at++] : 0; }
  // Every draw takes its bytes in its own statement, so that every compiler reads an input
  // alike.
  std::uint16_t Word() {
    const std::uint16_t low = Byte();
    const std::uint16_t high = Byte();
    return static_cast<std::uint16_t>(low | high << 8);
  }
  std::size_t Index(std::size_t count) { return count == 0 ? 0 : Word() % count; }

  // Mostly a value within [lo, hi], spread evenly or, for `logScale`, evenly over its
  // magnitudes; sometimes an end of the range, a value beyond it, a value no dialog
  // takes (zero, NaN, infinities, extremes) or any bit pattern at all.
  float Number(float lo, float hi, bool logScale = false) {
    const std::uint8_t mode = Byte() % 16;
    const float u = static_cast<float>(Word()) / 65535.0f;
    if (mode <= 10) {
      if (logScale && lo > 0.0f) return lo * std::pow(hi / lo, u);
      return lo + (hi - lo) * u;
    }
    if (mode == 11) return lo;
    if (mode == 12) return hi;
    if (mode == 13) return Byte() % 2 ? lo - (hi - lo) * u : hi + 10.0f * (hi - lo) * u;
    if (mode == 14) {
      constexpr float kSpecial[] = {0.0f,
                                    -0.0f,
                                    -1.0f,
                                    1e-6f,
                                    1e-30f,
                                    1e-40f,
                                    1e30f,
                                    -1e30f,
                                    std::numeric_limits<float>::max(),
                                    std::numeric_limits<float>::lowest(),
                                    std::numeric_limits<float>::quiet_NaN(),
                                    std::numeric_limits<float>::infinity(),
                                    -std::numeric_limits<float>::infinity()};
      return kSpecial[Index(std::size(kSpecial))];
    }
    const std::uint32_t low = Word();
    const std::uint32_t bits = low | static_cast<std::uint32_t>(Word()) << 16;
    float raw;
    std::memcpy(&raw, &bits, sizeof raw);
    return raw;
  }

  // Mostly a whole number within [lo, hi], now and then one beyond.
  std::int32_t Whole(std::int32_t lo, std::int32_t hi) {
    const std::uint8_t b = Byte();
    if (b < 240) return lo + static_cast<std::int32_t>(Word() % static_cast<std::uint32_t>(hi - lo + 1));
    constexpr std::int32_t kBeyond[] = {std::numeric_limits<std::int32_t>::min(), -1000000, -1};
    return b < 243 ? kBeyond[b - 240] : hi + 1 + Word();
  }

  // One of 0 … last, now and then a value outside them.
  std::int32_t Choice(std::int32_t last) {
    const std::uint8_t b = Byte();
    if (b < 248) return b % (last + 1);
    constexpr std::int32_t kOutside[] = {-1,
                                         2,
                                         7,
                                         100,
                                         -2,
                                         std::numeric_limits<std::int32_t>::min(),
                                         std::numeric_limits<std::int32_t>::max()};
    return b == 248 ? last + 1 : kOutside[b - 249];
  }
  std::int32_t Flag() { return Choice(1); }

  // A record of `list`, or none.
  template <class T, class Stored>
  T* Record(const ItemList<Stored>& list) {
    const std::size_t i = Index(list.size() + 1);
    return i < list.size() ? dynamic_cast<T*>(list[i].get()) : nullptr;
  }

 private:
  const std::uint8_t* data;
  std::size_t size;
  std::size_t at = 0;
};

// Every question is answered as the input says; nothing is kept.
struct FuzzPlatform : Messages, MissingEntryChooser, SystemLocale {
  void Show(std::string_view) override {}
  bool AskOkCancel(std::string_view) override { return yes; }
  bool AskYesNo(std::string_view) override { return yes; }
  std::optional<std::size_t> Choose(MissingEntrySource, std::string_view,
                                    const std::vector<std::string>& names) override {
    return names.empty() ? std::nullopt : std::optional<std::size_t>(0);
  }
  std::string CurrencySymbol() const override { return "Kč"; }
  std::string CurrencyCode() const override { return "CZK"; }
  bool yes = true;
};

// The document over the shipped reference data, with one user product whose measured
// points each input sets.
struct Shipped {
  Shipped() {
    settings.SetString("Files", "User Database File", (dir / "egendef.dat").string());
    document = std::make_unique<CQorDoc>(
        DocumentServices{platform, platform, settings, platform, KELVORA_SHIPPED_DATA_DIR});
    if (document->database.List(DbList::Products).empty()) std::abort();  // the data were not found
    auto product = std::make_unique<CEgendefIsoProdukt>();
    product->name = "Vlastní";
    document->userDatabase.Products().push_back(std::move(product));
    document->reports.Page().SetScreenSurface(&screen);
  }

  testing::TempDir dir;
  FuzzPlatform platform;
  testing::MemorySettings settings;
  testing::RecordingSurface screen;
  std::unique_ptr<CQorDoc> document;
};

class ModuleBuilder {
 public:
  ModuleBuilder(FuzzReader& in, CQorDoc& doc) : in(in), doc(doc), db(doc.database) {}

  // The user's product as its dialog fits it to measured points, mostly within the
  // dialog's ranges.
  void UserProduct() {
    auto& product = *doc.userDatabase.Products().front();
    for (std::size_t i = 0; i < 4; ++i) {
      product.pointTemperature[i] = in.Number(-50, 2000);
      product.pointLambda[i] = in.Number(0.01f, 500, true);
    }
    product.threePoints = in.Flag();
    // Points the dialog would refuse leave the polynomial a product starts with, so that no
    // input inherits one from the input before.
    product.SetPolynomial(
        FitLambdaPolynomial(product.pointTemperature, product.pointLambda, product.threePoints)
            .value_or(CIsoProdukt().Polynomial()));
    product.maxTemperature = in.Number(-50, 2000);
    product.minThickness = in.Number(0, 1000);
    product.maxThickness = in.Number(0, 2000);
  }

  // The module of the document at `index` is of class M.
  template <class M>
  void BuildAs(CQorModul& module) {
    Build(static_cast<M&>(module));
  }

  void Layer(CIsolasjon& layer, std::int32_t kind, std::int32_t thicknessGiven) {
    layer.Reset(kind, thicknessGiven);
    auto* standard = in.Record<CIsoProdukt>(db.List(DbList::Products));
    float standardMm = in.Number(0.5f, 1000, true);
    if (standard && !standard->thicknesses.empty() && in.Flag())
      standardMm = standard->thicknesses[in.Index(standard->thicknesses.size())]->thickness;
    auto* user = in.Record<CEgendefIsoProdukt>(doc.userDatabase.Products());
    const std::int32_t source = in.Choice(2);
    const float userMm = in.Number(0.5f, 1000, true);
    layer.Set(source, standard, standardMm, user, userMm);
  }

  CMantling* Surface(DbList list) { return in.Record<CMantling>(db.List(list)); }

  // Up to three entries of the database's equipment or the user's own lengths.
  template <class List>
  void Equipment(List& list) {
    const std::size_t count = in.Index(4);
    for (std::size_t i = 0; i < count; ++i) {
      auto entry = std::make_unique<CTilleggsutstyr>();
      entry->userDefined = in.Flag();
      entry->count = in.Whole(0, CTilleggsutstyr::kMaxCount);
      entry->equivalentLength = in.Number(0, CTilleggsutstyr::kMaxEquivalentLength, true);
      entry->SetEquipment(in.Record<CTillegg2>(db.List(DbList::Equipment)));
      entry->UpdateNames("Příruba");
      list.push_back(std::move(entry));
    }
  }

  std::string Currency() {
    constexpr const char* kCurrencies[] = {"Kč", "€", "", "USD za kWh ve špičce"};
    return kCurrencies[in.Index(std::size(kCurrencies))];
  }

  // A liquid of the database or the user's own.
  template <class M>
  void Liquid(M& m) {
    m.userDefinedLiquid = in.Flag();
    m.SetLiquid(in.Record<CVeske>(db.List(DbList::Liquids)));
    m.liquidHeatCapacity = in.Number(1, 5000);
    m.liquidDensity = in.Number(1, 2500);
    m.liquidFreezingPoint = in.Number(-273, 200);
  }

  // The surroundings every module shares: environment, wind and the user's coefficient.
  void Surroundings(std::int32_t& environment, float& wind, float& coefficient) {
    environment = in.Choice(2);
    wind = in.Number(0.1f, 50);
    coefficient = in.Number(0.1f, 10000, true);
  }

  void Build(CVarmeTapModul& m) {
    m.calculationType = in.Choice(3);
    m.objectKind = in.Choice(5);
    m.mediumTemperature = in.Number(-273, 2000);
    m.ambientTemperature = in.Number(-60, 500);
    m.surfaceTemperature = in.Number(-60, 500);
    m.diameter = in.Number(1, 20000, true);
    m.width = in.Number(1, 20000, true);
    m.height = in.Number(1, 20000, true);
    m.length = in.Number(0.1f, 20000, true);
    m.area = in.Number(0.1f, 5000, true);
    m.layer2On = in.Flag();
    m.layer3On = in.Flag();
    for (CIsolasjon& layer : m.layers) Layer(layer, m.objectKind, m.calculationType == 0 ? 1 : 0);
    Surroundings(m.environment, m.windSpeed, m.userSurfaceCoefficient);
    m.surfaceMode = in.Flag();
    m.userEmissivity = in.Number(0, 1);
    m.innerSurfaceOn = in.Flag();
    m.operatingHours = in.Number(1, 8760);
    m.energyPrice = in.Number(0.01f, 200, true);
    m.energyCalculationOn = in.Flag();
    m.co2Factor = in.Number(0, 5000);
    m.currency = Currency();
    m.maxHeatLossPerMetre = in.Number(-500, 500);
    m.maxHeatLossPerSquareMetre = in.Number(-500, 500);
    m.heatLossUnit = in.Flag();
    m.orientation = in.Flag();
    m.flowUnit = in.Choice(2);
    m.flowValue = in.Number(0, 1000000, true);
    m.equipmentOn = in.Flag();
    Equipment(m.equipment);
    m.hangersOn = in.Flag();
    m.bareEmissivity = in.Number(0, 1);
    m.SetSurface(Surface(m.InsulatedInside() ? DbList::PipeSurfaces : DbList::OuterFinishes));
    m.SetInnerSurface(Surface(DbList::InnerFacings));
  }

  void Section(CSegment& s) {
    s.height = in.Number(1, 5000, true);
    s.width = in.Number(1, 5000, true);
    s.diameter = in.Number(1, 20000, true);
    s.length = in.Number(0.1f, 20000, true);
    s.bare = in.Flag();
    s.ambientTemperature = in.Number(-60, 500);
    Surroundings(s.environment, s.windSpeed, s.userOuterCoefficient);
    s.userInnerCoefficientOn = in.Flag();
    s.userInnerCoefficient = in.Number(0.1f, 10000, true);
    s.flowUnit = in.Choice(2);
    s.flow = in.Number(0.001f, 1000000, true);
    s.userEmissivityOn = in.Flag();
    s.userEmissivity = in.Number(0, 1);
    s.facingOn = in.Flag();
    s.secondLayerOn = in.Flag();
    s.vertical = in.Flag();
    s.auxEquipmentOn = in.Flag();
    Equipment(s.auxEquipment);
    s.suspensionsOn = in.Flag();
    Layer(s.layer1, s.kind, 1);
    Layer(s.layer2, s.kind, 1);
    s.SetSurface(Surface(s.bare || s.kind == CSegment::kRectDuctInternal ? DbList::PipeSurfaces
                                                                         : DbList::OuterFinishes));
    s.SetFacing(Surface(DbList::InnerFacings));
  }

  void Build(CKanalTempModul& m) {
    m.isAir = in.Flag();
    Liquid(m);
    m.inletTemperature = in.Number(-273, 2000);
    m.energyCostOn = in.Flag();
    m.operatingHours = in.Number(1, 8760);
    m.energyPrice = in.Number(0.01f, 200, true);
    m.currency = Currency();
    m.dewPointCheckOn = in.Flag();
    m.relativeHumidity = in.Number(1, 99);
    const std::size_t count = in.Index(CKanalTempModul::kMaxSections + 3);
    for (std::size_t i = 0; i < count; ++i) {
      // Mostly of a kind the medium flows in, as the run dialog makes them.
      const std::int32_t kind =
          in.Byte() % 8 == 0 ? in.Choice(3) : (m.isAir ? 1 + static_cast<std::int32_t>(in.Index(3)) : 0);
      auto section = std::make_unique<CSegment>(kind, static_cast<int>(i) + 1);
      Section(*section);
      m.sections.push_back(std::move(section));
    }
    m.nextSectionNumber = static_cast<std::int32_t>(count) + 1;
  }

  void Build(CTankTempModul& m) {
    m.shape = in.Choice(2);
    m.mode = in.Flag();
    m.diameter = in.Number(0.01f, 1000, true);
    m.length = in.Number(0.01f, 1000, true);
    m.width = in.Number(0.01f, 1000, true);
    m.height = in.Number(0.01f, 1000, true);
    m.depth = in.Number(0.01f, 1000, true);
    Liquid(m);
    m.startTemperature = in.Number(-273, 2000);
    m.endTemperature = in.Number(-273, 2000);
    m.storageTime = in.Number(1, 8760, true);
    m.ambientTemperature = in.Number(-60, 500);
    Surroundings(m.environment, m.windSpeed, m.userOuterCoefficient);
    m.userEmissivityOn = in.Flag();
    m.userEmissivity = in.Number(0, 1);
    Layer(m.insulation, CTankTempModul::kTankObjectKind, 1);
    m.SetSurface(Surface(DbList::OuterFinishes));
  }

  void Build(CUtvendigKondensModul& m) {
    m.kind = in.Choice(5);
    m.mediumTemperature = in.Number(-273, 50);
    m.ambientTemperature = in.Number(-60, 500);
    m.relativeHumidity = in.Number(1, 99);
    m.diameter = in.Number(1, 3000, true);
    m.height = in.Number(1, 5000, true);
    m.width = in.Number(1, 5000, true);
    Surroundings(m.environment, m.windSpeed, m.userOuterCoefficient);
    m.userEmissivityOn = in.Flag();
    m.userEmissivity = in.Number(0, 1);
    Layer(m.insulation, m.kind, 0);
    m.facingOn = in.Flag();
    m.vertical = in.Flag();
    m.SetSurface(Surface(m.InsulatedInside() ? DbList::PipeSurfaces : DbList::OuterFinishes));
    m.SetFacing(Surface(DbList::InnerFacings));
  }

  void Build(CInnvendigKondensModul& m) {
    m.rectangular = in.Flag();
    m.diameter = in.Number(1, 3000, true);
    m.height = in.Number(1, 5000, true);
    m.width = in.Number(1, 5000, true);
    m.length = in.Number(0.1f, 20000, true);
    m.inletTemperature = in.Number(0.1f, 100);
    m.relativeHumidity = in.Number(1, 99);
    m.flowUnit = in.Choice(2);
    m.flow = in.Number(0.001f, 1000000, true);
    m.ambientTemperature = in.Number(-60, 500);
    Surroundings(m.environment, m.windSpeed, m.userOuterCoefficient);
    m.userInnerCoefficientOn = in.Flag();
    m.userInnerCoefficient = in.Number(0.1f, 10000, true);
    m.userEmissivityOn = in.Flag();
    m.userEmissivity = in.Number(0, 1);
    m.suspensionsOn = in.Flag();
    m.vertical = in.Flag();
    Layer(m.insulation, m.rectangular ? 2 : 1, 0);
    m.SetSurface(Surface(DbList::OuterFinishes));
  }

  void Build(CFrostModul& m) {
    m.pipeDiameter = in.Number(1, 3000, true);
    m.wallThickness = in.Number(0.1f, 100, true);
    m.startTemperature = in.Number(-50, 200);
    m.ambientTemperature = in.Number(-60, 50);
    m.percentageFrozen = in.Number(0, 100);
    Layer(m.insulation, 0, 1);
    Surroundings(m.environment, m.windSpeed, m.userCoefficient);
    m.ownEmissivity = in.Flag();
    m.emissivity = in.Number(0, 1);
    m.vertical = in.Flag();
    m.SetSurface(Surface(DbList::OuterFinishes));
  }

  void Build(CLydModul& m) {
    m.ductType = in.Choice(3);
    m.userDefined = in.Flag();
    m.ownThickness = in.Number(1, 1000, true);
    m.width = in.Number(1, 5000, true);
    m.height = in.Number(1, 5000, true);
    m.diameter = in.Number(1, 5000, true);
    for (float& alpha : m.ownAlpha) alpha = in.Number(0, 1.2f);
    m.ownName = in.Flag() ? "Pěna" : "";
    auto* absorber = in.Record<CAbsorpsjon>(db.List(m.AbsorberList()));
    CAbsorpsjonTykkelse* thickness = nullptr;
    if (absorber && !absorber->thicknesses.empty())
      thickness = absorber->thicknesses[in.Index(absorber->thicknesses.size())].get();
    m.SetAbsorber(absorber, thickness);
  }

  void Build(COkonomiModul& m) {
    m.currency = Currency();
    m.objectKind = in.Choice(5);
    m.mediumTemperature = in.Number(-273, 2000);
    m.ambientTemperature = in.Number(-60, 500);
    m.diameter = in.Number(1, 20000, true);
    m.height = in.Number(1, 20000, true);
    m.width = in.Number(1, 20000, true);
    Surroundings(m.environment, m.windSpeed, m.userCoefficient);
    m.operatingHours = in.Number(1, 8760);
    m.energyPrice = in.Number(0.01f, 200, true);
    m.interestRate = in.Number(0, 100);
    m.energyInflation = in.Number(-50, 100);
    m.lifeSpan = in.Number(1, 100);
    m.flowUnit = in.Choice(2);
    m.flow = in.Number(0.001f, 1000000, true);
    m.vertical = in.Flag();
    m.bareEmissivity = in.Number(0, 1);
    const std::size_t count = in.Index(COkonomiModul::kMaxAlternatives + 3);
    for (std::size_t i = 0; i < count; ++i) {
      auto a = std::make_unique<COkoIsolasjon>(in.Byte() % 8 == 0 ? in.Choice(5) : m.objectKind);
      a->source = in.Choice(1);
      a->SetStandardProduct(in.Record<CIsoProdukt>(db.List(DbList::Products)));
      a->SetUserProduct(in.Record<CEgendefIsoProdukt>(doc.userDatabase.Products()));
      a->standardThickness = in.Number(0.5f, 1000, true);
      a->userThickness = in.Number(0.5f, 1000, true);
      a->price = in.Number(0, 100000, true);
      a->ownEmissivity = in.Flag();
      a->emissivity = in.Number(0, 1);
      a->useInnerSurface = in.Flag();
      a->SetOuterSurface(Surface(a->InsulatedInside() ? DbList::PipeSurfaces : DbList::OuterFinishes));
      a->SetInnerSurface(Surface(DbList::InnerFacings));
      a->UpdateNames(m.currency, IsPlane(static_cast<ObjectKind>(a->objectKind)) ? "m2" : "m");
      m.alternatives.push_back(std::move(a));
    }
  }

 private:
  FuzzReader& in;
  CQorDoc& doc;
  const CDataBase& db;
};

constexpr std::chrono::milliseconds kLongest{100};

// The processor time of this thread: on a machine shared with other work, wall time would
// count their turns as well.
struct ThreadCpuClock {
  using duration = std::chrono::nanoseconds;
  using rep = duration::rep;
  using period = duration::period;
  using time_point = std::chrono::time_point<ThreadCpuClock>;
  static time_point now() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return time_point(std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec));
  }
};

// printf writes a value that is no number as "nan" or "inf" (any case, maybe "-nan" or
// "infinity"); no word of the program's texts is one of those.
bool HoldsNoNumber(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size()) {
    const auto letter = [&](std::size_t i) {
      const auto c = static_cast<unsigned char>(text[i]);
      return std::isalpha(c) || c >= 0x80;
    };
    if (!letter(start)) {
      ++start;
      continue;
    }
    std::size_t end = start;
    std::string word;
    while (end < text.size() && letter(end)) word += static_cast<char>(std::tolower(text[end++]));
    if (word == "nan" || word == "inf" || word == "infinity") return true;
    start = end;
  }
  return false;
}

void ExpectNumbers(std::string_view text) {
  if (!HoldsNoNumber(text)) return;
  std::fprintf(stderr, "A value that is no number in the report:\n%.*s\n", static_cast<int>(text.size()),
               text.data());
  __builtin_trap();
}

void ExpectNumbers(const std::vector<std::string>& calls) {
  for (const std::string& call : calls) ExpectNumbers(call);
}

// The module's report as the view draws it and the copy command gives it, in both
// languages, and as printed.
void LayOut(Shipped& shipped, ModuleIndex index) {
  CQorDoc& doc = *shipped.document;
  doc.currentModule = static_cast<std::int32_t>(index);
  // Czech last, as every input starts.
  for (const std::int32_t english : {1, 0}) {
    doc.englishResults = english;
    doc.Refresh(kLayoutChangedHint);
    ExpectNumbers(ReportCopyText(doc.reports, index));
    const DocumentExtent extent = doc.reports.ComputeScreenExtent(0, 0);
    shipped.screen.calls.clear();
    for (CGraphicsItem* item : doc.reports.CurrentList())
      item->Draw(shipped.screen, {0, 0, extent.width, extent.height});
    ExpectNumbers(shipped.screen.calls);
  }
  testing::RecordingSurface printer(true, {200, 280, 2000, 2800});
  PrintReport(doc.reports, printer, [] { return true; });
  ExpectNumbers(printer.calls);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Shipped shipped;
  CQorDoc& doc = *shipped.document;
  FuzzReader in(data, size);
  const auto index = static_cast<ModuleIndex>(in.Byte() % kModuleCount);
  shipped.platform.yes = in.Flag() != 0;
  CQorModul& module = doc.Module(index);
  module.Reset();
  ModuleBuilder build(in, doc);
  build.UserProduct();
  using Builder = void (ModuleBuilder::*)(CQorModul&);
  constexpr Builder kBuilders[kModuleCount] = {&ModuleBuilder::BuildAs<CVarmeTapModul>,
                                               &ModuleBuilder::BuildAs<CKanalTempModul>,
                                               &ModuleBuilder::BuildAs<CTankTempModul>,
                                               &ModuleBuilder::BuildAs<CUtvendigKondensModul>,
                                               &ModuleBuilder::BuildAs<CInnvendigKondensModul>,
                                               &ModuleBuilder::BuildAs<CFrostModul>,
                                               &ModuleBuilder::BuildAs<CLydModul>,
                                               &ModuleBuilder::BuildAs<COkonomiModul>};
  (build.*kBuilders[static_cast<std::size_t>(index)])(module);

  // Stored as calculated, so that reading it back checks its inputs and recalculates.
  module.calculated = 1;
  const ReferenceSources sources(doc.database, doc.userDatabase, shipped.platform);
  CArchive out;
  out.SetReferenceSources(&sources);
  module.Serialize(out);
  const auto read = [&] {
    CArchive file(out.Data(), DocumentClasses());
    file.SetReferenceSources(&sources);
    const auto start = ThreadCpuClock::now();
    module.Serialize(file);
    return std::chrono::duration_cast<std::chrono::milliseconds>(ThreadCpuClock::now() - start);
  };
  // Once more before it counts: the sanitizers' own upkeep now and then takes a while.
  if (const auto spent = read(); spent > kLongest && read() > kLongest) {
    std::fprintf(stderr, "Reading and recalculating module %d took %lld ms\n", static_cast<int>(index),
                 static_cast<long long>(spent.count()));
    __builtin_trap();
  }
  LayOut(shipped, index);
  return 0;
}
