#pragma once

// The thickness searches as the rules read without any guard, transcribed on their own so
// that the solvers can be held to the same numbers wherever those rules reach a result, and
// the sweeps can tell where they reach none.

#include <cmath>

#include "core/physics/physics.h"

namespace kelvora::testing {

struct Literal {
  enum class End { Found, BeyondTwoMetres, AtZero, Exhausted };
  End end = End::Exhausted;
  bool equalResiduals = false;  // a secant step divided by zero on the way
  float d = 0, q = 0, ts = 0, ti = 0, ho = 0;
};

inline float LiteralTi(const PhysicsInput& in, const LambdaPolynomial& p, float d, float perimeter,
                       float ho) {
  if (!HasAirFlow(in.kind)) return in.mediumTemperature;
  const float area = FlowArea(in.kind, in.diameter, in.width, in.height, d);
  const float dh = HydraulicDiameter(in.kind, in.diameter, area, perimeter);
  const float hi =
      DuctInnerCoefficient(in.mediumTemperature, VolumeFlow(in.flowUnit, in.flowValue, area), area, dh);
  const float t[] = {d};
  const float l[] = {p.At((in.mediumTemperature - in.ambientTemperature) / 2.0f)};
  return InnerFaceTemperature(in.kind, in.mediumTemperature, in.ambientTemperature, hi, ho, area, dh,
                              in.diameter, in.width, in.height, t, l);
}

inline float LiteralHo(const PhysicsInput& in, float ts, float dc) {
  return SurfaceCoefficient(in.environment, in.vertical, ts, in.ambientTemperature, dc, IsPlane(in.kind),
                            in.height, in.windSpeed, in.emissivity, in.userCoefficient);
}

// Returns false from a secant step that ends the search, filling `out.end`.
inline bool LiteralThicknessStep(float r, float& rPrev, float& d, float& dPrev, Literal& out) {
  if (r == rPrev) out.equalResiduals = true;
  float next = d + (d - dPrev) * r / (rPrev - r);
  if (next > 2.0f) {
    out.end = Literal::End::BeyondTwoMetres;
    return false;
  }
  if (next < 0.00005f) {
    if (d < 0.00005f) {
      out.end = Literal::End::AtZero;
      return false;
    }
    next = d / 2.0f;
  }
  rPrev = r;
  dPrev = d;
  d = next;
  return true;
}

// Surface temperature target, below the bare surface temperature.
inline Literal LiteralSurfaceTemperature(const PhysicsInput& in, const LambdaPolynomial& p, float target) {
  const float tm = in.mediumTemperature;
  const float ta = in.ambientTemperature;
  Literal out;
  float d = (tm - target) / (target - ta) * 0.036f / 10.0f;
  float dPrev = 0, rPrev = 0;
  for (int n = 0; n < 100; ++n) {
    const float t[] = {d};
    const ObjectGeometry g = Geometry(in.kind, in.diameter, in.width, in.height, t);
    const float ho = LiteralHo(in, target, g.convectionLength);
    const float ti = LiteralTi(in, p, d, g.perimeter, ho);
    const float qc = p.Integral(target, ti) / ShapeFactor(in.kind, in.diameter, d, g.perimeter);
    const float qs = IsPlane(in.kind) ? ho * (target - ta) : ho * g.perimeter * (target - ta);
    const float r = qc - qs;
    out = {out.end, out.equalResiduals, d, qc, target, ti, ho};
    if (std::fabs(r) < 0.1f) {
      out.end = Literal::End::Found;
      return out;
    }
    if (n == 0) {
      rPrev = r;
      dPrev = d;
      d = d + 0.02f;
    } else if (!LiteralThicknessStep(r, rPrev, d, dPrev, out)) {
      return out;
    }
  }
  out.end = Literal::End::Exhausted;
  return out;
}

// Heat-loss target `limit` (W/m, or W/m² with `perSquareMetre`), below the bare loss.
inline Literal LiteralHeatLoss(const PhysicsInput& in, const LambdaPolynomial& p, float limit,
                               bool perSquareMetre) {
  const float tm = in.mediumTemperature;
  const float ta = in.ambientTemperature;
  const bool cyl = IsCylindrical(in.kind);
  const bool plane = IsPlane(in.kind);
  const auto target = [&](float po) { return perSquareMetre && !plane ? limit * po : limit; };
  const float q0 = target(cyl ? kPi * in.diameter : 2.0f * in.width + 2.0f * in.height);
  const float dT = std::fabs(tm - ta);
  float d = cyl     ? (std::exp(2.0f * kPi * 0.036f * dT / std::fabs(q0)) - 1.0f) * in.diameter / 2.0f
            : plane ? 0.036f * dT / std::fabs(q0)
                    : 0.036f * dT * (2.0f * in.height + 2.0f * in.width) / std::fabs(q0);
  float ts = StartSurfaceTemperature(tm, ta, d);
  bool thicknessPhase = true;
  float rPrev = 0, dPrev = 0, tsPrev = 0;
  Literal out;
  for (int n = 0; n < 100; ++n) {
    const float t[] = {d};
    const ObjectGeometry g = Geometry(in.kind, in.diameter, in.width, in.height, t);
    const float ho = LiteralHo(in, ts, g.convectionLength);
    const float ti = LiteralTi(in, p, d, g.perimeter, ho);
    const bool rect = !cyl && !plane;
    const float qc = rect ? p.Integral(ts, ti) / d * g.perimeter
                          : p.Integral(ts, ti) / ShapeFactor(in.kind, in.diameter, d, g.perimeter);
    const float qs = rect    ? ho * (ts - ta) * g.perimeter
                     : plane ? ho * (ts - ta)
                             : ho * g.perimeter * (ts - ta);
    const float q = target(g.perimeter);
    out = {out.end, out.equalResiduals, d, q, ts, ti, ho};
    if (thicknessPhase) {
      const float r = qc - q;
      if (std::fabs(r) < 0.1f) {
        if (std::fabs(qc - qs) < 0.1f) {
          out.end = Literal::End::Found;
          return out;
        }
        thicknessPhase = false;
        rPrev = qc - qs;
        tsPrev = ts;
        ts = ts + 3.0f;
        if (std::fabs(ts - ta) < 0.1f) ts = ts - 1.0f;
      } else if (n == 0) {
        rPrev = r;
        dPrev = d;
        d = d + 0.02f;
      } else if (!LiteralThicknessStep(r, rPrev, d, dPrev, out)) {
        return out;
      }
    } else {
      const float s = qc - qs;
      if (std::fabs(s) >= 0.1f) {
        if (s == rPrev) out.equalResiduals = true;
        const float next = ts + (ts - tsPrev) * s / (rPrev - s);
        rPrev = s;
        tsPrev = ts;
        ts = next;
      } else if (std::fabs(qc - q) < 0.1f) {
        out.end = Literal::End::Found;
        return out;
      } else {
        thicknessPhase = true;
        rPrev = qc - q;
        dPrev = d;
        d = d + 0.02f;
      }
    }
  }
  out.end = Literal::End::Exhausted;
  return out;
}

// Found, and by the way the rules themselves allow: finite throughout, no division by two
// equal residuals, within 2 m (a start beyond it may be met where it stands), an internal
// lining that leaves the duct open.
inline bool Clean(const Literal& l, const PhysicsInput& in) {
  if (in.kind == ObjectKind::RectDuctInternal && (2.0f * l.d > in.width || 2.0f * l.d > in.height))
    return false;
  if (l.d > 2.0f) return false;
  return l.end == Literal::End::Found && !l.equalResiduals && std::isfinite(l.d) && std::isfinite(l.q) &&
         std::isfinite(l.ts) && std::isfinite(l.ti) && std::isfinite(l.ho);
}

}  // namespace kelvora::testing
