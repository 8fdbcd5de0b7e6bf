// What a container keeps for painting: its state, rectangles, border,
// shadow and colours, and the painting of its frame, shadow and background
// in every border style, plain or with the platform's visual styles.
//
// The container fills the view info on every refresh; the steps of that
// computation that need nothing of the container itself (which state and
// style apply, which border is drawn in which colour, how much room the
// border takes, what part of the control shows) are the free functions
// below, so that the container, its descendants and the popup windows
// share one definition.
//
// Classes in this file: TcxContainerViewInfo.
#pragma once

#include "framework/cxContainerStyles.h"
#include "framework/cxGraphics.h"
#include "framework/cxLookAndFeelPainters.h"
#include "framework/dxThemeManager.h"

enum class TcxContainerHotState { chsNoHotTrack, chsNormal, chsSelected };

// The transparent margin around a container's frame.
inline const TRect cxContainerDefaultBorderExtent{2, 2, 2, 2};
inline constexpr TColor cxContainerShadowColor = clBtnShadow;
inline constexpr int cxContainerShadowWidth = 3;

class TcxContainerViewInfo;
using TcxContainerViewInfoMeta = TClassOf<TcxContainerViewInfo, TObject::TMeta>;
using TcxContainerViewInfoClass = TClassRef<TcxContainerViewInfo>;

class TcxContainerViewInfo : public TObject {
  OBJECT_CLASS_META(TcxContainerViewInfo, TObject, TcxContainerViewInfoMeta)
public:
  TcxContainerViewInfo() = default;

  // Copies the client rectangle of another view info.
  virtual void Assign(TObject* Source);
  // The region that changes between this view info and 'AViewInfo'; the
  // caller owns it. The base answers an empty one.
  virtual TcxRegion* GetUpdateRegion(TcxContainerViewInfo* AViewInfo);
  // Moves the border rectangle, the bounds and the client rectangle.
  virtual void Offset(int DX, int DY);
  virtual void Paint(TcxCanvas* ACanvas);
  // Draws the frame on 'R', the border rectangle grown by the border width.
  virtual void DrawBorder(TcxCanvas* ACanvas, TRect R);
  virtual TcxContainerBorderStyle GetContainerBorderStyle() const { return BorderStyle; }

  TColor BackgroundColor() const { return m_backgroundColor; }
  virtual void SetBackgroundColor(TColor Value) { m_backgroundColor = Value; }

  TColor BorderColor = clNone;
  // The bounds less the border extent: the inside of the frame.
  TRect BorderRect{};
  TcxContainerBorderStyle BorderStyle = TcxContainerBorderStyle::cbsNone;
  int BorderWidth = 0;
  // (0, 0, Width, Height) of the container.
  TRect Bounds{};
  // Where the inner control goes.
  TRect ClientRect{};
  TcxContainerState ContainerState{TcxContainerStateItem::csNormal};
  TcxBorders Edges;
  TcxContainerHotState HotState = TcxContainerHotState::chsNoHotTrack;
  int NativePart = 0;
  int NativeState = 0;
  bool NativeStyle = false;
  // The look-and-feel's skin painter; none for the built-in kinds.
  TcxCustomLookAndFeelPainterClass Painter;
  bool Shadow = false;
  TdxThemedObjectType ThemedObjectType = TdxThemedObjectType::totButton;

protected:
  virtual void InternalPaint(TcxCanvas* ACanvas);

private:
  void PaintNative(TcxCanvas* ACanvas);
  void PaintPlain(TcxCanvas* ACanvas);

  TColor m_backgroundColor = clNone;
};

// ---- the border
int GetContainerBorderWidth(TcxContainerBorderStyle ABorderStyle);
int GetContainerBorderWidth(TcxLookAndFeelKind ALookAndFeelKind);
// Moves each side in 'ABorders' outward by 'AWidth'.
void ExtendRectByBorders(TRect& R, int AWidth, TcxBorders ABorders);
// Moves each side not in 'ABorders' inward by 'AWidth'.
void InflateRectByBorders(TRect& R, int AWidth, TcxBorders ABorders);
// The 3-pixel shadow right of and below 'R', taken out of the clipping.
void DrawContainerShadow(TcxCanvas* ACanvas, const TRect& R);
// Whether the native look is asked for and the type's visual style opens.
bool AreVisualStylesMustBeUsed(bool ANativeStyle, TdxThemedObjectType AThemedObjectType);
// (0, 0, Width, Height).
TRect GetControlRect(TControl* AControl);

// ---- window regions and invalidation
// The frame's rectangle, with the shadow's L-shaped band when 'AShadow',
// less 'AExcludeRect', as the window's region; none with 'ANoRegion'. The
// region is set only when it differs from the window's current one.
void SetWindowShadowRegion(HWND AWindowHandle, const TRect& ABounds, bool ANoRegion, bool AShadow,
                           const TRect& AExcludeRect);
// The same region (none with 'ANoRegion'); the caller owns it.
HRGN cxCreateShadowRegion(const TRect& ABounds, bool ANoRegion, bool AShadow,
                          const TRect& AExcludeRect);
// Invalidates the four bands between 'AOuterRect' and 'AInnerRect', or the
// whole outer rectangle when the inner one is empty.
void InternalInvalidate(HWND AHandle, const TRect& AOuterRect, const TRect& AInnerRect,
                        bool AEraseBackground);

// ---- steps of a container's view-info computation
// Disabled wins over focused, focused over hot; the hot style only with
// hot tracking.
TcxContainerStyle* cxContainerActiveStyle(TcxContainerStyles* AStyles, TcxContainerState AState);
// Disabled, else normal while designing, else focused or normal, plus hot
// when the mouse is inside and tracked.
TcxContainerState cxContainerStateOf(bool AEnabled, bool ADesigning, bool AFocused,
                                     bool AMouseInside);
TcxContainerHotState cxContainerHotStateOf(TcxContainerState AState,
                                           TcxContainerStyle* AActiveStyle);
// The border drawn: the normal style's when native; ultra-flat and Office
// 2003 are drawn single, in their colours.
TcxContainerBorderStyle cxContainerDrawnBorderStyle(bool ANativeStyle,
                                                    TcxContainerStyle* ANormalStyle,
                                                    TcxContainerStyle* AActiveStyle);
// 'ADesigningEnabled': the container is being designed and is enabled.
TColor cxContainerBorderColor(TcxContainerState AState, TcxContainerStyle* AActiveStyle,
                              TcxCustomLookAndFeelPainterClass ASkinPainter,
                              bool ADesigningEnabled);
// The active style's colour, or the visual style's fill colour of a
// disabled native container.
TColor cxContainerBackgroundColor(const TcxContainerViewInfo& AViewInfo, bool AEnabled,
                                  TcxContainerStyle* AActiveStyle);
// The visual-style state of an edit-like background: 4 disabled, 5 focused,
// 2 hot, 1 normal.
int cxContainerBackgroundNativeState(bool AEnabled, bool AFocused, TcxContainerState AState);
// The room between the bounds and the border rectangle.
TRect cxContainerBorderExtent(const TcxContainerViewInfo& AViewInfo,
                              TcxContainerStyle* ANormalStyle, TcxContainerStyle* AActiveStyle,
                              bool AHasShadow);
// The part of a Width x Height control that shows: less the shadow and the
// transparent margin; (left, 0, right, 0) when nothing is left.
TRect cxContainerVisibleBounds(const TcxContainerViewInfo& AViewInfo, int AWidth, int AHeight,
                               bool AInplace, TcxContainerStyle* ANormalStyle);
// The frame as seen, without the transparent margin.
TRect cxContainerShadowBounds(const TRect& ABounds, const TRect& ABorderExtent,
                              TcxContainerBorderStyle ABorderStyle, TcxBorders AEdges);
