// The format controller: display formats parsed into items, the edit masks
// and display formats made from them, the currency format, and listeners
// told of changes by setters and by the platform's settings messages.
#include "editors/cxFormats.h"

#include "editors/cxEditConsts.h"
#include "platform/controls/ControlsUnits.h"
#include "platform/rtl/FormatSettings.h"
#include "tests/support/GTest.h"

namespace {

using enum TcxDateTimeFormatItemKind;
using enum TcxDateTimeEditMaskKind;

// Turkish-looking settings, fixed for the tests whatever the machine says.
class FormatsTest : public testing::Test {
protected:
  static void SetUpTestSuite() { ProgramUnits().Start(ControlsUnits()); }
  void SetUp() override {
    TFormatSettings& settings = FormatSettings();
    settings.ShortDateFormat = "dd.MM.yyyy";
    settings.LongDateFormat = "d MMMM yyyy dddd";
    settings.ShortTimeFormat = "HH:mm";
    settings.LongTimeFormat = "HH:mm:ss";
    settings.DateSeparator = '.';
    settings.TimeSeparator = ':';
    settings.TimeAMString = "\xD6\xD6";
    settings.TimePMString = "\xD6S";
  }
  void TearDown() override { GetFormatSettings(); }
};

struct TItem {
  TcxDateTimeFormatItemKind Kind;
  std::string Data;
  bool operator==(const TItem&) const = default;
};

std::vector<TItem> Items(const std::string& format) {
  TcxDateTimeFormatInfo info;
  ParseDateTimeFormat(format, info);
  std::vector<TItem> items;
  for (const auto& item : info.Items)
    items.push_back({item.Kind, item.Data});
  return items;
}

TEST_F(FormatsTest, FormatsParseIntoItems) {
  const std::pair<std::string, std::vector<TItem>> cases[] = {
      {"dd.MM.yyyy",
       {{dtikDay, "DD"}, {dtikString, "."}, {dtikMonth, "MM"}, {dtikString, "."},
        {dtikYear, "YYYY"}}},
      {"d/M/yy",
       {{dtikDay, "D"}, {dtikDateSeparator, "/"}, {dtikMonth, "M"}, {dtikDateSeparator, "/"},
        {dtikYear, "YY"}}},
      {"hh:mm:ss",
       {{dtikHour, "24HH"}, {dtikTimeSeparator, ":"}, {dtikMin, "NN"}, {dtikTimeSeparator, ":"},
        {dtikSec, "SS"}}},
      {"h:mm AM/PM",
       {{dtikHour, "12H"}, {dtikTimeSeparator, ":"}, {dtikMin, "NN"}, {dtikString, " "},
        {dtikTimeSuffix, "AM/PM"}}},
      {"nn am/pm", {{dtikMin, "NN"}, {dtikString, " "}}},
      {"'G\xFCn' d 'y\xFDl' yyyy dd",
       {{dtikString, "G\xFCn "}, {dtikDay, "D"}, {dtikString, " y\xFDl "}, {dtikYear, "YYYY"},
        {dtikString, " "}}},
      {"ddddd", {{dtikDay, "DD"}, {dtikString, "."}, {dtikMonth, "MM"}, {dtikString, "."},
                 {dtikYear, "YYYY"}}},
      {"gg dd.MM", {}},
      {"aaaa zzzz", {{dtikDay, "DDDD"}, {dtikString, " "}, {dtikMSec, "ZZZ"}}},
  };
  for (const auto& [format, expected] : cases)
    EXPECT_EQ(Items(format), expected) << format;

  TcxDateTimeFormatInfo info;
  EXPECT_FALSE(ParseDateTimeFormat("yyyy gg", info));
  EXPECT_TRUE(info.Items.empty());
  EXPECT_FALSE(info.Defined(dtikYear));
  EXPECT_TRUE(ParseDateTimeFormat("", info)) << "an empty format reads as C";
  EXPECT_TRUE(info.Defined(dtikDay) && info.Defined(dtikHour));
}

TEST_F(FormatsTest, MasksAndDisplayFormatsFromItems) {
  struct TCase {
    std::string Format;
    TcxDateTimeEditMaskKind Kind;
    std::string Standard, RegExpr, Masked;
  };
  const TCase cases[] = {
      {"dd.MM.yyyy", dtmkDate, "!99\\.99\\.9999;1; ",
       "([012]?[1-9]|[123]0|31)'.'((0?[1-9]|1[012])|('Oca'|'\xDEub'|'Mar'|'Nis'|'May'|'Haz'|'Tem'|"
       "'A\xF0u'|'Eyl'|'Eki'|'Kas'|'Ara'))'.'\\d\\d\\d\\d",
       "dd'.'mm'.'yyyy"},
      {"d/M/yy", dtmkDate, "!99/99/99;1; ", "", "dd/mm/yy"},
      {"hh:mm:ss", dtmkTime, "00:00:00;1;0", "([01]?\\d|2[0-3])\\:[0-5]?\\d\\:[0-5]?\\d",
       "hh:nn:ss"},
      {"h:mm AMPM", dtmkTime, "00:00\\ cc;1;0", "(0?[1-9]|1[012])\\:[0-5]?\\d' '('\xD6\xD6'|'\xD6S')?",
       "hh:nn' 'ampm"},
  };
  FormatSettings().ShortMonthNames = {"Oca", "\xDEub", "Mar", "Nis", "May", "Haz",
                                      "Tem", "A\xF0u", "Eyl", "Eki", "Kas", "Ara"};
  for (const TCase& c : cases) {
    TcxDateTimeFormatInfo info;
    ParseDateTimeFormat(c.Format, info);
    EXPECT_EQ(TcxFormatController::InternalGetDateTimeEditStandardMask(info, c.Kind), c.Standard)
        << c.Format;
    if (!c.RegExpr.empty())
      EXPECT_EQ(TcxFormatController::InternalGetDateTimeEditRegExprMask(info, c.Kind), c.RegExpr)
          << c.Format;
    EXPECT_EQ(TcxFormatController::InternalGetMaskedDateEditFormat(info), c.Masked) << c.Format;
  }
}

TEST_F(FormatsTest, StandardMaskZones) {
  TcxDateTimeFormatInfo info;
  ParseDateTimeFormat("dd.MMM.yyyy", info);
  EXPECT_EQ(TcxFormatController::GetDateTimeStandardMaskStringLength(info), 11);
  struct TCase {
    int Position;
    bool Found;
    TcxDateTimeFormatItemKind Kind;
    int Start, Length;
  };
  const TCase cases[] = {{0, false, dtikString, 0, 0},  {1, true, dtikDay, 1, 2},
                         {2, true, dtikDay, 1, 2},      {3, true, dtikString, 3, 1},
                         {4, true, dtikMonth, 4, 3},    {11, true, dtikYear, 8, 4},
                         {12, false, dtikString, 0, 0}};
  for (const TCase& c : cases) {
    TcxDateTimeFormatItemInfo item;
    ASSERT_EQ(TcxFormatController::GetDateTimeFormatItemStandardMaskInfo(info, c.Position, item),
              c.Found)
        << c.Position;
    if (c.Found) {
      EXPECT_EQ(item.Kind, c.Kind) << c.Position;
      EXPECT_EQ(item.ItemZoneStart, c.Start) << c.Position;
      EXPECT_EQ(item.ItemZoneLength, c.Length) << c.Position;
    }
  }
}

TEST_F(FormatsTest, SmartInputWordsJoinTheRegularExpression) {
  std::string date = "X";
  AddDateRegExprMaskSmartInput(date, false);
  EXPECT_EQ(date, "(X)|('today'|'yesterday'|'tomorrow'|'Sunday'|'Monday'|'Tuesday'|'Wednesday'|"
                  "'Thursday'|'Friday'|'Saturday'|'first'|'second'|'third'|'fourth'|'fifth'|"
                  "'sixth'|'seventh'|'bom'|'eom')((\\+|-)\\d(\\d(\\d\\d?)?)?)?");
  std::string dateTime = "X";
  AddDateRegExprMaskSmartInput(dateTime, true);
  EXPECT_NE(dateTime.find("|'eom'|'now')"), std::string::npos);

  cxSetResourceString(cxSDateToday, "bu'g\xFCn");
  std::string replaced = "X";
  AddDateRegExprMaskSmartInput(replaced, false);
  cxFreeResourceStringRepository();
  EXPECT_TRUE(replaced.starts_with("(X)|('bu'\\''g\xFCn'|'yesterday'")) << replaced;
}

TEST_F(FormatsTest, DateEditFormatDoublesSingleLetters) {
  const std::tuple<std::string, bool, std::string> cases[] = {
      {"d/M/yyyy", false, "dd/MM/yyyy"},
      {"dd.MM.yyyy", false, "dd.MM.yyyy"},
      {"d.MMMM.yyyy", false, "dd.MMMM.yyyy"},
      {"d.MMMM.yyyy", true, "dd.MMM.yyyy"},
  };
  for (const auto& [shortDate, maskEdit, expected] : cases) {
    FormatSettings().ShortDateFormat = shortDate;
    EXPECT_EQ(TcxFormatController::GetDateEditFormat(maskEdit), expected) << shortDate;
  }
}

TEST_F(FormatsTest, CurrencyFormatSections) {
  TFormatSettings& settings = FormatSettings();
  settings.CurrencyString = "TL";
  settings.CurrencyDecimals = 2;
  settings.CurrencyFormat = 3;
  settings.NegCurrFormat = 8;
  EXPECT_EQ(TcxFormatController::GetCurrencyFormat(), ",0.00 TL;-,0.00 TL");
  const std::pair<int, std::string> negatives[] = {
      {0, "(TL,0.00)"}, {4, "(,0.00TL)"}, {12, "TL -,0.00"}, {15, "(,0.00 TL)"}};
  for (const auto& [code, expected] : negatives) {
    settings.NegCurrFormat = static_cast<std::uint8_t>(code);
    EXPECT_EQ(TcxFormatController::GetCurrencyFormat(), ",0.00 TL;" + expected) << code;
  }
  settings.CurrencyString = "";
  settings.NegCurrFormat = 1;
  EXPECT_EQ(TcxFormatController::GetCurrencyFormat(), ";-,0.00") << "no symbol, no positive part";
  settings.CurrencyString = "a.b";
  settings.CurrencyFormat = 0;
  EXPECT_EQ(TcxFormatController::GetCurrencyFormat(), "a'.'b,0.00;-a'.'b,0.00");
}

TEST_F(FormatsTest, StartOfWeekFromTheLocale) {
  const LCID previous = ::GetThreadLocale();
  ::SetThreadLocale(MAKELCID(MAKELANGID(LANG_TURKISH, SUBLANG_DEFAULT), SORT_DEFAULT));
  EXPECT_EQ(TcxFormatController::GetStartOfWeek(), TDay::dMonday);
  ::SetThreadLocale(MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT));
  EXPECT_EQ(TcxFormatController::GetStartOfWeek(), TDay::dSunday);
  ::SetThreadLocale(previous);
}

class TListener : public TObject,
                  public IcxFormatControllerListener,
                  public IcxFormatControllerListener2 {
public:
  int formatChanges = 0;
  int timeChanges = 0;
  void FormatChanged() override { ++formatChanges; }
  void TimeChanged() override { ++timeChanges; }
  bool QueryInterface(const TInterfaceQuery& query, void*& intf) override {
    intf = query.Find(this);
    return intf != nullptr;
  }
  int _AddRef() override { return -1; }
  int _Release() override { return -1; }
};

TEST_F(FormatsTest, ListenersAndTheHiddenWindow) {
  TcxFormatController controller;
  TListener first, second;
  EXPECT_EQ(controller.WindowHandle(), nullptr);
  controller.AddListener(&first);
  controller.AddListener(&first);
  controller.AddListener(&second);
  ASSERT_TRUE(::IsWindow(controller.WindowHandle()));

  controller.SetCurrencyFormat("X");
  EXPECT_EQ(first.formatChanges, 1) << "added twice, told once";
  EXPECT_EQ(controller.CurrencyFormat(), "X");
  controller.SetAssignedCurrencyFormat(false);
  EXPECT_EQ(controller.CurrencyFormat(), TcxFormatController::GetCurrencyFormat());

  controller.BeginUpdate();
  controller.BeginUpdate();
  controller.SetStandardDateEditMask("!99;1; ");
  controller.SetAssignedStandardDateEditMask(false);
  controller.EndUpdate();
  EXPECT_EQ(second.formatChanges, 2);
  controller.EndUpdate();
  EXPECT_EQ(second.formatChanges, 3) << "the last EndUpdate tells once";
  EXPECT_EQ(controller.StandardDateEditMask(), "!99;1; ") << "nothing recomputed under the lock";

  const HWND window = controller.WindowHandle();
  controller.RemoveListener(&first);
  controller.RemoveListener(&second);
  EXPECT_EQ(controller.WindowHandle(), nullptr);
  EXPECT_FALSE(::IsWindow(window));
  controller.AddListener(&first);
  EXPECT_TRUE(::IsWindow(controller.WindowHandle()));
  controller.RemoveListener(&first);
}

TEST_F(FormatsTest, RegionalSettingsAndTimeMessages) {
  TcxFormatController controller;
  TListener listener;
  controller.AddListener(&listener);
  const HWND window = controller.WindowHandle();
  const WCHAR intl[] = {'i', 'n', 't', 'l', 0};
  const WCHAR windows[] = {'w', 'i', 'n', 'd', 'o', 'w', 's', 0};

  ::SendMessageW(window, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>(windows));
  ::SendMessageW(window, WM_WININICHANGE, 1, reinterpret_cast<LPARAM>(intl));
  EXPECT_EQ(listener.formatChanges, 0);

  FormatSettings().ShortDateFormat = "yyyy";
  ::SendMessageW(window, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>(intl));
  EXPECT_EQ(listener.formatChanges, 1);
  EXPECT_NE(FormatSettings().ShortDateFormat, "yyyy") << "the regional settings are read again";
  EXPECT_EQ(controller.StandardDateEditMask(),
            TcxFormatController::InternalGetDateTimeEditStandardMask(controller.DateFormatInfo(),
                                                                     dtmkDate));

  ::SendMessageW(window, WM_TIMECHANGE, 0, 0);
  EXPECT_EQ(listener.timeChanges, 1);
  controller.RemoveListener(&listener);
}

TEST_F(FormatsTest, ControllerMasksFollowTheSettingsUnlessAssigned) {
  TcxFormatController controller;
  EXPECT_EQ(controller.StandardDateEditMask(), "!99\\.99\\.9999;1; ");
  EXPECT_EQ(controller.StandardDateTimeEditMask(), "!99\\.99\\.9999\\ 99:99:99;1; ");
  EXPECT_EQ(controller.DateEditFormat(), "dd.MM.yyyy");
  EXPECT_EQ(controller.MaskedDateEditFormat(), "dd'.'mm'.'yyyy");
  EXPECT_TRUE(controller.RegExprDateEditMask().ends_with("|'eom')((\\+|-)\\d(\\d(\\d\\d?)?)?)?"));
  EXPECT_NE(controller.RegExprDateTimeEditMask().find(" ' '(([01]?\\d|2[0-3])"),
            std::string::npos);

  controller.SetRegExprDateEditMask("\\d+");
  FormatSettings().ShortDateFormat = "d/M/yy";
  controller.FormatChanged();
  EXPECT_EQ(controller.RegExprDateEditMask(), "\\d+") << "an assigned mask stays";
  EXPECT_EQ(controller.StandardDateEditMask(), "!99/99/99;1; ");
}

} // namespace
