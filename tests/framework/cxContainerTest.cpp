// The container on a real form under a real X server, driven with real
// input: focus handed to the inner control and not bounced back, keys
// reaching the inner control, hot tracking, a style controller's change
// repainting every container that uses it, and style fonts scaled with
// their form.
#include "framework/cxContainer.h"
#include "framework/cxContainerServices.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "framework/cxGraphics.h"
#include "framework/cxLookAndFeelPainters.h"
#include "framework/cxLookAndFeels.h"
#include "platform/controls/Screen.h"
#include "platform/objects/FormReader.h"
#include "platform/rtl/WideText.h"
#include "tests/framework/cxControlsTestSupport.h"
#include "tests/platform/graphics/GraphicsTestHelpers.h"
#include "tests/support/GdiObjects.h"
#include "tests/support/WindowText.h"

namespace controls_test {
namespace {

using enum TcxContainerStateItem;

// A container around the platform's EDIT control that counts its paints.
class TEditContainer : public TcxContainer {
  OBJECT_CLASS(TEditContainer, TcxContainer)
public:
  explicit TEditContainer(TComponent* owner) : TcxContainer(owner) {}
  void AfterConstruction() override {
    inherited::AfterConstruction();
    m_edit = Create<TTestEdit>(this);
    m_edit->SetParent(this);
    SetInnerControl(m_edit);
    SetBounds(0, 0, 120, 24);
  }
  TTestEdit* Edit() const { return m_edit; }
  int paints = 0;

protected:
  void Paint() override {
    ++paints;
    inherited::Paint();
  }

private:
  TTestEdit* m_edit = nullptr;
};

class ContainerControlTest : public TLookAndFeelControlTest {
protected:
  void SetUp() override {
    TLookAndFeelControlTest::SetUp();
    m_default.reset(Create<TcxStyleController>(nullptr));
    cxContainerDefaultStyleController = m_default.get();
  }
  void TearDown() override {
    TLookAndFeelControlTest::TearDown();
    cxContainerDefaultStyleController = nullptr;
    m_default.reset();
    RootLookAndFeel()->Reset();
  }

  TEditContainer* Place(TForm* form, int left, int top) {
    auto* container = Create<TEditContainer>(form);
    container->SetLeft(left);
    container->SetTop(top);
    container->SetParent(form);
    return container;
  }

  // A shown form, the pointer away from where the containers go.
  TForm* Form() {
    TForm* form = ShownForm();
    ::SetCursorPos(form->ClientToScreen({300, 200}).X, form->ClientToScreen({300, 200}).Y);
    ClickAt(form->ClientToScreen({300, 200}));
    Pump();
    return form;
  }

private:
  TOwned<TcxStyleController> m_default;
};

TEST_F(ContainerControlTest, AClickOnTheFrameFocusesTheInnerControlWhichTakesTheKeys) {
  TForm* form = Form();
  TEditContainer* container = Place(form, 20, 20);
  TTestEdit* other = Create<TTestEdit>(form);
  other->SetBounds(20, 80, 50, 22);
  other->SetParent(form);
  Pump();
  EXPECT_EQ(container->Edit()->BoundsRect(), container->ViewInfo()->ClientRect)
      << "the inner control fills the client rectangle";
  EXPECT_EQ(container->ViewInfo()->ClientRect, Rect(2, 2, 118, 22));

  ClickControl(container, {1, 10});
  ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == container->Edit()->Handle(); }));
  EXPECT_TRUE(container->Focused());
  EXPECT_TRUE(container->ViewInfo()->ContainerState.Contains(csActive));
  EXPECT_EQ(container->ViewInfo()->BorderColor, clHighlight);

  TypeChar(u'a');
  TypeChar(u'\x11F'); // g with breve
  ASSERT_TRUE(PumpUntil([&] { return WindowText(container->Edit()->Handle()).size() == 2; }));
  EXPECT_EQ(WindowText(container->Edit()->Handle()), "a\xF0");

  // Keys sent to the container's own window go on to the inner control.
  ::SendMessageW(container->Handle(), WM_CHAR, 'z', 1);
  EXPECT_EQ(WindowText(container->Edit()->Handle()), "a\xF0z");

  // Focus given back to the container passes on again; none bounces.
  container->SetFocus();
  Pump();
  EXPECT_EQ(::GetFocus(), container->Edit()->Handle());

  ClickControl(other);
  ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == other->Handle(); }));
  EXPECT_FALSE(container->Focused());
  ASSERT_TRUE(PumpUntil([&] { return !container->ViewInfo()->ContainerState.Contains(csActive); }));
  EXPECT_EQ(container->ViewInfo()->BorderColor, clBtnShadow);
}

TEST_F(ContainerControlTest, TheMouseOverTheContainerMakesItHot) {
  TForm* form = Form();
  TEditContainer* container = Place(form, 20, 20);
  Pump();
  const TPoint inside = container->ClientToScreen({1, 12});
  ::SetCursorPos(inside.X, inside.Y);
  ASSERT_TRUE(
      PumpUntil([&] { return container->ViewInfo()->ContainerState.Contains(csHotTrack); }));
  EXPECT_EQ(container->ViewInfo()->BorderColor, clHighlight);
  const TPoint away = form->ClientToScreen({300, 200});
  ::SetCursorPos(away.X, away.Y);
  ASSERT_TRUE(
      PumpUntil([&] { return !container->ViewInfo()->ContainerState.Contains(csHotTrack); }));
  EXPECT_EQ(container->ViewInfo()->BorderColor, clBtnShadow);
}

TEST_F(ContainerControlTest, AStyleControllerChangeRepaintsEveryContainerThatUsesIt) {
  TForm* form = Form();
  TcxStyleController* controller = Create<TcxStyleController>(form);
  TEditContainer* first = Place(form, 20, 20);
  TEditContainer* second = Place(form, 20, 60);
  TEditContainer* bystander = Place(form, 20, 100);
  first->Style()->BaseSetStyleController(controller);
  second->Style()->BaseSetStyleController(controller);
  Pump();
  first->paints = second->paints = bystander->paints = 0;

  controller->GetStyle()->SetBorderStyle(TcxContainerBorderStyle::cbsSingle);
  controller->GetStyle()->SetBorderColor(clRed);
  ASSERT_TRUE(PumpUntil([&] { return first->paints > 0 && second->paints > 0; }));
  EXPECT_EQ(bystander->paints, 0);
  for (TEditContainer* c : {first, second}) {
    EXPECT_EQ(c->ViewInfo()->BorderStyle, TcxContainerBorderStyle::cbsSingle);
    EXPECT_EQ(c->ViewInfo()->BorderColor, clRed);
  }
  EXPECT_EQ(bystander->ViewInfo()->BorderColor, clBtnShadow);

  // Refreshing, window regions and shadows included, keeps no GDI objects.
  const int objects = CountGdiObjects();
  for (bool shadow : {true, false, true, false}) {
    controller->GetStyle()->SetShadow(shadow);
    controller->GetStyle()->SetColor(shadow ? clYellow : clAqua);
    Pump();
  }
  EXPECT_EQ(CountGdiObjects(), objects);
}

// An EDIT that wants Tab and hands its key-downs to its container, as the
// editors' inner edits do.
class TForwardingEdit : public TTestEdit {
  OBJECT_CLASS(TForwardingEdit, TTestEdit)
public:
  explicit TForwardingEdit(TComponent* owner) : TTestEdit(owner) {}
  std::function<void(WORD&, TShiftState)> forward;

protected:
  void KeyDown(WORD& key, TShiftState shift) override {
    if (forward)
      forward(key, shift);
  }
  void WndProc(TMessage& message) override {
    inherited::WndProc(message);
    if (message.Msg == WM_GETDLGCODE)
      message.Result |= DLGC_WANTTAB;
  }
};

// A container whose inner control passes it its keys, with the protected
// operations the tests call made public.
class TKeyContainer : public TcxContainer {
  OBJECT_CLASS(TKeyContainer, TcxContainer)
public:
  explicit TKeyContainer(TComponent* owner) : TcxContainer(owner) {}
  void AfterConstruction() override {
    inherited::AfterConstruction();
    m_edit = Create<TForwardingEdit>(this);
    m_edit->forward = [this](WORD& key, TShiftState shift) { KeyDown(key, shift); };
    m_edit->SetParent(this);
    SetInnerControl(m_edit);
    SetBounds(0, 0, 120, 24);
  }
  TForwardingEdit* Edit() const { return m_edit; }
  using TcxContainer::GetInnerControlBounds;
  using TcxContainer::GetShadowBounds;
  using TcxContainer::InnerControlMenuHandler;
  using TcxContainer::SetVisibleBoundsClipRect;

private:
  TForwardingEdit* m_edit = nullptr;
};

void SendKeys(std::initializer_list<std::pair<WORD, bool>> keys) {
  std::vector<INPUT> inputs;
  for (auto [key, up] : keys) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  }
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

class ContainerMessagesTest : public ContainerControlTest {
protected:
  TKeyContainer* PlaceKeyContainer(TForm* form, int left, int top) {
    auto* container = Create<TKeyContainer>(form);
    container->SetLeft(left);
    container->SetTop(top);
    container->SetParent(form);
    return container;
  }
  TTestBox* PlaceBox(TForm* form, int left, int top) {
    TTestBox* box = Create<TTestBox>(form);
    box->SetBounds(left, top, 60, 24);
    box->SetParent(form);
    return box;
  }
};

TEST_F(ContainerMessagesTest, TabAndShiftTabMoveOnButNotWithCtrl) {
  TForm* form = Form();
  TTestBox* before = PlaceBox(form, 20, 10);
  TKeyContainer* container = PlaceKeyContainer(form, 20, 50);
  TTestBox* after = PlaceBox(form, 20, 90);
  Pump();
  const struct {
    std::initializer_list<std::pair<WORD, bool>> Keys;
    TWinControl* Expected;
    const char* What;
  } cases[] = {
      {{{VK_TAB, false}, {VK_TAB, true}}, after, "Tab"},
      {{{VK_SHIFT, false}, {VK_TAB, false}, {VK_TAB, true}, {VK_SHIFT, true}}, before, "Shift+Tab"},
      {{{VK_CONTROL, false}, {VK_TAB, false}, {VK_TAB, true}, {VK_CONTROL, true}},
       container->Edit(),
       "Ctrl+Tab"},
  };
  int clickY = -4;
  for (const auto& c : cases) {
    // Apart from the last click, so that the two make no double click.
    clickY += 8;
    ClickControl(container, {1, clickY});
    ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == container->Edit()->Handle(); })) << c.What;
    SendKeys(c.Keys);
    Pump();
    EXPECT_TRUE(PumpUntil([&] { return ::GetFocus() == c.Expected->Handle(); })) << c.What;
  }
}

TEST_F(ContainerMessagesTest, TheInnerControlTakesTheContainersPlaceInTheTabOrder) {
  TForm* form = Form();
  TTestBox* before = PlaceBox(form, 20, 10);
  TKeyContainer* container = PlaceKeyContainer(form, 20, 50);
  Pump();
  std::vector<TWinControl*> list;
  form->GetTabOrderList(list);
  EXPECT_EQ(list, (std::vector<TWinControl*>{before, container})) << "no children of its own";
  container->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return form->ActiveControl() == container->Edit(); }));
  list.clear();
  form->GetTabOrderList(list);
  EXPECT_EQ(list, (std::vector<TWinControl*>{before, container->Edit()}));
}

// Colour set on the container is the normal style's own; a colour only
// taken from the parent never is.
TEST_F(ContainerMessagesTest, ColourSetOnTheContainerStaysWhenTheParentsChanges) {
  TForm* form = Form();
  TKeyContainer* own = PlaceKeyContainer(form, 20, 10);
  TKeyContainer* inheriting = PlaceKeyContainer(form, 20, 50);
  inheriting->SetParentColor(true);
  own->SetColor(clRed);
  Pump();
  EXPECT_TRUE(own->Style()->GetAssignedValues().Contains(csvColor));
  EXPECT_EQ(own->Style()->GetColor(), clRed);
  EXPECT_EQ(own->ViewInfo()->BackgroundColor(), clRed);
  EXPECT_EQ(own->Edit()->Color(), clRed) << "the inner control takes the background";

  form->SetColor(clLime);
  Pump();
  EXPECT_EQ(own->Color(), clRed);
  EXPECT_EQ(inheriting->Color(), clLime);
  EXPECT_TRUE(inheriting->ParentColor());
  EXPECT_FALSE(inheriting->Style()->GetAssignedValues().Contains(csvColor));
  EXPECT_EQ(inheriting->ViewInfo()->BackgroundColor(), clLime);
}

TEST_F(ContainerMessagesTest, AFontFromTheParentIsNeverTheStylesOwn) {
  TForm* form = Form();
  TKeyContainer* container = PlaceKeyContainer(form, 20, 10);
  Pump();
  ASSERT_TRUE(container->ParentFont());
  form->Font()->SetSize(14);
  Pump();
  EXPECT_EQ(container->Font()->Size(), 14);
  EXPECT_TRUE(container->ParentFont());
  EXPECT_FALSE(container->Style()->GetAssignedValues().Contains(csvFont));
  EXPECT_EQ(container->Edit()->Font()->Size(), 14) << "the inner control shows the font";

  // A font the style sets is the container's, whatever the parent's.
  TOwned<TFont> font(Create<TFont>());
  font->Assign(container->Font());
  font->SetSize(9);
  container->Style()->SetFont(font.get());
  Pump();
  EXPECT_EQ(container->Font()->Size(), 9);
  EXPECT_FALSE(container->ParentFont());
  form->Font()->SetSize(16);
  Pump();
  EXPECT_EQ(container->Font()->Size(), 9);
  EXPECT_TRUE(container->Style()->GetAssignedValues().Contains(csvFont));
}

TEST_F(ContainerMessagesTest, TheBorderShowsTheArrowAndTheInnerControlItsOwnCursor) {
  TForm* form = Form();
  TKeyContainer* container = PlaceKeyContainer(form, 20, 20);
  container->SetCursor(crHandPoint);
  Pump();
  EXPECT_EQ(container->Edit()->Cursor(), crHandPoint) << "the cursor goes on to the inner control";
  const struct {
    TPoint Client;
    TCursor Expected;
  } cases[] = {{{1, 12}, crArrow},   {{40, 12}, crHandPoint}, {{110, 12}, crHandPoint},
               {{118, 12}, crArrow}, {{60, 1}, crArrow},      {{60, 22}, crArrow}};
  for (const auto& c : cases) {
    const TPoint screen = container->ClientToScreen(c.Client);
    ::SetCursorPos(screen.X, screen.Y);
    ::SetCursor(nullptr);
    EXPECT_TRUE(PumpUntil([&] { return ::GetCursor() == Screen->Cursors(c.Expected); }))
        << c.Client.X << "," << c.Client.Y;
  }
}

TEST_F(ContainerMessagesTest, TheInnerControlIsCutToTheClientRectangle) {
  TForm* form = Form();
  TKeyContainer* container = PlaceKeyContainer(form, 20, 20);
  Pump();
  TForwardingEdit* edit = container->Edit();
  const TRect area = Rect(2, 2, 118, 22);
  const struct {
    TRect Bounds;
    bool Whole;
    TRect Visible;
  } cases[] = {
      {Rect(2, 2, 118, 22), true, Rect(0, 0, 116, 20)},
      {Rect(10, 5, 50, 15), true, Rect(0, 0, 40, 10)},
      {Rect(0, 0, 118, 22), false, Rect(2, 2, 118, 22)},
      {Rect(2, 2, 130, 30), false, Rect(0, 0, 116, 20)},
      {Rect(-5, 10, 200, 40), false, Rect(7, 0, 123, 12)},
  };
  for (const auto& c : cases) {
    edit->SetBoundsRect(c.Bounds);
    const TcxContainerInnerControlBounds bounds = container->GetInnerControlBounds(area, edit);
    EXPECT_EQ(bounds.Whole, c.Whole) << c.Bounds.Left << "," << c.Bounds.Top;
    EXPECT_EQ(bounds.Rect, c.Visible) << c.Bounds.Left << "," << c.Bounds.Top;
  }
  EXPECT_TRUE(container->GetInnerControlBounds(area, nullptr).Whole);

  // Moving the inner control gives its window the region of what stays
  // visible, and takes it away once nothing is cut.
  HRGN region = ::CreateRectRgn(0, 0, 0, 0);
  RECT box{};
  ASSERT_EQ(::GetWindowRgn(edit->Handle(), region), SIMPLEREGION);
  ::GetRgnBox(region, &box);
  // Cut to the container's client area, whose inner part the frame covers.
  EXPECT_EQ(*reinterpret_cast<TRect*>(&box), Rect(5, 0, 125, 14));
  edit->SetBoundsRect(area);
  EXPECT_EQ(::GetWindowRgn(edit->Handle(), region), ERROR) << "no region";
  ::DeleteObject(region);

  // Only a change of the inner control's region counts.
  TcxContainerInnerControlBounds cut{false, Rect(1, 1, 5, 5)};
  TcxContainerInnerControlBounds whole;
  EXPECT_FALSE(container->IsInnerControlBoundsChanged(edit, whole));
  EXPECT_TRUE(container->IsInnerControlBoundsChanged(edit, cut));
  container->SaveInnerControlBounds(edit, cut);
  EXPECT_FALSE(container->IsInnerControlBoundsChanged(edit, cut));
  EXPECT_TRUE(container->IsInnerControlBoundsChanged(edit, {false, Rect(1, 1, 6, 5)}));
  EXPECT_TRUE(container->IsInnerControlBoundsChanged(edit, whole));
  EXPECT_TRUE(container->IsInnerControlBoundsChanged(container, whole)) << "another control";
}

TEST_F(ContainerMessagesTest, LocksCountAndNeverGoBelowZero) {
  TForm* form = Form();
  TKeyContainer* container = PlaceKeyContainer(form, 20, 20);
  for (auto [lock, locked] :
       {std::pair{&TcxContainer::LockAlignControls, &TcxContainer::IsAlignControlsLocked},
        std::pair{&TcxContainer::LockPopupMenu, &TcxContainer::IsPopupMenuLocked}}) {
    (container->*lock)(false);
    EXPECT_FALSE((container->*locked)());
    (container->*lock)(true);
    (container->*lock)(true);
    (container->*lock)(false);
    EXPECT_TRUE((container->*locked)());
    (container->*lock)(false);
    EXPECT_FALSE((container->*locked)());
  }
}

// A locked popup menu swallows the context menu.
TEST_F(ContainerMessagesTest, ALockedPopupMenuIsNotShown) {
  TForm* form = Form();
  TKeyContainer* container = PlaceKeyContainer(form, 20, 20);
  int popups = 0;
  container->SetOnContextPopup(
      TContextPopupEvent([&](TObject*, TPoint, bool& handled) { ++popups, handled = true; }));
  Pump();
  container->LockPopupMenu(true);
  ::SendMessageW(container->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(container->Handle()),
                 MAKELPARAM(-1, -1));
  EXPECT_EQ(popups, 0);
  container->LockPopupMenu(false);
  ::SendMessageW(container->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(container->Handle()),
                 MAKELPARAM(-1, -1));
  EXPECT_EQ(popups, 1);
}

TEST_F(ContainerMessagesTest, TheWindowGetsItsTextAfterItIsMade) {
  TForm* form = Form();
  TKeyContainer* container = Create<TKeyContainer>(form);
  container->SetText("Ba\xFEl\xFDk");
  container->SetParent(form);
  Pump();
  ASSERT_TRUE(container->HandleAllocated());
  EXPECT_EQ(WindowText(container->Handle()), "Ba\xFEl\xFDk");
  EXPECT_EQ(::GetClassLongW(container->Handle(), GCL_STYLE) & (CS_HREDRAW | CS_VREDRAW), 0u);
}

// Fills its whole client area in red, clipped as a painted copy is.
class TClipContainer : public TKeyContainer {
  OBJECT_CLASS(TClipContainer, TKeyContainer)
public:
  explicit TClipContainer(TComponent* owner) : TKeyContainer(owner) {}

protected:
  void Paint() override {
    SetControlState(ControlState() + TControlState{TControlStateItem::csPaintCopy});
    SetVisibleBoundsClipRect();
    Canvas()->FillRect(Rect(0, 0, Width(), Height()), clRed);
    SetControlState(ControlState() - TControlState{TControlStateItem::csPaintCopy});
  }
};

// A copy painted into another context keeps within the window's region: the
// frame and its shadow, without the corners beside the shadow.
TEST_F(ContainerMessagesTest, APaintedCopyIsClippedToTheWindowsRegion) {
  TForm* form = Form();
  auto* container = Create<TClipContainer>(form);
  container->Style()->SetShadow(true);
  container->SetParent(form);
  Pump();
  TOwned<TBitmap> bitmap = MakeBitmap(120, 24, clFuchsia);
  const int objects = CountGdiObjects();
  ::SendMessageW(container->Handle(), WM_PRINTCLIENT,
                 reinterpret_cast<WPARAM>(bitmap->Canvas()->Handle()), PRF_CLIENT);
  EXPECT_EQ(CountGdiObjects(), objects);
  // The frame, and the shadow 3 pixels right of and below it.
  const TRect frame = container->GetShadowBounds();
  ASSERT_EQ(frame, Rect(1, 1, 116, 20)) << "within the transparent margin";
  const struct {
    TPoint At;
    TColor Expected;
  } cases[] = {
      {{1, 1}, clRed},     {{115, 19}, clRed},     {{118, 22}, clRed},     {{60, 21}, clRed},
      {{0, 0}, clFuchsia}, {{116, 3}, clFuchsia},  {{116, 4}, clRed},      {{3, 20}, clFuchsia},
      {{4, 20}, clRed},    {{119, 22}, clFuchsia}, {{118, 23}, clFuchsia},
  };
  for (const auto& c : cases)
    EXPECT_EQ(bitmap->Canvas()->Pixels(c.At.X, c.At.Y), c.Expected) << c.At.X << "," << c.At.Y;
}

TEST_F(ContainerMessagesTest, TheLookAndFeelIsTheNormalStylesAndTheBaseAnswers) {
  TForm* form = Form();
  TKeyContainer* container = PlaceKeyContainer(form, 20, 20);
  EXPECT_EQ(container->GetLookAndFeel(), container->Style()->GetLookAndFeel());
  EXPECT_FALSE(container->HasPopupWindow());
  EXPECT_TRUE(container->TabStop());

  const TPropertyInfo* fake = GetPropInfo(TcxContainer::StaticClass(), "FakeStyleController");
  ASSERT_NE(fake, nullptr);
  EXPECT_FALSE(fake->IsStored(container)) << "never stored";
  const TPropertyInfo* tabStop = GetPropInfo(TcxContainer::StaticClass(), "TabStop");
  ASSERT_NE(tabStop, nullptr);
  EXPECT_TRUE(tabStop->IsDefault(container));
  container->SetTabStop(false);
  EXPECT_FALSE(tabStop->IsDefault(container));

  TcxStyleController* controller = Create<TcxStyleController>(form);
  container->Style()->BaseSetStyleController(controller);
  EXPECT_EQ(container->FakeStyleController(), controller);
  container->SetFakeStyleController(nullptr);
  EXPECT_EQ(container->Style()->BaseGetStyleController(), controller) << "writing does nothing";
}

// An EDIT that answers its container as the editors' inner controls do.
class TInnerEdit : public TTestEdit, public IcxContainerInnerControl {
  OBJECT_CLASS(TInnerEdit, TTestEdit)
public:
  explicit TInnerEdit(TComponent* owner) : TTestEdit(owner) {}
  TWinControl* GetControl() override { return this; }
  TWinControl* GetControlContainer() override { return container; }
  TWinControl* container = nullptr;
};

class TPopupContainer : public TKeyContainer {
  OBJECT_CLASS(TPopupContainer, TKeyContainer)
public:
  explicit TPopupContainer(TComponent* owner) : TKeyContainer(owner) {}
  bool HasPopupWindow() override { return popupOpen; }
  bool popupOpen = false;
};

TEST_F(ContainerMessagesTest, TheContainerOfAControlAndItsPopup) {
  TForm* form = Form();
  auto* container = Create<TPopupContainer>(form);
  container->SetParent(form);
  auto* inner = Create<TInnerEdit>(form);
  inner->SetParent(form);
  inner->container = container;
  auto* stray = Create<TInnerEdit>(form);
  stray->SetParent(form);
  const struct {
    TWinControl* Control;
    TcxContainer* Expected;
  } cases[] = {
      {container, container}, {inner, container},           {stray, nullptr},
      {nullptr, nullptr},     {container->Edit(), nullptr},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GetcxContainer(c.Control), c.Expected);
    EXPECT_FALSE(HasOpenedPopupWindow(c.Control));
  }
  container->popupOpen = true;
  EXPECT_TRUE(HasOpenedPopupWindow(container));
  EXPECT_TRUE(HasOpenedPopupWindow(inner));
  EXPECT_FALSE(HasOpenedPopupWindow(stray));
  EXPECT_EQ(GetSizeGripRect(inner), TRect{}) << "a container shows no scroll bars";
}

// Hints show for the control under the mouse on the active form only.
TEST_F(ContainerMessagesTest, AHintShowsOverTheControlOfTheActiveForm) {
  TForm* form = Form();
  TKeyContainer* container = PlaceKeyContainer(form, 20, 20);
  TKeyContainer* hidden = PlaceKeyContainer(form, 20, 60);
  Pump();
  const TPoint over = container->ClientToScreen({1, 10});
  ::SetCursorPos(over.X, over.Y);
  Pump();
  ASSERT_TRUE(form->Active());
  EXPECT_TRUE(CanShowHint(container));
  EXPECT_FALSE(CanShowHint(hidden)) << "not under the mouse";
  hidden->SetVisible(false);
  EXPECT_FALSE(CanShowHint(hidden));

  TForm* other = ShownForm(550, 100);
  ClickAt(other->ClientToScreen({20, 20}));
  ASSERT_TRUE(PumpUntil([&] { return other->Active() && !form->Active(); }));
  ::SetCursorPos(over.X, over.Y);
  Pump();
  EXPECT_FALSE(CanShowHint(container)) << "an inactive form without an open popup";
}

// A container and a style controller whose styles definitions name, as the
// editors publish them.
class TScaledContainer : public TEditContainer {
  OBJECT_CLASS(TScaledContainer, TEditContainer)
public:
  static void Publish(TPublisher& p) { p.Property("Style", &TcxContainer::Style); }
  explicit TScaledContainer(TComponent* owner) : TEditContainer(owner) {}
};

class TScaledStyleController : public TcxStyleController {
  OBJECT_CLASS(TScaledStyleController, TcxStyleController)
public:
  static void Publish(TPublisher& p) { p.Property("Style", &TcxStyleController::GetStyle); }
  explicit TScaledStyleController(TComponent* owner) : TcxStyleController(owner) {}
};

// Containers on a form laid out for half the screen's resolution: one with
// its own style font, two sharing a controller's and one taking the form's.
class ContainerScaleTest : public ContainerControlTest {
protected:
  static void SetUpTestSuite() {
    ContainerControlTest::SetUpTestSuite();
    RegisterClasses({TScaledContainer::StaticClass(), TScaledStyleController::StaticClass()});
  }

  TForm* ReadForm() {
    TForm* form = Create<TForm>(Application, 0);
    ReadFormDefinition("object ScaledForm: TForm\n"
                       "  ClientWidth = 300\n"
                       "  ClientHeight = 200\n"
                       "  Font.Height = -11\n"
                       "  PixelsPerInch = " +
                           std::to_string(Screen->PixelsPerInch() / 2) + R"(
  object Controller: TScaledStyleController
    Style.Font.Height = -12
  end
  object Own: TScaledContainer
    Left = 10
    Top = 10
    Width = 100
    Height = 24
    ParentFont = False
    Style.Font.Height = -12
  end
  object Shared1: TScaledContainer
    Top = 40
    ParentFont = False
    Style.StyleController = Controller
  end
  object Shared2: TScaledContainer
    Top = 70
    ParentFont = False
    Style.StyleController = Controller
  end
  object Plain: TScaledContainer
    Top = 100
  end
end
)",
                       form);
    return form;
  }

  static TcxContainer* Container(TForm* form, const char* name) {
    return As<TcxContainer>(form->FindComponent(name));
  }
  static TcxStyleController* Controller(TForm* form) {
    return As<TcxStyleController>(form->FindComponent("Controller"));
  }
};

TEST_F(ContainerScaleTest, StyleFontsAreScaledOnceWithTheFormTheyAreReadOn) {
  TForm* form = ReadForm();
  EXPECT_EQ(form->Font()->Height(), -22);
  EXPECT_EQ(Controller(form)->GetStyle()->GetFont()->Size(), 18)
      << "scaled once, however many containers use it";
  EXPECT_EQ(Container(form, "Own")->BoundsRect(), Bounds(20, 20, 200, 48));
  const struct {
    const char* Name;
    bool OwnFont;
    bool ParentFont;
  } cases[] = {
      {"Own", true, false},
      {"Shared1", false, false},
      {"Shared2", false, false},
      {"Plain", false, true},
  };
  for (const auto& c : cases) {
    TcxContainer* container = Container(form, c.Name);
    EXPECT_EQ(container->Style()->GetAssignedValues().Contains(csvFont), c.OwnFont) << c.Name;
    EXPECT_EQ(container->ParentFont(), c.ParentFont) << c.Name;
    EXPECT_EQ(container->Font()->Height(), c.ParentFont ? -22 : -24) << c.Name;
    EXPECT_EQ(container->Style()->GetVisibleFont()->Size(), container->Font()->Size()) << c.Name;
  }
}

// Scaling a live form scales a style's own font; a controller, which other
// forms may share, keeps its font, and a font from the parent stays the
// parent's.
TEST_F(ContainerScaleTest, ScalingALiveFormScalesOnlyTheStylesOwnFonts) {
  TForm* form = ReadForm();
  form->Show();
  Pump();
  form->ScaleBy(1, 2);
  Pump();
  TcxContainer* own = Container(form, "Own");
  EXPECT_EQ(own->Style()->GetFont()->Size(), 9);
  EXPECT_EQ(own->Font()->Size(), 9);
  EXPECT_TRUE(own->Style()->GetAssignedValues().Contains(csvFont));
  EXPECT_EQ(Controller(form)->GetStyle()->GetFont()->Size(), 18);
  EXPECT_FALSE(Container(form, "Shared1")->Style()->GetAssignedValues().Contains(csvFont));
  TcxContainer* plain = Container(form, "Plain");
  EXPECT_TRUE(plain->ParentFont());
  EXPECT_EQ(plain->Font()->Height(), form->Font()->Height());
  EXPECT_FALSE(plain->Style()->GetAssignedValues().Contains(csvFont));
}

} // namespace
} // namespace controls_test
