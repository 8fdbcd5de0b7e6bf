// The options dialog: the legacy user table's row of the logged-in user in
// four data-aware edit boxes, bound to the main window's DataSource1.
// "Tamam" writes an edit and closes; closing drops an edit not written and
// switches the poll on again.
//
// Classes in this file: TSecenekler1.
#pragma once

#include "platform/controls/Forms.h"
#include "platform/rtl/UnitStartup.h"

class TSecenekler1 : public TForm {
  OBJECT_CLASS(TSecenekler1, TForm)
public:
  static void Publish(TPublisher& p);

  explicit TSecenekler1(TComponent* owner) : TForm(owner) {}
  ~TSecenekler1() override;

  void SpeedButton1Click(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);

protected:
  void Loaded() override;
  // Opens the legacy table on the logged-in user's row as the dialog shows.
  void DoShow() override;

private:
  void OpenUserRow();
};

extern TSecenekler1* Secenekler1;

extern const TUnitInfo SeceneklerUnit;
