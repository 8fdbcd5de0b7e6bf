#include "tests/support/GTest.h"

#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"

namespace {

TFormatSettings EnglishSettings() {
  TFormatSettings s;  // M/d/yyyy, h:mm:ss AMPM
  s.ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  s.LongMonthNames = {"January", "February", "March",     "April",   "May",      "June",
                      "July",    "August",   "September", "October", "November", "December"};
  s.ShortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  s.LongDayNames = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  return s;
}

// Code page 1254 texts.
TFormatSettings TurkishSettings() {
  TFormatSettings s;
  s.DecimalSeparator = ',';
  s.DateSeparator = '.';
  s.ShortDateFormat = "dd.MM.yyyy";
  s.LongDateFormat = "d MMMM yyyy dddd";
  s.ShortTimeFormat = "HH:mm";
  s.LongTimeFormat = "HH:mm:ss";
  s.TimeAMString = "\xD6\xD6";  // ÖÖ
  s.TimePMString = "\xD6S";     // ÖS
  s.ShortMonthNames = {"Oca", "\xDE" "ub", "Mar", "Nis", "May", "Haz",
                       "Tem", "A\xF0u", "Eyl", "Eki", "Kas", "Ara"};
  s.LongMonthNames = {"Ocak",    "\xDE" "ubat", "Mart",     "Nisan", "May\xFDs", "Haziran",
                      "Temmuz",  "A\xF0ustos",  "Eyl\xFCl", "Ekim",  "Kas\xFDm", "Aral\xFDk"};
  s.ShortDayNames = {"Paz", "Pzt", "Sal", "\xC7" "ar", "Per", "Cum", "Cmt"};
  s.LongDayNames = {"Pazar", "Pazartesi", "Sal\xFD", "\xC7" "ar\xFE" "amba",
                    "Per\xFE" "embe", "Cuma", "Cumartesi"};
  return s;
}

// Tuesday 5 March 2024, 14:07:09.045.
const TDateTime afternoon = 45356 + EncodeTime(14, 7, 9, 45);
const TDateTime afternoonToTheSecond = 45356 + EncodeTime(14, 7, 9, 0);
const TDateTime morning = 45356 + EncodeTime(9, 3, 2, 7);

struct TPictureCase {
  const char* picture;
  const char* expected;
};

void ExpectPictures(const TFormatSettings& settings, TDateTime value,
                    std::initializer_list<TPictureCase> cases) {
  for (const TPictureCase& c : cases)
    EXPECT_EQ(FormatDateTime(c.picture, value, settings), c.expected) << '"' << c.picture << '"';
}

// Minutes and milliseconds are compared exactly after a text round trip.
int MSecsOf(TDateTime value) {
  int hour = 0, min = 0, sec = 0, msec = 0;
  DecodeTime(value, hour, min, sec, msec);
  return ((hour * 60 + min) * 60 + sec) * 1000 + msec;
}

} // namespace

TEST(FormatDateTime, DateParts) {
  ExpectPictures(EnglishSettings(), afternoon,
                 {{"d", "5"},        {"dd", "05"},          {"ddd", "Tue"},
                  {"dddd", "Tuesday"}, {"ddddd", "3/5/2024"}, {"dddddd", "Tuesday, March 5, 2024"},
                  {"ddddddd", "Tuesday, March 5, 2024"},     {"m", "3"},
                  {"mm", "03"},      {"mmm", "Mar"},        {"mmmm", "March"},
                  {"mmmmm", "March"}, {"y", "24"},          {"yy", "24"},
                  {"yyy", "2024"},   {"yyyy", "2024"},      {"aaa", "Tue"},
                  {"AAAA", "Tuesday"}, {"yyyy-mm-dd", "2024-03-05"}, {"mm/dd/yy", "03/05/24"}});
}

TEST(FormatDateTime, TimeParts) {
  ExpectPictures(EnglishSettings(), afternoon,
                 {{"h", "14"},       {"hh", "14"},        {"hhh", "14"},
                  {"n", "7"},        {"nn", "07"},        {"s", "9"},
                  {"ss", "09"},      {"z", "45"},         {"zzz", "045"},
                  {"zzzz", "045"},   {"hh:mm", "14:07"},  {"h 'x' m", "14 x 7"},
                  {"hh:nn:ss.zzz", "14:07:09.045"},      {"t", "2:07 PM"},
                  {"tt", "2:07:09 PM"}, {"h:m:m", "14:7:3"}});  // the second m follows a minute
  ExpectPictures(EnglishSettings(), morning,
                 {{"h", "9"}, {"hh", "09"}, {"n:s", "3:2"}, {"z", "7"}, {"t", "9:03 AM"}});
}

TEST(FormatDateTime, MorningAndAfternoonMarkers) {
  const TDateTime midnight = 45356;
  const TDateTime noon = 45356.5;
  struct Case { const char* picture; TDateTime value; const char* expected; };
  const Case cases[] = {
      {"h:nn am/pm", afternoon, "2:07 pm"}, {"h:nn AM/PM", afternoon, "2:07 PM"},
      {"h:nn Am/pM", afternoon, "2:07 pM"}, {"h:nn am/pm", morning, "9:03 am"},
      {"h:nn a/p", afternoon, "2:07 p"},     {"h:nn A/P", morning, "9:03 A"},
      {"hh:nn ampm", afternoon, "02:07 PM"}, {"hh ampm", midnight, "12 AM"},
      {"hh ampm", noon, "12 PM"},            {"AMPM h", afternoon, "PM 2"},
      {"h 'am/pm'", afternoon, "14 am/pm"},  // quoted: a 24-hour clock
      {"h:nn a", afternoon, "14:07 a"},      // a lone a is text
      {"h, h am/pm", afternoon, "14, 2 pm"}, // the look-ahead stops at the next h
  };
  for (const Case& c : cases)
    EXPECT_EQ(FormatDateTime(c.picture, c.value, EnglishSettings()), c.expected) << c.picture;
}

TEST(FormatDateTime, LiteralsSeparatorsAndCase) {
  ExpectPictures(TurkishSettings(), afternoon,
                 {{"'d' d \"m\" m", "d 5 m 3"}, {"'it''s'", "its"}, {"'open", "open"},
                  {"dd/mm/yy", "05.03.24"},      {"hh:nn", "14:07"},  {"Dd", "55"},
                  {"MmM", "333"},               {"x#", "x#"},        {"c", "05.03.2024 14:07:09"},
                  {"", "05.03.2024 14:07:09"},  {"ddddd t", "05.03.2024 14:07"},
                  {"dddddd", "5 Mart 2024 Sal\xFD"}, {"mmm mmmm", "Mar Mart"}});
  TFormatSettings noSeparators = TurkishSettings();
  noSeparators.DateSeparator = '\0';
  noSeparators.TimeSeparator = '\0';
  EXPECT_EQ(FormatDateTime("dd/mm hh:nn", afternoon, noSeparators), "0503 1407");
}

TEST(FormatDateTime, TurkishNamesAndMarkers) {
  const TFormatSettings tr = TurkishSettings();
  EXPECT_EQ(FormatDateTime("dddd, d mmmm", EncodeDate(2024, 8, 7), tr),
            "\xC7" "ar\xFE" "amba, 7 A\xF0ustos");
  EXPECT_EQ(FormatDateTime("h:nn ampm", afternoon, tr), "2:07 \xD6S");
  EXPECT_EQ(FormatDateTime("h:nn ampm", morning, tr), "9:03 \xD6\xD6");
}

TEST(FormatDateTime, ShowsTheTimeOfTheWholeValueOnlyWhenNotMidnight) {
  const TFormatSettings en = EnglishSettings();
  EXPECT_EQ(DateTimeToStr(45356, en), "3/5/2024");
  EXPECT_EQ(DateTimeToStr(45356 + 0.4 / MSecsPerDay, en), "3/5/2024");  // 0 ms after rounding
  EXPECT_EQ(DateTimeToStr(0.5, en), "12/30/1899 12:00:00 PM");
  EXPECT_EQ(DateTimeToStr(-1.25, en), "12/29/1899 6:00:00 AM");
  EXPECT_EQ(DateToStr(afternoon, en), "3/5/2024");
  EXPECT_EQ(TimeToStr(afternoon, en), "2:07:09 PM");
  std::string text;
  DateTimeToString(text, "yyyy", afternoon, en);
  EXPECT_EQ(text, "2024");
}

TEST(FormatDateTime, EdgesOfTheValueAndThePicture) {
  const TFormatSettings en = EnglishSettings();
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", MaxDateTime, en), "9999-12-31 23:59:59.999");
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd", MinDateTime, en), "0001-01-01");
  // Before the calendar: no month or day to name.
  EXPECT_EQ(FormatDateTime("d.m.yyyy mmm", MinDateTime - 1, en), "0.0.0000 ");
  // Formats that name themselves stop two levels deep.
  TFormatSettings loop = en;
  loop.ShortDateFormat = "c";
  loop.LongTimeFormat = "tt";
  EXPECT_EQ(FormatDateTime("c", 45356, loop), "");
  // Long results are not cut.
  std::string picture;
  for (int i = 0; i < 40; ++i)
    picture += "dddddd|";
  EXPECT_EQ(FormatDateTime(picture, afternoon, en).size(), 40 * 23u);
  EXPECT_THROW(FormatDateTime("d", std::numeric_limits<double>::quiet_NaN(), en), EConvertError);
  EXPECT_EQ(FormatDateTime("'only text'", std::numeric_limits<double>::quiet_NaN(), en),
            "only text");
}

// Now is 15 June 2024: two-digit years land between 1974 and 2073.
TEST(StrToDate, ReadsTheNumbersInTheOrderOfTheShortDateFormat) {
  TFixedNow now(EncodeDate(2024, 6, 15) + 0.5);
  TFormatSettings ymd = EnglishSettings();
  ymd.ShortDateFormat = "yyyy-MM-dd";
  ymd.DateSeparator = '-';
  struct Case { const TFormatSettings settings; const char* text; int year, month, day; };
  const Case cases[] = {
      {EnglishSettings(), "3/5/2024", 2024, 3, 5},   {EnglishSettings(), " 3 / 5 / 2024 ", 2024, 3, 5},
      {EnglishSettings(), "3/5/2024/", 2024, 3, 5},  {EnglishSettings(), "3/5", 2024, 3, 5},
      {EnglishSettings(), "3/5/24", 2024, 3, 5},     {EnglishSettings(), "3/5/74", 1974, 3, 5},
      {EnglishSettings(), "3/5/73", 2073, 3, 5},     {EnglishSettings(), "3/5/0", 2000, 3, 5},
      {EnglishSettings(), "3/5/123", 123, 3, 5},     {EnglishSettings(), "02/29/2024", 2024, 2, 29},
      {TurkishSettings(), "05.03.2024", 2024, 3, 5}, {TurkishSettings(), "5.3", 2024, 3, 5},
      {TurkishSettings(), "31.12.99", 1999, 12, 31}, {ymd, "2024-03-05", 2024, 3, 5},
      {ymd, "24-3-5", 2024, 3, 5},                   {ymd, "3-5", 2024, 3, 5},
  };
  for (const Case& c : cases) {
    TDateTime value = -7;
    EXPECT_TRUE(TryStrToDate(c.text, value, c.settings)) << c.text;
    EXPECT_EQ(value, EncodeDate(c.year, c.month, c.day)) << c.text;
    EXPECT_EQ(StrToDate(c.text, c.settings), value);
  }
  TFormatSettings noWindow = EnglishSettings();
  noWindow.TwoDigitYearCenturyWindow = 0;
  EXPECT_EQ(StrToDate("3/5/99", noWindow), EncodeDate(2099, 3, 5));
}

TEST(StrToDate, RefusesMalformedText) {
  TFixedNow now(EncodeDate(2024, 6, 15));
  const char* invalid[] = {"",          "   ",         "abc",       "3/5/2024x", "3-5-2024",
                           "13/1/2024", "2/29/2023",   "3/5/12345", "3//2024",   "3/5/",
                           "3",         "3/5/2024 1:00", "0/5/2024", "3/5/0000"};
  for (const char* text : invalid) {
    TDateTime value = -7;
    EXPECT_FALSE(TryStrToDate(text, value, EnglishSettings())) << text;
    try {
      StrToDate(text, EnglishSettings());
      ADD_FAILURE() << "no exception for " << text;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), "'" + std::string(text) + "' is not a valid date");
    }
  }
}

TEST(StrToTime, ReadsHoursMinutesSecondsAndMarkers) {
  struct Case { const char* text; int hour, min, sec, msec; };
  const Case english[] = {
      {"14:07", 14, 7, 0, 0},   {"14:07:09", 14, 7, 9, 0}, {"14:07:09.045", 14, 7, 9, 45},
      {"14:07:09.5", 14, 7, 9, 5}, {"14", 14, 0, 0, 0},    {" 2 : 07 pm ", 14, 7, 0, 0},
      {"2:07 PM", 14, 7, 0, 0}, {"PM 2:07", 14, 7, 0, 0},  {"12:00 AM", 0, 0, 0, 0},
      {"12:30 pm", 12, 30, 0, 0}, {"0:00", 0, 0, 0, 0},   {"23:59:59.999", 23, 59, 59, 999},
  };
  for (const Case& c : english)
    EXPECT_EQ(MSecsOf(StrToTime(c.text, EnglishSettings())),
              ((c.hour * 60 + c.min) * 60 + c.sec) * 1000 + c.msec) << c.text;
  EXPECT_EQ(MSecsOf(StrToTime("\xF6s 2:07", TurkishSettings())), (14 * 60 + 7) * 60000);
  EXPECT_EQ(MSecsOf(StrToTime("14:07:09,045", TurkishSettings())), ((14 * 60 + 7) * 60 + 9) * 1000 + 45);
  EXPECT_LT(StrToTime("23:59:59.999", EnglishSettings()), 1.0);
}

TEST(StrToTime, RefusesMalformedText) {
  const char* invalid[] = {"",      "24:00",   "13:00 PM", "0:00 AM",      "14:60",
                           "14:07x", "14:",    ":07",      "14:07:09.1000", "14.07",
                           "2 PM PM", "3/5/2024"};
  for (const char* text : invalid) {
    TDateTime value = -7;
    EXPECT_FALSE(TryStrToTime(text, value, EnglishSettings())) << text;
    try {
      StrToTime(text, EnglishSettings());
      ADD_FAILURE() << "no exception for " << text;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), "'" + std::string(text) + "' is not a valid time");
    }
  }
}

TEST(StrToDateTime, DateWithOptionalTimeOrATimeAlone) {
  TFixedNow now(EncodeDate(2024, 6, 15));
  const TFormatSettings en = EnglishSettings();
  EXPECT_EQ(StrToDateTime("3/5/2024 2:07:09 PM", en), afternoonToTheSecond);
  EXPECT_EQ(StrToDateTime("3/5/2024", en), 45356);
  EXPECT_DOUBLE_EQ(StrToDateTime("14:07", en), EncodeTime(14, 7, 0, 0));
  // Before 30.12.1899 the time is taken off, keeping the fraction the time of day.
  EXPECT_EQ(StrToDateTime("12/29/1899 6:00", en), -1.25);
  EXPECT_EQ(StrToDateTime("05.03.2024 14:07:09,045", TurkishSettings()), afternoon);
  const char* invalid[] = {"3/5/2024 14:07 junk", "3/5/2024 25:00", "3/5/2024 x", "", "x"};
  for (const char* text : invalid) {
    TDateTime value = -7;
    EXPECT_FALSE(TryStrToDateTime(text, value, en)) << text;
    try {
      StrToDateTime(text, en);
      ADD_FAILURE() << "no exception for " << text;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), "'" + std::string(text) + "' is not a valid date and time");
    }
  }
}

TEST(StrToDateTime, ReadsBackWhatDateTimeToStrWrites) {
  const TDateTime values[] = {afternoonToTheSecond, 45356, -693593.75,
                              EncodeDate(9999, 12, 31) + EncodeTime(23, 59, 59, 0), -1.25};
  for (const TFormatSettings& settings : {EnglishSettings(), TurkishSettings()})
    for (TDateTime value : values)
      EXPECT_EQ(StrToDateTime(DateTimeToStr(value, settings), settings), value)
          << DateTimeToStr(value, settings);
}

// The process-wide settings come from the Turkish regional settings the tests
// run with.
TEST(DateTimeText, FollowsTheRegionalSettings) {
  TFixedNow now(EncodeDate(2024, 6, 15));
  EXPECT_EQ(DateToStr(afternoon), "05.03.2024");
  EXPECT_EQ(TimeToStr(afternoon), "14:07:09");
  EXPECT_EQ(DateTimeToStr(afternoon), "05.03.2024 14:07:09");
  EXPECT_EQ(FormatDateTime("mmmm dddd", afternoon), "Mart Sal\xFD");
  EXPECT_EQ(StrToDate("05.03.2024"), 45356);
  EXPECT_DOUBLE_EQ(StrToTime("14:07:09"), EncodeTime(14, 7, 9, 0));
  EXPECT_EQ(StrToDateTime("05.03.2024 14:07:09"), afternoonToTheSecond);
  EXPECT_THROW(StrToDate("2024-03-05"), EConvertError);
}
