#include "cli/linelist.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/framework/textencoding.h"

namespace kelvora::cli {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80           ? 1
                               : (lead >> 5) == 0x6  ? 2
                               : (lead >> 4) == 0xE  ? 3
                               : (lead >> 3) == 0x1E ? 4
                                                     : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

// The separator the header uses most; a header of one column has none, and any will do.
char SeparatorOf(std::string_view text) {
  const std::string_view header = text.substr(0, text.find('\n'));
  char best = ',';
  std::ptrdiff_t most = 0;
  for (const char candidate : {',', ';', '\t'}) {
    const auto count = std::count(header.begin(), header.end(), candidate);
    if (count > most) {
      most = count;
      best = candidate;
    }
  }
  return best;
}

bool Blank(const std::vector<std::string>& fields) {
  return std::all_of(fields.begin(), fields.end(),
                     [](const std::string& f) { return TrimmedCell(f).empty(); });
}

}  // namespace

std::optional<LineList> ReadLineList(std::string_view bytes) {
  LineList list;
  if (bytes.starts_with(kByteOrderMark)) {
    list.byteOrderMark = true;
    bytes.remove_prefix(kByteOrderMark.size());
  }
  const std::string text = IsUtf8(bytes) ? std::string(bytes) : Cp1250ToUtf8(bytes);
  list.separator = SeparatorOf(text);

  std::vector<std::string> fields(1);
  bool quoted = false;
  int line = 1;
  int recordLine = 1;
  const auto endRecord = [&] {
    if (!Blank(fields)) {
      if (list.header.empty()) {
        list.header = std::move(fields);
      } else {
        list.records.push_back({recordLine, std::move(fields)});
      }
    }
    fields.assign(1, std::string());
    recordLine = line;
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        fields.back() += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        if (c == '\n') ++line;
        fields.back() += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == list.separator) {
      fields.emplace_back();
    } else if (c == '\n') {
      ++line;
      endRecord();
    } else if (c != '\r') {
      fields.back() += c;
    }
  }
  endRecord();
  if (list.header.empty()) return std::nullopt;
  return list;
}

std::string WriteCsvLine(const std::vector<std::string>& fields, char separator) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += separator;
    const std::string& field = fields[i];
    if (field.find_first_of(std::string{separator, '"', '\n', '\r'}) == std::string::npos) {
      line += field;
      continue;
    }
    line += '"';
    for (const char c : field) {
      if (c == '"') line += '"';
      line += c;
    }
    line += '"';
  }
  return line + "\r\n";
}

std::optional<float> ParseCellNumber(std::string_view cell) {
  std::string digits;
  const std::string_view text = TrimmedCell(cell);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ' ') continue;
    if (text.substr(i).starts_with("\xC2\xA0")) {  // no-break space between digit groups
      ++i;
      continue;
    }
    digits += text[i] == ',' ? '.' : text[i];
  }
  if (digits.empty()) return std::nullopt;
  const char* begin = digits.data() + (digits.front() == '+' ? 1 : 0);
  float value = 0.0f;
  const auto [end, error] = std::from_chars(begin, digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::string_view TrimmedCell(std::string_view cell) {
  const auto first = cell.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return cell.substr(first, cell.find_last_not_of(" \t") - first + 1);
}

std::string NormalisedKey(std::string_view text) {
  std::string key(TrimmedCell(text));
  std::transform(key.begin(), key.end(), key.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return key;
}

}  // namespace kelvora::cli
