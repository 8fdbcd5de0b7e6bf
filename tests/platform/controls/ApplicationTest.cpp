// The application and its services: the error box, the title, message
// boxes, activation and minimising, broadcasts to the hidden windows, the
// screen, the clipboard, timers and the key helpers.
#include "tests/platform/controls/ControlsTestSupport.h"

#include "platform/controls/Clipboard.h"
#include "platform/controls/Menus.h"
#include "platform/controls/Screen.h"
#include "platform/controls/Timers.h"
#include "platform/rtl/FormatSettings.h"

namespace controls_test {
namespace {

using enum TShiftStateItem;

class ApplicationTest : public TControlsTest {
protected:
  void Raise(const std::string& message) {
    try {
      throw Exception(message);
    } catch (...) {
      Application->HandleException(nullptr);
    }
  }
};

// The error box adds "." only when the message's last character sorts
// after "." (so "!", ")", "." and an empty message get none).
TEST_F(ApplicationTest, ErrorBoxEndsTheMessageWithAFullStopWhenItSortsAfterOne) {
  const struct {
    const char* message;
    const char* shown;
  } cases[] = {
      {"SQL Error: gone away", "SQL Error: gone away."},
      {"Parola yanl\xFD\xFE!", "Parola yanl\xFD\xFE!"},
      {"Bitti.", "Bitti."},
      {"(7)", "(7)"},
      {"Neden?", "Neden?."},
      {"Sat\xFDr 3:", "Sat\xFDr 3:."},
      {"42", "42."},
      {"yanl\xFD\xFE", "yanl\xFD\xFE."},
      {"", ""},
  };
  for (const auto& c : cases)
    Raise(c.message);
  ASSERT_EQ(m_boxes.size(), std::size(cases));
  for (std::size_t i = 0; i < m_boxes.size(); ++i) {
    EXPECT_EQ(m_boxes[i].Text, cases[i].shown);
    EXPECT_EQ(m_boxes[i].Caption, "controls_application_tests");
    EXPECT_EQ(m_boxes[i].Flags, static_cast<UINT>(MB_OK | MB_ICONSTOP));
  }
}

TEST_F(ApplicationTest, SilentAbortAndOnExceptionDecideAboutTheBox) {
  try {
    Abort();
  } catch (...) {
    Application->HandleException(nullptr);
  }
  EXPECT_TRUE(m_boxes.empty());

  std::string seen;
  Application->SetOnException(
      TExceptionEvent([&](TObject*, Exception* error) { seen = error->Message(); }));
  Raise("kendi kutusu");
  EXPECT_EQ(seen, "kendi kutusu");
  EXPECT_TRUE(m_boxes.empty());

  Application->SetOnException(nullptr);
  try {
    throw std::runtime_error("std error");
  } catch (...) {
    Application->HandleException(nullptr);
  }
  ASSERT_EQ(m_boxes.size(), 1u);
  EXPECT_EQ(m_boxes[0].Text, "std error.");
}

TEST_F(ApplicationTest, ShowMessageHasOneButtonAndTheTitleAsCaption) {
  Application->SetTitle("Messenger");
  ShowMessage("Hesab\xFDn\xFDz A\xE7\xFDlm\xFD\xFEt\xFDr.");
  ASSERT_EQ(m_boxes.size(), 1u);
  EXPECT_EQ(m_boxes[0].Text, "Hesab\xFDn\xFDz A\xE7\xFDlm\xFD\xFEt\xFDr.");
  EXPECT_EQ(m_boxes[0].Caption, "Messenger");
  EXPECT_EQ(m_boxes[0].Flags, static_cast<UINT>(MB_OK));
}

// While a message box is open the application's other windows are
// disabled, and the active window comes back afterwards.
TEST_F(ApplicationTest, MessageBoxDisablesTheOtherWindowsWhileOpen) {
  TForm* form = Create<TForm>(Application, 0);
  form->Show();
  bool disabled = false;
  m_inBox = [&] { disabled = !::IsWindowEnabled(form->Handle()); };
  Application->MessageBox("metin", "ba\xFEl\xFDk", MB_OK);
  EXPECT_TRUE(disabled);
  EXPECT_TRUE(::IsWindowEnabled(form->Handle()));
  EXPECT_EQ(::GetActiveWindow(), form->Handle());
}

TEST_F(ApplicationTest, ActiveFollowsTheApplicationsActivation) {
  int activations = 0;
  int deactivations = 0;
  Application->SetOnActivate(TNotifyEvent([&](TObject*) { ++activations; }));
  Application->SetOnDeactivate(TNotifyEvent([&](TObject*) { ++deactivations; }));
  ::SendMessageW(Application->Handle(), WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_FALSE(Application->Active());
  ::SendMessageW(Application->Handle(), WM_ACTIVATEAPP, TRUE, 0);
  EXPECT_TRUE(Application->Active());
  EXPECT_EQ(activations, 1);
  EXPECT_EQ(deactivations, 1);
}

TEST_F(ApplicationTest, MinimizeAndRestoreActOnTheMainForm) {
  TForm* main = nullptr;
  RegisterFormDefinition("TForm", "");
  Application->CreateForm(main);
  main->Show();
  std::vector<std::string> events;
  Application->SetOnMinimize(TNotifyEvent([&](TObject*) { events.push_back("minimize"); }));
  Application->SetOnRestore(TNotifyEvent([&](TObject*) { events.push_back("restore"); }));
  ::SendMessageW(main->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(::IsIconic(main->Handle()));
  Application->Restore();
  EXPECT_FALSE(::IsIconic(main->Handle()));
  EXPECT_EQ(events, (std::vector<std::string>{"minimize", "restore"}));
}

// A settings change broadcast to the program's top-level windows reloads
// the format settings, then reaches every form's controls.
TEST_F(ApplicationTest, SettingsChangeReloadsTheFormatSettings) {
  TForm* form = Create<TForm>(Application, 0);
  auto* box = Create<TTestBox>(form);
  box->SetParent(form);
  char separatorSeen = '\0';
  box->SetWindowProc(TWndMethod([&, box](TMessage& m) {
    if (m.Msg == CM_WININICHANGE)
      separatorSeen = FormatSettings().DecimalSeparator;
    box->WndProc(m);
  }));
  FormatSettings().DecimalSeparator = '#';
  static const WCHAR kSection[] = {'i', 'n', 't', 'l', 0};
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(kSection),
                        SMTO_NORMAL, 5000, &result);
  Pump();
  EXPECT_EQ(FormatSettings().DecimalSeparator, ',');
  EXPECT_EQ(separatorSeen, ',');
}

TEST_F(ApplicationTest, MessageWindowIsHiddenTopLevelAndSurvivesItsHandlerThrowing) {
  int calls = 0;
  HWND window = AllocateHWnd(TWndMethod([&](TMessage& m) {
    if (m.Msg != WM_APP)
      return;
    ++calls;
    throw Exception("i\xFEleyici");
  }));
  EXPECT_FALSE(::IsWindowVisible(window));
  EXPECT_EQ(::GetParent(window), nullptr);
  EXPECT_EQ(::GetAncestor(window, GA_PARENT), ::GetDesktopWindow());
  ::PostMessageW(window, WM_APP, 0, 0);
  ::PostMessageW(window, WM_APP, 0, 0);
  Pump();
  DeallocateHWnd(window);
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(m_boxes.size(), 2u);
}

// Enabled acts on a change: a stopped timer stays quiet, a started one
// ticks; a handler that throws shows the box and the timer goes on.
TEST_F(ApplicationTest, TimerTicksWhileEnabledAndSurvivesItsHandlerThrowing) {
  TTimer* timer = Create<TTimer>(Application);
  int ticks = 0;
  timer->SetEnabled(false);
  timer->SetInterval(5);
  timer->SetOnTimer(TNotifyEvent([&](TObject*) {
    if (++ticks == 1)
      throw Exception("tik");
  }));
  Pump();
  EXPECT_EQ(ticks, 0);
  timer->SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  ASSERT_EQ(m_boxes.size(), 1u);
  EXPECT_EQ(m_boxes[0].Text, "tik.");
  timer->SetEnabled(false);
  Pump();
  const int stopped = ticks;
  Pump();
  EXPECT_EQ(ticks, stopped);
}

TEST_F(ApplicationTest, TimerFreedByItsOwnHandlerStopsQuietly) {
  TTimer* timer = Create<TTimer>(Application);
  int ticks = 0;
  timer->SetInterval(5);
  timer->SetOnTimer(TNotifyEvent([&](TObject*) {
    ++ticks;
    timer->Free();
  }));
  EXPECT_TRUE(PumpUntil([&] { return ticks == 1; }));
  Pump();
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(Application->ComponentCount(), 0);
}

TEST_F(ApplicationTest, ScreenKnowsCursorsWorkAreaMonitorsAndForms) {
  EXPECT_NE(Screen->Cursors(crArrow), nullptr);
  EXPECT_NE(Screen->Cursors(crHandPoint), nullptr);
  EXPECT_EQ(Screen->Cursors(crNone), nullptr);
  EXPECT_EQ(Screen->Cursors(2100), Screen->Cursors(crDefault));
  HCURSOR own = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32515));
  Screen->SetCursors(2100, own);
  EXPECT_EQ(Screen->Cursors(2100), own);
  Screen->SetCursors(2100, nullptr);
  EXPECT_EQ(Screen->Cursors(2100), Screen->Cursors(crDefault));

  const TRect work = Screen->WorkAreaRect();
  EXPECT_GT(work.Right - work.Left, 0);
  EXPECT_LE(work.Right, Screen->Width());
  ASSERT_GE(Screen->MonitorCount(), 1);
  EXPECT_EQ(Screen->Monitors(0).BoundsRect().Right - Screen->Monitors(0).BoundsRect().Left,
            Screen->Width());
  EXPECT_FALSE(Screen->MenuFont()->Name().empty());

  TForm* first = Create<TForm>(Application, 0);
  TForm* second = Create<TForm>(Application, 0);
  EXPECT_EQ(Screen->FormCount(), 2);
  first->Free();
  EXPECT_EQ(Screen->FormCount(), 1);
  EXPECT_EQ(Screen->Forms(0), second);
}

TEST_F(ApplicationTest, ClipboardCarriesTurkishText) {
  const std::string text = "\xE7\xF0\xFD\xDD\xF6\xFE\xFC \xC7\xD0I\xD6\xDE\xDC";
  Clipboard()->SetAsText(text);
  EXPECT_TRUE(Clipboard()->HasFormat(CF_TEXT));
  EXPECT_TRUE(Clipboard()->HasFormat(CF_UNICODETEXT));
  EXPECT_EQ(Clipboard()->AsText(), text);
  Clipboard()->Clear();
  EXPECT_FALSE(Clipboard()->HasFormat(CF_UNICODETEXT));
  EXPECT_EQ(Clipboard()->AsText(), "");
}

TEST(KeyHelpersTest, ShiftStatesConvertToAndFromKeyFlags) {
  const struct {
    WORD keys;
    TShiftState shift;
  } cases[] = {
      {0, {}},
      {MK_SHIFT, {ssShift}},
      {MK_CONTROL | MK_LBUTTON, {ssCtrl, ssLeft}},
      {MK_RBUTTON | MK_MBUTTON, {ssRight, ssMiddle}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ShiftStateToKeys(c.shift), c.keys);
    EXPECT_EQ(KeysToShiftState(c.keys) - TShiftState{ssAlt}, c.shift);
  }
  EXPECT_EQ(ShiftStateToKeys({ssAlt, ssDouble, ssShift}), MK_SHIFT);

  TKeyboardState state{};
  state[VK_CONTROL] = 0x80;
  state[VK_MENU] = 0x81;
  state[VK_SHIFT] = 0x01;
  EXPECT_EQ(KeyboardStateToShiftState(state), (TShiftState{ssCtrl, ssAlt}));
}

TEST(KeyHelpersTest, ShortCutsPackKeyAndShift) {
  EXPECT_EQ(ShortCut('O', {ssCtrl}), 16463);
  EXPECT_EQ(ShortCut(VK_F2, {ssShift, ssAlt}), scShift | scAlt | VK_F2);
  EXPECT_EQ(ShortCut(0x1FF, {}), scNone);
  WORD key = 0;
  TShiftState shift;
  ShortCutToKey(scCtrl | scShift | 'S', key, shift);
  EXPECT_EQ(key, 'S');
  EXPECT_EQ(shift, (TShiftState{ssCtrl, ssShift}));
}

// A key message clicks the visible, enabled item whose short-cut it is; Alt
// comes from the key data's context bit.
TEST(KeyHelpersTest, MenuShortCutsClickTheirItemFromTheKeyRecord) {
  TOwned<TPopupMenu> menu(Create<TPopupMenu>(nullptr));
  std::vector<std::string> clicked;
  const auto addItem = [&](TMenuItem* parent, const char* caption, TShortCut shortCut) {
    TMenuItem* item = Create<TMenuItem>(menu.get());
    item->SetCaption(caption);
    item->SetShortCut(shortCut);
    item->SetOnClick([&clicked, caption](TObject*) { clicked.push_back(caption); });
    parent->Add(item);
    return item;
  };
  addItem(menu->Items(), "F2", VK_F2);
  addItem(menu->Items(), "Alt+X", scAlt | 'X');
  addItem(menu->Items(), "disabled F3", VK_F3)->SetEnabled(false);
  TMenuItem* hidden = addItem(menu->Items(), "hidden", scNone);
  hidden->SetVisible(false);
  addItem(hidden, "F4 under hidden", VK_F4);

  constexpr LPARAM kAltDown = 0x20000000;
  const struct {
    WORD key;
    LPARAM keyData;
    const char* clicks;
  } cases[] = {
      {VK_F2, 0, "F2"},  {'X', kAltDown, "Alt+X"}, {'X', 0, nullptr},
      {VK_F3, 0, nullptr}, {VK_F4, 0, nullptr},     {VK_F5, 0, nullptr},
  };
  for (const auto& c : cases) {
    clicked.clear();
    TMessage message{WM_KEYDOWN, c.key, c.keyData, 0};
    EXPECT_EQ(menu->IsShortCut(TWMKey(message)), c.clicks != nullptr) << c.key;
    EXPECT_EQ(clicked, c.clicks ? std::vector<std::string>{c.clicks} : std::vector<std::string>{})
        << c.key;
  }
}

// A change of the regional settings reloads the format settings unless the
// application is told not to.
TEST_F(ApplicationTest, UpdateFormatSettingsDecidesWhetherASettingChangeReloads) {
  EXPECT_TRUE(Application->UpdateFormatSettings());
  for (const bool update : {false, true}) {
    Application->SetUpdateFormatSettings(update);
    FormatSettings().DecimalSeparator = 'x';
    ::SendMessageW(Application->Handle(), WM_SETTINGCHANGE, 0,
                   reinterpret_cast<LPARAM>(u"intl"));
    EXPECT_EQ(FormatSettings().DecimalSeparator, update ? ',' : 'x') << update;
  }
}

TEST_F(ApplicationTest, HotKeysOfCaptions) {
  struct Case {
    const char* caption;
    const char* stripped;
    char16_t key;
    bool accel;
  };
  const Case cases[] = {
      {"&Dosya", "Dosya", u'd', true},
      {"&Dosya", "Dosya", u'D', true},
      {"Do&sya", "Dosya", u'o', false},
      {"Kaydet && \xC7\xFDk", "Kaydet & \xC7\xFDk", u'&', false},
      {"&&Ekle &Ara", "&Ekle Ara", u'a', true},
      {"Sonda &", "Sonda ", u'&', false},
      {"&\xFE\xFDfre", "\xFE\xFDfre", u'\u015E', true},
      {"", "", u'a', false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StripHotKey(c.caption), c.stripped) << c.caption;
    EXPECT_EQ(IsAccel(c.key, c.caption), c.accel) << c.caption;
  }
}

} // namespace
} // namespace controls_test
