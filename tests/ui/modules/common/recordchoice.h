#pragma once

// Chooses records as a user does: a product in the insulation dialog's list, a surface or
// other record in a drop-down list.

#include <QComboBox>
#include <QDialog>
#include <QTest>

#include "database/dialogdriver.h"
#include "ui/modules/common/sortlistctrl.h"

namespace kelvora::testing {

inline void ChooseProduct(QDialog& insulation, const QString& name) {
  auto& products = Child<CSortListCtrl>(insulation, "products");
  for (int row = 0; row < products.topLevelItemCount(); ++row) {
    QTreeWidgetItem* item = products.topLevelItem(row);
    if (item->text(0) != name) continue;
    products.scrollToItem(item);
    QTest::mouseClick(products.viewport(), Qt::LeftButton, {}, products.visualItemRect(item).center());
    return;
  }
  QFAIL(qPrintable(QStringLiteral("no product ") + name));
}

inline void ChooseInCombo(QDialog& dialog, const char* combo, const QString& name) {
  auto& box = Child<QComboBox>(dialog, combo);
  const int index = box.findText(name);
  QVERIFY2(index >= 0, qPrintable(name));
  box.setCurrentIndex(index);
  emit box.activated(index);
}

}  // namespace kelvora::testing
