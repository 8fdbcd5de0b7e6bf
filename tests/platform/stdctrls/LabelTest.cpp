// Labels and bevels: drawn by the library on their parent's window, read
// from definitions, sized to their caption, clicked, and pointing the
// keyboard at their focus control.
#include "tests/platform/stdctrls/StdCtrlsTestSupport.h"

#include "platform/controls/Screen.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "platform/stdctrls/StdCtrls.h"

namespace stdctrls_test {
namespace {

using controls_test::ClickControl;

TColor SysColor(int index) { return static_cast<TColor>(::GetSysColor(index)); }

const char kLabelForm[] = R"(object LabelForm: TLogForm
  Left = 100
  Top = 100
  ClientWidth = 300
  ClientHeight = 200
  Color = clWhite
  object Label1: TLabel
    Left = 88
    Top = 136
    Cursor = crHandPoint
    Caption = 'Yeni Hesap A'#231
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'Tahoma'
    Font.Style = [fsUnderline]
    ParentFont = False
    OnClick = Clicked
  end
  object Label2: TLabel
    Left = 10
    Top = 10
    Caption = '&Parola:'
    Color = clYellow
    ParentColor = False
    Font.Color = clBlue
    ParentFont = False
    FocusControl = Edit1
  end
  object Label3: TLabel
    Left = 10
    Top = 40
    Caption = '&'#222'ifre:'
    FocusControl = Edit2
  end
  object Edit1: TEdit
    Left = 100
    Top = 10
    TabOrder = 0
  end
  object Edit2: TEdit
    Left = 100
    Top = 40
    TabOrder = 1
  end
  object Bevel1: TBevel
    Left = 10
    Top = 70
    Width = 40
    Height = 30
  end
  object Bevel2: TBevel
    Left = 60
    Top = 70
    Width = 40
    Height = 30
    Shape = bsFrame
    Style = bsRaised
  end
end
)";

class LabelTest : public TStdCtrlsTest {
protected:
  void SetUp() override {
    TStdCtrlsTest::SetUp();
    m_form = ReadForm(kLabelForm);
    m_bitmap.reset(Create<TBitmap>());
  }

  template <class T>
  T* Find(const char* name) {
    return static_cast<T*>(m_form->FindComponent(name));
  }

  TLogForm* m_form = nullptr;
  TOwned<TBitmap> m_bitmap;
};

TEST_F(LabelTest, DefinitionGivesCaptionLooksAndSize) {
  auto* label = Find<TLabel>("Label1");
  EXPECT_EQ(label->Caption(), "Yeni Hesap A\xE7");
  EXPECT_EQ(label->Font()->Color(), clBlue);
  EXPECT_TRUE(label->Font()->Style().Contains(TFontStyle::fsUnderline));
  EXPECT_EQ(label->Cursor(), crHandPoint);
  EXPECT_TRUE(label->AutoSize());
  EXPECT_EQ(Find<TLabel>("Label2")->FocusControl(), Find<TEdit>("Edit1"));
  const int width = label->Width();
  EXPECT_GT(width, 40);
  EXPECT_GT(label->Height(), 8);
  label->SetCaption(label->Caption() + " \xDD\xDE");
  EXPECT_GT(label->Width(), width);
  EXPECT_EQ(label->Left(), 88);
}

// A right-justified label grows to the left; without AutoSize it keeps its
// size; an empty caption keeps the height of a line.
TEST_F(LabelTest, AutoSizeKeepsTheJustifiedEdge) {
  auto* label = Find<TLabel>("Label1");
  const int height = label->Height();
  label->SetAlignment(TAlignment::taRightJustify);
  const int right = label->Left() + label->Width();
  label->SetCaption("Uzun bir ba\xFEl\xFDk yaz\xFDs\xFD");
  EXPECT_EQ(label->Left() + label->Width(), right);
  label->SetCaption("");
  EXPECT_EQ(label->Height(), height);
  EXPECT_GT(label->Width(), 0);
  label->SetAutoSize(false);
  label->SetBounds(0, 0, 30, 40);
  label->SetCaption("\xC7ok uzun bir ba\xFEl\xFDk");
  EXPECT_EQ(label->Width(), 30);
  EXPECT_EQ(label->Height(), 40);
}

TEST_F(LabelTest, ClickFiresOnceAndTheCursorIsTheHand) {
  auto* label = Find<TLabel>("Label1");
  ShowAndActivate(m_form);
  ClickControl(label, {3, 3});
  EXPECT_TRUE(PumpUntil([&] { return !m_form->log.empty(); }));
  Pump();
  EXPECT_EQ(m_form->log, (std::vector<std::string>{"Label1 click"}));
  const TPoint over = label->ClientToScreen({4, 4});
  ::SetCursorPos(over.X, over.Y);
  m_form->Perform(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_form->Handle()),
                  MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(::GetCursor(), Screen->Cursors(crHandPoint));
}

// The caption in its font colour over the label's colour, or over the
// parent when transparent; a disabled label is embossed in the platform's
// shades.
TEST_F(LabelTest, PaintsCaptionOverItsColourOrTheParent) {
  auto* label = Find<TLabel>("Label2");
  const TRect bounds = label->BoundsRect();
  PaintInto(m_form, m_bitmap.get());
  EXPECT_EQ(m_bitmap->Canvas()->Pixels(bounds.Left, bounds.Top), clYellow);
  EXPECT_GT(CountPixels(m_bitmap.get(), bounds, clBlue), 10);
  EXPECT_EQ(CountPixels(m_bitmap.get(), Rect(0, 0, 300, 200), clBlue),
            CountPixels(m_bitmap.get(), bounds, clBlue) +
                CountPixels(m_bitmap.get(), Find<TLabel>("Label1")->BoundsRect(), clBlue))
      << "nothing drawn outside the labels";
  label->SetTransparent(true);
  PaintInto(m_form, m_bitmap.get());
  EXPECT_EQ(m_bitmap->Canvas()->Pixels(bounds.Left, bounds.Top), clWhite);
  EXPECT_GT(CountPixels(m_bitmap.get(), bounds, clBlue), 10);
  label->SetEnabled(false);
  PaintInto(m_form, m_bitmap.get());
  EXPECT_EQ(CountPixels(m_bitmap.get(), bounds, clBlue), 0);
  EXPECT_GT(CountPixels(m_bitmap.get(), bounds, clBtnShadow), 10);
}

// Alt and the letter after '&' focuses the focus control, Turkish letters
// matched whatever their case; a freed focus control is forgotten.
TEST_F(LabelTest, ShortCutLetterFocusesTheFocusControl) {
  ShowAndActivate(m_form);
  auto* edit1 = Find<TEdit>("Edit1");
  auto* edit2 = Find<TEdit>("Edit2");
  ASSERT_TRUE(edit1->Focused());
  m_form->Perform(CM_DIALOGCHAR, u'\u015F');
  EXPECT_TRUE(edit2->Focused());
  PressChord({VK_MENU}, 'P');
  EXPECT_TRUE(PumpUntil([&] { return edit1->Focused(); }));
  EXPECT_EQ(edit1->Text(), "");
  edit2->Free();
  EXPECT_EQ(Find<TLabel>("Label3")->FocusControl(), nullptr);
  EXPECT_EQ(m_form->Perform(CM_DIALOGCHAR, u'\u015E'), 0);
}

// A box is one edge, a frame two; lowered shows its shadow top left,
// raised bottom right.
TEST_F(LabelTest, BevelDrawsBoxOrFrameLoweredOrRaised) {
  struct {
    TBevelShape shape;
    TBevelStyle style;
    int outerTopLeft;
    int outerBottomRight;
    int innerTopLeft;
  } const cases[] = {
      {TBevelShape::bsBox, TBevelStyle::bsLowered, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, -1},
      {TBevelShape::bsBox, TBevelStyle::bsRaised, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW, -1},
      {TBevelShape::bsFrame, TBevelStyle::bsLowered, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT,
       COLOR_BTNHIGHLIGHT},
      {TBevelShape::bsFrame, TBevelStyle::bsRaised, COLOR_3DLIGHT, COLOR_3DDKSHADOW,
       COLOR_3DDKSHADOW},
  };
  auto* bevel = Find<TBevel>("Bevel1");
  EXPECT_EQ(Find<TBevel>("Bevel2")->Shape(), TBevelShape::bsFrame);
  EXPECT_EQ(Find<TBevel>("Bevel2")->Style(), TBevelStyle::bsRaised);
  const TRect r = bevel->BoundsRect();
  for (const auto& c : cases) {
    bevel->SetShape(c.shape);
    bevel->SetStyle(c.style);
    PaintInto(m_form, m_bitmap.get());
    TCanvas* canvas = m_bitmap->Canvas();
    EXPECT_EQ(canvas->Pixels(r.Left, r.Top), SysColor(c.outerTopLeft));
    EXPECT_EQ(canvas->Pixels(r.Right - 1, r.Bottom - 1), SysColor(c.outerBottomRight));
    const TColor inner = c.innerTopLeft < 0 ? clWhite : SysColor(c.innerTopLeft);
    EXPECT_EQ(canvas->Pixels(r.Left + 1, r.Top + 1), inner);
    EXPECT_EQ(canvas->Pixels(r.Left + 5, r.Top + 5), clWhite) << "the parent shows through";
  }
}

} // namespace
} // namespace stdctrls_test
