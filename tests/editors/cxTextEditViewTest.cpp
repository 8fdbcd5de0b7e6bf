// The text editor's view: the layout format, the text rectangle, the
// highlighted range, the hint, digit grouping, and the drawn text landing on
// the very pixels where the platform's EDIT, placed as the editor places its
// inner edit, shows the same text (left, centred and right, plain and
// masked). Every test leaves the process's GDI objects as it found them.
#include "editors/cxTextEditView.h"

#include <algorithm>
#include <string>

#include "editors/cxEdit.h"
#include "editors/cxEditStyles.h"
#include "editors/cxEditUtils.h"
#include "framework/cxGeometry.h"
#include "framework/cxLookAndFeels.h"
#include "tests/platform/stdctrls/StdCtrlsTestSupport.h"
#include "tests/support/GdiObjects.h"
#include "tests/support/Pictures.h"

namespace {

using enum TcxContainerStateItem;

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
TEST_F(TextEditViewTest, HighlightRangeIsClampedToTheText) {
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
TEST_F(TextEditViewTest, DrawnTextMatchesThePlatformEditPixelForPixel) {
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
    SavePicture(m_surface->Bitmap(), std::string("text-edit-view-") + c.name);
    SavePicture(platform.get(), std::string("text-edit-view-") + c.name + "-platform");

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
TEST_F(TextEditViewTest, FocusRectangleAndInnerEditShownTable) {
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
                shown ? "text-edit-view-focused-shown" : "text-edit-view-focused");
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

} // namespace
