// Pixel formats of DIB sections: creating them, reading a bitmap's format,
// and converting a bitmap of one format into another.
#include "platform/graphics/BitmapFormats.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/graphics/GraphicsObjects.h"

namespace {

// The 16 colours of the classic 16-colour palette.
constexpr RGBQUAD kSixteenColors[16] = {
    {0, 0, 0, 0},       {0, 0, 128, 0},     {0, 128, 0, 0},     {0, 128, 128, 0},
    {128, 0, 0, 0},     {128, 0, 128, 0},   {128, 128, 0, 0},   {192, 192, 192, 0},
    {128, 128, 128, 0}, {0, 0, 255, 0},     {0, 255, 0, 0},     {0, 255, 255, 0},
    {255, 0, 0, 0},     {255, 0, 255, 0},   {255, 255, 0, 0},   {255, 255, 255, 0},
};

// 1 bit: black and white; 4 bits: the 16 colours; 8 bits: the 16 colours,
// a 6 x 6 x 6 colour cube and 24 greys.
std::vector<RGBQUAD> ColorTable(int bits) {
  std::vector<RGBQUAD> table;
  if (bits == 1) {
    table = {{0, 0, 0, 0}, {255, 255, 255, 0}};
  } else if (bits == 4 || bits == 8) {
    table.assign(std::begin(kSixteenColors), std::end(kSixteenColors));
  }
  if (bits == 8) {
    for (int r = 0; r < 6; ++r)
      for (int g = 0; g < 6; ++g)
        for (int b = 0; b < 6; ++b)
          table.push_back({BYTE(b * 51), BYTE(g * 51), BYTE(r * 51), 0});
    for (int i = 1; i <= 24; ++i) {
      BYTE grey = BYTE(i * 255 / 25);
      table.push_back({grey, grey, grey, 0});
    }
  }
  return table;
}

struct TBitmapInfo {
  BITMAPINFOHEADER header{};
  RGBQUAD colors[256]{};
};

} // namespace

int PixelFormatBits(TPixelFormat format) {
  switch (format) {
  case TPixelFormat::pf1bit:
    return 1;
  case TPixelFormat::pf4bit:
    return 4;
  case TPixelFormat::pf8bit:
    return 8;
  case TPixelFormat::pf15bit:
  case TPixelFormat::pf16bit:
    return 16;
  case TPixelFormat::pf24bit:
    return 24;
  case TPixelFormat::pf32bit:
    return 32;
  case TPixelFormat::pfDevice:
    return PixelFormatBits(DevicePixelFormat());
  case TPixelFormat::pfCustom:
    break;
  }
  throw EInvalidGraphic("Invalid pixel format");
}

TPixelFormat DevicePixelFormat() {
  static const TPixelFormat format = [] {
    TWindowDC screen;
    int bits = screen.Get() ? ::GetDeviceCaps(screen.Get(), BITSPIXEL) : 32;
    if (bits == 16)
      return TPixelFormat::pf16bit;
    if (bits == 24)
      return TPixelFormat::pf24bit;
    return TPixelFormat::pf32bit;
  }();
  return format;
}

HBITMAP CreateDIBSectionBitmap(int width, int height, TPixelFormat format) {
  if (width <= 0 || height <= 0)
    return nullptr;
  if (format == TPixelFormat::pfDevice)
    format = DevicePixelFormat();
  TBitmapInfo info;
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = width;
  info.header.biHeight = height;
  info.header.biPlanes = 1;
  info.header.biBitCount = static_cast<WORD>(PixelFormatBits(format));
  info.header.biCompression = BI_RGB;
  if (format == TPixelFormat::pf16bit) {
    info.header.biCompression = BI_BITFIELDS;
    DWORD masks[3] = {0xF800, 0x07E0, 0x001F};
    std::memcpy(info.colors, masks, sizeof(masks));
  }
  std::vector<RGBQUAD> table = ColorTable(info.header.biBitCount);
  if (!table.empty()) {
    std::memcpy(info.colors, table.data(), table.size() * sizeof(RGBQUAD));
    info.header.biClrUsed = static_cast<DWORD>(table.size());
  }
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info),
                                      DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap)
    throw EOutOfMemory("Out of system resources");
  return bitmap;
}

TPixelFormat PixelFormatOf(HBITMAP bitmap) {
  DIBSECTION section{};
  int size = ::GetObjectW(bitmap, sizeof(section), &section);
  if (size == 0)
    throw EInvalidGraphic("Invalid bitmap handle");
  switch (section.dsBm.bmBitsPixel) {
  case 1:
    return TPixelFormat::pf1bit;
  case 4:
    return TPixelFormat::pf4bit;
  case 8:
    return TPixelFormat::pf8bit;
  case 16:
    return size == sizeof(DIBSECTION) && section.dsBmih.biCompression == BI_BITFIELDS &&
                   section.dsBitfields[1] == 0x07E0
               ? TPixelFormat::pf16bit
               : TPixelFormat::pf15bit;
  case 24:
    return TPixelFormat::pf24bit;
  default:
    return TPixelFormat::pf32bit;
  }
}

bool IsDIBSection(HBITMAP bitmap) {
  DIBSECTION section{};
  return ::GetObjectW(bitmap, sizeof(section), &section) == sizeof(DIBSECTION);
}

HBITMAP ConvertBitmap(HBITMAP source, int width, int height, TPixelFormat format) {
  HBITMAP result = CreateDIBSectionBitmap(width, height, format);
  if (!result || !source)
    return result;
  BITMAP sourceInfo{};
  ::GetObjectW(source, sizeof(sourceInfo), &sourceInfo);
  TMemoryDC sourceDC;
  TMemoryDC resultDC;
  TSelectObject selectSource(sourceDC.Get(), source);
  TSelectObject selectResult(resultDC.Get(), result);
  ::BitBlt(resultDC.Get(), 0, 0, std::min<int>(width, sourceInfo.bmWidth),
           std::min<int>(height, sourceInfo.bmHeight), sourceDC.Get(), 0, 0, SRCCOPY);
  return result;
}
