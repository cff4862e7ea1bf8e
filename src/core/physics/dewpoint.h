#pragma once

#include <cmath>

namespace kelvora {

// °C at which air of `t` °C and `relativeHumidity` % starts to condense.
inline float DewPoint(float relativeHumidity, float t) {
  return std::pow(relativeHumidity / 100.0f, 0.1247f) * (t + 109.8f) - 109.8f;
}

}  // namespace kelvora
