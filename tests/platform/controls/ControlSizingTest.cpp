// How controls keep their place and size: anchors when the parent is
// resized, size limits, scaling; the hint and 3D-look settings that follow
// the parent; and all of these in form definitions.
#include "tests/platform/controls/ControlsTestSupport.h"

#include "platform/objects/FormReader.h"
#include "platform/objects/FormWriter.h"

namespace controls_test {
namespace {

using enum TAnchorKind;

TEST(AnchoredBoundsTest, AnchoredEdgesKeepTheirDistancesAndFreeAxesKeepTheirShare) {
  // Placed at (20, 10)-(60, 30) in a 200 x 100 client area, which becomes 300 x 150.
  const TAnchorPlacement placed{Rect(20, 10, 60, 30), {200, 100}};
  struct Case {
    TAnchors anchors;
    TRect expected;
  } cases[] = {
      {{akLeft, akTop}, Rect(20, 10, 60, 30)},
      {{akRight, akBottom}, Rect(120, 60, 160, 80)},
      {{akLeft, akTop, akRight, akBottom}, Rect(20, 10, 160, 80)},
      {{akLeft, akRight}, Rect(20, 20, 160, 40)}, // the centre 20 keeps its share: 30
      {{}, Rect(40, 20, 80, 40)},                 // centres 40 and 20 become 60 and 30
  };
  for (const Case& c : cases) {
    const TRect r = AnchoredBounds(placed, c.anchors, {300, 150});
    EXPECT_EQ(r, c.expected) << "anchors " << c.anchors.ToMask();
  }
}

TEST(AnchoredBoundsTest, AStretchedControlShrinksToNothingButNotBelow) {
  const TAnchorPlacement placed{Rect(20, 10, 60, 30), {200, 100}};
  const TRect r = AnchoredBounds(placed, {akLeft, akTop, akRight, akBottom}, {100, 50});
  EXPECT_EQ(r, Rect(20, 10, 20, 10));
}

TEST(AnchoredBoundsTest, APlacementInAnEmptyParentLeavesFreeAxesWhereTheyAre) {
  const TAnchorPlacement placed{Rect(20, 10, 60, 30), {0, 0}};
  EXPECT_EQ(AnchoredBounds(placed, {}, {300, 150}), Rect(20, 10, 60, 30));
}

class SizeConstraintsTest : public TControlsTest {
protected:
  TOwned<TSizeConstraints> m_limits{Create<TSizeConstraints>(nullptr)};
};

TEST_F(SizeConstraintsTest, ALimitCrossingItsPartnerMovesThePartner) {
  using Setter = void (TSizeConstraints::*)(TConstraintSize);
  using Getter = TConstraintSize (TSizeConstraints::*)() const;
  struct Case {
    Setter setFirst;
    TConstraintSize first;
    Setter setSecond;
    TConstraintSize second;
    Getter min;
    Getter max;
    TConstraintSize expectedMin;
    TConstraintSize expectedMax;
  } cases[] = {
      // A maximum below the minimum lowers the minimum.
      {&TSizeConstraints::SetMinWidth, 80, &TSizeConstraints::SetMaxWidth, 50,
       &TSizeConstraints::MinWidth, &TSizeConstraints::MaxWidth, 50, 50},
      // A minimum above the maximum raises the maximum.
      {&TSizeConstraints::SetMaxHeight, 40, &TSizeConstraints::SetMinHeight, 70,
       &TSizeConstraints::MinHeight, &TSizeConstraints::MaxHeight, 70, 70},
      // No maximum (0) is no limit to cross.
      {&TSizeConstraints::SetMaxWidth, 0, &TSizeConstraints::SetMinWidth, 70,
       &TSizeConstraints::MinWidth, &TSizeConstraints::MaxWidth, 70, 0},
      // Removing the maximum leaves the minimum.
      {&TSizeConstraints::SetMinHeight, 30, &TSizeConstraints::SetMaxHeight, 0,
       &TSizeConstraints::MinHeight, &TSizeConstraints::MaxHeight, 30, 0},
  };
  for (const Case& c : cases) {
    TOwned<TSizeConstraints> limits(Create<TSizeConstraints>(nullptr));
    (limits.get()->*c.setFirst)(c.first);
    (limits.get()->*c.setSecond)(c.second);
    EXPECT_EQ((limits.get()->*c.min)(), c.expectedMin);
    EXPECT_EQ((limits.get()->*c.max)(), c.expectedMax);
  }
}

TEST_F(SizeConstraintsTest, ANegativeLimitIsRefusedAndChangesNothing) {
  m_limits->SetMinWidth(10);
  EXPECT_THROW(m_limits->SetMinWidth(-1), ERangeError);
  EXPECT_THROW(m_limits->SetMaxHeight(-5), ERangeError);
  EXPECT_EQ(m_limits->MinWidth(), 10);
  EXPECT_EQ(m_limits->MaxHeight(), 0);
}

TEST_F(SizeConstraintsTest, EachChangeIsAnnouncedOnceAndAnEqualValueNotAtAll) {
  int changes = 0;
  m_limits->SetOnChange(TNotifyEvent([&](TObject*) { ++changes; }));
  m_limits->SetMaxWidth(100);
  m_limits->SetMaxWidth(100);
  m_limits->SetMinWidth(150); // raises the maximum too, in the same change
  EXPECT_EQ(changes, 2);
  TOwned<TSizeConstraints> copy(Create<TSizeConstraints>(nullptr));
  copy->Assign(m_limits.get());
  m_limits->Assign(copy.get());
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(copy->MaxWidth(), 150);
}

class ControlSizingTest : public TControlsTest {
protected:
  // A form without a window whose client area is 'width' x 'height'.
  TForm* NewForm(int width = 200, int height = 100) {
    TForm* form = Create<TForm>(Application, 0);
    form->SetBounds(100, 100, 400, 300);
    form->SetClientWidth(width);
    form->SetClientHeight(height);
    return form;
  }

  template <class T>
  T* Place(TWinControl* parent, TRect bounds, TAnchors anchors = kDefaultAnchors) {
    T* control = Create<T>(parent);
    control->SetParent(parent);
    control->SetBoundsRect(bounds);
    control->SetAnchors(anchors);
    return control;
  }
};

TEST_F(ControlSizingTest, NewControlsHaveThePlatformsDefaults) {
  TForm* form = NewForm();
  TControl* controls[] = {Place<TTestBox>(form, Rect(0, 0, 10, 10)),
                          Place<TTestGraphic>(form, Rect(0, 0, 10, 10))};
  for (TControl* control : controls) {
    EXPECT_EQ(control->Anchors(), (TAnchors{akLeft, akTop}));
    EXPECT_EQ(control->Constraints()->MinWidth(), 0);
    EXPECT_EQ(control->Constraints()->MinHeight(), 0);
    EXPECT_EQ(control->Constraints()->MaxWidth(), 0);
    EXPECT_EQ(control->Constraints()->MaxHeight(), 0);
    EXPECT_FALSE(control->ShowHint());
    EXPECT_TRUE(control->ParentShowHint());
    EXPECT_TRUE(control->Ctl3D());
    EXPECT_TRUE(control->ParentCtl3D());
  }
}

TEST_F(ControlSizingTest, AnchoredControlsFollowTheParentsResizeWithAndWithoutAWindow) {
  for (bool shown : {false, true}) {
    TForm* form = NewForm(200, 100);
    auto* fixed = Place<TTestBox>(form, Rect(10, 10, 50, 30));
    auto* corner = Place<TTestBox>(form, Rect(140, 60, 190, 90), {akRight, akBottom});
    auto* stretched = Place<TTestGraphic>(form, Rect(10, 40, 190, 50), {akLeft, akTop, akRight});
    if (shown) {
      form->Show();
      Pump();
    }
    form->SetClientWidth(260);
    form->SetClientHeight(130);
    Pump();
    EXPECT_EQ(fixed->BoundsRect(), Rect(10, 10, 50, 30)) << shown;
    EXPECT_EQ(corner->BoundsRect(), Rect(200, 90, 250, 120)) << shown;
    EXPECT_EQ(stretched->BoundsRect(), Rect(10, 40, 250, 50)) << shown;
    if (shown) {
      RECT window;
      ::GetWindowRect(corner->Handle(), &window);
      ::MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&window), 2);
      EXPECT_EQ(window.left, 200);
      EXPECT_EQ(window.top, 90);
    }
    form->Free();
  }
}

TEST_F(ControlSizingTest, MovingAnAnchoredControlByHandMeasuresItsDistancesAgain) {
  TForm* form = NewForm(200, 100);
  auto* box = Place<TTestBox>(form, Rect(140, 60, 190, 90), {akRight, akBottom});
  box->SetLeft(100);
  form->SetClientWidth(220);
  EXPECT_EQ(box->Left(), 120);
  EXPECT_EQ(box->Top(), 60);
}

TEST_F(ControlSizingTest, AnchoredControlsStayPutWhileTheyAreLimitedAndComeBackAfter) {
  TForm* form = NewForm(200, 100);
  auto* box = Place<TTestBox>(form, Rect(10, 10, 190, 30), {akLeft, akTop, akRight});
  box->Constraints()->SetMinWidth(150);
  form->SetClientWidth(100);
  EXPECT_EQ(box->Width(), 150) << "the limit holds";
  form->SetClientWidth(200);
  EXPECT_EQ(box->Width(), 180) << "the distance to the right edge was kept";
}

TEST_F(ControlSizingTest, ConstraintsLimitEveryNewSizeAndTheCurrentOneWhenSet) {
  TForm* form = NewForm();
  auto* box = Place<TTestBox>(form, Rect(0, 0, 60, 24));
  box->Constraints()->SetMaxWidth(50);
  EXPECT_EQ(box->Width(), 50) << "the current size is brought within the new limit";
  box->Constraints()->SetMinHeight(30);
  EXPECT_EQ(box->Height(), 30);
  struct Case {
    int width, height, expectedWidth, expectedHeight;
  } cases[] = {{40, 40, 40, 40}, {80, 40, 50, 40}, {40, 10, 40, 30}, {0, 0, 0, 30}};
  for (const Case& c : cases) {
    box->SetBounds(5, 5, c.width, c.height);
    EXPECT_EQ(box->Width(), c.expectedWidth) << c.width;
    EXPECT_EQ(box->Height(), c.expectedHeight) << c.height;
  }
}

TEST_F(ControlSizingTest, AFormTellsThePlatformItsLimitsForDraggingItsFrame) {
  TForm* form = NewForm();
  form->Constraints()->SetMinWidth(150);
  form->Constraints()->SetMaxHeight(500);
  MINMAXINFO info{};
  info.ptMinTrackSize = {1, 2};
  info.ptMaxTrackSize = {3000, 4000};
  ::SendMessageW(form->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 150);
  EXPECT_EQ(info.ptMaxTrackSize.y, 500);
  EXPECT_NE(info.ptMaxTrackSize.x, 0) << "a limit not set is the platform's";
}

TEST_F(ControlSizingTest, ShowHintFollowsTheParentUntilSetOnTheControl) {
  TForm* form = NewForm();
  auto* panel = Place<TTestBox>(form, Rect(0, 0, 100, 50));
  auto* inner = Place<TTestGraphic>(panel, Rect(0, 0, 10, 10));
  auto* own = Place<TTestGraphic>(panel, Rect(20, 0, 30, 10));
  own->SetShowHint(false);
  EXPECT_FALSE(own->ParentShowHint());
  form->SetShowHint(true);
  EXPECT_TRUE(panel->ShowHint());
  EXPECT_TRUE(inner->ShowHint()) << "through two levels";
  EXPECT_TRUE(inner->ParentShowHint());
  EXPECT_FALSE(own->ShowHint());
  own->SetParentShowHint(true);
  EXPECT_TRUE(own->ShowHint()) << "following again takes the parent's at once";
  auto* late = Place<TTestGraphic>(panel, Rect(40, 0, 50, 10));
  EXPECT_TRUE(late->ShowHint()) << "a new child takes its parent's";
}

// Whether the window has the sunken border of the 3D look (the platform's
// EDIT draws its line border itself, inside its client area).
bool HasSunkenBorder(TWinControl* control) {
  return (::GetWindowLongW(control->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
}

TEST_F(ControlSizingTest, Ctl3DFollowsTheParentAndRemakesABorderedWindow) {
  TForm* form = NewForm();
  auto* panel = Place<TTestBox>(form, Rect(0, 0, 200, 80));
  auto* edit = Place<TTestEdit>(panel, Rect(5, 5, 100, 26));
  edit->SetText("\xE7\x69\xFE");
  form->Show();
  Pump();
  ASSERT_TRUE(HasSunkenBorder(edit));
  const HWND before = edit->Handle();
  form->SetCtl3D(false);
  EXPECT_FALSE(panel->Ctl3D());
  EXPECT_FALSE(edit->Ctl3D());
  EXPECT_TRUE(edit->ParentCtl3D());
  EXPECT_NE(edit->Handle(), before) << "the EDIT was made again";
  EXPECT_FALSE(HasSunkenBorder(edit));
  EXPECT_EQ(edit->Text(), "\xE7\x69\xFE");
  EXPECT_TRUE(::IsWindowVisible(edit->Handle()));
  edit->SetCtl3D(true);
  EXPECT_FALSE(edit->ParentCtl3D());
  EXPECT_TRUE(HasSunkenBorder(edit));
}

// A box that announces changes on request.
class TChangingBox : public TTestBox {
  OBJECT_CLASS(TChangingBox, TTestBox)
public:
  using TControl::Changed;
  using TTestBox::TTestBox;
};

TEST_F(ControlSizingTest, ChangedTellsTheControlItself) {
  TForm* form = NewForm();
  auto* box = Place<TChangingBox>(form, Rect(0, 0, 10, 10));
  std::vector<LPARAM> notices;
  const TWndMethod previous = box->WindowProc();
  box->SetWindowProc(TWndMethod([&](TMessage& message) {
    if (message.Msg == CM_CHANGED)
      notices.push_back(message.LParam);
    previous(message);
  }));
  box->Changed();
  box->SetWindowProc(previous);
  EXPECT_EQ(notices, (std::vector<LPARAM>{reinterpret_cast<LPARAM>(box)}));
}

// The block of a form definition that describes the component 'name'.
std::string Block(const std::string& text, const std::string& name) {
  const std::size_t start = text.find("object " + name + ":");
  if (start == std::string::npos)
    return {};
  return text.substr(start, text.find("end", start) - start);
}

TEST_F(ControlSizingTest, DefinitionsStoreOnlyWhatDiffersFromTheDefaults) {
  TForm* form = NewForm();
  auto* plain = Place<TTestBox>(form, Rect(0, 0, 10, 10));
  plain->SetName("Plain");
  auto* set = Place<TTestBox>(form, Rect(20, 0, 30, 10), {akRight, akBottom});
  set->SetName("Set");
  set->Constraints()->SetMinWidth(10);
  set->Constraints()->SetMaxHeight(40);
  set->SetShowHint(true);
  set->SetCtl3D(false);
  auto* following = Place<TTestBox>(form, Rect(40, 0, 50, 10));
  following->SetName("Following");
  following->SetShowHint(false);
  following->SetParentShowHint(true);
  const std::string text = WriteFormDefinition(form);
  for (const char* name : {"Plain", "Following"}) {
    const std::string block = Block(text, name);
    ASSERT_FALSE(block.empty()) << text;
    for (const char* property : {"Anchors", "Constraints", "ShowHint", "Ctl3D"})
      EXPECT_EQ(block.find(property), std::string::npos) << block;
  }
  const std::string block = Block(text, "Set");
  for (const char* line :
       {"Anchors = [akRight, akBottom]", "Constraints.MaxHeight = 40", "Constraints.MinWidth = 10",
        "Ctl3D = False", "ParentCtl3D = False", "ParentShowHint = False", "ShowHint = True"})
    EXPECT_NE(block.find(line), std::string::npos) << line << "\n" << block;
  EXPECT_EQ(block.find("MaxWidth"), std::string::npos) << block;

  TForm* copy = Create<TForm>(Application, 0);
  ReadFormDefinition(text, copy);
  auto* read = static_cast<TTestBox*>(copy->FindComponent("Set"));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->Anchors(), (TAnchors{akRight, akBottom}));
  EXPECT_EQ(read->Constraints()->MinWidth(), 10);
  EXPECT_EQ(read->Constraints()->MaxHeight(), 40);
  EXPECT_TRUE(read->ShowHint());
  EXPECT_FALSE(read->ParentShowHint());
  EXPECT_FALSE(read->Ctl3D());
  EXPECT_FALSE(read->ParentCtl3D());
  auto* readFollowing = static_cast<TTestBox*>(copy->FindComponent("Following"));
  EXPECT_TRUE(readFollowing->ParentShowHint());
  EXPECT_EQ(WriteFormDefinition(copy), text);
}

TEST_F(ControlSizingTest, AnAnchoredControlReadFromADefinitionFollowsItsForm) {
  const char definition[] = R"(object SizingForm: TForm
  Left = 100
  Top = 100
  ClientWidth = 200
  ClientHeight = 100
  object Box: TTestBox
    Left = 140
    Top = 60
    Width = 50
    Height = 30
    Anchors = [akRight, akBottom]
    Constraints.MaxWidth = 45
  end
end
)";
  TForm* form = Create<TForm>(Application, 0);
  ReadFormDefinition(definition, form);
  auto* box = static_cast<TTestBox*>(form->FindComponent("Box"));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->BoundsRect(), Rect(140, 60, 185, 90));
  form->Show();
  Pump();
  form->SetClientWidth(300);
  EXPECT_EQ(box->BoundsRect(), Rect(240, 60, 285, 90));
}

TEST_F(ControlSizingTest, ABadLimitInADefinitionIsAnError) {
  const char definition[] = R"(object SizingForm: TForm
  object Box: TTestBox
    Constraints.MinWidth = -3
  end
end
)";
  TForm* form = Create<TForm>(Application, 0);
  EXPECT_THROW(ReadFormDefinition(definition, form), Exception);
}

} // namespace
} // namespace controls_test
