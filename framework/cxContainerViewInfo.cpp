#include "framework/cxContainerViewInfo.h"

#include "framework/cxGeometry.h"
#include "framework/dxOffice11.h"
#include "framework/dxUxTheme.h"

namespace {

using enum TcxContainerBorderStyle;
using enum TcxContainerStateItem;

constexpr int TMT_BORDERCOLOR_ID = 3801;
constexpr int TMT_FILLCOLOR_ID = 3802;

bool IsEmptyRect(const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }

// The four bands between the outer and the inner rectangle (left and right
// at full height), or the outer rectangle alone without an inner one.
template <class F> void ForEachBand(const TRect& outer, const TRect& inner, const F& apply) {
  if (IsEmptyRect(inner)) {
    apply(outer);
    return;
  }
  apply(Rect(outer.Left, outer.Top, inner.Left, outer.Bottom));
  apply(Rect(inner.Left, outer.Top, inner.Right, inner.Top));
  apply(Rect(inner.Right, outer.Top, outer.Right, outer.Bottom));
  apply(Rect(inner.Left, inner.Bottom, inner.Right, outer.Bottom));
}

void FillBands(TcxCanvas* canvas, const TRect& outer, const TRect& inner, TColor color) {
  if (IsEmptyRect(outer) || outer == inner)
    return;
  ForEachBand(outer, inner, [&](const TRect& band) { canvas->FillRect(band, color); });
}

TColor ThemeColor(TdxThemedObjectType type, int part, int state, int property, TColor fallback) {
  HTHEME theme = OpenTheme(type);
  COLORREF color = 0;
  if (!theme || FAILED(dxUxTheme::GetThemeColor(theme, part, state, property, &color)))
    return fallback;
  return static_cast<TColor>(color);
}

TRect Shrunk(const TRect& r, const TRect& by) {
  return Rect(r.Left + by.Left, r.Top + by.Top, r.Right - by.Right, r.Bottom - by.Bottom);
}

} // namespace

// ---------------------------------------------------------------------------
// TcxContainerViewInfo

void TcxContainerViewInfo::Assign(TObject* Source) {
  if (auto* source = dynamic_cast<TcxContainerViewInfo*>(Source))
    ClientRect = source->ClientRect;
}

TcxRegion* TcxContainerViewInfo::GetUpdateRegion(TcxContainerViewInfo*) {
  return Create<TcxRegion>();
}

void TcxContainerViewInfo::Offset(int DX, int DY) {
  BorderRect = cxRectOffset(BorderRect, DX, DY);
  Bounds = cxRectOffset(Bounds, DX, DY);
  ClientRect = cxRectOffset(ClientRect, DX, DY);
}

void TcxContainerViewInfo::Paint(TcxCanvas* ACanvas) { InternalPaint(ACanvas); }

void TcxContainerViewInfo::InternalPaint(TcxCanvas* ACanvas) {
  if (NativeStyle)
    PaintNative(ACanvas);
  else
    PaintPlain(ACanvas);
}

// The visual style's content area in the background colour, the band
// around it in the combo box's border colour.
void TcxContainerViewInfo::PaintNative(TcxCanvas* ACanvas) {
  if (BorderStyle == cbsNone) {
    ACanvas->FillRect(Bounds, BackgroundColor());
    return;
  }
  TRect content = Bounds;
  if (HTHEME theme = OpenTheme(ThemedObjectType)) {
    TRect inside{};
    if (FAILED(dxUxTheme::GetThemeBackgroundContentRect(
            theme, ACanvas->Handle(), NativePart, NativeState, AsRECT(Bounds), AsRECT(inside))))
      inside = Bounds;
    content = inside;
  }
  ACanvas->FillRect(content, BackgroundColor());
  FillBands(ACanvas, Bounds, content,
            ThemeColor(TdxThemedObjectType::totComboBox, 1, 1, TMT_BORDERCOLOR_ID, clWindowFrame));
}

// The frame on the border rectangle grown by the border width; a side not
// in the edges falls outside the control. The shadow hangs off the sides
// that have a frame.
void TcxContainerViewInfo::PaintPlain(TcxCanvas* ACanvas) {
  TRect r = BorderRect;
  r.Left -= BorderWidth;
  r.Top -= BorderWidth;
  if (Edges.Contains(TcxBorder::bRight))
    r.Right += BorderWidth;
  if (Edges.Contains(TcxBorder::bBottom))
    r.Bottom += BorderWidth;
  if (Shadow)
    DrawContainerShadow(ACanvas, r);
  if (!Edges.Contains(TcxBorder::bRight))
    r.Right += BorderWidth;
  if (!Edges.Contains(TcxBorder::bBottom))
    r.Bottom += BorderWidth;
  DrawBorder(ACanvas, r);
  ACanvas->FillRect(BorderRect, BackgroundColor());
}

void TcxContainerViewInfo::DrawBorder(TcxCanvas* ACanvas, TRect R) {
  if (Painter || BorderStyle == cbsSingle || BorderStyle == cbsThick) {
    ACanvas->FrameRect(R, BorderColor, BorderWidth);
    return;
  }
  switch (BorderStyle) {
  case cbsFlat:
    ACanvas->DrawEdge(R, true, true, Edges);
    ACanvas->FrameRect(cxRectInflate(R, -1, -1), clBtnFace);
    break;
  case cbs3D:
    ACanvas->DrawEdge(R, true, true, Edges);
    ACanvas->DrawComplexFrame(cxRectInflate(R, -1, -1), cl3DDkShadow, cl3DLight, Edges);
    break;
  default:
    break;
  }
}

// ---------------------------------------------------------------------------
// The border

int GetContainerBorderWidth(TcxContainerBorderStyle ABorderStyle) {
  constexpr int widths[] = {0, 1, 2, 2, 2, 1, 1};
  return widths[static_cast<int>(ABorderStyle)];
}

int GetContainerBorderWidth(TcxLookAndFeelKind ALookAndFeelKind) {
  switch (ALookAndFeelKind) {
  case TcxLookAndFeelKind::lfFlat:
  case TcxLookAndFeelKind::lfStandard:
    return 2;
  default:
    return 1;
  }
}

void ExtendRectByBorders(TRect& R, int AWidth, TcxBorders ABorders) {
  if (ABorders.Contains(TcxBorder::bLeft))
    R.Left -= AWidth;
  if (ABorders.Contains(TcxBorder::bTop))
    R.Top -= AWidth;
  if (ABorders.Contains(TcxBorder::bRight))
    R.Right += AWidth;
  if (ABorders.Contains(TcxBorder::bBottom))
    R.Bottom += AWidth;
}

void InflateRectByBorders(TRect& R, int AWidth, TcxBorders ABorders) {
  if (!ABorders.Contains(TcxBorder::bLeft))
    R.Left += AWidth;
  if (!ABorders.Contains(TcxBorder::bTop))
    R.Top += AWidth;
  if (!ABorders.Contains(TcxBorder::bRight))
    R.Right -= AWidth;
  if (!ABorders.Contains(TcxBorder::bBottom))
    R.Bottom -= AWidth;
}

void DrawContainerShadow(TcxCanvas* ACanvas, const TRect& R) {
  const int w = cxContainerShadowWidth;
  const TRect bottom = Rect(R.Left + w, R.Bottom, R.Right, R.Bottom + w);
  ACanvas->FillRect(bottom, cxContainerShadowColor);
  ACanvas->ExcludeClipRect(bottom);
  const TRect right = Rect(R.Right, R.Top + w, R.Right + w, R.Bottom + w);
  ACanvas->FillRect(right, cxContainerShadowColor);
  ACanvas->ExcludeClipRect(right);
}

bool AreVisualStylesMustBeUsed(bool ANativeStyle, TdxThemedObjectType AThemedObjectType) {
  return ANativeStyle && OpenTheme(AThemedObjectType) != nullptr;
}

TRect GetControlRect(TControl* AControl) {
  return Rect(0, 0, AControl->Width(), AControl->Height());
}

// ---------------------------------------------------------------------------
// Window regions and invalidation

HRGN cxCreateShadowRegion(const TRect& ABounds, bool ANoRegion, bool AShadow,
                          const TRect& AExcludeRect) {
  if (ANoRegion)
    return nullptr;
  HRGN region = ::CreateRectRgn(ABounds.Left, ABounds.Top, ABounds.Right, ABounds.Bottom);
  if (AShadow) {
    const TRect moved = cxRectOffset(ABounds, cxContainerShadowWidth, cxContainerShadowWidth);
    HRGN shadow = ::CreateRectRgn(moved.Left, moved.Top, moved.Right, moved.Bottom);
    ::CombineRgn(region, region, shadow, RGN_OR);
    ::DeleteObject(shadow);
  }
  if (!IsEmptyRect(AExcludeRect)) {
    HRGN excluded = ::CreateRectRgn(AExcludeRect.Left, AExcludeRect.Top, AExcludeRect.Right,
                                    AExcludeRect.Bottom);
    ::CombineRgn(region, region, excluded, RGN_DIFF);
    ::DeleteObject(excluded);
  }
  return region;
}

void SetWindowShadowRegion(HWND AWindowHandle, const TRect& ABounds, bool ANoRegion, bool AShadow,
                           const TRect& AExcludeRect) {
  HRGN region = cxCreateShadowRegion(ABounds, ANoRegion, AShadow, AExcludeRect);
  HRGN current = ::CreateRectRgn(0, 0, 0, 0);
  const int kind = ::GetWindowRgn(AWindowHandle, current);
  const bool hasCurrent = kind != NULLREGION && kind != ERROR;
  const bool equal = region && hasCurrent && ::EqualRgn(region, current);
  ::DeleteObject(current);
  // A region the window takes is the system's from then on.
  if ((region || hasCurrent) && !equal && ::SetWindowRgn(AWindowHandle, region, TRUE))
    return;
  if (region)
    ::DeleteObject(region);
}

void InternalInvalidate(HWND AHandle, const TRect& AOuterRect, const TRect& AInnerRect,
                        bool AEraseBackground) {
  ForEachBand(AOuterRect, AInnerRect, [&](const TRect& band) {
    ::InvalidateRect(AHandle, AsRECT(band), AEraseBackground);
  });
}

// ---------------------------------------------------------------------------
// Steps of a container's view-info computation

TcxContainerStyle* cxContainerActiveStyle(TcxContainerStyles* AStyles, TcxContainerState AState) {
  if (AState.Contains(csDisabled))
    return AStyles->GetStyleDisabled();
  if (AState.Contains(csActive))
    return AStyles->GetStyleFocused();
  if (AStyles->GetStyleNormal()->GetHotTrack() && AState.Contains(csHotTrack))
    return AStyles->GetStyleHot();
  return AStyles->GetStyleNormal();
}

TcxContainerState cxContainerStateOf(bool AEnabled, bool ADesigning, bool AFocused,
                                     bool AMouseInside) {
  if (!AEnabled)
    return {csDisabled};
  if (ADesigning)
    return {csNormal};
  TcxContainerState state{AFocused ? csActive : csNormal};
  if (AMouseInside)
    state.Include(csHotTrack);
  return state;
}

TcxContainerHotState cxContainerHotStateOf(TcxContainerState AState,
                                           TcxContainerStyle* AActiveStyle) {
  if (!AActiveStyle->GetHotTrack())
    return TcxContainerHotState::chsNoHotTrack;
  if (AState.Contains(csActive) || AState.Contains(csHotTrack))
    return TcxContainerHotState::chsSelected;
  return TcxContainerHotState::chsNormal;
}

TcxContainerBorderStyle cxContainerDrawnBorderStyle(bool ANativeStyle,
                                                    TcxContainerStyle* ANormalStyle,
                                                    TcxContainerStyle* AActiveStyle) {
  if (ANativeStyle)
    return ANormalStyle->GetBorderStyle();
  const TcxContainerBorderStyle style = AActiveStyle->GetBorderStyle();
  return style == cbsUltraFlat || style == cbsOffice11 ? cbsSingle : style;
}

TColor cxContainerBorderColor(TcxContainerState AState, TcxContainerStyle* AActiveStyle,
                              TcxCustomLookAndFeelPainterClass ASkinPainter,
                              bool ADesigningEnabled) {
  const bool highlighted = AState.Contains(csActive) ||
                           (AState.Contains(csHotTrack) && AActiveStyle->GetHotTrack()) ||
                           ADesigningEnabled;
  if (ASkinPainter)
    return ASkinPainter->GetContainerBorderColor(highlighted);
  const TcxContainerBorderStyle style = AActiveStyle->GetBorderStyle();
  if (style != cbsUltraFlat && style != cbsOffice11)
    return AActiveStyle->GetBorderColor();
  if (!highlighted)
    return clBtnShadow;
  return style == cbsOffice11 ? dxOffice11SelectedBorderColor : clHighlight;
}

TColor cxContainerBackgroundColor(const TcxContainerViewInfo& AViewInfo, bool AEnabled,
                                  TcxContainerStyle* AActiveStyle) {
  if (!AViewInfo.NativeStyle || AEnabled)
    return AActiveStyle->GetColor();
  return ThemeColor(AViewInfo.ThemedObjectType, AViewInfo.NativePart, AViewInfo.NativeState,
                    TMT_FILLCOLOR_ID, AActiveStyle->GetColor());
}

int cxContainerBackgroundNativeState(bool AEnabled, bool AFocused, TcxContainerState AState) {
  if (!AEnabled)
    return 4;
  if (AFocused)
    return 5;
  return AState.Contains(csHotTrack) ? 2 : 1;
}

TRect cxContainerBorderExtent(const TcxContainerViewInfo& AViewInfo,
                              TcxContainerStyle* ANormalStyle, TcxContainerStyle* AActiveStyle,
                              bool AHasShadow) {
  TRect extent{};
  if (AActiveStyle->GetTransparentBorder() && !AViewInfo.Painter) {
    extent = cxContainerDefaultBorderExtent;
  } else if (!AActiveStyle->HasBorder() ||
             (AViewInfo.NativeStyle && ANormalStyle->GetBorderStyle() == cbsNone)) {
  } else if (AViewInfo.NativeStyle) {
    extent = Rect(2, 2, 2, 2);
  } else {
    const int w = AViewInfo.Painter ? 1 : GetContainerBorderWidth(AViewInfo.BorderStyle);
    const TcxBorders edges = AActiveStyle->GetEdges();
    extent =
        Rect(edges.Contains(TcxBorder::bLeft) ? w : 0, edges.Contains(TcxBorder::bTop) ? w : 0,
             edges.Contains(TcxBorder::bRight) ? w : 0, edges.Contains(TcxBorder::bBottom) ? w : 0);
  }
  if (AHasShadow) {
    extent.Right += cxContainerShadowWidth;
    extent.Bottom += cxContainerShadowWidth;
  }
  return extent;
}

TRect cxContainerVisibleBounds(const TcxContainerViewInfo& AViewInfo, int AWidth, int AHeight,
                               bool AInplace, TcxContainerStyle* ANormalStyle) {
  TRect r = Rect(0, 0, AWidth, AHeight);
  if (AInplace)
    return r;
  if (AViewInfo.Shadow) {
    r.Right -= cxContainerShadowWidth;
    r.Bottom -= cxContainerShadowWidth;
  }
  const bool transparent = ANormalStyle->GetTransparentBorder();
  if (ANormalStyle->HasBorder()) {
    if (AViewInfo.NativeStyle) {
      if (transparent && ANormalStyle->GetBorderStyle() == cbsNone)
        r = cxRectInflate(r, -2, -2);
    } else if (transparent) {
      const int w = GetContainerBorderWidth(AViewInfo.BorderStyle);
      r = cxRectInflate(r, w - 2, w - 2);
      InflateRectByBorders(r, w, AViewInfo.Edges);
    }
  } else if (transparent) {
    r = cxRectInflate(r, -2, -2);
  }
  if (r.Top > r.Bottom)
    r = Rect(r.Left, 0, r.Right, 0);
  return r;
}

TRect cxContainerShadowBounds(const TRect& ABounds, const TRect& ABorderExtent,
                              TcxContainerBorderStyle ABorderStyle, TcxBorders AEdges) {
  const int w = GetContainerBorderWidth(ABorderStyle);
  TRect r = cxRectInflate(Shrunk(ABounds, ABorderExtent), w, w);
  InflateRectByBorders(r, w, AEdges);
  return r;
}
