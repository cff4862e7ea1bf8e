#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/database/absorpsjon.h"

namespace kelvora {

class CLydModul;

// A lined duct as the calculation takes it: inside sizes and lining thickness in mm.
struct SoundDuct {
  std::int32_t ductType = 0;  // DuctType
  float diameter = 0.0f;
  float width = 0.0f;
  float height = 0.0f;
  float lining = 0.0f;
  std::array<float, kOctaveBands> alpha{};
};

// The free cross-section between the lined faces (m, 1/m ratios follow from P and A).
struct SoundGeometry {
  float crossSection = 0.0f;  // H, the free distance between the lined faces
  float perimeter = 0.0f;     // P, lined
  float area = 0.0f;          // A, free
};

struct SoundResult {
  SoundGeometry geometry;
  float limitFrequency = 0.0f;                    // Hz
  std::array<float, kOctaveBands> factor{};       // K of each band
  std::array<float, kOctaveBands> attenuation{};  // dB/m
};

inline constexpr std::array<float, kOctaveBands> kOctaveFrequencies{125, 250, 500, 1000, 2000, 4000};

// The lining the module describes: its own values, or the chosen thickness of a database
// absorber; nothing while that thickness is missing.
std::optional<SoundDuct> DuctOf(const CLydModul& m);

SoundGeometry FreeGeometry(const SoundDuct& duct);

// Nothing when the lining leaves no free cross-section.
std::optional<SoundResult> ComputeSound(const SoundDuct& duct);

}  // namespace kelvora
