// The window tests' main: one application object (the program's own, so an
// error escaping an event handler is handled as in the program), offscreen.

#include <gtest/gtest.h>

#include "shell/ui/OrdovanApplication.h"

int main(int argc, char** argv) {
  // Also when CTest lists the tests, which happens without the test's environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ordovan::OrdovanApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
