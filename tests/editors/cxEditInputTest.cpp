// Keys sent straight to a control's window, the shift state of a mouse
// button, the accelerators of button captions, and the presses and clicks
// of an editor's buttons read from two successive calculations.
#include "editors/cxEditInput.h"

#include <string>
#include <vector>

#include "tests/platform/controls/ControlsTestSupport.h"

namespace {

using enum TShiftStateItem;

class TKeyBox : public TCustomControl {
  OBJECT_CLASS(TKeyBox, TCustomControl)
public:
  using TCustomControl::TCustomControl;
  std::vector<std::string> log;

protected:
  void KeyDown(WORD& key, TShiftState shift) override {
    log.push_back("down " + std::to_string(key) + (shift.Empty() ? "" : " shifted"));
  }
  void KeyPress(char& key) override { log.push_back(std::string("press ") + key); }
  void KeyUp(WORD& key, TShiftState) override { log.push_back("up " + std::to_string(key)); }
};

class EditInputTest : public controls_test::TControlsTest {};

TEST_F(EditInputTest, KeysAreSentToTheControlsWindowWithoutTheShiftState) {
  TForm* form = Create<TForm>(Application, 0);
  form->SetBounds(100, 100, 200, 100);
  auto* box = Create<TKeyBox>(form);
  box->SetParent(form);
  SendKeyDown(box, VK_F2, TShiftState{ssCtrl});
  SendKeyPress(box, '\xFE');
  SendKeyUp(box, VK_F2, TShiftState{ssCtrl});
  EXPECT_EQ(box->log, (std::vector<std::string>{"down 113", "press \xFE", "up 113"}));
}

TEST(EditInput, MouseButtonsGiveTheirShiftState) {
  EXPECT_EQ(ButtonToShift(TMouseButton::mbLeft), TShiftState{ssLeft});
  EXPECT_EQ(ButtonToShift(TMouseButton::mbRight), TShiftState{ssRight});
  EXPECT_EQ(ButtonToShift(TMouseButton::mbMiddle), TShiftState{ssMiddle});
}

TEST(EditInput, AcceleratorsOfCaptionsTable) {
  struct Case {
    const char* caption;
    char hotkey, key;
    bool accel;
  } cases[] = {
      {"&Ekle", 'E', 'e', true},
      {"&Ekle", 'E', 'E', true},
      {"E&kle", 'k', 'K', true},
      {"Ekle", 0, 'e', false},
      {"A&&B", 0, 'b', false},
      {"A&&&B", 'B', 'b', true},
      {"Sil&", 0, 's', false},
      {"&\xDE"
       "ifre",
       '\xDE', '\xFE', true},
      {"&Ekle", 'E', 'k', false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetHotkey(c.caption), c.hotkey) << c.caption;
    EXPECT_EQ(IsAccel(c.key, c.caption), c.accel) << c.caption << " " << c.key;
  }
}

class TButtonEventsLog : public IcxEditButtonEvents {
public:
  void DoButtonDown(int i) override { log += "D" + std::to_string(i); }
  void DoButtonUp(int i) override { log += "U" + std::to_string(i); }
  void DoButtonClick(int i) override { log += "C" + std::to_string(i); }
  std::string log;
};

TEST(EditInput, ButtonPressesAndClicksFromTwoCalculationsTable) {
  struct Case {
    const char* name;
    TcxEditButtonsHit previous, current;
    const char* events;
  } cases[] = {
      {"nothing changed", {-1, 0}, {-1, 0}, ""},
      {"mouse comes over", {-1, -1}, {-1, 0}, ""},
      {"pressed", {-1, 0}, {0, -1}, "D0"},
      {"released over it", {0, -1}, {-1, 0}, "U0C0"},
      {"moved off and released", {0, -1}, {-1, -1}, "U0"},
      {"released over another", {0, -1}, {-1, 1}, "U0"},
      {"held, moved off", {0, -1}, {-1, -1}, "U0"},
      {"pressed moves to another", {0, -1}, {1, -1}, "U0"},
      {"still pressed, still pressed", {1, -1}, {1, -1}, ""},
  };
  for (const Case& c : cases) {
    TButtonEventsLog events;
    ProcessButtonsChanges(c.previous, c.current, events);
    EXPECT_EQ(events.log, c.events) << c.name;
  }
}

} // namespace
