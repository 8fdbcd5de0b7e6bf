#include "platform/graphics/Icons.h"

#include <utility>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/GdiHandles.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/WideText.h"

TIcon::~TIcon() {
  if (m_handle)
    ::DestroyIcon(m_handle);
}

void TIcon::Assign(TPersistent* source) {
  if (!source) {
    Replace(nullptr);
    Changed(this);
    return;
  }
  auto* icon = dynamic_cast<TIcon*>(source);
  if (!icon) {
    inherited::Assign(source);
    return;
  }
  if (icon == this)
    return;
  Replace(icon->m_handle ? ::CopyIcon(icon->m_handle) : nullptr);
  Changed(this);
}

void TIcon::SetWidth(int width) {
  if (width != m_width)
    throw EInvalidGraphicOperation("Cannot change the size of an icon");
}

void TIcon::SetHeight(int height) {
  if (height != m_height)
    throw EInvalidGraphicOperation("Cannot change the size of an icon");
}

void TIcon::SetHandle(HICON handle) {
  Replace(handle);
  Changed(this);
}

HICON TIcon::ReleaseHandle() {
  HICON handle = std::exchange(m_handle, nullptr);
  m_width = 0;
  m_height = 0;
  return handle;
}

void TIcon::LoadFromResourceName(HINSTANCE instance, const std::string& name) {
  std::u16string wide = AnsiToWide(name);
  Load(instance, WidePtr(wide), name);
}

void TIcon::LoadFromResourceID(HINSTANCE instance, int id) {
  Load(instance, MAKEINTRESOURCEW(id), std::to_string(id));
}

void TIcon::Load(HINSTANCE instance, const WCHAR* name, const std::string& shownName) {
  if (!instance)
    instance = ::GetModuleHandleW(nullptr);
  auto handle = static_cast<HICON>(::LoadImageW(instance, name, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
  if (!handle)
    throw EResNotFound("Resource " + shownName + " not found");
  SetHandle(handle);
}

void TIcon::Draw(TCanvas* canvas, const TRect& rect) {
  ::DrawIconEx(canvas->Handle(), rect.Left, rect.Top, m_handle, rect.Right - rect.Left,
               rect.Bottom - rect.Top, 0, nullptr, DI_NORMAL);
}

// Takes the size from the icon's colour bitmap (its mask for a monochrome
// icon, which holds the AND and XOR halves one above the other).
void TIcon::Replace(HICON handle) {
  if (m_handle && m_handle != handle)
    ::DestroyIcon(m_handle);
  m_handle = handle;
  m_width = 0;
  m_height = 0;
  ICONINFO info{};
  if (!handle || !::GetIconInfo(handle, &info))
    return;
  TOwnedBitmap color(info.hbmColor);
  TOwnedBitmap mask(info.hbmMask);
  BITMAP bitmap{};
  if (color && ::GetObjectW(color.Get(), sizeof(bitmap), &bitmap)) {
    m_width = bitmap.bmWidth;
    m_height = bitmap.bmHeight;
  } else if (mask && ::GetObjectW(mask.Get(), sizeof(bitmap), &bitmap)) {
    m_width = bitmap.bmWidth;
    m_height = bitmap.bmHeight / 2;
  }
}
