#pragma once

#include <string_view>

#include "core/report/drawingsurface.h"

namespace kelvora {

// The program's pictures by name ("MATERIALTYPE3", "HEADER", "279", ...), decoded to one
// colour per pixel. A name it does not know gives an empty picture.
class PictureSource {
 public:
  virtual ~PictureSource() = default;
  virtual RasterPicture Load(std::string_view name) const = 0;
};

}  // namespace kelvora
