#include "tests/support/GTest.h"

#include "platform/graphics/Bitmaps.h"
#include "tests/support/CursorResources.h"

namespace {

TEST(LibraryResources, EveryLibraryCursorLoads) {
  const char* names[] = {
      "CX_DRAGCOPYCURSOR", "CX_FULLSCROLLCURSOR",  "CX_HORSCROLLCURSOR",   "CX_VERSCROLLCURSOR",
      "CX_UPSCROLLCURSOR", "CX_RIGHTSCROLLCURSOR", "CX_DOWNSCROLLCURSOR",  "CX_LEFTSCROLLCURSOR",
      "CX_REMOVECURSOR",   "CX_VERTSIZECURSOR",    "CX_HORZSIZECURSOR",    "CX_MULTIDRAGCURSOR",
      "CX_NODROPCURSOR",   "CX_DRAGCURSOR",        "CX_COLORPICKERCURSOR",
  };
  for (const char* name : names)
    ExpectCursorResourceDraws(name);
}

TEST(LibraryResources, EveryLibraryBitmapLoadsAtItsSize) {
  struct Case {
    const char* name;
    int width;
    int height;
  };
  const Case cases[] = {
      {"CX_FULLSCROLLBITMAP", 29, 29}, {"CX_HORSCROLLBITMAP", 29, 29},
      {"CX_VERSCROLLBITMAP", 29, 29},  {"DXEXPANDBUTTON_MINUS", 11, 11},
      {"DXEXPANDBUTTON_PLUS", 11, 11}, {"CX_ARROWBITMAP", 8, 9},
      {"CX_EDITBITMAP", 8, 9},         {"CX_INSERTBITMAP", 8, 9},
      {"CX_MULTIDOTBITMAP", 8, 9},     {"CX_MULTIARROWBITMAP", 8, 9},
      {"CX_FILTERBITMAP", 8, 9},       {"CX_AUTOHIDEON", 12, 12},
      {"CX_AUTOHIDEOFF", 12, 12},      {"DXSUBMENUEXPAND", 10, 12},
  };
  for (const Case& c : cases) {
    TOwned<TBitmap> bitmap(Create<TBitmap>());
    bitmap->LoadFromResourceName(nullptr, c.name);
    EXPECT_EQ(bitmap->Width(), c.width) << c.name;
    EXPECT_EQ(bitmap->Height(), c.height) << c.name;
  }
  TOwned<TBitmap> anchor(Create<TBitmap>());
  anchor->LoadFromResourceName(nullptr, "CX_FULLSCROLLBITMAP");
  EXPECT_EQ(anchor->PixelFormat(), TPixelFormat::pf4bit);
}

TEST(LibraryResources, TheIndicatorBitmapIsSixteenColoursOnWhite) {
  TOwned<TBitmap> bitmap(Create<TBitmap>());
  bitmap->LoadFromResourceName(nullptr, "CX_ARROWBITMAP");
  EXPECT_EQ(bitmap->Width(), 8);
  EXPECT_EQ(bitmap->Height(), 9);
  EXPECT_EQ(bitmap->PixelFormat(), TPixelFormat::pf4bit);
  EXPECT_EQ(bitmap->TransparentColor(), clWhite);
}

} // namespace
