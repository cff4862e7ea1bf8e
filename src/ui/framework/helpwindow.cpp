#include "ui/framework/helpwindow.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "core/framework/platform.h"
#include "ui/framework/qtplatform.h"

namespace kelvora {
namespace {

// The resource that holds a topic's page in the language, or an empty URL when there is
// none. The English pages are the Czech ones' twins in the folder "en" beside them.
QUrl PageOf(std::string_view topic, InterfaceLanguage language) {
  const std::size_t separator = topic.find("::");
  if (separator != std::string_view::npos) topic.remove_prefix(separator + 2);
  QString path = FromUtf8(topic);
  if (!path.startsWith(QLatin1Char('/')) || path.contains(QLatin1String(".."))) return {};
  if (language == InterfaceLanguage::English) {
    const qsizetype name = path.lastIndexOf(QLatin1Char('/')) + 1;
    path.insert(name, QStringLiteral("en/"));
  }
  const QString resource = QStringLiteral(":/help") + path;
  if (!QFile::exists(resource)) return {};
  return QUrl(QStringLiteral("qrc") + resource);
}

}  // namespace

HelpWindow::HelpWindow(Messages& messages, InterfaceLanguage language, QWidget* parent)
    : QDialog(parent), messages(messages), language(language), browser(new QTextBrowser) {
  setWindowTitle(tr("Nápověda – Kelvora®"));
  setObjectName(QStringLiteral("help"));
  browser->setObjectName(QStringLiteral("page"));
  browser->setOpenExternalLinks(true);

  auto* contents = new QPushButton(tr("&Obsah"));
  auto* back = new QPushButton(tr("&Zpět"));
  auto* forward = new QPushButton(tr("&Vpřed"));
  auto* close = new QPushButton(tr("Zavřít"));
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(contents, &QPushButton::clicked, this, [this] { OpenTopic(kContents); });
  connect(back, &QPushButton::clicked, browser, &QTextBrowser::backward);
  connect(forward, &QPushButton::clicked, browser, &QTextBrowser::forward);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  connect(browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contents);
  buttons->addWidget(back);
  buttons->addWidget(forward);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(browser);
  resize(720, 640);
}

void HelpWindow::OpenTopic(std::string_view topic) {
  QUrl page = PageOf(topic, language);
  if (page.isEmpty()) page = PageOf(kContents, language);
  if (page.isEmpty()) {
    messages.Show(tr("Nápovědu se nepodařilo spustit.").toStdString());
    return;
  }
  browser->setSource(page);
  show();
  raise();
  activateWindow();
}

QUrl HelpWindow::Page() const { return browser->source(); }

}  // namespace kelvora
