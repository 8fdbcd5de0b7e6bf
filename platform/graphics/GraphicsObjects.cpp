#include "platform/graphics/GraphicsObjects.h"

#include <cstring>

#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/GdiHandles.h"
#include "platform/rtl/ScopeGuards.h"
#include "platform/rtl/WideText.h"

// ---------------------------------------------------------------- TGraphicsObject

TGraphicsObject::~TGraphicsObject() {
  DeleteHandle(m_handle, m_ownership);
}

HGDIOBJ TGraphicsObject::ObjectHandle() {
  if (!m_handle) {
    THandleOwnership ownership = THandleOwnership::Owned;
    m_handle = CreateObjectHandle(ownership);
    m_ownership = ownership;
  }
  return m_handle;
}

void TGraphicsObject::SetObjectHandle(HGDIOBJ handle, THandleOwnership ownership) {
  HGDIOBJ old = std::exchange(m_handle, handle);
  THandleOwnership oldOwnership = std::exchange(m_ownership, ownership);
  const TScopeExit deleteOld([this, old, oldOwnership] { DeleteHandle(old, oldOwnership); });
  if (m_onChange)
    m_onChange(this);
}

void TGraphicsObject::Changed() {
  SetObjectHandle(nullptr, THandleOwnership::Owned);
}

void TGraphicsObject::DeleteHandle(HGDIOBJ handle, THandleOwnership ownership) {
  if (handle && ownership == THandleOwnership::Owned)
    ::DeleteObject(handle);
}

// ---------------------------------------------------------------- TFont

namespace {

constexpr TIdentMapEntry kCharsetIdents[] = {
    {ANSI_CHARSET, "ANSI_CHARSET"},
    {DEFAULT_CHARSET, "DEFAULT_CHARSET"},
    {SYMBOL_CHARSET, "SYMBOL_CHARSET"},
    {MAC_CHARSET, "MAC_CHARSET"},
    {SHIFTJIS_CHARSET, "SHIFTJIS_CHARSET"},
    {HANGEUL_CHARSET, "HANGEUL_CHARSET"},
    {JOHAB_CHARSET, "JOHAB_CHARSET"},
    {GB2312_CHARSET, "GB2312_CHARSET"},
    {CHINESEBIG5_CHARSET, "CHINESEBIG5_CHARSET"},
    {GREEK_CHARSET, "GREEK_CHARSET"},
    {TURKISH_CHARSET, "TURKISH_CHARSET"},
    {VIETNAMESE_CHARSET, "VIETNAMESE_CHARSET"},
    {HEBREW_CHARSET, "HEBREW_CHARSET"},
    {ARABIC_CHARSET, "ARABIC_CHARSET"},
    {BALTIC_CHARSET, "BALTIC_CHARSET"},
    {RUSSIAN_CHARSET, "RUSSIAN_CHARSET"},
    {THAI_CHARSET, "THAI_CHARSET"},
    {EASTEUROPE_CHARSET, "EASTEUROPE_CHARSET"},
    {OEM_CHARSET, "OEM_CHARSET"},
};

// The font a new TFont describes: 8 points of "MS Sans Serif" in the
// system's default character set.
constexpr char kDefaultFontName[] = "MS Sans Serif";
constexpr int kDefaultFontPoints = 8;

bool SameLogFont(const LOGFONTW& a, const LOGFONTW& b) {
  return std::memcmp(&a, &b, sizeof(LOGFONTW)) == 0;
}

} // namespace

TIdentMap CharsetIdents() {
  return kCharsetIdents;
}

int ScreenPixelsPerInch() {
  static const int pixelsPerInch = [] {
    TWindowDC screen;
    int value = screen.Get() ? ::GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
    return value > 0 ? value : 96;
  }();
  return pixelsPerInch;
}

void TFont::Publish(TPublisher& p) {
  p.Property("Charset", &TFont::Charset, &TFont::SetCharset).Idents(CharsetIdents());
  p.Property("Color", &TFont::Color, &TFont::SetColor).Idents(ColorIdents());
  p.Property("Height", &TFont::Height, &TFont::SetHeight);
  // Always stored: an empty name left out would read back as the default face.
  p.Property("Name", &TFont::Name, &TFont::SetName).NoDefault();
  p.Property("Pitch", &TFont::Pitch, &TFont::SetPitch).Default(TFontPitch::fpDefault);
  p.Property("Size", &TFont::Size, &TFont::SetSize).Stored(false);
  p.Property("Style", &TFont::Style, &TFont::SetStyle).Default(TFontStyles{});
}

TFont::TFont() : m_pixelsPerInch(ScreenPixelsPerInch()) {
  m_data.lfHeight = -::MulDiv(kDefaultFontPoints, m_pixelsPerInch, 72);
  m_data.lfWeight = FW_NORMAL;
  m_data.lfCharSet = DEFAULT_CHARSET;
  m_data.lfOutPrecision = OUT_DEFAULT_PRECIS;
  m_data.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  m_data.lfQuality = DEFAULT_QUALITY;
  m_data.lfPitchAndFamily = DEFAULT_PITCH;
  std::u16string face = AnsiToWide(kDefaultFontName);
  std::memcpy(m_data.lfFaceName, face.c_str(), (face.size() + 1) * sizeof(char16_t));
}

void TFont::Assign(TPersistent* source) {
  if (auto* font = dynamic_cast<TFont*>(source)) {
    bool same = SameLogFont(m_data, font->m_data) && m_color == font->m_color &&
                m_pixelsPerInch == font->m_pixelsPerInch;
    if (same)
      return;
    m_data = font->m_data;
    m_color = font->m_color;
    m_pixelsPerInch = font->m_pixelsPerInch;
    Changed();
    return;
  }
  inherited::Assign(source);
}

void TFont::SetHandle(HFONT handle) {
  LOGFONTW data{};
  if (handle && ::GetObjectW(handle, sizeof(data), &data) != sizeof(data))
    throw EInvalidGraphic("Invalid font handle");
  if (handle)
    m_data = data;
  SetObjectHandle(handle, THandleOwnership::Owned);
}

void TFont::SetData(const LOGFONTW& data) {
  if (SameLogFont(m_data, data))
    return;
  m_data = data;
  Changed();
}

void TFont::SetColor(TColor color) {
  if (m_color == color)
    return;
  m_color = color;
  Changed();
}

void TFont::SetHeight(int height) {
  LOGFONTW data = m_data;
  data.lfHeight = height;
  SetData(data);
}

int TFont::Size() const {
  return -::MulDiv(m_data.lfHeight, 72, m_pixelsPerInch);
}

void TFont::SetSize(int points) {
  SetHeight(-::MulDiv(points, m_pixelsPerInch, 72));
}

std::string TFont::Name() const {
  return WideToAnsi(m_data.lfFaceName);
}

void TFont::SetName(const std::string& name) {
  std::u16string face = AnsiToWide(name);
  if (face.size() >= LF_FACESIZE)
    throw EInvalidGraphic("Font name too long: " + name);
  LOGFONTW data = m_data;
  std::memset(data.lfFaceName, 0, sizeof(data.lfFaceName));
  std::memcpy(data.lfFaceName, face.c_str(), face.size() * sizeof(char16_t));
  SetData(data);
}

TFontStyles TFont::Style() const {
  TFontStyles style;
  if (m_data.lfWeight >= FW_BOLD)
    style.Include(TFontStyle::fsBold);
  if (m_data.lfItalic)
    style.Include(TFontStyle::fsItalic);
  if (m_data.lfUnderline)
    style.Include(TFontStyle::fsUnderline);
  if (m_data.lfStrikeOut)
    style.Include(TFontStyle::fsStrikeOut);
  return style;
}

void TFont::SetStyle(TFontStyles style) {
  LOGFONTW data = m_data;
  data.lfWeight = style.Contains(TFontStyle::fsBold) ? FW_BOLD : FW_NORMAL;
  data.lfItalic = style.Contains(TFontStyle::fsItalic);
  data.lfUnderline = style.Contains(TFontStyle::fsUnderline);
  data.lfStrikeOut = style.Contains(TFontStyle::fsStrikeOut);
  SetData(data);
}

void TFont::SetCharset(TFontCharset charset) {
  LOGFONTW data = m_data;
  data.lfCharSet = charset;
  SetData(data);
}

TFontPitch TFont::Pitch() const {
  switch (m_data.lfPitchAndFamily & 0x03) {
  case VARIABLE_PITCH:
    return TFontPitch::fpVariable;
  case FIXED_PITCH:
    return TFontPitch::fpFixed;
  default:
    return TFontPitch::fpDefault;
  }
}

void TFont::SetPitch(TFontPitch pitch) {
  static constexpr BYTE kPitches[] = {DEFAULT_PITCH, VARIABLE_PITCH, FIXED_PITCH};
  LOGFONTW data = m_data;
  data.lfPitchAndFamily =
      static_cast<BYTE>((data.lfPitchAndFamily & ~0x03) | kPitches[static_cast<int>(pitch)]);
  SetData(data);
}

void TFont::SetPixelsPerInch(int pixelsPerInch) {
  if (pixelsPerInch <= 0)
    throw EInvalidGraphic("Invalid pixels per inch");
  if (m_pixelsPerInch == pixelsPerInch)
    return;
  m_pixelsPerInch = pixelsPerInch;
  Changed();
}

HGDIOBJ TFont::CreateObjectHandle(THandleOwnership& ownership) {
  ownership = THandleOwnership::Owned;
  return ::CreateFontIndirectW(&m_data);
}

// ---------------------------------------------------------------- TBrush

void TBrush::Publish(TPublisher& p) {
  p.Property("Color", &TBrush::Color, &TBrush::SetColor).Idents(ColorIdents()).Default(clWhite);
  p.Property("Style", &TBrush::Style, &TBrush::SetStyle).Default(TBrushStyle::bsSolid);
}

TBrush::TBrush() = default;

TBrush::~TBrush() {
  if (m_pattern)
    ::DeleteObject(m_pattern);
}

void TBrush::Assign(TPersistent* source) {
  if (auto* brush = dynamic_cast<TBrush*>(source)) {
    m_color = brush->m_color;
    m_style = brush->m_style;
    m_bitmap = brush->m_bitmap;
    CopyPattern(*brush);
    Changed();
    return;
  }
  inherited::Assign(source);
}

void TBrush::CopyPattern(const TBrush& source) {
  if (m_pattern)
    ::DeleteObject(std::exchange(m_pattern, nullptr));
  if (source.m_pattern)
    m_pattern = static_cast<HBITMAP>(::CopyImage(source.m_pattern, IMAGE_BITMAP, 0, 0, 0));
}

void TBrush::SetHandle(HBRUSH handle, THandleOwnership ownership) {
  LOGBRUSH data{};
  if (handle && ::GetObjectW(handle, sizeof(data), &data) != sizeof(data))
    throw EInvalidGraphic("Invalid brush handle");
  if (handle) {
    m_bitmap = nullptr;
    if (m_pattern)
      ::DeleteObject(std::exchange(m_pattern, nullptr));
    static constexpr TBrushStyle kHatches[] = {
        TBrushStyle::bsHorizontal, TBrushStyle::bsVertical, TBrushStyle::bsFDiagonal,
        TBrushStyle::bsBDiagonal,  TBrushStyle::bsCross,    TBrushStyle::bsDiagCross};
    if (data.lbStyle == BS_NULL)
      m_style = TBrushStyle::bsClear;
    else if (data.lbStyle == BS_HATCHED && data.lbHatch <= HS_DIAGCROSS)
      m_style = kHatches[data.lbHatch];
    else
      m_style = TBrushStyle::bsSolid;
    if (data.lbStyle == BS_SOLID || data.lbStyle == BS_HATCHED)
      m_color = static_cast<TColor>(data.lbColor & 0xFFFFFF);
  }
  SetObjectHandle(handle, ownership);
}

void TBrush::SetColor(TColor color) {
  m_color = color;
  if (color == clNone)
    m_style = TBrushStyle::bsClear;
  else if (m_style == TBrushStyle::bsClear)
    m_style = TBrushStyle::bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (m_style == style)
    return;
  m_style = style;
  Changed();
}

void TBrush::SetBitmap(TBitmap* bitmap) {
  if (m_pattern)
    ::DeleteObject(std::exchange(m_pattern, nullptr));
  m_bitmap = bitmap;
  if (bitmap && !bitmap->Empty())
    m_pattern = static_cast<HBITMAP>(::CopyImage(bitmap->Handle(), IMAGE_BITMAP, 0, 0, 0));
  Changed();
}

HGDIOBJ TBrush::CreateObjectHandle(THandleOwnership& ownership) {
  ownership = THandleOwnership::Owned;
  if (m_pattern)
    return ::CreatePatternBrush(m_pattern);
  COLORREF color = static_cast<COLORREF>(ColorToRGB(m_color)) & 0xFFFFFF;
  switch (m_style) {
  case TBrushStyle::bsSolid:
    return ::CreateSolidBrush(color);
  case TBrushStyle::bsClear:
    ownership = THandleOwnership::Borrowed;
    return ::GetStockObject(NULL_BRUSH);
  default: {
    static constexpr int kHatches[] = {HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL,
                                       HS_BDIAGONAL,  HS_CROSS,    HS_DIAGCROSS};
    int hatch = kHatches[static_cast<int>(m_style) - static_cast<int>(TBrushStyle::bsHorizontal)];
    return ::CreateHatchBrush(hatch, color);
  }
  }
}

// ---------------------------------------------------------------- TPen

int PenModeToROP2(TPenMode mode) {
  static constexpr int kCodes[] = {
      R2_BLACK,       R2_WHITE,       R2_NOP,         R2_NOT,       R2_COPYPEN,  R2_NOTCOPYPEN,
      R2_MERGEPENNOT, R2_MASKPENNOT,  R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN, R2_NOTMERGEPEN,
      R2_MASKPEN,     R2_NOTMASKPEN,  R2_XORPEN,      R2_NOTXORPEN};
  return kCodes[static_cast<int>(mode)];
}

void TPen::Publish(TPublisher& p) {
  p.Property("Color", &TPen::Color, &TPen::SetColor).Idents(ColorIdents()).Default(clBlack);
  p.Property("Mode", &TPen::Mode, &TPen::SetMode).Default(TPenMode::pmCopy);
  p.Property("Style", &TPen::Style, &TPen::SetStyle).Default(TPenStyle::psSolid);
  p.Property("Width", &TPen::Width, &TPen::SetWidth).Default(1);
}

void TPen::Assign(TPersistent* source) {
  if (auto* pen = dynamic_cast<TPen*>(source)) {
    if (m_color == pen->m_color && m_style == pen->m_style && m_width == pen->m_width &&
        m_mode == pen->m_mode)
      return;
    m_color = pen->m_color;
    m_style = pen->m_style;
    m_width = pen->m_width;
    m_mode = pen->m_mode;
    Changed();
    return;
  }
  inherited::Assign(source);
}

void TPen::SetHandle(HPEN handle) {
  LOGPEN data{};
  if (handle && ::GetObjectW(handle, sizeof(data), &data) != sizeof(data))
    throw EInvalidGraphic("Invalid pen handle");
  if (handle) {
    m_color = static_cast<TColor>(data.lopnColor & 0xFFFFFF);
    m_width = data.lopnWidth.x;
    m_style = data.lopnStyle <= PS_INSIDEFRAME ? static_cast<TPenStyle>(data.lopnStyle)
                                               : TPenStyle::psSolid;
  }
  SetObjectHandle(handle, THandleOwnership::Owned);
}

void TPen::SetColor(TColor color) {
  if (m_color == color)
    return;
  m_color = color;
  Changed();
}

void TPen::SetStyle(TPenStyle style) {
  if (m_style == style)
    return;
  m_style = style;
  Changed();
}

void TPen::SetWidth(int width) {
  if (width < 0)
    throw EInvalidGraphic("Invalid pen width");
  if (m_width == width)
    return;
  m_width = width;
  Changed();
}

void TPen::SetMode(TPenMode mode) {
  if (m_mode == mode)
    return;
  m_mode = mode;
  Changed();
}

HGDIOBJ TPen::CreateObjectHandle(THandleOwnership& ownership) {
  ownership = THandleOwnership::Owned;
  static constexpr int kStyles[] = {PS_SOLID,      PS_DASH, PS_DOT,        PS_DASHDOT,
                                    PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
  COLORREF color = static_cast<COLORREF>(ColorToRGB(m_color)) & 0xFFFFFF;
  return ::CreatePen(kStyles[static_cast<int>(m_style)], m_width, color);
}
