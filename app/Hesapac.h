// The account form, opened modally from the log-in form's "Yeni Hesap Aç"
// link: a new user's nickname, password twice, full name and e-mail address
// in five of the library's text editors, read through their window text
// (the form never writes them), and the button that makes the account of
// them. A refusal is shown and puts the focus into the field to fix; the
// fields keep their text. Closing the form switches the poll on again.
//
// Classes in this file: THesapAc1.
#pragma once

#include "app/NewAccount.h"
#include "platform/controls/Forms.h"
#include "platform/rtl/UnitStartup.h"

class THesapAc1 : public TForm {
  OBJECT_CLASS(THesapAc1, TForm)
public:
  static void Publish(TPublisher& p);

  explicit THesapAc1(TComponent* owner) : TForm(owner) {}
  ~THesapAc1() override;

  // The entry field of one text of the account.
  TWinControl* Field(TAccountField field) const;

  void SpeedButton1Click(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);

protected:
  void Loaded() override;

private:
  // The texts of the five fields, as the fields hold them.
  TNewAccount TypedAccount() const;

  // The fields in the order of TAccountField.
  TWinControl* m_fields[5] = {};
};

extern THesapAc1* HesapAc1;

extern const TUnitInfo HesapacUnit;
