#pragma once

#include <cmath>
#include <optional>
#include <utility>

namespace kelvora {

// The search every thickness search answers with where its secant finds nothing, or settles
// on a thickness that does not meet the target when solved as given. A trial is a thickness
// solved as given: `d`, `Solved()`, and `excess`, by how much it misses the target (at most 0
// where the target holds).
namespace bracket {

// The thinnest trial prints as 0.0 mm; rungs stand 1.5 apart; bisection goes no finer than 1 µm.
inline constexpr float kThinnestLayer = 0.000025f;  // m
inline constexpr float kLadderRatio = 1.5f;
inline constexpr float kResolution = 1e-6f;  // m

enum class Stop { None, Unsolved, Missed };

template <class Trial>
struct Outcome {
  std::optional<Trial> found;
  Stop stop = Stop::None;  // Unsolved: no trial solved; Missed: even the thickest misses
};

}  // namespace bracket

// A thickness tried, with what solving it as given left (`State`), and by how much it misses
// the target: at most 0 where the target holds.
template <class State>
struct ThicknessTrial {
  float d = 0.0f;
  std::optional<State> state;
  float excess = INFINITY;

  bool Solved() const { return state.has_value(); }
  bool Holds() const { return excess <= 0.0f; }
};

// Whether the thickness `d` a secant settled on answers the question: the layer solved as
// given there meets the target as closely as the secant and the solve allow (`miss`), and a
// tenth less insulation would not meet it with `tolerance` to spare. A secant can settle far
// off (a surface pinned at the target hides the jump of free convection), or on the thicker
// end of a span of thicknesses that all meet the target.
template <class TryAt>
bool SecantAnswers(float d, float miss, float tolerance, TryAt&& tryAt) {
  if (!(std::fabs(tryAt(d).excess) <= miss)) return false;
  return d <= bracket::kThinnestLayer || tryAt(0.9f * d).excess > -tolerance;
}

// The least thickness that meets the target: up a geometric ladder from the thinnest layer
// to the first rung that holds, then bisection between it and the rung below until the
// target is met within `tolerance`. Going up, not down, matters where more insulation can
// lose more (the outer perimeter of a small rectangular duct grows faster than its
// resistance): the target then holds only over a span of thicknesses, and the least is
// the answer. A rung that does not solve (a surface all but at the ambient may not settle)
// counts as missing.
template <class Trial, class TryAt>
bracket::Outcome<Trial> BracketThickness(float thickest, float tolerance, TryAt&& tryAt) {
  using namespace bracket;
  Trial lo = tryAt(kThinnestLayer < thickest ? kThinnestLayer : thickest);
  if (lo.Holds()) return {std::move(lo)};
  bool solved = lo.Solved();
  Trial hi;
  for (;;) {
    if (lo.d >= thickest) return {std::nullopt, solved ? Stop::Missed : Stop::Unsolved};
    Trial next = tryAt(lo.d * kLadderRatio < thickest ? lo.d * kLadderRatio : thickest);
    solved = solved || next.Solved();
    if (next.Holds()) {
      hi = std::move(next);
      break;
    }
    lo = std::move(next);
  }
  while (std::fabs(hi.excess) >= tolerance && hi.d - lo.d > kResolution) {
    Trial mid = tryAt((lo.d + hi.d) / 2.0f);
    (mid.Holds() ? hi : lo) = std::move(mid);
  }
  return {std::move(hi)};
}

}  // namespace kelvora
