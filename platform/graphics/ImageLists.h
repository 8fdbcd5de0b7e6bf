// Image lists over the platform's (comctl32) image lists: images of one size
// kept together, each with its mask, drawn by index.
//
// Classes in this file: TChangeLink, TCustomImageList, TDragImageList,
// TImageList.
#pragma once

#include <vector>

#include "platform/graphics/Colors.h"
#include "platform/objects/Components.h"
#include "platform/objects/Events.h"
#include "platform/objects/PropertyRegistry.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/WinApi.h"

#include <commctrl.h>

class TBitmap;
class TCanvas;
class TCustomImageList;
class TIcon;

enum class TDrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };
enum class TImageType { itImage, itMask };
ENUM_NAMES(TDrawingStyle, "dsFocus", "dsSelected", "dsNormal", "dsTransparent");
ENUM_NAMES(TImageType, "itImage", "itMask");

// A listener of one image list's changes; it leaves the list when freed.
class TChangeLink : public TObject {
  OBJECT_CLASS(TChangeLink, TObject)
public:
  ~TChangeLink() override;

  TCustomImageList* Sender() const { return m_sender; }
  void SetSender(TCustomImageList* sender) { m_sender = sender; }
  const TNotifyEvent& OnChange() const { return m_onChange; }
  void SetOnChange(TNotifyEvent handler) { m_onChange = std::move(handler); }
  // Calls OnChange with the list.
  virtual void Change();

private:
  TCustomImageList* m_sender = nullptr;
  TNotifyEvent m_onChange;
};

// The list is made in two phases: the constructor, then Initialize (virtual,
// run from AfterConstruction so that a descendant's override is reached),
// which sets the defaults. The platform list itself is made on first need.
class TCustomImageList : public TComponent {
  OBJECT_CLASS(TCustomImageList, TComponent)
public:
  explicit TCustomImageList(TComponent* owner);
  ~TCustomImageList() override;

  void AfterConstruction() override;
  // Copies the size, settings and images of another image list.
  void Assign(TPersistent* source) override;

  // The platform list, made when first needed.
  HIMAGELIST Handle();
  bool HandleAllocated() const { return m_handle != nullptr; }
  // Uses 'handle' from now on (owned unless ShareImages) and takes its size.
  void SetHandle(HIMAGELIST handle);

  int Width() const { return m_width; }
  int Height() const { return m_height; }
  // A new size empties the list.
  void SetWidth(int width) { SetSize(width, m_height); }
  void SetHeight(int height) { SetSize(m_width, height); }
  void SetSize(int width, int height);
  int AllocBy() const { return m_allocBy; }
  void SetAllocBy(int allocBy);
  int Count() const;

  // Adds the images of 'image' (one per Width across) with 'mask' (nil:
  // none); answers the index of the first. EInvalidOperation "Unable to
  // insert an image" when the platform refuses.
  int Add(TBitmap* image, TBitmap* mask);
  // The same, masking out 'maskColor' (clDefault: the bottom-left pixel;
  // clNone: nothing). The image itself is left as it was.
  int AddMasked(TBitmap* image, TColor maskColor);
  int AddIcon(TIcon* icon);
  // EInvalidOperation "Invalid ImageList Index" for an index out of range.
  void Replace(int index, TBitmap* image, TBitmap* mask);
  void ReplaceMasked(int index, TBitmap* image, TColor maskColor);
  void Delete(int index);
  void Clear();

  // Draws image 'index' at (x, y). Disabled, the image's shape (the pixels
  // its mask leaves opaque) is drawn embossed: in clBtnHighlight one pixel
  // down and right, then in clBtnShadow in place; its colours are not drawn.
  void Draw(TCanvas* canvas, int x, int y, int index, bool enabled = true);
  void Draw(TCanvas* canvas, int x, int y, int index, TDrawingStyle style, TImageType type,
            bool enabled = true);
  // Makes 'image' the list's size and draws image 'index' into it.
  void GetBitmap(int index, TBitmap* image);

  TColor BkColor() const { return m_bkColor; }
  void SetBkColor(TColor color);
  TColor BlendColor() const { return m_blendColor; }
  void SetBlendColor(TColor color);
  TDrawingStyle DrawingStyle() const { return m_drawingStyle; }
  void SetDrawingStyle(TDrawingStyle style);
  TImageType ImageType() const { return m_imageType; }
  void SetImageType(TImageType type);
  // Whether images carry masks; changing it empties the list.
  bool Masked() const { return m_masked; }
  void SetMasked(bool masked);
  // Whether the platform list belongs to someone else (never destroyed here).
  bool ShareImages() const { return m_shareImages; }
  void SetShareImages(bool share) { m_shareImages = share; }

  const TNotifyEvent& OnChange() const { return m_onChange; }
  void SetOnChange(TNotifyEvent handler) { m_onChange = std::move(handler); }
  void RegisterChanges(TChangeLink* link);
  void UnRegisterChanges(TChangeLink* link);

protected:
  // Sets the defaults: 16 x 16, masked, no background or blend colour,
  // normal drawing of the image.
  virtual void Initialize();
  virtual void DoDraw(int index, TCanvas* canvas, int x, int y, UINT style, bool enabled);
  // Tells the change links, then OnChange.
  virtual void Change();
  // Makes the platform list of the current size and settings.
  virtual HIMAGELIST CreateImageList();
  void CheckIndex(int index) const;

private:
  void FreeHandle();
  void Recreate();
  void DrawDisabled(int index, TCanvas* canvas, int x, int y);

  HIMAGELIST m_handle = nullptr;
  int m_width = 16;
  int m_height = 16;
  int m_allocBy = 4;
  TColor m_bkColor = clNone;
  TColor m_blendColor = clNone;
  TDrawingStyle m_drawingStyle = TDrawingStyle::dsNormal;
  TImageType m_imageType = TImageType::itImage;
  bool m_masked = true;
  bool m_shareImages = false;
  TNotifyEvent m_onChange;
  std::vector<TChangeLink*> m_links;
};

// An image list that can serve as a drag image: one of its images follows
// the mouse, drawn by the platform over a window (the desktop for a drag
// across windows), the hot spot at the cursor.
class TDragImageList : public TCustomImageList {
  OBJECT_CLASS(TDragImageList, TCustomImageList)
public:
  using TCustomImageList::TCustomImageList;
  ~TDragImageList() override;

  // Which image is dragged and which of its points sits at the cursor.
  int DragIndex() const { return m_dragIndex; }
  TPoint DragHotspot() const { return m_dragHotspot; }
  void SetDragImage(int index, int hotSpotX, int hotSpotY);
  bool Dragging() const { return m_dragWindow != nullptr; }

  // Shows the image over 'window' at (x, y), relative to the window's
  // top-left corner; false when the list has no such image.
  bool BeginDrag(HWND window, int x, int y);
  void DragMove(int x, int y);
  void HideDragImage();
  void ShowDragImage();
  void EndDrag();

private:
  int m_dragIndex = 0;
  TPoint m_dragHotspot{};
  HWND m_dragWindow = nullptr;
};

class TImageList : public TDragImageList {
  OBJECT_CLASS(TImageList, TDragImageList)
public:
  static void Publish(TPublisher& publisher);

  using TDragImageList::TDragImageList;
};

// The platform's colour value for an image-list colour: CLR_NONE for clNone,
// CLR_DEFAULT for clDefault, the RGB value otherwise.
COLORREF ImageListColor(TColor color);
