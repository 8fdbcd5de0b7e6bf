#include "platform/controls/InputMethods.h"

#include <algorithm>
#include <vector>

#include "platform/rtl/AnsiStrings.h"
#include "platform/rtl/WideText.h"

namespace {

// The window's input context, released again when done.
class TInputContext {
public:
  explicit TInputContext(HWND window) : m_window(window), m_context(::ImmGetContext(window)) {}
  ~TInputContext() {
    if (m_context)
      ::ImmReleaseContext(m_window, m_context);
  }
  TInputContext(const TInputContext&) = delete;
  TInputContext& operator=(const TInputContext&) = delete;

  HIMC Handle() const { return m_context; }

private:
  HWND m_window;
  HIMC m_context;
};

void AttachDefaultContext(HWND window) {
  if (!TInputContext(window).Handle())
    ::ImmAssociateContextEx(window, nullptr, IACE_DEFAULT);
}

std::vector<HKL> InstalledLayouts() {
  std::vector<HKL> layouts(static_cast<std::size_t>(::GetKeyboardLayoutList(0, nullptr)));
  const int count = ::GetKeyboardLayoutList(static_cast<int>(layouts.size()), layouts.data());
  layouts.resize(static_cast<std::size_t>(std::max(count, 0)));
  return layouts;
}

std::string ImeDescription(HKL layout) {
  if (!::ImmIsIME(layout))
    return {};
  std::u16string text(::ImmGetDescriptionW(layout, nullptr, 0), u'\0');
  if (text.empty())
    return {};
  const UINT length = ::ImmGetDescriptionW(layout, reinterpret_cast<LPWSTR>(text.data()),
                                           static_cast<UINT>(text.size() + 1));
  text.resize(length);
  return WideToAnsi(text);
}

} // namespace

void ApplyImeMode(HWND window, TImeMode mode) {
  if (mode == TImeMode::imDisable) {
    ::ImmAssociateContext(window, nullptr);
    return;
  }
  AttachDefaultContext(window);
  if (mode == TImeMode::imDontCare)
    return;
  const TInputContext context(window);
  if (context.Handle())
    ::ImmSetOpenStatus(context.Handle(), mode != TImeMode::imClose);
}

HKL FindImeLayout(const TImeName& name) {
  if (name.empty())
    return nullptr;
  for (HKL layout : InstalledLayouts())
    if (SameText(ImeDescription(layout), name))
      return layout;
  return nullptr;
}

void ActivateImeByName(const TImeName& name) {
  if (HKL layout = FindImeLayout(name); layout && layout != ::GetKeyboardLayout(0))
    ::ActivateKeyboardLayout(layout, 0);
}
