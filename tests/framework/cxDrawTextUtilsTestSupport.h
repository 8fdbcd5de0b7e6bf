// Shared pieces of the text layout tests: a bitmap whose canvas has the test
// font (Tahoma 8), Turkish sample text, and measuring through the platform.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/cxDrawTextUtils.h"
#include "platform/rtl/WideText.h"
#include "tests/platform/graphics/GraphicsTestHelpers.h"

// Windows-1254 bytes of a UTF-16 literal.
inline std::string Turkish(std::u16string_view text) { return WideToAnsi(text); }

// A white 32-bit bitmap whose canvas draws in Tahoma 8, black.
class TLayoutSurface {
public:
  explicit TLayoutSurface(int width = 420, int height = 200) : m_bitmap(MakeBitmap(width, height)) {
    Canvas()->Font()->SetName("Tahoma");
    Canvas()->Font()->SetSize(8);
    Canvas()->Font()->SetColor(clBlack);
    Canvas()->RequiredState({TCanvasStates::csHandleValid, TCanvasStates::csFontValid});
  }
  TBitmap* Bitmap() const { return m_bitmap.get(); }
  TCanvas* Canvas() const { return m_bitmap->Canvas(); }
  HDC DC() const { return m_bitmap->Canvas()->Handle(); }

  // Width of the bytes in the font, measured by the platform on the UTF-16 text.
  int Width(const std::string& text) const {
    std::u16string wide = AnsiToWide(text);
    SIZE size{};
    ::GetTextExtentPoint32W(DC(), WidePtr(wide), static_cast<int>(wide.size()), &size);
    return size.cx;
  }
  int CellHeight() const {
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(DC(), &metrics);
    return metrics.tmHeight;
  }

private:
  TOwned<TBitmap> m_bitmap;
};

// Rows of a layout, cut to the row count, as texts.
inline std::vector<std::string> RowTexts(const TcxTextRows& rows, int rowCount) {
  std::vector<std::string> texts;
  for (int i = 0; i < rowCount; ++i)
    texts.emplace_back(rows[static_cast<size_t>(i)].RowStart,
                       static_cast<size_t>(rows[static_cast<size_t>(i)].RowLength));
  return texts;
}

// A few paragraphs of Turkish prose, CR LF between paragraphs.
inline std::string TurkishProse() {
  return Turkish(
      u"Gözlüğünü çıkarıp masanın üzerine bıraktı; İstanbul'un ışıkları artık çok uzaktaydı "
      u"ve söyleyecek hiçbir şey kalmamıştı. Çocukluğunun geçtiği o eski, ahşap evi düşündü: "
      u"bahçedeki ağaçları, çeşmenin başında oynayan kedileri, akşamüstü çalan ezanı.\r\n"
      u"Şoför, yağmurun dinmesini beklemeden yola çıktı. Işıklar söndüğünde köprünün "
      u"üzerinde yalnızca rüzgârın uğultusu kalmıştı; Ömer ise gözlerini kapayıp "
      u"düşüncelere daldı.\r\n"
      u"ÇĞİÖŞÜ çğıöşü — büyük ve küçük harfler, noktalı İ ile noktasız ı bir arada.");
}

// The colour of a pixel of a 32-bit bitmap, read from its bits.
inline TColor PixelOf(TBitmap* bitmap, int x, int y) {
  ::GdiFlush();
  const auto* line = static_cast<const std::uint8_t*>(bitmap->ScanLine(y)) + 4 * x;
  return static_cast<TColor>(line[2] | (line[1] << 8) | (line[0] << 16));
}

// The number of pixels in which two bitmaps of the same size differ.
inline int DifferentPixels(TBitmap* a, TBitmap* b) {
  int count = 0;
  for (int y = 0; y < a->Height(); ++y)
    for (int x = 0; x < a->Width(); ++x)
      count += PixelOf(a, x, y) != PixelOf(b, x, y) ? 1 : 0;
  return count;
}

// The smallest rectangle holding every pixel of 'area' that is not
// 'background'; empty when there is none.
inline TRect InkBounds(TBitmap* bitmap, const TRect& area, TColor background = clWhite) {
  TRect ink{area.Right, area.Bottom, area.Left, area.Top};
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x)
      if (PixelOf(bitmap, x, y) != background) {
        ink.Left = std::min(ink.Left, x);
        ink.Top = std::min(ink.Top, y);
        ink.Right = std::max(ink.Right, x + 1);
        ink.Bottom = std::max(ink.Bottom, y + 1);
      }
  return ink.Left < ink.Right ? ink : TRect{};
}

// Whether some pixel of 'area' has exactly 'color'.
inline bool HasColor(TBitmap* bitmap, const TRect& area, TColor color) {
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x)
      if (PixelOf(bitmap, x, y) == color)
        return true;
  return false;
}
