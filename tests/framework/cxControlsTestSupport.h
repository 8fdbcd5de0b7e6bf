// The fixture of the control-services tests: the windowing units and the
// library's control unit started, and shown forms to place controls on.
#pragma once

#include "framework/cxControls.h"
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

} // namespace controls_test
