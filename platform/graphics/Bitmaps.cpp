#include "platform/graphics/Bitmaps.h"

#include "platform/graphics/MaskedBlit.h"
#include "platform/rtl/WideText.h"

// The canvas of a bitmap: a memory device context with the bitmap selected,
// made when first drawn on and freed whenever the bitmap's handle is used
// elsewhere (a bitmap can be selected into one context only).
class TBitmap::TBitmapCanvas : public TCanvas {
  OBJECT_CLASS(TBitmapCanvas, TCanvas)
public:
  explicit TBitmapCanvas(TBitmap* bitmap) : m_bitmap(bitmap) {}
  ~TBitmapCanvas() override { FreeContext(); }

  void FreeContext() {
    if (!m_dc)
      return;
    SetHandle(nullptr);
    if (m_previous)
      ::SelectObject(m_dc, m_previous);
    ::DeleteDC(m_dc);
    m_dc = nullptr;
    m_previous = nullptr;
  }

protected:
  void CreateHandle() override {
    HDC dc = ::CreateCompatibleDC(nullptr);
    if (!dc)
      throw EOutOfMemory("Out of system resources");
    m_previous = m_bitmap->m_handle ? ::SelectObject(dc, m_bitmap->m_handle.Get()) : nullptr;
    m_dc = dc;
    SetHandle(dc);
  }

private:
  TBitmap* m_bitmap;
  HDC m_dc = nullptr;
  HGDIOBJ m_previous = nullptr;
};

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
  m_canvas.reset();
}

void TBitmap::Assign(TPersistent* source) {
  if (!source) {
    ReplaceImage(nullptr, m_pixelFormat);
    Changed(this);
    return;
  }
  auto* bitmap = dynamic_cast<TBitmap*>(source);
  if (!bitmap) {
    inherited::Assign(source);
    return;
  }
  if (bitmap == this)
    return;
  HBITMAP copy = ConvertBitmap(bitmap->Handle(), bitmap->m_width, bitmap->m_height,
                               bitmap->m_pixelFormat);
  ReplaceImage(copy, bitmap->m_pixelFormat);
  m_width = bitmap->m_width;
  m_height = bitmap->m_height;
  m_transparentColor = bitmap->m_transparentColor;
  m_transparentMode = bitmap->m_transparentMode;
  SetTransparent(bitmap->Transparent());
  Changed(this);
}

void TBitmap::SetSize(int width, int height) {
  if (width < 0 || height < 0)
    throw EInvalidGraphic("Invalid bitmap size");
  if (width == m_width && height == m_height)
    return;
  DetachFromCanvas();
  HBITMAP resized = ConvertBitmap(m_handle.Get(), width, height, m_pixelFormat);
  ReplaceImage(resized, m_pixelFormat);
  m_width = width;
  m_height = height;
  Changed(this);
}

TCanvas* TBitmap::Canvas() {
  if (!m_canvas) {
    m_canvas.reset(Create<TBitmapCanvas>(this));
    m_canvas->SetOnChange(TNotifyEvent(this, &TBitmap::CanvasChanged));
    m_canvas->SetOnChanging(TNotifyEvent(this, &TBitmap::CanvasChanging));
  }
  return m_canvas.get();
}

HBITMAP TBitmap::Handle() {
  DetachFromCanvas();
  return m_handle.Get();
}

void TBitmap::SetHandle(HBITMAP handle) {
  TOwnedBitmap owned(handle);
  TPixelFormat format = handle ? PixelFormatOf(handle) : m_pixelFormat;
  if (handle && !IsDIBSection(handle)) {
    BITMAP info{};
    ::GetObjectW(handle, sizeof(info), &info);
    owned.Reset(ConvertBitmap(handle, info.bmWidth, info.bmHeight, format));
  }
  ReplaceImage(owned.Release(), format);
  Changed(this);
}

HBITMAP TBitmap::ReleaseHandle() {
  DetachFromCanvas();
  HBITMAP handle = m_handle.Release();
  ReplaceImage(nullptr, m_pixelFormat);
  return handle;
}

HBITMAP TBitmap::MaskHandle() {
  if (Empty())
    return nullptr;
  if (!m_mask) {
    COLORREF color = static_cast<COLORREF>(ColorToRGB(TransparentColor())) & 0xFFFFFF;
    m_mask = CreateColorMask(Canvas()->Handle(), Rect(0, 0, m_width, m_height), color);
  }
  return m_mask.Get();
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == TPixelFormat::pfCustom)
    throw EInvalidGraphic("Invalid pixel format");
  if (format == m_pixelFormat)
    return;
  DetachFromCanvas();
  HBITMAP converted = ConvertBitmap(m_handle.Get(), m_width, m_height, format);
  ReplaceImage(converted, format);
  Changed(this);
}

void TBitmap::SetMonochrome(bool monochrome) {
  if (monochrome == Monochrome())
    return;
  SetPixelFormat(monochrome ? TPixelFormat::pf1bit : TPixelFormat::pfDevice);
}

void* TBitmap::ScanLine(int row) {
  if (row < 0 || row >= m_height)
    throw EInvalidGraphic("Scan line index out of range");
  ::GdiFlush();
  DIBSECTION section{};
  ::GetObjectW(m_handle.Get(), sizeof(section), &section);
  auto* bits = static_cast<unsigned char*>(section.dsBm.bmBits);
  int stride = section.dsBm.bmWidthBytes;
  bool bottomUp = section.dsBmih.biHeight > 0;
  return bits + static_cast<std::ptrdiff_t>(stride) * (bottomUp ? m_height - 1 - row : row);
}

TColor TBitmap::TransparentColor() {
  if (m_transparentMode == TTransparentMode::tmFixed)
    return m_transparentColor;
  if (Empty())
    return clDefault;
  return Canvas()->Pixels(0, m_height - 1);
}

void TBitmap::SetTransparentColor(TColor color) {
  TTransparentMode mode = color == clDefault ? TTransparentMode::tmAuto : TTransparentMode::tmFixed;
  if (color == m_transparentColor && mode == m_transparentMode)
    return;
  m_transparentColor = color;
  m_transparentMode = mode;
  Changed(this);
}

void TBitmap::SetTransparentMode(TTransparentMode mode) {
  if (mode == m_transparentMode)
    return;
  SetTransparentColor(mode == TTransparentMode::tmAuto ? clDefault : TransparentColor());
}

void TBitmap::LoadFromResourceName(HINSTANCE instance, const std::string& name) {
  std::u16string wide = AnsiToWide(name);
  LoadFromResource(instance, WidePtr(wide), name);
}

void TBitmap::LoadFromResourceID(HINSTANCE instance, int id) {
  LoadFromResource(instance, MAKEINTRESOURCEW(id), std::to_string(id));
}

void TBitmap::LoadFromResource(HINSTANCE instance, const WCHAR* name,
                               const std::string& shownName) {
  if (!instance)
    instance = ::GetModuleHandleW(nullptr);
  auto handle = static_cast<HBITMAP>(
      ::LoadImageW(instance, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!handle)
    throw EResNotFound("Resource " + shownName + " not found");
  SetHandle(handle);
}

void TBitmap::Draw(TCanvas* canvas, const TRect& rect) {
  HDC dest = canvas->Handle();
  HDC source = Canvas()->Handle();
  int oldMode = ::SetStretchBltMode(dest, COLORONCOLOR);
  if (Transparent()) {
    HBITMAP mask = MaskHandle();
    TMemoryDC maskDC;
    TSelectObject select(maskDC.Get(), mask);
    MaskedStretchBlt(dest, rect, source, Rect(0, 0, m_width, m_height), maskDC.Get());
  } else {
    ::StretchBlt(dest, rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top,
                 source, 0, 0, m_width, m_height, canvas->CopyMode());
  }
  ::SetStretchBltMode(dest, oldMode);
}

void TBitmap::Changed(TObject* sender) {
  m_mask.Reset();
  inherited::Changed(sender);
}

void TBitmap::ReplaceImage(HBITMAP handle, TPixelFormat format) {
  DetachFromCanvas();
  m_mask.Reset();
  m_handle.Reset(handle);
  m_pixelFormat = format;
  BITMAP info{};
  if (handle && ::GetObjectW(handle, sizeof(info), &info)) {
    m_width = info.bmWidth;
    m_height = info.bmHeight;
  } else {
    m_width = 0;
    m_height = 0;
  }
}

void TBitmap::DetachFromCanvas() {
  if (m_canvas)
    static_cast<TBitmapCanvas*>(m_canvas.get())->FreeContext();
}

void TBitmap::CanvasChanging(TObject*) {
  m_mask.Reset();
}

void TBitmap::CanvasChanged(TObject*) {
  Changed(this);
}
