#include "core/report/pageitems.h"

#include <algorithm>

#include "core/framework/cformat.h"
#include "core/framework/moduleindex.h"
#include "core/framework/stringtable.h"
#include "core/report/pagemodel.h"
#include "core/report/picturesource.h"
#include "core/report/project.h"

namespace kelvora {

namespace {

constexpr double kProgramVersion = 3.06;

constexpr int kHeaderLabelIds[CHeader::kLineCount] = {
    ids::kHeaderVersion, ids::kHeaderTimeDate,  0,  // line 2 stays empty
    ids::kHeaderProject, ids::kHeaderEquipment, ids::kHeaderResponsible,
    ids::kHeaderFileName};

struct ModuleHeading {
  int titleId;
  const char* picture;  // the grey picture shown before the first calculation
};

constexpr ModuleHeading kModuleHeadings[kModuleCount] = {
    {ids::kTitleHeatLoss, "MATERIALTYPEX0"},
    {ids::kTitlePipeRun, "KANALRORX0"},
    {ids::kTitleTank, "TANKTYPEX0"},
    {ids::kTitleExternalCondensation, "MATERIALTYPEX0"},
    {ids::kTitleInternalCondensation, "KANALX0"},
    {ids::kTitleFrost, "RORX0"},
    {ids::kTitleSound, "KANALTYPEX0"},
    {ids::kTitleEconomics, "MATERIALTYPEX0"},
};

std::tm SystemLocalTime() {
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  return local ? *local : std::tm{};
}

std::string Utf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

RasterPicture LoadPicture(const PageModel& page, std::string_view name) {
  const PictureSource* source = page.Pictures();
  return source ? source->Load(name) : RasterPicture{};
}

// Header and footer stand on every page of the report: copy k lies k page widths right.
template <class Visit>
bool ForEachPageCopy(const PageModel& page, Visit&& visit) {
  const std::int32_t pages = page.PageCount();
  const std::int32_t pageWidth = page.PageWidthUnits();
  for (std::int32_t k = 0; k < pages; ++k) {
    if (visit(k, k * pageWidth)) return true;
  }
  return false;
}

bool AnyPageCopyContains(const PageModel& page, const LayoutRect& rect, LayoutPoint point) {
  return ForEachPageCopy(page, [&](std::int32_t, std::int32_t offset) {
    return rect.Contains({point.x - offset, point.y});
  });
}

LayoutPoint Shifted(LayoutPoint p, std::int32_t dx, std::int32_t dy) { return {p.x + dx, p.y + dy}; }

LayoutRect Shifted(const LayoutRect& r, std::int32_t dx, std::int32_t dy) {
  return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

}  // namespace

// --- CHeader ---

CHeader::CHeader(const PageModel& page, const CProject& project, const CQorModul& module, int index,
                 const std::filesystem::path& file)
    : CGraphicsItem(page),
      localTime(SystemLocalTime),
      project(&project),
      module(&module),
      file(&file),
      moduleIndex(std::clamp(index, 0, kModuleCount - 1)) {
  for (std::size_t i = 0; i < kLineCount; ++i) {
    if (kHeaderLabelIds[i] == 0) continue;
    labelsCz[i] = LoadResourceString(kHeaderLabelIds[i], Language::Czech);
    labelsEn[i] = LoadResourceString(kHeaderLabelIds[i], Language::English);
  }
  const ModuleHeading& heading = kModuleHeadings[moduleIndex];
  titleCz = LoadResourceString(heading.titleId, Language::Czech);
  titleEn = LoadResourceString(heading.titleId, Language::English);
  banner = LoadPicture(page, "HEADER");
  LoadSymbol(heading.picture);
  Layout();
}

bool CHeader::Contains(LayoutPoint documentPoint) const {
  return AnyPageCopyContains(Page(), rect, documentPoint);
}

void CHeader::Update() {
  const auto& labels = Page().English() ? labelsEn : labelsCz;
  lines[0] = FormatC(labels[0], {kProgramVersion});
  const std::tm now = localTime ? localTime() : std::tm{};
  lines[1] = FormatC(labels[1], {now.tm_hour, now.tm_min, now.tm_mday, now.tm_mon + 1, now.tm_year + 1900});
  lines[3] = FormatC(labels[3], {project->projectName});
  lines[4] = FormatC(labels[4], {project->plantName});
  lines[5] = FormatC(labels[5], {project->calculatedBy});
  if (banner.IsEmpty()) banner = LoadPicture(Page(), "HEADER");
  LoadSymbol(module->GetSymbol(symbolInfo));
  Layout();
}

void CHeader::LoadSymbol(std::string_view pictureName) {
  symbolPicture = LoadPicture(Page(), pictureName);
  const auto& words = symbolInfo.words;
  for (Colour& pixel : symbolPicture.pixels) {
    for (std::size_t pair = 0; pair < words.size(); pair += 2) {
      if (pixel == words[pair]) {
        pixel = words[pair + 1];
        break;
      }
    }
  }
}

void CHeader::BeginPrinting(DrawingSurface&) { Layout(); }

void CHeader::EndPrinting() { Layout(); }

void CHeader::Layout() {
  const PageModel& page = Page();
  const auto x = [&](float mm) { return page.MmToUnitsX(mm); };
  const auto y = [&](float mm) { return page.MmToUnitsY(mm); };
  rect = {x(20), y(7), x(190), y(60)};
  for (std::size_t i = 0; i < kLineCount; ++i) lineAt[i] = {x(20), y(30.0f + 5.0f * static_cast<float>(i))};
  // Both taken with the horizontal scale, as the header has always been placed.
  productAt = {x(75), x(11)};
  titleAt = {x(75), x(19)};
  bannerRect = {x(20), y(10), x(70), y(27.78f)};
  pictureRect = {x(160), y(30), x(190), y(60)};
  ruleTop = y(7);
  ruleMiddle = y(29);
  rulePen = y(0.8f);
}

void CHeader::Draw(DrawingSurface& surface, const LayoutRect& visible) {
  const PageModel& page = Page();
  const bool english = page.English();
  lines[6] = FormatC((english ? labelsEn : labelsCz)[6], {Utf8(*file)});
  ForEachPageCopy(page, [&](std::int32_t, std::int32_t offset) {
    if (!Shifted(rect, offset, 0).Intersects(visible)) return false;
    const std::int32_t dx = offset - visible.left;
    const std::int32_t dy = -visible.top;
    surface.SetTextColour(kReportTextColour);
    surface.SetTextAlign(TextAlign::LeftTop);
    surface.SelectFont(page.Font(FontTemplate::Large));
    surface.DrawText(Shifted(productAt, dx, dy), productName);
    surface.DrawText(Shifted(titleAt, dx, dy), english ? titleEn : titleCz);
    surface.SelectFont(page.Font(FontTemplate::Normal));
    for (std::size_t i = 0; i < kLineCount; ++i) {
      if (!labelsCz[i].empty()) surface.DrawText(Shifted(lineAt[i], dx, dy), lines[i]);
    }
    surface.DrawPicture(banner, Shifted(bannerRect, dx, dy));
    surface.DrawPicture(symbolPicture, Shifted(pictureRect, dx, dy));
    for (const std::int32_t ruleY : {ruleTop, ruleMiddle}) {
      surface.DrawLine({rect.left + dx, ruleY + dy}, {rect.right + dx, ruleY + dy}, rulePen,
                       kReportTextColour);
    }
    return false;
  });
}

// --- CFooter ---

CFooter::CFooter(const PageModel& page) : CGraphicsItem(page) {
  helpTopic = "::/html/footer.htm";
  contactLine1 = LoadResourceString(ids::kFooterAddress, Language::Czech);
  contactLine2 = LoadResourceString(ids::kFooterEmail, Language::Czech);
  pageFormatCz = LoadResourceString(ids::kFooterPageNumber, Language::Czech);
  pageFormatEn = LoadResourceString(ids::kFooterPageNumber, Language::English);
  Layout();
}

bool CFooter::Contains(LayoutPoint documentPoint) const {
  return AnyPageCopyContains(Page(), rect, documentPoint);
}

// The page height may have come from another printer since the last layout.
void CFooter::Update() { Layout(); }

void CFooter::BeginPrinting(DrawingSurface&) { Layout(); }

void CFooter::EndPrinting() { Layout(); }

void CFooter::Layout() {
  const PageModel& page = Page();
  const auto x = [&](float mm) { return page.MmToUnitsX(mm); };
  const auto y = [&](float mm) { return page.MmToUnitsY(mm); };
  const auto height = static_cast<float>(page.PageHeightMm());
  rect = {x(20), y(height - 10), x(190), y(height - 1)};
  line1At = {x(20), y(height - 8)};
  std::int32_t lineHeight = 0;
  if (DrawingSurface* surface = page.Measuring()) {
    surface->SelectFont(page.Font(FontTemplate::Footer));
    lineHeight = surface->MeasureText(contactLine1).height;
  }
  line2At = {line1At.x, line1At.y + lineHeight};
  rulePen = y(0.5f);
}

void CFooter::Draw(DrawingSurface& surface, const LayoutRect& visible) {
  const PageModel& page = Page();
  const std::int32_t pages = page.PageCount();
  const std::string& format = page.English() ? pageFormatEn : pageFormatCz;
  ForEachPageCopy(page, [&](std::int32_t k, std::int32_t offset) {
    if (!Shifted(rect, offset, 0).Intersects(visible)) return false;
    const std::int32_t dx = offset - visible.left;
    const std::int32_t dy = -visible.top;
    surface.SetTextColour(kReportTextColour);
    surface.SelectFont(page.Font(FontTemplate::Footer));
    surface.SetTextAlign(TextAlign::LeftTop);
    surface.DrawText(Shifted(line1At, dx, dy), contactLine1);
    surface.DrawText(Shifted(line2At, dx, dy), contactLine2);
    surface.SetTextAlign(TextAlign::RightTop);
    surface.DrawText({rect.right + dx, line1At.y + dy}, FormatC(format, {k + 1, pages}));
    surface.SetTextAlign(TextAlign::LeftTop);
    surface.DrawLine({rect.left + dx, rect.top + dy}, {rect.right + dx, rect.top + dy}, rulePen,
                     kReportTextColour);
    return false;
  });
}

}  // namespace kelvora
