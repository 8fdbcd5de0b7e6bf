#include "tests/support/GTest.h"

#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/Resources.h"
#include "tests/platform/graphics/GraphicsTestHelpers.h"

namespace {

TEST(Resources, EveryLibraryCursorLoads) {
  const char* names[] = {
      "CX_DRAGCOPYCURSOR",    "CX_FULLSCROLLCURSOR", "CX_HORSCROLLCURSOR",
      "CX_VERSCROLLCURSOR",   "CX_UPSCROLLCURSOR",   "CX_RIGHTSCROLLCURSOR",
      "CX_DOWNSCROLLCURSOR",  "CX_LEFTSCROLLCURSOR", "CX_REMOVECURSOR",
      "CX_VERTSIZECURSOR",    "CX_HORZSIZECURSOR",   "CX_MULTIDRAGCURSOR",
      "CX_NODROPCURSOR",      "CX_DRAGCURSOR",       "CX_COLORPICKERCURSOR",
      "CXEDIT_MOUSEWHEEL",
  };
  for (const char* name : names) {
    HCURSOR cursor = LoadCursorResource(nullptr, name);
    TOwned<TBitmap> target = MakeBitmap(32, 32, clBlue);
    ::DrawIconEx(target->Canvas()->Handle(), 0, 0, cursor, 32, 32, 0, nullptr, DI_NORMAL);
    EXPECT_TRUE(HasInk(target->Canvas(), Rect(0, 0, 32, 32), clBlue)) << name;
    EXPECT_EQ(MismatchedProbes(target->Canvas(), {{31, 0, clBlue}, {31, 31, clBlue}}), "")
        << name << ": the corners are not transparent";
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(cursor, &info)) << name;
    EXPECT_FALSE(info.fIcon) << name;
    ::DeleteObject(info.hbmMask);
    if (info.hbmColor)
      ::DeleteObject(info.hbmColor);
    ::DestroyCursor(cursor);
  }
  EXPECT_THROW(LoadCursorResource(nullptr, "NO_SUCH_CURSOR"), EResNotFound);
}

TEST(Resources, EveryLibraryBitmapLoadsAtItsSize) {
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

TEST(Resources, StringTablesComeBackAsWindows1254Text) {
  EXPECT_EQ(LoadStr(nullptr, 100),
            "\xC7" "a\xF0r\xFD \xDD\xFElemi: \xF6\xF0\xFCn \xC7\xD0I\xDD\xD6\xDE\xDC "
            "\xE7\xF0\xFDi\xF6\xFE\xFC");
  EXPECT_EQ(LoadStr(MainInstance(), 101), "plain");
  EXPECT_EQ(LoadStr(nullptr, 102), "");
}

} // namespace
