// The painted state of an editor's buttons: what the view data worked out
// for each visible button, kept until the next calculation so that the next
// one can read the button's previous state, and the comparison that decides
// what must be repainted.
//
// Classes in this file: TcxEditButtonViewInfo, TcxCustomEditViewInfo.
#pragma once

#include <string>
#include <vector>

#include "editors/cxEditButtons.h"
#include "editors/cxEditTypes.h"
#include "framework/cxContainerViewInfo.h"
#include "framework/cxGraphicsRegions.h"
#include "framework/cxLookAndFeelPainters.h"
#include "platform/controls/WinControls.h"
#include "platform/graphics/Colors.h"

class TcxEditButtonViewInfo : public TPersistent {
  OBJECT_CLASS(TcxEditButtonViewInfo, TPersistent)
public:
  // From another button view info: the native state, background colour,
  // rectangle, style and state; anything else as a persistent.
  void Assign(TPersistent* Source) override;
  // The caller's region: empty when nothing drawn differs from Other, else
  // the button's rectangle.
  virtual TOwned<TcxRegion> GetUpdateRegion(TcxEditButtonViewInfo* Other);
  // Style, state, background colour or native state differ.
  bool IsPaintChanged(const TcxEditButtonViewInfo& Other) const;
  // Invalidates the button's rectangle, moved by AOrigin, on the control's
  // window when its drawing differs from Other's; answers whether it did.
  virtual bool Repaint(TWinControl* AControl, TcxEditButtonViewInfo* Other, const TPoint& AOrigin);

  TRect Bounds;
  TColor BackgroundColor = clDefault;
  std::string Caption;
  TAlignment ContentAlignment = TAlignment::taCenter;
  bool Default = false;
  bool Gradient = false;
  bool InPlace = false;
  TcxEditButtonKind Kind = TcxEditButtonKind::bkDown;
  bool LeftAlignment = false;
  bool LeftEdge = false;
  bool Native = false;
  bool RightEdge = false;
  TcxEditButtonState State = TcxEditButtonState::ebsNormal;
  TcxEditButtonStyle Style = TcxEditButtonStyle::btsDefault;
  TColor TextColor = clBtnText;
  bool Transparent = false;
  std::string VisibleCaption;
  bool BackgroundPartiallyTransparent = false;
  bool ComboStyle = false;
  int NativePart = 0;
  int NativeState = 0;
  TBitmap* Glyph = nullptr;
  bool HasBackground = false;
  int ButtonIndex = -1;
  bool Stretchable = false;
  // The part of the button rectangle inside the editor.
  TRect VisibleBounds;
  // The button's width, or the default-width answer when it has none.
  int Width = 0;
};

enum class TcxEditViewInfoState { evsPaintButtons };
using TcxEditViewInfoStates = Set<TcxEditViewInfoState>;

// An editor's painted state: the container's, plus its buttons with their
// rectangles and states, its colours and flags, and the drawing of the
// buttons in each button style.
class TcxCustomEditViewInfo : public TcxContainerViewInfo {
  OBJECT_CLASS(TcxCustomEditViewInfo, TcxContainerViewInfo)
public:
  TcxCustomEditViewInfo() = default;

  int ButtonCount() const { return static_cast<int>(m_buttons.size()); }
  TcxEditButtonViewInfo* Buttons(int Index) const { return m_buttons[Index].get(); }
  // Frees the surplus button view infos from the end and makes the missing
  // ones; the others keep their state from the previous calculation.
  void SetButtonCount(int Value);

  // From another editor view info: the background and border colours, the
  // container and native states, the buttons and the pressed and selected
  // indexes, then the container's part.
  void Assign(TObject* Source) override;
  // Against another editor view info with the same border, buttons and
  // native state: the buttons whose drawing changed; otherwise the bounds.
  TcxRegion* GetUpdateRegion(TcxContainerViewInfo* AViewInfo) override;
  void Offset(int DX, int DY) override;

  // Invalidates what differs from AOther on the control's window (all of
  // the editor but AKeepRect without AOther); answers whether anything
  // differed. Nothing without a window.
  virtual bool Repaint(TWinControl* AControl, const TRect& AKeepRect,
                       TcxCustomEditViewInfo* AOther = nullptr);
  virtual bool IsRepaintOnStateChangingNeeded() const { return true; }

  // Some button is selected (the first one's visible index in AIndex).
  bool IsHotTrack(int& AIndex) const;
  // The point, in the editor's coordinates, lies on a button.
  bool IsHotTrack(const TPoint& P) const;
  // The visible index of the first button whose rectangle holds the point; -1 none.
  int ButtonVisibleIndexAt(const TPoint& P) const;
  // The visible index of the first default button; -1 none.
  int GetDefaultButtonVisibleIndex() const;

  // Each button in order; not re-entered while drawing the buttons.
  void DrawButtons(TcxCanvas* ACanvas);
  void DrawButton(TcxCanvas* ACanvas, int AButtonVisibleIndex);

  TRect BorderExtent{};
  bool Enabled = true;
  bool Focused = false;
  TFont* Font = nullptr;
  bool HasBackground = false;
  bool HasContentOffsets = false;
  bool HasInnerEdit = false;
  // 0 none, 1 normal, 2 active or hot.
  int HotTrackState = 0;
  TRect InnerEditRect{};
  bool IsButtonTracking = false;
  bool IsDesigning = false;
  bool IsInplace = false;
  bool IsSelected = false;
  // Where the editor sits on its parent.
  int Left = 0;
  int Top = 0;
  // The view data's paint options (epoHasExternalBorder: a host's border
  // surrounds in-place content).
  TcxEditPaintOptions PaintOptions;
  // Buttons move their content by a pixel while pressed.
  bool OffsetPressedButtonContent = true;
  TcxEditPopupBorderStyle PopupBorderStyle = TcxEditPopupBorderStyle::epbsDefault;
  int PressedButton = -1;
  int SelectedButton = -1;
  TRect ShadowRect{};
  TColor TextColor = clWindowText;
  bool Transparent = false;
  TcxEditViewInfoStates States;

protected:
  void InternalPaint(TcxCanvas* ACanvas) override;
  virtual void DrawEditButton(TcxCanvas* ACanvas, int AButtonVisibleIndex);
  // Draws the button's frame; answers the rectangle its background fills,
  // the rectangle its content takes, and the pen and brush colours.
  virtual void DrawButtonBorder(TcxCanvas* ACanvas, int AButtonVisibleIndex, TRect& ABackgroundRect,
                                TRect& AContentRect, TColor& APenColor, TColor& ABrushColor);
  virtual void DrawButtonBackground(TcxCanvas* ACanvas, int AButtonVisibleIndex, const TRect& R,
                                    TColor ABrushColor);
  virtual void DrawButtonContent(TcxCanvas* ACanvas, int AButtonVisibleIndex,
                                 const TRect& AContentRect, TColor APenColor, bool AIsOffsetNeeded);

private:
  void Draw3DButtonBorder(TcxCanvas* ACanvas, const TcxEditButtonViewInfo& AButton, TRect& R,
                          TColor ABrushColor);
  void DrawFlatButtonBorder(TcxCanvas* ACanvas, const TcxEditButtonViewInfo& AButton, TRect& R,
                            TColor ABrushColor);
  void DrawSimpleButtonBorder(TcxCanvas* ACanvas, const TcxEditButtonViewInfo& AButton, TRect& R,
                              TColor ABrushColor);
  void DrawHotFlatButtonBorder(TcxCanvas* ACanvas, const TcxEditButtonViewInfo& AButton, TRect& R,
                               TColor ABrushColor);
  void DrawUltraFlatButtonBorder(TcxCanvas* ACanvas, const TcxEditButtonViewInfo& AButton,
                                 TRect& ABackgroundRect, TRect& AContentRect);
  bool ShowsOwnBorder() const;

  std::vector<TOwned<TcxEditButtonViewInfo>> m_buttons;
};
