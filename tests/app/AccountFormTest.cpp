// The account form as a person sees and uses it.
#include "tests/app/MessengerTestSupport.h"

#include "app/Hesapac.h"
#include "app/Main.h"
#include "app/Oturumac.h"
#include "editors/cxTextEdit.h"
#include "platform/controls/Timers.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "tests/support/Pixels.h"

namespace messenger_test {
namespace {

constexpr TColor kMarkRed = 0x0000FF;
constexpr TColor kMarkDarkRed = 0x000080;
constexpr TColor kMarkBackground = 0xFF00FF;

const std::string kAccountOpened = "Hesab\xFDn\xFDz A\xE7\xFDlm\xFD\xFEt\xFDr.";

class AccountFormTest : public TMessengerTest {
protected:
  // Opens the account form from the log-in form's link, as a person does,
  // and runs 'whileOpen' while it is open; then 'inLogIn' runs in the log-in
  // form.
  void WithAccountForm(
      const std::function<void()>& whileOpen, const std::function<void()>& inLogIn = [] {}) {
    ShowMainWindow([&] {
      WhileModal(
          HesapAc1, [this] { ClickToOpen(As<TControl>(OturumAc1->FindComponent("Label1"))); },
          whileOpen);
      inLogIn();
    });
  }

  // Types the texts into the emptied fields: a click into the first, then
  // Tab from field to field.
  void FillIn(const TNewAccount& account) {
    const std::string texts[] = {account.Nickname, account.Password, account.Confirmation,
                                 account.FullName, account.EMail};
    for (int i = 0; i < 5; ++i)
      Field(i)->SetText("");
    TypeInto(Field(0), texts[0]);
    for (int i = 1; i < 5; ++i) {
      controls_test::PressKey(VK_TAB);
      Type(texts[i]);
      EXPECT_TRUE(HasFocus(Field(i))) << "field " << i + 1;
    }
  }

  static TWinControl* Field(int index) {
    return HesapAc1->Field(static_cast<TAccountField>(index));
  }

  // Whether the keyboard focus is in the field (or in a window inside it).
  static bool HasFocus(TWinControl* field) {
    const HWND focus = ::GetFocus();
    return focus && (focus == field->Handle() || ::IsChild(field->Handle(), focus));
  }

  void ClickHesapAc() { Click(As<TControl>(HesapAc1->FindComponent("SpeedButton1"))); }

  int UserCount() { return std::stoi(Run("SELECT COUNT(*) FROM msg_kimlik").value()); }

  // The form's client area as it paints itself.
  void PaintForm(TBitmap* bitmap) {
    bitmap->SetPixelFormat(TPixelFormat::pf32bit);
    bitmap->SetSize(HesapAc1->ClientWidth(), HesapAc1->ClientHeight());
    const auto dc = reinterpret_cast<WPARAM>(bitmap->Canvas()->Handle());
    bitmap->Canvas()->Changing();
    HesapAc1->Perform(WM_ERASEBKGND, dc);
    HesapAc1->Perform(WM_PAINT, dc);
    bitmap->Canvas()->Changed();
  }
};

// The three marker buttons show one 16 by 16 picture of 8 bits a pixel, a
// red asterisk on the transparent colour, centred on each button.
TEST_F(AccountFormTest, TheMarkersShowTheMandatoryMark) {
  TOwned<TBitmap> picture(Create<TBitmap>());
  HesapAc1->HandleNeeded();
  PaintForm(picture.get());
  for (const char* name : {"SpeedButton2", "SpeedButton3", "SpeedButton5"}) {
    SCOPED_TRACE(name);
    auto* marker = As<TSpeedButton>(HesapAc1->FindComponent(name));
    EXPECT_TRUE(marker->Flat());
    TBitmap* glyph = marker->Glyph();
    EXPECT_EQ(glyph->Width(), 16);
    EXPECT_EQ(glyph->Height(), 16);
    EXPECT_EQ(glyph->PixelFormat(), TPixelFormat::pf8bit);
    EXPECT_EQ(glyph->TransparentColor(), kMarkBackground);
    const TRect bounds = marker->BoundsRect();
    EXPECT_EQ(CountPixels(picture.get(), bounds, kMarkRed), 40);
    EXPECT_EQ(CountPixels(picture.get(), bounds, kMarkDarkRed), 16);
    EXPECT_EQ(CountPixels(picture.get(), bounds, kMarkBackground), 0);
    // The asterisk's middle, at the picture's (7, 7), the picture 4 pixels
    // in from the button's top left corner.
    EXPECT_EQ(picture->Canvas()->Pixels(bounds.Left + 11, bounds.Top + 11), kMarkRed);
  }
}

// The five fields are the library's text editors where the form places
// them, in their tab order; the password field's style has its shadow
// assigned off, the default look.
TEST_F(AccountFormTest, TheFieldsStandInTheirPlacesAndTabOrder) {
  const struct {
    int left, top, width;
  } places[] = {{104, 32, 193}, {104, 56, 81}, {104, 80, 81}, {104, 104, 193}, {104, 128, 193}};
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(Field(i)->Left(), places[i].left);
    EXPECT_EQ(Field(i)->Top(), places[i].top);
    EXPECT_EQ(Field(i)->Width(), places[i].width);
    EXPECT_EQ(Field(i)->TabOrder(), i);
    auto* editor = As<TcxTextEdit>(Field(i));
    EXPECT_FALSE(editor->GetStyle()->GetShadow());
    EXPECT_EQ(editor->GetStyle()->IsShadowStored(), i == 1);
  }
}

// A newcomer fills in the form, gets the account, and logs in with it.
TEST_F(AccountFormTest, ANewUserCreatesAnAccountAndLogsInWithIt) {
  const TNewAccount account{NewNickname("zeynep"), "gizli'\xFE", "gizli'\xFE",
                            "Zeynep \xC7"
                            "elik \\ \"Z\"",
                            "zeynep@example.com"};
  const int before = UserCount();
  WithAccountForm(
      [&] {
        EXPECT_FALSE(Main1->Timer1()->Enabled());
        FillIn(account);
        ClearStatements();
        ClickHesapAc();
        EXPECT_EQ(m_boxes.size(), 1u);
        EXPECT_EQ(m_boxes[0].Text, kAccountOpened);
        EXPECT_EQ(HesapAc1->ModalResult(), mrCancel) << "the form closes";
        EXPECT_EQ(Statements(),
                  std::vector<std::string>{
                      "INSERT INTO `msg_kimlik` SET `TakmaAd`=" + Quoted(account.Nickname) +
                      ", `AdSoyad`=" + Quoted(account.FullName) + ", `Parola`=" +
                      Quoted(account.Password) + ", `E-Posta`=" + Quoted(account.EMail) + " "});
      },
      [&] {
        EXPECT_FALSE(HesapAc1->Visible());
        EXPECT_TRUE(Main1->Timer1()->Enabled());
        // The display has no window manager to give the keyboard back to
        // the log-in form once the account form is gone.
        ::SetForegroundWindow(OturumAc1->Handle());
        TypeLogIn(account.Nickname, account.Password);
      });
  EXPECT_EQ(UserCount(), before + 1);
  ASSERT_TRUE(Main1->SessionUser());
  EXPECT_EQ(Main1->SessionUser()->Nickname, account.Nickname);
  EXPECT_EQ(Run("SELECT CONCAT_WS('|', AdSoyad, Parola, `E-Posta`) FROM msg_kimlik WHERE "
                "TakmaAd=BINARY " +
                Quoted(account.Nickname)),
            account.FullName + "|" + account.Password + "|" + account.EMail);
  EXPECT_EQ(m_boxes.size(), 1u);
}

// Each refusal is shown, puts the focus into the field to fix and writes
// nothing; the form stays open with every field as typed.
TEST_F(AccountFormTest, ARefusalFocusesItsFieldAndWritesNothing) {
  const std::string nickname = NewNickname("emre");
  const struct {
    const char* what;
    TNewAccount account;
    std::string message;
    int field;
  } cases[] = {
      {"no nickname, passwords differ",
       {"", "bir", "iki", "Ad", ""},
       "Kullan\xFD"
       "c\xFD ad\xFD girilmedi!",
       0},
      {"letter case differs",
       {nickname, "Gizli", "gizli", "", ""},
       "Parola do\xF0rulama hatal\xFD yeniden giriniz.",
       1},
      {"nickname of 51",
       {std::string(51, 'n'), "", "", "", ""},
       "Kullan\xFD"
       "c\xFD ad\xFD \xE7ok uzun, en fazla 50 karakter giriniz.",
       0},
      {"password of 21",
       {nickname, std::string(21, 'p'), std::string(21, 'p'), "", ""},
       "Parola \xE7ok uzun, en fazla 20 karakter giriniz.",
       1},
      {"full name of 201",
       {nickname, "", "", std::string(201, '\xFD'), ""},
       "Uzun isim \xE7ok uzun, en fazla 200 karakter giriniz.",
       3},
      {"e-mail of 101",
       {nickname, "", "", "", std::string(101, 'e')},
       "E-Posta \xE7ok uzun, en fazla 100 karakter giriniz.",
       4},
  };
  const int before = UserCount();
  WithAccountForm([&] {
    for (const auto& c : cases) {
      SCOPED_TRACE(c.what);
      m_boxes.clear();
      FillIn(c.account);
      ClearStatements();
      ClickHesapAc();
      ASSERT_EQ(m_boxes.size(), 1u);
      EXPECT_EQ(m_boxes[0].Text, c.message);
      EXPECT_TRUE(HasFocus(Field(c.field)));
      EXPECT_TRUE(HesapAc1->Visible());
      EXPECT_EQ(Field(0)->Text(), c.account.Nickname);
      EXPECT_EQ(Field(2)->Text(), c.account.Confirmation);
      EXPECT_EQ(Field(3)->Text(), c.account.FullName);
      EXPECT_TRUE(Statements().empty());
      EXPECT_EQ(UserCount(), before);
    }
  });
}

// The server refuses a nickname that is taken: its error is shown, nothing
// is written, and the form stays open with the poll off.
TEST_F(AccountFormTest, ATakenNicknameShowsTheServersError) {
  const std::string taken = AddUser("selin", "eski");
  const int before = UserCount();
  WithAccountForm([&] {
    FillIn({taken, "yeni", "yeni", "Selin", ""});
    ClickHesapAc();
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_TRUE(m_boxes[0].Text.starts_with("SQL Error: Duplicate entry")) << m_boxes[0].Text;
    EXPECT_TRUE(HesapAc1->Visible());
    EXPECT_FALSE(Main1->Timer1()->Enabled());
  });
  EXPECT_EQ(UserCount(), before);
}

// Closed without an account, the form writes nothing and switches the poll
// on; its fields show their text again the next time.
TEST_F(AccountFormTest, ClosingWithoutAnAccountKeepsTheTexts) {
  const std::string nickname = NewNickname("kerem");
  const int before = UserCount();
  WithAccountForm(
      [&] {
        FillIn({nickname, "a", "a", "Kerem", "k@example.com"});
        ::PostMessageW(HesapAc1->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(PumpUntil([] { return HesapAc1->ModalResult() == mrCancel; }));
      },
      [&] {
        EXPECT_TRUE(Main1->Timer1()->Enabled());
        WhileModal(
            HesapAc1, [this] { ClickToOpen(As<TControl>(OturumAc1->FindComponent("Label1"))); },
            [&] {
              EXPECT_EQ(Field(0)->Text(), nickname);
              EXPECT_EQ(Field(4)->Text(), "k@example.com");
            });
      });
  EXPECT_EQ(UserCount(), before);
  EXPECT_TRUE(m_boxes.empty());
}

} // namespace
} // namespace messenger_test
