#include "tests/framework/cxGraphicsCanvasTestSupport.h"

namespace {

class RegionTest : public TcxGraphicsTest {};

TEST_F(RegionTest, EmptyRegionsAreEqualAndNilIsNot) {
  TOwned<TcxRegion> empty(Create<TcxRegion>());
  TOwned<TcxRegion> otherEmpty(Create<TcxRegion>(5, 5, 5, 9));
  EXPECT_TRUE(empty->IsEmpty());
  EXPECT_TRUE(empty->IsEqual(otherEmpty.get()));
  EXPECT_FALSE(empty->IsEqual(static_cast<TcxRegion*>(nullptr)));
  TOwned<TcxRegion> box(Create<TcxRegion>(Rect(0, 0, 4, 4)));
  EXPECT_FALSE(box->IsEmpty());
  EXPECT_FALSE(box->IsEqual(empty.get()));
  TOwned<TcxRegion> same(Create<TcxRegion>(0, 0, 4, 4));
  EXPECT_TRUE(box->IsEqual(same->Handle()));
}

TEST_F(RegionTest, CombinationsByPoints) {
  struct Case {
    const char* name;
    TcxRegionOperation operation;
    bool at2, at7, at12;
  };
  // (0, 0, 10, 10) combined with (5, 0, 15, 10), probed along y = 0.
  const Case cases[] = {
      {"set", TcxRegionOperation::roSet, false, true, true},
      {"add", TcxRegionOperation::roAdd, true, true, true},
      {"subtract", TcxRegionOperation::roSubtract, true, false, false},
      {"intersect", TcxRegionOperation::roIntersect, false, true, false},
  };
  for (const Case& c : cases) {
    TOwned<TcxRegion> region(Create<TcxRegion>(0, 0, 10, 10));
    region->Combine(Create<TcxRegion>(5, 0, 15, 10), c.operation);
    EXPECT_EQ(region->PtInRegion(2, 0), c.at2) << c.name;
    EXPECT_EQ(region->PtInRegion(Point(7, 0)), c.at7) << c.name;
    EXPECT_EQ(region->PtInRegion(12, 0), c.at12) << c.name;
  }
  TOwned<TcxRegion> region(Create<TcxRegion>(0, 0, 10, 10));
  region->Combine(Create<TcxRegion>(0, 0, 5, 10), TcxRegionOperation::roSubtract);
  EXPECT_FALSE(region->PtInRegion(4, 0));
  EXPECT_TRUE(region->PtInRegion(5, 0));
}

TEST_F(RegionTest, CombineKeepsOrFreesItsArgument) {
  TOwned<TcxRegion> region(Create<TcxRegion>());
  TcxRegion* source = Create<TcxRegion>(1, 1, 3, 3);
  HRGN sourceHandle = source->Handle();
  region->Combine(source, TcxRegionOperation::roSet, false);
  EXPECT_TRUE(region->IsEqual(source));
  EXPECT_NE(::GetObjectType(sourceHandle), 0u);
  region->Combine(source, TcxRegionOperation::roSet, true);
  EXPECT_EQ(::GetObjectType(sourceHandle), 0u);
  region->Combine(nullptr, TcxRegionOperation::roAdd);
  TOwned<TcxRegion> expected(Create<TcxRegion>(1, 1, 3, 3));
  EXPECT_TRUE(region->IsEqual(expected.get()));
}

TEST_F(RegionTest, OffsetsAndRectangleTests) {
  TOwned<TcxRegion> region(Create<TcxRegion>(0, 0, 4, 4));
  region->Offset(10, 20);
  EXPECT_TRUE(region->PtInRegion(10, 20));
  EXPECT_FALSE(region->PtInRegion(0, 0));
  EXPECT_TRUE(region->RectInRegion(Rect(13, 23, 30, 30)));
  EXPECT_FALSE(region->RectInRegion(14, 24, 30, 30));
  region->DestroyHandle();
  EXPECT_EQ(region->Handle(), nullptr);
  EXPECT_TRUE(region->IsEmpty());
  EXPECT_FALSE(region->PtInRegion(0, 0));
}

TEST_F(RegionTest, RegionsFillAndFrameOnTheCanvas) {
  TSurface surface(20, 20);
  TOwned<TcxRegion> region(Create<TcxRegion>(2, 2, 12, 12));
  surface->DrawRegion(region.get(), clYellow, clRed, 2, 1);
  EXPECT_EQ(surface.Mismatches({{2, 5, clRed}, {3, 5, clRed}, {4, 5, clYellow}, {5, 2, clRed},
                                {5, 3, clYellow}, {11, 11, clRed}, {12, 12, clWhite}}),
            "");
}

} // namespace
