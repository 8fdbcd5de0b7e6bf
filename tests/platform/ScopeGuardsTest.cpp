// The run-time's scope guards: the cleanup runs however the scope is left,
// and a cleanup that raises while an exception is on its way is dropped.
#include "tests/support/GTest.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/rtl/ScopeGuards.h"
#include "platform/rtl/StringLists.h"

namespace {

TEST(ScopeExit, RunsWhenTheScopeEndsNormallyAndByAnException) {
  int runs = 0;
  { const TScopeExit guard([&] { ++runs; }); }
  EXPECT_EQ(runs, 1);
  EXPECT_THROW(
      {
        const TScopeExit guard([&] { ++runs; });
        throw std::runtime_error("inside");
      },
      std::runtime_error);
  EXPECT_EQ(runs, 2);
}

TEST(ScopeExit, CleanupRaisingAfterANormalEndIsRaised) {
  EXPECT_THROW({ const TScopeExit guard([] { throw std::logic_error("cleanup"); }); },
               std::logic_error);
}

TEST(ScopeExit, CleanupRaisingDuringAnExceptionLetsTheFirstGoOn) {
  try {
    const TScopeExit guard([] { throw std::logic_error("cleanup"); });
    throw std::runtime_error("inside");
  } catch (const std::runtime_error& error) {
    EXPECT_EQ(std::string(error.what()), "inside");
  }
}

// The guard made inside a handler of another exception still runs its
// cleanup normally (that exception is not on its way through this scope).
TEST(ScopeExit, InsideACatchBlockTheCleanupStillRaises) {
  try {
    throw std::runtime_error("outer");
  } catch (...) {
    EXPECT_THROW({ const TScopeExit guard([] { throw std::logic_error("cleanup"); }); },
                 std::logic_error);
  }
}

TEST(UpdateScope, EndsTheUpdateHoweverTheScopeIsLeft) {
  TStringList strings;
  TStringList* list = &strings;
  std::vector<std::string> changes;
  list->SetOnChange([&](TStrings*) { changes.push_back(list->Text()); });
  {
    const TUpdateScope update(list);
    list->Add("a");
    list->Add("b");
    EXPECT_TRUE(changes.empty());
  }
  EXPECT_EQ(changes.size(), 1u);
  EXPECT_THROW(
      {
        const TUpdateScope update(*list);
        list->Add("c");
        throw std::runtime_error("inside");
      },
      std::runtime_error);
  EXPECT_EQ(changes.size(), 2u);
  list->Add("d");
  EXPECT_EQ(changes.size(), 3u);
}

} // namespace
