#include "ui/framework/projectdlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/framework/cformat.h"
#include "core/document/document.h"
#include "core/framework/platform.h"
#include "core/framework/stringtable.h"

namespace kelvora {

namespace {

QLineEdit* LineField(QWidget& parent, const char* name, const std::string& text) {
  auto* field = new QLineEdit(&parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setMaxLength(static_cast<int>(CProject::kMaxLineLength));
  field->setText(QString::fromStdString(text));
  return field;
}

// Files keep the line breaks of multi-line fields as CR LF, and their length counts both.
QPlainTextEdit* BlockField(QWidget& parent, const char* name, const std::string& text) {
  auto* field = new QPlainTextEdit(&parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setTabChangesFocus(true);
  field->setPlainText(QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  return field;
}

QString Stored(const QPlainTextEdit& field) {
  return field.toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

}  // namespace

CProjectDlg::CProjectDlg(CProject& project, QWidget* parent)
    : CItemDlg("::/html/prosjekt.htm", parent), project(project) {
  setWindowTitle(QStringLiteral("Projekt"));
  calculatedBy = LineField(*this, "calculatedBy", project.calculatedBy);
  projectName = LineField(*this, "projectName", project.projectName);
  reference = BlockField(*this, "reference", project.reference);
  remark = BlockField(*this, "remark", project.remark);
  plantName = LineField(*this, "plantName", project.plantName);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Kalkulaci provedl:"), calculatedBy);
  form->addRow(QStringLiteral("Název projektu:"), projectName);
  form->addRow(QStringLiteral("Reference:"), reference);
  form->addRow(QStringLiteral("Poznámka:"), remark);
  form->addRow(QStringLiteral("Název zařízení:"), plantName);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(MakeButtons());
  setMinimumWidth(420);
}

void CProjectDlg::accept() {
  for (QPlainTextEdit* field : {reference, remark}) {
    if (Stored(*field).size() <= static_cast<qsizetype>(CProject::kMaxBlockLength)) continue;
    if (Dialogs().messages) {
      Dialogs().messages->Show(FormatMessage(LoadResourceString(ids::kTextTooLong, Language::Czech),
                                             {std::to_string(CProject::kMaxBlockLength)}));
    }
    field->setFocus();
    field->selectAll();
    return;
  }
  project.calculatedBy = calculatedBy->text().toStdString();
  project.projectName = projectName->text().toStdString();
  project.reference = Stored(*reference).toStdString();
  project.remark = Stored(*remark).toStdString();
  project.plantName = plantName->text().toStdString();
  CItemDlg::accept();
}

}  // namespace kelvora
