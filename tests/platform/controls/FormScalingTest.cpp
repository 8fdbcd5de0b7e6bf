// Scaling: forms read from definitions laid out for another screen
// resolution, what of them the definition set, and ScaleBy on live controls.
#include "tests/platform/controls/ControlsTestSupport.h"

#include "platform/controls/Screen.h"
#include "platform/objects/FormReader.h"
#include "platform/objects/FormWriter.h"
#include "tests/support/GdiObjects.h"

namespace controls_test {
namespace {

using enum TAnchorKind;

// A form of 200 x 120 client pixels: a box near its bottom-right corner
// anchored there, with its own font and limits, and a windowless control
// that takes the form's font.
std::string Definition(const std::string& formLines) {
  return R"(object ScaledForm: TForm
  ClientWidth = 200
  ClientHeight = 120
  Font.Height = -12
)" + formLines +
         R"(  object Box: TTestBox
    Left = 130
    Top = 80
    Width = 60
    Height = 30
    Anchors = [akRight, akBottom]
    Constraints.MaxWidth = 80
    Constraints.MinHeight = 20
    Font.Height = -16
    ParentFont = False
  end
  object Label: TTestGraphic
    Left = 10
    Top = 6
    Width = 50
    Height = 14
  end
end
)";
}

class FormScalingTest : public TControlsTest {
protected:
  TForm* Read(const std::string& definition) {
    TForm* form = Create<TForm>(Application, 0);
    ReadFormDefinition(definition, form);
    return form;
  }

  static TControl* Child(TForm* form, const char* name) {
    return As<TControl>(form->FindComponent(name));
  }
};

TEST_F(FormScalingTest, AFormLaidOutForAnotherResolutionIsScaledToTheScreens) {
  const int screen = Screen->PixelsPerInch();
  struct Case {
    int designed;
  } cases[] = {{screen / 2}, {screen * 2}};
  for (const Case& c : cases) {
    TForm* form = Read(Definition("  PixelsPerInch = " + std::to_string(c.designed) + "\n"));
    const auto scaled = [&](int value) { return ::MulDiv(value, screen, c.designed); };
    EXPECT_EQ(form->PixelsPerInch(), screen) << c.designed;
    EXPECT_EQ(form->ClientWidth(), scaled(200)) << c.designed;
    EXPECT_EQ(form->ClientHeight(), scaled(120)) << c.designed;
    EXPECT_EQ(form->Font()->Height(), scaled(-12)) << c.designed;

    TControl* box = Child(form, "Box");
    EXPECT_EQ(box->BoundsRect(), Bounds(scaled(130), scaled(80), scaled(60), scaled(30)))
        << c.designed;
    EXPECT_EQ(box->Constraints()->MaxWidth(), scaled(80)) << c.designed;
    EXPECT_EQ(box->Constraints()->MinHeight(), scaled(20)) << c.designed;
    EXPECT_EQ(box->Font()->Size(), scaled(12)) << c.designed;
    TControl* label = Child(form, "Label");
    EXPECT_EQ(label->BoundsRect(), Bounds(scaled(10), scaled(6), scaled(50), scaled(14)))
        << c.designed;
    EXPECT_TRUE(label->ParentFont()) << c.designed;
    EXPECT_EQ(label->Font()->Height(), scaled(-12)) << c.designed;

    // The anchors keep the scaled distances to the far edges.
    form->SetClientWidth(form->ClientWidth() + 40);
    form->SetClientHeight(form->ClientHeight() + 10);
    EXPECT_EQ(box->BoundsRect(), Bounds(scaled(130) + 40, scaled(80) + 10, scaled(60), scaled(30)))
        << c.designed;
    form->Free();
  }
}

TEST_F(FormScalingTest, NothingIsScaledUnlessTheFormIsScaledAndLaidOutForAnotherResolution) {
  const int screen = Screen->PixelsPerInch();
  struct Case {
    const char* name;
    std::string lines;
    int pixelsPerInch;
  } cases[] = {
      {"not scaled", "  Scaled = False\n  PixelsPerInch = " + std::to_string(screen / 2) + "\n",
       screen / 2},
      {"the screen's", "  PixelsPerInch = " + std::to_string(screen) + "\n", screen},
      {"none given", "", screen},
  };
  for (const Case& c : cases) {
    TForm* form = Read(Definition(c.lines));
    EXPECT_EQ(form->PixelsPerInch(), c.pixelsPerInch) << c.name;
    EXPECT_EQ(form->ClientWidth(), 200) << c.name;
    EXPECT_EQ(form->Font()->Height(), -12) << c.name;
    TControl* box = Child(form, "Box");
    EXPECT_EQ(box->BoundsRect(), Bounds(130, 80, 60, 30)) << c.name;
    EXPECT_EQ(box->Constraints()->MaxWidth(), 80) << c.name;
    EXPECT_EQ(box->Font()->Height(), -16) << c.name;
    EXPECT_EQ(Child(form, "Label")->BoundsRect(), Bounds(10, 6, 50, 14)) << c.name;
    EXPECT_EQ(box->ScalingFlags(), TScalingFlags{}) << c.name;
    form->Free();
  }
}

// Bounds the control had before it was read (its class's defaults) stay;
// an own font counts as read even when reading it changed nothing.
TEST_F(FormScalingTest, WhatTheDefinitionSetIsScaledEvenWhereItChangedNothing) {
  const int screen = Screen->PixelsPerInch();
  TOwned<TTestBox> defaults(Create<TTestBox>(nullptr));
  const std::string font = "Font.Height = " + std::to_string(defaults->Font()->Height()) + "\n";
  TForm* form = Read("object ScaledForm: TForm\n  " + font +
                     "  PixelsPerInch = " + std::to_string(screen / 2) +
                     "\n"
                     "  object Box: TTestBox\n"
                     "    Left = 10\n"
                     "    Width = 40\n"
                     "    ParentFont = False\n    " +
                     font + "  end\nend\n");
  TControl* box = Child(form, "Box");
  EXPECT_EQ(box->BoundsRect(), Bounds(20, 0, 80, defaults->Height()));
  EXPECT_EQ(form->Font()->Height(), 2 * defaults->Font()->Height());
  EXPECT_EQ(box->Font()->Size(), 2 * defaults->Font()->Size());
  EXPECT_EQ(form->ScalingFlags(), TScalingFlags{});
  EXPECT_EQ(box->ScalingFlags(), TScalingFlags{});
}

TEST_F(FormScalingTest, AFormWritesItsResolutionAndScaledOnlyWhenOff) {
  const int screen = Screen->PixelsPerInch();
  struct Case {
    bool scaled;
    int pixelsPerInch;
  } cases[] = {{true, screen}, {false, screen / 2}};
  for (const Case& c : cases) {
    TForm* form = Create<TForm>(Application, 0);
    form->SetName("Written");
    form->SetScaled(c.scaled);
    form->SetPixelsPerInch(c.pixelsPerInch);
    const std::string text = WriteFormDefinition(form);
    EXPECT_NE(text.find("PixelsPerInch = " + std::to_string(c.pixelsPerInch) + "\r\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("Scaled = False\r\n") != std::string::npos, !c.scaled) << text;
    EXPECT_EQ(text.find("Scaled = True"), std::string::npos) << text;
    form->Free();

    TForm* copy = Read(text);
    EXPECT_EQ(copy->Scaled(), c.scaled);
    EXPECT_EQ(copy->PixelsPerInch(), c.pixelsPerInch);
    EXPECT_EQ(WriteFormDefinition(copy), text);
    copy->Free();
  }
}

TEST_F(FormScalingTest, AResolutionBelowOneIsAnError) {
  for (const char* value : {"0", "-96"}) {
    TForm* form = Create<TForm>(Application, 0);
    EXPECT_THROW(ReadFormDefinition(
                     std::string("object F: TForm\n  PixelsPerInch = ") + value + "\nend\n", form),
                 Exception)
        << value;
    EXPECT_EQ(form->PixelsPerInch(), Screen->PixelsPerInch()) << value;
  }
}

// ScaleBy keeps the control where it is and scales its size, limits, own
// font and everything in it; children anchored to its far edges keep their
// scaled distances.
TEST_F(FormScalingTest, ScaleByScalesALiveControlInPlace) {
  struct Case {
    int m;
    int d;
  } cases[] = {{2, 1}, {1, 2}, {3, 2}};
  TForm* form = Create<TForm>(Application, 0);
  form->SetBounds(100, 100, 500, 400);
  form->Show();
  Pump();
  for (const Case& c : cases) {
    auto* panel = Create<TTestBox>(form);
    panel->SetParent(form);
    panel->SetBounds(10, 20, 120, 80);
    panel->Constraints()->SetMaxHeight(100);
    auto* inner = Create<TTestBox>(form);
    inner->SetParent(panel);
    inner->SetBoundsRect(Rect(40, 50, 100, 70));
    inner->SetAnchors({akRight, akBottom});
    inner->Font()->SetSize(12);
    auto* follower = Create<TTestGraphic>(form);
    follower->SetParent(panel);
    const int followerHeight = follower->Font()->Height();
    const auto scaled = [&](int value) { return ::MulDiv(value, c.m, c.d); };

    panel->ScaleBy(c.m, c.d);
    EXPECT_EQ(panel->BoundsRect(), Bounds(10, 20, scaled(120), scaled(80))) << c.m << "/" << c.d;
    EXPECT_EQ(panel->Constraints()->MaxHeight(), scaled(100)) << c.m << "/" << c.d;
    EXPECT_EQ(inner->BoundsRect(), Rect(scaled(40), scaled(50), scaled(100), scaled(70)))
        << c.m << "/" << c.d;
    EXPECT_EQ(inner->Font()->Size(), scaled(12)) << c.m << "/" << c.d;
    EXPECT_EQ(follower->Font()->Height(), followerHeight) << "the parent's font stays";

    panel->SetBounds(10, 20, panel->Width() + 30, panel->Height() + 10);
    EXPECT_EQ(inner->BoundsRect(),
              Rect(scaled(40) + 30, scaled(50) + 10, scaled(100) + 30, scaled(70) + 10))
        << c.m << "/" << c.d;
    panel->Free();
  }
}

TEST_F(FormScalingTest, ScalingAndReadingScaledFormsKeepNoGdiObjects) {
  const std::string definition =
      Definition("  PixelsPerInch = " + std::to_string(Screen->PixelsPerInch() / 2) + "\n");
  const auto round = [&] {
    TForm* form = Read(definition);
    form->Show();
    Pump();
    form->ScaleBy(1, 2);
    Pump();
    form->Free();
  };
  round();
  const int objects = CountGdiObjects();
  for (int i = 0; i < 3; ++i)
    round();
  EXPECT_EQ(CountGdiObjects(), objects);
}

} // namespace
} // namespace controls_test
