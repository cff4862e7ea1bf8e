#include "ui/database/lambdapoints.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/framework/platform.h"
#include "core/framework/stringtable.h"
#include "ui/controls/curvebutton.h"
#include "ui/database/recordfields.h"
#include "ui/framework/fieldexchange.h"
#include "ui/framework/itemdlg.h"

namespace kelvora {

namespace {

constexpr float kMinTemperature = -50.0f;
constexpr float kMaxTemperature = 2000.0f;
constexpr float kMinLambda = 0.01f;
constexpr float kMaxLambda = 500.0f;

void ReadIfValid(const QLineEdit& field, float& value, float min, float max) {
  const auto read = ReadFloatField(field.text().toStdString());
  if (read && min <= *read && *read <= max) value = *read;
}

}  // namespace

LambdaPointsPanel::LambdaPointsPanel(const std::array<float, 4>& pointTemperatures,
                                     const std::array<float, 4>& pointLambdas, bool threePoints,
                                     QWidget* parent)
    : QWidget(parent), temperatures(pointTemperatures), lambdas(pointLambdas) {
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(tr("Teplota:"), this), 0, 0);
  grid->addWidget(new QLabel(tr("Tepelná vodivost:"), this), 1, 0);
  for (std::size_t i = 0; i < 4; ++i) {
    const int column = static_cast<int>(i) + 1;
    temperatureFields[i] = new QLineEdit(this);
    temperatureFields[i]->setObjectName(QStringLiteral("temperature%1").arg(i));
    CItemDlg::ShowFloat(*temperatureFields[i], temperatures[i]);
    // The messages name a point's fields by the row and the point's number.
    temperatureFields[i]->setAccessibleName(tr("Teplota %1 [°C]").arg(column));
    grid->addWidget(temperatureFields[i], 0, column);
    lambdaFields[i] = new QLineEdit(this);
    lambdaFields[i]->setObjectName(QStringLiteral("lambda%1").arg(i));
    CItemDlg::ShowFloat(*lambdaFields[i], lambdas[i]);
    lambdaFields[i]->setAccessibleName(tr("Tepelná vodivost %1 [W/mK]").arg(column));
    grid->addWidget(lambdaFields[i], 1, column);
  }
  grid->addWidget(new QLabel(QStringLiteral("°C"), this), 0, 5);
  grid->addWidget(new QLabel(QStringLiteral("W/mK"), this), 1, 5);

  threePointsBox = new QCheckBox(tr("Pro zadání průběhu polynomu tepelné vodivosti použít 3 teploty"), this);
  threePointsBox->setObjectName(QStringLiteral("threePoints"));
  threePointsBox->setChecked(threePoints);

  curve = new CCurveButton(this);
  curve->setObjectName(QStringLiteral("curve"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(grid);
  layout->addWidget(threePointsBox);
  layout->addWidget(curve, 0, Qt::AlignHCenter);

  for (std::size_t i = 0; i < 4; ++i) {
    connect(temperatureFields[i], &QLineEdit::textChanged, this, &LambdaPointsPanel::Refresh);
    connect(lambdaFields[i], &QLineEdit::textChanged, this, &LambdaPointsPanel::Refresh);
  }
  connect(threePointsBox, &QCheckBox::toggled, this, &LambdaPointsPanel::Refresh);
  Refresh();
}

bool LambdaPointsPanel::ThreePoints() const { return threePointsBox->isChecked(); }

LambdaPolynomial LambdaPointsPanel::Coefficients() const { return curve->Coefficients(); }

void LambdaPointsPanel::Refresh() {
  for (std::size_t i = 0; i < 4; ++i) {
    ReadIfValid(*temperatureFields[i], temperatures[i], kMinTemperature, kMaxTemperature);
    ReadIfValid(*lambdaFields[i], lambdas[i], kMinLambda, kMaxLambda);
  }
  const bool three = ThreePoints();
  temperatureFields[3]->setEnabled(!three);
  lambdaFields[3]->setEnabled(!three);
  if (three) {
    curve->SetThreePoints({temperatures[0], temperatures[1], temperatures[2]},
                          {lambdas[0], lambdas[1], lambdas[2]});
  } else {
    curve->SetFourPoints(temperatures, lambdas);
  }
  emit CurveChanged();
}

bool LambdaPointsPanel::Check() const {
  const std::size_t count = ThreePoints() ? 3 : 4;
  for (std::size_t i = 0; i < count; ++i) {
    float value = temperatures[i];
    if (!ExchangeFloatBetween(*temperatureFields[i], value, kMinTemperature, kMaxTemperature)) return false;
  }
  for (std::size_t i = 0; i < count; ++i) {
    float value = lambdas[i];
    if (!ExchangeFloatBetween(*lambdaFields[i], value, kMinLambda, kMaxLambda)) return false;
  }
  if (!curve->Fitted()) {
    RefuseAt(MessageText(ids::kEqualPointTemperatures), temperatureFields[0]);
    return false;
  }
  return true;
}

}  // namespace kelvora
