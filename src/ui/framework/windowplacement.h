#pragma once

#include <array>

class QWidget;

namespace kelvora {

class SettingsStore;

// Where the main window stands, as the ten values the settings keep: show state, flags,
// the minimized and maximized positions and the normal rectangle (right and bottom
// exclusive).
struct WindowPlacement {
  static constexpr int kShowNormal = 1;
  static constexpr int kShowMinimized = 2;
  static constexpr int kShowMaximized = 3;
  // A minimized window comes back maximized.
  static constexpr int kRestoreToMaximized = 2;

  int show = kShowNormal;
  int flags = 0;
  int minX = -1, minY = -1;
  int maxX = -1, maxY = -1;
  int left = 0, top = 0, right = 0, bottom = 0;

  static WindowPlacement Of(const QWidget& window);
  void ApplyTo(QWidget& window) const;

  // Each key missing from the settings keeps the value it has here.
  void Read(const SettingsStore& settings);
  void Write(SettingsStore& settings) const;

  bool operator==(const WindowPlacement&) const = default;

 private:
  std::array<int*, 10> Values();
};

}  // namespace kelvora
