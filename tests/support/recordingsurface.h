#pragma once

// A drawing surface with fixed metrics that writes every drawing call as a line of text.
// Each character (code point) is half the font height wide, a line is one font height
// tall, so layouts are exact and independent of any installed font.

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "core/framework/help.h"
#include "core/report/clipboard.h"
#include "core/report/drawingsurface.h"

namespace kelvora::testing {

class RecordingSurface : public DrawingSurface {
 public:
  explicit RecordingSurface(bool printer = false, PrintableArea area = {}) : printer(printer), area(area) {}

  void SelectFont(const FontSpec& chosen) override {
    font = chosen;
    Record("font " + chosen.face + " " + std::to_string(chosen.height) + " " + std::to_string(chosen.weight));
  }
  void SetTextColour(Colour colour) override { Record("colour " + Hex(colour)); }
  void SetTextAlign(TextAlign align) override {
    Record(align == TextAlign::LeftTop ? "align left-top" : "align right-top");
  }
  void DrawText(LayoutPoint at, std::string_view text) override {
    Record("text " + Point(at) + " " + std::string(text));
  }
  TextExtent MeasureText(std::string_view text) override {
    return {CharWidth() * CodePoints(text), font.height};
  }
  TextMetrics FontMetrics() override { return {CharWidth(), font.height}; }
  std::int32_t DrawWrappedText(const LayoutRect& rect, std::string_view text) override {
    const auto lines = Wrap(rect.Width(), text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const LayoutPoint at{rect.left, rect.top + static_cast<std::int32_t>(i) * font.height};
      Record("text " + Point(at) + " " + lines[i]);
    }
    return static_cast<std::int32_t>(lines.size()) * font.height;
  }
  std::int32_t WrappedTextHeight(const LayoutRect& rect, std::string_view text) override {
    return static_cast<std::int32_t>(Wrap(rect.Width(), text).size()) * font.height;
  }
  void DrawLine(LayoutPoint from, LayoutPoint to, std::int32_t penWidth, Colour colour) override {
    Record("line " + Point(from) + " " + Point(to) + " " + std::to_string(penWidth) + " " + Hex(colour));
  }
  void DrawDottedLine(LayoutPoint from, LayoutPoint to, std::int32_t penWidth, Colour colour) override {
    Record("dotted " + Point(from) + " " + Point(to) + " " + std::to_string(penWidth) + " " + Hex(colour));
  }
  void FillRect(const LayoutRect& rect, Colour colour) override {
    Record("fill " + Rect(rect) + " " + Hex(colour));
  }
  void DrawPicture(const RasterPicture& picture, const LayoutRect& rect) override {
    Record("picture " + (picture.name.empty() ? std::string("-") : picture.name) + " " + Rect(rect));
  }
  bool IsPrinter() const override { return printer; }
  PrintableArea Printable() const override { return area; }

  std::vector<std::string> calls;

  static std::string Point(LayoutPoint p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
  static std::int32_t CharWidth(std::int32_t fontHeight) { return std::max(1, fontHeight / 2); }
  static std::int32_t CodePoints(std::string_view text) {
    return static_cast<std::int32_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
  }

 private:
  std::int32_t CharWidth() const { return CharWidth(font.height); }
  // Greedy breaking at spaces; a word wider than the line stands alone on its line.
  std::vector<std::string> Wrap(std::int32_t width, std::string_view text) const {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
      const std::size_t end = std::min(text.find('\n', start), text.size());
      std::string line;
      std::size_t pos = start;
      while (pos < end) {
        const std::size_t space = std::min(text.find(' ', pos), end);
        const std::string word(text.substr(pos, space - pos));
        const std::string candidate = line.empty() ? word : line + " " + word;
        if (!line.empty() && CharWidth() * CodePoints(candidate) > width) {
          lines.push_back(line);
          line = word;
        } else {
          line = candidate;
        }
        pos = space + 1;
      }
      lines.push_back(line);
      start = end + 1;
    }
    return lines;
  }
  static std::string Rect(const LayoutRect& r) {
    return Point({r.left, r.top}) + "-" + Point({r.right, r.bottom});
  }
  static std::string Hex(Colour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour & 0xFFu, (colour >> 8) & 0xFFu,
                  (colour >> 16) & 0xFFu);
    return text;
  }
  void Record(std::string line) { calls.push_back(std::move(line)); }

  bool printer;
  PrintableArea area;
  FontSpec font;
};

// Where a recorded text lies, as the recording metrics measure it.
struct TextBox {
  std::string text;
  LayoutRect rect;
  bool Meets(const TextBox& other) const { return rect.Intersects(other.rect); }
};

// The texts of recorded calls with their rectangles, following the fonts and alignments the
// calls select.
inline std::vector<TextBox> TextBoxes(const std::vector<std::string>& calls) {
  std::vector<TextBox> boxes;
  std::int32_t height = FontSpec{}.height;
  bool rightAligned = false;
  for (const std::string& call : calls) {
    if (call.starts_with("font ")) {
      const std::size_t weight = call.rfind(' ');
      height = std::stoi(call.substr(call.rfind(' ', weight - 1) + 1));
    } else if (call.starts_with("align ")) {
      rightAligned = call == "align right-top";
    } else if (call.starts_with("text ")) {
      const std::size_t comma = call.find(',');
      const std::size_t space = call.find(' ', comma);
      const std::int32_t x = std::stoi(call.substr(5, comma - 5));
      const std::int32_t y = std::stoi(call.substr(comma + 1, space - comma - 1));
      std::string text = call.substr(space + 1);
      const std::int32_t width = RecordingSurface::CharWidth(height) * RecordingSurface::CodePoints(text);
      const std::int32_t left = rightAligned ? x - width : x;
      boxes.push_back({std::move(text), {left, y, left + width, y + height}});
    }
  }
  return boxes;
}

// Records the help topics the items open.
class RecordingHelp : public HelpViewer {
 public:
  void OpenTopic(std::string_view topic) override { topics.emplace_back(topic); }
  std::vector<std::string> topics;
};

// Keeps what the items copy.
class RecordingClipboard : public Clipboard {
 public:
  void SetText(std::string_view copied) override { text = copied; }
  std::string text;
};

}  // namespace kelvora::testing
