// The library's control services under a real X server: timers on the
// shared window, mouse-leave tracking with the real cursor, and the
// non-client metrics watcher.
#include "framework/cxControls.h"

#include "tests/framework/cxControlsTestSupport.h"

namespace controls_test {
namespace {

class ServicesTest : public TControlServicesTest {
protected:

  TNotifyEvent Counter(int& count) {
    return TNotifyEvent([&count](TObject*) { ++count; });
  }
};

// A box that counts the non-client size notices it receives, and the leave
// notices that name it.
class TNcSizeBox : public TTestBox {
  OBJECT_CLASS(TNcSizeBox, TTestBox)
public:
  using TTestBox::TTestBox;
  int ncSizeChanged = 0;
  int mouseLeaves = 0;

protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == CM_NCSIZECHANGED)
      ++ncSizeChanged;
    if (message.Msg == CM_MOUSELEAVE && message.LParam == reinterpret_cast<LPARAM>(this))
      ++mouseLeaves;
    TTestBox::WndProc(message);
  }
};

// A caller that counts its leave notices and may act inside them.
class TCaller : public TComponent, public virtual IcxMouseTrackingCaller {
  OBJECT_CLASS(TCaller, TComponent)
public:
  using TComponent::TComponent;
  int leaves = 0;
  std::function<void()> onLeave;

  void MouseLeave() override {
    ++leaves;
    if (onLeave)
      onLeave();
  }
};

// A caller whose inside is the left half of its control only.
class TLeftHalfCaller : public TCaller, public IcxMouseTrackingCaller2 {
  OBJECT_CLASS(TLeftHalfCaller, TCaller)
public:
  using TCaller::TCaller;
  TWinControl* control = nullptr;

  bool PtInCaller(const TPoint& P) override {
    return P.X >= 0 && P.X < control->Width() / 2 && P.Y >= 0 && P.Y < control->Height();
  }
};

void MoveCursorTo(TControl* control, TPoint client) {
  const TPoint screen = control->ClientToScreen(client);
  ::SetCursorPos(screen.X, screen.Y);
}

TEST_F(ServicesTest, TimerRunsOnlyWithHandlerEnabledAndInterval) {
  int ticks = 0;
  TcxTimer* timer = Create<TcxTimer>(Application);
  timer->SetInterval(10);
  Pump();
  EXPECT_EQ(ticks, 0) << "no handler, no platform timer";

  timer->SetOnTimer(Counter(ticks));
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }));

  timer->SetInterval(0);
  EXPECT_EQ(timer->Interval(), 10u) << "0 keeps the interval";

  timer->SetEnabled(false);
  Pump();
  ticks = 0;
  Pump();
  EXPECT_EQ(ticks, 0);
  timer->SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 1; }));
  timer->Free();
}

TEST_F(ServicesTest, TimersOfOneOwnerRunIndependently) {
  int first = 0, second = 0;
  TcxTimer* a = Create<TcxTimer>(Application);
  TcxTimer* b = Create<TcxTimer>(Application);
  a->SetInterval(10);
  b->SetInterval(10);
  a->SetOnTimer(Counter(first));
  b->SetOnTimer(Counter(second));
  b->SetEnabled(false);
  EXPECT_TRUE(PumpUntil([&] { return first >= 3; }));
  EXPECT_EQ(second, 0);
  a->Free();
  b->Free();
}

// A tick already queued when its timer is freed reaches nobody, not even a
// timer made afterwards in the freed one's place.
TEST_F(ServicesTest, TickQueuedForFreedTimerIsIgnored) {
  int freedTicks = 0, newTicks = 0;
  TcxTimer* timer = Create<TcxTimer>(Application);
  timer->SetInterval(1);
  timer->SetOnTimer(Counter(freedTicks));
  ::Sleep(30);
  timer->Free();
  TcxTimer* successor = Create<TcxTimer>(Application);
  successor->SetInterval(60000);
  successor->SetOnTimer(Counter(newTicks));
  Pump();
  EXPECT_EQ(freedTicks, 0);
  EXPECT_EQ(newTicks, 0);
  successor->Free();
}

TEST_F(ServicesTest, MessageWindowIsSharedAndAnswersByDefault) {
  TcxMessageWindow* window = cxMessageWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(cxMessageWindow(), window);
  EXPECT_TRUE(::IsWindow(window->Handle()));
  EXPECT_FALSE(::IsWindowVisible(window->Handle()));
}

TEST_F(ServicesTest, TrackingTellsControlAndCallerOnceWhenTheMouseLeaves) {
  TForm* form = ShownForm();
  TNcSizeBox* box = Create<TNcSizeBox>(form);
  box->SetBounds(20, 20, 100, 60);
  box->SetParent(form);
  TCaller* caller = Create<TCaller>(form);
  MoveCursorTo(box, {10, 10});
  Pump();

  BeginMouseTracking(box, box->ClientRect(), caller);
  BeginMouseTracking(box, box->ClientRect(), caller);
  EXPECT_TRUE(IsMouseTracking(caller));
  Pump();
  EXPECT_EQ(caller->leaves, 0) << "the mouse is still inside";

  MoveCursorTo(box, {150, 10});
  EXPECT_TRUE(PumpUntil([&] { return caller->leaves > 0; }));
  Pump();
  EXPECT_EQ(caller->leaves, 1) << "one tracker for the two calls";
  EXPECT_EQ(box->mouseLeaves, 1);
  EXPECT_FALSE(IsMouseTracking(caller));
  form->Free();
}

TEST_F(ServicesTest, SecondCallerDecidesWhatInsideMeans) {
  TForm* form = ShownForm();
  TTestBox* box = Create<TTestBox>(form);
  box->SetBounds(20, 20, 100, 60);
  box->SetParent(form);
  TLeftHalfCaller* caller = Create<TLeftHalfCaller>(form);
  caller->control = box;
  MoveCursorTo(box, {10, 10});
  Pump();
  BeginMouseTracking(box, box->ClientRect(), caller);
  Pump();
  EXPECT_EQ(caller->leaves, 0);

  MoveCursorTo(box, {80, 10});
  EXPECT_TRUE(PumpUntil([&] { return caller->leaves > 0; }))
      << "inside the bounds, outside the caller's own area";
  form->Free();
}

// The tracker holds nothing of a control freed while tracked, and lets the
// caller end or restart tracking from its notice.
TEST_F(ServicesTest, TrackingSurvivesFreedControlAndNoticesThatTrackAgain) {
  TForm* form = ShownForm();
  TTestBox* box = Create<TTestBox>(form);
  box->SetBounds(20, 20, 100, 60);
  box->SetParent(form);
  TLeftHalfCaller* caller = Create<TLeftHalfCaller>(form);
  caller->control = box;
  MoveCursorTo(box, {10, 10});
  BeginMouseTracking(box, box->ClientRect(), caller);
  box->Free();
  EXPECT_TRUE(PumpUntil([&] { return caller->leaves > 0; })) << "a freed control counts as left";
  EXPECT_FALSE(IsMouseTracking(caller));

  TCaller* restarting = Create<TCaller>(form);
  restarting->onLeave = [&] {
    EndMouseTracking(restarting);
    BeginMouseTracking(nullptr, TRect{0, 0, 1, 1}, restarting);
  };
  MoveCursorTo(form, {10, 10});
  BeginMouseTracking(nullptr, TRect{0, 0, 1, 1}, restarting);
  EXPECT_TRUE(PumpUntil([&] { return restarting->leaves >= 2; }));
  restarting->onLeave = nullptr;
  PumpUntil([&] { return !IsMouseTracking(restarting); });
  EXPECT_FALSE(IsMouseTracking(restarting));
  form->Free();
}

TEST_F(ServicesTest, ScrollBarWidthChangeReachesEveryRegisteredControl) {
  TForm* form = ShownForm();
  TNcSizeBox* first = Create<TNcSizeBox>(form);
  TNcSizeBox* second = Create<TNcSizeBox>(form);
  TNcSizeBox* unregistered = Create<TNcSizeBox>(form);
  for (TNcSizeBox* box : {first, second, unregistered}) {
    box->SetParent(form);
    box->HandleNeeded();
  }
  cxAddSettingsListener(first);
  cxAddSettingsListener(first);
  cxAddSettingsListener(second);
  Pump();
  first->ncSizeChanged = second->ncSizeChanged = unregistered->ncSizeChanged = 0;

  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
  const int width = metrics.iScrollWidth;
  metrics.iScrollWidth = width + 3;
  // The platform broadcasts the change only when the profile is updated too;
  // the width is put back below.
  const UINT update = SPIF_UPDATEINIFILE | SPIF_SENDCHANGE;
  ASSERT_TRUE(::SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof(metrics), &metrics, update));
  EXPECT_TRUE(PumpUntil([&] { return second->ncSizeChanged > 0; }));
  metrics.iScrollWidth = width;
  ::SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof(metrics), &metrics, update);
  Pump();
  EXPECT_EQ(first->ncSizeChanged, 2) << "registered twice, told once per change";
  EXPECT_EQ(second->ncSizeChanged, 2);
  EXPECT_EQ(unregistered->ncSizeChanged, 0);

  cxRemoveSettingsListener(first);
  cxRemoveSettingsListener(second);
  form->Free();
}

// Last: the unit's shut-down ends tracking for good.
TEST_F(ServicesTest, ShutDownReportsTrackersLeftAndRefusesNewOnes) {
  TCaller* caller = Create<TCaller>(Application);
  BeginMouseTracking(nullptr, TRect{0, 0, 1, 1}, caller);
  try {
    cxControlsUnit.Finalization();
    ADD_FAILURE() << "a tracker left must be reported";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "MouseTrackingTimerList.Count <> 0");
  }
  EXPECT_FALSE(IsMouseTracking(caller));
  BeginMouseTracking(nullptr, TRect{0, 0, 1, 1}, caller);
  EXPECT_FALSE(IsMouseTracking(caller));
  caller->Free();
}

} // namespace
} // namespace controls_test
