#pragma once

// Drives dialogs as a user does: types into fields, clicks buttons, and answers a modal
// dialog (a record's own dialog) from a timer, so nothing blocks.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>

namespace kelvora::testing {

template <class W>
W& Child(const QWidget& parent, const char* name) {
  auto* widget = parent.findChild<W*>(QString::fromLatin1(name));
  if (!widget) qFatal("no widget named %s", name);
  return *widget;
}

// Key clicks know ASCII only; other characters are put in as an input method would.
inline void Type(const QWidget& dialog, const char* field, const QString& text) {
  auto& edit = Child<QLineEdit>(dialog, field);
  edit.clear();
  for (const QChar c : text) {
    if (c.unicode() < 0x80) {
      QTest::keyClick(&edit, c.toLatin1());
    } else {
      edit.insert(QString(c));
    }
  }
}

// Near the left edge, where a check box has its box, whatever width its layout gives it.
inline void Click(const QWidget& dialog, const char* button) {
  auto& target = Child<QAbstractButton>(dialog, button);
  QTest::mouseClick(&target, Qt::LeftButton, {}, QPoint(qMin(8, target.width() / 2), target.height() / 2));
}

// The events a real double click brings, of which QTest's double click sends only one.
inline void DoubleClick(QWidget& widget, QPoint at) {
  QTest::mouseClick(&widget, Qt::LeftButton, {}, at);
  QTest::mousePress(&widget, Qt::LeftButton, {}, at);
  QTest::mouseDClick(&widget, Qt::LeftButton, {}, at);
  QTest::mouseRelease(&widget, Qt::LeftButton, {}, at);
}

// Runs `act` on the next modal dialog once it is open. A dialog `act` leaves open is
// closed, so a failing check never blocks the run.
inline void OnNextModal(std::function<void(QDialog&)> act) {
  auto* timer = new QTimer;
  auto* clock = new QElapsedTimer;
  clock->start();
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, clock, act = std::move(act)] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog && clock->elapsed() < 5000) return;
    timer->stop();
    timer->deleteLater();
    delete clock;
    if (!dialog) return;
    act(*dialog);
    if (dialog->isVisible()) dialog->done(QDialog::Rejected);
  });
  timer->start();
}

}  // namespace kelvora::testing
