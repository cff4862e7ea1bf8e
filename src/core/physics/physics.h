#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/database/isoprodukt.h"

namespace kelvora {

// Steady heat transfer through the insulation of a pipe, duct or plane surface. Everything
// is single precision with the decimal constants of the method, so that results match the
// reports users compare them with; the iterations follow their fixed steps exactly.

inline constexpr float kPi = 3.1415927f;

// The inputs keep their sizes in mm, the physics works in m.
inline constexpr float Metres(float mm) { return mm / 1000.0f; }

enum class ObjectKind : std::int32_t {
  Pipe = 0,
  CircularDuct = 1,
  RectDuctExternal = 2,
  RectDuctInternal = 3,
  Plane = 4,
  PlaneInternal = 5,
};

constexpr bool IsCylindrical(ObjectKind k) { return k == ObjectKind::Pipe || k == ObjectKind::CircularDuct; }
constexpr bool IsPlane(ObjectKind k) { return k == ObjectKind::Plane || k == ObjectKind::PlaneInternal; }
// Only these have an inner air film.
constexpr bool HasAirFlow(ObjectKind k) {
  return k == ObjectKind::CircularDuct || k == ObjectKind::RectDuctExternal ||
         k == ObjectKind::RectDuctInternal;
}
constexpr bool IsInsulatedInside(ObjectKind k) {
  return k == ObjectKind::RectDuctInternal || k == ObjectKind::PlaneInternal;
}

// A value outside 0-2 can only come from a damaged file; it is treated as indoors.
enum class Environment : std::int32_t { Indoors = 0, Outdoors = 1, UserCoefficient = 2 };

// Everything about the object and its surroundings a solve needs. Lengths in m.
struct PhysicsInput {
  ObjectKind kind = ObjectKind::Pipe;
  bool vertical = false;
  Environment environment = Environment::Indoors;
  float mediumTemperature = 50.0f;   // Tm, °C
  float ambientTemperature = 20.0f;  // Ta, °C
  float diameter = 0.05f;            // D, cylindrical kinds
  float width = 0.2f;                // W, rectangular ducts
  float height = 0.2f;               // H, rectangular ducts; plate length of planes
  float windSpeed = 2.0f;            // m/s, outdoors
  float emissivity = 0.94f;          // of the insulated surface
  float userCoefficient = 5.0f;      // W/m²K, replaces convection and radiation in environment 2
  float bareEmissivity = 0.5f;       // of the uninsulated object
  std::int32_t flowUnit = 0;         // 0 m³/h, 1 l/s, 2 m/s
  float flowValue = 10.0f;
};

struct InsulationLayer {
  LambdaPolynomial lambda;
  float thickness = 0.0f;  // m
};

// Outer sizes of the insulated object. Cylindrical diameters grow layer by layer, so the
// outer diameter of several layers is D + 2 d1 + 2 d2 summed in that order.
struct ObjectGeometry {
  float outerDiameter = 0.0f;  // Do, cylindrical
  float outerWidth = 0.0f;     // Wo, rectangular
  float outerHeight = 0.0f;    // Ho, rectangular
  float perimeter = 0.0f;      // Po; 0 for planes, whose flows are per m²
  float convectionLength = 0.0f;
};

ObjectGeometry Geometry(ObjectKind kind, float diameter, float width, float height,
                        std::span<const float> thicknesses);
// G of one layer, so that q = LambdaIntegral / G. `innerDiameter` matters for cylindrical
// kinds, `perimeter` (the outer Po) for rectangular ones.
float ShapeFactor(ObjectKind kind, float innerDiameter, float thickness, float perimeter);
// Air flow cross-section; an internally insulated duct loses its first layer's thickness.
float FlowArea(ObjectKind kind, float diameter, float width, float height, float firstLayerThickness);
// m³/s; an unknown unit gives no flow.
float VolumeFlow(std::int32_t flowUnit, float value, float area);
float HydraulicDiameter(ObjectKind kind, float diameter, float area, float perimeter);

// W/m²K. `free` for still air indoors, else forced by the wind `v`; `dT` = |Ts - Ta|.
float ConvectiveCoefficient(bool free, bool vertical, float dT, float convectionLength, bool plane,
                            float plateHeight, float v);
// W/m²K. At Ts == Ta, where the quotient is undefined, its limit.
float RadiativeCoefficient(float eps, float ts, float ta);
float SurfaceCoefficient(Environment environment, bool vertical, float ts, float ta, float convectionLength,
                         bool plane, float plateHeight, float v, float eps, float userCoefficient);

float AirKinematicViscosity(float tm);  // m²/s
float AirConductivity(float tm);        // W/mK
// W/m²K of air flowing at `velocity` along a channel of characteristic `length`, without
// any floor.
float AirFilmCoefficient(float tm, float velocity, float length);
// W/m²K, never below 2.5.
float DuctInnerCoefficient(float tm, float volumeFlow, float area, float hydraulicDiameter);

// The inner air film of a duct; an internally insulated duct narrows with its first layer.
struct DuctFilm {
  float area = 0.0f;
  float hydraulicDiameter = 0.0f;
  float hi = 0.0f;
};
DuctFilm MakeDuctFilm(const PhysicsInput& in, float firstLayerThickness, float perimeter);

// Ti of a duct: the medium, the inner film, the layers with the conductivities `lambdas`
// and the outer film h_o in series.
float InnerFaceTemperature(ObjectKind kind, float tm, float ta, float hi, float ho, float area,
                           float hydraulicDiameter, float diameter, float width, float height,
                           std::span<const float> thicknesses, std::span<const float> lambdas);

// Each layer's conductivity at its middle on a straight profile from Tm to Ta across the
// layers plus 4 mm on either side. Unused entries stay 0.
std::array<float, 3> MidPlaneConductivities(float tm, float ta, std::span<const InsulationLayer> layers);

// First trial surface temperature: λ = 0.036 W/mK through `totalThickness` in series with
// a surface coefficient of 10 W/m²K.
float StartSurfaceTemperature(float tm, float ta, float totalThickness);

struct HeatFlowSolution {
  float q = 0.0f;   // W/m, or W/m² for planes; negative when heat flows inwards
  float ts = 0.0f;  // outer surface
  float ti = 0.0f;  // inner face of the insulation (Tm unless a duct)
  float ho = 0.0f;
  float hi = 0.0f;   // 0 unless a duct
  float t12 = 0.0f;  // two and three layers
  float t23 = 0.0f;  // three layers
  // The conductivities the last iteration used (two and three layers, else 0).
  std::array<float, 3> lambdas{};
};

struct BareSurfaceSolution {
  float q = 0.0f;
  float ts = 0.0f;
  float ho = 0.0f;
  float hi = 0.0f;  // 0 unless a duct
};

// The surface temperature of each iteration or pass, in order; for tests and diagnosis.
struct SolveTrace {
  std::vector<float> surfaceTemperatures;
};

// The surface-temperature iteration of the solves: a fixed first step of 3 K, then secant
// steps on the residual qc - qs, until it lies within 0.1 W/m. Free convection changes its
// form where L³·dT passes 10, and a balance whose residual changes sign across that jump has
// no root: the secant circles it until its steps repeat or run out. Having tried a surface on
// either side by then, it bisects the sign change down to the jump and ends on the side whose
// residual is smaller (AtJump), which the caller takes as settled.
class SurfaceSecant {
 public:
  static constexpr int kSteps = 100;
  static constexpr int kBisections = 40;
  // The secant steps, the bisections and the trial of the side it ends on.
  static constexpr int kMaxTrials = kSteps + kBisections + 1;

  enum class Outcome { Continue, Converged, AtMedium, AtJump, OutOfSteps, NotFinite };

  explicit SurfaceSecant(float start) : ts(start) {}

  float Ts() const { return ts; }

  // Judges the trial at Ts() by its conductive and surface flows and moves to the next.
  // OutOfSteps after the last secant step (Ts() has taken it) with no sign change seen;
  // NotFinite when the residual is no number, or repeats with no sign change seen, as the
  // step is then undefined.
  Outcome Step(float qc, float qs, float tm, float ta);

 private:
  struct Side {
    float ts = 0.0f;
    float r = 0.0f;
  };

  Outcome Advance(float r, float tm, float ta);
  Outcome Bisect(float r);
  // Starts the bisection when a sign change has been seen.
  bool StartBisection();

  float ts;
  float tsPrev = 0.0f;
  float rPrev = 0.0f;
  int trials = 0;
  int bisections = -1;        // none started
  std::optional<Side> above;  // the latest trial whose residual is positive
  std::optional<Side> below;  // and negative
};

// Nothing when the iteration does not settle: 100 steps outside the tolerance, two equal
// residuals in a row (the secant step is undefined), a value that is not finite, or a
// "solution" whose surface lies outside Ta..Tm by more than the tolerance allows. The
// caller tells the user. `inner` lies next to the medium.
std::optional<HeatFlowSolution> SolveSingleLayer(const PhysicsInput& in, const InsulationLayer& layer,
                                                 SolveTrace* trace = nullptr);
std::optional<HeatFlowSolution> SolveTwoLayers(const PhysicsInput& in, const InsulationLayer& inner,
                                               const InsulationLayer& outer, SolveTrace* trace = nullptr);
// Always 20 passes; nothing only when a value is not finite.
std::optional<HeatFlowSolution> SolveThreeLayers(const PhysicsInput& in,
                                                 const std::array<InsulationLayer, 3>& layers,
                                                 SolveTrace* trace = nullptr);

// The object without insulation. The flow area of an internally insulated duct is still
// the one its first layer leaves (`firstLayerThickness`, m), as elsewhere in the module.
std::optional<BareSurfaceSolution> BareSurfaceLoss(const PhysicsInput& in, float firstLayerThickness);

}  // namespace kelvora
