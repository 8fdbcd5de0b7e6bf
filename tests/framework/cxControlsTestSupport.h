// The fixture of the control-services tests: the windowing units and the
// library's control unit started, and shown forms to place controls on.
#pragma once

#include "framework/cxControls.h"
#include "framework/cxGraphics.h"
#include "framework/cxLookAndFeelPainters.h"
#include "framework/cxLookAndFeels.h"
#include "tests/platform/controls/ControlsTestSupport.h"

namespace controls_test {

class TControlServicesTest : public TControlsTest {
protected:
  static void SetUpTestSuite() {
    TControlsTest::SetUpTestSuite();
    const TUnitInfo units[] = {cxControlsUnit};
    ProgramUnits().Start(units);
  }

  TForm* ShownForm(int left = 100, int top = 100) {
    TForm* form = Create<TForm>(Application, 0);
    form->SetBounds(left, top, 400, 300);
    form->Show();
    return form;
  }
};

// Also the drawing and look-and-feel units, for one suite only: started
// before its first test and stopped after its last, before the program ends.
class TLookAndFeelControlTest : public TControlServicesTest {
protected:
  static void SetUpTestSuite() {
    TControlServicesTest::SetUpTestSuite();
    const TUnitInfo units[] = {cxGraphicsUnit, cxLookAndFeelPaintersUnit, cxLookAndFeelsUnit};
    LocalUnits().Start(units);
  }
  static void TearDownTestSuite() { LocalUnits().Stop(); }

private:
  static TUnitStartup& LocalUnits() {
    static TUnitStartup units;
    return units;
  }
};

} // namespace controls_test
