#include "framework/cxControlsCustomizeListBox.h"

#include "framework/cxControlsUtils.h"
#include "platform/controls/MessageRecords.h"
#include "platform/rtl/ScopeGuards.h"

TObject* TcxCustomizeListBox::ObjectAt(int AIndex) const {
  return AIndex == -1 ? nullptr : Items()->Objects(AIndex);
}

TObject* TcxCustomizeListBox::GetItemObject() const { return ObjectAt(ItemIndex()); }

void TcxCustomizeListBox::SetItemObject(TObject* Value) {
  if (GetItemObject() == Value)
    return;
  SetItemIndex(Items()->IndexOfObject(Value));
  Click();
}

TObject* TcxCustomizeListBox::GetDragAndDropItemObject() const {
  return ObjectAt(m_dragAndDropItemIndex);
}

void TcxCustomizeListBox::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.WindowClass.style |= CS_HREDRAW;
}

void TcxCustomizeListBox::WndProc(TMessage& Message) {
  switch (Message.Msg) {
  case WM_MOUSEMOVE:
    if (m_dragAndDropItemIndex != -1) {
      const TWMMouse mouse(Message);
      MouseMove(mouse.Shift(), mouse.XPos(), mouse.YPos());
      return;
    }
    break;
  case WM_CANCELMODE:
    m_dragAndDropItemIndex = -1;
    break;
  }
  inherited::WndProc(Message);
}

void TcxCustomizeListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TControlLife life(this);
  inherited::MouseDown(Button, Shift, X, Y);
  if (!life || Button != TMouseButton::mbLeft)
    return;
  if (ItemAtPos(Point(X, Y), true) != -1 && GetItemObject()) {
    m_dragAndDropItemIndex = ItemIndex();
    m_mouseDownPos = Point(X, Y);
  }
}

void TcxCustomizeListBox::MouseMove(TShiftState Shift, int X, int Y) {
  TControlLife life(this);
  inherited::MouseMove(Shift, X, Y);
  if (!life || m_dragAndDropItemIndex == -1)
    return;
  if (IsPointInDragDetectArea(m_mouseDownPos, X, Y) &&
      ItemAtPos(Point(X, Y), true) == m_dragAndDropItemIndex)
    return;
  SetItemIndex(m_dragAndDropItemIndex);
  BeginDragAndDrop();
  if (life)
    m_dragAndDropItemIndex = -1;
}

void TcxCustomizeListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  m_dragAndDropItemIndex = -1;
  inherited::MouseUp(Button, Shift, X, Y);
}

void TcxCustomizeListBox::BeginDragAndDrop() {
  if (!MultiSelect())
    return;
  const int selected = ItemIndex();
  const TUpdateScope update(*Items());
  for (int i = 0; i < Items()->Count(); ++i)
    SetSelected(i, i == selected);
}
