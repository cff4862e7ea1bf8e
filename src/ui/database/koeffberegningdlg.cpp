#include "ui/database/koeffberegningdlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/framework/cformat.h"
#include "ui/database/lambdapoints.h"

namespace kelvora {

CKoeffBeregningDlg::CKoeffBeregningDlg(QWidget* parent) : CItemDlg("::/html/beregn_koeff.htm", parent) {
  Build({0.0f, 50.0f, 100.0f, 150.0f}, {0.037f, 0.045f, 0.053f, 0.057f});
}

CKoeffBeregningDlg::CKoeffBeregningDlg(const LambdaPolynomial& curve, float maxTemperature, QWidget* parent)
    : CItemDlg("::/html/beregn_koeff.htm", parent) {
  const std::array<float, 4> temperatures{0.0f, maxTemperature / 3.0f, maxTemperature / 1.5f, maxTemperature};
  Build(temperatures,
        {curve.c0, curve.At(temperatures[1]), curve.At(temperatures[2]), curve.At(temperatures[3])});
}

void CKoeffBeregningDlg::Build(const std::array<float, 4>& temperatures,
                               const std::array<float, 4>& lambdas) {
  setWindowTitle(tr("Výpočet koeficientů"));
  points = new LambdaPointsPanel(temperatures, lambdas, false, this);

  static const std::array<const char*, 4> labels{
      QT_TRANSLATE_NOOP("kelvora::CKoeffBeregningDlg", "Koef. 3. stupně"),
      QT_TRANSLATE_NOOP("kelvora::CKoeffBeregningDlg", "Koef. 2. stupně"),
      QT_TRANSLATE_NOOP("kelvora::CKoeffBeregningDlg", "Koef. 1. stupně"),
      QT_TRANSLATE_NOOP("kelvora::CKoeffBeregningDlg", "Koef. 0. stupně")};
  auto* form = new QFormLayout;
  for (std::size_t i = 0; i < coefficientFields.size(); ++i) {
    coefficientFields[i] = new QLineEdit(this);
    coefficientFields[i]->setObjectName(QStringLiteral("coefficient%1").arg(3 - i));
    coefficientFields[i]->setReadOnly(true);
    form->addRow(tr(labels[i]), coefficientFields[i]);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(points);
  layout->addLayout(form);
  layout->addWidget(MakeButtons());
  connect(points, &LambdaPointsPanel::CurveChanged, this, &CKoeffBeregningDlg::ShowCoefficients);
  ShowCoefficients();
}

void CKoeffBeregningDlg::ShowCoefficients() {
  const LambdaPolynomial c = points->Coefficients();
  const std::array<float, 4> values{c.c3, c.c2, c.c1, c.c0};
  for (std::size_t i = 0; i < values.size(); ++i) {
    const char* format = i < 3 ? "%.3e" : "%.3f";
    coefficientFields[i]->setText(QString::fromStdString(FormatC(format, {values[i]})));
  }
}

LambdaPolynomial CKoeffBeregningDlg::Coefficients() const { return points->Coefficients(); }

void CKoeffBeregningDlg::accept() {
  if (!points->Check()) return;
  CItemDlg::accept();
}

}  // namespace kelvora
