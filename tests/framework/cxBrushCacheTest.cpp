#include "tests/support/GTest.h"

#include <vector>

#include "framework/cxBrushCache.h"
#include "framework/cxGraphics.h"
#include "tests/framework/cxGraphicsTestSupport.h"

namespace {

// The shared system brushes exist while the graphics unit runs.
class BrushCacheTest : public testing::Test {
protected:
  static void SetUpTestSuite() { cxGraphicsUnit.Initialization(); }
  static void TearDownTestSuite() { cxGraphicsUnit.Finalization(); }

  // The cached colours in order, each with its count of users.
  std::vector<std::pair<TColor, int>> Entries() const {
    std::vector<std::pair<TColor, int>> result;
    for (int i = 0; i < m_cache->Count(); ++i)
      result.emplace_back(m_cache->Items(i).Color, m_cache->Items(i).RefCount);
    return result;
  }

  TOwned<TcxBrushCache> m_cache{Create<TcxBrushCache>()};
};

using TEntries = std::vector<std::pair<TColor, int>>;

TEST_F(BrushCacheTest, KeepsOneCountedBrushPerColourInOrder) {
  TBrush* b30 = m_cache->Add(30);
  TBrush* b10 = m_cache->Add(10);
  TBrush* b20 = m_cache->Add(20);
  EXPECT_EQ(Entries(), (TEntries{{10, 1}, {20, 1}, {30, 1}}));
  EXPECT_EQ(m_cache->Add(20), b20);
  EXPECT_EQ(Entries(), (TEntries{{10, 1}, {20, 2}, {30, 1}}));
  m_cache->Add(40);
  EXPECT_EQ(Entries().back(), (std::pair<TColor, int>{40, 1}));
  EXPECT_EQ(b10->Color(), 10);
  EXPECT_EQ(b30->Color(), 30);
  int index = 0;
  EXPECT_TRUE(m_cache->IndexOf(30, index));
  EXPECT_EQ(index, 2);
  EXPECT_FALSE(m_cache->IndexOf(25, index));
  EXPECT_EQ(index, 2);
  EXPECT_FALSE(m_cache->IndexOf(clBtnFace, index));
  EXPECT_EQ(index, -1);
}

TEST_F(BrushCacheTest, ReleasingTheLastUserFreesTheEntry) {
  TBrush* first = m_cache->Add(10);
  TBrush* second = m_cache->Add(10);
  m_cache->ReleaseBrush(first);
  EXPECT_EQ(first, nullptr);
  EXPECT_EQ(Entries(), (TEntries{{10, 1}}));
  m_cache->SetBrushColor(second, 20);
  EXPECT_EQ(second->Color(), 20);
  EXPECT_EQ(Entries(), (TEntries{{20, 1}}));
}

// Another's brush of a cached colour, nil and the system brushes are not the
// cache's to release.
TEST_F(BrushCacheTest, ReleasesOnlyTheBrushesItHandedOut) {
  TBrush* cached = m_cache->Add(10);
  TOwned<TBrush> own(Create<TBrush>());
  own->SetColor(10);
  TBrush* foreign = own.get();
  m_cache->ReleaseBrush(foreign);
  EXPECT_EQ(foreign, own.get());
  TBrush* none = nullptr;
  m_cache->ReleaseBrush(none);
  TBrush* system = m_cache->Add(clBtnFace);
  m_cache->ReleaseBrush(system);
  EXPECT_EQ(Entries(), (TEntries{{10, 1}}));
  EXPECT_EQ(cached->Color(), 10);
}

TEST_F(BrushCacheTest, SystemColoursAnswerTheSharedSystemBrushes) {
  TBrush* face = m_cache->Add(clBtnFace);
  EXPECT_EQ(face, cxGetSystemBrush(COLOR_BTNFACE));
  EXPECT_TRUE(TcxBrushCache::IsSystemBrush(face));
  EXPECT_TRUE(TcxBrushCache::IsSystemBrush(nullptr));
  EXPECT_FALSE(TcxBrushCache::IsSystemBrush(m_cache->Add(5)));
  EXPECT_EQ(m_cache->Count(), 1);
  EXPECT_THROW(m_cache->Add(SystemColor(200)), ERangeError);
}

TEST_F(BrushCacheTest, DeletionsWaitForTheLastEndUpdate) {
  TBrush* b10 = m_cache->Add(10);
  TBrush* b20 = m_cache->Add(20);
  TBrush* b30 = m_cache->Add(30);
  m_cache->BeginUpdate();
  m_cache->BeginUpdate();
  m_cache->ReleaseBrush(b10);
  m_cache->ReleaseBrush(b30);
  EXPECT_EQ(Entries(), (TEntries{{10, 0}, {20, 1}, {30, 0}}));
  TBrush* again = m_cache->Add(30);
  EXPECT_EQ(Entries(), (TEntries{{10, 0}, {20, 1}, {30, 1}}));
  m_cache->EndUpdate();
  EXPECT_EQ(m_cache->Count(), 3);
  m_cache->EndUpdate();
  EXPECT_EQ(Entries(), (TEntries{{20, 1}, {30, 1}}));
  EXPECT_EQ(again->Color(), 30);
  EXPECT_EQ(b20->Color(), 20);
  m_cache->EndUpdate();
  EXPECT_EQ(m_cache->Count(), 2);
}

TEST_F(BrushCacheTest, ReleasingAnUnusedBrushRaisesAndLeavesTheEntry) {
  TBrush* brush = m_cache->Add(10);
  TBrush* copy = brush;
  m_cache->BeginUpdate();
  m_cache->ReleaseBrush(brush);
  try {
    m_cache->ReleaseBrush(copy);
    ADD_FAILURE() << "no exception";
  } catch (const EBrushCache& e) {
    EXPECT_STREQ(e.what(), "Release unused brush");
  }
  EXPECT_EQ(Entries(), (TEntries{{10, -1}}));
}

TEST_F(BrushCacheTest, RecreateMakesNewHandlesOfTheSameColours) {
  TBrush* brush = m_cache->Add(RGB(1, 2, 3));
  brush->Handle();
  m_cache->Recreate();
  LOGBRUSH data{};
  ::GetObjectW(brush->Handle(), sizeof(data), &data);
  EXPECT_EQ(data.lbColor, RGB(1, 2, 3));
  EXPECT_EQ(m_cache->Count(), 1);
}

TEST_F(BrushCacheTest, CachesLeaveNoGdiObjects) {
  auto use = [] {
    TOwned<TcxBrushCache> cache(Create<TcxBrushCache>());
    std::vector<TBrush*> brushes;
    for (int i = 0; i < 50; ++i)
      brushes.push_back(cache->Add(RGB(i % 17, 0, 0)));
    for (TBrush* brush : brushes)
      brush->Handle();
    cache->BeginUpdate();
    for (std::size_t i = 0; i < brushes.size(); i += 2)
      cache->ReleaseBrush(brushes[i]);
    cache->EndUpdate();
    cache->Recreate();
  };
  use();
  TGdiObjectsUnchanged unchanged;
  for (int i = 0; i < 10; ++i)
    use();
}

} // namespace
