#include "core/modules/sound/soundinputcheck.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>

#include "core/modules/sound/lydmodul.h"
#include "support/modulefixtures.h"
#include "support/testdocument.h"

namespace kelvora {
namespace {

using testing::ModuleOf;
using testing::Record;
using testing::TestDocument;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

const std::string kNoRoom =
    "Není dostatek prostoru pro specifikované množství izolace!\nZvětšete rozměr potrubí nebo snižte "
    "tloušťku "
    "izolace.";

// A 400 mm circular duct lined with the circular absorber at its 50 mm thickness.
class SoundCheck : public ::testing::Test {
 public:
  SoundCheck() { m.SetAbsorber(&round, round.thicknesses.front().get()); }

  CAbsorpsjonTykkelse& Lining() { return *round.thicknesses.front(); }

  TestDocument doc;
  CLydModul& m = ModuleOf<CLydModul>(*doc, ModuleIndex::Sound);
  CAbsorpsjon& round = Record<CAbsorpsjon>(*doc, DbList::CircularAbsorbers);
  CAbsorpsjon& rectangular = Record<CAbsorpsjon>(*doc, DbList::RectangularAbsorbers);
};

struct FaultRow {
  const char* label;
  std::function<void(SoundCheck&, CLydModul&)> change;
  std::string message;
  SoundInput input;
};

class SoundFaults : public SoundCheck, public ::testing::WithParamInterface<FaultRow> {};

TEST_P(SoundFaults, TheFirstFailingCheckSaysWhyAndWhere) {
  GetParam().change(*this, m);
  const auto fault = FirstSoundFault(m);
  ASSERT_TRUE(fault);
  EXPECT_EQ(fault->message, GetParam().message);
  EXPECT_EQ(fault->input, GetParam().input);
}

void Own(CLydModul& m) { m.userDefined = 1; }

// A rectangular duct of `type` lined with the user's own absorber.
void OwnDuct(CLydModul& m, int type, float height, float width, float lining) {
  Own(m);
  m.ductType = type;
  m.height = height;
  m.width = width;
  m.ownThickness = lining;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SoundFaults,
    ::testing::Values(
        FaultRow{"DuctTypeOutOfRange", [](SoundCheck&, CLydModul& m) { m.ductType = 4; },
                 "Výpočet byl přerušen. Program není schopen správně vypočítat tepelnou ztrátu",
                 SoundInput::DuctType},
        FaultRow{"LiningModeOutOfRange", [](SoundCheck&, CLydModul& m) { m.userDefined = 2; },
                 "Výpočet byl přerušen. Program není schopen správně vypočítat tepelnou ztrátu",
                 SoundInput::LiningMode},
        // The dialog reads every field, also the disabled ones.
        FaultRow{"NoNumber", [](SoundCheck&, CLydModul& m) { m.ownAlpha[3] = kNaN; },
                 "Činitel zvukové pohltivosti 1000 Hz: není číslo, zadejte hodnotu od 0 do 1.",
                 SoundInput::Alpha1000},
        FaultRow{"OwnThicknessBelowOne",
                 [](SoundCheck&, CLydModul& m) {
                   Own(m);
                   m.ownThickness = 0.5f;
                 },
                 "Tloušťka: 0,5 je mimo rozsah, zadejte hodnotu od 1 do 500.", SoundInput::OwnThickness},
        FaultRow{"OwnAlphaAboveOne",
                 [](SoundCheck&, CLydModul& m) {
                   Own(m);
                   m.ownAlpha[5] = 1.01f;
                 },
                 "Činitel zvukové pohltivosti 4000 Hz: 1,01 je mimo rozsah, zadejte hodnotu od 0 do 1.",
                 SoundInput::Alpha4000},
        FaultRow{"NoAbsorber", [](SoundCheck&, CLydModul& m) { m.SetAbsorber(nullptr, nullptr); },
                 "Vyberte prosím tlumící produkt z rozbalovacího seznamu.", SoundInput::Absorber},
        FaultRow{"NoThickness", [](SoundCheck& t, CLydModul& m) { m.SetAbsorber(&t.round, nullptr); },
                 "Vyberte prosím tloušťku tlumícího produktu z rozbalovacího seznamu.",
                 SoundInput::Thickness},
        // A damaged database; a negative coefficient would print "nan".
        FaultRow{"RecordAlphaNegative", [](SoundCheck& t, CLydModul&) { t.Lining().alpha250 = -0.2f; },
                 "Činitel zvukové pohltivosti 250 Hz: -0,2 je mimo rozsah, zadejte hodnotu od 0 do 1.",
                 SoundInput::Thickness},
        FaultRow{"DiameterAbove3000", [](SoundCheck&, CLydModul& m) { m.diameter = 3001; },
                 "Průměr: 3001 je mimo rozsah, zadejte hodnotu od 1 do 3000.", SoundInput::Diameter},
        FaultRow{"HeightZero",
                 [](SoundCheck& t, CLydModul& m) {
                   m.ductType = 1;
                   m.SetAbsorber(&t.rectangular, t.rectangular.thicknesses.front().get());
                   m.height = 0;
                 },
                 "Výška: 0 je mimo rozsah, zadejte hodnotu od 1 do 3000.", SoundInput::Height},
        FaultRow{"CircularOf100With50", [](SoundCheck&, CLydModul& m) { m.diameter = 100; }, kNoRoom,
                 SoundInput::Thickness},
        FaultRow{"LeftRightOf100With100", [](SoundCheck&, CLydModul& m) { OwnDuct(m, 3, 300, 100, 100); },
                 kNoRoom, SoundInput::OwnThickness},
        FaultRow{"AllSidesByTheNarrowerSide", [](SoundCheck&, CLydModul& m) { OwnDuct(m, 1, 800, 100, 50); },
                 kNoRoom, SoundInput::OwnThickness}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(SoundCheck, LiningOnlyTheHeightLeavesTheWidthFree) {
  EXPECT_FALSE(FirstSoundFault(m));
  OwnDuct(m, 2, 300, 100, 100);
  EXPECT_FALSE(FirstSoundFault(m));
  // All coefficients 0 is an absorber that absorbs nothing, not a fault.
  m.ownAlpha = {};
  EXPECT_TRUE(StoredSoundInputsPass(m));
  EXPECT_TRUE(doc.messages.shown.empty());
}

TEST_F(SoundCheck, AStoredFailureIsToldThroughTheDocument) {
  m.diameter = 100;
  EXPECT_FALSE(StoredSoundInputsPass(m));
  EXPECT_EQ(doc.messages.shown, std::vector<std::string>{kNoRoom});
}

}  // namespace
}  // namespace kelvora
