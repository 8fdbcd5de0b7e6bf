// The interface through which a container and its users reach the control
// hosted inside it.
//
// Classes in this file: IcxContainerInnerControl.
#pragma once

#include "platform/controls/WinControls.h"

// A control that lives inside a container and is positioned by it.
class IcxContainerInnerControl {
public:
  virtual TWinControl* GetControl() = 0;
  // The container (the editor) that owns the control.
  virtual TWinControl* GetControlContainer() = 0;

protected:
  ~IcxContainerInnerControl() = default;
};
