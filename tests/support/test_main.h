// Several Qt Test classes in one executable: each source registers its class with
// KINVALE_TEST(Class) in place of QTEST_MAIN, and support/test_main.cpp runs them all in turn.
#pragma once

#include <QObject>

namespace kinvale::testing {

using TestFactory = QObject* (*)();
bool RegisterTest(TestFactory make);

}  // namespace kinvale::testing

#define KINVALE_TEST(Class)                                 \
  [[maybe_unused]] static const bool kinvale_test_##Class = \
      ::kinvale::testing::RegisterTest([]() -> QObject* { return new Class; });
