// What the messenger's tests share: the program's units and its five forms,
// made afresh for every test and connected to the test server through a
// relay that records every statement; users, messages and legacy rows made
// for one test and removed after it; and a person's actions: typing,
// clicking, double-clicking a user in the list, choosing menu items and
// working in a modal form while it is open.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/platform/controls/ControlsTestSupport.h"
#include "tests/platform/db/TestServer.h"
#include "tests/platform/db/WireTap.h"

class TMenuItem;

namespace messenger_test {

// The Turkish presence texts, in Windows-1254.
inline const std::string kOnlineText = "\xC7" "evrimi\xE7i";
inline const std::string kOfflineText = "\xC7" "evrimd\xFD\xFE\xFD";

class TMessengerTest : public controls_test::TControlsTest {
protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;
  void TearDown() override;

  // ---- the server's rows, through a connection of the test's own
  // A user made for this test (removed after it); answers its nickname,
  // which starts with 'prefix'.
  std::string AddUser(const std::string& prefix, const std::string& password,
                      const std::optional<std::string>& presence = kOfflineText);
  // A nickname no user has, which starts with 'prefix'; the user the test
  // makes with it is removed after the test.
  std::string NewNickname(const std::string& prefix);
  // Removes the user with this nickname, and the messages to and from it,
  // after the test.
  void ForgetUser(const std::string& nickname);
  int UserId(const std::string& nickname);
  std::optional<std::string> Presence(const std::string& nickname);
  void SetPresence(const std::string& nickname, const std::optional<std::string>& presence);
  // A message row as another client's send makes it.
  void AddMessage(const std::string& sender, const std::string& recipient,
                  const std::string& text);
  // The messages addressed to 'recipient', "sender:text" in the server's order.
  std::vector<std::string> PendingMessages(const std::string& recipient);
  // A row of the legacy user table (removed after the test); answers its id.
  long long AddLegacyRow(const std::string& user, const std::string& name);
  std::string LegacyName(long long id);
  // Runs one statement; answers the first column of the first row, if any.
  std::optional<std::string> Run(const std::string& statement);
  // The text as a quoted literal of the server.
  std::string Quoted(const std::string& text);

  // ---- what the messenger sent since the last ClearStatements
  std::vector<std::string> Statements() const { return m_tap->Statements(); }
  void ClearStatements() { m_tap->Clear(); }
  TWireTap& Tap() { return *m_tap; }
  // Where the main window's definition connects (the tests connect elsewhere).
  const std::string& DefinedHostName() const { return m_definedHostName; }
  int DefinedPort() const { return m_definedPort; }

  // ---- a person's actions
  // Shows the main window as the program's start does; the log-in form
  // opens over it, and 'inLogIn' runs while it is open.
  void ShowMainWindow(const std::function<void()>& inLogIn);
  // Logs in through the log-in form's fields (the nickname, Enter, the
  // password, Enter): the form the main window opens when it first shows,
  // or, once it shows, the one "Dosya / Oturum Aç" opens.
  void LogIn(const std::string& nickname, const std::string& password);
  // Types into the fields as LogIn does, inside an open log-in form.
  void TypeLogIn(const std::string& nickname, const std::string& password);
  // Runs 'whileOpen' once 'form' is shown modally by 'open'; closes the form
  // afterwards when 'whileOpen' left it open.
  void WhileModal(TCustomForm* form, const std::function<void()>& open,
                  const std::function<void()>& whileOpen);
  // Chooses the menu item as a click in the menu does.
  void ChooseMenuItem(TMenuItem* item);
  // Double-clicks the user's row in the main window's list.
  void DoubleClickUser(const std::string& nickname);
  // Each waits until the program has taken the input.
  void Click(TControl* control, TPoint at = {5, 5});
  // Clicks a control that opens a modal form (whose loop takes the click;
  // see WhileModal).
  void ClickToOpen(TControl* control, TPoint at = {5, 5});
  void DoubleClickAt(TPoint screen);
  // Clicks into the control and types the text.
  void TypeInto(TWinControl* control, const std::string& text);
  // Types the Windows-1254 text as the platform's Unicode key input.
  void Type(const std::string& text);
  void PressEnter();
  void SettleInput();
  // One tick of the poll timer.
  void Tick();

private:
  void Forget(const std::string& table, const std::string& key, const std::string& value);

  std::unique_ptr<TWireTap> m_tap;
  std::string m_definedHostName;
  int m_definedPort = -1;
  TComponent* m_owner = nullptr;
  TZConnection* m_connection = nullptr;
  std::vector<std::string> m_cleanUp;
};

// The text of the control's lines, one string per line.
std::vector<std::string> Lines(const std::string& text);

} // namespace messenger_test
