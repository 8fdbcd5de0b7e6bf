// The log-in form: checks a nickname and password against the user list,
// marks the user online and starts the session and its poll. It also leads
// to the account form and can end the program.
//
// Classes in this file: TOturumAc1.
#pragma once

#include "platform/controls/Forms.h"
#include "platform/rtl/UnitStartup.h"

class TLabeledEdit;

class TOturumAc1 : public TForm {
  OBJECT_CLASS(TOturumAc1, TForm)
public:
  static void Publish(TPublisher& p);

  explicit TOturumAc1(TComponent* owner) : TForm(owner) {}
  ~TOturumAc1() override;

  TLabeledEdit* LabeledEdit1() const { return m_LabeledEdit1; }
  TLabeledEdit* LabeledEdit2() const { return m_LabeledEdit2; }

  void SpeedButton1Click(TObject* Sender);
  void SpeedButton2Click(TObject* Sender);
  void LabeledEdit1KeyPress(TObject* Sender, char& Key);
  void LabeledEdit2KeyPress(TObject* Sender, char& Key);
  void Label1Click(TObject* Sender);
  void FormActivate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);

protected:
  void Loaded() override;

private:
  // Finds the row of the user list with exactly this nickname and password
  // and marks it online; false when there is none.
  bool MarkUserOnline(const std::string& nickname, const std::string& password);

  TLabeledEdit* m_LabeledEdit1 = nullptr;
  TLabeledEdit* m_LabeledEdit2 = nullptr;
};

extern TOturumAc1* OturumAc1;

extern const TUnitInfo OturumacUnit;
