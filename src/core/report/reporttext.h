#pragma once

#include <string>
#include <vector>

namespace kelvora {

class CGraphicsItem;
class ReportLists;
enum class ModuleIndex : int;

// A module's report items in page order: page by page, top to bottom.
std::vector<CGraphicsItem*> ItemsInPageOrder(const ReportLists& lists, ModuleIndex module);

// What the copy command would give for each copyable item of a module's report, in page
// order (page by page, top to bottom), one empty line between items: the report as plain
// text.
std::string ReportCopyText(const ReportLists& lists, ModuleIndex module);

}  // namespace kelvora
