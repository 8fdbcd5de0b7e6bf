#include "tests/framework/ThemeTestSupport.h"

#include "framework/dxThemeManager.h"
#include "tests/support/GdiObjects.h"

namespace theme_test {

namespace {

TThemeCallLog* g_log = nullptr;
dxUxTheme::TdxThemeEntryPoints g_platform;

HTHEME WINAPI RecordOpenThemeData(HWND window, LPCWSTR classList) {
  g_log->Opened.push_back(reinterpret_cast<const char16_t*>(classList));
  HTHEME theme = g_platform.OpenThemeData(window, classList);
  if (theme)
    ++g_log->References[theme];
  return theme;
}

HRESULT WINAPI RecordCloseThemeData(HTHEME theme) {
  ++g_log->Closes;
  auto found = g_log->References.find(theme);
  if (found == g_log->References.end())
    ++g_log->BadCloses;
  else if (--found->second == 0)
    g_log->References.erase(found);
  return g_platform.CloseThemeData(theme);
}

BOOL WINAPI RecordIsThemeActive() {
  return g_log->ThemeActive ? *g_log->ThemeActive : g_platform.IsThemeActive();
}

void CopyName(const std::u16string& name, LPWSTR buffer, int length) {
  if (!buffer || length <= 0)
    return;
  const std::size_t count = std::min<std::size_t>(name.size(), length - 1);
  name.copy(reinterpret_cast<char16_t*>(buffer), count);
  buffer[count] = 0;
}

HRESULT WINAPI RecordGetCurrentThemeName(LPWSTR fileName, int fileLength, LPWSTR colorName,
                                         int colorLength, LPWSTR sizeName, int sizeLength) {
  if (!g_log->ThemeFileName)
    return g_platform.GetCurrentThemeName(fileName, fileLength, colorName, colorLength, sizeName,
                                          sizeLength);
  CopyName(*g_log->ThemeFileName, fileName, fileLength);
  CopyName(g_log->ColorName, colorName, colorLength);
  CopyName(u"NormalSize", sizeName, sizeLength);
  return S_OK;
}

dxUxTheme::TdxThemeBinding RecordingBinding() {
  dxUxTheme::TdxThemeBinding binding = dxUxTheme::ThemeBinding();
  g_platform = binding.EntryPoints;
  binding.EntryPoints.OpenThemeData = RecordOpenThemeData;
  binding.EntryPoints.CloseThemeData = RecordCloseThemeData;
  binding.EntryPoints.IsThemeActive = RecordIsThemeActive;
  binding.EntryPoints.GetCurrentThemeName = RecordGetCurrentThemeName;
  return binding;
}

} // namespace

std::ostream& operator<<(std::ostream& out, TVisualStyles styles) {
  return out << (styles == TVisualStyles::On ? "StylesOn" : "StylesForcedOff");
}

std::string StylesName(const testing::TestParamInfo<TVisualStyles>& info) {
  return info.param == TVisualStyles::On ? "StylesOn" : "StylesForcedOff";
}

int TThemeCallLog::OpenReferences() const {
  int count = 0;
  for (const auto& [theme, references] : References)
    count += references;
  return count;
}

bool TThemeCallLog::IsOpen(HTHEME theme) const { return References.contains(theme); }

TThemeUnits::TThemeUnits(TVisualStyles styles) {
  m_library.Start({&dxUxThemeUnit, 1});
  g_log = &m_log;
  m_binding.emplace(styles == TVisualStyles::On ? RecordingBinding()
                                                : dxUxTheme::NoVisualStylesBinding());
  m_units.Start({&dxThemeManagerUnit, 1});
}

TThemeUnits::~TThemeUnits() {
  m_units.Stop();
  m_binding.reset();
  g_log = nullptr;
  m_library.Stop();
}

void TThemeUnits::Start(const TUnitInfo& unit) {
  m_units.Start({&unit, 1});
}

int TGdiCountedTest::s_gdiObjects = 0;

// Wine makes two GDI objects for the process's first window and keeps them:
// one window made and destroyed first keeps them out of the count.
void TGdiCountedTest::RecordGdiObjects() {
  HWND window = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr);
  ::ReleaseDC(window, ::GetDC(window));
  ::DestroyWindow(window);
  s_gdiObjects = CountGdiObjects();
}

void TGdiCountedTest::ExpectGdiObjectsUnchanged() {
  EXPECT_EQ(CountGdiObjects(), s_gdiObjects) << "GDI objects left behind by the group";
}

} // namespace theme_test
