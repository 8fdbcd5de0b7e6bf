// The message window: the one conversation window of the messenger, with
// the history of sent and received lines above an input box. Its caption is
// the conversation's partner, to whom "Gönder" sends.
//
// Classes in this file: TMesaj1.
#pragma once

#include <string>

#include "platform/controls/Forms.h"
#include "platform/rtl/UnitStartup.h"

class TMemo;

class TMesaj1 : public TForm {
  OBJECT_CLASS(TMesaj1, TForm)
public:
  static void Publish(TPublisher& p);

  explicit TMesaj1(TComponent* owner) : TForm(owner) {}
  ~TMesaj1() override;

  TMemo* Memo1() const { return m_Memo1; }
  TMemo* Memo2() const { return m_Memo2; }

  void BitBtn1Click(TObject* Sender);
  void Memo2KeyPress(TObject* Sender, char& Key);

protected:
  void Loaded() override;

private:
  void InsertMessage(const std::string& sender, const std::string& text);

  TMemo* m_Memo1 = nullptr;
  TMemo* m_Memo2 = nullptr;
};

extern TMesaj1* Mesaj1;

extern const TUnitInfo MesajUnit;
