// The compiled evaluation of criteria over record storage gives the answers
// of the criteria's own evaluation: the same conditions, options and rows,
// once through leaves bound to the storage's definitions and once through
// leaves that only answer GetDataValue.
#include "tests/support/GTest.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "data/cxDataStorage.h"
#include "data/cxFilter.h"
#include "data/cxFilterCompiled.h"
#include "data/cxVariants.h"

namespace {

using enum TcxFilterOperatorKind;
using enum TcxFilterBoolOperatorKind;
using enum TcxFilterCriteriaOption;

class TRecordCursor : public TObject {
  OBJECT_CLASS(TRecordCursor, TObject)
public:
  int RecordIndex = 0;
};

class TRecordCriteria;

// A condition on a definition of the storage (its item link).
class TRecordFilterItem : public TcxFilterCriteriaItem {
  OBJECT_CLASS(TRecordFilterItem, TcxFilterCriteriaItem)
public:
  using TcxFilterCriteriaItem::TcxFilterCriteriaItem;

  Variant GetDataValue(TObject* data) override;
  std::string GetFieldCaption() const override { return "c"; }
  std::string GetFieldName() const override { return "c"; }
  TcxValueDef* GetRecordValueDef() const override;
};

// Criteria over the records of one storage; 'bound' ones say which record
// a row is, so that their leaves may be compiled.
class TRecordCriteria : public TcxFilterCriteria {
  OBJECT_CLASS(TRecordCriteria, TcxFilterCriteria)
public:
  TRecordCriteria(TcxDataStorage* storage, bool bound) : Storage(storage), Bound(bound) {}

  TcxFilterCriteriaItemClass GetItemClass() const override {
    return TRecordFilterItem::StaticClass();
  }
  bool GetDataRecord(TObject* data, TcxDataStorage*& storage, int& recordIndex) override {
    if (!Bound)
      return false;
    storage = Storage;
    recordIndex = static_cast<TRecordCursor*>(data)->RecordIndex;
    return true;
  }

  TcxDataStorage* Storage = nullptr;
  bool Bound = false;
  // Leaves that answer no definition even in bound criteria.
  TObject* UnboundLink = nullptr;
};

TRecordCriteria* CriteriaOf(const TcxFilterCriteriaItem* item) {
  return static_cast<TRecordCriteria*>(item->GetCriteria());
}

Variant TRecordFilterItem::GetDataValue(TObject* data) {
  return CriteriaOf(this)->Storage->GetValue(static_cast<TRecordCursor*>(data)->RecordIndex,
                                             static_cast<TcxValueDef*>(ItemLink()));
}

TcxValueDef* TRecordFilterItem::GetRecordValueDef() const {
  TRecordCriteria* criteria = CriteriaOf(this);
  if (!criteria->Bound || ItemLink() == criteria->UnboundLink)
    return nullptr;
  return static_cast<TcxValueDef*>(ItemLink());
}

enum class TOutcome { False, True, VariantError };

const char* OutcomeText(TOutcome outcome) {
  switch (outcome) {
  case TOutcome::False: return "false";
  case TOutcome::True: return "true";
  default: return "variant error";
  }
}

struct TCondition {
  const char* Column;
  TcxFilterOperatorKind Kind;
  Variant Value;
};

TDateTime Day(int year, int month, int day) { return EncodeDate(year, month, day); }

class FilterCompiledTest : public testing::Test {
protected:
  void SetUp() override {
    m_storage.reset(Create<TcxDataStorage>());
    AddColumn("Text", TcxStringValueType::StaticClass());
    AddColumn("Int", TcxIntegerValueType::StaticClass());
    AddColumn("Small", TcxSmallintValueType::StaticClass());
    AddColumn("Word", TcxWordValueType::StaticClass());
    AddColumn("Large", TcxLargeIntValueType::StaticClass());
    AddColumn("Flag", TcxBooleanValueType::StaticClass());
    AddColumn("Real", TcxFloatValueType::StaticClass());
    AddColumn("When", TcxDateTimeValueType::StaticClass());
    AddColumn("Money", TcxCurrencyValueType::StaticClass());
    FillRows();
    m_bound.reset(Create<TRecordCriteria>(m_storage.get(), true));
    m_plain.reset(Create<TRecordCriteria>(m_storage.get(), false));
  }

  void AddColumn(const std::string& name, TcxValueTypeClass type) {
    m_columns.emplace_back(name, m_storage->ValueDefs().Add(type, true, false, nullptr));
  }

  TcxValueDef* Column(const std::string& name) const {
    for (const auto& [columnName, column] : m_columns)
      if (columnName == name)
        return column;
    throw EInvalidOperation("No column " + name);
  }

  // Every seventh value of a column is Null; texts hold blanks, Turkish
  // letters, wildcards and case variants, numbers signs and a NaN.
  void FillRows() {
    const char* texts[] = {"abc", "ABC", "", "ab", "a%b", "axb", "istanbul", "\xDDSTANBUL",
                           "ISTANBUL", "\xFD\xFE\xE7", "z", "Azra", "b", "abcd", "a_c", " "};
    const double reals[] = {0.5, -2.25, 0, 2, std::nan(""), 10.75, 1e300, -0.0};
    const int rows = 64;
    m_storage->SetRecordCount(rows);
    for (int i = 0; i < rows; ++i) {
      const auto put = [&](const char* column, int salt, const Variant& value) {
        m_storage->SetValue(i, Column(column), (i + salt) % 7 == 0 ? Null() : value);
      };
      put("Text", 0, texts[i % std::size(texts)]);
      put("Int", 1, (i * 37) % 23 - 8);
      put("Small", 2, static_cast<std::int16_t>(i % 5 - 2));
      put("Word", 3, static_cast<std::uint16_t>(i * 1000 % 65536));
      put("Large", 4, (std::int64_t{1} << 40) * (i % 3 - 1) + i);
      put("Flag", 5, i % 3 == 0);
      put("Real", 6, reals[i % std::size(reals)]);
      put("When", 0, VarFromDateTime(Day(2023, 1, 1) + i * 17.25));
      put("Money", 1, Currency::FromScaled(i * 2500));
    }
  }

  TcxFilterCriteriaItem* Add(TRecordCriteria& criteria, TcxFilterCriteriaItemList* parent,
                             const TCondition& condition) {
    return criteria.AddItem(parent, Column(condition.Column), condition.Kind, condition.Value, "");
  }

  // Builds the same tree in both criteria with 'build'.
  void BuildBoth(TcxFilterCriteriaOptions options,
                 const std::function<void(TRecordCriteria&)>& build) {
    for (TRecordCriteria* criteria : {m_bound.get(), m_plain.get()}) {
      criteria->BeginUpdate();
      criteria->Clear();
      criteria->SetOptions(options);
      build(*criteria);
      criteria->EndUpdate();
    }
  }

  static TOutcome Outcome(TRecordCriteria& criteria, int recordIndex) {
    const TOwned<TRecordCursor> cursor(Create<TRecordCursor>());
    cursor->RecordIndex = recordIndex;
    try {
      return criteria.DoFilterData(cursor.get()) ? TOutcome::True : TOutcome::False;
    } catch (const EVariantError&) {
      return TOutcome::VariantError;
    }
  }

  // Every row gets the same answer from both criteria, and the compiled
  // program gives it with and without short cuts.
  void ExpectSameAnswers(const std::string& what) {
    const std::unique_ptr<TcxCompiledFilter> program = TcxCompiledFilter::Compile(*m_bound);
    const TOwned<TRecordCursor> cursor(Create<TRecordCursor>());
    for (int i = 0; i < m_storage->RecordCount(); ++i) {
      const TOutcome expected = Outcome(*m_plain, i);
      EXPECT_EQ(OutcomeText(Outcome(*m_bound, i)), OutcomeText(expected)) << what << ", row " << i;
      if (!program)
        continue;
      cursor->RecordIndex = i;
      for (const bool shortCut : {true, false}) {
        TcxCompiledFilter::TResult result = TcxCompiledFilter::TResult::Undecided;
        try {
          result = program->Evaluate(m_storage.get(), i, cursor.get(), shortCut);
        } catch (const EVariantError&) {
          EXPECT_EQ(expected, TOutcome::VariantError) << what << ", row " << i;
          continue;
        }
        if (result != TcxCompiledFilter::TResult::Undecided)
          EXPECT_EQ(result == TcxCompiledFilter::TResult::True, expected == TOutcome::True)
              << what << ", row " << i << ", short cut " << shortCut;
      }
    }
  }

  TOwned<TcxDataStorage> m_storage;
  std::vector<std::pair<std::string, TcxValueDef*>> m_columns;
  TOwned<TRecordCriteria> m_bound;
  TOwned<TRecordCriteria> m_plain;
};

const TcxFilterCriteriaOptions kOptionSets[] = {
    {},
    {fcoCaseInsensitive},
    {fcoSoftNull},
    {fcoIgnoreNull},
    {fcoSoftNull, fcoIgnoreNull},
    {fcoSoftCompare},
    {fcoCaseInsensitive, fcoSoftNull, fcoIgnoreNull, fcoSoftCompare},
};

std::string Describe(const TCondition& condition, TcxFilterCriteriaOptions options) {
  std::string text = std::string(condition.Column) + " kind " +
                     std::to_string(static_cast<int>(condition.Kind)) + " value " +
                     (VarIsArray(condition.Value) ? "[array]" : VarToStr(condition.Value)) +
                     " options";
  for (const TcxFilterCriteriaOption option : {fcoCaseInsensitive, fcoSoftNull, fcoSoftCompare,
                                               fcoIgnoreNull})
    if (options.Contains(option))
      text += " " + std::to_string(static_cast<int>(option));
  return text;
}

TEST_F(FilterCompiledTest, EveryConditionAnswersAsTheCriteriaDoWithEveryOptionSet) {
  const TDateTime day = Day(2024, 2, 29);
  const TCondition conditions[] = {
      {"Text", foEqual, "abc"},
      {"Text", foNotEqual, "abc"},
      {"Text", foLess, "b"},
      {"Text", foLessEqual, "ab"},
      {"Text", foGreater, "ab"},
      {"Text", foGreaterEqual, ""},
      {"Text", foEqual, "istanbul"},
      {"Text", foLike, "a%"},
      {"Text", foLike, "%c"},
      {"Text", foLike, "%b%"},
      {"Text", foLike, "a%%b"},
      {"Text", foLike, "a_c"},
      {"Text", foLike, "%"},
      {"Text", foLike, "abc"},
      {"Text", foLike, "i%"},
      {"Text", foLike, "%a%b%"},
      {"Text", foNotLike, "%z%"},
      {"Text", foNotLike, "%"},
      {"Text", foBetween, VarBetweenArrayCreate("a", "b")},
      {"Text", foNotBetween, VarBetweenArrayCreate("ab", "abc")},
      {"Text", foInList, VarArrayOf({"abc", "z", Null()})},
      {"Text", foNotInList, VarArrayOf({"abc", "ABC"})},
      {"Text", foEqual, Null()},
      {"Text", foNotEqual, Null()},
      {"Text", foEqual, ""},
      {"Text", foNotLike, ""},
      {"Text", foEqual, 5},
      {"Text", foLastYear, Null()},
      {"Int", foEqual, 5},
      {"Int", foNotEqual, -8},
      {"Int", foLess, 0},
      {"Int", foGreaterEqual, 2.5},
      {"Int", foGreater, true},
      {"Int", foBetween, VarBetweenArrayCreate(-3, 7)},
      {"Int", foNotBetween, VarBetweenArrayCreate(-2.5, 3.5)},
      {"Int", foBetween, VarBetweenArrayCreate(-3, 2.5)},
      {"Int", foNotBetween, VarBetweenArrayCreate(0.5, 7)},
      {"Int", foInList, VarArrayOf({1, 2, 3.0, Null()})},
      {"Int", foNotInList, VarArrayOf({-8, 14})},
      {"Int", foEqual, "5"},
      {"Int", foLike, "1%"},
      {"Int", foEqual, Null()},
      {"Int", foInFuture, Null()},
      {"Small", foLessEqual, -1},
      {"Small", foBetween, VarBetweenArrayCreate(Null(), 1)},
      {"Word", foGreater, 30000},
      {"Word", foEqual, 0},
      {"Large", foLess, std::int64_t{-1} << 39},
      {"Large", foGreaterEqual, 1e12},
      {"Large", foBetween, VarBetweenArrayCreate(1e12, (std::int64_t{1} << 40) + 9)},
      {"Large", foNotBetween, VarBetweenArrayCreate((std::int64_t{1} << 40) + 3, 2e12)},
      {"Flag", foEqual, true},
      {"Flag", foNotEqual, false},
      {"Flag", foLess, 0},
      {"Flag", foEqual, -1},
      {"Real", foGreater, 0.5},
      {"Real", foLessEqual, 0},
      {"Real", foEqual, -0.0},
      {"Real", foBetween, VarBetweenArrayCreate(-3, 2)},
      {"Real", foNotBetween, VarBetweenArrayCreate(0, 10.75)},
      {"Real", foNotEqual, std::nan("")},
      {"Real", foInList, VarArrayOf({2, 0.5})},
      {"When", foLastYear, Null()},
      {"When", foThisYear, Null()},
      {"When", foInPast, Null()},
      {"When", foGreater, VarFromDateTime(day)},
      {"When", foLessEqual, 45000},
      {"When", foBetween, VarBetweenArrayCreate(VarFromDateTime(day), VarFromDateTime(day + 300))},
      {"When", foEqual, VarFromDateTime(Day(2023, 1, 1))},
      {"When", foNotEqual, Null()},
      {"Money", foEqual, 2.5},
      {"Money", foGreater, 10},
  };
  for (const TcxFilterCriteriaOptions options : kOptionSets)
    for (const TCondition& condition : conditions) {
      BuildBoth(options, [&](TRecordCriteria& criteria) { Add(criteria, nullptr, condition); });
      ExpectSameAnswers(Describe(condition, options));
    }
}

// Texts of every length up to three words of eight bytes, each holding the
// looked-for letter at one place or not at all, Turkish letters among the
// others, searched for with and without letter case.
TEST_F(FilterCompiledTest, ContainedLettersAreFoundAtEveryPlaceOfTextsOfEveryLength) {
  const char letters[] = "abz\xFD\xFE\xE7\xDD";
  for (int i = 0; i < m_storage->RecordCount(); ++i) {
    const int length = i % 25;
    std::string text(static_cast<std::size_t>(length), letters[i % 7 == 2 ? 0 : i % 7]);
    if (length > 0 && i % 3 != 0)
      text[static_cast<std::size_t>(i * 5 % length)] = i % 2 ? 'z' : '\xFD';
    m_storage->SetValue(i, Column("Text"), text);
  }
  const TCondition conditions[] = {
      {"Text", foLike, "%z%"},
      {"Text", foNotLike, "%z%"},
      {"Text", foLike, "%%\xFD%"},
      {"Text", foLike, "%I%"},
      {"Text", foNotLike, "%\xDD%"},
  };
  for (const TcxFilterCriteriaOptions options : kOptionSets)
    for (const TCondition& condition : conditions) {
      BuildBoth(options, [&](TRecordCriteria& criteria) { Add(criteria, nullptr, condition); });
      ExpectSameAnswers(Describe(condition, options));
    }
}

// A short cut decides a row whose blank values lie only in leaves it passes
// over, and leaves a row blank where it reads to the criteria.
TEST_F(FilterCompiledTest, ShortCutsReadOnlyTheValuesOfTheLeavesTheyReach) {
  for (const TcxFilterCriteriaOptions options : kOptionSets) {
    BuildBoth(options, [&](TRecordCriteria& criteria) {
      Add(criteria, nullptr, {"Int", foGreater, 100});
      Add(criteria, nullptr, {"Text", foLess, "b"});
      Add(criteria, nullptr, {"Real", foLess, 1});
    });
    m_storage->SetValue(0, Column("Int"), 5);
    m_storage->SetValue(0, Column("Text"), Null());
    m_storage->SetValue(1, Column("Int"), Null());
    m_storage->SetValue(1, Column("Text"), "a");
    m_storage->SetValue(2, Column("Int"), 200);
    m_storage->SetValue(2, Column("Text"), options.Contains(fcoSoftNull) ? "" : Variant(Null()));
    const std::unique_ptr<TcxCompiledFilter> program = TcxCompiledFilter::Compile(*m_bound);
    ASSERT_TRUE(program);
    const TOwned<TRecordCursor> cursor(Create<TRecordCursor>());
    const auto evaluate = [&](int row, bool shortCut) {
      cursor->RecordIndex = row;
      return program->Evaluate(m_storage.get(), row, cursor.get(), shortCut);
    };
    EXPECT_EQ(evaluate(0, true), TcxCompiledFilter::TResult::False);
    EXPECT_EQ(evaluate(0, false), TcxCompiledFilter::TResult::Undecided);
    EXPECT_EQ(evaluate(1, true), TcxCompiledFilter::TResult::Undecided);
    EXPECT_EQ(evaluate(2, true), TcxCompiledFilter::TResult::Undecided);
    ExpectSameAnswers(Describe({"Int", foGreater, 100}, options));
  }
}

// Trees of every list kind, nested, with a condition the program cannot type
// among them, so that every leaf is evaluated in order.
TEST_F(FilterCompiledTest, TreesOfEveryListKindAnswerAsTheCriteriaDo) {
  for (const TcxFilterBoolOperatorKind outer : {fboAnd, fboOr, fboNotAnd, fboNotOr})
    for (const TcxFilterBoolOperatorKind inner : {fboAnd, fboOr, fboNotAnd, fboNotOr})
      for (const bool withUntyped : {false, true}) {
        BuildBoth({}, [&](TRecordCriteria& criteria) {
          criteria.Root()->SetBoolOperatorKind(outer);
          Add(criteria, nullptr, {"Text", foLike, "a%"});
          TcxFilterCriteriaItemList* list = criteria.Root()->AddItemList(inner);
          Add(criteria, list, {"Int", foGreater, 0});
          Add(criteria, list, {"Real", foLess, 1});
          if (withUntyped)
            Add(criteria, list, {"Text", foLastYear, Null()});
          Add(criteria, nullptr, {"When", foLastYear, Null()});
          Add(criteria, nullptr, {"Money", foGreater, 10});
        });
        ExpectSameAnswers("outer " + std::to_string(static_cast<int>(outer)) + " inner " +
                          std::to_string(static_cast<int>(inner)) + " untyped " +
                          std::to_string(withUntyped));
      }
}

// Lists three deep, an empty list among them, a list of one leaf.
TEST_F(FilterCompiledTest, DeepTreesWithEmptyListsAnswerAsTheCriteriaDo) {
  for (const TcxFilterBoolOperatorKind outer : {fboAnd, fboOr, fboNotAnd, fboNotOr})
    for (const TcxFilterBoolOperatorKind middle : {fboAnd, fboOr, fboNotAnd, fboNotOr})
      for (const TcxFilterBoolOperatorKind inner : {fboAnd, fboOr, fboNotAnd, fboNotOr}) {
        BuildBoth({}, [&](TRecordCriteria& criteria) {
          criteria.Root()->SetBoolOperatorKind(outer);
          TcxFilterCriteriaItemList* second = criteria.Root()->AddItemList(middle);
          second->AddItemList(inner);
          TcxFilterCriteriaItemList* third = second->AddItemList(inner);
          Add(criteria, third, {"Int", foLess, 3});
          Add(criteria, third, {"Text", foLike, "%b%"});
          Add(criteria, second, {"Real", foGreater, 0});
          Add(criteria, criteria.Root()->AddItemList(middle), {"Flag", foEqual, true});
          Add(criteria, nullptr, {"Small", foNotEqual, 0});
        });
        ExpectSameAnswers("outer " + std::to_string(static_cast<int>(outer)) + " middle " +
                          std::to_string(static_cast<int>(middle)) + " inner " +
                          std::to_string(static_cast<int>(inner)));
      }
}

TEST_F(FilterCompiledTest, TypedLeavesAreCompiledAndOthersLeftToTheCriteria) {
  BuildBoth({fcoCaseInsensitive}, [&](TRecordCriteria& criteria) {
    Add(criteria, nullptr, {"Text", foLike, "a%"});
    Add(criteria, nullptr, {"Int", foBetween, VarBetweenArrayCreate(1, 5)});
    Add(criteria, nullptr, {"When", foLastYear, Null()});
    Add(criteria, nullptr, {"Flag", foEqual, true});
  });
  std::unique_ptr<TcxCompiledFilter> program = TcxCompiledFilter::Compile(*m_bound);
  ASSERT_TRUE(program);
  EXPECT_TRUE(program->AllLeavesTyped());
  EXPECT_FALSE(TcxCompiledFilter::Compile(*m_plain));

  // Text against a number, a Currency column, a leaf without definition.
  for (const TCondition& untyped : {TCondition{"Text", foEqual, 5}, TCondition{"Money", foEqual, 1}}) {
    BuildBoth({}, [&](TRecordCriteria& criteria) {
      Add(criteria, nullptr, {"Int", foEqual, 1});
      Add(criteria, nullptr, untyped);
    });
    program = TcxCompiledFilter::Compile(*m_bound);
    ASSERT_TRUE(program);
    EXPECT_FALSE(program->AllLeavesTyped());
  }
  m_bound->UnboundLink = Column("Int");
  BuildBoth({}, [&](TRecordCriteria& criteria) { Add(criteria, nullptr, {"Int", foEqual, 1}); });
  EXPECT_FALSE(TcxCompiledFilter::Compile(*m_bound));
}

// A definition added in front of the used ones moves their values; a link
// changed without announcement reads the new column.
TEST_F(FilterCompiledTest, ChangesAfterPreparingAreFollowed) {
  TcxFilterCriteriaItem* item = nullptr;
  BuildBoth({}, [&](TRecordCriteria& criteria) {
    TcxFilterCriteriaItem* added = Add(criteria, nullptr, {"Int", foGreater, 0});
    if (&criteria == m_bound.get())
      item = added;
  });
  ExpectSameAnswers("before");
  TcxValueDef* front = m_storage->ValueDefs().Add(TcxIntegerValueType::StaticClass(), true, false,
                                                  nullptr);
  m_storage->ValueDefs().Remove(front);
  front = m_storage->ValueDefs().Add(TcxStringValueType::StaticClass(), true, true, nullptr);
  ExpectSameAnswers("after a definition was added");
  item->SetItemLink(Column("Small"));
  m_plain->Root()->Items(0)->Free();
  Add(*m_plain, nullptr, {"Small", foGreater, 0});
  ExpectSameAnswers("after the link changed");
  front->Free();
  ExpectSameAnswers("after a definition was freed");
}

// Records without buffer and internal records are left to the criteria; a
// record without buffer among those read ahead is passed over.
TEST_F(FilterCompiledTest, RecordsWithoutValuesAndInternalRecordsAnswerAsTheCriteriaDo) {
  m_storage->AppendRecord();
  const int internal = m_storage->AddInternalRecord();
  m_storage->SetValue(internal, Column("Int"), 3);
  // The internal record and the appended one pass the last condition.
  for (const TCondition& condition :
       {TCondition{"Text", foLike, "a%"}, TCondition{"Int", foNotEqual, 0}}) {
    BuildBoth({}, [&](TRecordCriteria& criteria) { Add(criteria, nullptr, condition); });
    ExpectSameAnswers(std::string("appended, ") + condition.Column);
  }
  EXPECT_EQ(Outcome(*m_bound, internal), TOutcome::True);
  EXPECT_EQ(Outcome(*m_bound, m_storage->RecordCount() - 1), TOutcome::True);
}

} // namespace
