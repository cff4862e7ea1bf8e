#include "ui/modules/common/productchooser.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/database/database.h"
#include "core/framework/cformat.h"
#include "core/framework/stringtable.h"
#include "ui/database/recordfields.h"
#include "ui/framework/itemdlg.h"
#include "ui/modules/common/sortlistctrl.h"

namespace kelvora {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

QComboBox* ThicknessBox(QWidget& parent, const char* objectName) {
  auto* box = new QComboBox(&parent);
  box->setObjectName(QString::fromLatin1(objectName));
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->lineEdit()->setObjectName(QString::fromLatin1(objectName) + QStringLiteral("Text"));
  return box;
}

// Offers the product's standard thicknesses; the text in the box stays, and an empty box
// shows the first of them, so that a product just chosen comes with a thickness.
void FillThicknesses(QComboBox& box, const CIsoProdukt* product) {
  const QString shown = box.currentText();
  box.clear();
  if (product) {
    for (const auto& thickness : product->thicknesses) box.addItem(Text(thickness->name));
  }
  box.setEditText(shown.trimmed().isEmpty() ? box.itemText(0) : shown);
}

void ShowThickness(QComboBox& box, const CIsoProdukt* product, float mm) {
  FillThicknesses(box, product);
  box.setEditText(Text(FormatC("%.1f", {mm})));
}

}  // namespace

ProductChooser::ProductChooser(const InsulationChoice& layer, std::vector<CIsoProdukt*> standardProducts,
                               CEgendefDatabase& userDatabase, int objectKind, CItemDlg& dialog)
    : QWidget(&dialog), choice(layer), userDatabase(userDatabase), objectKind(objectKind), dialog(dialog) {
  standardSource = new QRadioButton(tr("Databáze produkt"), this);
  standardSource->setObjectName(QStringLiteral("standardSource"));
  userSource = new QRadioButton(tr("Jiný produkt"), this);
  userSource->setObjectName(QStringLiteral("userSource"));
  (choice.source == 1 ? userSource : standardSource)->setChecked(true);
  connect(userSource, &QRadioButton::toggled, this, [this](bool user) {
    choice.source = user ? 1 : 0;
    ApplyRules();
  });

  standardGroup = new QGroupBox(tr("Databáze produkt"), this);
  productList = new CSortListCtrl({{tr("Název"), true}, {tr("Typ")}, {tr("Výrobce")}}, standardGroup);
  productList->setObjectName(QStringLiteral("products"));
  for (CIsoProdukt* product : standardProducts)
    productList->AddRow({Text(product->DisplayName()), Text(product->DisplayType()), Text(product->producer)},
                        product);
  productList->SelectRecord(choice.standardProduct);
  choice.standardProduct = static_cast<CIsoProdukt*>(productList->SelectedRecord());
  connect(productList, &CSortListCtrl::RecordSelected, this, &ProductChooser::StandardProductChosen);
  standardThicknessLabel = new QLabel(tr("Tloušťka [mm]:"), standardGroup);
  standardThicknessBox = ThicknessBox(*standardGroup, "standardThickness");
  if (choice.thicknessGiven && choice.standardProduct)
    ShowThickness(*standardThicknessBox, choice.standardProduct, choice.standardThickness);
  auto* hint =
      new QLabel(tr("Výrobky lze třídit podle názvu, typu a výrobce kliknutím na příslušné označení sloupce"),
                 standardGroup);
  hint->setWordWrap(true);
  auto* standardLayout = new QGridLayout(standardGroup);
  standardLayout->addWidget(productList, 0, 0, 1, 3);
  standardLayout->addWidget(standardThicknessLabel, 1, 0);
  standardLayout->addWidget(standardThicknessBox, 1, 1);
  standardLayout->addWidget(hint, 2, 0, 1, 3);
  standardLayout->setColumnStretch(2, 1);

  userGroup = new QGroupBox(tr("Jiný produkt"), this);
  userProductBox = new QComboBox(userGroup);
  userProductBox->setObjectName(QStringLiteral("userProduct"));
  userThicknessLabel = new QLabel(tr("Tloušťka [mm]:"), userGroup);
  userThicknessBox = ThicknessBox(*userGroup, "userThickness");
  FillUserProducts(choice.userProduct ? choice.userProduct->name : std::string());
  if (choice.thicknessGiven && choice.userProduct)
    ShowThickness(*userThicknessBox, choice.userProduct, choice.userThickness);
  connect(userProductBox, &QComboBox::currentIndexChanged, this, &ProductChooser::UserProductChosen);
  editUserProducts = NewButton(*userGroup, tr("Upravit produkt..."), "editUserProducts");
  connect(editUserProducts, &QPushButton::clicked, this, &ProductChooser::EditUserProducts);
  auto* userLayout = new QGridLayout(userGroup);
  userLayout->addWidget(userProductBox, 0, 0, 1, 3);
  userLayout->addWidget(userThicknessLabel, 1, 0);
  userLayout->addWidget(userThicknessBox, 1, 1);
  userLayout->addWidget(editUserProducts, 1, 2, Qt::AlignRight);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(standardSource);
  layout->addWidget(standardGroup);
  layout->addWidget(userSource);
  layout->addWidget(userGroup);
  layout->setContentsMargins(0, 0, 0, 0);
  ApplyRules();
}

void ProductChooser::FillUserProducts(const std::string& selectedName) {
  const QSignalBlocker quiet(userProductBox);
  userProducts = ApplicableProducts<CEgendefIsoProdukt>(userDatabase.Products(), objectKind);
  userProductBox->clear();
  choice.userProduct = nullptr;
  for (CEgendefIsoProdukt* product : userProducts) {
    userProductBox->addItem(Text(product->DisplayName()));
    if (!choice.userProduct && !selectedName.empty() && product->name == selectedName) {
      choice.userProduct = product;
      userProductBox->setCurrentIndex(userProductBox->count() - 1);
    }
  }
  if (!choice.userProduct) userProductBox->setCurrentIndex(-1);
}

void ProductChooser::StandardProductChosen(CListItem* record) {
  choice.standardProduct = static_cast<CIsoProdukt*>(record);
  if (choice.thicknessGiven) FillThicknesses(*standardThicknessBox, choice.standardProduct);
  emit ProductChanged();
}

void ProductChooser::UserProductChosen(int index) {
  choice.userProduct = index >= 0 ? userProducts[static_cast<std::size_t>(index)] : nullptr;
  if (choice.thicknessGiven) FillThicknesses(*userThicknessBox, choice.userProduct);
  emit ProductChanged();
}

void ProductChooser::EditUserProducts() {
  const std::string chosen = choice.userProduct ? choice.userProduct->name : std::string();
  // Confirming replaces the user database's records, so the offered ones are taken anew.
  if (!userDatabase.Edit()) return;
  FillUserProducts(chosen);
  if (choice.thicknessGiven) FillThicknesses(*userThicknessBox, choice.userProduct);
}

void ProductChooser::ApplyRules() {
  const bool user = choice.source == 1;
  const bool given = choice.thicknessGiven != 0;
  // A group's state passes to what it holds.
  standardGroup->setEnabled(!user);
  standardThicknessLabel->setEnabled(given);
  standardThicknessBox->setEnabled(given);
  userGroup->setEnabled(user);
  userThicknessLabel->setEnabled(given);
  userThicknessBox->setEnabled(given);
}

bool ProductChooser::TakeProduct(const CIsoProdukt* product, QWidget& list, QComboBox& box,
                                 float& thickness) {
  if (!product) {
    RefuseAt(MessageText(ids::kChooseInsulationProduct), &list);
    return false;
  }
  if (!choice.thicknessGiven) return true;
  float typed = thickness;
  if (!dialog.ExchangeFloat(*box.lineEdit(), typed)) return false;
  if (!dialog.CheckRange(*box.lineEdit(), typed, product->minThickness, product->maxThickness)) return false;
  thickness = typed;
  return true;
}

bool ProductChooser::Take() {
  return choice.source == 1
             ? TakeProduct(choice.userProduct, *userProductBox, *userThicknessBox, choice.userThickness)
             : TakeProduct(choice.standardProduct, *productList, *standardThicknessBox,
                           choice.standardThickness);
}

}  // namespace kelvora
