#include "tests/support/GTest.h"

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "framework/dxUxTheme.h"
#include "platform/rtl/WideText.h"
#include "tests/framework/ThemeTestSupport.h"

namespace {

using namespace dxUxTheme;
namespace ux = dxUxTheme;
using theme_test::TThemeUnits;
using theme_test::TVisualStyles;

const std::set<std::string> kVistaNames = {"DrawThemeTextEx", "BufferedPaintInit",
                                           "BufferedPaintUnInit", "BeginBufferedPaint",
                                           "EndBufferedPaint", "BufferedPaintSetAlpha"};

class UxThemeTest : public testing::Test, protected theme_test::TGdiCountedTest {
protected:
  static void SetUpTestSuite() { RecordGdiObjects(); }
  static void TearDownTestSuite() { ExpectGdiObjectsUnchanged(); }

  TThemeUnits m_units{TVisualStyles::On};
};

// What the unit binds on this platform (Wine reports Windows 6.1 and offers
// every name).
TEST_F(UxThemeTest, BindsEveryFunctionOfThePlatformsLibrary) {
  EXPECT_TRUE(IsWindowsXPOrLater());
  EXPECT_TRUE(IsThemeLibraryLoaded());
  EXPECT_EQ(BoundEntryPointCount(ThemeBinding().EntryPoints), ThemeEntryPointCount);
}

TEST(UxThemeVersion, WindowsXPIsVersionFiveOne) {
  struct Case {
    DWORD Major, Minor;
    bool XPOrLater;
  };
  const Case cases[] = {{4, 0, false}, {4, 90, false}, {5, 0, false}, {5, 1, true},
                        {5, 2, true},  {6, 0, true},   {6, 1, true},  {10, 0, true}};
  for (const Case& c : cases)
    EXPECT_EQ(IsXPOrLaterVersion(c.Major, c.Minor), c.XPOrLater) << c.Major << "." << c.Minor;
}

// An XP library lacks the Vista functions: those entries stay empty, the
// other 46 are filled; names are asked in the published order.
TEST(UxThemeBinding, LooksEveryNameUpInOrderAndLeavesMissingOnesEmpty) {
  std::vector<std::string> asked;
  static int anyFunction = 0;
  const auto lookup = [&asked](const char* name) -> void* {
    asked.push_back(name);
    return kVistaNames.contains(name) ? nullptr : &anyFunction;
  };
  TdxThemeEntryPoints entryPoints;
  BindThemeEntryPoints(entryPoints, lookup);
  ASSERT_EQ(asked.size(), 52u);
  EXPECT_EQ(asked.front(), "CloseThemeData");
  EXPECT_EQ(asked[44], "OpenThemeData");
  EXPECT_EQ(asked.back(), "BufferedPaintSetAlpha");
  EXPECT_EQ(BoundEntryPointCount(entryPoints), 46);
  EXPECT_EQ(entryPoints.DrawThemeTextEx, nullptr);
  EXPECT_EQ(entryPoints.BeginBufferedPaint, nullptr);
  EXPECT_NE(entryPoints.DrawThemeText, nullptr);
}

// A table without the library: every wrapper answers its failure and calls
// nothing (calling an empty entry would end the program).
TEST(UxThemeBinding, WrappersWithEmptyEntriesAnswerFailure) {
  TdxThemeBindingScope scope(NoVisualStylesBinding());
  EXPECT_FALSE(IsThemeLibraryLoaded());
  HDC dc = nullptr;
  HTHEME theme = nullptr;
  RECT rect{0, 0, 10, 10};
  SIZE size{};
  WORD hit = 7;
  WCHAR buffer[8] = {};
  LOGFONTW font{};
  TEXTMETRICW metrics{};
  DTTOPTS options{};
  const std::vector<std::pair<const char*, HRESULT>> results = {
      {"CloseThemeData", ux::CloseThemeData(theme)},
      {"DrawThemeBackground", ux::DrawThemeBackground(theme, dc, 1, 1, rect, rect)},
      {"DrawThemeEdge", ux::DrawThemeEdge(theme, dc, 1, 1, rect, EDGE_RAISED, BF_RECT)},
      {"DrawThemeIcon", ux::DrawThemeIcon(theme, dc, 1, 1, &rect, nullptr, 0)},
      {"DrawThemeParentBackground", ux::DrawThemeParentBackground(nullptr, dc, rect)},
      {"DrawThemeText", ux::DrawThemeText(theme, dc, 1, 1, "a", -1, 0, 0, rect)},
      {"DrawThemeTextEx", ux::DrawThemeTextEx(theme, dc, 1, 1, u"a", -1, 0, rect, options)},
      {"EnableThemeDialogTexture", ux::EnableThemeDialogTexture(nullptr, 0)},
      {"GetCurrentThemeName", ux::GetCurrentThemeName(buffer, 8, nullptr, 0, nullptr, 0)},
      {"GetThemeBackgroundContentRect",
       ux::GetThemeBackgroundContentRect(theme, dc, 1, 1, &rect, &rect)},
      {"GetThemeBackgroundRegion", ux::GetThemeBackgroundRegion(theme, dc, 1, 1, &rect, nullptr)},
      {"GetThemeBackgroundExtent", ux::GetThemeBackgroundExtent(theme, dc, 1, 1, &rect, &rect)},
      {"GetThemeBool", ux::GetThemeBool(theme, 1, 1, 1, nullptr)},
      {"GetThemeColor", ux::GetThemeColor(theme, 1, 1, 1, nullptr)},
      {"GetThemeDocumentationProperty",
       ux::GetThemeDocumentationProperty(buffer, buffer, buffer, 8)},
      {"GetThemeEnumValue", ux::GetThemeEnumValue(theme, 1, 1, 1, nullptr)},
      {"GetThemeFilename", ux::GetThemeFilename(theme, 1, 1, 1, buffer, 8)},
      {"GetThemeFont", ux::GetThemeFont(theme, dc, 1, 1, 1, font)},
      {"GetThemeInt", ux::GetThemeInt(theme, 1, 1, 1, nullptr)},
      {"GetThemeIntList", ux::GetThemeIntList(theme, 1, 1, 1, nullptr)},
      {"GetThemeMargins", ux::GetThemeMargins(theme, dc, 1, 1, 1, &rect, nullptr)},
      {"GetThemeMetric", ux::GetThemeMetric(theme, dc, 1, 1, 1, nullptr)},
      {"GetThemePartSize", ux::GetThemePartSize(theme, dc, 1, 1, TS_TRUE, size)},
      {"GetThemePosition", ux::GetThemePosition(theme, 1, 1, 1, nullptr)},
      {"GetThemePropertyOrigin", ux::GetThemePropertyOrigin(theme, 1, 1, 1, nullptr)},
      {"GetThemeRect", ux::GetThemeRect(theme, 1, 1, 1, &rect)},
      {"GetThemeString", ux::GetThemeString(theme, 1, 1, 1, buffer, 8)},
      {"GetThemeSysFont", ux::GetThemeSysFont(theme, 1, font)},
      {"GetThemeSysInt", ux::GetThemeSysInt(theme, 1, nullptr)},
      {"GetThemeSysString", ux::GetThemeSysString(theme, 1, buffer, 8)},
      {"GetThemeTextExtent", ux::GetThemeTextExtent(theme, dc, 1, 1, buffer, 0, 0, &rect, &rect)},
      {"GetThemeTextMetrics", ux::GetThemeTextMetrics(theme, dc, 1, 1, metrics)},
      {"HitTestThemeBackground",
       ux::HitTestThemeBackground(theme, dc, 1, 1, 0, &rect, nullptr, POINT{1, 1}, hit)},
      {"SetWindowTheme", ux::SetWindowTheme(nullptr, nullptr, nullptr)},
      {"BufferedPaintInit", ux::BufferedPaintInit()},
      {"BufferedPaintUnInit", ux::BufferedPaintUnInit()},
      {"EndBufferedPaint", ux::EndBufferedPaint(nullptr, FALSE)},
      {"BufferedPaintSetAlpha", ux::BufferedPaintSetAlpha(nullptr, &rect, 255)},
  };
  for (const auto& [name, result] : results)
    EXPECT_EQ(result, E_NOTIMPL) << name;
  EXPECT_EQ(hit, 7);
  ux::SetThemeAppProperties(STAP_ALLOW_NONCLIENT);
  EXPECT_EQ(ux::GetThemeAppProperties(), 0u);
  EXPECT_FALSE(ux::GetThemeSysBool(theme, 1));
  EXPECT_EQ(ux::GetThemeSysColor(theme, 1), 0u);
  EXPECT_EQ(ux::GetThemeSysColorBrush(theme, 1), nullptr);
  EXPECT_EQ(ux::GetThemeSysSize(theme, 1), 0);
  EXPECT_EQ(ux::GetWindowTheme(nullptr), nullptr);
  EXPECT_FALSE(ux::IsAppThemed());
  EXPECT_FALSE(ux::IsThemeActive());
  EXPECT_FALSE(ux::IsThemePartDefined(theme, 1, 1));
  EXPECT_FALSE(ux::IsThemeBackgroundPartiallyTransparent(theme, 1, 1));
  EXPECT_FALSE(ux::IsThemeDialogTextureEnabled(nullptr));
  EXPECT_EQ(ux::OpenThemeData(nullptr, L"Button"), nullptr);
  HDC paintDC = nullptr;
  EXPECT_EQ(ux::BeginBufferedPaint(nullptr, &rect, BPBF_COMPATIBLEBITMAP, nullptr, &paintDC),
            nullptr);
}

// Fakes that record what the wrappers hand on.
struct TForwarded {
  std::u16string Text;
  int Count = 0;
  bool HadRect = false;
  int Calls = 0;
};
TForwarded g_forwarded;

HRESULT WINAPI FakeDrawThemeText(HTHEME, HDC, int, int, LPCWSTR text, int count, DWORD, DWORD,
                                 const RECT*) {
  ++g_forwarded.Calls;
  g_forwarded.Text = reinterpret_cast<const char16_t*>(text);
  g_forwarded.Count = count;
  return S_OK;
}

HRESULT WINAPI FakeGetThemePartSize(HTHEME, HDC, int, int, RECT* rect, THEMESIZE, SIZE* size) {
  g_forwarded.HadRect = rect != nullptr;
  *size = SIZE{13, 13};
  return S_OK;
}

HRESULT WINAPI FakeDrawThemeEdge(HTHEME, HDC, int, int, const RECT* dest, UINT, UINT,
                                 RECT* content) {
  g_forwarded.HadRect = content != nullptr;
  if (content)
    *content = *dest;
  return S_OK;
}

HRESULT WINAPI FakeHitTestThemeBackground(HTHEME, HDC, int, int, DWORD, const RECT*, HRGN,
                                          POINT test, WORD* hitCode) {
  *hitCode = static_cast<WORD>(test.x + test.y);
  return S_OK;
}

HFONT g_foreignFont = nullptr;

HRESULT WINAPI FakeDrawThemeParentBackground(HWND, HDC dc, RECT*) {
  ::SelectObject(dc, g_foreignFont);
  return S_OK;
}

class UxThemeForwarding : public testing::Test {
protected:
  UxThemeForwarding() {
    g_forwarded = {};
    TdxThemeBinding binding = ThemeBinding();
    binding.EntryPoints.DrawThemeText = FakeDrawThemeText;
    binding.EntryPoints.GetThemePartSize = FakeGetThemePartSize;
    binding.EntryPoints.DrawThemeEdge = FakeDrawThemeEdge;
    binding.EntryPoints.HitTestThemeBackground = FakeHitTestThemeBackground;
    binding.EntryPoints.DrawThemeParentBackground = FakeDrawThemeParentBackground;
    m_scope.emplace(binding);
  }

  std::optional<TdxThemeBindingScope> m_scope;
  RECT m_rect{0, 0, 20, 20};
};

// 8-bit text is Windows-1254: Turkish letters arrive as their UTF-16 forms,
// and the character count goes on unchanged.
TEST_F(UxThemeForwarding, EightBitTextReachesTheLibraryAsUtf16) {
  const std::string turkish = "\xFE\xF0\xDD\xFD\xE7\xF6\xFC";  // şğİıçöü
  struct Case {
    int Count;
    HRESULT Result;
    int Calls;
  };
  const Case cases[] = {{-1, S_OK, 1}, {3, S_OK, 1}, {0, S_OK, 1},
                        {7, S_OK, 1},  {8, E_INVALIDARG, 0}, {-2, E_INVALIDARG, 0}};
  for (const Case& c : cases) {
    g_forwarded = {};
    EXPECT_EQ(ux::DrawThemeText(nullptr, nullptr, 1, 1, turkish, c.Count, 0, 0, m_rect), c.Result)
        << c.Count;
    ASSERT_EQ(g_forwarded.Calls, c.Calls) << c.Count;
    if (c.Calls) {
      EXPECT_EQ(g_forwarded.Text, u"\u015F\u011F\u0130\u0131\u00E7\u00F6\u00FC");
      EXPECT_EQ(g_forwarded.Count, c.Count);
    }
  }
}

TEST_F(UxThemeForwarding, ReferenceFormsHandOnTheirRectangles) {
  SIZE size{};
  EXPECT_EQ(ux::GetThemePartSize(nullptr, nullptr, 1, 1, TS_TRUE, size), S_OK);
  EXPECT_FALSE(g_forwarded.HadRect);
  EXPECT_EQ(size.cx, 13);
  EXPECT_EQ(ux::GetThemePartSize(nullptr, nullptr, 1, 1, m_rect, TS_TRUE, size), S_OK);
  EXPECT_TRUE(g_forwarded.HadRect);

  g_forwarded = {};
  EXPECT_EQ(ux::DrawThemeEdge(nullptr, nullptr, 1, 1, m_rect, EDGE_RAISED, BF_RECT), S_OK);
  EXPECT_TRUE(g_forwarded.HadRect);  // received into a scratch rectangle
  RECT content{};
  EXPECT_EQ(ux::DrawThemeEdge(nullptr, nullptr, 1, 1, m_rect, EDGE_RAISED, BF_RECT, content), S_OK);
  EXPECT_EQ(content.right, 20);

  WORD hit = 0;
  EXPECT_EQ(
      ux::HitTestThemeBackground(nullptr, nullptr, 1, 1, 0, &m_rect, nullptr, POINT{3, 4}, hit),
      S_OK);
  EXPECT_EQ(hit, 7);
}

// Whatever the parent's painting selects, the caller's font stays selected.
TEST_F(UxThemeForwarding, ParentBackgroundKeepsTheCallersFont) {
  HDC dc = ::CreateCompatibleDC(nullptr);
  HFONT own = static_cast<HFONT>(::GetStockObject(ANSI_VAR_FONT));
  g_foreignFont = static_cast<HFONT>(::GetStockObject(SYSTEM_FIXED_FONT));
  ::SelectObject(dc, own);
  EXPECT_EQ(ux::DrawThemeParentBackground(nullptr, dc, m_rect), S_OK);
  EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), own);
  ::DeleteDC(dc);
}

// The same with the platform's function and a parent that selects another
// font while it paints the background.
LRESULT CALLBACK FontChangingParent(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_ERASEBKGND || msg == WM_PRINTCLIENT) {
    ::SelectObject(reinterpret_cast<HDC>(wParam), ::GetStockObject(SYSTEM_FIXED_FONT));
    return 1;
  }
  return ::DefWindowProcW(window, msg, wParam, lParam);
}

TEST_F(UxThemeTest, ParentBackgroundOfThePlatformKeepsTheCallersFont) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = FontChangingParent;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"FontChangingParent";
  ::RegisterClassW(&windowClass);
  HWND parent = ::CreateWindowExW(0, L"FontChangingParent", L"", WS_POPUP, 0, 0, 50, 50, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
  HWND child = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 5, 5, 20, 20, parent,
                                 nullptr, windowClass.hInstance, nullptr);
  HDC dc = ::GetDC(child);
  HFONT own = static_cast<HFONT>(::GetStockObject(ANSI_VAR_FONT));
  ::SelectObject(dc, own);
  EXPECT_EQ(ux::DrawThemeParentBackground(child, dc, RECT{0, 0, 20, 20}), S_OK);
  EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), own);
  ::ReleaseDC(child, dc);
  ::DestroyWindow(parent);
  ::UnregisterClassW(L"FontChangingParent", windowClass.hInstance);
}

} // namespace
