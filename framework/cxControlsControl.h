// The base of the library's windowed controls. On top of the platform's
// custom control it adds a TcxCanvas over the control's canvas, an owned
// look-and-feel whose painter draws the border, the keys it answers to the
// dialog manager, a popup menu of either kind, a mouse-capture object,
// focus on click, the wheel turned into scrolling, font listeners, and a
// window procedure that stops touching the control once a handler freed it.
// Its own scroll bars and size grip are in cxControlsScrollBars.
// Nearly everything is a virtual operation descendants override.
//
// Classes in this file: IcxMouseCaptureObject, IcxCompoundControl,
// TcxControl, TcxControlChildComponent.
#pragma once

#include <vector>

#include "framework/cxClasses.h"
#include "framework/cxControlsDragDrop.h"
#include "framework/cxControlsUtils.h"
#include "framework/cxGraphicsCanvas.h"
#include "framework/cxLookAndFeels.h"
#include "platform/controls/WinControls.h"

enum class TcxControlBorderStyle { cxcbsNone, cxcbsDefault };
ENUM_NAMES(TcxControlBorderStyle, "cxcbsNone", "cxcbsDefault");

enum class TcxKey { kAll, kArrows, kChars, kTab };
using TcxKeys = Set<TcxKey>;

enum class TcxDragAndDropState { ddsNone, ddsStarting, ddsInProcess };

enum class TcxMouseWheelScrollingKind { mwskNone, mwskHorizontal, mwskVertical };

// An object that holds a control's mouse capture.
class IcxMouseCaptureObject : public virtual IInterface {
public:
  static constexpr TGUID IID = StringToGUID("{ACB73657-6066-4564-9A3D-D4D0273AA82F}");
  // The object has lost the capture.
  virtual void DoCancelMode() = 0;

protected:
  ~IcxMouseCaptureObject() = default;
};

// A control made of inner controls, one of which is active.
class IcxCompoundControl : public virtual IInterface {
public:
  static constexpr TGUID IID = StringToGUID("{A4A77F28-1D03-425B-9A83-0B853B5D8DEF}");
  virtual TWinControl* GetActiveControl() = 0;

protected:
  ~IcxCompoundControl() = default;
};

class TcxControlChildComponent;
class TcxControlScrollBar;
class TcxSizeGrip;

class TcxControl : public TCustomControl, public IcxLookAndFeelContainer {
  OBJECT_CLASS(TcxControl, TCustomControl)
public:
  explicit TcxControl(TComponent* owner);
  ~TcxControl() override;

  void AfterConstruction() override;
  void BeforeDestruction() override;

  // The canvas wrapper: over the control's own canvas; ActiveCanvas is a
  // screen canvas while the control has no window.
  TcxCanvas* Canvas() const { return m_canvas.get(); }
  TcxCanvas* ActiveCanvas() { return GetActiveCanvas(); }
  TcxCanvas* GetActiveCanvas();

  TcxControlBorderStyle BorderStyle() const { return m_borderStyle; }
  void SetBorderStyle(TcxControlBorderStyle value);
  TcxKeys Keys() const { return m_keys; }
  void SetKeys(TcxKeys value) { m_keys = value; }
  TcxLookAndFeel* LookAndFeel() const { return m_lookAndFeel.get(); }
  // Takes the given look-and-feel's values.
  void SetLookAndFeel(TcxLookAndFeel* value) { m_lookAndFeel->Assign(value); }
  // A popup menu, or a component implementing IcxPopupMenu; anything else
  // is stored as none.
  TComponent* PopupMenu() const { return m_popupMenu; }
  void SetPopupMenu(TComponent* value);
  TScrollStyle ScrollBars() const { return m_scrollBars; }
  void SetScrollBars(TScrollStyle value);
  bool ParentBackground() const { return m_parentBackground; }
  void SetParentBackground(bool value);
  bool FocusOnClick() const { return m_focusOnClick; }
  void SetFocusOnClick(bool value) { m_focusOnClick = value; }
  TcxDragAndDropState DragAndDropState() const { return m_dragAndDropState; }
  // Setting none outside FinishDragAndDrop also cancels the mouse mode.
  void SetDragAndDropState(TcxDragAndDropState value);
  // The object carrying the internal drag, made on first need.
  TcxDragAndDropObject* GetDragAndDropObject();
  // The drag object of a drag between controls now over the control.
  TDragObject* GetDragObject() const { return m_dragObject; }
  void HideDragImage();
  void ShowDragImage();
  bool IsCopyDragDrop() { return GetIsCopyDragDrop(); }
  TObject* MouseCaptureObject() const { return m_mouseCaptureObject; }
  // The capture is held exactly while an object is set; the object that
  // had it is told it lost it.
  void SetMouseCaptureObject(TObject* value);

  bool IsDesigning() { return GetIsDesigning(); }
  bool IsDestroying() const { return GetIsDestroying(); }
  bool IsFocused() { return GetIsFocused(); }
  bool IsLoading() const { return GetIsLoading(); }
  bool HScrollBarVisible() { return GetHScrollBarVisible(); }
  bool VScrollBarVisible() { return GetVScrollBarVisible(); }
  bool GetIsLoading() const;
  bool GetIsDestroying() const;
  virtual bool GetHScrollBarVisible();
  virtual bool GetVScrollBarVisible();

  // Reports a bar's parameters from InitScrollBarsParameters: the bar shows
  // when allowed and the content does not fit; content that fits hides it,
  // or leaves it shown and disabled when it may not hide.
  void SetScrollBarInfo(TScrollBarKind kind, int min, int max, int step, int page, int position,
                        bool allowShow, bool allowHide);
  // Between the outermost pair UpdateScrollBars only notes that it is due;
  // the last unlock performs it.
  void LockScrollBars();
  void UnlockScrollBars();

  // Whether the key message is a short-cut of the popup menu of this
  // control or of a library control among its parents.
  bool IsMenuKey(TMessage& message);
  // Only with a window; an absent or empty region invalidates nothing.
  void InvalidateRect(const TRect& rect, bool erase);
  void InvalidateRgn(HRGN region, bool erase);
  // Asks the window and every child to repaint, without erasing.
  void InvalidateWithChildren();
  // Repaints the window and every child now.
  void UpdateWithChildren();
  // Posts a mouse move at the cursor (or a client point) to the window.
  void PostMouseMove();
  void PostMouseMove(TPoint mousePos);
  void ScrollContent(TcxDirection direction);
  void ScrollWindow(int dx, int dy, const TRect& scroll);
  void AddFontListener(IcxFontListener* listener);
  void RemoveFontListener(IcxFontListener* listener);
  // Tells a form designer of a change; there is none in this library.
  void Modified() {}
  // Ends an internal drag, accepted or not; re-entrance does nothing.
  void FinishDragAndDrop(bool accepted);

  const TNotifyEvent& OnFocusChanged() const { return m_onFocusChanged; }
  void SetOnFocusChanged(const TNotifyEvent& e) { m_onFocusChanged = e; }

  void WndProc(TMessage& message) override;
  void Dispatch(TMessage& message) override;

  // IcxLookAndFeelContainer
  TcxLookAndFeel* GetLookAndFeel() override { return GetLookAndFeelValue(); }

protected:
  friend class TcxControlChildComponent;
  friend class TcxControlScrollBar;
  using TCustomControl::BoundsChanged;
  using TCustomControl::FontChanged;

  virtual bool DoShowPopupMenu(TComponent* menu, int x, int y);
  virtual void ParentBackgroundChanged() {}
  virtual void AfterMouseDown(TMouseButton button, int x, int y);
  virtual bool AllowAutoDragAndDropAtDesignTime(int, int, TShiftState) { return true; }
  virtual void BeforeMouseDown(TMouseButton, TShiftState, int, int) {}
  virtual void BringInternalControlsToFront();
  virtual void CancelMouseOperations();
  virtual bool CanFocusOnClick();
  virtual bool CanFocusOnClick(int, int) { return CanFocusOnClick(); }
  virtual bool FocusWhenChildIsClicked(TControl*) { return CanFocusOnClick(); }
  virtual int GetBorderSize();
  virtual TRect GetBounds();
  virtual TRect GetClientBounds();
  virtual TCursor GetCursor(int, int) { return m_defaultCursor; }
  virtual bool GetIsDesigning();
  virtual bool GetIsFocused() { return Focused(); }
  virtual TcxMouseWheelScrollingKind GetMouseWheelScrollingKind();
  virtual bool HasBackground() { return false; }
  virtual void InitControl() { InitScrollBars(); }
  virtual bool IsInternalControl(TControl* control);
  virtual TcxLookAndFeel* GetLookAndFeelValue() { return m_lookAndFeel.get(); }
  virtual TcxCustomLookAndFeelPainterClass GetLookAndFeelPainter();
  virtual void LookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues) {}
  virtual TRect GetHScrollBarBounds();
  virtual TRect GetSizeGripBounds();
  virtual TRect GetVScrollBarBounds();
  virtual void InitScrollBarsParameters() {}
  virtual bool IsPixelScrollBar(TScrollBarKind) { return false; }
  virtual bool NeedsScrollBars() { return true; }
  virtual bool NeedsToBringInternalControlsToFront() { return true; }
  virtual void Scroll(TScrollBarKind, TScrollCode, int&) {}
  virtual void SetInternalControlsBounds();
  virtual void UpdateInternalControlsState();
  virtual void UpdateScrollBars();
  virtual bool GetIsCopyDragDrop() { return IsCtrlPressed(); }
  virtual bool CanFocusEx();
  virtual bool AcceptMousePosForClick(int x, int y);

  virtual void ColorChanged() {}
  virtual void VisibleChanged() {}
  virtual void AddChildComponent(TcxControlChildComponent* child);
  virtual void RemoveChildComponent(TcxControlChildComponent* child);
  virtual bool AllowDragAndDropWithoutFocus() { return false; }
  virtual void BoundsChanged() { UpdateScrollBars(); }
  virtual bool CanDrag(int, int) { return m_dragAndDropState == TcxDragAndDropState::ddsNone; }
  virtual void CursorChanged() { m_defaultCursor = Cursor(); }
  virtual void DoCancelMode();
  virtual void FocusChanged();
  virtual void FontChanged();
  virtual bool GetDesignHitTest(int, int, TShiftState);
  virtual bool MayFocus() { return true; }
  virtual void MouseEnter(TControl* control);
  virtual void MouseLeave(TControl* control);
  virtual void TextChanged() {}
  // The internal drag machine: a press may start it (StartDragAndDrop),
  // moving out of the drag square begins it, every move drives it, and it
  // ends accepted or not. The base never starts one.
  virtual void DragAndDrop(const TPoint& p, bool& accepted);
  virtual void EndDragAndDrop(bool accepted);
  virtual bool StartDragAndDrop(const TPoint&) { return false; }
  virtual void BeginDragAndDrop();
  virtual TcxDragAndDropObjectClass GetDragAndDropObjectClass();
  // Drags between controls: the drag object's class and a last word on
  // starting; the images are drawn by the control when it has any.
  virtual TDragControlObjectClass GetDragObjectClass();
  virtual bool StartDrag(TDragObject*) { return true; }
  virtual bool HasDragImages() { return false; }
  virtual TSize GetDragImagesSize() { return {0, 0}; }
  virtual TcxDragImageListClass GetDragImagesClass();
  virtual void DrawDragImage(TcxCanvas*, const TRect&) {}
  virtual void InitDragImages(TDragImageList* list);
  TDragImageList* GetDragImages() override;
  void DoStartDrag(TDragObject*& dragObject) override;
  void DoEndDrag(TObject* target, int x, int y) override;
  void DragOver(TObject* source, int x, int y, TDragState state, bool& accept) override;
  // The middle-button auto-scroll: a modal loop until a click, Esc, or the
  // middle button's release after the mouse has left the neutral zone.
  void DoScrolling();

  void Resize() override;
  void DoContextPopup(TPoint mousePos, bool& handled) override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
  TPopupMenu* GetPopupMenu() override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

  void Notification(TComponent* component, TOperation operation) override;
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWindowHandle() override;
  void Paint() override;

  bool IsMouseInPressedArea(int x, int y);
  void CreateScrollBars();
  void DestroyScrollBars();
  // Creates or destroys the bars as NeedsScrollBars says, and parents them
  // once the window exists.
  void CheckNeedsScrollBars();
  void InitScrollBars();
  TcxControlScrollBar* HScrollBar() const { return m_hScrollBar; }
  TcxControlScrollBar* VScrollBar() const { return m_vScrollBar; }
  TcxSizeGrip* SizeGrip() const { return m_sizeGrip; }
  bool HasScrollBars() const { return m_hScrollBar && m_vScrollBar && m_sizeGrip; }
  TPoint MouseDownPos() const { return m_mouseDownPos; }
  bool MouseButtonPressed() const { return m_mouseButtonPressed; }

private:
  void LookAndFeelChangedHandler(TcxLookAndFeel* sender, TcxLookAndFeelValues values);
  void CallAfterMouseDown(TWMMouse press, TMouseButton button);
  // A left press in the automatic drag mode goes straight to the handlers,
  // past the platform's own drag start: AfterMouseDown starts the drag.
  bool IsOwnDragPress(TMessage& message);
  void DispatchOwnDragPress(TMessage& message);
  void PaintHidingDragImage(TMessage& message);
  void WMContextMenu(TMessage& message);
  void WMGetDlgCode(TMessage& message);
  void CNKeyDown(TMessage& message);
  void CMMouseEnterLeave(TMessage& message, bool enter);
  void CMDesignHitTest(TMessage& message);
  bool ScrollByWheel(int wheelDelta);
  TcxControlScrollBar* ScrollBarOf(TScrollBarKind kind) const;
  int ScrollBarPosition(TScrollBarKind kind) const;
  void ScrollBarScroll(TObject* sender, TScrollCode code, int& position);
  void CalculateScrollBarsParams();
  void JoinPixelScrollBars();
  void ShowOscillatingScrollBars();
  void PlaceInternalControls();
  void CMNCSizeChanged();
  // A bar or the grip freed by someone else is no longer the control's.
  void ForgetInternalControl(TComponent* component);

  TOwned<TcxScreenCanvas> m_activeCanvas;
  TcxControlBorderStyle m_borderStyle = TcxControlBorderStyle::cxcbsNone;
  TOwned<TcxCanvas> m_canvas;
  TCursor m_defaultCursor = crDefault;
  TcxDragAndDropState m_dragAndDropState = TcxDragAndDropState::ddsNone;
  TOwned<TcxDragAndDropObject> m_dragAndDropObject;
  TCursor m_dragAndDropPrevCursor = crDefault;
  TOwned<TDragImageList> m_dragImages;
  TDragObject* m_dragObject = nullptr;
  bool m_finishingDragAndDrop = false;
  bool m_focusOnClick = true;
  std::vector<IcxFontListener*> m_fontListeners;
  TcxKeys m_keys;
  TOwned<TcxLookAndFeel> m_lookAndFeel;
  TObject* m_mouseCaptureObject = nullptr;
  bool m_mouseButtonPressed = false;
  TPoint m_mouseDownPos{};
  TComponent* m_popupMenu = nullptr;
  TScrollStyle m_scrollBars = TScrollStyle::ssBoth;
  TcxControlScrollBar* m_hScrollBar = nullptr;
  TcxControlScrollBar* m_vScrollBar = nullptr;
  TcxSizeGrip* m_sizeGrip = nullptr;
  int m_scrollBarsLockCount = 0;
  bool m_scrollBarsUpdateNeeded = false;
  bool m_updatingScrollBars = false;
  bool m_calculatingScrollBarsParams = false;
  bool m_initialHScrollBarVisible = false;
  bool m_initialVScrollBarVisible = false;
  bool m_scrollBarsOscillating = false;
  bool m_lastParentBackground = true;
  bool m_parentBackground = true;
  TNotifyEvent m_onFocusChanged;
};

// A component that belongs to a library control and is stored in form
// definitions as its child.
class TcxControlChildComponent : public TcxComponent {
  OBJECT_CLASS(TcxControlChildComponent, TcxComponent)
public:
  explicit TcxControlChildComponent(TComponent* owner);
  // With 'assignOwner' the control's owner owns the new component, else
  // nothing does.
  TcxControlChildComponent(TcxControl* control, bool assignOwner);
  ~TcxControlChildComponent() override;

  void AfterConstruction() override;

  TcxControl* Control() const { return m_control; }
  // Keeps a free notification on the control, so that a child outliving it
  // forgets it.
  virtual void SetControl(TcxControl* value);

  TComponent* GetParentComponent() const override { return m_control; }
  bool HasParent() const override { return m_control != nullptr; }
  void SetParentComponent(TComponent* value) override;

protected:
  virtual void Initialize() {}
  void Notification(TComponent* component, TOperation operation) override;

private:
  TcxControl* m_control = nullptr;
};
