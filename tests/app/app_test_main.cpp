// Runs every registered Qt Test class of the window program on one QApplication; the exit
// status counts the failed classes. Arguments are passed to each class (-v2, function names).
#include <QApplication>
#include <QTest>

#include "tests/app/app_test_registry.h"

namespace turnsim::testing {

std::vector<AppTestFactory>& AppTests() {
  static std::vector<AppTestFactory> tests;
  return tests;
}

} // namespace turnsim::testing

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int failed = 0;
  for (const auto& factory : turnsim::testing::AppTests()) {
    const std::unique_ptr<QObject> test = factory();
    failed += QTest::qExec(test.get(), argc, argv) != 0 ? 1 : 0;
  }
  return failed;
}
