#include "ui/database/klimadlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>

#include "core/framework/cformat.h"
#include "core/framework/platform.h"
#include "core/framework/stringtable.h"
#include "ui/database/recordfields.h"
#include "ui/framework/czechorder.h"

namespace kelvora {

namespace {

// Where the temperature and wind columns of a location line start, in dialog units.
constexpr int kTemperatureStop = 120;
constexpr int kWindStop = 160;

int DialogUnitsToPixels(const QWidget& widget, int units) {
  return units * widget.fontMetrics().averageCharWidth() / 4;
}

// Draws a line's tab-separated parts at the column stops.
class TabStopDelegate : public QStyledItemDelegate {
 public:
  TabStopDelegate(std::vector<int> stops, QObject* parent)
      : QStyledItemDelegate(parent), stops(std::move(stops)) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QStringList parts = item.text.split(QLatin1Char('\t'));
    item.text.clear();
    const QWidget* widget = item.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
    const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
    painter->save();
    painter->setPen(
        item.palette.color(item.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    for (int i = 0; i < parts.size(); ++i) {
      const auto column = static_cast<std::size_t>(i);
      const int left = text.left() + (column == 0 ? 0 : stops[std::min(column, stops.size()) - 1]);
      painter->drawText(QRect(left, text.top(), text.right() - left, text.height()),
                        Qt::AlignLeft | Qt::AlignVCenter, parts[i]);
    }
    painter->restore();
  }

 private:
  std::vector<int> stops;
};

}  // namespace

CKlimaDlg::CKlimaDlg(CKlima& climate, QWidget* parent)
    : CItemDlg("::/html/klimasteder.htm", parent), climate(climate) {
  setWindowTitle(tr("Místní klimatická data"));
  const CKlimasted* current = nullptr;
  for (const auto& location : climate.locations) {
    working.push_back(CloneItem(*location));
    if (location.get() == climate.currentLocation) current = working.back().get();
  }

  locations = new QListWidget(this);
  locations->setObjectName(QStringLiteral("locations"));
  const int temperatureStop = DialogUnitsToPixels(*this, kTemperatureStop);
  const int windStop = DialogUnitsToPixels(*this, kWindStop);
  locations->setItemDelegate(new TabStopDelegate({temperatureStop, windStop}, locations));
  locations->setMinimumWidth(windStop + DialogUnitsToPixels(*this, 40));
  auto* newLocation = NewButton(*this, tr("Nové umístění..."), "newLocation");
  auto* updateLocation = NewButton(*this, tr("Aktualizovat umístění..."), "updateLocation");
  auto* deleteLocation = NewButton(*this, tr("Smazat umístění"), "deleteLocation");
  connect(newLocation, &QPushButton::clicked, this, &CKlimaDlg::NewLocation);
  connect(updateLocation, &QPushButton::clicked, this, &CKlimaDlg::UpdateLocation);
  connect(deleteLocation, &QPushButton::clicked, this, &CKlimaDlg::DeleteLocation);
  connect(locations, &QListWidget::itemDoubleClicked, this, &CKlimaDlg::accept);
  Fill(current);

  // The column heads stand over the columns of the list's lines.
  const int textLeft =
      locations->frameWidth() + locations->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
  auto* heads = new QGridLayout;
  heads->setHorizontalSpacing(0);
  heads->setColumnMinimumWidth(0, textLeft + temperatureStop);
  heads->setColumnMinimumWidth(1, windStop - temperatureStop);
  heads->addWidget(new QLabel(tr("Průměrné roční hodnoty:"), this), 0, 1, 1, 2);
  heads->addWidget(new QLabel(tr("Tep. [°C]"), this), 1, 1);
  heads->addWidget(new QLabel(tr("Vítr [m/s]"), this), 1, 2);
  heads->setColumnStretch(3, 1);

  auto* listColumn = new QVBoxLayout;
  listColumn->setSpacing(2);
  listColumn->addLayout(heads);
  listColumn->addWidget(locations, 1);
  auto* buttonColumn = new QVBoxLayout;
  buttonColumn->addStretch();
  buttonColumn->addWidget(newLocation);
  buttonColumn->addWidget(updateLocation);
  buttonColumn->addWidget(deleteLocation);
  buttonColumn->addStretch();
  auto* row = new QHBoxLayout;
  row->addLayout(listColumn, 1);
  row->addLayout(buttonColumn);

  auto* hint = new QLabel(
      tr("Klikněte na OK pro přenos dat ze současného umístění. Změny budou automaticky uloženy."), this);
  hint->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row, 1);
  layout->addWidget(hint);
  layout->addWidget(MakeButtons());
}

void CKlimaDlg::Fill(const CKlimasted* chosen) {
  std::vector<const CKlimasted*> sorted;
  for (const auto& location : working) sorted.push_back(location.get());
  const QCollator order = DisplayOrder();
  std::stable_sort(sorted.begin(), sorted.end(), [&](const CKlimasted* a, const CKlimasted* b) {
    return order.compare(QString::fromStdString(a->ShownText()), QString::fromStdString(b->ShownText())) < 0;
  });
  locations->clear();
  for (const CKlimasted* location : sorted) {
    auto* item = new QListWidgetItem(QString::fromStdString(location->ShownText()), locations);
    item->setData(Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(location)));
    if (location == chosen) locations->setCurrentItem(item);
  }
}

CKlimasted* CKlimaDlg::Selected() const {
  const auto selected = locations->selectedItems();
  if (selected.isEmpty()) return nullptr;
  const auto address = selected.front()->data(Qt::UserRole).value<quintptr>();
  for (const auto& location : working) {
    if (reinterpret_cast<quintptr>(location.get()) == address) return location.get();
  }
  return nullptr;
}

std::vector<std::string> CKlimaDlg::NamesExcept(const CKlimasted* skipped) const {
  std::vector<std::string> names;
  for (const auto& location : working) {
    if (location.get() != skipped) names.push_back(location->name);
  }
  return names;
}

void CKlimaDlg::NewLocation() {
  auto location = std::make_unique<CKlimasted>();
  {
    const TakenNamesScope all(NamesExcept(nullptr));
    if (!location->Edit()) return;
  }
  const CKlimasted* added = location.get();
  working.push_back(std::move(location));
  changed = true;
  Fill(added);
}

void CKlimaDlg::UpdateLocation() {
  CKlimasted* location = Selected();
  if (!location) {
    TellId(ids::kChooseLocation);
    return;
  }
  int edited = 0;
  {
    const TakenNamesScope others(NamesExcept(location));
    edited = location->Edit();
  }
  // The edited location goes to the end of the list, also when the edit was cancelled.
  const auto at =
      std::find_if(working.begin(), working.end(), [&](const auto& l) { return l.get() == location; });
  std::rotate(at, at + 1, working.end());
  if (edited) changed = true;
  Fill(location);
}

void CKlimaDlg::DeleteLocation() {
  const CKlimasted* location = Selected();
  if (!location) {
    TellId(ids::kChooseLocation);
    return;
  }
  const std::string question = FormatMessage(MessageText(ids::kConfirmDelete), {location->name});
  if (!Dialogs().messages || !Dialogs().messages->AskOkCancel(question)) return;
  std::erase_if(working, [&](const auto& l) { return l.get() == location; });
  changed = true;
  Fill(nullptr);
}

void CKlimaDlg::accept() {
  CKlimasted* chosen = Selected();
  if (!chosen) {
    TellId(ids::kChooseLocation);
    return;
  }
  ReplaceList(climate.locations, working, true);
  climate.currentLocation = chosen;
  if (changed && Dialogs().messages) climate.Save(*Dialogs().messages);
  CItemDlg::accept();
}

void CKlimaDlg::reject() {
  if (changed &&
      (!Dialogs().messages || !Dialogs().messages->AskOkCancel(MessageText(ids::kDiscardChanges)))) {
    return;
  }
  CItemDlg::reject();
}

CKlimastedDlg::CKlimastedDlg(CKlimasted& location, QWidget* parent)
    : CItemDlg("::/html/klimasted.htm", parent), location(location) {
  setWindowTitle(tr("Klimatická data"));
  name = NewField(*this, "name", 50);
  temperature = NewField(*this, "temperature");
  windSpeed = NewField(*this, "windSpeed");
  name->setText(QString::fromStdString(location.name));
  ShowFloat(*temperature, location.temperature);
  ShowFloat(*windSpeed, location.windSpeed);

  auto* form = new QFormLayout;
  form->addRow(tr("Umístění:"), name);
  form->addRow(tr("Průměrná roční teplota [°C]:"), temperature);
  form->addRow(tr("Průměrná roční rychlost větru [m/s]:"), windSpeed);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(MakeButtons());
  setMinimumWidth(360);
}

void CKlimastedDlg::accept() {
  float temperatureValue = location.temperature;
  float windSpeedValue = location.windSpeed;
  if (!ExchangeFloatBetween(*temperature, temperatureValue, -60.0f, 60.0f) ||
      !ExchangeFloatBetween(*windSpeed, windSpeedValue, 0.0f, 20.0f)) {
    return;
  }
  const std::string nameValue = name->text().toStdString();
  if (!CheckName(nameValue)) {
    Refuse({}, name);
    return;
  }
  location.name = nameValue;
  location.temperature = temperatureValue;
  location.windSpeed = windSpeedValue;
  location.UpdateDisplayText();
  CItemDlg::accept();
}

}  // namespace kelvora
