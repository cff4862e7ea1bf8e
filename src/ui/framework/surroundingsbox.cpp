#include "ui/framework/surroundingsbox.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/database/klima.h"
#include "core/framework/cformat.h"
#include "ui/database/recordfields.h"
#include "ui/framework/dialogwidgets.h"

namespace kelvora {

namespace {

QString Decimal(float value) { return QString::fromStdString(FormatC("%.1f", {value})); }

}  // namespace

SurroundingsBox::SurroundingsBox(QWidget& parent, QLineEdit& ambientTemperature, const Captions& captions)
    : QGroupBox(captions.title, &parent),
      environment(new QButtonGroup(this)),
      windSpeed(NewField(*this, "windSpeed")),
      climateButton(NewButton(*this, captions.climate, "climate")),
      outerCoefficient(NewField(*this, captions.coefficientName)),
      grid(new QGridLayout(this)),
      ambientTemperature(ambientTemperature),
      windLabel(
          Label(*this, QCoreApplication::translate("kelvora::SurroundingsBox", "Rychlost větru [m/s]:"))) {
  int row = 0;
  if (!captions.ambient.isNull()) {
    grid->addWidget(Label(*this, captions.ambient), row, 0);
    grid->addWidget(&ambientTemperature, row++, 1);
  }
  grid->addWidget(
      Radio(*this, *environment,
            QCoreApplication::translate("kelvora::SurroundingsBox", "Vnitřní (přirozené proudění)"),
            "indoors", 0),
      row++, 0, 1, 2);
  grid->addWidget(Radio(*this, *environment,
                        QCoreApplication::translate("kelvora::SurroundingsBox", "Vnější (nucené proudění)"),
                        "outdoors", 1),
                  row++, 0, 1, 2);
  grid->addWidget(windLabel, row, 0);
  grid->addWidget(windSpeed, row++, 1);
  grid->addWidget(climateButton, row++, 0, 1, 2);
  QRadioButton* user = Radio(*this, *environment, captions.coefficient, "userCoefficientMode", 2);
  if (!captions.coefficientUnit.isNull()) {
    grid->addWidget(user, row++, 0, 1, 2);
    coefficientLabel = Label(*this, captions.coefficientUnit);
    // The unit beside the field names it only together with the radio above.
    outerCoefficient->setAccessibleName(captions.coefficient + QLatin1Char(' ') +
                                        coefficientLabel->text().remove(QLatin1Char(':')));
    grid->addWidget(coefficientLabel, row, 0);
  } else {
    grid->addWidget(user, row, 0);
  }
  grid->addWidget(outerCoefficient, row, 1);
}

void SurroundingsBox::ApplyRules(int chosen) {
  Enable(chosen == 1, {windSpeed, windLabel, climateButton});
  outerCoefficient->setEnabled(chosen == 2);
  if (coefficientLabel) coefficientLabel->setEnabled(chosen == 2);
}

void SurroundingsBox::PickClimate(CKlima* climate, float& temperature, float& wind) {
  if (!climate || !climate->Edit()) return;
  const CKlimasted* location = climate->GetCurrentLocation();
  if (!location) return;
  temperature = location->temperature;
  wind = location->windSpeed;
  ambientTemperature.setText(Decimal(location->temperature));
  windSpeed->setText(Decimal(location->windSpeed));
}

}  // namespace kelvora
