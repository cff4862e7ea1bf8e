#pragma once

#include <string_view>

namespace kelvora {

// Opens a topic of the help pages, such as "::/html/footer.htm".
class HelpViewer {
 public:
  virtual ~HelpViewer() = default;
  virtual void OpenTopic(std::string_view topic) = 0;
};

}  // namespace kelvora
