#include "platform/comctrls/CommonControlsClasses.h"

#include "platform/comctrls/ComCtrls.h"
#include "platform/comctrls/ListBoxes.h"
#include "platform/comctrls/TrayIcon.h"

void RegisterCommonControlsClasses() {
  RegisterClasses({
      TStatusBar::StaticClass(),
      TPageControl::StaticClass(),
      TTabSheet::StaticClass(),
      TListBox::StaticClass(),
      TTrayIcon::StaticClass(),
  });
}
