#include "core/modules/sound/soundinputcheck.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/framework/cformat.h"
#include "core/framework/fieldchecks.h"
#include "core/framework/platform.h"
#include "core/framework/stringtable.h"
#include "core/modules/common/modulecontext.h"
#include "core/modules/sound/lydmodul.h"
#include "core/modules/sound/soundcalculation.h"

namespace kelvora {

namespace {

using Result = std::optional<SoundFault>;

constexpr float kMaxDuctSize = 3000.0f;  // mm
constexpr float kMaxRecordThickness = 2000.0f;

SoundInput AlphaInput(std::size_t band) {
  return static_cast<SoundInput>(static_cast<int>(SoundInput::Alpha125) + static_cast<int>(band));
}

Result Range(SoundInput input, int nameId, float value, float min, float max) {
  return RangeFault<SoundFault>(input, nameId, value, min, max);
}

// A band's coefficient is named by its frequency.
std::string AlphaName(std::size_t band) {
  return FormatMessage(MessageText(ids::kFieldAbsorption), {FormatC("%.0f", {kOctaveFrequencies[band]})});
}

// What the dialog's number fields can read.
Result CheckFields(const CLydModul& m) {
  const NumberRange<SoundInput> fields[] = {
      {SoundInput::Diameter, ids::kFieldDiameter, m.diameter},
      {SoundInput::Height, ids::kFieldHeight, m.height},
      {SoundInput::Width, ids::kFieldWidth, m.width},
      {SoundInput::OwnThickness, ids::kFieldOwnThickness, m.ownThickness},
  };
  if (Result fault = FirstFieldFault<SoundFault, SoundInput>(fields)) return fault;
  for (std::size_t band = 0; band < m.ownAlpha.size(); ++band) {
    if (!std::isfinite(m.ownAlpha[band]))
      return NamedFieldFault<SoundFault>(AlphaInput(band), AlphaName(band), m.ownAlpha[band], 0.0f, 1.0f);
  }
  return std::nullopt;
}

Result CheckOwnLining(const CLydModul& m) {
  if (Result fault = Range(SoundInput::OwnThickness, ids::kFieldOwnThickness, m.ownThickness, 1.0f, 500.0f))
    return fault;
  for (std::size_t band = 0; band < m.ownAlpha.size(); ++band) {
    if (!Within(m.ownAlpha[band], 0.0f, 1.0f))
      return NamedFieldFault<SoundFault>(AlphaInput(band), AlphaName(band), m.ownAlpha[band], 0.0f, 1.0f);
  }
  return std::nullopt;
}

// The chosen thickness holds what its record dialog admits; a damaged database may not.
Result CheckAbsorber(const CLydModul& m) {
  if (!m.Absorber()) return SoundFault{MessageText(ids::kSoundChooseAbsorber), SoundInput::Absorber};
  const CAbsorpsjonTykkelse* record = m.ThicknessRecord();
  if (!record) return SoundFault{MessageText(ids::kSoundChooseThickness), SoundInput::Thickness};
  if (!Within(record->thickness, 0.0f, kMaxRecordThickness))
    return FieldFault<SoundFault>(SoundInput::Thickness, ids::kFieldOwnThickness, record->thickness, 0.0f,
                                  kMaxRecordThickness);
  for (int band = 0; band < kOctaveBands; ++band) {
    if (!Within(record->Alpha(band), 0.0f, 1.0f))
      return NamedFieldFault<SoundFault>(SoundInput::Thickness, AlphaName(static_cast<std::size_t>(band)),
                                         record->Alpha(band), 0.0f, 1.0f);
  }
  return std::nullopt;
}

Result CheckSizes(const CLydModul& m) {
  if (m.ductType == static_cast<std::int32_t>(DuctType::Circular))
    return Range(SoundInput::Diameter, ids::kFieldDiameter, m.diameter, 1.0f, kMaxDuctSize);
  if (Result fault = Range(SoundInput::Height, ids::kFieldHeight, m.height, 1.0f, kMaxDuctSize)) return fault;
  return Range(SoundInput::Width, ids::kFieldWidth, m.width, 1.0f, kMaxDuctSize);
}

// The size across the lined faces, which must exceed the lining on both of them.
float LinedSize(const CLydModul& m) {
  switch (static_cast<DuctType>(m.ductType)) {
    case DuctType::Circular:
      return m.diameter;
    case DuctType::RectangularAllSides:
      return std::min(m.height, m.width);
    case DuctType::RectangularTopBottom:
      return m.height;
    case DuctType::RectangularLeftRight:
      return m.width;
  }
  return 0.0f;
}

}  // namespace

std::optional<SoundFault> FirstSoundFault(const CLydModul& m) {
  if (m.ductType < 0 || m.ductType > static_cast<std::int32_t>(DuctType::RectangularLeftRight))
    return SoundFault{MessageText(ids::kCalculationInterrupted), SoundInput::DuctType};
  if (m.userDefined != 0 && m.userDefined != 1)
    return SoundFault{MessageText(ids::kCalculationInterrupted), SoundInput::LiningMode};
  if (Result fault = CheckFields(m)) return fault;
  if (Result fault = m.userDefined ? CheckOwnLining(m) : CheckAbsorber(m)) return fault;
  if (Result fault = CheckSizes(m)) return fault;
  const SoundInput lining = m.userDefined ? SoundInput::OwnThickness : SoundInput::Thickness;
  if (!(LinedSize(m) > 2.0f * DuctOf(m)->lining)) return SoundFault{MessageText(ids::kSoundNoRoom), lining};
  return std::nullopt;
}

bool StoredSoundInputsPass(const CLydModul& m) {
  const Result fault = FirstSoundFault(m);
  if (!fault) return true;
  if (m.Context()) m.Context()->Messenger().Show(fault->message);
  return false;
}

}  // namespace kelvora
