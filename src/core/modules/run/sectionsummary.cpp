#include "core/modules/run/sectionsummary.h"

#include "core/framework/cformat.h"
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

}  // namespace

std::string DescribeSection(const CSegment& s) {
  const std::string product = s.bare ? std::string("Bez izolace (holé)") : s.layer1.Description(false);
  const float thickness = s.bare ? 0.0f : s.layer1.Thickness();
  const std::string flow = FlowText(s);
  std::string text;
  switch (s.kind) {
    case CSegment::kPipe:
    case CSegment::kCircularDuct:
      text = s.kind == CSegment::kPipe ? "Typ úseku: Potrubí\n" : "Typ úseku: Kruhové potrubí\n";
      text += FormatC(
          "Izolační produkt: %s\nTloušťka: %.1f mm\nPrůměr: %.1f mm\nDélka potrubí: %.2f m\nOkolní teplota: "
          "%.1f °C\nPrůtok média do prvního úseku: %s\n",
          {product, thickness, s.diameter, s.length, s.ambientTemperature, flow});
      break;
    default:
      text = s.kind == CSegment::kRectDuctExternal ? "Typ úseku: Obdélníkové potrubí\n"
                                                   : "Typ úseku: Odb. potrubí izolován uvnitř\n";
      text += FormatC(
          "Izolační produkt: %s\nTloušťka: %.1f mm\nVýška: %.1f mm\nŠířka: %.1f mm\nDélka potrubí: %.2f "
          "m\nOkolní teplota: %.1f °C\nPrůtok média do prvního úseku: %s\n",
          {product, thickness, s.height, s.width, s.length, s.ambientTemperature, flow});
      break;
  }
  if (!s.bare && s.secondLayerOn) {
    // English in every language the program speaks.
    text += FormatC("\nProduct 2. layer: %s\nThickness 2. layer: %.1f mm",
                    {s.layer2.Description(false), s.layer2.Thickness()});
  }
  return text;
}

}  // namespace kelvora
