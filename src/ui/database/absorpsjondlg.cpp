#include "ui/database/absorpsjondlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/framework/cformat.h"
#include "core/framework/stringtable.h"
#include "ui/controls/colorbtn.h"
#include "ui/database/absorptionbands.h"
#include "ui/database/recordfields.h"
#include "ui/database/sortedlisteditor.h"

namespace kelvora {

namespace {

constexpr int kNameLength = 60;

}  // namespace

CAbsorpsjonDlg::CAbsorpsjonDlg(CAbsorpsjon& absorber, QWidget* parent)
    : CItemDlg("::/html/absorption.htm", parent), absorber(absorber), thicknesses(absorber.thicknesses) {
  setWindowTitle(tr("Tlumič hluku"));
  name = NewField(*this, "name", kNameLength);
  secondName = NewField(*this, "secondName", kNameLength);
  thicknessList = new QListWidget(this);
  thicknessList->setObjectName(QStringLiteral("thicknesses"));
  auto* newThickness = NewButton(*this, tr("Nová tloušťka..."), "newThickness");
  auto* updateThickness = NewButton(*this, tr("Aktualizovat tloušťku..."), "updateThickness");
  auto* deleteThickness = NewButton(*this, tr("Smazat tloušťku"), "deleteThickness");
  auto* chooseInsulation = NewButton(*this, tr("Vybrat barvu izolace..."), "chooseInsulationColour");
  auto* insulationSwatch = new CColorBtn(this);
  insulationSwatch->setObjectName(QStringLiteral("insulationSwatch"));
  auto* chooseSurface = NewButton(*this, tr("Vybrat barvu povrchu..."), "chooseSurfaceColour");
  auto* surfaceSwatch = new CColorBtn(this);
  surfaceSwatch->setObjectName(QStringLiteral("surfaceSwatch"));

  ShowStoredText(*name, absorber.name);
  ShowStoredText(*secondName, absorber.secondName);
  // A thickness chosen in a calculation stays, so the calculation keeps its data.
  thicknessEditor = std::make_unique<SortedListEditor<CAbsorpsjonTykkelse>>(
      thicknesses, *thicknessList, [](const CAbsorpsjonTykkelse& t) { return t.thickness; },
      [](const CAbsorpsjonTykkelse& t) {
        if (!t.HasUsers()) return true;
        TellId(ids::kThicknessInUse);
        return false;
      });
  insulationColour = new ColourField(*chooseInsulation, *insulationSwatch, absorber.insulationColour);
  surfaceColour = new ColourField(*chooseSurface, *surfaceSwatch, absorber.surfaceColour);
  connect(newThickness, &QPushButton::clicked, this, [this] { thicknessEditor->New(); });
  connect(updateThickness, &QPushButton::clicked, this, [this] { thicknessEditor->Update(); });
  connect(deleteThickness, &QPushButton::clicked, this, [this] { thicknessEditor->Delete(); });

  auto* form = new QFormLayout;
  form->addRow(tr("Název produktu:"), name);
  form->addRow(tr("Product name:"), secondName);

  auto* thicknessGroup = new QGroupBox(tr("Tloušťka"), this);
  auto* thicknessRow = new QHBoxLayout(thicknessGroup);
  thicknessRow->addWidget(thicknessList, 1);
  auto* listButtons = new QVBoxLayout;
  listButtons->addWidget(newThickness);
  listButtons->addWidget(updateThickness);
  listButtons->addWidget(deleteThickness);
  listButtons->addStretch();
  thicknessRow->addLayout(listButtons);

  auto* colourGroup = new QGroupBox(tr("Barva"), this);
  auto* colourGrid = new QGridLayout(colourGroup);
  colourGrid->addWidget(chooseInsulation, 0, 0);
  colourGrid->addWidget(insulationSwatch, 0, 1);
  colourGrid->addWidget(chooseSurface, 1, 0);
  colourGrid->addWidget(surfaceSwatch, 1, 1);
  colourGrid->setColumnStretch(2, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(thicknessGroup);
  layout->addWidget(colourGroup);
  layout->addWidget(MakeButtons());
  setMinimumWidth(420);
}

CAbsorpsjonDlg::~CAbsorpsjonDlg() = default;

void CAbsorpsjonDlg::accept() {
  if (thicknesses.empty()) {
    TellId(ids::kThicknessesEmpty);
    return;
  }
  const std::string nameValue = name->text().toStdString();
  if (!CheckName(nameValue)) {
    Refuse({}, name);
    return;
  }
  absorber.name = nameValue;
  absorber.secondName = secondName->text().toStdString();
  absorber.insulationColour = insulationColour->Colour();
  absorber.surfaceColour = surfaceColour->Colour();
  ReplaceList(absorber.thicknesses, thicknesses, true);
  CItemDlg::accept();
}

CAbsorpsjonTykkelseDlg::CAbsorpsjonTykkelseDlg(CAbsorpsjonTykkelse& record, QWidget* parent)
    : CItemDlg("::/html/absorptiondlg.htm", parent), record(record) {
  setWindowTitle(tr("Pohltivost"));
  thickness = NewField(*this, "thickness");
  ShowFloat(*thickness, record.thickness);
  auto* form = new QFormLayout;
  form->addRow(tr("Tloušťka [mm]:"), thickness);

  auto* bandGroup = new QGroupBox(tr("Činitel zvukové pohltivosti"), this);
  auto* bandForm = new QFormLayout(bandGroup);
  for (int band = 0; band < kOctaveBands; ++band) {
    auto*& field = alpha[static_cast<std::size_t>(band)];
    field = NewField(*this, kBandFields[static_cast<std::size_t>(band)]);
    ShowFloat(*field, record.Alpha(band));
    field->setAccessibleName(BandCaption(static_cast<std::size_t>(band)));
    bandForm->addRow(QString::fromLatin1(kBandLabels[static_cast<std::size_t>(band)]), field);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(bandGroup);
  layout->addWidget(MakeButtons());
}

void CAbsorpsjonTykkelseDlg::accept() {
  float thicknessValue = record.thickness;
  if (!ExchangeFloatBetween(*thickness, thicknessValue, 0.0f, 2000.0f)) return;
  std::array<float, kOctaveBands> alphaValues{};
  for (int band = 0; band < kOctaveBands; ++band) {
    const auto i = static_cast<std::size_t>(band);
    alphaValues[i] = record.Alpha(band);
    if (!ExchangeFloatBetween(*alpha[i], alphaValues[i], 0.0f, 1.0f)) return;
  }
  // Thicknesses are told apart by their names, so two that show alike cannot coexist.
  if (!CheckName(FormatC("%.1f", {thicknessValue}))) {
    Refuse({}, thickness);
    return;
  }
  record.SetThickness(thicknessValue);
  for (int band = 0; band < kOctaveBands; ++band)
    record.Alpha(band) = alphaValues[static_cast<std::size_t>(band)];
  CItemDlg::accept();
}

}  // namespace kelvora
