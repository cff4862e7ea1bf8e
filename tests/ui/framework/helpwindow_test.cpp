#include "ui/framework/helpwindow.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QTest>

#include "support/fakeplatform.h"
#include "support/testpaths.h"
#include "uitests.h"

using kelvora::HelpWindow;
using kelvora::InterfaceLanguage;
using kelvora::testing::RecordingMessages;

Q_DECLARE_METATYPE(kelvora::InterfaceLanguage)

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void opensTheTopicOrElseTheContents_data() {
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("page");
    QTest::addColumn<InterfaceLanguage>("language");
    QTest::newRow("topic") << "::/html/resutrymme.htm"
                           << "qrc:/help/html/resutrymme.htm" << InterfaceLanguage::Czech;
    QTest::newRow("topic in English") << "::/html/resutrymme.htm"
                                      << "qrc:/help/html/en/resutrymme.htm" << InterfaceLanguage::English;
    QTest::newRow("missing in English") << "::/html/nothing.htm"
                                        << "qrc:/help/html/en/contents.htm" << InterfaceLanguage::English;
    QTest::newRow("after the help file's name") << "/opt/kelvora/kelvora.help::/html/footer.htm"
                                                << "qrc:/help/html/footer.htm" << InterfaceLanguage::Czech;
    QTest::newRow("empty") << ""
                           << "qrc:/help/html/contents.htm" << InterfaceLanguage::Czech;
    QTest::newRow("missing") << "::/html/nothing.htm"
                             << "qrc:/help/html/contents.htm" << InterfaceLanguage::Czech;
    QTest::newRow("outside the pages") << "::/html/../icons/new.svg"
                                       << "qrc:/help/html/contents.htm" << InterfaceLanguage::Czech;
  }
  void opensTheTopicOrElseTheContents() {
    QFETCH(QString, topic);
    QFETCH(QString, page);
    QFETCH(InterfaceLanguage, language);
    RecordingMessages messages;
    HelpWindow help(messages, language);
    help.OpenTopic(topic.toStdString());
    QCOMPARE(help.Page(), QUrl(page));
    QVERIFY(help.isVisible());
    QVERIFY(messages.shown.empty());
  }

  // A page that links to a page we do not ship leaves the reader on an empty window.
  void everyLinkBetweenPagesLeadsToAPage() {
    const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+)\""));
    int pages = 0;
    for (QDirIterator it(QStringLiteral(":/help/html"), QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
      QFile file(it.next());
      QVERIFY(file.open(QIODevice::ReadOnly));
      const QString folder = QFileInfo(file).path();
      const QString html = QString::fromUtf8(file.readAll());
      for (auto match = link.globalMatch(html); match.hasNext();) {
        const QString target = match.next().captured(1);
        QVERIFY2(QFile::exists(folder + QLatin1Char('/') + target),
                 qPrintable(file.fileName() + ": " + target));
      }
      ++pages;
    }
    QVERIFY(pages > 1);
  }

  // The English interface opens the twin of every page, and no twin is left without its page.
  void everyPageHasItsEnglishTwin() {
    const QStringList czech = QDir(QStringLiteral(":/help/html")).entryList(QDir::Files);
    QCOMPARE(QDir(QStringLiteral(":/help/html/en")).entryList(QDir::Files), czech);
  }

  // Each topic a dialog or report item names, read from the sources as written, so that a
  // new one without its page fails here instead of opening the contents.
  void everyTopicTheProgramNamesHasAPage() {
    const QRegularExpression topic(QStringLiteral("\"[^\"]*::(/html/[^\"]+)\""));
    QStringList named;
    for (QDirIterator it(QString::fromStdString((kelvora::testing::SourceDir() / "src").string()),
                         {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
      QFile file(it.next());
      QVERIFY(file.open(QIODevice::ReadOnly));
      const QString source = QString::fromUtf8(file.readAll());
      for (auto match = topic.globalMatch(source); match.hasNext();) {
        const QString path = match.next().captured(1);
        QVERIFY2(QFile::exists(QStringLiteral(":/help") + path), qPrintable(file.fileName() + ": " + path));
        named << path;
      }
    }
    QVERIFY(named.contains(QStringLiteral("/html/prosjekt.htm")));
    QVERIFY(named.contains(QStringLiteral("/html/varmetap_restabell.htm")));
  }
};

static RegisterUiTest<HelpWindowTest> registered;
#include "helpwindow_test.moc"
