// The filter as text: the filter text for a data source (field names,
// operator symbols, literals, AND / OR / NOT) and the caption for people
// (field captions, operator captions, display values, "and" / "or" / "not").
#include "data/cxFilter.h"

#include "platform/rtl/DateTime.h"

std::string TcxFilterCriteria::GetFilterText() { return GetFilterExpression(false); }

std::string TcxFilterCriteria::GetFilterCaption() { return GetFilterExpression(true); }

void TcxFilterCriteria::SetFilterText(const std::string&) {}

std::string TcxFilterCriteria::GetFilterExpression(bool display) {
  return ListExpression(m_root, display);
}

std::string TcxFilterCriteria::ListExpression(const TcxFilterCriteriaItemList* list,
                                              bool display) {
  using enum TcxFilterBoolOperatorKind;
  const bool isOr = list->BoolOperatorKind() == fboOr || list->BoolOperatorKind() == fboNotOr;
  std::string connective;
  if (display)
    connective = cxSFilterString(isOr ? cxSFilterOrCaption : cxSFilterAndCaption);
  else
    connective = isOr ? "OR" : "AND";
  std::string text;
  for (int i = 0; i < list->Count(); ++i) {
    TcxCustomFilterCriteriaItem* item = list->Items(i);
    if (i > 0)
      text += " " + connective + " ";
    if (item->IsItemList())
      text += "(" + ListExpression(static_cast<TcxFilterCriteriaItemList*>(item), display) + ")";
    else
      text += "(" + GetItemExpression(static_cast<TcxFilterCriteriaItem*>(item), display) + ")";
  }
  if (list->IsNegation()) {
    const std::string negation = display ? cxSFilterString(cxSFilterNotCaption) : "NOT";
    text = negation + " (" + text + ")";
  }
  return text;
}

std::string TcxFilterCriteria::GetItemExpression(TcxFilterCriteriaItem* item, bool display) {
  if (!display && item->Operator()->IsExpression())
    return item->Operator()->GetExpressionFilterText(item->Value());
  const std::string value = GetItemExpressionValue(item, display);
  std::string text =
      GetItemExpressionFieldName(item, display) + " " + GetItemExpressionOperator(item, display);
  if (!value.empty())
    text += " " + value;
  return text;
}

std::string TcxFilterCriteria::GetItemExpressionFieldName(TcxFilterCriteriaItem* item,
                                                          bool display) {
  return display ? item->GetFieldCaption() : item->GetFieldName();
}

std::string TcxFilterCriteria::GetItemExpressionOperator(TcxFilterCriteriaItem* item,
                                                         bool display) {
  const TcxFilterOperator* filterOperator = item->Operator();
  if (display && (filterOperator->IsDescription() ||
                  m_options.Contains(TcxFilterCriteriaOption::fcoShowOperatorDescription)))
    return filterOperator->DisplayText();
  return filterOperator->FilterText();
}

std::string TcxFilterCriteria::GetItemExpressionValue(TcxFilterCriteriaItem* item, bool display) {
  return item->GetExpressionValue(display);
}

std::string TcxFilterCriteria::ConvertBoolToStr(const Variant& value) const {
  return VarToStr(value);
}

std::string TcxFilterCriteria::ConvertDateToStr(const Variant& value) const {
  if (m_dateTimeFormat.empty())
    return VarToStr(value);
  return FormatDateTime(m_dateTimeFormat, value.ToDateTime());
}

void TcxFilterCriteria::FormatFilterTextValue(TcxFilterCriteriaItem*, const Variant&,
                                              std::string&) const {}
