#include "core/report/project.h"

#include <string_view>

#include "core/framework/archive.h"

namespace kelvora {

namespace {

constexpr std::string_view kProjectMarker = "verison 2.03";

}  // namespace

void CProject::Serialize(CArchive& ar) {
  ar.Exchange(calculatedBy, projectName, reference);
  if (ar.IsStoring()) {
    ar.WriteMarker(kProjectMarker);
    ar.Exchange(remark, plantName);
  } else if (ar.ReadMarker(kProjectMarker, remark)) {
    ar.Exchange(remark, plantName);
  }
}

void CProject::Clear() { *this = CProject(); }

}  // namespace kelvora
