#include "core/modules/heatloss/calculationtypes.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <vector>

#include "core/framework/platform.h"
#include "core/framework/stringtable.h"
#include "core/modules/common/modulecontext.h"
#include "core/modules/heatloss/varmetapmodul.h"
#include "core/physics/thicknessbracket.h"

namespace kelvora {
namespace {

constexpr float kTwoPi = 2.0f * kPi;
constexpr float kTolerance = 0.1f;
constexpr float kAcceptedMiss = 3.0f * kTolerance;
constexpr float kStartLambda = 0.036f;
constexpr float kStartCoefficient = 10.0f;
constexpr float kFirstThicknessStep = 0.02f;
constexpr float kMaxThickness = 2.0f;      // m
constexpr float kMinThickness = 0.00005f;  // m
constexpr int kMaxIterations = 100;
// Share of half the smaller side of an internally lined duct its thickest trial fills.
constexpr float kLiningShare = 0.99f;
constexpr float kNoRequirementBelow = 13900.0f;  // degree-hours

Messages* MessagesOf(const CVarmeTapModul& m) { return m.Context() ? &m.Context()->Messenger() : nullptr; }

void Tell(Messages* messages, int id) {
  if (messages) messages->Show(MessageText(id));
}

void Tell(const CVarmeTapModul& m, int id) { Tell(MessagesOf(m), id); }

// Heat leaving the outer surface: per metre, or per m² for planes.
float SurfaceFlow(ObjectKind kind, float ho, float perimeter, float ts, float ta) {
  return IsPlane(kind) ? ho * (ts - ta) : ho * perimeter * (ts - ta);
}

float SurfaceCoefficientAt(const PhysicsInput& in, float ts, float convectionLength) {
  return SurfaceCoefficient(in.environment, in.vertical, ts, in.ambientTemperature, convectionLength,
                            IsPlane(in.kind), in.height, in.windSpeed, in.emissivity, in.userCoefficient);
}

// Ti and h_i of a single layer of `thickness` at the surface coefficient `ho`; the medium
// itself for pipes and planes. `chainHo` is the coefficient the chain's outer film uses.
struct InnerFace {
  float ti = 0.0f;
  float hi = 0.0f;
};

InnerFace InnerFaceOf(const PhysicsInput& in, const LambdaPolynomial& product, float thickness,
                      float perimeter, float chainHo) {
  const float tm = in.mediumTemperature;
  const float ta = in.ambientTemperature;
  if (!HasAirFlow(in.kind)) return {tm, 0.0f};
  const DuctFilm film = MakeDuctFilm(in, thickness, perimeter);
  // Half the temperature difference, not the mean temperature: that is the method.
  const float chainLambda[] = {product.At((tm - ta) / 2.0f)};
  const float thicknesses[] = {thickness};
  return {InnerFaceTemperature(in.kind, tm, ta, film.hi, chainHo, film.area, film.hydraulicDiameter,
                               in.diameter, in.width, in.height, thicknesses, chainLambda),
          film.hi};
}

HeatLossResult FoundResult(float thickness, float q, float ts, const InnerFace& face, float ho,
                           const ObjectGeometry& g) {
  HeatLossResult r;
  r.thickness = thickness;
  r.flow.q = q;
  r.flow.ts = ts;
  r.flow.ti = face.ti;
  r.flow.ho = ho;
  r.flow.hi = face.hi;
  r.geometry = g;
  return r;
}

// A duct without insulation: its inner face is the wall itself.
HeatLossResult BareResult(const PhysicsInput& in, const BareSurfaceSolution& bare) {
  HeatLossResult r;
  r.flow.q = bare.q;
  r.flow.ts = bare.ts;
  r.flow.ti = bare.ts;
  r.flow.ho = bare.ho;
  r.flow.hi = bare.hi;
  const float none[] = {0.0f};
  r.geometry = Geometry(in.kind, in.diameter, in.width, in.height, none);
  r.uninsulated = true;
  return r;
}

const CIsoProdukt* RequireProduct(const CVarmeTapModul& m, int layer) {
  const CIsoProdukt* product = m.layers[static_cast<std::size_t>(layer)].Product();
  if (!product) Tell(m, ids::kChooseInsulationProduct);
  return product;
}

std::optional<BareSurfaceSolution> Bare(const CVarmeTapModul& m, const PhysicsInput& in) {
  auto bare = BareSurfaceLoss(in, Metres(m.layers[0].Thickness()));
  if (!bare) Tell(m, ids::kCalculationInterrupted);
  return bare;
}

float BarePerimeter(const PhysicsInput& in) {
  return IsCylindrical(in.kind) ? kPi * in.diameter : 2.0f * in.width + 2.0f * in.height;
}

// A limit per m² of a pipe or duct holds for each metre of its outer perimeter.
float LimitAt(const PhysicsInput& in, float limit, bool perSquareMetre, float perimeter) {
  return perSquareMetre && !IsPlane(in.kind) ? limit * perimeter : limit;
}

// `a` lies nearer the medium than `b`, as a hotter temperature does on a hot line.
bool TowardsMedium(const PhysicsInput& in, float a, float b) {
  return in.mediumTemperature < in.ambientTemperature ? a < b : a > b;
}

// How one secant step on the thickness ended.
enum class Step { Continue, AtZero, Unfound };

// The next thickness `next` after `d`: not finite or beyond 2 m leaves the secant; a step
// below the smallest thickness halves `d`, or ends at zero when `d` is already that thin.
Step BoundThickness(float d, float& next) {
  if (!std::isfinite(next) || next > kMaxThickness) return Step::Unfound;
  if (next < kMinThickness) {
    if (d < kMinThickness) return Step::AtZero;
    next = d / 2.0f;
  }
  return Step::Continue;
}

// A secant step on the thickness. Two equal residuals leave it undefined.
Step SecantThickness(float r, float& rPrev, float& d, float& dPrev) {
  if (r == rPrev) return Step::Unfound;
  float next = d + (d - dPrev) * r / (rPrev - r);
  const Step step = BoundThickness(d, next);
  if (step != Step::Continue) return step;
  rPrev = r;
  dPrev = d;
  d = next;
  return Step::Continue;
}

// The first step of a search, or of its return to the thickness. It may not carry the
// thickness beyond 2 m; a search that started there keeps its chance to come back.
bool FirstThicknessStep(float& d) {
  const float next = d + kFirstThicknessStep;
  if (next > kMaxThickness && d <= kMaxThickness) return false;
  d = next;
  return true;
}

// What the bracketing search holds a thickness to: the surface temperature or the heat
// flow (signed as Tm - Ta; per m² of the outer surface when `perSquareMetre`).
struct Target {
  bool surfaceTemperature = false;
  float value = 0.0f;
  bool perSquareMetre = false;
};

// One thickness tried by the bracketing search: the layer solved as given, and by how much
// it misses the target, in W/m (W/m² for planes). At most 0 where the target holds.
struct Trial {
  float d = 0.0f;
  std::optional<HeatFlowSolution> flow;
  ObjectGeometry geometry;
  float excess = INFINITY;

  bool Solved() const { return flow.has_value(); }
  bool Holds() const { return excess <= 0.0f; }
};

Trial Try(const PhysicsInput& in, const LambdaPolynomial& lambda, const Target& target, float d) {
  Trial t;
  t.d = d;
  const float thicknesses[] = {d};
  t.geometry = Geometry(in.kind, in.diameter, in.width, in.height, thicknesses);
  t.flow = SolveSingleLayer(in, {lambda, d});
  if (!t.flow) return t;
  const float sign = in.mediumTemperature < in.ambientTemperature ? -1.0f : 1.0f;
  float excess = 0.0f;
  if (target.surfaceTemperature) {
    // A surface temperature off by dTs loses dTs times the surface conductance more.
    const float conductance = IsPlane(in.kind) ? t.flow->ho : t.flow->ho * t.geometry.perimeter;
    excess = sign * (t.flow->ts - target.value) * conductance;
  } else {
    excess =
        sign * t.flow->q - std::fabs(LimitAt(in, target.value, target.perSquareMetre, t.geometry.perimeter));
  }
  if (std::isfinite(excess)) t.excess = excess;
  return t;
}

// The thickest layer worth trying: 2 m, or one that all but closes an internally lined duct.
float ThickestTrial(const PhysicsInput& in) {
  if (in.kind != ObjectKind::RectDuctInternal) return kMaxThickness;
  return std::min(kMaxThickness, kLiningShare * std::min(in.width, in.height) / 2.0f);
}

HeatLossResult TrialResult(const Trial& t) {
  return FoundResult(t.d, t.flow->q, t.flow->ts, {t.flow->ti, t.flow->hi}, t.flow->ho, t.geometry);
}

// Nothing, after its message, when no layer solves or even the thickest misses the target.
std::optional<HeatLossResult> BracketingSearch(const PhysicsInput& in, const LambdaPolynomial& lambda,
                                               const Target& target, Messages* messages) {
  const float thickest = ThickestTrial(in);
  const auto outcome =
      BracketThickness<Trial>(thickest, kTolerance, [&](float d) { return Try(in, lambda, target, d); });
  if (outcome.found) return TrialResult(*outcome.found);
  if (outcome.stop == bracket::Stop::Unsolved) {
    Tell(messages, ids::kCalculationInterrupted);
  } else {
    const bool duct = in.kind == ObjectKind::RectDuctInternal && thickest < kMaxThickness;
    Tell(messages, duct ? ids::kInsulationTooThickForDuct : ids::kInsulationThicknessExcess);
  }
  return std::nullopt;
}

std::optional<HeatLossResult> Confirmed(const PhysicsInput& in, const LambdaPolynomial& lambda,
                                        const Target& target, std::optional<HeatLossResult> found) {
  const auto tryAt = [&](float d) { return Try(in, lambda, target, d); };
  if (found && !SecantAnswers(found->thickness, kAcceptedMiss, kTolerance, tryAt)) return {};
  return found;
}

// The secant on the thickness that holds the surface at `target`, from `d`. Nothing when
// it ends without a result within 2 m.
std::optional<HeatLossResult> SecantForSurfaceTemperature(const PhysicsInput& in,
                                                          const LambdaPolynomial& lambda, float target,
                                                          float d) {
  if (!std::isfinite(d)) return std::nullopt;
  float dPrev = 0.0f;
  float rPrev = 0.0f;
  for (int n = 0; n < kMaxIterations; ++n) {
    const float thicknesses[] = {d};
    const ObjectGeometry g = Geometry(in.kind, in.diameter, in.width, in.height, thicknesses);
    // The surface is held at the target, so h_o moves only with the convection length.
    const float ho = SurfaceCoefficientAt(in, target, g.convectionLength);
    const InnerFace face = InnerFaceOf(in, lambda, d, g.perimeter, ho);
    const float qc = lambda.Integral(target, face.ti) / ShapeFactor(in.kind, in.diameter, d, g.perimeter);
    const float qs = SurfaceFlow(in.kind, ho, g.perimeter, target, in.ambientTemperature);
    const float r = qc - qs;
    // Not finite: a lining as thick as the duct leaves no flow area to take a film from.
    if (!std::isfinite(r)) return std::nullopt;
    if (std::fabs(r) < kTolerance) {
      if (d > kMaxThickness) return std::nullopt;
      return FoundResult(d, qc, target, face, ho, g);
    }
    if (n == 0) {
      rPrev = r;
      dPrev = d;
      if (!FirstThicknessStep(d)) return std::nullopt;
    } else if (SecantThickness(r, rPrev, d, dPrev) != Step::Continue) {
      return std::nullopt;
    }
  }
  return std::nullopt;
}

// The two-phase secant on the thickness and the surface temperature that holds the heat
// flow at `limit`. Nothing when it ends without a result within 2 m.
std::optional<HeatLossResult> SecantForHeatLoss(const PhysicsInput& in, const LambdaPolynomial& lambda,
                                                float limit, bool perSquareMetre) {
  const ObjectKind kind = in.kind;
  const bool cylindrical = IsCylindrical(kind);
  const bool plane = IsPlane(kind);
  const bool rectangular = !cylindrical && !plane;
  const float tm = in.mediumTemperature;
  const float ta = in.ambientTemperature;
  const auto target = [&](float perimeter) { return LimitAt(in, limit, perSquareMetre, perimeter); };
  const float bareTarget = std::fabs(target(BarePerimeter(in)));
  const float dT = std::fabs(tm - ta);
  float d = 0.0f;
  if (cylindrical) {
    d = (std::exp(kTwoPi * kStartLambda * dT / bareTarget) - 1.0f) * in.diameter / 2.0f;
  } else if (rectangular) {
    d = kStartLambda * dT * (2.0f * in.height + 2.0f * in.width) / bareTarget;
  } else {
    d = kStartLambda * dT / bareTarget;
  }
  // A start beyond 2 m is searched from: a limit per m² grows with the outer perimeter,
  // which the start formula does not know.
  if (!std::isfinite(d)) return std::nullopt;

  float ts = StartSurfaceTemperature(tm, ta, d);
  bool thicknessPhase = true;
  float rPrev = 0.0f;
  float dPrev = 0.0f;
  float tsPrev = 0.0f;
  for (int n = 0; n < kMaxIterations; ++n) {
    const float thicknesses[] = {d};
    const ObjectGeometry g = Geometry(kind, in.diameter, in.width, in.height, thicknesses);
    const float ho = SurfaceCoefficientAt(in, ts, g.convectionLength);
    const InnerFace face = InnerFaceOf(in, lambda, d, g.perimeter, ho);
    float qc = 0.0f;
    float qs = 0.0f;
    if (rectangular) {
      qc = lambda.Integral(ts, face.ti) / d * g.perimeter;
      qs = ho * (ts - ta) * g.perimeter;
    } else {
      qc = lambda.Integral(ts, face.ti) / ShapeFactor(kind, in.diameter, d, g.perimeter);
      qs = SurfaceFlow(kind, ho, g.perimeter, ts, ta);
    }
    const float q = target(g.perimeter);
    if (!std::isfinite(qc) || !std::isfinite(qs)) return std::nullopt;
    const bool flowsAgree = std::fabs(qc - qs) < kTolerance;
    const bool targetMet = std::fabs(qc - q) < kTolerance;
    if (flowsAgree && targetMet) {
      if (d > kMaxThickness) return std::nullopt;
      return FoundResult(d, q, ts, face, ho, g);
    }
    if (thicknessPhase) {
      const float r = qc - q;
      if (targetMet) {
        thicknessPhase = false;
        rPrev = qc - qs;
        tsPrev = ts;
        ts = ts + 3.0f;
        if (std::fabs(ts - ta) < kTolerance) ts = ts - 1.0f;
      } else if (n == 0) {
        rPrev = r;
        dPrev = d;
        if (!FirstThicknessStep(d)) return std::nullopt;
      } else if (SecantThickness(r, rPrev, d, dPrev) != Step::Continue) {
        return std::nullopt;
      }
    } else {
      const float s = qc - qs;
      if (!flowsAgree) {
        // Equal residuals leave the step undefined.
        if (s == rPrev) return std::nullopt;
        const float next = ts + (ts - tsPrev) * s / (rPrev - s);
        if (!std::isfinite(next)) return std::nullopt;
        rPrev = s;
        tsPrev = ts;
        ts = next;
      } else {
        thicknessPhase = true;
        rPrev = qc - q;
        dPrev = d;
        if (!FirstThicknessStep(d)) return std::nullopt;
      }
    }
  }
  return std::nullopt;
}

// Internal insulation must leave the duct open: half its smaller side closes it.
bool FitsInsideDuct(Messages* m, const PhysicsInput& in, float d) {
  if (in.kind != ObjectKind::RectDuctInternal) return true;
  if (2.0f * d >= in.width || 2.0f * d >= in.height) {
    Tell(m, ids::kInsulationTooThickForDuct);
    return false;
  }
  return true;
}

// The standard-thickness row and column of a thickness found with a standard product.
bool AddStandardThickness(const CVarmeTapModul& m, const PhysicsInput& in, const CIsoProdukt& product,
                          HeatLossResult& result) {
  if (!m.layers[0].IsStandard()) return true;
  result.standardRow = true;
  std::string local;
  std::string english;
  const float mm = product.StandardThicknessFor(result.thickness, local, english);
  if (mm < 0.0f) return true;
  const float d = Metres(mm);
  // A standard lining that closes the duct cannot be installed.
  if (!FitsInsideDuct(MessagesOf(m), in, d)) return false;
  result.standardThickness = mm;
  result.atStandardThickness = ResolveAtStandardThickness(in, product.Polynomial(), d);
  if (!result.atStandardThickness) {
    Tell(m, ids::kCalculationInterrupted);
    return false;
  }
  const float thicknesses[] = {d};
  result.standardGeometry = Geometry(in.kind, in.diameter, in.width, in.height, thicknesses);
  return true;
}

std::optional<HeatLossResult> Finish(const CVarmeTapModul& m, const PhysicsInput& in,
                                     const CIsoProdukt& product, HeatLossResult result) {
  if (!FitsInsideDuct(MessagesOf(m), in, result.thickness)) return std::nullopt;
  if (!AddStandardThickness(m, in, product, result)) return std::nullopt;
  return result;
}

// The maximum heat loss as entered, as a magnitude with the sign of the flow: a limit of the
// other sign could never be met.
float SignedLimit(float value, float tm, float ta) {
  const float magnitude = std::fabs(value);
  return tm < ta ? -magnitude : magnitude;
}

}  // namespace

PhysicsInput ModulePhysicsInput(const CVarmeTapModul& m) {
  PhysicsInput in;
  in.kind = static_cast<ObjectKind>(m.objectKind);
  in.vertical = m.orientation != 0;
  in.environment = static_cast<Environment>(m.environment);
  in.mediumTemperature = m.mediumTemperature;
  in.ambientTemperature = m.ambientTemperature;
  in.diameter = Metres(m.diameter);
  in.width = Metres(m.width);
  in.height = Metres(m.height);
  in.windSpeed = m.windSpeed;
  const bool own = m.environment == static_cast<std::int32_t>(Environment::UserCoefficient) ||
                   m.surfaceMode == 1 || !m.Surface();
  in.emissivity = own ? m.userEmissivity : m.Surface()->emissivity;
  in.userCoefficient = m.userSurfaceCoefficient;
  in.bareEmissivity = m.bareEmissivity;
  in.flowUnit = m.flowUnit;
  in.flowValue = m.flowValue;
  return in;
}

std::optional<HeatLossResult> SolveGivenThickness(const CVarmeTapModul& m) {
  std::vector<int> used{0};
  if (m.layer2On) used.push_back(1);
  if (m.layer3On) used.push_back(2);
  std::array<InsulationLayer, 3> layers{};
  std::array<float, 3> thicknesses{};
  std::array<const CIsoProdukt*, 3> products{};
  HeatLossResult result;
  for (std::size_t k = 0; k < used.size(); ++k) {
    products[k] = RequireProduct(m, used[k]);
    if (!products[k]) return std::nullopt;
    thicknesses[k] = Metres(m.layers[static_cast<std::size_t>(used[k])].Thickness());
    layers[k] = {products[k]->Polynomial(), thicknesses[k]};
    result.thickness += thicknesses[k];
  }
  const PhysicsInput in = ModulePhysicsInput(m);
  const std::optional<HeatFlowSolution> flow = SolveBuildUp(in, std::span(layers).first(used.size()));
  if (!flow) {
    Tell(m, ids::kCalculationInterrupted);
    return std::nullopt;
  }
  // Three layers are checked only where the middle one is a standard product.
  const bool checkInterface = used.size() == 2 || (used.size() == 3 && m.layers[1].IsStandard());
  if (checkInterface && flow->t12 > products[1]->maxTemperature) Tell(m, ids::kInterfaceAboveProductLimit);
  result.flow = *flow;
  result.geometry =
      Geometry(in.kind, in.diameter, in.width, in.height, std::span(thicknesses).first(used.size()));
  return result;
}

std::optional<HeatFlowSolution> SolveBuildUp(const PhysicsInput& in,
                                             std::span<const InsulationLayer> layers) {
  switch (layers.size()) {
    case 1:
      return SolveSingleLayer(in, layers[0]);
    case 2:
      return SolveTwoLayers(in, layers[0], layers[1]);
    case 3:
      return SolveThreeLayers(in, {layers[0], layers[1], layers[2]});
    default:
      return std::nullopt;
  }
}

std::optional<HeatLossResult> SolveForSurfaceTemperature(const CVarmeTapModul& m) {
  const CIsoProdukt* product = RequireProduct(m, 0);
  if (!product) return std::nullopt;
  const PhysicsInput in = ModulePhysicsInput(m);
  const auto bare = Bare(m, in);
  if (!bare) return std::nullopt;
  const float tm = in.mediumTemperature;
  const float ta = in.ambientTemperature;
  const float target = m.surfaceTemperature;
  // The bare surface already lies on the ambient's side of the target: warmer for a cold
  // line, cooler for a hot one.
  if (TowardsMedium(in, target, bare->ts)) return Finish(m, in, *product, BareResult(in, *bare));
  // A plane wall of 0.036 W/mK behind a surface coefficient of 10 W/m²K.
  const float start = (tm - target) / (target - ta) * kStartLambda / kStartCoefficient;
  // A target at the medium temperature needs no insulation; the search could not start.
  if (!(start > 0.0f)) return Finish(m, in, *product, BareResult(in, *bare));
  const LambdaPolynomial lambda = product->Polynomial();
  const Target wanted{true, target, false};
  auto found = Confirmed(in, lambda, wanted, SecantForSurfaceTemperature(in, lambda, target, start));
  if (!found) found = BracketingSearch(in, lambda, wanted, MessagesOf(m));
  if (!found) return std::nullopt;
  return Finish(m, in, *product, *found);
}

std::optional<HeatLossResult> SearchForHeatLoss(const PhysicsInput& in, const LambdaPolynomial& lambda,
                                                float limit, bool perSquareMetre, Messages* messages) {
  const Target wanted{false, limit, perSquareMetre};
  if (auto found = Confirmed(in, lambda, wanted, SecantForHeatLoss(in, lambda, limit, perSquareMetre)))
    return found;
  return BracketingSearch(in, lambda, wanted, messages);
}

std::optional<HeatLossResult> SolveForHeatLoss(const CVarmeTapModul& m) {
  const CIsoProdukt* product = RequireProduct(m, 0);
  if (!product) return std::nullopt;
  const PhysicsInput in = ModulePhysicsInput(m);
  const auto bare = Bare(m, in);
  if (!bare) return std::nullopt;
  const bool perSquareMetre = m.heatLossUnit == 1;
  const float limit = SignedLimit(perSquareMetre ? m.maxHeatLossPerSquareMetre : m.maxHeatLossPerMetre,
                                  in.mediumTemperature, in.ambientTemperature);
  if (BareMeetsLimit(in, *bare, limit, perSquareMetre)) return Finish(m, in, *product, BareResult(in, *bare));
  auto result = SearchForHeatLoss(in, product->Polynomial(), limit, perSquareMetre, MessagesOf(m));
  if (!result) return std::nullopt;
  return Finish(m, in, *product, *result);
}

bool BareMeetsLimit(const PhysicsInput& in, const BareSurfaceSolution& bare, float limit,
                    bool perSquareMetre) {
  return std::fabs(LimitAt(in, limit, perSquareMetre, BarePerimeter(in))) >= std::fabs(bare.q);
}

std::optional<float> DegreeHourLimit(ObjectKind kind, float tm, float ta, float operatingHours,
                                     float diameter, float width, float height) {
  const float dT = tm - ta;
  const float degreeHours = dT * operatingHours;
  if (degreeHours < kNoRequirementBelow) return std::nullopt;
  // Walls are held per m²; pipes and ducts per metre, by the diameter of the circle of
  // their perimeter.
  const float de = IsCylindrical(kind) ? diameter : (2.0f * height + 2.0f * width) / kPi;
  struct Band {
    float below;
    float plane;
    float perDiameter;
    float constant;
  };
  static constexpr Band kBands[] = {
      {97000.0f, 0.88f, 2.6f, 0.2f},
      {194000.0f, 0.66f, 2.0f, 0.18f},
      {389000.0f, 0.49f, 1.5f, 0.16f},
      {0.0f, 0.35f, 1.1f, 0.14f},  // open above
  };
  const Band* band = &kBands[3];
  for (const Band& b : std::span(kBands).first(3)) {
    if (degreeHours < b.below) {
      band = &b;
      break;
    }
  }
  return IsPlane(kind) ? band->plane * dT : dT * (band->perDiameter * de + band->constant);
}

std::optional<HeatLossResult> SolveDegreeHourLimit(CVarmeTapModul& m) {
  const PhysicsInput in = ModulePhysicsInput(m);
  const auto limit = DegreeHourLimit(in.kind, in.mediumTemperature, in.ambientTemperature, m.operatingHours,
                                     in.diameter, in.width, in.height);
  if (!limit) {
    const auto bare = Bare(m, in);
    if (!bare) return std::nullopt;
    HeatLossResult result = BareResult(in, *bare);
    result.noRequirement = true;
    return result;
  }
  // Stored, so that the document keeps the limit and a later maximum-heat-loss run
  // starts from it.
  if (IsPlane(in.kind)) {
    m.maxHeatLossPerSquareMetre = *limit;
    m.heatLossUnit = 1;
  } else {
    m.maxHeatLossPerMetre = *limit;
    m.heatLossUnit = 0;
  }
  return SolveForHeatLoss(m);
}

std::optional<HeatFlowSolution> ResolveAtStandardThickness(const PhysicsInput& in,
                                                           const LambdaPolynomial& product, float thickness) {
  const ObjectKind kind = in.kind;
  const float tm = in.mediumTemperature;
  const float ta = in.ambientTemperature;
  const float thicknesses[] = {thickness};
  const ObjectGeometry g = Geometry(kind, in.diameter, in.width, in.height, thicknesses);
  const bool rectangular = !IsCylindrical(kind) && !IsPlane(kind);
  // Here a rectangle convects like the circle of its outer perimeter.
  const float convectionLength = rectangular ? g.perimeter / kPi : g.convectionLength;
  const float shape = ShapeFactor(kind, in.diameter, thickness, g.perimeter);

  HeatFlowSolution s;
  float ts = StartSurfaceTemperature(tm, ta, thickness);
  float tsPrev = 0.0f;
  float rPrev = 0.0f;
  for (int n = 0; n < kMaxIterations; ++n) {
    s.ts = ts;
    s.ho = SurfaceCoefficientAt(in, ts, convectionLength);
    // The cylindrical chain takes its outer film over twice the circumference here:
    // 1 / (h_o 2 pi Do).
    const float chainHo = IsCylindrical(kind) ? 2.0f * s.ho : s.ho;
    const InnerFace face = InnerFaceOf(in, product, thickness, g.perimeter, chainHo);
    s.ti = face.ti;
    s.hi = face.hi;
    s.q = product.Integral(ts, s.ti) / shape;
    const float r = s.q - SurfaceFlow(kind, s.ho, g.perimeter, ts, ta);
    if (!std::isfinite(r)) return std::nullopt;
    if (std::fabs(r) < kTolerance) return s;
    if (n == 0) {
      tsPrev = ts;
      rPrev = r;
      ts = ts + 3.0f;
      if (std::fabs(ts - ta) < kTolerance) ts = ts - 1.0f;
      continue;
    }
    // Equal residuals leave the step undefined.
    if (r == rPrev) break;
    const float next = ts + (ts - tsPrev) * r / (rPrev - r);
    if (!std::isfinite(next)) return std::nullopt;
    rPrev = r;
    tsPrev = ts;
    ts = next;
  }
  // Where the repeat does not settle, the column shows the layer solved as given at that
  // thickness rather than the values of an unfinished iteration.
  if (auto given = SolveSingleLayer(in, {product, thickness})) return given;
  return s;
}

}  // namespace kelvora
