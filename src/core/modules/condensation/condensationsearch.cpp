#include "core/modules/condensation/condensationsearch.h"

#include "core/framework/platform.h"
#include "core/framework/stringtable.h"
#include "core/modules/common/modulecontext.h"

namespace kelvora {

namespace {

constexpr float kFirstStep = 0.02f;           // m
constexpr float kThinnestCounted = 0.00005f;  // m
constexpr int kMostHalvings = 4;

}  // namespace

void TellCondensationStop(ModuleContext* context, CondensationStop stop) {
  if (!context || stop == CondensationStop::None) return;
  const int id = stop == CondensationStop::ThicknessExcess   ? ids::kInsulationThicknessExcess
                 : stop == CondensationStop::TooThickForDuct ? ids::kInsulationTooThickForDuct
                                                             : ids::kCalculationInterrupted;
  context->Messenger().Show(MessageText(id));
}

ThicknessSecant::Step ThicknessSecant::Next(int pass, float residual) {
  last[1] = last[0];
  last[0] = {s, residual};
  ++tried;
  if (pass == 0) {
    s = s + kFirstStep;
    return Step::Continue;
  }
  const Tried& previous = last[1];
  float next = s + (s - previous.thickness) * residual / (previous.residual - residual);
  if (next <= 0.0f) {
    ++halvings;
    if (countHalvings && halvings > kMostHalvings && s < kThinnestCounted) return Step::TooThin;
    next = s / 2.0f;
  } else {
    halvings = 0;
  }
  if (next > kMaxThickness) return Step::Excess;
  s = next;
  return Step::Continue;
}

std::optional<float> ThicknessSecant::ThickerOfBracket() const {
  if (tried < 2) return std::nullopt;
  const float a = last[0].residual;
  const float b = last[1].residual;
  if (!((a < 0.0f && b > 0.0f) || (a > 0.0f && b < 0.0f))) return std::nullopt;
  return last[0].thickness > last[1].thickness ? last[0].thickness : last[1].thickness;
}

}  // namespace kelvora
