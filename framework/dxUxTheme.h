// The library's only road to the platform's visual styles (UxTheme.dll).
//
// Nothing is imported: at start-up the unit tests the system's version, loads
// the library on Windows XP (5.1) or later and looks each of its functions up
// by name. The wrappers below, in namespace dxUxTheme under the functions' own
// names, call through that table; a wrapper whose entry point is empty (an
// older library, or a Vista function on XP) does not call it and answers a
// failure: E_NOTIMPL, FALSE, 0 or a null handle.
//
// The wrappers are called qualified (dxUxTheme::DrawThemeBackground): the
// platform's header declares the same names in the global namespace, and a
// call found there would not link, as no import of the library exists.
//
// Tests replace the table with TdxThemeBindingScope: a table without the
// library runs the library as on a system without visual styles.
//
// Checked under Wine 8.0 (fresh prefix): version 6.1, the library loads and
// all 52 names bind; IsThemeActive answers true with the theme
// "light.msstyles", colour "Blue", size "NormalSize".
#pragma once

#include "platform/rtl/UnitStartup.h"
#include "platform/rtl/WinApi.h"

#include <commctrl.h>
#include <functional>
#include <string_view>
#include <uxtheme.h>

// The bound functions, in the order in which they are looked up.
#define DX_THEME_ENTRY_POINTS(X)                                                                 \
  X(CloseThemeData) X(DrawThemeBackground) X(DrawThemeEdge) X(DrawThemeIcon)                     \
  X(DrawThemeParentBackground) X(DrawThemeText) X(DrawThemeTextEx) X(EnableThemeDialogTexture)   \
  X(GetCurrentThemeName) X(GetThemeAppProperties) X(GetThemeBackgroundContentRect)               \
  X(GetThemeBackgroundRegion) X(GetThemeBackgroundExtent) X(GetThemeBool) X(GetThemeColor)       \
  X(GetThemeDocumentationProperty) X(GetThemeEnumValue) X(GetThemeFilename) X(GetThemeFont)      \
  X(GetThemeInt) X(GetThemeIntList) X(GetThemeMargins) X(GetThemeMetric) X(GetThemePartSize)     \
  X(GetThemePosition) X(GetThemePropertyOrigin) X(GetThemeRect) X(GetThemeString)                \
  X(GetThemeSysBool) X(GetThemeSysColor) X(GetThemeSysColorBrush) X(GetThemeSysFont)             \
  X(GetThemeSysInt) X(GetThemeSysSize) X(GetThemeSysString) X(GetThemeTextExtent)                \
  X(GetThemeTextMetrics) X(GetWindowTheme) X(HitTestThemeBackground) X(IsAppThemed)              \
  X(IsThemeActive) X(IsThemePartDefined) X(IsThemeBackgroundPartiallyTransparent)                \
  X(IsThemeDialogTextureEnabled) X(OpenThemeData) X(SetThemeAppProperties) X(SetWindowTheme)     \
  X(BufferedPaintInit) X(BufferedPaintUnInit) X(BeginBufferedPaint) X(EndBufferedPaint)          \
  X(BufferedPaintSetAlpha)

// The record types keep the names the interface publishes them under.
using PDTOPTS = DTTOPTS*;
using PBPPaintParams = BP_PAINTPARAMS*;

namespace dxUxTheme {

// One function pointer per bound function; empty where the library lacks it.
struct TdxThemeEntryPoints {
#define DX_THEME_ENTRY_FIELD(name) decltype(&::name) name = nullptr;
  DX_THEME_ENTRY_POINTS(DX_THEME_ENTRY_FIELD)
#undef DX_THEME_ENTRY_FIELD
};

constexpr int ThemeEntryPointCount = 52;

// What the unit found at start-up.
struct TdxThemeBinding {
  bool WindowsXPOrLater = false;
  HMODULE Library = nullptr;
  TdxThemeEntryPoints EntryPoints;
};

// The address of a function of the library by name, or nothing.
using TdxThemeEntryLookup = std::function<void*(const char* name)>;

// Fills every entry point with what 'lookup' answers for its name, in the
// order of the list above.
void BindThemeEntryPoints(TdxThemeEntryPoints& entryPoints, const TdxThemeEntryLookup& lookup);
// The number of entry points that are filled.
int BoundEntryPointCount(const TdxThemeEntryPoints& entryPoints);
// Windows XP is version 5.1.
bool IsXPOrLaterVersion(DWORD majorVersion, DWORD minorVersion);

// The table the wrappers call through.
const TdxThemeBinding& ThemeBinding();
// The table of a system without the visual-styles library: the version flag
// as found at start-up, no library, no entry points.
TdxThemeBinding NoVisualStylesBinding();

// Replaces the unit's table while it lives (tests), then puts it back.
class TdxThemeBindingScope {
public:
  explicit TdxThemeBindingScope(const TdxThemeBinding& binding);
  ~TdxThemeBindingScope();
  TdxThemeBindingScope(const TdxThemeBindingScope&) = delete;
  TdxThemeBindingScope& operator=(const TdxThemeBindingScope&) = delete;

private:
  TdxThemeBinding m_saved;
};

bool IsWindowsXPOrLater();
bool IsThemeLibraryLoaded();

HRESULT CloseThemeData(HTHEME theme);
HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const RECT* rect,
                            const RECT* clipRect);
HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const RECT& rect,
                            const RECT* clipRect);
HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const RECT& rect,
                            const RECT& clipRect);
HRESULT DrawThemeEdge(HTHEME theme, HDC dc, int part, int state, const RECT* destRect, UINT edge,
                      UINT flags, RECT* contentRect);
HRESULT DrawThemeEdge(HTHEME theme, HDC dc, int part, int state, const RECT& destRect, UINT edge,
                      UINT flags, RECT& contentRect);
// The content rectangle is received and dropped.
HRESULT DrawThemeEdge(HTHEME theme, HDC dc, int part, int state, const RECT& destRect, UINT edge,
                      UINT flags);
HRESULT DrawThemeIcon(HTHEME theme, HDC dc, int part, int state, const RECT* rect,
                      HIMAGELIST images, int imageIndex);
// Keeps the font selected into 'dc': whatever the parent's painting selects
// is undone afterwards.
HRESULT DrawThemeParentBackground(HWND window, HDC dc, const RECT& rect);
HRESULT DrawThemeText(HTHEME theme, HDC dc, int part, int state, const WCHAR* text, int charCount,
                      DWORD textFlags, DWORD textFlags2, const RECT* rect);
// 8-bit text (Windows-1254, as all of the program's text), converted to
// UTF-16; 'charCount' is -1 for the whole text, else at most its length
// (anything else answers E_INVALIDARG and draws nothing).
HRESULT DrawThemeText(HTHEME theme, HDC dc, int part, int state, std::string_view text,
                      int charCount, DWORD textFlags, DWORD textFlags2, const RECT& rect);
HRESULT DrawThemeTextEx(HTHEME theme, HDC dc, int part, int state, std::u16string_view text,
                        int charCount, DWORD textFlags, RECT& rect, const DTTOPTS& options);
HRESULT EnableThemeDialogTexture(HWND window, DWORD flags);
// Each (buffer, length in characters) pair may be (nullptr, 0).
HRESULT GetCurrentThemeName(WCHAR* themeFileName, int maxNameChars, WCHAR* colorBuff,
                            int maxColorChars, WCHAR* sizeBuff, int maxSizeChars);
DWORD GetThemeAppProperties();
HRESULT GetThemeBackgroundContentRect(HTHEME theme, HDC dc, int part, int state,
                                      const RECT* bounds, RECT* contentRect);
HRESULT GetThemeBackgroundRegion(HTHEME theme, HDC dc, int part, int state, const RECT* rect,
                                 HRGN* region);
HRESULT GetThemeBackgroundExtent(HTHEME theme, HDC dc, int part, int state,
                                 const RECT* contentRect, RECT* extentRect);
HRESULT GetThemeBool(HTHEME theme, int part, int state, int propId, BOOL* value);
HRESULT GetThemeColor(HTHEME theme, int part, int state, int propId, COLORREF* color);
HRESULT GetThemeDocumentationProperty(const WCHAR* themeName, const WCHAR* propertyName,
                                      WCHAR* value, int maxValueChars);
HRESULT GetThemeEnumValue(HTHEME theme, int part, int state, int propId, int* value);
HRESULT GetThemeFilename(HTHEME theme, int part, int state, int propId, WCHAR* fileName,
                         int maxFileNameChars);
HRESULT GetThemeFont(HTHEME theme, HDC dc, int part, int state, int propId, LOGFONTW& font);
HRESULT GetThemeInt(HTHEME theme, int part, int state, int propId, int* value);
HRESULT GetThemeIntList(HTHEME theme, int part, int state, int propId, INTLIST* intList);
HRESULT GetThemeMargins(HTHEME theme, HDC dc, int part, int state, int propId, RECT* rect,
                        MARGINS* margins);
HRESULT GetThemeMetric(HTHEME theme, HDC dc, int part, int state, int propId, int* value);
HRESULT GetThemePartSize(HTHEME theme, HDC dc, int part, int state, RECT* rect, THEMESIZE kind,
                         SIZE* size);
HRESULT GetThemePartSize(HTHEME theme, HDC dc, int part, int state, const RECT& rect,
                         THEMESIZE kind, SIZE& size);
// Without a rectangle.
HRESULT GetThemePartSize(HTHEME theme, HDC dc, int part, int state, THEMESIZE kind, SIZE& size);
HRESULT GetThemePosition(HTHEME theme, int part, int state, int propId, POINT* point);
HRESULT GetThemePropertyOrigin(HTHEME theme, int part, int state, int propId,
                               PROPERTYORIGIN* origin);
HRESULT GetThemeRect(HTHEME theme, int part, int state, int propId, RECT* rect);
HRESULT GetThemeString(HTHEME theme, int part, int state, int propId, WCHAR* buffer,
                       int maxBufferChars);
BOOL GetThemeSysBool(HTHEME theme, int boolId);
COLORREF GetThemeSysColor(HTHEME theme, int colorId);
HBRUSH GetThemeSysColorBrush(HTHEME theme, int colorId);
HRESULT GetThemeSysFont(HTHEME theme, int fontId, LOGFONTW& font);
HRESULT GetThemeSysInt(HTHEME theme, int intId, int* value);
int GetThemeSysSize(HTHEME theme, int sizeId);
HRESULT GetThemeSysString(HTHEME theme, int stringId, WCHAR* buffer, int maxBufferChars);
HRESULT GetThemeTextExtent(HTHEME theme, HDC dc, int part, int state, const WCHAR* text,
                           int charCount, DWORD textFlags, const RECT* boundingRect,
                           RECT* extentRect);
HRESULT GetThemeTextMetrics(HTHEME theme, HDC dc, int part, int state, TEXTMETRICW& metrics);
HTHEME GetWindowTheme(HWND window);
HRESULT HitTestThemeBackground(HTHEME theme, HDC dc, int part, int state, DWORD options,
                               const RECT* rect, HRGN region, const POINT& test, WORD& hitCode);
BOOL IsAppThemed();
BOOL IsThemeActive();
BOOL IsThemePartDefined(HTHEME theme, int part, int state);
BOOL IsThemeBackgroundPartiallyTransparent(HTHEME theme, int part, int state);
BOOL IsThemeDialogTextureEnabled(HWND window);
HTHEME OpenThemeData(HWND window, const WCHAR* classList);
void SetThemeAppProperties(DWORD flags);
HRESULT SetWindowTheme(HWND window, const WCHAR* subAppName, const WCHAR* subIdList);
HRESULT BufferedPaintInit();
HRESULT BufferedPaintUnInit();
HPAINTBUFFER BeginBufferedPaint(HDC target, const RECT* targetRect, BP_BUFFERFORMAT format,
                                BP_PAINTPARAMS* paintParams, HDC* paintDC);
HRESULT EndBufferedPaint(HPAINTBUFFER buffer, BOOL updateTarget);
HRESULT BufferedPaintSetAlpha(HPAINTBUFFER buffer, const RECT* rect, BYTE alpha);

} // namespace dxUxTheme

// Tests the version, initialises the common controls (on every system),
// loads the library and binds its functions; frees the library at the end.
extern const TUnitInfo dxUxThemeUnit;
