// A drawing surface over a device context, with the font, brush and pen it
// draws with. The base class does not own its device context: a subclass
// supplies one from CreateHandle (a bitmap's memory context, a control's
// window context, the screen's) by calling SetHandle, and gives it back by
// calling SetHandle(nullptr) before it releases it.
//
// Classes in this file: TCanvas.
#pragma once

#include <memory>
#include <span>
#include <string>

#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/objects/Events.h"
#include "platform/objects/Persistent.h"
#include "platform/rtl/Sets.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/WinApi.h"

class TBitmap;
class TGraphic;

// What the device context currently has selected from the canvas's objects.
enum class TCanvasStates { csHandleValid, csFontValid, csPenValid, csBrushValid };
using TCanvasState = Set<TCanvasStates>;

// The raster operation CopyRect and Draw use.
using TCopyMode = DWORD;
constexpr TCopyMode cmBlackness = BLACKNESS;
constexpr TCopyMode cmDstInvert = DSTINVERT;
constexpr TCopyMode cmMergeCopy = MERGECOPY;
constexpr TCopyMode cmMergePaint = MERGEPAINT;
constexpr TCopyMode cmNotSrcCopy = NOTSRCCOPY;
constexpr TCopyMode cmNotSrcErase = NOTSRCERASE;
constexpr TCopyMode cmPatCopy = PATCOPY;
constexpr TCopyMode cmPatInvert = PATINVERT;
constexpr TCopyMode cmPatPaint = PATPAINT;
constexpr TCopyMode cmSrcAnd = SRCAND;
constexpr TCopyMode cmSrcCopy = SRCCOPY;
constexpr TCopyMode cmSrcErase = SRCERASE;
constexpr TCopyMode cmSrcInvert = SRCINVERT;
constexpr TCopyMode cmSrcPaint = SRCPAINT;
constexpr TCopyMode cmWhiteness = WHITENESS;

class TCanvas : public TPersistent {
  OBJECT_CLASS(TCanvas, TPersistent)
public:
  TCanvas();
  ~TCanvas() override;

  // The device context, asking CreateHandle for one when there is none;
  // EInvalidOperation "Canvas does not allow drawing" when it supplies none.
  HDC Handle();
  // Binds the canvas to 'dc' (not owned), or unbinds it (nullptr) after
  // selecting the platform's stock objects back into the old one.
  void SetHandle(HDC dc);
  bool HandleAllocated() const { return m_handle != nullptr; }
  // Gives back a context the canvas took for itself (a subclass that takes
  // one from CreateHandle); nothing for the base class.
  virtual void FreeHandle() {}
  TCanvasState State() const { return m_state; }
  // Makes sure the context exists and has the font, pen and brush selected
  // that 'required' names.
  void RequiredState(TCanvasState required);
  // Selects the stock objects back, so that the canvas's own are selected
  // again at the next drawing (needed after the context was restored).
  void Refresh();
  // Drawing from one thread at a time; nested.
  void Lock() { ++m_lockCount; }
  void Unlock() { --m_lockCount; }
  int LockCount() const { return m_lockCount; }

  TFont* Font() const { return m_font.get(); }
  TBrush* Brush() const { return m_brush.get(); }
  TPen* Pen() const { return m_pen.get(); }
  // Copy the given object into the canvas's own.
  void SetFont(TFont* font);
  void SetBrush(TBrush* brush);
  void SetPen(TPen* pen);

  TCopyMode CopyMode() const { return m_copyMode; }
  void SetCopyMode(TCopyMode mode) { m_copyMode = mode; }
  // The colour of one pixel (clNone outside the surface or its clipping).
  TColor Pixels(int x, int y);
  void SetPixels(int x, int y, TColor color);
  TPoint PenPos();
  void SetPenPos(TPoint position);

  // Shapes: outlined with the pen, filled with the brush.
  void FillRect(const TRect& rect);
  void FrameRect(const TRect& rect);
  void Rectangle(int x1, int y1, int x2, int y2);
  void Rectangle(const TRect& rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
  void Ellipse(int x1, int y1, int x2, int y2);
  void Ellipse(const TRect& rect) { Ellipse(rect.Left, rect.Top, rect.Right, rect.Bottom); }
  void RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Polygon(std::span<const TPoint> points);
  void Polyline(std::span<const TPoint> points);
  void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);

  // Text (Windows-1254) in the font; the background is the brush unless it
  // is clear.
  void TextOut(int x, int y, const std::string& text);
  // Text clipped to 'rect', starting at (x, y).
  void TextRect(const TRect& rect, int x, int y, const std::string& text);
  TSize TextExtent(const std::string& text);
  int TextWidth(const std::string& text) { return TextExtent(text).cx; }
  int TextHeight(const std::string& text) { return TextExtent(text).cy; }

  // Pictures and copies.
  void Draw(int x, int y, TGraphic* graphic);
  void StretchDraw(const TRect& rect, TGraphic* graphic);
  // Copies 'source' of 'canvas' into 'dest' (stretched) with CopyMode; a nil
  // canvas copies nothing, as Draw of a nil picture draws nothing.
  void CopyRect(const TRect& dest, TCanvas* canvas, const TRect& source);
  // Copies 'source' of 'bitmap' into 'dest' with the pixels of 'color'
  // replaced by the brush.
  void BrushCopy(const TRect& dest, TBitmap* bitmap, const TRect& source, TColor color);

  // Around every drawing: OnChanging before, OnChange after.
  const TNotifyEvent& OnChange() const { return m_onChange; }
  void SetOnChange(TNotifyEvent handler) { m_onChange = std::move(handler); }
  const TNotifyEvent& OnChanging() const { return m_onChanging; }
  void SetOnChanging(TNotifyEvent handler) { m_onChanging = std::move(handler); }
  // Announce a drawing made on Handle() from outside the canvas's members.
  virtual void Changing();
  virtual void Changed();

protected:
  // Called when the context is needed and there is none: a subclass calls
  // SetHandle with its context here.
  virtual void CreateHandle() {}

private:
  void SelectFont();
  void SelectPen();
  void SelectBrush();
  void DeselectHandles();
  void FontChanged(TObject* sender);
  void PenChanged(TObject* sender);
  void BrushChanged(TObject* sender);

  HDC m_handle = nullptr;
  TCanvasState m_state;
  std::unique_ptr<TFont, TObjectFree> m_font;
  std::unique_ptr<TBrush, TObjectFree> m_brush;
  std::unique_ptr<TPen, TObjectFree> m_pen;
  TPoint m_penPos;
  TCopyMode m_copyMode = cmSrcCopy;
  int m_lockCount = 0;
  TNotifyEvent m_onChange;
  TNotifyEvent m_onChanging;
};

// Holds a canvas locked while it lives.
class TCanvasLock {
public:
  explicit TCanvasLock(TCanvas* canvas) : m_canvas(canvas) { m_canvas->Lock(); }
  ~TCanvasLock() { m_canvas->Unlock(); }
  TCanvasLock(const TCanvasLock&) = delete;
  TCanvasLock& operator=(const TCanvasLock&) = delete;

private:
  TCanvas* m_canvas;
};
