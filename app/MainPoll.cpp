// The poll: every tick of Timer1 refreshes the user list, shows the messages
// addressed to the session's user in the message window and deletes them.
#include "app/Main.h"

#include <set>
#include <string>
#include <vector>

#include "app/Mesaj.h"
#include "platform/controls/Application.h"
#include "platform/db/ZDataset.h"
#include "platform/rtl/FlagScope.h"
#include "platform/stdctrls/StdCtrls.h"

namespace {

constexpr char kSelectMessages[] = "Select * From `msg_mesaj` where `Alan`=:pAlan  ";
constexpr char kDeleteMessages[] = "Delete from `msg_mesaj` where `Id` in (";
constexpr char kDeleteMessagesEnd[] = ")  ";

std::string JoinedIds(const std::set<int>& ids) {
  std::string joined;
  for (int id : ids) {
    if (!joined.empty())
      joined += ',';
    joined += std::to_string(id);
  }
  return joined;
}

} // namespace

// With nobody logged in a tick does nothing; while a tick's error box is
// open, the ticks its message loop delivers do nothing either.
void TMain1::Timer1Timer(TObject*) {
  if (m_polling || !m_sessionUser)
    return;
  const TFlagScope polling(m_polling);
  try {
    Poll(m_sessionUser->Nickname);
  } catch (...) {
    Application->HandleException(this);
  }
}

// Refreshes the user list, shows the messages addressed to 'nickname' that
// were not shown before, and deletes every row shown, by its Id: a message
// that arrives meanwhile stays for the next tick.
void TMain1::Poll(const std::string& nickname) {
  LoadUserList();
  m_ZMesaj1->Close();
  m_ZMesaj1->SQL()->SetText(kSelectMessages);
  m_ZMesaj1->ParamByName("pAlan")->SetAsString(nickname);
  m_ZMesaj1->Open();
  if (ShowNewMessages())
    Mesaj1->Show();
  DeleteMessagesShown();
}

// Appends the rows not shown before to the message window, in one append;
// the caption ends as the sender of the last of them. Rows count as shown
// once appended. Answers whether there were any.
bool TMain1::ShowNewMessages() {
  std::vector<int> ids;
  std::string sender;
  std::string lines;
  for (m_ZMesaj1->First(); !m_ZMesaj1->Eof(); m_ZMesaj1->Next()) {
    const int id = m_ZMesaj1->FieldByName("Id")->AsInteger();
    if (m_shownNotDeleted.contains(id))
      continue;
    sender = m_ZMesaj1->FieldByName("Gonderen")->AsString();
    if (!ids.empty())
      lines += "\r\n";
    lines += sender + ":" + m_ZMesaj1->FieldByName("Mesaj")->AsString();
    ids.push_back(id);
  }
  if (ids.empty())
    return false;
  Mesaj1->SetCaption(sender);
  Mesaj1->Memo1()->Lines()->Append(lines);
  m_shownNotDeleted.insert(ids.begin(), ids.end());
  return true;
}

// Deletes the rows shown by this tick and those whose delete failed before.
void TMain1::DeleteMessagesShown() {
  if (m_shownNotDeleted.empty())
    return;
  m_ZIslem1->Close();
  m_ZIslem1->SQL()->SetText(kDeleteMessages + JoinedIds(m_shownNotDeleted) + kDeleteMessagesEnd);
  m_ZIslem1->ExecSQL();
  m_shownNotDeleted.clear();
}
