#include "tests/support/GTest.h"

#include <climits>
#include <ostream>
#include <string>
#include <vector>

#include "framework/cxGeometry.h"
#include "platform/objects/FormReader.h"
#include "platform/objects/FormWriter.h"
#include "platform/objects/PropertyRegistry.h"
#include "platform/rtl/Exceptions.h"

void PrintTo(const TRect& r, std::ostream* os) {
  *os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}
void PrintTo(const TPoint& p, std::ostream* os) { *os << "(" << p.X << ", " << p.Y << ")"; }
void PrintTo(const TSize& s, std::ostream* os) { *os << "(" << s.cx << " x " << s.cy << ")"; }

namespace {

struct RectCase {
  const char* name;
  TRect actual;
  TRect expected;
};

void ExpectRects(const std::vector<RectCase>& cases) {
  for (const RectCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, c.actual);
  }
}

const TRect kR{10, 20, 50, 80};  // 40 wide, 60 high

TEST(GeometryTest, ConstructsMeasuresAndCentres) {
  ExpectRects({
      {"cxRect", cxRect(1, 2, 3, 4), TRect{1, 2, 3, 4}},
      {"cxRect of points", cxRect(cxPoint(1, 2), cxPoint(3, 4)), TRect{1, 2, 3, 4}},
      {"cxRectBounds", cxRectBounds(5, 6, 10, 20), TRect{5, 6, 15, 26}},
      {"cxRectCenter of a size", cxRectCenter(kR, 10, 20), TRect{25, 40, 35, 60}},
      {"centre rounds toward zero", cxRectCenter(TRect{-3, 0, 0, 0}, cxSize(0, 0)),
       TRect{-1, 0, -1, 0}},
      {"bigger than the bounds", cxRectCenter(TRect{0, 0, 10, 10}, 20, 30),
       TRect{-5, -10, 15, 20}},
  });
  EXPECT_EQ(40, cxRectWidth(kR));
  EXPECT_EQ(60, cxRectHeight(kR));
  EXPECT_EQ(cxSize(40, 60), cxRectSize(kR));
  EXPECT_EQ(cxPoint(10, 80), cxRectLeftBottom(kR));
  EXPECT_EQ(cxPoint(50, 20), cxRectRightTop(kR));
  EXPECT_EQ(cxPoint(30, 50), cxRectCenter(kR));
  EXPECT_EQ(cxPoint(-1, 0), cxRectCenter(TRect{-3, 0, 0, 0}));
  EXPECT_EQ(cxPoint(1, 0), cxRectCenter(TRect{0, 0, 3, 0}));
}

TEST(GeometryTest, ItemsByIndex) {
  const struct {
    int index;
    int side;
    int size;
    int pointItem;
  } cases[] = {
      {0, 10, 40, 7}, {1, 20, 60, 9}, {2, 50, 60, 9}, {3, 80, 60, 9}, {4, 0, 60, 9}, {-1, 0, 60, 9},
  };
  const TPoint p{7, 9};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.index);
    EXPECT_EQ(c.side, cxRectGetItem(kR, c.index));
    EXPECT_EQ(c.size, cxRectGetSize(kR, c.index));
    EXPECT_EQ(c.pointItem, cxPointGetItem(p, c.index));
  }
  EXPECT_EQ(cxPoint(5, 9), cxPointReplaceItem(p, 0, 5));
  EXPECT_EQ(cxPoint(7, 5), cxPointReplaceItem(p, 3, 5));
}

TEST(GeometryTest, Predicates) {
  EXPECT_TRUE(cxRectIsEmpty(TRect{0, 0, 0, 10}));
  EXPECT_TRUE(cxRectIsEmpty(TRect{0, 10, 10, 0}));
  EXPECT_FALSE(cxRectIsEmpty(TRect{0, 0, 1, 1}));
  EXPECT_TRUE(cxRectIsNull(cxNullRect));
  EXPECT_FALSE(cxRectIsNull(cxSimpleRect));
  EXPECT_TRUE(cxRectIsInvalid(TRect{-1, -1, -1, -1}));
  EXPECT_FALSE(cxRectIsInvalid(TRect{-1, -1, -1, 0}));
  EXPECT_TRUE(cxRectIsEqual(kR, cxRectBounds(10, 20, 40, 60)));
  EXPECT_FALSE(cxRectCompare(kR, cxRectOffset(kR, 0, 1)));
  EXPECT_TRUE(cxRectContain(kR, kR));
  EXPECT_TRUE(cxRectContain(kR, TRect{11, 21, 49, 79}));
  EXPECT_FALSE(cxRectContain(kR, TRect{9, 21, 49, 79}));
  EXPECT_FALSE(cxRectContain(kR, TRect{11, 21, 49, 81}));
  EXPECT_TRUE(cxPointIsNull(cxNullPoint));
  EXPECT_FALSE(cxPointIsNull(cxInvalidPoint));
  EXPECT_TRUE(cxPointIsEqual(cxPoint(cxSize(3, 4)), TPoint{3, 4}));
}

TEST(GeometryTest, PointInsideExcludesRightAndBottom) {
  const struct {
    int x, y;
    bool inside;
  } cases[] = {
      {10, 20, true}, {49, 79, true}, {50, 20, false}, {10, 80, false}, {9, 20, false}, {10, 19, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
    EXPECT_EQ(c.inside, cxRectPtIn(kR, c.x, c.y));
    EXPECT_EQ(c.inside, cxRectPtIn(kR, cxPoint(c.x, c.y)));
  }
}

TEST(GeometryTest, BorderZoneHitTest) {
  using enum TcxPtInRectType;
  const TRect r{0, 0, 10, 10};
  const struct {
    int x, y;
    TcxPtInRectType expected;
  } cases[] = {
      // The zones reach into the rectangle too: (9, 11) is near the Right edge.
      {5, 5, ptrtArea},  {11, 11, ptrtRight}, {9, 11, ptrtRight}, {5, 11, ptrtBottom},
      {-1, 5, ptrtLeft},
      {5, -1, ptrtTop},  {-2, -2, ptrtLeft},  {11, -2, ptrtRight}, {-2, 11, ptrtBottom},
      {20, 20, ptrtNone}, {12, 5, ptrtNone},  {-3, 5, ptrtNone},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
    EXPECT_EQ(c.expected, cxRectPtInEx(r, c.x, c.y, 2));
    EXPECT_EQ(c.expected, cxRectPtInEx(r, c.x, c.y, 2, 2));
  }
  // Zones of different widths: left 1, top 2, right 3, bottom 4.
  EXPECT_EQ(ptrtNone, cxRectPtInEx(r, -2, 5, 1, 2, 3, 4));
  EXPECT_EQ(ptrtRight, cxRectPtInEx(r, 12, 5, 1, 2, 3, 4));
  EXPECT_EQ(ptrtBottom, cxRectPtInEx(r, 5, 13, 1, 2, 3, 4));
  EXPECT_EQ(ptrtTop, cxRectPtInEx(r, 5, -2, 1, 2, 3, 4));
  EXPECT_EQ(ptrtNone, cxRectPtInEx(r, 5, -3, 1, 2, 3, 4));
  EXPECT_EQ(ptrtTop, cxRectPtInEx(r, 5, -1, 0, 2));
}

TEST(GeometryTest, Intersection) {
  const struct {
    const char* name;
    TRect r1, r2;
    bool intersects;
    TRect expected;
  } cases[] = {
      {"overlapping", {0, 0, 10, 10}, {5, 5, 20, 20}, true, {5, 5, 10, 10}},
      {"contained", {0, 0, 10, 10}, {2, 3, 4, 5}, true, {2, 3, 4, 5}},
      {"touching horizontally", {0, 0, 10, 10}, {10, 0, 20, 10}, false, cxNullRect},
      {"touching vertically", {0, 0, 10, 10}, {0, 10, 10, 20}, false, cxNullRect},
      {"apart", {0, 0, 10, 10}, {30, 30, 40, 40}, false, cxNullRect},
      {"empty", {0, 0, 10, 10}, {2, 2, 2, 8}, false, cxNullRect},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TRect dest = cxInvalidRect;
    EXPECT_EQ(c.intersects, cxRectIntersect(dest, c.r1, c.r2));
    EXPECT_EQ(c.expected, dest);
    EXPECT_EQ(c.intersects, cxRectIntersect(c.r1, c.r2));
    TRect aliased = c.r1;
    cxRectIntersect(aliased, aliased, c.r2);
    EXPECT_EQ(c.expected, aliased);
  }
}

TEST(GeometryTest, CombinesAndMoves) {
  const TPoint deltas[] = {{1, 2}, {3, 4}, {-1, 0}};
  ExpectRects({
      {"union", cxRectUnion(TRect{0, 0, 10, 10}, TRect{5, -5, 20, 5}), TRect{0, -5, 20, 10}},
      {"union with an empty second", cxRectUnion(TRect{3, 3, 1, 1}, TRect{0, 0, 0, 50}),
       TRect{3, 3, 1, 1}},
      {"union from the null rectangle includes the origin",
       cxRectUnion(cxNullRect, TRect{5, 5, 10, 10}), TRect{0, 0, 10, 10}},
      {"inflate", cxRectInflate(kR, 2, -3), TRect{8, 23, 52, 77}},
      {"inflate by sides", cxRectInflate(kR, 1, 2, 3, 4), TRect{9, 18, 53, 84}},
      {"content", cxRectContent(kR, TRect{1, 2, 3, 4}), TRect{11, 22, 47, 76}},
      {"invert", cxRectInvert(kR), TRect{-10, -20, -50, -80}},
      {"offset", cxRectOffset(kR, 1, -2), TRect{11, 18, 51, 78}},
      {"offset by a point", cxRectOffset(kR, cxPoint(-10, 5)), TRect{0, 25, 40, 85}},
      {"offset by points", cxRectOffset(kR, deltas), TRect{13, 26, 53, 86}},
      {"offset by no points", cxRectOffset(kR, std::span<const TPoint>{}), kR},
      {"offset horizontally", cxRectOffsetHorz(kR, 5), TRect{15, 20, 55, 80}},
      {"offset vertically", cxRectOffsetVert(kR, 5), TRect{10, 25, 50, 85}},
  });
  EXPECT_EQ(cxPoint(3, 6), cxPointSum(deltas));
  EXPECT_EQ(cxNullPoint, cxPointSum({}));
  EXPECT_EQ(cxPoint(4, 8), cxPointOffset(cxPoint(1, 2), deltas));
  EXPECT_EQ(cxPoint(2, 4), cxPointOffset(cxPoint(1, 2), 1, 2));
  EXPECT_EQ(cxPoint(0, 0), cxPointOffset(cxPoint(1, 2), cxPointInvert(cxPoint(1, 2))));
}

TEST(GeometryTest, SetsSides) {
  ExpectRects({
      {"SetLeft keeps the width", cxRectSetLeft(kR, 0), TRect{0, 20, 40, 80}},
      {"SetLeft with a width", cxRectSetLeft(kR, 0, 5), TRect{0, 20, 5, 80}},
      {"SetTop keeps the height", cxRectSetTop(kR, 0), TRect{10, 0, 50, 60}},
      {"SetTop with a height", cxRectSetTop(kR, 0, 5), TRect{10, 0, 50, 5}},
      {"SetRight keeps the width", cxRectSetRight(kR, 100), TRect{60, 20, 100, 80}},
      {"SetRight with a width", cxRectSetRight(kR, 100, 5), TRect{95, 20, 100, 80}},
      {"SetBottom keeps the height", cxRectSetBottom(kR, 100), TRect{10, 40, 50, 100}},
      {"SetBottom with a height", cxRectSetBottom(kR, 100, 5), TRect{10, 95, 50, 100}},
      {"SetWidth", cxRectSetWidth(kR, 7), TRect{10, 20, 17, 80}},
      {"SetWidth at a position", cxRectSetWidth(kR, 1, 7), TRect{1, 20, 8, 80}},
      {"SetHeight", cxRectSetHeight(kR, 7), TRect{10, 20, 50, 27}},
      {"SetSize", cxRectSetSize(kR, 7, 8), TRect{10, 20, 17, 28}},
      {"SetXPos", cxRectSetXPos(kR, 1, 2), TRect{1, 20, 2, 80}},
      {"SetYPos", cxRectSetYPos(kR, 1, 2), TRect{10, 1, 50, 2}},
  });
}

TEST(GeometryTest, SplitsAtTheMiddle) {
  TRect left, right, top, bottom;
  cxRectSplitHorz(TRect{-3, 0, 0, 10}, left, right);
  EXPECT_EQ((TRect{-3, 0, -1, 10}), left);
  EXPECT_EQ((TRect{-1, 0, 0, 10}), right);
  TRect aliased = kR;
  cxRectSplitVert(aliased, aliased, bottom);
  EXPECT_EQ((TRect{10, 20, 50, 50}), aliased);
  EXPECT_EQ((TRect{10, 50, 50, 80}), bottom);
  cxRectSplitVert(TRect{0, 0, 5, 5}, top, bottom);
  EXPECT_EQ((TRect{0, 0, 5, 2}), top);
  EXPECT_EQ((TRect{0, 2, 5, 5}), bottom);
}

TEST(GeometryTest, MinMaxAccumulatesMaximumFirst) {
  int min = 0, max = 0;
  cxRectMinMaxInit(min, max);
  EXPECT_EQ(INT_MAX, min);
  EXPECT_EQ(-1, max);
  cxRectMinMaxWidth(TRect{5, 0, 10, 0}, max, min);
  cxRectMinMaxWidth(TRect{2, 0, 8, 0}, max, min);
  EXPECT_EQ(2, min);
  EXPECT_EQ(10, max);
  cxRectMinMaxInit(min, max);
  cxRectMinMaxHeight(TRect{0, 7, 0, 9}, max, min);
  EXPECT_EQ(7, min);
  EXPECT_EQ(9, max);
}

TEST(GeometryTest, UncoveredBandsOfScrolledRectangles) {
  const struct {
    const char* name;
    TRect r1, r2;
    TRect r1Vert, r1Horz, r2Vert, r2Horz;
  } cases[] = {
      {"same place", {0, 0, 10, 10}, {0, 0, 10, 10}, cxNullRect, cxNullRect, cxNullRect, cxNullRect},
      {"first higher", {0, 0, 10, 10}, {0, 3, 10, 13}, {0, 0, 10, 3}, cxNullRect, {0, 10, 10, 13},
       cxNullRect},
      {"first lower", {0, 3, 10, 13}, {0, 0, 10, 10}, {0, 10, 10, 13}, cxNullRect, {0, 0, 10, 3},
       cxNullRect},
      {"first further left", {0, 0, 10, 10}, {4, 0, 14, 10}, cxNullRect, {0, 0, 4, 10}, cxNullRect,
       {10, 0, 14, 10}},
      {"first further right and lower", {4, 2, 14, 12}, {0, 0, 10, 10}, {4, 10, 14, 12},
       {10, 2, 14, 12}, {0, 0, 10, 2}, {0, 0, 4, 10}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TRect r1Vert, r1Horz, r2Vert, r2Horz;
    cxRectOverlapped(c.r1, c.r2, r1Vert, r1Horz, r2Vert, r2Horz);
    EXPECT_EQ(c.r1Vert, r1Vert);
    EXPECT_EQ(c.r1Horz, r1Horz);
    EXPECT_EQ(c.r2Vert, r2Vert);
    EXPECT_EQ(c.r2Horz, r2Horz);
  }
}

TEST(GeometryTest, RescalesWithThePlatformRounding) {
  ExpectRects({
      {"double height", cxRectScaleHeight(TRect{1, 10, 2, 20}, 0, 0, 100, 200),
       TRect{1, 20, 2, 40}},
      {"moved origin", cxRectScaleHeight(TRect{1, 110, 2, 120}, 100, 5, 10, 20),
       TRect{1, 25, 2, 45}},
      {"halves round away from zero", cxRectScaleHeight(TRect{0, 1, 0, 4}, 0, 0, 2, 1),
       TRect{0, 1, 0, 3}},
      {"negative halves round away from zero", cxRectScaleWidth(TRect{-3, 0, -1, 0}, 0, 0, 2, 1),
       TRect{-2, 0, -1, 0}},
      {"zero extent answers -1 from each division",
       cxRectScaleHeight(TRect{7, 10, 8, 20}, 0, 5, 0, 10), TRect{7, 4, 8, 3}},
      {"width", cxRectScaleWidth(TRect{10, 1, 20, 2}, 10, 0, 10, 30), TRect{0, 1, 30, 2}},
  });
}

class TcxRectTest : public testing::Test {
protected:
  void SetUp() override {
    m_rect->SetRect(kR);
    m_rect->SetOnChange([this](TObject* sender) {
      EXPECT_EQ(m_rect.get(), sender);
      ++m_changes;
    });
  }

  TOwned<TcxRect> m_rect{Create<TcxRect>(nullptr)};
  int m_changes = 0;
};

TEST_F(TcxRectTest, SidesAndCornersByIndex) {
  const struct {
    int index;
    int side;
    TPoint vertex;
  } reads[] = {
      {0, 10, {10, 20}}, {1, 20, {50, 20}}, {2, 50, {10, 80}}, {3, 80, {50, 80}}, {7, 80, {50, 80}},
  };
  for (const auto& c : reads) {
    SCOPED_TRACE(c.index);
    EXPECT_EQ(c.side, m_rect->GetValue(c.index));
    EXPECT_EQ(c.vertex, m_rect->GetVertex(c.index));
  }
  const struct {
    int index;
    TRect afterSetValue;
    TRect afterSetVertex;
  } writes[] = {
      {0, {1, 20, 50, 80}, {1, 2, 50, 80}},
      {1, {10, 1, 50, 80}, {10, 2, 1, 80}},
      {2, {10, 20, 1, 80}, {1, 20, 50, 2}},
      {3, {10, 20, 50, 1}, {10, 20, 1, 2}},
      {4, kR, kR},
      {-1, kR, kR},
  };
  for (const auto& c : writes) {
    SCOPED_TRACE(c.index);
    m_rect->SetRect(kR);
    m_changes = 0;
    m_rect->SetValue(c.index, 1);
    EXPECT_EQ(c.afterSetValue, m_rect->Rect());
    m_rect->SetRect(kR);
    m_rect->SetVertex(c.index, cxPoint(1, 2));
    EXPECT_EQ(c.afterSetVertex, m_rect->Rect());
    EXPECT_EQ(c.afterSetValue == kR ? 0 : 3, m_changes);
  }
}

TEST_F(TcxRectTest, ChangesAreAnnouncedOnlyWhenTheRectangleChanges) {
  m_rect->SetRect(kR);
  m_rect->SetLeft(10);
  m_rect->SetVertex(5, cxPoint(0, 0));
  EXPECT_EQ(0, m_changes);
  m_rect->SetWidth(5);
  m_rect->SetHeight(6);
  EXPECT_EQ((TRect{10, 20, 15, 26}), *m_rect->GetData());
  EXPECT_EQ(5, m_rect->Width());
  EXPECT_EQ(6, m_rect->Height());
  EXPECT_EQ(2, m_changes);
  EXPECT_TRUE(m_rect->IsEqual(TRect{10, 20, 15, 26}));
  EXPECT_EQ(10, m_rect->Left());
  EXPECT_EQ(20, m_rect->Top());
  EXPECT_EQ(15, m_rect->Right());
  EXPECT_EQ(26, m_rect->Bottom());
}

TEST_F(TcxRectTest, AssignsFromAnotherRectangleOnly) {
  TOwned<TcxRect> other(Create<TcxRect>(m_rect.get()));
  EXPECT_EQ(m_rect.get(), other->GetOwner());
  EXPECT_EQ(cxNullRect, other->Rect());
  other->SetRect(TRect{1, 2, 3, 4});
  m_rect->Assign(other.get());
  EXPECT_TRUE(m_rect->IsEqual(*other));
  EXPECT_EQ(1, m_changes);
  TOwned<TPersistent> plain(Create<TPersistent>());
  EXPECT_THROW(m_rect->Assign(plain.get()), EConvertError);
  EXPECT_THROW(m_rect->Assign(nullptr), EConvertError);
}

TEST(TcxRectClassTest, FormDefinitionsCanNameTheClassWhileTheUnitRuns) {
  cxGeometryUnit.Initialization();
  TClass cls = GetClass("TcxRect");
  ASSERT_EQ(TcxRect::StaticClass(), cls);
  TOwned<TcxRect> made(TClassRef<TcxRect>::Checked(cls).Create(nullptr));
  EXPECT_TRUE(Is<TcxRect>(made.get()));
  std::vector<std::string> names;
  for (const TPropertyInfo* property : GetPropList(cls))
    names.push_back(property->Name());
  EXPECT_EQ((std::vector<std::string>{"Left", "Top", "Right", "Bottom", "OnChange"}), names);
  made->SetRect(cxNullRect);
  EXPECT_FALSE(GetPropInfo(cls, "Left")->IsDefault(made.get()));
  cxGeometryUnit.Finalization();
  EXPECT_EQ(nullptr, GetClass("TcxRect"));
}

class TRectHolder : public TComponent {
  OBJECT_CLASS(TRectHolder, TComponent)
public:
  static void Publish(TPublisher& publisher) {
    publisher.Property("Bounds", &TRectHolder::Bounds);
  }
  explicit TRectHolder(TComponent* owner)
      : TComponent(owner), m_bounds(Create<TcxRect>(this)) {}

  TcxRect* Bounds() const { return m_bounds.get(); }

private:
  TOwned<TcxRect> m_bounds;
};

TEST(TcxRectClassTest, FormDefinitionsStoreEverySide) {
  TOwned<TRectHolder> holder(Create<TRectHolder>(nullptr));
  holder->SetName("Holder");
  const std::string written = WriteFormDefinition(holder.get());
  for (const char* side : {"Bounds.Left = 0", "Bounds.Top = 0", "Bounds.Right = 0",
                           "Bounds.Bottom = 0"})
    EXPECT_NE(std::string::npos, written.find(side)) << side << " in\n" << written;

  ReadFormDefinition("object Holder: TRectHolder\n"
                     "  Bounds.Left = 1\n"
                     "  Bounds.Top = 2\n"
                     "  Bounds.Right = 30\n"
                     "  Bounds.Bottom = 40\n"
                     "end\n",
                     holder.get());
  EXPECT_EQ((TRect{1, 2, 30, 40}), holder->Bounds()->Rect());
}

} // namespace
