#include "editors/cxEditUtils.h"

#include <algorithm>
#include <optional>

#include "editors/cxEditProperties.h"
#include "editors/cxEditViewInfo.h"
#include "framework/cxContainerViewInfo.h"
#include "framework/cxGeometry.h"
#include "framework/cxGraphicsColors.h"
#include "framework/dxOffice11.h"
#include "framework/dxThemeManager.h"
#include "framework/dxUxTheme.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/DCScopes.h"

#include <vssym32.h>

namespace {

bool g_isHotLightColorAvailable = false;
int g_startCount = 0;

constexpr int kButtonStyleContentOffsets[] = {0, 4, 2, 2, 2, 2, 2};

TRect NormalizedSegment(const TPoint& a, const TPoint& b) {
  return Rect(std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X) + 1,
              std::max(a.Y, b.Y) + 1);
}

// The margins of the themed content of a class's part 1 in state 1.
TRect NativeButtonContentMargins(HDC ADC,
                                 TdxThemedObjectType AType = TdxThemedObjectType::totButton) {
  const HTHEME theme = OpenTheme(AType);
  TRect margins{};
  if (!theme)
    return margins;
  const RECT bounds{0, 0, 100, 100};
  RECT content = bounds;
  if (SUCCEEDED(dxUxTheme::GetThemeBackgroundContentRect(theme, ADC, BP_PUSHBUTTON, PBS_NORMAL,
                                                         &bounds, &content)))
    margins = Rect(content.left, content.top, 100 - content.right, 100 - content.bottom);
  return margins;
}

void DrawGlyphEnabled(TCanvas* ACanvas, int X, int Y, TBitmap* AGlyph, TColor ABackgroundColor,
                      TBitmap* ABackgroundBitmap) {
  TCanvas* target = ABackgroundBitmap ? ABackgroundBitmap->Canvas() : ACanvas;
  TBrush* brush = target->Brush();
  const TBrushStyle savedStyle = brush->Style();
  if (ABackgroundBitmap || ABackgroundColor == clNone)
    brush->SetStyle(TBrushStyle::bsClear);
  else
    brush->SetColor(ABackgroundColor);
  const TRect source = Rect(0, 0, AGlyph->Width(), AGlyph->Height());
  const TPoint at = ABackgroundBitmap ? Point(0, 0) : Point(X, Y);
  target->BrushCopy(Rect(at.X, at.Y, at.X + cxRectWidth(source), at.Y + cxRectHeight(source)),
                    AGlyph, source, AGlyph->TransparentColor());
  brush->SetStyle(savedStyle);
  if (ABackgroundBitmap)
    ACanvas->Draw(X, Y, ABackgroundBitmap);
}

void DrawGlyphDisabled(TCanvas* ACanvas, int X, int Y, TBitmap* AGlyph, TColor ABackgroundColor,
                       TBitmap* ABackgroundBitmap) {
  TOwned<TCustomImageList> images(Create<TCustomImageList>(nullptr));
  images->SetSize(AGlyph->Width(), AGlyph->Height());
  images->AddMasked(AGlyph, AGlyph->TransparentColor());
  TOwned<TBitmap> filled;
  TBitmap* background = ABackgroundBitmap;
  if (!background && ABackgroundColor != clNone) {
    filled.reset(Create<TBitmap>());
    filled->SetSize(AGlyph->Width(), AGlyph->Height());
    filled->Canvas()->Brush()->SetColor(ABackgroundColor);
    filled->Canvas()->FillRect(Rect(0, 0, AGlyph->Width(), AGlyph->Height()));
    background = filled.get();
  }
  if (background) {
    images->Draw(background->Canvas(), 0, 0, 0, false);
    ACanvas->Draw(X, Y, background);
  } else {
    images->Draw(ACanvas, X, Y, 0, false);
  }
}

TdxThemedObjectType ButtonThemeClass(const TcxEditButtonViewInfo& AViewInfo) {
  return AViewInfo.ComboStyle ? TdxThemedObjectType::totComboBox : TdxThemedObjectType::totButton;
}

int NativeButtonState(TcxEditButtonState AState) {
  switch (AState) {
  case TcxEditButtonState::ebsDisabled:
    return 4;
  case TcxEditButtonState::ebsNormal:
    return 1;
  case TcxEditButtonState::ebsPressed:
    return 3;
  case TcxEditButtonState::ebsSelected:
    return 2;
  }
  return 1;
}

// The brush is fetched right before each fill: a cached brush taken
// earlier may have been given up for another colour in between.
void FillWithBackground(TcxCanvas* ACanvas, const TcxCustomEditViewInfo& AViewInfo,
                        const TRect& R) {
  cxEditFillRect(ACanvas->Handle(), R, GetSolidBrush(AViewInfo.BackgroundColor()));
}

void DrawUsualBackground(TcxCanvas* ACanvas, TcxCustomEditViewInfo& AViewInfo,
                         bool ADrawBackground) {
  using B = TcxBorder;
  using S = TcxContainerBorderStyle;
  const TcxBorders edges = AViewInfo.Edges;
  const int width = AViewInfo.Painter ? 1 : GetContainerBorderWidth(AViewInfo.BorderStyle);
  TRect r = AViewInfo.BorderRect;
  r.Left -= width;
  r.Top -= width;
  if (edges.Contains(B::bRight))
    r.Right += width;
  if (edges.Contains(B::bBottom))
    r.Bottom += width;
  if (AViewInfo.Shadow) {
    DrawContainerShadow(ACanvas, r);
    if (!edges.Contains(B::bRight))
      r.Right += width;
    if (!edges.Contains(B::bBottom))
      r.Bottom += width;
  }
  switch (AViewInfo.BorderStyle) {
  case S::cbsNone:
    break;
  case S::cbsFlat:
    ACanvas->DrawEdge(r, true, true, edges);
    r = cxRectInflate(r, -1, -1);
    ACanvas->FrameRect(r, clBtnFace);
    break;
  case S::cbs3D:
    ACanvas->DrawEdge(r, true, true, edges);
    r = cxRectInflate(r, -1, -1);
    ACanvas->DrawComplexFrame(r, cl3DDkShadow, cl3DLight, edges);
    break;
  default:
    if (AViewInfo.Painter || AViewInfo.BorderStyle == S::cbsSingle ||
        AViewInfo.BorderStyle == S::cbsThick)
      ACanvas->FrameRect(r, AViewInfo.BorderColor, width);
    break;
  }
  if (AViewInfo.Transparent)
    return;
  if (AViewInfo.IsInplace) {
    if (ADrawBackground) {
      FillWithBackground(ACanvas, AViewInfo, AViewInfo.Bounds);
    } else if (AViewInfo.HasContentOffsets) {
      const TRect& o = AViewInfo.Bounds;
      const TRect& i = AViewInfo.BorderRect;
      FillWithBackground(ACanvas, AViewInfo, Rect(o.Left, o.Top, i.Left, o.Bottom));
      FillWithBackground(ACanvas, AViewInfo, Rect(i.Left, o.Top, i.Right, i.Top));
      FillWithBackground(ACanvas, AViewInfo, Rect(i.Left, i.Bottom, i.Right, o.Bottom));
      FillWithBackground(ACanvas, AViewInfo, Rect(i.Right, o.Top, o.Right, o.Bottom));
    }
  } else if (ADrawBackground) {
    FillWithBackground(ACanvas, AViewInfo, AViewInfo.BorderRect);
  }
}

void DrawNativeBackground(TcxCanvas* ACanvas, TcxCustomEditViewInfo& AViewInfo,
                          bool ADrawBackground, TcxEditBackgroundPaintingStyle AStyle) {
  if (AViewInfo.IsInplace || AViewInfo.BorderStyle == TcxContainerBorderStyle::cbsNone) {
    if (!AViewInfo.Transparent)
      FillWithBackground(ACanvas, AViewInfo, AViewInfo.Bounds);
    return;
  }
  const HTHEME theme = OpenTheme(TdxThemedObjectType::totEdit);
  const HDC dc = ACanvas->Handle();
  TRect content = AViewInfo.Bounds;
  switch (AStyle) {
  case TcxEditBackgroundPaintingStyle::bpsSolid:
    dxUxTheme::GetThemeBackgroundContentRect(theme, dc, 1, AViewInfo.NativeState,
                                             AsRECT(AViewInfo.Bounds), AsRECT(content));
    break;
  case TcxEditBackgroundPaintingStyle::bpsComboEdit:
    content = cxRectInflate(AViewInfo.Bounds, -3, -3);
    content.Right = AViewInfo.ClientRect.Right - 1;
    break;
  case TcxEditBackgroundPaintingStyle::bpsComboListEdit:
    content = AViewInfo.ClientRect;
    break;
  }
  {
    TSavedDC saved(dc);
    ::ExcludeClipRect(dc, content.Left, content.Top, content.Right, content.Bottom);
    dxUxTheme::DrawThemeBackground(theme, dc, 1, AViewInfo.NativeState, *AsRECT(AViewInfo.Bounds),
                                   nullptr);
  }
  if (AViewInfo.Transparent)
    return;
  if (ADrawBackground)
    FillWithBackground(ACanvas, AViewInfo, content);
  else if (AStyle != TcxEditBackgroundPaintingStyle::bpsComboListEdit)
    InternalFillRect(ACanvas, content, AViewInfo.BorderRect,
                     GetSolidBrush(AViewInfo.BackgroundColor()));
}

int TextAlignField(TcxTextOutFormat AFlags, int AShift) {
  return static_cast<int>((AFlags >> AShift) & 0xF);
}

} // namespace

void cxEditFillRect(TCanvas* ACanvas, const TRect& R, TColor AColor) {
  cxEditFillRect(ACanvas->Handle(), R, GetSolidBrush(AColor));
}

void cxEditFillRect(TcxCanvas* ACanvas, const TRect& R, TColor AColor) {
  cxEditFillRect(ACanvas->Handle(), R, GetSolidBrush(AColor));
}

void cxEditFillRect(HDC ADC, const TRect& R, HBRUSH ABrush) {
  const RECT r{R.Left, R.Top, R.Right, R.Bottom};
  ::FillRect(ADC, &r, ABrush);
}

void InternalFillRect(TcxCanvas* ACanvas, const TRect& R, const TRect& AInnerRect, HBRUSH ABrush) {
  if (cxRectIsEmpty(R) || R == AInnerRect)
    return;
  const HDC dc = ACanvas->Handle();
  if (cxRectIsEmpty(AInnerRect)) {
    cxEditFillRect(dc, R, ABrush);
    return;
  }
  cxEditFillRect(dc, Rect(R.Left, R.Top, AInnerRect.Left, R.Bottom), ABrush);
  cxEditFillRect(dc, Rect(AInnerRect.Left, R.Top, AInnerRect.Right, AInnerRect.Top), ABrush);
  cxEditFillRect(dc, Rect(AInnerRect.Right, R.Top, R.Right, R.Bottom), ABrush);
  cxEditFillRect(dc, Rect(AInnerRect.Left, AInnerRect.Bottom, AInnerRect.Right, R.Bottom), ABrush);
}

void cxOffsetRect(TRect& R, const TPoint& P) { R = cxRectOffset(R, P); }

void InternalPolyLine(TcxCanvas* ACanvas, std::span<const TPoint> APoints, TColor AColor,
                      bool ABrush) {
  if (APoints.empty())
    return;
  if (ABrush) {
    const HBRUSH brush = GetSolidBrush(AColor);
    for (std::size_t i = 0; i + 1 < APoints.size(); ++i)
      cxEditFillRect(ACanvas->Handle(), NormalizedSegment(APoints[i], APoints[i + 1]), brush);
    cxEditFillRect(ACanvas->Handle(), NormalizedSegment(APoints.back(), APoints.back()), brush);
    return;
  }
  ACanvas->Pen()->SetColor(AColor);
  ACanvas->Polyline(APoints);
  ACanvas->SetPixel(APoints.back().X, APoints.back().Y, AColor);
}

void DrawButtonBorder(TcxCanvas* ACanvas, TRect& R, TcxBorders ABorders, TColor AColor) {
  const TRect e = Rect(R.Left, R.Top, R.Right - 1, R.Bottom - 1);
  const auto line = [&](TPoint from, TPoint to) {
    const TPoint points[] = {from, to};
    InternalPolyLine(ACanvas, points, AColor);
  };
  if (ABorders.Contains(TcxBorder::bLeft)) {
    line({e.Left, e.Top}, {e.Left, e.Bottom});
    ++R.Left;
  }
  if (ABorders.Contains(TcxBorder::bRight)) {
    line({e.Right, e.Top}, {e.Right, e.Bottom});
    --R.Right;
  }
  if (ABorders.Contains(TcxBorder::bTop)) {
    line({e.Left, e.Top}, {e.Right, e.Top});
    ++R.Top;
  }
  if (ABorders.Contains(TcxBorder::bBottom)) {
    line({e.Left, e.Bottom}, {e.Right, e.Bottom});
    --R.Bottom;
  }
}

void DrawArrow(TcxCanvas* ACanvas, int ASize, const TRect& R, TcxArrowDirection ADirection,
               bool ADouble, bool AOffset, TColor AColor) {
  if (ASize <= 0)
    return;
  const bool vertical =
      ADirection == TcxArrowDirection::adUp || ADirection == TcxArrowDirection::adDown;
  const int across = 2 * ASize - 1;
  const int along = (ADouble ? 2 : 1) * ASize;
  const int boxWidth = vertical ? across : along;
  const int boxHeight = vertical ? along : across;
  int x = R.Left + (cxRectWidth(R) - boxWidth) / 2;
  int y = R.Top + (cxRectHeight(R) - boxHeight) / 2;
  if (AOffset) {
    ++x;
    ++y;
  }
  const HBRUSH brush = GetSolidBrush(AColor);
  const HDC dc = ACanvas->Handle();
  for (int copy = 0; copy < (ADouble ? 2 : 1); ++copy) {
    for (int i = 0; i < ASize; ++i) {
      const bool growing =
          ADirection == TcxArrowDirection::adUp || ADirection == TcxArrowDirection::adLeft;
      const int from = growing ? ASize - 1 - i : i;
      const int to = growing ? ASize - 1 + i : 2 * ASize - 2 - i;
      const int line = copy * ASize + i;
      const TRect r = vertical ? Rect(x + from, y + line, x + to + 1, y + line + 1)
                               : Rect(x + line, y + from, x + line + 1, y + to + 1);
      cxEditFillRect(dc, r, brush);
    }
  }
}

TSize GetArrowSize(const TSize& ASize, TcxArrowDirection ADirection) {
  const int side = std::min(ASize.cx, ASize.cy);
  int width = (side - 1) / 2;
  if (width % 2 == 0)
    ++width;
  const int height = width / 2 + 1;
  if (ADirection == TcxArrowDirection::adLeft || ADirection == TcxArrowDirection::adRight)
    return TSize{height, width};
  return TSize{width, height};
}

void DrawGlyph(TCanvas* ACanvas, int X, int Y, TBitmap* AGlyph, bool AEnabled,
               TColor ABackgroundColor, TBitmap* ABackgroundBitmap) {
  if (!VerifyBitmap(AGlyph))
    return;
  if (AEnabled)
    DrawGlyphEnabled(ACanvas, X, Y, AGlyph, ABackgroundColor, ABackgroundBitmap);
  else
    DrawGlyphDisabled(ACanvas, X, Y, AGlyph, ABackgroundColor, ABackgroundBitmap);
}

void DrawGlyph(TcxCanvas* ACanvas, int X, int Y, TBitmap* AGlyph, bool AEnabled,
               TColor ABackgroundColor, TBitmap* ABackgroundBitmap) {
  DrawGlyph(ACanvas->Canvas(), X, Y, AGlyph, AEnabled, ABackgroundColor, ABackgroundBitmap);
}

void DrawGlyph(TcxCanvas* ACanvas, TCustomImageList* AImageList, int AImageIndex, const TRect& R,
               TColor ABackgroundColor, bool AEnabled, TBitmap* ABackgroundBitmap) {
  if (!VerifyImages(AImageList))
    return;
  TOwned<TBitmap> filled;
  TBitmap* background = ABackgroundBitmap;
  if (!background) {
    filled.reset(Create<TBitmap>());
    filled->SetSize(AImageList->Width(), AImageList->Height());
    filled->Canvas()->Brush()->SetColor(ABackgroundColor);
    filled->Canvas()->FillRect(Rect(0, 0, AImageList->Width(), AImageList->Height()));
    background = filled.get();
  }
  AImageList->Draw(background->Canvas(), 0, 0, AImageIndex, AEnabled);
  ACanvas->Draw(R.Left, R.Top, background);
}

bool VerifyBitmap(TBitmap* ABitmap) {
  return ABitmap && !ABitmap->Empty() && ABitmap->Width() > 0 && ABitmap->Height() > 0;
}

bool VerifyImages(TCustomImageList* AImages) {
  return AImages && AImages->Width() > 0 && AImages->Height() > 0;
}

void SaveCanvasFont(TcxCanvas* ACanvas, LOGFONTW& ALogFont) {
  cxGetFontData(ACanvas->Font()->Handle(), ALogFont);
}

void RestoreCanvasFont(TcxCanvas* ACanvas, const LOGFONTW& ALogFont) {
  ACanvas->Font()->SetHandle(::CreateFontIndirectW(&ALogFont));
}

int CalculateEditDefaultButtonWidth(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AViewInfo) {
  if (AViewInfo->Native)
    AViewInfo->Native = AreVisualStylesMustBeUsed(true, ButtonThemeClass(*AViewInfo));
  int margin = cxEditDefaultButtonMargin;
  if (AViewInfo->Native) {
    const TRect margins =
        NativeButtonContentMargins(ACanvas->Handle(), ButtonThemeClass(*AViewInfo));
    margin = margins.Left + margins.Right;
  }
  if (AViewInfo->Width >= 1)
    return std::max(AViewInfo->Width, margin);
  const int scrollBarHeight = ::GetSystemMetrics(SM_CYHSCROLL);
  switch (AViewInfo->Kind) {
  case TcxEditButtonKind::bkGlyph:
    if (VerifyBitmap(AViewInfo->Glyph))
      return AViewInfo->Glyph->Width() + margin;
    return scrollBarHeight;
  case TcxEditButtonKind::bkText:
    return std::max(scrollBarHeight, margin + ACanvas->TextWidth(AViewInfo->VisibleCaption) +
                                         cxEditTextButtonExtraWidth);
  default:
    return scrollBarHeight;
  }
}

void CalculateEditButtonState(TcxEditButtonViewInfo* AViewInfo) {
  HTHEME theme = nullptr;
  if (AViewInfo->Native)
    theme = OpenTheme(ButtonThemeClass(*AViewInfo));
  AViewInfo->NativePart = theme ? 1 : 0;
  if (AViewInfo->NativePart == 0) {
    AViewInfo->BackgroundPartiallyTransparent = false;
    AViewInfo->NativeState = 0;
    return;
  }
  AViewInfo->BackgroundPartiallyTransparent = dxUxTheme::IsThemeBackgroundPartiallyTransparent(
      theme, AViewInfo->NativePart, AViewInfo->NativeState);
  AViewInfo->NativeState = NativeButtonState(AViewInfo->State);
}

TcxRegion* GetEditButtonRegion(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AViewInfo) {
  TOwned<TcxRegion> region(Create<TcxRegion>(AViewInfo->Bounds));
  if (AViewInfo->NativeState == 0)
    return region.release();
  const HTHEME theme = OpenTheme(ButtonThemeClass(*AViewInfo));
  const int part = AViewInfo->ComboStyle ? 1 : AViewInfo->NativePart;
  HRGN shape = nullptr;
  if (theme &&
      SUCCEEDED(dxUxTheme::GetThemeBackgroundRegion(theme, ACanvas->Handle(), part,
                                                    AViewInfo->NativeState,
                                                    AsRECT(AViewInfo->Bounds), &shape)) &&
      shape) {
    TOwned<TcxRegion> themed(Create<TcxRegion>(shape));
    region->Combine(themed.get(), TcxRegionOperation::roIntersect, false);
  }
  return region.release();
}

void DrawCustomEdit(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo, bool ADrawBackground,
                    TcxEditBackgroundPaintingStyle ABackgroundPaintingStyle) {
  const HDC dc = ACanvas->Handle();
  {
    std::optional<TSavedDC> saved;
    if (AViewInfo->ButtonCount() > 0 && !AViewInfo->Buttons(0)->BackgroundPartiallyTransparent) {
      saved.emplace(dc);
      for (int i = 0; i < AViewInfo->ButtonCount(); ++i) {
        const TRect& r = AViewInfo->Buttons(i)->VisibleBounds;
        ::ExcludeClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
      }
    }
    if (AViewInfo->NativeStyle)
      DrawNativeBackground(ACanvas, *AViewInfo, ADrawBackground, ABackgroundPaintingStyle);
    else
      DrawUsualBackground(ACanvas, *AViewInfo, ADrawBackground);
  }
  AViewInfo->DrawButtons(ACanvas);
}

int GetEditButtonsContentVerticalOffset(TcxCanvas* ACanvas, TcxEditButtonStyle AButtonsStyle,
                                        bool ANativeStyle) {
  if (ANativeStyle) {
    const TRect margins = NativeButtonContentMargins(ACanvas->Handle());
    return margins.Top + margins.Bottom;
  }
  return kButtonStyleContentOffsets[static_cast<int>(AButtonsStyle)];
}

int GetNativeInnerTextEditContentHeightCorrection(TcxCustomEditProperties* AProperties,
                                                  bool AIsInplace) {
  return AIsInplace && AProperties->Buttons()->Count() > 0 ? 1 : 0;
}

bool IsHotLightColorAvailable(const OSVERSIONINFOW& AVersion) {
  if (AVersion.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS)
    return AVersion.dwMinorVersion != 0;
  return AVersion.dwPlatformId == VER_PLATFORM_WIN32_NT && AVersion.dwMajorVersion == 5;
}

TColor GetHotTrackColor() {
  return g_isHotLightColorAvailable ? TColor(::GetSysColor(COLOR_HOTLIGHT)) : clBlue;
}

TColor GetEditBorderHighlightColor(bool AIsOffice11Style) {
  return AIsOffice11Style ? dxOffice11SelectedBorderColor : clHighlight;
}

TColor GetEditButtonHighlightColor(bool APressed, bool AIsOffice11Style) {
  const TcxButtonState state = APressed ? TcxButtonState::cxbsPressed : TcxButtonState::cxbsHot;
  if (AIsOffice11Style)
    return TcxOffice11LookAndFeelPainter::StaticClass()->ButtonColor(state);
  return TcxUltraFlatLookAndFeelPainter::StaticClass()->ButtonColor(state);
}

TcxCustomLookAndFeelPainterClass GetPainterClass(bool ANative,
                                                 TcxLookAndFeelKind ALookAndFeelKind) {
  if (ANative && AreVisualStylesAvailable())
    return TcxWinXPLookAndFeelPainter::StaticClass();
  switch (ALookAndFeelKind) {
  case TcxLookAndFeelKind::lfFlat:
    return TcxFlatLookAndFeelPainter::StaticClass();
  case TcxLookAndFeelKind::lfStandard:
    return TcxStandardLookAndFeelPainter::StaticClass();
  case TcxLookAndFeelKind::lfUltraFlat:
    return TcxUltraFlatLookAndFeelPainter::StaticClass();
  case TcxLookAndFeelKind::lfOffice11:
    return TcxOffice11LookAndFeelPainter::StaticClass();
  }
  return TcxStandardLookAndFeelPainter::StaticClass();
}

// The text layout keeps its horizontal alignment in the low four bits and
// its vertical alignment in the next four.
int cxTextOutFlagsToDrawTextFlags(TcxTextOutFormat AFlags) {
  int result = 0;
  switch (static_cast<TcxTextAlignX>(TextAlignField(AFlags, 0))) {
  case TcxTextAlignX::taCenterX:
    result |= cxcfAlignHCenter;
    break;
  case TcxTextAlignX::taRight:
    result |= cxcfAlignRight;
    break;
  default:
    break;
  }
  switch (static_cast<TcxTextAlignY>(TextAlignField(AFlags, 4))) {
  case TcxTextAlignY::taCenterY:
    result |= cxcfAlignVCenter;
    break;
  case TcxTextAlignY::taBottom:
    result |= cxcfAlignBottom;
    break;
  default:
    break;
  }
  if (AFlags & cxtfSingleLine)
    result |= cxcfSingleLine;
  if (AFlags & cxtfWordWrap)
    result |= cxcfWordBreak;
  return result;
}

TcxTextOutFormat DrawTextFlagsTocxTextOutFlags(int AFlags) {
  TcxTextAlignX horz = TcxTextAlignX::taLeft;
  if (AFlags & cxcfAlignHCenter)
    horz = TcxTextAlignX::taCenterX;
  if (AFlags & cxcfAlignRight)
    horz = TcxTextAlignX::taRight;
  TcxTextAlignY vert = TcxTextAlignY::taTop;
  if (AFlags & cxcfAlignVCenter)
    vert = TcxTextAlignY::taCenterY;
  if (AFlags & cxcfAlignBottom)
    vert = TcxTextAlignY::taBottom;
  TcxTextOutFormat result = cxMakeFormat(horz, vert);
  if (AFlags & cxcfSingleLine)
    result |= cxtfSingleLine;
  if (AFlags & cxcfWordBreak)
    result |= cxtfWordWrap;
  return result;
}

namespace {

void Initialize() {
  if (g_startCount++ > 0)
    return;
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof(version);
  g_isHotLightColorAvailable = ::GetVersionExW(&version) && IsHotLightColorAvailable(version);
}

void Finalize() {
  if (g_startCount > 0)
    --g_startCount;
}

} // namespace

const TUnitInfo cxEditUtilsUnit{"cxEditUtils", Initialize, Finalize};
