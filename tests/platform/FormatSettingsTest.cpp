#include "tests/support/GTest.h"

#include "platform/rtl/FormatSettings.h"

// The tests run under the Turkish locale (scripts/env.sh); the harness loads
// the process-wide settings at start-up.
TEST(FormatSettings, LoadedFromTheTurkishLocale) {
  const TFormatSettings& s = FormatSettings();
  EXPECT_EQ(s.DecimalSeparator, ',');
  EXPECT_EQ(s.ThousandSeparator, '.');
  EXPECT_EQ(s.DateSeparator, '.');
  EXPECT_EQ(s.TimeSeparator, ':');
  EXPECT_EQ(s.ShortDateFormat, "dd.MM.yyyy");
  EXPECT_EQ(s.LongTimeFormat, "hh:mm:ss");
  EXPECT_EQ(s.ShortTimeFormat, "hh:mm");
  EXPECT_EQ(s.LongMonthNames[0], "Ocak");
  EXPECT_EQ(s.LongMonthNames[7], "A\xF0ustos");        // Ağustos
  EXPECT_EQ(s.LongDayNames[0], "Pazar");               // Sunday first
  EXPECT_EQ(s.LongDayNames[1], "Pazartesi");
  EXPECT_EQ(s.LongDayNames[6], "Cumartesi");
  EXPECT_EQ(s.ShortDayNames[5], "Cum");
}

TEST(FormatSettings, OtherLocalesOnRequest) {
  const TFormatSettings us = GetLocaleFormatSettings(MAKELCID(0x0409, SORT_DEFAULT));
  EXPECT_EQ(us.DecimalSeparator, '.');
  EXPECT_EQ(us.DateSeparator, '/');
  EXPECT_EQ(us.ShortTimeFormat, "h:mm AMPM");
  EXPECT_EQ(us.TimeAMString, "AM");
  EXPECT_EQ(us.LongDayNames[0], "Sunday");
}
