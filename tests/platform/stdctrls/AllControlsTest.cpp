// A form holding every standard control, read from one definition with
// Turkish captions: shown on the screen, its picture is written for people
// to look at (with TEST_PICTURES set) and checked where each control must
// show; written back, its definition reads into the same form.
#include "tests/platform/stdctrls/StdCtrlsTestSupport.h"

#include "platform/objects/FormWriter.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "tests/support/Pictures.h"

namespace stdctrls_test {
namespace {

const char kAllControls[] = R"(object Hepsi1: TLogForm
  Left = 120
  Top = 80
  Caption = 'Standart denetimler '#199#208#221#214#222#220
  ClientWidth = 420
  ClientHeight = 330
  Color = clBtnFace
  Font.Height = -11
  Font.Name = 'Tahoma'
  object Bevel1: TBevel
    Left = 8
    Top = 8
    Width = 225
    Height = 169
  end
  object LabeledEdit1: TLabeledEdit
    Left = 64
    Top = 40
    Width = 121
    Height = 21
    EditLabel.Caption = 'Kullan'#253'c'#253' Ad'#253':'
    TabOrder = 0
    Text = #231#240#253#246#254#252' '#199#208'I'#221#214#222#220
  end
  object LabeledEdit2: TLabeledEdit
    Left = 64
    Top = 88
    Width = 121
    Height = 21
    EditLabel.Caption = 'Parola:'
    PasswordChar = '*'
    TabOrder = 1
    Text = 'gizli'
  end
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
  end
  object SpeedButton1: TSpeedButton
    Left = 148
    Top = 190
    Width = 70
    Height = 26
    Caption = 'Oturum A'#231
    Font.Height = -11
    Font.Name = 'Tahoma'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object SpeedButton2: TSpeedButton
    Left = 40
    Top = 191
    Width = 65
    Height = 25
    Caption = #199#253'k'#253#254
  end
  object SpeedButton3: TSpeedButton
    Left = 8
    Top = 191
    Width = 24
    Height = 25
    Flat = True
  end
  object Bevel2: TBevel
    Left = 248
    Top = 8
    Width = 160
    Height = 80
    Shape = bsFrame
    Style = bsRaised
  end
  object Button1: TButton
    Left = 260
    Top = 20
    Caption = 'Tamam'
    TabOrder = 2
  end
  object BitBtn1: TBitBtn
    Left = 260
    Top = 50
    Width = 90
    Caption = 'G'#246'nder'
    TabOrder = 3
  end
  object Memo1: TMemo
    Left = 248
    Top = 100
    Width = 160
    Height = 90
    Lines.Strings = (
      'Ay'#254'e:G'#252'nayd'#253'n'
      #214'mer:'#199'ay i'#231'elim mi?')
    ReadOnly = True
    ScrollBars = ssVertical
    TabOrder = 4
  end
  object Edit1: TEdit
    Left = 248
    Top = 200
    Width = 160
    TabOrder = 5
    Text = #221'stanbul '#222'i'#254'li'
  end
end
)";

class AllControlsTest : public TStdCtrlsTest {};

TEST_F(AllControlsTest, EveryControlShowsOnTheScreen) {
  TLogForm* form = ReadForm(kAllControls);
  auto* glyphButton = static_cast<TSpeedButton*>(form->FindComponent("SpeedButton3"));
  TBitmap* glyph = glyphButton->Glyph();
  glyph->SetPixelFormat(TPixelFormat::pf8bit);
  glyph->SetSize(16, 16);
  glyph->Canvas()->Brush()->SetColor(clFuchsia);
  glyph->Canvas()->FillRect(Rect(0, 0, 16, 16));
  glyph->Canvas()->Brush()->SetColor(clRed);
  glyph->Canvas()->Ellipse(2, 2, 14, 14);
  auto* glyphBitBtn = static_cast<TBitBtn*>(form->FindComponent("BitBtn1"));
  glyphBitBtn->SetGlyph(glyph);
  ShowAndActivate(form);
  form->Repaint();
  Pump();

  TOwned<TBitmap> picture(Create<TBitmap>());
  CaptureScreen(form->Handle(), picture.get());
  SavePicture(picture.get(), "stdctrls-all-controls");

  const TPoint origin = form->ClientToScreen({0, 0});
  RECT window{};
  ::GetWindowRect(form->Handle(), &window);
  // Where the control named 'name' is in the picture.
  auto area = [&](const char* name) {
    const TRect r = static_cast<TControl*>(form->FindComponent(name))->BoundsRect();
    const int dx = origin.X - window.left;
    const int dy = origin.Y - window.top;
    return Rect(r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy);
  };
  EXPECT_GT(CountPixels(picture.get(), area("Label1"), clBlue), 20);
  EXPECT_GT(CountPixels(picture.get(), area("SpeedButton3"), clRed), 20);
  EXPECT_EQ(CountPixels(picture.get(), area("SpeedButton3"), clFuchsia), 0);
  EXPECT_GT(CountPixels(picture.get(), area("BitBtn1"), clRed), 20);
  EXPECT_GT(CountPixels(picture.get(), area("Edit1"), clWindow), 100);
  auto* edit = static_cast<TWinControl*>(form->FindComponent("Edit1"));
  EXPECT_EQ(edit->Text(), "\xDDstanbul \xDEi\xFEli");
}

// Defaults stay out of the written definition; everything else reads back
// into a form that writes the same definition again.
TEST_F(AllControlsTest, WrittenDefinitionReadsBackTheSame) {
  TLogForm* form = ReadForm(kAllControls);
  const std::string written = WriteFormDefinition(form);
  for (const char* expected :
       {"Lines.Strings = (\r\n      'Ay'#254'e:G'#252'nayd'#253'n'", "ScrollBars = ssVertical",
        "Shape = bsFrame", "Flat = True", "Font.Style = [fsBold]", "Cursor = crHandPoint",
        "Caption = #199#253'k'#253#254", "Text = #221'stanbul '#222'i'#254'li'"})
    EXPECT_NE(written.find(expected), std::string::npos) << expected << "\n" << written;
  for (const char* omitted : {"AutoSize", "Transparent", "ShowAccelChar", "WordWrap",
                              "Flat = False", "ModalResult", "Style = bsLowered", "HideSelection"})
    EXPECT_EQ(written.find(omitted), std::string::npos) << omitted << "\n" << written;
  form->Free();
  TLogForm* again = ReadForm(written);
  EXPECT_EQ(WriteFormDefinition(again), written);
}

} // namespace
} // namespace stdctrls_test
