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

// The resource that holds a topic's page, or an empty URL when there is none.
QUrl PageOf(std::string_view topic) {
  const std::size_t separator = topic.find("::");
  if (separator != std::string_view::npos) topic.remove_prefix(separator + 2);
  const QString path = FromUtf8(topic);
  if (!path.startsWith(QLatin1Char('/')) || path.contains(QLatin1String(".."))) return {};
  const QString resource = QStringLiteral(":/help") + path;
  if (!QFile::exists(resource)) return {};
  return QUrl(QStringLiteral("qrc") + resource);
}

}  // namespace

HelpWindow::HelpWindow(Messages& messages, QWidget* parent)
    : QDialog(parent), messages(messages), browser(new QTextBrowser) {
  setWindowTitle(QStringLiteral("Nápověda – Kelvora®"));
  setObjectName(QStringLiteral("help"));
  browser->setObjectName(QStringLiteral("page"));
  browser->setOpenExternalLinks(true);

  auto* contents = new QPushButton(QStringLiteral("&Obsah"));
  auto* back = new QPushButton(QStringLiteral("&Zpět"));
  auto* forward = new QPushButton(QStringLiteral("&Vpřed"));
  auto* close = new QPushButton(QStringLiteral("Zavřít"));
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
  QUrl page = PageOf(topic);
  if (page.isEmpty()) page = PageOf(kContents);
  if (page.isEmpty()) {
    messages.Show("Nápovědu se nepodařilo spustit.");
    return;
  }
  browser->setSource(page);
  show();
  raise();
  activateWindow();
}

QUrl HelpWindow::Page() const { return browser->source(); }

}  // namespace kelvora
