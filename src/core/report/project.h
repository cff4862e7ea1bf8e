#pragma once

#include <cstddef>
#include <string>

#include "core/framework/item.h"

namespace kelvora {

// The project information printed in every page header.
class CProject : public CItem {
 public:
  void Serialize(CArchive& ar) override;
  void Clear();

  std::string calculatedBy;
  std::string projectName;
  std::string reference;
  std::string remark;
  std::string plantName;

  static constexpr std::size_t kMaxLineLength = 128;   // calculatedBy, projectName, plantName
  static constexpr std::size_t kMaxBlockLength = 255;  // reference, remark
};

}  // namespace kelvora
