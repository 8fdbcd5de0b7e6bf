// The container's drop-down window: opening and closing with its events,
// the window identity routines, and the closing hooks under the X server
// with real input: outside clicks, leaving the application, activation and
// focus moving elsewhere, the owner hidden, Alt keys; and the hooks gone
// once the last popup is closed or freed.
#include "framework/cxContainerPopup.h"

#include <string>
#include <vector>

#include "framework/cxControls.h"
#include "tests/framework/cxControlsTestSupport.h"

namespace controls_test {
namespace {

// A windowed control that records the messages the tests look for.
class TRecordingBox : public TCustomControl {
  OBJECT_CLASS(TRecordingBox, TCustomControl)
public:
  explicit TRecordingBox(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
  std::vector<UINT> messages;

protected:
  void WndProc(TMessage& message) override {
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_SYSKEYDOWN:
    case WM_NCACTIVATE:
    case WM_SETFOCUS:
      messages.push_back(message.Msg);
      break;
    default:
      break;
    }
    TCustomControl::WndProc(message);
  }
};

// A form that records the caption activation and Alt keys it gets.
class TRecordingForm : public TForm {
  OBJECT_CLASS(TRecordingForm, TForm)
public:
  using TForm::TForm;
  std::vector<UINT> messages;

protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_NCACTIVATE || message.Msg == WM_SYSKEYDOWN)
      messages.push_back(message.Msg);
    TForm::WndProc(message);
  }
};

class TTestPopup : public TcxCustomPopupWindow {
  OBJECT_CLASS(TTestPopup, TcxCustomPopupWindow)
public:
  explicit TTestPopup(TWinControl* owner, bool modal = false) : TcxCustomPopupWindow(owner) {
    SetModalMode(modal);
  }
  static constexpr UINT kSetModalResult = WM_APP + 1;
  std::vector<std::string> log;
  bool ignoreAfterCloseUp = false;

  void Dispatch(TMessage& message) override {
    if (message.Msg == kSetModalResult)
      SetModalResult(mrOk);
    else
      TcxCustomPopupWindow::Dispatch(message);
  }

  bool NeedIgnoreMouseMessageAfterCloseUp(UINT, TShiftState, int, int) override {
    return ignoreAfterCloseUp;
  }

protected:
  void DoShowing() override {
    log.push_back("showing");
    TcxCustomPopupWindow::DoShowing();
  }
  void DoShowed() override {
    log.push_back("showed");
    TcxCustomPopupWindow::DoShowed();
  }
  void DoClosing() override {
    log.push_back("closing");
    TcxCustomPopupWindow::DoClosing();
  }
  void DoClosed() override {
    log.push_back("closed");
    TcxCustomPopupWindow::DoClosed();
  }
};

class PopupClosingTest : public TControlServicesTest {
protected:
  void SetUp() override {
    TControlServicesTest::SetUp();
    m_form = Create<TRecordingForm>(Application, 0);
    m_form->SetBounds(100, 100, 400, 300);
    m_owner = Place(m_form, {20, 20, 220, 41});
    m_other = Place(m_form, {20, 200, 220, 240});
    m_form->Show();
    ASSERT_TRUE(PumpUntil([&] { return ::GetActiveWindow() == m_form->Handle(); }));
    ClickControl(m_form, {300, 150});
    Pump();
  }

  void TearDown() override {
    for (TTestPopup* popup : m_popups)
      popup->Free();
    m_form->Free();
    EXPECT_TRUE(TcxCustomPopupWindow::OpenPopups().empty());
    EXPECT_FALSE(TcxCustomPopupWindow::HooksInstalled());
    TControlServicesTest::TearDown();
  }

  TRecordingBox* Place(TWinControl* parent, const TRect& bounds) {
    auto* box = Create<TRecordingBox>(parent);
    box->SetBoundsRect(bounds);
    box->SetParent(parent);
    return box;
  }

  // A popup of the owner box with a box of its own, opened below the owner.
  TTestPopup* OpenPopup(TWinControl* owner = nullptr, bool capture = true) {
    owner = owner ? owner : m_owner;
    auto* popup = Create<TTestPopup>(owner);
    m_popups.push_back(popup);
    Place(popup, {0, 0, 120, 60});
    popup->SetCaptureFocus(capture);
    popup->SetOwnerParent(owner->Parent());
    popup->SetOwnerBounds(owner->BoundsRect());
    popup->Popup(nullptr);
    Pump();
    return popup;
  }

  TRecordingForm* m_form = nullptr;
  TRecordingBox* m_owner = nullptr;
  TRecordingBox* m_other = nullptr;
  std::vector<TTestPopup*> m_popups;
};

TEST_F(PopupClosingTest, StartsClosedCapturingAndModal) {
  auto* popup = Create<TcxCustomPopupWindow>(m_owner);
  EXPECT_TRUE(popup->CaptureFocus());
  EXPECT_TRUE(popup->ModalMode());
  EXPECT_TRUE(popup->KeyPreview());
  EXPECT_EQ(popup->FormStyle(), TFormStyle::fsNormal);
  EXPECT_FALSE(popup->Visible());
  EXPECT_FALSE(popup->IsVisible());
  EXPECT_EQ(popup->OwnerControl(), m_owner);
  ASSERT_NE(popup->Style(), nullptr);
  ASSERT_NE(popup->ViewInfo(), nullptr);
  EXPECT_FALSE(TcxCustomPopupWindow::HooksInstalled());
  // Making the window counts as open only while it is made.
  popup->HandleNeeded();
  EXPECT_FALSE(popup->IsVisible());
  EXPECT_FALSE(TcxCustomPopupWindow::HooksInstalled());
  popup->Free();
}

TEST_F(PopupClosingTest, AcceptsAltWithTheArrowAndPageKeysAndF4) {
  auto* popup = Create<TTestPopup>(m_owner);
  m_popups.push_back(popup);
  for (WORD key = 0; key < 256; ++key) {
    const bool expected = (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_F4;
    EXPECT_EQ(popup->IsSysKeyAccepted(key), expected) << key;
  }
}

TEST_F(PopupClosingTest, OpensOnceWithItsEventsAndTheHooksLiveOnlyWhileOpen) {
  EXPECT_FALSE(TcxCustomPopupWindow::HooksInstalled());
  TTestPopup* popup = OpenPopup();
  EXPECT_TRUE(popup->IsVisible());
  EXPECT_TRUE(::IsWindowVisible(popup->Handle()));
  EXPECT_TRUE(TcxCustomPopupWindow::HooksInstalled());
  EXPECT_EQ(popup->log, (std::vector<std::string>{"showing", "showed"}));
  // Below the owner, left edges lined up.
  const TPoint below = m_owner->ClientToScreen({0, m_owner->Height()});
  EXPECT_EQ(popup->Left(), below.X);
  EXPECT_EQ(popup->Top(), below.Y);
  // Without a control to focus the popup takes the focus itself.
  EXPECT_EQ(popup->FocusedControl(), popup);
  EXPECT_TRUE(popup->Focused());

  popup->Popup(nullptr);
  EXPECT_EQ(popup->log.size(), 2u);
  EXPECT_EQ(TcxCustomPopupWindow::OpenPopups().size(), 1u);

  popup->CloseUp();
  EXPECT_FALSE(popup->IsVisible());
  EXPECT_FALSE(popup->Visible());
  EXPECT_FALSE(::IsWindowVisible(popup->Handle()));
  EXPECT_EQ(popup->log, (std::vector<std::string>{"showing", "showed", "closing", "closed"}));
  EXPECT_FALSE(TcxCustomPopupWindow::HooksInstalled());
  // Closing again does nothing.
  popup->CloseUp();
  EXPECT_EQ(popup->log.size(), 4u);
}

TEST_F(PopupClosingTest, APopupOfAHiddenOwnerDoesNotOpen) {
  m_owner->SetVisible(false);
  TTestPopup* popup = OpenPopup();
  EXPECT_FALSE(popup->IsVisible());
  EXPECT_TRUE(popup->log.empty());
  EXPECT_FALSE(TcxCustomPopupWindow::HooksInstalled());
}

TEST_F(PopupClosingTest, FreeingAnOpenPopupTakesItsHooksAway) {
  TTestPopup* popup = OpenPopup();
  ASSERT_TRUE(TcxCustomPopupWindow::HooksInstalled());
  m_popups.clear();
  popup->Free();
  EXPECT_TRUE(TcxCustomPopupWindow::OpenPopups().empty());
  EXPECT_FALSE(TcxCustomPopupWindow::HooksInstalled());
}

TEST_F(PopupClosingTest, AClickInsideThePopupLeavesItOpen) {
  TTestPopup* popup = OpenPopup();
  ClickControl(popup->Controls(0), {10, 10});
  Pump();
  EXPECT_TRUE(popup->IsVisible());
}

TEST_F(PopupClosingTest, AClickElsewhereOnTheOwnersFormClosesItAndReachesItsTarget) {
  TTestPopup* popup = OpenPopup();
  m_other->messages.clear();
  ClickControl(m_other, {10, 10});
  EXPECT_TRUE(PumpUntil([&] {
    return std::count(m_other->messages.begin(), m_other->messages.end(), WM_LBUTTONDOWN) > 0;
  }));
  EXPECT_FALSE(popup->IsVisible());
  EXPECT_FALSE(popup->GetJustClosed());
  EXPECT_FALSE(TcxCustomPopupWindow::HooksInstalled());
}

TEST_F(PopupClosingTest, AClickOnTheOwnerMarksThePopupJustClosedWhenItAsks) {
  for (bool ignore : {false, true}) {
    TTestPopup* popup = OpenPopup();
    popup->ignoreAfterCloseUp = ignore;
    ClickControl(m_owner, {10, 10});
    EXPECT_TRUE(PumpUntil([&] { return !popup->IsVisible(); })) << ignore;
    EXPECT_EQ(popup->GetJustClosed(), ignore);
    // Reading the flag clears it.
    EXPECT_FALSE(popup->GetJustClosed());
  }
}

// A click on the owner whose closing hides the owner is discarded.
TEST_F(PopupClosingTest, AClickOnAnOwnerThatTheClosingHidIsDiscarded) {
  TTestPopup* popup = OpenPopup();
  popup->SetOnClosed(TNotifyEvent([&](TObject*) { m_owner->SetVisible(false); }));
  const TPoint inside = m_owner->ClientToScreen({10, 10});
  EXPECT_FALSE(TcxCustomPopupWindow::AcceptClick(WM_LBUTTONDOWN, m_owner->Handle(), inside));
  EXPECT_FALSE(popup->IsVisible());
}

TEST_F(PopupClosingTest, ActivatingAnotherFormClosesIt) {
  TTestPopup* popup = OpenPopup();
  TForm* other = Create<TForm>(Application, 0);
  other->SetBounds(600, 100, 200, 150);
  other->Show();
  ClickControl(other, {50, 50});
  EXPECT_TRUE(PumpUntil([&] { return !popup->IsVisible(); }));
  EXPECT_FALSE(TcxCustomPopupWindow::HooksInstalled());
  other->Free();
}

TEST_F(PopupClosingTest, FocusMovingToTheOwnersFormClosesIt) {
  TTestPopup* popup = OpenPopup();
  ASSERT_TRUE(popup->Focused());
  m_other->SetFocus();
  EXPECT_TRUE(PumpUntil([&] { return !popup->IsVisible(); }));
  EXPECT_FALSE(TcxCustomPopupWindow::HooksInstalled());
}

TEST_F(PopupClosingTest, LeavingTheApplicationClosesThePopupsAndTheOwnerCaptionGoesInactive) {
  TTestPopup* popup = OpenPopup(m_owner, false);
  TTestPopup* second = OpenPopup(m_other, false);
  ASSERT_EQ(TcxCustomPopupWindow::OpenPopups().size(), 2u);
  m_form->messages.clear();
  ::SendMessageW(m_form->Handle(), WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_FALSE(popup->IsVisible());
  EXPECT_FALSE(second->IsVisible());
  Pump();
  EXPECT_NE(std::find(m_form->messages.begin(), m_form->messages.end(), WM_NCACTIVATE),
            m_form->messages.end());
  EXPECT_FALSE(TcxCustomPopupWindow::HooksInstalled());
}

// Hidden through SetWindowPos the owner gets no WM_SHOWWINDOW: only its own
// popup closes then.
TEST_F(PopupClosingTest, HidingTheOwnerClosesItsPopupAndEveryLaterOne) {
  for (bool byPosition : {false, true}) {
    m_owner->SetVisible(true);
    TRecordingBox* earlierOwner = Place(m_form, {250, 20, 300, 40});
    TTestPopup* earlier = OpenPopup(earlierOwner, false);
    TTestPopup* popup = OpenPopup(m_owner, false);
    TTestPopup* later = OpenPopup(m_other, false);
    ASSERT_EQ(TcxCustomPopupWindow::OpenPopups().size(), 3u);
    if (byPosition)
      ::SetWindowPos(m_owner->Handle(), nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    else
      ::ShowWindow(m_owner->Handle(), SW_HIDE);
    EXPECT_TRUE(earlier->IsVisible()) << byPosition;
    EXPECT_FALSE(popup->IsVisible()) << byPosition;
    EXPECT_EQ(later->IsVisible(), byPosition);
    later->CloseUp();
    earlier->CloseUp();
    ::ShowWindow(m_owner->Handle(), SW_SHOW);
  }
}

TEST_F(PopupClosingTest, TheOwnersCaptionStaysActiveWhileTheCapturingPopupHasTheFocus) {
  TTestPopup* popup = OpenPopup();
  ASSERT_TRUE(popup->Active() || ::GetActiveWindow() == popup->Handle());
  m_form->messages.clear();
  EXPECT_EQ(::SendMessageW(m_form->Handle(), WM_NCACTIVATE, FALSE, 0), 1);
  EXPECT_TRUE(m_form->messages.empty());
  // Only that one message is held back.
  ::SendMessageW(m_form->Handle(), WM_NCACTIVATE, TRUE, 0);
  EXPECT_EQ(m_form->messages, (std::vector<UINT>{WM_NCACTIVATE}));
  popup->CloseUp();
  m_form->messages.clear();
  ::SendMessageW(m_form->Handle(), WM_NCACTIVATE, FALSE, 0);
  EXPECT_EQ(m_form->messages, (std::vector<UINT>{WM_NCACTIVATE}));
}

TEST_F(PopupClosingTest, AltKeysDoNotReachTheFormWhileANonModalPopupIsOpen) {
  TTestPopup* popup = OpenPopup(m_owner, false);
  struct {
    WPARAM key;
    bool passes;
  } const cases[] = {{'F', false}, {VK_SPACE, false}, {VK_HOME, true}, {VK_NEXT, true}};
  for (const auto& c : cases) {
    m_form->messages.clear();
    ::PostMessageW(m_form->Handle(), WM_SYSKEYDOWN, c.key, 0x20000001);
    Pump();
    EXPECT_EQ(m_form->messages.size(), c.passes ? 1u : 0u) << c.key;
  }
  popup->CloseUp();
  m_form->messages.clear();
  ::PostMessageW(m_form->Handle(), WM_SYSKEYDOWN, 'F', 0x20000001);
  Pump();
  EXPECT_EQ(m_form->messages.size(), 1u);
}

TEST_F(PopupClosingTest, AModalPopupRunsUntilClosedAndGivesTheOwnerTheFocus) {
  auto* popup = Create<TTestPopup>(m_owner, true);
  m_popups.push_back(popup);
  Place(popup, {0, 0, 80, 40});
  popup->SetOwnerBounds(m_owner->BoundsRect());
  popup->SetOwnerParent(m_form);
  bool wasOpen = false;
  popup->SetOnShowed(TNotifyEvent([&](TObject*) {
    wasOpen = popup->IsVisible();
    popup->ClosePopup();
  }));
  m_owner->messages.clear();
  popup->Popup(nullptr);
  EXPECT_TRUE(wasOpen);
  EXPECT_FALSE(popup->IsVisible());
  EXPECT_FALSE(popup->Visible());
  EXPECT_NE(std::find(m_owner->messages.begin(), m_owner->messages.end(), WM_SETFOCUS),
            m_owner->messages.end());
  EXPECT_FALSE(TcxCustomPopupWindow::HooksInstalled());
}

TEST_F(PopupClosingTest, AModalResultEndsTheLoopWhenTheFormMayClose) {
  auto* popup = Create<TTestPopup>(m_owner, true);
  m_popups.push_back(popup);
  popup->SetOwnerBounds(m_owner->BoundsRect());
  popup->SetOwnerParent(m_form);
  popup->SetBounds(0, 0, 50, 50);
  int queries = 0;
  popup->SetOnCloseQuery(
      TCloseQueryEvent([&](TObject*, bool& canClose) { canClose = ++queries > 1; }));
  // Each posted kSetModalResult sets ModalResult to mrOk: the first is
  // refused by the query, the second ends the loop.
  popup->SetOnShowed(TNotifyEvent([&](TObject*) {
    ::PostMessageW(popup->Handle(), TTestPopup::kSetModalResult, 0, 0);
    ::PostMessageW(popup->Handle(), TTestPopup::kSetModalResult, 0, 0);
  }));
  popup->Popup(nullptr);
  EXPECT_EQ(queries, 2);
  EXPECT_FALSE(popup->IsVisible());
}

TEST_F(PopupClosingTest, ClosingTheCapturingPopupsWindowClosesItsOwnersForm) {
  TTestPopup* popup = OpenPopup();
  bool formClosed = false;
  m_form->SetOnCloseQuery(TCloseQueryEvent([&](TObject*, bool& canClose) {
    formClosed = true;
    canClose = false;
  }));
  ::SendMessageW(popup->Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(popup->IsVisible());
  EXPECT_TRUE(formClosed);
}

TEST_F(PopupClosingTest, ControlsOfThePopupAndPopupsOpenedFromAControlCountAsItsWindows) {
  TTestPopup* popup = OpenPopup(m_owner, false);
  HWND inner = static_cast<TWinControl*>(popup->Controls(0))->Handle();
  EXPECT_TRUE(HasNativeHandle(popup, inner, true));
  EXPECT_FALSE(HasNativeHandle(popup, inner, false));
  EXPECT_TRUE(HasHandle(popup, popup->Handle()));
  EXPECT_FALSE(IsChildWindow(popup, popup->Handle()));
  // The popup counts as part of its owner, and of the owner's form.
  EXPECT_TRUE(IsChildWindow(m_owner, popup->Handle()));
  EXPECT_TRUE(IsChildWindow(m_form, inner));
  EXPECT_FALSE(IsChildWindow(m_other, popup->Handle()));
  EXPECT_TRUE(CheckParentsNativeHandle(m_owner, m_other->Handle()));
  EXPECT_EQ(FindFirstNonChildParentWindow(m_owner->Handle()), m_form->Handle());
  EXPECT_EQ(GetPopupOwnerControl(inner), m_owner->Handle());
  EXPECT_EQ(GetPopupOwnerControl(m_other->Handle()), m_other->Handle());
  EXPECT_FALSE(HasNativeHandle(nullptr, inner, true));
}

} // namespace
} // namespace controls_test
