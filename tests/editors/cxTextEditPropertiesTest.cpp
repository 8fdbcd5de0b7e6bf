// Text editor properties: defaults and what form definitions store of them,
// setters that announce only changes, explicitly set values, the text shown
// for a value (password echo, Turkish letter case), validation against the
// lookup items, view and editing styles, value bounds, assignment, and the
// editor kind's registration.
#include "editors/cxTextEditProperties.h"

#include "platform/objects/FormReader.h"
#include "platform/objects/FormWriter.h"
#include "platform/rtl/FormatSettings.h"
#include "tests/editors/EditPropertiesTestSupport.h"
#include "tests/support/GTest.h"

namespace {

using enum TcxEditEditingStyle;
using enum TcxTextEditViewStyle;

// A component that owns text editor properties, as a text editor does.
class TTextPropertiesHolder : public TComponent {
  OBJECT_CLASS(TTextPropertiesHolder, TComponent)
public:
  static void Publish(TPublisher& p) {
    p.Property("Properties", &TTextPropertiesHolder::Properties);
  }
  explicit TTextPropertiesHolder(TComponent* owner)
      : TComponent(owner), m_properties(Create<TcxTextEditProperties>(this)) {
    m_properties->SetOnPropertiesChanged(TNotifyEvent([this](TObject*) { ++changes; }));
  }
  TcxTextEditProperties* Properties() const { return m_properties.get(); }
  int changes = 0;

private:
  TOwned<TcxTextEditProperties> m_properties;
};

class TextEditPropertiesTest : public testing::Test {
protected:
  TextEditPropertiesTest() : m_holder(Create<TTextPropertiesHolder>(nullptr)) {}
  TcxTextEditProperties* Properties() { return m_holder->Properties(); }
  // The lines written for the properties, without the holder's frame.
  std::string Written() {
    const std::string text = WriteFormDefinition(m_holder.get());
    const std::string head = "object TTextPropertiesHolder\r\n";
    const std::string tail = "end\r\n";
    return text.substr(head.size(), text.size() - head.size() - tail.size());
  }

  TOwned<TTextPropertiesHolder> m_holder;
};

TEST_F(TextEditPropertiesTest, DefaultsAreWrittenAsNothing) {
  TcxTextEditProperties* p = Properties();
  EXPECT_EQ(p->CharCase(), TEditCharCase::ecNormal);
  EXPECT_EQ(p->EchoMode(), TcxEditEchoMode::eemNormal);
  EXPECT_TRUE(p->FixedListSelection());
  EXPECT_FALSE(p->HideCursor());
  EXPECT_TRUE(p->HideSelection());
  EXPECT_EQ(p->ImeMode(), TImeMode::imDontCare);
  EXPECT_EQ(p->ImeName(), "");
  EXPECT_TRUE(p->IncrementalSearch());
  EXPECT_EQ(p->LookupItems()->Count(), 0);
  EXPECT_EQ(p->LookupItems()->Duplicates(), TDuplicates::dupAccept);
  EXPECT_EQ(p->MaxLength(), 0);
  EXPECT_FALSE(p->MRUMode());
  EXPECT_EQ(p->PasswordChar(), '\0');
  EXPECT_EQ(p->GetEditingStyle(), esEdit);
  EXPECT_EQ(p->GetViewStyle(), vsNormal);
  EXPECT_EQ(p->GetDropDownPageRowCount(), 8);
  EXPECT_TRUE(p->CanIncrementalSearch());
  EXPECT_TRUE(p->UseLookupData());
  EXPECT_EQ(TClass(p->GetLookupDataClass()), TcxCustomTextEditLookupData::StaticClass());
  EXPECT_EQ(p->AssignedValues()->ClassType(), TcxTextEditPropertiesValues::StaticClass());
  EXPECT_EQ(Written(), "");
}

TEST_F(TextEditPropertiesTest, ChangedValuesAreStored) {
  struct TCase {
    const char* Name;
    void (*Change)(TcxTextEditProperties*);
    const char* Written;
  };
  const TCase cases[] = {
      {"MaxLength 0 set", [](TcxTextEditProperties* p) { p->SetMaxLength(0); },
       "  Properties.MaxLength = 0\r\n"},
      {"negative MaxLength", [](TcxTextEditProperties* p) { p->SetMaxLength(-5); },
       "  Properties.MaxLength = 0\r\n"},
      {"CharCase", [](TcxTextEditProperties* p) { p->SetCharCase(TEditCharCase::ecUpperCase); },
       "  Properties.CharCase = ecUpperCase\r\n"},
      {"EchoMode and PasswordChar",
       [](TcxTextEditProperties* p) {
         p->SetEchoMode(TcxEditEchoMode::eemPassword);
         p->SetPasswordChar('#');
       },
       "  Properties.EchoMode = eemPassword\r\n  Properties.PasswordChar = '#'\r\n"},
      {"IncrementalSearch off", [](TcxTextEditProperties* p) { p->SetIncrementalSearch(false); },
       "  Properties.IncrementalSearch = False\r\n"},
      {"ImeName",
       [](TcxTextEditProperties* p) {
         p->SetImeName("T\xFCrk\xE7"
                       "e");
       },
       "  Properties.ImeName = 'T'#252'rk'#231'e'\r\n"},
      {"LookupItems",
       [](TcxTextEditProperties* p) {
         p->LookupItems()->Add("\xDD"
                               "stanbul");
         p->LookupItems()->Add("\xDD"
                               "zmir");
       },
       "  Properties.LookupItems.Strings = (\r\n    #221'stanbul'\r\n    #221'zmir')\r\n"},
      {"read-only set", [](TcxTextEditProperties* p) { p->SetReadOnly(false); },
       "  Properties.ReadOnly = False\r\n"},
      {"display format set: not published here",
       [](TcxTextEditProperties* p) { p->SetDisplayFormat(""); }, ""},
  };
  for (const TCase& c : cases) {
    m_holder.reset(Create<TTextPropertiesHolder>(nullptr));
    c.Change(Properties());
    const std::string text = Written();
    EXPECT_EQ(text, c.Written) << c.Name;

    TOwned<TTextPropertiesHolder> copy(Create<TTextPropertiesHolder>(nullptr));
    ReadFormDefinition(WriteFormDefinition(m_holder.get()), copy.get());
    EXPECT_EQ(WriteFormDefinition(copy.get()), WriteFormDefinition(m_holder.get())) << c.Name;
  }
}

TEST_F(TextEditPropertiesTest, AnOldDefinitionMarksTheDisplayFormatSet) {
  ReadFormDefinition("object TTextPropertiesHolder\r\n"
                     "  Properties.IsDisplayFormatAssigned = True\r\n"
                     "end\r\n",
                     m_holder.get());
  EXPECT_TRUE(Properties()->IsDisplayFormatStored());
  EXPECT_EQ(Written(), "") << "never written back";
}

TEST_F(TextEditPropertiesTest, SettersAnnounceOnlyChanges) {
  struct TCase {
    const char* Name;
    void (*Change)(TcxTextEditProperties*);
    int Changes;
  };
  const TCase cases[] = {
      {"same CharCase", [](TcxTextEditProperties* p) { p->SetCharCase(TEditCharCase::ecNormal); },
       0},
      {"new HideSelection", [](TcxTextEditProperties* p) { p->SetHideSelection(false); }, 1},
      {"same ImeName", [](TcxTextEditProperties* p) { p->SetImeName(""); }, 0},
      {"MaxLength twice",
       [](TcxTextEditProperties* p) {
         p->SetMaxLength(4);
         p->SetMaxLength(4);
       },
       1},
      {"first MaxLength 0 is a change", [](TcxTextEditProperties* p) { p->SetMaxLength(0); }, 1},
      {"FixedListSelection outside the fixed list",
       [](TcxTextEditProperties* p) { p->SetFixedListSelection(false); }, 0},
      {"both bounds at once", [](TcxTextEditProperties* p) { p->SetMinMaxValues(10, 1); }, 1},
      {"a lookup item", [](TcxTextEditProperties* p) { p->LookupItems()->Add("x"); }, 1},
      {"a view style in one change",
       [](TcxTextEditProperties* p) { p->SetViewStyle(vsButtonsOnly); }, 1},
      {"regional settings", [](TcxTextEditProperties* p) { p->FormatChanged(); }, 1},
  };
  for (const TCase& c : cases) {
    m_holder.reset(Create<TTextPropertiesHolder>(nullptr));
    c.Change(Properties());
    EXPECT_EQ(m_holder->changes, c.Changes) << c.Name;
  }
}

TEST_F(TextEditPropertiesTest, TheDisplayedTextIsMaskedOrInTheLetterCaseAskedFor) {
  struct TCase {
    TcxEditEchoMode Echo;
    char PasswordChar;
    TEditCharCase Case;
    Variant Value;
    const char* Expected;
  };
  using enum TcxEditEchoMode;
  using enum TEditCharCase;
  const TCase cases[] = {
      {eemPassword, '\0', ecNormal, "abcde", "*****"},
      {eemPassword, '#', ecUpperCase,
       "\xFE"
       "ifre",
       "#####"},
      {eemPassword, '\0', ecNormal, "", ""},
      {eemNormal, '#', ecNormal, "Abc", "Abc"},
      {eemNormal, '\0', ecUpperCase, "istanbul \xFD\xFE\xFDk", "\xDDSTANBUL I\xDEIK"},
      {eemNormal, '\0', ecLowerCase, "I\xDEIK \xDDZM\xDDR", "\xFD\xFE\xFDk izmir"},
      {eemNormal, '\0', ecNormal, 42, "42"},
      {eemNormal, '\0', ecNormal, Null(), ""},
  };
  for (const TCase& c : cases) {
    Properties()->SetEchoMode(c.Echo);
    Properties()->SetPasswordChar(c.PasswordChar);
    Properties()->SetCharCase(c.Case);
    EXPECT_EQ(Properties()->GetDisplayText(c.Value), c.Expected) << c.Expected;
  }
}

TEST_F(TextEditPropertiesTest, CompareDisplayValuesIsCaseSensitive) {
  EXPECT_TRUE(Properties()->CompareDisplayValues("abc", "abc"));
  EXPECT_FALSE(Properties()->CompareDisplayValues("abc", "ABC"));
  Properties()->SetCharCase(TEditCharCase::ecLowerCase);
  EXPECT_TRUE(Properties()->CompareDisplayValues("abc", "ABC"));
}

TEST_F(TextEditPropertiesTest, ValidTextTakesTheLetterCaseAndListStylesNeedAnItem) {
  Properties()->LookupItems()->Add("\xDD"
                                   "zmir");
  struct TCase {
    TEditCharCase Case;
    const char* Text;
    bool Valid;
    const char* After;
  };
  const TCase cases[] = {
      {TEditCharCase::ecLowerCase, "ABC", true, "abc"},
      {TEditCharCase::ecUpperCase, "izmir", true, "\xDDZM\xDDR"},
      {TEditCharCase::ecNormal, "anything", true, "anything"},
  };
  for (const TCase& c : cases) {
    Properties()->SetCharCase(c.Case);
    Variant value = c.Text;
    EXPECT_EQ(Properties()->IsDisplayValueValid(value, true), c.Valid) << c.Text;
    EXPECT_EQ(VarToStr(value), c.After) << c.Text;
  }
  EXPECT_TRUE(Properties()->FindLookupText("\xDDZM\xDDR"));
  EXPECT_FALSE(Properties()->FindLookupText("IZMIR"));
  Variant number = 5;
  EXPECT_TRUE(Properties()->IsEditValueValid(number, false));
  Variant null = Null();
  EXPECT_TRUE(Properties()->IsEditValueValid(null, false));
}

TEST_F(TextEditPropertiesTest, ViewStylesAndEditingStyles) {
  struct TCase {
    TcxTextEditViewStyle Style;
    TcxEditButtonsViewStyle Buttons;
    bool HideCursor;
    TcxEditEditingStyle Editing;
  };
  using enum TcxEditButtonsViewStyle;
  const TCase cases[] = {
      {vsHideCursor, bvsNormal, true, esNoEdit},
      {vsNormal, bvsNormal, false, esEdit},
      {vsButtonsOnly, bvsButtonsOnly, true, esNoEdit},
      {vsButtonsAutoWidth, bvsButtonsAutoWidth, true, esNoEdit},
  };
  for (const TCase& c : cases) {
    Properties()->SetViewStyle(c.Style);
    EXPECT_EQ(Properties()->GetViewStyle(), c.Style);
    EXPECT_EQ(Properties()->ButtonsViewStyle(), c.Buttons);
    EXPECT_EQ(Properties()->HideCursor(), c.HideCursor);
    EXPECT_EQ(Properties()->GetEditingStyle(), c.Editing);
    EXPECT_EQ(Properties()->IsResetEditClass(), c.Editing != esNoEdit);
    EXPECT_EQ(Properties()->CanIncrementalSearch(), c.Editing == esEdit);
  }
}

TEST_F(TextEditPropertiesTest, ValueBounds) {
  struct TCase {
    const char* Name;
    void (*Set)(TcxTextEditProperties*);
    bool Min, Max;
  };
  using P = TcxTextEditProperties;
  const TCase cases[] = {
      {"neither", [](P*) {}, false, false},
      {"only the maximum, below zero", [](P* p) { p->SetMaxValue(-3); }, false, true},
      {"only the minimum", [](P* p) { p->SetMinValue(7); }, true, false},
      {"both, maximum above", [](P* p) { p->SetMinMaxValues(10, 1); }, true, true},
      {"both, maximum below", [](P* p) { p->SetMinMaxValues(1, 10); }, false, false},
  };
  for (const TCase& c : cases) {
    m_holder.reset(Create<TTextPropertiesHolder>(nullptr));
    c.Set(Properties());
    EXPECT_EQ(Properties()->IsValueBoundDefined(TcxEditValueBound::evbMin), c.Min) << c.Name;
    EXPECT_EQ(Properties()->IsValueBoundDefined(TcxEditValueBound::evbMax), c.Max) << c.Name;
    EXPECT_EQ(Properties()->IsValueBoundsDefined(), c.Min || c.Max) << c.Name;
  }
  EXPECT_EQ(Properties()->GetValidateErrorText(ekValueOutOfBounds), "Value out of bounds");
}

TEST_F(TextEditPropertiesTest, AssignCopiesSettingsAndSortsTheItemsAfterwards) {
  TOwned<TcxTextEditProperties> source(Create<TcxTextEditProperties>(nullptr));
  source->SetCharCase(TEditCharCase::ecUpperCase);
  source->SetEchoMode(TcxEditEchoMode::eemPassword);
  source->SetMaxLength(12);
  source->SetMRUMode(true);
  source->SetUpdateTextImmediately(true);
  source->LookupItems()->Add("\xFE"
                             "eker");
  source->LookupItems()->Add("armut");
  source->LookupItems()->Add("\xE7"
                             "ilek");
  source->SetLookupItemsSorted(true);
  int newTexts = 0;
  source->SetOnNewLookupDisplayText(
      TcxNewLookupDisplayTextEvent([&](TObject*, const std::string&) { ++newTexts; }));

  Properties()->SetDisplayFormat("0.00");
  Properties()->Assign(source.get());
  EXPECT_EQ(m_holder->changes, 2) << "one for the display format, one for the assignment";
  EXPECT_EQ(Properties()->CharCase(), TEditCharCase::ecUpperCase);
  EXPECT_EQ(Properties()->EchoMode(), TcxEditEchoMode::eemPassword);
  EXPECT_EQ(Properties()->MaxLength(), 12);
  EXPECT_TRUE(Properties()->IsMaxLengthStored());
  EXPECT_FALSE(Properties()->IsDisplayFormatStored()) << "not set in the source";
  EXPECT_TRUE(Properties()->MRUMode());
  EXPECT_TRUE(Properties()->UpdateTextImmediately());
  EXPECT_TRUE(Properties()->LookupItemsSorted());
  EXPECT_EQ(Properties()->LookupItems()->CommaText(), source->LookupItems()->CommaText());
  Properties()->OnNewLookupDisplayText()(nullptr, "x");
  EXPECT_EQ(newTexts, 1);
}

// Properties of a numeric descendant, and a provider whose values are money.
class TNumericProperties : public TcxCustomTextEditProperties {
  OBJECT_CLASS(TNumericProperties, TcxCustomTextEditProperties)
public:
  using TcxCustomTextEditProperties::TcxCustomTextEditProperties;
  bool IsEditValueNumeric() override { return true; }
};

class TCurrencyProvider : public editors_test::TFakeDefaultValuesProvider {
public:
  bool IsCurrency() override { return true; }
  int DefaultPrecision() override { return 10; }
};

TEST(TextEditPropertiesNumbers, NumbersAreShownInTheirFormats) {
  const char savedSeparator = FormatSettings().DecimalSeparator;
  FormatSettings().DecimalSeparator = ',';
  TCurrencyProvider money;
  struct TCase {
    const char* Name;
    void (*Set)(TNumericProperties*);
    IcxEditDefaultValuesProvider* Provider;
    Variant Value;
    bool Focused;
    const char* Expected;
  };
  using P = TNumericProperties;
  const TCase cases[] = {
      {"Null", [](P*) {}, nullptr, Null(), true, ""},
      {"empty text", [](P*) {}, nullptr, "", false, ""},
      {"no format", [](P*) {}, nullptr, 3.5, false, "3,5"},
      {"display format", [](P* p) { p->SetDisplayFormat("0.00"); }, nullptr, 3.5, false, "3,50"},
      {"display format not used while editing", [](P* p) { p->SetDisplayFormat("0.00"); }, nullptr,
       3.5, true, "3,5"},
      {"display format used while editing",
       [](P* p) {
         p->SetDisplayFormat("0.000");
         p->SetUseDisplayFormatWhenEditing(true);
       },
       nullptr, 3.5, true, "3,500"},
      {"edit format", [](P* p) { p->SetEditFormat("0.0"); }, nullptr, 2.25, true, "2,3"},
      {"a number's text, 15 digits", [](P*) {}, nullptr, "1,50", true, "1,5"},
      {"currency in fixed notation", [](P*) {}, &money, 12.5, true, "12,50"},
      {"currency text that is no number", [](P*) {}, &money, "abc", true, "abc"},
  };
  for (const TCase& c : cases) {
    TOwned<P> properties(Create<P>(nullptr));
    c.Set(properties.get());
    properties->SetIDefaultValuesProvider(c.Provider);
    Variant shown;
    properties->PrepareDisplayValue(c.Value, shown, c.Focused);
    EXPECT_EQ(VarToStr(shown), c.Expected) << c.Name;
  }
  TOwned<P> properties(Create<P>(nullptr));
  Variant shown;
  try {
    properties->PrepareDisplayValue(VarArrayOf({1, 2}), shown, false);
    ADD_FAILURE() << "an array is no number";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Could not convert to numeric value");
  }
  FormatSettings().DecimalSeparator = savedSeparator;
}

TEST(TextEditPropertiesUnit, TheTextEditorKindIsRegistered) {
  // The start-up keeps the unit's address until the program stops.
  ProgramUnits().Start(std::span(&cxTextEditPropertiesUnit, 1));
  TcxRegisteredClasses& registry = GetRegisteredEditProperties();
  const int index = registry.GetIndexByClass(TcxTextEditProperties::StaticClass());
  ASSERT_NE(index, -1);
  EXPECT_EQ(registry.GetDescription(index), "TextEdit");
  EXPECT_EQ(registry.GetHint(index), "Represents a single line text editor");
}

} // namespace
