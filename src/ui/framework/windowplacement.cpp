#include "ui/framework/windowplacement.h"

#include <QWidget>

#include "core/framework/platform.h"
#include "core/framework/settingskeys.h"

namespace kelvora {

WindowPlacement WindowPlacement::Of(const QWidget& window) {
  WindowPlacement placement;
  const Qt::WindowStates state = window.windowState();
  if (state & Qt::WindowMinimized) {
    placement.show = kShowMinimized;
    if (state & Qt::WindowMaximized) placement.flags = kRestoreToMaximized;
  } else if (state & Qt::WindowMaximized) {
    placement.show = kShowMaximized;
    placement.maxX = window.x();
    placement.maxY = window.y();
  }
  // The geometry the window returns to when it is neither maximized nor minimized, in the
  // terms setGeometry takes back, so that a restart puts it exactly where it was.
  const QRect normal = window.normalGeometry().isValid() ? window.normalGeometry() : window.geometry();
  placement.left = normal.left();
  placement.top = normal.top();
  placement.right = normal.left() + normal.width();
  placement.bottom = normal.top() + normal.height();
  return placement;
}

void WindowPlacement::ApplyTo(QWidget& window) const {
  window.setWindowState(Qt::WindowNoState);
  if (right > left && bottom > top) window.setGeometry(left, top, right - left, bottom - top);
  // A program that starts minimized looks as if it had not started; it comes up as it
  // would be restored instead.
  const bool maximized = show == kShowMaximized || (show == kShowMinimized && (flags & kRestoreToMaximized));
  if (maximized) {
    window.showMaximized();
  } else {
    window.showNormal();
  }
}

std::array<int*, 10> WindowPlacement::Values() {
  return {&show, &flags, &minX, &minY, &maxX, &maxY, &left, &top, &right, &bottom};
}

void WindowPlacement::Read(const SettingsStore& settings) {
  const auto values = Values();
  for (std::size_t i = 0; i < values.size(); ++i) {
    *values[i] = settings.GetInt(settings::kWindowSection, settings::kWindowKeys[i], *values[i]);
  }
}

void WindowPlacement::Write(SettingsStore& settings) const {
  auto copy = *this;
  const auto values = copy.Values();
  for (std::size_t i = 0; i < values.size(); ++i) {
    settings.SetInt(settings::kWindowSection, settings::kWindowKeys[i], *values[i]);
  }
}

}  // namespace kelvora
