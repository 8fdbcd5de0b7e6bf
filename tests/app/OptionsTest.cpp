// The options dialog: the logged-in user's row of the legacy table, written
// by "Tamam", dropped by closing.
#include "tests/app/MessengerTestSupport.h"

#include "app/Main.h"
#include "app/Secenekler.h"
#include "platform/controls/Menus.h"
#include "platform/controls/Timers.h"
#include "platform/db/ZDataset.h"
#include "platform/dbctrls/DBCtrls.h"
#include "platform/stdctrls/Buttons.h"

namespace messenger_test {
namespace {

class OptionsTest : public TMessengerTest {
protected:
  void OpenOptions(const std::function<void()>& whileOpen) {
    WhileModal(
        Secenekler1,
        [this] { ChooseMenuItem(As<TMenuItem>(Main1->FindComponent("Seenekler1"))); },
        whileOpen);
  }
  TDBEdit* Edit(const char* name) { return As<TDBEdit>(Secenekler1->FindComponent(name)); }
  void ClickTamam() {
    Click(As<TControl>(Secenekler1->FindComponent("SpeedButton1")));
  }
  void Retype(TDBEdit* edit, const std::string& text) {
    Click(edit);
    edit->SelectAll();
    Type(text);
  }
};

TEST_F(OptionsTest, TamamWritesTheEditOfTheUsersLegacyRow) {
  const std::string me = AddUser("pelin", "1");
  const long long id = AddLegacyRow(me, "Eski Ad");
  LogIn(me, "1");
  OpenOptions([&] {
    EXPECT_EQ(Edit("DBEdit1")->Text(), me);
    EXPECT_EQ(Edit("DBEdit2")->Text(), "eski");
    EXPECT_EQ(Edit("DBEdit3")->Text(), "Eski Ad");
    EXPECT_EQ(Edit("DBEdit6")->Text(), "eski@example.com");
    Retype(Edit("DBEdit3"), "Yeni \xDDsim");
    ClearStatements();
    ClickTamam();
    EXPECT_NE(Secenekler1->ModalResult(), mrNone);
  });
  EXPECT_EQ(LegacyName(id), "Yeni \xDDsim");
  EXPECT_EQ(Statements(), std::vector<std::string>{
                              "UPDATE `torvane_mycon`.`quillpost` SET `Name`='Yeni \xDDsim' "
                              "WHERE `id`=" + std::to_string(id)});
  EXPECT_TRUE(Main1->Timer1()->Enabled());
}

// With nobody logged in, or no legacy row of the user's name, the fields
// stay empty and take no typing, and "Tamam" only closes.
TEST_F(OptionsTest, WithoutTheUsersRowTheFieldsStayEmpty) {
  for (const bool loggedIn : {false, true}) {
    SCOPED_TRACE(loggedIn ? "logged in, no row" : "nobody logged in");
    if (loggedIn)
      LogIn(AddUser("rana", "1"), "1");
    else
      ShowMainWindow([] {});
    OpenOptions([&] {
      EXPECT_FALSE(Main1->ZTable1()->Active());
      TypeInto(Edit("DBEdit3"), "yaz");
      EXPECT_EQ(Edit("DBEdit3")->Text(), "");
      ClearStatements();
      ClickTamam();
      EXPECT_NE(Secenekler1->ModalResult(), mrNone);
      EXPECT_TRUE(Statements().empty());
      EXPECT_TRUE(m_boxes.empty());
    });
    EXPECT_TRUE(Main1->Timer1()->Enabled());
  }
}

// Closing without "Tamam" drops the edit.
TEST_F(OptionsTest, ClosingDropsAnEditNotWritten) {
  const std::string me = AddUser("selin", "1");
  const long long id = AddLegacyRow(me, "Eski Ad");
  LogIn(me, "1");
  Main1->Timer1()->SetEnabled(false);
  OpenOptions([&] {
    Retype(Edit("DBEdit3"), "Yeni");
    EXPECT_EQ(Main1->ZTable1()->State(), TDataSetState::dsEdit);
    Secenekler1->Close();
  });
  EXPECT_EQ(Main1->ZTable1()->State(), TDataSetState::dsBrowse);
  EXPECT_EQ(LegacyName(id), "Eski Ad");
  EXPECT_TRUE(Main1->Timer1()->Enabled());
}

} // namespace
} // namespace messenger_test
