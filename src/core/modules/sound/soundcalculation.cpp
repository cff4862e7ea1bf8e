#include "core/modules/sound/soundcalculation.h"

#include <cmath>

#include "core/modules/sound/lydmodul.h"

namespace kelvora {

namespace {

constexpr float kPi = 3.1415927f;
constexpr float kSpeedOfSound = 340.0f;  // m/s
constexpr float kMaxFactor = 1.05f;
constexpr float kMinFactor = 0.077f;

// The fitted attenuation factor at x = f / fc, held within the range it was fitted for.
float Factor(float x) {
  const float k = 0.004108f * x * x - 0.1725f * x + 1.194f;
  if (k > kMaxFactor) return kMaxFactor;
  if (k < kMinFactor) return kMinFactor;
  return k;
}

}  // namespace

std::optional<SoundDuct> DuctOf(const CLydModul& m) {
  SoundDuct duct{m.ductType, m.diameter, m.width, m.height};
  if (m.userDefined) {
    duct.lining = m.ownThickness;
    duct.alpha = m.ownAlpha;
    return duct;
  }
  const CAbsorpsjonTykkelse* record = m.ThicknessRecord();
  if (!record) return std::nullopt;
  duct.lining = record->thickness;
  for (int band = 0; band < kOctaveBands; ++band)
    duct.alpha[static_cast<std::size_t>(band)] = record->Alpha(band);
  return duct;
}

SoundGeometry FreeGeometry(const SoundDuct& d) {
  const float t2 = 2.0f * d.lining;
  switch (static_cast<DuctType>(d.ductType)) {
    case DuctType::Circular: {
      const float free = (d.diameter - t2) / 1000.0f;
      return {free, kPi * free, kPi * (free / 2.0f) * (free / 2.0f)};
    }
    case DuctType::RectangularAllSides: {
      const float a = (d.height - t2) / 1000.0f;
      const float b = (d.width - t2) / 1000.0f;
      return {a, 2.0f * (a + b), a * b};
    }
    case DuctType::RectangularTopBottom: {
      const float a = (d.height - t2) / 1000.0f;
      const float b = d.width / 1000.0f;
      return {a, 2.0f * b, a * b};
    }
    case DuctType::RectangularLeftRight: {
      const float a = d.height / 1000.0f;
      const float b = (d.width - t2) / 1000.0f;
      return {b, 2.0f * a, a * b};
    }
  }
  return {};
}

std::optional<SoundResult> ComputeSound(const SoundDuct& duct) {
  SoundResult r;
  r.geometry = FreeGeometry(duct);
  const SoundGeometry& g = r.geometry;
  // Written so that NaN fails too.
  if (!(g.crossSection > 0.0f && g.area > 0.0f)) return std::nullopt;
  r.limitFrequency = kSpeedOfSound / (2.0f * g.crossSection);
  for (std::size_t i = 0; i < kOctaveFrequencies.size(); ++i) {
    r.factor[i] = Factor(kOctaveFrequencies[i] / r.limitFrequency);
    r.attenuation[i] = std::pow(duct.alpha[i], 1.4f) * r.factor[i] * g.perimeter / g.area;
  }
  return r;
}

}  // namespace kelvora
