#include "core/framework/cformat.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "core/framework/stringtable.h"

namespace kelvora {
namespace {

struct FormatCase {
  const char* format;
  double value;
  const char* expected;
  friend void PrintTo(const FormatCase& c, std::ostream* os) { *os << '"' << c.format << '"'; }
};

class FormatFloat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatFloat, MatchesPrintfInTheCLocale) {
  EXPECT_EQ(FormatC(GetParam().format, {GetParam().value}), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatFloat,
    ::testing::Values(FormatCase{"%.1f W/m", 12.5, "12.5 W/m"}, FormatCase{"%.0f", 2.5, "2"},
                      FormatCase{"%.0f", 3.5, "4"}, FormatCase{"%.2f", -0.004, "-0.00"},
                      FormatCase{"%6.1f|", 3.14159, "   3.1|"}, FormatCase{"%-6.1f|", 3.14159, "3.1   |"},
                      FormatCase{"%+.1f", 2, "+2.0"}, FormatCase{"%07.2f", -1.5, "-001.50"},
                      FormatCase{"%f", 1, "1.000000"}, FormatCase{"%.3e", 12345.678, "1.235e+04"},
                      FormatCase{"%g", 0.0001, "0.0001"}, FormatCase{"%G", 1e-5, "1E-05"},
                      FormatCase{"%.0f %%", 50, "50 %"}, FormatCase{"%d K", 7.9, "7 K"},
                      FormatCase{"%.1lf", 0.25, "0.2"}, FormatCase{"%5.1f", INFINITY, "  inf"},
                      FormatCase{"no conversion", 1, "no conversion"}, FormatCase{"%y%", 1, "%y%"}));

TEST(FormatC, TakesArgumentsInOrderAndIgnoresMissingOnes) {
  EXPECT_EQ(FormatC("Hodnoty %s musí být v rozmezí %.2f-%.2f", {"průměr", 10.0f, 2000.0f}),
            "Hodnoty průměr musí být v rozmezí 10.00-2000.00");
  EXPECT_EQ(FormatC("Strana %d/%d", {3, 12}), "Strana 3/12");
  EXPECT_EQ(FormatC("%03d|%5s|%-3s|%.2s", {7, "ab", "c", "xyz"}), "007|   ab|c  |xy");
  EXPECT_EQ(FormatC("%.1f and %.1f", {1.0}), "1.0 and ");
}

TEST(FormatC, IgnoresTheProcessLocale) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  if (!std::setlocale(LC_NUMERIC, "cs_CZ.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
    GTEST_SKIP() << "no locale with a decimal comma on this machine";
  }
  EXPECT_EQ(FormatC("%.1f", {12.5}), "12.5");
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(FormatWithResource, FormatsOneValueWithTheTextOfTheLanguage) {
  EXPECT_EQ(FormatWithResource(ids::kFormatEnergyPerYear, 1234.5f, Language::Czech), "1234 kWh/rok");
  EXPECT_EQ(FormatWithResource(ids::kFormatEnergyPerYear, 1234.5f, Language::English), "1234 kWh/year");
  EXPECT_EQ(FormatWithResource(-1, 1.0f, Language::English), "");
}

}  // namespace
}  // namespace kelvora
