#include "tests/support/GTest.h"

#include <string>

#include "framework/cxGraphicsImages.h"
#include "framework/cxImageList.h"
#include "tests/framework/cxGraphicsTestSupport.h"
#include "tests/platform/graphics/GraphicsTestHelpers.h"

namespace {

const TColor kColors[] = {clRed, clLime, clBlue, clYellow, clAqua};

// A list of 'count' solid images of 'size' pixels, in the colours above.
TOwned<TcxImageList> ListOf(int count, int size = 4) {
  TOwned<TcxImageList> list(Create<TcxImageList>(nullptr));
  list->SetSize(size, size);
  for (int i = 0; i < count; ++i) {
    TOwned<TBitmap> image = MakeBitmap(size, size, kColors[i]);
    list->Add(image.get(), nullptr);
  }
  return list;
}

// The images' colours as letters: R(ed), L(ime), B(lue), Y(ellow), A(qua).
std::string Colours(TcxImageList* list) {
  std::string result;
  TOwned<TcxBitmap> image(Create<TcxBitmap>());
  for (int i = 0; i < list->Count(); ++i) {
    list->GetImage(i, image.get());
    TColor color = image->Canvas()->Pixels(1, 1);
    const char* letters = "RLBYA";
    char letter = '?';
    for (int c = 0; c < 5; ++c)
      if (kColors[c] == color)
        letter = letters[c];
    result += letter;
  }
  return result;
}

class ImageListTest : public testing::Test {
protected:
  void SetUp() override { cxBindAlphaBlend(); }
  void TearDown() override { cxUnbindAlphaBlend(); }
};

TEST_F(ImageListTest, MoveSwapsAlongTheWay) {
  TOwned<TcxImageList> list = ListOf(4);
  EXPECT_EQ(Colours(list.get()), "RLBY");
  list->Move(0, 3);
  EXPECT_EQ(Colours(list.get()), "LBYR");
  list->Move(3, 0);
  EXPECT_EQ(Colours(list.get()), "RLBY");
  list->Move(3, 0);
  EXPECT_EQ(Colours(list.get()), "YRLB");
}

// An image with its own alpha keeps it when moved, and draws blended.
TEST_F(ImageListTest, ImagesKeepTheirAlphaWhenMoved) {
  TOwned<TcxImageList> list = ListOf(2);
  TOwned<TcxBitmap> translucent = FilledBitmap(4, 4, 0x80800000); // half-opaque red
  list->Add(translucent.get(), nullptr);
  list->Move(2, 0);
  TOwned<TcxBitmap> image(Create<TcxBitmap>());
  list->GetImage(0, image.get());
  EXPECT_EQ(Hex(PixelAt(image.get(), 1, 1)), "80800000");
  TOwned<TBitmap> target = MakeBitmap(4, 4, clWhite);
  list->Draw(target->Canvas(), 0, 0, 0);
  TColor blended = target->Canvas()->Pixels(1, 1);
  EXPECT_TRUE(Near(static_cast<std::uint32_t>(blended), RGB(255, 127, 127), 1)) << Hex(blended);
}

TEST_F(ImageListTest, InsertPlacesTheImageOrDoesNothingOutsideTheList) {
  TOwned<TcxImageList> list = ListOf(2);
  TOwned<TBitmap> blue = MakeBitmap(4, 4, clBlue);
  list->Insert(3, blue.get(), nullptr);
  list->Insert(-1, blue.get(), nullptr);
  EXPECT_EQ(Colours(list.get()), "RL");
  list->Insert(0, blue.get(), nullptr);
  EXPECT_EQ(Colours(list.get()), "BRL");
  list->InsertMasked(3, blue.get(), clNone);
  EXPECT_EQ(Colours(list.get()), "BRLB");
}

TEST_F(ImageListTest, ReplaceAndReplaceMaskedKeepThePlace) {
  TOwned<TcxImageList> list = ListOf(3);
  TOwned<TBitmap> yellow = MakeBitmap(4, 4, clYellow);
  EXPECT_TRUE(list->Replace(0, yellow.get(), nullptr));
  EXPECT_FALSE(list->Replace(7, yellow.get(), nullptr));
  TOwned<TBitmap> aqua = MakeBitmap(4, 4, clAqua);
  list->ReplaceMasked(2, aqua.get(), clFuchsia);
  EXPECT_EQ(Colours(list.get()), "YLA");
}

TEST_F(ImageListTest, UpdatesBatchTheChangeNotifications) {
  TOwned<TcxImageList> list = ListOf(0);
  int changes = 0;
  list->SetOnChange(TNotifyEvent([&](TObject*) { ++changes; }));
  TOwned<TBitmap> red = MakeBitmap(4, 4, clRed);
  list->BeginUpdate();
  list->BeginUpdate();
  list->Add(red.get(), nullptr);
  list->AddMasked(red.get(), clDefault);
  list->EndUpdate(true);
  EXPECT_EQ(changes, 0);
  list->EndUpdate(true);
  EXPECT_EQ(changes, 1);
  list->BeginUpdate();
  list->Move(0, 1);
  list->EndUpdate(false);
  EXPECT_EQ(changes, 1);
  list->EndUpdate(true);
  EXPECT_EQ(changes, 1) << "an unmatched EndUpdate does nothing";
  EXPECT_FALSE(list->ChangeLocked());
  list->AddMasked(red.get(), clRed);
  EXPECT_EQ(changes, 2) << "one notification for a masked add";
}

// Images of a list of another cell size arrive one for one, stretched to this
// list's size, instead of being sliced.
TEST_F(ImageListTest, CopyingFromAListOfAnotherSizeKeepsOneImageEach) {
  TOwned<TcxImageList> narrowList = ListOf(3, 4);
  TOwned<TcxImageList> big(Create<TcxImageList>(nullptr));
  big->SetSize(8, 8);
  big->AddImages(narrowList.get());
  EXPECT_EQ(big->Count(), 3);
  EXPECT_EQ(Colours(big.get()), "RLB");
  TOwned<TcxImageList> wide = ListOf(2, 12);
  big->CopyImages(wide.get(), 1, 5);
  EXPECT_EQ(Colours(big.get()), "RLBL");
  TOwned<TcxImageList> copy(Create<TcxImageList>(nullptr));
  copy->Assign(narrowList.get());
  EXPECT_EQ(copy->Width(), 4);
  EXPECT_EQ(Colours(copy.get()), "RLB");
  TOwned<TBitmap> notAList = MakeBitmap(2, 2);
  copy->Assign(notAList.get());
  EXPECT_EQ(copy->Count(), 3);
}

TEST_F(ImageListTest, ImageInfoOfOneImageOrTheWholePicture) {
  TOwned<TcxImageList> list = ListOf(2);
  TOwned<TcxBitmap> image(Create<TcxBitmap>());
  TOwned<TBitmap> mask(Create<TBitmap>());
  ASSERT_TRUE(TcxImageList::GetImageInfo(list->Handle(), 1, image.get(), mask.get()));
  EXPECT_EQ(image->Width(), 4);
  EXPECT_EQ(mask->Height(), 4);
  EXPECT_EQ(image->Canvas()->Pixels(3, 3), clLime);
  EXPECT_EQ(mask->Canvas()->Pixels(3, 3), clBlack) << "opaque where no mask was given";
  ASSERT_TRUE(list->GetImageInfo(-1, image.get(), nullptr));
  EXPECT_GE(image->Width() * image->Height(), 2 * 16);
  EXPECT_FALSE(list->GetImageInfo(5, image.get(), mask.get()));
  EXPECT_FALSE(TcxImageList::GetImageInfo(nullptr, 0, image.get(), nullptr));
  EXPECT_EQ(TcxImageList::GetSize(list->Handle()), (TSize{4, 4}));
  EXPECT_EQ(TcxImageList::GetImageHandle(nullptr), nullptr);
}

TEST_F(ImageListTest, AddingNothingRaises) {
  TOwned<TcxImageList> list = ListOf(0);
  TOwned<TBitmap> empty(Create<TBitmap>());
  EXPECT_THROW(list->Add(nullptr, nullptr), EInvalidOperation);
  EXPECT_THROW(list->Add(empty.get(), nullptr), EInvalidOperation);
  EXPECT_THROW(list->AddMasked(nullptr, clRed), EInvalidOperation);
  EXPECT_FALSE(list->ChangeLocked());
}

// Drawing goes through cxDrawImage: masked pixels show the background,
// centred unless stretched, disabled in grey.
TEST_F(ImageListTest, DrawsTheLibrarysWay) {
  TOwned<TcxImageList> list(Create<TcxImageList>(nullptr));
  list->SetSize(4, 4);
  TOwned<TBitmap> glyph = MakeBitmap(4, 4, clRed);
  glyph->Canvas()->SetPixels(0, 0, clFuchsia);
  list->AddMasked(glyph.get(), clFuchsia);
  TOwned<TBitmap> target = MakeBitmap(12, 12, clWhite);
  list->Draw(target->Canvas(), 0, 0, 0);
  list->Draw(target->Canvas(), Rect(4, 0, 12, 8), 0);
  EXPECT_EQ(MismatchedProbes(
                target->Canvas(),
                {{0, 0, clWhite}, {1, 1, clRed}, {6, 2, clWhite}, {7, 3, clRed}, {5, 1, clWhite}}),
            "");
  TOwned<TBitmap> stretched = MakeBitmap(8, 8, clWhite);
  list->Draw(stretched->Canvas(), Rect(0, 0, 8, 8), 0, true);
  EXPECT_EQ(stretched->Canvas()->Pixels(6, 6), clRed);
  TOwned<TBitmap> disabled = MakeBitmap(4, 4, clWhite);
  list->Draw(disabled->Canvas(), 0, 0, 0, false);
  TColor grey = disabled->Canvas()->Pixels(1, 1);
  EXPECT_EQ(GetRValue(grey), GetGValue(grey));
  EXPECT_EQ(GetGValue(grey), GetBValue(grey));
  EXPECT_NE(grey, clWhite);
}

TEST_F(ImageListTest, ListsLeaveNoGdiObjects) {
  auto use = [] {
    TOwned<TcxImageList> list = ListOf(3);
    TOwned<TcxImageList> other = ListOf(2, 8);
    list->AddImages(other.get());
    list->Move(0, 4);
    TOwned<TBitmap> image = MakeBitmap(4, 4, clRed);
    list->ReplaceMasked(1, image.get(), clRed);
    TOwned<TBitmap> target = MakeBitmap(8, 8);
    list->Draw(target->Canvas(), 0, 0, 2, false);
    list->Draw(target->Canvas(), Rect(0, 0, 8, 8), 1, true, true);
    TOwned<TcxImageList> copy(Create<TcxImageList>(nullptr));
    copy->Assign(list.get());
  };
  use();
  TGdiObjectsUnchanged unchanged;
  for (int i = 0; i < 10; ++i)
    use();
}

} // namespace
