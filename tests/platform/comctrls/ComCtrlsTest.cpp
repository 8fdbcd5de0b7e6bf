// The status bar and the page control under a real X server: read from
// form definitions, placed by alignment, their texts in Turkish read back
// from the platform's controls, and page changes by clicks on the tabs.
#include "tests/platform/controls/ControlsTestSupport.h"

#include "platform/comctrls/ComCtrls.h"
#include "platform/comctrls/CommonControlsClasses.h"
#include "platform/objects/FormWriter.h"
#include "platform/rtl/WideText.h"

#include <commctrl.h>

namespace controls_test {
namespace {

class TPagesForm : public TForm {
  OBJECT_CLASS(TPagesForm, TForm)
public:
  static void Publish(TPublisher& p) {
    p.Method("PageChange", &TPagesForm::PageChange);
    p.Method("PageChanging", &TPagesForm::PageChanging);
    p.Method("BarClick", &TPagesForm::BarClick);
  }
  using TForm::TForm;

  void PageChange(TObject*) { log.push_back("change " + ActiveName()); }
  void PageChanging(TObject*, bool& allow) {
    log.push_back("changing " + ActiveName());
    allow = allowChange;
  }
  void BarClick(TObject*) { log.push_back("bar click"); }

  std::string ActiveName() {
    TTabSheet* page = As<TPageControl>(FindComponent("PageControl1"))->ActivePage();
    return page ? page->Name() : std::string("-");
  }

  std::vector<std::string> log;
  bool allowChange = true;
};

const char kOptionsDefinition[] = R"(object Secenekler1: TPagesForm
  Left = 200
  Top = 150
  BorderStyle = bsDialog
  Caption = 'Secenekler1'
  ClientWidth = 344
  ClientHeight = 232
  object PageControl1: TPageControl
    Left = 8
    Top = 8
    Width = 329
    Height = 185
    ActivePage = TabSheet1
    OnChange = PageChange
    OnChanging = PageChanging
    object TabSheet1: TTabSheet
      Caption = 'Kullan'#253'c'#253' Bilgileri'
      object Edit1: TTestEdit
        Left = 97
        Top = 16
      end
    end
    object TabSheet2: TTabSheet
      Caption = #199'ift Sayfa'
    end
  end
  object StatusBar1: TStatusBar
    Height = 19
    SimpleText = #221'leti: '#231#240#253#246#254#252
    OnClick = BarClick
  end
end
)";

class ComCtrlsTest : public TControlsTest {
protected:
  static void SetUpTestSuite() {
    TControlsTest::SetUpTestSuite();
    RegisterCommonControlsClasses();
    RegisterClass(TPagesForm::StaticClass());
  }

  void SetUp() override {
    TControlsTest::SetUp();
    RegisterFormDefinition("TPagesForm", kOptionsDefinition);
    Application->CreateForm(m_form);
    m_pages = As<TPageControl>(m_form->FindComponent("PageControl1"));
    m_sheet1 = As<TTabSheet>(m_form->FindComponent("TabSheet1"));
    m_sheet2 = As<TTabSheet>(m_form->FindComponent("TabSheet2"));
    m_bar = As<TStatusBar>(m_form->FindComponent("StatusBar1"));
  }

  void ShowForm() {
    m_form->Show();
    ASSERT_TRUE(PumpUntil([&] { return m_form->Active(); }));
  }

  std::string TabText(int index) {
    std::u16string text(128, u'\0');
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = WidePtr(text);
    item.cchTextMax = static_cast<int>(text.size());
    ::SendMessageW(m_pages->Handle(), TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
    return WideToAnsi(item.pszText);
  }

  std::string BarText(int part) {
    std::u16string text(128, u'\0');
    ::SendMessageW(m_bar->Handle(), SB_GETTEXTW, part, reinterpret_cast<LPARAM>(WidePtr(text)));
    return WideToAnsi(WidePtr(text));
  }

  // The simple mode's text: Wine answers it for part 0 (not for SB_SIMPLEID).
  std::string SimpleBarText() {
    EXPECT_TRUE(::SendMessageW(m_bar->Handle(), SB_ISSIMPLE, 0, 0));
    return BarText(0);
  }

  void ClickTab(int index) {
    RECT tab{};
    ::SendMessageW(m_pages->Handle(), TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&tab));
    ClickControl(m_pages, {(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2});
    Pump();
  }

  TPagesForm* m_form = nullptr;
  TPageControl* m_pages = nullptr;
  TTabSheet* m_sheet1 = nullptr;
  TTabSheet* m_sheet2 = nullptr;
  TStatusBar* m_bar = nullptr;
};

TEST_F(ComCtrlsTest, PageControlShowsTheActiveSheetBelowItsTabs) {
  ShowForm();
  ASSERT_EQ(m_pages->PageCount(), 2);
  EXPECT_EQ(m_pages->ActivePage(), m_sheet1);
  EXPECT_EQ(m_sheet2->PageIndex(), 1);
  EXPECT_EQ(TabText(0), "Kullan\xFD" "c\xFD Bilgileri");
  EXPECT_EQ(TabText(1), "\xC7" "ift Sayfa");
  EXPECT_EQ(::SendMessageW(m_pages->Handle(), TCM_GETCURSEL, 0, 0), 0);
  EXPECT_TRUE(::IsWindowVisible(m_sheet1->Handle()));
  EXPECT_FALSE(m_sheet2->Visible());
  EXPECT_EQ(m_sheet1->BoundsRect(), m_pages->DisplayRect());
  EXPECT_GT(m_sheet1->Top(), 10);
  auto* edit = As<TTestEdit>(m_form->FindComponent("Edit1"));
  EXPECT_EQ(edit->Parent(), m_sheet1);
  EXPECT_TRUE(edit->Showing());

  const std::string written = WriteFormDefinition(m_form);
  EXPECT_NE(written.find("ActivePage = TabSheet1"), std::string::npos) << written;
  EXPECT_NE(written.find("Caption = 'Kullan'#253'c'#253' Bilgileri'"), std::string::npos)
      << written;
}

TEST_F(ComCtrlsTest, ClickingATabAsksThenChangesThePageOnce) {
  ShowForm();
  ClickTab(1);
  ASSERT_TRUE(PumpUntil([&] { return m_form->log.size() >= 2; }));
  EXPECT_EQ(m_form->log, (std::vector<std::string>{"changing TabSheet1", "change TabSheet2"}));
  EXPECT_EQ(m_pages->ActivePage(), m_sheet2);
  EXPECT_TRUE(m_sheet2->Showing());
  EXPECT_FALSE(m_sheet1->Visible());
  EXPECT_EQ(m_sheet2->BoundsRect(), m_pages->DisplayRect());

  m_form->log.clear();
  m_form->allowChange = false;
  ClickTab(0);
  ASSERT_TRUE(PumpUntil([&] { return !m_form->log.empty(); }));
  Pump();
  EXPECT_EQ(m_form->log, (std::vector<std::string>{"changing TabSheet2"}));
  EXPECT_EQ(m_pages->ActivePage(), m_sheet2);
  EXPECT_EQ(::SendMessageW(m_pages->Handle(), TCM_GETCURSEL, 0, 0), 1);
}

TEST_F(ComCtrlsTest, PagesChangedFromCodeFollowWithoutEvents) {
  ShowForm();
  m_pages->SetActivePageIndex(1);
  EXPECT_EQ(::SendMessageW(m_pages->Handle(), TCM_GETCURSEL, 0, 0), 1);
  EXPECT_TRUE(m_sheet2->Visible());
  m_sheet2->SetCaption("\xDE" "ifre");
  EXPECT_EQ(TabText(1), "\xDE" "ifre");
  m_sheet2->SetPageIndex(0);
  EXPECT_EQ(TabText(0), "\xDE" "ifre");
  EXPECT_EQ(::SendMessageW(m_pages->Handle(), TCM_GETCURSEL, 0, 0), 0);

  m_sheet2->Free();
  EXPECT_EQ(m_pages->PageCount(), 1);
  EXPECT_EQ(m_pages->ActivePage(), m_sheet1);
  EXPECT_TRUE(m_sheet1->Visible());
  EXPECT_EQ(TabText(0), "Kullan\xFD" "c\xFD Bilgileri");
  EXPECT_TRUE(m_form->log.empty());

  TPageControl* other = Create<TPageControl>(m_form);
  EXPECT_THROW(other->SetActivePage(m_sheet1), EInvalidOperation);
  EXPECT_THROW(m_pages->SetActivePageIndex(1), EListError);
}

TEST_F(ComCtrlsTest, StatusBarSitsAtTheBottomWithItsText) {
  ShowForm();
  EXPECT_EQ(m_bar->Align(), TAlign::alBottom);
  EXPECT_EQ(m_bar->Height(), 19);
  EXPECT_EQ(m_bar->Top() + m_bar->Height(), m_form->ClientHeight());
  EXPECT_EQ(m_bar->Width(), m_form->ClientWidth());
  RECT window;
  ::GetWindowRect(m_bar->Handle(), &window);
  EXPECT_EQ(window.bottom - window.top, 19);
  EXPECT_EQ(SimpleBarText(), "\xDDleti: \xE7\xF0\xFD\xF6\xFE\xFC");
  EXPECT_FALSE(::GetWindowLongW(m_bar->Handle(), GWL_STYLE) & SBARS_SIZEGRIP);

  m_bar->SetSimpleText("\xC7\xDD\xD0");
  EXPECT_EQ(SimpleBarText(), "\xC7\xDD\xD0");

  ClickControl(m_bar, {20, 8});
  ASSERT_TRUE(PumpUntil([&] { return !m_form->log.empty(); }));
  Pump();
  EXPECT_EQ(m_form->log, (std::vector<std::string>{"bar click"}));
}

TEST_F(ComCtrlsTest, StatusBarPanelsShareTheBar) {
  ShowForm();
  TStatusPanel* first = m_bar->Panels()->Add();
  first->SetText("Ba\xF0l\xFD");
  first->SetWidth(120);
  m_bar->Panels()->Add()->SetText("\xC7" "evrimi\xE7i");
  int edges[4] = {};
  ASSERT_EQ(::SendMessageW(m_bar->Handle(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 2);
  EXPECT_EQ(edges[0], 120);
  EXPECT_EQ(BarText(0), "Ba\xF0l\xFD");
  EXPECT_EQ(BarText(1), "\xC7" "evrimi\xE7i");
  m_bar->SetSimplePanel(true);
  EXPECT_EQ(SimpleBarText(), "\xDDleti: \xE7\xF0\xFD\xF6\xFE\xFC");
  EXPECT_THROW(first->SetWidth(-1), ERangeError);

  const std::string written = WriteFormDefinition(m_form);
  EXPECT_NE(written.find("Width = 120"), std::string::npos) << written;
  EXPECT_EQ(written.find("Align = alBottom"), std::string::npos) << written;
  EXPECT_EQ(written.find(" Color =", written.find("object StatusBar1")), std::string::npos)
      << written;
}

TEST_F(ComCtrlsTest, SizeGripOnlyOnAResizableForm) {
  TForm* form = Create<TForm>(Application, 0);
  form->SetBounds(100, 100, 300, 200);
  TStatusBar* bar = Create<TStatusBar>(form);
  bar->SetParent(form);
  form->Show();
  EXPECT_TRUE(::GetWindowLongW(bar->Handle(), GWL_STYLE) & SBARS_SIZEGRIP);
  bar->SetSizeGrip(false);
  EXPECT_FALSE(::GetWindowLongW(bar->Handle(), GWL_STYLE) & SBARS_SIZEGRIP);
  EXPECT_EQ(bar->Top() + bar->Height(), form->ClientHeight());
}

} // namespace
} // namespace controls_test
