// Filter-control helpers: the operators with their filter kinds and captions
// (also replaced by Turkish texts), the operators offered per value type, the
// check of a value typed into a filter row, the registry of helpers per
// properties class, and the parent window of a filter dialog.
#include "editors/cxFilterControlUtils.h"

#include "data/cxVariants.h"
#include "editors/cxFilterControlStrs.h"
#include "platform/controls/Application.h"
#include "platform/controls/ControlsUnits.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Screen.h"
#include "platform/controls/WinControls.h"
#include "platform/objects/Persistent.h"
#include "tests/editors/EditPropertiesTestSupport.h"
#include "tests/support/GTest.h"

namespace {

using enum TcxFilterControlOperator;
using enum TcxFilterOperatorKind;

struct TOperatorCase {
  TcxFilterControlOperator Op;
  TcxFilterOperatorKind Kind;
  const char* Caption;
};

const TOperatorCase kOperatorTable[] = {
    {fcoNone, foEqual, ""},
    {fcoEqual, foEqual, "equals"},
    {fcoNotEqual, foNotEqual, "does not equal"},
    {fcoLess, foLess, "is less than"},
    {fcoLessEqual, foLessEqual, "is less than or equal to"},
    {fcoGreater, foGreater, "is greater than"},
    {fcoGreaterEqual, foGreaterEqual, "is greater than or equal to"},
    {fcoLike, foLike, "like"},
    {fcoNotLike, foNotLike, "not like"},
    {fcoBlanks, foEqual, "is blank"},
    {fcoNonBlanks, foNotEqual, "is not blank"},
    {fcoBetween, foBetween, "between"},
    {fcoNotBetween, foNotBetween, "not between"},
    {fcoInList, foInList, "in"},
    {fcoNotInList, foNotInList, "not in"},
    {fcoYesterday, foYesterday, "is yesterday"},
    {fcoToday, foToday, "is today"},
    {fcoTomorrow, foTomorrow, "is tomorrow"},
    {fcoLast7Days, foLast7Days, "is last 7 days"},
    {fcoLastWeek, foLastWeek, "is last week"},
    {fcoLast14Days, foLast14Days, "is last 14 days"},
    {fcoLastTwoWeeks, foLastTwoWeeks, "is last two weeks"},
    {fcoLast30Days, foLast30Days, "is last 30 days"},
    {fcoLastMonth, foLastMonth, "is last month"},
    {fcoLastYear, foLastYear, "is last year"},
    {fcoInPast, foInPast, "is past"},
    {fcoThisWeek, foThisWeek, "is this week"},
    {fcoThisMonth, foThisMonth, "is this month"},
    {fcoThisYear, foThisYear, "is this year"},
    {fcoNext7Days, foNext7Days, "is next 7 days"},
    {fcoNextWeek, foNextWeek, "is next week"},
    {fcoNext14Days, foNext14Days, "is next 14 days"},
    {fcoNextTwoWeeks, foNextTwoWeeks, "is next two weeks"},
    {fcoNext30Days, foNext30Days, "is next 30 days"},
    {fcoNextMonth, foNextMonth, "is next month"},
    {fcoNextYear, foNextYear, "is next year"},
    {fcoInFuture, foInFuture, "is future"},
};

TEST(FilterControlOperators, EveryOperatorHasItsKindAndCaption) {
  ASSERT_EQ(std::size(kOperatorTable), 37u);
  for (const TOperatorCase& c : kOperatorTable) {
    const int op = static_cast<int>(c.Op);
    EXPECT_EQ(GetFilterOperatorKind(c.Op), c.Kind) << op;
    EXPECT_EQ(GetFilterControlOperatorText(c.Op), c.Caption) << op;
    if (c.Op != fcoNone && c.Op != fcoBlanks && c.Op != fcoNonBlanks)
      EXPECT_EQ(GetFilterControlOperator(c.Kind, false), c.Op) << op;
  }
}

TEST(FilterControlOperators, ANullValueTurnsOnlyTheEqualityTestsIntoBlankTests) {
  struct TCase {
    TcxFilterOperatorKind Kind;
    bool IsNull;
    TcxFilterControlOperator Expected;
  };
  const TCase cases[] = {
      {foEqual, false, fcoEqual},       {foEqual, true, fcoBlanks},
      {foNotEqual, false, fcoNotEqual}, {foNotEqual, true, fcoNonBlanks},
      {foLess, true, fcoLess},          {foLike, true, fcoLike},
      {foInList, true, fcoInList},      {foToday, true, fcoToday},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(GetFilterControlOperator(c.Kind, c.IsNull), c.Expected)
        << static_cast<int>(c.Kind) << " " << c.IsNull;
}

TEST(FilterControlOperators, ARegisteredTurkishCaptionWins) {
  const std::pair<TcxFilterControlOperator, const char*> cases[] = {
      {fcoEqual, "e\xFEittir"},          {fcoBlanks, "bo\xFE"},
      {fcoInList, "i\xE7inde"},          {fcoToday, "bug\xFCn"},
      {fcoGreater, "b\xFCy\xFCkt\xFCr"},
  };
  for (const auto& [op, caption] : cases)
    cxSetResourceStringNet(GetFilterControlOperatorText(op), caption);
  for (const auto& [op, caption] : cases)
    EXPECT_EQ(GetFilterControlOperatorText(op), caption) << static_cast<int>(op);
  EXPECT_EQ(GetFilterControlOperatorText(fcoLess), "is less than");
  EXPECT_EQ(GetFilterControlOperatorText(fcoNone), "");
  cxFreeResourceStringRepository();
}

// The captions a filter row offers, in operator order.
std::vector<std::string> OfferedCaptions(TcxValueTypeClass valueType, bool extended) {
  const TcxFilterControlOperators offered =
      TcxCustomFilterEditHelper::StaticClass()->GetSupportedFilterOperators(nullptr, valueType,
                                                                            extended);
  std::vector<std::string> captions;
  for (const TOperatorCase& c : kOperatorTable)
    if (offered.Contains(c.Op))
      captions.push_back(c.Caption);
  return captions;
}

TEST(FilterControlOperators, ValueTypesGetTheirOperators) {
  const std::vector<std::string> comparisons = {"equals",          "does not equal",
                                                "is less than",    "is less than or equal to",
                                                "is greater than", "is greater than or equal to"};
  const std::vector<std::string> patterns = {"like", "not like"};
  const std::vector<std::string> blanks = {"is blank", "is not blank"};
  const std::vector<std::string> ranges = {"between", "not between", "in", "not in"};
  auto join = [](std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts)
      all.insert(all.end(), part.begin(), part.end());
    return all;
  };
  struct TCase {
    const char* Name;
    TcxValueTypeClass ValueType;
    bool Extended;
    std::vector<std::string> Expected;
  };
  const TCase cases[] = {
      {"string", TcxStringValueType::StaticClass(), false, join({comparisons, patterns, blanks})},
      {"string, extended", TcxStringValueType::StaticClass(), true,
       join({comparisons, patterns, blanks, ranges})},
      {"wide string", TcxWideStringValueType::StaticClass(), false,
       join({comparisons, patterns, blanks})},
      {"integer", TcxIntegerValueType::StaticClass(), false, join({comparisons, blanks})},
      {"integer, extended", TcxIntegerValueType::StaticClass(), true,
       join({comparisons, blanks, ranges})},
      {"float", TcxFloatValueType::StaticClass(), false, join({comparisons, blanks})},
      {"date, extended: no date range", TcxDateTimeValueType::StaticClass(), true,
       join({comparisons, blanks, ranges})},
      {"boolean", TcxBooleanValueType::StaticClass(), false, join({comparisons, blanks})},
      {"variant", TcxVariantValueType::StaticClass(), false, join({comparisons, blanks})},
      {"no value type", nullptr, false, join({comparisons, blanks})},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(OfferedCaptions(c.ValueType, c.Extended), c.Expected) << c.Name;
}

TEST(FilterEditHelper, BaseAnswers) {
  const auto* helper = TcxCustomFilterEditHelper::StaticClass();
  EXPECT_TRUE(helper->IsIDefaultValuesProviderNeeded(nullptr));
  EXPECT_FALSE(helper->EditPropertiesHasButtons());
  EXPECT_EQ(helper->GetFilterEditClass(), nullptr);
  EXPECT_FALSE(helper->UseDisplayValue());
  Variant value = "12";
  EXPECT_TRUE(helper->IsValueValid(TcxIntegerValueType::StaticClass(), value));
  EXPECT_EQ(VarType(value), varInteger);
  EXPECT_FALSE(helper->IsValueValid(nullptr, value));
}

// A helper whose check refuses everything, and one whose check fails.
class TRefusingHelperMeta : public TcxCustomFilterEditHelperMeta {
public:
  using TcxCustomFilterEditHelperMeta::TcxCustomFilterEditHelperMeta;
  bool IsValueValid(TcxValueTypeClass, Variant&) const override { return false; }
};
class TRefusingHelper : public TcxCustomFilterEditHelper {
  OBJECT_CLASS_META(TRefusingHelper, TcxCustomFilterEditHelper, TRefusingHelperMeta)
};

class TFailingHelperMeta : public TcxCustomFilterEditHelperMeta {
public:
  using TcxCustomFilterEditHelperMeta::TcxCustomFilterEditHelperMeta;
  bool IsValueValid(TcxValueTypeClass, Variant&) const override {
    throw EConvertError("'x' is not a valid integer value");
  }
};
class TFailingHelper : public TcxCustomFilterEditHelper {
  OBJECT_CLASS_META(TFailingHelper, TcxCustomFilterEditHelper, TFailingHelperMeta)
};

TEST(FilterControlValidateValue, ValuesAreCheckedForTheirType) {
  const TcxValueTypeClass integer = TcxIntegerValueType::StaticClass();
  const TcxValueTypeClass text = TcxStringValueType::StaticClass();
  const TcxValueTypeClass date = TcxDateTimeValueType::StaticClass();
  const TcxCustomFilterEditHelperClass base = TcxCustomFilterEditHelper::StaticClass();
  struct TCase {
    const char* Name;
    TcxValueTypeClass ValueType;
    Variant Value;
    TcxFilterControlOperator Op;
    TcxCustomFilterEditHelperClass Helper;
    bool Raises;
    Variant Expected;
  };
  const TCase cases[] = {
      {"empty text for an integer becomes Null", integer, "", fcoEqual, base, false, Null()},
      {"Null passes unchecked", integer, Null(), fcoEqual, TRefusingHelper::StaticClass(), false,
       Null()},
      {"empty text for a string is checked", text, "", fcoEqual, TRefusingHelper::StaticClass(),
       true, ""},
      {"empty text for a string passes the string check", text, "", fcoEqual, base, false, ""},
      {"a number's text is converted", integer, "42", fcoGreater, base, false, 42},
      {"a text that is no number is refused", integer, "k\xFDrk", fcoEqual, base, true, "k\xFDrk"},
      {"like patterns are not checked", integer, "4%", fcoLike, base, false, "4%"},
      {"not like patterns are not checked", integer, "%\xFE", fcoNotLike,
       TRefusingHelper::StaticClass(), false, "%\xFE"},
      {"no value type: nothing happens", nullptr, "", fcoEqual, TRefusingHelper::StaticClass(),
       false, ""},
      {"no helper: the base checks", integer, "7", fcoEqual, nullptr, false, 7},
      {"an error of the check is an invalid value", integer, "7", fcoEqual,
       TFailingHelper::StaticClass(), true, "7"},
      {"a date that does not exist", date, "31.02.2024", fcoEqual, base, true, "31.02.2024"},
  };
  for (const TCase& c : cases) {
    Variant value = c.Value;
    if (c.Raises) {
      try {
        FilterControlValidateValue(nullptr, value, c.Op, c.ValueType, c.Helper);
        ADD_FAILURE() << c.Name << ": no error";
      } catch (const EcxFilterControlError& e) {
        EXPECT_EQ(e.Message(), "Invalid value") << c.Name;
      }
    } else {
      EXPECT_NO_THROW(FilterControlValidateValue(nullptr, value, c.Op, c.ValueType, c.Helper))
          << c.Name;
    }
    EXPECT_EQ(VarType(value), VarType(c.Expected)) << c.Name;
    EXPECT_TRUE(VarEquals(value, c.Expected)) << c.Name;
  }
}

TEST(FilterControlValidateValue, TheMessageIsTheRegisteredText) {
  cxSetResourceString(cxSFilterDialogInvalidValue, "Ge\xE7"
                                                   "ersiz de\xF0"
                                                   "er");
  Variant value = "abc";
  try {
    FilterControlValidateValue(nullptr, value, fcoEqual, TcxIntegerValueType::StaticClass(),
                               nullptr);
    ADD_FAILURE() << "no error";
  } catch (const EcxFilterControlError& e) {
    EXPECT_EQ(e.Message(), "Ge\xE7"
                           "ersiz de\xF0"
                           "er");
  }
  cxFreeResourceStringRepository();
}

// A helper for editors whose provider of defaults means nothing in a filter row.
class TNoProviderHelperMeta : public TcxCustomFilterEditHelperMeta {
public:
  using TcxCustomFilterEditHelperMeta::TcxCustomFilterEditHelperMeta;
  bool IsIDefaultValuesProviderNeeded(TcxCustomEditProperties*) const override { return false; }
};
class TNoProviderHelper : public TcxCustomFilterEditHelper {
  OBJECT_CLASS_META(TNoProviderHelper, TcxCustomFilterEditHelper, TNoProviderHelperMeta)
};

TEST(FilterEditHelper, AFilterRowGetsACopyOfThePropertiesFitForFiltering) {
  using editors_test::TTestEditProperties;
  editors_test::TFakeDefaultValuesProvider provider;
  TOwned<TTestEditProperties> source(Create<TTestEditProperties>(nullptr));
  source->SetBeepOnError(true);
  source->SetReadOnly(true);
  source->SetAutoSelect(false);
  source->Buttons()->Add();
  source->Buttons()->Add();
  source->BaseGetAlignment()->SetHorz(TAlignment::taRightJustify);
  source->BaseGetAlignment()->SetVert(TcxEditVertAlignment::taVCenter);
  source->SetIDefaultValuesProvider(&provider);
  source->SetOnChange(TNotifyEvent([](TObject*) {}));
  source->SetOnEditValueChanged(TNotifyEvent([](TObject*) {}));
  source->SetOnValidate(TcxEditValidateEvent([](TObject*, Variant&, std::string&, bool&) {}));
  source->SetOnButtonClick(TcxEditButtonClickEvent([](TObject*, int) {}));
  source->SetOnClosePopup(TcxEditClosePopupEvent([](TObject*, TcxEditCloseUpReason) {}));
  struct TCase {
    const char* Name;
    TcxCustomFilterEditHelperClass Helper;
    bool HasButtons;
    int Buttons;
    IcxEditDefaultValuesProvider* Provider;
  };
  const TCase cases[] = {
      {"no buttons", TcxCustomFilterEditHelper::StaticClass(), false, 0, &provider},
      {"with buttons", TcxCustomFilterEditHelper::StaticClass(), true, 2, &provider},
      {"provider not needed", TNoProviderHelper::StaticClass(), false, 0, nullptr},
  };
  for (const TCase& c : cases) {
    TOwned<TTestEditProperties> target(Create<TTestEditProperties>(nullptr));
    c.Helper->InitializeProperties(target.get(), source.get(), c.HasButtons);
    EXPECT_FALSE(target->AutoSelect()) << c.Name << ": copied";
    EXPECT_EQ(target->BaseGetAlignment()->Horz(), TAlignment::taLeftJustify) << c.Name;
    EXPECT_EQ(target->BaseGetAlignment()->Vert(), TcxEditVertAlignment::taTopJustify) << c.Name;
    EXPECT_FALSE(target->BeepOnError()) << c.Name;
    EXPECT_EQ(target->Buttons()->Count(), c.Buttons) << c.Name;
    EXPECT_FALSE(target->ReadOnly()) << c.Name;
    EXPECT_TRUE(target->IsReadOnlyStored()) << c.Name;
    EXPECT_TRUE(target->ValidateOnEnter()) << c.Name;
    EXPECT_EQ(target->IDefaultValuesProvider(), c.Provider) << c.Name;
    EXPECT_FALSE(target->OnChange() || target->OnEditValueChanged() || target->OnValidate() ||
                 target->OnButtonClick())
        << c.Name;
  }
  TcxCustomFilterEditHelper::StaticClass()->ClearPropertiesEvents(source.get());
  EXPECT_FALSE(source->OnChange());
  EXPECT_TRUE(source->OnClosePopup()) << "the popup's handler stays";
  TcxCustomFilterEditHelper::StaticClass()->ClearPropertiesEvents(nullptr);
}

// Properties classes: two siblings under one root, and a descendant of one.
class TRootProperties : public TPersistent {
  OBJECT_CLASS(TRootProperties, TPersistent)
};
class TTextProperties : public TRootProperties {
  OBJECT_CLASS(TTextProperties, TRootProperties)
};
class TMaskProperties : public TTextProperties {
  OBJECT_CLASS(TMaskProperties, TTextProperties)
};
class TMemoProperties : public TRootProperties {
  OBJECT_CLASS(TMemoProperties, TRootProperties)
};

TEST(FilterEditsController, PairsAreKeptUnderTheParentClass) {
  TcxFilterEditsController* controller = FilterEditsController();
  controller->Register(TTextProperties::StaticClass(), TRefusingHelper::StaticClass());
  EXPECT_EQ(controller->Count(), 1);
  EXPECT_EQ(controller->Items(0).ItemClass, TRootProperties::StaticClass());
  const std::pair<TClass, TcxCustomFilterEditHelperClass> cases[] = {
      {TTextProperties::StaticClass(), TRefusingHelper::StaticClass()},
      {TMemoProperties::StaticClass(), TRefusingHelper::StaticClass()},
      {TMaskProperties::StaticClass(), TRefusingHelper::StaticClass()},
      {TRootProperties::StaticClass(), nullptr},
      {TPersistent::StaticClass(), nullptr},
      {nullptr, nullptr},
  };
  for (const auto& [properties, helper] : cases)
    EXPECT_EQ(TClass(controller->FindHelper(properties)), TClass(helper))
        << (properties ? properties->ClassName() : "nil");
  controller->Unregister(TTextProperties::StaticClass(), TRefusingHelper::StaticClass());
}

TEST(FilterEditsController, TheLastUnregistrationEmptiesTheController) {
  FilterEditsController()->Register(TTextProperties::StaticClass(), TRefusingHelper::StaticClass());
  FilterEditsController()->Register(TMaskProperties::StaticClass(), TFailingHelper::StaticClass());
  FilterEditsController()->Unregister(TTextProperties::StaticClass(),
                                      TRefusingHelper::StaticClass());
  EXPECT_FALSE(FilterEditsController()->FindHelper(TMemoProperties::StaticClass()));
  EXPECT_EQ(TClass(FilterEditsController()->FindHelper(TMaskProperties::StaticClass())),
            TFailingHelper::StaticClass());
  FilterEditsController()->Unregister(TMaskProperties::StaticClass(),
                                      TFailingHelper::StaticClass());
  EXPECT_EQ(FilterEditsController()->Count(), 0);
  EXPECT_FALSE(FilterEditsController()->FindHelper(TMaskProperties::StaticClass()));
}

TEST(FilterEditsController, BadPairsAreRefused) {
  TcxFilterEditsController* controller = FilterEditsController();
  EXPECT_THROW(controller->Register(TTextProperties::StaticClass(), TPersistent::StaticClass()),
               EInvalidCast);
  EXPECT_THROW(controller->Register(TObject::StaticClass(), TRefusingHelper::StaticClass()),
               EInvalidOperation);
  EXPECT_THROW(controller->Register(nullptr, TRefusingHelper::StaticClass()), EInvalidOperation);
  EXPECT_EQ(controller->Count(), 0);
}

class CorrectDlgParamsTest : public testing::Test {
protected:
  static void SetUpTestSuite() { ProgramUnits().Start(ControlsUnits()); }
  void TearDown() override { Screen->SetActive(nullptr, nullptr); }
};

TEST_F(CorrectDlgParamsTest, TheActiveFormOwnsTheDialogUnlessAnotherStaysOnTop) {
  HWND const untouched = reinterpret_cast<HWND>(0x1234);
  TCreateParams params;
  params.WndParent = untouched;
  CorrectDlgParams(params);
  EXPECT_EQ(params.WndParent, untouched) << "no active form";

  TForm* active = Create<TForm>(Application, 0);
  Screen->SetActive(active, nullptr);
  CorrectDlgParams(params);
  EXPECT_EQ(params.WndParent, active->Handle());

  active->SetFormStyle(TFormStyle::fsStayOnTop);
  params.WndParent = untouched;
  CorrectDlgParams(params);
  EXPECT_EQ(params.WndParent, active->Handle()) << "the active form itself may stay on top";

  TForm* onTop = Create<TForm>(Application, 0);
  onTop->SetFormStyle(TFormStyle::fsStayOnTop);
  active->SetFormStyle(TFormStyle::fsNormal);
  params.WndParent = untouched;
  CorrectDlgParams(params);
  EXPECT_EQ(params.WndParent, untouched) << "another form stays on top";
  onTop->Free();
  active->Free();
}

} // namespace
