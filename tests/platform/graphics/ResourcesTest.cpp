#include "tests/support/GTest.h"

#include "platform/graphics/Graphic.h"
#include "platform/graphics/Resources.h"

namespace {

TEST(Resources, AMissingCursorIsAnError) {
  EXPECT_THROW(LoadCursorResource(nullptr, "NO_SUCH_CURSOR"), EResNotFound);
}

TEST(Resources, StringTablesComeBackAsWindows1254Text) {
  EXPECT_EQ(LoadStr(nullptr, 100),
            "\xC7" "a\xF0r\xFD \xDD\xFElemi: \xF6\xF0\xFCn \xC7\xD0I\xDD\xD6\xDE\xDC "
            "\xE7\xF0\xFDi\xF6\xFE\xFC");
  EXPECT_EQ(LoadStr(MainInstance(), 101), "plain");
  EXPECT_EQ(LoadStr(nullptr, 102), "");
}

} // namespace
