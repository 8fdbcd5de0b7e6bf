#include "app/Hesapac.h"

#include "app/FormComponents.h"
#include "app/Main.h"
#include "editors/cxTextEdit.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Timers.h"
#include "platform/db/ZDataset.h"
#include "platform/objects/PropertyRegistry.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/ExtCtrls.h"

THesapAc1* HesapAc1 = nullptr;

namespace {

// The marker buttons beside the fields that must be filled in and in front
// of the legend.
constexpr const char* kMarkerNames[] = {"SpeedButton2", "SpeedButton3", "SpeedButton5"};

// The entry fields in the order of TAccountField: nickname, password, its
// confirmation, full name, e-mail address.
constexpr const char* kFieldNames[] = {"cxTextEdit1", "cxTextEdit2", "cxTextEdit3",
                                       "cxTextEdit4", "cxTextEdit5"};

void RegisterHesapacClasses() {
  RegisterClasses({TBevel::StaticClass(), TLabel::StaticClass(), TSpeedButton::StaticClass(),
                   TcxTextEdit::StaticClass()});
}

} // namespace

const TUnitInfo HesapacUnit{"Hesapac", RegisterHesapacClasses, nullptr};

void THesapAc1::Publish(TPublisher& p) {
  p.Method("SpeedButton1Click", &THesapAc1::SpeedButton1Click);
  p.Method("FormClose", &THesapAc1::FormClose);
}

THesapAc1::~THesapAc1() {
  if (HesapAc1 == this)
    HesapAc1 = nullptr;
}

// Finds the entry fields; the marker buttons show the program's mark of a
// mandatory field.
void THesapAc1::Loaded() {
  inherited::Loaded();
  for (std::size_t i = 0; i < std::size(kFieldNames); ++i)
    m_fields[i] = FormComponent<TWinControl>(this, kFieldNames[i]);
  TOwned<TBitmap> mark(Create<TBitmap>());
  mark->LoadFromResourceName(nullptr, "MANDATORYMARK");
  for (const char* name : kMarkerNames)
    FormComponent<TSpeedButton>(this, name)->SetGlyph(mark.get());
}

TWinControl* THesapAc1::Field(TAccountField field) const {
  return m_fields[static_cast<std::size_t>(field)];
}

TNewAccount THesapAc1::TypedAccount() const {
  return {Field(TAccountField::Nickname)->Text(), Field(TAccountField::Password)->Text(),
          Field(TAccountField::Confirmation)->Text(), Field(TAccountField::FullName)->Text(),
          Field(TAccountField::EMail)->Text()};
}

// Makes the account of the typed texts. A refusal is shown and focuses the
// field to fix; a database error (a nickname taken among them) reaches the
// error box and leaves the form open.
void THesapAc1::SpeedButton1Click(TObject*) {
  if (const std::optional<TAccountRefusal> refusal =
          CreateNewAccount(Main1->ZIslem1(), TypedAccount())) {
    ShowMessage(refusal->Message);
    Field(refusal->Field)->SetFocus();
    return;
  }
  ShowMessage(kAccountOpened);
  Close();
}

void THesapAc1::FormClose(TObject*, TCloseAction&) {
  Main1->ZTable1()->Cancel();
  Main1->Timer1()->SetEnabled(true);
}
