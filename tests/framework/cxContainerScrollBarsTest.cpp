// A container hosting the platform's list box, with the library's scroll
// bars laid over the list box's own: they appear where the system's bars
// are, follow the list's range and position, hide with them, and scroll the
// list under the real mouse; their pixels are the container's look, with
// visual styles on and forced off.
#include "framework/cxContainer.h"

#include <optional>
#include <string>

#include "framework/cxContainerServices.h"
#include "framework/cxControlsScrollBars.h"
#include "framework/cxGeometry.h"
#include "platform/comctrls/ListBoxes.h"
#include "platform/graphics/Bitmaps.h"
#include "tests/framework/ThemeTestSupport.h"
#include "tests/framework/cxControlsTestSupport.h"
#include "tests/support/Pictures.h"

namespace controls_test {
namespace {

using enum TScrollBarKind;

// The platform's list box, telling its container after every message that
// can move or change its scroll bars.
class TReportingListBox : public TListBox {
  OBJECT_CLASS(TReportingListBox, TListBox)
public:
  explicit TReportingListBox(TComponent* owner) : TListBox(owner) {}

  TcxContainer* container = nullptr;

protected:
  void WndProc(TMessage& message) override {
    inherited::WndProc(message);
    if (container && MovesScrollBars(message.Msg))
      container->UpdateScrollBarsParameters();
  }

private:
  static bool MovesScrollBars(UINT message) {
    switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
    case WM_KEYDOWN:
    case WM_WINDOWPOSCHANGED:
    case LB_ADDSTRING:
    case LB_DELETESTRING:
    case LB_RESETCONTENT:
    case LB_SETTOPINDEX:
    case LB_SETHORIZONTALEXTENT:
      return true;
    default:
      return false;
    }
  }
};

// A container around the list box; its bars scroll the list.
class TListContainer : public TcxContainer {
  OBJECT_CLASS(TListContainer, TcxContainer)
public:
  explicit TListContainer(TComponent* owner) : TcxContainer(owner) {}
  void AfterConstruction() override {
    inherited::AfterConstruction();
    m_list = Create<TReportingListBox>(this);
    m_list->SetParent(this);
    m_list->container = this;
    SetInnerControl(m_list);
  }

  TReportingListBox* List() const { return m_list; }
  using TcxContainer::HScrollBar;
  using TcxContainer::VScrollBar;

  bool needsScrollBars = true;
  int updates = 0;

protected:
  bool NeedsScrollBars() override { return needsScrollBars; }
  void SetScrollBarsParameters(bool AIsScrolling) override {
    ++updates;
    inherited::SetScrollBarsParameters(AIsScrolling);
  }
  void Scroll(TScrollBarKind kind, TScrollCode code, int& position) override {
    const bool horizontal = kind == sbHorizontal;
    ::SendMessageW(m_list->Handle(), horizontal ? WM_HSCROLL : WM_VSCROLL,
                   MAKEWPARAM(static_cast<WORD>(code), position), 0);
    position = ::GetScrollPos(m_list->Handle(), horizontal ? SB_HORZ : SB_VERT);
  }

private:
  TReportingListBox* m_list = nullptr;
};

// The list box's own bar of a direction: where it lies in the container's
// client coordinates, and whether it shows.
struct TSystemBar {
  TRect Bounds;
  bool Shown;
};

TSystemBar SystemBar(TListContainer* container, TScrollBarKind kind) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  ::GetScrollBarInfo(container->List()->Handle(),
                     kind == sbHorizontal ? OBJID_HSCROLL : OBJID_VSCROLL, &info);
  const TPoint topLeft = container->ScreenToClient({info.rcScrollBar.left, info.rcScrollBar.top});
  return {Bounds(topLeft.X, topLeft.Y, info.rcScrollBar.right - info.rcScrollBar.left,
                 info.rcScrollBar.bottom - info.rcScrollBar.top),
          (info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) == 0};
}

SCROLLINFO ScrollInfo(TListContainer* container, int bar) {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL;
  ::GetScrollInfo(container->List()->Handle(), bar, &info);
  return info;
}

class ContainerScrollBarsTest : public TLookAndFeelControlTest {
protected:
  void SetUp() override {
    TLookAndFeelControlTest::SetUp();
    const TUnitInfo units[] = {cxContainerUnit};
    m_units.Start(units);
  }
  void TearDown() override {
    if (m_form)
      m_form->Free();
    m_units.Stop();
    RootLookAndFeel()->Reset();
    TLookAndFeelControlTest::TearDown();
  }

  // A 160 x 120 container of 'items' items on a shown form.
  TListContainer* MakeContainer(int items, bool needsScrollBars = true) {
    m_form = ShownForm();
    auto* container = Create<TListContainer>(m_form);
    container->needsScrollBars = needsScrollBars;
    container->SetBounds(10, 10, 160, 120);
    container->SetParent(m_form);
    for (int i = 0; i < items; ++i)
      container->List()->Items()->Add("\xD6\xF0"
                                      "e " +
                                      std::to_string(i));
    Pump();
    return container;
  }

  TForm* m_form = nullptr;
  TUnitStartup m_units;
};

TEST_F(ContainerScrollBarsTest, TheBarsLieOverTheListsOwnAndFollowIt) {
  TListContainer* container = MakeContainer(60);
  TcxControlScrollBar* v = container->VScrollBar();
  TcxControlScrollBar* h = container->HScrollBar();
  ASSERT_TRUE(PumpUntil([&] { return v->Visible(); }));
  EXPECT_FALSE(h->Visible()) << "the list needs no horizontal bar";
  EXPECT_EQ(v->BoundsRect(), SystemBar(container, sbVertical).Bounds);
  EXPECT_TRUE(v->Enabled());
  const SCROLLINFO info = ScrollInfo(container, SB_VERT);
  EXPECT_EQ(v->Min(), info.nMin);
  EXPECT_EQ(v->Max(), info.nMax);
  EXPECT_EQ(v->PageSize(), static_cast<int>(info.nPage));
  EXPECT_EQ(v->Position(), 0);

  container->List()->SetTopIndex(20);
  ASSERT_TRUE(PumpUntil([&] { return v->Position() == 20; }));

  ::SendMessageW(container->List()->Handle(), LB_SETHORIZONTALEXTENT, 600, 0);
  ASSERT_TRUE(PumpUntil([&] { return h->Visible(); }));
  EXPECT_EQ(h->BoundsRect(), SystemBar(container, sbHorizontal).Bounds);
  EXPECT_EQ(v->BoundsRect(), SystemBar(container, sbVertical).Bounds) << "shortened by the other";
  EXPECT_EQ(h->Max(), ScrollInfo(container, SB_HORZ).nMax);

  container->SetBounds(10, 10, 220, 160);
  ASSERT_TRUE(PumpUntil([&] {
    return v->Visible() && v->BoundsRect() == SystemBar(container, sbVertical).Bounds &&
           h->Visible() && h->BoundsRect() == SystemBar(container, sbHorizontal).Bounds;
  })) << "the bars move with the list's";

  // Settled: nothing keeps asking for updates.
  Pump();
  const int updates = container->updates;
  Pump();
  EXPECT_EQ(container->updates, updates);

  container->List()->Items()->Clear();
  ::SendMessageW(container->List()->Handle(), LB_SETHORIZONTALEXTENT, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return !v->Visible() && !h->Visible(); }))
      << "the list's bars hide, and so do the container's";
  EXPECT_FALSE(SystemBar(container, sbVertical).Shown);
}

TEST_F(ContainerScrollBarsTest, TheRealMouseOnTheBarScrollsTheList) {
  TListContainer* container = MakeContainer(60);
  TcxControlScrollBar* v = container->VScrollBar();
  ASSERT_TRUE(PumpUntil([&] { return v->Visible(); }));
  const TRect down = v->SecondButtonRect();
  ClickControl(v, {(down.Left + down.Right) / 2, (down.Top + down.Bottom) / 2});
  ASSERT_TRUE(PumpUntil([&] { return container->List()->TopIndex() == 1; }));
  ASSERT_TRUE(PumpUntil([&] { return v->Position() == 1; }));

  const int page = static_cast<int>(ScrollInfo(container, SB_VERT).nPage);
  const TRect pageDown = v->PageDownRect();
  ClickControl(v, {(pageDown.Left + pageDown.Right) / 2, pageDown.Bottom - 2});
  ASSERT_TRUE(PumpUntil([&] { return container->List()->TopIndex() == 1 + page; }));
  ASSERT_TRUE(PumpUntil([&] { return v->Position() == 1 + page; }));
}

// The list keeps its own bars when the container needs none, and when the
// platform offers no GetScrollBarInfo.
TEST_F(ContainerScrollBarsTest, WithoutTheNeedOrTheBindingTheListKeepsItsOwnBars) {
  for (const bool bound : {true, false}) {
    SCOPED_TRACE(bound ? "no need" : "no binding");
    if (!bound)
      cxSetGetScrollBarInfoProc(nullptr);
    TListContainer* container = MakeContainer(60, !bound);
    container->List()->SetTopIndex(10);
    Pump();
    EXPECT_TRUE(SystemBar(container, sbVertical).Shown);
    if (container->VScrollBar())
      EXPECT_FALSE(container->VScrollBar()->Visible());
    m_form->Free();
    m_form = nullptr;
  }
}

// ---- Pixels

enum class TLook { UltraFlat, Native };

struct TPixelCase {
  TLook Look;
  theme_test::TVisualStyles Styles;
};

std::string PixelCaseName(const testing::TestParamInfo<TPixelCase>& info) {
  return std::string(info.param.Look == TLook::UltraFlat ? "UltraFlat" : "Native") +
         (info.param.Styles == theme_test::TVisualStyles::On ? "StylesOn" : "StylesForcedOff");
}

class ContainerScrollBarsPixelsTest : public ContainerScrollBarsTest,
                                      public testing::WithParamInterface<TPixelCase>,
                                      protected theme_test::TGdiCountedTest {
protected:
  void SetUp() override {
    ContainerScrollBarsTest::SetUp();
    m_themes.emplace(GetParam().Styles);
  }
  void TearDown() override {
    ContainerScrollBarsTest::TearDown();
    m_themes.reset();
  }

  void SetLook(TcxLookAndFeel* lookAndFeel) {
    if (GetParam().Look == TLook::UltraFlat)
      lookAndFeel->SetKind(TcxLookAndFeelKind::lfUltraFlat);
    else
      lookAndFeel->SetNativeStyle(true);
  }

  // A bar of the look on its own, as the container's bar should look.
  TOwned<TBitmap> LoneBar(TcxScrollBar* model) {
    auto* bar = Create<TcxScrollBar>(m_form);
    bar->SetKind(model->Kind());
    bar->SetBounds(250, 10, model->Width(), model->Height());
    SetLook(bar->LookAndFeel());
    bar->SetScrollParams(model->Min(), model->Max(), model->Position(), model->PageSize());
    bar->SetParent(m_form);
    bar->Repaint();
    Pump();
    TOwned<TBitmap> shown(Create<TBitmap>());
    CaptureScreen(bar->Handle(), shown.get());
    bar->Free();
    return shown;
  }

  void DrawAndCompare(bool savePicture) {
    TListContainer* container = MakeContainer(60);
    SetLook(container->Style()->GetLookAndFeel());
    TcxControlScrollBar* v = container->VScrollBar();
    ASSERT_TRUE(PumpUntil([&] { return v->Visible(); }));
    container->List()->SetTopIndex(15);
    ASSERT_TRUE(PumpUntil([&] { return v->Position() == 15; }));
    container->Repaint();
    v->Repaint();
    Pump();
    TOwned<TBitmap> shown(Create<TBitmap>());
    CaptureScreen(container->Handle(), shown.get());
    if (savePicture)
      SavePicture(shown.get(), "container-scrollbars-" + PixelCaseName({GetParam(), 0}));
    TOwned<TBitmap> lone = LoneBar(v);
    const TRect r = v->BoundsRect();
    int differences = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x)
        differences +=
            shown->Canvas()->Pixels(x, y) != lone->Canvas()->Pixels(x - r.Left, y - r.Top);
    EXPECT_EQ(differences, 0);
    m_form->Free();
    m_form = nullptr;
  }

  std::optional<theme_test::TThemeUnits> m_themes;
};

TEST_P(ContainerScrollBarsPixelsTest, TheBarShownIsTheContainersLook) {
  // The first round makes what the looks and the theme keep once made.
  DrawAndCompare(false);
  RecordGdiObjects();
  DrawAndCompare(true);
  ExpectGdiObjectsUnchanged();
}

INSTANTIATE_TEST_SUITE_P(
    Looks, ContainerScrollBarsPixelsTest,
    testing::Values(TPixelCase{TLook::UltraFlat, theme_test::TVisualStyles::On},
                    TPixelCase{TLook::UltraFlat, theme_test::TVisualStyles::ForcedOff},
                    TPixelCase{TLook::Native, theme_test::TVisualStyles::On},
                    TPixelCase{TLook::Native, theme_test::TVisualStyles::ForcedOff}),
    PixelCaseName);

} // namespace
} // namespace controls_test
