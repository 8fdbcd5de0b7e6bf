// The container on a real form under a real X server, driven with real
// input: focus handed to the inner control and not bounced back, keys
// reaching the inner control, hot tracking, and a style controller's change
// repainting every container that uses it.
#include "framework/cxContainer.h"

#include <string>
#include <vector>

#include "framework/cxGraphics.h"
#include "framework/cxLookAndFeelPainters.h"
#include "framework/cxLookAndFeels.h"
#include "platform/rtl/WideText.h"
#include "tests/framework/cxControlsTestSupport.h"
#include "tests/support/GdiObjects.h"

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

std::string WindowText(HWND window) {
  char16_t buffer[64] = {};
  ::GetWindowTextW(window, reinterpret_cast<WCHAR*>(buffer), 64);
  return WideToAnsi(buffer);
}

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

} // namespace
} // namespace controls_test
