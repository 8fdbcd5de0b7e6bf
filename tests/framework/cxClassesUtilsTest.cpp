#include "tests/support/GTest.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "framework/cxClasses.h"
#include "platform/rtl/Exceptions.h"

namespace {

TEST(SmallRoutinesTest, IntegerArithmetic) {
  const struct {
    int a, b, roundDiv, rangeCenter;
  } cases[] = {
      {7, 2, 4, 4}, {6, 2, 3, 4}, {-3, 0, 0, -2}, {1, 2, 1, 1}, {-2, -1, 2, -2}, {0, 0, 0, 0},
      // Rounds toward zero for a negative quotient.
      {-7, 2, -2, -3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << ", " << c.b);
    if (c.b != 0) {
      EXPECT_EQ(c.roundDiv, RoundDiv(c.a, c.b));
    }
    EXPECT_EQ(c.rangeCenter, GetRangeCenter(c.a, c.b));
  }
  EXPECT_THROW(RoundDiv(1, 0), EDivByZero);
  EXPECT_EQ(1, cxSign(0.0));
  EXPECT_EQ(1, cxSign(2.5));
  EXPECT_EQ(-1, cxSign(-0.5));
  int x = 1, y = 2;
  SwapIntegers(x, y);
  EXPECT_EQ(2, x);
  EXPECT_EQ(1, y);
  EXPECT_EQ((TSize{3, 4}), Size(3, 4));
}

TEST(SmallRoutinesTest, HexToByte) {
  const struct {
    const char* text;
    int value;
  } cases[] = {{"00", 0}, {"0A", 10}, {"ff", 255}, {"7F", 127}, {"1Gx", 16 + 16}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(c.value, HexToByte(c.text));
  }
  EXPECT_THROW(HexToByte("A"), EConvertError);
  EXPECT_THROW(HexToByte(""), EConvertError);
}

TEST(SmallRoutinesTest, LittleEndianBufferAccess) {
  std::uint8_t buffer[12] = {};
  WriteByte(buffer, 0xAB, 0);
  WriteWord(buffer, 0x1234, 1);
  WriteInteger(buffer, -2, 3);
  WriteBoolean(buffer, true, 7);
  WriteBoolean(buffer, false, 9);
  const std::uint8_t expected[12] = {0xAB, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0, 0};
  EXPECT_EQ(0, std::memcmp(expected, buffer, sizeof buffer));
  EXPECT_EQ(0xAB, ReadByte(buffer));
  EXPECT_EQ(0x1234, ReadWord(buffer, 1));
  EXPECT_EQ(-2, ReadInteger(buffer, 3));
  EXPECT_TRUE(ReadBoolean(buffer, 7));
  EXPECT_FALSE(ReadBoolean(buffer, 9));
  buffer[10] = 1;  // only the high byte set
  EXPECT_TRUE(ReadBoolean(buffer, 9));
}

TEST(SmallRoutinesTest, MemoryBlocks) {
  auto* block = static_cast<char*>(cxAllocMem(8));
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(0, block[i]);
  std::memcpy(block, "abcdefg", 8);
  cxCopyData(block, block, 0, 2, 4);  // overlapping, forward
  EXPECT_STREQ("ababcdg", block);
  cxCopyData(block, block, 3, -5, 2);  // a negative offset counts as 0
  EXPECT_STREQ("bcabcdg", block);
  cxZeroMemory(block + 1, 2);
  EXPECT_EQ(0, block[1]);
  EXPECT_EQ(0, block[2]);
  EXPECT_EQ('b', block[3]);
  cxFreeMem(block);
  EXPECT_THROW(cxAllocMem(-1), EOutOfMemory);
}

TEST(SmallRoutinesTest, StreamsEqual) {
  TMemoryStream a, b;
  EXPECT_TRUE(StreamsEqual(a, b));
  a.WriteBuffer("abc", 3);
  b.WriteBuffer("abd", 3);
  EXPECT_FALSE(StreamsEqual(a, b));
  b.SetSize(2);
  b.WriteBuffer("c", 1);
  EXPECT_TRUE(StreamsEqual(a, b));
  b.WriteBuffer("", 1);
  EXPECT_FALSE(StreamsEqual(a, b));
}

TEST(SmallRoutinesTest, TextRoutines) {
  EXPECT_EQ("C:\\a\\b\\", GetCorrectPath("C:/a/b\\"));
  const std::string turkish = "a\xFE\xDD";  // a ş İ
  EXPECT_EQ(1, cxStrCharLength(turkish, 1));
  EXPECT_EQ(1, cxStrCharLength(turkish, 2));
  EXPECT_EQ(1, cxStrCharLength(turkish, 3));
  EXPECT_THROW(cxStrCharLength(turkish, 0), ERangeError);
  EXPECT_THROW(cxStrCharLength(turkish, 4), ERangeError);
}

TEST(SmallRoutinesTest, OpenWebPageAsksTheShellToOpenMaximised) {
  std::string verb, file;
  int show = -1;
  TcxShellExecuteFunc previous =
      cxSetShellExecuteFunc([&](const std::string& v, const std::string& f, int s) {
        verb = v;
        file = f;
        show = s;
      });
  OpenWebPage("http://example.com/\xE7");
  cxSetShellExecuteFunc(previous);
  EXPECT_EQ("OPEN", verb);
  EXPECT_EQ("http://example.com/\xE7", file);
  EXPECT_EQ(SW_SHOWMAXIMIZED, show);
}

} // namespace
