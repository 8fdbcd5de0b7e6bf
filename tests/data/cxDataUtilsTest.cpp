#include "tests/support/GTest.h"

#include <string>

#include "data/cxDataUtils.h"
#include "platform/rtl/WinApi.h"

namespace {

// Runs a test under another thread locale.
class TThreadLocale {
public:
  explicit TThreadLocale(LCID locale) : m_previous(::GetThreadLocale()) { ::SetThreadLocale(locale); }
  ~TThreadLocale() { ::SetThreadLocale(m_previous); }
  TThreadLocale(const TThreadLocale&) = delete;
  TThreadLocale& operator=(const TThreadLocale&) = delete;

private:
  LCID m_previous;
};

constexpr LCID kTurkish = MAKELCID(MAKELANGID(LANG_TURKISH, SUBLANG_DEFAULT), SORT_DEFAULT);
constexpr LCID kEnglishUS = MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT);

TEST(DataUtils, TheWeekStartsAsTheLocaleSays) {
  {
    TThreadLocale turkish(kTurkish);
    EXPECT_EQ(GetStartOfWeek(), 1);
  }
  TThreadLocale english(kEnglishUS);
  EXPECT_EQ(GetStartOfWeek(), 0);
}

struct TWeekCase {
  const char* Name;
  LCID Locale;
  TDateTime Date;
  TDateTime Start;
};

class StartDateOfWeekTest : public testing::TestWithParam<TWeekCase> {};

TEST_P(StartDateOfWeekTest, IsTheFirstDayOfTheWeekThatHoldsTheDate) {
  const TWeekCase& c = GetParam();
  TThreadLocale locale(c.Locale);
  EXPECT_EQ(GetStartDateOfWeek(c.Date), c.Start);
}

// 03.06.2024 is a Monday.
INSTANTIATE_TEST_SUITE_P(
    Table, StartDateOfWeekTest,
    testing::Values(
        TWeekCase{"MondayStartOnSunday", kTurkish, EncodeDate(2024, 6, 9), EncodeDate(2024, 6, 3)},
        TWeekCase{"MondayStartOnMonday", kTurkish, EncodeDate(2024, 6, 3), EncodeDate(2024, 6, 3)},
        TWeekCase{"MondayStartOnWednesday", kTurkish, EncodeDate(2024, 6, 5), EncodeDate(2024, 6, 3)},
        TWeekCase{"TimeIsDropped", kTurkish, EncodeDate(2024, 6, 7) + 0.75, EncodeDate(2024, 6, 3)},
        TWeekCase{"SundayStartOnSaturday", kEnglishUS, EncodeDate(2024, 6, 8), EncodeDate(2024, 6, 2)},
        TWeekCase{"SundayStartOnSunday", kEnglishUS, EncodeDate(2024, 6, 9), EncodeDate(2024, 6, 9)},
        TWeekCase{"SundayStartOnMonday", kEnglishUS, EncodeDate(2024, 6, 3), EncodeDate(2024, 6, 2)}),
    [](const testing::TestParamInfo<TWeekCase>& info) { return std::string(info.param.Name); });

TEST(DataUtils, DateAndTimeParts) {
  EXPECT_EQ(DateOf(45000.75), 45000.0);
  EXPECT_EQ(TimeOf(45000.75), 0.75);
  EXPECT_EQ(DateOf(-1.25), -1.0);
  EXPECT_EQ(TimeOf(-1.25), -0.25);
}

struct TCurrencyCase {
  const char* Name;
  const char* Symbol;
  int Decimals;
  int Position;
  const char* Pattern;
};

class CurrencyFormatTest : public testing::TestWithParam<TCurrencyCase> {};

TEST_P(CurrencyFormatTest, PlacesTheQuotedSymbol) {
  const TCurrencyCase& c = GetParam();
  TFormatSettings settings;
  settings.CurrencyString = c.Symbol;
  settings.CurrencyDecimals = static_cast<std::uint8_t>(c.Decimals);
  settings.CurrencyFormat = static_cast<std::uint8_t>(c.Position);
  EXPECT_EQ(DefaultCurrencyDisplayFormat(settings), c.Pattern);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CurrencyFormatTest,
    testing::Values(TCurrencyCase{"SymbolLastWithBlank", "TL", 2, 3, ",0.00 TL"},
                    TCurrencyCase{"SymbolLast", "TL", 0, 1, ",0.TL"},
                    TCurrencyCase{"QuotedPeriod", "kr.", 2, 0, "kr'.',0.00"},
                    TCurrencyCase{"SymbolFirstWithBlank", "$", 1, 2, "$ ,0.0"},
                    TCurrencyCase{"QuotedComma", "a,b", 0, 1, ",0.a','b"},
                    TCurrencyCase{"NoSymbol", "", 2, 3, ",0.00"},
                    TCurrencyCase{"UnknownPosition", "TL", 2, 7, ",0.00"}),
    [](const testing::TestParamInfo<TCurrencyCase>& info) { return std::string(info.param.Name); });

TEST(DataUtils, TheDefaultCurrencyFormatFollowsTheProcessSettings) {
  EXPECT_EQ(DefaultCurrencyDisplayFormat(), DefaultCurrencyDisplayFormat(FormatSettings()));
}

struct TCompareTextCase {
  const char* Text1;
  const char* Text2;
  bool Partial;
  bool Expected;
};

TEST(DataUtils, DataCompareTextIgnoresCase) {
  const TCompareTextCase cases[] = {
      {"Ankara", "ank", true, true},  {"Ankara", "ank", false, false}, {"", "", false, true},
      {"abc", "", true, false},       {"ab", "abc", true, false},      {"Bolu", "BOLU", false, true},
      {"\xE7" "ay", "\xC7" "A", true, true}, {"", "", true, true},
  };
  for (const TCompareTextCase& c : cases)
    EXPECT_EQ(DataCompareText(c.Text1, c.Text2, c.Partial), c.Expected)
        << c.Text1 << " / " << c.Text2 << " / " << c.Partial;
}

// ---- Data binding ----------------------------------------------------------------

class TCountingBinding : public TcxCustomDataBinding {
  OBJECT_CLASS(TCountingBinding, TcxCustomDataBinding)
public:
  using TcxCustomDataBinding::TcxCustomDataBinding;
  void VisualControlChanged() override { ++VisualControlChanges; }
  int VisualControlChanges = 0;
};

class DataBindingTest : public testing::Test {
protected:
  TOwned<TComponent> m_owner{Create<TComponent>(nullptr)};
  TOwned<TComponent> m_data{Create<TComponent>(nullptr)};
  // Made through the class reference, as editors make their bindings.
  TOwned<TCountingBinding> m_binding{static_cast<TCountingBinding*>(
      TcxCustomDataBindingClass(TCountingBinding::StaticClass()).Create(m_owner.get(), m_data.get()))};
};

TEST_F(DataBindingTest, TheBaseIsLiveAndEditableUnlessReadOnly) {
  EXPECT_EQ(m_binding->GetOwner(), m_owner.get());
  EXPECT_EQ(m_binding->DataComponent(), m_data.get());
  EXPECT_TRUE(m_binding->CanModify());
  EXPECT_TRUE(m_binding->SetEditMode());
  EXPECT_TRUE(m_binding->IsDataSourceLive());
  EXPECT_FALSE(m_binding->IsDataStorage());
  EXPECT_FALSE(m_binding->GetModified());
  EXPECT_FALSE(m_binding->ExecuteAction(nullptr));
  EXPECT_FALSE(m_binding->UpdateAction(nullptr));
  for (TcxDataEditValueSource source :
       {TcxDataEditValueSource::evsValue, TcxDataEditValueSource::evsText, TcxDataEditValueSource::evsKey})
    EXPECT_TRUE(VarIsNull(m_binding->GetStoredValue(source, true)));
  m_binding->SetReadOnly(true);
  EXPECT_TRUE(m_binding->ReadOnly());
  EXPECT_FALSE(m_binding->CanModify());
  EXPECT_FALSE(m_binding->SetEditMode());
}

TEST_F(DataBindingTest, EventsFireWhenAssigned) {
  m_binding->DataChange();
  int changes = 0;
  int dataSetChanges = 0;
  int updates = 0;
  m_binding->SetOnDataChange(TcxDataBindingNotifyEvent([&] { ++changes; }));
  m_binding->SetOnDataSetChange(TcxDataBindingNotifyEvent([&] { ++dataSetChanges; }));
  m_binding->SetOnUpdateData(TcxDataBindingNotifyEvent([&] { ++updates; }));
  m_binding->DataChange();
  m_binding->DataSetChange();
  m_binding->DataSetChange();
  m_binding->UpdateData();
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(dataSetChanges, 2);
  EXPECT_EQ(updates, 1);
}

TEST_F(DataBindingTest, OnlyAnotherVisualControlIsAnnounced) {
  m_binding->SetVisualControl(m_data.get());
  m_binding->SetVisualControl(m_data.get());
  EXPECT_EQ(m_binding->VisualControl(), m_data.get());
  EXPECT_EQ(m_binding->VisualControlChanges, 1);
  m_binding->SetVisualControl(nullptr);
  EXPECT_EQ(m_binding->VisualControlChanges, 2);
}

} // namespace
