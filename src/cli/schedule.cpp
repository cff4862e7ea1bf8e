#include "cli/schedule.h"

#include <algorithm>
#include <memory>

#include "core/database/mantling.h"
#include "core/document/document.h"
#include "core/framework/cformat.h"
#include "core/framework/fieldchecks.h"
#include "core/framework/stringtable.h"
#include "core/modules/heatloss/inputcheck.h"
#include "core/modules/heatloss/savings.h"
#include "core/modules/heatloss/varmetapmodul.h"

namespace kelvora::cli {
namespace {

using Error = std::optional<std::string>;

std::string Quoted(std::string_view text) {
  return DisplayLanguage() == Language::English ? "\"" + std::string(text) + "\""
                                                : "\u201E" + std::string(text) + "\u201C";
}

struct Choice {
  std::string_view keyword;
  std::int32_t value;
};

constexpr Choice kObjects[] = {{"pipe", 0},  {"round-duct", 1},  {"rect-duct", 2}, {"rect-duct-inside", 3},
                               {"plane", 4}, {"plane-inside", 5}};
constexpr Choice kOrientations[] = {{"horizontal", 0}, {"vertical", 1}};
constexpr Choice kSurroundings[] = {{"indoors", 0}, {"outdoors", 1}, {"coefficient", 2}};
constexpr Choice kCalculations[] = {
    {"given", 0}, {"surface-temperature", 1}, {"heat-loss", 2}, {"requirement", 3}};
constexpr Choice kTargetUnits[] = {{"w/m", 0}, {"w/m2", 1}, {"w/m\u00B2", 1}};
constexpr Choice kFlowUnits[] = {{"m3/h", 0}, {"l/s", 1}, {"m/s", 2}};
constexpr Choice kYesNo[] = {{"yes", 1}, {"no", 0}, {"ano", 1}, {"ne", 0}, {"1", 1}, {"0", 0}};

constexpr float kMinLength = 0.1f;  // m
constexpr float kMaxLength = 20000.0f;

constexpr std::array<std::string_view, 2> kSearchWords{"search", "hledat"};

bool IsPlaneKind(int kind) { return kind == 4 || kind == 5; }

DbList SurfaceList(int kind) {
  return (kind == 3 || kind == 5) ? DbList::PipeSurfaces : DbList::OuterFinishes;
}

template <class Record, class List>
Record* Named(const List& list, std::string_view name) {
  for (const auto& record : list) {
    if (record->name == name || record->secondName == name) return dynamic_cast<Record*>(record.get());
  }
  return nullptr;
}

// The column a check of the input dialog concerns.
Column ColumnOf(HeatLossInput input, int calculationType) {
  switch (input) {
    case HeatLossInput::CalculationType:
      return Column::Calculation;
    case HeatLossInput::Orientation:
      return Column::Orientation;
    case HeatLossInput::SurfaceMode:
    case HeatLossInput::UserEmissivity:
      return Column::Emissivity;
    case HeatLossInput::HeatLossUnit:
      return Column::TargetUnit;
    case HeatLossInput::FlowUnit:
      return Column::FlowUnit;
    case HeatLossInput::MediumTemperature:
      return Column::Medium;
    case HeatLossInput::AmbientTemperature:
      return Column::Ambient;
    case HeatLossInput::Diameter:
      return Column::Diameter;
    case HeatLossInput::Height:
      return Column::Height;
    case HeatLossInput::Width:
      return Column::Width;
    case HeatLossInput::Length:
      return Column::Length;
    case HeatLossInput::Area:
      return Column::Area;
    case HeatLossInput::BareEmissivity:
      return Column::BareEmissivity;
    case HeatLossInput::WindSpeed:
      return Column::Wind;
    case HeatLossInput::UserCoefficient:
      return Column::Coefficient;
    case HeatLossInput::SurfaceTemperature:
    case HeatLossInput::MaxHeatLossPerMetre:
    case HeatLossInput::MaxHeatLossPerSquareMetre:
      // A requirement line computes its own limit; its fault lies in the sizes it came from.
      return calculationType == 3 ? Column::Calculation : Column::Target;
    case HeatLossInput::OperatingHours:
      return Column::Hours;
    case HeatLossInput::EnergyPrice:
      return Column::Price;
    case HeatLossInput::Co2Factor:
      return Column::Co2;
    case HeatLossInput::FlowValue:
      return Column::Flow;
    case HeatLossInput::Layer1:
      return Column::Product1;
    case HeatLossInput::Layer2:
      return Column::Product2;
    case HeatLossInput::Layer3:
      return Column::Product3;
    case HeatLossInput::Equipment:
      return Column::Equipment;
    case HeatLossInput::Surface:
      return Column::Jacket;
    case HeatLossInput::None:
      break;
  }
  return Column::Id;
}

// One record laid onto a module fresh from Reset, column by column as the dialog's
// fields would take it; the first value it cannot take ends the line.
class RecordInput {
 public:
  RecordInput(CQorDoc& doc, CVarmeTapModul& m, std::array<std::string_view, kColumnCount> cells)
      : doc(doc), m(m), cells(cells) {}

  Error Apply() {
    for (const auto step : {&RecordInput::Object, &RecordInput::Numbers, &RecordInput::Choices,
                            &RecordInput::Target, &RecordInput::Layers, &RecordInput::Surfaces,
                            &RecordInput::Options, &RecordInput::LengthForEveryCalculation}) {
      if (Error error = (this->*step)()) return error;
    }
    return std::nullopt;
  }

 private:
  std::string_view Cell(Column column) const { return cells[static_cast<std::size_t>(column)]; }
  static std::string Name(Column column) {
    return std::string(ColumnNames()[static_cast<std::size_t>(column)]);
  }

  Error NotANumber(Column column) const {
    return Name(column) + ": " + Quoted(Cell(column)) +
           Say(" není číslo, zadejte číslo.", " is not a number, enter a number.");
  }

  Error Number(Column column, float& target) const {
    if (Cell(column).empty()) return std::nullopt;
    const auto value = ParseCellNumber(Cell(column));
    if (!value) return NotANumber(column);
    target = *value;
    return std::nullopt;
  }

  template <std::size_t N>
  Error Pick(Column column, const Choice (&choices)[N], std::int32_t& target) const {
    if (Cell(column).empty()) return std::nullopt;
    const std::string key = NormalisedKey(Cell(column));
    for (const Choice& choice : choices) {
      if (key == choice.keyword) {
        target = choice.value;
        return std::nullopt;
      }
    }
    std::string offered;
    for (const Choice& choice : choices)
      offered += (offered.empty() ? "" : ", ") + std::string(choice.keyword);
    return Name(column) + ": " + Quoted(Cell(column)) + Say(" není nic z: ", " is none of: ") + offered;
  }

  Error Object() {
    if (Error error = Pick(Column::Object, kObjects, m.objectKind)) return error;
    // Only W/m² applies to a plane.
    if (IsPlaneKind(m.objectKind)) m.heatLossUnit = 1;
    return Pick(Column::Calculation, kCalculations, m.calculationType);
  }

  Error Numbers() {
    const std::pair<Column, float*> numbers[] = {{Column::Diameter, &m.diameter},
                                                 {Column::Width, &m.width},
                                                 {Column::Height, &m.height},
                                                 {Column::Length, &m.length},
                                                 {Column::Area, &m.area},
                                                 {Column::Medium, &m.mediumTemperature},
                                                 {Column::Ambient, &m.ambientTemperature},
                                                 {Column::Wind, &m.windSpeed},
                                                 {Column::Coefficient, &m.userSurfaceCoefficient},
                                                 {Column::BareEmissivity, &m.bareEmissivity},
                                                 {Column::Flow, &m.flowValue},
                                                 {Column::Hours, &m.operatingHours},
                                                 {Column::Co2, &m.co2Factor}};
    for (const auto& [column, target] : numbers) {
      if (Error error = Number(column, *target)) return error;
    }
    return std::nullopt;
  }

  Error Choices() {
    if (Error error = Pick(Column::Orientation, kOrientations, m.orientation)) return error;
    if (Error error = Pick(Column::Surroundings, kSurroundings, m.environment)) return error;
    if (Error error = Pick(Column::FlowUnit, kFlowUnits, m.flowUnit)) return error;
    std::int32_t hangers = 0;
    if (Error error = Pick(Column::Hangers, kYesNo, hangers)) return error;
    // As in the dialog: suspensions of pipes and ducts outside, with a given thickness.
    m.hangersOn = hangers && m.objectKind <= 2 && m.calculationType == 0 ? 1 : 0;
    return std::nullopt;
  }

  // What a line asks for: a surface temperature, or a heat loss per m or m².
  Error Target() {
    if (Error error = Pick(Column::TargetUnit, kTargetUnits, m.heatLossUnit)) return error;
    if (IsPlaneKind(m.objectKind) && m.heatLossUnit == 0) {
      return Name(Column::TargetUnit) +
             Say(": rovinná stěna jen ve W/m2", ": a plane surface takes W/m2 only");
    }
    if (m.calculationType == 1) return Number(Column::Target, m.surfaceTemperature);
    if (m.calculationType != 2) return std::nullopt;
    return Number(Column::Target, m.heatLossUnit == 1 ? m.maxHeatLossPerSquareMetre : m.maxHeatLossPerMetre);
  }

  Error Layers() {
    constexpr Column kProducts[] = {Column::Product1, Column::Product2, Column::Product3};
    constexpr Column kThicknesses[] = {Column::Thickness1, Column::Thickness2, Column::Thickness3};
    const bool given = m.calculationType == 0;
    for (std::size_t k = 0; k < m.layers.size(); ++k) {
      CIsolasjon& layer = m.layers[k];
      layer.Reset(m.objectKind, given ? 1 : 0);
      const std::string_view name = Cell(kProducts[k]);
      const std::string_view thickness = Cell(kThicknesses[k]);
      if (name.empty()) {
        if (k > 0 && !thickness.empty())
          return Name(kThicknesses[k]) + Say(": tloušťka bez produktu", ": a thickness without a product");
        continue;
      }
      if (k > 0 && !given) {
        return Name(kProducts[k]) +
               Say(": vrstvy 2 a 3 jen při dané tloušťce", ": layers 2 and 3 need a given thickness");
      }
      float mm = layer.Thickness();
      const bool search =
          std::find(kSearchWords.begin(), kSearchWords.end(), NormalisedKey(thickness)) != kSearchWords.end();
      if (search && (given || k > 0)) {
        return Name(kThicknesses[k]) +
               Say(": hledat lze jen tloušťku vrstvy 1, když se počítá",
                   ": only layer 1's thickness is searched, by a calculation that finds it");
      }
      if (!search) {
        if (Error error = Number(kThicknesses[k], mm)) return error;
      }
      auto* standard = Named<CIsoProdukt>(doc.database.List(DbList::Products), name);
      auto* user = standard ? nullptr : Named<CEgendefIsoProdukt>(doc.userDatabase.Products(), name);
      const CIsoProdukt* product = standard ? standard : user;
      if (!product) {
        return Name(kProducts[k]) +
               Say(": v databázích není produkt ", ": the databases hold no insulation product ") +
               Quoted(name);
      }
      if (!product->IsApplicable(m.objectKind)) {
        return Name(kProducts[k]) + ": " + Quoted(name) +
               Say(" není určen pro tento druh objektu", " is not made for this kind of object");
      }
      layer.Set(standard ? 0 : 1, standard, mm, user, mm);
      if (k == 1) m.layer2On = 1;
      if (k == 2) m.layer3On = 1;
    }
    return std::nullopt;
  }

  Error Surfaces() {
    const std::string_view jacket = Cell(Column::Jacket);
    if (!jacket.empty() && !Cell(Column::Emissivity).empty()) {
      return Name(Column::Jacket) +
             Say(": buď povrch, nebo emisivita", ": either an outer surface or an emissivity");
    }
    if (!Cell(Column::Emissivity).empty()) {
      m.surfaceMode = 1;
      if (Error error = Number(Column::Emissivity, m.userEmissivity)) return error;
    }
    if (!jacket.empty()) {
      auto* surface = Named<CMantling>(doc.database.List(SurfaceList(m.objectKind)), jacket);
      if (!surface) {
        return Name(Column::Jacket) +
               Say(": v databázi není povrch ", ": the database holds no outer surface ") + Quoted(jacket);
      }
      m.SetSurface(surface);
    }
    const std::string_view facing = Cell(Column::InnerFacing);
    if (facing.empty() || !m.InsulatedInside()) return std::nullopt;
    auto* inner = Named<CMantling>(doc.database.List(DbList::InnerFacings), facing);
    if (!inner) {
      return Name(Column::InnerFacing) +
             Say(": v databázi není povrch ", ": the database holds no inner surface ") + Quoted(facing);
    }
    m.innerSurfaceOn = 1;
    m.SetInnerSurface(inner);
    return std::nullopt;
  }

  // The dialog takes a length for a given thickness only; a line gives its length to every
  // calculation, for the loss over it, and the same bounds hold.
  Error LengthForEveryCalculation() {
    if (Cell(Column::Length).empty() || Within(m.length, kMinLength, kMaxLength)) return std::nullopt;
    return FieldRefusal(Name(Column::Length), RangeReason(m.length, kMinLength, kMaxLength));
  }

  // Energy and equipment count with a given thickness only, as in the dialog.
  Error Options() {
    const bool given = m.calculationType == 0;
    if (!Cell(Column::Price).empty()) {
      if (Error error = Number(Column::Price, m.energyPrice)) return error;
      m.energyCalculationOn = given ? 1 : 0;
    }
    if (!Cell(Column::Currency).empty()) m.currency = std::string(Cell(Column::Currency));
    if (Cell(Column::Equipment).empty() || m.objectKind != 0 || !given) return std::nullopt;
    std::string_view list = Cell(Column::Equipment);
    while (!list.empty()) {
      const std::size_t bar = list.find('|');
      if (Error error = AddEquipment(list.substr(0, bar))) return error;
      list = bar == std::string_view::npos ? std::string_view() : list.substr(bar + 1);
    }
    m.equipmentOn = 1;
    return std::nullopt;
  }

  // "NAME" or "NAME:COUNT".
  Error AddEquipment(std::string_view entry) {
    std::string_view name = entry;
    int count = 1;
    if (const std::size_t colon = entry.rfind(':'); colon != std::string_view::npos) {
      const auto number = ParseCellNumber(entry.substr(colon + 1));
      if (!number || *number != static_cast<float>(static_cast<int>(*number))) {
        return Name(Column::Equipment) + ": " + Quoted(entry) +
               Say(": počet není celé číslo, zadejte celé číslo.",
                   ": the quantity is not a whole number, enter a whole number.");
      }
      count = static_cast<int>(*number);
      name = entry.substr(0, colon);
    }
    name = TrimmedCell(name);
    auto* type = Named<CTillegg2>(doc.database.List(DbList::Equipment), name);
    if (!type) {
      return Name(Column::Equipment) +
             Say(": v databázi není armatura ", ": the database holds no auxiliary equipment ") +
             Quoted(name);
    }
    auto piece = std::make_unique<CTilleggsutstyr>();
    piece->SetEquipment(type);
    piece->count = count;
    piece->UpdateNames({});
    m.equipment.push_back(std::move(piece));
    return std::nullopt;
  }

  CQorDoc& doc;
  CVarmeTapModul& m;
  std::array<std::string_view, kColumnCount> cells;
};

std::string Fixed(float value, int decimals) {
  return FormatC(decimals == 0 ? "%.0f" : decimals == 1 ? "%.1f" : "%.2f", {value});
}

// The figures where the report puts them: the results of a given build-up, of the bare
// object when no requirement applies, or of the thickness found.
LineFigures Figures(const CVarmeTapModul& m) {
  const HeatLossResult& r = *m.LastResult();
  const SavingsResult& s = *m.LastSavings();
  const bool plane = IsPlaneKind(m.objectKind);
  LineFigures f;
  f.heatLossUnit = plane ? "W/m2" : "W/m";
  f.uUnit = plane ? "W/m2K" : "W/mK";
  if (m.calculationType == 0) {
    f.thickness = Fixed(r.thickness * 1000.0f, 1);
    f.heatLoss = Fixed(s.qWithHangers, 1);
    f.total = Fixed(s.TotalWithAuxiliary(), 0);
    f.surfaceTemperature = Fixed(r.flow.ts, 1);
    f.u = Fixed(s.transmittance, 2);
  } else if (r.noRequirement) {
    f.thickness = Fixed(0.0f, 1);
    f.heatLoss = Fixed(s.bareQ, 1);
    f.total = Fixed(s.bareTotal, 0);
    f.surfaceTemperature = Fixed(m.mediumTemperature, 1);
    f.u = Fixed(Transmittance(s.bareQ, m.mediumTemperature, m.ambientTemperature), 2);
  } else {
    f.thickness = Fixed(r.thickness * 1000.0f, 1);
    if (r.standardRow && r.standardThickness) f.standardThickness = Fixed(*r.standardThickness, 1);
    f.heatLoss = Fixed(r.flow.q, 1);
    f.total = Fixed(s.total, 0);
    f.surfaceTemperature = Fixed(r.flow.ts, 1);
    f.u = Fixed(s.transmittance, 2);
  }
  const RegulationVerdict& verdict = m.LastVerdict();
  f.regulation = !verdict.placed ? "none" : verdict.colour == kVerdictGreen ? "compliant" : "not compliant";
  return f;
}

// A figure without a value ("nan", "inf") is no result to hand on.
bool HasValues(const LineFigures& f) {
  for (const std::string* figure :
       {&f.thickness, &f.standardThickness, &f.heatLoss, &f.total, &f.surfaceTemperature, &f.u}) {
    if (!figure->empty() && !ParseCellNumber(*figure)) return false;
  }
  return true;
}

std::string OneLine(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  return text;
}

}  // namespace

const std::array<std::string_view, kColumnCount>& ColumnNames() {
  static constexpr std::array<std::string_view, kColumnCount> kNames{"id",
                                                                     "object",
                                                                     "orientation",
                                                                     "diameter_mm",
                                                                     "width_mm",
                                                                     "height_mm",
                                                                     "length_m",
                                                                     "area_m2",
                                                                     "medium_C",
                                                                     "ambient_C",
                                                                     "surroundings",
                                                                     "wind_m_s",
                                                                     "coefficient_W_m2K",
                                                                     "calculation",
                                                                     "target",
                                                                     "target_unit",
                                                                     "product1",
                                                                     "thickness1_mm",
                                                                     "product2",
                                                                     "thickness2_mm",
                                                                     "product3",
                                                                     "thickness3_mm",
                                                                     "jacket",
                                                                     "emissivity",
                                                                     "inner_facing",
                                                                     "bare_emissivity",
                                                                     "hangers",
                                                                     "equipment",
                                                                     "flow",
                                                                     "flow_unit",
                                                                     "price_per_kWh",
                                                                     "hours_per_year",
                                                                     "co2_g_kWh",
                                                                     "currency"};
  return kNames;
}

std::vector<std::string> OutcomeHeader() {
  return {"id",
          "thickness_mm",
          "standard_thickness_mm",
          "heat_loss",
          "heat_loss_unit",
          "heat_loss_total_W",
          "surface_temperature_C",
          "U",
          "U_unit",
          "regulation",
          "message"};
}

std::vector<std::string> OutcomeFields(const LineOutcome& outcome, bool decimalComma) {
  const auto number = [decimalComma](std::string text) {
    if (decimalComma) std::replace(text.begin(), text.end(), '.', ',');
    return text;
  };
  if (!outcome.figures) return {outcome.id, "", "", "", "", "", "", "", "", "", outcome.message};
  const LineFigures& f = *outcome.figures;
  return {outcome.id,
          number(f.thickness),
          number(f.standardThickness),
          number(f.heatLoss),
          f.heatLossUnit,
          number(f.total),
          number(f.surfaceTemperature),
          number(f.u),
          f.uUnit,
          f.regulation,
          outcome.message};
}

Schedule::Schedule(CQorDoc& doc, CollectedMessages& messages, const std::vector<std::string>& header)
    : doc(doc), module(static_cast<CVarmeTapModul&>(doc.Module(ModuleIndex::HeatLoss))), messages(messages) {
  const auto& names = ColumnNames();
  for (std::size_t field = 0; field < header.size(); ++field) {
    const std::string key = NormalisedKey(header[field]);
    const auto known = std::find_if(names.begin(), names.end(),
                                    [&](std::string_view name) { return NormalisedKey(name) == key; });
    if (known == names.end()) {
      if (!key.empty()) unknown.push_back(header[field]);
    } else {
      fieldOf[static_cast<std::size_t>(known - names.begin())] = field;
    }
  }
}

LineOutcome Schedule::Compute(const LineList::Record& record) {
  std::array<std::string_view, kColumnCount> cells{};
  for (std::size_t c = 0; c < kColumnCount; ++c) {
    if (fieldOf[c] && *fieldOf[c] < record.fields.size()) {
      cells[c] = TrimmedCell(record.fields[*fieldOf[c]]);
    }
  }
  LineOutcome outcome;
  outcome.id = cells[0].empty() ? std::to_string(record.fileLine) : std::string(cells[0]);

  messages.texts.clear();
  module.Reset();
  Error error = RecordInput(doc, module, cells).Apply();
  if (!error) {
    // The warnings on a product's temperature limit let the line go on, and stay with it.
    const auto fault = FirstHeatLossFault(module, [this](std::string_view warning) {
      messages.Show(warning);
      return true;
    });
    if (fault) {
      error = std::string(
                  ColumnNames()[static_cast<std::size_t>(ColumnOf(fault->input, module.calculationType))]) +
              ": " + (fault->reason.empty() ? fault->message : fault->reason);
    }
  }
  if (!error) {
    module.Recalculate();
    if (module.calculated && module.LastResult() && module.LastSavings() && HasValues(Figures(module))) {
      outcome.figures = Figures(module);
      const HeatLossResult& r = *module.LastResult();
      if (r.standardRow && !r.standardThickness)
        messages.Show(MessageText(ids::kLargerThanMaxStandardThickness));
    } else if (messages.texts.empty()) {
      messages.Show(MessageText(ids::kCalculationInterrupted));
    }
  }
  if (error) messages.texts.push_back(*error);
  for (const std::string& text : messages.texts)
    outcome.message += (outcome.message.empty() ? "" : " | ") + OneLine(text);
  return outcome;
}

std::string ScheduleTemplate(char separator, bool decimalComma) {
  const auto& names = ColumnNames();
  const std::vector<std::string> header(names.begin(), names.end());
  const auto line = [&](std::initializer_list<std::pair<Column, std::string_view>> values) {
    std::vector<std::string> fields(kColumnCount);
    for (const auto& [column, value] : values) {
      std::string text(value);
      if (decimalComma && ParseCellNumber(text)) std::replace(text.begin(), text.end(), '.', ',');
      fields[static_cast<std::size_t>(column)] = text;
    }
    return WriteCsvLine(fields, separator);
  };
  return WriteCsvLine(header, separator) +
         line({{Column::Id, "HW-101"},
               {Column::Object, "pipe"},
               {Column::Diameter, "60.3"},
               {Column::Length, "25"},
               {Column::Medium, "150"},
               {Column::Ambient, "20"},
               {Column::Surroundings, "indoors"},
               {Column::Calculation, "given"},
               {Column::Product1, "Mineral wool pipe sections 100 kg/m3"},
               {Column::Thickness1, "50"},
               {Column::Jacket, "Aluminium sheet, bright"},
               {Column::Hangers, "yes"},
               {Column::Equipment, "Uninsulated flange pair:2"},
               {Column::Price, "1.8"},
               {Column::Hours, "6000"},
               {Column::Currency, "CZK"}}) +
         line({{Column::Id, "AHU-1 supply"},
               {Column::Object, "rect-duct"},
               {Column::Width, "800"},
               {Column::Height, "500"},
               {Column::Length, "40"},
               {Column::Medium, "35"},
               {Column::Ambient, "-12"},
               {Column::Surroundings, "outdoors"},
               {Column::Wind, "5"},
               {Column::Calculation, "heat-loss"},
               {Column::Target, "60"},
               {Column::TargetUnit, "W/m"},
               {Column::Product1, "Mineral wool wired mat 80 kg/m3"},
               {Column::Thickness1, "search"},
               {Column::Jacket, "Galvanised steel, dull"},
               {Column::Flow, "6000"},
               {Column::FlowUnit, "m3/h"}}) +
         line({{Column::Id, "Tank T1 wall"},
               {Column::Object, "plane"},
               {Column::Orientation, "vertical"},
               {Column::Area, "12.5"},
               {Column::Medium, "90"},
               {Column::Ambient, "15"},
               {Column::Surroundings, "indoors"},
               {Column::Calculation, "surface-temperature"},
               {Column::Target, "30"},
               {Column::Product1, "Mineral wool industrial slabs 100 kg/m3"},
               {Column::Thickness1, "search"},
               {Column::Jacket, "Stainless steel sheet"}});
}

}  // namespace kelvora::cli
