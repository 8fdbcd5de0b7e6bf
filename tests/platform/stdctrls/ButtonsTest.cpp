// Buttons under a real X server: the platform's push button, the bit
// button the library draws with its picture, and the speed button that
// never takes the focus; clicks once per press, modal results, pictures
// without their transparent colour.
#include "tests/platform/stdctrls/StdCtrlsTestSupport.h"

#include "platform/controls/Timers.h"
#include "platform/stdctrls/Buttons.h"

namespace stdctrls_test {
namespace {

using controls_test::ClickControl;
using controls_test::PressKey;

const char kButtonForm[] = R"(object ButtonForm: TLogForm
  Left = 100
  Top = 100
  ClientWidth = 320
  ClientHeight = 200
  Color = clWhite
  object Edit1: TEdit
    Left = 10
    Top = 10
    TabOrder = 0
  end
  object Button1: TButton
    Left = 10
    Top = 50
    Caption = 'G'#246'nder'
    ModalResult = 1
    TabOrder = 1
    OnClick = Clicked
  end
  object BitBtn1: TBitBtn
    Left = 100
    Top = 50
    Width = 90
    Height = 30
    Caption = #199#253'k'#253#254
    TabOrder = 2
    OnClick = Clicked
  end
  object SpeedButton1: TSpeedButton
    Left = 10
    Top = 100
    Width = 70
    Height = 26
    Caption = 'Oturum A'#231
    Font.Style = [fsBold]
    ParentFont = False
    OnClick = Clicked
  end
  object SpeedButton2: TSpeedButton
    Left = 100
    Top = 100
    Width = 24
    Height = 25
    Flat = True
  end
end
)";

// A 16 by 16 picture with 256 colours: a red square inside a border of the
// transparent colour (the bottom-left pixel's).
void DrawMarker(TBitmap* glyph) {
  glyph->SetPixelFormat(TPixelFormat::pf8bit);
  glyph->SetSize(16, 16);
  TCanvas* canvas = glyph->Canvas();
  canvas->Brush()->SetColor(clFuchsia);
  canvas->FillRect(Rect(0, 0, 16, 16));
  canvas->Brush()->SetColor(clRed);
  canvas->FillRect(Rect(4, 4, 12, 12));
}

class ButtonsTest : public TStdCtrlsTest {
protected:
  void SetUp() override {
    TStdCtrlsTest::SetUp();
    m_form = ReadForm(kButtonForm);
    m_bitmap.reset(Create<TBitmap>());
  }

  template <class T>
  T* Find(const char* name) {
    return static_cast<T*>(m_form->FindComponent(name));
  }

  // Clicks the control (twice in a row when 'twice'), waits for 'clicks'
  // clicks logged.
  void ClickAndWait(TControl* control, std::size_t clicks, bool twice = false) {
    ClickControl(control, {8, 8});
    if (twice)
      ClickControl(control, {8, 8});
    EXPECT_TRUE(PumpUntil([&] { return m_form->Logged("click").size() >= clicks; }));
    Pump();
  }

  TLogForm* m_form = nullptr;
  TOwned<TBitmap> m_bitmap;
};

TEST_F(ButtonsTest, PushButtonsClickOncePerPressByMouseOrSpace) {
  ShowAndActivate(m_form);
  for (const char* name : {"Button1", "BitBtn1"}) {
    auto* button = Find<TButton>(name);
    m_form->log.clear();
    ClickAndWait(button, 1);
    EXPECT_TRUE(button->Focused()) << name;
    PressKey(VK_SPACE);
    ClickAndWait(button, 3, true);
    const std::string click = std::string(name) + " click";
    EXPECT_EQ(m_form->log, (std::vector<std::string>(4, click)));
  }
  EXPECT_EQ(WindowText(Find<TButton>("Button1")->Handle()), "G\xF6nder");
  EXPECT_EQ(WindowText(Find<TButton>("BitBtn1")->Handle()), "\xC7\xFDk\xFD\xFE");
}

// A click gives the button's ModalResult to its form; a modal showing
// ends with it.
TEST_F(ButtonsTest, ModalResultOfTheButtonEndsAModalShowing) {
  auto* button = Find<TButton>("Button1");
  EXPECT_EQ(button->ModalResult(), mrOk);
  EXPECT_EQ(Find<TBitBtn>("BitBtn1")->ModalResult(), mrNone);
  TTimer* timer = Create<TTimer>(m_form);
  timer->SetInterval(20);
  timer->SetOnTimer(TNotifyEvent([button, timer](TObject*) {
    timer->SetEnabled(false);
    ::SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  }));
  EXPECT_EQ(m_form->ShowModal(), mrOk);
  EXPECT_EQ(m_form->log, (std::vector<std::string>{"Button1 click"}));
}

TEST_F(ButtonsTest, BitBtnDrawsItsPictureBesideTheCaption) {
  auto* button = Find<TBitBtn>("BitBtn1");
  DrawMarker(button->Glyph());
  ShowAndActivate(m_form);
  PaintInto(button, m_bitmap.get());
  const TRect whole = Rect(0, 0, button->Width(), button->Height());
  EXPECT_EQ(CountPixels(m_bitmap.get(), whole, clRed), 64);
  EXPECT_EQ(CountPixels(m_bitmap.get(), whole, clFuchsia), 0);
  int firstRed = whole.Right;
  for (int x = 0; x < whole.Right && firstRed == whole.Right; ++x)
    if (m_bitmap->Canvas()->Pixels(x, button->Height() / 2) == clRed)
      firstRed = x;
  const TRect caption = Rect(firstRed + 12, 0, whole.Right, whole.Bottom);
  EXPECT_GT(CountPixels(m_bitmap.get(), caption, clBtnText), 10);
  button->SetEnabled(false);
  PaintInto(button, m_bitmap.get());
  EXPECT_EQ(CountPixels(m_bitmap.get(), whole, clRed), 0);
  EXPECT_GT(CountPixels(m_bitmap.get(), caption, clBtnShadow), 10);
}

// The speed button shows pressed while held over it, clicks when released
// over it, and leaves the focus where it was.
TEST_F(ButtonsTest, SpeedButtonClicksWithoutTakingTheFocus) {
  auto* button = Find<TSpeedButton>("SpeedButton1");
  auto* edit = Find<TEdit>("Edit1");
  EXPECT_TRUE(button->Font()->Style().Contains(TFontStyle::fsBold));
  ShowAndActivate(m_form);
  ASSERT_TRUE(edit->Focused());
  ClickAndWait(button, 1);
  EXPECT_TRUE(edit->Focused());
  const TPoint inside = button->ClientToScreen({5, 5});
  ::SetCursorPos(inside.X, inside.Y);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  EXPECT_TRUE(PumpUntil([&] { return button->Pressed(); }));
  const TPoint outside = button->ClientToScreen({5, 60});
  ::SetCursorPos(outside.X, outside.Y);
  SendMouse(MOUSEEVENTF_MOVE);
  EXPECT_TRUE(PumpUntil([&] { return !button->Pressed(); }));
  SendMouse(MOUSEEVENTF_LEFTUP);
  Pump();
  ClickAndWait(button, 3, true);
  EXPECT_EQ(m_form->log, (std::vector<std::string>(3, "SpeedButton1 click")));
  EXPECT_TRUE(edit->Focused());
}

// A flat button shows its edge only while the mouse is over it; its
// picture leaves out the transparent colour.
TEST_F(ButtonsTest, FlatSpeedButtonShowsItsEdgeUnderTheMouseOnly) {
  auto* button = Find<TSpeedButton>("SpeedButton2");
  DrawMarker(button->Glyph());
  const TRect bounds = button->BoundsRect();
  PaintInto(m_form, m_bitmap.get());
  EXPECT_EQ(m_bitmap->Canvas()->Pixels(bounds.Left, bounds.Top), clWhite);
  EXPECT_EQ(CountPixels(m_bitmap.get(), bounds, clRed), 64);
  EXPECT_EQ(CountPixels(m_bitmap.get(), bounds, clFuchsia), 0);
  button->Perform(CM_MOUSEENTER);
  PaintInto(m_form, m_bitmap.get());
  EXPECT_EQ(m_bitmap->Canvas()->Pixels(bounds.Left, bounds.Top), ColorToRGB(clBtnHighlight));
  button->Perform(CM_MOUSELEAVE);
  PaintInto(m_form, m_bitmap.get());
  EXPECT_EQ(m_bitmap->Canvas()->Pixels(bounds.Left, bounds.Top), clWhite);
  auto* framed = Find<TSpeedButton>("SpeedButton1");
  const TRect face = framed->BoundsRect();
  EXPECT_EQ(m_bitmap->Canvas()->Pixels(face.Left + 3, face.Top + 3), ColorToRGB(clBtnFace));
  EXPECT_GT(CountPixels(m_bitmap.get(), face, clBtnText), 20) << "the caption";
}

} // namespace
} // namespace stdctrls_test
