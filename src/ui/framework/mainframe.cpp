#include "ui/framework/mainframe.h"

#include "core/framework/stringtable.h"

namespace kelvora {

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
  const std::string_view title = LoadResourceString(ids::kAppTitle, Language::Czech);
  setWindowTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
  resize(1024, 768);
}

}  // namespace kelvora
