#pragma once

#include <string>

namespace kelvora {

class ReportLists;
enum class ModuleIndex : int;

// What the copy command would give for each copyable item of a module's report, in page
// order (page by page, top to bottom), one empty line between items: the report as plain
// text.
std::string ReportCopyText(const ReportLists& lists, ModuleIndex module);

}  // namespace kelvora
