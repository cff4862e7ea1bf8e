#include "cli/jsontext.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace kelvora::cli {
namespace {

bool ReadsBackAs(std::string_view text, float value) {
  double parsed = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  return error == std::errc() && end == text.data() + text.size() &&
         std::bit_cast<std::uint32_t>(static_cast<float>(parsed)) == std::bit_cast<std::uint32_t>(value);
}

void AppendEscape(std::string& out, unsigned char c) {
  static constexpr char kDigits[] = "0123456789abcdef";
  out += "\\u00";
  out += kDigits[c >> 4];
  out += kDigits[c & 0xF];
}

}  // namespace

std::string FormatFloat(float value) {
  if (!std::isfinite(value) || (value == 0 && std::signbit(value))) return {};
  char text[64];
  // The shortest float text can round differently when read as a double first (as a JSON
  // reader does); then the double's own shortest text, which is exact, is used.
  auto result = std::to_chars(text, text + sizeof text, value);
  if (ReadsBackAs(std::string_view(text, result.ptr), value)) return std::string(text, result.ptr);
  result = std::to_chars(text, text + sizeof text, static_cast<double>(value));
  return std::string(text, result.ptr);
}

void AppendJsonString(std::string& out, std::string_view utf8) {
  out += '"';
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0;
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c < 0x20) {
      AppendEscape(out, c);
    } else if (c == 0xC2 && next >= 0x80 && next < 0xA0) {
      // A C1 control stands for a byte Windows-1250 leaves undefined: shown, not hidden.
      AppendEscape(out, next);
      ++i;
    } else {
      out += static_cast<char>(c);
    }
  }
  out += '"';
}

JsonText::JsonText() {
  out += '{';
  open.push_back(true);
}

std::string JsonText::Finish() {
  Close('}');
  out += '\n';
  return std::move(out);
}

void JsonText::Key(std::string_view key) {
  Next();
  AppendJsonString(out, key);
  out += ": ";
}

void JsonText::Element() { Next(); }

void JsonText::Open(char bracket, bool oneLine) {
  out += bracket;
  open.push_back(true);
  if (oneLine) oneLineDepth = std::min(oneLineDepth, open.size());
}

void JsonText::Close(char bracket) {
  const bool oneLine = OnOneLine();
  const bool wasEmpty = open.back();
  open.pop_back();
  if (!wasEmpty && !oneLine) {
    out += '\n';
    out.append(2 * open.size(), ' ');
  }
  out += bracket;
  if (open.size() < oneLineDepth) oneLineDepth = kNoOneLine;
}

void JsonText::String(std::string_view utf8) { AppendJsonString(out, utf8); }

void JsonText::Literal(std::string_view text) { out += text; }

void JsonText::Next() {
  const bool oneLine = OnOneLine();
  if (!open.back()) out += oneLine ? ", " : ",";
  open.back() = false;
  if (!oneLine) {
    out += '\n';
    out.append(2 * open.size(), ' ');
  }
}

}  // namespace kelvora::cli
