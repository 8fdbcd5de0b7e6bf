#include "app/NewAccount.h"

#include "platform/db/ZDataset.h"

namespace {

constexpr char kInsertAccount[] =
    "INSERT INTO `msg_kimlik` SET `TakmaAd`=:pTakmaAd, `AdSoyad`=:pAdSoyad, "
    "`Parola`=:pParola, `E-Posta`=:pEPosta ";

// A text longer than its column, the field it is typed into, and what the
// user is told.
struct TLengthRule {
  std::string TNewAccount::*Text;
  std::size_t Length;
  TAccountField Field;
  const char* Message;
};

constexpr TLengthRule kLengthRules[] = {
    {&TNewAccount::Nickname, kNicknameLength, TAccountField::Nickname,
     "Kullan\xFD"
     "c\xFD ad\xFD \xE7ok uzun, en fazla 50 karakter giriniz."},
    {&TNewAccount::Password, kPasswordLength, TAccountField::Password,
     "Parola \xE7ok uzun, en fazla 20 karakter giriniz."},
    {&TNewAccount::FullName, kFullNameLength, TAccountField::FullName,
     "Uzun isim \xE7ok uzun, en fazla 200 karakter giriniz."},
    {&TNewAccount::EMail, kEMailLength, TAccountField::EMail,
     "E-Posta \xE7ok uzun, en fazla 100 karakter giriniz."},
};

std::optional<TAccountRefusal> Check(const TNewAccount& account) {
  if (account.Nickname.empty())
    return TAccountRefusal{kNoNickname, TAccountField::Nickname};
  if (account.Password != account.Confirmation)
    return TAccountRefusal{kConfirmationDiffers, TAccountField::Password};
  for (const TLengthRule& rule : kLengthRules)
    if ((account.*rule.Text).size() > rule.Length)
      return TAccountRefusal{rule.Message, rule.Field};
  return std::nullopt;
}

void Insert(TZQuery* command, const TNewAccount& account) {
  command->Close();
  command->SQL()->SetText(kInsertAccount);
  command->ParamByName("pTakmaAd")->SetAsString(account.Nickname);
  command->ParamByName("pAdSoyad")->SetAsString(account.FullName);
  command->ParamByName("pParola")->SetAsString(account.Password);
  command->ParamByName("pEPosta")->SetAsString(account.EMail);
  command->ExecSQL();
}

} // namespace

std::optional<TAccountRefusal> CreateNewAccount(TZQuery* command, const TNewAccount& account) {
  std::optional<TAccountRefusal> refusal = Check(account);
  if (!refusal)
    Insert(command, account);
  return refusal;
}
