#include "platform/graphics/ImageLists.h"

#include <algorithm>
#include <utility>

#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GdiHandles.h"
#include "platform/graphics/Icons.h"

namespace {

// Where the source (a monochrome mask) is black, the pattern; where it is
// white, the destination stays.
constexpr DWORD kPaintWhereMaskBlack = 0x00B8074A;

[[noreturn]] void RaiseInsertError() {
  throw EInvalidOperation("Unable to insert an image");
}

} // namespace

COLORREF ImageListColor(TColor color) {
  if (color == clNone)
    return CLR_NONE;
  if (color == clDefault)
    return CLR_DEFAULT;
  return static_cast<COLORREF>(ColorToRGB(color)) & 0xFFFFFF;
}

// ---------------------------------------------------------------- TChangeLink

TChangeLink::~TChangeLink() {
  if (m_sender)
    m_sender->UnRegisterChanges(this);
}

void TChangeLink::Change() {
  if (m_onChange)
    m_onChange(m_sender);
}

// ---------------------------------------------------------------- TCustomImageList

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}

TCustomImageList::~TCustomImageList() {
  for (TChangeLink* link : m_links)
    link->SetSender(nullptr);
  FreeHandle();
}

void TCustomImageList::AfterConstruction() {
  inherited::AfterConstruction();
  Initialize();
}

void TCustomImageList::Initialize() {
  m_width = 16;
  m_height = 16;
  m_allocBy = 4;
  m_bkColor = clNone;
  m_blendColor = clNone;
  m_drawingStyle = TDrawingStyle::dsNormal;
  m_imageType = TImageType::itImage;
  m_masked = true;
}

void TCustomImageList::Assign(TPersistent* source) {
  auto* list = dynamic_cast<TCustomImageList*>(source);
  if (!list) {
    inherited::Assign(source);
    return;
  }
  if (list == this)
    return;
  FreeHandle();
  m_width = list->m_width;
  m_height = list->m_height;
  m_allocBy = list->m_allocBy;
  m_bkColor = list->m_bkColor;
  m_blendColor = list->m_blendColor;
  m_drawingStyle = list->m_drawingStyle;
  m_imageType = list->m_imageType;
  m_masked = list->m_masked;
  if (list->HandleAllocated())
    m_handle = ImageList_Duplicate(list->m_handle);
  Change();
}

HIMAGELIST TCustomImageList::CreateImageList() {
  UINT flags = ILC_COLOR32 | (m_masked ? ILC_MASK : 0);
  HIMAGELIST handle = ImageList_Create(m_width, m_height, flags, 0, m_allocBy);
  if (!handle)
    throw EOutOfMemory("Out of system resources");
  ImageList_SetBkColor(handle, ImageListColor(m_bkColor));
  return handle;
}

HIMAGELIST TCustomImageList::Handle() {
  if (!m_handle)
    m_handle = CreateImageList();
  return m_handle;
}

void TCustomImageList::SetHandle(HIMAGELIST handle) {
  FreeHandle();
  m_handle = handle;
  if (handle) {
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(handle, &width, &height);
    m_width = width;
    m_height = height;
    m_bkColor = ImageList_GetBkColor(handle) == CLR_NONE ? clNone : m_bkColor;
  }
  Change();
}

void TCustomImageList::FreeHandle() {
  HIMAGELIST handle = std::exchange(m_handle, nullptr);
  if (handle && !m_shareImages)
    ImageList_Destroy(handle);
}

void TCustomImageList::Recreate() {
  FreeHandle();
  Change();
}

void TCustomImageList::SetSize(int width, int height) {
  if (width <= 0 || height <= 0)
    throw EInvalidOperation("Invalid image size");
  if (width == m_width && height == m_height)
    return;
  m_width = width;
  m_height = height;
  Recreate();
}

void TCustomImageList::SetAllocBy(int allocBy) {
  m_allocBy = std::max(allocBy, 1);
}

int TCustomImageList::Count() const {
  return m_handle ? ImageList_GetImageCount(m_handle) : 0;
}

void TCustomImageList::CheckIndex(int index) const {
  if (index < 0 || index >= Count())
    throw EInvalidOperation("Invalid ImageList Index");
}

int TCustomImageList::Add(TBitmap* image, TBitmap* mask) {
  if (!image || image->Empty())
    RaiseInsertError();
  HBITMAP maskHandle = mask && !mask->Empty() ? mask->Handle() : nullptr;
  int index = ImageList_Add(Handle(), image->Handle(), maskHandle);
  if (index < 0)
    RaiseInsertError();
  Change();
  return index;
}

int TCustomImageList::AddMasked(TBitmap* image, TColor maskColor) {
  if (!image || image->Empty())
    RaiseInsertError();
  if (maskColor == clNone)
    return Add(image, nullptr);
  if (maskColor == clDefault)
    maskColor = image->Canvas()->Pixels(0, image->Height() - 1);
  // The platform may blacken the masked pixels of the bitmap it is given.
  TOwnedBitmap copy(ConvertBitmap(image->Handle(), image->Width(), image->Height(),
                                  TPixelFormat::pf32bit));
  COLORREF color = static_cast<COLORREF>(ColorToRGB(maskColor)) & 0xFFFFFF;
  int index = ImageList_AddMasked(Handle(), copy.Get(), color);
  if (index < 0)
    RaiseInsertError();
  Change();
  return index;
}

int TCustomImageList::AddIcon(TIcon* icon) {
  if (!icon || icon->Empty())
    RaiseInsertError();
  int index = ImageList_ReplaceIcon(Handle(), -1, icon->Handle());
  if (index < 0)
    RaiseInsertError();
  Change();
  return index;
}

void TCustomImageList::Replace(int index, TBitmap* image, TBitmap* mask) {
  CheckIndex(index);
  if (!image || image->Empty())
    throw EInvalidOperation("Unable to replace an image");
  HBITMAP maskHandle = mask && !mask->Empty() ? mask->Handle() : nullptr;
  if (!ImageList_Replace(m_handle, index, image->Handle(), maskHandle))
    throw EInvalidOperation("Unable to replace an image");
  Change();
}

// Adds the new image masked at the end, copies it over 'index' and removes
// the added one.
void TCustomImageList::ReplaceMasked(int index, TBitmap* image, TColor maskColor) {
  CheckIndex(index);
  int count = Count();
  int added = AddMasked(image, maskColor);
  ImageList_Copy(m_handle, index, m_handle, added, ILCF_MOVE);
  while (Count() > count)
    ImageList_Remove(m_handle, Count() - 1);
  Change();
}

void TCustomImageList::Delete(int index) {
  CheckIndex(index);
  ImageList_Remove(m_handle, index);
  Change();
}

void TCustomImageList::Clear() {
  if (m_handle)
    ImageList_Remove(m_handle, -1);
  Change();
}

void TCustomImageList::Draw(TCanvas* canvas, int x, int y, int index, bool enabled) {
  Draw(canvas, x, y, index, m_drawingStyle, m_imageType, enabled);
}

void TCustomImageList::Draw(TCanvas* canvas, int x, int y, int index, TDrawingStyle style,
                            TImageType type, bool enabled) {
  static constexpr UINT kStyles[] = {ILD_FOCUS, ILD_SELECTED, ILD_NORMAL, ILD_TRANSPARENT};
  if (!m_handle || index < 0 || index >= Count())
    return;
  UINT flags = kStyles[static_cast<int>(style)] | (type == TImageType::itMask ? ILD_MASK : 0);
  DoDraw(index, canvas, x, y, flags, enabled);
}

void TCustomImageList::DoDraw(int index, TCanvas* canvas, int x, int y, UINT style,
                              bool enabled) {
  canvas->Changing();
  if (enabled) {
    ImageList_DrawEx(m_handle, index, canvas->Handle(), x, y, 0, 0, ImageListColor(m_bkColor),
                     ImageListColor(m_blendColor), style);
  } else {
    DrawDisabled(index, canvas, x, y);
  }
  canvas->Changed();
}

void TCustomImageList::DrawDisabled(int index, TCanvas* canvas, int x, int y) {
  TOwnedBitmap mask(::CreateBitmap(m_width, m_height, 1, 1, nullptr));
  TMemoryDC maskDC;
  TSelectObject selectMask(maskDC.Get(), mask.Get());
  ::PatBlt(maskDC.Get(), 0, 0, m_width, m_height, WHITENESS);
  ImageList_Draw(m_handle, index, maskDC.Get(), 0, 0, ILD_MASK);
  HDC dc = canvas->Handle();
  COLORREF oldText = ::SetTextColor(dc, RGB(0, 0, 0));
  COLORREF oldBack = ::SetBkColor(dc, RGB(255, 255, 255));
  const struct {
    TColor color;
    int offset;
  } layers[] = {{clBtnHighlight, 1}, {clBtnShadow, 0}};
  for (const auto& layer : layers) {
    TOwnedBrush brush(::CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(layer.color))));
    TSelectObject selectBrush(dc, brush.Get());
    ::BitBlt(dc, x + layer.offset, y + layer.offset, m_width, m_height, maskDC.Get(), 0, 0,
             kPaintWhereMaskBlack);
  }
  ::SetTextColor(dc, oldText);
  ::SetBkColor(dc, oldBack);
}

void TCustomImageList::GetBitmap(int index, TBitmap* image) {
  if (!image)
    return;
  image->SetSize(m_width, m_height);
  Draw(image->Canvas(), 0, 0, index);
}

void TCustomImageList::SetBkColor(TColor color) {
  if (color == m_bkColor)
    return;
  m_bkColor = color;
  if (m_handle)
    ImageList_SetBkColor(m_handle, ImageListColor(color));
  Change();
}

void TCustomImageList::SetBlendColor(TColor color) {
  if (color == m_blendColor)
    return;
  m_blendColor = color;
  Change();
}

void TCustomImageList::SetDrawingStyle(TDrawingStyle style) {
  if (style == m_drawingStyle)
    return;
  m_drawingStyle = style;
  Change();
}

void TCustomImageList::SetImageType(TImageType type) {
  if (type == m_imageType)
    return;
  m_imageType = type;
  Change();
}

void TCustomImageList::SetMasked(bool masked) {
  if (masked == m_masked)
    return;
  m_masked = masked;
  Recreate();
}

void TCustomImageList::RegisterChanges(TChangeLink* link) {
  if (!link || std::find(m_links.begin(), m_links.end(), link) != m_links.end())
    return;
  link->SetSender(this);
  m_links.push_back(link);
}

void TCustomImageList::UnRegisterChanges(TChangeLink* link) {
  auto found = std::find(m_links.begin(), m_links.end(), link);
  if (found == m_links.end())
    return;
  m_links.erase(found);
  link->SetSender(nullptr);
}

void TCustomImageList::Change() {
  std::vector<TChangeLink*> links = m_links;
  for (TChangeLink* link : links)
    link->Change();
  if (m_onChange)
    m_onChange(this);
}

// ---------------------------------------------------------------- TImageList

TDragImageList::~TDragImageList() { EndDrag(); }

void TDragImageList::SetDragImage(int index, int hotSpotX, int hotSpotY) {
  m_dragIndex = index;
  m_dragHotspot = {hotSpotX, hotSpotY};
}

bool TDragImageList::BeginDrag(HWND window, int x, int y) {
  EndDrag();
  if (m_dragIndex < 0 || m_dragIndex >= Count())
    return false;
  if (!::ImageList_BeginDrag(Handle(), m_dragIndex, m_dragHotspot.X, m_dragHotspot.Y))
    return false;
  m_dragWindow = window;
  ::ImageList_DragEnter(window, x, y);
  return true;
}

void TDragImageList::DragMove(int x, int y) {
  if (Dragging())
    ::ImageList_DragMove(x, y);
}

void TDragImageList::HideDragImage() {
  if (Dragging())
    ::ImageList_DragShowNolock(FALSE);
}

void TDragImageList::ShowDragImage() {
  if (Dragging())
    ::ImageList_DragShowNolock(TRUE);
}

void TDragImageList::EndDrag() {
  if (!Dragging())
    return;
  ::ImageList_DragLeave(std::exchange(m_dragWindow, nullptr));
  ::ImageList_EndDrag();
}

void TImageList::Publish(TPublisher& p) {
  p.Property("AllocBy", &TImageList::AllocBy, &TImageList::SetAllocBy).Default(4);
  p.Property("BkColor", &TImageList::BkColor, &TImageList::SetBkColor)
      .Idents(ColorIdents())
      .Default(clNone);
  p.Property("BlendColor", &TImageList::BlendColor, &TImageList::SetBlendColor)
      .Idents(ColorIdents())
      .Default(clNone);
  p.Property("DrawingStyle", &TImageList::DrawingStyle, &TImageList::SetDrawingStyle)
      .Default(TDrawingStyle::dsNormal);
  p.Property("Height", &TImageList::Height, &TImageList::SetHeight).Default(16);
  p.Property("ImageType", &TImageList::ImageType, &TImageList::SetImageType)
      .Default(TImageType::itImage);
  p.Property("Masked", &TImageList::Masked, &TImageList::SetMasked).Default(true);
  p.Property("ShareImages", &TImageList::ShareImages, &TImageList::SetShareImages)
      .Default(false);
  p.Property("Width", &TImageList::Width, &TImageList::SetWidth).Default(16);
  p.Property("OnChange", &TImageList::OnChange, &TImageList::SetOnChange);
}
