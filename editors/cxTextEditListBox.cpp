#include "editors/cxTextEditListBox.h"

#include "editors/cxTextEditLookup.h"
#include "framework/cxContainerPopup.h"
#include "framework/cxGeometry.h"
#include "platform/controls/Messages.h"
#include "platform/controls/Screen.h"
#include "platform/rtl/ScopeGuards.h"

TcxCustomEditListBox::TcxCustomEditListBox(TComponent* AOwner) : TcxCustomInnerListBox(AOwner) {
  SetBorderStyle(TBorderStyle::bsNone);
  SetStyle(TListBoxStyle::lbOwnerDrawVariable);
}

TWinControl* TcxCustomEditListBox::GetEdit() {
  auto* popup = dynamic_cast<TcxCustomPopupWindow*>(Owner());
  return popup ? popup->OwnerControl() : nullptr;
}

bool TcxCustomEditListBox::IsVisible() { return HandleAllocated() && ::IsWindowVisible(Handle()); }

void TcxCustomEditListBox::SetItemCount(int AValue) {
  TStrings* rows = Items();
  if (rows->Count() == AValue)
    return;
  const TUpdateScope update(*rows);
  while (rows->Count() < AValue)
    rows->Add(std::string());
  while (rows->Count() > AValue)
    rows->Delete(rows->Count() - 1);
}

std::string TcxCustomEditListBox::GetItem(int AIndex) { return Items()->Strings(AIndex); }

int TcxCustomEditListBox::GetDefaultItemHeight() {
  cxCanvas()->SetFont(Font());
  return cxCanvas()->TextHeight("Wg");
}

int TcxCustomEditListBox::GetItemHeight(int) { return GetDefaultItemHeight(); }

int TcxCustomEditListBox::GetHeight(int ARowCount) { return ARowCount * GetItemHeight(-1); }

int TcxCustomEditListBox::GetItemWidth(int AIndex) {
  cxCanvas()->SetFont(Font());
  return cxCanvas()->TextWidth(GetItem(AIndex));
}

void TcxCustomEditListBox::MeasureItem(int, int& AHeight) { AHeight = GetItemHeight(-1); }

void TcxCustomEditListBox::DrawItem(int AIndex, const TRect& ARect, TOwnerDrawState AState) {
  if (DoDrawItem(AIndex, ARect, AState))
    return;
  Canvas()->FillRect(ARect);
  if (AIndex < 0 || AIndex >= Count())
    return;
  Canvas()->RequiredState(
      {TCanvasStates::csHandleValid, TCanvasStates::csFontValid, TCanvasStates::csBrushValid});
  TRect r = ARect;
  r.Left += 2;
  cxDrawText(Canvas()->Handle(), GetItem(AIndex), r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

bool TcxCustomEditListBox::NeedDrawFocusRect() {
  auto* edit = dynamic_cast<IcxTextEditLookupOwner*>(GetEdit());
  if (!edit)
    return false;
  const TcxEditEditingStyle style = edit->EditingStyle();
  return style == TcxEditEditingStyle::esFixedList || style == TcxEditEditingStyle::esNoEdit;
}

void TcxCustomEditListBox::SetItemIndex(int AIndex) {
  inherited::SetItemIndex(AIndex);
  DoSelectItem();
}

void TcxCustomEditListBox::Click() {
  inherited::Click();
  DoSelectItem();
}

void TcxCustomEditListBox::DoSelectItem() {
  SetExternalScrollBarsParameters();
  if (m_onSelectItem)
    m_onSelectItem(this);
}

// The first row from the top visible one that holds the point; the row
// count when none does, -1 outside the client area.
int TcxCustomEditListBox::RowAt(const TPoint& P) {
  if (!cxRectPtIn(ClientRect(), P))
    return -1;
  for (int row = TopIndex(); row < Count(); ++row)
    if (cxRectPtIn(ItemRect(row), P))
      return row;
  return Count();
}

void TcxCustomEditListBox::MouseMove(TShiftState Shift, int X, int Y) {
  inherited::MouseMove(Shift, X, Y);
  if (!m_trackMouse || (HandleAllocated() && ::GetCapture() == Handle()))
    return;
  const int row = RowAt({X, Y});
  if (row != -1 && row != ItemIndex() && row < Count())
    SetItemIndex(row);
}

bool TcxCustomEditListBox::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (inherited::DoMouseWheel(Shift, WheelDelta, MousePos))
    return true;
  const int lines = Mouse->WheelScrollLines();
  bool scrolled = false;
  for (int i = 0; i < lines; ++i)
    scrolled =
        ::SendMessageW(Handle(), WM_VSCROLL, WheelDelta > 0 ? SB_LINEUP : SB_LINEDOWN, 0) == 0;
  return lines > 0 && scrolled;
}

void TcxCustomEditListBox::Dispatch(TMessage& message) {
  inherited::Dispatch(message);
  // Draws its selection as focused while the focus stays in the editor.
  if (message.Msg == CM_SHOWINGCHANGED && HandleAllocated())
    CallDefWndProc(WM_SETFOCUS, 0, 0);
}
