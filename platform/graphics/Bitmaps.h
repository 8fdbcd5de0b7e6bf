// Bitmaps: device-independent bitmaps (DIB sections) of any pixel format,
// with a canvas on their own memory device context.
//
// Every bitmap is a DIB section, so ScanLine works for every format; pfDevice
// makes one of the screen's depth. Row 0 is the top row.
//
// Classes in this file: TBitmap.
#pragma once

#include <memory>
#include <string>

#include "platform/graphics/BitmapFormats.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GdiHandles.h"
#include "platform/graphics/Graphic.h"
#include "platform/rtl/WinApi.h"

// How the transparent colour is chosen: the bottom-left pixel, or fixed.
enum class TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
  OBJECT_CLASS(TBitmap, TGraphic)
public:
  TBitmap();
  ~TBitmap() override;

  // Copies the picture and settings of another bitmap; nil empties.
  void Assign(TPersistent* source) override;

  bool Empty() const override { return m_width == 0 || m_height == 0; }
  int Width() const override { return m_width; }
  void SetWidth(int width) override { SetSize(width, m_height); }
  int Height() const override { return m_height; }
  void SetHeight(int height) override { SetSize(m_width, height); }
  // Resizes, keeping the pixels that still fit (new ones are black).
  void SetSize(int width, int height);

  // A canvas drawing into the bitmap; drawing announces OnChange.
  TCanvas* Canvas();
  bool HandleAllocated() const { return static_cast<bool>(m_handle); }
  // The bitmap handle (nil while empty).
  HBITMAP Handle();
  // Takes ownership of 'handle' (any bitmap: it is converted to a DIB
  // section of its depth) and takes its size from it.
  void SetHandle(HBITMAP handle);
  // Gives the handle up to the caller; the bitmap is empty afterwards.
  HBITMAP ReleaseHandle();
  // A monochrome mask owned by the bitmap: white where the pixels have the
  // transparent colour, black elsewhere.
  HBITMAP MaskHandle();

  TPixelFormat PixelFormat() const { return m_pixelFormat; }
  // Converts the pixels to the new format.
  void SetPixelFormat(TPixelFormat format);
  // One bit per pixel, black and white.
  bool Monochrome() const { return m_pixelFormat == TPixelFormat::pf1bit; }
  void SetMonochrome(bool monochrome);
  // The first byte of pixel row 'row' (0 is the top); EInvalidGraphic
  // "Scan line index out of range" otherwise.
  void* ScanLine(int row);

  // The colour that Transparent drawing and MaskHandle leave out: the
  // bottom-left pixel in tmAuto mode. Setting a colour fixes it; setting
  // clDefault goes back to tmAuto.
  TColor TransparentColor();
  void SetTransparentColor(TColor color);
  TTransparentMode TransparentMode() const { return m_transparentMode; }
  void SetTransparentMode(TTransparentMode mode);

  void LoadFromResourceName(HINSTANCE instance, const std::string& name) override;
  void LoadFromResourceID(HINSTANCE instance, int id) override;

protected:
  void Draw(TCanvas* canvas, const TRect& rect) override;
  void Changed(TObject* sender) override;

private:
  class TBitmapCanvas;
  friend class TBitmapCanvas;

  void LoadFromResource(HINSTANCE instance, const WCHAR* name, const std::string& shownName);
  void ReplaceImage(HBITMAP handle, TPixelFormat format);
  void DetachFromCanvas();
  void CanvasChanged(TObject* sender);
  void CanvasChanging(TObject* sender);

  int m_width = 0;
  int m_height = 0;
  TPixelFormat m_pixelFormat = TPixelFormat::pfDevice;
  TOwnedBitmap m_handle;
  TOwnedBitmap m_mask;
  TColor m_transparentColor = clDefault;
  TTransparentMode m_transparentMode = TTransparentMode::tmAuto;
  std::unique_ptr<TCanvas, TObjectFree> m_canvas;
};
