#pragma once

#include <QGroupBox>

class QButtonGroup;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvora {

class CKlima;

// How an outer surface meets its surroundings, as the input dialogs show it: indoors, outdoors
// in a wind, or with a coefficient the user gives; the climate data fill in the ambient
// temperature and the wind.
class SurroundingsBox : public QGroupBox {
 public:
  struct Captions {
    QString title;
    // Null: the dialog shows its ambient field elsewhere.
    QString ambient;
    QString climate;
    QString coefficient;
    // Null: the coefficient's field stands beside its radio.
    QString coefficientUnit;
    const char* coefficientName;
  };

  // The radios join `environment` with the ids 0 (indoors), 1 (outdoors) and 2 (user's).
  SurroundingsBox(QWidget& parent, QLineEdit& ambientTemperature, const Captions& captions);

  void ApplyRules(int environment);
  // Takes the location the user picks into the fields and into `temperature` and `wind`.
  void PickClimate(CKlima* climate, float& temperature, float& wind);

  QButtonGroup* environment;
  QLineEdit* windSpeed;
  QPushButton* climateButton;
  QLineEdit* outerCoefficient;
  // Dialogs add rows of their own below.
  QGridLayout* grid;

 private:
  QLineEdit& ambientTemperature;
  QLabel* windLabel;
  QLabel* coefficientLabel = nullptr;
};

}  // namespace kelvora
