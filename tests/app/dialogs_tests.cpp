// Runs the dialog test classes on their own.
#include "tests/app/dialogs_tests.h"

#include <QTest>

namespace turnsim::testing {

std::vector<AppTestFactory>& DialogTests() {
  static std::vector<AppTestFactory> tests;
  return tests;
}

} // namespace turnsim::testing

int RunDialogsTests(int argc, char** argv) {
  int failed = 0;
  for (const auto& factory : turnsim::testing::DialogTests()) {
    const std::unique_ptr<QObject> test = factory();
    failed += QTest::qExec(test.get(), argc, argv) != 0 ? 1 : 0;
  }
  return failed;
}
