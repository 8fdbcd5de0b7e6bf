// The root of every visual control: position and size in its parent,
// alignment, visibility, enabling, colour and font (optionally the parent's),
// cursor, hint, popup menu, text, the message dispatch every control shares
// and the mouse behaviour of the platform (click and double click order,
// capture, wheel, context menu).
//
// Messages: WindowProc (replaceable) calls WndProc, which does the mouse and
// key preliminaries and calls Dispatch; each class's Dispatch is one flat
// switch over the messages it handles, passing the rest to its parent
// class's Dispatch, down to DefaultHandler.
//
// Classes in this file: TControl, TControlLife.
#pragma once

#include <memory>
#include <string>

#include "platform/controls/ControlAnchors.h"
#include "platform/controls/ControlTypes.h"
#include "platform/controls/MessageRecords.h"
#include "platform/controls/SizeConstraints.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/objects/Components.h"

class TControl;
class TWinControl;
class TPopupMenu;
class TCustomForm;
class TDragImageList;
namespace controls_detail {
struct TDragAccess;
}

using TWndMethod = TDelegate<void(TMessage& Message)>;

// A weak link to a control that tells whether the control still exists.
// Code that runs handlers takes one first, and touches nothing of the
// control afterwards when the handler freed it.
class TControlLife {
public:
  explicit TControlLife(const TControl* control);
  bool Alive() const { return *m_alive; }
  explicit operator bool() const { return Alive(); }

private:
  std::shared_ptr<const bool> m_alive;
};

class TControl : public TComponent {
  OBJECT_CLASS(TControl, TComponent)
public:
  static void Publish(TPublisher& p);

  explicit TControl(TComponent* owner);
  ~TControl() override;

  void BeforeDestruction() override;

  // Parent and position.
  TWinControl* Parent() const { return m_parent; }
  virtual void SetParent(TWinControl* parent);
  // The four setters mark their value for scaling (ScalingFlags).
  int Left() const { return m_left; }
  void SetLeft(int value);
  int Top() const { return m_top; }
  void SetTop(int value);
  int Width() const { return m_width; }
  void SetWidth(int value);
  int Height() const { return m_height; }
  void SetHeight(int value);
  TRect BoundsRect() const { return Bounds(m_left, m_top, m_width, m_height); }
  void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top); }
  virtual void SetBounds(int left, int top, int width, int height);
  // The client area in the control's own coordinates.
  virtual TRect ClientRect();
  int ClientWidth() { return ClientRect().Right; }
  virtual void SetClientWidth(int value);
  int ClientHeight() { return ClientRect().Bottom; }
  virtual void SetClientHeight(int value);
  // The client area's top-left corner in the parent's client coordinates
  // (differs from Left/Top for windowed controls with borders).
  virtual TPoint ClientOrigin();
  TPoint ClientToScreen(TPoint point);
  TPoint ScreenToClient(TPoint point);
  TAlign Align() const { return m_align; }
  void SetAlign(TAlign align);
  // The parent's edges the control keeps its distance to (ControlAnchors.h).
  TAnchors Anchors() const { return m_anchors; }
  void SetAnchors(TAnchors anchors);
  // The least and greatest size SetBounds lets the control take.
  TSizeConstraints* Constraints() const { return m_constraints.get(); }
  void SetConstraints(TSizeConstraints* value);

  // Visibility and enabling.
  bool Visible() const { return m_visible; }
  virtual void SetVisible(bool visible);
  void Show();
  void Hide();
  // Visible, and every parent up to a form showing too.
  virtual bool Showing() const;
  bool Enabled() const { return m_enabled; }
  void SetEnabled(bool enabled);

  // Looks.
  TColor Color() const { return m_color; }
  void SetColor(TColor color);
  bool ParentColor() const { return m_parentColor; }
  void SetParentColor(bool value);
  TFont* Font() const { return m_font.get(); }
  void SetFont(TFont* font) { m_font->Assign(font); }
  bool ParentFont() const { return m_parentFont; }
  void SetParentFont(bool value);
  TCursor Cursor() const { return m_cursor; }
  void SetCursor(TCursor cursor);
  const std::string& Hint() const { return m_hint; }
  void SetHint(const std::string& hint) { m_hint = hint; }
  // Setting ShowHint stops following the parent's (ParentShowHint).
  bool ShowHint() const { return m_showHint; }
  void SetShowHint(bool value);
  bool ParentShowHint() const { return m_parentShowHint; }
  void SetParentShowHint(bool value);
  // The sunken three-dimensional look of bordered windows; setting it stops
  // following the parent's (ParentCtl3D).
  bool Ctl3D() const { return m_ctl3D; }
  void SetCtl3D(bool value);
  bool ParentCtl3D() const { return m_parentCtl3D; }
  void SetParentCtl3D(bool value);
  TPopupMenu* PopupMenu() const { return m_popupMenu; }
  void SetPopupMenu(TPopupMenu* menu);

  // The text: the caption of labels and forms, the contents of edits.
  // Kept by the control while it has no window; served to WM_GETTEXT and
  // WM_SETTEXT either way.
  std::string Text();
  void SetText(const std::string& text);
  std::string Caption() { return Text(); }
  void SetCaption(const std::string& caption) { SetText(caption); }
  int GetTextLen();

  TControlStyle ControlStyle() const { return m_controlStyle; }
  void SetControlStyle(TControlStyle style) { m_controlStyle = style; }
  TControlState ControlState() const { return m_controlState; }
  void SetControlState(TControlState state) { m_controlState = state; }

  // Scaling: multiplies position, size, limits and own font by m / d. While
  // the control is being read only what was read is scaled; ScalingFlags
  // tells what that is, and is cleared by every scale.
  TScalingFlags ScalingFlags() const { return m_scalingFlags; }
  void SetScalingFlags(TScalingFlags flags) { m_scalingFlags = flags; }

  // Painting.
  virtual void Invalidate();
  virtual void Update();
  virtual void Repaint();
  void Refresh() { Repaint(); }
  void BringToFront() { SetZOrder(true); }
  void SendToBack() { SetZOrder(false); }

  // Messages.
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  const TWndMethod& WindowProc() const { return m_windowProc; }
  void SetWindowProc(const TWndMethod& proc) { m_windowProc = proc; }
  virtual void WndProc(TMessage& message);
  virtual void Dispatch(TMessage& message);
  virtual void DefaultHandler(TMessage& message);

  bool MouseCapture();
  void SetMouseCapture(bool value);

  // Dragging (DragDrop.h runs the drag). A left press starts one by itself
  // in the automatic mode.
  TDragMode DragMode() const { return m_dragMode; }
  virtual void SetDragMode(TDragMode value) { m_dragMode = value; }
  TDragKind DragKind() const { return m_dragKind; }
  virtual void SetDragKind(TDragKind value) { m_dragKind = value; }
  // The cursor over a target that accepts the drop.
  TCursor DragCursor() const { return m_dragCursor; }
  void SetDragCursor(TCursor value) { m_dragCursor = value; }
  // Starts dragging the control: at once, or once the mouse has moved
  // 'threshold' pixels (-1: the mouse's setting). A form cannot be dragged.
  void BeginDrag(bool immediate, int threshold = -1);
  // Ends this control's drag, dropping on the target or not.
  void EndDrag(bool drop);
  bool Dragging() const;
  // Something was dropped on the control (OnDragDrop).
  virtual void DragDrop(TObject* source, int x, int y);
  // Whether the control's client area holds the point (client coordinates).
  bool HasClientPoint(TPoint point);

  void ReadState(TReader& reader) override;
  void Loaded() override;
  bool HasParent() const override { return m_parent != nullptr; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;
  void SetName(const std::string& name) override;

  // Events.
  const TNotifyEvent& OnClick() const { return m_onClick; }
  void SetOnClick(const TNotifyEvent& e) { m_onClick = e; }
  const TNotifyEvent& OnDblClick() const { return m_onDblClick; }
  void SetOnDblClick(const TNotifyEvent& e) { m_onDblClick = e; }
  const TMouseEvent& OnMouseDown() const { return m_onMouseDown; }
  void SetOnMouseDown(const TMouseEvent& e) { m_onMouseDown = e; }
  const TMouseMoveEvent& OnMouseMove() const { return m_onMouseMove; }
  void SetOnMouseMove(const TMouseMoveEvent& e) { m_onMouseMove = e; }
  const TMouseEvent& OnMouseUp() const { return m_onMouseUp; }
  void SetOnMouseUp(const TMouseEvent& e) { m_onMouseUp = e; }
  const TMouseWheelEvent& OnMouseWheel() const { return m_onMouseWheel; }
  void SetOnMouseWheel(const TMouseWheelEvent& e) { m_onMouseWheel = e; }
  const TMouseWheelUpDownEvent& OnMouseWheelDown() const { return m_onMouseWheelDown; }
  void SetOnMouseWheelDown(const TMouseWheelUpDownEvent& e) { m_onMouseWheelDown = e; }
  const TMouseWheelUpDownEvent& OnMouseWheelUp() const { return m_onMouseWheelUp; }
  void SetOnMouseWheelUp(const TMouseWheelUpDownEvent& e) { m_onMouseWheelUp = e; }
  const TNotifyEvent& OnMouseEnter() const { return m_onMouseEnter; }
  void SetOnMouseEnter(const TNotifyEvent& e) { m_onMouseEnter = e; }
  const TNotifyEvent& OnMouseLeave() const { return m_onMouseLeave; }
  void SetOnMouseLeave(const TNotifyEvent& e) { m_onMouseLeave = e; }
  const TNotifyEvent& OnResize() const { return m_onResize; }
  void SetOnResize(const TNotifyEvent& e) { m_onResize = e; }
  const TContextPopupEvent& OnContextPopup() const { return m_onContextPopup; }
  void SetOnContextPopup(const TContextPopupEvent& e) { m_onContextPopup = e; }
  const TDragDropEvent& OnDragDrop() const { return m_onDragDrop; }
  void SetOnDragDrop(const TDragDropEvent& e) { m_onDragDrop = e; }
  const TDragOverEvent& OnDragOver() const { return m_onDragOver; }
  void SetOnDragOver(const TDragOverEvent& e) { m_onDragOver = e; }
  const TStartDragEvent& OnStartDrag() const { return m_onStartDrag; }
  void SetOnStartDrag(const TStartDragEvent& e) { m_onStartDrag = e; }
  const TEndDragEvent& OnEndDrag() const { return m_onEndDrag; }
  void SetOnEndDrag(const TEndDragEvent& e) { m_onEndDrag = e; }

protected:
  friend class TWinControl;
  friend class TControlLife;
  friend struct controls_detail::TDragAccess;

  // Mouse and click behaviour, overridable by descendants.
  virtual void Click();
  virtual void DblClick();
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos);
  virtual bool DoMouseWheelDown(TShiftState shift, TPoint mousePos);
  virtual bool DoMouseWheelUp(TShiftState shift, TPoint mousePos);
  virtual void DoContextPopup(TPoint mousePos, bool& handled);
  virtual TPopupMenu* GetPopupMenu();
  virtual void Resize();
  virtual void FontChanged(TObject* sender);
  // Drag steps: the start may supply its own drag object (OnStartDrag); a
  // drag over the control asks whether it would take the drop (OnDragOver;
  // refused without a handler); the end tells the dragged control where it
  // was dropped (OnEndDrag); the images follow the mouse (none here).
  virtual void DoStartDrag(TDragObject*& dragObject);
  virtual void DragOver(TObject* source, int x, int y, TDragState state, bool& accept);
  virtual void DoEndDrag(TObject* target, int x, int y);
  virtual TDragImageList* GetDragImages() { return nullptr; }
  // The control's drag ended without a drop the target took (Escape, no
  // target, a refusing target, or cancelled from code); told before DoEndDrag.
  virtual void DragCanceled() {}
  // The drag of a left press in the automatic mode, by the mouse's settings.
  void BeginAutoDrag();
  // Told after the bounds changed (windowless: repaints the old and new place).
  virtual void BoundsChanged(const TRect& oldBounds);
  // Announces that the control changed (CM_CHANGED to itself).
  void Changed();
  virtual void ChangeScale(int m, int d);
  // Remembers where the control stands against its parent now, for
  // anchoring (once the control has been read, when it is read).
  void UpdateAnchorRules();
  // Moves the control as its anchors say for a parent client area of 'parentSize'.
  void ApplyAnchors(TPoint parentSize);
  // Told when Constraints changed: the size is brought within them.
  virtual void ConstraintsChanged(TObject* sender);
  // Whether the control may take the new size; may adjust it.
  virtual bool CanResize(int& newWidth, int& newHeight);
  // Whether the control is being read from a form definition.
  bool Loading() const { return ComponentState().Contains(TComponentStateItem::csLoading); }
  void Notification(TComponent* component, TOperation operation) override;
  // Asks the parent to align its children again.
  virtual void RequestAlign();
  void IncludeControlState(TControlStateItem item) { m_controlState.Include(item); }
  void ExcludeControlState(TControlStateItem item) { m_controlState.Exclude(item); }
  // Moves the control above (or below) its siblings.
  virtual void SetZOrder(bool topMost);
  // The control's window text kept without a window, in UTF-16.
  const std::u16string& StoredText() const { return m_text; }
  void SetStoredText(std::u16string text) { m_text = std::move(text); }
  // Stores bounds the window already has, without announcing them.
  void SetBoundsFields(int left, int top, int width, int height);

private:
  void WMMouseButton(TWMMouse message, TMouseButton button, bool doubleClick);
  void WMMouseButtonUp(TWMMouse message, TMouseButton button);
  void WMMouseMove(TWMMouse message);
  void WMMouseWheel(TWMMouseWheel message);
  void WMContextMenu(TWMContextMenu message);
  void CMMouseWheel(TCMMouseWheel message);
  void CMMouseEnterLeave(TCMMouseEnterLeave message, bool enter);
  void CMParentColorChanged(TCMParentColorChanged message);
  void CMParentFontChanged(TCMParentFontChanged message);
  void CMParentShowHintChanged();
  void CMParentCtl3DChanged();
  // Sends the parent-inherited notices (colour, font, hints, 3D look).
  void TakeParentValues();
  void CMEnabledChanged();
  void CMVisibleChanged();
  void CMHitTest(TCMHitTest message);
  void DefaultTextMessage(TMessage& message);
  void WMGetText(TWMGetText message);
  void WMSetText(TWMSetText message);
  void PreprocessMouse(TMessage& message);
  bool StartsAutoDrag(const TMessage& message) const;
  void CMDrag(TCMDrag message);

  TWinControl* m_parent = nullptr;
  int m_left = 0;
  int m_top = 0;
  int m_width = 0;
  int m_height = 0;
  TAlign m_align = TAlign::alNone;
  TAnchors m_anchors = kDefaultAnchors;
  TAnchorPlacement m_anchorPlacement;
  bool m_anchorMove = false;
  TOwned<TSizeConstraints> m_constraints;
  TScalingFlags m_scalingFlags;
  bool m_visible = true;
  bool m_enabled = true;
  TColor m_color = clWindow;
  bool m_parentColor = true;
  TOwned<TFont> m_font;
  bool m_parentFont = true;
  TCursor m_cursor = crDefault;
  std::string m_hint;
  bool m_showHint = false;
  bool m_parentShowHint = true;
  bool m_ctl3D = true;
  bool m_parentCtl3D = true;
  TPopupMenu* m_popupMenu = nullptr;
  TDragMode m_dragMode = TDragMode::dmManual;
  TDragKind m_dragKind = TDragKind::dkDrag;
  TCursor m_dragCursor = crDrag;
  std::u16string m_text;
  TControlStyle m_controlStyle{TControlStyleItem::csCaptureMouse,
                               TControlStyleItem::csClickEvents,
                               TControlStyleItem::csSetCaption,
                               TControlStyleItem::csDoubleClicks};
  TControlState m_controlState;
  int m_wheelAccumulator = 0;
  std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
  TWndMethod m_windowProc;

  TNotifyEvent m_onClick;
  TNotifyEvent m_onDblClick;
  TMouseEvent m_onMouseDown;
  TMouseMoveEvent m_onMouseMove;
  TMouseEvent m_onMouseUp;
  TMouseWheelEvent m_onMouseWheel;
  TMouseWheelUpDownEvent m_onMouseWheelDown;
  TMouseWheelUpDownEvent m_onMouseWheelUp;
  TNotifyEvent m_onMouseEnter;
  TNotifyEvent m_onMouseLeave;
  TNotifyEvent m_onResize;
  TContextPopupEvent m_onContextPopup;
  TDragDropEvent m_onDragDrop;
  TDragOverEvent m_onDragOver;
  TStartDragEvent m_onStartDrag;
  TEndDragEvent m_onEndDrag;
};

// The control that holds the mouse capture (a windowless control captures
// through its parent's window), nil for none.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* control);

// Moves the device context's drawing origin by (dx, dy): what is drawn at
// (0, 0) afterwards lands where (dx, dy) was.
void MoveWindowOrg(HDC dc, int dx, int dy);
