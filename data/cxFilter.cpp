#include "data/cxFilter.h"

#include <algorithm>

#include "data/cxFilterCompiled.h"
#include "data/cxVariants.h"
#include "platform/rtl/AnsiStrings.h"
#include "platform/rtl/ScopeGuards.h"

void cxFilterAbstractError() { throw EInvalidOperation("Abstract Error"); }

namespace {

// Calls 'visit' for every leaf under 'list', depth first in child order,
// until it answers true; answers that leaf.
template <class F>
TcxFilterCriteriaItem* FindLeaf(const TcxFilterCriteriaItemList* list, F&& visit) {
  for (int i = 0; i < list->Count(); ++i) {
    TcxCustomFilterCriteriaItem* item = list->Items(i);
    if (item->IsItemList()) {
      auto* list = static_cast<TcxFilterCriteriaItemList*>(item);
      if (TcxFilterCriteriaItem* found = FindLeaf(list, visit))
        return found;
    } else if (visit(static_cast<TcxFilterCriteriaItem*>(item))) {
      return static_cast<TcxFilterCriteriaItem*>(item);
    }
  }
  return nullptr;
}

template <class F>
void ForEachLeaf(const TcxFilterCriteriaItemList* list, F&& action) {
  FindLeaf(list, [&](TcxFilterCriteriaItem* leaf) {
    action(leaf);
    return false;
  });
}

} // namespace

// ---- TcxCustomFilterCriteriaItem ------------------------------------------------

void TcxCustomFilterCriteriaItem::BeforeDestruction() {
  if (m_parent)
    m_parent->RemoveItem(this);
  inherited::BeforeDestruction();
}

TcxFilterCriteria* TcxCustomFilterCriteriaItem::GetCriteria() const {
  return m_parent ? m_parent->GetCriteria() : nullptr;
}

void TcxCustomFilterCriteriaItem::Changed() {
  if (TcxFilterCriteria* criteria = GetCriteria())
    criteria->Changed();
}

void TcxCustomFilterCriteriaItem::ReadData(TStream&) {}

void TcxCustomFilterCriteriaItem::WriteData(TStream&) {}

// ---- TcxFilterCriteriaItemList ----------------------------------------------------

TcxFilterCriteriaItemList::~TcxFilterCriteriaItemList() {
  // Taken out of its parent already; the children go without announcing
  // anything, since the list is no longer part of a tree (unless it is a
  // root, whose criteria announce nothing while they go).
  while (!m_items.empty())
    m_items.back()->Free();
}

TcxFilterCriteriaItem* TcxFilterCriteriaItemList::AddItem(TObject* itemLink,
                                                          TcxFilterOperatorKind kind,
                                                          const Variant& value,
                                                          const std::string& displayValue) {
  const TcxFilterCriteria* criteria = GetCriteria();
  const TcxFilterCriteriaItemClass itemClass =
      criteria ? criteria->GetItemClass() : TcxFilterCriteriaItem::StaticClass();
  TcxFilterCriteriaItem* item = itemClass.Create(this, itemLink, kind, value, displayValue);
  m_items.push_back(item);
  Changed();
  return item;
}

TcxFilterCriteriaItemList* TcxFilterCriteriaItemList::AddItemList(TcxFilterBoolOperatorKind kind) {
  const TcxFilterCriteria* criteria = GetCriteria();
  const TcxFilterCriteriaItemListClass listClass =
      criteria ? criteria->GetItemListClass() : TcxFilterCriteriaItemList::StaticClass();
  TcxFilterCriteriaItemList* list = listClass.Create(this, kind);
  m_items.push_back(list);
  Changed();
  return list;
}

void TcxFilterCriteriaItemList::Clear() {
  cxFilterInsideUpdate(GetCriteria(), [this] {
    while (!m_items.empty())
      m_items.back()->Free();
  });
}

void TcxFilterCriteriaItemList::RemoveItem(TcxCustomFilterCriteriaItem* item) {
  const auto found = std::find(m_items.rbegin(), m_items.rend(), item);
  if (found == m_items.rend())
    return;
  m_items.erase(std::next(found).base());
  item->m_parent = nullptr;
  Changed();
}

void TcxFilterCriteriaItemList::Append(TcxCustomFilterCriteriaItem* item) {
  m_items.push_back(item);
  item->m_parent = this;
  Changed();
}

TcxCustomFilterCriteriaItem* TcxFilterCriteriaItemList::Items(int index) const {
  if (index < 0 || index >= Count())
    return nullptr;
  return m_items[static_cast<std::size_t>(index)];
}

int TcxFilterCriteriaItemList::IndexOf(const TcxCustomFilterCriteriaItem* item) const {
  const auto found = std::find(m_items.begin(), m_items.end(), item);
  return found == m_items.end() ? -1 : static_cast<int>(found - m_items.begin());
}

void TcxFilterCriteriaItemList::SetBoolOperatorKind(TcxFilterBoolOperatorKind kind) {
  if (m_boolOperatorKind == kind)
    return;
  m_boolOperatorKind = kind;
  Changed();
}

bool TcxFilterCriteriaItemList::IsNegation() const {
  return m_boolOperatorKind == TcxFilterBoolOperatorKind::fboNotAnd ||
         m_boolOperatorKind == TcxFilterBoolOperatorKind::fboNotOr;
}

TcxFilterCriteria* TcxFilterCriteriaItemList::GetCriteria() const {
  return m_criteria ? m_criteria : inherited::GetCriteria();
}

// ---- TcxFilterCriteriaItem ----------------------------------------------------------

TcxFilterCriteriaItem::TcxFilterCriteriaItem(TcxFilterCriteriaItemList* parent, TObject* itemLink,
                                             TcxFilterOperatorKind kind, const Variant& value,
                                             const std::string& displayValue)
    : TcxCustomFilterCriteriaItem(parent), m_displayValue(displayValue), m_itemLink(itemLink),
      m_operatorKind(kind), m_value(value) {}

void TcxFilterCriteriaItem::AfterConstruction() {
  inherited::AfterConstruction();
  RecreateOperator();
  ApplyBlankCaption();
}

void TcxFilterCriteriaItem::ApplyBlankCaption() {
  if (Is<TcxFilterNullOperator>(m_operator.get()) && m_displayValue.empty())
    m_displayValue = cxSFilterString(cxSFilterBlankCaption);
}

Variant TcxFilterCriteriaItem::GetDataValue(TObject*) { cxFilterAbstractError(); }

std::string TcxFilterCriteriaItem::GetDisplayValue() const {
  std::string text = m_displayValue;
  m_operator->PrepareDisplayValue(text);
  return text;
}

std::string TcxFilterCriteriaItem::GetExpressionValue(bool display) const {
  return display ? GetDisplayValue() : m_operator->GetExpressionValue(m_value);
}

std::string TcxFilterCriteriaItem::GetFieldCaption() const { cxFilterAbstractError(); }

std::string TcxFilterCriteriaItem::GetFieldName() const { cxFilterAbstractError(); }

TcxFilterOperatorClass TcxFilterCriteriaItem::GetFilterOperatorClass() const {
  using enum TcxFilterOperatorKind;
  if ((m_operatorKind == foEqual || m_operatorKind == foLike) && ValueIsNull(m_value))
    return cxFilterOperatorClass(cxFilterNullOperatorIndex);
  if ((m_operatorKind == foNotEqual || m_operatorKind == foNotLike) && ValueIsNull(m_value))
    return cxFilterOperatorClass(cxFilterNotNullOperatorIndex);
  return cxFilterOperatorClass(m_operatorKind);
}

void TcxFilterCriteriaItem::RecreateOperator() {
  const bool existed = m_operator != nullptr;
  m_operator.reset();
  m_operator.reset(GetFilterOperatorClass().Create(this));
  if (existed)
    Changed();
}

bool TcxFilterCriteriaItem::ValueIsNull(const Variant& value) const {
  const TcxFilterCriteria* criteria = GetCriteria();
  return criteria ? criteria->ValueIsNull(value) : VarIsNull(value);
}

void TcxFilterCriteriaItem::SetItemLink(TObject* itemLink) {
  m_itemLink = itemLink;
  if (TcxFilterCriteria* criteria = GetCriteria())
    criteria->m_compiledFilter.reset();
}

void TcxFilterCriteriaItem::SetDisplayValue(const std::string& displayValue) {
  if (m_displayValue == displayValue)
    return;
  m_displayValue = displayValue;
  Changed();
}

void TcxFilterCriteriaItem::SetOperatorKind(TcxFilterOperatorKind kind) {
  if (m_operatorKind == kind)
    return;
  m_operatorKind = kind;
  RecreateOperator();
}

void TcxFilterCriteriaItem::SetValue(const Variant& value) {
  if (VarCompare(m_value, value) == 0)
    return;
  m_value = value;
  RecreateOperator();
}

// ---- TcxFilterCriteria: the tree ----------------------------------------------------

void TcxFilterCriteria::Publish(TPublisher& publisher) {
  using C = TcxFilterCriteria;
  publisher.Property("MaxValueListCount", &C::MaxValueListCount, &C::SetMaxValueListCount)
      .Default(0);
  publisher.Property("Options", &C::Options, &C::SetOptions).Default(TcxFilterCriteriaOptions{});
  publisher.Property("PercentWildcard", &C::PercentWildcard, &C::SetPercentWildcard).Default('%');
  publisher.Property("UnderscoreWildcard", &C::UnderscoreWildcard, &C::SetUnderscoreWildcard)
      .Default('_');
  publisher.Property("OnChanged", &C::OnChanged, &C::SetOnChanged);
}

TcxFilterCriteria::TcxFilterCriteria() = default;
TcxFilterCriteria::~TcxFilterCriteria() = default;

void TcxFilterCriteria::AfterConstruction() {
  inherited::AfterConstruction();
  m_root = GetItemListClass().Create(nullptr, TcxFilterBoolOperatorKind::fboAnd);
  m_root->m_criteria = this;
}

void TcxFilterCriteria::BeforeDestruction() {
  // Nothing is announced while the tree goes.
  ++m_lockCount;
  FreeAndNil(m_root);
  inherited::BeforeDestruction();
}

TcxFilterCriteriaItem* TcxFilterCriteria::AddItem(TcxFilterCriteriaItemList* parent,
                                                  TObject* itemLink, TcxFilterOperatorKind kind,
                                                  const Variant& value,
                                                  const std::string& displayValue) {
  return (parent ? parent : m_root)->AddItem(itemLink, kind, value, displayValue);
}

void TcxFilterCriteria::Clear() {
  cxFilterInsideUpdate(this, [this] {
    m_root->Clear();
    m_root->SetBoolOperatorKind(TcxFilterBoolOperatorKind::fboAnd);
  });
}

TcxFilterCriteriaItem* TcxFilterCriteria::FindItemByItemLink(TObject* itemLink) const {
  return FindLeaf(m_root, [itemLink](TcxFilterCriteriaItem* leaf) {
    return leaf->ItemLink() == itemLink;
  });
}

void TcxFilterCriteria::RemoveItemByItemLink(TObject* itemLink) {
  BeginUpdate();
  bool removed = false;
  const TScopeExit update([this, &removed] { removed ? EndUpdate() : CancelUpdate(); });
  while (TcxFilterCriteriaItem* leaf = FindItemByItemLink(itemLink)) {
    RemoveLeaf(leaf);
    removed = true;
  }
}

void TcxFilterCriteria::RemoveLeaf(TcxFilterCriteriaItem* leaf) {
  TcxFilterCriteriaItemList* parent = leaf->Parent();
  leaf->Free();
  if (!parent || parent == m_root)
    return;
  if (parent->Count() == 0) {
    while (parent && parent != m_root && parent->Count() == 0) {
      TcxFilterCriteriaItemList* grandParent = parent->Parent();
      parent->Free();
      parent = grandParent;
    }
  } else if (parent->Count() == 1 && !parent->IsNegation()) {
    // An AND or OR list of one condition is that condition: the condition
    // moves up and the list goes. A NOT list stays, or its negation would be
    // lost with it.
    TcxFilterCriteriaItemList* grandParent = parent->Parent();
    TcxCustomFilterCriteriaItem* child = parent->Items(0);
    grandParent->RemoveItem(parent);
    parent->RemoveItem(child);
    grandParent->Append(child);
    parent->Free();
  }
}

void TcxFilterCriteria::Refresh() {
  cxFilterInsideUpdate(this, [this] {
    ForEachLeaf(m_root, [](TcxFilterCriteriaItem* leaf) { leaf->RecreateOperator(); });
  });
}

bool TcxFilterCriteria::IsEmpty() const { return m_root->Count() == 0; }

bool TcxFilterCriteria::IsStore() const {
  return m_root->BoolOperatorKind() != TcxFilterBoolOperatorKind::fboAnd || m_root->Count() > 0;
}

// ---- Change notification ----------------------------------------------------------------

void TcxFilterCriteria::EndUpdate() {
  --m_lockCount;
  CheckChanges();
}

void TcxFilterCriteria::Changed() {
  m_compiledFilter.reset();
  m_changed = true;
  CheckChanges();
}

void TcxFilterCriteria::CheckChanges() {
  if (m_lockCount > 0 || !m_changed)
    return;
  m_changed = false;
  Prepare();
  Update();
}

void TcxFilterCriteria::Prepare() {
  ForEachLeaf(m_root, [](TcxFilterCriteriaItem* leaf) { leaf->Operator()->Prepare(); });
  m_compiledFilter = TcxCompiledFilter::Compile(*this);
}

void TcxFilterCriteria::Update() {
  if (m_onChanged)
    m_onChanged(this);
}

// ---- Evaluation -------------------------------------------------------------------------

// Records of the storage the compiled tree reads are evaluated by it, unless
// it leaves the row to the tree.
bool TcxFilterCriteria::DoFilterData(TObject* data) {
  TcxDataStorage* storage = nullptr;
  int recordIndex = 0;
  if (m_compiledFilter && GetDataRecord(data, storage, recordIndex)) {
    const auto result = m_compiledFilter->Evaluate(storage, recordIndex, data);
    if (result != TcxCompiledFilter::TResult::Undecided)
      return result == TcxCompiledFilter::TResult::True;
  }
  return EvaluateList(m_root, data);
}

bool TcxFilterCriteria::GetDataRecord(TObject*, TcxDataStorage*&, int&) { return false; }

bool TcxFilterCriteria::EvaluateList(const TcxFilterCriteriaItemList* list, TObject* data) {
  using enum TcxFilterBoolOperatorKind;
  bool result = true;
  for (int i = 0; i < list->Count(); ++i) {
    const bool r = EvaluateItem(list->Items(i), data);
    if (i == 0) {
      result = list->IsNegation() ? !r : r;
      continue;
    }
    switch (list->BoolOperatorKind()) {
    case fboAnd:
      result = result && r;
      break;
    case fboOr:
      result = result || r;
      break;
    case fboNotAnd:
      result = result || !r;
      break;
    case fboNotOr:
      result = result && !r;
      break;
    }
  }
  return result;
}

bool TcxFilterCriteria::EvaluateItem(TcxCustomFilterCriteriaItem* item, TObject* data) {
  if (item->IsItemList())
    return EvaluateList(static_cast<const TcxFilterCriteriaItemList*>(item), data);
  return EvaluateLeaf(static_cast<TcxFilterCriteriaItem*>(item), data);
}

bool TcxFilterCriteria::EvaluateLeaf(TcxFilterCriteriaItem* leaf, TObject* data) {
  try {
    const Variant dataValue = PrepareValue(leaf->GetDataValue(data));
    const Variant conditionValue = PrepareValue(leaf->Value());
    const TcxFilterOperator* filterOperator = leaf->Operator();
    if (m_options.Contains(TcxFilterCriteriaOption::fcoIgnoreNull) &&
        !filterOperator->IsNullOperator() && ValueIsNull(dataValue))
      return false;
    return filterOperator->CompareValues(dataValue, conditionValue);
  } catch (const EVariantError&) {
    if (m_options.Contains(TcxFilterCriteriaOption::fcoSoftCompare))
      return false;
    throw;
  }
}

Variant TcxFilterCriteria::PrepareValue(const Variant& value) const {
  const TVarType type = VarType(value);
  if (type == varCurrency)
    return Variant(value.ToDouble());
  if (type == varString || type == varOleStr) {
    if (m_options.Contains(TcxFilterCriteriaOption::fcoCaseInsensitive))
      return Variant(AnsiUpperCase(VarToStr(value)));
    return value;
  }
  if (VarIsArray(value)) {
    Variant result = value;
    for (int i = VarArrayLowBound(value, 1); i <= VarArrayHighBound(value, 1); ++i)
      VarArrayPut(result, PrepareValue(VarArrayGet(value, {i})), {i});
    return result;
  }
  return value;
}

bool TcxFilterCriteria::ValueIsNull(const Variant& value) const {
  if (m_options.Contains(TcxFilterCriteriaOption::fcoSoftNull))
    return VarIsSoftNull(value);
  return VarIsNull(value);
}

// ---- Item links and classes ---------------------------------------------------------------

int TcxFilterCriteria::GetIDByItemLink(TObject*) { cxFilterAbstractError(); }

std::string TcxFilterCriteria::GetNameByItemLink(TObject*) { cxFilterAbstractError(); }

TObject* TcxFilterCriteria::GetItemLinkByID(int) { cxFilterAbstractError(); }

TObject* TcxFilterCriteria::GetItemLinkByName(const std::string&) { cxFilterAbstractError(); }

TcxFilterCriteriaItemClass TcxFilterCriteria::GetItemClass() const {
  return TcxFilterCriteriaItem::StaticClass();
}

TcxFilterCriteriaItemListClass TcxFilterCriteria::GetItemListClass() const {
  return TcxFilterCriteriaItemList::StaticClass();
}

TcxFilterValueListClass TcxFilterCriteria::GetValueListClass() const {
  return TcxFilterValueList::StaticClass();
}

// ---- Settings -------------------------------------------------------------------------------

void TcxFilterCriteria::RestoreDefaults() {
  cxFilterInsideUpdate(this, [this] {
    SetOptions({});
    SetPercentWildcard('%');
    SetUnderscoreWildcard('_');
    LikeSupported = true;
    BetweenAsExpression = false;
    NotLikeAsExpression = false;
    InListAsExpression = false;
  });
}

void TcxFilterCriteria::SetDateTimeFormat(const std::string& format) {
  if (m_dateTimeFormat == format)
    return;
  m_dateTimeFormat = format;
  Changed();
}

void TcxFilterCriteria::SetOptions(TcxFilterCriteriaOptions options) {
  if (m_options == options)
    return;
  m_options = options;
  Changed();
}

void TcxFilterCriteria::SetPercentWildcard(char wildcard) {
  if (m_percentWildcard == wildcard)
    return;
  m_percentWildcard = wildcard;
  Changed();
}

void TcxFilterCriteria::SetUnderscoreWildcard(char wildcard) {
  if (m_underscoreWildcard == wildcard)
    return;
  m_underscoreWildcard = wildcard;
  Changed();
}
