#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QPoint>
#include <QString>
#include <array>
#include <vector>

#include "core/database/isoprodukt.h"

namespace kelvora {

// The ranges and tick steps of the curve's axes. Each range reaches one step beyond the
// points on both sides.
struct CurveAxes {
  float tMin = 0, tMax = 0, tStep = 10;
  float lambdaMin = 0, lambdaMax = 0, lambdaStep = 0.002f;
};
CurveAxes CurveAxesFor(const std::vector<float>& temperatures, const std::vector<float>& lambdas);

// A tick on an axis: where its mark is centred and its label.
struct CurveTick {
  QPoint at;
  QString label;
};

// The conductivity curve of measured points, drawn over the picture "LAMBDAKURVEU". The
// coefficients are the interpolating polynomial through the points.
class CCurveButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit CCurveButton(QWidget* parent = nullptr);

  // False when two temperatures are equal: no polynomial passes through such points, so
  // the points and axes are shown without a curve and the coefficients stay those of the
  // last fit.
  bool SetFourPoints(const std::array<float, 4>& temperatures, const std::array<float, 4>& lambdas);
  bool SetThreePoints(const std::array<float, 3>& temperatures, const std::array<float, 3>& lambdas);

  LambdaPolynomial Coefficients() const { return coefficients; }
  bool Fitted() const { return fitted; }
  bool ThreePoints() const { return threePoints; }
  const CurveAxes& Axes() const { return axes; }

  // Background-picture pixels of a value pair.
  QPoint PixelOf(float temperature, float lambda) const;
  std::vector<QPoint> PointPixels() const { return pointPixels; }
  std::vector<CurveTick> TemperatureTicks() const;
  std::vector<CurveTick> LambdaTicks() const;
  // The curve as a polyline of 20 equal steps in temperature across the axis.
  std::vector<QPoint> CurvePixels() const;

  QImage Drawn() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool SetPoints(const std::array<float, 4>& temperatures, const std::array<float, 4>& lambdas, bool three);

  std::array<float, 4> pointT{};
  std::array<float, 4> pointLambda{};
  std::vector<QPoint> pointPixels;
  LambdaPolynomial coefficients;
  CurveAxes axes;
  bool threePoints = false;
  bool fitted = false;
};

}  // namespace kelvora
