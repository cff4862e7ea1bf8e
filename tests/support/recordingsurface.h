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

 private:
  std::int32_t CharWidth() const { return std::max(1, font.height / 2); }
  static std::int32_t CodePoints(std::string_view text) {
    return static_cast<std::int32_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
  }
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
  static std::string Point(LayoutPoint p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
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
