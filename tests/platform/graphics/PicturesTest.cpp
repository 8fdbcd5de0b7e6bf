#include "tests/support/GTest.h"

#include <cstdint>

#include "platform/rtl/WideText.h"
#include "tests/platform/graphics/GraphicsTestHelpers.h"
#include "tests/support/Pictures.h"

namespace {

// The PNG file of a 2 x 2 picture (top row red and blue, bottom row white
// and black), checked with an independent PNG decoder.
const std::string kTwoByTwoPng(
    "\x89\x50\x4E\x47\x0D\x0A\x1A\x0A\x00\x00\x00\x0D\x49\x48\x44\x52\x00\x00\x00\x02\x00\x00"
    "\x00\x02\x08\x02\x00\x00\x00\xFD\xD4\x9A\x73\x00\x00\x00\x19\x49\x44\x41\x54\x78\x01\x01"
    "\x0E\x00\xF1\xFF\x00\xFF\x00\x00\x00\x00\xFF\x00\xFF\xFF\xFF\x00\x00\x00\x23\xEA\x04\xFC"
    "\xFB\x3F\xA7\xE0\x00\x00\x00\x00\x49\x45\x4E\x44\xAE\x42\x60\x82",
    82);

TEST(Pictures, EncodesThePixelsAsAPngFile) {
  TOwned<TBitmap> bitmap = MakeBitmap(2, 2, clWhite);
  bitmap->Canvas()->SetPixels(0, 0, clRed);
  bitmap->Canvas()->SetPixels(1, 0, clBlue);
  bitmap->Canvas()->SetPixels(1, 1, clBlack);
  EXPECT_EQ(EncodePng(bitmap.get()), kTwoByTwoPng);
}

std::uint32_t BigEndianAt(const std::string& data, std::size_t at) {
  return (std::uint32_t(std::uint8_t(data[at])) << 24) |
         (std::uint32_t(std::uint8_t(data[at + 1])) << 16) |
         (std::uint32_t(std::uint8_t(data[at + 2])) << 8) | std::uint8_t(data[at + 3]);
}

// Pictures of more than 64 KiB of pixel rows need several stored blocks.
TEST(Pictures, LargePicturesSplitIntoStoredBlocks) {
  TOwned<TBitmap> bitmap = MakeBitmap(200, 120, clBlue);
  bitmap->Canvas()->SetPixels(199, 119, clRed);
  std::string png = EncodePng(bitmap.get());
  const std::size_t idat = 33;
  ASSERT_EQ(png.substr(idat + 4, 4), "IDAT");
  std::size_t at = idat + 8 + 2;
  std::string raw;
  bool last = false;
  while (!last) {
    last = png[at] & 1;
    std::size_t length = std::uint8_t(png[at + 1]) | (std::uint8_t(png[at + 2]) << 8);
    std::size_t inverse = std::uint8_t(png[at + 3]) | (std::uint8_t(png[at + 4]) << 8);
    ASSERT_EQ(length ^ 0xFFFF, inverse);
    raw += png.substr(at + 5, length);
    at += 5 + length;
  }
  EXPECT_EQ(raw.size(), 120u * (1 + 3 * 200));
  EXPECT_EQ(raw.substr(raw.size() - 3), std::string("\xFF\x00\x00", 3));
  EXPECT_EQ(raw.substr(1, 3), std::string("\x00\x00\xFF", 3));
  EXPECT_EQ(BigEndianAt(png, idat), at + 4 - (idat + 8));
}

LRESULT CALLBACK RedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PRINTCLIENT) {
    RECT client{};
    ::GetClientRect(window, &client);
    HBRUSH red = ::CreateSolidBrush(RGB(255, 0, 0));
    ::FillRect(reinterpret_cast<HDC>(wParam), &client, red);
    ::DeleteObject(red);
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

TEST(Pictures, RenderWindowPaintsTheWindowIntoTheBitmap) {
  std::u16string className = AnsiToWide("GraphicsTestRedWindow");
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = RedWindowProc;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.lpszClassName = WidePtr(className);
  ::RegisterClassW(&windowClass);
  HWND window = ::CreateWindowExW(0, WidePtr(className), nullptr, WS_POPUP, 0, 0, 30, 20,
                                  nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  TOwned<TBitmap> bitmap(Create<TBitmap>());
  RenderWindow(window, bitmap.get(), true);
  EXPECT_EQ(bitmap->Width(), 30);
  EXPECT_EQ(bitmap->Height(), 20);
  EXPECT_EQ(bitmap->Canvas()->Pixels(29, 19), clRed);
  SavePicture(bitmap.get(), "render-window");
  ::DestroyWindow(window);
  ::UnregisterClassW(WidePtr(className), ::GetModuleHandleW(nullptr));
}

} // namespace
