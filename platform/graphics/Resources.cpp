#include "platform/graphics/Resources.h"

#include "platform/graphics/Graphic.h"
#include "platform/rtl/WideText.h"

HINSTANCE MainInstance() {
  return ::GetModuleHandleW(nullptr);
}

HCURSOR LoadCursorResource(HINSTANCE instance, const std::string& name) {
  std::u16string wide = AnsiToWide(name);
  auto cursor = static_cast<HCURSOR>(::LoadImageW(instance ? instance : MainInstance(),
                                                  WidePtr(wide), IMAGE_CURSOR, 0, 0,
                                                  LR_DEFAULTSIZE));
  if (!cursor)
    throw EResNotFound("Resource " + name + " not found");
  return cursor;
}

// With a zero buffer size, LoadStringW answers a pointer to the text inside
// the resource itself, and its length.
std::string LoadStr(HINSTANCE instance, int id) {
  const WCHAR* text = nullptr;
  int length = ::LoadStringW(instance ? instance : MainInstance(), static_cast<UINT>(id),
                             reinterpret_cast<WCHAR*>(&text), 0);
  if (length <= 0 || !text)
    return {};
  return WideToAnsi(std::u16string_view(reinterpret_cast<const char16_t*>(text),
                                        static_cast<std::size_t>(length)));
}
