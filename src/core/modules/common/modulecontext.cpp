#include "core/modules/common/modulecontext.h"

#include "core/framework/stringtable.h"
#include "core/report/pagemodel.h"
#include "core/report/reportlists.h"

namespace kelvora {

const PageModel& ReportPageOf(ModuleContext* context) {
  static const PageModel standalone;
  return context ? context->Reports().Page() : standalone;
}

std::string ResetCurrency(ModuleContext* context) {
  return context ? context->NewDocumentCurrency()
                 : std::string(LoadResourceString(ids::kCurrency, Language::Czech));
}

}  // namespace kelvora
