// A new user's account against the test server: the checks in their order,
// texts too long for their columns, what is stored, a taken nickname, and
// logging in with the account at once.
#include "tests/app/MessengerTestSupport.h"

#include "app/Main.h"
#include "app/NewAccount.h"
#include "platform/db/ZConnection.h"
#include "platform/db/ZDataset.h"

namespace messenger_test {
namespace {

const std::string kNicknameTooLong = "Kullan\xFD"
                                     "c\xFD ad\xFD \xE7ok uzun, en fazla 50 karakter giriniz.";
const std::string kPasswordTooLong = "Parola \xE7ok uzun, en fazla 20 karakter giriniz.";
const std::string kFullNameTooLong = "Uzun isim \xE7ok uzun, en fazla 200 karakter giriniz.";
const std::string kEMailTooLong = "E-Posta \xE7ok uzun, en fazla 100 karakter giriniz.";

class NewAccountTest : public TMessengerTest {
protected:
  int UserCount() { return std::stoi(Run("SELECT COUNT(*) FROM msg_kimlik").value()); }

  // The stored row of the nickname: nickname, full name, password, e-mail.
  std::vector<std::string> StoredAccount(const std::string& nickname) {
    const std::string where = " FROM msg_kimlik WHERE TakmaAd=BINARY " + Quoted(nickname);
    std::vector<std::string> row;
    for (const char* column : {"TakmaAd", "AdSoyad", "Parola", "`E-Posta`"})
      row.push_back(Run(std::string("SELECT ") + column + where).value_or("<NULL>"));
    return row;
  }

  // Connected as the log-in form's link leaves the program.
  void SetUp() override {
    TMessengerTest::SetUp();
    if (IsSkipped())
      return;
    Main1->ZConnection1()->Connect();
    ClearStatements();
  }

  std::optional<TAccountRefusal> Create(const TNewAccount& account) {
    return CreateNewAccount(Main1->ZIslem1(), account);
  }

  // The row as the statement of the account form puts it.
  std::string Insert(const TNewAccount& account) {
    return "INSERT INTO `msg_kimlik` SET `TakmaAd`=" + Quoted(account.Nickname) +
           ", `AdSoyad`=" + Quoted(account.FullName) + ", `Parola`=" + Quoted(account.Password) +
           ", `E-Posta`=" + Quoted(account.EMail) + " ";
  }
};

// The lengths checked are those of the server's columns.
TEST_F(NewAccountTest, TheLengthsCheckedAreTheColumns) {
  const struct {
    const char* column;
    std::size_t length;
  } columns[] = {
      {"TakmaAd", kNicknameLength},
      {"Parola", kPasswordLength},
      {"AdSoyad", kFullNameLength},
      {"E-Posta", kEMailLength},
  };
  for (const auto& c : columns)
    EXPECT_EQ(Run(std::string("SELECT CHARACTER_MAXIMUM_LENGTH FROM information_schema.COLUMNS "
                              "WHERE TABLE_SCHEMA='vorlendi_db' AND TABLE_NAME='msg_kimlik' "
                              "AND COLUMN_NAME='") +
                  c.column + "'"),
              std::to_string(c.length))
        << c.column;
}

// An ordinary account is one row, sent as the form's statement with the
// typed texts between quotes.
TEST_F(NewAccountTest, AnAccountIsOneInsertedRow) {
  const TNewAccount account{NewNickname("deniz"), "gizli", "gizli", "Deniz Ak",
                            "deniz@example.com"};
  const int before = UserCount();
  ClearStatements();
  EXPECT_FALSE(Create(account));
  EXPECT_EQ(UserCount(), before + 1);
  EXPECT_EQ(Statements(),
            std::vector<std::string>{"INSERT INTO `msg_kimlik` SET `TakmaAd`='" + account.Nickname +
                                     "', `AdSoyad`='Deniz Ak', `Parola`='gizli', "
                                     "`E-Posta`='deniz@example.com' "});
  EXPECT_EQ(StoredAccount(account.Nickname),
            (std::vector<std::string>{account.Nickname, "Deniz Ak", "gizli", "deniz@example.com"}));
}

// The first check that fails is told, in this order: a nickname, the
// confirmation, then the columns' lengths in the fields' order. Nothing is
// sent and no row is written.
TEST_F(NewAccountTest, RefusalsComeInOrderAndWriteNothing) {
  const std::string nickname = NewNickname("ece");
  const std::string long20(21, 'p');
  const struct {
    const char* what;
    TNewAccount account;
    std::string message;
    TAccountField field;
  } cases[] = {
      {"no nickname, passwords differ",
       {"", "bir", "iki", "Ad", "e@x"},
       kNoNickname,
       TAccountField::Nickname},
      {"letter case differs",
       {nickname, "Gizli", "gizli", "", ""},
       kConfirmationDiffers,
       TAccountField::Password},
      {"no confirmation",
       {nickname, "gizli", "", "", ""},
       kConfirmationDiffers,
       TAccountField::Password},
      {"Turkish i differs",
       {nickname, "\xFD", "i", "", ""},
       kConfirmationDiffers,
       TAccountField::Password},
      {"confirmation before lengths",
       {std::string(51, 'n'), long20, "x", "", ""},
       kConfirmationDiffers,
       TAccountField::Password},
      {"nickname of 51",
       {std::string(51, 'n'), "a", "a", "", ""},
       kNicknameTooLong,
       TAccountField::Nickname},
      {"password of 21",
       {nickname, long20, long20, "", ""},
       kPasswordTooLong,
       TAccountField::Password},
      {"full name of 201",
       {nickname, "a", "a", std::string(201, '\xE7'), std::string(101, 'e')},
       kFullNameTooLong,
       TAccountField::FullName},
      {"e-mail of 101",
       {nickname, "a", "a", "", std::string(101, 'e')},
       kEMailTooLong,
       TAccountField::EMail},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const int before = UserCount();
    ClearStatements();
    const std::optional<TAccountRefusal> refusal = Create(c.account);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->Message, c.message);
    EXPECT_EQ(refusal->Field, c.field);
    EXPECT_TRUE(Statements().empty());
    EXPECT_EQ(UserCount(), before);
  }
}

// Texts exactly as long as their columns, and texts that would change a
// statement they were spliced into, are stored byte for byte. An empty
// password with an empty confirmation is a password.
TEST_F(NewAccountTest, TextsAreStoredByteForByte) {
  std::string longest = NewNickname("tam");
  longest += std::string(kNicknameLength - longest.size(), '\xDD');
  ForgetUser(longest);
  const std::string turkish = "\xE7\xF0\xFD\xF6\xFE\xFC\xC7\xD0I\xDDi\xD6\xDE\xDC";
  const TNewAccount accounts[] = {
      {longest, std::string(kPasswordLength, '\xFE'), std::string(kPasswordLength, '\xFE'),
       std::string(kFullNameLength, '\xF0'), std::string(kEMailLength, '@')},
      {NewNickname("o'r\\"), "'\\'; --", "'\\'; --", "x'; DROP TABLE msg_kimlik; --",
       "a\\'b@'x'.com"},
      {NewNickname(turkish), turkish, turkish,
       "\xDD"
       "smail \xC7"
       "a\xF0"
       "da\xFE",
       "%_\\%@\xFC.com"},
      {NewNickname("bos"), "", "", "", ""},
  };
  for (const TNewAccount& account : accounts) {
    SCOPED_TRACE(account.Nickname);
    const int before = UserCount();
    ClearStatements();
    EXPECT_FALSE(Create(account));
    EXPECT_EQ(Statements(), std::vector<std::string>{Insert(account)});
    EXPECT_EQ(UserCount(), before + 1);
    EXPECT_EQ(StoredAccount(account.Nickname),
              (std::vector<std::string>{account.Nickname, account.FullName, account.Password,
                                        account.EMail}));
  }
}

// The server's key refuses a nickname that is taken; its error is raised and
// nothing is written.
TEST_F(NewAccountTest, ATakenNicknameIsRefusedByTheServer) {
  const std::string nickname = AddUser("sude", "eski");
  const int before = UserCount();
  try {
    Create({nickname, "yeni", "yeni", "Yeni", "yeni@example.com"});
    ADD_FAILURE() << "a second account with the nickname was made";
  } catch (const Exception& error) {
    EXPECT_TRUE(error.Message().starts_with("SQL Error: Duplicate entry")) << error.Message();
  }
  EXPECT_EQ(UserCount(), before);
  EXPECT_EQ(StoredAccount(nickname),
            (std::vector<std::string>{nickname, "Test", "eski", "<NULL>"}));
}

// The new user logs in at once, although the user list was read before the
// account was made.
TEST_F(NewAccountTest, TheNewUserLogsInAtOnce) {
  const std::string known = AddUser("ilk", "1");
  LogIn(known, "1");
  const std::string nickname = NewNickname("yeni\xFC");
  EXPECT_FALSE(Create({nickname, "\xE7ok gizli", "\xE7ok gizli", "", ""}));
  LogIn(nickname, "\xE7ok gizli");
  ASSERT_TRUE(Main1->SessionUser());
  EXPECT_EQ(Main1->SessionUser()->Nickname, nickname);
  EXPECT_EQ(Main1->SessionUser()->Id, UserId(nickname));
  EXPECT_EQ(Presence(nickname), kOnlineText);
  EXPECT_TRUE(m_boxes.empty());
}

} // namespace
} // namespace messenger_test
