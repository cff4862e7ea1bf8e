#include "core/modules/run/runcalculation.h"

#include <algorithm>
#include <cmath>

#include "core/modules/run/segment.h"
#include "core/physics/physics.h"

namespace kelvora {

namespace {

// Below this difference the medium keeps its temperature.
constexpr float kAtAmbient = 0.1f;
// How far a surface may lie outside Ta..Tin before the balance counts as a false root.
constexpr float kSurfaceSlack = 1.0f;
constexpr float kTwoPi = 2.0f * kPi;

bool Finite(float value) { return std::isfinite(value); }

// What every part of a section's calculation shares: sizes in m, flow in m³/s.
struct Section {
  const CSegment& s;
  ObjectKind kind;
  bool duct;
  float tin;
  float ta;
  float d;
  float w;
  float h;
  float q;
  float area;
  float cv;  // J/m³K
  float emissivity;

  float Ho(float ts, float convectionLength) const {
    return SurfaceCoefficient(static_cast<Environment>(s.environment), s.vertical != 0, ts, ta,
                              convectionLength, false, h, s.windSpeed, emissivity, s.userOuterCoefficient);
  }
};

// The state of the last pass of a section's balance.
struct Balance {
  float hi = 0.0f;  // ducts
  // Nothing below holds when the medium enters at the ambient temperature.
  bool exchanges = false;
  float u = 0.0f;  // W/mK over the heat-exchanging length
  float ho = 0.0f;
  float ts = 0.0f;
};

float Emissivity(const CSegment& s) {
  const CMantling* surface = s.Surface();
  if (s.environment == static_cast<std::int32_t>(Environment::UserCoefficient) || s.userEmissivityOn ||
      !surface)
    return s.userEmissivity;
  return surface->emissivity;
}

// The inner film of a duct from the air at `t`, or the user's value; nothing when the air
// fits have left their range.
std::optional<float> InnerCoefficient(const CSegment& s, float t, float velocity, float length,
                                      bool floored) {
  if (s.userInnerCoefficientOn) return s.userInnerCoefficient;
  if (!(AirKinematicViscosity(t) > 0.0f) || !(AirConductivity(t) > 0.0f)) return std::nullopt;
  const float hi = AirFilmCoefficient(t, velocity, length);
  return floored ? std::max(hi, 2.5f) : hi;
}

// Heat leaves the medium through the inner film, the insulation and the outer film in
// series; the film and outer face use the flow area and the inner sizes as the method has
// it. Returns the inner-face temperature at the section's mean medium temperature.
struct DuctChain {
  float ri;
  float layers;
  float le;

  float InnerFace(const Section& c, float ro, float& tmean) const {
    const float rt = ri + layers + ro;
    const float to = c.ta + (c.tin - c.ta) * std::exp(-le / (c.q * c.cv * rt));
    tmean = (c.tin + to) / 2.0f;
    return tmean - ri / rt * (tmean - c.ta);
  }
};

// The inner film of a duct at the inlet, 0 for a pipe; nothing when a duct has none.
std::optional<float> SectionFilm(const Section& c, float hydraulicDiameter) {
  if (!c.duct) return 0.0f;
  const auto hi = InnerCoefficient(c.s, c.tin, c.q / c.area, hydraulicDiameter, true);
  if (!hi || !(*hi > 0.0f)) return std::nullopt;
  return hi;
}

Balance Unsettled(const Section& c, float hi) {
  Balance b;
  b.hi = hi;
  b.exchanges = std::fabs(c.tin - c.ta) > kAtAmbient;
  return b;
}

float OuterResistance(const Section& c, float ho, float outerDiameter) {
  return c.kind == ObjectKind::CircularDuct ? 1.0f / (ho * kPi * outerDiameter) : 1.0f / (ho * c.h * c.w);
}

float InnerResistance(const Section& c, float hi, float hydraulicDiameter) {
  return c.kind == ObjectKind::CircularDuct ? 1.0f / (hi * kPi * hydraulicDiameter) : 1.0f / (hi * c.area);
}

// Bare, or insulated with layer 1 alone.
std::optional<Balance> SingleLayer(const Section& c, float le) {
  const bool bare = c.s.bare != 0;
  const CIsoProdukt* product = bare ? nullptr : c.s.layer1.Product();
  if (!bare && !product) return std::nullopt;
  const float t = bare ? 0.0f : c.s.layer1.Thickness() / 1000.0f;
  const float thicknesses[] = {t};
  const ObjectGeometry g = Geometry(c.kind, c.d, c.w, c.h, thicknesses);
  const float po = g.perimeter;
  const bool cylindrical = IsCylindrical(c.kind);
  const float dc = cylindrical ? g.outerDiameter : po / kPi;
  const float shape = ShapeFactor(c.kind, c.d, t, po);
  const float dh = HydraulicDiameter(c.kind, c.d, c.area, po);

  const auto film = SectionFilm(c, dh);
  if (!film) return std::nullopt;
  const float hi = *film;
  DuctChain chain{};
  if (c.duct) {
    float layers = 0.0f;
    if (!bare) {
      // Half the temperature difference, not the mean temperature: that is the method.
      const float lambda = product->LambdaAt((c.tin - c.ta) / 2.0f);
      if (!(lambda > 0.0f)) return std::nullopt;
      layers = cylindrical ? std::log(g.outerDiameter / dh) / (kTwoPi * lambda) : t / lambda;
    }
    chain = DuctChain{InnerResistance(c, hi, dh), layers, le};
  }
  Balance b = Unsettled(c, hi);
  if (!b.exchanges) return b;

  const float start =
      bare ? (c.duct ? (c.tin + c.ta) / 2.0f : c.tin) : StartSurfaceTemperature(c.tin, c.ta, t);
  SurfaceSecant secant(start);
  float qi = 0.0f;
  float qo = 0.0f;
  float tmean = c.tin;
  for (int n = 0; n < SurfaceSecant::kMaxTrials; ++n) {
    b.ts = secant.Ts();
    b.ho = c.Ho(b.ts, dc);
    const float tw = c.duct ? chain.InnerFace(c, OuterResistance(c, b.ho, g.outerDiameter), tmean) : c.tin;
    qo = b.ho * po * (b.ts - c.ta);
    if (bare && !c.duct) break;  // the surface is the medium's temperature
    qi = bare ? hi * po * (c.tin - b.ts) : product->LambdaIntegral(b.ts, tw) / shape;
    if (secant.Step(qi, qo, c.tin, c.ta) != SurfaceSecant::Outcome::Continue) break;
  }
  // A pipe's U takes the surface flow alone, which stays finite where the conductive flow
  // was no number and stopped the secant: that would pass for a result.
  if (!Finite(qi) || !Finite(qo)) return std::nullopt;
  if (!c.duct) {
    b.u = qo / (c.tin - c.ta);
  } else if (bare) {
    b.u = hi * b.ho * po / (hi + b.ho);
  } else {
    b.u = qi / (tmean - c.ta);
  }
  return b;
}

std::optional<Balance> TwoLayers(const Section& c, float le) {
  const CIsoProdukt* inner = c.s.layer1.Product();
  const CIsoProdukt* outer = c.s.layer2.Product();
  if (!inner || !outer) return std::nullopt;
  const float s1 = c.s.layer1.Thickness() / 1000.0f;
  const float s2 = c.s.layer2.Thickness() / 1000.0f;
  const bool cylindrical = IsCylindrical(c.kind);
  const float d1 = c.d + 2.0f * s1;
  const float d2 = d1 + 2.0f * s2;
  float po = kPi * d2;
  float dc = d2;
  float shape2 = std::log(d2 / d1) / kTwoPi;
  float dh = c.d;
  if (!cylindrical) {
    // Both rectangular kinds grow outwards here, the inside insulated one included.
    po = 2.0f * (c.w + 2.0f * (s1 + s2)) + 2.0f * (c.h + 2.0f * (s1 + s2));
    dc = po / 3.14f;
    shape2 = s2 / po;
    dh = 4.0f * c.area / po;
  }

  const auto film = SectionFilm(c, dh);
  if (!film) return std::nullopt;
  const float hi = *film;
  DuctChain chain{};
  if (c.duct) {
    const InsulationLayer layers[] = {{inner->Polynomial(), s1}, {outer->Polynomial(), s2}};
    const auto lambdas = MidPlaneConductivities(c.tin, c.ta, layers);
    if (!(lambdas[0] > 0.0f) || !(lambdas[1] > 0.0f)) return std::nullopt;
    const float r =
        cylindrical ? std::log(d1 / dh) / (kTwoPi * lambdas[0]) + std::log(d2 / d1) / (kTwoPi * lambdas[1])
                    : s1 / lambdas[0] + s2 / lambdas[1];
    chain = DuctChain{InnerResistance(c, hi, dh), r, le};
  }
  Balance b = Unsettled(c, hi);
  if (!b.exchanges) return b;

  SurfaceSecant secant(StartSurfaceTemperature(c.tin, c.ta, s1 + s2));
  float lambda1 = 0.036f;
  float lambda2 = 0.035f;
  float q2 = 0.0f;
  float qo = 0.0f;
  float tmean = c.tin;
  float tw = c.tin;
  float t12 = 0.0f;
  for (int n = 0; n < SurfaceSecant::kMaxTrials; ++n) {
    b.ts = secant.Ts();
    if (n > 0) {
      lambda1 = inner->LambdaAt((t12 + tw) / 2.0f);
      lambda2 = outer->LambdaAt((t12 + b.ts) / 2.0f);
    }
    b.ho = c.Ho(b.ts, dc);
    tw = c.duct ? chain.InnerFace(c, OuterResistance(c, b.ho, d2), tmean) : c.tin;
    const float g1 = cylindrical ? kTwoPi * lambda1 / std::log(d1 / c.d) : lambda1 / s1;
    const float g2 = cylindrical ? kTwoPi * lambda2 / std::log(d2 / d1) : lambda2 / s2;
    const float k = cylindrical ? b.ho * g2 * po / (g2 + b.ho * po) : g2 * b.ho / (g2 + b.ho);
    t12 = (tw * g1 + c.ta * k) / (g1 + k);
    q2 = outer->LambdaIntegral(b.ts, t12) / shape2;
    qo = b.ho * po * (b.ts - c.ta);
    if (secant.Step(q2, qo, c.tin, c.ta) != SurfaceSecant::Outcome::Continue) break;
  }
  if (!Finite(q2) || !Finite(qo)) return std::nullopt;
  b.u = c.duct ? q2 / (tmean - c.ta) : qo / (c.tin - c.ta);
  return b;
}

// The uninsulated surface of the section's equipment, as extra bare length after the
// section: lowers `t` and returns the heat it loses.
std::optional<float> EquipmentLoss(const Section& c, float& t) {
  float le = 0.0f;
  for (const auto& entry : c.s.auxEquipment) le += entry->EquivalentLength(c.s.diameter);
  if (le <= 0.0f) return 0.0f;
  const bool cylindrical = IsCylindrical(c.kind);
  const float p = cylindrical ? kPi * c.d : 2.0f * c.w + 2.0f * c.h;
  const float dc = cylindrical ? c.d : p / kPi;
  float hi = 0.0f;
  if (c.duct) {
    const auto film = InnerCoefficient(c.s, t, c.q / c.area, dc, false);
    if (!film) return std::nullopt;
    hi = *film;
  }
  if (std::fabs(t - c.ta) <= kAtAmbient) return 0.0f;

  SurfaceSecant secant(c.duct ? (t + c.ta) / 2.0f : t);
  float ho = 0.0f;
  float qo = 0.0f;
  for (int n = 0; n < SurfaceSecant::kMaxTrials; ++n) {
    const float ts = secant.Ts();
    ho = c.Ho(ts, dc);
    qo = ho * p * (ts - c.ta);
    if (!c.duct) break;
    if (secant.Step(hi * p * (t - ts), qo, t, c.ta) != SurfaceSecant::Outcome::Continue) break;
  }
  const float cv = c.duct ? AirVolumetricHeatCapacity(t) : c.cv;
  if (!(cv > 0.0f)) return std::nullopt;
  const float u = c.duct ? hi * ho * p / (hi + ho) : qo / (t - c.ta);
  const float after = c.ta + (t - c.ta) * std::exp(-le * u / (c.q * cv));
  const float loss = cv * c.q * (t - after);
  if (!Finite(after) || !Finite(loss)) return std::nullopt;
  t = after;
  return loss;
}

}  // namespace

float AirVolumetricHeatCapacity(float t) {
  if (t < 150.0f) return 1000.0f * (1.308f - 0.0035f * t);
  if (t < 400.0f) return 1000.0f * (0.985f - 0.0011f * t);
  return 1000.0f * (0.732f - 0.00046f * t);
}

float TemperatureAlong(const RunSectionResult& result, float inlet, float ambient, float fraction) {
  if (fraction >= 1.0f) return result.beforeEquipment;
  if (result.beforeEquipment == inlet) return inlet;
  // The share of the inlet's difference to the surroundings left at the end: exp(-kL), so
  // that it raised to the fraction gives exp(-kx).
  const float left = (result.beforeEquipment - ambient) / (inlet - ambient);
  return ambient + (inlet - ambient) * std::pow(left, fraction);
}

std::optional<RunSectionResult> ComputeSection(const CSegment& s, float inlet, float density,
                                               float heatCapacity) {
  const auto kind = static_cast<ObjectKind>(s.kind);
  const bool duct = HasAirFlow(kind);
  const float cv = duct ? AirVolumetricHeatCapacity(inlet) : density * heatCapacity;
  if (!(cv > 0.0f)) return std::nullopt;
  const Section c{s,
                  kind,
                  duct,
                  inlet,
                  s.ambientTemperature,
                  s.diameter / 1000.0f,
                  s.width / 1000.0f,
                  s.height / 1000.0f,
                  s.VolumeFlow(),
                  s.InnerArea(),
                  cv,
                  Emissivity(s)};

  // Uninsulated suspensions add surface; inside a duct they stay cold.
  float le = s.length;
  if (s.HasSuspensions() && s.kind != CSegment::kRectDuctInternal)
    le *= s.environment == static_cast<std::int32_t>(Environment::Outdoors) ? 1.25f : 1.15f;
  const auto b = s.HasTwoLayers() ? TwoLayers(c, le) : SingleLayer(c, le);
  if (!b) return std::nullopt;
  RunSectionResult r;
  r.innerCoefficient = b->hi;
  r.outlet = inlet;
  if (b->exchanges) {
    const bool surfaceInRange =
        b->ts >= std::min(c.ta, inlet) - kSurfaceSlack && b->ts <= std::max(c.ta, inlet) + kSurfaceSlack;
    r.outlet = c.ta + (inlet - c.ta) * std::exp(-le * b->u / (c.q * cv));
    r.heatLoss = cv * c.q * (inlet - r.outlet);
    if (!surfaceInRange || !Finite(b->u) || !Finite(r.outlet) || !Finite(r.heatLoss)) return std::nullopt;
    r.outerCoefficient = b->ho;
  }
  r.beforeEquipment = r.outlet;
  if (s.HasEquipment() && s.kind != CSegment::kRectDuctInternal) {
    const auto loss = EquipmentLoss(c, r.outlet);
    if (!loss) return std::nullopt;
    r.heatLoss += *loss;
  }
  return r;
}

}  // namespace kelvora
