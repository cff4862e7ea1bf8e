#include "ui/modules/sound/lyddlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/database/database.h"
#include "ui/controls/controlpictures.h"
#include "ui/controls/multibutton.h"
#include "ui/database/absorptionbands.h"
#include "ui/database/recordfields.h"
#include "ui/framework/dialogwidgets.h"
#include "ui/modules/common/objectpicture.h"

namespace kelvora {

namespace {

constexpr int kDuctTypes = 4;
// The colours the duct pictures paint the lining and its facing in; an absorber has its own.
constexpr Colour kYellow = 0x0000FFFF;
constexpr Colour kOlive = 0x00008080;

bool IsCircular(int ductType) { return ductType == static_cast<int>(DuctType::Circular); }

void SetupDuctPicture(CMultiButton& button, int ductType) {
  button.setText(QStringLiteral("KanalType"));
  std::vector<RegionSeeds> seeds;
  std::vector<QRect> cells;
  // Four chooser cells along the top, as the pictures draw them.
  for (int picture = 0; picture < kDuctTypes; ++picture) {
    seeds.push_back(ObjectPictureSeeds(LoadControlPicture(button.PictureName(picture)), false));
    const int left = 4 + picture * 46;
    cells.emplace_back(QPoint(left, 4), QPoint(left + 44, 26));
  }
  button.Setup(std::move(cells), std::move(seeds), {}, ductType, true);
}

}  // namespace

CLydDlg::CLydDlg(const CLydModul& module, CDataBase& database, QWidget* parent)
    : CItemDlg("::/html/lyd.htm", parent), working(nullptr), database(database) {
  setWindowTitle(tr("Útlum hluku ve vzduchovodu"));
  working.AssignInputs(module);
  BuildControls();
  BuildLayout();
  ShowValues();
  ConnectControls();
  ShowState();
}

CLydDlg::~CLydDlg() = default;

void CLydDlg::TakeInputs(CLydModul& module) const { module.AssignInputs(working); }

void CLydDlg::BuildControls() {
  picture = new CMultiButton(this);
  picture->setObjectName(QStringLiteral("ductPicture"));
  SetupDuctPicture(*picture, working.ductType);
  diameter = NewField(*this, "diameter");
  height = NewField(*this, "height");
  width = NewField(*this, "width");
  liningMode = new QButtonGroup(this);
  absorber = new QComboBox(this);
  absorber->setObjectName(QStringLiteral("absorber"));
  thickness = new QComboBox(this);
  thickness->setObjectName(QStringLiteral("thickness"));
  ownName = NewField(*this, "ownName", static_cast<int>(CLydModul::kMaxOwnNameLength));
  ownThickness = NewField(*this, "ownThickness");
  for (std::size_t band = 0; band < alpha.size(); ++band) alpha[band] = NewField(*this, kBandFields[band]);
}

void CLydDlg::BuildLayout() {
  auto* sizes = new QWidget(this);
  auto* sizesGrid = new QGridLayout(sizes);
  sizesGrid->setContentsMargins(0, 0, 0, 0);
  diameterLabel = Label(*sizes, tr("Průměr [mm]:"));
  heightLabel = Label(*sizes, tr("Výška [mm]:"));
  widthLabel = Label(*sizes, tr("Šířka [mm]:"));
  int row = 0;
  for (auto [label, field] :
       {std::pair{diameterLabel, diameter}, std::pair{heightLabel, height}, std::pair{widthLabel, width}}) {
    sizesGrid->addWidget(label, row, 0);
    sizesGrid->addWidget(field, row++, 1);
  }

  databaseGroup = new QGroupBox(tr("Mirelta produkt"), this);
  auto* databaseGrid = new QGridLayout(databaseGroup);
  databaseGrid->addWidget(absorber, 0, 0, 1, 2);
  databaseGrid->addWidget(Label(*databaseGroup, tr("Tloušťka [mm]:")), 1, 0);
  databaseGrid->addWidget(thickness, 1, 1);

  ownGroup = new QGroupBox(tr("Jiný produkt"), this);
  auto* ownGrid = new QGridLayout(ownGroup);
  ownGrid->addWidget(Label(*ownGroup, tr("Název produktu:")), 0, 0);
  ownGrid->addWidget(ownName, 0, 1, 1, 3);
  ownGrid->addWidget(Label(*ownGroup, tr("Tloušťka [mm]:")), 1, 0);
  ownGrid->addWidget(ownThickness, 1, 1);
  ownGrid->addWidget(Label(*ownGroup, tr("Činitel zvukové pohltivosti:")), 2, 0, 1, 4);
  for (std::size_t band = 0; band < alpha.size(); ++band) {
    const int column = 2 * static_cast<int>(band / 3);
    const int line = 3 + static_cast<int>(band % 3);
    alpha[band]->setAccessibleName(BandCaption(band));
    ownGrid->addWidget(Label(*ownGroup, kBandLabels[band]), line, column);
    ownGrid->addWidget(alpha[band], line, column + 1);
  }

  for (QLineEdit* field : {diameter, height, width, ownThickness}) field->setMaximumWidth(90);
  for (QLineEdit* field : alpha) field->setMaximumWidth(70);

  auto* left = new QVBoxLayout;
  left->addWidget(picture);
  left->addWidget(sizes);
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(Radio(*this, *liningMode, tr("Mirelta produkt"), "databaseAbsorber", 0));
  right->addWidget(databaseGroup);
  right->addWidget(Radio(*this, *liningMode, tr("Jiný produkt"), "ownAbsorber", 1));
  right->addWidget(ownGroup);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(MakeButtons());
}

std::vector<NumberField> CLydDlg::NumberFields() {
  std::vector<NumberField> fields{{diameter, &working.diameter},
                                  {height, &working.height},
                                  {width, &working.width},
                                  {ownThickness, &working.ownThickness}};
  for (std::size_t band = 0; band < alpha.size(); ++band)
    fields.push_back({alpha[band], &working.ownAlpha[band]});
  return fields;
}

void CLydDlg::ShowValues() {
  ShowFloats(NumberFields());
  ownName->setText(QString::fromStdString(working.ownName));
  CheckButton(*liningMode, working.userDefined);
  FillAbsorbers();
}

void CLydDlg::FillAbsorbers() {
  FillCombo(*absorber, database.List(working.AbsorberList()), working.Absorber());
  FillThicknesses();
}

void CLydDlg::FillThicknesses() {
  thicknesses.reset();
  thickness->clear();
  if (CAbsorpsjon* chosen = working.Absorber())
    thicknesses = std::make_unique<RecordCombo<CAbsorpsjonTykkelse>>(chosen->thicknesses, *thickness,
                                                                     working.ThicknessRecord());
}

void CLydDlg::ConnectControls() {
  connect(picture, &QAbstractButton::clicked, this, &CLydDlg::DuctTypeChosen);
  connect(absorber, &QComboBox::activated, this, &CLydDlg::AbsorberChosen);
  connect(thickness, &QComboBox::activated, this, &CLydDlg::ThicknessChosen);
  connect(liningMode, &QButtonGroup::idClicked, this, &CLydDlg::LiningModeChosen);
}

void CLydDlg::ShowState() {
  ShowPicture();
  ApplyRules();
}

void CLydDlg::ApplyRules() {
  const bool own = working.userDefined == 1;
  databaseGroup->setEnabled(!own);
  ownGroup->setEnabled(own);
  const bool circular = IsCircular(working.ductType);
  Enable(circular, {diameter, diameterLabel});
  Enable(!circular, {height, heightLabel, width, widthLabel});
}

void CLydDlg::ShowPicture() {
  const CAbsorpsjon* chosen = working.userDefined ? nullptr : working.Absorber();
  picture->SetState(working.ductType, chosen ? chosen->insulationColour : kYellow, 0,
                    chosen ? chosen->surfaceColour : kOlive, !working.userDefined && !chosen);
}

void CLydDlg::DuctTypeChosen() {
  const int chosen = picture->Current();
  // Circular and rectangular ducts take their absorbers from different lists.
  const bool otherList = IsCircular(chosen) != IsCircular(working.ductType);
  working.ductType = chosen;
  if (otherList) {
    working.SetAbsorber(nullptr, nullptr);
    FillAbsorbers();
  }
  ShowState();
}

void CLydDlg::AbsorberChosen() {
  CAbsorpsjon* chosen =
      RecordAt<CAbsorpsjon>(database.List(working.AbsorberList()), absorber->currentIndex());
  CAbsorpsjonTykkelse* first =
      chosen && !chosen->thicknesses.empty() ? chosen->thicknesses.front().get() : nullptr;
  working.SetAbsorber(chosen, first);
  FillThicknesses();
  ShowPicture();
}

void CLydDlg::ThicknessChosen() {
  if (thicknesses) working.SetAbsorber(working.Absorber(), thicknesses->Selected());
}

void CLydDlg::LiningModeChosen() {
  TakeChecked(*liningMode, working.userDefined);
  ShowState();
}

QWidget* CLydDlg::ControlOf(SoundInput input) const {
  switch (input) {
    case SoundInput::None:
      return nullptr;
    case SoundInput::DuctType:
      return picture;
    case SoundInput::LiningMode:
      return liningMode->button(0);
    case SoundInput::Diameter:
      return diameter;
    case SoundInput::Height:
      return height;
    case SoundInput::Width:
      return width;
    case SoundInput::Absorber:
      return absorber;
    case SoundInput::Thickness:
      return thickness;
    case SoundInput::OwnThickness:
      return ownThickness;
    default:
      return alpha[static_cast<std::size_t>(static_cast<int>(input) -
                                            static_cast<int>(SoundInput::Alpha125))];
  }
}

void CLydDlg::accept() {
  TakeChecked(*liningMode, working.userDefined);
  if (!ExchangeFloats(NumberFields())) return;
  working.ownName = ownName->text().toStdString();
  // The list shows a thickness as soon as it has one.
  ThicknessChosen();
  const auto fault = FirstSoundFault(working);
  if (!fault) {
    CItemDlg::accept();
    return;
  }
  RefuseFault(*fault, ControlOf(fault->input));
}

}  // namespace kelvora
