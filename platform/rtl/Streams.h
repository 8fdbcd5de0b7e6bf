// Streams of the class library: TStream, the abstract byte stream with a
// position, and the streams over memory and over files.
//
// Classes in this file: TStream, TMemoryStream, TFileStream.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
public:
  TStream() = default;
  TStream(const TStream&) = delete;
  TStream& operator=(const TStream&) = delete;
  virtual ~TStream() = default;

  // Read and Write transfer up to 'count' bytes and answer how many they did.
  virtual int Read(void* buffer, int count) = 0;
  virtual int Write(const void* buffer, int count) = 0;
  // Answers the new position.
  virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;

  // Transfer exactly 'count' bytes or raise EReadError / EWriteError.
  void ReadBuffer(void* buffer, int count);
  void WriteBuffer(const void* buffer, int count);
  // Copies 'count' bytes from the source's position; a count of 0 copies the
  // whole source from its start. Answers the number of bytes copied.
  std::int64_t CopyFrom(TStream& source, std::int64_t count);

  std::int64_t Position();
  void SetPosition(std::int64_t position);
  std::int64_t Size();
  virtual void SetSize(std::int64_t size);
};

class TMemoryStream : public TStream {
public:
  int Read(void* buffer, int count) override;
  // Writing past the end grows the stream; a gap before the position reads as zeros.
  int Write(const void* buffer, int count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  void SetSize(std::int64_t size) override;

  void Clear();
  // Replaces the content by everything the source holds from its start.
  void LoadFromStream(TStream& source);
  void SaveToStream(TStream& target);

  unsigned char* Memory() { return m_data.data(); }
  const unsigned char* Memory() const { return m_data.data(); }

private:
  void Resize(std::int64_t size);

  std::vector<unsigned char> m_data;
  std::int64_t m_position = 0;
};

// Open modes of TFileStream: an access mode combined with a share mode, or
// fmCreate alone, which creates the file (or empties an existing one).
constexpr unsigned short fmCreate = 0xFFFF;
constexpr unsigned short fmOpenRead = 0x0000;
constexpr unsigned short fmOpenWrite = 0x0001;
constexpr unsigned short fmOpenReadWrite = 0x0002;
constexpr unsigned short fmShareCompat = 0x0000;
constexpr unsigned short fmShareExclusive = 0x0010;
constexpr unsigned short fmShareDenyWrite = 0x0020;
constexpr unsigned short fmShareDenyRead = 0x0030;
constexpr unsigned short fmShareDenyNone = 0x0040;

// A stream over a file. The name is a Windows-1254 path. Failing to open
// raises EFCreateError or EFOpenError naming the full path and the reason.
class TFileStream : public TStream {
public:
  TFileStream(const std::string& fileName, unsigned short mode);
  ~TFileStream() override;

  int Read(void* buffer, int count) override;
  int Write(const void* buffer, int count) override;
  // Answers -1 when the platform refuses the position (before the start).
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  // Cuts or extends the file; raises EOSError when the platform refuses.
  void SetSize(std::int64_t size) override;

  const std::string& FileName() const { return m_fileName; }
  // The platform's file handle.
  void* Handle() const { return m_handle; }

private:
  std::string m_fileName;
  void* m_handle = nullptr;
};
