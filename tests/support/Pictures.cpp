#include "tests/support/Pictures.h"

#include <array>
#include <cstdint>

#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/GdiHandles.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/WideText.h"

namespace {

constexpr std::size_t kStoredBlockLimit = 65535;

std::uint32_t Crc32(const std::string& data, std::size_t from) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k)
        c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = from; i < data.size(); ++i)
    crc = table[(crc ^ static_cast<unsigned char>(data[i])) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(const std::string& data) {
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (unsigned char byte : data) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

void PutBigEndian(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void PutChunk(std::string& out, const char* type, const std::string& data) {
  PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
  std::size_t start = out.size();
  out.append(type, 4);
  out += data;
  PutBigEndian(out, Crc32(out, start));
}

// A zlib stream of stored deflate blocks.
std::string StoredZlib(const std::string& raw) {
  std::string out = "\x78\x01";
  std::size_t offset = 0;
  do {
    std::size_t length = std::min(kStoredBlockLimit, raw.size() - offset);
    bool last = offset + length == raw.size();
    out.push_back(last ? 1 : 0);
    out.push_back(static_cast<char>(length & 0xFF));
    out.push_back(static_cast<char>(length >> 8));
    out.push_back(static_cast<char>(~length & 0xFF));
    out.push_back(static_cast<char>((~length >> 8) & 0xFF));
    out.append(raw, offset, length);
    offset += length;
  } while (offset < raw.size());
  PutBigEndian(out, Adler32(raw));
  return out;
}

// Rows of filter byte 0 and RGB pixels, top row first.
std::string RawRows(TBitmap* bitmap) {
  TOwned<TBitmap> copy(Create<TBitmap>());
  copy->Assign(bitmap);
  copy->SetPixelFormat(TPixelFormat::pf32bit);
  std::string raw;
  raw.reserve(static_cast<std::size_t>(copy->Height()) * (1 + 3 * copy->Width()));
  for (int y = 0; y < copy->Height(); ++y) {
    const auto* row = static_cast<const unsigned char*>(copy->ScanLine(y));
    raw.push_back(0);
    for (int x = 0; x < copy->Width(); ++x) {
      const unsigned char* bgra = row + 4 * x;
      raw.push_back(static_cast<char>(bgra[2]));
      raw.push_back(static_cast<char>(bgra[1]));
      raw.push_back(static_cast<char>(bgra[0]));
    }
  }
  return raw;
}

} // namespace

std::string EncodePng(TBitmap* bitmap) {
  std::string header;
  PutBigEndian(header, static_cast<std::uint32_t>(bitmap->Width()));
  PutBigEndian(header, static_cast<std::uint32_t>(bitmap->Height()));
  header += std::string("\x08\x02\x00\x00\x00", 5);
  std::string png = "\x89PNG\r\n\x1A\n";
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", StoredZlib(RawRows(bitmap)));
  PutChunk(png, "IEND", "");
  return png;
}

void WritePng(TBitmap* bitmap, const std::string& path) {
  std::string png = EncodePng(bitmap);
  std::u16string widePath = AnsiToWide(path);
  HANDLE file = ::CreateFileW(WidePtr(widePath), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    throw EFCreateError("Cannot create file \"" + path + "\"");
  DWORD written = 0;
  BOOL ok = ::WriteFile(file, png.data(), static_cast<DWORD>(png.size()), &written, nullptr);
  ::CloseHandle(file);
  if (!ok || written != png.size())
    throw EFCreateError("Cannot write file \"" + path + "\"");
}

void SavePicture(TBitmap* bitmap, const std::string& name) {
  std::u16string variable = AnsiToWide("TEST_PICTURES");
  std::u16string folder(MAX_PATH, u'\0');
  DWORD length = ::GetEnvironmentVariableW(WidePtr(variable), WidePtr(folder), MAX_PATH);
  if (length == 0 || length >= MAX_PATH)
    return;
  folder.resize(length);
  WritePng(bitmap, WideToAnsi(folder) + "\\" + name + ".png");
}

void RenderWindow(HWND window, TBitmap* bitmap, bool clientOnly) {
  RECT bounds{};
  if (clientOnly)
    ::GetClientRect(window, &bounds);
  else
    ::GetWindowRect(window, &bounds);
  bitmap->SetPixelFormat(TPixelFormat::pf32bit);
  bitmap->SetSize(bounds.right - bounds.left, bounds.bottom - bounds.top);
  TCanvas* canvas = bitmap->Canvas();
  canvas->Changing();
  ::PrintWindow(window, canvas->Handle(), clientOnly ? PW_CLIENTONLY : 0);
  canvas->Changed();
}

void CaptureScreen(HWND window, TBitmap* bitmap) {
  RECT bounds{};
  ::GetWindowRect(window, &bounds);
  bitmap->SetPixelFormat(TPixelFormat::pf32bit);
  bitmap->SetSize(bounds.right - bounds.left, bounds.bottom - bounds.top);
  TWindowDC screen;
  bitmap->Canvas()->Changing();
  ::BitBlt(bitmap->Canvas()->Handle(), 0, 0, bitmap->Width(), bitmap->Height(), screen.Get(),
           bounds.left, bounds.top, SRCCOPY);
  bitmap->Canvas()->Changed();
}
