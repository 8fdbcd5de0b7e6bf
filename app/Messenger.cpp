#include "app/Messenger.h"

#include "app/Hesapac.h"
#include "app/Main.h"
#include "app/Mesaj.h"
#include "app/Oturumac.h"
#include "app/Secenekler.h"
#include "data/cxDataStorageValueTypes.h"
#include "editors/cxEdit.h"
#include "editors/cxEditPaintUtils.h"
#include "editors/cxEditUtils.h"
#include "editors/cxFormats.h"
#include "editors/cxTextEditProperties.h"
#include "framework/cxClasses.h"
#include "framework/cxContainerServices.h"
#include "framework/cxControls.h"
#include "framework/cxLookAndFeels.h"
#include "framework/cxGeometry.h"
#include "framework/cxGraphics.h"
#include "framework/dxThemeManager.h"
#include "framework/dxUxTheme.h"
#include "platform/controls/Application.h"
#include "platform/controls/ControlsUnits.h"
#include "platform/rtl/RtlUnits.h"

namespace {

// The program's own units and the control library's, in start order, one a
// line.
const TUnitInfo* const kMessengerUnits[] = {
    &MainUnit,
    &MesajUnit,
    &OturumacUnit,
    &cxGeometryUnit,
    &dxUxThemeUnit,
    &cxClassesUnit,
    &cxGraphicsUnit,
    &dxThemeManagerUnit,
    &cxLookAndFeelPaintersUnit,
    &cxControlsUnit,
    &cxLookAndFeelsUnit,
    &cxEditPaintUtilsUnit,
    &cxFormatsUnit,
    &cxDataStorageUnit,
    &cxContainerUnit,
    &cxEditUnit,
    &cxEditUtilsUnit,
    &cxTextEditPropertiesUnit,
    &HesapacUnit,
    &SeceneklerUnit,
};

} // namespace

void StartMessengerUnits() {
  TUnitStartup& units = ProgramUnits();
  units.Start(RtlUnits());
  units.Start(ControlsUnits());
  for (const TUnitInfo* unit : kMessengerUnits)
    units.Start({unit, 1});
}

void CreateMessengerForms() {
  Application->CreateForm(Main1);
  Application->CreateForm(OturumAc1);
  Application->CreateForm(Mesaj1);
  Application->CreateForm(HesapAc1);
  Application->CreateForm(Secenekler1);
}

int RunMessenger() {
  try {
    Application->Initialize();
    CreateMessengerForms();
    Application->Run();
  } catch (const Exception& error) {
    Application->ShowException(error);
  } catch (...) {
    Application->ShowException(Exception(""));
  }
  return 0;
}
