#pragma once

#include "ui/framework/itemdlg.h"

class QLineEdit;
class QPlainTextEdit;

namespace kelvora {

class CProject;

// The project information printed in the page headers.
class CProjectDlg : public CItemDlg {
  Q_OBJECT

 public:
  explicit CProjectDlg(CProject& project, QWidget* parent = nullptr);
  void accept() override;

 private:
  CProject& project;
  QLineEdit* calculatedBy;
  QLineEdit* projectName;
  QPlainTextEdit* reference;
  QPlainTextEdit* remark;
  QLineEdit* plantName;
};

}  // namespace kelvora
