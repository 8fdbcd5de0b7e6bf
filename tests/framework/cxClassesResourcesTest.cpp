#include "tests/support/GTest.h"

#include "framework/cxClasses.h"

namespace {

const TResStringRec cxSDateToday{"Today"};
const TResStringRec cxSOtherToday{"Today"};
const TResStringRec cxSDateNow{"now"};

class ResourceStringsTest : public testing::Test {
protected:
  void SetUp() override { cxFreeResourceStringRepository(); }
  void TearDown() override { cxFreeResourceStringRepository(); }
};

TEST_F(ResourceStringsTest, LookupsWithoutReplacementsAnswerTheDefaultsAndCreateNothing) {
  EXPECT_EQ("Stream read error", cxGetResourceStringNet("Stream read error"));
  EXPECT_EQ("Stream read error", cxGetResourceString(std::string("Stream read error")));
  EXPECT_EQ("Today", cxGetResourceString(cxSDateToday));
  EXPECT_FALSE(cxResourceStringRepositoryExists());
}

TEST_F(ResourceStringsTest, ReplacementByRecordIsFoundByItsExactDefaultText) {
  cxSetResourceString(cxSDateToday, "Bug\xFCn");
  EXPECT_TRUE(cxResourceStringRepositoryExists());
  EXPECT_EQ("Bug\xFCn", cxGetResourceStringNet("Today"));
  EXPECT_EQ("Bug\xFCn", cxGetResourceString(cxSDateToday));
  EXPECT_EQ("today", cxGetResourceStringNet("today"));
  // Another record with the same default text has no replacement of its own,
  // but the text lookup answers the earlier registration.
  EXPECT_EQ("Today", cxGetResourceString(cxSOtherToday));
  cxSetResourceString(cxSOtherToday, "Other");
  EXPECT_EQ("Other", cxGetResourceString(cxSOtherToday));
  EXPECT_EQ("Bug\xFCn", cxGetResourceStringNet("Today"));
}

TEST_F(ResourceStringsTest, ReplacementByTextIsNotFoundByRecord) {
  cxSetResourceStringNet("now", "\xFE" "imdi");
  EXPECT_EQ("\xFE" "imdi", cxGetResourceStringNet("now"));
  EXPECT_EQ("now", cxGetResourceString(cxSDateNow));
}

TEST_F(ResourceStringsTest, RegisteringAgainReplacesTheValue) {
  cxSetResourceStringNet("Yes", "Evet");
  cxSetResourceStringNet("Yes", "Tamam");
  EXPECT_EQ("Tamam", cxGetResourceStringNet("Yes"));
  cxSetResourceString(cxSDateNow, "\xFE" "imdi");
  cxSetResourceString(cxSDateNow, "hemen");
  EXPECT_EQ("hemen", cxGetResourceString(cxSDateNow));
  EXPECT_EQ("hemen", cxGetResourceStringNet("now"));
}

TEST_F(ResourceStringsTest, UnitShutDownRestoresTheDefaults) {
  cxSetResourceString(cxSDateToday, "Bug\xFCn");
  cxSetResourceStringNet("now", "\xFE" "imdi");
  cxClassesUnit.Finalization();
  EXPECT_FALSE(cxResourceStringRepositoryExists());
  EXPECT_EQ("Today", cxGetResourceStringNet("Today"));
  EXPECT_EQ("Today", cxGetResourceString(cxSDateToday));
  EXPECT_EQ("now", cxGetResourceStringNet("now"));
}

} // namespace
