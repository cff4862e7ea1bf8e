#include "ui/framework/fieldexchange.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "core/framework/cformat.h"

namespace kelvora {

namespace {

// Fields longer than this were cut off by the dialogs' buffers.
constexpr std::size_t kFieldLength = 63;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Czech users type a decimal comma; the first comma reads as a point.
std::string WithDecimalPoint(std::string_view text) {
  std::string field(text);
  if (const std::size_t comma = field.find(','); comma != std::string::npos) field[comma] = '.';
  return field;
}

std::string_view SkipBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

// The longest number at the start of `text`, with how many characters it took.
std::optional<std::pair<float, std::size_t>> LeadingNumber(std::string_view text) {
  // A sign of its own is read as part of the number, as the C library reads it.
  std::size_t start = !text.empty() && text.front() == '+' ? 1 : 0;
  float value = 0.0f;
  const auto [end, error] =
      std::from_chars(text.data() + start, text.data() + text.size(), value, std::chars_format::general);
  if (error != std::errc() || !std::isfinite(value)) return std::nullopt;
  return std::pair{value, static_cast<std::size_t>(end - text.data())};
}

}  // namespace

std::string ShowFloatField(float value) { return FormatC("%.6g", {value}); }

std::optional<float> ReadFloatField(std::string_view text) {
  const std::string field = WithDecimalPoint(text.substr(0, kFieldLength));
  const std::string_view number = SkipBlanks(field);
  const auto read = LeadingNumber(number);
  const float value = read ? read->first : 0.0f;
  if (value == 0.0f && (number.empty() || number.front() != '0')) return std::nullopt;
  // A unit may follow the number, but not more of a number: "7,2,5" or "7 5" would read as 7.2
  // or 7 and lose what the user typed.
  const std::string_view rest = SkipBlanks(number.substr(read ? read->second : 0));
  if (!rest.empty() && (IsDigit(rest.front()) || rest.front() == '.' || rest.front() == ','))
    return std::nullopt;
  return value;
}

std::optional<float> ReadPlainFloat(std::string_view text) {
  const std::string field = WithDecimalPoint(text);
  const std::string_view number = SkipBlanks(field);
  const auto read = LeadingNumber(number);
  if (!read || !SkipBlanks(number.substr(read->second)).empty()) return std::nullopt;
  return read->first;
}

}  // namespace kelvora
