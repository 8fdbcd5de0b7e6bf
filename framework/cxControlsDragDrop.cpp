#include "framework/cxControlsDragDrop.h"

#include <algorithm>
#include <cstdlib>

#include "framework/cxControlsControl.h"
#include "framework/cxControlsUtils.h"
#include "framework/cxGeometry.h"
#include "framework/cxGraphicsCanvas.h"
#include "platform/controls/Screen.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/rtl/ScopeGuards.h"

namespace {

constexpr int kMaxAutoScrollSpeed = 12;
constexpr int kAutoScrollSpeedStep = 5;
constexpr UINT kAutoScrollTick = 20;

bool IsMouseMessage(UINT msg) { return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST; }

// One run of the middle-button auto-scroll: the anchor picture on the
// screen, the timer and the control's capture, all undone when it ends.
class TAutoScrollMode {
public:
  TAutoScrollMode(TcxControl* control, bool hBarVisible, bool vBarVisible);
  ~TAutoScrollMode();
  TAutoScrollMode(const TAutoScrollMode&) = delete;
  TAutoScrollMode& operator=(const TAutoScrollMode&) = delete;

  void Run();

private:
  const char* AnchorBitmapName() const;
  void ShowAnchor();
  void PaintAnchor();
  // Handles one message of the loop; false ends the mode.
  bool Handle(const MSG& msg, const TControlLife& life);
  void MouseMoved(TPoint pos);
  void ShowCursor() const;

  TcxControl* m_control;
  HWND m_controlWindow;
  bool m_hBar;
  bool m_vBar;
  TPoint m_anchor;
  TPoint m_lastPos;
  bool m_moved = false;
  TcxDirection m_direction = TcxDirection::dirNone;
  int m_speed = 1;
  int m_tick = 0;
  TOwned<TBitmap> m_bitmap;
  HWND m_window = nullptr;
  UINT_PTR m_timer = 0;
};

TAutoScrollMode::TAutoScrollMode(TcxControl* control, bool hBarVisible, bool vBarVisible)
    : m_control(control), m_controlWindow(control->Handle()), m_hBar(hBarVisible),
      m_vBar(vBarVisible), m_anchor(GetMouseCursorPos()), m_lastPos(m_anchor),
      m_bitmap(Create<TBitmap>()) {
  m_bitmap->LoadFromResourceName(nullptr, AnchorBitmapName());
  ShowAnchor();
  ShowCursor();
  m_timer = ::SetTimer(nullptr, 0, kAutoScrollTick, nullptr);
  ::SetCapture(m_controlWindow);
}

TAutoScrollMode::~TAutoScrollMode() {
  if (::GetCapture() == m_controlWindow)
    ::ReleaseCapture();
  ::KillTimer(nullptr, m_timer);
  if (::IsWindow(m_window))
    ::DestroyWindow(m_window);
}

const char* TAutoScrollMode::AnchorBitmapName() const {
  if (m_hBar && m_vBar)
    return "CX_FULLSCROLLBITMAP";
  return m_hBar ? "CX_HORSCROLLBITMAP" : "CX_VERSCROLLBITMAP";
}

void TAutoScrollMode::ShowAnchor() {
  const int width = m_bitmap->Width(), height = m_bitmap->Height();
  m_window = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP,
                               m_anchor.X - width / 2, m_anchor.Y - height / 2, width, height,
                               m_controlWindow, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  if (!m_window)
    return;
  ::SetWindowRgn(m_window, ::CreateEllipticRgn(0, 0, width + 1, height + 1), TRUE);
  ::ShowWindow(m_window, SW_SHOWNOACTIVATE);
  PaintAnchor();
}

void TAutoScrollMode::PaintAnchor() {
  const int width = m_bitmap->Width(), height = m_bitmap->Height();
  HDC dc = ::GetDC(m_window);
  ::BitBlt(dc, 0, 0, width, height, m_bitmap->Canvas()->Handle(), 0, 0, SRCCOPY);
  HRGN frame = ::CreateEllipticRgn(0, 0, width + 1, height + 1);
  ::FrameRgn(dc, frame, ::GetSysColorBrush(COLOR_WINDOWTEXT), 1, 1);
  ::DeleteObject(frame);
  ::ReleaseDC(m_window, dc);
  ::ValidateRect(m_window, nullptr);
}

void TAutoScrollMode::ShowCursor() const {
  ::SetCursor(Screen->Cursors(cxAutoScrollCursor(m_direction, m_hBar, m_vBar)));
}

void TAutoScrollMode::MouseMoved(TPoint pos) {
  const TcxAutoScrollStep step =
      cxAutoScrollStep(m_anchor, pos, m_bitmap->Width(), m_hBar, m_vBar,
                       {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)});
  m_moved = m_moved || step.Outside;
  m_direction = step.Direction;
  m_speed = step.Speed;
  ShowCursor();
}

void TAutoScrollMode::Run() {
  const TControlLife life(m_control);
  MSG msg;
  while (life && ::GetCapture() == m_controlWindow) {
    if (::GetMessageW(&msg, nullptr, 0, 0) == -1)
      return;
    if (msg.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (!Handle(msg, life))
      return;
  }
}

bool TAutoScrollMode::Handle(const MSG& msg, const TControlLife& life) {
  if (msg.message == WM_PAINT && msg.hwnd == m_window) {
    ::ValidateRect(m_window, nullptr);
    return true;
  }
  if (IsMouseMessage(msg.message) && msg.message != WM_MOUSEMOVE && msg.message != WM_MBUTTONUP)
    return false;
  bool goOn = true;
  switch (msg.message) {
  case WM_KEYDOWN:
  case WM_KEYUP:
    goOn = msg.wParam != VK_ESCAPE;
    break;
  case WM_TIMER:
    if (msg.hwnd == nullptr && msg.wParam == m_timer && cxAutoScrollTickScrolls(++m_tick, m_speed))
      m_control->ScrollContent(m_direction);
    break;
  case WM_MOUSEMOVE: {
    const TPoint pos{msg.pt.x, msg.pt.y};
    if (pos != m_lastPos) {
      m_lastPos = pos;
      MouseMoved(pos);
    }
    break;
  }
  case WM_MBUTTONUP:
    goOn = !m_moved;
    break;
  }
  if (!life)
    return false;
  ::TranslateMessage(&msg);
  ::DispatchMessageW(&msg);
  // A control gives up the capture when any button comes up; the middle
  // button's release that keeps the mode on takes it back.
  if (goOn && msg.message == WM_MBUTTONUP && life && ::GetCapture() != m_controlWindow)
    ::SetCapture(m_controlWindow);
  return goOn;
}

} // namespace

TcxDragAndDropObject::TcxDragAndDropObject(TcxControl* control) : m_control(control) {}

TcxCanvas* TcxDragAndDropObject::Canvas() const { return m_control->Canvas(); }

void TcxDragAndDropObject::SetDirty(bool value) {
  if (m_dirty == value)
    return;
  m_dirty = value;
  DirtyChanged();
}

void TcxDragAndDropObject::ChangeMousePos(const TPoint& p) {
  m_prevMousePos = m_curMousePos;
  m_curMousePos = p;
}

void TcxDragAndDropObject::DoBeginDragAndDrop() {
  m_curMousePos = m_control->ScreenToClient(GetMouseCursorPos());
  m_prevMousePos = m_curMousePos;
  BeginDragAndDrop();
}

void TcxDragAndDropObject::DoDragAndDrop(const TPoint& p, bool& accepted) {
  ChangeMousePos(p);
  DragAndDrop(p, accepted);
}

void TcxDragAndDropObject::DoEndDragAndDrop(bool accepted) {
  EndDragAndDrop(accepted);
  AfterDragAndDrop(accepted);
}

TCursor TcxDragAndDropObject::GetDragAndDropCursor(bool accepted) {
  return accepted ? crDrag : crNoDrop;
}

void TcxDragAndDropObject::DragAndDrop(const TPoint&, bool& accepted) {
  SetDirty(false);
  Screen->SetCursor(GetDragAndDropCursor(accepted));
}

void TcxDragControlObject::Finished(TObject* target, int x, int y, bool accepted) {
  inherited::Finished(target, x, y, accepted);
  Free();
}

TCursor TcxDragControlObject::GetDragCursor(bool accepted, int x, int y) {
  auto* control = dynamic_cast<TcxControl*>(Control());
  if (accepted && control && control->IsCopyDragDrop())
    return crDragCopy;
  return inherited::GetDragCursor(accepted, x, y);
}

TcxAutoScrollStep cxAutoScrollStep(TPoint anchor, TPoint pos, int anchorWidth, bool hBarVisible,
                                   bool vBarVisible, TSize screen) {
  const int half = anchorWidth / 2;
  TRect neutral = Bounds(anchor.X - half, anchor.Y - half, anchorWidth, anchorWidth);
  if (!hBarVisible) {
    neutral.Left = 0;
    neutral.Right = screen.cx;
  }
  if (!vBarVisible) {
    neutral.Top = 0;
    neutral.Bottom = screen.cy;
  }
  TcxAutoScrollStep step;
  if (cxRectPtIn(neutral, pos))
    return step;
  step.Outside = true;
  const int dy = pos.Y - anchor.Y;
  const int dx = hBarVisible ? pos.X - anchor.X : 0;
  const bool vertical = !hBarVisible || (vBarVisible && std::abs(dy) >= std::abs(dx));
  int distance = 0;
  if (vertical) {
    step.Direction = dy < 0 ? TcxDirection::dirUp : TcxDirection::dirDown;
    distance = std::abs(dy);
  } else {
    step.Direction = dx < 0 ? TcxDirection::dirLeft : TcxDirection::dirRight;
    distance = std::abs(dx);
  }
  step.Speed = std::min((distance - half) / kAutoScrollSpeedStep + 1, kMaxAutoScrollSpeed);
  return step;
}

TCursor cxAutoScrollCursor(TcxDirection direction, bool hBarVisible, bool vBarVisible) {
  switch (direction) {
  case TcxDirection::dirLeft:
    return crLeftScroll;
  case TcxDirection::dirRight:
    return crRightScroll;
  case TcxDirection::dirUp:
    return crUpScroll;
  case TcxDirection::dirDown:
    return crDownScroll;
  default:
    break;
  }
  if (hBarVisible && vBarVisible)
    return crFullScroll;
  return hBarVisible ? crHorScroll : crVerScroll;
}

bool cxAutoScrollTickScrolls(int tick, int speed) {
  const int period = kMaxAutoScrollSpeed + 1 - speed;
  return period > 0 && tick % period == 0;
}

void TcxControl::SetDragAndDropState(TcxDragAndDropState value) {
  if (m_dragAndDropState == value)
    return;
  m_dragAndDropState = value;
  if (value == TcxDragAndDropState::ddsNone && !m_finishingDragAndDrop)
    DoCancelMode();
}

TcxDragAndDropObject* TcxControl::GetDragAndDropObject() {
  if (!m_dragAndDropObject)
    m_dragAndDropObject.reset(GetDragAndDropObjectClass().Create(this));
  return m_dragAndDropObject.get();
}

TcxDragAndDropObjectClass TcxControl::GetDragAndDropObjectClass() {
  return TcxDragAndDropObject::StaticClass();
}

void TcxControl::BeginDragAndDrop() {
  TControlLife life(this);
  GetDragAndDropObject()->DoBeginDragAndDrop();
  if (!life)
    return;
  SetMouseCapture(true);
  m_dragAndDropPrevCursor = Screen->Cursor();
  m_dragAndDropState = TcxDragAndDropState::ddsInProcess;
}

void TcxControl::DragAndDrop(const TPoint& p, bool& accepted) {
  GetDragAndDropObject()->DoDragAndDrop(p, accepted);
}

void TcxControl::EndDragAndDrop(bool accepted) {
  m_dragAndDropState = TcxDragAndDropState::ddsNone;
  Screen->SetCursor(m_dragAndDropPrevCursor);
  TControlLife life(this);
  SetMouseCapture(false);
  if (life)
    SetMouseCaptureObject(nullptr);
  if (life)
    GetDragAndDropObject()->DoEndDragAndDrop(accepted);
}

void TcxControl::AfterMouseDown(TMouseButton button, int x, int y) {
  if (button == TMouseButton::mbMiddle) {
    DoScrolling();
    return;
  }
  if (button != TMouseButton::mbLeft || DragMode() != TDragMode::dmAutomatic || !MouseCapture())
    return;
  if (IsDesigning() && !AllowAutoDragAndDropAtDesignTime(x, y, {TShiftStateItem::ssLeft}))
    return;
  if (CanDrag(x, y) && DragDetect(Handle()) == TcxDragDetect::ddDrag)
    BeginDrag(true);
}

void TcxControl::DoScrolling() {
  const bool hBar = HScrollBarVisible(), vBar = VScrollBarVisible();
  if (!HandleAllocated() || (!hBar && !vBar))
    return;
  TAutoScrollMode(this, hBar, vBar).Run();
}

bool TcxControl::IsOwnDragPress(TMessage& message) {
  if ((message.Msg != WM_LBUTTONDOWN && message.Msg != WM_LBUTTONDBLCLK) || DragControl())
    return false;
  if (IsDesigning()) {
    const TWMMouse press(message);
    return GetDesignHitTest(press.XPos(), press.YPos(), {TShiftStateItem::ssLeft});
  }
  return DragMode() == TDragMode::dmAutomatic;
}

void TcxControl::DispatchOwnDragPress(TMessage& message) {
  if (ControlAtPos(TWMMouse(message).Pos(), false)) {
    inherited::WndProc(message);
    return;
  }
  IncludeControlState(TControlStateItem::csLButtonDown);
  TControlLife life(this);
  Dispatch(message);
  if (life)
    ExcludeControlState(TControlStateItem::csLButtonDown);
}

void TcxControl::PaintHidingDragImage(TMessage& message) {
  HideDragImage();
  const TControlLife life(this);
  const TScopeExit show([this, &life] {
    if (life)
      ShowDragImage();
  });
  inherited::WndProc(message);
}

void TcxControl::HideDragImage() {
  if (m_dragObject)
    m_dragObject->HideDragImage();
}

void TcxControl::ShowDragImage() {
  if (m_dragObject)
    m_dragObject->ShowDragImage();
}

TDragControlObjectClass TcxControl::GetDragObjectClass() {
  return TcxDragControlObject::StaticClass();
}

TcxDragImageListClass TcxControl::GetDragImagesClass() { return TcxDragImageList::StaticClass(); }

void TcxControl::DoStartDrag(TDragObject*& dragObject) {
  Update();
  TControlLife life(this);
  inherited::DoStartDrag(dragObject);
  if (!life)
    return;
  if (!dragObject)
    dragObject = GetDragObjectClass().Create(this);
  if (StartDrag(dragObject))
    return;
  dragObject->Free();
  dragObject = nullptr;
  CancelDrag();
}

void TcxControl::DoEndDrag(TObject* target, int x, int y) {
  TControlLife life(this);
  inherited::DoEndDrag(target, x, y);
  if (life)
    m_dragImages.reset();
}

void TcxControl::DragOver(TObject* source, int x, int y, TDragState state, bool& accept) {
  if (auto* object = dynamic_cast<TDragObject*>(source))
    m_dragObject = state == TDragState::dsDragLeave ? nullptr : object;
  inherited::DragOver(source, x, y, state, accept);
}

TDragImageList* TcxControl::GetDragImages() {
  if (!HasDragImages())
    return nullptr;
  if (!m_dragImages) {
    m_dragImages.reset(GetDragImagesClass().Create(nullptr));
    InitDragImages(m_dragImages.get());
  }
  return m_dragImages->Count() > 0 ? m_dragImages.get() : nullptr;
}

void TcxControl::InitDragImages(TDragImageList* list) {
  const TSize size = GetDragImagesSize();
  if (size.cx == 0 || size.cy == 0)
    return;
  list->SetSize(size.cx, size.cy);
  const TOwned<TBitmap> bitmap(Create<TBitmap>());
  bitmap->SetSize(size.cx, size.cy);
  const TOwned<TcxCanvas> canvas(Create<TcxCanvas>(bitmap->Canvas()));
  DrawDragImage(canvas.get(), Rect(0, 0, size.cx, size.cy));
  list->AddMasked(bitmap.get(), bitmap->TransparentColor());
}
