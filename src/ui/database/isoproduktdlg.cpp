#include "ui/database/isoproduktdlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/framework/cformat.h"
#include "core/framework/stringtable.h"
#include "ui/database/koeffberegningdlg.h"
#include "ui/database/recordfields.h"

namespace kelvora {

namespace {

constexpr int kMaxNameLength = 60;

// A type is stored as its Czech text whatever the interface language; the list shows it in
// the interface language.
QString ShownType(int id) {
  const std::string_view text = LoadResourceString(id, DisplayLanguage());
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLineEdit* Field(const char* objectName, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(objectName));
  return field;
}

QLineEdit* TextField(const char* objectName, const std::string& text, QWidget* parent) {
  auto* field = Field(objectName, parent);
  field->setMaxLength(kMaxNameLength);
  ShowStoredText(*field, text);
  return field;
}

}  // namespace

CIsoProduktDlg::CIsoProduktDlg(CIsoProdukt& edited, QWidget* parent)
    : CProductDlgBase("::/html/isoprodukt.htm", edited, parent), product(edited) {
  setWindowTitle(tr("Izolační produkt"));

  name = TextField("name", product.name, this);
  secondName = TextField("secondName", product.secondName, this);
  producer = TextField("producer", product.producer, this);
  type = new QComboBox(this);
  type->setObjectName(QStringLiteral("type"));
  for (const int id : kProductTypeIds) type->addItem(ShownType(id));
  const auto shownType = ProductTypeIndex(product.productType);
  type->setCurrentIndex(shownType ? static_cast<int>(*shownType) : -1);
  maxTemperature = Field("maxTemperature", this);
  ShowFloat(*maxTemperature, product.maxTemperature);
  const std::array<float, 4> values{product.lambdaCoeff3, product.lambdaCoeff2, product.lambdaCoeff1,
                                    product.lambdaCoeff0};
  for (std::size_t i = 0; i < coefficients.size(); ++i) {
    coefficients[i] = new QLineEdit(this);
    coefficients[i]->setObjectName(QStringLiteral("coefficient%1").arg(3 - i));
    ShowFloat(*coefficients[i], values[i]);
  }
  // Made before the thickness range, so the tab order follows the columns.
  auto* calculate = new QPushButton(tr("Výpočet koeficientů..."), this);
  calculate->setObjectName(QStringLiteral("calculateCoefficients"));
  calculate->setAutoDefault(false);
  connect(calculate, &QPushButton::clicked, this, &CIsoProduktDlg::CalculateCoefficients);
  minThickness = Field("minThickness", this);
  ShowFloat(*minThickness, product.minThickness);
  maxThickness = Field("maxThickness", this);
  ShowFloat(*maxThickness, product.maxThickness);

  // The names span the dialog, so that names of up to 60 characters show whole.
  auto* names = new QGridLayout;
  names->addWidget(new QLabel(tr("Název produktu:"), this), 0, 0);
  names->addWidget(name, 0, 1);
  names->addWidget(new QLabel(tr("Product name:"), this), 1, 0);
  names->addWidget(secondName, 1, 1);
  names->addWidget(new QLabel(tr("Výrobce:"), this), 0, 2);
  names->addWidget(producer, 0, 3);
  names->addWidget(new QLabel(tr("Typ:"), this), 1, 2);
  names->addWidget(type, 1, 3);
  names->setColumnStretch(1, 3);
  names->setColumnStretch(3, 2);

  auto* conductivity = new QFormLayout;
  conductivity->addRow(tr("Max. tepl. [°C]:"), maxTemperature);
  conductivity->addRow(tr("Koef. 3. stupně"), coefficients[0]);
  conductivity->addRow(tr("Koef. 2. stupně"), coefficients[1]);
  conductivity->addRow(tr("Koef. 1. stupně"), coefficients[2]);
  conductivity->addRow(tr("Koef. 0. stupně"), coefficients[3]);
  conductivity->addRow(QString(), calculate);

  auto* range = new QFormLayout;
  range->addRow(tr("Min. tloušťka [mm]:"), minThickness);
  range->addRow(tr("Max. tloušťka [mm]:"), maxThickness);

  auto* left = new QVBoxLayout;
  left->addLayout(conductivity);
  left->addStretch();
  auto* middle = new QVBoxLayout;
  middle->addLayout(range);
  middle->addWidget(MakeThicknessGroup());
  auto* right = new QVBoxLayout;
  right->addLayout(MakeColourButtons());
  right->addWidget(MakeUsageGroup());
  right->addStretch();

  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addLayout(middle);
  columns->addLayout(right);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(names);
  layout->addLayout(columns);
  layout->addWidget(MakeButtons());
}

bool CIsoProduktDlg::ReadFields(Numbers& n) const {
  n = {product.maxTemperature, product.lambdaCoeff3, product.lambdaCoeff2, product.lambdaCoeff1,
       product.lambdaCoeff0,   product.minThickness, product.maxThickness};
  return ReadNumbers({
      {maxTemperature, &n.maxTemperature, 0, 2000},
      {coefficients[0], &n.coefficient3, -5, 10},
      {coefficients[1], &n.coefficient2, -5, 10},
      {coefficients[2], &n.coefficient1, -5, 10},
      {coefficients[3], &n.coefficient0, -5, 500},
      {minThickness, &n.minThickness, 0.1f, 1000},
      {maxThickness, &n.maxThickness, 0.1f, 2000},
  });
}

void CIsoProduktDlg::CalculateCoefficients() {
  Numbers n{};
  if (!ReadFields(n)) return;
  CKoeffBeregningDlg calculation({n.coefficient3, n.coefficient2, n.coefficient1, n.coefficient0},
                                 n.maxTemperature, this);
  if (calculation.exec() != QDialog::Accepted) return;
  const LambdaPolynomial fitted = calculation.Coefficients();
  const std::array<float, 4> values{fitted.c3, fitted.c2, fitted.c1, fitted.c0};
  for (std::size_t i = 0; i < values.size(); ++i) {
    coefficients[i]->setText(QString::fromStdString(FormatC(i < 3 ? "%.3e" : "%.3f", {values[i]})));
  }
}

void CIsoProduktDlg::accept() {
  Numbers n{};
  if (!ReadFields(n) || !CheckThicknesses(n.minThickness, n.maxThickness)) return;
  const std::string newName = name->text().toStdString();
  if (!CheckName(newName)) {
    Refuse({}, name);
    return;
  }

  product.name = newName;
  product.secondName = secondName->text().toStdString();
  product.producer = producer->text().toStdString();
  if (type->currentIndex() >= 0) {
    product.productType =
        LoadResourceString(kProductTypeIds[static_cast<std::size_t>(type->currentIndex())], Language::Czech);
  }
  product.maxTemperature = n.maxTemperature;
  product.lambdaCoeff3 = n.coefficient3;
  product.lambdaCoeff2 = n.coefficient2;
  product.lambdaCoeff1 = n.coefficient1;
  product.lambdaCoeff0 = n.coefficient0;
  product.minThickness = n.minThickness;
  product.maxThickness = n.maxThickness;
  WriteShared();
  CItemDlg::accept();
}

}  // namespace kelvora
