#include "cli/reportjson.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace kelvora::cli {
namespace {

struct CellCase {
  std::string text;
  std::optional<CellNumber> number;  // none: the cell stays text only
};
// Test names show the start of a long text.
void PrintTo(const CellCase& c, std::ostream* os) {
  *os << '"' << c.text.substr(0, 24) << (c.text.size() > 24 ? "…" : "") << '"';
}

class NumberOfCellTest : public ::testing::TestWithParam<CellCase> {};

TEST_P(NumberOfCellTest, SplitsANumberFromItsUnitAndLeavesWordsAlone) {
  const CellCase& c = GetParam();
  const std::optional<CellNumber> number = NumberOfCell(c.text);
  ASSERT_EQ(number.has_value(), c.number.has_value());
  if (!number) return;
  EXPECT_EQ(number->value, c.number->value);
  EXPECT_EQ(number->unit, c.number->unit);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, NumberOfCellTest,
    ::testing::Values(
        CellCase{"150.0 °C", CellNumber{150.0, "°C"}}, CellCase{"-12.5 W/m", CellNumber{-12.5, "W/m"}},
        CellCase{"1,80 Kč/kWh", CellNumber{1.8, "Kč/kWh"}}, CellCase{"25 %", CellNumber{25, "%"}},
        CellCase{"0,94", CellNumber{0.94, ""}}, CellCase{"3.000 m3", CellNumber{3, "m3"}},
        CellCase{"25 let", CellNumber{25, "let"}},
        // Thousands grouped by a space, a no-break space or a narrow one.
        CellCase{"1 234 kWh/rok", CellNumber{1234, "kWh/rok"}},
        CellCase{"12 345 678,5 W", CellNumber{12345678.5, "W"}},
        CellCase{"1\u00A0234 Kč", CellNumber{1234, "Kč"}}, CellCase{"1\u202F234", CellNumber{1234, ""}},
        // Words, and numbers followed by more than one unit.
        CellCase{"Ano", std::nullopt}, CellCase{"Potrubí", std::nullopt}, CellCase{"", std::nullopt},
        CellCase{"-/-", std::nullopt}, CellCase{"-", std::nullopt}, CellCase{"2 x 40 mm", std::nullopt},
        CellCase{"80 kg wool", std::nullopt}, CellCase{"1 23 W", std::nullopt},
        CellCase{"1234 567 W", std::nullopt}, CellCase{"40.0mm", std::nullopt}, CellCase{"12 ", std::nullopt},
        CellCase{"12.", std::nullopt}, CellCase{".5 m", std::nullopt},
        CellCase{"Uninsulated valve, indoors; 2", std::nullopt},
        // What is not finite never becomes a number.
        CellCase{"nan °C", std::nullopt}, CellCase{"-nan W", std::nullopt}, CellCase{"inf W", std::nullopt},
        CellCase{std::string(400, '9') + " W", std::nullopt}));

}  // namespace
}  // namespace kelvora::cli
