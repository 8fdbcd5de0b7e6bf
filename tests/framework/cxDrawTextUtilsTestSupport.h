// Shared pieces of the text layout tests: a bitmap whose canvas has the test
// font (Tahoma 8), Turkish sample text, and measuring through the platform.
#pragma once

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
