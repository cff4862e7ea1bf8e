#pragma once

namespace kelvora {

inline constexpr int kModuleCount = 8;

// The modules by index, which is their identity everywhere (item list, header, View menu,
// the current module stored in a file).
enum class ModuleIndex : int {
  HeatLoss = 0,
  PipeRun = 1,
  Tank = 2,
  ExternalCondensation = 3,
  InternalCondensation = 4,
  Frost = 5,
  Sound = 6,
  Economics = 7,
};

}  // namespace kelvora
