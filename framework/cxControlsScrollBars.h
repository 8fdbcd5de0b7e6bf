// The scroll bars and the size grip a library control places itself at the
// bottom and right edge of its bounds, instead of the window's own scroll
// bars. A descendant reports each bar's range with SetScrollBarInfo; the
// control shows, hides or disables the bars from what was reported (the
// operations of TcxControl that do this live in cxControlsScrollBars.cpp).
//
// Classes in this file: TcxScrollBarData, TcxControlScrollBar, TcxSizeGrip.
#pragma once

#include "framework/cxScrollBar.h"

class TcxControl;

// The parameters reported for one bar, waiting to be applied to it.
struct TcxScrollBarData {
  int Min = 0;
  int Max = 0;
  int Position = 0;
  int PageSize = 0;
  TScrollBarInc SmallChange = 1;
  TScrollBarInc LargeChange = 1;
  bool Enabled = true;
  bool Visible = false;
  bool AllowShow = false;
  bool AllowHide = false;
};

// A painter-drawn scroll bar living inside a library control: hidden until
// the control shows it, never a tab stop, and its look follows the
// control's look-and-feel. A press on it first gives the control the focus
// when the control wants it.
class TcxControlScrollBar : public TcxScrollBar {
  OBJECT_CLASS(TcxControlScrollBar, TcxScrollBar)
public:
  explicit TcxControlScrollBar(TComponent* AOwner);

  TcxScrollBarData& Data() { return m_data; }
  // Moves the pending parameters into the bar: range, position, page and
  // steps when it is to be visible, then its enabled state and visibility.
  void ApplyData();
  bool GetVisible() const { return Visible(); }

  void WndProc(TMessage& Message) override;

protected:
  virtual void FocusParent();

private:
  TcxScrollBarData m_data;
};

// The square between the two bars.
class TcxSizeGrip : public TCustomControl {
  OBJECT_CLASS(TcxSizeGrip, TCustomControl)
public:
  explicit TcxSizeGrip(TComponent* AOwner);

protected:
  void Paint() override;
};
