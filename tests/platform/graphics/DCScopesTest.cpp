// The device-context guards: each gives the context back as it found it when
// its scope is left by an exception, and leaves no GDI object behind.
#include "tests/support/GTest.h"

#include <stdexcept>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/DCScopes.h"
#include "tests/support/GdiObjects.h"

namespace {

constexpr int kCycles = 200;

// A memory context of its own for each test.
class DCScopes : public testing::Test {
protected:
  void SetUp() override {
    m_dc = ::CreateCompatibleDC(nullptr);
    m_gdiBefore = CountGdiObjects();
  }
  void TearDown() override {
    ::DeleteDC(m_dc);
  }

  // The number of saved states on the context (SaveDC answers the new one).
  int SavedLevel() const {
    const int level = ::SaveDC(m_dc) - 1;
    ::RestoreDC(m_dc, -1);
    return level;
  }
  bool HasClipRegion() const {
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    const bool has = ::GetClipRgn(m_dc, region) == 1;
    ::DeleteObject(region);
    return has;
  }
  // Runs 'body' in a scope that throws at its end, many times over.
  template <class Body>
  void ThrowInside(Body body) {
    for (int cycle = 0; cycle < kCycles; ++cycle)
      EXPECT_THROW(
          {
            body();
            throw std::runtime_error("inside");
          },
          std::runtime_error);
  }
  void ExpectNoGdiObjectsLeft() { EXPECT_EQ(CountGdiObjects(), m_gdiBefore); }

  HDC m_dc = nullptr;
  int m_gdiBefore = 0;
};

TEST_F(DCScopes, SavedDCRestoresTheContextWhenTheScopeThrows) {
  HGDIOBJ font = ::GetCurrentObject(m_dc, OBJ_FONT);
  ThrowInside([&] {
    const TSavedDC saved(m_dc);
    ::SelectObject(m_dc, ::GetStockObject(ANSI_FIXED_FONT));
    ::IntersectClipRect(m_dc, 0, 0, 5, 5);
    ::SetWindowOrgEx(m_dc, 3, 4, nullptr);
    EXPECT_EQ(SavedLevel(), 1);
    throw std::runtime_error("inside");
  });
  EXPECT_EQ(SavedLevel(), 0);
  EXPECT_FALSE(HasClipRegion());
  EXPECT_EQ(::GetCurrentObject(m_dc, OBJ_FONT), font);
  POINT origin;
  ::GetWindowOrgEx(m_dc, &origin);
  EXPECT_EQ(origin.x, 0);
  EXPECT_EQ(origin.y, 0);
  ExpectNoGdiObjectsLeft();
}

TEST_F(DCScopes, SavedDCNestsAndRestoresOnlyItsOwnLevel) {
  const TSavedDC outer(m_dc);
  {
    const TSavedDC inner(m_dc);
    EXPECT_EQ(SavedLevel(), 2);
  }
  EXPECT_EQ(SavedLevel(), 1);
}

TEST_F(DCScopes, ClipRegionSaverBringsBackNoClipping) {
  ThrowInside([&] {
    const TClipRegionSaver clip(m_dc);
    ::IntersectClipRect(m_dc, 0, 0, 5, 5);
    ASSERT_TRUE(HasClipRegion());
    throw std::runtime_error("inside");
  });
  EXPECT_FALSE(HasClipRegion());
  ExpectNoGdiObjectsLeft();
}

TEST_F(DCScopes, ClipRegionSaverBringsBackTheRegionThatWasSelected) {
  HRGN original = ::CreateRectRgn(2, 2, 30, 30);
  ::SelectClipRgn(m_dc, original);
  const int gdiBefore = CountGdiObjects();
  ThrowInside([&] {
    const TClipRegionSaver clip(m_dc);
    ::ExcludeClipRect(m_dc, 4, 4, 10, 10);
    throw std::runtime_error("inside");
  });
  HRGN now = ::CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(::GetClipRgn(m_dc, now), 1);
  EXPECT_TRUE(::EqualRgn(now, original));
  ::DeleteObject(now);
  ::DeleteObject(original);
  EXPECT_EQ(CountGdiObjects(), gdiBefore - 1);
}

TEST_F(DCScopes, PaintDCEndsThePaintWhenTheScopeThrows) {
  HWND window = ::CreateWindowExW(0, L"STATIC", nullptr, WS_POPUP | WS_VISIBLE, 10, 10, 40, 30,
                                  nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  auto paintAndThrow = [&] {
    ::InvalidateRect(window, nullptr, FALSE);
    const TPaintDC paint(window);
    EXPECT_NE(paint.DC(), nullptr);
    EXPECT_EQ(paint.PaintStruct().rcPaint.right, 40);
    throw std::runtime_error("inside");
  };
  EXPECT_THROW(paintAndThrow(), std::runtime_error);
  const int gdiBefore = CountGdiObjects();
  ThrowInside(paintAndThrow);
  EXPECT_FALSE(::GetUpdateRect(window, nullptr, FALSE));
  EXPECT_EQ(CountGdiObjects(), gdiBefore);
  ::DestroyWindow(window);
}

TEST_F(DCScopes, CanvasLoanTakesTheContextBackWhenTheScopeThrows) {
  TOwned<TCanvas> canvas(Create<TCanvas>());
  ThrowInside([&] {
    const TCanvasLoan loan(*canvas, m_dc);
    canvas->Brush()->SetColor(clRed);
    canvas->FillRect(Rect(0, 0, 1, 1));
    EXPECT_EQ(canvas->LockCount(), 1);
    EXPECT_EQ(::GetCurrentObject(m_dc, OBJ_BRUSH), canvas->Brush()->Handle());
    throw std::runtime_error("inside");
  });
  EXPECT_FALSE(canvas->HandleAllocated());
  EXPECT_EQ(canvas->LockCount(), 0);
  // The canvas's own objects are no longer selected: the stock ones are.
  EXPECT_EQ(::GetCurrentObject(m_dc, OBJ_FONT), ::GetStockObject(SYSTEM_FONT));
  EXPECT_EQ(::GetCurrentObject(m_dc, OBJ_BRUSH), ::GetStockObject(HOLLOW_BRUSH));
  canvas.reset();
  ExpectNoGdiObjectsLeft();
}

} // namespace
