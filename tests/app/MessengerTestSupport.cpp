#include "tests/app/MessengerTestSupport.h"

#include "app/Main.h"
#include "app/Mesaj.h"
#include "app/Messenger.h"
#include "app/Oturumac.h"
#include "platform/controls/Menus.h"
#include "platform/controls/Timers.h"
#include "platform/db/ZConnection.h"
#include "platform/db/ZDataset.h"
#include "platform/dbctrls/DBGrids.h"
#include "platform/rtl/WideText.h"
#include "platform/stdctrls/ExtCtrls.h"

namespace messenger_test {

namespace {

// The key sent after a person's input: once the program has taken it from
// its queue, it has taken everything sent before it.
constexpr WORD kMarkerKey = VK_F24;
HHOOK g_keyHook = nullptr;
bool g_markerSeen = false;

LRESULT CALLBACK WatchKeys(int code, WPARAM key, LPARAM flags) {
  constexpr LPARAM kKeyUp = LPARAM(1) << 31;
  if (code == HC_ACTION && key == kMarkerKey && (flags & kKeyUp))
    g_markerSeen = true;
  return ::CallNextHookEx(g_keyHook, code, key, flags);
}

// The steps a one-shot timer runs inside the next message loop.
std::function<void()> g_pendingSteps;

// Set when a log-in form opened while the guard below watched.
bool g_logInOpened = false;

void CALLBACK CloseUnexpectedLogIn(HWND, UINT, UINT_PTR, DWORD) {
  if (!OturumAc1 || !OturumAc1->Visible() ||
      !OturumAc1->FormState().Contains(TFormStateItem::fsModal))
    return;
  g_logInOpened = true;
  OturumAc1->SetModalResult(mrCancel);
}

// While alive, a log-in form that opens is closed again and reported.
class TLogInGuard {
public:
  TLogInGuard() : m_timer(::SetTimer(nullptr, 0, 20, CloseUnexpectedLogIn)) {
    g_logInOpened = false;
  }
  ~TLogInGuard() {
    ::KillTimer(nullptr, m_timer);
    EXPECT_FALSE(g_logInOpened) << "the log-in form opened over the message window";
  }
  TLogInGuard(const TLogInGuard&) = delete;
  TLogInGuard& operator=(const TLogInGuard&) = delete;

private:
  UINT_PTR m_timer = 0;
};

void CALLBACK RunPendingSteps(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  std::function<void()> steps = std::move(g_pendingSteps);
  g_pendingSteps = nullptr;
  if (steps)
    steps();
}

// Whether the form shows modally.
bool ShowsModally(TCustomForm* form) {
  return form->Visible() && form->FormState().Contains(TFormStateItem::fsModal);
}

} // namespace

void TMessengerTest::SetUpTestSuite() {
  TControlsTest::SetUpTestSuite();
  StartMessengerUnits();
  g_keyHook = ::SetWindowsHookExW(WH_KEYBOARD, WatchKeys, nullptr, ::GetCurrentThreadId());
}

void TMessengerTest::TearDownTestSuite() {
  ::UnhookWindowsHookEx(g_keyHook);
  g_keyHook = nullptr;
}

void TMessengerTest::SetUp() {
  const std::optional<TServerAddress> server = TestServerAddress();
  if (!server)
    GTEST_SKIP() << "MESSENGER_DB_HOST and MESSENGER_DB_PORT are not set, so there is no "
                    "test server (scripts/test starts one with scripts/mariadb.sh)";
  TControlsTest::SetUp();
  m_tap = std::make_unique<TWireTap>(server->Host, server->Port);
  m_owner = Create<TComponent>(nullptr);
  m_connection = Create<TZConnection>(m_owner);
  m_connection->SetHostName(server->Host);
  m_connection->SetPort(server->Port);
  m_connection->SetDatabase(kTestDatabase);
  m_connection->SetUser(kTestUser);
  m_connection->SetPassword(kTestPassword);
  m_connection->SetLoginPrompt(false);
  CreateMessengerForms();
  m_definedHostName = Main1->ZConnection1()->HostName();
  m_definedPort = Main1->ZConnection1()->Port();
  Main1->ZConnection1()->SetHostName("127.0.0.1");
  Main1->ZConnection1()->SetPort(m_tap->Port());
  // The tests run the poll themselves (Tick), never the clock.
  Main1->Timer1()->SetInterval(3600000);
}

void TMessengerTest::TearDown() {
  if (!m_tap)
    return;
  TControlsTest::TearDown();
  for (const std::string& statement : m_cleanUp)
    Run(statement);
  FreeAndNil(m_owner);
  m_tap.reset();
}

std::optional<std::string> TMessengerTest::Run(const std::string& statement) {
  auto* query = Create<TZQuery>(m_owner);
  query->SetParamCheck(false);
  query->SetConnection(m_connection);
  query->SQL()->SetText(statement);
  std::optional<std::string> answer;
  try {
    if (statement.starts_with("SELECT")) {
      query->Open();
      if (!query->Eof() && !query->Fields(0)->IsNull())
        answer = query->Fields(0)->AsString();
    } else {
      query->ExecSQL();
    }
  } catch (...) {
    query->Free();
    throw;
  }
  query->Free();
  return answer;
}

std::string TMessengerTest::Quoted(const std::string& text) {
  m_connection->Connect();
  return m_connection->QuoteString(text);
}

void TMessengerTest::Forget(const std::string& table, const std::string& key,
                            const std::string& value) {
  m_cleanUp.push_back("DELETE FROM " + table + " WHERE `" + key + "`=" + value);
}

std::string TMessengerTest::AddUser(const std::string& prefix, const std::string& password,
                                    const std::optional<std::string>& presence) {
  const std::string nickname = NewNickname(prefix);
  Run("INSERT INTO msg_kimlik (TakmaAd, AdSoyad, Parola, Durum) VALUES (" + Quoted(nickname) +
      ", 'Test', " + Quoted(password) + ", " + (presence ? Quoted(*presence) : "NULL") + ")");
  return nickname;
}

std::string TMessengerTest::NewNickname(const std::string& prefix) {
  const std::string nickname = prefix + std::to_string(::GetTickCount() % 100000) + "_" +
                               std::to_string(m_cleanUp.size());
  ForgetUser(nickname);
  return nickname;
}

void TMessengerTest::ForgetUser(const std::string& nickname) {
  Forget("msg_kimlik", "TakmaAd", Quoted(nickname));
  Forget("msg_mesaj", "Alan", Quoted(nickname));
  Forget("msg_mesaj", "Gonderen", Quoted(nickname));
}

int TMessengerTest::UserId(const std::string& nickname) {
  return std::stoi(
      Run("SELECT Id FROM msg_kimlik WHERE TakmaAd=BINARY " + Quoted(nickname)).value_or("0"));
}

std::optional<std::string> TMessengerTest::Presence(const std::string& nickname) {
  return Run("SELECT Durum FROM msg_kimlik WHERE TakmaAd=BINARY " + Quoted(nickname));
}

void TMessengerTest::SetPresence(const std::string& nickname,
                                 const std::optional<std::string>& presence) {
  Run("UPDATE msg_kimlik SET Durum=" + (presence ? Quoted(*presence) : "NULL") +
      " WHERE TakmaAd=BINARY " + Quoted(nickname));
}

void TMessengerTest::AddMessage(const std::string& sender, const std::string& recipient,
                                const std::string& text) {
  Run("INSERT INTO msg_mesaj (Gonderen, Alan, Mesaj, Durum) VALUES (" + Quoted(sender) + ", " +
      Quoted(recipient) + ", " + Quoted(text) + ", 'Online')");
}

std::vector<std::string> TMessengerTest::PendingMessages(const std::string& recipient) {
  const std::optional<std::string> rows =
      Run("SELECT GROUP_CONCAT(CONCAT(Gonderen, ':', Mesaj) ORDER BY Id SEPARATOR '\x01') "
          "FROM msg_mesaj WHERE Alan=BINARY " + Quoted(recipient));
  std::vector<std::string> messages;
  if (!rows)
    return messages;
  std::size_t start = 0;
  for (std::size_t end; (end = rows->find('\x01', start)) != std::string::npos; start = end + 1)
    messages.push_back(rows->substr(start, end - start));
  messages.push_back(rows->substr(start));
  return messages;
}

long long TMessengerTest::AddLegacyRow(const std::string& user, const std::string& name) {
  Run("INSERT INTO torvane_mycon.quillpost (`User`, Pass, Name, Mail) VALUES (" + Quoted(user) +
      ", 'eski', " + Quoted(name) + ", 'eski@example.com')");
  const long long id = std::stoll(Run("SELECT LAST_INSERT_ID()").value_or("0"));
  Forget("torvane_mycon.quillpost", "id", std::to_string(id));
  return id;
}

std::string TMessengerTest::LegacyName(long long id) {
  return Run("SELECT Name FROM torvane_mycon.quillpost WHERE id=" + std::to_string(id))
      .value_or("");
}

void TMessengerTest::WhileModal(TCustomForm* form, const std::function<void()>& open,
                                const std::function<void()>& whileOpen) {
  bool ran = false;
  g_pendingSteps = [&] {
    ran = true;
    if (!PumpUntil([form] { return ShowsModally(form); })) {
      ADD_FAILURE() << form->Name() << " did not show modally";
      return;
    }
    Pump();
    whileOpen();
    if (ShowsModally(form))
      form->SetModalResult(mrCancel);
  };
  ::SetTimer(nullptr, 0, 10, RunPendingSteps);
  open();
  EXPECT_TRUE(PumpUntil([&] { return ran && !ShowsModally(form); }));
}

void TMessengerTest::ShowMainWindow(const std::function<void()>& inLogIn) {
  WhileModal(OturumAc1, [] { Main1->Show(); }, inLogIn);
}

void TMessengerTest::LogIn(const std::string& nickname, const std::string& password) {
  const auto typeLogIn = [&] { TypeLogIn(nickname, password); };
  if (!Main1->Visible())
    ShowMainWindow(typeLogIn);
  else
    WhileModal(OturumAc1, [this] { ChooseMenuItem(As<TMenuItem>(Main1->FindComponent("OturumA1"))); },
               typeLogIn);
}

void TMessengerTest::TypeLogIn(const std::string& nickname, const std::string& password) {
  OturumAc1->LabeledEdit1()->Clear();
  OturumAc1->LabeledEdit2()->Clear();
  TypeInto(OturumAc1->LabeledEdit1(), nickname);
  PressEnter();
  EXPECT_TRUE(OturumAc1->LabeledEdit2()->Focused());
  Type(password);
  PressEnter();
}

void TMessengerTest::ChooseMenuItem(TMenuItem* item) {
  ::PostMessageW(Main1->Handle(), WM_COMMAND, item->Command(), 0);
  Pump();
}

void TMessengerTest::DoubleClickUser(const std::string& nickname) {
  TZQuery* users = Main1->ZKimlik1();
  for (users->First(); !users->Eof(); users->Next())
    if (users->FieldByName("TakmaAd")->AsString() == nickname)
      break;
  ASSERT_FALSE(users->Eof()) << nickname << " is not in the list";
  TDBGrid* grid = Main1->DBGrid1();
  const TRect cell = grid->CellRect(0, grid->DataLink()->ActiveRecord());
  const TLogInGuard guard;
  DoubleClickAt(grid->ClientToScreen({cell.Left + 4, cell.Top + 3}));
}

void TMessengerTest::Click(TControl* control, TPoint at) {
  controls_test::ClickControl(control, at);
  SettleInput();
}

void TMessengerTest::ClickToOpen(TControl* control, TPoint at) {
  controls_test::ClickControl(control, at);
}

void TMessengerTest::DoubleClickAt(TPoint screen) {
  controls_test::ClickAt(screen);
  controls_test::ClickAt(screen);
  SettleInput();
}

// The first click into a window that is not the active one of the display
// only activates it; the second one reaches the field.
void TMessengerTest::TypeInto(TWinControl* control, const std::string& text) {
  Click(GetParentForm(control), {2, 2});
  Click(control);
  Type(text);
}

void TMessengerTest::Type(const std::string& text) {
  for (char16_t c : AnsiToWide(text))
    controls_test::TypeChar(c);
  SettleInput();
}

void TMessengerTest::PressEnter() {
  controls_test::PressKey(VK_RETURN);
  SettleInput();
}

// A click that moves the display's keyboard focus to another window may
// take effect after the marker was sent: the marker is lost, and sent again.
void TMessengerTest::SettleInput() {
  g_markerSeen = false;
  for (int attempt = 0; attempt < 3 && !g_markerSeen; ++attempt) {
    controls_test::PressKey(kMarkerKey);
    for (int round = 0; round < 100 && !g_markerSeen; ++round) {
      Application->ProcessMessages();
      ::Sleep(10);
    }
  }
  EXPECT_TRUE(g_markerSeen) << "the input was not taken";
  Pump();
}

void TMessengerTest::Tick() { Main1->Timer1Timer(Main1->Timer1()); }

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos)
      end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end;
    if (start < text.size() && text[start] == '\r')
      ++start;
    if (start < text.size() && text[start] == '\n')
      ++start;
  }
  return lines;
}

} // namespace messenger_test
