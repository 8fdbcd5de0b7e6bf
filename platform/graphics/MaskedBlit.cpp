#include "platform/graphics/MaskedBlit.h"

namespace {

int WidthOf(const TRect& r) { return r.Right - r.Left; }
int HeightOf(const TRect& r) { return r.Bottom - r.Top; }

} // namespace

TOwnedBitmap CreateColorMask(HDC source, const TRect& rect, COLORREF color) {
  TOwnedBitmap mask(::CreateBitmap(WidthOf(rect), HeightOf(rect), 1, 1, nullptr));
  TMemoryDC maskDC;
  TSelectObject select(maskDC.Get(), mask.Get());
  COLORREF oldBack = ::SetBkColor(source, color);
  ::BitBlt(maskDC.Get(), 0, 0, WidthOf(rect), HeightOf(rect), source, rect.Left, rect.Top,
           SRCCOPY);
  ::SetBkColor(source, oldBack);
  return mask;
}

// The destination keeps its pixels where the mask is white: with
// d' = ((d xor s) and m) xor s, a white mask gives d and a black one s.
void MaskedStretchBlt(HDC dest, const TRect& destRect, HDC source, const TRect& sourceRect,
                      HDC mask) {
  int width = WidthOf(destRect);
  int height = HeightOf(destRect);
  if (width <= 0 || height <= 0)
    return;
  TMemoryDC workDC(dest);
  TOwnedBitmap work(::CreateCompatibleBitmap(dest, width, height));
  TSelectObject select(workDC.Get(), work.Get());
  HDC w = workDC.Get();
  ::SetStretchBltMode(w, COLORONCOLOR);
  ::SetTextColor(w, RGB(0, 0, 0));
  ::SetBkColor(w, RGB(255, 255, 255));
  int sw = WidthOf(sourceRect);
  int sh = HeightOf(sourceRect);
  ::BitBlt(w, 0, 0, width, height, dest, destRect.Left, destRect.Top, SRCCOPY);
  ::StretchBlt(w, 0, 0, width, height, source, sourceRect.Left, sourceRect.Top, sw, sh, SRCINVERT);
  ::StretchBlt(w, 0, 0, width, height, mask, 0, 0, sw, sh, SRCAND);
  ::StretchBlt(w, 0, 0, width, height, source, sourceRect.Left, sourceRect.Top, sw, sh, SRCINVERT);
  ::BitBlt(dest, destRect.Left, destRect.Top, width, height, w, 0, 0, SRCCOPY);
}
