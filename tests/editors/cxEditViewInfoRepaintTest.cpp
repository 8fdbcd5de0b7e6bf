// What an editor view info invalidates on a real window against the state
// it had before: nothing when nothing drawn changed, a changed button alone,
// the frame for a changed border, all but the kept rectangle otherwise.
#include "editors/cxEditViewInfo.h"

#include "tests/platform/controls/ControlsTestSupport.h"

namespace {

using enum TcxEditButtonState;

class EditViewInfoRepaintTest : public controls_test::TControlsTest {
protected:
  void SetUp() override {
    TControlsTest::SetUp();
    m_form = Create<TForm>(Application, 0);
    m_form->SetBounds(100, 100, 300, 120);
    m_box = Create<TCustomControl>(m_form);
    m_box->SetParent(m_form);
    m_box->SetBounds(0, 0, 200, 60);
    m_form->Show();
    Pump();
    for (auto* viewInfo : {&m_current, &m_previous}) {
      viewInfo->reset(Create<TcxCustomEditViewInfo>());
      TcxCustomEditViewInfo& v = **viewInfo;
      v.Bounds = Rect(0, 0, 100, 21);
      v.BorderRect = Rect(1, 1, 99, 20);
      v.ClientRect = Rect(2, 2, 80, 19);
      v.BorderStyle = TcxContainerBorderStyle::cbsSingle;
      v.Left = 10;
      v.Top = 20;
      v.SetButtonCount(1);
      v.Buttons(0)->Bounds = Rect(80, 1, 99, 20);
    }
    ::ValidateRect(m_box->Handle(), nullptr);
  }
  // Whether the point of the control's window waits for painting.
  bool Invalid(int x, int y) {
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    ::GetUpdateRgn(m_box->Handle(), region, FALSE);
    const bool invalid = ::PtInRegion(region, x, y);
    ::DeleteObject(region);
    return invalid;
  }
  bool NothingInvalid() {
    RECT r{};
    return !::GetUpdateRect(m_box->Handle(), &r, FALSE);
  }

  TForm* m_form = nullptr;
  TCustomControl* m_box = nullptr;
  TOwned<TcxCustomEditViewInfo> m_current, m_previous;
};

TEST_F(EditViewInfoRepaintTest, WithoutAPreviousStateAllButTheKeptRectangle) {
  EXPECT_FALSE(m_current->Repaint(m_box, Rect(12, 22, 40, 30)));
  EXPECT_TRUE(Invalid(10, 20));
  EXPECT_TRUE(Invalid(109, 40));
  EXPECT_FALSE(Invalid(20, 25));
  EXPECT_FALSE(Invalid(111, 25));
}

TEST_F(EditViewInfoRepaintTest, NothingChangedNothingInvalidated) {
  EXPECT_FALSE(m_current->Repaint(m_box, TRect{}, m_previous.get()));
  EXPECT_TRUE(NothingInvalid());
}

TEST_F(EditViewInfoRepaintTest, AChangedButtonAlone) {
  m_current->Buttons(0)->State = ebsSelected;
  EXPECT_TRUE(m_current->Repaint(m_box, TRect{}, m_previous.get()));
  RECT r{};
  ::GetUpdateRect(m_box->Handle(), &r, FALSE);
  EXPECT_EQ(Rect(r.left, r.top, r.right, r.bottom), Rect(90, 21, 109, 40));
}

TEST_F(EditViewInfoRepaintTest, AChangedBorderColourRepaintsTheFrame) {
  m_current->BorderColor = clRed;
  EXPECT_TRUE(m_current->Repaint(m_box, TRect{}, m_previous.get()));
  EXPECT_TRUE(Invalid(10, 30));
  EXPECT_TRUE(Invalid(50, 20));
  EXPECT_FALSE(Invalid(50, 30));
}

TEST_F(EditViewInfoRepaintTest, AChangedStateRepaintsAllButTheKeptClientPart) {
  m_current->ContainerState = TcxContainerState{TcxContainerStateItem::csActive};
  EXPECT_TRUE(m_current->Repaint(m_box, Rect(0, 0, 60, 30), m_previous.get()));
  EXPECT_FALSE(Invalid(30, 25));
  EXPECT_TRUE(Invalid(100, 30));
}

} // namespace
