// Alignment of a windowed control's children: top, bottom, left and right
// aligned controls take strips of the client area in that order, each group
// sorted by its position (the control being moved or resized before the
// others of equal position), and the client aligned ones fill what remains;
// the controls that are not aligned follow their anchors. Scaling of the
// children is here too.
#include "platform/controls/WinControls.h"
#include "platform/rtl/ScopeGuards.h"

#include <algorithm>

namespace {

using enum TControlStateItem;

// Whether 'a' goes before 'b' among the controls of one alignment.
bool AlignsBefore(TControl* a, TControl* b, TAlign align) {
  switch (align) {
  case TAlign::alTop: return a->Top() < b->Top();
  case TAlign::alBottom: return a->Top() + a->Height() > b->Top() + b->Height();
  case TAlign::alLeft: return a->Left() < b->Left();
  case TAlign::alRight: return a->Left() + a->Width() > b->Left() + b->Width();
  default: return false;
  }
}

// Places the control in its strip and takes the strip from 'rect'.
void PlaceAligned(TControl* control, TAlign align, TRect& rect) {
  int left = rect.Left;
  int top = rect.Top;
  int width = rect.Right - rect.Left;
  int height = rect.Bottom - rect.Top;
  switch (align) {
  case TAlign::alTop:
    height = control->Height();
    break;
  case TAlign::alBottom:
    height = control->Height();
    top = rect.Bottom - height;
    break;
  case TAlign::alLeft:
    width = control->Width();
    break;
  case TAlign::alRight:
    width = control->Width();
    left = rect.Right - width;
    break;
  default:
    break;
  }
  control->SetBounds(left, top, std::max(0, width), std::max(0, height));
  switch (align) {
  case TAlign::alTop: rect.Top += control->Height(); break;
  case TAlign::alBottom: rect.Bottom -= control->Height(); break;
  case TAlign::alLeft: rect.Left += control->Width(); break;
  case TAlign::alRight: rect.Right -= control->Width(); break;
  default: break;
  }
}

} // namespace

void TWinControl::AdjustClientRect(TRect&) {}

void TWinControl::AlignControls(TControl* control, TRect& rect) {
  AdjustClientRect(rect);
  for (TAlign align : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight,
                       TAlign::alClient}) {
    std::vector<TControl*> group;
    if (control && control->Align() == align && control->Visible())
      group.push_back(control);
    for (TControl* child : m_controls) {
      if (child == control || child->Align() != align || !child->Visible())
        continue;
      auto position = std::find_if(group.begin(), group.end(), [&](TControl* other) {
        return AlignsBefore(child, other, align);
      });
      group.insert(position, child);
    }
    for (TControl* child : group)
      PlaceAligned(child, align, rect);
  }
  const TRect client = ClientRect();
  for (TControl* child : std::vector<TControl*>(m_controls))
    child->ApplyAnchors({client.Right, client.Bottom});
}

void TWinControl::AlignControl(TControl* control) {
  const TComponentState state = ComponentState();
  if (state.Contains(TComponentStateItem::csDestroying) ||
      state.Contains(TComponentStateItem::csLoading))
    return;
  if (m_alignLevel != 0) {
    IncludeControlState(csAlignmentNeeded);
    return;
  }
  DisableAlign();
  const TScopeExit enable([this] {
    ExcludeControlState(csAlignmentNeeded);
    EnableAlign();
  });
  TRect rect = ClientRect();
  AlignControls(control, rect);
}

void TWinControl::Realign() { AlignControl(nullptr); }

void TWinControl::EnableAlign() {
  --m_alignLevel;
  if (m_alignLevel == 0 && ControlState().Contains(csAlignmentNeeded))
    Realign();
}

// The control keeps its place in its parent; its size and everything in
// it scale.
void TWinControl::ScaleBy(int m, int d) {
  const int left = Left();
  const int top = Top();
  ChangeScale(m, d);
  SetBounds(left, top, Width(), Height());
}

void TWinControl::ChangeScale(int m, int d) {
  DisableAlign();
  const TScopeExit enable([this] { EnableAlign(); });
  ScaleControls(m, d);
  inherited::ChangeScale(m, d);
  for (TControl* child : m_controls)
    child->UpdateAnchorRules();
}

void TWinControl::ScaleControls(int m, int d) {
  for (TControl* child : std::vector<TControl*>(m_controls))
    child->ChangeScale(m, d);
}
