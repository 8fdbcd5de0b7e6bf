// The interfaces an editor reaches the control hosted inside it through: the
// control and its container, and the common operations every inner edit
// answers. The editor never calls its inner control directly.
//
// Classes in this file: IcxCustomInnerEdit, IcxInnerEditHelper.
#pragma once

#include "framework/cxContainerInner.h"
#include "platform/controls/WinControls.h"
#include "platform/objects/Events.h"
#include "platform/rtl/Variants.h"

class IcxCustomInnerEdit : public IcxContainerInnerControl {
public:
  // The platform window procedure of the control, bypassing the library.
  virtual LRESULT CallDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) = 0;
  // The text as a string variant.
  virtual Variant GetEditValue() = 0;
  virtual TNotifyEvent GetOnChange() = 0;
  virtual bool GetReadOnly() = 0;
  virtual void LockBounds(bool lock) = 0;
  virtual void SafelySetFocus() = 0;
  virtual void SetEditValue(const Variant& value) = 0;
  virtual void SetParent(TWinControl* parent) = 0;
  virtual void SetOnChange(const TNotifyEvent& value) = 0;
  virtual void SetReadOnly(bool value) = 0;

protected:
  ~IcxCustomInnerEdit() = default;
};

// Answered by every inner control: the helper that speaks for it.
class IcxInnerEditHelper {
public:
  virtual IcxCustomInnerEdit* GetHelper() = 0;

protected:
  ~IcxInnerEditHelper() = default;
};
