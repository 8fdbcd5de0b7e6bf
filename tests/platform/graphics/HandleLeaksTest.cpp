#include "tests/support/GTest.h"

#include <functional>
#include <vector>

#include "platform/graphics/Icons.h"
#include "platform/graphics/ImageLists.h"
#include "tests/platform/graphics/GraphicsTestHelpers.h"
#include "tests/support/GdiObjects.h"

namespace {

constexpr int kCycles = 1000;

void UseTools() {
  TOwned<TBitmap> bitmap = MakeBitmap(16, 16, clBtnFace);
  TCanvas* canvas = bitmap->Canvas();
  canvas->Font()->SetStyle({TFontStyle::fsBold});
  canvas->TextOut(0, 0, "\xDD\xFE");
  canvas->Pen()->SetColor(clRed);
  canvas->Brush()->SetStyle(TBrushStyle::bsDiagCross);
  canvas->Rectangle(0, 0, 8, 8);
  canvas->Brush()->SetBitmap(bitmap.get());
  canvas->FillRect(Rect(0, 0, 4, 4));
  canvas->Brush()->SetBitmap(nullptr);
  canvas->Brush()->SetHandle(::GetSysColorBrush(COLOR_WINDOW), THandleOwnership::Borrowed);
  canvas->FillRect(Rect(0, 0, 4, 4));
}

void UseBitmaps() {
  TOwned<TBitmap> bitmap = MakeBitmap(8, 8, clLime);
  bitmap->MaskHandle();
  bitmap->SetPixelFormat(TPixelFormat::pf8bit);
  bitmap->SetSize(9, 9);
  bitmap->SetTransparent(true);
  TOwned<TBitmap> copy(Create<TBitmap>());
  copy->Assign(bitmap.get());
  TOwned<TBitmap> target = MakeBitmap(12, 12);
  target->Canvas()->Draw(1, 1, copy.get());
  target->Canvas()->BrushCopy(Rect(0, 0, 9, 9), bitmap.get(), Rect(0, 0, 9, 9), clLime);
  target->Canvas()->CopyRect(Rect(0, 0, 4, 4), bitmap->Canvas(), Rect(0, 0, 8, 8));
  ::DeleteObject(copy->ReleaseHandle());
  copy->LoadFromResourceName(nullptr, "TEST_BITMAP");
}

void UseImageLists() {
  TOwned<TImageList> list(Create<TImageList>(nullptr));
  list->SetSize(8, 8);
  TOwned<TBitmap> glyph = MakeBitmap(8, 8, clRed);
  list->AddMasked(glyph.get(), clDefault);
  list->Add(glyph.get(), nullptr);
  list->ReplaceMasked(0, glyph.get(), clRed);
  TOwned<TBitmap> target = MakeBitmap(10, 10);
  list->Draw(target->Canvas(), 0, 0, 0, true);
  list->Draw(target->Canvas(), 0, 0, 1, false);
  list->GetBitmap(1, target.get());
  TOwned<TImageList> copy(Create<TImageList>(nullptr));
  copy->Assign(list.get());
  TOwned<TIcon> icon(Create<TIcon>());
  icon->SetHandle(::CopyIcon(::LoadIconW(nullptr, MAKEINTRESOURCEW(32512))));
  TOwned<TIcon> iconCopy(Create<TIcon>());
  iconCopy->Assign(icon.get());
  target->Canvas()->Draw(0, 0, iconCopy.get());
}

// Every kind of object, made, used and freed a thousand times, leaves the
// number of the process's GDI objects as it was.
TEST(HandleLeaks, CreateUseFreeCyclesLeaveNoGdiObjects) {
  const std::vector<std::pair<const char*, std::function<void()>>> uses = {
      {"tools", UseTools}, {"bitmaps", UseBitmaps}, {"image lists", UseImageLists}};
  for (const auto& [name, use] : uses) {
    use();
    int before = CountGdiObjects();
    for (int cycle = 0; cycle < kCycles; ++cycle)
      use();
    EXPECT_EQ(CountGdiObjects(), before) << name;
  }
}

} // namespace
