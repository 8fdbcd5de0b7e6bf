#include "framework/cxImageList.h"

#include <algorithm>

#include "framework/cxGeometry.h"
#include "framework/cxGraphicsImages.h"
#include "platform/graphics/GdiHandles.h"
#include "platform/objects/PropertyRegistry.h"

namespace {

[[noreturn]] void RaiseInsertError() { throw EInvalidOperation("Unable to insert an image"); }

// Copies the cell 'cell' of the list's bitmap 'listBitmap' into 'bitmap'
// (the whole picture when 'wholePicture'), through a DIB section copy: the
// list keeps its own bitmap selected, so it is never selected here.
void CopyListBitmap(HBITMAP listBitmap, const RECT& cell, bool wholePicture, TBitmap* bitmap) {
  const int width = cell.right - cell.left;
  const int height = cell.bottom - cell.top;
  TOwnedBitmap copy(listBitmap ? static_cast<HBITMAP>(::CopyImage(listBitmap, IMAGE_BITMAP, 0, 0,
                                                                  LR_CREATEDIBSECTION))
                               : nullptr);
  if (wholePicture && copy) {
    bitmap->SetHandle(copy.Release());
    return;
  }
  bitmap->SetSize(width, height);
  TCanvas* canvas = bitmap->Canvas();
  canvas->Changing();
  HDC dc = canvas->Handle();
  if (copy) {
    TMemoryDC source;
    TSelectObject select(source.Get(), copy.Get());
    ::BitBlt(dc, 0, 0, width, height, source.Get(), cell.left, cell.top, SRCCOPY);
  } else {
    ::PatBlt(dc, 0, 0, width, height, BLACKNESS);
  }
  canvas->Changed();
}

// A bitmap of the given size with 'bitmap' stretched into it.
TOwned<TBitmap> Stretched(TBitmap* bitmap, int width, int height) {
  TOwned<TBitmap> result(Create<TBitmap>());
  result->SetPixelFormat(bitmap->PixelFormat());
  result->SetSize(width, height);
  HDC dc = result->Canvas()->Handle();
  int oldMode = ::SetStretchBltMode(dc, COLORONCOLOR);
  ::StretchBlt(dc, 0, 0, width, height, bitmap->Canvas()->Handle(), 0, 0, bitmap->Width(),
               bitmap->Height(), SRCCOPY);
  ::SetStretchBltMode(dc, oldMode);
  return result;
}

} // namespace

// Holds the list's update lock; the change is announced when it ends.
class TcxImageList::TUpdateScope {
public:
  explicit TUpdateScope(TcxImageList* list) : m_list(list) { m_list->BeginUpdate(); }
  ~TUpdateScope() { m_list->EndUpdate(true); }
  TUpdateScope(const TUpdateScope&) = delete;
  TUpdateScope& operator=(const TUpdateScope&) = delete;

private:
  TcxImageList* m_list;
};

void TcxImageList::Publish(TPublisher& p) {
  p.Property("BlendColor", &TcxImageList::BlendColor, &TcxImageList::SetBlendColor)
      .Idents(ColorIdents())
      .Default(clNone);
  p.Property("BkColor", &TcxImageList::BkColor, &TcxImageList::SetBkColor)
      .Idents(ColorIdents())
      .Default(clNone);
  p.Property("DrawingStyle", &TcxImageList::DrawingStyle, &TcxImageList::SetDrawingStyle)
      .Default(TDrawingStyle::dsNormal);
  p.Property("Height", &TcxImageList::Height, &TcxImageList::SetHeight).Default(16);
  p.Property("ImageType", &TcxImageList::ImageType, &TcxImageList::SetImageType)
      .Default(TImageType::itImage);
  p.Property("ShareImages", &TcxImageList::ShareImages, &TcxImageList::SetShareImages)
      .Default(false);
  p.Property("Width", &TcxImageList::Width, &TcxImageList::SetWidth).Default(16);
  p.Property("OnChange", &TcxImageList::OnChange, &TcxImageList::SetOnChange);
}

void TcxImageList::Initialize() {
  inherited::Initialize();
  m_alphaBlending = true;
}

HIMAGELIST TcxImageList::CreateImageList() {
  HIMAGELIST handle =
      ImageList_Create(Width(), Height(), ILC_COLOR32 | ILC_MASK, AllocBy(), AllocBy());
  if (!handle)
    throw EOutOfMemory("Out of system resources");
  ImageList_SetBkColor(handle, ImageListColor(BkColor()));
  return handle;
}

void TcxImageList::Assign(TPersistent* source) {
  auto* list = dynamic_cast<TCustomImageList*>(source);
  if (!list || list == this)
    return;
  TUpdateScope update(this);
  inherited::Assign(source);
  Clear();
  CopyImages(list, 0, -1);
}

int TcxImageList::Add(TBitmap* image, TBitmap* mask) {
  if (!IsGlyphAssigned(image))
    RaiseInsertError();
  TOwnedBitmap opaqueMask;
  if (!mask) {
    // A one-bit bitmap's first contents are undefined: clear it (opaque).
    opaqueMask.Reset(::CreateBitmap(image->Width(), image->Height(), 1, 1, nullptr));
    TMemoryDC dc;
    TSelectObject select(dc.Get(), opaqueMask.Get());
    ::PatBlt(dc.Get(), 0, 0, image->Width(), image->Height(), BLACKNESS);
  }
  HBITMAP maskHandle = mask ? mask->Handle() : opaqueMask.Get();
  int index = ImageList_Add(Handle(), image->Handle(), maskHandle);
  if (index < 0)
    RaiseInsertError();
  Change();
  return index;
}

int TcxImageList::AddMasked(TBitmap* image, TColor maskColor) {
  TUpdateScope update(this);
  if (maskColor == clNone)
    return Add(image, nullptr);
  return inherited::AddMasked(image, maskColor);
}

void TcxImageList::AddImages(TCustomImageList* images) {
  if (!images)
    return;
  TUpdateScope update(this);
  CopyImages(images, 0, -1);
}

void TcxImageList::CopyImages(TCustomImageList* images, int startIndex, int endIndex) {
  if (!images || images->Count() == 0)
    return;
  TUpdateScope update(this);
  TOwned<TBitmap> image(Create<TBitmap>());
  image->SetPixelFormat(TPixelFormat::pf32bit);
  TOwned<TBitmap> mask(Create<TBitmap>());
  mask->SetPixelFormat(TPixelFormat::pf1bit);
  const int last = endIndex < 0 ? images->Count() - 1 : std::min(images->Count() - 1, endIndex);
  for (int index = std::max(startIndex, 0); index <= last; ++index) {
    if (!GetImageInfo(images->Handle(), index, image.get(), mask.get()))
      continue;
    if (image->Width() == Width() && image->Height() == Height()) {
      Add(image.get(), mask.get());
    } else {
      TOwned<TBitmap> sizedImage = Stretched(image.get(), Width(), Height());
      TOwned<TBitmap> sizedMask = Stretched(mask.get(), Width(), Height());
      Add(sizedImage.get(), sizedMask.get());
    }
  }
}

void TcxImageList::Insert(int index, TBitmap* image, TBitmap* mask) {
  if (index < 0 || index > Count())
    return;
  TUpdateScope update(this);
  Move(Add(image, mask), index);
}

void TcxImageList::InsertMasked(int index, TBitmap* image, TColor maskColor) {
  if (index < 0 || index > Count())
    return;
  TUpdateScope update(this);
  Move(AddMasked(image, maskColor), index);
}

void TcxImageList::Move(int curIndex, int newIndex) {
  if (curIndex < 0 || curIndex >= Count() || newIndex < 0 || newIndex >= Count())
    return;
  TUpdateScope update(this);
  while (curIndex != newIndex) {
    int next = curIndex < newIndex ? curIndex + 1 : curIndex - 1;
    SwapImages(curIndex, next);
    curIndex = next;
  }
}

// Wine's swapping copy (ILCF_SWAP) loses the image it should put back, so the
// two images are read out and replaced crosswise.
void TcxImageList::SwapImages(int index1, int index2) {
  TOwned<TBitmap> image1(Create<TBitmap>());
  TOwned<TBitmap> mask1(Create<TBitmap>());
  TOwned<TBitmap> image2(Create<TBitmap>());
  TOwned<TBitmap> mask2(Create<TBitmap>());
  for (TBitmap* image : {image1.get(), image2.get()})
    image->SetPixelFormat(TPixelFormat::pf32bit);
  for (TBitmap* mask : {mask1.get(), mask2.get()})
    mask->SetPixelFormat(TPixelFormat::pf1bit);
  GetImageInfo(Handle(), index1, image1.get(), mask1.get());
  GetImageInfo(Handle(), index2, image2.get(), mask2.get());
  ImageList_Replace(Handle(), index1, image2->Handle(), mask2->Handle());
  ImageList_Replace(Handle(), index2, image1->Handle(), mask1->Handle());
}

bool TcxImageList::Replace(int index, TBitmap* image, TBitmap* mask) {
  bool result = ImageList_Replace(Handle(), index, GetImageHandle(image), GetImageHandle(mask));
  Change();
  return result;
}

void TcxImageList::ReplaceMasked(int index, TBitmap* image, TColor maskColor) {
  TUpdateScope update(this);
  ImageList_Remove(Handle(), index);
  InsertMasked(index, image, maskColor);
}

void TcxImageList::EndUpdate(bool forceUpdate) {
  if (m_lockCount <= 0)
    return;
  --m_lockCount;
  if (forceUpdate)
    Change();
}

void TcxImageList::Change() {
  if (!ChangeLocked())
    inherited::Change();
}

void TcxImageList::Draw(TCanvas* canvas, const TRect& r, int index, bool stretch, bool smoothResize,
                        bool enabled) {
  static constexpr UINT kStyles[] = {ILD_FOCUS, ILD_SELECTED, ILD_NORMAL, ILD_TRANSPARENT};
  UINT style = kStyles[static_cast<int>(DrawingStyle())] |
               (ImageType() == TImageType::itMask ? ILD_MASK : 0);
  DoDrawEx(index, canvas, r, style, stretch, smoothResize, enabled);
}

void TcxImageList::DoDrawEx(int index, TCanvas* canvas, const TRect& r, UINT, bool stretch,
                            bool smoothResize, bool enabled) {
  const TRect imageRect = stretch ? r : cxRectCenter(r, Width(), Height());
  canvas->Changing();
  cxDrawImage(canvas->Handle(), imageRect, r, nullptr, this, index,
              enabled ? TcxImageDrawMode::idmNormal : TcxImageDrawMode::idmDisabled, smoothResize,
              nullptr, clNone, true);
  canvas->Changed();
}

void TcxImageList::DoDraw(int index, TCanvas* canvas, int x, int y, UINT style, bool enabled) {
  if (!m_alphaBlending) {
    inherited::DoDraw(index, canvas, x, y, style, enabled);
    return;
  }
  DoDrawEx(index, canvas, Bounds(x, y, Width(), Height()), style, false, false, enabled);
}

bool TcxImageList::GetImageInfo(int index, TBitmap* image, TBitmap* mask) {
  return GetImageInfo(Handle(), index, image, mask);
}

bool TcxImageList::GetImageInfo(HIMAGELIST imageList, int index, TBitmap* image, TBitmap* mask) {
  IMAGEINFO info{};
  if (!imageList || !ImageList_GetImageInfo(imageList, index == -1 ? 0 : index, &info))
    return false;
  const bool wholePicture = index == -1;
  if (mask)
    CopyListBitmap(info.hbmMask, info.rcImage, wholePicture, mask);
  if (image)
    CopyListBitmap(info.hbmImage, info.rcImage, wholePicture, image);
  return true;
}

TSize TcxImageList::GetSize(HIMAGELIST imageList) {
  int width = 0;
  int height = 0;
  ImageList_GetIconSize(imageList, &width, &height);
  return {width, height};
}

HBITMAP TcxImageList::GetImageHandle(TBitmap* bitmap) {
  return bitmap ? bitmap->Handle() : nullptr;
}
