#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "core/database/absorpsjon.h"
#include "core/database/database.h"
#include "core/framework/item.h"
#include "core/modules/sound/soundreport.h"

namespace kelvora {

// How a duct is shaped and which of its faces carry the lining.
enum class DuctType : std::int32_t {
  Circular = 0,
  RectangularAllSides = 1,
  RectangularTopBottom = 2,
  RectangularLeftRight = 3,
};

// The lined duct's inputs that are plain values, with their defaults: copied and reset whole.
struct SoundInputs {
  float ownThickness = 50.0f;  // mm, with the user's coefficients
  float width = 400.0f;        // mm, inside
  float height = 400.0f;       // mm, inside
  float diameter = 400.0f;     // mm, inside
  std::array<float, kOctaveBands> ownAlpha{0.25f, 0.65f, 0.95f, 1.0f, 1.0f, 1.0f};
  std::int32_t userDefined = 0;
  std::string ownName;
  std::int32_t ductType = 0;
};

// The attenuation per metre that a straight duct lined with a sound absorber gives in the
// six octave bands. The lining is a database absorber at one of its thicknesses, or
// coefficients the user gives.
class CLydModul : public CQorModul, public SoundInputs {
 public:
  explicit CLydModul(ModuleContext* owner = nullptr);
  // The module is registered with its records by address.
  CLydModul(const CLydModul&) = delete;
  CLydModul& operator=(const CLydModul&) = delete;
  ~CLydModul() override;

  // The sound dialog; confirmed, the duct is calculated again.
  int Edit() override;
  void Serialize(CArchive& ar) override;
  // An absorber replaces the absorber, a thickness the thickness.
  void ReplaceReference(CItem& replacement) override;
  void Reset() override;
  // Takes the inputs of another module of its kind: the values and the records they refer to.
  void AssignInputs(const CLydModul& other);
  // Shows the report, or hides it and tells the user why the duct has no result.
  void Recalculate() override;
  std::string GetSymbol(SymbolInfo& symbol) const override;

  const SoundReport& Report() const { return *report; }
  ModuleContext* Context() const { return context; }
  CAbsorpsjon* Absorber() const { return absorber; }
  CAbsorpsjonTykkelse* ThicknessRecord() const { return thicknessRecord; }
  // `thickness` should be one of the absorber's own thicknesses.
  void SetAbsorber(CAbsorpsjon* record, CAbsorpsjonTykkelse* thickness);
  // Circular ducts take their absorbers from the circular list.
  DbList AbsorberList() const {
    return ductType == static_cast<std::int32_t>(DuctType::Circular) ? DbList::CircularAbsorbers
                                                                     : DbList::RectangularAbsorbers;
  }

  static constexpr std::size_t kMaxOwnNameLength = 60;

  // Six attenuations, the limit frequency and the acoustic cross-section, as shown.
  std::array<std::string, 8> results;

 private:
  void ReadThickness(CArchive& ar);
  ReportLists* Lists() const;

  CAbsorpsjonTykkelse* thicknessRecord = nullptr;
  CAbsorpsjon* absorber = nullptr;
  std::unique_ptr<SoundReport> report;
};

}  // namespace kelvora
