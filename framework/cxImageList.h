// The library's image list: 32-bit colour with a mask, drawn through
// cxDrawImage (alpha blended, stretched, smoothly resized or disabled the
// library's way), with its change notifications batched by an update lock;
// and the class-level reading of an image and its mask out of any image list.
//
// Classes in this file: TcxImageList.
#pragma once

#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/ImageLists.h"
#include "platform/rtl/Types.h"

class TcxImageList : public TDragImageList {
  OBJECT_CLASS(TcxImageList, TDragImageList)
public:
  static void Publish(TPublisher& publisher);

  using TDragImageList::Draw;
  using TDragImageList::TDragImageList;

  // Copies the settings, then the images one by one (each made this list's
  // size). Sources that are not image lists are ignored.
  void Assign(TPersistent* source) override;

  // Adds 'image' with 'mask' (nil: fully opaque); answers the new index.
  // EInvalidOperation "Unable to insert an image" without an image.
  int Add(TBitmap* image, TBitmap* mask);
  // Adds 'image' masked by 'maskColor' (clNone: fully opaque, clDefault: its
  // bottom-left colour).
  int AddMasked(TBitmap* image, TColor maskColor);
  void AddImages(TCustomImageList* images);
  // Appends images startIndex..endIndex of 'images' (endIndex < 0: to the
  // last), each stretched to this list's size when the sizes differ.
  void CopyImages(TCustomImageList* images, int startIndex = 0, int endIndex = -1);
  // Nothing when index is outside 0..Count.
  void Insert(int index, TBitmap* image, TBitmap* mask);
  void InsertMasked(int index, TBitmap* image, TColor maskColor);
  // Moves an image by swapping it with its neighbours until it arrives;
  // indexes outside the list change nothing.
  void Move(int curIndex, int newIndex);
  bool Replace(int index, TBitmap* image, TBitmap* mask);
  void ReplaceMasked(int index, TBitmap* image, TColor maskColor);

  void BeginUpdate() { ++m_lockCount; }
  // Unlocks once; with 'forceUpdate' announces the change.
  void EndUpdate(bool forceUpdate = true);
  bool ChangeLocked() const { return m_lockCount > 0; }

  // Draws image 'index' into r: stretched to it, or centred in it.
  void Draw(TCanvas* canvas, const TRect& r, int index, bool stretch = false,
            bool smoothResize = false, bool enabled = true);

  bool GetImageInfo(int index, TBitmap* image, TBitmap* mask);
  bool GetImage(int index, TBitmap* image) { return GetImageInfo(index, image, nullptr); }
  bool GetMask(int index, TBitmap* mask) { return GetImageInfo(index, nullptr, mask); }
  // Copies image 'index' (-1: the list's whole picture) and its mask out of
  // any platform image list into the bitmaps given (either may be nil);
  // false when the list has no such image. The list's own bitmaps are only
  // read.
  static bool GetImageInfo(HIMAGELIST imageList, int index, TBitmap* image, TBitmap* mask);
  static TSize GetSize(HIMAGELIST imageList);
  static HBITMAP GetImageHandle(TBitmap* bitmap);

protected:
  void Initialize() override;
  HIMAGELIST CreateImageList() override;
  void DoDraw(int index, TCanvas* canvas, int x, int y, UINT style, bool enabled) override;
  void Change() override;
  // The drawing style is not used: cxDrawImage draws every image the same way.
  void DoDrawEx(int index, TCanvas* canvas, const TRect& r, UINT style, bool stretch,
                bool smoothResize, bool enabled);

private:
  class TUpdateScope;

  void SwapImages(int index1, int index2);

  bool m_alphaBlending = false;
  int m_lockCount = 0;
};
