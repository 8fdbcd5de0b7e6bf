// Filters as trees of conditions: inner nodes combine their children with
// AND, OR, NOT AND or NOT OR; leaves compare the value of one data item with
// a condition value through an operator (cxFilterOperators.h,
// cxFilterDateRanges.h). The criteria own the tree, the options that tune
// comparison, the wildcards, the deferred change notification, and the
// evaluation of the tree against one data row; they also turn the tree into
// filter text and captions (cxFilterText.cpp) and into streams
// (cxFilterStream.cpp). The data side is abstract: descendants say how a
// leaf reads a row's value and how item links map to names and IDs.
//
// Classes in this file: TcxCustomFilterCriteriaItem,
// TcxFilterCriteriaItemList, TcxFilterCriteriaItem, TcxFilterCriteria.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/cxFilterDateRanges.h"
#include "data/cxFilterOperators.h"
#include "data/cxFilterValueList.h"
#include "platform/objects/Events.h"
#include "platform/objects/Persistent.h"
#include "platform/objects/PropertyRegistry.h"
#include "platform/rtl/ScopeGuards.h"
#include "platform/rtl/Streams.h"

enum class TcxFilterBoolOperatorKind : std::uint8_t { fboAnd, fboOr, fboNotAnd, fboNotOr };

enum class TcxFilterCriteriaOption : std::uint8_t {
  fcoCaseInsensitive,
  fcoShowOperatorDescription,
  fcoSoftNull,
  fcoSoftCompare,
  fcoIgnoreNull,
};
using TcxFilterCriteriaOptions = Set<TcxFilterCriteriaOption>;
ENUM_NAMES(TcxFilterCriteriaOption, "fcoCaseInsensitive", "fcoShowOperatorDescription",
           "fcoSoftNull", "fcoSoftCompare", "fcoIgnoreNull");

class TcxFilterCriteriaItemList;
class TcxCompiledFilter;
class TcxDataStorage;
class TcxValueDef;

// The raising body of operations that descendants must supply.
[[noreturn]] void cxFilterAbstractError();

// A node of the tree.
class TcxCustomFilterCriteriaItem : public TObject {
  OBJECT_CLASS(TcxCustomFilterCriteriaItem, TObject)
public:
  explicit TcxCustomFilterCriteriaItem(TcxFilterCriteriaItemList* parent) : m_parent(parent) {}
  // A node that goes away leaves its parent list.
  void BeforeDestruction() override;

  TcxFilterCriteriaItemList* Parent() const { return m_parent; }
  // The criteria the tree belongs to (nil for a node outside any tree).
  virtual TcxFilterCriteria* GetCriteria() const;
  virtual bool GetIsItemList() const = 0;
  bool IsItemList() const { return GetIsItemList(); }

  // The node in the criteria stream.
  virtual void ReadData(TStream& stream);
  virtual void WriteData(TStream& stream);

protected:
  // Announces a change to the criteria.
  virtual void Changed();

private:
  friend class TcxFilterCriteriaItemList;

  TcxFilterCriteriaItemList* m_parent = nullptr;
};

using TcxFilterCriteriaItemListMeta =
    TClassOf<TcxFilterCriteriaItemList, TcxCustomFilterCriteriaItem::TMeta,
             TcxFilterCriteriaItemList*, TcxFilterBoolOperatorKind>;
using TcxFilterCriteriaItemListClass = TClassRef<TcxFilterCriteriaItemList>;

// An inner node: owns its children and combines their results.
class TcxFilterCriteriaItemList : public TcxCustomFilterCriteriaItem {
  OBJECT_CLASS_META(TcxFilterCriteriaItemList, TcxCustomFilterCriteriaItem,
                    TcxFilterCriteriaItemListMeta)
public:
  TcxFilterCriteriaItemList(TcxFilterCriteriaItemList* parent, TcxFilterBoolOperatorKind kind)
      : TcxCustomFilterCriteriaItem(parent), m_boolOperatorKind(kind) {}
  ~TcxFilterCriteriaItemList() override;

  // Adds a leaf or an inner node (of the criteria's classes) at the end and
  // announces a change.
  TcxFilterCriteriaItem* AddItem(TObject* itemLink, TcxFilterOperatorKind kind,
                                 const Variant& value, const std::string& displayValue);
  TcxFilterCriteriaItemList* AddItemList(TcxFilterBoolOperatorKind kind);
  // Frees the children, last first, with one change announced.
  void Clear();
  // Takes a node out of the list (without freeing it); announces a change
  // when it was there.
  virtual void RemoveItem(TcxCustomFilterCriteriaItem* item);

  int Count() const { return static_cast<int>(m_items.size()); }
  // Nil for an index outside 0..Count-1.
  TcxCustomFilterCriteriaItem* Items(int index) const;
  int IndexOf(const TcxCustomFilterCriteriaItem* item) const;

  TcxFilterBoolOperatorKind BoolOperatorKind() const { return m_boolOperatorKind; }
  void SetBoolOperatorKind(TcxFilterBoolOperatorKind kind);
  bool IsNegation() const;

  TcxFilterCriteria* GetCriteria() const override;
  bool GetIsItemList() const override { return true; }
  void ReadData(TStream& stream) override;
  void WriteData(TStream& stream) override;

private:
  friend class TcxFilterCriteria;

  // Appends a node made elsewhere and makes this list its parent.
  void Append(TcxCustomFilterCriteriaItem* item);
  void ReadChildren(TStream& stream, int count);

  TcxFilterBoolOperatorKind m_boolOperatorKind = TcxFilterBoolOperatorKind::fboAnd;
  TcxFilterCriteria* m_criteria = nullptr;
  std::vector<TcxCustomFilterCriteriaItem*> m_items;
};

using TcxFilterCriteriaItemMeta =
    TClassOf<TcxFilterCriteriaItem, TcxCustomFilterCriteriaItem::TMeta,
             TcxFilterCriteriaItemList*, TObject*, TcxFilterOperatorKind, const Variant&,
             const std::string&>;
using TcxFilterCriteriaItemClass = TClassRef<TcxFilterCriteriaItem>;

// A leaf: one condition on one data item.
class TcxFilterCriteriaItem : public TcxCustomFilterCriteriaItem {
  OBJECT_CLASS_META(TcxFilterCriteriaItem, TcxCustomFilterCriteriaItem, TcxFilterCriteriaItemMeta)
public:
  TcxFilterCriteriaItem(TcxFilterCriteriaItemList* parent, TObject* itemLink,
                        TcxFilterOperatorKind kind, const Variant& value,
                        const std::string& displayValue);
  // Makes the operator, and shows a blank condition without a display value
  // as "blank".
  void AfterConstruction() override;

  // The value of the condition's data item in the row 'data'.
  virtual Variant GetDataValue(TObject* data);
  // The display value as the caption shows it.
  virtual std::string GetDisplayValue() const;
  // The display value for captions, the value's literal for filter text.
  virtual std::string GetExpressionValue(bool display) const;
  virtual std::string GetFieldCaption() const;
  virtual std::string GetFieldName() const;
  // The "is blank" / "is not blank" operator for equality, inequality, LIKE
  // and NOT LIKE with a blank value; otherwise the class of the kind.
  virtual TcxFilterOperatorClass GetFilterOperatorClass() const;
  virtual TObject* GetItemLink() const { return m_itemLink; }
  // Stores the link without announcing a change.
  virtual void SetItemLink(TObject* itemLink);
  // The definition of record storage whose value in the row's record is
  // exactly what GetDataValue answers, or nil (the default) when the value
  // comes from elsewhere. A leaf that names one is evaluated straight from
  // the record buffers when the criteria find the row's record
  // (TcxFilterCriteria::GetDataRecord).
  virtual TcxValueDef* GetRecordValueDef() const { return nullptr; }
  virtual void RecreateOperator();
  virtual bool ValueIsNull(const Variant& value) const;

  bool GetIsItemList() const override { return false; }
  void ReadData(TStream& stream) override;
  void WriteData(TStream& stream) override;

  const std::string& DisplayValue() const { return m_displayValue; }
  void SetDisplayValue(const std::string& displayValue);
  TObject* ItemLink() const { return GetItemLink(); }
  TcxFilterOperator* Operator() const { return m_operator.get(); }
  TcxFilterOperatorKind OperatorKind() const { return m_operatorKind; }
  void SetOperatorKind(TcxFilterOperatorKind kind);
  const Variant& Value() const { return m_value; }
  // Stores the value only when it does not compare equal to the current one.
  void SetValue(const Variant& value);

private:
  // Shows a blank condition without a display value as "blank".
  void ApplyBlankCaption();
  void ReadItemLink(TStream& stream);

  std::string m_displayValue;
  TObject* m_itemLink = nullptr;
  TOwned<TcxFilterOperator> m_operator;
  TcxFilterOperatorKind m_operatorKind = TcxFilterOperatorKind::foEqual;
  Variant m_value;
};

class TcxFilterCriteria : public TPersistent {
  OBJECT_CLASS(TcxFilterCriteria, TPersistent)
public:
  static void Publish(TPublisher& publisher);

  TcxFilterCriteria();
  ~TcxFilterCriteria() override;
  // Makes the root, an empty AND list.
  void AfterConstruction() override;
  // Frees the tree without announcing anything.
  void BeforeDestruction() override;

  // ---- The tree ----
  TcxFilterCriteriaItemList* Root() const { return m_root; }
  // Adds a leaf to 'parent' (the root when nil).
  virtual TcxFilterCriteriaItem* AddItem(TcxFilterCriteriaItemList* parent, TObject* itemLink,
                                         TcxFilterOperatorKind kind, const Variant& value,
                                         const std::string& displayValue);
  // Empties the root and makes it an AND list again.
  void Clear();
  // The first leaf (depth first, in child order) whose item link is the object.
  virtual TcxFilterCriteriaItem* FindItemByItemLink(TObject* itemLink) const;
  // Removes every leaf of the item link, freeing lists left empty and
  // dissolving AND and OR lists left with one child.
  void RemoveItemByItemLink(TObject* itemLink);
  // Recreates every leaf's operator, so that the blank operators follow the
  // current options.
  void Refresh();
  // Whether the root has no children.
  virtual bool IsEmpty() const;
  // Whether there is anything to store: children, or a root other than AND.
  bool IsStore() const;

  // ---- Change notification ----
  void BeginUpdate() { ++m_lockCount; }
  void EndUpdate();
  // Leaves the bracket without announcing the changes made inside.
  void CancelUpdate() { --m_lockCount; }
  virtual void Changed();
  int LockCount() const { return m_lockCount; }

  // ---- Evaluation ----
  // Whether the row 'data' passes the filter.
  bool DoFilterData(TObject* data);
  // The record storage and the index of the record that the row 'data' is,
  // for leaves that read definitions of that storage (GetRecordValueDef);
  // false (the default) when the row is not such a record. Descendants that
  // answer it keep PrepareValue and ValueIsNull as they are here.
  virtual bool GetDataRecord(TObject* data, TcxDataStorage*& storage, int& recordIndex);
  // The copy of a value that comparisons see: Currency as Double, text
  // upper-cased when case does not matter, arrays element by element.
  virtual Variant PrepareValue(const Variant& value) const;
  // Null, or with fcoSoftNull also an empty string.
  virtual bool ValueIsNull(const Variant& value) const;

  // ---- Text (cxFilterText.cpp) ----
  virtual std::string GetFilterText();
  virtual std::string GetFilterCaption();
  virtual void SetFilterText(const std::string& text);
  virtual std::string ConvertBoolToStr(const Variant& value) const;
  virtual std::string ConvertDateToStr(const Variant& value) const;
  // A hook for descendants to rewrite a literal of filter text.
  virtual void FormatFilterTextValue(TcxFilterCriteriaItem* item, const Variant& value,
                                     std::string& text) const;
  virtual std::string GetItemExpression(TcxFilterCriteriaItem* item, bool display);
  virtual std::string GetItemExpressionFieldName(TcxFilterCriteriaItem* item, bool display);
  virtual std::string GetItemExpressionOperator(TcxFilterCriteriaItem* item, bool display);
  virtual std::string GetItemExpressionValue(TcxFilterCriteriaItem* item, bool display);

  // ---- Streams and copies (cxFilterStream.cpp) ----
  // The criteria stream of the tree; 'version' 2 or 3 caps Version.
  virtual void WriteData(TStream& stream, int version = 0);
  virtual void ReadData(TStream& stream);
  // The published settings.
  virtual void SaveToStream(TStream& stream);
  virtual void LoadFromStream(TStream& stream);
  void Assign(TPersistent* source) override;
  virtual void AssignItems(TcxFilterCriteria* source);
  virtual void AssignEvents(TPersistent* source);
  bool EqualItems(TcxFilterCriteria* other);

  // ---- Item links, supplied by descendants ----
  virtual int GetIDByItemLink(TObject* itemLink);
  virtual std::string GetNameByItemLink(TObject* itemLink);
  virtual TObject* GetItemLinkByID(int id);
  virtual TObject* GetItemLinkByName(const std::string& name);

  // ---- Classes of the parts ----
  virtual TcxFilterCriteriaItemClass GetItemClass() const;
  virtual TcxFilterCriteriaItemListClass GetItemListClass() const;
  virtual TcxFilterValueListClass GetValueListClass() const;

  // ---- Settings ----
  // Settings back to their defaults; MaxValueListCount, DateTimeFormat and the
  // tree stay.
  virtual void RestoreDefaults();
  const std::string& DateTimeFormat() const { return m_dateTimeFormat; }
  void SetDateTimeFormat(const std::string& format);
  int MaxValueListCount() const { return m_maxValueListCount; }
  void SetMaxValueListCount(int count) { m_maxValueListCount = count; }
  TcxFilterCriteriaOptions Options() const { return m_options; }
  void SetOptions(TcxFilterCriteriaOptions options);
  char PercentWildcard() const { return m_percentWildcard; }
  void SetPercentWildcard(char wildcard);
  char UnderscoreWildcard() const { return m_underscoreWildcard; }
  void SetUnderscoreWildcard(char wildcard);
  // True when Version is above 2; setting it makes Version 3 (or 2).
  bool StoreItemLinkNames() const { return Version > 2; }
  void SetStoreItemLinkNames(bool store) { Version = store ? 3 : 2; }
  const TNotifyEvent& OnChanged() const { return m_onChanged; }
  void SetOnChanged(TNotifyEvent handler) { m_onChanged = std::move(handler); }

  // Plain fields: changing them announces nothing.
  std::uint8_t LoadedVersion = 0;
  std::uint8_t SavedVersion = 0;
  std::uint8_t Version = 2;
  bool LikeSupported = true;
  bool BetweenAsExpression = false;
  bool NotLikeAsExpression = false;
  bool InListAsExpression = false;

protected:
  // Announces pending changes unless locked: prepares the operators, then Update.
  virtual void CheckChanges();
  // Every leaf's operator Prepare, depth first.
  virtual void Prepare();
  // Calls OnChanged.
  virtual void Update();
  virtual std::string GetFilterExpression(bool display);

private:
  friend class TcxCompiledFilterEvaluator;
  friend class TcxFilterCriteriaItem;

  bool EvaluateList(const TcxFilterCriteriaItemList* list, TObject* data);
  bool EvaluateItem(TcxCustomFilterCriteriaItem* item, TObject* data);
  bool EvaluateLeaf(TcxFilterCriteriaItem* leaf, TObject* data);
  std::string ListExpression(const TcxFilterCriteriaItemList* list, bool display);
  void RemoveLeaf(TcxFilterCriteriaItem* leaf);

  bool m_changed = false;
  std::string m_dateTimeFormat;
  int m_lockCount = 0;
  int m_maxValueListCount = 0;
  TcxFilterCriteriaOptions m_options;
  char m_percentWildcard = '%';
  TcxFilterCriteriaItemList* m_root = nullptr;
  char m_underscoreWildcard = '_';
  TNotifyEvent m_onChanged;
  // The tree compiled at the last Prepare; dropped by every change.
  std::unique_ptr<TcxCompiledFilter> m_compiledFilter;
};

// Runs 'body' inside a BeginUpdate / EndUpdate bracket of the criteria (when
// there are criteria); the bracket also ends when the body raises.
template <class F>
void cxFilterInsideUpdate(TcxFilterCriteria* criteria, F&& body) {
  if (!criteria) {
    body();
    return;
  }
  const TUpdateScope update(criteria);
  body();
}
