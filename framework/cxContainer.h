// The container: a bordered frame around one inner platform control, drawn
// in the style of its state (normal, focused, disabled, hot) and sized so
// that the inner control fills its client rectangle. Keys and focus given to
// the container go on to the inner control; a change of state, style,
// colour or size recomputes the view info and repaints the frame.
//
// Classes in this file: TcxContainer.
#pragma once

#include "framework/cxContainerInner.h"
#include "framework/cxContainerStyles.h"
#include "framework/cxContainerViewInfo.h"
#include "framework/cxControlsControl.h"
#include "framework/cxControlsMouseTracking.h"

class TcxScrollBar;

enum class TcxMouseButton { cxmbNone, cxmbLeft, cxmbRight, cxmbMiddle };

// Where one of the inner control's own scroll bars lies, in the container's
// client coordinates; all zero when it has no place there.
struct TcxScrollBarBounds {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

// The part of an inner control left visible by the container's client
// rectangle, in the control's own coordinates; Whole when nothing is cut.
struct TcxContainerInnerControlBounds {
  bool Whole = true;
  TRect Rect{};
};

class TcxContainer : public TcxControl,
                     public IcxContainerStyleHost,
                     public IcxMouseTrackingCaller,
                     public IcxCompoundControl {
  OBJECT_CLASS(TcxContainer, TcxControl)
public:
  static void Publish(TPublisher& p);

  explicit TcxContainer(TComponent* AOwner);
  ~TcxContainer() override;
  // Makes the styles and the view info of the (virtual) classes.
  void AfterConstruction() override;

  TcxContainerStyle* Style() const { return m_styles->GetStyleNormal(); }
  void SetStyle(TcxContainerStyle* Value) { m_styles->SetStyleNormal(Value); }
  TcxContainerStyle* StyleDisabled() const { return m_styles->GetStyleDisabled(); }
  void SetStyleDisabled(TcxContainerStyle* Value) { m_styles->SetStyleDisabled(Value); }
  TcxContainerStyle* StyleFocused() const { return m_styles->GetStyleFocused(); }
  void SetStyleFocused(TcxContainerStyle* Value) { m_styles->SetStyleFocused(Value); }
  TcxContainerStyle* StyleHot() const { return m_styles->GetStyleHot(); }
  void SetStyleHot(TcxContainerStyle* Value) { m_styles->SetStyleHot(Value); }
  TcxContainerStyle* GetInternalStyle(TcxContainerStateItem AState) const {
    return m_styles->GetStyle(AState);
  }
  // Assigns into the style of that state.
  void SetInternalStyle(TcxContainerStateItem AState, TcxContainerStyle* Value) {
    m_styles->SetStyle(AState, Value);
  }
  // The normal style's controller, for form designers; writing does nothing.
  TcxStyleController* FakeStyleController() const { return Style()->BaseGetStyleController(); }
  void SetFakeStyleController(TcxStyleController*) {}
  TcxContainerStyles* Styles() const { return m_styles.get(); }
  // The style of the view info's state, cached per state.
  TcxContainerStyle* GetActiveStyle();
  TWinControl* InnerControl() const { return m_innerControl; }
  TcxContainerViewInfo* ViewInfo() const { return m_viewInfo.get(); }
  bool IsContainerDestroying() const { return m_isDestroying || GetIsDestroying(); }
  void RestoreStyles() { m_styles->RestoreDefaults(); }
  // Counters: true locks once more, false unlocks once (never below zero).
  void LockAlignControls(bool ALock);
  bool IsAlignControlsLocked() const { return m_alignControlsLockCount > 0; }
  void LockPopupMenu(bool ALock);
  bool IsPopupMenuLocked() const { return m_popupMenuLockCount > 0; }
  // Set by the inner control while it handles a mouse-button press.
  bool InnerControlMouseDown() const { return m_innerControlMouseDown; }
  void SetInnerControlMouseDown(bool AValue) { m_innerControlMouseDown = AValue; }
  // Whether the region last given to the control differs from these bounds;
  // always true for a control other than the inner control.
  bool IsInnerControlBoundsChanged(TWinControl* AControl,
                                   const TcxContainerInnerControlBounds& ABounds) const;
  void SaveInnerControlBounds(TWinControl* AControl, const TcxContainerInnerControlBounds& ABounds);

  // Recomputes and repaints at the cursor; false when there is no window,
  // the container is going, or a refresh is running already.
  bool ShortRefreshContainer(bool AIsMouseEvent);
  bool Focused() override;
  // Nothing while the container or its inner control has the focus; the
  // focus the container takes goes on to the inner control.
  void SetFocus() override;
  void Invalidate() override;
  void Update() override;
  // The drag mode and kind go on to the inner control too.
  void SetDragMode(TDragMode Value) override;
  void SetDragKind(TDragKind Value) override;
  // The inner control stands in for the container while it is the form's
  // active control; its own children never enter the list.
  void GetTabOrderList(std::vector<TWinControl*>& list) override;
  virtual bool HasPopupWindow() { return false; }
  // Asks the container's bars to follow the inner control's own once the
  // messages waiting now are handled.
  void UpdateScrollBarsParameters();
  // Set while the bars follow the inner control's.
  bool ScrollBarsCalculating() const { return m_scrollBarsCalculating; }

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
  virtual bool IsContainerFocused() { return Focused(); }
  virtual void AdjustInnerControl();
  virtual void CalculateViewInfo(const TPoint& P, bool AMouseTracking);
  virtual void ContainerStyleChanged(TObject* Sender);
  virtual bool CanContainerHandleTabs() { return true; }
  virtual bool CanShowPopupMenu(const TPoint&) { return true; }
  virtual TRect GetBorderExtent();
  // The visible part of AControl inside AArea (the client rectangle).
  virtual TcxContainerInnerControlBounds GetInnerControlBounds(const TRect& AArea,
                                                               TControl* AControl);
  virtual TcxContainerStyleClass GetStyleClass() const;
  virtual TcxContainerViewInfoClass GetViewInfoClass() const;
  virtual TRect GetVisibleBounds();
  virtual bool HasShadow();
  // Whether the transparent margin may be cut out of the window: not for a
  // native frame with a border, which draws itself to the edge.
  virtual bool CanHaveTransparentBorder();
  // The frame as seen, without the transparent margin.
  virtual TRect GetShadowBounds();
  // The style of a state: disabled wins over focused, focused over hot.
  virtual TcxContainerStyle* InternalGetActiveStyle();
  virtual TdxThemedObjectType GetBackgroundThemedObjectType() {
    return TdxThemedObjectType::totEdit;
  }
  virtual int GetBackgroundNativePart() { return 1; }
  virtual int GetBackgroundNativeState();
  // While a copy is painted, clips the canvas to the window's region.
  virtual void SetVisibleBoundsClipRect();
  virtual bool IsContainerClass() { return false; }
  virtual bool IsTransparentBackground() { return false; }
  virtual bool IsNativeStyle();
  // Base: focuses the inner control.
  virtual void SafeSelectionFocusInnerControl();
  virtual void ClearSavedChildControlRegions() { m_innerControlBounds.Whole = true; }
  // Whether the inner control's key message is a short-cut of a popup menu
  // of the container or of a library control around it (result then 1).
  virtual bool InnerControlMenuHandler(TMessage& Message);
  virtual bool InnerControlDefaultHandler(TMessage&) { return false; }
  virtual void DataChange() {}
  virtual void DataSetChange() {}
  virtual void UpdateData() {}
  virtual void EnabledChanged();
  virtual TcxContainerStyleValues InternalGetNotPublishedStyleValues() const { return {}; }
  virtual bool RefreshContainer(const TPoint& P, TcxMouseButton AButton, TShiftState AShift,
                                bool AIsMouseEvent);
  virtual void SetShadowRegion();
  virtual void SetSize();
  // For a descendant whose NeedsScrollBars answers true, the control's bars
  // follow the inner control's own scroll bars: laid over them (unless
  // AIsScrolling, which takes only their range, page and position), hidden
  // with them. Nothing without GetScrollBarInfo on the platform.
  virtual void SetScrollBarsParameters(bool AIsScrolling = false);
  // Lays the bar over the inner control's bar of its direction, or hides it.
  virtual void AdjustScrollBarPosition(TcxScrollBar* AScrollBar);
  virtual TcxScrollBarBounds GetScrollBarBounds(const TRect& AScreenRect);
  virtual bool GetScrollBarEnabled(TcxScrollBar* AScrollBar, const SCROLLBARINFO& AInfo);
  virtual bool GetScrollBarInfo(SCROLLBARINFO& AInfo, TScrollBarKind AKind);
  // Whether the inner control's bar shows (neither invisible nor off-screen).
  virtual bool IsAdjustingScrollBarPositionNeeded(const SCROLLBARINFO& AInfo);
  virtual void SetScrollBarVisible(TcxScrollBar* AScrollBar, bool AVisible);
  // Descendants set the control they host.
  void SetInnerControl(TWinControl* AValue) { m_innerControl = AValue; }

  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void Paint() override;
  void FocusChanged() override;
  void Resize() override;
  void Loaded() override;
  // Scales the style's font with the control when the style has one: its
  // own, or (while read) its controller's, which is scaled only once.
  void ChangeScale(int M, int D) override;
  void MouseEnter(TControl* AControl) override;
  void MouseLeave(TControl* AControl) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // Tab and Shift+Tab move on to the form's next or previous control.
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void DoContextPopup(TPoint MousePos, bool& Handled) override;
  void CreateHandle() override;
  void CreateParams(TCreateParams& Params) override;
  // Made without a caption, the text set afterwards: it never flashes.
  void CreateWindowHandle(const TCreateParams& Params) override;
  void AdjustClientRect(TRect& Rect) override;
  void AlignControls(TControl* AControl, TRect& Rect) override;
  TRect GetClientBounds() override;
  bool CanFocusOnClick() override;
  bool MayFocus() override;
  void ColorChanged() override;
  void CursorChanged() override;
  // The inner control hears of the cancelled drag too.
  void DragCanceled() override;
  // The inner control's, when there is one.
  TDragImageList* GetDragImages() override;
  // The normal style's, once the styles exist.
  TcxLookAndFeel* GetLookAndFeelValue() override;
  // The hosted control scrolls itself; a container has no bars of its own.
  bool NeedsScrollBars() override { return false; }
  bool AllowAutoDragAndDropAtDesignTime(int, int, TShiftState) override { return false; }

private:
  friend TRect GetSizeGripRect(IcxContainerInnerControl* AControl);

  void FollowInnerScrollBar(TcxScrollBar* AScrollBar, int ABar, bool AIsScrolling);
  bool ForwardKey(TMessage& Message);
  bool WMSetFocus(TMessage& Message);
  bool WMKillFocus(TMessage& Message);
  void WMSetCursor(TWMSetCursor Message);
  void WMWindowPosChanging(TMessage& Message);
  void CMFontChanged(TMessage& Message);
  void CMParentColorChanged(TMessage& Message);
  void CMParentFontChanged(TMessage& Message);
  void CMRefreshingMessage(TMessage& Message);

  TcxContainerState m_activeStyleState{TcxContainerStateItem::csNormal};
  TcxContainerStyle* m_activeStyle = nullptr;
  TWinControl* m_innerControl = nullptr;
  TcxContainerInnerControlBounds m_innerControlBounds;
  bool m_innerControlMouseDown = false;
  bool m_isDestroying = false;
  bool m_refreshLocked = false;
  int m_alignControlsLockCount = 0;
  int m_popupMenuLockCount = 0;
  bool m_refreshing = false;
  bool m_scrollBarsCalculating = false;
  bool m_internalSetting = false;
  bool m_creating = false;
  TOwned<TcxContainerStyles> m_styles;
  TOwned<TcxContainerViewInfo> m_viewInfo;
};

// Gives the control's window the region of the bounds (none when the
// bounds are whole), redrawing it.
void SetWindowRegion(TWinControl* AControl, const TcxContainerInnerControlBounds& ABounds);

// Posted to itself once the window exists, for the first refresh.
constexpr UINT CM_SHORTREFRESHCONTAINER = 0x8067;
// Posted to itself for its bars to follow the inner control's.
constexpr UINT CM_UPDATESCROLLBARS = 0x8068;
