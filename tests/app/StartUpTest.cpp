// The program's start: the five forms made hidden, in order, from their
// definitions, with the captions, menu and connection settings those give.
#include "tests/app/MessengerTestSupport.h"

#include "app/Hesapac.h"
#include "app/Main.h"
#include "app/Mesaj.h"
#include "app/Oturumac.h"
#include "app/Secenekler.h"
#include "platform/controls/Menus.h"
#include "platform/db/ZConnection.h"
#include "platform/objects/PropertyRegistry.h"

namespace messenger_test {
namespace {

using StartUpTest = TMessengerTest;

TEST_F(StartUpTest, TheFormsAreMadeHiddenInOrderAndTheFirstIsTheMainForm) {
  const struct {
    TCustomForm* form;
    const char* name;
    const char* caption;
  } expected[] = {
      {Main1, "Main1", "Main1"},
      {OturumAc1, "OturumAc1", "Oturum A\xE7"},
      {Mesaj1, "Mesaj1", "Mesaj1"},
      {HesapAc1, "HesapAc1", "Hesap A\xE7"},
      {Secenekler1, "Secenekler1", "Secenekler1"},
  };
  std::vector<TComponent*> forms;
  for (int i = 0; i < Application->ComponentCount(); ++i)
    if (Is<TCustomForm>(Application->Components(i)))
      forms.push_back(Application->Components(i));
  ASSERT_EQ(forms.size(), std::size(expected));
  for (std::size_t i = 0; i < forms.size(); ++i) {
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(forms[i], expected[i].form);
    EXPECT_EQ(expected[i].form->Name(), expected[i].name);
    EXPECT_EQ(expected[i].form->Caption(), expected[i].caption);
    EXPECT_FALSE(expected[i].form->Visible());
  }
  EXPECT_EQ(Application->MainForm(), Main1);
}

// Every item of the main menu with its caption and the handler it runs.
std::vector<std::string> MenuLines(TMenuItem* parent, const std::string& indent) {
  std::vector<std::string> lines;
  for (int i = 0; i < parent->Count(); ++i) {
    TMenuItem* item = parent->Items(i);
    TNotifyEvent onClick = item->OnClick();
    lines.push_back(indent + item->Name() + " '" + item->Caption() + "' " +
                    GetMethodName(Main1, &onClick, typeid(TNotifyEvent)));
    for (const std::string& line : MenuLines(item, indent + "  "))
      lines.push_back(line);
  }
  return lines;
}

TEST_F(StartUpTest, TheMainMenuHasItsCaptionsAndHandlers) {
  const std::vector<std::string> expected = {
      "Dosya1 'Dosya' ",
      "  OturumA1 'Oturum A\xE7' OturumA1Click",
      "  OturumuKapat1 'Oturumu Kapat' OturumuKapat1Click",
      "  N1 '-' ",
      "  Durumum1 'Durumum' ",
      "    evrimii1 '\xC7" "evrimi\xE7i' evrimii1Click",
      "    Darda1 'D\xFD\xFE" "arda' Darda1Click",
      "    RCKullanmayaGitti1 'RC Kullanmaya Gitti' RCKullanmayaGitti1Click",
      "    SexYapyo1 '... Yap\xFDyo' SexYapyo1Click",
      "    Uyuyor1 'Uyuyor' Uyuyor1Click",
      "    BilgisayarAkKald1 'Bilgisayar A\xE7\xFDk Kald\xFD' BilgisayarAkKald1Click",
      "    evrimd1 '\xC7" "evrimd\xFD\xFE\xFD' evrimd1Click",
      "Kiiler1 'Ki\xFEiler' ",
      "  KiiEkle1 'Ki\xFEi Ekle' ",
      "Aralar1 'Ara\xE7lar' ",
      "  Seenekler1 'Se\xE7" "enekler' Seenekler1Click",
  };
  ASSERT_TRUE(Main1->Menu());
  EXPECT_EQ(MenuLines(Main1->Menu()->Items(), ""), expected);
}

// The connection settings live in the main window's definition only.
TEST_F(StartUpTest, TheConnectionSettingsComeFromTheMainWindowsDefinition) {
  TZConnection* connection = Main1->ZConnection1();
  EXPECT_EQ(DefinedHostName(), "127.0.0.1");
  EXPECT_EQ(DefinedPort(), 0);
  EXPECT_EQ(connection->Protocol(), "mysql-4.1");
  EXPECT_EQ(connection->Database(), "vorlendi_db");
  EXPECT_EQ(connection->Catalog(), "vorlendi_db");
  EXPECT_EQ(connection->User(), "vorlendi");
  EXPECT_EQ(connection->Password(), "Tun8rQwzEk3M");
  EXPECT_FALSE(connection->LoginPrompt());
  EXPECT_TRUE(connection->AutoCommit());
  EXPECT_FALSE(connection->Connected());
}

} // namespace
} // namespace messenger_test
