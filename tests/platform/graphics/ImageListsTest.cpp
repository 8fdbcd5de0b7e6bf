#include "tests/support/GTest.h"

#include <vector>

#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/Icons.h"
#include "platform/graphics/ImageLists.h"
#include "tests/platform/graphics/GraphicsTestHelpers.h"

namespace {

// A 4 x 4 image: 'color' with a green frame row at the bottom-left corner
// (pixel (0, 3) green) so that clDefault masks green.
TOwned<TBitmap> Glyph(TColor color) {
  TOwned<TBitmap> glyph = MakeBitmap(4, 4, color);
  glyph->Canvas()->SetPixels(0, 3, clLime);
  glyph->Canvas()->SetPixels(3, 3, clLime);
  return glyph;
}

TOwned<TImageList> SmallList() {
  TOwned<TImageList> list(Create<TImageList>(nullptr));
  list->SetSize(4, 4);
  return list;
}

// The colour of image 'index' at (x, y) when drawn over white.
TColor ImagePixel(TCustomImageList* list, int index, int x, int y) {
  TOwned<TBitmap> target = MakeBitmap(list->Width(), list->Height());
  list->Draw(target->Canvas(), 0, 0, index);
  return target->Canvas()->Pixels(x, y);
}

TEST(ImageList, StartsWithTheDefaultsAndNoPlatformList) {
  TOwned<TImageList> list(Create<TImageList>(nullptr));
  EXPECT_EQ(list->Width(), 16);
  EXPECT_EQ(list->Height(), 16);
  EXPECT_TRUE(list->Masked());
  EXPECT_EQ(list->BkColor(), clNone);
  EXPECT_EQ(list->DrawingStyle(), TDrawingStyle::dsNormal);
  EXPECT_EQ(list->Count(), 0);
  EXPECT_FALSE(list->HandleAllocated());
  EXPECT_NE(list->Handle(), nullptr);
}

// A descendant's Initialize runs although it is called while the list is
// being made.
class TEightPixelList : public TCustomImageList {
  OBJECT_CLASS(TEightPixelList, TCustomImageList)
public:
  using TCustomImageList::TCustomImageList;

protected:
  void Initialize() override {
    inherited::Initialize();
    SetSize(8, 8);
  }
};

TEST(ImageList, InitializeOfTheDescendantRunsOnCreation) {
  TOwned<TEightPixelList> list(Create<TEightPixelList>(nullptr));
  EXPECT_EQ(list->Width(), 8);
  TClassRef<TCustomImageList> cls = TEightPixelList::StaticClass();
  TOwned<TCustomImageList> byClass(cls.Create(nullptr));
  EXPECT_EQ(byClass->Width(), 8);
}

TEST(ImageList, AddMaskedLeavesTheMaskColourOutAndTheImageUntouched) {
  TOwned<TImageList> list = SmallList();
  TOwned<TBitmap> glyph = Glyph(clRed);
  EXPECT_EQ(list->AddMasked(glyph.get(), clDefault), 0);
  EXPECT_EQ(list->AddMasked(glyph.get(), clRed), 1);
  EXPECT_EQ(list->AddMasked(glyph.get(), clNone), 2);
  EXPECT_EQ(list->Count(), 3);
  EXPECT_EQ(glyph->Canvas()->Pixels(0, 3), clLime);
  EXPECT_EQ(glyph->Canvas()->Pixels(1, 1), clRed);

  EXPECT_EQ(ImagePixel(list.get(), 0, 0, 3), clWhite);
  EXPECT_EQ(ImagePixel(list.get(), 0, 1, 1), clRed);
  EXPECT_EQ(ImagePixel(list.get(), 1, 1, 1), clWhite);
  EXPECT_EQ(ImagePixel(list.get(), 1, 0, 3), clLime);
  EXPECT_EQ(ImagePixel(list.get(), 2, 0, 3), clLime);
}

TEST(ImageList, AddWithAMaskBitmapAndWideImagesMakeSeveral) {
  TOwned<TImageList> list = SmallList();
  TOwned<TBitmap> strip = MakeBitmap(8, 4, clBlue);
  strip->Canvas()->Brush()->SetColor(clRed);
  strip->Canvas()->FillRect(Rect(4, 0, 8, 4));
  TOwned<TBitmap> mask = MakeBitmap(8, 4, clBlack);
  mask->SetMonochrome(true);
  mask->Canvas()->SetPixels(0, 0, clWhite);
  EXPECT_EQ(list->Add(strip.get(), mask.get()), 0);
  EXPECT_EQ(list->Count(), 2);
  EXPECT_EQ(ImagePixel(list.get(), 0, 0, 0), clWhite);
  EXPECT_EQ(ImagePixel(list.get(), 0, 1, 0), clBlue);
  EXPECT_EQ(ImagePixel(list.get(), 1, 0, 0), clRed);
  EXPECT_THROW(list->Add(nullptr, nullptr), EInvalidOperation);
}

TEST(ImageList, ReplaceDeleteAndClearCheckTheirIndex) {
  TOwned<TImageList> list = SmallList();
  TOwned<TBitmap> red = Glyph(clRed);
  TOwned<TBitmap> blue = Glyph(clBlue);
  TOwned<TBitmap> yellow = Glyph(clYellow);
  list->AddMasked(red.get(), clDefault);
  list->AddMasked(blue.get(), clDefault);
  list->Replace(0, yellow.get(), nullptr);
  EXPECT_EQ(ImagePixel(list.get(), 0, 1, 1), clYellow);
  list->ReplaceMasked(1, red.get(), clDefault);
  EXPECT_EQ(list->Count(), 2);
  EXPECT_EQ(ImagePixel(list.get(), 1, 1, 1), clRed);
  EXPECT_EQ(ImagePixel(list.get(), 1, 0, 3), clWhite);
  list->Delete(0);
  EXPECT_EQ(list->Count(), 1);
  EXPECT_EQ(ImagePixel(list.get(), 0, 1, 1), clRed);
  for (int bad : {-1, 1, 5}) {
    EXPECT_THROW(list->Delete(bad), EInvalidOperation) << bad;
    EXPECT_THROW(list->Replace(bad, red.get(), nullptr), EInvalidOperation) << bad;
  }
  list->Clear();
  EXPECT_EQ(list->Count(), 0);
}

TEST(ImageList, DisabledDrawingEmbossesTheShapeInHighlightAndShadow) {
  TPinnedSystemColors pinned({{COLOR_BTNHIGHLIGHT, RGB(250, 250, 250)},
                              {COLOR_BTNSHADOW, RGB(100, 100, 100)}});
  TOwned<TImageList> list = SmallList();
  TOwned<TBitmap> glyph = MakeBitmap(4, 4, clLime);
  glyph->Canvas()->Brush()->SetColor(clRed);
  glyph->Canvas()->FillRect(Rect(1, 1, 3, 3));
  list->AddMasked(glyph.get(), clLime);
  TOwned<TBitmap> target = MakeBitmap(6, 6, clBlue);
  list->Draw(target->Canvas(), 0, 0, 0, false);
  const TColor shadow = RGB(100, 100, 100);
  const TColor highlight = RGB(250, 250, 250);
  EXPECT_EQ(MismatchedProbes(target->Canvas(), {{0, 0, clBlue},
                                                {1, 1, shadow},
                                                {2, 2, shadow},
                                                {3, 3, highlight},
                                                {3, 2, highlight},
                                                {2, 3, highlight},
                                                {1, 3, clBlue},
                                                {4, 4, clBlue}}),
            "");
}

TEST(ImageList, DrawOfABadIndexDrawsNothingAndGetBitmapSizesTheBitmap) {
  TOwned<TImageList> list = SmallList();
  TOwned<TBitmap> glyph = Glyph(clRed);
  list->AddMasked(glyph.get(), clNone);
  TOwned<TBitmap> target = MakeBitmap(4, 4);
  list->Draw(target->Canvas(), 0, 0, 7);
  list->Draw(target->Canvas(), 0, 0, -1);
  EXPECT_FALSE(HasInk(target->Canvas(), Rect(0, 0, 4, 4), clWhite));

  TOwned<TBitmap> copy(Create<TBitmap>());
  list->GetBitmap(0, copy.get());
  EXPECT_EQ(copy->Width(), 4);
  EXPECT_EQ(copy->Height(), 4);
  EXPECT_EQ(copy->Canvas()->Pixels(1, 1), clRed);
}

TEST(ImageList, ChangesReachTheHandlerAndTheLinks) {
  TOwned<TImageList> list = SmallList();
  std::vector<std::string> log;
  list->SetOnChange([&](TObject*) { log.push_back("list"); });
  TOwned<TChangeLink> link(Create<TChangeLink>());
  link->SetOnChange([&](TObject* sender) {
    EXPECT_EQ(sender, list.get());
    log.push_back("link");
  });
  list->RegisterChanges(link.get());
  EXPECT_EQ(link->Sender(), list.get());
  TOwned<TBitmap> glyph = Glyph(clRed);
  list->AddMasked(glyph.get(), clDefault);
  list->SetBkColor(clWhite);
  list->SetBkColor(clWhite);
  EXPECT_EQ(log, (std::vector<std::string>{"link", "list", "link", "list"}));

  link.reset();
  log.clear();
  list->Clear();
  EXPECT_EQ(log, (std::vector<std::string>{"list"}));

  TOwned<TChangeLink> orphan(Create<TChangeLink>());
  list->RegisterChanges(orphan.get());
  list.reset();
  EXPECT_EQ(orphan->Sender(), nullptr);
}

TEST(ImageList, NewSizeOrMaskingEmptiesTheList) {
  TOwned<TImageList> list = SmallList();
  TOwned<TBitmap> glyph = Glyph(clRed);
  list->AddMasked(glyph.get(), clDefault);
  list->SetSize(4, 4);
  EXPECT_EQ(list->Count(), 1);
  list->SetWidth(5);
  EXPECT_EQ(list->Count(), 0);
  list->AddMasked(glyph.get(), clDefault);
  list->SetMasked(false);
  EXPECT_EQ(list->Count(), 0);
  EXPECT_THROW(list->SetSize(0, 4), EInvalidOperation);
}

TEST(ImageList, AssignCopiesSettingsAndImages) {
  TOwned<TImageList> source = SmallList();
  source->SetBkColor(clYellow);
  TOwned<TBitmap> glyph = Glyph(clRed);
  source->AddMasked(glyph.get(), clDefault);
  TOwned<TImageList> copy(Create<TImageList>(nullptr));
  copy->Assign(source.get());
  EXPECT_EQ(copy->Width(), 4);
  EXPECT_EQ(copy->BkColor(), clYellow);
  EXPECT_EQ(copy->Count(), 1);
  EXPECT_NE(copy->Handle(), source->Handle());
  source->Clear();
  EXPECT_EQ(copy->Count(), 1);
}

TEST(ImageList, SharedHandlesStayWithTheirOwner) {
  HIMAGELIST handle = ImageList_Create(4, 4, ILC_COLOR32 | ILC_MASK, 0, 4);
  {
    TOwned<TImageList> list(Create<TImageList>(nullptr));
    list->SetShareImages(true);
    list->SetHandle(handle);
    EXPECT_EQ(list->Width(), 4);
  }
  EXPECT_EQ(ImageList_GetImageCount(handle), 0);
  EXPECT_TRUE(ImageList_Destroy(handle));
}

TEST(ImageList, AddIconTakesTheIconsPicture) {
  TOwned<TImageList> list(Create<TImageList>(nullptr));
  list->SetSize(32, 32);
  TOwned<TIcon> icon(Create<TIcon>());
  icon->SetHandle(::CopyIcon(::LoadIconW(nullptr, MAKEINTRESOURCEW(32512))));
  EXPECT_EQ(list->AddIcon(icon.get()), 0);
  EXPECT_EQ(list->Count(), 1);
}

} // namespace
