// The Qt Test classes of the dialogs. Each registers itself both here and with the window
// program's test registry, so test_app runs them and RunDialogsTests runs them alone.
#pragma once

#include <memory>
#include <vector>

#include "tests/app/app_test_registry.h"

namespace turnsim::testing {

std::vector<AppTestFactory>& DialogTests();

template <typename T> struct DialogTestRegistration {
  DialogTestRegistration() {
    const AppTestFactory factory = [] { return std::unique_ptr<QObject>(new T); };
    DialogTests().push_back(factory);
    AppTests().push_back(factory);
  }
};

} // namespace turnsim::testing

// Runs every dialog test class with QTest::qExec; returns the number of failed classes.
int RunDialogsTests(int argc, char** argv);
