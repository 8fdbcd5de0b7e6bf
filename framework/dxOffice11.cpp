#include "framework/dxOffice11.h"

#include <algorithm>
#include <string>

#include "framework/dxThemeManager.h"
#include "platform/rtl/AnsiStrings.h"
#include "platform/rtl/WideText.h"

TColor dxOffice11ToolbarsColor1, dxOffice11ToolbarsColor2;
TColor dxOffice11DockColor1, dxOffice11DockColor2;
std::array<TColor, 3> dxOffice11BarMarkColors1, dxOffice11BarMarkColors2;
std::array<TColor, 2> dxOffice11BarBorderColors;
std::array<TColor, 6> dxOffice11BarBorderMarkColors;
TColor dxOffice11BarMarkArrowColor1, dxOffice11BarMarkArrowColor2;
TColor dxOffice11BarFingerColor1, dxOffice11BarFingerColor2;
TColor dxOffice11BarSeparatorColor1, dxOffice11BarSeparatorColor2;
TColor dxOffice11BarFloatingBorderColor1, dxOffice11BarFloatingBorderColor2,
    dxOffice11BarFloatingBorderColor3;
TColor dxOffice11BarFloatingCaptionColor;
TColor dxOffice11BarFloatingCaptionTextColor1, dxOffice11BarFloatingCaptionTextColor2,
    dxOffice11BarFloatingCaptionTextColor3;
TColor dxOffice11DropDownBorderColor1, dxOffice11DropDownBorderColor2;
TColor dxOffice11MenuColor;
TColor dxOffice11MenuDownedColor1, dxOffice11MenuDownedColor2;
TColor dxOffice11MenuIndentColor1, dxOffice11MenuIndentColor2;
TColor dxOffice11MenuNonRecentIndentColor1, dxOffice11MenuNonRecentIndentColor2;
TColor dxOffice11ToolbarSelectedColor;
TColor dxOffice11SelectedBorderColor;
TColor dxOffice11SelectedColor1, dxOffice11SelectedColor2;
TColor dxOffice11SelectedDownColor1, dxOffice11SelectedDownColor2;
TColor dxOffice11OwnerControlDownedColor;
TColor dxOffice11DownedColor, dxOffice11DownedSelectedColor;
TColor dxOffice11DetachableColor, dxOffice11DetachableSelectedColor;
TColor dxOffice11TextEnabledColor, dxOffice11TextDisabledColor;
TColor dxOffice11StaticBorderColor, dxOffice11ControlBorderColor;
TColor dxOffice11GroupColor, dxOffice11GroupIndentColor;
TColor dxOffice11GroupRowSeparatorColor, dxOffice11GroupRowTextColor;
TColor dxOffice11DayNavigatorSelectedColor, dxOffice11DateHeaderColor;
TColor dxOffice11OutlookControlColor, dxOffice11OutlookBorderColor;
TColor dxOffice11InPlaceSubItemColor, dxOffice11InPlaceSubItemTextColor;
TColor dxOffice11NavPaneBorder;
TColor dxOffice11NavPaneGroupCaptionColor1, dxOffice11NavPaneGroupCaptionColor2;
TColor dxOffice11NavPaneGroupCaptionHotColor1, dxOffice11NavPaneGroupCaptionHotColor2;
TColor dxOffice11NavPaneGroupCaptionPressedColor1, dxOffice11NavPaneGroupCaptionPressedColor2;
TColor dxOffice11NavPaneGroupCaptionPressedHotColor1,
    dxOffice11NavPaneGroupCaptionPressedHotColor2;
TColor dxOffice11NavPaneHeaderColor1, dxOffice11NavPaneHeaderColor2;
TColor dxOffice11NavPaneHeaderFontColor;
TColor dxOffice11NavPaneSplitterColor1, dxOffice11NavPaneSplitterColor2;
TColor dxOffice11ExpandButtonColor1, dxOffice11ExpandButtonColor2;

HBRUSH dxOffice11BarFingerBrush1, dxOffice11BarFingerBrush2;
HBRUSH dxOffice11BarSeparatorBrush1, dxOffice11BarSeparatorBrush2;
HBRUSH dxOffice11DropDownBorderBrush1, dxOffice11DropDownBorderBrush2;
HBRUSH dxOffice11MenuBrush;
HBRUSH dxOffice11SelectedBorderBrush;
HBRUSH dxOffice11OwnerControlDownedBrush;
HBRUSH dxOffice11DownedBrush, dxOffice11DownedSelectedBrush;
HBRUSH dxOffice11DetachableBrush, dxOffice11DetachableSelectedBrush;
HBRUSH dxOffice11ToolbarSelectedBrush;
HBRUSH dxOffice11StaticBorderBrush;
HBRUSH dxOffice11InPlaceSubItemBrush;

TBitmap* dxOffice11SubMenuExpandBitmap;
TBitmap* dxOffice11ExpandButtonBitmap1;
TBitmap* dxOffice11ExpandButtonBitmap2;

namespace {

constexpr int kThemeNameLength = 1024;

TOffice11Scheme g_scheme = TOffice11Scheme::schUnknown;
bool g_xpStandardScheme = false;
int g_tubeGradientPercent = 75;
int g_colorUsers = 0;

// ---- the scheme

TOffice11Scheme DetectOffice11Scheme() {
  if (!AreVisualStylesAvailable())
    return TOffice11Scheme::schUnknown;
  std::u16string fileName(kThemeNameLength, u'\0');
  std::u16string colorName(kThemeNameLength, u'\0');
  std::u16string sizeName(kThemeNameLength, u'\0');
  if (dxUxTheme::GetCurrentThemeName(WidePtr(fileName), kThemeNameLength, WidePtr(colorName),
                                     kThemeNameLength, WidePtr(sizeName),
                                     kThemeNameLength) != S_OK)
    return TOffice11Scheme::schUnknown;
  if (dxThemeManager_detail::ThemeFileName(WidePtr(fileName)) != "LUNA.MSSTYLES")
    return TOffice11Scheme::schUnknown;
  // Scheme names are identifiers: ASCII casing ("Metallic" must not become
  // "METALLİC" under a Turkish locale).
  const std::string color = UpperCase(WideToAnsi(WidePtr(colorName)));
  if (color == "NORMALCOLOR")
    return TOffice11Scheme::schNormalColor;
  if (color == "HOMESTEAD")
    return TOffice11Scheme::schHomestead;
  if (color == "METALLIC")
    return TOffice11Scheme::schMetallic;
  return TOffice11Scheme::schUnknown;
}

// ---- the colours of the three Luna schemes

struct TSchemeColors {
  TColor* Variable;
  TColor NormalColor, Homestead, Metallic;
};

const TSchemeColors kSchemeColors[] = {
    {&dxOffice11ToolbarsColor1, 0xFEECDD, 0xDEF7F4, 0xFAF4F3},
    {&dxOffice11ToolbarsColor2, 0xE2A981, 0x91C6B7, 0xB59799},
    {&dxOffice11DockColor1, 0xF5BE9E, 0xA7D9D9, 0xE5D7D7},
    {&dxOffice11DockColor2, 0xF9DAC3, 0xE4F0F2, 0xF7F3F3},
    {&dxOffice11BarMarkColors2[0], 0x913500, 0x6B7760, 0x927476},
    {&dxOffice11BarMarkColors1[0], 0xF1A675, 0x8CC2B0, 0xC8B2B3},
    {&dxOffice11BarMarkColors2[1], 0x76C1FF, 0x76C1FF, 0x76C1FF},
    {&dxOffice11BarMarkColors1[1], 0xD3F8FF, 0xD3F8FF, 0xD3F8FF},
    {&dxOffice11BarMarkColors2[2], 0x98DDFF, 0x98DDFF, 0x98DDFF},
    {&dxOffice11BarMarkColors1[2], 0x5295FE, 0x5295FE, 0x5295FE},
    {&dxOffice11BarBorderColors[0], 0x9C613B, 0x588060, 0x947C7C},
    {&dxOffice11BarBorderColors[1], 0xE0A47B, 0x8FC4B5, 0xB09193},
    {&dxOffice11BarFingerColor1, 0x764127, 0x335E51, 0x755454},
    {&dxOffice11BarFingerColor2, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF},
    {&dxOffice11BarSeparatorColor1, 0xCB8C6A, 0x588060, 0x8F6D6E},
    {&dxOffice11BarSeparatorColor2, 0xFFF9F1, 0xDEF7F4, 0xFFFFFF},
    {&dxOffice11BarFloatingBorderColor1, 0xC9662A, 0x5E8674, 0x99797A},
    {&dxOffice11BarFloatingBorderColor2, 0xF9DBC4, 0xADDEE1, 0xE4DADB},
    {&dxOffice11DropDownBorderColor1, 0x962D00, 0x5E8D75, 0x947C7C},
    {&dxOffice11MenuColor, 0xF6F6F6, 0xEEF4F4, 0xFFFAFD},
    {&dxOffice11ToolbarSelectedColor, 0xC2EEFF, 0xC2EEFF, 0xC2EEFF},
    {&dxOffice11SelectedBorderColor, 0x800000, 0x385D3F, 0x6F4B4B},
    {&dxOffice11SelectedColor1, 0xCCF4FF, 0xCCF4FF, 0xCCF4FF},
    {&dxOffice11SelectedColor2, 0x91D0FF, 0x91D0FF, 0x91D0FF},
    {&dxOffice11SelectedDownColor1, 0x8ED3FF, 0x8ED3FF, 0x8ED3FF},
    {&dxOffice11SelectedDownColor2, 0x4E91FE, 0x4E91FE, 0x4E91FE},
    {&dxOffice11OwnerControlDownedColor, 0xFCE1CB, 0xB6E3D8, 0xE7D3D6},
    {&dxOffice11DownedColor, 0x6FC0FF, 0x6FC0FF, 0x6FC0FF},
    {&dxOffice11DownedSelectedColor, 0x3E80FE, 0x3E80FE, 0x3E80FE},
    {&dxOffice11DetachableColor, 0xF0C7A9, 0x9FD4C5, 0xD3C0C0},
    {&dxOffice11TextEnabledColor, 0x000000, 0x000000, 0x000000},
    {&dxOffice11TextDisabledColor, 0x8D8D8D, 0x8D8D8D, 0x8D8D8D},
    {&dxOffice11GroupColor, 0xFBDABE, 0x91BAAF, 0xEBE5E5},
    {&dxOffice11DayNavigatorSelectedColor, 0x94E6FB, 0x94E6FB, 0x94E6FB},
    {&dxOffice11OutlookControlColor, 0xFADAC4, 0xE4F1F2, 0xF7F3F3},
    {&dxOffice11OutlookBorderColor, 0x962D00, 0x588060, 0x947C7C},
    {&dxOffice11GroupRowTextColor, 0xB96837, 0x548973, 0x916F70},
    {&dxOffice11NavPaneBorder, 0x962D00, 0x5E8D75, 0x947C7C},
    {&dxOffice11NavPaneGroupCaptionColor1, 0xFBE5D3, 0xDBF5F2, 0xF8F1F0},
    {&dxOffice11NavPaneGroupCaptionColor2, 0xE4AE88, 0x97C9BC, 0xBA9EA0},
    {&dxOffice11NavPaneGroupCaptionHotColor1, 0xDCFFFF, 0xDCFFFF, 0xDCFFFF},
    {&dxOffice11NavPaneGroupCaptionHotColor2, 0x5BC0F7, 0x5BC0F7, 0x5BC0F7},
    {&dxOffice11NavPaneGroupCaptionPressedColor1, 0x94E6FB, 0x94E6FB, 0x94E6FB},
    {&dxOffice11NavPaneGroupCaptionPressedColor2, 0x1595EE, 0x1595EE, 0x1595EE},
    {&dxOffice11NavPaneGroupCaptionPressedHotColor1, 0x087FE8, 0x087FE8, 0x087FE8},
    {&dxOffice11NavPaneGroupCaptionPressedHotColor2, 0x7CDAF7, 0x7CDAF7, 0x7CDAF7},
    {&dxOffice11NavPaneHeaderColor1, 0xD68759, 0x82C0AF, 0xBFA7A8},
    {&dxOffice11NavPaneHeaderColor2, 0x933803, 0x447A63, 0x916F70},
    {&dxOffice11NavPaneHeaderFontColor, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF},
};

void TakeSchemeColors(TOffice11Scheme scheme) {
  for (const TSchemeColors& entry : kSchemeColors)
    switch (scheme) {
    case TOffice11Scheme::schHomestead:
      *entry.Variable = entry.Homestead;
      break;
    case TOffice11Scheme::schMetallic:
      *entry.Variable = entry.Metallic;
      break;
    default:
      *entry.Variable = entry.NormalColor;
      break;
    }
  g_tubeGradientPercent = scheme == TOffice11Scheme::schNormalColor ? 41
                          : scheme == TOffice11Scheme::schHomestead ? 125
                                                                    : 40;
  for (int i = 0; i < 3; ++i) {
    dxOffice11BarBorderMarkColors[i] =
        GetMiddleRGB(dxOffice11BarMarkColors1[i], dxOffice11ToolbarsColor1, 90);
    dxOffice11BarBorderMarkColors[i + 3] =
        GetMiddleRGB(dxOffice11BarMarkColors2[i], dxOffice11BarBorderColors[1], 50);
  }
  dxOffice11BarMarkArrowColor1 = clBlack;
  dxOffice11BarMarkArrowColor2 = clWhite;
  dxOffice11BarFloatingCaptionTextColor1 = clWhite;
  dxOffice11BarFloatingCaptionTextColor2 = clBlack;
  dxOffice11BarFloatingCaptionTextColor3 = clBlack;
  dxOffice11GroupIndentColor = 0xC9EEFD;
  dxOffice11GroupRowSeparatorColor = dxOffice11BarBorderColors[1];
  dxOffice11NavPaneSplitterColor1 = dxOffice11NavPaneHeaderColor1;
  dxOffice11NavPaneSplitterColor2 = dxOffice11NavPaneHeaderColor2;
}

// ---- the colours mixed from the system colours

TColor LightNearest(int btnFacePart, int highlightPart, int windowPart) {
  return GetRealColor(GetLightColor(btnFacePart, highlightPart, windowPart));
}

// The navigation pane's caption colours, channel by channel from the button
// face (integer division), then the nearest colour.
TColor NavPaneCaptionColor(bool light) {
  const TColor face = ColorToRGB(clBtnFace);
  TColor result = 0;
  for (int i = 0; i < 3; ++i) {
    const int c = (face >> (8 * i)) & 0xFF;
    const int value = light ? c * 127 / 255 + 128 : c - c * 4 / 255 + 4;
    result |= value << (8 * i);
  }
  return GetRealColor(result);
}

void MixBarColors() {
  dxOffice11ToolbarsColor1 = GetMiddleRGB(clBtnFace, clWindow, 22);
  dxOffice11ToolbarsColor2 = GetMiddleRGB(clBtnFace, clWindow, 96);
  dxOffice11DockColor1 = ColorToRGB(clBtnFace);
  dxOffice11DockColor2 = GetMiddleRGB(clBtnFace, clWindow, 20);
  dxOffice11BarMarkColors2[0] = ColorToRGB(clBtnShadow);
  dxOffice11BarMarkColors1[0] = GetMiddleRGB(clBtnShadow, clWindow, 74);
  dxOffice11BarMarkColors1[1] = LightNearest(-15, 29, 86);
  dxOffice11BarMarkColors2[1] = dxOffice11BarMarkColors1[1];
  dxOffice11BarMarkColors1[2] = LightNearest(42, 11, 47);
  dxOffice11BarMarkColors2[2] = dxOffice11BarMarkColors1[2];
  dxOffice11BarBorderColors[0] = GetMiddleRGB(clBtnFace, clWindow, 85);
  dxOffice11BarBorderColors[1] = ColorToRGB(clBtnFace);
  dxOffice11BarFingerColor1 = GetMiddleRGB(clBtnShadow, clWindow, 76);
  dxOffice11BarFingerColor2 = ColorToRGB(clWindow);
  dxOffice11BarSeparatorColor1 = GetMiddleRGB(clBtnShadow, clWindow, 70);
  dxOffice11BarSeparatorColor2 = clWhite;
  dxOffice11BarFloatingBorderColor1 = ColorToRGB(clBtnShadow);
  dxOffice11BarFloatingBorderColor2 = dxOffice11ToolbarsColor2;
  dxOffice11DropDownBorderColor1 = ColorToRGB(clBtnShadow);
  dxOffice11MenuColor = ColorToRGB(clWindow);
}

void MixItemColors() {
  dxOffice11ToolbarSelectedColor = LightNearest(-2, 30, 72);
  dxOffice11SelectedBorderColor = ColorToRGB(clHighlight);
  dxOffice11SelectedColor1 = dxOffice11ToolbarSelectedColor;
  dxOffice11SelectedColor2 = dxOffice11ToolbarSelectedColor;
  dxOffice11DownedColor = GetLightColor(41, 11, 48);
  dxOffice11DownedSelectedColor = LightNearest(14, 44, 40);
  dxOffice11SelectedDownColor1 = dxOffice11DownedSelectedColor;
  dxOffice11SelectedDownColor2 = dxOffice11DownedSelectedColor;
  dxOffice11OwnerControlDownedColor = dxOffice11ToolbarsColor2;
  dxOffice11DetachableColor = dxOffice11OwnerControlDownedColor;
  dxOffice11TextEnabledColor = ColorToRGB(clBtnText);
  dxOffice11TextDisabledColor = ColorToRGB(clGrayText);
  dxOffice11GroupColor = ColorToRGB(clBtnFace);
  dxOffice11DayNavigatorSelectedColor = dxOffice11DownedColor;
  dxOffice11OutlookControlColor = dxOffice11DockColor1;
  dxOffice11OutlookBorderColor = dxOffice11DropDownBorderColor1;
  dxOffice11GroupRowTextColor = ColorToRGB(clBtnShadow);
}

void MixNavPaneColors() {
  dxOffice11NavPaneBorder = GetRealColor(clBtnShadow);
  dxOffice11NavPaneGroupCaptionColor1 = NavPaneCaptionColor(true);
  dxOffice11NavPaneGroupCaptionColor2 = NavPaneCaptionColor(false);
  dxOffice11NavPaneGroupCaptionHotColor1 = dxOffice11SelectedColor1;
  dxOffice11NavPaneGroupCaptionHotColor2 = dxOffice11SelectedColor2;
  dxOffice11NavPaneGroupCaptionPressedColor1 = dxOffice11DownedColor;
  dxOffice11NavPaneGroupCaptionPressedColor2 = dxOffice11DownedColor;
  dxOffice11NavPaneGroupCaptionPressedHotColor1 = dxOffice11DownedSelectedColor;
  dxOffice11NavPaneGroupCaptionPressedHotColor2 = dxOffice11DownedSelectedColor;
  dxOffice11NavPaneHeaderColor1 = dxOffice11NavPaneBorder;
  dxOffice11NavPaneHeaderColor2 = dxOffice11NavPaneBorder;
  dxOffice11NavPaneHeaderFontColor = ColorToRGB(clHighlightText);
  dxOffice11NavPaneSplitterColor1 = GetRealColor(clBtnFace);
  dxOffice11NavPaneSplitterColor2 = dxOffice11NavPaneBorder;
}

void MixSystemColors() {
  MixBarColors();
  MixItemColors();
  MixNavPaneColors();
  g_tubeGradientPercent = 75;
  for (int i = 0; i < 3; ++i) {
    dxOffice11BarBorderMarkColors[i] = GetMiddleRGB(dxOffice11BarMarkColors2[i], clWindow, 50);
    dxOffice11BarBorderMarkColors[i + 3] =
        GetMiddleRGB(dxOffice11BarMarkColors2[i], dxOffice11BarBorderColors[1], 50);
  }
  dxOffice11BarMarkArrowColor1 = ColorToRGB(clBtnText);
  dxOffice11BarMarkArrowColor2 = ColorToRGB(clWindow);
  dxOffice11BarFloatingCaptionTextColor1 = ColorToRGB(clBtnHighlight);
  dxOffice11BarFloatingCaptionTextColor2 = ColorToRGB(clBtnText);
  dxOffice11BarFloatingCaptionTextColor3 = ColorToRGB(clBtnText);
  dxOffice11GroupIndentColor = ColorToRGB(clBtnFace);
  dxOffice11GroupRowSeparatorColor = ColorToRGB(clBtnShadow);
}

// The colours both ways share, derived from the others.
void DeriveCommonColors() {
  dxOffice11BarFloatingBorderColor3 = dxOffice11ToolbarsColor1;
  dxOffice11BarFloatingCaptionColor = dxOffice11BarFloatingBorderColor1;
  dxOffice11DropDownBorderColor2 = dxOffice11MenuColor;
  dxOffice11MenuDownedColor1 = dxOffice11ToolbarsColor1;
  dxOffice11MenuIndentColor1 = dxOffice11ToolbarsColor1;
  dxOffice11MenuDownedColor2 = dxOffice11ToolbarsColor2;
  dxOffice11MenuIndentColor2 = dxOffice11ToolbarsColor2;
  dxOffice11MenuNonRecentIndentColor1 = GetMiddleRGB(dxOffice11MenuIndentColor1, clBlack, 92);
  dxOffice11MenuNonRecentIndentColor2 = GetMiddleRGB(dxOffice11MenuIndentColor2, clBlack, 92);
  dxOffice11DetachableSelectedColor = dxOffice11ToolbarSelectedColor;
  dxOffice11StaticBorderColor = dxOffice11DropDownBorderColor1;
  dxOffice11ControlBorderColor = dxOffice11DropDownBorderColor1;
  dxOffice11DateHeaderColor = dxOffice11DockColor1;
  dxOffice11InPlaceSubItemColor = dxOffice11BarBorderMarkColors[3];
  dxOffice11InPlaceSubItemTextColor = dxOffice11BarFloatingCaptionTextColor1;
}

void ComputeOffice11Colors() {
  g_scheme = DetectOffice11Scheme();
  g_xpStandardScheme = g_scheme != TOffice11Scheme::schUnknown;
  if (g_xpStandardScheme)
    TakeSchemeColors(g_scheme);
  else
    MixSystemColors();
  DeriveCommonColors();
}

// ---- brushes and bitmaps

HBRUSH MakeBrush(TColor color) { return ::CreateSolidBrush(static_cast<COLORREF>(color)); }

void CreateBrushes() {
  dxOffice11BarFingerBrush1 = MakeBrush(dxOffice11BarFingerColor1);
  dxOffice11BarFingerBrush2 = MakeBrush(dxOffice11BarFingerColor2);
  dxOffice11BarSeparatorBrush1 = MakeBrush(dxOffice11BarSeparatorColor1);
  dxOffice11BarSeparatorBrush2 = MakeBrush(dxOffice11BarSeparatorColor2);
  dxOffice11DropDownBorderBrush1 = MakeBrush(dxOffice11DropDownBorderColor1);
  dxOffice11StaticBorderBrush = dxOffice11DropDownBorderBrush1;
  dxOffice11MenuBrush = MakeBrush(dxOffice11MenuColor);
  dxOffice11DropDownBorderBrush2 = dxOffice11MenuBrush;
  dxOffice11SelectedBorderBrush = MakeBrush(dxOffice11SelectedBorderColor);
  dxOffice11OwnerControlDownedBrush = MakeBrush(dxOffice11OwnerControlDownedColor);
  dxOffice11DownedBrush = MakeBrush(dxOffice11DownedColor);
  dxOffice11DownedSelectedBrush = MakeBrush(dxOffice11DownedSelectedColor);
  dxOffice11DetachableBrush = MakeBrush(dxOffice11DetachableColor);
  dxOffice11ToolbarSelectedBrush = MakeBrush(dxOffice11ToolbarSelectedColor);
  dxOffice11DetachableSelectedBrush = dxOffice11ToolbarSelectedBrush;
  dxOffice11InPlaceSubItemBrush = MakeBrush(dxOffice11InPlaceSubItemColor);
}

// Deletes every brush once (shared ones under their first name) and clears
// every name.
void DeleteBrushes() {
  HBRUSH* owned[] = {&dxOffice11BarFingerBrush1,        &dxOffice11BarFingerBrush2,
                     &dxOffice11BarSeparatorBrush1,     &dxOffice11BarSeparatorBrush2,
                     &dxOffice11DropDownBorderBrush1,   &dxOffice11MenuBrush,
                     &dxOffice11SelectedBorderBrush,    &dxOffice11OwnerControlDownedBrush,
                     &dxOffice11DownedBrush,            &dxOffice11DownedSelectedBrush,
                     &dxOffice11DetachableBrush,        &dxOffice11ToolbarSelectedBrush,
                     &dxOffice11InPlaceSubItemBrush};
  for (HBRUSH* brush : owned) {
    ::DeleteObject(*brush);
    *brush = nullptr;
  }
  dxOffice11StaticBorderBrush = nullptr;
  dxOffice11DropDownBorderBrush2 = nullptr;
  dxOffice11DetachableSelectedBrush = nullptr;
}

TBitmap* LoadLibraryBitmap(const char* name) {
  TOwned<TBitmap> bitmap(Create<TBitmap>());
  bitmap->LoadFromResourceName(::GetModuleHandleW(nullptr), name);
  return bitmap.release();
}

// Where the red channel lies between the lowest and the highest, in percent.
// One shade only divides by zero, where the platform's MulDiv answers -1:
// GetMiddleRGB then keeps each channel within 0..255.
int ShadePercent(TColor pixel, int lowest, int highest) {
  return ::MulDiv((pixel & 0xFF) - lowest, 100, highest - lowest);
}

// The picture's shades of grey (told by their red channel) become the
// shades between the two toolbar colours; its background (the pixel at
// (0, 0)) and black stay.
void RecolorSubMenuExpandBitmap(TBitmap* bitmap) {
  TColor first = dxOffice11ToolbarsColor1;
  TColor second = dxOffice11ToolbarsColor2;
  if (first == second)
    second = first == clBlack ? clWhite : clBlack;
  TCanvas* canvas = bitmap->Canvas();
  const TColor background = canvas->Pixels(0, 0);
  const auto recoloured = [&](TColor pixel) { return pixel != background && pixel != clBlack; };
  int lowest = 255, highest = 1;
  for (int y = 0; y < bitmap->Height(); ++y)
    for (int x = 0; x < bitmap->Width(); ++x)
      if (const TColor pixel = canvas->Pixels(x, y); recoloured(pixel)) {
        lowest = std::min(lowest, pixel & 0xFF);
        highest = std::max(highest, pixel & 0xFF);
      }
  for (int y = 0; y < bitmap->Height(); ++y)
    for (int x = 0; x < bitmap->Width(); ++x)
      if (const TColor pixel = canvas->Pixels(x, y); recoloured(pixel))
        canvas->SetPixels(x, y, GetMiddleRGB(first, second, ShadePercent(pixel, lowest, highest)));
}

void CreateBitmaps() {
  dxOffice11SubMenuExpandBitmap = LoadLibraryBitmap("DXSUBMENUEXPAND");
  RecolorSubMenuExpandBitmap(dxOffice11SubMenuExpandBitmap);
  dxOffice11ExpandButtonBitmap1 = LoadLibraryBitmap("DXEXPANDBUTTON_MINUS");
  dxOffice11ExpandButtonBitmap2 = LoadLibraryBitmap("DXEXPANDBUTTON_PLUS");
  dxOffice11ExpandButtonColor1 = RGB(158, 174, 191);
  dxOffice11ExpandButtonColor2 = RGB(46, 70, 95);
}

void FreeBitmaps() {
  FreeAndNil(dxOffice11SubMenuExpandBitmap);
  FreeAndNil(dxOffice11ExpandButtonBitmap1);
  FreeAndNil(dxOffice11ExpandButtonBitmap2);
}

void CreateObjects() {
  CreateBrushes();
  CreateBitmaps();
}

void FreeObjects() {
  DeleteBrushes();
  FreeBitmaps();
}

} // namespace

TOffice11Scheme GetOffice11Scheme() { return g_scheme; }

bool IsXPStandardScheme() { return g_xpStandardScheme; }

int dxOffice11TubeGradientPercent() { return g_tubeGradientPercent; }

void CreateOffice11Colors() {
  if (g_colorUsers == 0) {
    ComputeOffice11Colors();
    CreateObjects();
  }
  ++g_colorUsers;
}

void ReleaseOffice11Colors() {
  if (g_colorUsers == 0)
    return;
  if (--g_colorUsers == 0)
    FreeObjects();
}

void RefreshOffice11Colors() {
  ComputeOffice11Colors();
  if (g_colorUsers > 0) {
    FreeObjects();
    CreateObjects();
  }
}
