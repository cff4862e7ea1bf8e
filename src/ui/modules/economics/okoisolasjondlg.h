#pragma once

#include <string>
#include <vector>

#include "core/database/database.h"
#include "core/modules/economics/economicsinputcheck.h"
#include "core/modules/economics/okonomimodul.h"
#include "ui/framework/itemdlg.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvora {

class CDataBase;
class CEgendefDatabase;
class CKostnad;
class ProductChooser;

// One alternative of the economics module: product and thickness, outer surface or own
// emissivity, inner facing of an object insulated inside, and the installed price, which
// may come from the preset prices. Its names are made on OK and must not repeat another's.
class COkoIsolasjonDlg : public CItemDlg {
  Q_OBJECT

 public:
  COkoIsolasjonDlg(const COkoIsolasjon& alternative, CDataBase& database, CEgendefDatabase& userDatabase,
                   CKostnad& costs, QWidget* parent = nullptr);

  const COkoIsolasjon& Result() const { return working; }
  void accept() override;

 private:
  DbList SurfaceList() const;
  void ApplyRules();
  void SurfaceChosen(int index);
  void PickPreset();
  QWidget* ControlOf(AlternativeInput input) const;

  COkoIsolasjon working;
  CDataBase& database;
  CKostnad& costs;
  std::vector<std::string> takenNames;

  ProductChooser* chooser;
  QButtonGroup* emissivityMode;
  QComboBox* surface;
  QLineEdit* emissivity;
  QCheckBox* innerSurfaceOn;
  QComboBox* innerSurface;
  QLineEdit* price;
};

}  // namespace kelvora
