// How an editor's view data lays out its buttons inside the editor: their
// rectangles side by side from the outside in, the stretching of a
// buttons-only editor, each button's state from the mouse and the state of
// the previous calculation, and the edge flags of the outermost and innermost
// button of each side.
//
// The layout reaches the view data only through IcxEditButtonsLayoutOwner,
// which the view data implements.
//
// Classes in this file: IcxEditButtonsLayoutOwner, TcxEditButtonsMouse,
// TcxEditButtonsLayout.
#pragma once

#include <vector>

#include "editors/cxEditViewInfo.h"
#include "platform/controls/ControlTypes.h"
#include "platform/rtl/Variants.h"

class IcxEditButtonsLayoutOwner {
public:
  // The width a button takes, from its own width and kind.
  virtual int CalculateButtonWidth(TcxEditButtonViewInfo& AButton) = 0;
  virtual bool IsButtonPressed(int AVisibleIndex) = 0;
  virtual bool CanPressButton() = 0;
  // The host's last word on a button's state.
  virtual void DoGetButtonState(int AVisibleIndex, TcxEditButtonState& AState) = 0;
  virtual void CalculateButtonNativeInfo(TcxEditButtonViewInfo& AButton) = 0;

protected:
  ~IcxEditButtonsLayoutOwner() = default;
};

// The mouse as one calculation sees it.
struct TcxEditButtonsMouse {
  TPoint Point{-1, -1};
  // The calculation answers a mouse button's press (any button, or the left one).
  bool ButtonEvent = false;
  bool LeftButtonEvent = false;
  // Without Shift, Alt and Ctrl.
  TShiftState Shift;
  // The visible index of the button that holds the mouse capture, -1 none.
  int CaptureButtonIndex = -1;
  // The button pressed by the previous calculation when this one answers a
  // mouse event, else -1.
  int PreviousPressedIndex = -1;
};

class TcxEditButtonsLayout {
public:
  // Buttons[v] is the view info of visible index v; the collection gives
  // each one's own settings through its ButtonIndex.
  TcxEditButtonsLayout(IcxEditButtonsLayoutOwner& AOwner,
                       std::vector<TcxEditButtonViewInfo*> AButtons, TcxEditButtons* AItems);

  // Places the buttons in R, the editor less its buttons extent: the last
  // visible button outermost. Buttons-only editors then share the room left
  // among their stretchable buttons (all of them when none is).
  void CalculateBounds(const TRect& R, bool AButtonsOnly);
  void CalculateStates(const TcxEditButtonsMouse& AMouse, bool AEnabled, bool ADesigning);
  // Also clears every button's left alignment in a buttons-only editor.
  void CalculateEdges();

  int LeftOutermost() const { return m_leftOutermost; }
  int LeftInnermost() const { return m_leftInnermost; }
  int RightInnermost() const { return m_rightInnermost; }
  int RightOutermost() const { return m_rightOutermost; }
  int PressedIndex() const { return m_pressed; }
  int SelectedIndex() const { return m_selected; }
  bool Tracking() const { return m_tracking; }

private:
  void PlaceButton(TRect& R, int v);
  void Stretch(int ARoom, int AUsedWidth);
  void Grow(int v, int AShare);
  TcxEditButtonState ButtonState(int v, const TcxEditButtonsMouse& AMouse, bool AEnabled,
                                 bool ADesigning);
  bool ItemEnabled(int v) const;

  IcxEditButtonsLayoutOwner& m_owner;
  std::vector<TcxEditButtonViewInfo*> m_buttons;
  TcxEditButtons* m_items;
  bool m_buttonsOnly = false;
  int m_leftOutermost = -1;
  int m_leftInnermost = -1;
  int m_rightInnermost = -1;
  int m_rightOutermost = -1;
  int m_pressed = -1;
  int m_selected = -1;
  bool m_tracking = false;
};

// Options of an editor's content.
enum class TcxEditContentOption { ecoShowFocusRectWhenInplace, ecoOffsetButtonContent };
using TcxEditContentOptions = Set<TcxEditContentOption>;

struct TcxEditContentParams {
  TRect ExternalBorderBounds{};
  TRect Offsets{};
  TcxEditContentOptions Options;
  TSize SizeCorrection{};
};

class TcxCustomEditStyle;
class TcxCustomEditProperties;

// Works out an editor's appearance from its properties and style into a
// view info: state, border, colours, client rectangle and buttons. Serves an
// editor, or a cell that has no editor of its own.
class TcxCustomEditViewData;
using TcxCustomEditViewDataMeta = TClassOf<TcxCustomEditViewData, TPersistent::TMeta,
                                           TcxCustomEditProperties*, TcxCustomEditStyle*, bool>;
using TcxCustomEditViewDataClass = TClassRef<TcxCustomEditViewData>;
using TcxCustomEditViewInfoClass = TClassRef<TcxCustomEditViewInfo>;

class TcxCustomEditViewData : public TPersistent, public IcxEditButtonsLayoutOwner {
  OBJECT_CLASS_META(TcxCustomEditViewData, TPersistent, TcxCustomEditViewDataMeta)
public:
  TcxCustomEditViewData(TcxCustomEditProperties* AProperties, TcxCustomEditStyle* AStyle,
                        bool AIsInplace);

  // The size an editor needs to show AEditValue: its constant part (border
  // and buttons, from AViewInfo or a view info calculated for the purpose)
  // plus its content, measured for the given width less the constant part.
  TSize GetEditSize(TcxCanvas* ACanvas, const Variant& AEditValue,
                    const TcxEditSizeProperties& AEditSizeProperties,
                    TcxCustomEditViewInfo* AViewInfo = nullptr);
  // Border and buttons: the view info's bounds less its client rectangle.
  TSize GetEditConstantPartSize(TcxCanvas* ACanvas,
                                const TcxEditSizeProperties& AEditSizeProperties,
                                TSize& MinContentSize, TcxCustomEditViewInfo* AViewInfo = nullptr);
  TSize GetEditContentSize(TcxCanvas* ACanvas, const Variant& AEditValue,
                           const TcxEditSizeProperties& AEditSizeProperties);
  // The editor the view data calculates for; nil for a cell without one.
  TObject* Edit = nullptr;
  // The editor's window, when it has one.
  HWND WindowHandle = nullptr;

  // ABounds and AMouse.Point are in the view info's own coordinates.
  virtual void Calculate(TcxCanvas* ACanvas, const TRect& ABounds,
                         const TcxEditButtonsMouse& AMouse, TcxCustomEditViewInfo* AViewInfo);

  virtual TcxEditBorderStyle GetBorderStyle() const;
  virtual TColor GetBorderColor() const;
  virtual TRect GetBorderExtent() const;
  virtual TRect GetButtonsExtent() const;
  virtual TRect GetClientExtent(const TcxCustomEditViewInfo& AViewInfo) const;
  TcxEditButtonStyle GetButtonsStyle() const;
  TcxContainerState GetContainerState(const TRect& ABounds,
                                      const TcxEditButtonsMouse& AMouse) const;
  TSize GetEditContentSizeCorrection() const;
  // The stored paint options, plus the external border and the in-place
  // focus rectangle the content parameters ask for.
  TcxEditPaintOptions GetPaintOptions() const;
  TcxEditPopupBorderStyle GetPopupBorderStyle() const;

  // IcxEditButtonsLayoutOwner.
  int CalculateButtonWidth(TcxEditButtonViewInfo& AButton) override;
  bool IsButtonPressed(int) override { return false; }
  bool CanPressButton() override { return true; }
  void DoGetButtonState(int, TcxEditButtonState&) override {}
  void CalculateButtonNativeInfo(TcxEditButtonViewInfo& AButton) override;

  bool Enabled = true;
  bool Focused = false;
  bool IsDesigning = false;
  bool IsSelected = false;
  // Set by an in-place host: the room around the content.
  TRect ContentOffset{};
  TcxEditContentParams ContentParams;
  // Set by a host: how it wants the editor painted.
  TcxEditPaintOptions PaintOptions;
  TcxContainerState ContainerState{TcxContainerStateItem::csNormal};
  bool NativeStyle = false;
  bool ButtonsOnly = false;
  int VisibleButtonCount = 0;

protected:
  // The content's own size; the base has none.
  virtual TSize InternalGetEditContentSize(TcxCanvas*, const Variant&,
                                           const TcxEditSizeProperties&) {
    return TSize{0, 0};
  }
  virtual void CalculateButtonsViewInfo(TcxCanvas* ACanvas, const TRect& ABounds,
                                        const TcxEditButtonsMouse& AMouse,
                                        TcxCustomEditViewInfo* AViewInfo);
  virtual void CalculateButtonViewInfo(TcxCustomEditViewInfo* AViewInfo, int AVisibleIndex,
                                       int AButtonIndex);

private:
  void InitEditContentParams();
  bool IsActiveOrHot() const;
  TcxEditButtonTransparency Transparency() const;

  TcxCustomEditProperties* m_properties;
  TcxCustomEditStyle* m_style;
  bool m_isInplace;
  TcxCanvas* m_canvas = nullptr;
  bool m_activeOrHot = false;
};
