#include "framework/dxUxTheme.h"

#include "platform/rtl/WideText.h"

namespace dxUxTheme {

namespace {

TdxThemeBinding g_binding;

const TdxThemeEntryPoints& Entries() { return g_binding.EntryPoints; }

// Calls a bound entry point, or answers 'fallback' when it is empty.
template <class Entry, class Result, class... Args>
Result Call(Entry entry, Result fallback, Args... args) {
  return entry ? entry(args...) : fallback;
}

template <class Entry>
void Bind(Entry& entry, const TdxThemeEntryLookup& lookup, const char* name) {
  entry = reinterpret_cast<Entry>(lookup(name));
}

bool ReadWindowsXPOrLater() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof(version);
  if (!::GetVersionExA(&version))
    return false;
  return IsXPOrLaterVersion(version.dwMajorVersion, version.dwMinorVersion);
}

void InitializeUxTheme() {
  g_binding = {};
  g_binding.WindowsXPOrLater = ReadWindowsXPOrLater();
  ::InitCommonControls();
  if (!g_binding.WindowsXPOrLater)
    return;
  g_binding.Library = ::LoadLibraryW(L"UxTheme.dll");
  if (!g_binding.Library)
    return;
  HMODULE library = g_binding.Library;
  BindThemeEntryPoints(g_binding.EntryPoints,
                       [library](const char* name) {
                         return reinterpret_cast<void*>(::GetProcAddress(library, name));
                       });
}

void FinalizeUxTheme() {
  if (g_binding.Library)
    ::FreeLibrary(g_binding.Library);
  g_binding = {};
}

} // namespace

void BindThemeEntryPoints(TdxThemeEntryPoints& entryPoints, const TdxThemeEntryLookup& lookup) {
#define DX_THEME_BIND(name) Bind(entryPoints.name, lookup, #name);
  DX_THEME_ENTRY_POINTS(DX_THEME_BIND)
#undef DX_THEME_BIND
}

int BoundEntryPointCount(const TdxThemeEntryPoints& entryPoints) {
  int count = 0;
#define DX_THEME_COUNT(name) count += entryPoints.name != nullptr;
  DX_THEME_ENTRY_POINTS(DX_THEME_COUNT)
#undef DX_THEME_COUNT
  return count;
}

bool IsXPOrLaterVersion(DWORD majorVersion, DWORD minorVersion) {
  return majorVersion > 5 || (majorVersion == 5 && minorVersion >= 1);
}

const TdxThemeBinding& ThemeBinding() { return g_binding; }

TdxThemeBinding NoVisualStylesBinding() {
  TdxThemeBinding binding;
  binding.WindowsXPOrLater = g_binding.WindowsXPOrLater;
  return binding;
}

TdxThemeBindingScope::TdxThemeBindingScope(const TdxThemeBinding& binding) : m_saved(g_binding) {
  g_binding = binding;
}

TdxThemeBindingScope::~TdxThemeBindingScope() { g_binding = m_saved; }

bool IsWindowsXPOrLater() { return g_binding.WindowsXPOrLater; }

bool IsThemeLibraryLoaded() { return g_binding.Library != nullptr; }

HRESULT CloseThemeData(HTHEME theme) { return Call(Entries().CloseThemeData, E_NOTIMPL, theme); }

HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const RECT* rect,
                            const RECT* clipRect) {
  return Call(Entries().DrawThemeBackground, E_NOTIMPL, theme, dc, part, state, rect, clipRect);
}

HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const RECT& rect,
                            const RECT* clipRect) {
  return dxUxTheme::DrawThemeBackground(theme, dc, part, state, &rect, clipRect);
}

HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const RECT& rect,
                            const RECT& clipRect) {
  return dxUxTheme::DrawThemeBackground(theme, dc, part, state, &rect, &clipRect);
}

HRESULT DrawThemeEdge(HTHEME theme, HDC dc, int part, int state, const RECT* destRect, UINT edge,
                      UINT flags, RECT* contentRect) {
  return Call(Entries().DrawThemeEdge, E_NOTIMPL, theme, dc, part, state, destRect, edge, flags,
              contentRect);
}

HRESULT DrawThemeEdge(HTHEME theme, HDC dc, int part, int state, const RECT& destRect, UINT edge,
                      UINT flags, RECT& contentRect) {
  return dxUxTheme::DrawThemeEdge(theme, dc, part, state, &destRect, edge, flags,
                                  &contentRect);
}

HRESULT DrawThemeEdge(HTHEME theme, HDC dc, int part, int state, const RECT& destRect, UINT edge,
                      UINT flags) {
  RECT scratch{};
  return dxUxTheme::DrawThemeEdge(theme, dc, part, state, &destRect, edge, flags, &scratch);
}

HRESULT DrawThemeIcon(HTHEME theme, HDC dc, int part, int state, const RECT* rect,
                      HIMAGELIST images, int imageIndex) {
  return Call(Entries().DrawThemeIcon, E_NOTIMPL, theme, dc, part, state, rect, images,
              imageIndex);
}

HRESULT DrawThemeParentBackground(HWND window, HDC dc, const RECT& rect) {
  HGDIOBJ font = ::GetCurrentObject(dc, OBJ_FONT);
  RECT bounds = rect;
  const HRESULT result = Call(Entries().DrawThemeParentBackground, E_NOTIMPL, window, dc, &bounds);
  ::SelectObject(dc, font);
  return result;
}

HRESULT DrawThemeText(HTHEME theme, HDC dc, int part, int state, const WCHAR* text, int charCount,
                      DWORD textFlags, DWORD textFlags2, const RECT* rect) {
  return Call(Entries().DrawThemeText, E_NOTIMPL, theme, dc, part, state, text, charCount,
              textFlags, textFlags2, rect);
}

HRESULT DrawThemeText(HTHEME theme, HDC dc, int part, int state, std::string_view text,
                      int charCount, DWORD textFlags, DWORD textFlags2, const RECT& rect) {
  // The code page is single-byte: one character per byte either way.
  if (charCount < -1 || charCount > static_cast<int>(text.size()))
    return E_INVALIDARG;
  const std::u16string wide = AnsiToWide(text);
  return dxUxTheme::DrawThemeText(theme, dc, part, state, WidePtr(wide), charCount, textFlags,
                                  textFlags2, &rect);
}

HRESULT DrawThemeTextEx(HTHEME theme, HDC dc, int part, int state, std::u16string_view text,
                        int charCount, DWORD textFlags, RECT& rect, const DTTOPTS& options) {
  if (charCount < -1 || charCount > static_cast<int>(text.size()))
    return E_INVALIDARG;
  const std::u16string terminated(text);
  return Call(Entries().DrawThemeTextEx, E_NOTIMPL, theme, dc, part, state, WidePtr(terminated),
              charCount, textFlags, &rect, &options);
}

HRESULT EnableThemeDialogTexture(HWND window, DWORD flags) {
  return Call(Entries().EnableThemeDialogTexture, E_NOTIMPL, window, flags);
}

HRESULT GetCurrentThemeName(WCHAR* themeFileName, int maxNameChars, WCHAR* colorBuff,
                            int maxColorChars, WCHAR* sizeBuff, int maxSizeChars) {
  return Call(Entries().GetCurrentThemeName, E_NOTIMPL, themeFileName, maxNameChars, colorBuff,
              maxColorChars, sizeBuff, maxSizeChars);
}

DWORD GetThemeAppProperties() { return Call(Entries().GetThemeAppProperties, DWORD{0}); }

HRESULT GetThemeBackgroundContentRect(HTHEME theme, HDC dc, int part, int state,
                                      const RECT* bounds, RECT* contentRect) {
  return Call(Entries().GetThemeBackgroundContentRect, E_NOTIMPL, theme, dc, part, state, bounds,
              contentRect);
}

HRESULT GetThemeBackgroundRegion(HTHEME theme, HDC dc, int part, int state, const RECT* rect,
                                 HRGN* region) {
  return Call(Entries().GetThemeBackgroundRegion, E_NOTIMPL, theme, dc, part, state, rect, region);
}

HRESULT GetThemeBackgroundExtent(HTHEME theme, HDC dc, int part, int state,
                                 const RECT* contentRect, RECT* extentRect) {
  return Call(Entries().GetThemeBackgroundExtent, E_NOTIMPL, theme, dc, part, state, contentRect,
              extentRect);
}

HRESULT GetThemeBool(HTHEME theme, int part, int state, int propId, BOOL* value) {
  return Call(Entries().GetThemeBool, E_NOTIMPL, theme, part, state, propId, value);
}

HRESULT GetThemeColor(HTHEME theme, int part, int state, int propId, COLORREF* color) {
  return Call(Entries().GetThemeColor, E_NOTIMPL, theme, part, state, propId, color);
}

HRESULT GetThemeDocumentationProperty(const WCHAR* themeName, const WCHAR* propertyName,
                                      WCHAR* value, int maxValueChars) {
  return Call(Entries().GetThemeDocumentationProperty, E_NOTIMPL, themeName, propertyName, value,
              maxValueChars);
}

HRESULT GetThemeEnumValue(HTHEME theme, int part, int state, int propId, int* value) {
  return Call(Entries().GetThemeEnumValue, E_NOTIMPL, theme, part, state, propId, value);
}

HRESULT GetThemeFilename(HTHEME theme, int part, int state, int propId, WCHAR* fileName,
                         int maxFileNameChars) {
  return Call(Entries().GetThemeFilename, E_NOTIMPL, theme, part, state, propId, fileName,
              maxFileNameChars);
}

HRESULT GetThemeFont(HTHEME theme, HDC dc, int part, int state, int propId, LOGFONTW& font) {
  return Call(Entries().GetThemeFont, E_NOTIMPL, theme, dc, part, state, propId, &font);
}

HRESULT GetThemeInt(HTHEME theme, int part, int state, int propId, int* value) {
  return Call(Entries().GetThemeInt, E_NOTIMPL, theme, part, state, propId, value);
}

HRESULT GetThemeIntList(HTHEME theme, int part, int state, int propId, INTLIST* intList) {
  return Call(Entries().GetThemeIntList, E_NOTIMPL, theme, part, state, propId, intList);
}

HRESULT GetThemeMargins(HTHEME theme, HDC dc, int part, int state, int propId, RECT* rect,
                        MARGINS* margins) {
  return Call(Entries().GetThemeMargins, E_NOTIMPL, theme, dc, part, state, propId, rect, margins);
}

HRESULT GetThemeMetric(HTHEME theme, HDC dc, int part, int state, int propId, int* value) {
  return Call(Entries().GetThemeMetric, E_NOTIMPL, theme, dc, part, state, propId, value);
}

HRESULT GetThemePartSize(HTHEME theme, HDC dc, int part, int state, RECT* rect, THEMESIZE kind,
                         SIZE* size) {
  return Call(Entries().GetThemePartSize, E_NOTIMPL, theme, dc, part, state, rect, kind, size);
}

HRESULT GetThemePartSize(HTHEME theme, HDC dc, int part, int state, const RECT& rect,
                         THEMESIZE kind, SIZE& size) {
  RECT bounds = rect;
  return dxUxTheme::GetThemePartSize(theme, dc, part, state, &bounds, kind, &size);
}

HRESULT GetThemePartSize(HTHEME theme, HDC dc, int part, int state, THEMESIZE kind, SIZE& size) {
  return dxUxTheme::GetThemePartSize(theme, dc, part, state, nullptr, kind, &size);
}

HRESULT GetThemePosition(HTHEME theme, int part, int state, int propId, POINT* point) {
  return Call(Entries().GetThemePosition, E_NOTIMPL, theme, part, state, propId, point);
}

HRESULT GetThemePropertyOrigin(HTHEME theme, int part, int state, int propId,
                               PROPERTYORIGIN* origin) {
  return Call(Entries().GetThemePropertyOrigin, E_NOTIMPL, theme, part, state, propId, origin);
}

HRESULT GetThemeRect(HTHEME theme, int part, int state, int propId, RECT* rect) {
  return Call(Entries().GetThemeRect, E_NOTIMPL, theme, part, state, propId, rect);
}

HRESULT GetThemeString(HTHEME theme, int part, int state, int propId, WCHAR* buffer,
                       int maxBufferChars) {
  return Call(Entries().GetThemeString, E_NOTIMPL, theme, part, state, propId, buffer,
              maxBufferChars);
}

BOOL GetThemeSysBool(HTHEME theme, int boolId) {
  return Call(Entries().GetThemeSysBool, BOOL{FALSE}, theme, boolId);
}

COLORREF GetThemeSysColor(HTHEME theme, int colorId) {
  return Call(Entries().GetThemeSysColor, COLORREF{0}, theme, colorId);
}

HBRUSH GetThemeSysColorBrush(HTHEME theme, int colorId) {
  return Call(Entries().GetThemeSysColorBrush, HBRUSH{nullptr}, theme, colorId);
}

HRESULT GetThemeSysFont(HTHEME theme, int fontId, LOGFONTW& font) {
  return Call(Entries().GetThemeSysFont, E_NOTIMPL, theme, fontId, &font);
}

HRESULT GetThemeSysInt(HTHEME theme, int intId, int* value) {
  return Call(Entries().GetThemeSysInt, E_NOTIMPL, theme, intId, value);
}

int GetThemeSysSize(HTHEME theme, int sizeId) {
  return Call(Entries().GetThemeSysSize, 0, theme, sizeId);
}

HRESULT GetThemeSysString(HTHEME theme, int stringId, WCHAR* buffer, int maxBufferChars) {
  return Call(Entries().GetThemeSysString, E_NOTIMPL, theme, stringId, buffer, maxBufferChars);
}

HRESULT GetThemeTextExtent(HTHEME theme, HDC dc, int part, int state, const WCHAR* text,
                           int charCount, DWORD textFlags, const RECT* boundingRect,
                           RECT* extentRect) {
  return Call(Entries().GetThemeTextExtent, E_NOTIMPL, theme, dc, part, state, text, charCount,
              textFlags, boundingRect, extentRect);
}

HRESULT GetThemeTextMetrics(HTHEME theme, HDC dc, int part, int state, TEXTMETRICW& metrics) {
  return Call(Entries().GetThemeTextMetrics, E_NOTIMPL, theme, dc, part, state, &metrics);
}

HTHEME GetWindowTheme(HWND window) {
  return Call(Entries().GetWindowTheme, HTHEME{nullptr}, window);
}

HRESULT HitTestThemeBackground(HTHEME theme, HDC dc, int part, int state, DWORD options,
                               const RECT* rect, HRGN region, const POINT& test, WORD& hitCode) {
  return Call(Entries().HitTestThemeBackground, E_NOTIMPL, theme, dc, part, state, options, rect,
              region, test, &hitCode);
}

BOOL IsAppThemed() { return Call(Entries().IsAppThemed, BOOL{FALSE}); }

BOOL IsThemeActive() { return Call(Entries().IsThemeActive, BOOL{FALSE}); }

BOOL IsThemePartDefined(HTHEME theme, int part, int state) {
  return Call(Entries().IsThemePartDefined, BOOL{FALSE}, theme, part, state);
}

BOOL IsThemeBackgroundPartiallyTransparent(HTHEME theme, int part, int state) {
  return Call(Entries().IsThemeBackgroundPartiallyTransparent, BOOL{FALSE}, theme, part, state);
}

BOOL IsThemeDialogTextureEnabled(HWND window) {
  return Call(Entries().IsThemeDialogTextureEnabled, BOOL{FALSE}, window);
}

HTHEME OpenThemeData(HWND window, const WCHAR* classList) {
  return Call(Entries().OpenThemeData, HTHEME{nullptr}, window, classList);
}

void SetThemeAppProperties(DWORD flags) {
  if (Entries().SetThemeAppProperties)
    Entries().SetThemeAppProperties(flags);
}

HRESULT SetWindowTheme(HWND window, const WCHAR* subAppName, const WCHAR* subIdList) {
  return Call(Entries().SetWindowTheme, E_NOTIMPL, window, subAppName, subIdList);
}

HRESULT BufferedPaintInit() { return Call(Entries().BufferedPaintInit, E_NOTIMPL); }

HRESULT BufferedPaintUnInit() { return Call(Entries().BufferedPaintUnInit, E_NOTIMPL); }

HPAINTBUFFER BeginBufferedPaint(HDC target, const RECT* targetRect, BP_BUFFERFORMAT format,
                                BP_PAINTPARAMS* paintParams, HDC* paintDC) {
  return Call(Entries().BeginBufferedPaint, HPAINTBUFFER{nullptr}, target, targetRect, format,
              paintParams, paintDC);
}

HRESULT EndBufferedPaint(HPAINTBUFFER buffer, BOOL updateTarget) {
  return Call(Entries().EndBufferedPaint, E_NOTIMPL, buffer, updateTarget);
}

HRESULT BufferedPaintSetAlpha(HPAINTBUFFER buffer, const RECT* rect, BYTE alpha) {
  return Call(Entries().BufferedPaintSetAlpha, E_NOTIMPL, buffer, rect, alpha);
}

} // namespace dxUxTheme

const TUnitInfo dxUxThemeUnit{"dxUxTheme", dxUxTheme::InitializeUxTheme,
                              dxUxTheme::FinalizeUxTheme};
