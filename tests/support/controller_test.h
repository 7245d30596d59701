// A controller over throw-away drive folders, with scripted dialogs, no
// printers and a fixed clock: the fixture of the tests that drive it as the
// window and the command line do.
#pragma once

#include <gtest/gtest.h>

#include "printrun/scripted_dialogs.h"
#include "support/fixed_clock.h"
#include "support/test_drives.h"
#include "ui/controller.h"

namespace mc::test {

class ControllerTest : public ::testing::Test {
 protected:
  TempDrives t;
  ScriptedDialogs dialogs;
  FixedPrinterList printers{{}, ""};
  FixedClock today;
  Controller c{t.drives(), dialogs, printers, today};
};

}  // namespace mc::test
