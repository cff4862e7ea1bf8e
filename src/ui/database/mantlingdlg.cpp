#include "ui/database/mantlingdlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/framework/rangetexts.h"
#include "core/framework/stringtable.h"
#include "ui/controls/colorbtn.h"
#include "ui/database/recordfields.h"
#include "ui/database/sortedlisteditor.h"
#include "ui/framework/scrollfloatfield.h"

namespace kelvora {

namespace {

constexpr int kNameLength = 60;

}  // namespace

CMantlingDlg::CMantlingDlg(CMantling& surface, QWidget* parent)
    : CItemDlg("::/html/overflate.htm", parent), surface(surface) {
  setWindowTitle(tr("Vnější povrch izolace"));
  name = NewField(*this, "name", kNameLength);
  secondName = NewField(*this, "secondName", kNameLength);
  emissivity = NewField(*this, "emissivity");
  emissivityBar = new QScrollBar(Qt::Horizontal, this);
  emissivityBar->setObjectName(QStringLiteral("emissivityBar"));
  auto* choose = NewButton(*this, tr("Vybrat barvu povrchu..."), "chooseColour");
  auto* swatch = new CColorBtn(this);
  swatch->setObjectName(QStringLiteral("colourSwatch"));

  ShowStoredText(*name, surface.name);
  ShowStoredText(*secondName, surface.secondName);
  new ScrollFloatField(*emissivityBar, *emissivity, {0.0f, 1.0f, 0.05f, 0.2f, 100.0f}, surface.emissivity,
                       QStringLiteral("%.2f"));
  colour = new ColourField(*choose, *swatch, surface.colour);

  auto* form = new QFormLayout;
  form->addRow(tr("Název :"), name);
  form->addRow(tr("Name :"), secondName);
  auto* emissivityRow = new QHBoxLayout;
  emissivity->setMaximumWidth(60);
  emissivityRow->addWidget(emissivity);
  emissivityRow->addWidget(emissivityBar, 1);
  form->addRow(tr("Emisivita:"), emissivityRow);

  auto* colourGroup = new QGroupBox(tr("Barva"), this);
  auto* colourRow = new QHBoxLayout(colourGroup);
  colourRow->addWidget(choose);
  colourRow->addWidget(swatch);
  colourRow->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(colourGroup);
  layout->addWidget(MakeButtons());
  setMinimumWidth(360);
}

void CMantlingDlg::accept() {
  float emissivityValue = surface.emissivity;
  if (!ExchangeFloatBetween(*emissivity, emissivityValue, 0.0f, 1.0f)) return;
  const std::string nameValue = name->text().toStdString();
  if (!CheckName(nameValue)) {
    Refuse({}, name);
    return;
  }
  surface.name = nameValue;
  surface.secondName = secondName->text().toStdString();
  surface.emissivity = emissivityValue;
  surface.colour = colour->Colour();
  CItemDlg::accept();
}

CVeskeDlg::CVeskeDlg(CVeske& liquid, QWidget* parent)
    : CItemDlg("::/html/vaeske.htm", parent), liquid(liquid) {
  setWindowTitle(tr("Kapalina"));
  name = NewField(*this, "name", kNameLength);
  secondName = NewField(*this, "secondName", kNameLength);
  density = NewField(*this, "density");
  heatCapacity = NewField(*this, "heatCapacity");
  freezingPoint = NewField(*this, "freezingPoint");

  ShowStoredText(*name, liquid.name);
  ShowStoredText(*secondName, liquid.secondName);
  ShowFloat(*density, liquid.density);
  ShowFloat(*heatCapacity, liquid.heatCapacity);
  ShowFloat(*freezingPoint, liquid.freezingPoint);

  auto* form = new QFormLayout;
  form->addRow(tr("Název :"), name);
  form->addRow(tr("Name :"), secondName);
  form->addRow(tr("Hustota [kg/m3]:"), density);
  form->addRow(tr("Tepelná kapacita [J/kgK]:"), heatCapacity);
  form->addRow(tr("Bod tuhnutí [°C]:"), freezingPoint);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(MakeButtons());
  setMinimumWidth(360);
}

void CVeskeDlg::accept() {
  float densityValue = liquid.density;
  float heatCapacityValue = liquid.heatCapacity;
  float freezingPointValue = liquid.freezingPoint;
  if (!ExchangeFloatBetween(*density, densityValue, 0.1f, 4200.0f) ||
      !ExchangeFloatBetween(*heatCapacity, heatCapacityValue, 1.0f, 10000.0f) ||
      !ExchangeFloatBetween(*freezingPoint, freezingPointValue, -273.0f, 200.0f)) {
    return;
  }
  const std::string nameValue = name->text().toStdString();
  if (!CheckName(nameValue)) {
    Refuse({}, name);
    return;
  }
  liquid.name = nameValue;
  liquid.secondName = secondName->text().toStdString();
  liquid.density = densityValue;
  liquid.heatCapacity = heatCapacityValue;
  liquid.freezingPoint = freezingPointValue;
  CItemDlg::accept();
}

CTillegg2Dlg::CTillegg2Dlg(CTillegg2& equipment, QWidget* parent)
    : CItemDlg("::/html/tillegg.htm", parent), equipment(equipment), lengths(equipment.lengths) {
  setWindowTitle(tr("Přídavné vybavení"));
  name = NewField(*this, "name", kNameLength);
  secondName = NewField(*this, "secondName", kNameLength);
  lengthList = new QListWidget(this);
  lengthList->setObjectName(QStringLiteral("lengths"));
  auto* newLength = NewButton(*this, tr("Nová položka..."), "newLength");
  auto* updateLength = NewButton(*this, tr("Aktualizovat položku..."), "updateLength");
  auto* deleteLength = NewButton(*this, tr("Smazat položku"), "deleteLength");

  ShowStoredText(*name, equipment.name);
  ShowStoredText(*secondName, equipment.secondName);
  lengthEditor = std::make_unique<SortedListEditor<CTilleggslengde>>(
      lengths, *lengthList, [](const CTilleggslengde& l) { return l.addedLength; });
  connect(newLength, &QPushButton::clicked, this, [this] { lengthEditor->New(); });
  connect(updateLength, &QPushButton::clicked, this, [this] { lengthEditor->Update(); });
  connect(deleteLength, &QPushButton::clicked, this, [this] { lengthEditor->Delete(); });

  auto* form = new QFormLayout;
  form->addRow(tr("Název:"), name);
  form->addRow(tr("Name:"), secondName);
  auto* group = new QGroupBox(tr("Přidaná délka potrubí / průměru potrubí"), this);
  auto* groupRow = new QHBoxLayout(group);
  groupRow->addWidget(lengthList, 1);
  auto* listButtons = new QVBoxLayout;
  listButtons->addWidget(newLength);
  listButtons->addWidget(updateLength);
  listButtons->addWidget(deleteLength);
  listButtons->addStretch();
  groupRow->addLayout(listButtons);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(group);
  layout->addWidget(MakeButtons());
  setMinimumWidth(420);
}

CTillegg2Dlg::~CTillegg2Dlg() = default;

void CTillegg2Dlg::accept() {
  if (lengths.empty()) {
    TellId(ids::kLengthsEmpty);
    return;
  }
  const std::string nameValue = name->text().toStdString();
  if (!CheckName(nameValue)) {
    Refuse({}, name);
    return;
  }
  equipment.name = nameValue;
  equipment.secondName = secondName->text().toStdString();
  ReplaceList(equipment.lengths, lengths, true);
  CItemDlg::accept();
}

CTilleggslengdeDlg::CTilleggslengdeDlg(CTilleggslengde& length, QWidget* parent)
    : CItemDlg("::/html/tillegglengde.htm", parent), length(length) {
  setWindowTitle(tr("Přidaná délka potrubí / průměru potrubí"));
  addedLength = NewField(*this, "addedLength");
  minDiameter = NewField(*this, "minDiameter");
  maxDiameter = NewField(*this, "maxDiameter");
  ShowFloat(*addedLength, length.addedLength);
  ShowFloat(*minDiameter, length.minDiameter);
  ShowFloat(*maxDiameter, length.maxDiameter);

  auto* form = new QFormLayout;
  form->addRow(tr("Přidaná délka potrubí [m]:"), addedLength);
  form->addRow(tr("Min. průměru potrubí [mm]:"), minDiameter);
  form->addRow(tr("Max. průměru potrubí [mm]:"), maxDiameter);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(MakeButtons());
}

void CTilleggslengdeDlg::accept() {
  float addedLengthValue = length.addedLength;
  float minDiameterValue = length.minDiameter;
  float maxDiameterValue = length.maxDiameter;
  if (!ExchangePlainFloatBetween(*addedLength, addedLengthValue, 0.0f, 1000.0f) ||
      !ExchangePlainFloatBetween(*minDiameter, minDiameterValue, 0.0f, 10000.0f) ||
      !ExchangePlainFloatBetween(*maxDiameter, maxDiameterValue, 0.0f, 10000.0f)) {
    return;
  }
  // A range must hold its own minimum; the maximum is where the user sees the fault.
  if (maxDiameterValue < minDiameterValue) {
    RefuseField(RangeReason(maxDiameterValue, minDiameterValue, 10000.0f), *maxDiameter);
    return;
  }
  length.addedLength = addedLengthValue;
  length.minDiameter = minDiameterValue;
  length.maxDiameter = maxDiameterValue;
  length.UpdateName();
  CItemDlg::accept();
}

}  // namespace kelvora
