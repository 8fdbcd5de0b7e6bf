#include "app/Main.h"

#include "app/FormComponents.h"
#include "app/Mesaj.h"
#include "app/Oturumac.h"
#include "app/Secenekler.h"
#include "platform/comctrls/ComCtrls.h"
#include "platform/comctrls/TrayIcon.h"
#include "platform/controls/Menus.h"
#include "platform/controls/Timers.h"
#include "platform/db/DataSource.h"
#include "platform/db/DatabaseClasses.h"
#include "platform/db/ZConnection.h"
#include "platform/db/ZDataset.h"
#include "platform/dbctrls/DBGrids.h"
#include "platform/objects/PropertyRegistry.h"

TMain1* Main1 = nullptr;

namespace {

constexpr char kSelectUsers[] = "Select * From `msg_kimlik` ";
constexpr char kMarkOffline[] = "UPDATE `msg_kimlik` SET `Durum`=:pDurum WHERE `Id`=:pId";

void RegisterMainClasses() {
  RegisterDatabaseClasses();
  RegisterClasses({TDBGrid::StaticClass(), TStatusBar::StaticClass(), TTimer::StaticClass(),
                   TMainMenu::StaticClass(), TMenuItem::StaticClass(),
                   TTrayIcon::StaticClass()});
}

} // namespace

const TUnitInfo MainUnit{"Main", RegisterMainClasses, nullptr};

void TMain1::Publish(TPublisher& p) {
  p.Method("FormActivate", &TMain1::FormActivate);
  p.Method("FormClose", &TMain1::FormClose);
  p.Method("OturumA1Click", &TMain1::OturumA1Click);
  p.Method("OturumuKapat1Click", &TMain1::OturumuKapat1Click);
  p.Method("Seenekler1Click", &TMain1::Seenekler1Click);
  p.Method("DBGrid1DblClick", &TMain1::DBGrid1DblClick);
  p.Method("ZConnection1AfterConnect", &TMain1::ZConnection1AfterConnect);
  p.Method("ZConnection1AfterDisconnect", &TMain1::ZConnection1AfterDisconnect);
  p.Method("Timer1Timer", &TMain1::Timer1Timer);
  p.Method("evrimii1Click", &TMain1::evrimii1Click);
  p.Method("Darda1Click", &TMain1::Darda1Click);
  p.Method("RCKullanmayaGitti1Click", &TMain1::RCKullanmayaGitti1Click);
  p.Method("SexYapyo1Click", &TMain1::SexYapyo1Click);
  p.Method("Uyuyor1Click", &TMain1::Uyuyor1Click);
  p.Method("BilgisayarAkKald1Click", &TMain1::BilgisayarAkKald1Click);
  p.Method("evrimd1Click", &TMain1::evrimd1Click);
}

TMain1::~TMain1() {
  if (Main1 == this)
    Main1 = nullptr;
}

void TMain1::Loaded() {
  inherited::Loaded();
  m_ZConnection1 = FormComponent<TZConnection>(this, "ZConnection1");
  m_ZKimlik1 = FormComponent<TZQuery>(this, "ZKimlik1");
  m_ZMesaj1 = FormComponent<TZQuery>(this, "ZMesaj1");
  m_ZIslem1 = FormComponent<TZQuery>(this, "ZIslem1");
  m_ZTable1 = FormComponent<TZTable>(this, "ZTable1");
  m_DataSource1 = FormComponent<TDataSource>(this, "DataSource1");
  m_DBGrid1 = FormComponent<TDBGrid>(this, "DBGrid1");
  m_Timer1 = FormComponent<TTimer>(this, "Timer1");
}

void TMain1::LoadUserList() {
  m_ZKimlik1->Close();
  m_ZKimlik1->SQL()->SetText(kSelectUsers);
  m_ZKimlik1->Open();
}

// Every time the main window becomes the active form, the log-in form opens
// over it; not while the program is being taken down.
void TMain1::FormActivate(TObject*) {
  if (ComponentState().Contains(TComponentStateItem::csDestroying))
    return;
  OturumAc1->ShowModal();
}

void TMain1::FormClose(TObject* Sender, TCloseAction&) { OturumuKapat1Click(Sender); }

void TMain1::OturumA1Click(TObject*) { OturumAc1->ShowModal(); }

// Closes the user list, marks the user offline, ends the session and
// disconnects. Without a connection it sends nothing.
void TMain1::OturumuKapat1Click(TObject*) {
  m_ZKimlik1->Close();
  RecordLogOff();
  m_sessionUser.reset();
  if (m_ZConnection1->Connected())
    m_ZConnection1->Disconnect();
}

// Marks the session's own row offline, by its Id. The log-off goes on
// whatever the server answers: the disconnect and the closing of the
// program must follow.
void TMain1::RecordLogOff() {
  if (!m_sessionUser || !m_ZConnection1->Connected())
    return;
  try {
    m_ZIslem1->Close();
    m_ZIslem1->SQL()->SetText(kMarkOffline);
    m_ZIslem1->ParamByName("pDurum")->SetAsString(kOffline);
    m_ZIslem1->ParamByName("pId")->SetAsInteger(m_sessionUser->Id);
    m_ZIslem1->ExecSQL();
  } catch (const Exception&) {
  }
}

void TMain1::Seenekler1Click(TObject*) { Secenekler1->ShowModal(); }

// Opens the conversation with the user of the row clicked, when that user
// is online.
void TMain1::DBGrid1DblClick(TObject*) {
  if (m_ZKimlik1->FieldByName("Durum")->AsString() != kOnline)
    return;
  Mesaj1->SetCaption(m_ZKimlik1->FieldByName("TakmaAd")->AsString());
  Mesaj1->Show();
}

void TMain1::ZConnection1AfterConnect(TObject*) { LoadUserList(); }

void TMain1::ZConnection1AfterDisconnect(TObject*) {
  m_Timer1->SetEnabled(false);
  m_ZKimlik1->Close();
  m_ZMesaj1->Close();
}
