#include "platform/rtl/Streams.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/WideText.h"
#include "platform/rtl/WinApi.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

constexpr const char* kReadError = "Stream read error";
constexpr const char* kWriteError = "Stream write error";
constexpr const char* kMemoryStreamError = "Out of memory while expanding memory stream";
// A memory stream holds at most as many bytes as a 32-bit count can give.
constexpr std::int64_t kMaxMemoryStreamSize = 0x7FFFFFFF;
// Bytes moved per step when copying or loading from another stream.
constexpr int kCopyBufferSize = 0xF000;

// The platform's text for an error code, without the closing period and line break.
std::string SysErrorMessage(DWORD code) {
  WCHAR buffer[512] = {};
  const DWORD length =
      ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                       0, buffer, static_cast<DWORD>(std::size(buffer)), nullptr);
  std::string text = WideToAnsi(std::u16string_view(reinterpret_cast<char16_t*>(buffer), length));
  while (!text.empty() && (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.'))
    text.pop_back();
  return text;
}

[[noreturn]] void RaiseLastOSError() {
  const DWORD code = ::GetLastError();
  throw EOSError("System Error.  Code: " + std::to_string(code) + ".\r\n" + SysErrorMessage(code));
}

std::string ExpandFileName(const std::u16string& fileName) {
  const DWORD needed = ::GetFullPathNameW(WidePtr(fileName), 0, nullptr, nullptr);
  if (needed == 0)
    return WideToAnsi(fileName);
  std::u16string full(needed, u'\0');
  const DWORD length = ::GetFullPathNameW(WidePtr(fileName), needed, WidePtr(full), nullptr);
  full.resize(length < needed ? length : 0);
  return WideToAnsi(full);
}

// "Cannot ... file "<full path>". <reason>", for the last error of the platform.
std::string FileErrorMessage(const char* action, const std::u16string& fileName) {
  const DWORD code = ::GetLastError();
  return std::string("Cannot ") + action + " file \"" + ExpandFileName(fileName) + "\". " +
         SysErrorMessage(code);
}

HANDLE CreateFileHandle(const std::u16string& fileName) {
  return ::CreateFileW(WidePtr(fileName), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Opens an existing file with the access mode (low two bits) and share mode
// (bits 4 to 7) of the platform's open modes.
HANDLE OpenFileHandle(const std::u16string& fileName, unsigned short mode) {
  static constexpr DWORD kAccess[] = {GENERIC_READ, GENERIC_WRITE, GENERIC_READ | GENERIC_WRITE};
  static constexpr DWORD kShare[] = {0, 0, FILE_SHARE_READ, FILE_SHARE_WRITE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE};
  const unsigned access = mode & 0x03;
  const unsigned share = (mode & 0xF0) >> 4;
  if (access >= std::size(kAccess) || share >= std::size(kShare)) {
    ::SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  return ::CreateFileW(WidePtr(fileName), kAccess[access], kShare[share], nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

// TStream

void TStream::ReadBuffer(void* buffer, int count) {
  if (count != 0 && Read(buffer, count) != count)
    throw EReadError(kReadError);
}

void TStream::WriteBuffer(const void* buffer, int count) {
  if (count != 0 && Write(buffer, count) != count)
    throw EWriteError(kWriteError);
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  if (count < 0)
    throw EReadError(kReadError);
  std::vector<unsigned char> buffer(static_cast<size_t>(std::min<std::int64_t>(count, kCopyBufferSize)));
  for (std::int64_t left = count; left > 0;) {
    const int step = static_cast<int>(std::min<std::int64_t>(left, kCopyBufferSize));
    source.ReadBuffer(buffer.data(), step);
    WriteBuffer(buffer.data(), step);
    left -= step;
  }
  return count;
}

std::int64_t TStream::Position() {
  return Seek(0, TSeekOrigin::soCurrent);
}

void TStream::SetPosition(std::int64_t position) {
  Seek(position, TSeekOrigin::soBeginning);
}

std::int64_t TStream::Size() {
  const std::int64_t position = Seek(0, TSeekOrigin::soCurrent);
  const std::int64_t size = Seek(0, TSeekOrigin::soEnd);
  Seek(position, TSeekOrigin::soBeginning);
  return size;
}

void TStream::SetSize(std::int64_t) {}

// TMemoryStream

int TMemoryStream::Read(void* buffer, int count) {
  const std::int64_t size = static_cast<std::int64_t>(m_data.size());
  if (m_position < 0 || count <= 0 || m_position >= size)
    return 0;
  const int read = static_cast<int>(std::min<std::int64_t>(count, size - m_position));
  std::memcpy(buffer, m_data.data() + m_position, read);
  m_position += read;
  return read;
}

int TMemoryStream::Write(const void* buffer, int count) {
  if (m_position < 0 || count <= 0)
    return 0;
  if (m_position > kMaxMemoryStreamSize - count)
    throw EStreamError(kMemoryStreamError);
  const std::int64_t end = m_position + count;
  if (end > static_cast<std::int64_t>(m_data.size()))
    Resize(end);
  std::memcpy(m_data.data() + m_position, buffer, count);
  m_position = end;
  return count;
}

// The position may be set anywhere: reading past the end gives nothing,
// writing there grows the stream.
std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  switch (origin) {
  case TSeekOrigin::soBeginning:
    m_position = offset;
    break;
  case TSeekOrigin::soCurrent:
    m_position += offset;
    break;
  case TSeekOrigin::soEnd:
    m_position = static_cast<std::int64_t>(m_data.size()) + offset;
    break;
  }
  return m_position;
}

void TMemoryStream::SetSize(std::int64_t size) {
  Resize(size);
  m_position = std::min(m_position, size);
}

void TMemoryStream::Clear() {
  m_data.clear();
  m_data.shrink_to_fit();
  m_position = 0;
}

// Reads until the source ends instead of trusting its Size, so that a source
// that claims more than it holds cannot make the stream allocate it.
void TMemoryStream::LoadFromStream(TStream& source) {
  source.SetPosition(0);
  std::vector<unsigned char> data;
  for (;;) {
    const size_t filled = data.size();
    if (filled + kCopyBufferSize > static_cast<size_t>(kMaxMemoryStreamSize))
      throw EStreamError(kMemoryStreamError);
    data.resize(filled + kCopyBufferSize);
    const int read = source.Read(data.data() + filled, kCopyBufferSize);
    data.resize(filled + std::max(read, 0));
    if (read <= 0)
      break;
  }
  m_data.swap(data);
  m_position = std::min(m_position, static_cast<std::int64_t>(m_data.size()));
}

void TMemoryStream::SaveToStream(TStream& target) {
  target.WriteBuffer(m_data.data(), static_cast<int>(m_data.size()));
}

void TMemoryStream::Resize(std::int64_t size) {
  if (size < 0 || size > kMaxMemoryStreamSize)
    throw EStreamError(kMemoryStreamError);
  try {
    m_data.resize(static_cast<size_t>(size));
  } catch (const std::bad_alloc&) {
    throw EStreamError(kMemoryStreamError);
  }
}

// TFileStream

TFileStream::TFileStream(const std::string& fileName, unsigned short mode) : m_fileName(fileName) {
  const std::u16string wideName = AnsiToWide(fileName);
  if (mode == fmCreate) {
    m_handle = CreateFileHandle(wideName);
    if (m_handle == INVALID_HANDLE_VALUE)
      throw EFCreateError(FileErrorMessage("create", wideName));
  } else {
    m_handle = OpenFileHandle(wideName, mode);
    if (m_handle == INVALID_HANDLE_VALUE)
      throw EFOpenError(FileErrorMessage("open", wideName));
  }
}

TFileStream::~TFileStream() {
  ::CloseHandle(m_handle);
}

int TFileStream::Read(void* buffer, int count) {
  DWORD read = 0;
  if (count <= 0 || !::ReadFile(m_handle, buffer, static_cast<DWORD>(count), &read, nullptr))
    return 0;
  return static_cast<int>(read);
}

int TFileStream::Write(const void* buffer, int count) {
  DWORD written = 0;
  if (count <= 0 || !::WriteFile(m_handle, buffer, static_cast<DWORD>(count), &written, nullptr))
    return 0;
  return static_cast<int>(written);
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  static constexpr DWORD kMethod[] = {FILE_BEGIN, FILE_CURRENT, FILE_END};
  LARGE_INTEGER distance;
  distance.QuadPart = offset;
  LARGE_INTEGER position;
  if (!::SetFilePointerEx(m_handle, distance, &position, kMethod[static_cast<int>(origin)]))
    return -1;
  return position.QuadPart;
}

// The end is set only once the position has really moved there; otherwise a
// refused position would cut the file wherever the position happened to be.
void TFileStream::SetSize(std::int64_t size) {
  LARGE_INTEGER distance;
  distance.QuadPart = size;
  if (!::SetFilePointerEx(m_handle, distance, nullptr, FILE_BEGIN) || !::SetEndOfFile(m_handle))
    RaiseLastOSError();
}
