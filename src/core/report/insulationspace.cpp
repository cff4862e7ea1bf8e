#include "core/report/insulationspace.h"

#include <algorithm>
#include <cmath>

#include "core/framework/cformat.h"
#include "core/framework/stringtable.h"
#include "core/report/pagemodel.h"
#include "core/report/picturesource.h"

namespace kelvora {

namespace {

constexpr const char* kPictureNames[3] = {"280", "281", "279"};
// The widest value row; sizes the value column and the row height.
constexpr const char* kSampleRow = "a:  1000 mm";
constexpr const char* kNames[8] = {"a", "b", "c", "d", "e", "D", "B", "H"};

constexpr CInsulationSpace::Value kPipeRows[] = {CInsulationSpace::A, CInsulationSpace::B,
                                                 CInsulationSpace::C, CInsulationSpace::D,
                                                 CInsulationSpace::E, CInsulationSpace::Diameter};
constexpr CInsulationSpace::Value kDuctRows[] = {
    CInsulationSpace::A, CInsulationSpace::B,     CInsulationSpace::C,     CInsulationSpace::D,
    CInsulationSpace::E, CInsulationSpace::Width, CInsulationSpace::Height};

// A size beyond any installation still gives a number to print, and no number gives 0.
std::int32_t WholeMm(float metres) {
  constexpr float kLimit = 2e9f;
  const float mm = metres * 1000.0f + 0.5f;
  return std::isnan(mm) ? 0 : static_cast<std::int32_t>(std::clamp(mm, -kLimit, kLimit));
}

struct Clearance {
  std::int32_t upToDiameter;  // mm; the last row has no upper bound
  std::int32_t a;
  std::int32_t b;
};

// Mat insulation (type 0) needs less room than shells (type 1).
constexpr Clearance kMatClearances[] = {
    {160, 50, 50}, {300, 100, 50}, {500, 150, 50}, {800, 200, 100}, {0, 300, 100}};
constexpr Clearance kShellClearances[] = {
    {160, 100, 50}, {300, 200, 100}, {500, 300, 100}, {800, 400, 100}, {0, 500, 150}};

const Clearance& ClearanceFor(const Clearance (&table)[5], std::int32_t diameter) {
  for (std::size_t i = 0; i + 1 < std::size(table); ++i) {
    if (diameter <= table[i].upToDiameter) return table[i];
  }
  return table[std::size(table) - 1];
}

}  // namespace

CInsulationSpace::CInsulationSpace(const PageModel& page) : CGraphicsItem(page) {
  name = LoadResourceString(ids::kMountingSpaceTitle, Language::Czech);
  titleEn = LoadResourceString(ids::kMountingSpaceTitle, Language::English);
  helpTopic = "::/html/resutrymme.htm";
  Layout();
}

void CInsulationSpace::SetPosition(float xMm, float yMm) {
  x = xMm;
  y = yMm;
  Layout();
}

void CInsulationSpace::SetData(int spaceType, float diameter, float width, float height) {
  // The modules pass 0-2; anything else would index no drawing.
  type = std::clamp(spaceType, 0, 2);
  values[Diameter] = WholeMm(diameter);
  values[Width] = WholeMm(width);
  values[Height] = WholeMm(height);
  if (type == 2) {
    values[A] = values[Width] > 700 ? 500 : 300;
    values[B] = values[Height] > 1200 ? 500 : 300;
    values[C] = values[Height] / 2 + values[B];
    values[D] = values[Width] + values[A];
    values[E] = values[Width] / 2 + values[A];
  } else {
    const Clearance& clearance =
        ClearanceFor(type == 0 ? kMatClearances : kShellClearances, values[Diameter]);
    values[A] = clearance.a;
    values[B] = clearance.b;
    values[C] = values[Diameter] / 2 + values[B];
    values[D] = values[Diameter] + values[A];
    values[E] = values[Diameter] / 2 + values[A];
  }
  Layout();
}

void CInsulationSpace::BeginPrinting(DrawingSurface&) { Layout(); }

void CInsulationSpace::EndPrinting() { Layout(); }

void CInsulationSpace::Layout() {
  const PageModel& page = Page();
  if (const PictureSource* source = page.Pictures()) {
    for (std::size_t i = 0; i < pictures.size(); ++i) {
      if (pictures[i].IsEmpty()) pictures[i] = source->Load(kPictureNames[i]);
    }
  }
  TextExtent title;
  TextExtent sample;
  if (DrawingSurface* surface = page.Measuring()) {
    surface->SelectFont(page.Font(FontTemplate::Bold));
    title = surface->MeasureText(name);
    surface->SelectFont(page.Font(FontTemplate::Normal));
    sample = surface->MeasureText(kSampleRow);
  }
  rect.left = page.MmToUnitsX(x);
  rect.top = page.MmToUnitsY(y);
  titleHeight = title.height + page.MmToUnitsY(1.2f);
  lineHeight = sample.height + page.MmToUnitsY(1.2f);
  const auto rows = static_cast<std::int32_t>(ShownValues().size());
  pictureRect.left = rect.left;
  pictureRect.top = rect.top + titleHeight;
  pictureRect.right = pictureRect.left + page.MmToUnitsX(72.0f);
  pictureRect.bottom = pictureRect.top + page.MmToUnitsY(48.0f);
  labelX = pictureRect.right + page.MmToUnitsX(2.0f);
  rect.right = labelX + sample.width;
  rect.bottom = rect.top + titleHeight + std::max(pictureRect.Height(), rows * lineHeight);
}

void CInsulationSpace::Draw(DrawingSurface& surface, const LayoutRect& visible) {
  if (!rect.Intersects(visible)) return;
  const PageModel& page = Page();
  const LayoutPoint origin{visible.left, visible.top};
  surface.SetTextColour(kReportTextColour);
  surface.SetTextAlign(TextAlign::LeftTop);
  surface.SelectFont(page.Font(FontTemplate::Bold));
  surface.DrawText({rect.left - origin.x, rect.top - origin.y}, page.English() ? titleEn : name);
  surface.DrawPicture(pictures[static_cast<std::size_t>(type)], pictureRect.ShiftedBack(origin));
  surface.SelectFont(page.Font(FontTemplate::Normal));
  const std::int32_t top = rect.top + titleHeight - origin.y;
  std::int32_t row = 0;
  for (const Value value : ShownValues())
    surface.DrawText({labelX - origin.x, top + row++ * lineHeight}, std::string(Name(value)) + ":");
  surface.SetTextAlign(TextAlign::RightTop);
  row = 0;
  for (const Value value : ShownValues()) {
    surface.DrawText({rect.right - origin.x, top + row++ * lineHeight}, FormatC("%d mm", {values[value]}));
  }
  surface.SetTextAlign(TextAlign::LeftTop);
}

std::span<const CInsulationSpace::Value> CInsulationSpace::ShownValues() const {
  if (type == 2) return kDuctRows;
  return kPipeRows;
}

std::string_view CInsulationSpace::Name(Value value) { return kNames[value]; }

}  // namespace kelvora
