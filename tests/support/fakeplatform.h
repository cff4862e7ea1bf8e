#pragma once

// Platform services answered by the test: messages are recorded, questions and choices
// answered from what the test set up.

#include <deque>
#include <string>
#include <vector>

#include "core/framework/platform.h"

namespace kelvora::testing {

class RecordingMessages : public Messages {
 public:
  void Show(std::string_view text) override { shown.emplace_back(text); }
  bool AskOkCancel(std::string_view text) override { return Answer(text); }
  bool AskYesNo(std::string_view text) override { return Answer(text); }

  std::vector<std::string> shown;
  std::deque<bool> answers;

 private:
  bool Answer(std::string_view text) {
    shown.emplace_back(text);
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

// A Czech locale unless the test names another currency.
class FakeLocale : public SystemLocale {
 public:
  std::string CurrencySymbol() const override { return symbol; }
  std::string CurrencyCode() const override { return code; }

  std::string symbol = "Kč";
  std::string code = "CZK";
};

class ScriptedChooser : public MissingEntryChooser {
 public:
  std::optional<std::size_t> Choose(MissingEntrySource source, std::string_view text,
                                    const std::vector<std::string>& names) override {
    calls.push_back({source, std::string(text), names});
    return answer;
  }

  struct Call {
    MissingEntrySource source;
    std::string text;
    std::vector<std::string> names;
  };
  std::vector<Call> calls;
  std::optional<std::size_t> answer = 0;
};

}  // namespace kelvora::testing
