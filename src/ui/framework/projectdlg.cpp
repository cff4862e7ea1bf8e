#include "ui/framework/projectdlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "core/document/document.h"
#include "core/framework/cformat.h"
#include "core/framework/platform.h"
#include "core/framework/stringtable.h"

namespace kelvora {

namespace {

// Typing stops at the limit, but a longer stored text is shown whole and loses nothing
// until the user shortens it; OK then asks for less.
QLineEdit* LineField(QWidget& parent, const char* name, const std::string& text) {
  auto* field = new QLineEdit(&parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setText(QString::fromStdString(text));
  const auto limitTyping = [field] {
    field->setMaxLength(
        std::max(static_cast<int>(CProject::kMaxLineLength), static_cast<int>(field->text().size())));
  };
  limitTyping();
  QObject::connect(field, &QLineEdit::textChanged, field, limitTyping);
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
  setWindowTitle(tr("Projekt"));
  calculatedBy = LineField(*this, "calculatedBy", project.calculatedBy);
  projectName = LineField(*this, "projectName", project.projectName);
  reference = BlockField(*this, "reference", project.reference);
  remark = BlockField(*this, "remark", project.remark);
  plantName = LineField(*this, "plantName", project.plantName);

  auto* form = new QFormLayout;
  form->addRow(tr("Kalkulaci provedl:"), calculatedBy);
  form->addRow(tr("Název projektu:"), projectName);
  form->addRow(tr("Reference:"), reference);
  form->addRow(tr("Poznámka:"), remark);
  form->addRow(tr("Název zařízení:"), plantName);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(MakeButtons());
  setMinimumWidth(420);
}

void CProjectDlg::accept() {
  struct Limited {
    QWidget* field;
    QString text;
    std::size_t limit;
  };
  const Limited fields[] = {{calculatedBy, calculatedBy->text(), CProject::kMaxLineLength},
                            {projectName, projectName->text(), CProject::kMaxLineLength},
                            {reference, Stored(*reference), CProject::kMaxBlockLength},
                            {remark, Stored(*remark), CProject::kMaxBlockLength},
                            {plantName, plantName->text(), CProject::kMaxLineLength}};
  for (const Limited& entry : fields) {
    if (entry.text.size() <= static_cast<qsizetype>(entry.limit)) continue;
    if (Dialogs().messages) {
      Dialogs().messages->Show(FormatMessage(MessageText(ids::kTextTooLong), {std::to_string(entry.limit)}));
    }
    entry.field->setFocus();
    if (auto* line = qobject_cast<QLineEdit*>(entry.field)) {
      line->selectAll();
    } else if (auto* block = qobject_cast<QPlainTextEdit*>(entry.field)) {
      block->selectAll();
    }
    return;
  }
  project.calculatedBy = fields[0].text.toStdString();
  project.projectName = fields[1].text.toStdString();
  project.reference = fields[2].text.toStdString();
  project.remark = fields[3].text.toStdString();
  project.plantName = fields[4].text.toStdString();
  CItemDlg::accept();
}

}  // namespace kelvora
