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
#include "tests/framework/cxControlsTestSupport.h"

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
    SetScrollBarInfo(sbVertical, 0, height - 1, 1, room.Bottom - room.Top, 0, true, allowHide);
  }
  bool IsPixelScrollBar(TScrollBarKind) override { return pixelBars; }
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

} // namespace
} // namespace controls_test
