#pragma once

#include "core/framework/stringtable.h"

namespace kelvora::testing {

// The program's own texts in English for as long as this lives, as in an English interface.
class EnglishDisplay {
 public:
  EnglishDisplay() { SetDisplayLanguage(Language::English); }
  ~EnglishDisplay() { SetDisplayLanguage(Language::Czech); }
  EnglishDisplay(const EnglishDisplay&) = delete;
  EnglishDisplay& operator=(const EnglishDisplay&) = delete;
};

}  // namespace kelvora::testing
