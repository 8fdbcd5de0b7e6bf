#include "tests/support/GTest.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringLists.h"

#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

Lines Entries(const TStrings& list) {
  Lines lines;
  for (int i = 0; i < list.Count(); ++i)
    lines.push_back(list.Strings(i));
  return lines;
}

void Fill(TStrings& list, const Lines& lines) {
  for (const std::string& line : lines)
    list.Add(line);
}

// Stand-ins for objects: only their addresses matter to a string list.
TObject* Object(int n) {
  static char storage[8];
  return reinterpret_cast<TObject*>(&storage[n]);
}

// Records the change events of a list as "changing" / "changed".
struct EventLog {
  explicit EventLog(TStringList& list) {
    list.SetOnChanging([this](TStrings*) { events.push_back("changing"); });
    list.SetOnChange([this](TStrings*) { events.push_back("changed"); });
  }
  Lines events;
};

const Lines kChange = {"changing", "changed"};

} // namespace

TEST(StringListTest, TextPutsCrLfAfterEveryEntry) {
  const std::pair<Lines, std::string> cases[] = {
      {{}, ""},
      {{"a"}, "a\r\n"},
      {{"", ""}, "\r\n\r\n"},
      {{" a b ", "\xE7\xF0\xFD\xDD\xF6\xFE\xFC"}, " a b \r\n\xE7\xF0\xFD\xDD\xF6\xFE\xFC\r\n"},
  };
  for (const auto& [lines, text] : cases) {
    TStringList list;
    Fill(list, lines);
    EXPECT_EQ(list.Text(), text);
    TStringList back;
    back.SetText(text);
    EXPECT_EQ(Entries(back), lines);
  }
}

TEST(StringListTest, SetTextSplitsOnCrLfAndCrLf) {
  const std::pair<std::string, Lines> cases[] = {
      {"", {}},
      {"x", {"x"}},
      {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},
      {"a\r\n", {"a"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\n\r", {"a", ""}},
      {"\r\n", {""}},
      {" a \tb ", {" a \tb "}},
  };
  for (const auto& [text, lines] : cases) {
    TStringList list;
    list.Add("old");
    list.SetText(text);
    EXPECT_EQ(Entries(list), lines) << text;
  }
}

TEST(StringListTest, CommaTextQuotesBlanksQuotesAndCommas) {
  const std::pair<Lines, std::string> cases[] = {
      {{}, ""},
      {{""}, "\"\""},
      {{"a", "b"}, "a,b"},
      {{"a", "", "b"}, "a,,b"},
      {{"a b"}, "\"a b\""},
      {{"x,y", "tab\t"}, "\"x,y\",\"tab\t\""},
      {{"say \"hi\""}, "\"say \"\"hi\"\"\""},
      {{"\xFE\x65ker", "\xC7\x61y"}, "\xFE\x65ker,\xC7\x61y"},
  };
  for (const auto& [lines, text] : cases) {
    TStringList list;
    Fill(list, lines);
    EXPECT_EQ(list.CommaText(), text);
    TStringList back;
    back.SetCommaText(text);
    EXPECT_EQ(Entries(back), lines) << text;
  }
}

TEST(StringListTest, SetCommaTextSplitsOnCommasAndBlanks) {
  const std::pair<std::string, Lines> cases[] = {
      {"", {}},
      {"a b", {"a", "b"}},
      {"  a ,  b  ", {"a", "b"}},
      {"\"a b\",c", {"a b", "c"}},
      {"a,", {"a", ""}},
      {",a", {"", "a"}},
      {"\"ab\"cd", {"ab", "cd"}},
      {"\"x\"\"y\"", {"x\"y"}},
      {"\"open end", {"open end"}},
  };
  for (const auto& [text, lines] : cases) {
    TStringList list;
    list.SetCommaText(text);
    EXPECT_EQ(Entries(list), lines) << text;
  }
}

TEST(StringListTest, NamesAndValues) {
  TStringList list;
  Fill(list, {"ad=Ali", "soyad=Y\xFDlmaz", "bare", "=x", "a=b=c"});
  const Lines names = {"ad", "soyad", "", "", "a"};
  const Lines values = {"Ali", "Y\xFDlmaz", "", "x", "b=c"};
  for (int i = 0; i < list.Count(); ++i) {
    EXPECT_EQ(list.Names(i), names[i]);
    EXPECT_EQ(list.ValueFromIndex(i), values[i]);
  }
  EXPECT_EQ(list.Values("AD"), "Ali");
  EXPECT_EQ(list.IndexOfName("SOYAD"), 1);
  EXPECT_EQ(list.IndexOfName("bare"), -1);
  EXPECT_EQ(list.Values("none"), "");

  list.SetValues("ad", "Veli");
  list.SetValues("yeni", "1");
  list.SetValues("soyad", "");
  EXPECT_EQ(Entries(list), (Lines{"ad=Veli", "bare", "=x", "a=b=c", "yeni=1"}));
}

TEST(StringListTest, IndexOfFollowsCaseSensitivity) {
  TStringList list;
  Fill(list, {"Alpha", "beta"});
  list.SetObjects(1, Object(1));
  EXPECT_EQ(list.IndexOf("ALPHA"), 0);
  EXPECT_EQ(list.IndexOfObject(Object(1)), 1);
  EXPECT_EQ(list.IndexOfObject(Object(2)), -1);
  list.SetCaseSensitive(true);
  EXPECT_EQ(list.IndexOf("ALPHA"), -1);
  EXPECT_EQ(list.IndexOf("Alpha"), 0);
}

TEST(StringListTest, BadIndexesRaiseAndKeepTheEntries) {
  const std::pair<std::function<void(TStringList&)>, const char*> cases[] = {
      {[](TStringList& l) { l.Strings(2); }, "List index out of bounds (2)"},
      {[](TStringList& l) { l.Objects(-1); }, "List index out of bounds (-1)"},
      {[](TStringList& l) { l.SetStrings(2, "x"); }, "List index out of bounds (2)"},
      {[](TStringList& l) { l.SetObjects(2, nullptr); }, "List index out of bounds (2)"},
      {[](TStringList& l) { l.Insert(3, "x"); }, "List index out of bounds (3)"},
      {[](TStringList& l) { l.Delete(2); }, "List index out of bounds (2)"},
      {[](TStringList& l) { l.Exchange(0, 2); }, "List index out of bounds (2)"},
      {[](TStringList& l) { l.Move(0, 2); }, "List index out of bounds (2)"},
      {[](TStringList& l) { l.Move(5, 0); }, "List index out of bounds (5)"},
      {[](TStringList& l) { l.ValueFromIndex(-1); }, "List index out of bounds (-1)"},
  };
  for (const auto& [call, message] : cases) {
    TStringList list;
    Fill(list, {"a", "b"});
    try {
      call(list);
      ADD_FAILURE() << "no error for " << message;
    } catch (const EStringListError& e) {
      EXPECT_EQ(e.Message(), message);
    }
    EXPECT_EQ(Entries(list), (Lines{"a", "b"})) << message;
  }
}

TEST(StringListTest, ExchangeAndMoveCarryTheObjects) {
  TStringList list;
  for (int i = 0; i < 4; ++i)
    list.AddObject(std::string(1, static_cast<char>('a' + i)), Object(i));
  list.Exchange(0, 3);
  list.Move(1, 2);
  EXPECT_EQ(Entries(list), (Lines{"d", "c", "b", "a"}));
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(list.Objects(i), Object(3 - i));
}

TEST(StringListTest, SortedListKeepsTurkishAlphabeticalOrder) {
  // c ç d, g ğ h, ı i, o ö p, s ş t, u ü v; letter case does not count.
  const Lines unsorted = {"\xFE\x65ker", "zeytin", "\xC7\x61y", "\xFDl\xFDk",  "inek",  "Ceviz",
                          "\xFCz\xFCm",  "sucuk",  "\xF6rdek",  "G\xFCne\xFE", "\xF0"};
  const Lines sorted = {"Ceviz", "\xC7\x61y", "G\xFCne\xFE", "\xF0",   "\xFDl\xFDk", "inek",
                        "\xF6rdek", "sucuk",  "\xFE\x65ker",  "\xFCz\xFCm", "zeytin"};
  TStringList added;
  added.SetSorted(true);
  Fill(added, unsorted);
  EXPECT_EQ(Entries(added), sorted);

  TStringList switched;
  Fill(switched, unsorted);
  switched.SetSorted(true);
  EXPECT_EQ(Entries(switched), sorted);
  for (int i = 0; i < switched.Count(); ++i)
    EXPECT_EQ(switched.IndexOf(sorted[i]), i) << sorted[i];
}

TEST(StringListTest, DuplicatesPolicyOfASortedList) {
  struct Case {
    TDuplicates duplicates;
    Lines expected;
  };
  const Case cases[] = {
      {TDuplicates::dupIgnore, {"a", "B", "c"}},
      {TDuplicates::dupAccept, {"a", "b", "B", "c"}},
      {TDuplicates::dupError, {"a", "B", "c"}},
  };
  for (const Case& c : cases) {
    TStringList list;
    list.SetSorted(true);
    list.SetDuplicates(c.duplicates);
    Fill(list, {"c", "B", "a"});
    if (c.duplicates == TDuplicates::dupError) {
      try {
        list.Add("b");
        ADD_FAILURE() << "duplicate accepted";
      } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message(), "String list does not allow duplicates");
      }
    } else {
      EXPECT_EQ(list.Add("b"), 1);
    }
    EXPECT_EQ(Entries(list), c.expected);
  }
}

TEST(StringListTest, SortedListRefusesPositionalChanges) {
  const std::function<void(TStringList&)> calls[] = {
      [](TStringList& l) { l.Insert(0, "x"); },
      [](TStringList& l) { l.InsertObject(0, "x", nullptr); },
      [](TStringList& l) { l.SetStrings(0, "x"); },
      [](TStringList& l) { l.Move(0, 1); },
      [](TStringList& l) { l.SetValues("a", "1"); },
  };
  for (const auto& call : calls) {
    TStringList list;
    list.SetSorted(true);
    Fill(list, {"b", "a=0"});
    try {
      call(list);
      ADD_FAILURE() << "sorted list changed";
    } catch (const EStringListError& e) {
      EXPECT_EQ(e.Message(), "Operation not allowed on sorted string list");
    }
    EXPECT_EQ(Entries(list), (Lines{"a=0", "b"}));
  }
  TStringList list;
  list.SetSorted(true);
  Fill(list, {"b", "d"});
  list.SetValues("c", "1");
  EXPECT_EQ(Entries(list), (Lines{"b", "c=1", "d"}));
}

TEST(StringListTest, FindAnswersTheInsertionPoint) {
  TStringList list;
  list.SetSorted(true);
  list.SetDuplicates(TDuplicates::dupAccept);
  Fill(list, {"b", "d", "d", "d", "f"});
  const std::tuple<std::string, bool, int> cases[] = {
      {"a", false, 0}, {"b", true, 0}, {"c", false, 1}, {"D", true, 1}, {"e", false, 4}, {"g", false, 5},
  };
  for (const auto& [text, found, index] : cases) {
    int at = -1;
    EXPECT_EQ(list.Find(text, at), found) << text;
    EXPECT_EQ(at, index) << text;
  }
}

TEST(StringListTest, ChangingCaseSensitivityResortsASortedList) {
  TStringList list;
  list.SetSorted(true);
  list.SetDuplicates(TDuplicates::dupAccept);
  Fill(list, {"b", "A", "a", "B", "c"});
  list.SetCaseSensitive(true);
  for (const std::string s : {"a", "A", "b", "B", "c"}) {
    const int index = list.IndexOf(s);
    ASSERT_GE(index, 0) << s;
    EXPECT_EQ(list.Strings(index), s);
  }
}

TEST(StringListTest, CustomSortOrdersAnUnsortedList) {
  TStringList list;
  Fill(list, {"ccc", "a", "bb", "dddd"});
  const auto byLength = [](TStringList* l, int a, int b) {
    return static_cast<int>(l->Strings(a).size()) - static_cast<int>(l->Strings(b).size());
  };
  list.CustomSort(byLength);
  EXPECT_EQ(Entries(list), (Lines{"a", "bb", "ccc", "dddd"}));

  TStringList sorted;
  sorted.SetSorted(true);
  Fill(sorted, {"ccc", "a", "bb"});
  sorted.CustomSort([](TStringList*, int a, int b) { return b - a; });
  EXPECT_EQ(Entries(sorted), (Lines{"a", "bb", "ccc"}));
}

TEST(StringListTest, ChangeEventsSurroundEachChange) {
  const std::pair<std::function<void(TStringList&)>, Lines> cases[] = {
      {[](TStringList& l) { l.Add("x"); }, kChange},
      {[](TStringList& l) { l.AddObject("x", Object(1)); }, kChange},
      {[](TStringList& l) { l.Delete(0); }, kChange},
      {[](TStringList& l) { l.SetObjects(0, Object(1)); }, kChange},
      {[](TStringList& l) { l.Clear(); }, kChange},
      {[](TStringList& l) { l.SetText("a\r\nb"); }, kChange},
      {[](TStringList& l) { l.Move(0, 1); }, kChange},
      {[](TStringList& l) { l.SetSorted(true); }, kChange},
      {[](TStringList& l) { l.Strings(0); }, {}},
      {[](TStringList& l) { l.Delete(7); }, {}},
  };
  for (const auto& [call, expected] : cases) {
    TStringList list;
    Fill(list, {"b", "a"});
    EventLog log(list);
    try {
      call(list);
    } catch (const EStringListError&) {
    }
    EXPECT_EQ(log.events, expected);
  }
  TStringList empty;
  EventLog log(empty);
  empty.Clear();
  EXPECT_TRUE(log.events.empty());
}

TEST(StringListTest, UpdatesAnnounceOnceAtTheOutermostEnd) {
  TStringList list;
  EventLog log(list);
  list.BeginUpdate();
  list.BeginUpdate();
  list.Add("a");
  list.Add("b");
  list.EndUpdate();
  EXPECT_EQ(log.events, (Lines{"changing"}));
  list.EndUpdate();
  EXPECT_EQ(log.events, kChange);

  list.EndUpdate();
  log.events.clear();
  list.Add("c");
  EXPECT_EQ(log.events, kChange);
}

TEST(StringListTest, AssignCopiesEntriesAndObjects) {
  TStringList source;
  source.AddObject("x", Object(1));
  source.AddObject("y", Object(2));
  TStringList target;
  target.Add("old");
  EventLog log(target);
  target.Assign(source);
  EXPECT_EQ(Entries(target), (Lines{"x", "y"}));
  EXPECT_EQ(target.Objects(1), Object(2));
  EXPECT_EQ(log.events, kChange);
  EXPECT_TRUE(target.Equals(source));

  target.Assign(target);
  EXPECT_EQ(Entries(target), (Lines{"x", "y"}));
  target.AddStrings(target);
  EXPECT_EQ(Entries(target), (Lines{"x", "y", "x", "y"}));
  EXPECT_FALSE(target.Equals(source));

  TStringList other;
  Fill(other, {"X", "Y"});
  EXPECT_FALSE(other.Equals(source));
}
