#include "tests/support/GTest.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/WideText.h"
#include "platform/rtl/WinApi.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes Content(TMemoryStream& stream) {
  return Bytes(stream.Memory(), stream.Memory() + stream.Size());
}

void WriteText(TStream& stream, const std::string& text) {
  stream.WriteBuffer(text.data(), static_cast<int>(text.size()));
}

std::string ReadText(TStream& stream, int count) {
  std::string text(count, '\0');
  stream.ReadBuffer(text.data(), count);
  return text;
}

// A stream that claims to be far larger than the few bytes it gives.
class BoastingStream : public TStream {
public:
  int Read(void* buffer, int count) override {
    const int read = std::min(count, 3 - static_cast<int>(m_position));
    std::fill_n(static_cast<char*>(buffer), read, 'z');
    m_position += read;
    return read;
  }
  int Write(const void*, int) override { return 0; }
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override {
    if (origin == TSeekOrigin::soEnd)
      return std::int64_t(1) << 40;
    m_position = origin == TSeekOrigin::soBeginning ? offset : m_position + offset;
    return m_position;
  }

private:
  std::int64_t m_position = 0;
};

template <typename Error>
void ExpectError(const std::function<void()>& call, const std::string& message) {
  try {
    call();
    ADD_FAILURE() << "no error, expected " << message;
  } catch (const Error& e) {
    EXPECT_EQ(e.Message(), message);
  }
}

} // namespace

TEST(MemoryStreamTest, WritesReadsAndSeeks) {
  TMemoryStream stream;
  WriteText(stream, "abcdef");
  EXPECT_EQ(stream.Size(), 6);
  EXPECT_EQ(stream.Position(), 6);
  const struct {
    std::int64_t offset;
    TSeekOrigin origin;
    std::int64_t position;
    std::string next;
  } cases[] = {
      {1, TSeekOrigin::soBeginning, 1, "bc"},
      {1, TSeekOrigin::soCurrent, 4, "ef"},
      {-3, TSeekOrigin::soEnd, 3, "de"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(stream.Seek(c.offset, c.origin), c.position);
    EXPECT_EQ(ReadText(stream, 2), c.next);
  }
  char buffer[8];
  stream.SetPosition(4);
  EXPECT_EQ(stream.Read(buffer, 8), 2);
  EXPECT_EQ(stream.Read(buffer, 8), 0);
}

TEST(MemoryStreamTest, ShortTransfersRaise) {
  TMemoryStream stream;
  WriteText(stream, "abc");
  stream.SetPosition(1);
  char buffer[4];
  ExpectError<EReadError>([&] { stream.ReadBuffer(buffer, 3); }, "Stream read error");
  stream.SetPosition(-1);
  ExpectError<EWriteError>([&] { stream.WriteBuffer("x", 1); }, "Stream write error");
  stream.ReadBuffer(buffer, 0);
  EXPECT_EQ(Content(stream), (Bytes{'a', 'b', 'c'}));
}

TEST(MemoryStreamTest, WritingPastTheEndFillsTheGapWithZeros) {
  TMemoryStream stream;
  WriteText(stream, "a");
  stream.SetPosition(3);
  WriteText(stream, "b");
  EXPECT_EQ(Content(stream), (Bytes{'a', 0, 0, 'b'}));
}

TEST(MemoryStreamTest, SetSizeKeepsThePositionInside) {
  TMemoryStream stream;
  WriteText(stream, "abcdef");
  stream.SetSize(2);
  EXPECT_EQ(stream.Position(), 2);
  EXPECT_EQ(Content(stream), (Bytes{'a', 'b'}));
  stream.SetSize(4);
  EXPECT_EQ(Content(stream), (Bytes{'a', 'b', 0, 0}));
  for (const std::int64_t bad : {std::int64_t(-1), std::int64_t(1) << 40})
    ExpectError<EStreamError>([&] { stream.SetSize(bad); },
                              "Out of memory while expanding memory stream");
  EXPECT_EQ(stream.Size(), 4);
  stream.Clear();
  EXPECT_EQ(stream.Size(), 0);
  EXPECT_EQ(stream.Position(), 0);
}

TEST(MemoryStreamTest, CopyFromTakesAllOrACount) {
  TMemoryStream source;
  WriteText(source, "0123456789");
  TMemoryStream target;
  EXPECT_EQ(target.CopyFrom(source, 0), 10);
  source.SetPosition(7);
  EXPECT_EQ(target.CopyFrom(source, 2), 2);
  target.SetPosition(0);
  EXPECT_EQ(ReadText(target, 12), "012345678978");
  source.SetPosition(8);
  ExpectError<EReadError>([&] { target.CopyFrom(source, 5); }, "Stream read error");
  ExpectError<EReadError>([&] { target.CopyFrom(source, -1); }, "Stream read error");
}

TEST(MemoryStreamTest, LoadAndSaveWholeStreams) {
  TMemoryStream source;
  WriteText(source, "hello");
  TMemoryStream loaded;
  loaded.LoadFromStream(source);
  EXPECT_EQ(Content(loaded), (Bytes{'h', 'e', 'l', 'l', 'o'}));
  TMemoryStream saved;
  WriteText(saved, ">");
  loaded.SaveToStream(saved);
  EXPECT_EQ(Content(saved), (Bytes{'>', 'h', 'e', 'l', 'l', 'o'}));

  BoastingStream boaster;
  loaded.LoadFromStream(boaster);
  EXPECT_EQ(Content(loaded), (Bytes{'z', 'z', 'z'}));
}

class FileStreamTest : public testing::Test {
protected:
  void SetUp() override {
    WCHAR temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    m_folder = WideToAnsi(temp) + "classes_tests_" + std::to_string(::GetCurrentProcessId());
    ::CreateDirectoryW(WidePtr(AnsiToWide(m_folder)), nullptr);
  }
  void TearDown() override {
    ::DeleteFileW(WidePtr(AnsiToWide(FilePath())));
    ::RemoveDirectoryW(WidePtr(AnsiToWide(m_folder)));
  }
  // A name with the Turkish letters, which must reach the file system intact.
  std::string FilePath() const { return m_folder + "\\dosya_\xE7\xF0\xFD\xDD\xF6\xFE\xFC.bin"; }

  std::string m_folder;
};

TEST_F(FileStreamTest, WritesAndReadsBackAFile) {
  {
    TFileStream stream(FilePath(), fmCreate);
    WriteText(stream, "merhaba d\xFCnya");
  }
  WIN32_FIND_DATAW found;
  const HANDLE search = ::FindFirstFileW(WidePtr(AnsiToWide(FilePath())), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  ::FindClose(search);
  EXPECT_EQ(WideToAnsi(found.cFileName), "dosya_\xE7\xF0\xFD\xDD\xF6\xFE\xFC.bin");

  TFileStream stream(FilePath(), fmOpenReadWrite);
  EXPECT_EQ(stream.Size(), 13);
  EXPECT_EQ(ReadText(stream, 13), "merhaba d\xFCnya");
  ExpectError<EReadError>([&] { ReadText(stream, 1); }, "Stream read error");
  stream.SetSize(7);
  EXPECT_EQ(stream.Size(), 7);
  EXPECT_THROW(stream.SetSize(-1), EOSError);
  EXPECT_EQ(stream.Size(), 7);
}

TEST_F(FileStreamTest, OpenModesAndSharing) {
  { TFileStream create(FilePath(), fmCreate); }
  {
    TFileStream reader(FilePath(), fmOpenRead);
    ExpectError<EWriteError>([&] { WriteText(reader, "x"); }, "Stream write error");
  }
  {
    TFileStream exclusive(FilePath(), fmOpenRead | fmShareExclusive);
    EXPECT_THROW(TFileStream(FilePath(), fmOpenRead | fmShareDenyNone), EFOpenError);
  }
  TFileStream first(FilePath(), fmOpenRead | fmShareDenyNone);
  TFileStream second(FilePath(), fmOpenReadWrite | fmShareDenyNone);
  EXPECT_THROW(TFileStream(FilePath(), fmOpenReadWrite + 1), EFOpenError);
}

TEST_F(FileStreamTest, FailuresNameTheFile) {
  const std::string missing = m_folder + "\\yok.bin";
  try {
    TFileStream stream(missing, fmOpenRead);
    ADD_FAILURE() << "opened a missing file";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message().rfind("Cannot open file \"" + missing + "\". ", 0), 0u) << e.Message();
    EXPECT_GT(e.Message().size(), missing.size() + 21);
  }
  const std::string badFolder = m_folder + "\\yok\\dosya.bin";
  try {
    TFileStream stream(badFolder, fmCreate);
    ADD_FAILURE() << "created a file in a missing folder";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(e.Message().rfind("Cannot create file \"" + badFolder + "\". ", 0), 0u)
        << e.Message();
  }
}
