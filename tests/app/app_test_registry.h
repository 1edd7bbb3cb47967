// Qt Test classes of the window program register themselves here; one main runs them all.
// In a test file: `static turnsim::testing::AppTestRegistration<MyTest> registration;`
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QObject>

namespace turnsim::testing {

using AppTestFactory = std::function<std::unique_ptr<QObject>()>;

std::vector<AppTestFactory>& AppTests();

template <typename T> struct AppTestRegistration {
  AppTestRegistration() {
    AppTests().push_back([] { return std::unique_ptr<QObject>(new T); });
  }
};

} // namespace turnsim::testing
