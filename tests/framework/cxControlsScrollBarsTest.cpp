// A library control's own scroll bars and size grip on a real form: which
// bars show for which content, the pixel bars that hide together, the guard
// against bars that keep showing and hiding each other, locking, the places
// of the bars and the grip, scrolling by real mouse input, and the system's
// scroll-bar size.
#include "framework/cxControlsScrollBars.h"

#include <string>
#include <vector>

#include "framework/cxControlsControl.h"
#include "framework/cxGeometry.h"
#include "framework/cxGraphics.h"
#include "framework/cxLookAndFeelPainters.h"
#include "framework/cxLookAndFeels.h"
#include "platform/graphics/Bitmaps.h"
#include "tests/framework/ThemeTestSupport.h"
#include "tests/framework/cxControlsTestSupport.h"
#include "tests/support/Pictures.h"

namespace controls_test {
namespace {

using enum TScrollBarKind;

int BarHeight() { return GetScrollBarSize().Y; }
int BarWidth() { return GetScrollBarSize().X; }

// How the test control works out the room its content has.
enum class TMeasure {
  // From the bars the calculation has decided on so far.
  PendingBars,
  // From the bars shown on the screen, as a control that measures its
  // window does.
  ShownBars,
  // Needs the vertical bar exactly while it is hidden: showing it makes it
  // unnecessary, hiding it makes it necessary again.
  VerticalFeedback,
};

// A control with content of a given size, reported in pixels.
class TScrollingControl : public TcxControl {
  OBJECT_CLASS(TScrollingControl, TcxControl)
public:
  explicit TScrollingControl(TComponent* owner) : TcxControl(owner) {}

  int contentWidth = 0;
  int contentHeight = 0;
  int vPosition = 0;
  bool allowHide = true;
  bool pixelBars = false;
  TMeasure measure = TMeasure::PendingBars;
  int reports = 0;
  std::vector<std::string> scrolls;

  void SetContent(int width, int height) {
    contentWidth = width;
    contentHeight = height;
    UpdateScrollBars();
  }

  using TcxControl::GetBorderSize;
  using TcxControl::GetClientBounds;
  using TcxControl::GetHScrollBarBounds;
  using TcxControl::GetSizeGripBounds;
  using TcxControl::GetVScrollBarBounds;
  using TcxControl::HScrollBar;
  using TcxControl::IsInternalControl;
  using TcxControl::SizeGrip;
  using TcxControl::UpdateScrollBars;
  using TcxControl::VScrollBar;

protected:
  void InitScrollBarsParameters() override {
    ++reports;
    TRect room = cxRectInflate(GetBounds(), -GetBorderSize(), -GetBorderSize());
    switch (measure) {
    case TMeasure::PendingBars:
      room = GetClientBounds();
      break;
    case TMeasure::ShownBars:
    case TMeasure::VerticalFeedback:
      if (HScrollBar()->Visible())
        room.Bottom -= BarHeight();
      if (VScrollBar()->Visible())
        room.Right -= BarWidth();
      break;
    }
    int height = contentHeight;
    if (measure == TMeasure::VerticalFeedback)
      height = VScrollBar()->Visible() ? 10 : 1000;
    SetScrollBarInfo(sbHorizontal, 0, contentWidth - 1, 1, room.Right - room.Left, 0, true,
                     allowHide);
    SetScrollBarInfo(sbVertical, 0, height - 1, 1, room.Bottom - room.Top, vPosition, true,
                     allowHide);
  }
  bool IsPixelScrollBar(TScrollBarKind) override { return pixelBars; }
  void Paint() override {
    TcxControl::Paint();
    Canvas()->FillRect(GetClientBounds(), clRed);
  }
  void Scroll(TScrollBarKind kind, TScrollCode code, int& position) override {
    scrolls.push_back(std::string(kind == sbVertical ? "v " : "h ") +
                      std::to_string(static_cast<int>(code)) + " " + std::to_string(position));
  }
};

class ControlScrollBarsTest : public TLookAndFeelControlTest {
protected:
  void TearDown() override {
    if (m_form)
      m_form->Free();
    RootLookAndFeel()->Reset();
    TLookAndFeelControlTest::TearDown();
  }

  // A 200 x 150 control on a shown form.
  TScrollingControl* MakeControl() {
    m_form = ShownForm();
    auto* control = Create<TScrollingControl>(m_form);
    control->SetBounds(10, 10, 200, 150);
    control->SetParent(m_form);
    Pump();
    return control;
  }

  TForm* m_form = nullptr;
};

// What the bars and the grip show: "-" hidden, "on" shown and enabled,
// "off" shown and disabled.
std::string StateOf(TControl* control) {
  if (!control->Visible())
    return "-";
  return control->Enabled() ? "on" : "off";
}

struct TBarsState {
  std::string H, V, Grip;
  bool operator==(const TBarsState&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TBarsState& s) {
  return out << "h " << s.H << ", v " << s.V << ", grip " << s.Grip;
}

TBarsState BarsOf(TScrollingControl* control) {
  return {StateOf(control->HScrollBar()), StateOf(control->VScrollBar()),
          StateOf(control->SizeGrip())};
}

TEST_F(ControlScrollBarsTest, BarsShowForTheContentThatDoesNotFit) {
  struct TCase {
    const char* Name;
    int Width, Height;
    bool AllowHide;
    TScrollStyle Style;
    TBarsState Expected;
  };
  const int narrow = 200 - BarWidth() + 2;
  const TCase cases[] = {
      {"fits", 100, 100, true, TScrollStyle::ssBoth, {"-", "-", "-"}},
      {"wide", 300, 100, true, TScrollStyle::ssBoth, {"on", "-", "-"}},
      {"tall", 100, 300, true, TScrollStyle::ssBoth, {"-", "on", "-"}},
      {"both", 300, 300, true, TScrollStyle::ssBoth, {"on", "on", "on"}},
      {"tall, so too wide beside the vertical bar",
       narrow,
       300,
       true,
       TScrollStyle::ssBoth,
       {"on", "on", "on"}},
      {"fits exactly", 200, 150, true, TScrollStyle::ssBoth, {"-", "-", "-"}},
      // Bars that may not hide take their room even when disabled.
      {"fits exactly beside the bars, may not hide",
       200 - BarWidth(),
       150 - BarHeight(),
       false,
       TScrollStyle::ssBoth,
       {"off", "off", "on"}},
      {"one pixel more, may not hide",
       200 - BarWidth() + 1,
       150 - BarHeight(),
       false,
       TScrollStyle::ssBoth,
       {"on", "off", "on"}},
      {"vertical only", 300, 300, true, TScrollStyle::ssVertical, {"-", "on", "-"}},
      {"horizontal only", 300, 300, true, TScrollStyle::ssHorizontal, {"on", "-", "-"}},
      {"no bars", 300, 300, false, TScrollStyle::ssNone, {"-", "-", "-"}},
  };
  TScrollingControl* control = MakeControl();
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    control->SetContent(0, 0);
    control->allowHide = c.AllowHide;
    control->SetScrollBars(c.Style);
    control->SetContent(c.Width, c.Height);
    EXPECT_EQ(BarsOf(control), c.Expected);
    EXPECT_EQ(control->HScrollBarVisible(), c.Expected.H != "-");
    EXPECT_EQ(control->VScrollBarVisible(), c.Expected.V != "-");
  }
}

TEST_F(ControlScrollBarsTest, TheBarsTakeTheReportedRangeAndPage) {
  TScrollingControl* control = MakeControl();
  control->SetContent(300, 400);
  TcxControlScrollBar* h = control->HScrollBar();
  TcxControlScrollBar* v = control->VScrollBar();
  EXPECT_EQ(h->Max(), 299);
  EXPECT_EQ(h->PageSize(), 200 - BarWidth());
  EXPECT_EQ(h->LargeChange(), 200 - BarWidth());
  EXPECT_EQ(h->SmallChange(), 1);
  EXPECT_EQ(v->Max(), 399);
  EXPECT_EQ(v->PageSize(), 150 - BarHeight());
}

TEST_F(ControlScrollBarsTest, PixelBarsThatOnlyKeepEachOtherShownHideTogether) {
  for (bool pixelBars : {true, false}) {
    SCOPED_TRACE(pixelBars ? "pixel bars" : "line bars");
    TScrollingControl* control = MakeControl();
    control->measure = TMeasure::ShownBars;
    control->pixelBars = pixelBars;
    control->SetContent(300, 300);
    ASSERT_EQ(BarsOf(control), (TBarsState{"on", "on", "on"}));
    // Each fits once the other bar is gone.
    control->SetContent(200 - 2, 150 - 2);
    if (pixelBars)
      EXPECT_EQ(BarsOf(control), (TBarsState{"-", "-", "-"}));
    else
      EXPECT_EQ(BarsOf(control), (TBarsState{"on", "on", "on"}));
    m_form->Free();
    m_form = nullptr;
  }
}

TEST_F(ControlScrollBarsTest, ABarThatMakesItselfNeedlessStaysShownAndDisabled) {
  TScrollingControl* control = MakeControl();
  control->measure = TMeasure::VerticalFeedback;
  control->SetContent(100, 0);
  EXPECT_EQ(BarsOf(control), (TBarsState{"-", "off", "-"}));
  EXPECT_LT(control->reports, 20) << "settled after a few reports";

  // The guard holds for one update only: the next one starts afresh from
  // the bar shown.
  control->reports = 0;
  control->UpdateScrollBars();
  EXPECT_EQ(BarsOf(control), (TBarsState{"-", "off", "-"}));
  EXPECT_LT(control->reports, 20);
}

// A report that never settles (the bar needed exactly while the pending
// calculation hides it) ends after a bounded number of rounds.
class TRestlessControl : public TScrollingControl {
  OBJECT_CLASS(TRestlessControl, TScrollingControl)
public:
  using TScrollingControl::TScrollingControl;

protected:
  void InitScrollBarsParameters() override {
    ++reports;
    const int content = VScrollBarVisible() ? 10 : 1000;
    SetScrollBarInfo(sbVertical, 0, content - 1, 1, 100, 0, true, true);
  }
};

TEST_F(ControlScrollBarsTest, AReportThatNeverSettlesStillEnds) {
  m_form = ShownForm();
  auto* control = Create<TRestlessControl>(m_form);
  control->SetBounds(10, 10, 200, 150);
  control->SetParent(m_form);
  control->UpdateScrollBars();
  EXPECT_LE(control->reports, 3 * 8);
}

// Content as long as the whole range of a position: its length, one more
// than the largest position, does not wrap round to a negative number.
class TLongContentControl : public TScrollingControl {
  OBJECT_CLASS(TLongContentControl, TScrollingControl)
public:
  using TScrollingControl::TScrollingControl;
  int page = 100;

protected:
  void InitScrollBarsParameters() override {
    SetScrollBarInfo(sbVertical, 0, 2147483647, 7, page, 0, true, true);
  }
};

TEST_F(ControlScrollBarsTest, TheLongestContentShowsTheBarWithStepsItCanHold) {
  m_form = ShownForm();
  auto* control = Create<TLongContentControl>(m_form);
  control->SetBounds(10, 10, 200, 150);
  control->SetParent(m_form);
  control->page = 100000;
  control->UpdateScrollBars();
  EXPECT_TRUE(control->VScrollBarVisible());
  EXPECT_EQ(control->VScrollBar()->PageSize(), 100000);
  EXPECT_EQ(control->VScrollBar()->LargeChange(), 32767) << "the 16-bit step stays positive";
  EXPECT_EQ(control->VScrollBar()->SmallChange(), 7);
}

TEST_F(ControlScrollBarsTest, LockedUpdatesWaitForTheLastUnlockAndRunOnce) {
  TScrollingControl* control = MakeControl();
  control->LockScrollBars();
  control->LockScrollBars();
  control->reports = 0;
  control->SetContent(300, 300);
  control->UpdateScrollBars();
  EXPECT_EQ(control->reports, 0);
  EXPECT_EQ(BarsOf(control), (TBarsState{"-", "-", "-"}));
  control->UnlockScrollBars();
  EXPECT_EQ(control->reports, 0) << "still locked once";
  control->UnlockScrollBars();
  EXPECT_EQ(BarsOf(control), (TBarsState{"on", "on", "on"}));
  const int reports = control->reports;
  EXPECT_GT(reports, 0);

  control->LockScrollBars();
  control->UnlockScrollBars();
  EXPECT_EQ(control->reports, reports) << "no update was asked for";
  control->UnlockScrollBars();
  EXPECT_EQ(control->reports, reports) << "an unlock too many does nothing";
}

class TPlainControl : public TScrollingControl {
  OBJECT_CLASS(TPlainControl, TScrollingControl)
public:
  using TScrollingControl::TScrollingControl;

protected:
  bool NeedsScrollBars() override { return false; }
};

TEST_F(ControlScrollBarsTest, AControlThatNeedsNoBarsHasNone) {
  m_form = ShownForm();
  auto* control = Create<TPlainControl>(m_form);
  control->SetParent(m_form);
  EXPECT_EQ(control->HScrollBar(), nullptr);
  EXPECT_EQ(control->VScrollBar(), nullptr);
  control->SetContent(1000, 1000);
  EXPECT_FALSE(control->HScrollBarVisible());
  EXPECT_EQ(control->reports, 0);
}

TEST_F(ControlScrollBarsTest, BarsAndGripSitAtTheBottomAndRightInsideTheBorder) {
  TScrollingControl* control = MakeControl();
  for (TcxControlBorderStyle border :
       {TcxControlBorderStyle::cxcbsNone, TcxControlBorderStyle::cxcbsDefault}) {
    control->SetBorderStyle(border);
    control->SetContent(300, 300);
    const int b = border == TcxControlBorderStyle::cxcbsNone ? 0 : control->GetBorderSize();
    const int right = 200 - b - BarWidth();
    const int bottom = 150 - b - BarHeight();
    EXPECT_EQ(control->GetClientBounds(), Rect(b, b, right, bottom));
    EXPECT_EQ(control->HScrollBar()->BoundsRect(), Rect(b, bottom, right, 150 - b));
    EXPECT_EQ(control->VScrollBar()->BoundsRect(), Rect(right, b, 200 - b, bottom));
    EXPECT_EQ(control->SizeGrip()->BoundsRect(), Rect(right, bottom, 200 - b, 150 - b));
    EXPECT_TRUE(control->IsInternalControl(control->SizeGrip()));
  }
}

std::string ScrollText(TScrollBarKind kind, TScrollCode code, int position) {
  return std::string(kind == sbVertical ? "v " : "h ") + std::to_string(static_cast<int>(code)) +
         " " + std::to_string(position);
}

TPoint Center(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

TEST_F(ControlScrollBarsTest, ClicksOnTheBarsScrollTheControlAndFocusIt) {
  TScrollingControl* control = MakeControl();
  control->SetContent(600, 600);
  TcxControlScrollBar* h = control->HScrollBar();
  TcxControlScrollBar* v = control->VScrollBar();
  ASSERT_FALSE(control->Focused());

  ClickControl(v, Center(v->SecondButtonRect()));
  ASSERT_TRUE(PumpUntil([&] { return control->scrolls.size() >= 2; }));
  EXPECT_EQ(control->scrolls[0], ScrollText(sbVertical, TScrollCode::scLineDown, 1));
  EXPECT_EQ(control->scrolls[1], ScrollText(sbVertical, TScrollCode::scEndScroll, 1));
  EXPECT_TRUE(control->Focused()) << "a press on a bar focuses the control";
  EXPECT_EQ(v->Position(), 1);

  control->scrolls.clear();
  ClickControl(h, {h->PageDownRect().Right - 2, h->Height() / 2});
  ASSERT_TRUE(PumpUntil([&] { return control->scrolls.size() >= 2; }));
  EXPECT_EQ(control->scrolls[0], ScrollText(sbHorizontal, TScrollCode::scPageDown, h->PageSize()));

  // A control that does not focus on click stays unfocused.
  auto* other = Create<TScrollingControl>(m_form);
  other->SetBounds(220, 10, 150, 100);
  other->SetParent(m_form);
  other->SetFocusOnClick(false);
  other->SetContent(600, 600);
  ClickControl(other->VScrollBar(), Center(other->VScrollBar()->SecondButtonRect()));
  ASSERT_TRUE(PumpUntil([&] { return !other->scrolls.empty(); }));
  EXPECT_TRUE(control->Focused());
}

TEST_F(ControlScrollBarsTest, TheWheelScrollsFromTheVerticalBarsPosition) {
  TScrollingControl* control = MakeControl();
  control->vPosition = 40;
  control->SetContent(100, 600);
  ClickControl(control, {10, 10});
  ASSERT_TRUE(PumpUntil([&] { return control->Focused(); }));
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = MOUSEEVENTF_WHEEL;
  input.mi.mouseData = static_cast<DWORD>(-WHEEL_DELTA);
  ::SendInput(1, &input, sizeof(INPUT));
  ASSERT_TRUE(PumpUntil([&] { return !control->scrolls.empty(); }));
  EXPECT_EQ(control->scrolls[0], ScrollText(sbVertical, TScrollCode::scLineDown, 40));

  control->scrolls.clear();
  control->SetContent(100, 100);
  ::SendInput(1, &input, sizeof(INPUT));
  Pump();
  EXPECT_TRUE(control->scrolls.empty())
      << "without the vertical bar the wheel is not the control's";
}

// Sets the system's scroll-bar sizes for one test and puts them back.
class TScrollBarSizeScope {
public:
  explicit TScrollBarSizeScope(int grow) {
    m_metrics.cbSize = sizeof(m_metrics);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(m_metrics), &m_metrics, 0);
    NONCLIENTMETRICSW changed = m_metrics;
    changed.iScrollWidth += grow;
    changed.iScrollHeight += grow;
    Set(changed);
  }
  ~TScrollBarSizeScope() { Set(m_metrics); }
  TScrollBarSizeScope(const TScrollBarSizeScope&) = delete;
  TScrollBarSizeScope& operator=(const TScrollBarSizeScope&) = delete;

private:
  // The platform tells the windows only when the profile is updated too.
  static void Set(NONCLIENTMETRICSW& metrics) {
    ::SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof(metrics), &metrics,
                            SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
  }
  NONCLIENTMETRICSW m_metrics{};
};

TEST_F(ControlScrollBarsTest, AChangedSystemScrollBarSizeResizesTheBarsOfEveryControl) {
  TScrollingControl* first = MakeControl();
  auto* second = Create<TScrollingControl>(m_form);
  second->SetBounds(220, 10, 150, 100);
  second->SetParent(m_form);
  for (TScrollingControl* control : {first, second})
    control->SetContent(600, 600);
  const int width = BarWidth();
  {
    const TScrollBarSizeScope wider(4);
    ASSERT_EQ(BarWidth(), width + 4);
    for (TScrollingControl* control : {first, second}) {
      EXPECT_TRUE(PumpUntil([&] { return control->VScrollBar()->Width() == width + 4; }));
      EXPECT_EQ(control->HScrollBar()->Height(), BarHeight());
      EXPECT_EQ(control->VScrollBar()->BoundsRect(), control->GetVScrollBarBounds());
      EXPECT_EQ(control->SizeGrip()->BoundsRect(), control->GetSizeGripBounds());
    }
  }
  EXPECT_TRUE(PumpUntil([&] { return first->VScrollBar()->Width() == width; }));
}

// ---- Pixels

enum class TLook { UltraFlat, Flat, Standard, Office11, Native };

struct TPixelCase {
  TLook Look;
  theme_test::TVisualStyles Styles;
};

std::string PixelCaseName(const testing::TestParamInfo<TPixelCase>& info) {
  static const char* const looks[] = {"UltraFlat", "Flat", "Standard", "Office11", "Native"};
  return std::string(looks[static_cast<int>(info.param.Look)]) +
         (info.param.Styles == theme_test::TVisualStyles::On ? "StylesOn" : "StylesForcedOff");
}

class ControlScrollBarsPixelsTest : public ControlScrollBarsTest,
                                    public testing::WithParamInterface<TPixelCase>,
                                    protected theme_test::TGdiCountedTest {
protected:
  void SetUp() override {
    ControlScrollBarsTest::SetUp();
    m_units.emplace(GetParam().Styles);
  }
  void TearDown() override {
    ControlScrollBarsTest::TearDown();
    m_units.reset();
  }

  void SetLook(TcxLookAndFeel* lookAndFeel) {
    switch (GetParam().Look) {
    case TLook::UltraFlat:
      lookAndFeel->SetKind(TcxLookAndFeelKind::lfUltraFlat);
      break;
    case TLook::Flat:
      lookAndFeel->SetKind(TcxLookAndFeelKind::lfFlat);
      break;
    case TLook::Standard:
      lookAndFeel->SetKind(TcxLookAndFeelKind::lfStandard);
      break;
    case TLook::Office11:
      lookAndFeel->SetKind(TcxLookAndFeelKind::lfOffice11);
      break;
    case TLook::Native:
      lookAndFeel->SetNativeStyle(true);
      break;
    }
  }

  // A bar of the look on its own, as the control's bar should look.
  TOwned<TBitmap> LoneBar(TcxControlScrollBar* model) {
    auto* bar = Create<TcxScrollBar>(m_form);
    bar->SetKind(model->Kind());
    // Beside or below the control, inside the form.
    const bool horizontal = model->Kind() == sbHorizontal;
    bar->SetBounds(horizontal ? 10 : 250, horizontal ? 200 : 10, model->Width(), model->Height());
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

  // Draws the control with both bars in the look, compares, and frees it.
  void DrawAndCompare(bool savePicture) {
    TScrollingControl* control = MakeControl();
    SetLook(control->LookAndFeel());
    control->SetBorderStyle(TcxControlBorderStyle::cxcbsDefault);
    control->SetContent(400, 300);
    control->Repaint();
    Pump();
    TOwned<TBitmap> shown(Create<TBitmap>());
    CaptureScreen(control->Handle(), shown.get());
    if (savePicture)
      SavePicture(shown.get(), "control-scrollbars-" + PixelCaseName({GetParam(), 0}));
    ExpectArea(shown.get(), control->GetClientBounds(), ColorToRGB(clRed), "client");
    ExpectArea(shown.get(), control->GetSizeGripBounds(), ColorToRGB(clBtnFace), "grip");
    for (TcxControlScrollBar* bar : {control->HScrollBar(), control->VScrollBar()}) {
      TOwned<TBitmap> lone = LoneBar(bar);
      const TRect r = bar->BoundsRect();
      int differences = 0;
      for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
          differences +=
              shown->Canvas()->Pixels(x, y) != lone->Canvas()->Pixels(x - r.Left, y - r.Top);
      EXPECT_EQ(differences, 0) << (bar == control->HScrollBar() ? "horizontal" : "vertical");
    }
    m_form->Free();
    m_form = nullptr;
  }

  static void ExpectArea(TBitmap* shown, const TRect& r, TColor color, const char* name) {
    int differences = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x)
        differences += shown->Canvas()->Pixels(x, y) != color;
    EXPECT_EQ(differences, 0) << name;
  }

  std::optional<theme_test::TThemeUnits> m_units;
};

TEST_P(ControlScrollBarsPixelsTest, BarsInTheControlsLookAndTheGripFillTheCorner) {
  // The first round makes what the looks and the theme keep once made.
  DrawAndCompare(false);
  RecordGdiObjects();
  DrawAndCompare(true);
  ExpectGdiObjectsUnchanged();
}

INSTANTIATE_TEST_SUITE_P(
    Looks, ControlScrollBarsPixelsTest,
    testing::Values(TPixelCase{TLook::UltraFlat, theme_test::TVisualStyles::On},
                    TPixelCase{TLook::Flat, theme_test::TVisualStyles::On},
                    TPixelCase{TLook::Standard, theme_test::TVisualStyles::On},
                    TPixelCase{TLook::Office11, theme_test::TVisualStyles::On},
                    TPixelCase{TLook::Office11, theme_test::TVisualStyles::ForcedOff},
                    TPixelCase{TLook::Native, theme_test::TVisualStyles::On},
                    TPixelCase{TLook::Native, theme_test::TVisualStyles::ForcedOff}),
    PixelCaseName);

} // namespace
} // namespace controls_test
