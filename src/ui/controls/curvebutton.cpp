#include "ui/controls/curvebutton.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/framework/cformat.h"
#include "ui/controls/controlpictures.h"

namespace kelvora {

namespace {

constexpr int kLeft = 60;     // x of TMin
constexpr int kWidth = 500;   // pixels from TMin to TMax
constexpr int kBottom = 350;  // y of λMin
constexpr int kHeight = 300;  // pixels from λMin to λMax
constexpr int kCurveSteps = 20;

// Values from `first` in steps up to `last`; a thousandth of a step absorbs the rounding
// of the float sums, so the last tick is not lost.
std::vector<float> Steps(float first, float last, float step) {
  std::vector<float> values;
  if (!(step > 0)) return values;
  for (int i = 0;; ++i) {
    const float value = first + static_cast<float>(i) * step;
    if (value > last + step / 1000) break;
    values.push_back(value);
  }
  return values;
}

struct LambdaScale {
  float step;
  float factor;
};

LambdaScale LambdaScaleFor(float span) {
  if (span > 25) return {2.5f, 50};
  if (span > 10) return {1, 50};
  if (span > 5) return {0.5f, 50};
  if (span > 2.5f) return {0.25f, 50};
  if (span > 1) return {0.1f, 50};
  if (span > 0.5f) return {0.1f, 50};
  if (span > 0.25f) return {0.05f, 50};
  if (span > 0.1f) return {0.02f, 50};
  if (span > 0.05f) return {0.01f, 100};
  if (span > 0.025f) return {0.005f, 200};
  return {0.002f, 500};
}

float TemperatureStepFor(float span) {
  if (span > 800) return 200;
  if (span > 400) return 100;
  if (span > 200) return 50;
  if (span > 100) return 25;
  return 10;
}

}  // namespace

CurveAxes CurveAxesFor(const std::vector<float>& temperatures, const std::vector<float>& lambdas) {
  CurveAxes axes;
  if (temperatures.empty() || lambdas.empty()) return axes;
  const auto [tLow, tHigh] = std::minmax_element(temperatures.begin(), temperatures.end());
  axes.tStep = TemperatureStepFor(*tHigh - *tLow);
  axes.tMin = std::trunc(*tLow / axes.tStep) * axes.tStep - axes.tStep;
  axes.tMax = std::trunc(*tHigh / axes.tStep) * axes.tStep + axes.tStep;

  const auto [lLow, lHigh] = std::minmax_element(lambdas.begin(), lambdas.end());
  const LambdaScale scale = LambdaScaleFor(*lHigh - *lLow);
  axes.lambdaStep = scale.step;
  axes.lambdaMin = std::trunc(*lLow * scale.factor) / scale.factor - scale.step;
  axes.lambdaMax = std::trunc(*lHigh * scale.factor) / scale.factor + scale.step;
  return axes;
}

CCurveButton::CCurveButton(QWidget* parent) : QAbstractButton(parent) {
  const QImage background = LoadControlPicture("LAMBDAKURVEU");
  if (!background.isNull()) setFixedSize(background.size());
  setFocusPolicy(Qt::NoFocus);
}

bool CCurveButton::SetFourPoints(const std::array<float, 4>& temperatures,
                                 const std::array<float, 4>& lambdas) {
  return SetPoints(temperatures, lambdas, false);
}

bool CCurveButton::SetThreePoints(const std::array<float, 3>& temperatures,
                                  const std::array<float, 3>& lambdas) {
  return SetPoints({temperatures[0], temperatures[1], temperatures[2], 0},
                   {lambdas[0], lambdas[1], lambdas[2], 0}, true);
}

bool CCurveButton::SetPoints(const std::array<float, 4>& temperatures, const std::array<float, 4>& lambdas,
                             bool three) {
  pointT = temperatures;
  pointLambda = lambdas;
  threePoints = three;
  const std::size_t count = three ? 3 : 4;
  axes = CurveAxesFor({pointT.begin(), pointT.begin() + count},
                      {pointLambda.begin(), pointLambda.begin() + count});
  pointPixels.clear();
  for (std::size_t i = 0; i < count; ++i) pointPixels.push_back(PixelOf(pointT[i], pointLambda[i]));
  const auto fit = FitLambdaPolynomial(temperatures, lambdas, three);
  fitted = fit.has_value();
  if (fit) coefficients = *fit;
  update();
  return fitted;
}

QPoint CCurveButton::PixelOf(float temperature, float lambda) const {
  const double x = std::trunc((temperature - axes.tMin) / (axes.tMax - axes.tMin) * kWidth) + kLeft;
  const double y =
      kBottom - std::trunc((lambda - axes.lambdaMin) / (axes.lambdaMax - axes.lambdaMin) * kHeight);
  // Far beyond the axes (a steep curve) the pixel only has to stay off the picture.
  return {static_cast<int>(std::clamp(x, -1e5, 1e5)), static_cast<int>(std::clamp(y, -1e5, 1e5))};
}

std::vector<CurveTick> CCurveButton::TemperatureTicks() const {
  std::vector<CurveTick> ticks;
  for (const float t : Steps(axes.tMin, axes.tMax, axes.tStep)) {
    ticks.push_back({PixelOf(t, axes.lambdaMin), QString::fromStdString(FormatC("%.0f", {t}))});
  }
  return ticks;
}

std::vector<CurveTick> CCurveButton::LambdaTicks() const {
  std::vector<CurveTick> ticks;
  for (const float lambda : Steps(axes.lambdaMin, axes.lambdaMax, axes.lambdaStep)) {
    ticks.push_back({PixelOf(axes.tMin, lambda), QString::fromStdString(FormatC("%.3f", {lambda}))});
  }
  return ticks;
}

std::vector<QPoint> CCurveButton::CurvePixels() const {
  std::vector<QPoint> pixels;
  for (const float t : Steps(axes.tMin, axes.tMax, (axes.tMax - axes.tMin) / kCurveSteps)) {
    pixels.push_back(PixelOf(t, coefficients.At(t)));
  }
  return pixels;
}

QImage CCurveButton::Drawn() const {
  QImage image = LoadControlPicture("LAMBDAKURVEU");
  if (image.isNull()) {
    image = QImage(600, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
  }
  QPainter painter(&image);
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(9);
  painter.setFont(font);
  const QFontMetrics metrics(font);
  painter.setPen(Qt::black);
  for (const CurveTick& tick : TemperatureTicks()) {
    painter.drawLine(tick.at.x(), tick.at.y() - 5, tick.at.x(), tick.at.y() + 5);
    const int width = metrics.horizontalAdvance(tick.label);
    painter.drawText(tick.at.x() - width / 2, tick.at.y() + 10 + metrics.ascent(), tick.label);
  }
  for (const CurveTick& tick : LambdaTicks()) {
    painter.drawLine(tick.at.x() - 5, tick.at.y(), tick.at.x() + 5, tick.at.y());
    const int width = metrics.horizontalAdvance(tick.label);
    painter.drawText(tick.at.x() - 10 - width, tick.at.y() - 5 + metrics.ascent(), tick.label);
  }
  if (fitted) {
    painter.setPen(QPen(QColor(0, 0, 255), 1));
    const std::vector<QPoint> curve = CurvePixels();
    painter.drawPolyline(curve.data(), static_cast<int>(curve.size()));
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  for (const QPoint& point : pointPixels) painter.drawRect(point.x() - 2, point.y() - 2, 4, 4);
  return image;
}

void CCurveButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, Drawn());
}

}  // namespace kelvora
