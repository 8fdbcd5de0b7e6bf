#include "editors/cxFilterControlUtils.h"

#include <array>
#include <memory>

#include "data/cxFilterConsts.h"
#include "editors/cxEditInplace.h"
#include "editors/cxEditProperties.h"
#include "editors/cxFilterControlStrs.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Screen.h"

namespace {

using enum TcxFilterControlOperator;
using enum TcxFilterOperatorKind;

struct TOperatorRow {
  TcxFilterOperatorKind Kind;
  const TResStringRec* Caption;
};

constexpr int kOperatorCount = static_cast<int>(fcoInFuture) + 1;

// Indexed by TcxFilterControlOperator.
const std::array<TOperatorRow, kOperatorCount> kOperators{{
    {foEqual, nullptr},
    {foEqual, &cxSFilterOperatorEqual},
    {foNotEqual, &cxSFilterOperatorNotEqual},
    {foLess, &cxSFilterOperatorLess},
    {foLessEqual, &cxSFilterOperatorLessEqual},
    {foGreater, &cxSFilterOperatorGreater},
    {foGreaterEqual, &cxSFilterOperatorGreaterEqual},
    {foLike, &cxSFilterOperatorLike},
    {foNotLike, &cxSFilterOperatorNotLike},
    {foEqual, &cxSFilterOperatorIsNull},
    {foNotEqual, &cxSFilterOperatorIsNotNull},
    {foBetween, &cxSFilterOperatorBetween},
    {foNotBetween, &cxSFilterOperatorNotBetween},
    {foInList, &cxSFilterOperatorInList},
    {foNotInList, &cxSFilterOperatorNotInList},
    {foYesterday, &cxSFilterOperatorYesterday},
    {foToday, &cxSFilterOperatorToday},
    {foTomorrow, &cxSFilterOperatorTomorrow},
    {foLast7Days, &cxSFilterOperatorLast7Days},
    {foLastWeek, &cxSFilterOperatorLastWeek},
    {foLast14Days, &cxSFilterOperatorLast14Days},
    {foLastTwoWeeks, &cxSFilterOperatorLastTwoWeeks},
    {foLast30Days, &cxSFilterOperatorLast30Days},
    {foLastMonth, &cxSFilterOperatorLastMonth},
    {foLastYear, &cxSFilterOperatorLastYear},
    {foInPast, &cxSFilterOperatorPast},
    {foThisWeek, &cxSFilterOperatorThisWeek},
    {foThisMonth, &cxSFilterOperatorThisMonth},
    {foThisYear, &cxSFilterOperatorThisYear},
    {foNext7Days, &cxSFilterOperatorNext7Days},
    {foNextWeek, &cxSFilterOperatorNextWeek},
    {foNext14Days, &cxSFilterOperatorNext14Days},
    {foNextTwoWeeks, &cxSFilterOperatorNextTwoWeeks},
    {foNext30Days, &cxSFilterOperatorNext30Days},
    {foNextMonth, &cxSFilterOperatorNextMonth},
    {foNextYear, &cxSFilterOperatorNextYear},
    {foInFuture, &cxSFilterOperatorFuture},
}};

const TOperatorRow& RowOf(TcxFilterControlOperator op) {
  return kOperators.at(static_cast<std::size_t>(op));
}

// Operators from 'first' to 'last' in their order.
TcxFilterControlOperators OperatorRange(TcxFilterControlOperator first,
                                        TcxFilterControlOperator last) {
  TcxFilterControlOperators result;
  for (int i = static_cast<int>(first); i <= static_cast<int>(last); ++i)
    result.Include(static_cast<TcxFilterControlOperator>(i));
  return result;
}

bool IsStringType(TcxValueTypeClass valueTypeClass) {
  return valueTypeClass && valueTypeClass->IsString();
}

// Whether the helper accepts the value; an error of the check counts as a refusal.
bool CheckValue(TcxCustomFilterEditHelperClass helperClass, TcxValueTypeClass valueTypeClass,
                Variant& value) {
  try {
    return helperClass->IsValueValid(valueTypeClass, value);
  } catch (const Exception&) {
    return false;
  }
}

// Whether another form than the active one stays on top.
bool OtherFormStaysOnTop(const TCustomForm* active) {
  for (int i = 0; i < Screen->FormCount(); ++i) {
    const TCustomForm* form = Screen->Forms(i);
    if (form != active && form->FormStyle() == TFormStyle::fsStayOnTop)
      return true;
  }
  return false;
}

std::unique_ptr<TcxFilterEditsController> filterEditsController;

} // namespace

TcxFilterOperatorKind GetFilterOperatorKind(TcxFilterControlOperator op) { return RowOf(op).Kind; }

// Equal and not-equal each belong to three and two operators: the plain
// comparison answers unless the value is Null.
TcxFilterControlOperator GetFilterControlOperator(TcxFilterOperatorKind kind, bool valueIsNull) {
  if (kind == foEqual)
    return valueIsNull ? fcoBlanks : fcoEqual;
  if (kind == foNotEqual)
    return valueIsNull ? fcoNonBlanks : fcoNotEqual;
  for (int i = static_cast<int>(fcoEqual); i < kOperatorCount; ++i)
    if (kOperators[i].Kind == kind)
      return static_cast<TcxFilterControlOperator>(i);
  return fcoNone;
}

std::string GetFilterControlOperatorText(TcxFilterControlOperator op) {
  const TResStringRec* caption = RowOf(op).Caption;
  return caption ? cxGetResourceStringNet(cxLoadResString(*caption)) : std::string();
}

void FilterControlError(const std::string& message) { throw EcxFilterControlError(message); }

void FilterControlValidateValue(TcxCustomEdit*, Variant& value, TcxFilterControlOperator op,
                                TcxValueTypeClass valueTypeClass,
                                TcxCustomFilterEditHelperClass helperClass) {
  if (!valueTypeClass)
    return;
  if (VarIsStr(value) && VarToStr(value).empty() && !valueTypeClass->IsString())
    value = Null();
  if (VarIsNull(value) || op == fcoLike || op == fcoNotLike)
    return;
  if (!helperClass)
    helperClass = TcxCustomFilterEditHelper::StaticClass();
  if (!CheckValue(helperClass, valueTypeClass, value))
    FilterControlError(cxGetResourceStringNet(cxLoadResString(cxSFilterDialogInvalidValue)));
}

void CorrectDlgParams(TCreateParams& params) {
  TCustomForm* active = Screen->ActiveForm();
  if (!active || OtherFormStaysOnTop(active))
    return;
  params.WndParent = active->Handle();
}

// ---- TcxCustomFilterEditHelper -----------------------------------------------

void TcxCustomFilterEditHelperMeta::ClearPropertiesEvents(
    TcxCustomEditProperties* properties) const {
  if (!properties)
    return;
  properties->SetOnButtonClick({});
  properties->SetOnChange({});
  properties->SetOnEditValueChanged({});
  properties->SetOnValidate({});
}

void TcxCustomFilterEditHelperMeta::InitializeEdit(TcxCustomEdit* edit,
                                                   TcxCustomEditProperties* source) const {
  InitializeProperties(edit->GetActiveProperties(), source, EditPropertiesHasButtons());
}

bool TcxCustomFilterEditHelperMeta::IsIDefaultValuesProviderNeeded(TcxCustomEditProperties*) const {
  return true;
}

bool TcxCustomFilterEditHelperMeta::EditPropertiesHasButtons() const { return false; }

TClass TcxCustomFilterEditHelperMeta::GetFilterEditClass() const { return nullptr; }

void TcxCustomFilterEditHelperMeta::GetFilterValue(TcxCustomEdit* edit,
                                                   TcxCustomEditProperties* properties,
                                                   Variant& value, std::string& displayText) const {
  value = edit->GetEditValue();
  displayText = properties->GetDisplayText(value, false, true);
}

TcxFilterControlOperators TcxCustomFilterEditHelperMeta::GetSupportedFilterOperators(
    TcxCustomEditProperties*, TcxValueTypeClass valueTypeClass, bool extended) const {
  TcxFilterControlOperators result =
      OperatorRange(fcoEqual, extended ? fcoNotInList : fcoNonBlanks);
  if (!IsStringType(valueTypeClass))
    result -= {fcoLike, fcoNotLike};
  return result;
}

void TcxCustomFilterEditHelperMeta::InitializeProperties(TcxCustomEditProperties* target,
                                                         TcxCustomEditProperties* source,
                                                         bool hasButtons) const {
  target->Assign(source);
  TcxEditAlignment* alignment = target->BaseGetAlignment();
  alignment->SetHorz(TAlignment::taLeftJustify);
  alignment->SetVert(TcxEditVertAlignment::taTopJustify);
  target->SetBeepOnError(false);
  if (!hasButtons)
    target->Buttons()->Clear();
  target->SetReadOnly(false);
  target->SetValidateOnEnter(true);
  if (!IsIDefaultValuesProviderNeeded(source))
    target->SetIDefaultValuesProvider(nullptr);
  ClearPropertiesEvents(target);
}

bool TcxCustomFilterEditHelperMeta::IsValueValid(TcxValueTypeClass valueTypeClass,
                                                 Variant& value) const {
  return valueTypeClass && valueTypeClass->IsValueValid(value);
}

void TcxCustomFilterEditHelperMeta::SetFilterValue(TcxCustomEdit*, TcxCustomEditProperties*,
                                                   const Variant&) const {}

bool TcxCustomFilterEditHelperMeta::UseDisplayValue() const { return false; }

TcxCustomEdit* TcxCustomFilterEditHelperMeta::GetFilterEdit(TcxCustomEditProperties* source,
                                                            TcxInplaceEditList* list) const {
  const auto editClass = TClassRef<TcxCustomEdit>::Checked(GetFilterEditClass());
  if (!editClass)
    throw EInvalidOperation("The filter edit helper " + ClassName() + " names no editor class");
  if (!list) {
    TOwned<TcxCustomEdit> edit(editClass.Create(nullptr));
    InitializeEdit(edit.get(), source);
    return edit.release();
  }
  TcxCustomEdit* edit = list->GetEdit(editClass->GetPropertiesClass());
  InitializeEdit(edit, source);
  return edit;
}

// ---- TcxFilterEditsController ----------------------------------------------

TClass TcxFilterEditsController::GetItemClass(TClass propertiesClass) {
  return propertiesClass ? propertiesClass->ClassParent() : nullptr;
}

void TcxFilterEditsController::Register(TClass propertiesClass, TClass helperClass) {
  TcxCustomFilterEditHelperClass::Checked(helperClass);
  const TClass key = GetItemClass(propertiesClass);
  if (!key)
    throw EInvalidOperation("A filter edit helper needs an editor properties class with a parent");
  TcxRegisteredClassList::Register(key, helperClass);
}

// Frees itself when emptied; nothing of the object is touched afterwards.
void TcxFilterEditsController::Unregister(TClass propertiesClass, TClass helperClass) {
  TcxRegisteredClassList::Unregister(GetItemClass(propertiesClass), helperClass);
  if (Count() == 0 && filterEditsController.get() == this)
    filterEditsController.reset();
}

TcxCustomFilterEditHelperClass TcxFilterEditsController::FindHelper(TClass propertiesClass) const {
  return TcxCustomFilterEditHelperClass::Checked(FindClass(GetItemClass(propertiesClass)));
}

TcxFilterEditsController* FilterEditsController() {
  if (!filterEditsController)
    filterEditsController = std::make_unique<TcxFilterEditsController>();
  return filterEditsController.get();
}
