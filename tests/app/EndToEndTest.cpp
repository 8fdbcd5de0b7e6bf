// Two messenger programs on one server, driven through their windows from
// outside, as two people at one machine would: a newcomer creates an account
// and logs in with it, a known user logs in, the newcomer opens the
// conversation from the user list, they write to each other while the mouse
// wanders over both programs' windows, and both log off by closing their
// main windows.
#include <atomic>
#include <algorithm>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/db/ZConnection.h"
#include "platform/db/ZDataset.h"
#include "platform/rtl/WideText.h"
#include "platform/rtl/WinApi.h"
#include "tests/platform/db/TestServer.h"
#include "tests/platform/db/WireTap.h"

namespace {

// Where the messenger's definition connects: port 0 means 3306.
constexpr int kMessengerPort = 3306;
constexpr DWORD kPatience = 30000;

const std::string kOnline = "\xC7" "evrimi\xE7i";
const std::string kOffline = "\xC7" "evrimd\xFD\xFE\xFD";

bool WaitFor(const std::function<bool()>& done) {
  for (const DWORD start = ::GetTickCount(); ::GetTickCount() - start < kPatience;) {
    if (done())
      return true;
    ::Sleep(100);
  }
  return done();
}

std::string ClassOf(HWND window) {
  std::u16string name(64, u'\0');
  name.resize(static_cast<std::size_t>(::GetClassNameW(window, WidePtr(name), 64)));
  return WideToAnsi(name);
}

struct TFormSearch {
  DWORD processId = 0;
  std::string className;
  HWND found = nullptr;
};

BOOL CALLBACK MatchForm(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<TFormSearch*>(data);
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  if (processId != search->processId || !::IsWindowVisible(window) ||
      ClassOf(window) != search->className)
    return TRUE;
  search->found = window;
  return FALSE;
}

std::string TextOf(HWND window) {
  const auto length = ::SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
  const auto copied = ::SendMessageW(window, WM_GETTEXT, text.size(),
                                     reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return WideToAnsi(text);
}

struct TWindowList {
  DWORD processId = 0;
  std::string text;
};

// Adds "class 'caption'" of each visible top-level window of the process,
// with the texts of a dialog's children (a message box's message).
BOOL CALLBACK DescribeWindow(HWND window, LPARAM data) {
  auto* list = reinterpret_cast<TWindowList*>(data);
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  if (processId != list->processId || !::IsWindowVisible(window))
    return TRUE;
  list->text += "\n  " + ClassOf(window) + " '" + TextOf(window) + "'";
  if (ClassOf(window) == "#32770")
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
      list->text += " '" + TextOf(child) + "'";
  return TRUE;
}

// One messenger program, started by the test and ended with it.
class TMessengerProgram {
public:
  TMessengerProgram() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = MESSENGER_PROGRAM;
    m_started = ::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0,
                                 nullptr, nullptr, &startup, &m_process);
  }
  ~TMessengerProgram() {
    if (!m_started)
      return;
    if (::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
      ::TerminateProcess(m_process.hProcess, 1);
    ::CloseHandle(m_process.hThread);
    ::CloseHandle(m_process.hProcess);
  }
  TMessengerProgram(const TMessengerProgram&) = delete;
  TMessengerProgram& operator=(const TMessengerProgram&) = delete;

  bool Started() const { return m_started; }
  bool Ended() const { return ::WaitForSingleObject(m_process.hProcess, kPatience) == WAIT_OBJECT_0; }
  bool Running() const { return ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT; }
  DWORD ProcessId() const { return m_process.dwProcessId; }

  // Moves the program's form to 'left', 'top' as a person drags it aside.
  bool MoveForm(const std::string& className, int left, int top) const {
    HWND form = Form(className);
    return form && ::SetWindowPos(form, nullptr, left, top, 0, 0,
                                  SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  // The program's visible top-level window of that class, nil when none.
  HWND Form(const std::string& className) const {
    TFormSearch search{m_process.dwProcessId, className};
    ::EnumWindows(MatchForm, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  // The child window of that class whose style has all of 'style' (or, with
  // 'without', none of it).
  static HWND Child(HWND form, const std::string& className, LONG style, bool without = false) {
    for (HWND child = ::GetWindow(form, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
      const LONG bits = ::GetWindowLongW(child, GWL_STYLE) & style;
      if (ClassOf(child) == className && (without ? bits == 0 : bits == style))
        return child;
    }
    return nullptr;
  }

  static void SetText(HWND window, const std::string& text) {
    const std::u16string wide = AnsiToWide(text);
    ::SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  }

  static void PressEnter(HWND window) { ::PostMessageW(window, WM_CHAR, '\r', 0); }

  // Types both fields of the open log-in form and presses Enter.
  bool LogIn(const std::string& nickname, const std::string& password) const {
    HWND form = nullptr;
    if (!WaitFor([&] { return (form = Form("TOturumAc1")) != nullptr; }))
      return false;
    HWND name = Child(form, "TLabeledEdit", ES_PASSWORD, true);
    HWND secret = Child(form, "TLabeledEdit", ES_PASSWORD);
    if (!name || !secret)
      return false;
    SetText(name, nickname);
    SetText(secret, password);
    PressEnter(secret);
    return WaitFor([&] { return !Form("TOturumAc1"); });
  }

  // Clicks at 'at' in the form's client area, where a control without a
  // window of its own (a label, a speed button) takes the click.
  static void ClickAt(HWND form, POINT at) {
    const LPARAM where = MAKELPARAM(at.x, at.y);
    ::PostMessageW(form, WM_LBUTTONDOWN, MK_LBUTTON, where);
    ::PostMessageW(form, WM_LBUTTONUP, 0, where);
  }

  // The windows of the form's children, top to bottom.
  static std::vector<HWND> ChildrenTopDown(HWND form) {
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(form, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
      children.push_back(child);
    std::sort(children.begin(), children.end(), [](HWND a, HWND b) {
      RECT first, second;
      ::GetWindowRect(a, &first);
      ::GetWindowRect(b, &second);
      return first.top < second.top;
    });
    return children;
  }

  // The text of the message box the program shows, empty when none shows.
  std::string MessageBoxText() const {
    HWND box = Form("#32770");
    if (!box)
      return {};
    std::string text;
    for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
      if (ClassOf(child) == "Static")
        text += TextOf(child);
    return text;
  }

  // Follows the log-in form's "Yeni Hesap Aç" link, fills in the account
  // form's five fields, presses "Hesap Aç", and answers the message box
  // that tells the account is made; the log-in form is open again then.
  bool CreateAccount(const std::vector<std::string>& texts) const {
    HWND logIn = nullptr;
    if (!WaitFor([&] { return (logIn = Form("TOturumAc1")) != nullptr; }))
      return false;
    ClickAt(logIn, {95, 140});
    HWND form = nullptr;
    if (!WaitFor([&] { return (form = Form("THesapAc1")) != nullptr; }))
      return false;
    const std::vector<HWND> fields = ChildrenTopDown(form);
    if (fields.size() != texts.size())
      return false;
    for (std::size_t i = 0; i < fields.size(); ++i)
      SetText(fields[i], texts[i]);
    ClickAt(form, {280, 200});
    const std::string opened = "Hesab\xFDn\xFDz A\xE7\xFDlm\xFD\xFEt\xFDr.";
    if (!WaitFor([&] { return MessageBoxText() == opened; }))
      return false;
    ::PostMessageW(Form("#32770"), WM_COMMAND, IDOK, 0);
    return WaitFor([&] { return !Form("THesapAc1") && Form("TOturumAc1"); });
  }

  // Double-clicks the first row of the main window's user list.
  bool OpenFirstUser() const {
    HWND grid = Child(Form("TMain1"), "TDBGrid", 0);
    if (!grid)
      return false;
    const LPARAM at = MAKELPARAM(12, 4);
    ::PostMessageW(grid, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::PostMessageW(grid, WM_LBUTTONUP, 0, at);
    ::PostMessageW(grid, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    ::PostMessageW(grid, WM_LBUTTONUP, 0, at);
    return WaitFor([&] { return Form("TMesaj1") != nullptr; });
  }

  // Types into the message window's input box and presses Enter.
  bool Send(const std::string& text) const {
    HWND input = Child(Form("TMesaj1"), "TMemo", ES_READONLY, true);
    if (!input)
      return false;
    SetText(input, text);
    PressEnter(input);
    return WaitFor([&] { return TextOf(input).empty(); });
  }

  // Waits until the message window shows and its history holds 'line'.
  bool Receives(const std::string& line) const {
    return WaitFor([&] {
      HWND form = Form("TMesaj1");
      HWND history = form ? Child(form, "TMemo", ES_READONLY) : nullptr;
      return history && TextOf(history).find(line) != std::string::npos;
    });
  }

  std::string MessageWindowCaption() const {
    HWND form = Form("TMesaj1");
    return form ? TextOf(form) : std::string();
  }

  void Close() const { ::PostMessageW(Form("TMain1"), WM_CLOSE, 0, 0); }

  // The program's visible windows, for a failure's message.
  std::string Windows() const {
    TWindowList list{m_process.dwProcessId, {}};
    ::EnumWindows(DescribeWindow, reinterpret_cast<LPARAM>(&list));
    return list.text;
  }

private:
  PROCESS_INFORMATION m_process{};
  bool m_started = false;
};

struct TProgramWindows {
  DWORD processId = 0;
  std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM data) {
  auto* list = reinterpret_cast<TProgramWindows*>(data);
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  if (processId == list->processId && ::IsWindowVisible(window))
    list->windows.push_back(window);
  return TRUE;
}

std::vector<HWND> VisibleWindowsOf(DWORD processId) {
  TProgramWindows list{processId, {}};
  ::EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&list));
  return list.windows;
}

// The real mouse pointer wandering, in a thread of its own, over the visible
// windows of the programs, one program's windows after the other's, gliding
// from point to point. At each point every program is woken with a message,
// so that each looks under the pointer then: the one whose window lies there
// and the ones that find another program's window under it.
class TPointerSweep {
public:
  explicit TPointerSweep(std::vector<DWORD> processIds)
      : m_processIds(std::move(processIds)),
        m_visits(std::make_unique<std::atomic<int>[]>(m_processIds.size())) {
    ::GetCursorPos(&m_at);
    m_thread = ::CreateThread(nullptr, 0, Main, this, 0, nullptr);
  }
  // Stops, and leaves the pointer in a corner of the screen, away from the
  // windows.
  ~TPointerSweep() {
    m_stopping = true;
    ::WaitForSingleObject(m_thread, INFINITE);
    ::CloseHandle(m_thread);
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
  }
  TPointerSweep(const TPointerSweep&) = delete;
  TPointerSweep& operator=(const TPointerSweep&) = delete;

  // How often the pointer rested over a window of the i-th program.
  int Visits(std::size_t i) const { return m_visits[i]; }

private:
  static DWORD WINAPI Main(void* sweep) {
    static_cast<TPointerSweep*>(sweep)->Run();
    return 0;
  }

  void Run() {
    while (!m_stopping)
      for (std::size_t i = 0; i < m_processIds.size() && !m_stopping; ++i)
        for (HWND window : VisibleWindowsOf(m_processIds[i]))
          VisitWindow(i, window);
  }

  // Rests on nine points spread over the window.
  void VisitWindow(std::size_t i, HWND window) {
    RECT bounds;
    if (!::GetWindowRect(window, &bounds))
      return;
    const LONG width = bounds.right - bounds.left;
    const LONG height = bounds.bottom - bounds.top;
    for (int row = 1; row <= 3 && !m_stopping; ++row)
      for (int column = 1; column <= 3 && !m_stopping; ++column) {
        GlideTo({bounds.left + width * column / 4, bounds.top + height * row / 4});
        WakeAll();
        POINT at;
        ::GetCursorPos(&at);
        if (::GetAncestor(::WindowFromPoint(at), GA_ROOT) == window)
          ++m_visits[i];
      }
  }

  void GlideTo(POINT target) {
    constexpr int kSteps = 6;
    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    for (int step = 1; step <= kSteps; ++step) {
      INPUT move{};
      move.type = INPUT_MOUSE;
      move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
      const LONG x = m_at.x + (target.x - m_at.x) * step / kSteps;
      const LONG y = m_at.y + (target.y - m_at.y) * step / kSteps;
      move.mi.dx = ::MulDiv(x, 65535, screenWidth - 1);
      move.mi.dy = ::MulDiv(y, 65535, screenHeight - 1);
      ::SendInput(1, &move, sizeof move);
      ::Sleep(10);
    }
    m_at = target;
  }

  void WakeAll() {
    for (DWORD processId : m_processIds)
      for (HWND window : VisibleWindowsOf(processId))
        ::PostMessageW(window, WM_NULL, 0, 0);
    ::Sleep(50);
  }

  std::vector<DWORD> m_processIds;
  std::unique_ptr<std::atomic<int>[]> m_visits;
  std::atomic<bool> m_stopping{false};
  POINT m_at{};
  HANDLE m_thread = nullptr;
};

class EndToEndTest : public ServerTest {
protected:
  void SetUp() override {
    ServerTest::SetUp();
    if (IsSkipped())
      return;
    if (Server().Host != "127.0.0.1" || Server().Port != kMessengerPort) {
      try {
        m_relay = std::make_unique<TWireTap>(Server().Host, Server().Port, kMessengerPort);
      } catch (const std::runtime_error&) {
        GTEST_SKIP() << "port " << kMessengerPort
                     << " on 127.0.0.1 is taken: the messenger's definition connects there";
      }
    }
    RemoveUsers();
    // A negative row number puts the known user first in the user list; the
    // newcomer's account comes after every other.
    Execute("INSERT INTO msg_kimlik (Id, TakmaAd, AdSoyad, Parola, Durum) VALUES "
            "(-1, 'e2e_veli', 'Veli', 'veli1', '" + kOffline + "')");
  }

  void TearDown() override {
    if (!IsSkipped() && Owner())
      RemoveUsers();
    m_relay.reset();
    ServerTest::TearDown();
  }

  void RemoveUsers() {
    Execute("DELETE FROM msg_kimlik WHERE Id = -1 OR TakmaAd IN ('e2e_ali', 'e2e_veli')");
    Execute("DELETE FROM msg_mesaj WHERE Alan IN ('e2e_ali', 'e2e_veli')");
  }

  std::string Presence(const std::string& nickname) { return Column("Durum", nickname); }

  // The column of the user's row, empty when there is no such row.
  std::string Column(const std::string& column, const std::string& nickname) {
    TZConnection* connection = MakeConnection();
    TZQuery* query = MakeQuery(connection, "SELECT `" + column +
                                               "` FROM msg_kimlik WHERE TakmaAd='" + nickname + "'");
    query->Open();
    const std::string value = query->Eof() ? std::string() : query->Fields(0)->AsString();
    connection->Free();
    return value;
  }

  bool PresenceBecomes(const std::string& nickname, const std::string& presence) {
    return WaitFor([&] { return Presence(nickname) == presence; });
  }

private:
  std::unique_ptr<TWireTap> m_relay;
};

TEST_F(EndToEndTest, ANewcomerCreatesAnAccountAndWritesWithAKnownUser) {
  // The two programs' windows lie on top of each other where their
  // definitions place them; the mouse rests in a corner, away from them,
  // until both have logged in.
  ::SetCursorPos(1279, 1023);
  TMessengerProgram ali;
  ASSERT_TRUE(ali.Started());
  ASSERT_TRUE(ali.CreateAccount({"e2e_ali", "ali1", "ali1", "Ali \xD6zt\xFCrk", "ali@example.com"}))
      << ali.Windows();
  EXPECT_EQ(Column("AdSoyad", "e2e_ali"), "Ali \xD6zt\xFCrk");
  EXPECT_EQ(Column("E-Posta", "e2e_ali"), "ali@example.com");

  TMessengerProgram veli;
  ASSERT_TRUE(veli.Started());
  ASSERT_TRUE(veli.LogIn("e2e_veli", "veli1"));
  ASSERT_TRUE(PresenceBecomes("e2e_veli", kOnline));

  ASSERT_TRUE(ali.LogIn("e2e_ali", "ali1")) << ali.Windows();
  ASSERT_TRUE(PresenceBecomes("e2e_ali", kOnline));

  // Ali's list has Veli first, online; Ali opens the conversation.
  ASSERT_TRUE(ali.OpenFirstUser()) << ali.Windows();
  EXPECT_EQ(ali.MessageWindowCaption(), "e2e_veli");
  // Ali drags his windows aside, so that both programs' windows show; from
  // now on the mouse wanders over them while both poll.
  ASSERT_TRUE(ali.MoveForm("TMain1", 20, 20));
  ASSERT_TRUE(ali.MoveForm("TMesaj1", 334, 640));
  auto sweep = std::make_unique<TPointerSweep>(
      std::vector<DWORD>{ali.ProcessId(), veli.ProcessId()});
  const auto bothRun = [&] { return ali.Running() && veli.Running(); };
  EXPECT_TRUE(WaitFor([&] {
    return !bothRun() || (sweep->Visits(0) >= 36 && sweep->Visits(1) >= 18);
  })) << "the pointer did not reach both programs' windows";
  ASSERT_TRUE(ali.Running()) << "ali's program ended while the mouse moved over both programs";
  ASSERT_TRUE(veli.Running()) << "veli's program ended while the mouse moved over both programs";

  ASSERT_TRUE(ali.Send("merhaba Veli, ben yeni geldim")) << ali.Windows();
  ASSERT_TRUE(veli.Receives("e2e_ali:merhaba Veli, ben yeni geldim")) << veli.Windows();
  EXPECT_EQ(veli.MessageWindowCaption(), "e2e_ali");

  ASSERT_TRUE(veli.Send("ho\xFE geldin Ali, nas\xFDls\xFDn?")) << veli.Windows();
  ASSERT_TRUE(ali.Receives("e2e_veli:ho\xFE geldin Ali, nas\xFDls\xFDn?")) << ali.Windows();
  EXPECT_TRUE(bothRun());
  sweep.reset();

  ali.Close();
  veli.Close();
  EXPECT_TRUE(ali.Ended());
  EXPECT_TRUE(veli.Ended());
  EXPECT_EQ(Presence("e2e_ali"), kOffline);
  EXPECT_EQ(Presence("e2e_veli"), kOffline);
}

} // namespace
