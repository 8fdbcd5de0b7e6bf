#include "tests/support/GTest.h"

#include <string>
#include <vector>

#include "platform/objects/InterfaceList.h"
#include "platform/rtl/Exceptions.h"

namespace {

class IFirst : public virtual IInterface {
public:
  static constexpr TGUID IID = StringToGUID("{2F0E6A11-7C3B-4D52-9A8E-61B4C0D3E7F1}");
};

class ISecond : public virtual IInterface {
public:
  static constexpr TGUID IID = StringToGUID("{8A1D4C22-3E6F-4B70-A5C9-0D2E8F7B1A63}");
};

// Counts its references and records its releases in a shared log.
class TCounted : public IFirst, public ISecond {
public:
  TCounted(std::string name, std::vector<std::string>* log) : m_name(std::move(name)), m_log(log) {}
  bool QueryInterface(const TInterfaceQuery&, void*&) override { return false; }
  int _AddRef() override { return ++References; }
  int _Release() override {
    if (m_log)
      m_log->push_back(m_name);
    return --References;
  }

  int References = 0;

private:
  std::string m_name;
  std::vector<std::string>* m_log;
};

TEST(TInterfaceListTest, HoldsAReferenceWhileListed) {
  TCounted a("a", nullptr);
  TCounted b("b", nullptr);
  {
    TInterfaceList list;
    EXPECT_EQ(list.Add(&a), 0);
    EXPECT_EQ(list.Add(&b), 1);
    EXPECT_EQ(list.Add(&a), 2);
    EXPECT_EQ(a.References, 2);
    EXPECT_EQ(b.References, 1);
    EXPECT_EQ(list.Remove(&a), 0);
    EXPECT_EQ(a.References, 1);
    EXPECT_EQ(list.Remove(&a), 1);
    EXPECT_EQ(list.Remove(&a), -1);
    EXPECT_EQ(a.References, 0);
  }
  EXPECT_EQ(b.References, 0) << "the list gives its references back when freed";
}

TEST(TInterfaceListTest, AnObjectIsOneEntryThroughEachOfItsInterfaces) {
  TCounted a("a", nullptr);
  TInterfaceList list;
  list.Add(static_cast<IFirst*>(&a));
  EXPECT_EQ(list.IndexOf(static_cast<ISecond*>(&a)), 0);
  EXPECT_EQ(list.Remove(static_cast<ISecond*>(&a)), 0);
  EXPECT_EQ(list.Count(), 0);
}

TEST(TInterfaceListTest, InsertExchangeAndReplaceKeepTheCounts) {
  TCounted a("a", nullptr);
  TCounted b("b", nullptr);
  TCounted c("c", nullptr);
  TInterfaceList list;
  list.Add(&a);
  list.Insert(0, &b);
  list.Insert(2, &c);
  EXPECT_EQ(list.First(), static_cast<IFirst*>(&b));
  EXPECT_EQ(list.Last(), static_cast<IFirst*>(&c));
  list.Exchange(0, 2);
  EXPECT_EQ(list.Items(0), static_cast<IFirst*>(&c));
  EXPECT_EQ(list.Items(2), static_cast<IFirst*>(&b));
  list.SetItems(1, &b);
  EXPECT_EQ(a.References, 0);
  EXPECT_EQ(b.References, 2);
  list.SetItems(1, nullptr);
  EXPECT_EQ(b.References, 1);
  EXPECT_EQ(list.IndexOf(nullptr), 1);
  list.Delete(1);
  EXPECT_EQ(list.Count(), 2);
}

TEST(TInterfaceListTest, ClearReleasesFromTheEndAndEmptiesTheListFirst) {
  std::vector<std::string> log;
  TCounted a("a", &log);
  TCounted b("b", &log);
  TInterfaceList list;
  list.Add(&a);
  list.Add(&b);
  list.Clear();
  EXPECT_EQ(log, (std::vector<std::string>{"b", "a"}));
  EXPECT_EQ(list.Count(), 0);
}

TEST(TInterfaceListTest, AnIndexOutsideTheListRaises) {
  TCounted a("a", nullptr);
  TInterfaceList list;
  list.Add(&a);
  struct TCase {
    const char* what;
    void (*call)(TInterfaceList&);
  };
  const TCase cases[] = {
      {"Items(1)", [](TInterfaceList& l) { l.Items(1); }},
      {"Items(-1)", [](TInterfaceList& l) { l.Items(-1); }},
      {"Delete(1)", [](TInterfaceList& l) { l.Delete(1); }},
      {"Insert(2)", [](TInterfaceList& l) { l.Insert(2, nullptr); }},
      {"SetItems(1)", [](TInterfaceList& l) { l.SetItems(1, nullptr); }},
      {"Exchange(0, 1)", [](TInterfaceList& l) { l.Exchange(0, 1); }},
  };
  for (const TCase& c : cases)
    EXPECT_THROW(c.call(list), EListError) << c.what;
  TInterfaceList empty;
  EXPECT_THROW(empty.First(), EListError);
  EXPECT_THROW(empty.Last(), EListError);
  EXPECT_EQ(a.References, 1) << "a failed call takes no reference";
}

} // namespace
