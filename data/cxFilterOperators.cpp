#include "data/cxFilterOperators.h"

#include <array>

#include "data/cxFilter.h"
#include "data/cxFilterDateRanges.h"
#include "data/cxVariants.h"
#include "platform/rtl/AnsiStrings.h"

namespace {

bool HasOption(const TcxFilterCriteria& criteria, TcxFilterCriteriaOption option) {
  return criteria.Options().Contains(option);
}

Variant Element(const Variant& array, int index) { return VarArrayGet(array, {index}); }

// The text of one end of a between value or one element of a list in a caption.
std::string CaptionElementText(const Variant& value) {
  if (VarIsNull(value))
    return cxSFilterString(cxSFilterBlankCaption);
  return VarToStr(value);
}

} // namespace

// ---- TcxFilterOperator ------------------------------------------------------

TcxFilterCriteria* TcxFilterOperator::Criteria() const {
  TcxFilterCriteria* criteria = m_criteriaItem ? m_criteriaItem->GetCriteria() : nullptr;
  if (!criteria)
    throw EInvalidOperation("The filter condition belongs to no filter criteria");
  return criteria;
}

std::string TcxFilterOperator::FieldName() const { return m_criteriaItem->GetFieldName(); }

const Variant& TcxFilterOperator::ConditionValue() const { return m_criteriaItem->Value(); }

std::string TcxFilterOperator::GetExpressionFilterText(const Variant& value) const {
  return GetExpressionValue(value);
}

std::string TcxFilterOperator::GetExpressionValue(const Variant& value) const {
  std::string text;
  if (PrepareExpressionValue(value, text))
    return text;
  const TcxFilterCriteria& criteria = *Criteria();
  switch (VarType(value)) {
  case varNull:
    text = "NULL";
    break;
  case varDate:
    text = "'" + criteria.ConvertDateToStr(value) + "'";
    break;
  case varString:
  case varOleStr:
    text = QuotedStr(VarToStr(value));
    break;
  case varBoolean:
    text = criteria.ConvertBoolToStr(value);
    break;
  default:
    text = VarToStr(value);
  }
  criteria.FormatFilterTextValue(m_criteriaItem, value, text);
  return text;
}

void TcxFilterOperator::PrepareDisplayValue(std::string&) const {}

bool TcxFilterOperator::PrepareExpressionValue(const Variant&, std::string&) const {
  return false;
}

// ---- Equality and order -----------------------------------------------------

std::string TcxFilterEqualOperator::GetExpressionFilterText(const Variant& value) const {
  if (!VarIsArray(value))
    return inherited::GetExpressionFilterText(value);
  const std::string names = FieldName();
  int position = 1;
  std::string text;
  for (int i = VarArrayLowBound(value, 1); i <= VarArrayHighBound(value, 1); ++i) {
    const std::string name = ExtractFilterDisplayValue(names, position);
    text += text.empty() ? "(" : " AND (";
    text += name + " = " + GetExpressionValue(Element(value, i)) + ")";
  }
  return text;
}

bool TcxFilterEqualOperator::CompareValues(const Variant& dataValue,
                                           const Variant& conditionValue) const {
  return VarCompare(dataValue, conditionValue) == 0;
}

std::string TcxFilterEqualOperator::DisplayText() const {
  return cxSFilterString(cxSFilterOperatorEqual);
}

bool TcxFilterEqualOperator::IsExpression() const { return VarIsArray(ConditionValue()); }

std::string TcxFilterNotEqualOperator::GetExpressionFilterText(const Variant& value) const {
  if (!VarIsArray(value))
    return inherited::GetExpressionFilterText(value);
  return "NOT (" + inherited::GetExpressionFilterText(value) + ")";
}

bool TcxFilterNotEqualOperator::CompareValues(const Variant& dataValue,
                                              const Variant& conditionValue) const {
  return !inherited::CompareValues(dataValue, conditionValue);
}

std::string TcxFilterNotEqualOperator::DisplayText() const {
  return cxSFilterString(cxSFilterOperatorNotEqual);
}

bool TcxFilterLessOperator::CompareValues(const Variant& dataValue,
                                          const Variant& conditionValue) const {
  return VarCompare(dataValue, conditionValue) < 0;
}

std::string TcxFilterLessOperator::DisplayText() const {
  return cxSFilterString(cxSFilterOperatorLess);
}

bool TcxFilterLessEqualOperator::CompareValues(const Variant& dataValue,
                                               const Variant& conditionValue) const {
  return VarCompare(dataValue, conditionValue) <= 0;
}

std::string TcxFilterLessEqualOperator::DisplayText() const {
  return cxSFilterString(cxSFilterOperatorLessEqual);
}

bool TcxFilterGreaterOperator::CompareValues(const Variant& dataValue,
                                             const Variant& conditionValue) const {
  return VarCompare(dataValue, conditionValue) > 0;
}

std::string TcxFilterGreaterOperator::DisplayText() const {
  return cxSFilterString(cxSFilterOperatorGreater);
}

bool TcxFilterGreaterEqualOperator::CompareValues(const Variant& dataValue,
                                                  const Variant& conditionValue) const {
  return VarCompare(dataValue, conditionValue) >= 0;
}

std::string TcxFilterGreaterEqualOperator::DisplayText() const {
  return cxSFilterString(cxSFilterOperatorGreaterEqual);
}

// ---- LIKE ---------------------------------------------------------------------

cxLike::TcxFilterLikeOperator TcxFilterLikeOperator::PatternKind() const {
  std::string pattern = VarToStr(ConditionValue());
  return LikeOperatorByPattern(pattern, Criteria()->PercentWildcard());
}

void TcxFilterLikeOperator::PrepareDisplayValue(std::string& text) const {
  if (HasOption(*Criteria(), TcxFilterCriteriaOption::fcoShowOperatorDescription))
    LikeOperatorByPattern(text, Criteria()->PercentWildcard());
}

bool TcxFilterLikeOperator::CompareValues(const Variant& dataValue,
                                          const Variant& conditionValue) const {
  const TcxFilterCriteria& criteria = *Criteria();
  return LikeStr(VarToStr(dataValue), VarToStr(conditionValue), criteria.PercentWildcard(),
                 criteria.UnderscoreWildcard());
}

std::string TcxFilterLikeOperator::DisplayText() const {
  switch (PatternKind()) {
  case cxLike::TcxFilterLikeOperator::floBeginsWith:
    return cxSFilterString(cxSFilterOperatorBeginsWith);
  case cxLike::TcxFilterLikeOperator::floEndsWith:
    return cxSFilterString(cxSFilterOperatorEndsWith);
  case cxLike::TcxFilterLikeOperator::floContains:
    return cxSFilterString(cxSFilterOperatorContains);
  default:
    return cxSFilterString(cxSFilterOperatorLike);
  }
}

std::string TcxFilterNotLikeOperator::GetExpressionFilterText(const Variant& value) const {
  return " NOT (" + FieldName() + " LIKE " + GetExpressionValue(value) + ")";
}

bool TcxFilterNotLikeOperator::CompareValues(const Variant& dataValue,
                                             const Variant& conditionValue) const {
  return !inherited::CompareValues(dataValue, conditionValue);
}

std::string TcxFilterNotLikeOperator::DisplayText() const {
  switch (PatternKind()) {
  case cxLike::TcxFilterLikeOperator::floBeginsWith:
    return cxSFilterString(cxSFilterOperatorDoesNotBeginWith);
  case cxLike::TcxFilterLikeOperator::floEndsWith:
    return cxSFilterString(cxSFilterOperatorDoesNotEndWith);
  case cxLike::TcxFilterLikeOperator::floContains:
    return cxSFilterString(cxSFilterOperatorDoesNotContain);
  default:
    return cxSFilterString(cxSFilterOperatorNotLike);
  }
}

bool TcxFilterNotLikeOperator::IsExpression() const { return Criteria()->NotLikeAsExpression; }

// ---- BETWEEN --------------------------------------------------------------------

std::string TcxFilterBetweenOperator::GetExpressionFilterText(const Variant& value) const {
  const std::string field = FieldName();
  return "(" + field + " >= " + GetExpressionValue(Element(value, 0)) + ") AND (" + field +
         " <= " + GetExpressionValue(Element(value, 1)) + ")";
}

void TcxFilterBetweenOperator::PrepareDisplayValue(std::string& text) const {
  int position = 1;
  const std::string low = ExtractFilterDisplayValue(text, position);
  const std::string high =
      position <= static_cast<int>(text.size()) ? ExtractFilterDisplayValue(text, position) : "";
  text = VarBetweenArrayToStr(VarBetweenArrayCreate(low, high));
}

bool TcxFilterBetweenOperator::PrepareExpressionValue(const Variant& value,
                                                      std::string& text) const {
  if (!VarIsArray(value))
    return false;
  text = GetExpressionValue(Element(value, 0)) + " AND " + GetExpressionValue(Element(value, 1));
  return true;
}

bool TcxFilterBetweenOperator::CompareValues(const Variant& dataValue,
                                             const Variant& conditionValue) const {
  return VarCompare(Element(conditionValue, 0), dataValue) <= 0 &&
         VarCompare(dataValue, Element(conditionValue, 1)) <= 0;
}

std::string TcxFilterBetweenOperator::DisplayText() const {
  return cxSFilterString(cxSFilterOperatorBetween);
}

bool TcxFilterBetweenOperator::IsExpression() const { return Criteria()->BetweenAsExpression; }

std::string TcxFilterNotBetweenOperator::GetExpressionFilterText(const Variant& value) const {
  return "NOT (" + inherited::GetExpressionFilterText(value) + ")";
}

bool TcxFilterNotBetweenOperator::CompareValues(const Variant& dataValue,
                                                const Variant& conditionValue) const {
  return !inherited::CompareValues(dataValue, conditionValue);
}

std::string TcxFilterNotBetweenOperator::DisplayText() const {
  return cxSFilterString(cxSFilterOperatorNotBetween);
}

// ---- IN -------------------------------------------------------------------------

std::string TcxFilterInListOperator::GetExpressionFilterText(const Variant& value) const {
  const std::string field = FieldName();
  std::string text;
  for (int i = VarArrayLowBound(value, 1); i <= VarArrayHighBound(value, 1); ++i) {
    text += text.empty() ? "(" : " OR (";
    text += field + " = " + GetExpressionValue(Element(value, i)) + ")";
  }
  return text;
}

void TcxFilterInListOperator::PrepareDisplayValue(std::string& text) const {
  // An empty display value has no elements to list; it stays empty.
  if (text.empty())
    return;
  Variant list;
  int position = 1;
  while (position <= static_cast<int>(text.size())) {
    const std::string element = ExtractFilterDisplayValue(text, position);
    if (VarIsEmpty(list))
      list = VarListArrayCreate(element);
    else
      VarListArrayAddValue(list, element);
  }
  text = VarListArrayToStr(list);
}

bool TcxFilterInListOperator::PrepareExpressionValue(const Variant& value,
                                                     std::string& text) const {
  if (!VarIsArray(value))
    return false;
  text = "(";
  for (int i = VarArrayLowBound(value, 1); i <= VarArrayHighBound(value, 1); ++i) {
    if (i > VarArrayLowBound(value, 1))
      text += ", ";
    text += GetExpressionValue(Element(value, i));
  }
  text += ")";
  return true;
}

bool TcxFilterInListOperator::CompareValues(const Variant& dataValue,
                                            const Variant& conditionValue) const {
  const int high = VarArrayHighBound(conditionValue, 1);
  for (int i = VarArrayLowBound(conditionValue, 1); i <= high; ++i)
    if (dataValue == Element(conditionValue, i))
      return true;
  return false;
}

std::string TcxFilterInListOperator::DisplayText() const {
  return cxSFilterString(cxSFilterOperatorInList);
}

bool TcxFilterInListOperator::IsExpression() const { return Criteria()->InListAsExpression; }

std::string TcxFilterNotInListOperator::GetExpressionFilterText(const Variant& value) const {
  return "NOT (" + inherited::GetExpressionFilterText(value) + ")";
}

bool TcxFilterNotInListOperator::CompareValues(const Variant& dataValue,
                                               const Variant& conditionValue) const {
  return !inherited::CompareValues(dataValue, conditionValue);
}

std::string TcxFilterNotInListOperator::DisplayText() const {
  return cxSFilterString(cxSFilterOperatorNotInList);
}

// ---- Blank ----------------------------------------------------------------------

void TcxFilterNullOperator::PrepareDisplayValue(std::string& text) const {
  if (HasOption(*Criteria(), TcxFilterCriteriaOption::fcoShowOperatorDescription))
    text.clear();
}

bool TcxFilterNullOperator::CompareValues(const Variant& dataValue, const Variant&) const {
  return Criteria()->ValueIsNull(dataValue);
}

std::string TcxFilterNullOperator::DisplayText() const {
  return cxSFilterString(cxSFilterOperatorIsNull);
}

bool TcxFilterNotNullOperator::CompareValues(const Variant& dataValue,
                                             const Variant& conditionValue) const {
  return !inherited::CompareValues(dataValue, conditionValue);
}

std::string TcxFilterNotNullOperator::DisplayText() const {
  return cxSFilterString(cxSFilterOperatorIsNotNull);
}

// ---- The class table and free routines ------------------------------------------------

TcxFilterOperatorClass cxFilterOperatorClass(int index) {
  static const std::array<TcxFilterOperatorClass, 36> classes = {
      TcxFilterEqualOperator::StaticClass(),        TcxFilterNotEqualOperator::StaticClass(),
      TcxFilterLessOperator::StaticClass(),         TcxFilterLessEqualOperator::StaticClass(),
      TcxFilterGreaterOperator::StaticClass(),      TcxFilterGreaterEqualOperator::StaticClass(),
      TcxFilterLikeOperator::StaticClass(),         TcxFilterNotLikeOperator::StaticClass(),
      TcxFilterBetweenOperator::StaticClass(),      TcxFilterNotBetweenOperator::StaticClass(),
      TcxFilterInListOperator::StaticClass(),       TcxFilterNotInListOperator::StaticClass(),
      TcxFilterYesterdayOperator::StaticClass(),    TcxFilterTodayOperator::StaticClass(),
      TcxFilterTomorrowOperator::StaticClass(),     TcxFilterLast7DaysOperator::StaticClass(),
      TcxFilterLastWeekOperator::StaticClass(),     TcxFilterLast14DaysOperator::StaticClass(),
      TcxFilterLastTwoWeeksOperator::StaticClass(), TcxFilterLast30DaysOperator::StaticClass(),
      TcxFilterLastMonthOperator::StaticClass(),    TcxFilterLastYearOperator::StaticClass(),
      TcxFilterInPastOperator::StaticClass(),       TcxFilterThisWeekOperator::StaticClass(),
      TcxFilterThisMonthOperator::StaticClass(),    TcxFilterThisYearOperator::StaticClass(),
      TcxFilterNext7DaysOperator::StaticClass(),    TcxFilterNextWeekOperator::StaticClass(),
      TcxFilterNext14DaysOperator::StaticClass(),   TcxFilterNextTwoWeeksOperator::StaticClass(),
      TcxFilterNext30DaysOperator::StaticClass(),   TcxFilterNextMonthOperator::StaticClass(),
      TcxFilterNextYearOperator::StaticClass(),     TcxFilterInFutureOperator::StaticClass(),
      TcxFilterNullOperator::StaticClass(),         TcxFilterNotNullOperator::StaticClass(),
  };
  if (index < 0 || index >= static_cast<int>(classes.size()))
    throw EListError("Filter operator index out of bounds (" + std::to_string(index) + ")");
  return classes[static_cast<std::size_t>(index)];
}

std::string ExtractFilterDisplayValue(std::string_view text, int& position) {
  const int length = static_cast<int>(text.size());
  const int start = position < 1 ? 1 : position;
  int end = start;
  while (end <= length && text[static_cast<std::size_t>(end - 1)] != ';')
    ++end;
  position = end + 1;
  if (start > length)
    return {};
  const auto first = static_cast<std::size_t>(start - 1);
  return Trim(text.substr(first, static_cast<std::size_t>(end - start)));
}

std::string VarBetweenArrayToStr(const Variant& array) {
  return CaptionElementText(Element(array, 0)) + " " + cxSFilterString(cxSFilterAndCaption) + " " +
         CaptionElementText(Element(array, 1));
}

std::string VarListArrayToStr(const Variant& array) {
  const int low = VarArrayLowBound(array, 1);
  std::string text = "(" + CaptionElementText(Element(array, low));
  for (int i = low + 1; i <= VarArrayHighBound(array, 1); ++i)
    text += ", " + CaptionElementText(Element(array, i));
  return text + ")";
}
