#include "tests/support/GTest.h"

#include <cstring>

#include "platform/graphics/Bitmaps.h"
#include "tests/platform/graphics/GraphicsTestHelpers.h"

namespace {

int BitsPerPixel(HBITMAP handle) {
  BITMAP info{};
  ::GetObjectW(handle, sizeof(info), &info);
  return info.bmBitsPixel;
}

TEST(Bitmap, NewBitmapIsEmptyWithoutHandle) {
  TOwned<TBitmap> bitmap(Create<TBitmap>());
  EXPECT_TRUE(bitmap->Empty());
  EXPECT_EQ(bitmap->Handle(), nullptr);
  EXPECT_EQ(bitmap->PixelFormat(), TPixelFormat::pfDevice);
  bitmap->SetWidth(5);
  EXPECT_TRUE(bitmap->Empty());
  bitmap->SetHeight(3);
  EXPECT_FALSE(bitmap->Empty());
  EXPECT_NE(bitmap->Handle(), nullptr);
  EXPECT_THROW(bitmap->SetSize(-1, 3), EInvalidGraphic);
}

TEST(Bitmap, EveryPixelFormatIsADIBSectionOfItsDepth) {
  struct Case {
    TPixelFormat format;
    int bits;
  };
  const Case cases[] = {
      {TPixelFormat::pf1bit, 1},   {TPixelFormat::pf4bit, 4},   {TPixelFormat::pf8bit, 8},
      {TPixelFormat::pf15bit, 16}, {TPixelFormat::pf16bit, 16}, {TPixelFormat::pf24bit, 24},
      {TPixelFormat::pf32bit, 32}, {TPixelFormat::pfDevice, PixelFormatBits(DevicePixelFormat())},
  };
  for (const Case& c : cases) {
    TOwned<TBitmap> bitmap(Create<TBitmap>());
    bitmap->SetPixelFormat(c.format);
    bitmap->SetSize(4, 4);
    EXPECT_EQ(BitsPerPixel(bitmap->Handle()), c.bits) << static_cast<int>(c.format);
    EXPECT_TRUE(IsDIBSection(bitmap->Handle()));
    EXPECT_EQ(bitmap->PixelFormat(), c.format);
    bitmap->Canvas()->SetPixels(1, 1, clWhite);
    EXPECT_EQ(bitmap->Canvas()->Pixels(1, 1), clWhite) << static_cast<int>(c.format);
    EXPECT_EQ(bitmap->Canvas()->Pixels(2, 2), clBlack) << static_cast<int>(c.format);
  }
  TOwned<TBitmap> bitmap(Create<TBitmap>());
  EXPECT_THROW(bitmap->SetPixelFormat(TPixelFormat::pfCustom), EInvalidGraphic);
}

TEST(Bitmap, ConversionsAndResizingKeepThePixels) {
  TOwned<TBitmap> bitmap = MakeBitmap(4, 4, clBlue);
  bitmap->Canvas()->SetPixels(3, 0, clRed);
  bitmap->SetPixelFormat(TPixelFormat::pf24bit);
  bitmap->SetPixelFormat(TPixelFormat::pf8bit);
  bitmap->SetPixelFormat(TPixelFormat::pf32bit);
  bitmap->SetSize(6, 3);
  EXPECT_EQ(MismatchedProbes(bitmap->Canvas(),
                             {{3, 0, clRed}, {0, 0, clBlue}, {3, 2, clBlue}, {5, 0, clBlack}}),
            "");
}

TEST(Bitmap, MonochromeIsOneBitBlackAndWhite) {
  TOwned<TBitmap> bitmap = MakeBitmap(4, 4, clWhite);
  bitmap->Canvas()->SetPixels(0, 0, clBlack);
  bitmap->SetMonochrome(true);
  EXPECT_TRUE(bitmap->Monochrome());
  EXPECT_EQ(BitsPerPixel(bitmap->Handle()), 1);
  EXPECT_EQ(bitmap->Canvas()->Pixels(0, 0), clBlack);
  EXPECT_EQ(bitmap->Canvas()->Pixels(1, 1), clWhite);
  bitmap->SetMonochrome(false);
  EXPECT_EQ(bitmap->PixelFormat(), TPixelFormat::pfDevice);
}

TEST(Bitmap, ScanLineZeroIsTheTopRow) {
  TOwned<TBitmap> bitmap = MakeBitmap(3, 2, clWhite);
  bitmap->Canvas()->SetPixels(0, 0, RGB(10, 20, 30));
  bitmap->SetPixelFormat(TPixelFormat::pf24bit);
  const auto* top = static_cast<const unsigned char*>(bitmap->ScanLine(0));
  EXPECT_EQ(top[0], 30);
  EXPECT_EQ(top[1], 20);
  EXPECT_EQ(top[2], 10);
  auto* bottom = static_cast<unsigned char*>(bitmap->ScanLine(1));
  std::memset(bottom, 0, 3);
  EXPECT_EQ(bitmap->Canvas()->Pixels(0, 1), clBlack);
  EXPECT_THROW(bitmap->ScanLine(2), EInvalidGraphic);
  EXPECT_THROW(bitmap->ScanLine(-1), EInvalidGraphic);
}

TEST(Bitmap, TransparentColourIsTheBottomLeftPixelUnlessFixed) {
  TOwned<TBitmap> bitmap = MakeBitmap(3, 3, clWhite);
  bitmap->Canvas()->SetPixels(0, 2, clLime);
  EXPECT_EQ(bitmap->TransparentMode(), TTransparentMode::tmAuto);
  EXPECT_EQ(bitmap->TransparentColor(), clLime);
  bitmap->SetTransparentColor(clRed);
  EXPECT_EQ(bitmap->TransparentMode(), TTransparentMode::tmFixed);
  EXPECT_EQ(bitmap->TransparentColor(), clRed);
  bitmap->SetTransparentColor(clDefault);
  EXPECT_EQ(bitmap->TransparentMode(), TTransparentMode::tmAuto);
  bitmap->SetTransparentMode(TTransparentMode::tmFixed);
  bitmap->Canvas()->SetPixels(0, 2, clBlue);
  EXPECT_EQ(bitmap->TransparentColor(), clLime);
  TOwned<TBitmap> empty(Create<TBitmap>());
  EXPECT_EQ(empty->TransparentColor(), clDefault);
}

TEST(Bitmap, MaskIsWhiteWhereTheTransparentColourIs) {
  TOwned<TBitmap> bitmap = MakeBitmap(3, 3, clLime);
  bitmap->Canvas()->SetPixels(1, 1, clRed);
  HBITMAP mask = bitmap->MaskHandle();
  ASSERT_NE(mask, nullptr);
  EXPECT_EQ(BitsPerPixel(mask), 1);
  TOwned<TBitmap> view(Create<TBitmap>());
  view->SetHandle(static_cast<HBITMAP>(::CopyImage(mask, IMAGE_BITMAP, 0, 0, 0)));
  EXPECT_EQ(MismatchedProbes(view->Canvas(), {{0, 0, clWhite}, {1, 1, clBlack}, {2, 2, clWhite}}),
            "");
  bitmap->Canvas()->SetPixels(0, 0, clRed);
  EXPECT_NE(bitmap->MaskHandle(), nullptr);
  EXPECT_EQ(::GetObjectType(mask), 0u) << "drawing did not drop the old mask";
}

TEST(Bitmap, AssignCopiesThePictureAndItsSettings) {
  TOwned<TBitmap> source = MakeBitmap(3, 2, clRed);
  source->SetTransparentColor(clBlue);
  source->SetTransparent(true);
  TOwned<TBitmap> copy(Create<TBitmap>());
  copy->Assign(source.get());
  EXPECT_EQ(copy->Width(), 3);
  EXPECT_EQ(copy->Height(), 2);
  EXPECT_EQ(copy->PixelFormat(), TPixelFormat::pf32bit);
  EXPECT_EQ(copy->TransparentColor(), clBlue);
  EXPECT_TRUE(copy->Transparent());
  copy->Canvas()->SetPixels(0, 0, clLime);
  EXPECT_EQ(source->Canvas()->Pixels(0, 0), clRed);
  EXPECT_EQ(copy->Canvas()->Pixels(1, 1), clRed);
  copy->Assign(nullptr);
  EXPECT_TRUE(copy->Empty());
}

TEST(Bitmap, DrawingAndResizingAnnounceChanges) {
  TOwned<TBitmap> bitmap = MakeBitmap(3, 3);
  int changes = 0;
  bitmap->SetOnChange([&](TObject* sender) {
    EXPECT_EQ(sender, bitmap.get());
    ++changes;
  });
  bitmap->Canvas()->FillRect(Rect(0, 0, 1, 1));
  bitmap->SetSize(4, 4);
  bitmap->SetSize(4, 4);
  EXPECT_EQ(changes, 2);
}

TEST(Bitmap, HandlesAreTakenAndGivenUp) {
  HDC screen = ::GetDC(nullptr);
  HBITMAP device = ::CreateCompatibleBitmap(screen, 5, 4);
  ::ReleaseDC(nullptr, screen);
  TOwned<TBitmap> bitmap(Create<TBitmap>());
  bitmap->SetHandle(device);
  EXPECT_EQ(bitmap->Width(), 5);
  EXPECT_EQ(bitmap->Height(), 4);
  EXPECT_TRUE(IsDIBSection(bitmap->Handle()));
  EXPECT_EQ(::GetObjectType(device), 0u) << "the converted device bitmap was kept";

  HBITMAP released = bitmap->ReleaseHandle();
  EXPECT_TRUE(bitmap->Empty());
  EXPECT_EQ(::GetObjectType(released), static_cast<DWORD>(OBJ_BITMAP));
  ::DeleteObject(released);
}

TEST(Bitmap, LoadsABitmapResourceWithItsPixels) {
  TOwned<TBitmap> bitmap(Create<TBitmap>());
  bitmap->LoadFromResourceName(nullptr, "TEST_BITMAP");
  EXPECT_EQ(bitmap->Width(), 4);
  EXPECT_EQ(bitmap->Height(), 2);
  EXPECT_EQ(bitmap->PixelFormat(), TPixelFormat::pf4bit);
  EXPECT_EQ(bitmap->TransparentColor(), clWhite);
  EXPECT_EQ(MismatchedProbes(bitmap->Canvas(), {{0, 0, clRed}, {2, 0, clWhite}, {1, 1, clBlue}}),
            "");
  try {
    bitmap->LoadFromResourceName(nullptr, "NO_SUCH_BITMAP");
    FAIL() << "no error";
  } catch (const EResNotFound& error) {
    EXPECT_EQ(error.Message(), "Resource NO_SUCH_BITMAP not found");
  }
  EXPECT_EQ(bitmap->Width(), 4);
}

} // namespace
