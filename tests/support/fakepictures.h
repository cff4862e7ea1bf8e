#pragma once

// A picture source that knows the names it was given, so tests see which picture an item
// took and how it recoloured it.

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/report/picturesource.h"

namespace kelvora::testing {

class FakePictures : public PictureSource {
 public:
  // Every name not added gives an empty picture, as a missing resource does.
  void Add(std::string name, std::vector<Colour> pixels) {
    RasterPicture picture;
    picture.name = name;
    picture.width = static_cast<std::int32_t>(pixels.size());
    picture.height = 1;
    picture.pixels = std::move(pixels);
    pictures[std::move(name)] = std::move(picture);
  }

  RasterPicture Load(std::string_view name) const override {
    const auto it = pictures.find(std::string(name));
    return it == pictures.end() ? RasterPicture{} : it->second;
  }

 private:
  std::map<std::string, RasterPicture> pictures;
};

}  // namespace kelvora::testing
