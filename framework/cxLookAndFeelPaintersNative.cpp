#include "framework/cxLookAndFeelPaintersNative.h"

#include "framework/cxGeometry.h"
#include "framework/dxUxTheme.h"

namespace {

constexpr TcxThemeStates ScrollBarArrowOffsets{0, 0, 1, 2, 3};
constexpr int ScrollBarArrowStatesPerDirection = 4;
constexpr int TabPart = TABP_PANE;
constexpr int TabsRootOverhang = 10;
constexpr int BorderPart = 5;
constexpr int TabJoin = 2;
constexpr int PressedCaptionLift = 2;

const TRect MeasuringBounds{0, 0, 100, 100};

} // namespace

int cxXPScrollBarArrowState(int direction, int buttonState) {
  return direction * ScrollBarArrowStatesPerDirection + ScrollBarArrowOffsets[buttonState] + 1;
}

bool cxThemeContentMargins(HTHEME theme, HDC dc, int part, int state, const TRect& bounds,
                           TRect& margins) {
  TRect content;
  if (FAILED(dxUxTheme::GetThemeBackgroundContentRect(theme, dc, part, state, AsRECT(bounds),
                                                      AsRECT(content))))
    return false;
  margins = Rect(content.Left - bounds.Left, content.Top - bounds.Top,
                 bounds.Right - content.Right, bounds.Bottom - content.Bottom);
  return true;
}

TRect cxThemeContentMargins(HTHEME theme, int part, int state) {
  TRect margins;
  if (!cxThemeContentMargins(theme, nullptr, part, state, MeasuringBounds, margins))
    return {};
  return margins;
}

TSize cxThemePartSize(HTHEME theme, int part, int state, const TSize& fallback) {
  SIZE size{};
  if (FAILED(dxUxTheme::GetThemePartSize(theme, nullptr, part, state, TS_TRUE, size)))
    return fallback;
  return {size.cx, size.cy};
}

DWORD cxThemedTextFlags(TAlignment alignmentHorz, TcxAlignmentVert alignmentVert,
                        bool multiLine, bool endEllipsis, bool showPrefix) {
  DWORD flags = DT_EDITCONTROL;
  if (alignmentHorz == TAlignment::taRightJustify)
    flags |= DT_RIGHT;
  else if (alignmentHorz == TAlignment::taCenter)
    flags |= DT_CENTER;
  if (alignmentVert == TcxAlignmentVert::vaBottom)
    flags |= DT_BOTTOM;
  else if (alignmentVert == TcxAlignmentVert::vaCenter)
    flags |= DT_VCENTER;
  flags |= multiLine ? DT_WORDBREAK : DT_SINGLELINE;
  if (endEllipsis)
    flags |= DT_END_ELLIPSIS;
  if (!showPrefix)
    flags |= DT_NOPREFIX;
  return flags;
}

void cxDrawThemedText(TcxCanvas& canvas, HTHEME theme, int part, int state,
                      const TRect& textArea, TAlignment alignmentHorz,
                      TcxAlignmentVert alignmentVert, bool multiLine, bool endEllipsis,
                      bool showPrefix, const std::string& text, TFont* font, TColor textColor) {
  if (text.empty())
    return;
  canvas.SetFont(font);
  canvas.Font()->SetColor(textColor);
  TRect r = textArea;
  if (multiLine)
    canvas.AlignMultiLineTextRectVertically(r, text, alignmentVert, true, showPrefix, true, false);
  dxUxTheme::DrawThemeText(
      theme, canvas.Handle(), part, state, text, -1,
      cxThemedTextFlags(alignmentHorz, alignmentVert, multiLine, endEllipsis, showPrefix), 0,
      *AsRECT(r));
}

void cxDrawThemedBorderRing(TcxCanvas& canvas, HTHEME listView, const TRect& r) {
  canvas.SaveDC();
  canvas.ExcludeClipRect(cxRectInflate(r, -1, -1));
  dxUxTheme::DrawThemeBackground(listView, canvas.Handle(), BorderPart, 0, *AsRECT(r), nullptr);
  canvas.RestoreDC();
}

void cxDrawThemedTabsRoot(TcxCanvas& canvas, HTHEME tab, const TRect& r, bool vertical) {
  TRect margins;
  if (!cxThemeContentMargins(tab, canvas.Handle(), TabPart, 0, r, margins))
    margins = {};
  TRect pane = r;
  if (vertical) {
    pane.Bottom += margins.Top + margins.Bottom;
    pane.Right += TabsRootOverhang;
  } else {
    pane.Right += margins.Left + margins.Right;
    pane.Bottom += TabsRootOverhang;
  }
  dxUxTheme::DrawThemeBackground(tab, canvas.Handle(), TabPart, 0, *AsRECT(pane), *AsRECT(r));
}

namespace {

// The tab laid out horizontally in 'frame', its pane side at the bottom.
struct TcxTabLayout {
  TRect Drawing;
  TRect Clip;
};

TcxTabLayout LayTabOut(const TRect& frame, bool startIsBorder, bool endIsBorder, bool pressed) {
  TcxTabLayout layout{frame, frame};
  if (!startIsBorder)
    layout.Drawing.Left -= TabJoin;
  if (!endIsBorder)
    layout.Drawing.Right += TabJoin;
  if (pressed)
    ++layout.Drawing.Bottom;
  else
    --layout.Clip.Bottom;
  return layout;
}

// A rectangle of the turned frame (width 'frameWidth') where it lands once
// the frame is turned back a quarter counter-clockwise and placed at 'origin'.
TRect TurnBack(const TRect& r, int frameWidth, const TPoint& origin) {
  return Rect(origin.X + r.Top, origin.Y + frameWidth - r.Right, origin.X + r.Bottom,
              origin.Y + frameWidth - r.Left);
}

TRect CaptionRect(TRect drawing, bool pressed) {
  if (pressed)
    drawing.Bottom -= PressedCaptionLift;
  return drawing;
}

} // namespace

TRect cxDrawThemedTab(TcxCanvas& canvas, HTHEME tab, const TRect& r, TcxBorders borders,
                      int state, bool pressed, bool vertical) {
  if (!vertical) {
    const TcxTabLayout layout = LayTabOut(r, borders.Contains(TcxBorder::bLeft),
                                          borders.Contains(TcxBorder::bRight), pressed);
    dxUxTheme::DrawThemeBackground(tab, canvas.Handle(), TABP_TABITEM, state,
                                   *AsRECT(layout.Drawing), *AsRECT(layout.Clip));
    return CaptionRect(layout.Drawing, pressed);
  }
  const int width = cxRectWidth(r), height = cxRectHeight(r);
  TOwned<TBitmap> bitmap(Create<TBitmap>());
  bitmap->SetPixelFormat(TPixelFormat::pf32bit);
  bitmap->SetSize(width, height);
  bitmap->Canvas()->CopyRect(Rect(0, 0, width, height), canvas.Canvas(), r);
  TcxCanvas::RotateBitmap(bitmap.get(), TcxRotationAngle::raMinus90);
  // Turned a quarter clockwise, the tab's bottom end is on the left.
  const TcxTabLayout layout =
      LayTabOut(Rect(0, 0, height, width), borders.Contains(TcxBorder::bBottom),
                borders.Contains(TcxBorder::bTop), pressed);
  dxUxTheme::DrawThemeBackground(tab, bitmap->Canvas()->Handle(), TABP_TABITEM, state,
                                 *AsRECT(layout.Drawing), *AsRECT(layout.Clip));
  TcxCanvas::RotateBitmap(bitmap.get(), TcxRotationAngle::raPlus90);
  canvas.Draw(r.Left, r.Top, bitmap.get());
  return TurnBack(CaptionRect(layout.Drawing, pressed), height, r.TopLeft());
}

bool cxIsPointInThemeBackground(HTHEME theme, int part, int state, const TRect& r,
                                const TPoint& point) {
  HRGN region = nullptr;
  if (FAILED(dxUxTheme::GetThemeBackgroundRegion(theme, nullptr, part, state, AsRECT(r),
                                                 &region)) ||
      region == nullptr)
    return PtInRect(AsRECT(r), *AsPOINT(point)) != FALSE;
  const bool inside = PtInRegion(region, point.X, point.Y) != FALSE;
  DeleteObject(region);
  return inside;
}
