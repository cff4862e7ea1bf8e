#pragma once

// JSON as the tool writes it: UTF-8 strings escaped, floats in their shortest text, keys
// in the order given (QJsonObject would sort them) and two-space indentation.

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora::cli {

// The shortest decimal text that reads back, through a double, as exactly `value`.
// Values a JSON number cannot carry (-0, infinities, NaN) come back empty.
std::string FormatFloat(float value);

// Appends `utf8` as a quoted JSON string.
void AppendJsonString(std::string& out, std::string_view utf8);

// Writes a document as it goes. Every value follows a Key (in an object) or an Element
// (in an array); a bracket opened on one line keeps everything inside it on that line.
class JsonText {
 public:
  // Opens the outermost object.
  JsonText();
  // Closes the outermost object and hands over the text, ending in a line end.
  std::string Finish();

  void Key(std::string_view key);
  void Element();
  // '{' or '['.
  void Open(char bracket, bool oneLine = false);
  void Close(char bracket);
  void String(std::string_view utf8);
  // A number, true, false or null, already in JSON's form.
  void Literal(std::string_view text);

 private:
  bool OnOneLine() const { return open.size() >= oneLineDepth; }
  void Next();

  static constexpr std::size_t kNoOneLine = std::numeric_limits<std::size_t>::max();
  std::string out;
  std::vector<bool> open;                 // per open bracket: nothing written in it yet
  std::size_t oneLineDepth = kNoOneLine;  // brackets this deep and deeper are written on one line
};

}  // namespace kelvora::cli
