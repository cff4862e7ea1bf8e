#pragma once

#include <string_view>

namespace kelvora {

// The system clipboard as the report items fill it for the copy command.
class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual void SetText(std::string_view text) = 0;
};

}  // namespace kelvora
