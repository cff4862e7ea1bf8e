#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/database/mantling.h"
#include "core/framework/item.h"
#include "core/modules/tank/tankreport.h"
#include "core/physics/isolasjon.h"

namespace kelvora {

enum class TankShape : std::int32_t { Rectangular = 0, Cylindrical = 1, Spherical = 2 };
enum class TankMode : std::int32_t { GivenStorageTime = 0, GivenEndTemperature = 1 };

// The tank's inputs that are plain values, with their defaults: copied and reset whole.
struct TankInputs {
  float diameter = 5.0f;  // m, cylinder or sphere
  float length = 5.0f;    // m, height of a cylinder
  float width = 5.0f;     // m, box
  float height = 5.0f;    // m, box
  float depth = 5.0f;     // m, box
  // The three liquid values below replace the database liquid.
  std::int32_t userDefinedLiquid = 0;
  float liquidHeatCapacity = 4180.0f;  // J/kgK
  float liquidDensity = 999.0f;        // kg/m³
  float liquidFreezingPoint = 0.0f;    // °C
  float startTemperature = 50.0f;      // °C
  // Not stored in the file: reading one sets the default again.
  float endTemperature = 25.0f;       // °C
  float storageTime = 500.0f;         // h
  float ambientTemperature = 10.0f;   // °C
  std::int32_t environment = 0;       // 0 indoors, 1 outdoors, 2 user coefficient
  float windSpeed = 2.0f;             // m/s
  float userOuterCoefficient = 5.0f;  // W/m²K
  std::int32_t userEmissivityOn = 0;
  float userEmissivity = 0.94f;
  std::int32_t shape = 0;  // TankShape
  std::int32_t mode = 0;   // TankMode
};

// A liquid left to cool (or warm) in an insulated tank: its temperature after a storage
// time, or the time it takes to reach an end temperature.
class CTankTempModul : public CQorModul, public TankInputs {
 public:
  // The object kind of the layer of a tank.
  static constexpr std::int32_t kTankObjectKind = 6;

  explicit CTankTempModul(ModuleContext* owner = nullptr);
  // Records know the module by address.
  CTankTempModul(const CTankTempModul&) = delete;
  CTankTempModul& operator=(const CTankTempModul&) = delete;
  ~CTankTempModul() override;

  // The tank dialog; confirmed, the tank is calculated again.
  int Edit() override;
  void Serialize(CArchive& ar) override;
  // A surface replaces the surface, a liquid the liquid.
  void ReplaceReference(CItem& replacement) override;
  void Reset() override;
  // Takes the inputs of another module of its kind: the values and the records they refer to.
  void AssignInputs(const CTankTempModul& other);
  // Shows the report, or hides it and tells the user why the tank has no result.
  void Recalculate() override;
  std::string GetSymbol(SymbolInfo& symbol) const override;

  const TankReport& Report() const { return *report; }
  ModuleContext* Context() const { return context; }
  CMantling* Surface() const { return surface; }
  CVeske* Liquid() const { return liquid; }
  void SetSurface(CMantling* record) { SetReference(*this, surface, record); }
  void SetLiquid(CVeske* record) { SetReference(*this, liquid, record); }

  CIsolasjon insulation;

 private:
  ReportLists* Lists() const;

  CMantling* surface = nullptr;
  CVeske* liquid = nullptr;
  std::unique_ptr<TankReport> report;
};

}  // namespace kelvora
