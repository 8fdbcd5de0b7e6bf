// The base of the library's drop-down windows: a borderless, stay-on-top
// form that sizes itself around its children, draws a thin frame, opens
// next to an owner rectangle on the side and with the alignment asked for,
// flips to the other side when that one has more room, and keeps inside the
// work area of the monitor it opens on. It closes when it or the
// application loses activation.
//
// Classes in this file: TcxPopupWindow.
#pragma once

#include <functional>

#include "framework/cxGraphicsCanvas.h"
#include "framework/cxLookAndFeelPainters.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/controls/Forms.h"

enum class TcxPopupAlignHorz { pahLeft, pahCenter, pahRight };
enum class TcxPopupAlignVert { pavTop, pavCenter, pavBottom };
// pdHorizontal opens left or right of the owner, pdVertical above or below.
enum class TcxPopupDirection { pdHorizontal, pdVertical };

// The work area that holds a screen point.
using TcxWorkAreaFunc = std::function<TRect(const TPoint&)>;

// Where a popup of 'size' opening against the screen rectangle 'owner'
// puts its top-left corner: placed by the direction and alignments, flipped
// along the direction when the preferred side overflows the work area and
// the other side has more room, then pushed back inside the work area
// across the direction (and along it for centred alignments). The work
// area is the one holding the owner's edge at which the popup opens.
TPoint cxCalculatePopupPosition(const TRect& owner, const TSize& size, TcxPopupAlignHorz alignHorz,
                                TcxPopupAlignVert alignVert, TcxPopupDirection direction,
                                const TcxWorkAreaFunc& workAreaOf);

class TcxPopupWindow : public TForm {
  OBJECT_CLASS(TcxPopupWindow, TForm)
public:
  explicit TcxPopupWindow(TComponent* owner);
  ~TcxPopupWindow() override;

  bool Adjustable() const { return m_adjustable; }
  void SetAdjustable(bool value) { m_adjustable = value; }
  TcxPopupAlignHorz AlignHorz() const { return m_alignHorz; }
  void SetAlignHorz(TcxPopupAlignHorz value) { m_alignHorz = value; }
  TcxPopupAlignVert AlignVert() const { return m_alignVert; }
  void SetAlignVert(TcxPopupAlignVert value) { m_alignVert = value; }
  int BorderSpace() const { return m_borderSpace; }
  void SetBorderSpace(int value);
  TcxPopupBorderStyle BorderStyle() const { return m_borderStyle; }
  void SetBorderStyle(TcxPopupBorderStyle value);
  TcxCanvas* Canvas() const { return m_cxCanvas.get(); }
  TcxPopupDirection Direction() const { return m_direction; }
  void SetDirection(TcxPopupDirection value) { m_direction = value; }
  TColor FrameColor() const { return m_frameColor; }
  void SetFrameColor(TColor value) { m_frameColor = value; }
  // In OwnerParent's client coordinates (screen coordinates without one).
  const TRect& OwnerBounds() const { return m_ownerBounds; }
  void SetOwnerBounds(const TRect& value) { m_ownerBounds = value; }
  TControl* OwnerParent() const { return m_ownerParent; }
  void SetOwnerParent(TControl* value);
  // The window that was active when the popup was activated.
  HWND PrevActiveWindow() const { return m_prevActiveWindow; }

  virtual TPoint CalculatePosition();
  virtual void CalculateSize();
  virtual int GetBorderWidth(TcxBorder side);
  virtual TRect GetClientBounds();
  virtual int GetFrameWidth(TcxBorder side);
  virtual TRect GetOwnerScreenBounds();
  virtual void CloseUp();
  virtual void Popup();

  int GetNCWidth();
  int GetNCHeight();

  void Dispatch(TMessage& message) override;

protected:
  virtual void InitPopup();
  virtual void DrawFrame();
  virtual void Paint();
  virtual void VisibleChanged() {}
  // Moves every child back by the left and top border widths CalculateSize
  // moved it by.
  void RestoreControlsBounds();
  void Deactivate() override;
  void PaintWindow(HDC dc) override;
  void Notification(TComponent* component, TOperation operation) override;

private:
  void WMActivate(TWMActivate message);
  void WMActivateApp(TWMActivateApp message);

  bool m_adjustable = true;
  TcxPopupAlignHorz m_alignHorz = TcxPopupAlignHorz::pahLeft;
  TcxPopupAlignVert m_alignVert = TcxPopupAlignVert::pavBottom;
  int m_borderSpace = 0;
  TcxPopupBorderStyle m_borderStyle = TcxPopupBorderStyle::pbsNone;
  TcxPopupDirection m_direction = TcxPopupDirection::pdVertical;
  TColor m_frameColor = clWindowText;
  TRect m_ownerBounds{};
  TControl* m_ownerParent = nullptr;
  HWND m_prevActiveWindow = nullptr;
  // Whether CalculateSize moved the children inside the borders.
  bool m_controlsShifted = false;
  TOwned<TControlCanvas> m_canvas;
  TOwned<TcxCanvas> m_cxCanvas;
};
