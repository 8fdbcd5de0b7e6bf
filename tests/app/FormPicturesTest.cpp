// Pictures of the five forms as a user sees them on the screen: the log-in form with a
// nickname typed, the main window with the user list, a conversation, the
// account form filled in and the options dialog. Written as PNG files into the folder
// TEST_PICTURES names (the README's pictures in docs/screenshots are made
// this way); without it the test only renders them.
#include "tests/app/MessengerTestSupport.h"

#include "app/Hesapac.h"
#include "app/Main.h"
#include "app/Mesaj.h"
#include "app/Oturumac.h"
#include "app/Secenekler.h"
#include "platform/controls/Menus.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "platform/stdctrls/StdCtrls.h"
#include "tests/support/Pictures.h"
#include "platform/graphics/Canvas.h"

namespace messenger_test {
namespace {

class FormPicturesTest : public TMessengerTest {
protected:
  void TearDown() override {
    for (const std::string& nickname : m_shownOnline)
      SetPresence(nickname, kOfflineText);
    TMessengerTest::TearDown();
  }

  // What the screen shows of the form, frame included.
  void Picture(TCustomForm* form) {
    form->Repaint();
    Pump();
    TOwned<TBitmap> bitmap(Create<TBitmap>());
    CaptureScreen(form->Handle(), bitmap.get());
    EXPECT_EQ(bitmap->Width(), form->Width());
    EXPECT_EQ(bitmap->Height(), form->Height());
    SavePicture(bitmap.get(), form->Name());
  }

  std::vector<std::string> m_shownOnline;
};

// The demo users of the README, two of them online.
TEST_F(FormPicturesTest, EveryFormAsAUserSeesIt) {
  m_shownOnline = {"ayse", "mehmet"};
  SetPresence("mehmet", kOnlineText);
  ShowMainWindow([&] {
    TypeInto(OturumAc1->LabeledEdit1(), "ayse");
    TypeInto(OturumAc1->LabeledEdit2(), "ayse123");
    Picture(OturumAc1);
    PressEnter();
  });
  ASSERT_TRUE(Main1->SessionUser());
  Picture(Main1);

  AddMessage("mehmet", "ayse", "Merhaba Ay\xFE" "e, bu ak\xFE" "am bulu\xFEuyor muyuz?");
  Tick();
  TypeInto(Mesaj1->Memo2(), "Olur, saat yedide \xE7" "ar\xFE\xFD" "da g\xF6r\xFC\xFE\xFCz.");
  PressEnter();
  TypeInto(Mesaj1->Memo2(), "Geliyorum");
  Picture(Mesaj1);

  WhileModal(
      Secenekler1,
      [this] { ChooseMenuItem(As<TMenuItem>(Main1->FindComponent("Seenekler1"))); },
      [&] { Picture(Secenekler1); });
  WhileModal(
      OturumAc1, [this] { ChooseMenuItem(As<TMenuItem>(Main1->FindComponent("OturumA1"))); },
      [&] {
        WhileModal(
            HesapAc1,
            [&] { ClickToOpen(As<TControl>(OturumAc1->FindComponent("Label1"))); },
            [&] {
              const char* texts[] = {"zeynep", "gizli", "gizli", "Zeynep \xC7" "elik",
                                     "zeynep@example.com"};
              for (int i = 0; i < 5; ++i)
                TypeInto(HesapAc1->Field(static_cast<TAccountField>(i)), texts[i]);
              Picture(HesapAc1);
            });
      });
  Run("DELETE FROM msg_mesaj WHERE Alan='mehmet' AND Gonderen='ayse'");
}

} // namespace
} // namespace messenger_test
