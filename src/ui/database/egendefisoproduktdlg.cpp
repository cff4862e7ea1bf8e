#include "ui/database/egendefisoproduktdlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/database/lambdapoints.h"
#include "ui/database/recordfields.h"

namespace kelvora {

namespace {

QLineEdit* ShownNumber(const char* objectName, float value, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(objectName));
  CItemDlg::ShowFloat(*field, value);
  return field;
}

}  // namespace

CEgendefIsoProduktDlg::CEgendefIsoProduktDlg(CEgendefIsoProdukt& edited, QWidget* parent)
    : CProductDlgBase("::/html/egendefisoprodukt.htm", edited, parent), product(edited) {
  setWindowTitle(tr("Izolační výrobek definovaný uživatelem"));

  name = NewField(*this, "name", 60);
  ShowStoredText(*name, product.name);
  minThickness = ShownNumber("minThickness", product.minThickness, this);
  maxThickness = ShownNumber("maxThickness", product.maxThickness, this);
  maxTemperature = ShownNumber("maxTemperature", product.maxTemperature, this);
  points =
      new LambdaPointsPanel(product.pointTemperature, product.pointLambda, product.threePoints != 0, this);
  points->setObjectName(QStringLiteral("points"));

  auto* fields = new QFormLayout;
  fields->addRow(tr("Název produktu:"), name);
  fields->addRow(tr("Min. tloušťka [mm]:"), minThickness);
  fields->addRow(tr("Max. tloušťka [mm]:"), maxThickness);
  fields->addRow(tr("Max. tepl. [°C]:"), maxTemperature);

  auto* left = new QVBoxLayout;
  left->addLayout(fields);
  left->addWidget(MakeThicknessGroup());
  auto* right = new QVBoxLayout;
  right->addLayout(MakeColourButtons());
  right->addWidget(MakeUsageGroup());
  right->addStretch();
  auto* top = new QHBoxLayout;
  top->addLayout(left);
  top->addLayout(right);

  auto* hint = new QLabel(tr("Je důležité v co největší míře pokrýt teplotní rozsah použití výrobku"), this);
  hint->setWordWrap(true);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(hint);
  layout->addWidget(points);
  layout->addWidget(MakeButtons());
}

void CEgendefIsoProduktDlg::accept() {
  float minMm = product.minThickness;
  float maxMm = product.maxThickness;
  float maxT = product.maxTemperature;
  const bool numbersRead = ReadNumbers({
      {minThickness, &minMm, 0, 1000},
      {maxThickness, &maxMm, 0, 2000},
      {maxTemperature, &maxT, -50, 2000},
  });
  if (!numbersRead || !points->Check() || !CheckThicknesses(minMm, maxMm)) return;
  const std::string newName = name->text().toStdString();
  if (!CheckName(newName)) {
    Refuse({}, name);
    return;
  }

  product.name = newName;
  product.minThickness = minMm;
  product.maxThickness = maxMm;
  product.maxTemperature = maxT;
  product.pointTemperature = points->Temperatures();
  product.pointLambda = points->Lambdas();
  product.threePoints = points->ThreePoints() ? 1 : 0;
  product.SetPolynomial(points->Coefficients());
  WriteShared();
  CItemDlg::accept();
}

}  // namespace kelvora
