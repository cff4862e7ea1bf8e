#include "core/modules/run/sectionsummary.h"

#include "core/framework/cformat.h"
#include "core/framework/stringtable.h"
#include "core/modules/run/segment.h"

namespace kelvora {

namespace {

std::string FlowText(const CSegment& s) {
  const bool pipe = s.kind == CSegment::kPipe;
  switch (static_cast<FlowUnit>(s.flowUnit)) {
    case FlowUnit::CubicMetresPerHour:
      return FormatC(pipe ? "%.2f m3/h" : "%.0f m3/h", {s.flow});
    case FlowUnit::LitresPerSecond:
      return FormatC(pipe ? "%.2f l/s" : "%.0f l/s", {s.flow});
    case FlowUnit::MetresPerSecond:
      break;
  }
  return FormatC("%.2f m/s", {s.flow});
}

// The summary's words in one language.
struct SummaryTexts {
  const char* bare;
  const char* pipe;
  const char* circularDuct;
  const char* rectangularDuct;
  const char* insulatedInside;
  const char* round;
  const char* rectangular;
  const char* secondLayer;
};

constexpr SummaryTexts kCzech{
    "Bez izolace (holé)",
    "Typ úseku: Potrubí\n",
    "Typ úseku: Kruhové potrubí\n",
    "Typ úseku: Obdélníkové potrubí\n",
    "Typ úseku: Obdélníkové potrubí, vnitřní izolace\n",
    "Izolační produkt: %s\nTloušťka: %.1f mm\nPrůměr: %.1f mm\nDélka potrubí: %.2f m\nOkolní teplota: "
    "%.1f °C\nPrůtok média do úseku: %s\n",
    "Izolační produkt: %s\nTloušťka: %.1f mm\nVýška: %.1f mm\nŠířka: %.1f mm\nDélka potrubí: %.2f "
    "m\nOkolní teplota: %.1f °C\nPrůtok média do úseku: %s\n",
    "\nIzolační produkt - vrstva 2: %s\nTloušťka izolace - vrstva 2: %.1f mm"};

constexpr SummaryTexts kEnglish{
    "Uninsulated",
    "Section type: Pipe\n",
    "Section type: Circular duct\n",
    "Section type: Rectangular duct, external insulation\n",
    "Section type: Rectangular duct, internal insulation\n",
    "Insulation product: %s\nInsulation thickness: %.1f mm\nDiameter: %.1f mm\nLength: %.2f m\nAmbient "
    "temperature: %.1f °C\nFlow into the section: %s\n",
    "Insulation product: %s\nInsulation thickness: %.1f mm\nHeight: %.1f mm\nWidth: %.1f mm\nLength: %.2f "
    "m\nAmbient temperature: %.1f °C\nFlow into the section: %s\n",
    "\nInsulation product, layer 2: %s\nInsulation thickness, layer 2: %.1f mm"};

}  // namespace

std::string DescribeSection(const CSegment& s) {
  const bool english = DisplayLanguage() == Language::English;
  const SummaryTexts& words = english ? kEnglish : kCzech;
  const std::string product = s.bare ? std::string(words.bare) : s.layer1.Description(english);
  const float thickness = s.bare ? 0.0f : s.layer1.Thickness();
  const std::string flow = FlowText(s);
  std::string text;
  switch (s.kind) {
    case CSegment::kPipe:
    case CSegment::kCircularDuct:
      text = s.kind == CSegment::kPipe ? words.pipe : words.circularDuct;
      text += FormatC(words.round, {product, thickness, s.diameter, s.length, s.ambientTemperature, flow});
      break;
    default:
      text = s.kind == CSegment::kRectDuctExternal ? words.rectangularDuct : words.insulatedInside;
      text += FormatC(words.rectangular,
                      {product, thickness, s.height, s.width, s.length, s.ambientTemperature, flow});
      break;
  }
  if (!s.bare && s.secondLayerOn) {
    text += FormatC(words.secondLayer, {s.layer2.Description(english), s.layer2.Thickness()});
  }
  return text;
}

}  // namespace kelvora
