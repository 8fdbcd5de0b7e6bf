// A form with every common control, shown on the screen: its picture is
// written for people to look at (with TEST_PICTURES set) and checked where
// each control shows.
#include "tests/platform/controls/ControlsTestSupport.h"

#include "platform/comctrls/ComCtrls.h"
#include "platform/comctrls/CommonControlsClasses.h"
#include "platform/comctrls/ListBoxes.h"
#include "platform/graphics/Bitmaps.h"
#include "tests/support/Pictures.h"
#include "tests/support/Pixels.h"

namespace controls_test {
namespace {

class TPictureForm : public TForm {
  OBJECT_CLASS(TPictureForm, TForm)
public:
  using TForm::TForm;
};

const char kAllControls[] = R"(object PictureForm1: TPictureForm
  Left = 160
  Top = 120
  Caption = 'Ortak Denetimler'
  ClientWidth = 360
  ClientHeight = 260
  object PageControl1: TPageControl
    Left = 8
    Top = 8
    Width = 344
    Height = 220
    ActivePage = TabSheet1
    object TabSheet1: TTabSheet
      Caption = 'Ki'#254'iler'
      object ListBox1: TListBox
        Left = 8
        Top = 8
        Width = 200
        Height = 150
        Items.Strings = (
          'Ay'#254'e Y'#253'lmaz'
          'G'#252'l'#254'en '#199'a'#240'lar'
          #214'mer '#221'nce'
          #222'ule '#220'nl'#252)
      end
    end
    object TabSheet2: TTabSheet
      Caption = 'Se'#231'enekler'
    end
  end
  object StatusBar1: TStatusBar
    Height = 19
    Panels = <
      item
        Text = #199'evrimi'#231'i'
        Width = 120
      end
      item
        Text = '4 ki'#254'i'
      end>
  end
end
)";

class CommonControlsPictureTest : public TControlsTest {
protected:
  static void SetUpTestSuite() {
    TControlsTest::SetUpTestSuite();
    RegisterCommonControlsClasses();
    RegisterClass(TPictureForm::StaticClass());
  }
};

TEST_F(CommonControlsPictureTest, EveryControlShowsOnTheScreen) {
  RegisterFormDefinition("TPictureForm", kAllControls);
  TPictureForm* form = nullptr;
  Application->CreateForm(form);
  auto* list = As<TListBox>(form->FindComponent("ListBox1"));
  list->SetItemIndex(1);
  form->Show();
  ASSERT_TRUE(PumpUntil([&] { return form->Active(); }));
  list->SetFocus();
  form->Repaint();
  Pump();

  TOwned<TBitmap> picture(Create<TBitmap>());
  CaptureScreen(form->Handle(), picture.get());
  RECT window{};
  ::GetWindowRect(form->Handle(), &window);
  SavePicture(picture.get(), "comctrls-all-controls");

  // Where a control is in the picture.
  auto area = [&](TControl* control) {
    const TPoint topLeft = control->ClientToScreen({0, 0});
    return Bounds(topLeft.X - window.left, topLeft.Y - window.top, control->Width(),
                  control->Height());
  };
  const TRect second = list->ItemRect(1);
  TRect selected = area(list);
  selected.Top += second.Top;
  selected.Bottom = selected.Top + second.Bottom - second.Top;
  EXPECT_GT(CountPixels(picture.get(), selected, clHighlight), 100);
  EXPECT_GT(CountPixels(picture.get(), area(list), clWindowText), 50);
  auto* bar = As<TControl>(form->FindComponent("StatusBar1"));
  EXPECT_GT(CountPixels(picture.get(), area(bar), clBtnText), 20);
}

} // namespace
} // namespace controls_test
