#include "platform/controls/DragDrop.h"

#include <cstdlib>
#include <utility>

#include "platform/controls/Forms.h"
#include "platform/controls/Screen.h"
#include "platform/controls/Timers.h"
#include "platform/controls/WinControls.h"
#include "platform/rtl/ScopeGuards.h"

namespace controls_detail {

// What the drag reaches inside the controls and drag objects.
struct TDragAccess {
  static void StartDrag(TControl* control, TDragObject*& object) { control->DoStartDrag(object); }
  static void EndDrag(TControl* control, TObject* target, int x, int y) {
    control->DoEndDrag(target, x, y);
  }
  static TDragImageList* Images(TControl* control) { return control->GetDragImages(); }
  static void Canceled(TControl* control) { control->DragCanceled(); }
  static void DragOver(TControl* control, TObject* source, TPoint pos, TDragState state,
                       bool& accept) {
    control->DragOver(source, pos.X, pos.Y, state, accept);
  }
  static void SetTarget(TDragObject* object, TControl* target, HWND handle) {
    object->m_dragTarget = target;
    object->m_dragHandle = handle;
  }
  static void SetPos(TDragObject* object, TPoint pos) { object->m_dragPos = pos; }
  static void SetTargetPos(TDragObject* object, TPoint pos) { object->m_dragTargetPos = pos; }
  static void SetCancelling(TDragObject* object, bool value) { object->m_cancelling = value; }
  static void SetDropped(TDragObject* object, bool value) { object->m_dropped = value; }
};

} // namespace controls_detail

namespace {

using controls_detail::TDragAccess;

// The one drag of the program.
struct TDragSession {
  // Set from the start, while the control may still supply its object.
  TControl* Control = nullptr;
  TDragObject* Object = nullptr;
  // The drag made its object itself: it frees it, and the drag's events
  // name the control as the source.
  bool OwnsObject = false;
  // The mouse has left the threshold (or the drag began at once).
  bool Active = false;
  TPoint StartPos{};
  int Threshold = 0;
  HWND Capture = nullptr;
  TDragImageList* Images = nullptr;
  HCURSOR SavedCursor = nullptr;
};

TDragSession g_drag;

void DragTo(TPoint pos);
void DragDone(bool drop);

TPoint CursorPos() {
  POINT pos;
  ::GetCursorPos(&pos);
  return {pos.x, pos.y};
}

LRESULT DragMessage(HWND window, TDragMessage message, TDragObject* source, TControl* target,
                    TPoint pos) {
  if (!window || !IsVCLControl(window))
    return 0;
  TDragRec rec{pos, source, target, false};
  return ::SendMessageW(window, CM_DRAG, static_cast<WPARAM>(message),
                        reinterpret_cast<LPARAM>(&rec));
}

// The control under the screen point that takes part in dragging, and its
// window.
TControl* FindTarget(TPoint pos, HWND& handle) {
  HWND window = ::WindowFromPoint(POINT{pos.X, pos.Y});
  while (window && !IsVCLControl(window))
    window = ::GetParent(window);
  handle = window;
  return reinterpret_cast<TControl*>(
      DragMessage(window, TDragMessage::dmFindTarget, g_drag.Object, nullptr, pos));
}

// Asks the current target; false when there is none.
bool DoDragOver(TDragMessage message) {
  TDragObject* object = g_drag.Object;
  if (!object || !object->DragTarget())
    return false;
  return DragMessage(object->DragHandle(), message, object, object->DragTarget(),
                     object->DragPos()) != 0;
}

bool PastThreshold(TPoint pos) {
  return std::abs(pos.X - g_drag.StartPos.X) >= g_drag.Threshold ||
         std::abs(pos.Y - g_drag.StartPos.Y) >= g_drag.Threshold;
}

// The image is shown over the desktop while the target lets it show.
void MoveImage(TPoint pos, TControl* target) {
  TDragImageList* images = g_drag.Images;
  if (!images)
    return;
  const bool show =
      !target || target->ControlStyle().Contains(TControlStyleItem::csDisplayDragImage);
  if (!show)
    images->EndDrag();
  else if (images->Dragging())
    images->DragMove(pos.X, pos.Y);
  else
    images->BeginDrag(::GetDesktopWindow(), pos.X, pos.Y);
}

// Moves the target on when the mouse reached another control; false when
// the drag ended meanwhile.
bool ChangeTarget(TDragObject* object, TPoint pos) {
  HWND handle = nullptr;
  TControl* target = FindTarget(pos, handle);
  if (target == object->DragTarget())
    return true;
  DoDragOver(TDragMessage::dmDragLeave);
  if (g_drag.Object != object)
    return false;
  TDragAccess::SetTarget(object, target, handle);
  TDragAccess::SetPos(object, pos);
  DoDragOver(TDragMessage::dmDragEnter);
  return g_drag.Object == object;
}

void DragTo(TPoint pos) {
  TDragObject* object = g_drag.Object;
  if (!object || object->Cancelling() || (!g_drag.Active && !PastThreshold(pos)))
    return;
  g_drag.Active = true;
  if (!ChangeTarget(object, pos))
    return;
  TDragAccess::SetPos(object, pos);
  if (TControl* target = object->DragTarget())
    TDragAccess::SetTargetPos(object, target->ScreenToClient(pos));
  const bool accepted = DoDragOver(TDragMessage::dmDragMove);
  if (g_drag.Object != object)
    return;
  const TCursor cursor = object->GetDragCursor(accepted, pos.X, pos.Y);
  MoveImage(pos, object->DragTarget());
  ::SetCursor(Screen->Cursors(cursor));
}

// Ends the drag: the target is asked a last time and gets the drop when it
// takes it, then the drag object hears how it ended.
void DragDone(bool drop) {
  TDragObject* object = g_drag.Object;
  if (!object || object->Cancelling())
    return;
  TDragAccess::SetCancelling(object, true);
  TDragAccess::SetDropped(object, drop);
  const bool ownsObject = g_drag.OwnsObject;
  HWND capture = g_drag.Capture;
  const TScopeExit release([object, ownsObject, capture] {
    g_drag.OwnsObject = false;
    DeallocateHWnd(capture);
    if (ownsObject)
      object->Free();
  });
  if (::GetCapture() == capture)
    ::ReleaseCapture();
  TControl* target = object->DragTarget();
  const TPoint targetPos = target ? object->DragTargetPos() : object->DragPos();
  const bool accepted = g_drag.Active && DoDragOver(TDragMessage::dmDragLeave) && drop;
  if (g_drag.Images)
    g_drag.Images->EndDrag();
  ::SetCursor(g_drag.SavedCursor);
  g_drag = TDragSession{.OwnsObject = ownsObject};
  if (target)
    DragMessage(object->DragHandle(),
                accepted ? TDragMessage::dmDragDrop : TDragMessage::dmDragCancel, object, target,
                object->DragPos());
  TDragAccess::SetCancelling(object, false);
  object->Finished(target, targetPos.X, targetPos.Y, accepted);
}

void CaptureWndProc(TMessage& message) {
  switch (message.Msg) {
  case WM_MOUSEMOVE: {
    const TPoint client = TWMMouse(message).Pos();
    POINT pos{client.X, client.Y};
    ::ClientToScreen(g_drag.Capture, &pos);
    DragTo({pos.x, pos.y});
    break;
  }
  case WM_CAPTURECHANGED:
    DragDone(false);
    break;
  case WM_LBUTTONUP:
  case WM_RBUTTONUP:
    DragDone(true);
    break;
  case CN_KEYDOWN:
  case CN_KEYUP:
    if (message.WParam == VK_CONTROL && g_drag.Object) {
      DragTo(g_drag.Object->DragPos());
    } else if (message.WParam == VK_ESCAPE && message.Msg == CN_KEYDOWN) {
      message.Result = 1;
      DragDone(false);
    }
    break;
  default:
    if (g_drag.Capture)
      message.Result =
          ::DefWindowProcW(g_drag.Capture, message.Msg, message.WParam, message.LParam);
    break;
  }
}

void DragInit(TDragObject* object, bool immediate, int threshold) {
  g_drag.Object = object;
  TDragAccess::SetTarget(object, nullptr, nullptr);
  g_drag.StartPos = CursorPos();
  TDragAccess::SetPos(object, g_drag.StartPos);
  g_drag.SavedCursor = ::GetCursor();
  g_drag.Threshold = threshold;
  g_drag.Images = object->GetDragImages();
  g_drag.Capture = AllocateHWnd(TWndMethod(CaptureWndProc));
  ::SetCapture(g_drag.Capture);
  if (!immediate)
    return;
  g_drag.Active = true;
  DragTo(g_drag.StartPos);
}

void DragInitControl(TControl* control, bool immediate, int threshold) {
  g_drag.Control = control;
  bool started = false;
  const TScopeExit undo([&started] {
    if (!started && !g_drag.Object)
      g_drag.Control = nullptr;
  });
  TDragObject* object = nullptr;
  TDragAccess::StartDrag(control, object);
  if (g_drag.Control != control)
    return;
  g_drag.OwnsObject = object == nullptr;
  if (!object)
    object = Create<TDragControlObject>(control);
  DragInit(object, immediate, threshold);
  started = true;
}

} // namespace

TCursor TDragObject::GetDragCursor(bool accepted, int, int) { return accepted ? crDrag : crNoDrop; }

void TDragObject::HideDragImage() {
  if (TDragImageList* images = GetDragImages())
    images->HideDragImage();
}

void TDragObject::ShowDragImage() {
  if (TDragImageList* images = GetDragImages())
    images->ShowDragImage();
}

void TDragObject::Finished(TObject*, int, int, bool) {}

void TBaseDragControlObject::Finished(TObject* target, int x, int y, bool accepted) {
  if (!accepted && m_control) {
    TControlLife life(m_control);
    TDragAccess::Canceled(m_control);
    if (!life)
      return;
  }
  EndDrag(accepted ? target : nullptr, x, y);
}

void TBaseDragControlObject::EndDrag(TObject* target, int x, int y) {
  if (m_control)
    TDragAccess::EndDrag(m_control, target, x, y);
}

TCursor TDragControlObject::GetDragCursor(bool accepted, int, int) {
  return accepted && Control() ? Control()->DragCursor() : crNoDrop;
}

TDragImageList* TDragControlObject::GetDragImages() {
  return Control() ? TDragAccess::Images(Control()) : nullptr;
}

TDragObject* CurrentDragObject() { return g_drag.Object; }

TControl* DragControl() { return g_drag.Control; }

void CancelDrag() {
  if (g_drag.Object)
    DragDone(false);
  g_drag.Control = nullptr;
}

void DragControlDestroying(TControl* control) {
  if (!g_drag.Control && !g_drag.Object)
    return;
  if (g_drag.Object && g_drag.Object->DragTarget() == control)
    TDragAccess::SetTarget(g_drag.Object, nullptr, nullptr);
  if (g_drag.Control != control)
    return;
  if (auto* object = dynamic_cast<TBaseDragControlObject*>(g_drag.Object))
    if (object->Control() == control)
      object->ForgetControl();
  CancelDrag();
}

void TControl::BeginDrag(bool immediate, int threshold) {
  if (dynamic_cast<TCustomForm*>(this) && m_dragKind != TDragKind::dkDock)
    throw EInvalidOperation("Cannot drag a form");
  if (g_drag.Control)
    return;
  if (m_controlState.Contains(TControlStateItem::csLButtonDown)) {
    TControlLife life(this);
    Perform(WM_LBUTTONUP, 0, PointToLParam(ScreenToClient(CursorPos())));
    if (!life)
      return;
  }
  DragInitControl(this, immediate, threshold < 0 ? Mouse->DragThreshold() : threshold);
}

void TControl::BeginAutoDrag() { BeginDrag(Mouse->DragImmediate(), Mouse->DragThreshold()); }

void TControl::EndDrag(bool drop) {
  if (Dragging())
    DragDone(drop);
}

bool TControl::Dragging() const { return g_drag.Control == this; }

void TControl::CMDrag(TCMDrag message) {
  TDragRec* rec = message.DragRec();
  if (message.DragMessage() == TDragMessage::dmFindTarget) {
    TControl* target = this;
    if (auto* windowed = dynamic_cast<TWinControl*>(this))
      if (TControl* child = windowed->ControlAtPos(ScreenToClient(rec->Pos), false))
        target = child;
    message.SetResult(reinterpret_cast<LRESULT>(target));
    return;
  }
  TControl* target = rec->Target;
  if (!target)
    return;
  TObject* source = rec->Source;
  if (g_drag.OwnsObject)
    if (auto* object = dynamic_cast<TBaseDragControlObject*>(rec->Source))
      source = object->Control();
  const TPoint pos = target->ScreenToClient(rec->Pos);
  switch (message.DragMessage()) {
  case TDragMessage::dmDragEnter:
  case TDragMessage::dmDragLeave:
  case TDragMessage::dmDragMove: {
    bool accept = true;
    TDragAccess::DragOver(target, source, pos,
                          static_cast<TDragState>(static_cast<int>(message.DragMessage())), accept);
    message.SetResult(accept ? 1 : 0);
    break;
  }
  case TDragMessage::dmDragDrop:
    target->DragDrop(source, pos.X, pos.Y);
    break;
  default:
    break;
  }
}
