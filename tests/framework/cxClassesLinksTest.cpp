#include "tests/support/GTest.h"

#include "framework/cxClasses.h"

namespace {

// Stand-ins for linked objects: links only compare addresses.
int g_first = 0;
int g_second = 0;
TObject* const kFirst = reinterpret_cast<TObject*>(&g_first);
TObject* const kSecond = reinterpret_cast<TObject*>(&g_second);

TEST(ObjectLinksTest, ClearingNilsEveryLinkToTheObjectOnly) {
  TcxObjectLink* a = cxAddObjectLink(kFirst);
  TcxObjectLink* b = cxAddObjectLink(kSecond);
  TcxObjectLink* c = cxAddObjectLink(kFirst);
  EXPECT_EQ(3, cxObjectLinkCount());
  cxClearObjectLinks(kFirst);
  EXPECT_EQ(nullptr, a->Object());
  EXPECT_EQ(kSecond, b->Object());
  EXPECT_EQ(nullptr, c->Object());
  cxRemoveObjectLink(a);
  cxRemoveObjectLink(b);
  cxRemoveObjectLink(c);
  EXPECT_EQ(0, cxObjectLinkCount());
}

TEST(ObjectLinksTest, ALinkMadeForNilLeavesTheListWhenRemoved) {
  TcxObjectLink* keep = cxAddObjectLink(kFirst);
  TcxObjectLink* nil = cxAddObjectLink(nullptr);
  cxRemoveObjectLink(nil);
  // Clearing links to nil walks the list; the freed link must not be in it.
  cxClearObjectLinks(nullptr);
  cxClearObjectLinks(kFirst);
  EXPECT_EQ(nullptr, keep->Object());
  cxRemoveObjectLink(keep);
  cxRemoveObjectLink(nullptr);
  EXPECT_EQ(0, cxObjectLinkCount());
}

} // namespace
