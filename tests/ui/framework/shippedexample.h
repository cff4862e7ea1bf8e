#pragma once

#include <QFile>
#include <QString>
#include <QTest>

#include "support/testpaths.h"

namespace kelvora::testing {

inline QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A document saved by an end-to-end test is the example of that name under examples/, byte
// for byte; KELVORA_UPDATE_GOLDEN=1 writes the example afresh.
inline void ExpectShippedExample(const QString& saved, const QString& example) {
  const QString shipped =
      QString::fromStdString((kelvora::testing::SourceDir() / "examples").string() + "/") + example;
  if (qEnvironmentVariableIsSet("KELVORA_UPDATE_GOLDEN")) {
    QFile::remove(shipped);
    QVERIFY(QFile::copy(saved, shipped));
  }
  QVERIFY2(FileBytes(saved) == FileBytes(shipped), qPrintable(shipped));
}

}  // namespace kelvora::testing
