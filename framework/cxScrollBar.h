// A scroll bar drawn by the look-and-feel painters instead of the system:
// two arrow buttons, the thumb and the two page areas between them, painted
// into an off-screen bitmap that is then copied to the window. A held button
// or page area repeats on a timer (the first repeat after 400 ms, then every
// 60 ms, only while the mouse stays on it); the thumb follows the mouse and
// jumps back when the mouse strays too far from the bar.
//
// Classes in this file: TcxScrollBar.
#pragma once

#include "framework/cxControlsTimers.h"
#include "framework/cxGraphicsCanvas.h"
#include "framework/cxLookAndFeels.h"
#include "framework/dxThemeManager.h"
#include "platform/controls/WinControls.h"
#include "platform/graphics/Bitmaps.h"

// The width of a vertical and the height of a horizontal system scroll bar.
TPoint GetScrollBarSize();

class TcxScrollBar : public TCustomControl {
  OBJECT_CLASS(TcxScrollBar, TCustomControl)
public:
  static void Publish(TPublisher& p);

  explicit TcxScrollBar(TComponent* AOwner);
  ~TcxScrollBar() override;

  // The one way the values change: EInvalidOperation when AMax is below AMin
  // or the page is negative (nothing changes then); any two 32-bit bounds
  // make a range, and a page as large as the range or larger shows all of
  // it (the thumb fills the track). The position is clamped to the range,
  // and a changed position enables the bar and tells OnChange.
  void SetScrollParams(int AMin, int AMax, int APosition, int APageSize, bool ARedraw = true);
  void SetParams(int APosition, int AMin, int AMax);

  TScrollBarKind Kind() const { return m_kind; }
  // Swaps Width and Height (outside loading).
  void SetKind(TScrollBarKind Value);
  int Position() const { return m_position; }
  void SetPosition(int Value);
  int Min() const { return m_min; }
  void SetMin(int Value);
  int Max() const { return m_max; }
  void SetMax(int Value);
  int PageSize() const { return m_pageSize; }
  void SetPageSize(int Value);
  TScrollBarInc SmallChange() const { return m_smallChange; }
  void SetSmallChange(TScrollBarInc Value) { m_smallChange = Value; }
  TScrollBarInc LargeChange() const { return m_largeChange; }
  void SetLargeChange(TScrollBarInc Value) { m_largeChange = Value; }
  // Whether thumb tracking follows the mouse wherever it goes.
  bool UnlimitedTracking() const { return m_unlimitedTracking; }
  void SetUnlimitedTracking(bool Value) { m_unlimitedTracking = Value; }
  TcxLookAndFeel* LookAndFeel() const { return m_lookAndFeel.get(); }
  void SetLookAndFeel(TcxLookAndFeel* Value) { m_lookAndFeel->Assign(Value); }
  TcxCustomLookAndFeelPainterClass GetPainter() const;

  const TNotifyEvent& OnChange() const { return m_onChange; }
  void SetOnChange(const TNotifyEvent& Value) { m_onChange = Value; }
  const TScrollEvent& OnScroll() const { return m_onScroll; }
  void SetOnScroll(const TScrollEvent& Value) { m_onScroll = Value; }

  // The part at a point in client coordinates.
  TcxScrollBarPart GetScrollBarPart(const TPoint& P) const;
  // The layout: arrows, thumb (empty without one) and page areas.
  const TRect& FirstButtonRect() const { return m_firstButtonRect; }
  const TRect& SecondButtonRect() const { return m_secondButtonRect; }
  const TRect& ThumbnailRect() const { return m_thumbnailRect; }
  const TRect& PageUpRect() const { return m_pageUpRect; }
  const TRect& PageDownRect() const { return m_pageDownRect; }
  int ThumbnailMinSize() const { return m_thumbnailMinSize; }
  TcxScrollBarPart HotPart() const { return m_hotPart; }
  TcxScrollBarPart PressedPart() const { return m_pressedPart; }

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void Dispatch(TMessage& Message) override;

protected:
  void Paint() override;
  // Raises the change notice, then OnChange.
  virtual void Change();
  // Raises OnScroll, which may change the new position.
  virtual void Scroll(TScrollCode ScrollCode, int& ScrollPos);
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  virtual void MouseEnter();
  virtual void MouseLeave();

  void CalculateRects();
  void CalculateThumbnailRect();
  void AdjustPagesRects();
  void CalcMinThumnailSize();
  int GetPositionFromThumbnail() const;
  void DoScroll(TcxScrollBarPart APart);
  void InternalScroll(TScrollCode AScrollCode);
  void CancelScroll();
  // Repeats the held button or page step.
  void OnTimer(TObject* Sender);
  void ThemeChanged();
  void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues);

private:
  bool IsHorizontal() const { return m_kind == TScrollBarKind::sbHorizontal; }
  // Whether the part repeats while held (an arrow or a page area).
  static bool IsRepeatingPart(TcxScrollBarPart APart);
  TcxButtonState GetPartState(TcxScrollBarPart APart) const;
  void DrawPart(const TRect& R, TcxScrollBarPart APart, TcxButtonState AState);
  void TrackThumbnail(const TPoint& P);
  int TrackedPosition() const;
  TcxScrollBarPart PartUnderCursor();
  void RepaintWhenTracked(bool AInvalidateOnly);

  TOwned<TBitmap> m_bitmap;
  TcxScrollBarPart m_pressedPart = TcxScrollBarPart::sbpNone;
  TcxScrollBarPart m_hotPart = TcxScrollBarPart::sbpNone;
  TOwned<TcxTimer> m_timer;
  TOwned<TcxCanvas> m_canvas;
  TOwned<TcxLookAndFeel> m_lookAndFeel;
  TOwned<TdxThemeChangedNotificator> m_themeChangedNotificator;
  int m_thumbnailMinSize = 8;
  TRect m_firstButtonRect{};
  TRect m_secondButtonRect{};
  TRect m_thumbnailRect{};
  TRect m_pageUpRect{};
  TRect m_pageDownRect{};
  TScrollBarKind m_kind = TScrollBarKind::sbHorizontal;
  int m_position = 0;
  int m_savedPosition = 0;
  TPoint m_savedThumbnailPos{};
  TPoint m_mouseDownPos{};
  int m_min = 0;
  int m_max = 100;
  int m_pageSize = 0;
  TScrollBarInc m_smallChange = 1;
  TScrollBarInc m_largeChange = 1;
  bool m_unlimitedTracking = false;
  TNotifyEvent m_onChange;
  TScrollEvent m_onScroll;
};
