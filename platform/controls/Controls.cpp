#include "platform/controls/Controls.h"

#include "platform/controls/Application.h"
#include "platform/controls/DragDrop.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Menus.h"
#include "platform/controls/WinControls.h"
#include "platform/rtl/FlagScope.h"
#include "platform/rtl/ScopeGuards.h"
#include "platform/rtl/WideText.h"

namespace {

using enum TControlStyleItem;
using enum TControlStateItem;

TControl* g_captureControl = nullptr;

} // namespace

TControlLife::TControlLife(const TControl* control) : m_alive(control->m_alive) {}

TControl* GetCaptureControl() {
  TControl* control = FindControl(::GetCapture());
  if (control && g_captureControl && g_captureControl->Parent() == control)
    return g_captureControl;
  return control;
}

void SetCaptureControl(TControl* control) {
  ::ReleaseCapture();
  g_captureControl = nullptr;
  if (!control)
    return;
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (!windowed) {
    if (!control->Parent())
      return;
    g_captureControl = control;
    windowed = control->Parent();
  }
  ::SetCapture(windowed->Handle());
}

void MoveWindowOrg(HDC dc, int dx, int dy) {
  POINT origin;
  ::GetWindowOrgEx(dc, &origin);
  ::SetWindowOrgEx(dc, origin.x - dx, origin.y - dy, nullptr);
}

void TControl::Publish(TPublisher& p) {
  p.Property("Left", &TControl::Left, &TControl::SetLeft);
  p.Property("Top", &TControl::Top, &TControl::SetTop);
  p.Property("Width", &TControl::Width, &TControl::SetWidth);
  p.Property("Height", &TControl::Height, &TControl::SetHeight);
  p.Property("Align", &TControl::Align, &TControl::SetAlign).Default(TAlign::alNone);
  p.Property("Anchors", &TControl::Anchors, &TControl::SetAnchors).Default(kDefaultAnchors);
  p.Property("Constraints", &TControl::Constraints, &TControl::SetConstraints);
  p.Property("Color", &TControl::Color, &TControl::SetColor)
      .Idents(ColorIdents())
      .Stored([](TControl* c) { return !c->ParentColor(); });
  p.Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(true);
  p.Property("Font", &TControl::Font).Stored([](TControl* c) { return !c->ParentFont(); });
  p.Property("ParentFont", &TControl::ParentFont, &TControl::SetParentFont).Default(true);
  p.Property("Cursor", &TControl::Cursor, &TControl::SetCursor)
      .Idents(CursorIdents())
      .Default(crDefault);
  p.Property("Enabled", &TControl::Enabled, &TControl::SetEnabled).Default(true);
  p.Property("Hint", &TControl::Hint, &TControl::SetHint);
  p.Property("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
      .Default(false)
      .Stored([](TControl* c) { return !c->ParentShowHint(); });
  p.Property("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint)
      .Default(true);
  p.Property("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu);
  p.Property("Visible", &TControl::Visible, &TControl::SetVisible).Default(true);
  p.Property("OnClick", &TControl::OnClick, &TControl::SetOnClick);
  p.Property("OnDblClick", &TControl::OnDblClick, &TControl::SetOnDblClick);
  p.Property("OnMouseDown", &TControl::OnMouseDown, &TControl::SetOnMouseDown);
  p.Property("OnMouseMove", &TControl::OnMouseMove, &TControl::SetOnMouseMove);
  p.Property("OnMouseUp", &TControl::OnMouseUp, &TControl::SetOnMouseUp);
  p.Property("OnMouseWheel", &TControl::OnMouseWheel, &TControl::SetOnMouseWheel);
  p.Property("OnMouseEnter", &TControl::OnMouseEnter, &TControl::SetOnMouseEnter);
  p.Property("OnMouseLeave", &TControl::OnMouseLeave, &TControl::SetOnMouseLeave);
  p.Property("OnResize", &TControl::OnResize, &TControl::SetOnResize);
  p.Property("OnContextPopup", &TControl::OnContextPopup, &TControl::SetOnContextPopup);
  p.Property("DragCursor", &TControl::DragCursor, &TControl::SetDragCursor)
      .Idents(CursorIdents())
      .Default(crDrag);
  p.Property("DragKind", &TControl::DragKind, &TControl::SetDragKind).Default(TDragKind::dkDrag);
  p.Property("DragMode", &TControl::DragMode, &TControl::SetDragMode)
      .Default(TDragMode::dmManual);
  p.Property("OnDragDrop", &TControl::OnDragDrop, &TControl::SetOnDragDrop);
  p.Property("OnDragOver", &TControl::OnDragOver, &TControl::SetOnDragOver);
  p.Property("OnStartDrag", &TControl::OnStartDrag, &TControl::SetOnStartDrag);
  p.Property("OnEndDrag", &TControl::OnEndDrag, &TControl::SetOnEndDrag);
}

TControl::TControl(TComponent* owner)
    : TComponent(owner), m_constraints(Create<TSizeConstraints>(this)), m_font(Create<TFont>()),
      m_windowProc(this, &TControl::WndProc) {
  m_font->SetOnChange(TNotifyEvent(this, &TControl::FontChanged));
  m_constraints->SetOnChange(TNotifyEvent(this, &TControl::ConstraintsChanged));
}

TControl::~TControl() {
  *m_alive = false;
  SetParent(nullptr);
}

void TControl::BeforeDestruction() {
  inherited::BeforeDestruction();
  if (Application)
    Application->ControlDestroying(this);
  *m_alive = false;
  if (g_captureControl == this)
    SetCaptureControl(nullptr);
  DragControlDestroying(this);
  SetParent(nullptr);
}

void TControl::SetParent(TWinControl* parent) {
  if (m_parent == parent)
    return;
  if (parent == this)
    throw EInvalidOperation("A control cannot have itself as its parent");
  if (m_parent)
    m_parent->RemoveControl(this);
  if (parent)
    parent->InsertControl(this);
}

TComponent* TControl::GetParentComponent() const { return m_parent; }

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* windowed = dynamic_cast<TWinControl*>(parent))
    SetParent(windowed);
}

void TControl::SetName(const std::string& name) {
  const bool changeText = m_controlStyle.Contains(csSetCaption) && !Loading() &&
                          WideToAnsi(m_text) == Name() &&
                          !(Owner() && Owner()->ComponentState().Contains(
                                           TComponentStateItem::csLoading));
  inherited::SetName(name);
  if (changeText)
    SetText(name);
}

void TControl::SetLeft(int value) {
  SetBounds(value, m_top, m_width, m_height);
  m_scalingFlags.Include(TScalingFlag::sfLeft);
}

void TControl::SetTop(int value) {
  SetBounds(m_left, value, m_width, m_height);
  m_scalingFlags.Include(TScalingFlag::sfTop);
}

void TControl::SetWidth(int value) {
  SetBounds(m_left, m_top, value, m_height);
  m_scalingFlags.Include(TScalingFlag::sfWidth);
}

void TControl::SetHeight(int value) {
  SetBounds(m_left, m_top, m_width, value);
  m_scalingFlags.Include(TScalingFlag::sfHeight);
}

bool TControl::CanResize(int&, int&) { return true; }

void TControl::SetBounds(int left, int top, int width, int height) {
  if (!CanResize(width, height))
    return;
  m_constraints->Constrain(width, height);
  if (left == m_left && top == m_top && width == m_width && height == m_height)
    return;
  const TRect old = BoundsRect();
  m_left = left;
  m_top = top;
  m_width = width;
  m_height = height;
  UpdateAnchorRules();
  TControlLife life(this);
  BoundsChanged(old);
  if (life)
    RequestAlign();
}

void TControl::SetAnchors(TAnchors anchors) {
  if (m_anchors == anchors)
    return;
  m_anchors = anchors;
  UpdateAnchorRules();
}

void TControl::UpdateAnchorRules() {
  if (m_anchorMove || !m_parent || m_anchors == kDefaultAnchors || Loading())
    return;
  const TRect client = m_parent->ClientRect();
  m_anchorPlacement = {BoundsRect(), {client.Right, client.Bottom}};
}

void TControl::ApplyAnchors(TPoint parentSize) {
  if (m_anchors == kDefaultAnchors || m_align != TAlign::alNone || Loading())
    return;
  const TRect r = AnchoredBounds(m_anchorPlacement, m_anchors, parentSize);
  TFlagScope moving(m_anchorMove);
  SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
}

void TControl::SetConstraints(TSizeConstraints* value) { m_constraints->Assign(value); }

void TControl::ConstraintsChanged(TObject*) { SetBounds(m_left, m_top, m_width, m_height); }

void TControl::Changed() { Perform(CM_CHANGED, 0, reinterpret_cast<LPARAM>(this)); }

void TControl::ChangeScale(int m, int d) {
  using enum TScalingFlag;
  if (m == d) {
    m_scalingFlags = {};
    return;
  }
  const TScalingFlags flags =
      Loading() ? m_scalingFlags : TScalingFlags{sfLeft, sfTop, sfWidth, sfHeight, sfFont};
  // A scaled edge pair is scaled as its far edge, so that neighbours stay
  // adjacent.
  const auto scaleSpan = [m, d](int start, int size, bool startScaled) {
    return startScaled ? ::MulDiv(start + size, m, d) - ::MulDiv(start, m, d)
                       : ::MulDiv(size, m, d);
  };
  const int left = flags.Contains(sfLeft) ? ::MulDiv(m_left, m, d) : m_left;
  const int top = flags.Contains(sfTop) ? ::MulDiv(m_top, m, d) : m_top;
  const int width =
      flags.Contains(sfWidth) ? scaleSpan(m_left, m_width, flags.Contains(sfLeft)) : m_width;
  const int height =
      flags.Contains(sfHeight) ? scaleSpan(m_top, m_height, flags.Contains(sfTop)) : m_height;
  m_constraints->Scale(m, d, flags.Contains(sfWidth), flags.Contains(sfHeight));
  SetBounds(left, top, width, height);
  if (!m_parentFont && flags.Contains(sfFont))
    m_font->SetSize(::MulDiv(m_font->Size(), m, d));
  m_scalingFlags = {};
}

void TControl::BoundsChanged(const TRect& oldBounds) {
  if (m_parent && m_parent->HandleAllocated() && m_visible) {
    ::InvalidateRect(m_parent->Handle(), AsRECT(oldBounds), TRUE);
    Invalidate();
  }
  if (oldBounds.Right - oldBounds.Left != m_width || oldBounds.Bottom - oldBounds.Top != m_height)
    Resize();
}

TRect TControl::ClientRect() { return Rect(0, 0, m_width, m_height); }

void TControl::SetClientWidth(int value) {
  SetBounds(m_left, m_top, m_width - ClientWidth() + value, m_height);
}

void TControl::SetClientHeight(int value) {
  SetBounds(m_left, m_top, m_width, m_height - ClientHeight() + value);
}

TPoint TControl::ClientOrigin() {
  if (!m_parent)
    return {m_left, m_top};
  const TPoint origin = m_parent->ClientOrigin();
  return {origin.X + m_left, origin.Y + m_top};
}

TPoint TControl::ClientToScreen(TPoint point) {
  const TPoint origin = ClientOrigin();
  return {point.X + origin.X, point.Y + origin.Y};
}

TPoint TControl::ScreenToClient(TPoint point) {
  const TPoint origin = ClientOrigin();
  return {point.X - origin.X, point.Y - origin.Y};
}

void TControl::SetAlign(TAlign align) {
  if (m_align == align)
    return;
  m_align = align;
  RequestAlign();
}

void TControl::RequestAlign() {
  if (m_parent)
    m_parent->AlignControl(this);
}

void TControl::SetVisible(bool visible) {
  if (m_visible == visible)
    return;
  m_visible = visible;
  TControlLife life(this);
  Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
  if (life)
    RequestAlign();
}

void TControl::Show() {
  if (m_parent)
    m_parent->Show();
  SetVisible(true);
}

void TControl::Hide() { SetVisible(false); }

bool TControl::Showing() const { return m_visible && m_parent && m_parent->Showing(); }

void TControl::SetEnabled(bool enabled) {
  if (m_enabled == enabled)
    return;
  m_enabled = enabled;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor color) {
  if (m_color == color)
    return;
  m_color = color;
  m_parentColor = false;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value) {
  if (m_parentColor == value)
    return;
  m_parentColor = value;
  if (m_parent && !ComponentState().Contains(TComponentStateItem::csReading))
    Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentFont(bool value) {
  if (m_parentFont == value)
    return;
  m_parentFont = value;
  if (m_parent && !ComponentState().Contains(TComponentStateItem::csReading))
    Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetShowHint(bool value) {
  m_parentShowHint = false;
  if (m_showHint == value)
    return;
  m_showHint = value;
  Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool value) {
  if (m_parentShowHint == value)
    return;
  m_parentShowHint = value;
  if (m_parent && !ComponentState().Contains(TComponentStateItem::csReading))
    Perform(CM_PARENTSHOWHINTCHANGED);
}

void TControl::SetCtl3D(bool value) {
  m_parentCtl3D = false;
  if (m_ctl3D == value)
    return;
  m_ctl3D = value;
  Perform(CM_CTL3DCHANGED);
}

void TControl::SetParentCtl3D(bool value) {
  if (m_parentCtl3D == value)
    return;
  m_parentCtl3D = value;
  if (m_parent && !ComponentState().Contains(TComponentStateItem::csReading))
    Perform(CM_PARENTCTL3DCHANGED);
}

void TControl::FontChanged(TObject*) {
  m_parentFont = false;
  m_scalingFlags.Include(TScalingFlag::sfFont);
  Perform(CM_FONTCHANGED);
}

void TControl::SetCursor(TCursor cursor) {
  if (m_cursor == cursor)
    return;
  m_cursor = cursor;
  Perform(CM_CURSORCHANGED);
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
  if (m_popupMenu == menu)
    return;
  if (m_popupMenu)
    m_popupMenu->RemoveFreeNotification(this);
  m_popupMenu = menu;
  if (menu)
    menu->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == TOperation::opRemove && component == m_popupMenu)
    m_popupMenu = nullptr;
}

std::string TControl::Text() {
  const int length = GetTextLen();
  if (length <= 0)
    return {};
  std::u16string buffer(static_cast<std::size_t>(length) + 1, u'\0');
  const auto copied = Perform(WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(static_cast<std::size_t>(std::max<LRESULT>(0, copied)));
  return WideToAnsi(buffer);
}

void TControl::SetText(const std::string& text) {
  if (Text() == text)
    return;
  const std::u16string wide = AnsiToWide(text);
  TControlLife life(this);
  Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  if (life)
    Perform(CM_TEXTCHANGED);
}

int TControl::GetTextLen() { return static_cast<int>(Perform(WM_GETTEXTLENGTH)); }

void TControl::Invalidate() {
  if (m_parent && m_parent->HandleAllocated() && Showing()) {
    const TRect bounds = BoundsRect();
    ::InvalidateRect(m_parent->Handle(), AsRECT(bounds),
                     !m_controlStyle.Contains(csOpaque));
  }
}

void TControl::Update() {
  if (m_parent)
    m_parent->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::SetZOrder(bool topMost) {
  if (!m_parent)
    return;
  auto& siblings = m_parent->m_controls;
  std::erase(siblings, this);
  if (topMost)
    siblings.push_back(this);
  else
    siblings.insert(siblings.begin(), this);
  Invalidate();
}

void TControl::SetBoundsFields(int left, int top, int width, int height) {
  m_left = left;
  m_top = top;
  m_width = width;
  m_height = height;
}

void TControl::ReadState(TReader& reader) {
  {
    m_controlState.Include(csReadingState);
    const TScopeExit read([this] { m_controlState.Exclude(csReadingState); });
    inherited::ReadState(reader);
  }
  // An own font is in the definition (stored whenever it is not the
  // parent's) even when the values read changed nothing.
  if (!m_parentFont)
    m_scalingFlags.Include(TScalingFlag::sfFont);
  if (m_parent)
    TakeParentValues();
}

void TControl::Loaded() {
  inherited::Loaded();
  UpdateAnchorRules();
}

void TControl::TakeParentValues() {
  TControlLife life(this);
  for (UINT message : {CM_PARENTCOLORCHANGED, CM_PARENTFONTCHANGED, CM_PARENTSHOWHINTCHANGED,
                       CM_PARENTCTL3DCHANGED}) {
    if (!life)
      return;
    Perform(message);
  }
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  m_windowProc(message);
  return message.Result;
}

void TControl::WndProc(TMessage& message) {
  if (message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MOUSELAST) {
    if (StartsAutoDrag(message)) {
      BeginAutoDrag();
      return;
    }
    PreprocessMouse(message);
  }
  Dispatch(message);
}

bool TControl::StartsAutoDrag(const TMessage& message) const {
  return m_dragMode == TDragMode::dmAutomatic &&
         (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK);
}

void TControl::PreprocessMouse(TMessage& message) {
  if (!m_controlStyle.Contains(csDoubleClicks)) {
    switch (message.Msg) {
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      message.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
      break;
    }
  }
  if (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK)
    m_controlState.Include(csLButtonDown);
  else if (message.Msg == WM_LBUTTONUP)
    m_controlState.Exclude(csLButtonDown);
}

void TControl::Dispatch(TMessage& message) {
  switch (message.Msg) {
  case WM_LBUTTONDOWN: WMMouseButton(TWMMouse(message), TMouseButton::mbLeft, false); break;
  case WM_LBUTTONDBLCLK: WMMouseButton(TWMMouse(message), TMouseButton::mbLeft, true); break;
  case WM_RBUTTONDOWN: WMMouseButton(TWMMouse(message), TMouseButton::mbRight, false); break;
  case WM_RBUTTONDBLCLK: WMMouseButton(TWMMouse(message), TMouseButton::mbRight, true); break;
  case WM_MBUTTONDOWN: WMMouseButton(TWMMouse(message), TMouseButton::mbMiddle, false); break;
  case WM_MBUTTONDBLCLK: WMMouseButton(TWMMouse(message), TMouseButton::mbMiddle, true); break;
  case WM_LBUTTONUP: WMMouseButtonUp(TWMMouse(message), TMouseButton::mbLeft); break;
  case WM_RBUTTONUP: WMMouseButtonUp(TWMMouse(message), TMouseButton::mbRight); break;
  case WM_MBUTTONUP: WMMouseButtonUp(TWMMouse(message), TMouseButton::mbMiddle); break;
  case WM_MOUSEMOVE: WMMouseMove(TWMMouse(message)); break;
  case WM_MOUSEWHEEL: WMMouseWheel(TWMMouseWheel(message)); break;
  case WM_CONTEXTMENU: WMContextMenu(TWMContextMenu(message)); break;
  case CM_MOUSEWHEEL: CMMouseWheel(TCMMouseWheel(message)); break;
  case CM_MOUSEENTER: CMMouseEnterLeave(TCMMouseEnterLeave(message), true); break;
  case CM_MOUSELEAVE: CMMouseEnterLeave(TCMMouseEnterLeave(message), false); break;
  case CM_PARENTCOLORCHANGED: CMParentColorChanged(TCMParentColorChanged(message)); break;
  case CM_PARENTFONTCHANGED: CMParentFontChanged(TCMParentFontChanged(message)); break;
  case CM_PARENTSHOWHINTCHANGED: CMParentShowHintChanged(); break;
  case CM_PARENTCTL3DCHANGED: CMParentCtl3DChanged(); break;
  case CM_ENABLEDCHANGED: CMEnabledChanged(); break;
  case CM_VISIBLECHANGED: CMVisibleChanged(); break;
  case CM_COLORCHANGED:
  case CM_FONTCHANGED: Invalidate(); break;
  case CM_HITTEST: CMHitTest(TCMHitTest(message)); break;
  case CM_DRAG: CMDrag(TCMDrag(message)); break;
  default: DefaultHandler(message); break;
  }
}

void TControl::DefaultHandler(TMessage& message) { DefaultTextMessage(message); }

void TControl::DefaultTextMessage(TMessage& message) {
  switch (message.Msg) {
  case WM_GETTEXT: WMGetText(TWMGetText(message)); break;
  case WM_GETTEXTLENGTH: message.Result = static_cast<LRESULT>(m_text.size()); break;
  case WM_SETTEXT: WMSetText(TWMSetText(message)); break;
  }
}

void TControl::WMGetText(TWMGetText message) {
  char16_t* buffer = message.Text();
  if (!buffer || message.TextMax() == 0) {
    message.SetResult(0);
    return;
  }
  const std::size_t count = std::min(m_text.size(), message.TextMax() - 1);
  m_text.copy(buffer, count);
  buffer[count] = u'\0';
  message.SetResult(static_cast<LRESULT>(count));
}

void TControl::WMSetText(TWMSetText message) {
  m_text = message.Text() ? std::u16string(message.Text()) : std::u16string();
  message.SetResult(TRUE);
}

void TControl::WMMouseButton(TWMMouse message, TMouseButton button, bool doubleClick) {
  DefaultHandler(message.Message());
  TControlLife life(this);
  if (m_controlStyle.Contains(csCaptureMouse))
    SetMouseCapture(true);
  if (button == TMouseButton::mbLeft && m_controlStyle.Contains(csClickEvents)) {
    if (doubleClick)
      DblClick();
    else
      m_controlState.Include(csClicked);
  }
  if (!life)
    return;
  TShiftState shift = message.Shift();
  if (doubleClick)
    shift.Include(TShiftStateItem::ssDouble);
  MouseDown(button, shift, message.XPos(), message.YPos());
}

void TControl::WMMouseButtonUp(TWMMouse message, TMouseButton button) {
  DefaultHandler(message.Message());
  TControlLife life(this);
  if (m_controlStyle.Contains(csCaptureMouse))
    SetMouseCapture(false);
  const TPoint point = message.Pos();
  if (button == TMouseButton::mbLeft && m_controlState.Contains(csClicked)) {
    m_controlState.Exclude(csClicked);
    if (HasClientPoint(point))
      Click();
  }
  if (life)
    MouseUp(button, message.Shift(), point.X, point.Y);
}

void TControl::WMMouseMove(TWMMouse message) {
  DefaultHandler(message.Message());
  MouseMove(message.Shift(), message.XPos(), message.YPos());
}

bool TControl::HasClientPoint(TPoint point) {
  const TRect client = ClientRect();
  return point.X >= client.Left && point.X < client.Right && point.Y >= client.Top &&
         point.Y < client.Bottom;
}

void TControl::WMMouseWheel(TWMMouseWheel message) {
  const TMessage& m = message.Message();
  message.SetResult(Perform(CM_MOUSEWHEEL, m.WParam, m.LParam));
}

void TControl::CMMouseWheel(TCMMouseWheel message) {
  TControlLife life(this);
  message.SetResult(0);
  if (DoMouseWheel(message.Shift(), message.WheelDelta(), message.Pos()))
    message.SetResult(1);
  else if (life && m_parent)
    message.SetResult(m_parent->Perform(CM_MOUSEWHEEL, message.Message().WParam,
                                        message.Message().LParam));
}

bool TControl::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
  bool handled = false;
  TControlLife life(this);
  if (m_onMouseWheel)
    m_onMouseWheel(this, shift, wheelDelta, mousePos, handled);
  if (handled || !life)
    return true;
  m_wheelAccumulator += wheelDelta;
  while (life && std::abs(m_wheelAccumulator) >= WHEEL_DELTA) {
    const bool down = m_wheelAccumulator < 0;
    m_wheelAccumulator += down ? WHEEL_DELTA : -WHEEL_DELTA;
    handled = down ? DoMouseWheelDown(shift, mousePos) : DoMouseWheelUp(shift, mousePos);
  }
  return handled;
}

bool TControl::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
  bool handled = false;
  if (m_onMouseWheelDown)
    m_onMouseWheelDown(this, shift, mousePos, handled);
  return handled;
}

bool TControl::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
  bool handled = false;
  if (m_onMouseWheelUp)
    m_onMouseWheelUp(this, shift, mousePos, handled);
  return handled;
}

void TControl::WMContextMenu(TWMContextMenu message) {
  if (message.Result() != 0)
    return;
  const TPoint local = message.FromKeyboard() ? TPoint{-1, -1} : ScreenToClient(message.Pos());
  bool handled = false;
  TControlLife life(this);
  DoContextPopup(local, handled);
  message.SetResult(handled ? 1 : 0);
  if (handled || !life)
    return;
  TPopupMenu* menu = GetPopupMenu();
  if (menu && menu->AutoPopup()) {
    menu->SetPopupComponent(this);
    const TPoint screen = message.FromKeyboard() ? ClientToScreen({0, 0}) : message.Pos();
    menu->Popup(screen.X, screen.Y);
    message.SetResult(1);
  }
  if (message.Result() == 0)
    DefaultHandler(message.Message());
}

void TControl::DoContextPopup(TPoint mousePos, bool& handled) {
  if (m_onContextPopup)
    m_onContextPopup(this, mousePos, handled);
}

TPopupMenu* TControl::GetPopupMenu() { return m_popupMenu; }

void TControl::CMMouseEnterLeave(TCMMouseEnterLeave message, bool enter) {
  TControlLife life(this);
  if (m_parent)
    m_parent->Perform(message.Msg(), 0, reinterpret_cast<LPARAM>(this));
  if (!life || message.Control())
    return;
  const TNotifyEvent& handler = enter ? m_onMouseEnter : m_onMouseLeave;
  if (handler)
    handler(this);
}

void TControl::CMParentColorChanged(TCMParentColorChanged message) {
  if (!m_parentColor)
    return;
  if (message.HasColor())
    SetColor(message.Color());
  else if (m_parent)
    SetColor(m_parent->Color());
  m_parentColor = true;
}

void TControl::CMParentFontChanged(TCMParentFontChanged message) {
  if (!m_parentFont)
    return;
  if (message.HasFont())
    SetFont(message.Font());
  else if (m_parent)
    SetFont(m_parent->Font());
  m_parentFont = true;
}

void TControl::CMParentShowHintChanged() {
  if (!m_parentShowHint || !m_parent)
    return;
  SetShowHint(m_parent->ShowHint());
  m_parentShowHint = true;
}

void TControl::CMParentCtl3DChanged() {
  if (!m_parentCtl3D || !m_parent)
    return;
  SetCtl3D(m_parent->Ctl3D());
  m_parentCtl3D = true;
}

void TControl::CMEnabledChanged() { Invalidate(); }

void TControl::CMVisibleChanged() {
  if (m_parent && m_parent->HandleAllocated() && m_parent->Showing()) {
    const TRect bounds = BoundsRect();
    ::InvalidateRect(m_parent->Handle(), AsRECT(bounds), TRUE);
  }
}

void TControl::CMHitTest(TCMHitTest message) { message.SetResult(HTCLIENT); }

void TControl::Click() {
  if (m_onClick)
    m_onClick(this);
}

void TControl::DblClick() {
  if (m_onDblClick)
    m_onDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (m_onMouseDown)
    m_onMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (m_onMouseMove)
    m_onMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (m_onMouseUp)
    m_onMouseUp(this, button, shift, x, y);
}

void TControl::DragDrop(TObject* source, int x, int y) {
  if (m_onDragDrop)
    m_onDragDrop(this, source, x, y);
}

void TControl::DoStartDrag(TDragObject*& dragObject) {
  if (m_onStartDrag)
    m_onStartDrag(this, dragObject);
}

void TControl::DragOver(TObject* source, int x, int y, TDragState state, bool& accept) {
  accept = false;
  if (!m_onDragOver)
    return;
  accept = true;
  m_onDragOver(this, source, x, y, state, accept);
}

void TControl::DoEndDrag(TObject* target, int x, int y) {
  if (m_onEndDrag)
    m_onEndDrag(this, target, x, y);
}

void TControl::Resize() {
  if (m_onResize)
    m_onResize(this);
}

bool TControl::MouseCapture() { return GetCaptureControl() == this; }

void TControl::SetMouseCapture(bool value) {
  if (MouseCapture() != value)
    SetCaptureControl(value ? this : nullptr);
}
