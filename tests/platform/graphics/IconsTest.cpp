#include "tests/support/GTest.h"

#include "platform/graphics/Icons.h"
#include "tests/platform/graphics/GraphicsTestHelpers.h"

namespace {

// A 6 x 5 icon, red inside, with a transparent top-left pixel.
HICON MakeIcon() {
  TOwned<TBitmap> color = MakeBitmap(6, 5, clRed);
  TOwned<TBitmap> mask = MakeBitmap(6, 5, clBlack);
  mask->SetMonochrome(true);
  mask->Canvas()->SetPixels(0, 0, clWhite);
  color->Canvas()->SetPixels(0, 0, clBlack);
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmColor = color->Handle();
  info.hbmMask = mask->Handle();
  return ::CreateIconIndirect(&info);
}

TEST(Icon, TakesItsSizeFromTheHandleAndDrawsWithItsMask) {
  TOwned<TIcon> icon(Create<TIcon>());
  EXPECT_TRUE(icon->Empty());
  icon->SetHandle(MakeIcon());
  EXPECT_FALSE(icon->Empty());
  EXPECT_EQ(icon->Width(), 6);
  EXPECT_EQ(icon->Height(), 5);
  TOwned<TBitmap> target = MakeBitmap(8, 8, clBlue);
  target->Canvas()->Draw(1, 1, icon.get());
  EXPECT_EQ(MismatchedProbes(target->Canvas(), {{1, 1, clBlue}, {2, 2, clRed}, {6, 5, clRed},
                                                {7, 6, clBlue}}),
            "");
  EXPECT_THROW(icon->SetWidth(7), EInvalidGraphicOperation);
  EXPECT_NO_THROW(icon->SetHeight(5));
}

TEST(Icon, AssignCopiesAndReleaseHandsTheHandleOver) {
  TOwned<TIcon> icon(Create<TIcon>());
  icon->SetHandle(MakeIcon());
  TOwned<TIcon> copy(Create<TIcon>());
  copy->Assign(icon.get());
  EXPECT_NE(copy->Handle(), icon->Handle());
  EXPECT_EQ(copy->Width(), 6);
  HICON released = icon->ReleaseHandle();
  EXPECT_TRUE(icon->Empty());
  EXPECT_TRUE(::DestroyIcon(released));
  copy->Assign(nullptr);
  EXPECT_TRUE(copy->Empty());
  EXPECT_THROW(copy->LoadFromResourceName(nullptr, "NO_SUCH_ICON"), EResNotFound);
}

} // namespace
