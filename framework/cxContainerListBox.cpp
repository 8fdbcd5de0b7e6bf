#include "framework/cxContainerListBox.h"

#include "framework/cxContainer.h"
#include "framework/cxContainerServices.h"
#include "framework/cxGeometry.h"
#include "platform/controls/ControlTypes.h"
#include "platform/controls/Messages.h"
#include "platform/graphics/DCScopes.h"
#include "platform/rtl/AnsiStrings.h"
#include "platform/rtl/FlagScope.h"
#include "platform/rtl/ScopeGuards.h"

namespace {

TcxCustomInnerListBox::TTickCountFunc& TickCountFunc() {
  static TcxCustomInnerListBox::TTickCountFunc func;
  return func;
}

DWORD TickCount() { return TickCountFunc() ? TickCountFunc()() : ::GetTickCount(); }

// The container's protected handlers, reached through member pointers of
// the classes that declare them.
class TContainerAccess : public TcxContainer {
public:
  using TcxContainer::Click;
  using TcxContainer::DblClick;
  using TcxContainer::DoMouseWheel;
  using TcxContainer::DragOver;
  using TcxContainer::FocusChanged;
  using TcxContainer::GetPopupMenu;
  using TcxContainer::InnerControlDefaultHandler;
  using TcxContainer::InnerControlMenuHandler;
  using TcxContainer::KeyDown;
  using TcxContainer::KeyPress;
  using TcxContainer::KeyUp;
  using TcxContainer::MouseDown;
  using TcxContainer::MouseMove;
  using TcxContainer::MouseUp;
};

bool IsDestroying(const TComponent* component) {
  return component->ComponentState().Contains(TComponentStateItem::csDestroying);
}

// Messages after which the look-and-feel bars follow the system bars.
bool ChangesScrollBars(const TMessage& message) {
  switch (message.Msg) {
  case WM_SETREDRAW:
    return message.WParam != 0;
  case WM_WINDOWPOSCHANGED:
  case WM_HSCROLL:
  case WM_VSCROLL:
  case LB_ADDSTRING:
  case LB_INSERTSTRING:
  case LB_DELETESTRING:
  case LB_RESETCONTENT:
  case LB_SETCURSEL:
  case LB_SETHORIZONTALEXTENT:
  case LB_SETTOPINDEX:
  case LB_SETCOUNT:
  case WM_MOUSEWHEEL:
  case CM_WININICHANGE:
    return true;
  default:
    return false;
  }
}

} // namespace

void TcxCustomInnerListBox::SetTickCountFunc(TTickCountFunc AFunc) {
  TickCountFunc() = std::move(AFunc);
}

TcxCustomInnerListBox::TcxCustomInnerListBox(TComponent* AOwner)
    : TListBox(AOwner), m_cxCanvas(Create<TcxCanvas>(Canvas())) {
  CreateScrollBars();
  m_lookAndFeel.reset(Create<TcxLookAndFeel>(this));
  m_lookAndFeel->SetOnChanged(
      TcxLookAndFeelChangedEvent(this, &TcxCustomInnerListBox::LookAndFeelChanged));
  m_hScrollBar->LookAndFeel()->SetMasterLookAndFeel(m_lookAndFeel.get());
  m_vScrollBar->LookAndFeel()->SetMasterLookAndFeel(m_lookAndFeel.get());
  SetBorderStyle(TBorderStyle::bsNone);
  TControlStyle style = ControlStyle();
  style.Exclude(TControlStyleItem::csOpaque);
  style.Include(TControlStyleItem::csDoubleClicks);
  SetControlStyle(style);
  SetParentColor(false);
  SetParentFont(true);
}

TcxCustomInnerListBox::~TcxCustomInnerListBox() {
  for (TcxScrollBar* bar : {m_hScrollBar, m_vScrollBar})
    if (bar && !bar->Parent())
      bar->Free();
  if (m_lookAndFeel)
    m_lookAndFeel->SetOnChanged(nullptr);
}

void TcxCustomInnerListBox::CreateScrollBars() {
  const auto make = [this](TScrollBarKind kind, TScrollEvent onScroll) {
    TcxScrollBar* bar = Create<TcxScrollBar>(this);
    bar->FreeNotification(this);
    bar->SetKind(kind);
    bar->SetOnScroll(onScroll);
    bar->SetSmallChange(1);
    bar->SetVisible(false);
    return bar;
  };
  m_hScrollBar = make(TScrollBarKind::sbHorizontal,
                      TScrollEvent(this, &TcxCustomInnerListBox::HScrollHandler));
  m_vScrollBar =
      make(TScrollBarKind::sbVertical, TScrollEvent(this, &TcxCustomInnerListBox::VScrollHandler));
}

void TcxCustomInnerListBox::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != TOperation::opRemove)
    return;
  if (AComponent == m_hScrollBar)
    m_hScrollBar = nullptr;
  if (AComponent == m_vScrollBar)
    m_vScrollBar = nullptr;
}

TWinControl* TcxCustomInnerListBox::GetControlContainer() { return m_container; }

bool TcxCustomInnerListBox::IsDestroying() const { return ::IsDestroying(this); }

TcxContainer* TcxCustomInnerListBox::LiveContainer() const {
  return m_container && !::IsDestroying(m_container) ? m_container : nullptr;
}

void TcxCustomInnerListBox::LookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues) {
  if (HandleAllocated())
    Invalidate();
}

// ---------------------------------------------------------------------------
// Input passed on to the container, in its client coordinates

void TcxCustomInnerListBox::KeyDown(WORD& Key, TShiftState Shift) {
  if (m_container)
    (m_container->*(&TContainerAccess::KeyDown))(Key, Shift);
  if (Key != 0)
    inherited::KeyDown(Key, Shift);
}

void TcxCustomInnerListBox::KeyUp(WORD& Key, TShiftState Shift) {
  if (Key == VK_TAB)
    Key = 0;
  if (m_container)
    (m_container->*(&TContainerAccess::KeyUp))(Key, Shift);
  if (Key != 0)
    inherited::KeyUp(Key, Shift);
}

// Tab never types into the list and Enter never searches; the list box's
// own search gives way to DoAutoComplete.
void TcxCustomInnerListBox::KeyPress(char& Key) {
  if (Key == '\t')
    Key = '\0';
  if (m_container && Key != '\0')
    (m_container->*(&TContainerAccess::KeyPress))(Key);
  if (Key == '\r')
    Key = '\0';
  if (Key == '\0')
    return;
  TWinControl::KeyPress(Key);
  if (Key != '\0')
    DoAutoComplete(Key);
}

void TcxCustomInnerListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  inherited::MouseDown(Button, Shift, X, Y);
  if (!m_container)
    return;
  m_container->SetInnerControlMouseDown(true);
  const TScopeExit clear([this] { m_container->SetInnerControlMouseDown(false); });
  (m_container->*(&TContainerAccess::MouseDown))(Button, Shift, X + Left(), Y + Top());
}

void TcxCustomInnerListBox::MouseMove(TShiftState Shift, int X, int Y) {
  inherited::MouseMove(Shift, X, Y);
  if (m_container)
    (m_container->*(&TContainerAccess::MouseMove))(Shift, X + Left(), Y + Top());
}

void TcxCustomInnerListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  inherited::MouseUp(Button, Shift, X, Y);
  if (m_container)
    (m_container->*(&TContainerAccess::MouseUp))(Button, Shift, X + Left(), Y + Top());
}

void TcxCustomInnerListBox::MouseLeave(TControl*) {
  if (m_container)
    m_container->ShortRefreshContainer(true);
}

bool TcxCustomInnerListBox::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (m_container && (m_container->*(&TContainerAccess::DoMouseWheel))(Shift, WheelDelta, MousePos))
    return true;
  return inherited::DoMouseWheel(Shift, WheelDelta, MousePos);
}

TPopupMenu* TcxCustomInnerListBox::GetPopupMenu() {
  if (m_container)
    return (m_container->*(&TContainerAccess::GetPopupMenu))();
  return inherited::GetPopupMenu();
}

void TcxCustomInnerListBox::Click() {
  inherited::Click();
  if (m_vScrollBar)
    m_vScrollBar->SetPosition(TopIndex());
  if (m_container)
    (m_container->*(&TContainerAccess::Click))();
}

void TcxCustomInnerListBox::DblClick() {
  inherited::DblClick();
  if (m_container)
    (m_container->*(&TContainerAccess::DblClick))();
}

void TcxCustomInnerListBox::DragDrop(TObject* Source, int X, int Y) {
  if (m_container)
    m_container->DragDrop(Source, X + Left(), Y + Top());
}

void TcxCustomInnerListBox::DragOver(TObject* Source, int X, int Y, TDragState State,
                                     bool& Accept) {
  if (m_container)
    (m_container->*(&TContainerAccess::DragOver))(Source, X + Left(), Y + Top(), State, Accept);
}

void TcxCustomInnerListBox::ContainerFocusChanged() {
  if (m_container && !::IsDestroying(m_container))
    (m_container->*(&TContainerAccess::FocusChanged))();
}

void TcxCustomInnerListBox::WMSetFocus(TMessage& message) {
  inherited::Dispatch(message);
  if (!m_container || ::IsDestroying(m_container) || IsDestroying())
    return;
  const HWND losing = TWMKillFocus(message).FocusedWnd();
  if (!m_container->HandleAllocated() || losing != m_container->Handle())
    ContainerFocusChanged();
}

void TcxCustomInnerListBox::WMKillFocus(TMessage& message) {
  inherited::Dispatch(message);
  ContainerFocusChanged();
}

void TcxCustomInnerListBox::WMGetDlgCode(TMessage& message) {
  inherited::Dispatch(message);
  if (!m_container)
    return;
  message.Result |= DLGC_WANTCHARS;
  if (::GetKeyState(VK_CONTROL) >= 0)
    message.Result |= DLGC_WANTTAB;
}

// ---------------------------------------------------------------------------
// Incremental search

void TcxCustomInnerListBox::DoAutoComplete(char& Key) {
  if (!AutoComplete())
    return;
  const DWORD now = TickCount();
  if (now - m_lastKeyTime >= m_autoCompleteDelay)
    m_searchText.clear();
  m_lastKeyTime = now;
  if (Key == '\b') {
    std::size_t end = m_searchText.size();
    if (end > 0) {
      --end;
      // A double-byte character goes whole.
      while (end > 0 && ::IsDBCSLeadByte(static_cast<BYTE>(m_searchText[end - 1])))
        --end;
    }
    m_searchText.resize(end);
  } else if (!::IsDBCSLeadByte(static_cast<BYTE>(Key))) {
    m_searchText += Key;
  } else {
    m_searchText += Key;
    MSG trail;
    if (HandleAllocated() && ::PeekMessageW(&trail, Handle(), WM_CHAR, WM_CHAR, PM_REMOVE))
      m_searchText += static_cast<char>(trail.wParam);
    Key = '\0';
  }
  if (m_searchText.empty()) {
    if (Count() > 0)
      SetItemIndex(0);
    Click();
    return;
  }
  const int index = FindAutoCompleteString(m_searchText);
  if (index != -1) {
    if (MultiSelect() && HandleAllocated())
      ::SendMessageW(Handle(), LB_SELITEMRANGE, TRUE, MAKELPARAM(index, index));
    SetItemIndex(index);
    Click();
  }
  if (Key != '\b' && Key != '\r' && Key != '\x1B')
    Key = '\0';
}

// Compared here rather than by LB_FINDSTRING, which under Wine misses items
// whose start differs from the text in the case of a letter outside ASCII.
// Both sides are upper-cased by the locale's rules, so that i goes with İ
// and ı with I as Turkish has it.
int TcxCustomInnerListBox::FindAutoCompleteString(const std::string& AText) {
  if (Style() == TListBoxStyle::lbVirtual || Style() == TListBoxStyle::lbVirtualOwnerDraw)
    return DoFindData(AText);
  const std::string text = AnsiUpperCase(AText);
  const int count = Items()->Count();
  for (int index = 0; index < count; ++index) {
    const std::string item = Items()->Strings(index);
    if (item.size() >= AText.size() &&
        AnsiUpperCase(std::string_view(item).substr(0, AText.size())) == text)
      return index;
  }
  return -1;
}

bool TcxCustomInnerListBox::ItemVisible(int AIndex) {
  const TRect r = ItemRect(AIndex);
  const TRect bounds{0, 0, Width(), Height()};
  return cxRectPtIn(bounds, r.Left, r.Top) || cxRectPtIn(bounds, r.Right - 1, r.Top) ||
         cxRectPtIn(bounds, r.Left, r.Bottom - 1) || cxRectPtIn(bounds, r.Right - 1, r.Bottom - 1);
}

// ---------------------------------------------------------------------------
// The look-and-feel scroll bars

void TcxCustomInnerListBox::SetExternalScrollBarsParameters() {
  if (IsDestroying() || m_scrollBarsLockCount > 0 || !UsecxScrollBars() || m_redrawLocked ||
      !HandleAllocated())
    return;
  const TFlagScope calculating(m_scrollBarsCalculating);
  if (m_hScrollBar)
    PlaceScrollBar(m_hScrollBar, OBJID_HSCROLL, SB_HORZ);
  if (m_vScrollBar)
    PlaceScrollBar(m_vScrollBar, OBJID_VSCROLL, SB_VERT);
}

void TcxCustomInnerListBox::PlaceScrollBar(TcxScrollBar* ABar, LONG AObjectId, int ABar32) {
  bool visible = false;
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  if (Parent() && cxGetScrollBarInfo(Handle(), AObjectId, info) &&
      (info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) == 0) {
    ABar->SetEnabled((info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0 &&
                     (!ABar->Parent() || ABar->Parent()->Enabled()));
    const TPoint corner = Parent()->ScreenToClient({info.rcScrollBar.left, info.rcScrollBar.top});
    const int width = info.rcScrollBar.right - info.rcScrollBar.left;
    const int height = info.rcScrollBar.bottom - info.rcScrollBar.top;
    if (corner.X >= 0 && corner.Y >= 0 && width <= Width() && height <= Height()) {
      ABar->SetBounds(corner.X, corner.Y, width, height);
      visible = true;
    }
  }
  if (visible) {
    ++m_scrollBarsLockCount;
    const TScopeExit unlock([this] { --m_scrollBarsLockCount; });
    ABar->SetParent(Parent());
    ABar->BringToFront();
  } else {
    ABar->SetBounds(0, 0, 0, 0);
  }
  ABar->SetVisible(visible);
  if (!visible)
    return;
  TcxScrollBarParams params;
  if (cxGetScrollBarParams(Handle(), ABar32, params))
    ABar->SetScrollParams(params.Min, params.Max, params.Position, params.PageSize, true);
}

void TcxCustomInnerListBox::HScrollHandler(TObject*, TScrollCode AScrollCode, int& AScrollPos) {
  if (!m_hScrollBar || !m_hScrollBar->HandleAllocated())
    return;
  CallDefWndProc(WM_HSCROLL, MAKEWPARAM(static_cast<WORD>(AScrollCode), AScrollPos),
                 reinterpret_cast<LPARAM>(m_hScrollBar->Handle()));
  AScrollPos = ::GetScrollPos(Handle(), SB_HORZ);
}

void TcxCustomInnerListBox::VScrollHandler(TObject*, TScrollCode AScrollCode, int& AScrollPos) {
  if (!m_vScrollBar || !m_vScrollBar->HandleAllocated())
    return;
  if (AScrollCode == TScrollCode::scLineUp || AScrollCode == TScrollCode::scLineDown) {
    SetTopIndex(AScrollPos);
    return;
  }
  CallDefWndProc(WM_VSCROLL, MAKEWPARAM(static_cast<WORD>(AScrollCode), AScrollPos),
                 reinterpret_cast<LPARAM>(m_vScrollBar->Handle()));
  AScrollPos = ::GetScrollPos(Handle(), SB_VERT);
}

bool TcxCustomInnerListBox::BothBarsVisible() const {
  return m_hScrollBar && m_vScrollBar && m_hScrollBar->Visible() && m_vScrollBar->Visible();
}

TRect TcxCustomInnerListBox::GetSizeGripRect() {
  if (!BothBarsVisible() || !Parent() || !HandleAllocated())
    return TRect{};
  const TPoint screen = Parent()->ClientToScreen({m_vScrollBar->Left(), m_hScrollBar->Top()});
  RECT window{};
  ::GetWindowRect(Handle(), &window);
  const int left = screen.X - window.left;
  const int top = screen.Y - window.top;
  return TRect{left, top, left + m_vScrollBar->Width(), top + m_hScrollBar->Height()};
}

void TcxCustomInnerListBox::DrawSizeGrip(HDC ADC) {
  if (!UsecxScrollBars() || !BothBarsVisible())
    return;
  const TRect r = GetSizeGripRect();
  const RECT rect{r.Left, r.Top, r.Right, r.Bottom};
  HBRUSH brush = ::CreateSolidBrush(ColorToRGB(clBtnFace));
  ::FillRect(ADC, &rect, brush);
  ::DeleteObject(brush);
}

void TcxCustomInnerListBox::WMNCCalcSize(TMessage& message) {
  inherited::Dispatch(message);
  if (!m_scrollBarsCalculating)
    SetExternalScrollBarsParameters();
}

void TcxCustomInnerListBox::WMNCPaint(TMessage& message) {
  inherited::Dispatch(message);
  if (!UsecxScrollBars() || !BothBarsVisible())
    return;
  HDC dc = ::GetWindowDC(Handle());
  const TScopeExit release([this, dc] { ::ReleaseDC(Handle(), dc); });
  DrawSizeGrip(dc);
}

void TcxCustomInnerListBox::WMPrint(TMessage& message) {
  TWMPrint print(message);
  if (UsecxScrollBars() && (print.Flags() & PRF_NONCLIENT)) {
    print.SetFlags(print.Flags() & ~PRF_NONCLIENT);
    DrawSizeGrip(print.DC());
  }
  inherited::Dispatch(message);
}

void TcxCustomInnerListBox::WMSetRedraw(TMessage& message) {
  DefaultHandler(message);
  m_redrawLocked = message.WParam == 0;
  if (!IsDestroying() && message.WParam != 0)
    SetExternalScrollBarsParameters();
}

void TcxCustomInnerListBox::WMWindowPosChanged(TMessage& message) {
  inherited::Dispatch(message);
  if (IsDestroying() || !BothBarsVisible())
    return;
  const TRect r = GetSizeGripRect();
  HRGN region = ::CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom);
  ::SendMessageW(Handle(), WM_NCPAINT, reinterpret_cast<WPARAM>(region), 0);
  ::DeleteObject(region);
}

void TcxCustomInnerListBox::DestroyWindowHandle() {
  m_redrawLocked = false;
  inherited::DestroyWindowHandle();
}

// ---------------------------------------------------------------------------
// Dragging the container

bool TcxCustomInnerListBox::IsContainerDragPress(const TMessage& message) {
  return (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK) && m_container &&
         DragMode() == TDragMode::dmAutomatic && !m_container->IsDesigning() && !Dragging();
}

// A press on an item already selected in a multi-select list (without Shift,
// or with Ctrl) drags at once and keeps the selection; otherwise the list
// selects first, and the drag follows unless Ctrl or Shift extends a
// multi-select selection. The list's own mode is manual meanwhile, so that
// nothing drags the list itself.
void TcxCustomInnerListBox::WMLButtonDown(TMessage& message) {
  if (!IsContainerDragPress(message)) {
    inherited::Dispatch(message);
    return;
  }
  TcxContainer* container = m_container;
  const TDragMode savedMode = DragMode();
  SetDragMode(TDragMode::dmManual);
  const TControlLife life(this);
  const TScopeExit restore([this, &life, savedMode] {
    if (life)
      SetDragMode(savedMode);
  });
  const TWMMouse press(message);
  const TShiftState shift = press.Shift();
  const bool ctrl = shift.Contains(TShiftStateItem::ssCtrl);
  const bool extends = ctrl || shift.Contains(TShiftStateItem::ssShift);
  if (MultiSelect() && (!extends || ctrl)) {
    const int item = ItemAtPos(press.Pos(), true);
    if (item >= 0 && Selected(item)) {
      container->BeginDrag(false, -1);
      return;
    }
  }
  const TControlLife containerLife(container);
  inherited::Dispatch(message);
  if (life && containerLife && !(MultiSelect() && extends))
    container->BeginDrag(false, -1);
}

// ---------------------------------------------------------------------------
// Owner drawing

void TcxCustomInnerListBox::CNDrawItem(TMessage& message) {
  const DRAWITEMSTRUCT& item = *TWMDrawItem(message).DrawItemStruct();
  const auto state = TOwnerDrawState::FromMask(LOWORD(item.itemState));
  const TRect rect{item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
  const int index = static_cast<int>(item.itemID);
  {
    const TCanvasLoan loan(*Canvas(), item.hDC);
    Canvas()->SetFont(Font());
    Canvas()->SetBrush(Brush());
    if (index >= 0 && state.Contains(TOwnerDrawStateItem::odSelected)) {
      Canvas()->Brush()->SetColor(clHighlight);
      Canvas()->Font()->SetColor(clHighlightText);
    }
    if (index < 0)
      Canvas()->FillRect(rect);
    else
      DrawItem(index, rect, state);
    if (state.Contains(TOwnerDrawStateItem::odFocused) && NeedDrawFocusRect())
      ::DrawFocusRect(item.hDC, &item.rcItem);
  }
  message.Result = TRUE;
}

void TcxCustomInnerListBox::SaveCanvasParametersForFocusRect() {
  m_savedBrushColor = m_cxCanvas->Brush()->Color();
  m_savedFontColor = m_cxCanvas->Font()->Color();
}

void TcxCustomInnerListBox::RestoreCanvasParametersForFocusRect() {
  m_cxCanvas->Brush()->SetColor(m_savedBrushColor);
  m_cxCanvas->Font()->SetColor(m_savedFontColor);
}

// ---------------------------------------------------------------------------
// Messages

// A key the container's menu handler takes ends here. A left press in the
// automatic drag mode goes straight to the list's own handler, which selects and then drags the
// container; the control base would drag the list itself.
void TcxCustomInnerListBox::WndProc(TMessage& message) {
  if (TcxContainer* container = LiveContainer();
      container && (container->*(&TContainerAccess::InnerControlMenuHandler))(message))
    return;
  if (IsContainerDragPress(message)) {
    Dispatch(message);
    return;
  }
  inherited::WndProc(message);
  if (ChangesScrollBars(message))
    SetExternalScrollBarsParameters();
}

void TcxCustomInnerListBox::Dispatch(TMessage& message) {
  switch (message.Msg) {
  case WM_LBUTTONDOWN:
    WMLButtonDown(message);
    break;
  case WM_GETDLGCODE:
    WMGetDlgCode(message);
    break;
  case WM_SETFOCUS:
    WMSetFocus(message);
    break;
  case WM_KILLFOCUS:
    WMKillFocus(message);
    break;
  case WM_NCCALCSIZE:
    WMNCCalcSize(message);
    break;
  case WM_NCPAINT:
    WMNCPaint(message);
    break;
  case WM_PRINT:
    WMPrint(message);
    break;
  case WM_SETREDRAW:
    WMSetRedraw(message);
    break;
  case WM_WINDOWPOSCHANGED:
    WMWindowPosChanged(message);
    break;
  case CN_DRAWITEM:
    CNDrawItem(message);
    break;
  case CM_MOUSEENTER:
  case CM_MOUSELEAVE: {
    inherited::Dispatch(message);
    TControl* control = TCMMouseEnterLeave(message).ControlOr(this);
    if (message.Msg == CM_MOUSEENTER)
      MouseEnter(control);
    else
      MouseLeave(control);
    break;
  }
  default:
    inherited::Dispatch(message);
    break;
  }
}

void TcxCustomInnerListBox::DefaultHandler(TMessage& message) {
  if (TcxContainer* container = LiveContainer();
      container && (container->*(&TContainerAccess::InnerControlDefaultHandler))(message))
    return;
  inherited::DefaultHandler(message);
}
