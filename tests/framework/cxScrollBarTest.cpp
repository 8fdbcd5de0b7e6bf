// The painter-drawn scroll bar: its layout by table, its values and scroll
// codes, real mouse input for line, page and thumb scrolling and for the
// auto-repeat, and its pixels for every look with visual styles on and
// forced off.
#include "framework/cxScrollBar.h"

#include <climits>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/cxGeometry.h"
#include "framework/cxGraphics.h"
#include "framework/cxLookAndFeels.h"
#include "tests/framework/ThemeTestSupport.h"
#include "tests/framework/cxControlsTestSupport.h"
#include "tests/support/Pictures.h"

namespace controls_test {
namespace {

using enum TcxScrollBarPart;
using enum TScrollCode;
using theme_test::TThemeUnits;
using theme_test::TVisualStyles;

int ArrowLength() { return GetScrollBarSize().Y; }

// Shows the position the thumb stands for.
class TExposedScrollBar : public TcxScrollBar {
  OBJECT_CLASS(TExposedScrollBar, TcxScrollBar)
public:
  using TcxScrollBar::TcxScrollBar;
  using TcxScrollBar::GetPositionFromThumbnail;
};

struct TScrollRecord {
  TScrollCode Code;
  int Position;
  DWORD Tick;
};

// Real mouse input, moved in absolute screen coordinates.
void SendAbsoluteMouse(DWORD flags, std::optional<TPoint> screen = std::nullopt) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  if (screen) {
    input.mi.dwFlags |= MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input.mi.dx = ::MulDiv(screen->X, 65536, ::GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = ::MulDiv(screen->Y, 65536, ::GetSystemMetrics(SM_CYSCREEN));
  }
  ::SendInput(1, &input, sizeof(INPUT));
}

class ScrollBarTest : public TControlServicesTest {
protected:
  static void SetUpTestSuite() {
    TControlServicesTest::SetUpTestSuite();
    const TUnitInfo units[] = {cxGraphicsUnit, cxLookAndFeelPaintersUnit, cxLookAndFeelsUnit};
    ProgramUnits().Start(units);
  }

  void TearDown() override {
    SendAbsoluteMouse(MOUSEEVENTF_LEFTUP);
    if (m_form)
      m_form->Free();
    TControlServicesTest::TearDown();
  }

  // A horizontal bar of 'width' on a shown form, recording its scroll codes
  // and change notices.
  TcxScrollBar* MakeBar(int width = 200, TScrollBarKind kind = TScrollBarKind::sbHorizontal) {
    m_form = ShownForm();
    TcxScrollBar* bar = Create<TExposedScrollBar>(m_form);
    bar->SetKind(kind);
    if (kind == TScrollBarKind::sbHorizontal)
      bar->SetBounds(20, 20, width, ArrowLength());
    else
      bar->SetBounds(20, 20, GetScrollBarSize().X, width);
    bar->SetParent(m_form);
    bar->SetOnScroll(TScrollEvent([this](TObject*, TScrollCode code, int& position) {
      m_scrolls.push_back({code, position, ::GetTickCount()});
      if (m_onScroll)
        m_onScroll(code, position);
    }));
    bar->SetOnChange(TNotifyEvent([this](TObject*) { ++m_changes; }));
    Pump();
    return bar;
  }

  std::vector<TScrollCode> Codes() const {
    std::vector<TScrollCode> codes;
    for (const TScrollRecord& record : m_scrolls)
      codes.push_back(record.Code);
    return codes;
  }
  int CountOf(TScrollCode code) const {
    int count = 0;
    for (const TScrollRecord& record : m_scrolls)
      count += record.Code == code;
    return count;
  }

  // Handles messages for 'ms' milliseconds.
  static void PumpFor(DWORD ms) {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < ms) {
      Application->ProcessMessages();
      ::Sleep(5);
    }
    Application->ProcessMessages();
  }

  static TPoint Center(const TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

  TForm* m_form = nullptr;
  std::vector<TScrollRecord> m_scrolls;
  std::function<void(TScrollCode, int&)> m_onScroll;
  int m_changes = 0;
};

// ---- Layout

TEST_F(ScrollBarTest, LayoutOfArrowsThumbAndPages) {
  const int s = ArrowLength();
  const int hthumb = ::GetSystemMetrics(SM_CXHTHUMB);
  const int vthumb = ::GetSystemMetrics(SM_CYVTHUMB);
  const int w = 200;
  const int t = w - 2 * s;
  struct TCase {
    const char* Name;
    TScrollBarKind Kind;
    int Min, Max, PageSize, Position;
    // Along the bar: the thumb's start and length (length 0: no thumb).
    int ThumbStart, ThumbLength;
  };
  using enum TScrollBarKind;
  const TCase cases[] = {
      {"half page at the start", sbHorizontal, 0, 99, 50, 0, s, ::MulDiv(50, t, 100)},
      {"half page at the end", sbHorizontal, 0, 99, 50, 50, w - s - ::MulDiv(50, t, 100),
       ::MulDiv(50, t, 100)},
      {"half page in the middle", sbHorizontal, 0, 99, 50, 25,
       s + ::MulDiv(t - ::MulDiv(50, t, 100), 25, 50), ::MulDiv(50, t, 100)},
      {"no page: the system's thumb", sbHorizontal, 0, 100, 0, 0, s, hthumb},
      {"no page at the end", sbHorizontal, 0, 100, 0, 100, w - s - hthumb, hthumb},
      {"no page, vertical", sbVertical, 0, 100, 0, 40, s + ::MulDiv(t - vthumb, 40, 100), vthumb},
      {"a tiny page keeps the minimum", sbVertical, 0, 999, 1, 0, s, 8},
      {"an empty range keeps the system's thumb at the start", sbHorizontal, 5, 5, 0, 5, s, hthumb},
      {"an empty range with a page has no thumb", sbHorizontal, 5, 5, 1, 5, 0, 0},
      // The page equals the range: nothing to move, the thumb fills the track
      // from its start (not a pixel before it).
      {"a page as large as the range", sbHorizontal, 1, 10, 10, 5, s, t},
      {"a page larger than the range", sbVertical, 5, 10, 10, 10, s, t},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TcxScrollBar* bar = MakeBar(w, c.Kind);
    bar->SetScrollParams(c.Min, c.Max, c.Position, c.PageSize);
    const bool horizontal = c.Kind == sbHorizontal;
    const int across = horizontal ? bar->Height() : bar->Width();
    auto along = [&](int start, int length) {
      return horizontal ? Bounds(start, 0, length, across) : Bounds(0, start, across, length);
    };
    EXPECT_EQ(bar->FirstButtonRect(), along(0, s));
    EXPECT_EQ(bar->SecondButtonRect(), along(w - s, s));
    if (c.ThumbLength == 0) {
      EXPECT_TRUE(cxRectIsEmpty(bar->ThumbnailRect()));
      EXPECT_TRUE(cxRectIsEmpty(bar->PageUpRect()));
      EXPECT_TRUE(cxRectIsEmpty(bar->PageDownRect()));
    } else {
      EXPECT_EQ(bar->ThumbnailRect(), along(c.ThumbStart, c.ThumbLength));
      const int thumbEnd = c.ThumbStart + c.ThumbLength;
      EXPECT_EQ(bar->PageUpRect(), along(s, c.ThumbStart - s));
      EXPECT_EQ(bar->PageDownRect(), along(thumbEnd, w - s - thumbEnd));
    }
    m_form->Free();
    m_form = nullptr;
  }
}

TEST_F(ScrollBarTest, AShortBarHasHalfLengthArrowsAndNoThumb) {
  // Shorter than two arrows, and odd: one pixel between the half arrows.
  const int s = ArrowLength();
  const int w = s % 2 == 0 ? s + 1 : s;
  TcxScrollBar* bar = MakeBar(w);
  EXPECT_EQ(bar->FirstButtonRect(), Bounds(0, 0, w / 2, bar->Height()));
  EXPECT_EQ(bar->SecondButtonRect(), Bounds(w - w / 2, 0, w / 2, bar->Height()));
  EXPECT_TRUE(cxRectIsEmpty(bar->ThumbnailRect()));
  EXPECT_EQ(bar->GetScrollBarPart({w / 2, 2}), sbpNone) << "between the arrows";
}

TEST_F(ScrollBarTest, ADisabledBarHasNoThumb) {
  TcxScrollBar* bar = MakeBar();
  bar->SetEnabled(false);
  EXPECT_TRUE(cxRectIsEmpty(bar->ThumbnailRect()));
  bar->SetEnabled(true);
  EXPECT_FALSE(cxRectIsEmpty(bar->ThumbnailRect()));
}

TEST_F(ScrollBarTest, HitTestFindsEveryPart) {
  TcxScrollBar* bar = MakeBar();
  bar->SetScrollParams(0, 99, 25, 50);
  const TRect thumb = bar->ThumbnailRect();
  const struct {
    TPoint Point;
    TcxScrollBarPart Part;
  } cases[] = {
      {{1, 1}, sbpLineUp},
      {{199, 1}, sbpLineDown},
      {Center(thumb), sbpThumbnail},
      {{thumb.Left - 1, 2}, sbpPageUp},
      {{thumb.Right, 2}, sbpPageDown},
      {{-1, 2}, sbpNone},
      {{200, 2}, sbpNone},
      {{50, bar->Height()}, sbpNone},
  };
  for (const auto& c : cases)
    EXPECT_EQ(bar->GetScrollBarPart(c.Point), c.Part) << c.Point.X << "," << c.Point.Y;
}

// ---- Values

TEST_F(ScrollBarTest, OutOfRangeParamsRaiseAndChangeNothing) {
  TcxScrollBar* bar = MakeBar();
  bar->SetScrollParams(10, 50, 20, 5);
  const TRect thumb = bar->ThumbnailRect();
  const struct { int Min, Max, PageSize; } cases[] = {
      {60, 50, 0}, {0, -1, 0}, {0, 50, -1}, {INT_MAX, INT_MIN, 0}};
  for (const auto& c : cases) {
    try {
      bar->SetScrollParams(c.Min, c.Max, 20, c.PageSize);
      ADD_FAILURE() << "no error for " << c.Min << ".." << c.Max << " page " << c.PageSize;
    } catch (const EInvalidOperation& e) {
      EXPECT_EQ(e.Message(), "Scrollbar property out of range");
    }
    EXPECT_EQ(bar->Min(), 10);
    EXPECT_EQ(bar->Max(), 50);
    EXPECT_EQ(bar->PageSize(), 5);
    EXPECT_EQ(bar->Position(), 20);
    EXPECT_EQ(bar->ThumbnailRect(), thumb);
  }
  EXPECT_THROW(bar->SetMax(4), EInvalidOperation);
  EXPECT_THROW(bar->SetMin(51), EInvalidOperation);
  EXPECT_THROW(bar->SetPageSize(-1), EInvalidOperation);
}

// Ranges as wide as 32 bits allow, and pages as large as the range or
// larger: the thumb keeps within the track, stands at its start for the
// minimum and at its end for the last position a page can start at, maps
// back to those positions, and steps stop at the bounds.
TEST_F(ScrollBarTest, ExtremeRangesKeepTheThumbInTheTrack) {
  const int s = ArrowLength();
  const int w = 200;
  const int t = w - 2 * s;
  const int hthumb = ::GetSystemMetrics(SM_CXHTHUMB);
  const struct {
    const char* Name;
    int Min, Max, PageSize;
    int ThumbLength;
  } cases[] = {
      {"the whole range, no page", INT_MIN, INT_MAX, 0, hthumb},
      {"the whole range, a tiny page", INT_MIN, INT_MAX, 1, 8},
      {"the whole range, half of it a page", INT_MIN, INT_MAX, INT_MAX, t / 2},
      {"from -1 to the top, the page as large as the maximum", -1, INT_MAX, INT_MAX, t},
      {"below zero, no page", INT_MIN, -1, 0, hthumb},
      {"a small range at the bottom", INT_MIN, INT_MIN + 20, 0, hthumb},
      {"near the top", INT_MAX - 10, INT_MAX, 0, hthumb},
      {"a page as large as the range", 0, 4, 5, t},
      {"a page larger than the range", -3, 4, 100, t},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    auto* bar = static_cast<TExposedScrollBar*>(MakeBar(w));
    bar->SetSmallChange(10);
    bar->SetLargeChange(32767);
    bar->SetScrollParams(c.Min, c.Max, c.Min, c.PageSize);
    EXPECT_EQ(bar->PageSize(), c.PageSize);
    const TRect first = bar->ThumbnailRect();
    EXPECT_EQ(first.Left, s);
    EXPECT_EQ(first.Right - first.Left, c.ThumbLength);
    EXPECT_EQ(bar->GetPositionFromThumbnail(), c.Min);
    // The last position the page can start at.
    const std::int64_t top =
        c.PageSize > 0 ? std::max<std::int64_t>(c.Min, std::int64_t{c.Max} - c.PageSize + 1)
                       : c.Max;
    bar->SetPosition(static_cast<int>((c.Min + top) / 2));
    const TRect mid = bar->ThumbnailRect();
    EXPECT_GE(mid.Left, s);
    EXPECT_LE(mid.Right, w - s);
    bar->SetPosition(c.Max);
    const TRect last = bar->ThumbnailRect();
    if (c.ThumbLength < t) {
      EXPECT_EQ(last.Right, w - s) << "the last position puts the thumb at the end";
      EXPECT_EQ(bar->GetPositionFromThumbnail(), top);
      EXPECT_GT(mid.Left, first.Left);
      EXPECT_LT(mid.Left, last.Left);
    } else {
      EXPECT_EQ(last, first) << "a page as large as the range leaves the thumb in place";
    }
    for (int code : {SB_LINEDOWN, SB_PAGEDOWN, SB_BOTTOM}) {
      bar->Perform(CN_HSCROLL, code);
      EXPECT_EQ(bar->Position(), c.Max) << code;
    }
    bar->SetPosition(c.Min);
    for (int code : {SB_LINEUP, SB_PAGEUP, SB_TOP}) {
      bar->Perform(CN_HSCROLL, code);
      EXPECT_EQ(bar->Position(), c.Min) << code;
    }
    m_form->Free();
    m_form = nullptr;
  }
}

TEST_F(ScrollBarTest, PositionIsClampedAndAChangeEnablesAndTells) {
  TcxScrollBar* bar = MakeBar();
  const struct {
    int Set, Expected, Changes;
  } cases[] = {{150, 100, 1}, {-5, 0, 2}, {0, 0, 2}, {42, 42, 3}};
  for (const auto& c : cases) {
    bar->SetPosition(c.Set);
    EXPECT_EQ(bar->Position(), c.Expected) << c.Set;
    EXPECT_EQ(m_changes, c.Changes) << c.Set;
  }
  bar->SetEnabled(false);
  bar->SetPosition(42);
  EXPECT_FALSE(bar->Enabled()) << "an unchanged position leaves it disabled";
  bar->SetPosition(43);
  EXPECT_TRUE(bar->Enabled());
  bar->SetParams(7, 5, 9);
  EXPECT_EQ(bar->Position(), 7);
  EXPECT_EQ(bar->Min(), 5);
  EXPECT_EQ(bar->Max(), 9);
  EXPECT_TRUE(m_scrolls.empty()) << "setting values raises no scroll codes";
}

TEST_F(ScrollBarTest, ChangingKindSwapsWidthAndHeight) {
  TcxScrollBar* bar = MakeBar(150);
  const int s = ArrowLength();
  bar->SetKind(TScrollBarKind::sbVertical);
  EXPECT_EQ(bar->Width(), s);
  EXPECT_EQ(bar->Height(), 150);
  EXPECT_EQ(bar->SecondButtonRect(), Bounds(0, 150 - s, s, s));
  EXPECT_EQ(bar->ThumbnailRect().Left, 0);
  EXPECT_EQ(bar->ThumbnailRect().Top, s);
}

// A square bar keeps its bounds when turned; its layout must turn anyway.
TEST_F(ScrollBarTest, ASquareBarTurnsItsLayoutWithItsKind) {
  TcxScrollBar* bar = MakeBar(60);
  bar->SetBounds(20, 20, 60, 60);
  bar->SetKind(TScrollBarKind::sbVertical);
  const int s = ArrowLength();
  EXPECT_EQ(bar->FirstButtonRect(), Bounds(0, 0, 60, s));
  EXPECT_EQ(bar->SecondButtonRect(), Bounds(0, 60 - s, 60, s));
}

TEST_F(ScrollBarTest, ScrollCodesMoveThePositionAndTellOnScroll) {
  TcxScrollBar* bar = MakeBar();
  bar->SetSmallChange(2);
  bar->SetLargeChange(10);
  const struct {
    TScrollCode Code;
    int Start, Told, Expected;
  } cases[] = {
      {scLineUp, 50, 48, 48},   {scLineDown, 50, 52, 52},   {scPageUp, 50, 40, 40},
      {scPageDown, 50, 60, 60}, {scPosition, 50, 50, 50},   {scTrack, 50, 50, 50},
      {scTop, 50, 0, 0},        {scBottom, 50, 100, 100},   {scEndScroll, 50, 50, 50},
      {scLineUp, 1, 0, 0},      {scPageDown, 95, 100, 100},
  };
  for (const auto& c : cases) {
    bar->SetPosition(c.Start);
    m_scrolls.clear();
    bar->Perform(CN_HSCROLL, static_cast<WPARAM>(c.Code));
    ASSERT_EQ(m_scrolls.size(), 1u) << static_cast<int>(c.Code);
    EXPECT_EQ(m_scrolls[0].Code, c.Code);
    EXPECT_EQ(m_scrolls[0].Position, c.Told) << static_cast<int>(c.Code);
    EXPECT_EQ(bar->Position(), c.Expected) << static_cast<int>(c.Code);
  }
  m_scrolls.clear();
  bar->Perform(CN_VSCROLL, 9);
  EXPECT_TRUE(m_scrolls.empty()) << "no scroll code";
}

TEST_F(ScrollBarTest, TheScrollHandlerDecidesThePositionWithinTheRange) {
  TcxScrollBar* bar = MakeBar();
  bar->SetPosition(50);
  m_onScroll = [](TScrollCode, int& position) { position = 1000; };
  m_changes = 0;
  bar->Perform(CN_HSCROLL, SB_LINEUP);
  EXPECT_EQ(bar->Position(), 100);
  EXPECT_EQ(m_changes, 1);
  // A tracked position is stored as it is, without a change notice.
  m_onScroll = [](TScrollCode, int& position) { position = 70; };
  bar->Perform(CN_HSCROLL, SB_THUMBTRACK);
  EXPECT_EQ(bar->Position(), 70);
  EXPECT_EQ(m_changes, 1);
}

// ---- Real input

TEST_F(ScrollBarTest, ClicksScrollByLineAndPage) {
  TcxScrollBar* bar = MakeBar();
  bar->SetLargeChange(10);
  bar->SetPosition(50);
  struct TCase {
    const char* Name;
    std::function<TPoint()> Where;
    TScrollCode Code;
    int Expected;
  };
  const TCase cases[] = {
      {"left arrow", [&] { return Center(bar->FirstButtonRect()); }, scLineUp, 49},
      {"right arrow", [&] { return Center(bar->SecondButtonRect()); }, scLineDown, 50},
      {"page left",
       [&] {
         return TPoint{bar->PageUpRect().Left + 2, 3};
       },
       scPageUp, 40},
      {"page right",
       [&] {
         return TPoint{bar->PageDownRect().Right - 2, 3};
       },
       scPageDown, 50},
  };
  for (const TCase& c : cases) {
    m_scrolls.clear();
    ClickControl(bar, c.Where());
    ASSERT_TRUE(PumpUntil([&] { return CountOf(scEndScroll) == 1; })) << c.Name;
    EXPECT_EQ(Codes(), (std::vector{c.Code, scEndScroll})) << c.Name;
    EXPECT_EQ(bar->Position(), c.Expected) << c.Name;
    EXPECT_EQ(bar->PressedPart(), sbpNone);
  }
}

TEST_F(ScrollBarTest, DraggingTheThumbTracksAndEndsWhereItWasLetGo) {
  TcxScrollBar* bar = MakeBar();
  bar->SetScrollParams(0, 99, 20, 10);
  m_changes = 0;
  const TRect thumb = bar->ThumbnailRect();
  const TPoint start = bar->ClientToScreen(Center(thumb));
  const int s = ArrowLength();
  const int room = 200 - 2 * s - (thumb.Right - thumb.Left);
  SendAbsoluteMouse(0, start);
  SendAbsoluteMouse(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(PumpUntil([&] { return bar->PressedPart() == sbpThumbnail; }));
  for (int dx : {10, 20, 30}) {
    SendAbsoluteMouse(0, TPoint{start.X + dx, start.Y + 5});
    ASSERT_TRUE(PumpUntil([&] { return bar->ThumbnailRect().Left == thumb.Left + dx; })) << dx;
  }
  const int expected = ::MulDiv(90, thumb.Left + 30 - s, room);
  EXPECT_EQ(bar->Position(), expected);
  SendAbsoluteMouse(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(PumpUntil([&] { return CountOf(scEndScroll) == 1; }));
  const std::vector<TScrollCode> codes = Codes();
  ASSERT_GE(codes.size(), 4u);
  EXPECT_EQ(codes.front(), scTrack);
  EXPECT_EQ(codes[codes.size() - 2], scPosition);
  EXPECT_EQ(m_scrolls[m_scrolls.size() - 2].Position, expected);
  EXPECT_EQ(codes.back(), scEndScroll);
  EXPECT_EQ(bar->Position(), expected);
  EXPECT_EQ(m_changes, 1) << "one change notice for the drag";
}

TEST_F(ScrollBarTest, AClickOnTheThumbDoesNotScroll) {
  TcxScrollBar* bar = MakeBar();
  bar->SetScrollParams(0, 999, 333, 0);
  m_changes = 0;
  ClickControl(bar, Center(bar->ThumbnailRect()));
  ASSERT_TRUE(PumpUntil([&] { return CountOf(scEndScroll) == 1; }));
  EXPECT_EQ(Codes(), (std::vector{scTrack, scPosition, scEndScroll}));
  EXPECT_EQ(bar->Position(), 333);
  EXPECT_EQ(m_changes, 0);
}

TEST_F(ScrollBarTest, AThumbDraggedTooFarJumpsBackUnlessTrackingIsUnlimited) {
  const int w = 200;
  const int h = ArrowLength();
  struct TCase {
    const char* Name;
    bool Unlimited;
    // Where the mouse goes once the thumb has reached the end (client).
    TPoint Away;
    bool JumpsBack;
  };
  const TCase cases[] = {
      {"35 pixels beyond the end", false, {w + 34, h / 2}, true},
      {"33 pixels beyond the end", false, {w + 32, h / 2}, false},
      {"137 pixels aside", false, {w - 1, h + 136}, true},
      {"135 pixels aside", false, {w - 1, h + 134}, false},
      {"137 pixels above", false, {w - 1, -137}, true},
      {"unlimited, far aside", true, {w - 1, h + 300}, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TcxScrollBar* bar = MakeBar(w);
    bar->SetUnlimitedTracking(c.Unlimited);
    bar->SetScrollParams(0, 100, 30, 0);
    const TPoint start = bar->ClientToScreen(Center(bar->ThumbnailRect()));
    SendAbsoluteMouse(0, start);
    SendAbsoluteMouse(MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(PumpUntil([&] { return bar->PressedPart() == sbpThumbnail; }));
    // To the bar's right end first: the thumb reaches the end.
    SendAbsoluteMouse(0, bar->ClientToScreen({w - 1, h / 2}));
    ASSERT_TRUE(PumpUntil([&] { return bar->Position() == 100; }));
    SendAbsoluteMouse(0, bar->ClientToScreen(c.Away));
    PumpFor(100);
    EXPECT_EQ(bar->Position(), c.JumpsBack ? 30 : 100);
    SendAbsoluteMouse(MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(PumpUntil([&] { return bar->PressedPart() == sbpNone; }));
    EXPECT_EQ(bar->Position(), c.JumpsBack ? 30 : 100);
    m_form->Free();
    m_form = nullptr;
  }
}

TEST_F(ScrollBarTest, AHeldArrowRepeatsAfter400msThenEvery60msWhileOverIt) {
  TcxScrollBar* bar = MakeBar();
  bar->SetScrollParams(0, 10000, 0, 0);
  const TPoint arrow = bar->ClientToScreen(Center(bar->SecondButtonRect()));
  SendAbsoluteMouse(0, arrow);
  SendAbsoluteMouse(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(PumpUntil([&] { return CountOf(scLineDown) >= 1; }));
  PumpFor(1000);
  const int held = CountOf(scLineDown);
  ASSERT_GE(held, 5);
  EXPECT_GE(m_scrolls[1].Tick - m_scrolls[0].Tick, 380u) << "the first repeat waits";
  for (std::size_t i = 2; i < m_scrolls.size(); ++i)
    EXPECT_GE(m_scrolls[i].Tick - m_scrolls[i - 1].Tick, 45u) << i;
  EXPECT_LE(m_scrolls[2].Tick - m_scrolls[1].Tick, 300u) << "then it repeats quickly";
  EXPECT_EQ(bar->Position(), held);

  // Off the arrow the repeat pauses; back on it, it resumes.
  SendAbsoluteMouse(0, bar->ClientToScreen({100, 3}));
  PumpFor(100);
  const int paused = CountOf(scLineDown);
  PumpFor(400);
  EXPECT_EQ(CountOf(scLineDown), paused);
  SendAbsoluteMouse(0, arrow);
  PumpFor(400);
  EXPECT_GT(CountOf(scLineDown), paused + 2);

  SendAbsoluteMouse(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(PumpUntil([&] { return CountOf(scEndScroll) == 1; }));
  const int released = CountOf(scLineDown);
  PumpFor(400);
  EXPECT_EQ(CountOf(scLineDown), released) << "the repeat stops on release";
  EXPECT_EQ(bar->Position(), released);
}

TEST_F(ScrollBarTest, AHeldPageRepeatsUntilTheThumbReachesTheMouse) {
  TcxScrollBar* bar = MakeBar();
  bar->SetScrollParams(0, 100, 0, 0);
  bar->SetLargeChange(5);
  const TPoint target{bar->SecondButtonRect().Left - 20, 3};
  SendAbsoluteMouse(0, bar->ClientToScreen(target));
  SendAbsoluteMouse(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(PumpUntil([&] { return cxRectPtIn(bar->ThumbnailRect(), target); }));
  PumpFor(300);
  const int position = bar->Position();
  EXPECT_TRUE(cxRectPtIn(bar->ThumbnailRect(), target));
  EXPECT_LT(position, 100);
  EXPECT_EQ(CountOf(scPageDown), position / 5);
  SendAbsoluteMouse(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(PumpUntil([&] { return CountOf(scEndScroll) == 1; }));
  EXPECT_EQ(bar->Position(), position);
}

// ---- Pixels

enum class TLook { UltraFlat, Flat, Standard, Office11, Native };

struct TPixelCase {
  TLook Look;
  TVisualStyles Styles;
};

std::string PixelCaseName(const testing::TestParamInfo<TPixelCase>& info) {
  static const char* const looks[] = {"UltraFlat", "Flat", "Standard", "Office11", "Native"};
  return std::string(looks[static_cast<int>(info.param.Look)]) +
         (info.param.Styles == TVisualStyles::On ? "StylesOn" : "StylesForcedOff");
}

// Wine keeps the scroll-bar theme's images once drawn, and the painters
// their caches: every look draws every part once before the count.
void DrawEveryPartOnce() {
  for (TVisualStyles styles : {TVisualStyles::On, TVisualStyles::ForcedOff}) {
    TThemeUnits units(styles);
    TOwned<TBitmap> bitmap(Create<TBitmap>());
    bitmap->SetSize(40, 40);
    TOwned<TcxCanvas> canvas(Create<TcxCanvas>(bitmap->Canvas()));
    for (TcxCustomLookAndFeelPainterClass painter :
         {TcxCustomLookAndFeelPainterClass(TcxUltraFlatLookAndFeelPainter::StaticClass()),
          TcxCustomLookAndFeelPainterClass(TcxFlatLookAndFeelPainter::StaticClass()),
          TcxCustomLookAndFeelPainterClass(TcxStandardLookAndFeelPainter::StaticClass()),
          TcxCustomLookAndFeelPainterClass(TcxOffice11LookAndFeelPainter::StaticClass()),
          TcxCustomLookAndFeelPainterClass(TcxWinXPLookAndFeelPainter::StaticClass())})
      for (bool horizontal : {true, false})
        for (TcxScrollBarPart part : {sbpLineUp, sbpLineDown, sbpThumbnail, sbpPageUp, sbpPageDown})
          for (int state = 0; state <= 4; ++state)
            painter->DrawScrollBarPart(canvas.get(), horizontal, Rect(0, 0, 40, 40), part,
                                       static_cast<TcxButtonState>(state));
  }
}

class ScrollBarPixelsTest : public ScrollBarTest,
                            public testing::WithParamInterface<TPixelCase>,
                            protected theme_test::TGdiCountedTest {
protected:
  static void SetUpTestSuite() {
    ScrollBarTest::SetUpTestSuite();
    DrawEveryPartOnce();
    ShowEveryLookOnce();
  }

  // The first bar of a look shown in a process makes objects that the
  // platform and the painters keep: every look is shown once before the count.
  static void ShowEveryLookOnce() {
    for (TVisualStyles styles : {TVisualStyles::On, TVisualStyles::ForcedOff}) {
      TThemeUnits units(styles);
      for (TLook look : {TLook::UltraFlat, TLook::Flat, TLook::Standard, TLook::Office11,
                         TLook::Native}) {
        TForm* form = Create<TForm>(Application, 0);
        form->SetBounds(100, 100, 400, 300);
        form->Show();
        TcxScrollBar* bar = Create<TcxScrollBar>(form);
        bar->SetBounds(20, 20, 160, ArrowLength());
        bar->SetParent(form);
        SetLook(bar, look);
        bar->SetScrollParams(0, 99, 30, 25);
        bar->Repaint();
        Pump();
        form->Free();
      }
    }
  }

  // The pointer waits away from the form: left over a bar by an earlier
  // program, it would show that bar's arrow hot in the "normal" picture.
  void SetUp() override {
    ScrollBarTest::SetUp();
    m_units.emplace(GetParam().Styles);
    SendAbsoluteMouse(0, TPoint{0, 0});
    Pump();
  }
  void TearDown() override {
    ScrollBarTest::TearDown();
    m_units.reset();
  }

  void SetLook(TcxScrollBar* bar) { SetLook(bar, GetParam().Look); }

  static void SetLook(TcxScrollBar* bar, TLook look) {
    switch (look) {
    case TLook::UltraFlat:
      bar->LookAndFeel()->SetKind(TcxLookAndFeelKind::lfUltraFlat);
      break;
    case TLook::Flat:
      bar->LookAndFeel()->SetKind(TcxLookAndFeelKind::lfFlat);
      break;
    case TLook::Standard:
      bar->LookAndFeel()->SetKind(TcxLookAndFeelKind::lfStandard);
      break;
    case TLook::Office11:
      bar->LookAndFeel()->SetKind(TcxLookAndFeelKind::lfOffice11);
      break;
    case TLook::Native:
      bar->LookAndFeel()->SetNativeStyle(true);
      break;
    }
  }

  // The parts as the painter draws them with the states given; the whole
  // bar as an empty track when it has no thumb.
  TOwned<TBitmap> Expected(TcxScrollBar* bar, TcxButtonState first, TcxButtonState second,
                           TcxButtonState thumb, TcxButtonState pages) {
    TOwned<TBitmap> bitmap(Create<TBitmap>());
    bitmap->SetPixelFormat(TPixelFormat::pfDevice);
    bitmap->SetSize(bar->Width(), bar->Height());
    TOwned<TcxCanvas> canvas(Create<TcxCanvas>(bitmap->Canvas()));
    const auto painter = bar->GetPainter();
    const bool horizontal = bar->Kind() == TScrollBarKind::sbHorizontal;
    if (cxRectIsEmpty(bar->ThumbnailRect()))
      painter->DrawScrollBarPart(canvas.get(), horizontal, Rect(0, 0, bar->Width(), bar->Height()),
                                 sbpPageUp, TcxButtonState::cxbsNormal);
    else
      painter->DrawScrollBarPart(canvas.get(), horizontal, bar->ThumbnailRect(), sbpThumbnail,
                                 thumb);
    painter->DrawScrollBarPart(canvas.get(), horizontal, bar->FirstButtonRect(), sbpLineUp, first);
    painter->DrawScrollBarPart(canvas.get(), horizontal, bar->SecondButtonRect(), sbpLineDown,
                               second);
    if (!cxRectIsEmpty(bar->PageUpRect()))
      painter->DrawScrollBarPart(canvas.get(), horizontal, bar->PageUpRect(), sbpPageUp, pages);
    if (!cxRectIsEmpty(bar->PageDownRect()))
      painter->DrawScrollBarPart(canvas.get(), horizontal, bar->PageDownRect(), sbpPageDown, pages);
    return bitmap;
  }

  // What the screen shows of the bar equals the expected picture.
  void ExpectShown(TcxScrollBar* bar, TBitmap* expected, const std::string& name) {
    bar->Repaint();
    Pump();
    TOwned<TBitmap> shown(Create<TBitmap>());
    CaptureScreen(bar->Handle(), shown.get());
    SavePicture(shown.get(), "scrollbar-" + PixelCaseName({GetParam(), 0}) + "-" + name);
    ASSERT_EQ(shown->Width(), expected->Width());
    ASSERT_EQ(shown->Height(), expected->Height());
    int differences = 0;
    for (int y = 0; y < shown->Height(); ++y)
      for (int x = 0; x < shown->Width(); ++x)
        differences += shown->Canvas()->Pixels(x, y) != expected->Canvas()->Pixels(x, y);
    EXPECT_EQ(differences, 0) << name;
  }

  std::optional<TThemeUnits> m_units;
};

TEST_P(ScrollBarPixelsTest, PartsAreDrawnByThePainterInTheirStates) {
  RecordGdiObjects();
  {
    using enum TcxButtonState;
    const bool themed = GetParam().Styles == TVisualStyles::On;
    for (TScrollBarKind kind : {TScrollBarKind::sbHorizontal, TScrollBarKind::sbVertical}) {
      const std::string name = kind == TScrollBarKind::sbHorizontal ? "horizontal" : "vertical";
      TcxScrollBar* bar = MakeBar(160, kind);
      SetLook(bar);
      const bool native = GetParam().Look == TLook::Native;
      EXPECT_EQ(bar->GetPainter() ==
                    TcxCustomLookAndFeelPainterClass(TcxWinXPLookAndFeelPainter::StaticClass()),
                native && themed);
      bar->SetScrollParams(0, 99, 30, 25);
      const bool hotTrack = bar->GetPainter()->IsButtonHotTrack();
      ExpectShown(bar, Expected(bar, cxbsNormal, cxbsNormal, cxbsNormal, cxbsNormal).get(),
                  name + "-normal");

      // The mouse over the second arrow, then held on it.
      const TPoint arrow = bar->ClientToScreen(Center(bar->SecondButtonRect()));
      SendAbsoluteMouse(0, arrow);
      ASSERT_TRUE(PumpUntil([&] { return bar->HotPart() == sbpLineDown; }));
      ExpectShown(
          bar,
          Expected(bar, cxbsNormal, hotTrack ? cxbsHot : cxbsNormal, cxbsNormal, cxbsNormal).get(),
          name + "-hot");
      // Held steps that move nothing keep the picture still.
      bar->SetSmallChange(0);
      SendAbsoluteMouse(MOUSEEVENTF_LEFTDOWN);
      ASSERT_TRUE(PumpUntil([&] { return bar->PressedPart() == sbpLineDown; }));
      ExpectShown(bar, Expected(bar, cxbsNormal, cxbsPressed, cxbsNormal, cxbsNormal).get(),
                  name + "-pressed");
      SendAbsoluteMouse(MOUSEEVENTF_LEFTUP);
      ASSERT_TRUE(PumpUntil([&] { return bar->PressedPart() == sbpNone; }));

      bar->SetEnabled(false);
      ExpectShown(bar, Expected(bar, cxbsDisabled, cxbsDisabled, cxbsDisabled, cxbsDisabled).get(),
                  name + "-disabled");
      bar->SetEnabled(true);
      // The mouse is still over the second arrow.
      bar->SetScrollParams(5, 5, 5, 1);
      ExpectShown(
          bar,
          Expected(bar, cxbsNormal, hotTrack ? cxbsHot : cxbsNormal, cxbsNormal, cxbsNormal).get(),
          name + "-empty");
      m_form->Free();
      m_form = nullptr;
    }
  }
  ExpectGdiObjectsUnchanged();
}

INSTANTIATE_TEST_SUITE_P(Looks, ScrollBarPixelsTest,
                         testing::Values(TPixelCase{TLook::UltraFlat, TVisualStyles::On},
                                         TPixelCase{TLook::Flat, TVisualStyles::On},
                                         TPixelCase{TLook::Standard, TVisualStyles::On},
                                         TPixelCase{TLook::Office11, TVisualStyles::On},
                                         TPixelCase{TLook::Office11, TVisualStyles::ForcedOff},
                                         TPixelCase{TLook::Native, TVisualStyles::On},
                                         TPixelCase{TLook::Native, TVisualStyles::ForcedOff}),
                         PixelCaseName);

// The Standard look's classic parts by pixel: the face of the thumb and
// the checkered track.
TEST_F(ScrollBarTest, TheStandardThumbHasTheButtonFace) {
  TcxScrollBar* bar = MakeBar();
  bar->LookAndFeel()->SetKind(TcxLookAndFeelKind::lfStandard);
  bar->SetScrollParams(0, 99, 30, 25);
  bar->Repaint();
  Pump();
  TOwned<TBitmap> shown(Create<TBitmap>());
  CaptureScreen(bar->Handle(), shown.get());
  const TPoint face = Center(bar->ThumbnailRect());
  EXPECT_EQ(shown->Canvas()->Pixels(face.X, face.Y), ColorToRGB(clBtnFace));
  const TPoint track = Center(bar->PageDownRect());
  const TColor a = shown->Canvas()->Pixels(track.X, track.Y);
  const TColor b = shown->Canvas()->Pixels(track.X + 1, track.Y);
  EXPECT_NE(a, b) << "a checkered page area";
}

TEST_F(ScrollBarTest, TheThumbMinimumFollowsTheVisualStyleGripper) {
  for (TVisualStyles styles : {TVisualStyles::On, TVisualStyles::ForcedOff}) {
    SCOPED_TRACE(styles == TVisualStyles::On ? "styles on" : "styles off");
    TThemeUnits units(styles);
    TcxScrollBar* bar = MakeBar();
    EXPECT_EQ(bar->ThumbnailMinSize(), 8);
    bar->LookAndFeel()->SetNativeStyle(true);
    int expected = 8;
    if (const HTHEME theme = OpenTheme(TdxThemedObjectType::totScrollBar)) {
      SIZE minimum{}, trueSize{};
      // A horizontal bar asks the vertical gripper.
      if (SUCCEEDED(dxUxTheme::GetThemePartSize(theme, nullptr, 9, 1, TS_MIN, minimum))) {
        expected = minimum.cx;
        if (SUCCEEDED(dxUxTheme::GetThemePartSize(theme, nullptr, 9, 1, TS_TRUE, trueSize)))
          expected = std::max<int>(expected, trueSize.cx + 4);
        expected = std::max(expected, 8);
      }
    }
    EXPECT_EQ(bar->ThumbnailMinSize(), expected);
    bar->SetScrollParams(0, 9999, 0, 1);
    EXPECT_EQ(bar->ThumbnailRect().Right - bar->ThumbnailRect().Left, expected);
    m_form->Free();
    m_form = nullptr;
  }
}

} // namespace
} // namespace controls_test
