#pragma once

#include "core/report/picturesource.h"

namespace kelvora {

// The pictures built into the program (":/pictures/<NAME>.bmp"), looked up without
// regard to case as the picture buttons name them ("Kanaltype" + "x" + "0").
class QtPictureSource : public PictureSource {
 public:
  RasterPicture Load(std::string_view name) const override;
};

}  // namespace kelvora
