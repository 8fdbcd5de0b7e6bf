// The account form, opened modally from the log-in form's "Yeni Hesap Aç"
// link: its frame, labels, mandatory-field markers and legend. Its five
// entry fields are the control library's text editors, which come with that
// library; until then the form has no fields and creates no account.
// Closing it switches the poll on again.
//
// Classes in this file: THesapAc1.
#pragma once

#include "platform/controls/Forms.h"
#include "platform/rtl/UnitStartup.h"

class THesapAc1 : public TForm {
  OBJECT_CLASS(THesapAc1, TForm)
public:
  static void Publish(TPublisher& p);

  explicit THesapAc1(TComponent* owner) : TForm(owner) {}
  ~THesapAc1() override;

  void FormClose(TObject* Sender, TCloseAction& Action);

protected:
  void Loaded() override;
};

extern THesapAc1* HesapAc1;

extern const TUnitInfo HesapacUnit;
