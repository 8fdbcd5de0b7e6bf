#include "app/Oturumac.h"

#include "app/FormComponents.h"
#include "app/Hesapac.h"
#include "app/Main.h"
#include "platform/controls/Application.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Timers.h"
#include "platform/db/ZConnection.h"
#include "platform/db/ZDataset.h"
#include "platform/dbctrls/DBGrids.h"
#include "platform/objects/PropertyRegistry.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/ExtCtrls.h"

TOturumAc1* OturumAc1 = nullptr;

namespace {

constexpr char kNoUserName[] = "Kullan\xFD" "c\xFD Ad\xFD girilmedi";
constexpr char kWrongUserOrPassword[] = "Kullan\xFD" "c\xFD Ad\xFD veya Parola yanl\xFD\xFE!";

void RegisterOturumacClasses() {
  RegisterClasses({TBevel::StaticClass(), TLabel::StaticClass(), TSpeedButton::StaticClass(),
                   TLabeledEdit::StaticClass()});
}

} // namespace

const TUnitInfo OturumacUnit{"Oturumac", RegisterOturumacClasses, nullptr};

void TOturumAc1::Publish(TPublisher& p) {
  p.Method("SpeedButton1Click", &TOturumAc1::SpeedButton1Click);
  p.Method("SpeedButton2Click", &TOturumAc1::SpeedButton2Click);
  p.Method("LabeledEdit1KeyPress", &TOturumAc1::LabeledEdit1KeyPress);
  p.Method("LabeledEdit2KeyPress", &TOturumAc1::LabeledEdit2KeyPress);
  p.Method("Label1Click", &TOturumAc1::Label1Click);
  p.Method("FormActivate", &TOturumAc1::FormActivate);
  p.Method("FormClose", &TOturumAc1::FormClose);
}

TOturumAc1::~TOturumAc1() {
  if (OturumAc1 == this)
    OturumAc1 = nullptr;
}

void TOturumAc1::Loaded() {
  inherited::Loaded();
  m_LabeledEdit1 = FormComponent<TLabeledEdit>(this, "LabeledEdit1");
  m_LabeledEdit2 = FormComponent<TLabeledEdit>(this, "LabeledEdit2");
}

// The log-in. The user list is read again first, so that an account made a
// moment ago is found.
void TOturumAc1::SpeedButton1Click(TObject*) {
  const std::string nickname = m_LabeledEdit1->Text();
  if (nickname.empty()) {
    ShowMessage(kNoUserName);
    return;
  }
  TZConnection* connection = Main1->ZConnection1();
  const bool wasConnected = connection->Connected();
  connection->Connect();
  Main1->Timer1()->SetEnabled(false);
  if (wasConnected)
    Main1->LoadUserList();
  if (MarkUserOnline(nickname, m_LabeledEdit2->Text())) {
    Main1->Timer1()->SetEnabled(true);
    Close();
    return;
  }
  ShowMessage(kWrongUserOrPassword);
  connection->Disconnect();
}

bool TOturumAc1::MarkUserOnline(const std::string& nickname, const std::string& password) {
  TZQuery* users = Main1->ZKimlik1();
  for (users->First(); !users->Eof(); users->Next()) {
    if (users->FieldByName("TakmaAd")->AsString() != nickname ||
        users->FieldByName("Parola")->AsString() != password)
      continue;
    users->Edit();
    users->FieldByName("Durum")->SetAsString(kOnline);
    users->Post();
    Main1->BeginSession({users->FieldByName("Id")->AsInteger(), nickname});
    return true;
  }
  return false;
}

void TOturumAc1::SpeedButton2Click(TObject*) { Application->Terminate(); }

void TOturumAc1::LabeledEdit1KeyPress(TObject*, char& Key) {
  if (Key != '\r')
    return;
  Key = 0;
  m_LabeledEdit2->SetFocus();
}

void TOturumAc1::LabeledEdit2KeyPress(TObject* Sender, char& Key) {
  if (Key != '\r')
    return;
  Key = 0;
  SpeedButton1Click(Sender);
}

void TOturumAc1::Label1Click(TObject*) {
  Main1->ZConnection1()->Connect();
  Main1->Timer1()->SetEnabled(false);
  HesapAc1->ShowModal();
}

// The main window's user list is hidden while the log-in form is open.
void TOturumAc1::FormActivate(TObject*) { Main1->DBGrid1()->SetVisible(false); }

void TOturumAc1::FormClose(TObject*, TCloseAction&) { Main1->DBGrid1()->SetVisible(true); }
