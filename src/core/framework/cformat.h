#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace kelvora {

// One argument of a printf-style format.
class FormatArg {
 public:
  enum class Kind { Floating, Integer, Text };

  FormatArg(double v) : kind(Kind::Floating), floating(v) {}
  FormatArg(float v) : kind(Kind::Floating), floating(v) {}
  FormatArg(int v) : kind(Kind::Integer), integer(v) {}
  FormatArg(long v) : kind(Kind::Integer), integer(v) {}
  FormatArg(long long v) : kind(Kind::Integer), integer(v) {}
  FormatArg(unsigned v) : kind(Kind::Integer), integer(v) {}
  FormatArg(std::string_view v) : kind(Kind::Text), text(v) {}
  FormatArg(const char* v) : kind(Kind::Text), text(v) {}
  FormatArg(const std::string& v) : kind(Kind::Text), text(v) {}

  Kind kind;
  double floating = 0;
  long long integer = 0;
  std::string_view text;
};

// printf-style formatting that always uses the C locale's decimal point, whatever locale
// the process runs in. Knows the flags -+ 0#, width, precision and the conversions
// d i u c s f F e E g G and %%; a conversion without an argument produces nothing.
std::string FormatC(std::string_view format, std::initializer_list<FormatArg> args);

// Replaces %1 … %9 in a message text by the arguments of those numbers.
std::string FormatMessage(std::string_view text, std::initializer_list<std::string_view> args);

}  // namespace kelvora
