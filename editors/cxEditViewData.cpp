#include "editors/cxEditViewData.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "editors/cxEdit.h"
#include "editors/cxEditProperties.h"
#include "editors/cxEditStyles.h"
#include "editors/cxEditUtils.h"
#include "framework/cxGeometry.h"
#include "framework/cxLookAndFeels.h"

namespace {

bool IsLeftClickShift(TShiftState shift) {
  using enum TShiftStateItem;
  return shift == TShiftState{ssLeft} || shift == TShiftState{ssLeft, ssDouble};
}

void MoveHorizontally(TcxEditButtonViewInfo& button, int dx) {
  button.Bounds.Left += dx;
  button.Bounds.Right += dx;
  button.VisibleBounds.Left += dx;
  button.VisibleBounds.Right += dx;
}

} // namespace

TcxEditButtonsLayout::TcxEditButtonsLayout(IcxEditButtonsLayoutOwner& AOwner,
                                           std::vector<TcxEditButtonViewInfo*> AButtons,
                                           TcxEditButtons* AItems)
    : m_owner(AOwner), m_buttons(std::move(AButtons)), m_items(AItems) {}

void TcxEditButtonsLayout::CalculateBounds(const TRect& R, bool AButtonsOnly) {
  m_buttonsOnly = AButtonsOnly;
  m_leftOutermost = m_leftInnermost = m_rightInnermost = m_rightOutermost = -1;
  TRect room = R;
  for (int v = static_cast<int>(m_buttons.size()) - 1; v >= 0; --v)
    PlaceButton(room, v);
  const int remaining = cxRectWidth(room);
  if (AButtonsOnly && remaining > 0)
    Stretch(remaining, cxRectWidth(R) - remaining);
}

void TcxEditButtonsLayout::PlaceButton(TRect& R, int v) {
  TcxEditButtonViewInfo& button = *m_buttons[v];
  button.LeftEdge = button.RightEdge = false;
  if (cxRectIsEmpty(R)) {
    button.Bounds = button.VisibleBounds = TRect{};
    return;
  }
  const int width = m_owner.CalculateButtonWidth(button);
  const int visibleWidth = std::min(width, cxRectWidth(R));
  button.Bounds.Top = button.VisibleBounds.Top = R.Top;
  button.Bounds.Bottom = button.VisibleBounds.Bottom = R.Bottom;
  if (button.LeftAlignment) {
    button.Bounds.Left = button.VisibleBounds.Left = R.Left;
    button.Bounds.Right = R.Left + width;
    button.VisibleBounds.Right = R.Left + visibleWidth;
    R.Left += visibleWidth;
    if (m_leftOutermost == -1)
      m_leftOutermost = v;
    m_leftInnermost = v;
  } else {
    button.Bounds.Right = button.VisibleBounds.Right = R.Right;
    button.Bounds.Left = R.Right - width;
    button.VisibleBounds.Left = R.Right - visibleWidth;
    R.Right -= visibleWidth;
    if (m_rightOutermost == -1)
      m_rightOutermost = v;
    m_rightInnermost = v;
  }
}

void TcxEditButtonsLayout::Stretch(int ARoom, int AUsedWidth) {
  const bool anyStretchable = std::any_of(m_buttons.begin(), m_buttons.end(),
                                          [](auto* button) { return button->Stretchable; });
  auto inSet = [&](int v) { return !anyStretchable || m_buttons[v]->Stretchable; };
  std::int64_t total = anyStretchable ? 0 : AUsedWidth;
  int lowest = -1;
  for (int v = 0; v < static_cast<int>(m_buttons.size()); ++v)
    if (inSet(v)) {
      if (anyStretchable)
        total += cxRectWidth(m_buttons[v]->Bounds);
      if (lowest == -1)
        lowest = v;
    }
  if (total <= 0)
    return;
  int left = ARoom;
  for (int v = static_cast<int>(m_buttons.size()) - 1; v >= 0; --v) {
    if (!inSet(v))
      continue;
    int share =
        v == lowest
            ? left
            : static_cast<int>(std::int64_t{ARoom} * cxRectWidth(m_buttons[v]->Bounds) / total);
    left -= share;
    Grow(v, share);
  }
}

void TcxEditButtonsLayout::Grow(int v, int AShare) {
  TcxEditButtonViewInfo& button = *m_buttons[v];
  const bool leftSide = button.LeftAlignment;
  if (leftSide) {
    button.Bounds.Right += AShare;
    button.VisibleBounds.Right += AShare;
  } else {
    button.Bounds.Left -= AShare;
    button.VisibleBounds.Left -= AShare;
  }
  for (int inner = 0; inner < v; ++inner)
    if (m_buttons[inner]->LeftAlignment == leftSide)
      MoveHorizontally(*m_buttons[inner], leftSide ? AShare : -AShare);
}

bool TcxEditButtonsLayout::ItemEnabled(int v) const {
  const int index = m_buttons[v]->ButtonIndex;
  return !m_items || index < 0 || index >= m_items->Count() || m_items->Items(index)->Enabled();
}

void TcxEditButtonsLayout::CalculateStates(const TcxEditButtonsMouse& AMouse, bool AEnabled,
                                           bool ADesigning) {
  m_pressed = m_selected = -1;
  m_tracking = false;
  for (int v = 0; v < static_cast<int>(m_buttons.size()); ++v) {
    TcxEditButtonState state = ButtonState(v, AMouse, AEnabled, ADesigning);
    m_owner.DoGetButtonState(v, state);
    m_buttons[v]->State = state;
    m_owner.CalculateButtonNativeInfo(*m_buttons[v]);
  }
}

TcxEditButtonState TcxEditButtonsLayout::ButtonState(int v, const TcxEditButtonsMouse& AMouse,
                                                     bool AEnabled, bool ADesigning) {
  using enum TcxEditButtonState;
  const TcxEditButtonViewInfo& button = *m_buttons[v];
  const bool pressed = m_owner.IsButtonPressed(v);
  if (!AEnabled || !ItemEnabled(v))
    return ebsDisabled;
  if (!pressed && (ADesigning || !cxRectPtIn(button.VisibleBounds, AMouse.Point)))
    return ebsNormal;
  const bool leftHeld = AMouse.Shift.Contains(TShiftStateItem::ssLeft);
  const bool captureMove = !AMouse.ButtonEvent && leftHeld && button.State == ebsNormal &&
                           v == AMouse.CaptureButtonIndex;
  const bool leftDown = AMouse.LeftButtonEvent && IsLeftClickShift(AMouse.Shift);
  const bool wasPressed = button.State == ebsPressed && leftHeld;
  if (pressed || leftDown || wasPressed || captureMove)
    m_tracking = true;
  if (!pressed && AMouse.Shift.Empty() && !captureMove) {
    m_selected = v;
    return ebsSelected;
  }
  const bool pressesNow =
      pressed || (captureMove && m_owner.CanPressButton()) ||
      (IsLeftClickShift(AMouse.Shift) && ((AMouse.LeftButtonEvent && m_owner.CanPressButton()) ||
                                          v == AMouse.PreviousPressedIndex)) ||
      wasPressed;
  if (!pressesNow)
    return ebsNormal;
  m_pressed = v;
  return ebsPressed;
}

void TcxEditButtonsLayout::CalculateEdges() {
  const bool hasLeft = m_leftOutermost != -1;
  const bool hasRight = m_rightOutermost != -1;
  if (hasLeft) {
    m_buttons[m_leftOutermost]->LeftEdge = true;
    if (!(m_buttonsOnly && hasRight))
      m_buttons[m_leftInnermost]->RightEdge = true;
  }
  if (hasRight) {
    if (!(m_buttonsOnly && hasLeft))
      m_buttons[m_rightInnermost]->LeftEdge = true;
    m_buttons[m_rightOutermost]->RightEdge = true;
  }
  if (m_buttonsOnly)
    for (TcxEditButtonViewInfo* button : m_buttons)
      button->LeftAlignment = false;
}

// ---- TcxCustomEditViewData

namespace {

using enum TcxContainerStateItem;
using enum TcxEditBorderStyle;

TcxEditBorderStyle EditBorderStyleOf(TcxContainerBorderStyle AStyle) {
  return static_cast<TcxEditBorderStyle>(AStyle);
}

TcxContainerBorderStyle ContainerBorderStyleOf(TcxEditBorderStyle AStyle) {
  return static_cast<TcxContainerBorderStyle>(AStyle);
}

// Ultra-flat and Office 2003 borders are drawn single.
TcxEditBorderStyle CorrectBorderStyle(TcxEditBorderStyle AStyle) {
  return AStyle == ebsUltraFlat || AStyle == ebsOffice11 ? ebsSingle : AStyle;
}

TRect BordersOf(int AWidth, TcxBorders AEdges) {
  auto side = [&](TcxBorder border) { return AEdges.Contains(border) ? AWidth : 0; };
  return TRect{side(TcxBorder::bLeft), side(TcxBorder::bTop), side(TcxBorder::bRight),
               side(TcxBorder::bBottom)};
}

TRect Deflate(const TRect& R, const TRect& AExtent) {
  return TRect{R.Left + AExtent.Left, R.Top + AExtent.Top, R.Right - AExtent.Right,
               R.Bottom - AExtent.Bottom};
}

} // namespace

TcxCustomEditViewData::TcxCustomEditViewData(TcxCustomEditProperties* AProperties,
                                             TcxCustomEditStyle* AStyle, bool AIsInplace)
    : m_properties(AProperties), m_style(AStyle), m_isInplace(AIsInplace) {
  VisibleButtonCount = m_properties->Buttons()->VisibleCount();
  NativeStyle = AreVisualStylesMustBeUsed(m_style->GetLookAndFeel()->NativeStyle(),
                                          TdxThemedObjectType::totEdit);
  InitEditContentParams();
}

void TcxCustomEditViewData::InitEditContentParams() {
  ContentParams.Offsets = EditContentDefaultOffsets[m_isInplace ? 1 : 0];
  ContentParams.SizeCorrection.cx = 3 - ContentParams.Offsets.Left - ContentParams.Offsets.Right;
  ContentParams.SizeCorrection.cy =
      NativeStyle ? GetNativeInnerTextEditContentHeightCorrection(m_properties, m_isInplace) : 0;
  ContentParams.ExternalBorderBounds = TRect{};
  ContentParams.Options = {TcxEditContentOption::ecoOffsetButtonContent};
}

TSize TcxCustomEditViewData::GetEditContentSizeCorrection() const {
  const TRect& offsets = ContentParams.Offsets;
  return TSize{offsets.Left + offsets.Right + ContentParams.SizeCorrection.cx,
               offsets.Top + offsets.Bottom + ContentParams.SizeCorrection.cy};
}

TcxEditPaintOptions TcxCustomEditViewData::GetPaintOptions() const {
  using enum TcxEditPaintOption;
  TcxEditPaintOptions options = PaintOptions;
  if (!cxRectIsEmpty(ContentParams.ExternalBorderBounds))
    options.Include(epoHasExternalBorder);
  if (ContentParams.Options.Contains(TcxEditContentOption::ecoShowFocusRectWhenInplace))
    options.Include(epoShowFocusRectWhenInplace);
  return options;
}

TcxEditBorderStyle TcxCustomEditViewData::GetBorderStyle() const {
  if (m_isInplace)
    return ebsNone;
  return CorrectBorderStyle(EditBorderStyleOf(m_style->GetBorderStyle()));
}

TColor TcxCustomEditViewData::GetBorderColor() const {
  const bool highlighted = ContainerState.Contains(csActive) ||
                           (ContainerState.Contains(csHotTrack) && m_style->GetHotTrack()) ||
                           (IsDesigning && Enabled);
  if (auto painter = m_style->GetLookAndFeel()->SkinPainter())
    return painter->GetContainerBorderColor(highlighted);
  const TcxEditBorderStyle style = EditBorderStyleOf(m_style->GetBorderStyle());
  if (style == ebsUltraFlat || style == ebsOffice11)
    return highlighted ? GetEditBorderHighlightColor(style == ebsOffice11) : clBtnShadow;
  return m_style->GetBorderColor();
}

TRect TcxCustomEditViewData::GetBorderExtent() const {
  if (m_isInplace)
    return ContentOffset;
  const bool skin = static_cast<bool>(m_style->GetLookAndFeel()->SkinPainter());
  const bool baseBorder =
      m_style->GetBaseStyle()->GetBorderStyle() != TcxContainerBorderStyle::cbsNone;
  TRect extent{};
  if (m_style->GetTransparentBorder() && !skin)
    extent = cxContainerDefaultBorderExtent;
  else if (!m_style->HasBorder() || (NativeStyle && !baseBorder))
    extent = TRect{};
  else if (NativeStyle)
    extent = cxContainerDefaultBorderExtent;
  else
    extent = BordersOf(skin ? 1 : GetContainerBorderWidth(ContainerBorderStyleOf(GetBorderStyle())),
                       m_style->GetEdges());
  if (m_style->GetShadow() && !NativeStyle) {
    extent.Right += cxContainerShadowWidth;
    extent.Bottom += cxContainerShadowWidth;
  }
  return extent;
}

TRect TcxCustomEditViewData::GetButtonsExtent() const {
  if (m_isInplace)
    return ContentOffset;
  if (!NativeStyle)
    return GetBorderExtent();
  if (m_style->GetBaseStyle()->GetBorderStyle() != TcxContainerBorderStyle::cbsNone)
    return cxContainerDefaultBorderExtent;
  return m_style->GetTransparentBorder() ? cxContainerDefaultBorderExtent : TRect{};
}

TRect TcxCustomEditViewData::GetClientExtent(const TcxCustomEditViewInfo& AViewInfo) const {
  TRect extent = GetBorderExtent();
  if (m_properties->ButtonsViewStyle() != TcxEditButtonsViewStyle::bvsNormal &&
      AViewInfo.ButtonCount() > 0) {
    const TRect buttons = GetButtonsExtent();
    extent.Left = buttons.Left;
    extent.Right = buttons.Right;
  }
  for (int i = 0; i < AViewInfo.ButtonCount(); ++i) {
    const TcxEditButtonViewInfo& button = *AViewInfo.Buttons(i);
    if (button.LeftAlignment)
      extent.Left = std::max(extent.Left, button.Bounds.Right - AViewInfo.Bounds.Left);
    else
      extent.Right = std::max(extent.Right, AViewInfo.Bounds.Right - button.Bounds.Left);
  }
  return extent;
}

TcxContainerState
TcxCustomEditViewData::GetContainerState(const TRect& ABounds,
                                         const TcxEditButtonsMouse& AMouse) const {
  if (!Enabled)
    return {csDisabled};
  if (IsDesigning)
    return {csNormal};
  TcxContainerState state{Focused ? csActive : csNormal};
  const TShiftState held{TShiftStateItem::ssLeft, TShiftStateItem::ssRight,
                         TShiftStateItem::ssMiddle};
  if (cxRectPtIn(Deflate(ABounds, ContentOffset), AMouse.Point) && (AMouse.Shift * held).Empty())
    state.Include(csHotTrack);
  return state;
}

TcxEditButtonStyle TcxCustomEditViewData::GetButtonsStyle() const {
  using enum TcxEditButtonStyle;
  const TcxEditButtonStyle own = m_style->GetButtonStyle();
  if (own != btsDefault)
    return own;
  const TcxEditBorderStyle border = EditBorderStyleOf(m_style->GetBorderStyle());
  if (m_isInplace || (border == ebsNone && !m_style->GetHotTrack())) {
    switch (m_style->GetLookAndFeel()->Kind()) {
    case TcxLookAndFeelKind::lfFlat:
      return btsFlat;
    case TcxLookAndFeelKind::lfStandard:
      return bts3D;
    case TcxLookAndFeelKind::lfOffice11:
      return btsOffice11;
    default:
      return btsUltraFlat;
    }
  }
  switch (border) {
  case ebsNone:
    return btsSimple;
  case ebsSingle:
    return btsHotFlat;
  case ebsFlat:
    return btsFlat;
  case ebsUltraFlat:
    return btsUltraFlat;
  case ebsOffice11:
    return btsOffice11;
  default:
    return bts3D;
  }
}

TcxEditPopupBorderStyle TcxCustomEditViewData::GetPopupBorderStyle() const {
  using enum TcxEditPopupBorderStyle;
  const TcxEditPopupBorderStyle own = m_style->GetPopupBorderStyle();
  if (own != epbsDefault)
    return own;
  if (m_isInplace) {
    switch (m_style->GetLookAndFeel()->Kind()) {
    case TcxLookAndFeelKind::lfFlat:
      return epbsFlat;
    case TcxLookAndFeelKind::lfStandard:
      return epbsFrame3D;
    default:
      return epbsSingle;
    }
  }
  const TcxEditBorderStyle border = EditBorderStyleOf(m_style->GetBorderStyle());
  return border == ebsNone || border == ebsFlat ? epbsFlat : epbsSingle;
}

bool TcxCustomEditViewData::IsActiveOrHot() const { return m_activeOrHot; }

TcxEditButtonTransparency TcxCustomEditViewData::Transparency() const {
  return m_style->GetButtonTransparency();
}

int TcxCustomEditViewData::CalculateButtonWidth(TcxEditButtonViewInfo& AButton) {
  return CalculateEditDefaultButtonWidth(m_canvas, &AButton);
}

void TcxCustomEditViewData::CalculateButtonNativeInfo(TcxEditButtonViewInfo& AButton) {
  CalculateEditButtonState(&AButton);
}

void TcxCustomEditViewData::Calculate(TcxCanvas* ACanvas, const TRect& ABounds,
                                      const TcxEditButtonsMouse& AMouse,
                                      TcxCustomEditViewInfo* AViewInfo) {
  TcxEditButtonsMouse mouse = AMouse;
  mouse.Shift -=
      TShiftState{TShiftStateItem::ssShift, TShiftStateItem::ssAlt, TShiftStateItem::ssCtrl};
  m_canvas = ACanvas;
  AViewInfo->ContainerState = GetContainerState(ABounds, mouse);
  m_activeOrHot = ContainerState.Contains(csActive) || ContainerState.Contains(csHotTrack);
  AViewInfo->HotTrackState =
      IsDesigning || !m_style->GetHotTrack() || m_isInplace ? 0 : (m_activeOrHot ? 2 : 1);
  const TcxEditBorderStyle border =
      !m_isInplace && NativeStyle ? EditBorderStyleOf(m_style->GetBaseStyle()->GetBorderStyle())
                                  : GetBorderStyle();
  AViewInfo->BorderStyle = ContainerBorderStyleOf(border);
  ContainerState = AViewInfo->ContainerState;
  const TcxEditButtonsViewStyle buttonsView = m_properties->ButtonsViewStyle();
  ButtonsOnly = m_isInplace ? ABounds.Right != std::numeric_limits<int>::max() &&
                                  buttonsView != TcxEditButtonsViewStyle::bvsNormal
                            : buttonsView == TcxEditButtonsViewStyle::bvsButtonsOnly;

  AViewInfo->Painter = m_style->GetLookAndFeel()->SkinPainter();
  AViewInfo->Bounds = ABounds;
  AViewInfo->Enabled = Enabled;
  AViewInfo->Focused = Focused;
  AViewInfo->IsDesigning = IsDesigning;
  AViewInfo->IsInplace = m_isInplace;
  AViewInfo->IsSelected = IsSelected;
  AViewInfo->PaintOptions = GetPaintOptions();
  AViewInfo->OffsetPressedButtonContent =
      ContentParams.Options.Contains(TcxEditContentOption::ecoOffsetButtonContent);
  AViewInfo->Edges = m_style->GetEdges();
  AViewInfo->Font = m_style->GetVisibleFont();
  AViewInfo->Shadow = !m_isInplace && m_style->GetShadow() && !NativeStyle;

  AViewInfo->NativeStyle = NativeStyle;
  AViewInfo->NativeState = !NativeStyle                                     ? 0
                           : !Enabled                                       ? 4
                           : m_properties->ReadOnly()                       ? 6
                           : Focused                                        ? 5
                           : AViewInfo->ContainerState.Contains(csHotTrack) ? 2
                                                                            : 1;
  AViewInfo->BorderWidth = GetContainerBorderWidth(AViewInfo->BorderStyle);
  AViewInfo->BorderExtent = GetBorderExtent();
  AViewInfo->BorderRect = Deflate(ABounds, AViewInfo->BorderExtent);
  AViewInfo->ShadowRect = AViewInfo->BorderRect;
  AViewInfo->HasContentOffsets = ContentOffset != TRect{};
  if (!m_isInplace)
    AViewInfo->BorderColor = GetBorderColor();
  AViewInfo->TextColor = m_style->GetTextColor();
  AViewInfo->SetBackgroundColor(m_style->GetColor());

  CalculateButtonsViewInfo(ACanvas, ABounds, mouse, AViewInfo);

  AViewInfo->ClientRect = Deflate(ABounds, GetClientExtent(*AViewInfo));
  AViewInfo->InnerEditRect = AViewInfo->ClientRect;
  AViewInfo->PopupBorderStyle = GetPopupBorderStyle();
}

void TcxCustomEditViewData::CalculateButtonsViewInfo(TcxCanvas* ACanvas, const TRect& ABounds,
                                                     const TcxEditButtonsMouse& AMouse,
                                                     TcxCustomEditViewInfo* AViewInfo) {
  using enum TcxEditButtonTransparency;
  const bool active = AViewInfo->ContainerState.Contains(csActive);
  const bool hot = AViewInfo->ContainerState.Contains(csHotTrack);
  if (VisibleButtonCount == 0 || (!active && (Transparency() == ebtHideInactive ||
                                              (!hot && Transparency() == ebtHideUnselected)))) {
    AViewInfo->SetButtonCount(0);
    return;
  }
  AViewInfo->SetButtonCount(VisibleButtonCount);
  TcxEditButtons* items = m_properties->Buttons();
  std::vector<TcxEditButtonViewInfo*> buttons;
  int v = VisibleButtonCount - 1;
  bool fontPrepared = false;
  for (int i = items->Count() - 1; i >= 0 && v >= 0; --i) {
    if (!items->Items(i)->Visible())
      continue;
    if (!fontPrepared && items->Items(i)->Kind() == TcxEditButtonKind::bkText && ACanvas) {
      ACanvas->SetFont(m_style->GetVisibleFont());
      fontPrepared = true;
    }
    CalculateButtonViewInfo(AViewInfo, v, i);
    --v;
  }
  for (int i = 0; i < VisibleButtonCount; ++i)
    buttons.push_back(AViewInfo->Buttons(i));
  TcxEditButtonsLayout layout(*this, std::move(buttons), items);
  layout.CalculateBounds(Deflate(ABounds, GetButtonsExtent()), ButtonsOnly);
  layout.CalculateStates(AMouse, Enabled, IsDesigning);
  layout.CalculateEdges();
  AViewInfo->PressedButton = layout.PressedIndex();
  AViewInfo->SelectedButton = layout.SelectedIndex();
  AViewInfo->IsButtonTracking = layout.Tracking();
}

void TcxCustomEditViewData::CalculateButtonViewInfo(TcxCustomEditViewInfo* AViewInfo,
                                                    int AVisibleIndex, int AButtonIndex) {
  using enum TcxEditButtonTransparency;
  const TcxEditButton& item = *m_properties->Buttons()->Items(AButtonIndex);
  TcxEditButtonViewInfo& button = *AViewInfo->Buttons(AVisibleIndex);
  button.ButtonIndex = AButtonIndex;
  button.Style = GetButtonsStyle();
  button.Kind = item.Kind();
  if (button.Kind == TcxEditButtonKind::bkText) {
    button.Caption = item.Caption();
    button.TextColor = item.TextColor();
    button.VisibleCaption = item.VisibleCaption();
  }
  button.ContentAlignment = item.ContentAlignment();
  button.Default = item.Default();
  button.Glyph = item.Glyph();
  button.LeftAlignment = item.LeftAlignment();
  button.Stretchable = item.Stretchable();
  button.HasBackground = AViewInfo->HasBackground;
  button.BackgroundColor = AViewInfo->BackgroundColor();
  button.Native = AViewInfo->NativeStyle;
  button.Gradient = m_style->GetGradientButtons();
  button.InPlace = m_isInplace;
  button.ComboStyle = VisibleButtonCount == 1 && button.Kind == TcxEditButtonKind::bkDown;
  button.LeftEdge = button.RightEdge = false;
  button.Width = item.Width();
  button.Transparent =
      Transparency() == ebtAlways || (Transparency() == ebtInactive && !IsActiveOrHot());
}

// ---- Sizes

TSize TcxCustomEditViewData::GetEditConstantPartSize(TcxCanvas* ACanvas,
                                                     const TcxEditSizeProperties&,
                                                     TSize& MinContentSize,
                                                     TcxCustomEditViewInfo* AViewInfo) {
  TOwned<TcxCustomEditViewInfo> own;
  if (!AViewInfo) {
    own.reset(m_properties->ClassType()->GetViewInfoClass().Create());
    AViewInfo = own.get();
    const int maxInt = std::numeric_limits<int>::max();
    Calculate(ACanvas, Rect(0, 0, maxInt, maxInt), TcxEditButtonsMouse{}, AViewInfo);
  }
  MinContentSize = TSize{0, 0};
  return TSize{cxRectWidth(AViewInfo->Bounds) - cxRectWidth(AViewInfo->ClientRect),
               cxRectHeight(AViewInfo->Bounds) - cxRectHeight(AViewInfo->ClientRect)};
}

TSize TcxCustomEditViewData::GetEditContentSize(TcxCanvas* ACanvas, const Variant& AEditValue,
                                                const TcxEditSizeProperties& AEditSizeProperties) {
  if (m_properties->ButtonsViewStyle() == TcxEditButtonsViewStyle::bvsNormal)
    return InternalGetEditContentSize(ACanvas, AEditValue, AEditSizeProperties);
  ACanvas->Font()->Assign(m_style->GetVisibleFont());
  return TSize{0, ACanvas->TextHeight("Zg") + GetEditContentSizeCorrection().cy};
}

TSize TcxCustomEditViewData::GetEditSize(TcxCanvas* ACanvas, const Variant& AEditValue,
                                         const TcxEditSizeProperties& AEditSizeProperties,
                                         TcxCustomEditViewInfo* AViewInfo) {
  TSize minContent{};
  const TSize constant =
      GetEditConstantPartSize(ACanvas, AEditSizeProperties, minContent, AViewInfo);
  TcxEditSizeProperties contentProperties = AEditSizeProperties;
  const bool narrower = AEditSizeProperties.Width >= 0 && AEditSizeProperties.Width < constant.cx;
  if (AEditSizeProperties.Width >= 0)
    contentProperties.Width = std::max(0, AEditSizeProperties.Width - constant.cx);
  TSize content = GetEditContentSize(ACanvas, AEditValue, contentProperties);
  content.cx = std::max(content.cx, minContent.cx);
  content.cy = std::max(content.cy, minContent.cy);
  TSize result{constant.cx + content.cx, constant.cy + content.cy};
  if (narrower)
    result.cx = AEditSizeProperties.Width;
  return result;
}
