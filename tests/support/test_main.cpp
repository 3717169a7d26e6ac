// The main function of every test executable: runs each registered test class with the
// command line given. Window tests (KINVALE_TEST_WIDGETS) get a QApplication.
#include "support/test_main.h"

#include <QtTest>
#include <memory>
#include <vector>
#ifdef KINVALE_TEST_WIDGETS
#include <QApplication>
#endif

namespace kinvale::testing {

namespace {
std::vector<TestFactory>& Registered() {
  static std::vector<TestFactory> tests;
  return tests;
}
}  // namespace

bool RegisterTest(TestFactory make) {
  Registered().push_back(make);
  return true;
}

}  // namespace kinvale::testing

int main(int argc, char** argv) {
#ifdef KINVALE_TEST_WIDGETS
  QApplication app(argc, argv);
  app.setAttribute(Qt::AA_Use96Dpi, true);  // as QTEST_MAIN sets it
#else
  QCoreApplication app(argc, argv);
#endif
  bool failed = false;
  for (const kinvale::testing::TestFactory make : kinvale::testing::Registered()) {
    const std::unique_ptr<QObject> test(make());
    failed = QTest::qExec(test.get(), argc, argv) != 0 || failed;
  }
  return failed ? 1 : 0;
}
