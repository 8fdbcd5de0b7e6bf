#include "editors/cxEditViewInfo.h"

#include <algorithm>

#include "editors/cxEditUtils.h"
#include "framework/cxGeometry.h"
#include "framework/dxOffice11.h"
#include "framework/dxOffice11Drawing.h"
#include "platform/rtl/ScopeGuards.h"

void TcxEditButtonViewInfo::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxEditButtonViewInfo*>(Source);
  if (!source) {
    TPersistent::Assign(Source);
    return;
  }
  NativeState = source->NativeState;
  BackgroundColor = source->BackgroundColor;
  Bounds = source->Bounds;
  Style = source->Style;
  State = source->State;
}

bool TcxEditButtonViewInfo::IsPaintChanged(const TcxEditButtonViewInfo& Other) const {
  return Style != Other.Style || State != Other.State || BackgroundColor != Other.BackgroundColor ||
         NativeState != Other.NativeState;
}

TOwned<TcxRegion> TcxEditButtonViewInfo::GetUpdateRegion(TcxEditButtonViewInfo* Other) {
  if (Other && !IsPaintChanged(*Other))
    return TOwned<TcxRegion>(Create<TcxRegion>());
  return TOwned<TcxRegion>(Create<TcxRegion>(Bounds));
}

bool TcxEditButtonViewInfo::Repaint(TWinControl* AControl, TcxEditButtonViewInfo* Other,
                                    const TPoint& AOrigin) {
  if (Other && !IsPaintChanged(*Other))
    return false;
  InternalInvalidate(AControl->Handle(), cxRectOffset(Bounds, AOrigin.X, AOrigin.Y), TRect{},
                     HasBackground);
  return true;
}

// ---- TcxCustomEditViewInfo

namespace {

using enum TcxEditButtonState;
using enum TcxEditButtonStyle;

bool IsPressedOrSelected(const TcxEditButtonViewInfo& button) {
  return button.State == ebsPressed || button.State == ebsSelected;
}

void FrameAndShrink(TcxCanvas* canvas, TRect& r, TColor color) {
  canvas->FrameRect(r, color);
  r = cxRectInflate(r, -1, -1);
}

void ComplexFrameAndShrink(TcxCanvas* canvas, TRect& r, TColor leftTop, TColor rightBottom) {
  canvas->DrawComplexFrame(r, leftTop, rightBottom);
  r = cxRectInflate(r, -1, -1);
}

void Line(TcxCanvas* canvas, TRect& r, TcxBorder side, TColor color) {
  ::DrawButtonBorder(canvas, r, TcxBorders{side}, color);
}

// Draws the shape twice when disabled: embossed in the highlight colour one
// pixel down and right, then in the shadow colour.
template <class Draw> void DrawEnabledOrEmbossed(bool enabled, TColor color, Draw draw) {
  if (enabled) {
    draw(0, color);
    return;
  }
  draw(1, clBtnHighlight);
  draw(0, clBtnShadow);
}

} // namespace

void TcxCustomEditViewInfo::SetButtonCount(int Value) {
  const int count = std::max(Value, 0);
  while (ButtonCount() > count)
    m_buttons.pop_back();
  while (ButtonCount() < count)
    m_buttons.emplace_back(Create<TcxEditButtonViewInfo>());
}

void TcxCustomEditViewInfo::Assign(TObject* Source) {
  if (auto* source = dynamic_cast<TcxCustomEditViewInfo*>(Source)) {
    SetBackgroundColor(source->BackgroundColor());
    BorderColor = source->BorderColor;
    BorderStyle = source->BorderStyle;
    ContainerState = source->ContainerState;
    NativeState = source->NativeState;
    SetButtonCount(source->ButtonCount());
    for (int i = 0; i < ButtonCount(); ++i)
      Buttons(i)->Assign(source->Buttons(i));
    PressedButton = source->PressedButton;
    SelectedButton = source->SelectedButton;
  }
  TcxContainerViewInfo::Assign(Source);
}

TcxRegion* TcxCustomEditViewInfo::GetUpdateRegion(TcxContainerViewInfo* AViewInfo) {
  TcxRegion* region = TcxContainerViewInfo::GetUpdateRegion(AViewInfo);
  auto* other = dynamic_cast<TcxCustomEditViewInfo*>(AViewInfo);
  if (!other)
    return region;
  const bool sameFrame =
      (BorderColor == other->BorderColor || BorderStyle == TcxContainerBorderStyle::cbsNone) &&
      BorderStyle == other->BorderStyle && ButtonCount() == other->ButtonCount() &&
      NativeState == other->NativeState;
  if (!sameFrame) {
    if (!cxRectIsEmpty(Bounds))
      region->Combine(Create<TcxRegion>(Bounds), TcxRegionOperation::roAdd);
    return region;
  }
  for (int i = 0; i < ButtonCount(); ++i) {
    TOwned<TcxRegion> button = Buttons(i)->GetUpdateRegion(other->Buttons(i));
    if (!button->IsEmpty())
      region->Combine(button.release(), TcxRegionOperation::roAdd);
  }
  return region;
}

void TcxCustomEditViewInfo::Offset(int DX, int DY) {
  TcxContainerViewInfo::Offset(DX, DY);
  InnerEditRect = cxRectOffset(InnerEditRect, DX, DY);
  ShadowRect = cxRectOffset(ShadowRect, DX, DY);
  for (auto& button : m_buttons) {
    button->Bounds = cxRectOffset(button->Bounds, DX, DY);
    button->VisibleBounds = cxRectOffset(button->VisibleBounds, DX, DY);
  }
}

bool TcxCustomEditViewInfo::Repaint(TWinControl* AControl, const TRect& AKeepRect,
                                    TcxCustomEditViewInfo* AOther) {
  if (!AControl->HandleAllocated())
    return false;
  const TRect bounds = cxRectOffset(Bounds, Left, Top);
  // The kept rectangle is in the window's coordinates, as the bounds are.
  TRect keep{};
  cxRectIntersect(keep, AKeepRect, cxRectOffset(ClientRect, Left, Top));
  if (!AOther) {
    InternalInvalidate(AControl->Handle(), bounds, keep, HasBackground);
    return false;
  }
  // A changed state or background repaints all but what is kept; a changed
  // border alone repaints the frame around the border rectangle.
  const bool contentChanged =
      NativeState != AOther->NativeState || BackgroundColor() != AOther->BackgroundColor() ||
      ButtonCount() != AOther->ButtonCount() ||
      (ContainerState != AOther->ContainerState && IsRepaintOnStateChangingNeeded());
  const bool borderChanged =
      (BorderColor != AOther->BorderColor && BorderStyle != TcxContainerBorderStyle::cbsNone) ||
      BorderStyle != AOther->BorderStyle;
  if (!contentChanged && borderChanged)
    keep = cxRectOffset(BorderRect, Left, Top);
  bool result = contentChanged || borderChanged;
  if (result && !cxRectIsEmpty(bounds) && keep != bounds)
    InternalInvalidate(AControl->Handle(), bounds, keep, AOther->HasBackground);
  if (ButtonCount() == AOther->ButtonCount())
    for (int i = 0; i < ButtonCount(); ++i)
      result = Buttons(i)->Repaint(AControl, AOther->Buttons(i), TPoint{Left, Top}) || result;
  return result;
}

bool TcxCustomEditViewInfo::IsHotTrack(int& AIndex) const {
  for (int i = 0; i < ButtonCount(); ++i)
    if (Buttons(i)->State == ebsSelected) {
      AIndex = i;
      return true;
    }
  return false;
}

bool TcxCustomEditViewInfo::IsHotTrack(const TPoint& P) const {
  return ButtonVisibleIndexAt(TPoint{P.X - Left, P.Y - Top}) != -1;
}

int TcxCustomEditViewInfo::ButtonVisibleIndexAt(const TPoint& P) const {
  for (int i = 0; i < ButtonCount(); ++i)
    if (cxRectPtIn(Buttons(i)->Bounds, P))
      return i;
  return -1;
}

int TcxCustomEditViewInfo::GetDefaultButtonVisibleIndex() const {
  for (int i = 0; i < ButtonCount(); ++i)
    if (Buttons(i)->Default)
      return i;
  return -1;
}

void TcxCustomEditViewInfo::InternalPaint(TcxCanvas* ACanvas) {
  TcxContainerViewInfo::InternalPaint(ACanvas);
  DrawButtons(ACanvas);
}

void TcxCustomEditViewInfo::DrawButtons(TcxCanvas* ACanvas) {
  if (States.Contains(TcxEditViewInfoState::evsPaintButtons))
    return;
  States.Include(TcxEditViewInfoState::evsPaintButtons);
  TScopeExit done([this] { States.Exclude(TcxEditViewInfoState::evsPaintButtons); });
  for (int i = 0; i < ButtonCount(); ++i)
    DrawButton(ACanvas, i);
}

void TcxCustomEditViewInfo::DrawButton(TcxCanvas* ACanvas, int AButtonVisibleIndex) {
  TcxEditButtonViewInfo& button = *Buttons(AButtonVisibleIndex);
  button.BackgroundColor = BackgroundColor();
  if (cxRectIsEmpty(button.VisibleBounds))
    return;
  const bool clip = !cxRectContain(BorderRect, button.Bounds);
  if (clip) {
    ACanvas->SaveClipRegion();
    ACanvas->IntersectClipRect(button.VisibleBounds);
  }
  TScopeExit restore([&] {
    if (clip)
      ACanvas->RestoreClipRegion();
  });
  DrawEditButton(ACanvas, AButtonVisibleIndex);
}

void TcxCustomEditViewInfo::DrawEditButton(TcxCanvas* ACanvas, int AButtonVisibleIndex) {
  const TcxEditButtonViewInfo& button = *Buttons(AButtonVisibleIndex);
  TRect background = button.Bounds;
  TRect content{};
  TColor pen = clBtnText;
  TColor brush = clBtnFace;
  DrawButtonBorder(ACanvas, AButtonVisibleIndex, background, content, pen, brush);
  if (!cxRectIsEmpty(background))
    DrawButtonBackground(ACanvas, AButtonVisibleIndex, background, brush);
  if (!cxRectIsEmpty(content))
    DrawButtonContent(ACanvas, AButtonVisibleIndex, content, pen,
                      button.State == ebsPressed && OffsetPressedButtonContent);
}

void TcxCustomEditViewInfo::DrawButtonBorder(TcxCanvas* ACanvas, int AButtonVisibleIndex,
                                             TRect& ABackgroundRect, TRect& AContentRect,
                                             TColor& APenColor, TColor& ABrushColor) {
  const TcxEditButtonViewInfo& button = *Buttons(AButtonVisibleIndex);
  TcxEditButtonStyle style = button.Style;
  if (style == btsSimple && IsPressedOrSelected(button))
    style = btsFlat;
  APenColor = clBtnText;
  const TColor plainBrush = button.Transparent ? button.BackgroundColor : clBtnFace;
  switch (style) {
  case btsHotFlat:
    ABrushColor = button.Transparent            ? button.BackgroundColor
                  : button.State == ebsPressed  ? clBtnText
                  : button.State == ebsSelected ? clBtnShadow
                                                : clBtnFace;
    if (IsPressedOrSelected(button))
      APenColor = button.Transparent && button.State == ebsSelected ? clBtnShadow : clWindow;
    DrawHotFlatButtonBorder(ACanvas, button, ABackgroundRect, ABrushColor);
    break;
  case btsUltraFlat:
  case btsOffice11: {
    const bool office11 = style == btsOffice11;
    ABrushColor = button.Transparent            ? button.BackgroundColor
                  : button.State == ebsDisabled ? clBtnFace
                  : button.State == ebsNormal
                      ? (office11 ? dxOffice11DockColor1 : clBtnFace)
                      : GetEditButtonHighlightColor(button.State == ebsPressed, office11);
    DrawUltraFlatButtonBorder(ACanvas, button, ABackgroundRect, AContentRect);
    return;
  }
  case btsFlat:
    ABrushColor = plainBrush;
    DrawFlatButtonBorder(ACanvas, button, ABackgroundRect, ABrushColor);
    break;
  case btsSimple:
    ABrushColor = plainBrush;
    DrawSimpleButtonBorder(ACanvas, button, ABackgroundRect, ABrushColor);
    break;
  default:
    ABrushColor = plainBrush;
    Draw3DButtonBorder(ACanvas, button, ABackgroundRect, ABrushColor);
    break;
  }
  AContentRect = ABackgroundRect;
}

void TcxCustomEditViewInfo::Draw3DButtonBorder(TcxCanvas* ACanvas,
                                               const TcxEditButtonViewInfo& AButton, TRect& R,
                                               TColor ABrushColor) {
  if (AButton.State == ebsPressed) {
    FrameAndShrink(ACanvas, R, clBtnShadow);
    FrameAndShrink(ACanvas, R, ABrushColor);
  } else {
    ComplexFrameAndShrink(ACanvas, R, cl3DLight, cl3DDkShadow);
    ComplexFrameAndShrink(ACanvas, R, clBtnHighlight, clBtnShadow);
  }
}

void TcxCustomEditViewInfo::DrawFlatButtonBorder(TcxCanvas* ACanvas,
                                                 const TcxEditButtonViewInfo& AButton, TRect& R,
                                                 TColor ABrushColor) {
  Line(ACanvas, R, TcxBorder::bLeft, ABrushColor);
  if (AButton.State == ebsPressed)
    ComplexFrameAndShrink(ACanvas, R, clBtnShadow, clBtnHighlight);
  else
    ComplexFrameAndShrink(ACanvas, R, clBtnHighlight, clBtnShadow);
  Line(ACanvas, R, TcxBorder::bRight, ABrushColor);
}

void TcxCustomEditViewInfo::DrawSimpleButtonBorder(TcxCanvas* ACanvas,
                                                   const TcxEditButtonViewInfo& AButton, TRect& R,
                                                   TColor ABrushColor) {
  if (!Transparent)
    ACanvas->FrameRect(R, AButton.BackgroundColor);
  R = cxRectInflate(R, -1, -1);
  Line(ACanvas, R, TcxBorder::bLeft, ABrushColor);
  Line(ACanvas, R, TcxBorder::bRight, ABrushColor);
}

void TcxCustomEditViewInfo::DrawHotFlatButtonBorder(TcxCanvas* ACanvas,
                                                    const TcxEditButtonViewInfo& AButton, TRect& R,
                                                    TColor ABrushColor) {
  const bool innermost = AButton.LeftAlignment ? AButton.RightEdge : AButton.LeftEdge;
  if (innermost) {
    FrameAndShrink(ACanvas, R, clBtnShadow);
  } else {
    const TcxBorder inner = AButton.LeftAlignment ? TcxBorder::bRight : TcxBorder::bLeft;
    const TcxBorder outer = AButton.LeftAlignment ? TcxBorder::bLeft : TcxBorder::bRight;
    ::DrawButtonBorder(ACanvas, R, TcxBorders{TcxBorder::bTop, outer, TcxBorder::bBottom},
                       clBtnShadow);
    Line(ACanvas, R, inner, ABrushColor);
  }
  Line(ACanvas, R, TcxBorder::bLeft, ABrushColor);
  Line(ACanvas, R, TcxBorder::bRight, ABrushColor);
}

bool TcxCustomEditViewInfo::ShowsOwnBorder() const {
  if (IsInplace)
    return PaintOptions.Contains(TcxEditPaintOption::epoHasExternalBorder);
  return BorderStyle != TcxContainerBorderStyle::cbsNone;
}

void TcxCustomEditViewInfo::DrawUltraFlatButtonBorder(TcxCanvas* ACanvas,
                                                      const TcxEditButtonViewInfo& AButton,
                                                      TRect& ABackgroundRect, TRect& AContentRect) {
  const TColor frame = GetEditBorderHighlightColor(AButton.Style == btsOffice11);
  if (!IsPressedOrSelected(AButton) || !ShowsOwnBorder()) {
    if (IsPressedOrSelected(AButton))
      ACanvas->FrameRect(ABackgroundRect, frame);
    else if (!Transparent)
      ACanvas->FrameRect(ABackgroundRect, AButton.BackgroundColor);
    ABackgroundRect = cxRectInflate(ABackgroundRect, -1, -1);
    AContentRect = cxRectInflate(ABackgroundRect, -1, 0);
    return;
  }
  TRect& r = ABackgroundRect;
  if (AButton.LeftAlignment) {
    if (!AButton.LeftEdge)
      Line(ACanvas, r, TcxBorder::bLeft, frame);
    if (AButton.Bounds.Right != BorderRect.Right)
      Line(ACanvas, r, TcxBorder::bRight, frame);
  } else {
    if (!AButton.RightEdge)
      Line(ACanvas, r, TcxBorder::bRight, frame);
    if (AButton.Bounds.Left != BorderRect.Left)
      Line(ACanvas, r, TcxBorder::bLeft, frame);
  }
  AContentRect = cxRectInflate(r, -1, -1);
}

void TcxCustomEditViewInfo::DrawButtonBackground(TcxCanvas* ACanvas, int AButtonVisibleIndex,
                                                 const TRect& R, TColor ABrushColor) {
  const TcxEditButtonViewInfo& button = *Buttons(AButtonVisibleIndex);
  const bool gradient = button.Style == btsOffice11 && button.Gradient && !button.Transparent &&
                        button.State != ebsDisabled;
  if (!gradient) {
    cxEditFillRect(ACanvas, R, ABrushColor);
    return;
  }
  TColor from = dxOffice11ToolbarsColor1, to = dxOffice11ToolbarsColor2;
  TRect band{R.Left, BorderRect.Top, R.Right, BorderRect.Bottom};
  if (button.State == ebsPressed) {
    from = dxOffice11SelectedDownColor1;
    to = dxOffice11SelectedDownColor2;
  } else if (button.State == ebsSelected) {
    from = dxOffice11SelectedColor1;
    to = dxOffice11SelectedColor2;
  } else {
    band = cxRectInflate(band, 0, -1);
  }
  ACanvas->SaveClipRegion();
  TScopeExit restore([&] { ACanvas->RestoreClipRegion(); });
  ACanvas->IntersectClipRect(R);
  FillGradientRect(ACanvas->Handle(), band, from, false, to);
}

void TcxCustomEditViewInfo::DrawButtonContent(TcxCanvas* ACanvas, int AButtonVisibleIndex,
                                              const TRect& AContentRect, TColor APenColor,
                                              bool AIsOffsetNeeded) {
  const TcxEditButtonViewInfo& button = *Buttons(AButtonVisibleIndex);
  const bool enabled = button.State != ebsDisabled;
  ACanvas->SaveDC();
  TScopeExit restore([&] { ACanvas->RestoreDC(); });
  ACanvas->IntersectClipRect(AContentRect);
  const int offset = AIsOffsetNeeded ? 1 : 0;
  switch (button.Kind) {
  case TcxEditButtonKind::bkEllipsis: {
    const int size = cxRectWidth(AContentRect) > 11 ? 2 : 1;
    const int width = 3 * size + 4;
    int x = AContentRect.Left + (cxRectWidth(AContentRect) - width) / 2;
    int y = AContentRect.Top + (cxRectHeight(AContentRect) - size) / 2;
    if (offset && x + width < AContentRect.Right && y + size < AContentRect.Bottom) {
      ++x;
      ++y;
    }
    DrawEnabledOrEmbossed(enabled, APenColor, [&](int shift, TColor color) {
      for (int dot = 0; dot < 3; ++dot) {
        const int left = x + shift + dot * (size + 2);
        ACanvas->FillRect(TRect{left, y + shift, left + size, y + shift + size}, color);
      }
    });
    break;
  }
  case TcxEditButtonKind::bkDown: {
    TRect area = AContentRect;
    const int extraWidth = cxRectWidth(button.Bounds) - cxRectWidth(area);
    const int leftPart = offset ? (extraWidth + 1) / 2 : extraWidth / 2;
    area.Left -= leftPart;
    area.Right += extraWidth - leftPart;
    if (IsInplace) {
      area.Top = button.Bounds.Top;
      area.Bottom = button.Bounds.Bottom;
    }
    area = cxRectOffset(area, offset, offset);
    DrawEnabledOrEmbossed(enabled, APenColor, [&](int shift, TColor color) {
      TcxStandardLookAndFeelPainter::StaticClass()->DrawArrow(
          ACanvas, cxRectOffset(area, shift, shift), TcxArrowDirection::adDown, color);
    });
    break;
  }
  case TcxEditButtonKind::bkGlyph: {
    if (!VerifyBitmap(button.Glyph))
      break;
    const int width = std::min(cxRectWidth(AContentRect), button.Glyph->Width());
    const int height = std::min(cxRectHeight(AContentRect), button.Glyph->Height());
    const int x = AContentRect.Left + (cxRectWidth(AContentRect) - width) / 2 + offset;
    const int y = AContentRect.Top + (cxRectHeight(AContentRect) - height) / 2 + offset;
    DrawGlyph(ACanvas, x, y, button.Glyph, enabled);
    break;
  }
  case TcxEditButtonKind::bkText: {
    ACanvas->Brush()->SetStyle(TBrushStyle::bsClear);
    if (Font)
      ACanvas->SetFont(Font);
    TRect text = cxRectInflate(AContentRect, -1, IsInplace ? 0 : -1);
    text.Right -= 1;
    text = cxRectOffset(text, offset, offset);
    int flags = cxcfAlignVCenter | cxcfSingleLine | cxcfShowPrefix | cxcfShowEndEllipsis;
    flags |= button.ContentAlignment == TAlignment::taLeftJustify    ? cxcfAlignLeft
             : button.ContentAlignment == TAlignment::taRightJustify ? cxcfAlignRight
                                                                     : cxcfAlignHCenter;
    TColor color = button.TextColor == clDefault ? TextColor : button.TextColor;
    if (button.Style == btsHotFlat && IsPressedOrSelected(button))
      color = APenColor;
    DrawEnabledOrEmbossed(enabled, color, [&](int shift, TColor shade) {
      ACanvas->Font()->SetColor(shade);
      ACanvas->DrawTexT(button.Caption, cxRectOffset(text, shift, shift), flags);
    });
    break;
  }
  }
}
