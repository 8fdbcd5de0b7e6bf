// The container: a bordered frame around one inner platform control, drawn
// in the style of its state (normal, focused, disabled, hot) and sized so
// that the inner control fills its client rectangle. Keys and focus given to
// the container go on to the inner control; a change of state, style,
// colour or size recomputes the view info and repaints the frame.
//
// Classes in this file: TcxContainer.
#pragma once

#include "framework/cxContainerStyles.h"
#include "framework/cxContainerViewInfo.h"
#include "framework/cxControlsControl.h"
#include "framework/cxControlsMouseTracking.h"

enum class TcxMouseButton { cxmbNone, cxmbLeft, cxmbRight, cxmbMiddle };

class TcxContainer : public TcxControl,
                     public IcxContainerStyleHost,
                     public IcxMouseTrackingCaller,
                     public IcxCompoundControl {
  OBJECT_CLASS(TcxContainer, TcxControl)
public:
  explicit TcxContainer(TComponent* AOwner);
  ~TcxContainer() override;
  // Makes the styles and the view info of the (virtual) classes.
  void AfterConstruction() override;

  TcxContainerStyle* Style() const { return m_styles->GetStyleNormal(); }
  void SetStyle(TcxContainerStyle* Value) { m_styles->SetStyleNormal(Value); }
  TcxContainerStyle* StyleDisabled() const { return m_styles->GetStyleDisabled(); }
  TcxContainerStyle* StyleFocused() const { return m_styles->GetStyleFocused(); }
  TcxContainerStyle* StyleHot() const { return m_styles->GetStyleHot(); }
  TcxContainerStyle* GetInternalStyle(TcxContainerStateItem AState) const {
    return m_styles->GetStyle(AState);
  }
  TcxContainerStyles* Styles() const { return m_styles.get(); }
  // The style of the view info's state, cached per state.
  TcxContainerStyle* GetActiveStyle();
  TWinControl* InnerControl() const { return m_innerControl; }
  TcxContainerViewInfo* ViewInfo() const { return m_viewInfo.get(); }
  bool IsContainerDestroying() const { return m_isDestroying || GetIsDestroying(); }
  void RestoreStyles() { m_styles->RestoreDefaults(); }

  // Recomputes and repaints at the cursor; false when there is no window,
  // the container is going, or a refresh is running already.
  bool ShortRefreshContainer(bool AIsMouseEvent);
  bool Focused() override;
  // Nothing while the container or its inner control has the focus; the
  // focus the container takes goes on to the inner control.
  void SetFocus() override;

  // IcxContainerStyleHost
  TControl* GetHostControl() override { return this; }
  bool DefaultParentColor() override { return false; }
  bool IsInplace() override { return false; }
  bool IsStylePropertyPublished(const std::string& APropertyName, bool AExtended) override;

  // IcxMouseTrackingCaller
  void MouseLeave() override;
  // IcxCompoundControl
  TWinControl* GetActiveControl() override;

protected:
  virtual void AdjustInnerControl();
  virtual void CalculateViewInfo(const TPoint& P, bool AMouseTracking);
  virtual void ContainerStyleChanged(TObject* Sender);
  virtual TRect GetBorderExtent();
  virtual TcxContainerStyleClass GetStyleClass() const;
  virtual TcxContainerViewInfoClass GetViewInfoClass() const;
  virtual TRect GetVisibleBounds();
  virtual bool HasShadow();
  virtual bool IsNativeStyle();
  virtual TcxContainerStyleValues InternalGetNotPublishedStyleValues() const { return {}; }
  virtual bool RefreshContainer(const TPoint& P, TcxMouseButton AButton, TShiftState AShift,
                                bool AIsMouseEvent);
  virtual void SetShadowRegion();
  virtual void SetSize();
  // Descendants set the control they host.
  void SetInnerControl(TWinControl* AValue) { m_innerControl = AValue; }

  void WndProc(TMessage& Message) override;
  void Paint() override;
  void FocusChanged() override;
  void Resize() override;
  void MouseEnter(TControl* AControl) override;
  void MouseLeave(TControl* AControl) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void CreateHandle() override;

private:
  bool ForwardKey(TMessage& Message);
  bool WMSetFocus(TMessage& Message);
  bool WMKillFocus(TMessage& Message);

  TcxContainerState m_activeStyleState{TcxContainerStateItem::csNormal};
  TcxContainerStyle* m_activeStyle = nullptr;
  TWinControl* m_innerControl = nullptr;
  bool m_isDestroying = false;
  bool m_refreshLocked = false;
  bool m_refreshing = false;
  bool m_internalSetting = false;
  bool m_creating = false;
  TOwned<TcxContainerStyles> m_styles;
  TOwned<TcxContainerViewInfo> m_viewInfo;
};

// Posted to itself once the window exists, for the first refresh.
constexpr UINT CM_SHORTREFRESHCONTAINER = 0x8067;
