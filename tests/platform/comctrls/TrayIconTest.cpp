// The notification-area icon: added with the application's icon and no tip
// when its form is read, removed with its form, minimising leaving only the
// icon and a double click on it bringing the application back.
#include "tests/platform/controls/ControlsTestSupport.h"

#include "platform/comctrls/CommonControlsClasses.h"
#include "platform/comctrls/TrayIcon.h"
#include "platform/objects/FormWriter.h"

namespace controls_test {
namespace {

class TTrayForm : public TForm {
  OBJECT_CLASS(TTrayForm, TForm)
public:
  using TForm::TForm;
};

const char kTrayDefinition[] = R"(object Main1: TTrayForm
  Left = 300
  Top = 150
  Width = 260
  Height = 409
  Caption = 'Main1'
  object TrayIcon1: TTrayIcon
    Visible = True
    Hide = True
    RestoreOn = imDoubleClick
    PopupMenuOn = imNone
  end
end
)";

// One call to the notification area.
struct TNotifyRecord {
  DWORD Message = 0;
  HWND Window = nullptr;
  UINT Flags = 0;
  HICON Icon = nullptr;
  UINT CallbackMessage = 0;
  std::u16string Tip;
};

class TrayIconTest : public TControlsTest {
protected:
  static void SetUpTestSuite() {
    TControlsTest::SetUpTestSuite();
    RegisterCommonControlsClasses();
    RegisterClass(TTrayForm::StaticClass());
  }

  void SetUp() override {
    TControlsTest::SetUp();
    m_previousNotify = SetNotifyIconFunction([this](DWORD message, NOTIFYICONDATAW& data) {
      m_calls.push_back({message, data.hWnd, data.uFlags, data.hIcon, data.uCallbackMessage,
                         std::u16string(reinterpret_cast<const char16_t*>(data.szTip))});
      return m_shellAnswers ? ::Shell_NotifyIconW(message, &data) : FALSE;
    });
    RegisterFormDefinition("TTrayForm", kTrayDefinition);
  }

  void TearDown() override {
    TControlsTest::TearDown();
    SetNotifyIconFunction(m_previousNotify);
  }

  void MakeMainForm() {
    Application->CreateForm(m_main);
    m_tray = As<TTrayIcon>(m_main->FindComponent("TrayIcon1"));
    m_main->Show();
    ASSERT_TRUE(PumpUntil([&] { return m_main->Active(); }));
  }

  TForm* SecondForm() {
    TForm* form = Create<TForm>(Application, 0);
    form->SetBounds(600, 150, 200, 150);
    form->Show();
    Pump();
    return form;
  }

  // Whether the notification area holds the icon of 'window'.
  static bool ShellHasIcon(HWND window) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window;
    data.uID = 1;
    return ::Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
  }

  void MouseOnIcon(UINT mouseMessage) {
    ::SendMessageW(m_tray->Handle(), TTrayIcon::CallbackMessage, 1, mouseMessage);
    Pump();
  }

  std::vector<TNotifyRecord> m_calls;
  bool m_shellAnswers = true;
  TTrayForm* m_main = nullptr;
  TTrayIcon* m_tray = nullptr;

private:
  TNotifyIconFunction m_previousNotify;
};

TEST_F(TrayIconTest, ShowsTheApplicationIconWithoutTipUntilItsFormGoes) {
  MakeMainForm();
  EXPECT_TRUE(m_tray->Visible());
  EXPECT_TRUE(m_tray->Hide());
  EXPECT_EQ(m_tray->RestoreOn(), TTrayIconMessage::imDoubleClick);
  EXPECT_EQ(m_tray->PopupMenuOn(), TTrayIconMessage::imNone);
  ASSERT_EQ(m_calls.size(), 1u);
  EXPECT_EQ(m_calls[0].Message, static_cast<DWORD>(NIM_ADD));
  EXPECT_EQ(m_calls[0].Flags, static_cast<UINT>(NIF_ICON | NIF_MESSAGE));
  EXPECT_EQ(m_calls[0].CallbackMessage, TTrayIcon::CallbackMessage);
  EXPECT_EQ(m_calls[0].Icon,
            ::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION)));
  EXPECT_TRUE(m_calls[0].Tip.empty());
  EXPECT_TRUE(m_tray->IconShown());
  EXPECT_TRUE(ShellHasIcon(m_tray->Handle()));
  EXPECT_NE(WriteFormDefinition(m_main).find("Hide = True"), std::string::npos);

  const HWND window = m_tray->Handle();
  m_main->Free();
  ASSERT_EQ(m_calls.size(), 2u);
  EXPECT_EQ(m_calls[1].Message, static_cast<DWORD>(NIM_DELETE));
  EXPECT_EQ(m_calls[1].Window, window);
  EXPECT_FALSE(ShellHasIcon(window));
}

TEST_F(TrayIconTest, MinimisingLeavesOnlyTheIconAndADoubleClickBringsAllBack) {
  MakeMainForm();
  TForm* second = SecondForm();
  ::SendMessageW(m_main->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  Pump();
  EXPECT_FALSE(::IsWindowVisible(m_main->Handle()));
  EXPECT_FALSE(::IsWindowVisible(second->Handle()));

  MouseOnIcon(WM_LBUTTONUP);
  EXPECT_FALSE(::IsWindowVisible(m_main->Handle()));
  MouseOnIcon(WM_LBUTTONDBLCLK);
  EXPECT_TRUE(::IsWindowVisible(m_main->Handle()));
  EXPECT_TRUE(::IsWindowVisible(second->Handle()));
  EXPECT_FALSE(::IsIconic(m_main->Handle()));
  EXPECT_EQ(::GetForegroundWindow(), m_main->Handle());
  EXPECT_TRUE(m_main->Visible());
}

TEST_F(TrayIconTest, ApplicationMinimiseHandlerStillRuns) {
  int minimised = 0;
  const TNotifyEvent handler([&](TObject*) { ++minimised; });
  Application->SetOnMinimize(handler);
  MakeMainForm();
  Application->Minimize();
  Pump();
  EXPECT_EQ(minimised, 1);
  EXPECT_FALSE(::IsWindowVisible(m_main->Handle()));
  m_main->Free();
  EXPECT_TRUE(Application->OnMinimize() == handler);
}

TEST_F(TrayIconTest, WithoutHideOrWithoutNotificationAreaMinimisingHidesNothing) {
  struct TCase {
    bool Hide;
    bool ShellAnswers;
  };
  for (const TCase& c : {TCase{false, true}, TCase{true, false}}) {
    m_shellAnswers = c.ShellAnswers;
    MakeMainForm();
    m_tray->SetHide(c.Hide);
    EXPECT_EQ(m_tray->IconShown(), c.ShellAnswers);
    Application->Minimize();
    Pump();
    EXPECT_TRUE(::IsWindowVisible(m_main->Handle())) << c.Hide << c.ShellAnswers;
    EXPECT_TRUE(::IsIconic(m_main->Handle()));
    MouseOnIcon(WM_LBUTTONDBLCLK);
    EXPECT_FALSE(::IsIconic(m_main->Handle()));
    m_main->Free();
  }
}

TEST_F(TrayIconTest, ShownAndHiddenFromCode) {
  TTrayIcon* tray = Create<TTrayIcon>(Application);
  EXPECT_TRUE(m_calls.empty());
  tray->SetVisible(true);
  tray->SetVisible(true);
  tray->SetVisible(false);
  ASSERT_EQ(m_calls.size(), 2u);
  EXPECT_EQ(m_calls[0].Message, static_cast<DWORD>(NIM_ADD));
  EXPECT_EQ(m_calls[1].Message, static_cast<DWORD>(NIM_DELETE));
  EXPECT_FALSE(ShellHasIcon(tray->Handle()));
}

} // namespace
} // namespace controls_test
