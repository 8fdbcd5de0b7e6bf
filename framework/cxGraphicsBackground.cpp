#include "framework/cxGraphicsBackground.h"

#include "framework/dxUxTheme.h"
#include "platform/graphics/DCScopes.h"

namespace {

// Marks a control as painting a copy of itself while it lives.
class TPaintCopyScope {
public:
  explicit TPaintCopyScope(TControl* control) : m_control(control) {
    TControlState state = control->ControlState();
    state.Include(TControlStateItem::csPaintCopy);
    control->SetControlState(state);
  }
  ~TPaintCopyScope() {
    TControlState state = m_control->ControlState();
    state.Exclude(TControlStateItem::csPaintCopy);
    m_control->SetControlState(state);
  }
  TPaintCopyScope(const TPaintCopyScope&) = delete;
  TPaintCopyScope& operator=(const TPaintCopyScope&) = delete;

private:
  TControl* m_control;
};

// A sibling's frame, as its window styles draw it; the context is then
// clipped to the inner rectangle, whose top-left becomes the origin.
void DrawSiblingFrame(TWinControl* sibling, HDC dc) {
  HWND window = sibling->Handle();
  RECT r{0, 0, sibling->Width(), sibling->Height()};
  if (::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)
    ::DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  else if (::GetWindowLongW(window, GWL_STYLE) & WS_BORDER)
    ::DrawEdge(dc, &r, BDR_RAISEDOUTER | BDR_SUNKENOUTER, BF_RECT | BF_MONO | BF_ADJUST);
  else
    return;
  ::IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
  MoveWindowOrg(dc, r.left, r.top);
}

// Paints 'painted' (the parent, or one of its children) with its logical
// (0, 0) moved to 'offset' and clipped to 'clip' (in its coordinates);
// 'control' is the one whose background this is.
void PaintControl(TWinControl* painted, TControl* control, TCanvas* canvas, const TPoint& offset,
                  const TRect& clip, bool withChildren) {
  HDC dc = canvas->Handle();
  const TSavedDC saved(dc);
  MoveWindowOrg(dc, offset.X, offset.Y);
  RECT box{};
  if (::IntersectClipRect(dc, clip.Left, clip.Top, clip.Right, clip.Bottom) == NULLREGION ||
      ::GetClipBox(dc, &box) == NULLREGION)
    return;
  const TPaintCopyScope paintCopy(painted);
  if (painted != control->Parent())
    DrawSiblingFrame(painted, dc);
  {
    const TCanvasLock lock(canvas);
    HWND window = painted->Handle();
    ::SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    ::SendMessageW(window, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
  if (!withChildren)
    return;
  for (int i = 0; i < painted->ControlCount(); ++i) {
    TControl* child = painted->Controls(i);
    if (child == control)
      break;
    auto* windowed = dynamic_cast<TWinControl*>(child);
    if (!windowed || !windowed->Visible())
      continue;
    PaintControl(windowed, control, canvas, TPoint{windowed->Left(), windowed->Top()},
                 Rect(0, 0, windowed->Width(), windowed->Height()), false);
  }
}

} // namespace

// The parent's point under the control's (0, 0) lands at the canvas's (0, 0),
// so that 'r' is painted under 'r', as the visual style's parent background
// is.
void cxDrawTransparentControlBackground(TControl* control, TCanvas* canvas, const TRect& r,
                                        bool paintParentWithChildren) {
  TWinControl* parent = control ? control->Parent() : nullptr;
  if (!parent || !canvas)
    return;
  const TRect clip = Rect(r.Left + control->Left(), r.Top + control->Top(),
                          r.Right + control->Left(), r.Bottom + control->Top());
  PaintControl(parent, control, canvas, TPoint{-control->Left(), -control->Top()}, clip,
               paintParentWithChildren);
}

void cxDrawThemeParentBackground(TWinControl* control, TCanvas* canvas, const TRect& r) {
  TWinControl* parent = control ? control->Parent() : nullptr;
  if (!parent || !canvas)
    return;
  if (parent->DoubleBuffered()) {
    cxDrawTransparentControlBackground(control, canvas, r, false);
    return;
  }
  const TCanvasLock lock(canvas);
  RECT bounds{r.Left, r.Top, r.Right, r.Bottom};
  dxUxTheme::DrawThemeParentBackground(control->Handle(), canvas->Handle(), bounds);
}

void cxDrawTransparentControlBackground(TControl* control, TcxCanvas* canvas, const TRect& r,
                                        bool paintParentWithChildren) {
  if (canvas)
    cxDrawTransparentControlBackground(control, canvas->Canvas(), r, paintParentWithChildren);
}

void cxDrawThemeParentBackground(TWinControl* control, TcxCanvas* canvas, const TRect& r) {
  if (canvas)
    cxDrawThemeParentBackground(control, canvas->Canvas(), r);
}
