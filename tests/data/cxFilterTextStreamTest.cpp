#include "tests/support/GTest.h"

#include <cstdint>
#include <vector>

#include "data/cxVariants.h"
#include "tests/data/cxFilterTestSupport.h"
#include "tests/support/LimitedStack.h"

namespace {

using namespace filter_test;
using enum TcxFilterOperatorKind;
using enum TcxFilterBoolOperatorKind;
using enum TcxFilterCriteriaOption;
using TBytes = std::vector<std::uint8_t>;

TBytes BytesOf(TMemoryStream& stream) {
  return TBytes(stream.Memory(), stream.Memory() + stream.Size());
}

void Append(TBytes& bytes, std::initializer_list<std::uint8_t> more) {
  bytes.insert(bytes.end(), more);
}

class FilterTextStreamTest : public testing::Test, public TFilterFixtureData {
protected:
  TcxFilterCriteriaItem* Add(TcxFilterCriteriaItemList* parent, TTestField* field,
                             TcxFilterOperatorKind kind, const Variant& value,
                             const std::string& displayValue) {
    return Criteria().AddItem(parent, field, kind, value, displayValue);
  }

  TcxFilterCriteriaItemList* Root() { return Criteria().Root(); }

  TBytes Written(TcxFilterCriteria& criteria, int version = 0) {
    TMemoryStream stream;
    criteria.WriteData(stream, version);
    return BytesOf(stream);
  }

  // Reads the bytes into the fixture's criteria.
  void Read(const TBytes& bytes) { ReadInto(Criteria(), bytes); }

  static void ReadInto(TcxFilterCriteria& criteria, const TBytes& bytes) {
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<int>(bytes.size()));
    stream.SetPosition(0);
    criteria.ReadData(stream);
  }

  // A version-2 stream: the root (AND) with the given node count, then 'nodes'.
  static TBytes Stream(int count, const TBytes& nodes) {
    TBytes bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    for (int shift = 0; shift < 32; shift += 8)
      bytes.push_back(static_cast<std::uint8_t>(static_cast<unsigned>(count) >> shift));
    bytes.insert(bytes.end(), nodes.begin(), nodes.end());
    return bytes;
  }

  // A leaf "Name = 'x'" as a node of a version-2 stream, with an operator kind.
  static TBytes NameLeaf(std::uint8_t kind = 0) {
    return {0x00, kind, 0x01, 0x00, 0x00, 0x00, 'x', 0x01, 0x00, 0x00, 0x00, 0x06, 0x01, 'x'};
  }
};

// ---- Text -------------------------------------------------------------------------

TEST_F(FilterTextStreamTest, FilterTextJoinsConditionsWithTheListsConnective) {
  Root()->SetBoolOperatorKind(fboOr);
  Add(nullptr, NameField(), foLike, "A%", "A%");
  Add(nullptr, AgeField(), foGreaterEqual, 18, "18");
  EXPECT_EQ("(Name LIKE 'A%') OR (Age >= 18)", Criteria().GetFilterText());
  Criteria().SetOptions({fcoShowOperatorDescription});
  EXPECT_EQ("(Ad begins with A) or (Ya\xFE is greater than or equal to 18)",
            Criteria().GetFilterCaption());
}

TEST_F(FilterTextStreamTest, NegatedAndNestedListsAreWrapped) {
  Root()->SetBoolOperatorKind(fboNotAnd);
  EXPECT_EQ("NOT ()", Criteria().GetFilterText());
  Add(nullptr, NameField(), foEqual, "x", "x");
  EXPECT_EQ("NOT ((Name = 'x'))", Criteria().GetFilterText());
  EXPECT_EQ("not ((Ad = x))", Criteria().GetFilterCaption());
  TcxFilterCriteriaItemList* ages = Root()->AddItemList(fboNotOr);
  Add(ages, AgeField(), foLess, 5, "5");
  Add(ages, AgeField(), foGreater, 10, "10");
  EXPECT_EQ("NOT ((Name = 'x') AND (NOT ((Age < 5) OR (Age > 10))))", Criteria().GetFilterText());
  EXPECT_EQ("not ((Ad = x) and (not ((Ya\xFE < 5) or (Ya\xFE > 10))))",
            Criteria().GetFilterCaption());
}

struct TCaptionCase {
  TcxFilterOperatorKind Kind;
  Variant Value;
  const char* DisplayValue;
  const char* Plain;
  const char* WithDescriptions;
};

TEST_F(FilterTextStreamTest, CaptionsOfSingleConditions) {
  const TCaptionCase cases[] = {
      {foBetween, VarBetweenArrayCreate(1, 5), "1;5", "(Ya\xFE between 1 and 5)",
       "(Ya\xFE between 1 and 5)"},
      {foInList, VarArrayOf({1, 2}), "1;2", "(Ya\xFE in (1, 2))", "(Ya\xFE in (1, 2))"},
      {foEqual, Null(), "", "(Ya\xFE = blank)", "(Ya\xFE is blank)"},
      {foNotEqual, Null(), "", "(Ya\xFE <> blank)", "(Ya\xFE is not blank)"},
      {foLess, 3, "3", "(Ya\xFE < 3)", "(Ya\xFE is less than 3)"},
      {foEqual, 3, "", "(Ya\xFE =)", "(Ya\xFE equals)"},
  };
  for (const TCaptionCase& c : cases) {
    Criteria().Clear();
    Criteria().SetOptions({});
    Add(nullptr, AgeField(), c.Kind, c.Value, c.DisplayValue);
    EXPECT_EQ(c.Plain, Criteria().GetFilterCaption());
    Criteria().SetOptions({fcoShowOperatorDescription});
    EXPECT_EQ(c.WithDescriptions, Criteria().GetFilterCaption());
  }
}

TEST_F(FilterTextStreamTest, PlainConditionsUseFieldSymbolAndLiteral) {
  Add(nullptr, NameField(), foInList, VarArrayOf({"a", "b"}), "a;b");
  Add(nullptr, AgeField(), foBetween, VarBetweenArrayCreate(1, 5), "1;5");
  Add(nullptr, NameField(), foNotLike, "%z", "%z");
  Add(nullptr, NameField(), foEqual, Null(), "");
  EXPECT_EQ("(Name IN ('a', 'b')) AND (Age BETWEEN 1 AND 5) AND (Name NOT LIKE '%z') AND "
            "(Name = NULL)",
            Criteria().GetFilterText());
}

// ---- The criteria stream ---------------------------------------------------------------

TEST_F(FilterTextStreamTest, ALeafIsWrittenByteForByte) {
  Add(nullptr, NameField(), foEqual, "x", "x");
  EXPECT_EQ(Stream(1, NameLeaf()), Written(Criteria()));
  EXPECT_EQ(2, Criteria().SavedVersion);
  Criteria().SetStoreItemLinkNames(true);
  const TBytes expected = {0xFE, 0xFF, 0xFF, 0xFF, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00,
                           0x01, 0x00, 0x00, 0x00, 'x',  0x01, 0x00, 0x00, 0x00, 0x04, 0x00,
                           0x00, 0x00, 'N',  'a',  'm',  'e',  0x06, 0x01, 'x'};
  EXPECT_EQ(expected, Written(Criteria()));
  EXPECT_EQ(3, Criteria().SavedVersion);
  // A caller may ask for the older version.
  EXPECT_EQ(Stream(1, NameLeaf()), Written(Criteria(), 2));
}

TEST_F(FilterTextStreamTest, AListIsWrittenWithItsKindAndChildren) {
  Root()->SetBoolOperatorKind(fboNotOr);
  Root()->AddItemList(fboOr);
  const TBytes expected = {0xFF, 0xFF, 0xFF, 0xFF, 0x03, 0x01, 0x00, 0x00, 0x00,
                           0x01, 0x01, 0x00, 0x00, 0x00, 0x00};
  EXPECT_EQ(expected, Written(Criteria()));
}

TEST_F(FilterTextStreamTest, ATreeComesBackFromItsStream) {
  const TFixedNow now(EncodeDate(2024, 3, 10));
  Root()->SetBoolOperatorKind(fboOr);
  Add(nullptr, NameField(), foLike, "\xC7" "a%", "\xC7" "a%");
  TcxFilterCriteriaItemList* inner = Root()->AddItemList(fboNotAnd);
  Add(inner, AgeField(), foBetween, VarBetweenArrayCreate(18, 30.5), "18;30,5");
  Add(inner, AgeField(), foNotInList, VarArrayOf({1, Null(), "x"}), "1;;x");
  Add(inner, BornField(), foEqual, VarFromDateTime(EncodeDate(2024, 2, 29)), "29.02.2024");
  Add(nullptr, NameField(), foNotEqual, Null(), "");
  Add(nullptr, BornField(), foThisYear, Null(), "");
  for (const int version : {2, 3}) {
    Criteria().Version = static_cast<std::uint8_t>(version);
    TMemoryStream stream;
    Criteria().WriteData(stream);
    stream.SetPosition(0);
    const TOwned<TTestCriteria> copy(Create<TTestCriteria>(Criteria().Fields));
    copy->ReadData(stream);
    EXPECT_EQ(version, copy->LoadedVersion);
    EXPECT_EQ(stream.Size(), stream.Position());
    EXPECT_EQ(Criteria().GetFilterText(), copy->GetFilterText());
    EXPECT_EQ(Criteria().GetFilterCaption(), copy->GetFilterCaption());
    EXPECT_TRUE(copy->EqualItems(&Criteria()));
  }
}

TEST_F(FilterTextStreamTest, AVersionOneStreamHoldsTheRootChildrenOnly) {
  TBytes bytes = {0x02, 0x00, 0x00, 0x00};
  for (int i = 0; i < 2; ++i) {
    const TBytes leaf = NameLeaf(static_cast<std::uint8_t>(i));
    bytes.insert(bytes.end(), leaf.begin(), leaf.end());
  }
  Root()->SetBoolOperatorKind(fboOr);
  Read(bytes);
  EXPECT_EQ(1, Criteria().LoadedVersion);
  EXPECT_EQ(fboAnd, Root()->BoolOperatorKind());
  EXPECT_EQ("(Name = 'x') AND (Name <> 'x')", Criteria().GetFilterText());
}

TEST_F(FilterTextStreamTest, ItemLinksAreFoundByNameFirstThenByIDOfAnUnnamedLink) {
  const TOwned<TTestField> oldAge(Create<TTestField>("Age", "", 1));
  const TOwned<TTestField> gone(Create<TTestField>("Gone", "", 99));
  const TOwned<TTestField> renamed(Create<TTestField>("Old", "", 2));
  const TOwned<TTestCriteria> writer(
      Create<TTestCriteria>(std::vector<TTestField*>{oldAge.get(), gone.get(), renamed.get()}));
  writer->AddItem(nullptr, oldAge.get(), foEqual, 1, "1");
  writer->AddItem(nullptr, gone.get(), foEqual, 2, "2");
  writer->AddItem(nullptr, renamed.get(), foEqual, 3, "3");
  writer->SetStoreItemLinkNames(true);
  const TBytes named = Written(*writer);
  const TBytes unnamed = Written(*writer, 2);

  // By name: "Age" is found although its ID now means Name; "Old" falls back
  // to ID 2, whose field has a name of its own, so that condition goes too.
  Read(named);
  EXPECT_EQ("(Age = 1)", Criteria().GetFilterText());
  // By ID only: the IDs decide.
  Read(unnamed);
  EXPECT_EQ("(Name = 1) AND (Age = 3)", Criteria().GetFilterText());
  // A reader whose fields have no names finds them all by ID.
  Criteria().KnownByIDOnly = true;
  Read(named);
  EXPECT_EQ("(Name = 1) AND (Age = 3)", Criteria().GetFilterText());
}

TEST_F(FilterTextStreamTest, ReadingAnnouncesOnceAndReplacesTheTree) {
  Add(nullptr, AgeField(), foEqual, 1, "1");
  ChangeCount = 0;
  Read(Stream(2, [] {
    TBytes nodes = NameLeaf();
    const TBytes second = NameLeaf(1);
    nodes.insert(nodes.end(), second.begin(), second.end());
    return nodes;
  }()));
  EXPECT_EQ(1, ChangeCount);
  EXPECT_EQ("(Name = 'x') AND (Name <> 'x')", Criteria().GetFilterText());
}

struct TBadStreamCase {
  const char* What;
  TBytes Bytes;
};

TEST_F(FilterTextStreamTest, BadStreamsRaiseAReadErrorAndKeepWhatWasRead) {
  // Well formed, but 300 lists deep.
  TBytes deep = Stream(1, {});
  for (int i = 0; i < 299; ++i)
    Append(deep, {0x01, 0x00, 0x01, 0x00, 0x00, 0x00});
  Append(deep, {0x01, 0x00, 0x00, 0x00, 0x00, 0x00});
  TBytes truncated = Stream(1, NameLeaf());
  truncated.pop_back();
  TBytes secondLeafBad = Stream(2, NameLeaf());
  const TBytes bad = NameLeaf(40);
  secondLeafBad.insert(secondLeafBad.end(), bad.begin(), bad.end());
  const TBadStreamCase cases[] = {
      {"operator kind", Stream(1, NameLeaf(34))},
      {"list kind", {0xFF, 0xFF, 0xFF, 0xFF, 0x04, 0x00, 0x00, 0x00, 0x00}},
      {"negative count", Stream(-1, NameLeaf())},
      {"count beyond the stream", Stream(0x7FFFFFFF, NameLeaf())},
      {"huge version-1 count", {0x00, 0x00, 0x00, 0x40, 0x00}},
      {"negative version-1 count", {0xFB, 0xFF, 0xFF, 0xFF, 0x00}},
      {"truncated", truncated},
      {"bad value tag", Stream(1, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00,
                                   0x07})},
      {"negative string length", Stream(1, {0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF})},
      {"nesting", deep},
      {"empty", {}},
      {"second leaf", secondLeafBad},
  };
  for (const TBadStreamCase& c : cases) {
    Add(nullptr, AgeField(), foEqual, 1, "1");
    EXPECT_THROW(Read(c.Bytes), EReadError) << c.What;
    EXPECT_EQ(0, Criteria().LockCount()) << c.What;
    EXPECT_EQ(nullptr, Criteria().FindItemByItemLink(AgeField())) << c.What;
  }
  EXPECT_EQ("(Name = 'x')", Criteria().GetFilterText());
  try {
    Read(Stream(1, NameLeaf(40)));
    ADD_FAILURE() << "no read error";
  } catch (const EReadError& error) {
    EXPECT_EQ("Stream read error: the filter operator kind 40 is out of range", error.Message());
  }
}

// Lists nested as deep as a stream may hold them are read, turned into
// text, compared, copied and freed with a quarter of a main thread's stack.
TEST_F(FilterTextStreamTest, TheDeepestListsTakeLittleStack) {
  TBytes deepest = Stream(1, {});
  for (int i = 1; i < 256; ++i)
    Append(deepest, {0x01, 0x00, 0x01, 0x00, 0x00, 0x00});
  Append(deepest, {0x01, 0x00, 0x01, 0x00, 0x00, 0x00});
  const TBytes leaf = NameLeaf();
  deepest.insert(deepest.end(), leaf.begin(), leaf.end());
  RunWithStackLeft(256 * 1024, [this, &deepest] {
    Read(deepest);
    EXPECT_EQ(std::string(256, '(') + "(Name = 'x')" + std::string(256, ')'),
              Criteria().GetFilterText());
    const TOwned<TTestCriteria> copy(Create<TTestCriteria>(Criteria().Fields));
    copy->AssignItems(&Criteria());
    EXPECT_EQ(Criteria().GetFilterText(), copy->GetFilterText());
    Criteria().Clear();
  });
}

TEST_F(FilterTextStreamTest, WithoutADataSideStreamingALeafRaisesTheAbstractError) {
  const TOwned<TcxFilterCriteria> plain(Create<TcxFilterCriteria>());
  plain->AddItem(nullptr, nullptr, foEqual, 1, "1");
  EXPECT_THROW(Written(*plain), EInvalidOperation);
  EXPECT_THROW(ReadInto(*plain, Stream(1, NameLeaf())), EInvalidOperation);
}

// ---- Copies ---------------------------------------------------------------------------------

TEST_F(FilterTextStreamTest, EqualItemsAndAssignItemsCompareAndCopyTrees) {
  const TOwned<TTestCriteria> other(Create<TTestCriteria>(Criteria().Fields));
  int otherChanges = 0;
  other->SetOnChanged([&otherChanges](TObject*) { ++otherChanges; });
  for (TcxFilterCriteria* criteria : {static_cast<TcxFilterCriteria*>(&Criteria()),
                                      static_cast<TcxFilterCriteria*>(other.get())})
    criteria->AddItem(nullptr, AgeField(), foLess, 5, "5");
  otherChanges = 0;
  EXPECT_TRUE(other->EqualItems(&Criteria()));
  other->AssignItems(&Criteria());
  EXPECT_EQ(0, otherChanges);
  Add(Root()->AddItemList(fboOr), NameField(), foLike, "a%", "a%");
  EXPECT_FALSE(other->EqualItems(&Criteria()));
  other->AssignItems(&Criteria());
  EXPECT_EQ(1, otherChanges);
  EXPECT_EQ(Criteria().GetFilterText(), other->GetFilterText());
}

TEST_F(FilterTextStreamTest, AssignCopiesSettingsTreeAndEventsButNotTheVersion) {
  Criteria().SetDateTimeFormat("yyyy");
  Criteria().SetMaxValueListCount(7);
  Criteria().SetOptions({fcoSoftNull, fcoIgnoreNull});
  Criteria().SetPercentWildcard('*');
  Criteria().SetUnderscoreWildcard('?');
  Criteria().BetweenAsExpression = true;
  Criteria().LikeSupported = false;
  Criteria().SetStoreItemLinkNames(true);
  Add(nullptr, AgeField(), foEqual, 1, "1");
  const TOwned<TTestCriteria> copy(Create<TTestCriteria>(Criteria().Fields));
  copy->Assign(&Criteria());
  EXPECT_EQ("yyyy", copy->DateTimeFormat());
  EXPECT_EQ(7, copy->MaxValueListCount());
  EXPECT_EQ((TcxFilterCriteriaOptions{fcoSoftNull, fcoIgnoreNull}), copy->Options());
  EXPECT_EQ('*', copy->PercentWildcard());
  EXPECT_EQ('?', copy->UnderscoreWildcard());
  EXPECT_TRUE(copy->BetweenAsExpression);
  EXPECT_FALSE(copy->LikeSupported);
  EXPECT_EQ(2, copy->Version);
  EXPECT_EQ("(Age = 1)", copy->GetFilterText());
  ChangeCount = 0;
  copy->Changed();
  EXPECT_EQ(1, ChangeCount);
  const TOwned<TPersistent> stranger(Create<TPersistent>());
  EXPECT_THROW(copy->Assign(stranger.get()), EConvertError);
}

// ---- The component stream -----------------------------------------------------------------

std::string SavedSettings(TcxFilterCriteria& criteria) {
  TMemoryStream stream;
  criteria.SaveToStream(stream);
  stream.SetPosition(0);
  return ReadStringFunc(stream);
}

TEST_F(FilterTextStreamTest, SaveToStreamWritesTheSettingsThatDifferFromTheirDefaults) {
  Add(nullptr, AgeField(), foEqual, 1, "1");
  EXPECT_EQ(std::string::npos, SavedSettings(Criteria()).find("Filter."));
  Criteria().SetPercentWildcard('*');
  const std::string saved = SavedSettings(Criteria());
  EXPECT_NE(std::string::npos, saved.find("Filter.PercentWildcard = '*'")) << saved;
  EXPECT_EQ(saved.find("Filter."), saved.rfind("Filter.")) << saved;
}

TEST_F(FilterTextStreamTest, LoadFromStreamReadsTheSettingsBack) {
  Criteria().SetMaxValueListCount(3);
  Criteria().SetOptions({fcoCaseInsensitive, fcoSoftCompare});
  Criteria().SetPercentWildcard('*');
  Criteria().SetUnderscoreWildcard('?');
  TMemoryStream stream;
  Criteria().SaveToStream(stream);
  WriteIntegerProc(stream, 12345);
  stream.SetPosition(0);
  const TOwned<TTestCriteria> copy(Create<TTestCriteria>());
  int changes = 0;
  copy->SetOnChanged([&changes](TObject*) { ++changes; });
  copy->LoadFromStream(stream);
  EXPECT_EQ(1, changes);
  EXPECT_EQ(3, copy->MaxValueListCount());
  EXPECT_EQ((TcxFilterCriteriaOptions{fcoCaseInsensitive, fcoSoftCompare}), copy->Options());
  EXPECT_EQ('*', copy->PercentWildcard());
  EXPECT_EQ('?', copy->UnderscoreWildcard());
  EXPECT_EQ(12345, ReadIntegerFunc(stream));
}

TEST_F(FilterTextStreamTest, LoadFromStreamRefusesSettingsNestedTooDeep) {
  const std::string deep = "object TFilterWrapper\n  Filter.Options = " + std::string(2500, '(') +
                           std::string(2500, ')') + "\nend\n";
  TMemoryStream stream;
  WriteStringProc(stream, deep);
  stream.SetPosition(0);
  try {
    Criteria().LoadFromStream(stream);
    ADD_FAILURE() << "no read error";
  } catch (const EReadError& error) {
    EXPECT_NE(std::string::npos, error.Message().find("Nested deeper than")) << error.Message();
  }
  EXPECT_EQ(0, Criteria().LockCount());
}

} // namespace
