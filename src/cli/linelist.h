#pragma once

// A line list as a spreadsheet saves it: a header row of column names, then one record a
// line. Comma, semicolon or tab separated, as the header shows; fields may be quoted.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora::cli {

struct LineList {
  char separator = ',';
  bool byteOrderMark = false;
  std::vector<std::string> header;
  // Each record with the number of the file line it starts on (the header is line 1).
  struct Record {
    int fileLine = 0;
    std::vector<std::string> fields;
  };
  std::vector<Record> records;
};

// Text that is not UTF-8 is taken as Windows-1250, what Czech spreadsheets save by
// default. Blank lines are skipped. Nothing for a file without a header.
std::optional<LineList> ReadLineList(std::string_view bytes);

// One line of `fields`, quoted where a field needs it, ended by "\r\n" as spreadsheets do.
std::string WriteCsvLine(const std::vector<std::string>& fields, char separator);

// A number as a spreadsheet cell holds it: decimal point or comma, spaces between digit
// groups allowed. Nothing for anything else, also for a value that is no finite number.
std::optional<float> ParseCellNumber(std::string_view cell);

// Without leading and trailing spaces and tabs.
std::string_view TrimmedCell(std::string_view cell);

// Lower case, without leading and trailing spaces: how cells of choices and header names
// compare.
std::string NormalisedKey(std::string_view text);

}  // namespace kelvora::cli
