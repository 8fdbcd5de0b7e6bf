// A new user's account: the five texts of the account form, the checks they
// must pass, and the row they become in msg_kimlik.
//
// The checks come in the form's order: a nickname, a confirmation equal to
// the password, then every text within its column, since the server would
// otherwise cut an over-long text without a word and the user could never
// log in with it. Whether the nickname is free is the server's to say: its
// unique key refuses a taken one, and that error reaches the caller.
//
// Classes in this file: TNewAccount, TAccountRefusal.
#pragma once

#include <optional>
#include <string>

class TZQuery;

// The lengths of the text columns of msg_kimlik that an account fills.
inline constexpr std::size_t kNicknameLength = 50;
inline constexpr std::size_t kPasswordLength = 20;
inline constexpr std::size_t kFullNameLength = 200;
inline constexpr std::size_t kEMailLength = 100;

// The fields of the account form.
enum class TAccountField { Nickname, Password, Confirmation, FullName, EMail };

// Why an account cannot be made: the text to show, and the field to fix.
struct TAccountRefusal {
  std::string Message;
  TAccountField Field;
};

// The texts typed into the account form, Windows-1254, as typed.
struct TNewAccount {
  std::string Nickname;
  std::string Password;
  std::string Confirmation;
  std::string FullName;
  std::string EMail;
};

// Checks the account and, when it passes every check, inserts its row
// through the command query, the texts as parameters, so that they reach the
// server escaped and unchanged. Answers the first check it failed, with
// nothing sent; database errors (a taken nickname among them) are raised.
std::optional<TAccountRefusal> CreateNewAccount(TZQuery* command, const TNewAccount& account);

// The messages of the account form.
inline constexpr char kNoNickname[] = "Kullan\xFD"
                                      "c\xFD ad\xFD girilmedi!";
inline constexpr char kConfirmationDiffers[] = "Parola do\xF0rulama hatal\xFD yeniden giriniz.";
inline constexpr char kAccountOpened[] = "Hesab\xFDn\xFDz A\xE7\xFDlm\xFD\xFEt\xFDr.";
