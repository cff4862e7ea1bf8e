#include "core/framework/cformat.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

namespace kelvora {
namespace {

struct Directive {
  bool left = false, plus = false, space = false, zero = false, alternate = false;
  int width = 0;
  int precision = -1;
  char conversion = 0;
};

bool IsConversion(char c) { return std::string_view("diucsfFeEgG").find(c) != std::string_view::npos; }

int ReadNumber(std::string_view f, std::size_t& i) {
  int n = 0;
  while (i < f.size() && std::isdigit(static_cast<unsigned char>(f[i])) && n < 10000) {
    n = n * 10 + (f[i++] - '0');
  }
  return n;
}

// Parses the directive after '%'; returns false when it is not one this formatter knows.
bool ParseSpec(std::string_view f, std::size_t& i, Directive& directive) {
  for (; i < f.size(); ++i) {
    const char c = f[i];
    if (c == '-')
      directive.left = true;
    else if (c == '+')
      directive.plus = true;
    else if (c == ' ')
      directive.space = true;
    else if (c == '0')
      directive.zero = true;
    else if (c == '#')
      directive.alternate = true;
    else
      break;
  }
  directive.width = ReadNumber(f, i);
  if (i < f.size() && f[i] == '.') {
    ++i;
    directive.precision = ReadNumber(f, i);
  }
  while (i < f.size() && std::string_view("hlLqjzt").find(f[i]) != std::string_view::npos) ++i;
  if (i >= f.size() || !IsConversion(f[i])) return false;
  directive.conversion = f[i++];
  return true;
}

std::string FloatDigits(double value, const Directive& directive) {
  const int precision = directive.precision < 0 ? 6 : std::min(directive.precision, 300);
  std::chars_format format = std::chars_format::fixed;
  switch (std::tolower(static_cast<unsigned char>(directive.conversion))) {
    case 'e':
      format = std::chars_format::scientific;
      break;
    case 'g':
      format = std::chars_format::general;
      break;
    default:
      break;
  }
  std::array<char, 700> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format,
                                    format == std::chars_format::general && precision == 0 ? 1 : precision);
  std::string digits(buffer.data(), result.ptr);
  if (std::isupper(static_cast<unsigned char>(directive.conversion))) {
    std::transform(digits.begin(), digits.end(), digits.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  }
  return digits;
}

std::string IntegerDigits(long long value, const Directive& directive) {
  std::array<char, 24> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  std::string digits(buffer.data(), result.ptr);
  const bool negative = value < 0;
  const auto minimum = static_cast<std::size_t>(std::max(directive.precision, 0));
  const std::size_t count = digits.size() - (negative ? 1 : 0);
  if (count < minimum) digits.insert(negative ? 1 : 0, minimum - count, '0');
  return digits;
}

void AppendPadded(std::string& out, std::string body, const Directive& directive, bool numeric) {
  if (numeric && body.front() != '-') {
    if (directive.plus)
      body.insert(0, 1, '+');
    else if (directive.space)
      body.insert(0, 1, ' ');
  }
  const auto width = static_cast<std::size_t>(directive.width);
  if (body.size() < width) {
    const std::size_t fill = width - body.size();
    const bool finite = numeric && std::isdigit(static_cast<unsigned char>(body.back()));
    if (directive.left) {
      body.append(fill, ' ');
    } else if (directive.zero && finite) {
      const bool signed_ = body.front() == '-' || body.front() == '+' || body.front() == ' ';
      body.insert(signed_ ? 1 : 0, fill, '0');
    } else {
      body.insert(0, fill, ' ');
    }
  }
  out += body;
}

void AppendConversion(std::string& out, const Directive& directive, const FormatArg& arg) {
  switch (directive.conversion) {
    case 's': {
      std::string_view text = arg.kind == FormatArg::Kind::Text ? arg.text : std::string_view();
      if (directive.precision >= 0) text = text.substr(0, static_cast<std::size_t>(directive.precision));
      AppendPadded(out, std::string(text), directive, false);
      return;
    }
    case 'c':
      AppendPadded(out, std::string(1, static_cast<char>(arg.integer)), directive, false);
      return;
    case 'd':
    case 'i':
    case 'u': {
      const long long v = arg.kind == FormatArg::Kind::Floating
                              ? static_cast<long long>(std::isfinite(arg.floating) ? arg.floating : 0)
                              : arg.integer;
      AppendPadded(out, IntegerDigits(v, directive), directive, true);
      return;
    }
    default: {
      const double v = arg.kind == FormatArg::Kind::Integer ? static_cast<double>(arg.integer) : arg.floating;
      AppendPadded(out, FloatDigits(v, directive), directive, true);
      return;
    }
  }
}

}  // namespace

std::string FormatC(std::string_view format, std::initializer_list<FormatArg> args) {
  std::string out;
  out.reserve(format.size() + 16);
  auto next = args.begin();
  for (std::size_t i = 0; i < format.size();) {
    if (format[i] != '%') {
      out += format[i++];
      continue;
    }
    if (i + 1 < format.size() && format[i + 1] == '%') {
      out += '%';
      i += 2;
      continue;
    }
    const std::size_t start = i++;
    Directive directive;
    if (!ParseSpec(format, i, directive)) {
      out.append(format.substr(start, i - start));
      continue;
    }
    if (next != args.end()) AppendConversion(out, directive, *next++);
  }
  return out;
}

std::string FormatMessage(std::string_view text, std::initializer_list<std::string_view> args) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool placeholder =
        text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
    const auto number = placeholder ? static_cast<std::size_t>(text[i + 1] - '1') : 0;
    if (placeholder && number < args.size()) {
      out += *(args.begin() + number);
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace kelvora
