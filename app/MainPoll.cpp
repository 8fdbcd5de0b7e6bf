// The poll: every tick of Timer1 refreshes the user list, shows the messages
// addressed to the session's user in the message window and deletes them.
#include "app/Main.h"

#include "app/Mesaj.h"
#include "platform/controls/Application.h"
#include "platform/db/ZDataset.h"
#include "platform/rtl/FlagScope.h"
#include "platform/stdctrls/StdCtrls.h"

namespace {

constexpr char kSelectMessages[] = "Select * From `msg_mesaj` where `Alan`=:pAlan  ";
constexpr char kDeleteMessages[] = "Delete from `msg_mesaj` where `Alan`=:pAlan and `Id` in (";
constexpr char kDeleteMessagesEnd[] = ")  ";

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

// Refreshes the user list, shows the messages addressed to 'nickname' and
// deletes exactly the rows shown: a message that arrives meanwhile stays for
// the next tick.
void TMain1::Poll(const std::string& nickname) {
  LoadUserList();
  m_ZMesaj1->Close();
  m_ZMesaj1->SQL()->SetText(kSelectMessages);
  m_ZMesaj1->ParamByName("pAlan")->SetAsString(nickname);
  m_ZMesaj1->Open();
  if (m_ZMesaj1->RecordCount() == 0)
    return;
  std::string ids;
  for (m_ZMesaj1->First(); !m_ZMesaj1->Eof(); m_ZMesaj1->Next()) {
    Mesaj1->SetCaption(m_ZMesaj1->FieldByName("Gonderen")->AsString());
    Mesaj1->Memo1()->Lines()->Add(Mesaj1->Caption() + ":" +
                                  m_ZMesaj1->FieldByName("Mesaj")->AsString());
    if (!ids.empty())
      ids += ',';
    ids += std::to_string(m_ZMesaj1->FieldByName("Id")->AsInteger());
  }
  Mesaj1->Show();
  DeleteMessagesRead(nickname, ids);
}

void TMain1::DeleteMessagesRead(const std::string& nickname, const std::string& ids) {
  m_ZIslem1->Close();
  m_ZIslem1->SQL()->SetText(kDeleteMessages + ids + kDeleteMessagesEnd);
  m_ZIslem1->ParamByName("pAlan")->SetAsString(nickname);
  m_ZIslem1->ExecSQL();
}
