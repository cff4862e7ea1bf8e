#pragma once

#include <QObject>
#include <functional>
#include <vector>

// Every Qt test class of the executable registers itself here; main() runs them all.
std::vector<std::function<QObject*()>>& UiTestFactories();

template <class T>
struct RegisterUiTest {
  RegisterUiTest() {
    UiTestFactories().push_back([] { return new T; });
  }
};
