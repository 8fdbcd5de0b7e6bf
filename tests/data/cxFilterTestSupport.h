// A small data side for filter tests: fields that conditions link to, rows
// that hold a value per field, and criteria that read rows and map fields to
// IDs and names.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "data/cxFilter.h"
#include "data/cxVariants.h"

namespace filter_test {

class TTestField : public TObject {
  OBJECT_CLASS(TTestField, TObject)
public:
  TTestField(std::string name, std::string caption, int id)
      : Name(std::move(name)), Caption(std::move(caption)), ID(id) {}

  std::string Name;
  std::string Caption;
  int ID = 0;
};

// One row: a value per field; a field without a value reads Null.
class TTestRow : public TObject {
  OBJECT_CLASS(TTestRow, TObject)
public:
  TTestRow() = default;
  TTestRow(std::initializer_list<std::pair<const TTestField* const, Variant>> values)
      : Values(values) {}

  Variant ValueOf(const TTestField* field) const {
    const auto found = Values.find(field);
    return found == Values.end() ? Null() : found->second;
  }

  std::map<const TTestField*, Variant> Values;
};

class TTestFilterItem : public TcxFilterCriteriaItem {
  OBJECT_CLASS(TTestFilterItem, TcxFilterCriteriaItem)
public:
  using TcxFilterCriteriaItem::TcxFilterCriteriaItem;

  Variant GetDataValue(TObject* data) override {
    return static_cast<TTestRow*>(data)->ValueOf(Field());
  }
  std::string GetFieldCaption() const override { return Field()->Caption; }
  std::string GetFieldName() const override { return Field()->Name; }

private:
  const TTestField* Field() const { return static_cast<const TTestField*>(ItemLink()); }
};

// Criteria over a set of fields. Fields with KnownByIDOnly answer no name,
// as fields of an older program would.
class TTestCriteria : public TcxFilterCriteria {
  OBJECT_CLASS(TTestCriteria, TcxFilterCriteria)
public:
  TTestCriteria() = default;
  explicit TTestCriteria(std::vector<TTestField*> fields) : Fields(std::move(fields)) {}

  TcxFilterCriteriaItemClass GetItemClass() const override {
    return TTestFilterItem::StaticClass();
  }

  int GetIDByItemLink(TObject* itemLink) override {
    return itemLink ? static_cast<TTestField*>(itemLink)->ID : -1;
  }
  std::string GetNameByItemLink(TObject* itemLink) override {
    auto* field = static_cast<TTestField*>(itemLink);
    return !field || KnownByIDOnly ? std::string() : field->Name;
  }
  TObject* GetItemLinkByID(int id) override {
    for (TTestField* field : Fields)
      if (field->ID == id)
        return field;
    return nullptr;
  }
  TObject* GetItemLinkByName(const std::string& name) override {
    if (KnownByIDOnly)
      return nullptr;
    for (TTestField* field : Fields)
      if (field->Name == name)
        return field;
    return nullptr;
  }

  std::vector<TTestField*> Fields;
  bool KnownByIDOnly = false;
};

// Fields Name, Age and Born (a date), and criteria over them that count
// their change notifications.
class TFilterFixtureData {
public:
  TFilterFixtureData()
      : m_name(Create<TTestField>("Name", "Ad", 1)), m_age(Create<TTestField>("Age", "Ya\xFE", 2)),
        m_born(Create<TTestField>("Born", "Do\xF0um", 3)),
        m_criteria(Create<TTestCriteria>(std::vector<TTestField*>{m_name.get(), m_age.get(),
                                                                  m_born.get()})) {
    m_criteria->SetOnChanged([this](TObject*) { ++ChangeCount; });
  }

  TTestField* NameField() const { return m_name.get(); }
  TTestField* AgeField() const { return m_age.get(); }
  TTestField* BornField() const { return m_born.get(); }
  TTestCriteria& Criteria() const { return *m_criteria; }

  int ChangeCount = 0;

private:
  TOwned<TTestField> m_name;
  TOwned<TTestField> m_age;
  TOwned<TTestField> m_born;
  TOwned<TTestCriteria> m_criteria;
};

} // namespace filter_test
