#include "app/Mesaj.h"

#include "app/FormComponents.h"
#include "app/Main.h"
#include "platform/controls/Application.h"
#include "platform/controls/Timers.h"
#include "platform/db/ZDataset.h"
#include "platform/objects/PropertyRegistry.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/StdCtrls.h"

TMesaj1* Mesaj1 = nullptr;

namespace {

constexpr char kInsertMessage[] =
    "INSERT INTO `msg_mesaj` SET `Gonderen`=:pGon, `Alan`=:pAl, `Mesaj`=:pMesaj, "
    "`Tarih`='Now', `Durum`='Online'";

void RegisterMesajClasses() {
  RegisterClasses({TMemo::StaticClass(), TBitBtn::StaticClass()});
}

} // namespace

const TUnitInfo MesajUnit{"Mesaj", RegisterMesajClasses, nullptr};

void TMesaj1::Publish(TPublisher& p) {
  p.Method("BitBtn1Click", &TMesaj1::BitBtn1Click);
  p.Method("Memo2KeyPress", &TMesaj1::Memo2KeyPress);
}

TMesaj1::~TMesaj1() {
  if (Mesaj1 == this)
    Mesaj1 = nullptr;
}

void TMesaj1::Loaded() {
  inherited::Loaded();
  m_Memo1 = FormComponent<TMemo>(this, "Memo1");
  m_Memo2 = FormComponent<TMemo>(this, "Memo2");
}

// Sends the input box's text, as the session's user, to the partner the
// caption names. With nobody logged in it does nothing. When the insert
// fails, the line stays in the history and the text in the input box, and
// the error is shown. Either way the poll goes on afterwards: a send that
// failed must not stop the messages addressed to the user.
void TMesaj1::BitBtn1Click(TObject*) {
  const std::optional<TSessionUser>& user = Main1->SessionUser();
  if (!user)
    return;
  const std::string text = m_Memo2->Text();
  m_Memo1->Lines()->Add(user->Nickname + ":" + text);
  Main1->Timer1()->SetEnabled(false);
  try {
    InsertMessage(user->Nickname, text);
    m_Memo2->Clear();
  } catch (...) {
    Application->HandleException(this);
  }
  Main1->Timer1()->SetEnabled(true);
}

void TMesaj1::InsertMessage(const std::string& sender, const std::string& text) {
  TZQuery* command = Main1->ZIslem1();
  command->Close();
  command->SQL()->SetText(kInsertMessage);
  command->ParamByName("pGon")->SetAsString(sender);
  command->ParamByName("PAl")->SetAsString(Caption());
  command->ParamByName("pMesaj")->SetAsString(text);
  command->ExecSQL();
}

// Enter sends, and is not typed into the input box.
void TMesaj1::Memo2KeyPress(TObject* Sender, char& Key) {
  if (Key != '\r')
    return;
  Key = 0;
  BitBtn1Click(Sender);
}
