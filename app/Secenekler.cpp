#include "app/Secenekler.h"

#include "app/FormComponents.h"
#include "app/Main.h"
#include "platform/comctrls/ComCtrls.h"
#include "platform/controls/Timers.h"
#include "platform/db/DataSource.h"
#include "platform/db/ZConnection.h"
#include "platform/db/ZDataset.h"
#include "platform/dbctrls/DBCtrls.h"
#include "platform/objects/PropertyRegistry.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/StdCtrls.h"

TSecenekler1* Secenekler1 = nullptr;

namespace {

constexpr const char* kEditNames[] = {"DBEdit1", "DBEdit2", "DBEdit3", "DBEdit6"};

void RegisterSeceneklerClasses() {
  RegisterClasses({TPageControl::StaticClass(), TTabSheet::StaticClass(), TLabel::StaticClass(),
                   TDBEdit::StaticClass(), TSpeedButton::StaticClass()});
}

} // namespace

const TUnitInfo SeceneklerUnit{"Secenekler", RegisterSeceneklerClasses, nullptr};

void TSecenekler1::Publish(TPublisher& p) {
  p.Method("SpeedButton1Click", &TSecenekler1::SpeedButton1Click);
  p.Method("FormClose", &TSecenekler1::FormClose);
}

TSecenekler1::~TSecenekler1() {
  if (Secenekler1 == this)
    Secenekler1 = nullptr;
}

// The edit boxes show the main window's DataSource1.
void TSecenekler1::Loaded() {
  inherited::Loaded();
  for (const char* name : kEditNames)
    FormComponent<TDBEdit>(this, name)->SetDataSource(Main1->DataSource1());
}

void TSecenekler1::DoShow() {
  OpenUserRow();
  inherited::DoShow();
}

// The row whose User is the logged-in nickname; with nobody logged in, no
// connection or no such row the table stays closed, and the edit boxes
// empty and read-only.
void TSecenekler1::OpenUserRow() {
  TZTable* table = Main1->ZTable1();
  table->Close();
  const std::optional<TSessionUser>& user = Main1->SessionUser();
  if (!user || !Main1->ZConnection1()->Connected())
    return;
  table->Open();
  for (table->First(); !table->Eof(); table->Next())
    if (table->FieldByName("User")->AsString() == user->Nickname)
      return;
  table->Close();
}

// Writes the edit, when there is one, and closes.
void TSecenekler1::SpeedButton1Click(TObject*) {
  TZTable* table = Main1->ZTable1();
  if (table->State() == TDataSetState::dsEdit || table->State() == TDataSetState::dsInsert)
    table->Post();
  Close();
}

void TSecenekler1::FormClose(TObject*, TCloseAction&) {
  Main1->Timer1()->SetEnabled(true);
  Main1->ZTable1()->Cancel();
}
