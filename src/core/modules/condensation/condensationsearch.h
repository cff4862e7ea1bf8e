#pragma once

#include <array>
#include <optional>

#include "core/physics/thicknessbracket.h"

namespace kelvora {

class ModuleContext;

// Why a condensation module has no result.
enum class CondensationStop { None, ThicknessExcess, TooThickForDuct, NotFinite };

// Tells the stop through the document's messages.
void TellCondensationStop(ModuleContext* context, CondensationStop stop);

// The secant on the insulation thickness of both condensation modules: a first step of
// 0.02 m, then secant steps on the residual; a step to no thickness halves the thickness
// instead, a step beyond 2 m ends the search as excess.
class ThicknessSecant {
 public:
  static constexpr int kMaxPasses = 100;
  static constexpr float kMaxThickness = 2.0f;  // m

  enum class Step { Continue, Excess, TooThin };

  // `countHalvings`: more than four halvings in a row below 0.05 mm end the search on the
  // thickness just tried (TooThin).
  ThicknessSecant(float start, bool countHalvings) : s(start), countHalvings(countHalvings) {}

  float Thickness() const { return s; }
  // Judges the thickness just tried by its residual and moves to the next.
  Step Next(int pass, float residual);
  // After the last pass: the thicker of the last two thicknesses tried when their residuals
  // lie on either side of zero, where the root has been jumped over (free convection
  // changes its form at L³·dT = 10 and may leave no root between them).
  std::optional<float> ThickerOfBracket() const;

 private:
  struct Tried {
    float thickness = 0.0f;
    float residual = 0.0f;
  };

  float s;
  bool countHalvings;
  int halvings = 0;
  int tried = 0;
  std::array<Tried, 2> last{};  // the latest first
};

// What a condensation module's thickness search found, or why it found nothing.
template <class State>
struct CondensationSearch {
  std::optional<State> state;
  CondensationStop stop = CondensationStop::None;
};

// The secant's thickness where it answers the question, otherwise the least thickness that
// stays dry when solved as given. `tryAt(d)` gives a `ThicknessTrial<State>` whose excess
// is in the unit of `tolerance`.
template <class State, class TryAt>
CondensationSearch<State> DryThickness(const CondensationSearch<State>& secant, float tolerance,
                                       TryAt tryAt) {
  if (secant.state && SecantAnswers(secant.state->thickness, 3.0f * tolerance, tolerance, tryAt))
    return secant;
  const auto bracketed =
      BracketThickness<ThicknessTrial<State>>(ThicknessSecant::kMaxThickness, tolerance, tryAt);
  if (bracketed.found) return {bracketed.found->state};
  return {std::nullopt, bracketed.stop == bracket::Stop::Missed ? CondensationStop::ThicknessExcess
                                                                : CondensationStop::NotFinite};
}

}  // namespace kelvora
