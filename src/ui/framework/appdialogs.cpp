#include "ui/framework/appdialogs.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/framework/help.h"
#include "core/framework/platform.h"
#include "core/framework/settingskeys.h"

namespace kelvora {
namespace {

constexpr std::string_view kYes = "Yes";
constexpr std::string_view kNo = "No";
constexpr std::string_view kTopic = "::/html/contents.htm";

QDialogButtonBox* OkAndHelp(QDialog& dialog, HelpViewer& help) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Help);
  buttons->button(QDialogButtonBox::Help)
      ->setText(QCoreApplication::translate("kelvora::CAboutDlg", "Nápověda"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::helpRequested, &dialog, [&help] { help.OpenTopic(kTopic); });
  return buttons;
}

void SetHelpWindow(SettingsStore& settings, bool wanted) {
  settings.SetString(settings::kHelpWindow.section, settings::kHelpWindow.key, wanted ? kYes : kNo);
}

}  // namespace

bool TitleWindowWanted(const SettingsStore& settings) {
  const auto& key = settings::kHelpWindow;
  return settings.GetString(key.section, key.key, key.fallback) == kYes;
}

CAboutDlg::CAboutDlg(SettingsStore& settings, HelpViewer& help, QWidget* parent)
    : QDialog(parent), settings(settings), showTitle(new QCheckBox(tr("Zobrazit úvodní okno"))) {
  setWindowTitle(tr("O programu Kelvora"));
  showTitle->setObjectName(QStringLiteral("showTitle"));
  showTitle->setChecked(TitleWindowWanted(settings));

  auto* name = new QLabel(tr("<b>Kelvora®</b> verze %1").arg(QStringLiteral(KELVORA_VERSION)));
  auto* text =
      new QLabel(tr("Výpočty technických izolací potrubí, vzduchovodů, nádrží a rovinných ploch:\n"
                    "tepelné ztráty a tloušťka izolace, změna teploty v potrubí a v nádrži,\n"
                    "izolace proti kondenzaci, protimrazová ochrana, útlum hluku a ekonomika izolace.\n\n"
                    "© Mirelta. Výsledky jsou podkladem pro návrh; za návrh odpovídá projektant."));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(name);
  layout->addWidget(text);
  layout->addWidget(showTitle);
  layout->addWidget(OkAndHelp(*this, help));
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CAboutDlg::accept() {
  SetHelpWindow(settings, showTitle->isChecked());
  QDialog::accept();
}

CTitleDlg::CTitleDlg(SettingsStore& settings, HelpViewer& help, QWidget* parent)
    : QDialog(parent),
      settings(settings),
      hideTitle(new QCheckBox(tr("Nezobrazovat toto okno při spuštění"))) {
  setWindowTitle(QStringLiteral("Kelvora®"));
  setObjectName(QStringLiteral("title"));
  hideTitle->setObjectName(QStringLiteral("hideTitle"));
  hideTitle->setChecked(!TitleWindowWanted(settings));

  auto* picture = new QLabel;
  picture->setPixmap(QPixmap(QStringLiteral(":/pictures/TITLE.bmp")));
  auto* hint = new QLabel(tr("Klikněte na tlačítko \"Nápověda\" pro stručný úvod."));
  auto* buttons = OkAndHelp(*this, help);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(picture);
  layout->addWidget(hint);
  layout->addWidget(hideTitle);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CTitleDlg::accept() {
  SetHelpWindow(settings, !hideTitle->isChecked());
  QDialog::accept();
}

}  // namespace kelvora
