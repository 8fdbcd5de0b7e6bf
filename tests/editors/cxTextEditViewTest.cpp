// The text editor's view: the layout format with the host's paint options
// (rows, end ellipsis), the text rectangle, the highlighted range and the
// find selection, the hint, the sizes a text needs, digit grouping, and the
// drawn text landing on the very pixels where the platform's EDIT, placed as
// the editor places its inner edit, shows the same text (left, centred and
// right, plain and masked). The drawing is checked in the ultra-flat look and
// in the native look with the visual styles on and forced off. Every test
// leaves the process's GDI objects as it found them.
#include "editors/cxTextEditView.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "editors/cxEdit.h"
#include "editors/cxEditStyles.h"
#include "editors/cxEditUtils.h"
#include "framework/cxGeometry.h"
#include "framework/cxLookAndFeels.h"
#include "framework/dxOffice11.h"
#include "tests/framework/ThemeTestSupport.h"
#include "tests/platform/stdctrls/StdCtrlsTestSupport.h"
#include "tests/support/GdiObjects.h"
#include "tests/support/Pictures.h"

namespace {

using enum TcxContainerStateItem;
using theme_test::TThemeUnits;
using theme_test::TVisualStyles;

void PaintEdit(TWinControl* edit, TBitmap* bitmap);

class TextEditViewTest : public stdctrls_test::TStdCtrlsTest {
protected:
  static void SetUpTestSuite() {
    TStdCtrlsTest::SetUpTestSuite();
    ProgramUnits().Start({&cxLookAndFeelsUnit, 1});
    ProgramUnits().Start({&cxEditPaintUtilsUnit, 1});
    ProgramUnits().Start({&cxEditUtilsUnit, 1});
    PaintAPlatformEditOnce();
  }

  // The platform keeps objects it makes for the first edit shown and painted
  // in a process: one is shown and painted before any test counts.
  static void PaintAPlatformEditOnce() {
    TForm* form = Create<TForm>(Application, 0);
    form->SetBounds(100, 100, 300, 120);
    auto* edit = Create<TcxCustomInnerTextEdit>(form);
    edit->SetParent(form);
    form->Show();
    edit->Font()->SetName("Tahoma");
    edit->Font()->SetSize(8);
    edit->SetText("\xC7" "al\xFD\xFEkan");
    TOwned<TBitmap> bitmap(Create<TBitmap>());
    PaintEdit(edit, bitmap.get());
    form->Free();
  }
  void SetUp() override {
    TStdCtrlsTest::SetUp();
    m_units.Start({&cxEditUnit, 1});
    m_properties.reset(Create<TcxTextEditProperties>(nullptr));
    m_styles.reset(Create<TcxContainerStyles>(nullptr, TcxEditStyle::StaticClass()));
    Style()->SetBorderStyle(TcxContainerBorderStyle::cbsSingle);
    Style()->SetColor(clWindow);
    Style()->GetLookAndFeel()->SetKind(TcxLookAndFeelKind::lfUltraFlat);
    Style()->GetVisibleFont()->SetName("Tahoma");
    Style()->GetVisibleFont()->SetSize(8);
    Style()->GetVisibleFont()->Handle();
    m_objects = CountGdiObjects();
    m_viewInfo.reset(Create<TcxCustomTextEditViewInfo>());
    m_surface = std::make_unique<TSurface>(121, 21);
  }
  void TearDown() override {
    m_surface.reset();
    m_viewData.reset();
    m_viewInfo.reset();
    ResetSolidBrushCache();
    EXPECT_EQ(CountGdiObjects(), m_objects) << "GDI objects leaked";
    m_styles.reset();
    m_properties.reset();
    m_units.Stop();
    RootLookAndFeel()->Reset();
  }

  TcxCustomEditStyle* Style() const {
    return static_cast<TcxCustomEditStyle*>(m_styles->GetStyle(csNormal));
  }
  TcxCustomTextEditViewData* Calculate(const TRect& bounds = Rect(0, 0, 121, 21),
                                       bool inplace = false) {
    m_viewData.reset(Create<TcxCustomTextEditViewData>(m_properties.get(), Style(), inplace));
    m_viewData->Calculate(m_surface->Canvas(), bounds, {}, m_viewInfo.get());
    return m_viewData.get();
  }
  void SetAlignment(TAlignment horz,
                    TcxEditVertAlignment vert = TcxEditVertAlignment::taTopJustify) {
    m_properties->BaseGetAlignment()->SetHorz(horz);
    m_properties->BaseGetAlignment()->SetVert(vert);
  }
  // Draws the view info with the text, as an unfocused editor without a
  // visible inner edit paints itself.
  void Paint(const std::string& text) {
    TcxCustomTextEditViewData* viewData = Calculate();
    viewData->DisplayValueToDrawValue(Variant(text), m_viewInfo.get());
    m_viewInfo->Paint(m_surface->Canvas());
  }

  // Calculates for a host asking for the paint options, the drawn text set
  // first as the editor sets it before it recalculates, then paints on a
  // fresh surface of the bounds' size.
  void PaintWith(const std::string& text, TcxEditPaintOptions options,
                 const TRect& bounds = Rect(0, 0, 121, 21)) {
    m_surface = std::make_unique<TSurface>(cxRectWidth(bounds), cxRectHeight(bounds));
    CalculateWith(text, options, bounds);
    m_viewInfo->Paint(m_surface->Canvas());
  }
  TcxCustomTextEditViewData* CalculateWith(const std::string& text, TcxEditPaintOptions options,
                                           const TRect& bounds = Rect(0, 0, 121, 21)) {
    m_viewInfo->DrawnText = text;
    m_viewData.reset(Create<TcxCustomTextEditViewData>(m_properties.get(), Style(), false));
    m_viewData->PaintOptions = options;
    m_viewData->Calculate(m_surface->Canvas(), bounds, {}, m_viewInfo.get());
    return m_viewData.get();
  }
  // Pixels that are not the surface's white or the editor's background.
  int Ink(const TRect& r) const {
    int ink = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x)
        ink += m_surface->Pixel(x, y) != clWhite && m_surface->Pixel(x, y) != ColorToRGB(clWindow);
    return ink;
  }

  // A surface with a TcxCanvas; white.
  class TSurface {
  public:
    TSurface(int width, int height) : m_bitmap(Create<TBitmap>()) {
      m_bitmap->SetPixelFormat(TPixelFormat::pf32bit);
      m_bitmap->SetSize(width, height);
      m_bitmap->Canvas()->Brush()->SetColor(clWhite);
      m_bitmap->Canvas()->FillRect(Rect(0, 0, width, height));
      m_canvas.reset(Create<TcxCanvas>(m_bitmap->Canvas()));
    }
    TcxCanvas* Canvas() const { return m_canvas.get(); }
    TBitmap* Bitmap() const { return m_bitmap.get(); }
    TColor Pixel(int x, int y) const { return m_bitmap->Canvas()->Pixels(x, y); }

  private:
    TOwned<TBitmap> m_bitmap;
    TOwned<TcxCanvas> m_canvas;
  };

  TUnitStartup m_units;
  TOwned<TcxTextEditProperties> m_properties;
  TOwned<TcxContainerStyles> m_styles;
  TOwned<TcxCustomTextEditViewInfo> m_viewInfo;
  TOwned<TcxCustomTextEditViewData> m_viewData;
  std::unique_ptr<TSurface> m_surface;

private:
  int m_objects = 0;
};

// The states a text editor is drawn in, with the style each one takes.
const TcxContainerStateItem kEditorStates[] = {csNormal, csHotTrack, csActive, csDisabled};
constexpr int kEditorWidth = 110;
constexpr int kEditorHeight = 21;

// Paints a text editor in the state, as an editor whose inner edit does not
// show the text draws itself: the state's style, the mouse over it when
// hot, the focus when active.
void PaintEditor(TcxCanvas* canvas, TcxTextEditProperties* properties, TcxContainerStyles* styles,
                 TcxContainerStateItem state, const std::string& text) {
  auto* style = static_cast<TcxCustomEditStyle*>(styles->GetStyle(state));
  TOwned<TcxCustomTextEditViewInfo> viewInfo(Create<TcxCustomTextEditViewInfo>());
  TOwned<TcxCustomTextEditViewData> viewData(
      Create<TcxCustomTextEditViewData>(properties, style, false));
  viewData->Focused = state == csActive;
  viewData->Enabled = state != csDisabled;
  TcxEditButtonsMouse mouse;
  if (state == csHotTrack)
    mouse.Point = TPoint{kEditorWidth / 2, kEditorHeight / 2};
  viewInfo->DrawnText = text;
  viewData->Calculate(canvas, Rect(0, 0, kEditorWidth, kEditorHeight), mouse, viewInfo.get());
  viewData->DisplayValueToDrawValue(Variant(text), viewInfo.get());
  viewInfo->Paint(canvas);
}

// The looks the view's drawing is checked in: the application's ultra-flat
// look, and the native look with the platform's visual styles and with them
// forced off.
enum class TViewLook { UltraFlat, Native, NativeUnthemed };

std::string LookName(const testing::TestParamInfo<TViewLook>& info) {
  const char* names[] = {"UltraFlat", "Native", "NativeUnthemed"};
  return names[static_cast<int>(info.param)];
}

class TextEditViewLookTest : public TextEditViewTest,
                             public testing::WithParamInterface<TViewLook> {
protected:
  void SetUp() override {
    const bool themed = GetParam() == TViewLook::Native;
    if (themed)
      DrawNativeOnce();
    m_themes.emplace(themed ? TVisualStyles::On : TVisualStyles::ForcedOff);
    TextEditViewTest::SetUp();
    Style()->GetLookAndFeel()->SetNativeStyle(GetParam() != TViewLook::UltraFlat);
  }
  void TearDown() override {
    TextEditViewTest::TearDown();
    m_themes.reset();
  }
  // The picture's name with the look's.
  std::string Picture(const std::string& name) const {
    switch (GetParam()) {
    case TViewLook::Native:
      return name + "-native";
    case TViewLook::NativeUnthemed:
      return name + "-native-unthemed";
    default:
      return name;
    }
  }

private:
  // Wine keeps a theme part's images once it has drawn them: a native
  // editor is drawn in each state once before any test counts.
  static void DrawNativeOnce() {
    static bool drawn = false;
    if (std::exchange(drawn, true))
      return;
    TThemeUnits themes(TVisualStyles::On);
    TUnitStartup units;
    units.Start({&cxEditUnit, 1});
    TOwned<TcxTextEditProperties> properties(Create<TcxTextEditProperties>(nullptr));
    TOwned<TcxContainerStyles> styles(
        Create<TcxContainerStyles>(nullptr, TcxEditStyle::StaticClass()));
    styles->GetStyle(csNormal)->GetLookAndFeel()->SetNativeStyle(true);
    TSurface surface(kEditorWidth, kEditorHeight);
    for (TcxContainerStateItem state : kEditorStates)
      PaintEditor(surface.Canvas(), properties.get(), styles.get(), state, "abc");
    units.Stop();
    RootLookAndFeel()->Reset();
  }

  std::optional<TThemeUnits> m_themes;
};

INSTANTIATE_TEST_SUITE_P(Looks, TextEditViewLookTest,
                         testing::Values(TViewLook::UltraFlat, TViewLook::Native,
                                         TViewLook::NativeUnthemed),
                         LookName);

TEST_F(TextEditViewTest, DrawTextFlagsTable) {
  using enum TcxEditVertAlignment;
  const struct {
    TAlignment horz;
    TcxEditVertAlignment vert;
    TcxTextOutFormat format;
  } cases[] = {{TAlignment::taLeftJustify, taTopJustify, 0x2C0},
               {TAlignment::taRightJustify, taVCenter, 0x2D2},
               {TAlignment::taCenter, taBottomJustify, 0x2E1}};
  for (const auto& c : cases) {
    SetAlignment(c.horz, c.vert);
    Calculate();
    EXPECT_EQ(m_viewData->GetDrawTextFlags(), c.format);
    EXPECT_EQ(m_viewInfo->TextFormat, c.format);
  }
}

// The content offsets (1, 1, 1, 3); a list style moves the text a pixel in.
TEST_F(TextEditViewTest, TextBoundsAreTheClientLessTheContentOffsets) {
  Calculate();
  const TRect client = m_viewInfo->ClientRect;
  EXPECT_EQ(m_viewInfo->TextBounds,
            Rect(client.Left + 1, client.Top + 1, client.Right - 1, client.Bottom - 3));
  EXPECT_EQ(GetTextEditDrawTextOffset(TAlignment::taRightJustify, true), Rect(1, 1, 1, 1));

  m_properties->SetHideCursor(true);
  SetAlignment(TAlignment::taRightJustify);
  Calculate();
  EXPECT_EQ(m_viewInfo->CachedEditingStyle, TcxEditEditingStyle::esNoEdit);
  EXPECT_EQ(m_viewInfo->TextBounds,
            Rect(client.Left + 1, client.Top + 2, client.Right - 2, client.Bottom - 2));
}

TEST_F(TextEditViewTest, ALowClientAreaStillGetsOneLineCutAtTheClient) {
  Calculate(Rect(0, 0, 121, 8));
  const int line = m_surface->Canvas()->TextHeight("Zg");
  const TRect client = m_viewInfo->ClientRect;
  ASSERT_GT(line, cxRectHeight(client));
  EXPECT_EQ(m_viewInfo->TextBounds.Top, client.Top + 1);
  EXPECT_EQ(m_viewInfo->TextBounds.Bottom, client.Bottom);

  Calculate(Rect(0, 0, 121, 8), true);
  EXPECT_EQ(m_viewInfo->TextBounds.Bottom, m_viewInfo->ClientRect.Bottom - 1);
}

TEST_F(TextEditViewTest, DrawnTextIsMaskedOrInTheLetterCaseAskedFor) {
  TcxCustomTextEditViewData* viewData = Calculate();
  viewData->DisplayValueToDrawValue(Variant(std::string("\xE7i\xFE")), m_viewInfo.get());
  EXPECT_EQ(m_viewInfo->DrawnText, "\xE7i\xFE");
  m_properties->SetCharCase(TEditCharCase::ecUpperCase);
  viewData->DisplayValueToDrawValue(Variant(std::string("\xE7i\xFE")), m_viewInfo.get());
  EXPECT_EQ(m_viewInfo->DrawnText, "\xC7\xDD\xDE");
  m_properties->SetEchoMode(TcxEditEchoMode::eemPassword);
  viewData->DisplayValueToDrawValue(Variant(std::string("gizli")), m_viewInfo.get());
  EXPECT_EQ(m_viewInfo->DrawnText, "*****");
  viewData->NoValue = true;
  viewData->EditValueToDrawValue(Variant(std::string("gizli")), m_viewInfo.get());
  EXPECT_EQ(m_viewInfo->DrawnText, "");
}

TEST_F(TextEditViewTest, SelectionColoursTable) {
  const TColor red = static_cast<TColor>(0x0000FF);
  const struct {
    TColor text, back, styleColor;
    TColor expectedText, expectedBack;
  } cases[] = {
      {clDefault, red, clWindow, static_cast<TColor>(0xFFFF00), red},
      {clWhite, red, clWindow, clWhite, red},
      {red, clDefault, clWindow, red, static_cast<TColor>(0xFFFF00)},
      {clDefault, clDefault, clWindow, clHighlightText, clHighlight},
      {clDefault, clDefault, clHighlight, static_cast<TColor>(0xFFFFFF), static_cast<TColor>(0)},
  };
  for (const auto& c : cases) {
    Style()->SetColor(c.styleColor);
    TcxCustomTextEditViewData* viewData = Calculate();
    viewData->SelStart = 1;
    viewData->SelLength = 2;
    viewData->SelTextColor = c.text;
    viewData->SelBackgroundColor = c.back;
    viewData->EditValueToDrawValue(Variant(std::string("abcd")), m_viewInfo.get());
    EXPECT_EQ(m_viewInfo->HighlightStart, 1);
    EXPECT_EQ(m_viewInfo->HighlightLength, 2);
    EXPECT_EQ(m_viewInfo->HighlightTextColor, c.expectedText);
    EXPECT_EQ(m_viewInfo->HighlightBackColor, c.expectedBack);
  }
}

// A range from the text's length on is drawn without highlight; one that
// reaches past the end is cut at the end.
TEST_P(TextEditViewLookTest, HighlightRangeIsClampedToTheText) {
  const TColor back = static_cast<TColor>(0x00FF00);
  const struct {
    int start, length;
    bool highlighted;
  } cases[] = {{4, 2, false}, {7, 1, false}, {-1, 3, false}, {2, 10, true}};
  for (const auto& c : cases) {
    m_surface = std::make_unique<TSurface>(121, 21);
    TcxCustomTextEditViewData* viewData = Calculate();
    viewData->SelStart = c.start;
    viewData->SelLength = c.length;
    viewData->SelBackgroundColor = back;
    viewData->EditValueToDrawValue(Variant(std::string("abcd")), m_viewInfo.get());
    m_viewInfo->Paint(m_surface->Canvas());
    EXPECT_EQ(m_viewInfo->TextLayout.RangeLength, c.highlighted ? 2 : 0) << c.start;
    int green = 0;
    for (int y = 0; y < 21; ++y)
      for (int x = 0; x < 121; ++x)
        green += m_surface->Pixel(x, y) == back;
    EXPECT_EQ(green > 0, c.highlighted) << c.start;
  }
}

TEST_F(TextEditViewTest, HintOnlyForTextThatDoesNotFit) {
  const std::string shortText = "kisa";
  const std::string longText(60, 'W');
  for (const std::string& text : {shortText, longText}) {
    TcxCustomTextEditViewData* viewData = Calculate();
    viewData->DisplayValueToDrawValue(Variant(text), m_viewInfo.get());
    std::string hint;
    bool multiLine = true;
    TRect textRect{};
    const TPoint inside{m_viewInfo->TextBounds.Left + 2, m_viewInfo->TextBounds.Top + 2};
    const bool needed =
        m_viewInfo->NeedShowHint(m_surface->Canvas(), inside, TRect{}, hint, multiLine, textRect);
    EXPECT_EQ(needed, text == longText);
    EXPECT_EQ(hint, needed ? text : "");
    if (needed) {
      EXPECT_FALSE(multiLine);
      EXPECT_EQ(textRect, m_viewInfo->TextBounds);
    }
    EXPECT_FALSE(m_viewInfo->NeedShowHint(m_surface->Canvas(), TPoint{0, 0}, TRect{}, hint,
                                          multiLine, textRect));
  }
}

TEST_F(TextEditViewTest, ThousandSeparatorsTable) {
  const struct {
    const char* text;
    const char* grouped;
  } cases[] = {{"1234567.891", "1,234,567.891"},
               {"-1234", "-1,234"},
               {"1234.5e12", "1,234.5e12"},
               {" 12345 ", " 12,345 "},
               {"1,23,4567", "1,234,567"},
               {"123", "123"},
               {"", ""}};
  for (const auto& c : cases) {
    std::string text = c.text;
    InsertThousandSeparator(text, ',', '.');
    EXPECT_EQ(text, c.grouped) << c.text;
  }
}

// The EDIT's client area as it paints it on a white background.
void PaintEdit(TWinControl* edit, TBitmap* bitmap) {
  bitmap->SetPixelFormat(TPixelFormat::pf32bit);
  bitmap->SetSize(edit->ClientWidth(), edit->ClientHeight());
  bitmap->Canvas()->Brush()->SetColor(clWhite);
  bitmap->Canvas()->FillRect(Rect(0, 0, edit->ClientWidth(), edit->ClientHeight()));
  bitmap->Canvas()->Changing();
  edit->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bitmap->Canvas()->Handle()));
  bitmap->Canvas()->Changed();
}

// A right-aligned or centred editor that is not active draws its text
// itself; the text must sit on the pixels where the inner EDIT, placed and
// set up as the editor does, shows it once the editor is entered. (Wine's
// EDIT places a right-aligned masked text by the width of the plain text,
// so the masked case is left-aligned.)
TEST_P(TextEditViewLookTest, DrawnTextMatchesThePlatformEditPixelForPixel) {
  TForm* form = Create<TForm>(Application, 0);
  form->SetBounds(100, 100, 300, 120);
  auto* edit = Create<TcxCustomInnerTextEdit>(form);
  edit->SetParent(form);
  form->Show();
  edit->SetColor(clWindow);
  edit->Font()->Assign(Style()->GetVisibleFont());
  const std::string text = "\xC7"
                           "al\xFD\xFEkan \xDD"
                           "l\xE7"
                           "e";
  const struct {
    TAlignment alignment;
    TcxEditEchoMode echo;
    const char* name;
  } cases[] = {{TAlignment::taLeftJustify, TcxEditEchoMode::eemNormal, "left"},
               {TAlignment::taCenter, TcxEditEchoMode::eemNormal, "centre"},
               {TAlignment::taRightJustify, TcxEditEchoMode::eemNormal, "right"},
               {TAlignment::taLeftJustify, TcxEditEchoMode::eemPassword, "left-masked"}};
  for (const auto& c : cases) {
    SetAlignment(c.alignment);
    m_properties->SetEchoMode(c.echo);
    m_surface = std::make_unique<TSurface>(121, 21);
    Paint(text);
    // Where the editor puts its inner edit: the client rectangle less the
    // content offsets, one pixel wider, one line of its font high.
    const TRect client = m_viewInfo->ClientRect;
    const int height = m_surface->Canvas()->FontHeight(edit->Font());
    const TRect place =
        cxRectBounds(client.Left + 1, client.Top + 1, cxRectWidth(client) + 1 - 2, height);
    edit->SetControlAlignment(c.alignment);
    edit->Helper()->SetEchoMode(c.echo);
    edit->SetBounds(place.Left, place.Top, cxRectWidth(place), cxRectHeight(place));
    edit->SetText(text);
    TOwned<TBitmap> platform(Create<TBitmap>());
    PaintEdit(edit, platform.get());
    SavePicture(m_surface->Bitmap(), Picture(std::string("text-edit-view-") + c.name));
    SavePicture(platform.get(), Picture(std::string("text-edit-view-") + c.name + "-platform"));

    int ink = 0;
    int mismatches = 0;
    // The editor clips its inner edit to the client rectangle.
    const int rows = std::min(cxRectHeight(place), client.Bottom - place.Top);
    for (int y = 0; y < rows; ++y)
      for (int x = 0; x < cxRectWidth(place) - 1; ++x) {
        const TColor theirs = platform->Canvas()->Pixels(x, y);
        const TColor ours = m_surface->Pixel(place.Left + x, place.Top + y);
        ink += theirs != clWhite;
        mismatches += theirs != ours;
      }
    EXPECT_GT(ink, 20) << c.name;
    EXPECT_EQ(mismatches, 0) << c.name;
  }
  form->Free();
}

// Focused without a visible inner edit: the focus rectangle inside the
// background frame; with the inner edit shown the text is left to it.
TEST_P(TextEditViewLookTest, FocusRectangleAndInnerEditShownTable) {
  struct TEditor : IcxTextEditViewEditor {
    bool shown = false;
    bool IsEditClass() const override { return shown; }
    bool HasPopupWindow() const override { return false; }
  } editor;
  for (bool shown : {false, true}) {
    m_surface = std::make_unique<TSurface>(121, 21);
    editor.shown = shown;
    m_viewData.reset(Create<TcxCustomTextEditViewData>(m_properties.get(), Style(), false));
    m_viewData->Editor = &editor;
    m_viewData->Focused = true;
    m_viewData->Calculate(m_surface->Canvas(), Rect(0, 0, 121, 21), {}, m_viewInfo.get());
    m_viewInfo->HasInnerEdit = true;
    m_viewData->DisplayValueToDrawValue(Variant(std::string("abc")), m_viewInfo.get());
    m_viewInfo->Paint(m_surface->Canvas());
    SavePicture(m_surface->Bitmap(),
                Picture(shown ? "text-edit-view-focused-shown" : "text-edit-view-focused"));
    EXPECT_EQ(m_viewInfo->InnerEditShown, shown);
    const TRect text = m_viewInfo->TextBounds;
    int ink = 0;
    for (int y = text.Top; y < text.Bottom; ++y)
      for (int x = text.Left + 1; x < text.Left + 20; ++x)
        ink += m_surface->Pixel(x, y) != clWhite && m_surface->Pixel(x, y) != ColorToRGB(clWindow);
    EXPECT_EQ(ink > 0, !shown);
    const TRect client = m_viewInfo->ClientRect;
    // The dotted focus rectangle starts at the client's corner plus one.
    EXPECT_EQ(m_surface->Pixel(client.Left + 1, client.Top + 1) != clWhite, !shown);
  }
}

// Several words that take two rows in a 121-pixel editor.
const std::string kWords = "kelime \xFE\xFDk \xE7i\xE7"
                           "ek kelime \xFE\xFDk \xE7i\xE7"
                           "ek";

// Automatic height turns the single line into whole wrapped rows only when
// the text needs more than one, dropping the vertical alignment when the
// rows are higher than the text rectangle; the end ellipsis is added to
// whatever the format is.
TEST_F(TextEditViewTest, PaintOptionsShapeTheTextFormatTable) {
  using enum TcxEditPaintOption;
  using enum TcxEditVertAlignment;
  const TcxTextOutFormat rows = cxtfWordWrap | cxtfWholeRows;
  const struct {
    const char* name;
    TcxEditPaintOptions options;
    std::string text;
    TcxEditVertAlignment vert;
    int height;
    TcxTextOutFormat format;
  } cases[] = {
      {"none", {}, kWords, taVCenter, 21, 0x2D0},
      {"ellipsis", {epoShowEndEllipsis}, kWords, taVCenter, 21, 0x2D0 | cxtfEndEllipsis},
      {"auto, one row", {epoAutoHeight}, "k\xFDsa", taVCenter, 21, 0x2D0},
      {"auto, empty", {epoAutoHeight}, "", taVCenter, 21, 0x2D0},
      {"auto, rows fit", {epoAutoHeight}, kWords, taVCenter, 60, 0xD0 | rows},
      {"auto, rows too high", {epoAutoHeight}, kWords, taVCenter, 21, 0xC0 | rows},
      {"auto and ellipsis",
       {epoAutoHeight, epoShowEndEllipsis},
       kWords,
       taBottomJustify,
       60,
       0xE0 | rows | cxtfEndEllipsis},
  };
  for (const auto& c : cases) {
    SetAlignment(TAlignment::taLeftJustify, c.vert);
    CalculateWith(c.text, c.options, Rect(0, 0, 121, c.height));
    EXPECT_EQ(m_viewInfo->TextFormat, c.format) << c.name;
  }
}

// What a text needs: at its natural width one line (the longest of its
// rows with automatic height), or wrapped in a given width; zero height
// for an empty text only when the host allows it.
TEST_F(TextEditViewTest, ContentSizesTable) {
  using enum TcxEditPaintOption;
  TcxCanvas* canvas = m_surface->Canvas();
  canvas->SetFont(Style()->GetVisibleFont());
  const int line = canvas->TextHeight("Zg");
  auto width = [&](const std::string& text) { return canvas->TextWidth(text); };
  const int threeW = width("WWW") + 2;
  const std::string twoLines = "ab\r\nuzun sat\xFDr";
  const struct {
    const char* name;
    TcxEditPaintOptions options;
    std::string text;
    int givenWidth, lineCount, maxLineCount;
    int cx, cy; // without the correction
  } cases[] = {
      {"natural", {}, "abc", -1, 0, 0, width("abc"), line},
      {"natural, empty", {}, "", -1, 0, 0, 0, line},
      {"natural, rows", {epoAutoHeight}, twoLines, -1, 0, 0, width("uzun sat\xFDr"), line},
      {"natural, two lines", {epoAutoHeight}, twoLines, -1, 2, 0, width("uzun sat\xFDr"), 2 * line},
      {"given", {}, "WWW WWW WWW", threeW, 0, 0, threeW, 3 * line},
      {"given, at most two rows", {}, "WWW WWW WWW", threeW, 0, 2, threeW, 2 * line},
      {"given, two lines", {}, "WWW WWW WWW", threeW, 2, 0, threeW, 2 * line},
      {"given, empty", {}, "", 60, 0, 0, 60, line},
      {"given, empty, zero height", {epoAllowZeroHeight}, "", 60, 0, 0, 60, 0},
      {"no room, empty, zero height", {epoAllowZeroHeight}, "", 0, 0, 0, 0, 0},
      {"no room", {epoAllowZeroHeight}, "abc", 0, 0, 0, 0, line},
  };
  for (const auto& c : cases) {
    TcxCustomTextEditViewData* viewData = CalculateWith("", c.options);
    const TSize correction = viewData->GetEditContentSizeCorrection();
    TcxEditSizeProperties sizeProperties;
    sizeProperties.Width = c.givenWidth;
    sizeProperties.MaxLineCount = c.maxLineCount;
    const TSize size = GetTextEditContentSize(
        canvas, viewData, c.text, viewData->GetDrawTextFlags(), sizeProperties, c.lineCount, true);
    const int cx = c.givenWidth < 0 ? c.cx + correction.cx : c.cx;
    const int cy = c.cy > 0 ? c.cy + correction.cy : 0;
    EXPECT_EQ(size.cx, cx) << c.name;
    EXPECT_EQ(size.cy, cy) << c.name;
  }
}

// A text cut by the editor's right side ends in "..." right after the
// characters that fit before it: the very pixels of that shorter text
// drawn without the option. A text that fits is drawn as it is.
TEST_P(TextEditViewLookTest, EndEllipsisCutsTheTextPixelForPixel) {
  const std::string longText = "\xC7"
                               "al\xFD\xFEkan \xDD"
                               "l\xE7"
                               "e \xC7"
                               "al\xFD\xFEkan "
                               "\xDD"
                               "l\xE7"
                               "e";
  for (const std::string& text : {std::string("k\xFDsa"), longText}) {
    PaintWith(text, {TcxEditPaintOption::epoShowEndEllipsis});
    SavePicture(m_surface->Bitmap(), Picture(text == longText ? "text-edit-view-ellipsis"
                                                              : "text-edit-view-ellipsis-fits"));
    std::unique_ptr<TSurface> cut = std::move(m_surface);
    TcxCanvas* canvas = cut->Canvas();
    canvas->SetFont(Style()->GetVisibleFont());
    const int room = cxRectWidth(m_viewInfo->TextBounds);
    std::string expected = text;
    if (canvas->TextWidth(text) > room) {
      size_t fit = 0;
      while (canvas->TextWidth(text.substr(0, fit + 1)) + canvas->TextWidth("...") <= room)
        ++fit;
      expected = text.substr(0, fit) + "...";
    }
    PaintWith(expected, {});
    int mismatches = 0;
    for (int y = 0; y < 21; ++y)
      for (int x = 0; x < 121; ++x)
        mismatches += cut->Pixel(x, y) != m_surface->Pixel(x, y);
    EXPECT_EQ(mismatches, 0) << expected;
    EXPECT_GT(Ink(m_viewInfo->TextBounds), 20) << expected;
  }
}

// With automatic height the second row is drawn under the first.
TEST_P(TextEditViewLookTest, AutoHeightDrawsTheRowsTheTextNeeds) {
  for (bool autoHeight : {false, true}) {
    PaintWith(kWords,
              autoHeight ? TcxEditPaintOptions{TcxEditPaintOption::epoAutoHeight}
                         : TcxEditPaintOptions{},
              Rect(0, 0, 121, 40));
    SavePicture(m_surface->Bitmap(),
                Picture(autoHeight ? "text-edit-view-rows" : "text-edit-view-row"));
    const TRect text = m_viewInfo->TextBounds;
    const int line = m_surface->Canvas()->TextHeight("Zg");
    EXPECT_GT(Ink(Rect(text.Left, text.Top, text.Right, text.Top + line)), 20);
    EXPECT_EQ(Ink(Rect(text.Left, text.Top + line, text.Right, text.Top + 2 * line)) > 20,
              autoHeight);
  }
}

// A row limit below the rows the text needs keeps the rows that fit in it,
// the last one ending in "...": the very pixels of its characters that fit
// before the dots, drawn with the dots on one line without the options.
TEST_P(TextEditViewLookTest, RowsCutAtTheRowLimitEndInAnEllipsis) {
  m_surface = std::make_unique<TSurface>(121, 40);
  m_viewInfo->DrawnText = kWords;
  m_viewData.reset(Create<TcxCustomTextEditViewData>(m_properties.get(), Style(), false));
  m_viewData->PaintOptions = {TcxEditPaintOption::epoAutoHeight,
                              TcxEditPaintOption::epoShowEndEllipsis};
  m_viewData->MaxLineCount = 1;
  m_viewData->Calculate(m_surface->Canvas(), Rect(0, 0, 121, 40), {}, m_viewInfo.get());
  m_viewInfo->Paint(m_surface->Canvas());
  SavePicture(m_surface->Bitmap(), Picture("text-edit-view-row-limit"));
  const TcxTextOutData& layout = m_viewInfo->TextLayout;
  ASSERT_EQ(layout.PlacedRowCount, 1);
  EXPECT_TRUE(layout.EllipsisForced);
  const TRect text = m_viewInfo->TextBounds;
  const int line = m_surface->Canvas()->TextHeight("Zg");
  EXPECT_EQ(Ink(Rect(text.Left, text.Top + line, text.Right, text.Bottom)), 0);

  const std::string row(layout.Rows[0].RowStart, static_cast<size_t>(layout.Rows[0].RowLength));
  TcxCanvas* canvas = m_surface->Canvas();
  canvas->SetFont(Style()->GetVisibleFont());
  size_t fit = 0;
  while (fit < row.size() &&
         canvas->TextWidth(row.substr(0, fit + 1)) + canvas->TextWidth("...") <= cxRectWidth(text))
    ++fit;
  std::unique_ptr<TSurface> cut = std::move(m_surface);
  PaintWith(row.substr(0, fit) + "...", {}, Rect(0, 0, 121, 40));
  int mismatches = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 121; ++x)
      mismatches += cut->Pixel(x, y) != m_surface->Pixel(x, y);
  EXPECT_EQ(mismatches, 0) << row.substr(0, fit);
}

// An editor narrower than a letter still lays its text out, a word a row.
TEST_F(TextEditViewTest, AutoHeightInAnEditorWithNoRoom) {
  m_surface = std::make_unique<TSurface>(6, 40);
  CalculateWith("ab c d", {TcxEditPaintOption::epoAutoHeight}, Rect(0, 0, 6, 40));
  EXPECT_EQ(m_viewInfo->TextFormat, 0xC0 | cxtfWordWrap | cxtfWholeRows);
  m_viewInfo->Paint(m_surface->Canvas());
}

// The completion the incremental search proposes is highlighted only in the
// list styles that draw it: in esEdit and esEditList the inner EDIT shows it
// and the range stays as it was.
TEST_F(TextEditViewTest, FindSelectionHighlightTable) {
  using enum TcxEditEditingStyle;
  const TColor kept = static_cast<TColor>(0x123456);
  const struct {
    const char* name;
    TcxEditEditingStyle style;
    bool findSelection, fixedListSelection, selectionBar;
    int start, length;
    TColor text, back;
  } cases[] = {
      {"edit", esEdit, true, true, false, 7, 9, kept, kept},
      {"edit list", esEditList, true, true, false, 7, 9, kept, kept},
      {"no edit", esNoEdit, true, true, false, 7, 0, kept, kept},
      {"no completion", esFixedList, false, true, false, 7, 0, kept, kept},
      {"no fixed list selection", esFixedList, true, false, false, 7, 0, kept, kept},
      {"selection", esFixedList, true, true, false, 3, 5, clHighlightText, clHighlight},
      {"selection bar", esFixedList, true, true, true, 0, 3, clHighlight, clHighlightText},
  };
  for (const auto& c : cases) {
    CalculateWith("\xDDstanbul", {});
    m_viewInfo->CachedEditingStyle = c.style;
    m_viewInfo->DrawsSelectionBar = c.selectionBar;
    m_viewInfo->HighlightStart = 7;
    m_viewInfo->HighlightLength = 9;
    m_viewInfo->HighlightTextColor = m_viewInfo->HighlightBackColor = kept;
    m_viewInfo->SetFindSelectionHighlight(c.findSelection, c.fixedListSelection, 3, 5);
    EXPECT_EQ(m_viewInfo->HighlightStart, c.start) << c.name;
    EXPECT_EQ(m_viewInfo->HighlightLength, c.length) << c.name;
    EXPECT_EQ(m_viewInfo->HighlightTextColor, c.text) << c.name;
    EXPECT_EQ(m_viewInfo->HighlightBackColor, c.back) << c.name;
  }
}

// The completion is drawn on the highlight colour right after the typed
// part, which keeps the editor's background; the layout drawn before the
// completion came is laid out again.
TEST_P(TextEditViewLookTest, FindSelectionIsDrawnAfterTheTypedPart) {
  const std::string text = "\xDDstanbul";
  PaintWith(text, {});
  m_viewInfo->CachedEditingStyle = TcxEditEditingStyle::esFixedList;
  m_viewInfo->SetFindSelectionHighlight(true, true, 3, 5);
  m_viewInfo->Paint(m_surface->Canvas());
  SavePicture(m_surface->Bitmap(), Picture("text-edit-view-find-selection"));
  m_surface->Canvas()->SetFont(Style()->GetVisibleFont());
  const TRect bounds = m_viewInfo->TextBounds;
  const int typed = bounds.Left + m_surface->Canvas()->TextWidth(text.substr(0, 3));
  const int all = bounds.Left + m_surface->Canvas()->TextWidth(text);
  const int height = m_surface->Canvas()->TextHeight("Zg");
  // Pixels of the colour in the row's band.
  auto count = [&](int left, int right, TColor color) {
    int n = 0;
    for (int y = bounds.Top; y < bounds.Top + height; ++y)
      for (int x = left; x < right; ++x)
        n += m_surface->Pixel(x, y) == ColorToRGB(color);
    return n;
  };
  EXPECT_EQ(count(bounds.Left, typed, clHighlight), 0);
  EXPECT_GT(count(typed, all, clHighlight), (all - typed) * height / 2);
  EXPECT_GT(count(typed, all, clHighlightText), 5) << "the completion's letters";
  EXPECT_EQ(count(all, bounds.Right, clHighlight), 0);
}

// A suite of its own, so that the sheet is drawn without the other tests'
// pictures.
class TextEditPicturesTest : public TextEditViewTest {};

// A sheet of text editors for people to look at: a row per look and
// alignment, a column per state (normal, hot, focused, disabled).
TEST_F(TextEditPicturesTest, TextEditorsInEveryLook) {
  using enum TcxLookAndFeelKind;
  const struct {
    const char* name;
    TcxLookAndFeelKind kind;
    bool native;
    TVisualStyles styles;
  } looks[] = {{"Standard", lfStandard, false, TVisualStyles::ForcedOff},
               {"Flat", lfFlat, false, TVisualStyles::ForcedOff},
               {"UltraFlat", lfUltraFlat, false, TVisualStyles::ForcedOff},
               {"Office 2003", lfOffice11, false, TVisualStyles::ForcedOff},
               {"Native", lfUltraFlat, true, TVisualStyles::On},
               {"Native, no styles", lfUltraFlat, true, TVisualStyles::ForcedOff}};
  const std::pair<TAlignment, const char*> alignments[] = {{TAlignment::taLeftJustify, "left"},
                                                           {TAlignment::taCenter, "centre"},
                                                           {TAlignment::taRightJustify, "right"}};
  constexpr int kLabelWidth = 130;
  constexpr int kCellWidth = kEditorWidth + 10;
  constexpr int kCellHeight = kEditorHeight + 8;
  CreateOffice11Colors();
  {
    TSurface sheet(kLabelWidth + 4 * kCellWidth, 18 * kCellHeight + 8);
    sheet.Canvas()->FillRect(Rect(0, 0, kLabelWidth + 4 * kCellWidth, 18 * kCellHeight + 8),
                             clBtnFace);
    sheet.Canvas()->SetFont(Style()->GetVisibleFont());
    sheet.Canvas()->Brush()->SetStyle(TBrushStyle::bsClear);
    int row = 0;
    for (const auto& look : looks) {
      TThemeUnits units(look.styles);
      // The look's own border style, on the editor's window colour.
      m_styles->RestoreDefaults();
      Style()->SetColor(clWindow);
      Style()->GetVisibleFont()->SetName("Tahoma");
      Style()->GetVisibleFont()->SetSize(8);
      Style()->GetVisibleFont()->Handle();
      Style()->GetLookAndFeel()->SetKind(look.kind);
      Style()->GetLookAndFeel()->SetNativeStyle(look.native);
      for (const auto& [alignment, alignmentName] : alignments) {
        SetAlignment(alignment, TcxEditVertAlignment::taVCenter);
        const int top = 4 + row * kCellHeight;
        sheet.Canvas()->Canvas()->TextOut(6, top + 4,
                                          std::string(look.name) + ", " + alignmentName);
        for (int column = 0; column < 4; ++column) {
          TSurface cell(kEditorWidth, kEditorHeight);
          cell.Canvas()->FillRect(Rect(0, 0, kEditorWidth, kEditorHeight), clBtnFace);
          PaintEditor(cell.Canvas(), m_properties.get(), m_styles.get(), kEditorStates[column],
                      "\xC7"
                      "al\xFD\xFEkan \xDD"
                      "l\xE7"
                      "e");
          sheet.Canvas()->Canvas()->Draw(kLabelWidth + column * kCellWidth, top, cell.Bitmap());
        }
        ++row;
      }
    }
    SavePicture(sheet.Bitmap(), "text-editors");
  }
  ReleaseOffice11Colors();
}

} // namespace
