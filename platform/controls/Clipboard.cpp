#include "platform/controls/Clipboard.h"

#include <cstring>

#include "platform/controls/Timers.h"
#include "platform/rtl/WideText.h"

namespace {

// Opening may fail for a moment while another program holds the clipboard.
constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenRetryDelay = 10;

TClipboard* g_clipboard = nullptr;

} // namespace

TClipboard::TClipboard()
    : m_window(AllocateHWnd(TWndMethod([this](TMessage& message) {
        message.Result = ::DefWindowProcW(m_window, message.Msg, message.WParam, message.LParam);
      }))) {}

TClipboard::~TClipboard() {
  if (m_openCount > 0)
    ::CloseClipboard();
  DeallocateHWnd(m_window);
}

void TClipboard::Open() {
  if (m_openCount == 0) {
    bool opened = false;
    for (int attempt = 0; attempt < kOpenAttempts && !opened; ++attempt) {
      opened = ::OpenClipboard(m_window) != FALSE;
      if (!opened)
        ::Sleep(kOpenRetryDelay);
    }
    if (!opened)
      throw EInvalidOperation("Cannot open clipboard");
    m_emptied = false;
  }
  ++m_openCount;
}

void TClipboard::Close() {
  if (m_openCount == 0)
    return;
  if (--m_openCount == 0)
    ::CloseClipboard();
}

void TClipboard::Clear() {
  Open();
  ::EmptyClipboard();
  m_emptied = true;
  Close();
}

bool TClipboard::HasFormat(UINT format) const { return ::IsClipboardFormatAvailable(format); }

std::u16string TClipboard::AsWideText() {
  Open();
  std::u16string text;
  if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* wide = static_cast<const char16_t*>(::GlobalLock(data))) {
      text = wide;
      ::GlobalUnlock(data);
    }
  }
  Close();
  return text;
}

std::string TClipboard::AsText() { return WideToAnsi(AsWideText()); }

void TClipboard::SetAsText(const std::string& text) {
  const std::u16string wide = AnsiToWide(text);
  const std::size_t bytes = (wide.size() + 1) * sizeof(char16_t);
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory)
    throw EOutOfMemory("Out of memory");
  std::memcpy(::GlobalLock(memory), wide.c_str(), bytes);
  ::GlobalUnlock(memory);
  Open();
  if (!m_emptied) {
    ::EmptyClipboard();
    m_emptied = true;
  }
  if (!::SetClipboardData(CF_UNICODETEXT, memory))
    ::GlobalFree(memory);
  Close();
}

TClipboard* Clipboard() {
  if (!g_clipboard)
    g_clipboard = new TClipboard();
  return g_clipboard;
}

void FreeClipboard() {
  delete g_clipboard;
  g_clipboard = nullptr;
}
