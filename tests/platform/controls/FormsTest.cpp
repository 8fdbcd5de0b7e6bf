// Forms under a real X server: read from their definitions, border styles,
// client sizes, positions, alpha blending, menus, closing, modal loops,
// activation in the platform's order, and timers ticking in every loop.
#include "tests/platform/controls/ControlsTestSupport.h"

#include "platform/controls/Menus.h"
#include "platform/controls/Screen.h"
#include "platform/controls/Timers.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/Graphic.h"
#include "platform/rtl/WideText.h"
#include "tests/support/GdiObjects.h"
#include "tests/support/Pictures.h"

namespace controls_test {
namespace {

// A form class of the kind the program defines: handlers the definition
// names, and a log of what happened.
class TLogForm : public TForm {
  OBJECT_CLASS(TLogForm, TForm)
public:
  static void Publish(TPublisher& p) {
    p.Method("FormActivate", &TLogForm::FormActivate);
    p.Method("FormDeactivate", &TLogForm::FormDeactivate);
    p.Method("FormClose", &TLogForm::FormClose);
    p.Method("FormCreate", &TLogForm::FormCreate);
    p.Method("Timer1Timer", &TLogForm::Timer1Timer);
    p.Method("OpenClick", &TLogForm::OpenClick);
  }
  using TForm::TForm;

  void FormActivate(TObject*) { Log("activate"); }
  void FormDeactivate(TObject*) { Log("deactivate"); }
  void FormClose(TObject*, TCloseAction& action) {
    Log("close");
    action = closeAction;
    if (throwOnClose)
      throw Exception("Kapat\xFDlamaz");
  }
  void FormCreate(TObject*) { createdAs = *globalReference; }
  void Timer1Timer(TObject*) {
    ++ticks;
    if (onTick)
      onTick();
  }
  void OpenClick(TObject*) { Log("open"); }

  void Log(const std::string& what) {
    if (log)
      log->push_back(Name() + " " + what);
  }

  std::vector<std::string>* log = nullptr;
  TCloseAction closeAction = TCloseAction::caHide;
  bool throwOnClose = false;
  int ticks = 0;
  std::function<void()> onTick;
  TCustomForm* createdAs = nullptr;
  static inline TLogForm** globalReference = nullptr;
};

const char kLoginDefinition[] = R"(object OturumAc1: TLogForm
  Caption = 'Oturum A'#231
  BorderStyle = bsNone
  AlphaBlend = True
  AlphaBlendValue = 200
  Position = poScreenCenter
  ClientWidth = 245
  ClientHeight = 227
  OnActivate = FormActivate
  OnClose = FormClose
  OnCreate = FormCreate
  object Edit2: TTestEdit
    Left = 64
    Top = 88
    TabOrder = 1
  end
  object Edit1: TTestEdit
    Left = 64
    Top = 40
    TabOrder = 0
    Text = #199#253'k'#253#254
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 10
    OnTimer = Timer1Timer
  end
end
)";

const char kMainDefinition[] = R"(object Main1: TLogForm
  Caption = 'Main1'
  Left = 300
  Top = 150
  Width = 260
  Height = 409
  Menu = MainMenu1
  OnActivate = FormActivate
  OnDeactivate = FormDeactivate
  OnClose = FormClose
  object Box1: TTestBox
    Align = alClient
  end
  object MainMenu1: TMainMenu
    object Dosya1: TMenuItem
      Caption = 'Dosya'
      object OturumA1: TMenuItem
        Caption = 'Oturum A'#231
        ShortCut = 16463
        OnClick = OpenClick
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object Durumum1: TMenuItem
        Caption = 'Durumum'
        object evrimii1: TMenuItem
          Caption = #199'evrimi'#231'i'
        end
      end
    end
  end
end
)";

void CALLBACK CloseActiveBox(HWND, UINT, UINT_PTR, DWORD) {
  ::PostMessageW(::GetActiveWindow(), WM_COMMAND, IDOK, 0);
}

class FormsTest : public TControlsTest {
protected:
  static void SetUpTestSuite() {
    TControlsTest::SetUpTestSuite();
    RegisterClass(TLogForm::StaticClass());
  }

  void SetUp() override {
    TControlsTest::SetUp();
    RegisterFormDefinition("TLogForm", kMainDefinition);
  }

  // A form of the definition, under another name when 'name' is given.
  TLogForm* MakeForm(const char* definition, const std::string& name = {}) {
    std::string text = definition;
    if (!name.empty())
      text.replace(7, text.find(':') - 7, name);
    RegisterFormDefinition("TLogForm", text);
    TLogForm* form = nullptr;
    TLogForm::globalReference = &form;
    Application->CreateForm(form);
    form->log = &m_log;
    return form;
  }

  TForm* PlainForm(int left) {
    TForm* form = Create<TForm>(Application, 0);
    form->SetBounds(left, 100, 200, 150);
    return form;
  }

  static std::string MenuText(HMENU menu, int position) {
    std::u16string text(64, u'\0');
    text.resize(static_cast<std::size_t>(
        ::GetMenuStringW(menu, position, WidePtr(text), 64, MF_BYPOSITION)));
    return WideToAnsi(text);
  }

  std::vector<std::string> m_log;
};

TEST_F(FormsTest, FormReadFromItsDefinitionStartsHiddenWithItsComponents) {
  TLogForm* main = MakeForm(kMainDefinition);
  TLogForm* login = MakeForm(kLoginDefinition);
  EXPECT_EQ(Application->MainForm(), main);
  EXPECT_EQ(login->createdAs, login);
  EXPECT_FALSE(login->Visible());
  EXPECT_FALSE(login->HandleAllocated());
  EXPECT_EQ(login->Caption(), "Oturum A\xE7");
  auto* edit1 = As<TTestEdit>(login->FindComponent("Edit1"));
  auto* edit2 = As<TTestEdit>(login->FindComponent("Edit2"));
  ASSERT_TRUE(edit1 && edit2);
  EXPECT_EQ(edit1->Parent(), login);
  EXPECT_EQ(edit1->Text(), "\xC7\xFDk\xFD\xFE");
  EXPECT_EQ(edit1->TabOrder(), 0);
  EXPECT_EQ(edit2->TabOrder(), 1);
  EXPECT_EQ(As<TTimer>(login->FindComponent("Timer1"))->Interval(), 10u);

  login->Show();
  const LONG style = ::GetWindowLongW(login->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & WS_CAPTION);
  RECT client;
  ::GetClientRect(login->Handle(), &client);
  EXPECT_EQ(client.right, 245);
  EXPECT_EQ(client.bottom, 227);
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(::GetLayeredWindowAttributes(login->Handle(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 200);
  EXPECT_EQ(login->Left(), (Screen->Width() - login->Width()) / 2);
  EXPECT_EQ(login->Top(), (Screen->Height() - login->Height()) / 2);
  EXPECT_TRUE(edit1->Focused());
  EXPECT_EQ(m_log, (std::vector<std::string>{"OturumAc1 activate"}));
}

// Top-aligned controls of a definition stack in the definition's order.
TEST_F(FormsTest, AlignedControlsOfADefinitionStackInItsOrder) {
  TLogForm* form = MakeForm(R"(object Mesaj1: TLogForm
  Width = 422
  Height = 263
  object Memo1: TTestBox
    Align = alTop
    Height = 185
  end
  object Memo2: TTestBox
    Align = alTop
    Height = 48
  end
end
)");
  auto* first = As<TControl>(form->FindComponent("Memo1"));
  auto* second = As<TControl>(form->FindComponent("Memo2"));
  EXPECT_EQ(first->BoundsRect(), Bounds(0, 0, form->ClientWidth(), 185));
  EXPECT_EQ(second->BoundsRect(), Bounds(0, 185, form->ClientWidth(), 48));
  form->Show();
  EXPECT_EQ(first->Top(), 0);
  EXPECT_EQ(second->Top(), 185);
  EXPECT_EQ(first->Width(), form->ClientWidth());
}

TEST_F(FormsTest, BorderStylesGiveTheirWindowsAndKeepTheClientSize) {
  const struct {
    TFormBorderStyle style;
    DWORD present;
    DWORD absent;
    DWORD exPresent;
  } cases[] = {
      {TFormBorderStyle::bsNone, WS_POPUP, WS_CAPTION | WS_THICKFRAME, 0},
      {TFormBorderStyle::bsSingle, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, WS_THICKFRAME, 0},
      {TFormBorderStyle::bsSizeable, WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZEBOX, WS_POPUP, 0},
      {TFormBorderStyle::bsDialog, WS_POPUP | WS_CAPTION | WS_SYSMENU,
       WS_THICKFRAME | WS_MINIMIZEBOX, WS_EX_DLGMODALFRAME},
      {TFormBorderStyle::bsToolWindow, WS_CAPTION, WS_THICKFRAME, WS_EX_TOOLWINDOW},
  };
  for (const auto& c : cases) {
    TForm* form = PlainForm(100);
    form->SetBorderStyle(c.style);
    form->SetClientWidth(344);
    form->SetClientHeight(232);
    form->Show();
    const auto style = static_cast<DWORD>(::GetWindowLongW(form->Handle(), GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(::GetWindowLongW(form->Handle(), GWL_EXSTYLE));
    EXPECT_EQ(style & c.present, c.present) << static_cast<int>(c.style);
    EXPECT_EQ(style & c.absent, 0u) << static_cast<int>(c.style);
    EXPECT_EQ(exStyle & c.exPresent, c.exPresent) << static_cast<int>(c.style);
    EXPECT_EQ(form->ClientWidth(), 344) << static_cast<int>(c.style);
    EXPECT_EQ(form->ClientHeight(), 232) << static_cast<int>(c.style);
    form->Free();
  }
}

TEST_F(FormsTest, MainMenuShowsTheItemsAndRunsTheirHandlers) {
  TLogForm* main = MakeForm(kMainDefinition);
  main->Show();
  HMENU bar = ::GetMenu(main->Handle());
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(::GetMenuItemCount(bar), 1);
  EXPECT_EQ(MenuText(bar, 0), "Dosya");
  HMENU file = ::GetSubMenu(bar, 0);
  ASSERT_EQ(::GetMenuItemCount(file), 3);
  EXPECT_EQ(MenuText(file, 0), "Oturum A\xE7");
  EXPECT_EQ(::GetMenuState(file, 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
  EXPECT_EQ(MenuText(::GetSubMenu(file, 2), 0), "\xC7" "evrimi\xE7i");
  RECT client;
  ::GetClientRect(main->Handle(), &client);
  EXPECT_EQ(As<TControl>(main->FindComponent("Box1"))->Height(), client.bottom);

  auto* open = As<TMenuItem>(main->FindComponent("OturumA1"));
  ::PostMessageW(main->Handle(), WM_COMMAND, open->Command(), 0);
  Pump();
  EXPECT_EQ(m_log, (std::vector<std::string>{"Main1 activate", "Main1 open"}));

  ::SetFocus(main->Handle());
  INPUT keys[4] = {};
  for (INPUT& key : keys)
    key.type = INPUT_KEYBOARD;
  keys[0].ki.wVk = VK_CONTROL;
  keys[1].ki.wVk = 'O';
  keys[2].ki.wVk = 'O';
  keys[2].ki.dwFlags = KEYEVENTF_KEYUP;
  keys[3].ki.wVk = VK_CONTROL;
  keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
  ::SendInput(4, keys, sizeof(INPUT));
  EXPECT_TRUE(PumpUntil([&] { return m_log.size() == 3; }));

  open->SetCaption("Oturumu A\xE7");
  EXPECT_EQ(MenuText(::GetSubMenu(::GetMenu(main->Handle()), 0), 0), "Oturumu A\xE7");
}

// A secondary form hides on close; caNone keeps it; a refused close query
// keeps it without OnClose; closing the main form ends the application.
TEST_F(FormsTest, CloseActionsDecideWhatClosingDoes) {
  TLogForm* main = MakeForm(kMainDefinition);
  TLogForm* second = MakeForm(kLoginDefinition);
  main->Show();
  second->Show();
  second->closeAction = TCloseAction::caNone;
  second->Close();
  EXPECT_TRUE(second->Visible());
  second->closeAction = TCloseAction::caHide;
  second->SetOnCloseQuery(TCloseQueryEvent([](TObject*, bool& canClose) { canClose = false; }));
  second->Close();
  EXPECT_TRUE(second->Visible());
  second->SetOnCloseQuery(nullptr);
  ::PostMessageW(second->Handle(), WM_CLOSE, 0, 0);
  Pump();
  EXPECT_FALSE(second->Visible());
  EXPECT_FALSE(::IsWindowVisible(second->Handle()));
  EXPECT_FALSE(Application->Terminated());

  main->Close();
  Application->ProcessMessages();
  EXPECT_TRUE(Application->Terminated());
  EXPECT_EQ(std::count(m_log.begin(), m_log.end(), "OturumAc1 close"), 2);
  EXPECT_EQ(std::count(m_log.begin(), m_log.end(), "Main1 close"), 1);
}

// While a modal form runs, the other windows are disabled; setting the
// modal result closes it through OnClose; the window that was active comes
// back without an OnActivate.
TEST_F(FormsTest, ModalFormRunsUntilItsResultIsSet) {
  TLogForm* main = MakeForm(kMainDefinition);
  TLogForm* login = MakeForm(kLoginDefinition);
  main->Show();
  Pump();
  bool mainDisabled = false;
  HWND poster = AllocateHWnd(TWndMethod([&](TMessage& m) {
    if (m.Msg != WM_APP)
      return;
    mainDisabled = !::IsWindowEnabled(main->Handle());
    EXPECT_EQ(::GetActiveWindow(), login->Handle());
    login->SetModalResult(mrOk);
  }));
  ::PostMessageW(poster, WM_APP, 0, 0);
  EXPECT_EQ(login->ShowModal(), mrOk);
  DeallocateHWnd(poster);
  EXPECT_TRUE(mainDisabled);
  EXPECT_TRUE(::IsWindowEnabled(main->Handle()));
  EXPECT_FALSE(login->Visible());
  Pump();
  EXPECT_EQ(::GetActiveWindow(), main->Handle());
  const std::vector<std::string> expected = {"Main1 activate", "OturumAc1 activate",
                                             "OturumAc1 close"};
  EXPECT_EQ(m_log, expected);
  EXPECT_THROW(
      {
        login->Show();
        login->ShowModal();
      },
      EInvalidOperation);
}

TEST_F(FormsTest, CloseActionNoneOrAThrowingOnCloseKeepsTheModalFormOpen) {
  TLogForm* login = MakeForm(kLoginDefinition);
  int attempts = 0;
  login->onTick = [&] {
    ++attempts;
    login->throwOnClose = attempts == 1;
    login->closeAction = attempts == 2 ? TCloseAction::caNone : TCloseAction::caHide;
    login->SetModalResult(mrCancel);
  };
  As<TTimer>(login->FindComponent("Timer1"))->SetEnabled(true);
  EXPECT_EQ(login->ShowModal(), mrCancel);
  EXPECT_EQ(attempts, 3);
  ASSERT_EQ(m_boxes.size(), 1u);
  EXPECT_EQ(m_boxes[0].Text, "Kapat\xFDlamaz.");
}

// Terminate ends every modal loop, without OnClose.
TEST_F(FormsTest, TerminateEndsNestedModalLoopsWithoutOnClose) {
  TLogForm* main = MakeForm(kMainDefinition);
  TLogForm* outer = MakeForm(kLoginDefinition, "Outer");
  TLogForm* inner = MakeForm(kLoginDefinition, "Inner");
  main->Show();
  TModalResult innerResult = mrNone;
  outer->onTick = [&] {
    As<TTimer>(outer->FindComponent("Timer1"))->SetEnabled(false);
    inner->onTick = [&] { Application->Terminate(); };
    As<TTimer>(inner->FindComponent("Timer1"))->SetEnabled(true);
    innerResult = inner->ShowModal();
  };
  As<TTimer>(outer->FindComponent("Timer1"))->SetEnabled(true);
  EXPECT_EQ(outer->ShowModal(), mrCancel);
  EXPECT_EQ(innerResult, mrCancel);
  EXPECT_TRUE(Application->Terminated());
  EXPECT_EQ(std::count_if(m_log.begin(), m_log.end(),
                          [](const std::string& s) { return s.ends_with("close"); }),
            0);
}

// OnActivate and OnDeactivate follow the application's active form: not
// another program's window coming and going, not a modal form closing.
TEST_F(FormsTest, ActivationEventsFollowTheApplicationsActiveForm) {
  TLogForm* main = MakeForm(kMainDefinition);
  TLogForm* other = MakeForm(kMainDefinition, "Other");
  other->SetLeft(700);
  main->Show();
  other->Show();
  ClickControl(main, {100, 100});
  EXPECT_TRUE(PumpUntil([&] { return ::GetActiveWindow() == main->Handle(); }));
  Pump();

  HWND stranger = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                    nullptr, nullptr, nullptr, nullptr);
  ::SetActiveWindow(stranger);
  Pump();
  ::SetActiveWindow(main->Handle());
  Pump();
  ::DestroyWindow(stranger);

  TLogForm* login = MakeForm(kLoginDefinition);
  login->onTick = [&] { login->SetModalResult(mrOk); };
  As<TTimer>(login->FindComponent("Timer1"))->SetEnabled(true);
  login->ShowModal();
  Pump();
  const std::vector<std::string> expected = {
      "Main1 activate",    "Main1 deactivate",     "Other activate",
      "Other deactivate",  "Main1 activate",       "OturumAc1 activate",
      "OturumAc1 close"};
  EXPECT_EQ(m_log, expected);
  EXPECT_EQ(::GetActiveWindow(), main->Handle());
  EXPECT_EQ(Screen->ActiveForm(), main);
}

// Showing a form brings it to the front and activates it; a form already
// there (below topmost windows only) and active is left as it is, without a
// move of its window, and so is a windowed control already in front of its
// siblings.
int positionChanges = 0;
HWND watched = nullptr;

LRESULT CALLBACK CountPositionChanges(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && message->hwnd == watched && message->message == WM_WINDOWPOSCHANGING)
    ++positionChanges;
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(FormsTest, ShowingMovesOnlyAWindowThatIsNotInFront) {
  const HHOOK hook =
      ::SetWindowsHookExW(WH_CALLWNDPROC, CountPositionChanges, nullptr, ::GetCurrentThreadId());
  TForm* first = PlainForm(0);
  TForm* second = PlainForm(300);
  first->Show();
  second->Show();
  ASSERT_TRUE(PumpUntil([&] { return ::GetActiveWindow() == second->Handle(); }));

  const HWND topmost = ::CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10,
                                         nullptr, nullptr, nullptr, nullptr);
  watched = second->Handle();
  positionChanges = 0;
  second->Show();
  EXPECT_EQ(positionChanges, 0);
  ::DestroyWindow(topmost);
  EXPECT_EQ(::GetActiveWindow(), second->Handle());

  watched = first->Handle();
  first->Show();
  EXPECT_GT(positionChanges, 0);
  EXPECT_EQ(::GetActiveWindow(), first->Handle());
  EXPECT_EQ(::GetWindow(first->Handle(), GW_HWNDPREV), nullptr);

  TTestBox* back = Create<TTestBox>(first);
  TTestBox* front = Create<TTestBox>(first);
  for (TTestBox* box : {back, front}) {
    box->SetParent(first);
    box->HandleNeeded();
  }
  watched = front->Handle();
  positionChanges = 0;
  front->BringToFront();
  EXPECT_EQ(positionChanges, 0);
  watched = back->Handle();
  back->BringToFront();
  EXPECT_GT(positionChanges, 0);
  EXPECT_EQ(::GetWindow(back->Handle(), GW_HWNDPREV), nullptr);
  ::UnhookWindowsHookEx(hook);
}

TEST_F(FormsTest, MainFormCentredFormOpensOverTheMainForm) {
  TLogForm* main = MakeForm(kMainDefinition);
  TForm* dialog = PlainForm(0);
  dialog->SetPosition(TPosition::poMainFormCenter);
  main->Show();
  dialog->Show();
  EXPECT_EQ(dialog->Left(), main->Left() + (main->Width() - dialog->Width()) / 2);
  EXPECT_EQ(dialog->Top(), main->Top() + (main->Height() - dialog->Height()) / 2);
  EXPECT_EQ(dialog->Position(), TPosition::poDesigned);
}

// Timers tick in every message loop: the application's, a modal form's and
// a message box's.
TEST_F(FormsTest, TimerTicksInsideAMessageBox) {
  TLogForm* main = MakeForm(kMainDefinition);
  main->Show();
  SetMessageBoxFunction(nullptr);
  TTimer* timer = Create<TTimer>(main);
  int ticks = 0;
  timer->SetInterval(10);
  timer->SetOnTimer(TNotifyEvent([&](TObject*) {
    if (++ticks == 3)
      if (HWND box = ::GetActiveWindow(); box && box != main->Handle())
        ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  }));
  // Should the timer never tick, the box still ends (and the test fails).
  const UINT_PTR fallback = ::SetTimer(nullptr, 0, 5000, CloseActiveBox);
  ShowMessage("Hesab\xFDn\xFDz A\xE7\xFDlm\xFD\xfEt\xFDr.");
  ::KillTimer(nullptr, fallback);
  EXPECT_GE(ticks, 3);
}

TEST_F(FormsTest, RunShowsTheMainFormAndEndsWithTerminate) {
  TLogForm* main = MakeForm(kMainDefinition);
  bool shownWhileRunning = false;
  main->onTick = [&] {
    shownWhileRunning = ::IsWindowVisible(main->Handle());
    Application->Terminate();
  };
  TTimer* timer = Create<TTimer>(main);
  timer->SetInterval(10);
  timer->SetOnTimer(TNotifyEvent(main, &TLogForm::Timer1Timer));
  Application->Run();
  EXPECT_TRUE(shownWhileRunning);
  EXPECT_TRUE(Application->Terminated());
}

TEST_F(FormsTest, ReleasedFormIsFreedOnceQueuedMessagesAreHandled) {
  TForm* form = PlainForm(100);
  form->Show();
  TControlLife life(form);
  form->Release();
  EXPECT_TRUE(life.Alive());
  Pump();
  EXPECT_FALSE(life.Alive());
}

// A form paints its client area through Canvas in Paint (OnPaint), both for
// the screen and when asked to print itself into a device context.
TEST_F(FormsTest, FormPaintsOnItsCanvasForTheScreenAndForPrinting) {
  TForm* form = PlainForm(100);
  int paints = 0;
  form->SetOnPaint(TNotifyEvent([&](TObject*) {
    ++paints;
    form->Canvas()->Brush()->SetColor(clLime);
    form->Canvas()->FillRect(Rect(0, 0, 20, 10));
  }));
  form->Show();
  ASSERT_TRUE(PumpUntil([&] { return paints > 0; }));
  // The picture's bitmap and device context are made by the first render.
  TOwned<TBitmap> picture(Create<TBitmap>());
  RenderWindow(form->Handle(), picture.get(), true);
  const int gdiBefore = CountGdiObjects();
  for (int cycle = 0; cycle < 3; ++cycle) {
    const int before = paints;
    RenderWindow(form->Handle(), picture.get(), true);
    EXPECT_EQ(paints, before + 1);
    EXPECT_EQ(picture->Canvas()->Pixels(0, 0), clLime);
    EXPECT_EQ(picture->Canvas()->Pixels(19, 9), clLime);
    EXPECT_EQ(picture->Canvas()->Pixels(20, 10), ColorToRGB(clBtnFace));
    EXPECT_FALSE(form->Canvas()->HandleAllocated());
  }
  EXPECT_EQ(CountGdiObjects(), gdiBefore);
  SavePicture(picture.get(), "form-on-paint");
}

// WM_PRINTCLIENT paints a control with its windowless children into the
// given device context; with PRF_CHECKVISIBLE a hidden control paints nothing.
TEST_F(FormsTest, PrintClientPaintsTheControlUnlessHiddenAndAskedToCheck) {
  TForm* form = PlainForm(100);
  auto* box = Create<TTestBox>(form);
  box->SetBounds(10, 10, 40, 30);
  box->paintColor = clRed;
  box->SetParent(form);
  auto* child = Create<TTestGraphic>(box);
  child->SetBounds(5, 5, 10, 10);
  child->SetParent(box);
  form->Show();
  Pump();
  struct Case {
    bool visible;
    LPARAM flags;
    bool painted;
  };
  const Case cases[] = {{true, PRF_CLIENT, true},
                        {true, PRF_CLIENT | PRF_CHECKVISIBLE, true},
                        {false, PRF_CLIENT, true},
                        {false, PRF_CLIENT | PRF_CHECKVISIBLE, false}};
  TOwned<TBitmap> picture(Create<TBitmap>());
  picture->SetPixelFormat(TPixelFormat::pf32bit);
  picture->SetSize(40, 30);
  for (const Case& c : cases) {
    box->SetVisible(c.visible);
    picture->Canvas()->Brush()->SetColor(clBlue);
    picture->Canvas()->FillRect(Rect(0, 0, 40, 30));
    box->Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture->Canvas()->Handle()), c.flags);
    EXPECT_EQ(picture->Canvas()->Pixels(30, 20), c.painted ? clRed : clBlue)
        << "visible " << c.visible << " flags " << c.flags;
  }
}

struct MonitorCase {
  TDefaultMonitor monitor;
  const char* name;
};

// A screen-centred form opens in the middle of the monitor DefaultMonitor
// names (Xvfb has one, so each gives the screen's middle).
TEST_F(FormsTest, ScreenCentredFormOpensInTheMiddleOfItsMonitor) {
  const MonitorCase cases[] = {{TDefaultMonitor::dmDesktop, "dmDesktop"},
                               {TDefaultMonitor::dmPrimary, "dmPrimary"},
                               {TDefaultMonitor::dmMainForm, "dmMainForm"},
                               {TDefaultMonitor::dmActiveForm, "dmActiveForm"}};
  TLogForm* main = MakeForm(kMainDefinition);
  main->Show();
  for (const MonitorCase& c : cases) {
    TForm* form = PlainForm(0);
    EXPECT_EQ(form->DefaultMonitor(), TDefaultMonitor::dmActiveForm);
    form->SetDefaultMonitor(c.monitor);
    form->SetPosition(TPosition::poScreenCenter);
    form->Show();
    EXPECT_EQ(form->Left(), (::GetSystemMetrics(SM_CXSCREEN) - form->Width()) / 2) << c.name;
    EXPECT_EQ(form->Top(), (::GetSystemMetrics(SM_CYSCREEN) - form->Height()) / 2) << c.name;
    form->Free();
  }
}

TEST_F(FormsTest, DefaultMonitorIsReadFromTheDefinition) {
  std::string text = kMainDefinition;
  text.insert(text.find("  Left = 300"), "  DefaultMonitor = dmDesktop\n");
  TLogForm* form = MakeForm(text.c_str());
  EXPECT_EQ(form->DefaultMonitor(), TDefaultMonitor::dmDesktop);
}

TEST_F(FormsTest, FormWithoutADefinitionCannotBeMade) {
  UnregisterFormDefinition("TLogForm");
  TLogForm* form = nullptr;
  EXPECT_THROW(Application->CreateForm(form), EResNotFound);
  EXPECT_EQ(form, nullptr);
  EXPECT_EQ(Application->ComponentCount(), 0);
}

} // namespace
} // namespace controls_test
