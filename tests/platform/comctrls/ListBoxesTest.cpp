// The list box over the platform's LISTBOX: items read from a definition
// and kept across new windows, the selected item, clicks and double clicks
// from the user, owner drawing, item geometry, incremental search and the
// virtual style.
#include "tests/platform/controls/ControlsTestSupport.h"

#include "platform/comctrls/CommonControlsClasses.h"
#include "platform/comctrls/ListBoxes.h"
#include "platform/objects/FormWriter.h"
#include "platform/rtl/WideText.h"

namespace controls_test {
namespace {

class TListForm : public TForm {
  OBJECT_CLASS(TListForm, TForm)
public:
  static void Publish(TPublisher& p) {
    p.Method("ListClick", &TListForm::ListClick);
    p.Method("ListDblClick", &TListForm::ListDblClick);
  }
  using TForm::TForm;

  void ListClick(TObject* sender) {
    log.push_back("click " + std::to_string(As<TListBox>(sender)->ItemIndex()));
  }
  void ListDblClick(TObject* sender) {
    log.push_back("dblclick " + std::to_string(As<TListBox>(sender)->ItemIndex()));
  }

  std::vector<std::string> log;
};

const char kListDefinition[] = R"(object ListForm1: TListForm
  Left = 200
  Top = 200
  Width = 300
  Height = 260
  object ListBox1: TListBox
    Left = 8
    Top = 8
    Width = 160
    Height = 150
    Items.Strings = (
      'Ali'
      'Ay'#254'e'
      'Ayten'
      'Bora'
      #199'i'#231'ek'
      #208#252'l')
    OnClick = ListClick
    OnDblClick = ListDblClick
  end
end
)";

class ListBoxTest : public TControlsTest {
protected:
  static void SetUpTestSuite() {
    TControlsTest::SetUpTestSuite();
    RegisterCommonControlsClasses();
    RegisterClass(TListForm::StaticClass());
  }

  void SetUp() override {
    TControlsTest::SetUp();
    RegisterFormDefinition("TListForm", kListDefinition);
    Application->CreateForm(m_form);
    m_list = As<TListBox>(m_form->FindComponent("ListBox1"));
  }

  void ShowAndFocus() {
    m_form->Show();
    ASSERT_TRUE(PumpUntil([&] { return m_form->Active(); }));
    m_list->SetFocus();
  }

  std::vector<std::string> WindowItems() {
    std::vector<std::string> items;
    const auto count = ::SendMessageW(m_list->Handle(), LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
      std::u16string text(64, u'\0');
      ::SendMessageW(m_list->Handle(), LB_GETTEXT, i, reinterpret_cast<LPARAM>(WidePtr(text)));
      items.push_back(WideToAnsi(WidePtr(text)));
    }
    return items;
  }

  std::vector<std::string> Items() {
    std::vector<std::string> items;
    for (int i = 0; i < m_list->Items()->Count(); ++i)
      items.push_back(m_list->Items()->Strings(i));
    return items;
  }

  TPoint ItemCentre(int index) {
    const TRect r = m_list->ItemRect(index);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }

  TListForm* m_form = nullptr;
  TListBox* m_list = nullptr;
  // What owner drawing drew; lives as long as the form, which may still
  // paint after a test's body.
  std::vector<std::string> m_drawn;
};

TEST_F(ListBoxTest, ItemsFromTheDefinitionReachTheWindowAndComeBack) {
  const std::vector<std::string> names = {"Ali",  "Ay\xFE" "e", "Ayten",
                                          "Bora", "\xC7i\xE7" "ek", "\xD0\xFCl"};
  EXPECT_FALSE(m_list->HandleAllocated());
  EXPECT_EQ(Items(), names);
  EXPECT_EQ(m_list->ItemIndex(), -1);
  m_list->SetItemIndex(2);
  ShowAndFocus();
  EXPECT_EQ(WindowItems(), names);
  EXPECT_EQ(Items(), names);
  EXPECT_EQ(m_list->ItemIndex(), 2);
  EXPECT_EQ(::SendMessageW(m_list->Handle(), LB_GETCURSEL, 0, 0), 2);
  EXPECT_TRUE(::GetWindowLongW(m_list->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

  const std::string written = WriteFormDefinition(m_form);
  EXPECT_NE(written.find("#199'i'#231'ek'"), std::string::npos) << written;
  EXPECT_EQ(written.find("ItemHeight"), std::string::npos) << written;
  EXPECT_EQ(written.find(" Color =", written.find("object ListBox1")), std::string::npos)
      << written;
}

TEST_F(ListBoxTest, NewWindowKeepsItemsObjectsSelectionAndTopItem) {
  ShowAndFocus();
  for (int i = 0; i < 30; ++i)
    m_list->Items()->AddObject("Sat\xFDr " + std::to_string(i), reinterpret_cast<TObject*>(
                                                                   static_cast<intptr_t>(i + 1)));
  m_list->SetItemIndex(20);
  m_list->SetTopIndex(15);
  const std::vector<std::string> before = Items();
  const HWND old = m_list->Handle();
  m_list->SetBorderStyle(TBorderStyle::bsNone);
  EXPECT_NE(m_list->Handle(), old);
  EXPECT_FALSE(::GetWindowLongW(m_list->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(Items(), before);
  EXPECT_EQ(m_list->ItemIndex(), 20);
  EXPECT_EQ(m_list->TopIndex(), 15);
  EXPECT_EQ(m_list->Items()->Objects(6 + 7), reinterpret_cast<TObject*>(intptr_t{8}));

  m_list->SetSorted(true);
  EXPECT_EQ(m_list->Items()->Strings(0), "Ali");
  EXPECT_EQ(m_list->Count(), 36);
}

TEST_F(ListBoxTest, ItemIndexOutsideTheItemsIsAnError) {
  for (bool withWindow : {false, true}) {
    if (withWindow)
      ShowAndFocus();
    for (int bad : {-2, 6, 100})
      EXPECT_THROW(m_list->SetItemIndex(bad), EListError) << bad << " " << withWindow;
    m_list->SetItemIndex(-1);
    EXPECT_EQ(m_list->ItemIndex(), -1);
    EXPECT_THROW(m_list->Items()->Delete(6), EStringListError);
    EXPECT_THROW(m_list->Items()->Insert(7, "x"), EStringListError);
  }
  EXPECT_THROW(m_list->SetCount(3), EInvalidOperation);
  EXPECT_THROW(m_list->SetItemHeight(0), ERangeError);
}

TEST_F(ListBoxTest, SelectionFollowsItemsAddedAndDeleted) {
  for (bool withWindow : {false, true}) {
    if (withWindow)
      ShowAndFocus();
    m_list->Items()->SetText("Ali\r\nAy\xFE" "e\r\nAyten\r\nBora\r\n");
    m_list->SetItemIndex(2);
    m_list->Items()->Delete(0);
    EXPECT_EQ(m_list->ItemIndex(), 1) << withWindow;
    m_list->Items()->Insert(0, "Ece");
    EXPECT_EQ(m_list->ItemIndex(), 2) << withWindow;
    EXPECT_EQ(m_list->Items()->Strings(2), "Ayten");
    m_list->Items()->Delete(2);
    EXPECT_EQ(m_list->ItemIndex(), -1) << withWindow;
    m_list->SetItemIndex(1);
    m_list->Items()->Clear();
    EXPECT_EQ(m_list->ItemIndex(), -1) << withWindow;
  }
}

TEST_F(ListBoxTest, ChangingBetweenVirtualAndStringStylesEmptiesTheList) {
  ShowAndFocus();
  m_list->SetItemIndex(3);
  m_list->SetStyle(TListBoxStyle::lbOwnerDrawFixed);
  EXPECT_EQ(m_list->Count(), 6);
  EXPECT_EQ(m_list->ItemIndex(), 3);
  m_list->SetStyle(TListBoxStyle::lbVirtual);
  EXPECT_EQ(m_list->Count(), 0);
  EXPECT_EQ(m_list->ItemIndex(), -1);
  m_list->SetCount(4);
  m_list->SetStyle(TListBoxStyle::lbStandard);
  EXPECT_EQ(m_list->Count(), 0);
  m_list->Items()->Add("Ece");
  EXPECT_EQ(WindowItems(), std::vector<std::string>{"Ece"});
}

TEST_F(ListBoxTest, UserClicksFireClickAndDoubleClickOnce) {
  ShowAndFocus();
  ClickControl(m_list, ItemCentre(1));
  ASSERT_TRUE(PumpUntil([&] { return !m_form->log.empty(); }));
  ClickControl(m_list, ItemCentre(3));
  ClickControl(m_list, ItemCentre(3));
  ASSERT_TRUE(PumpUntil([&] { return m_form->log.size() >= 3; }));
  PressKey(VK_DOWN);
  ASSERT_TRUE(PumpUntil([&] { return m_form->log.size() >= 4; }));
  Pump();
  EXPECT_EQ(m_form->log, (std::vector<std::string>{"click 1", "click 3", "dblclick 3", "click 4"}));
  m_list->SetItemIndex(0);
  Pump();
  EXPECT_EQ(m_form->log.size(), 4u);
}

TEST_F(ListBoxTest, ItemRectAndItemAtPos) {
  ShowAndFocus();
  const TRect first = m_list->ItemRect(0);
  const int height = first.Bottom - first.Top;
  ASSERT_GT(height, 0);
  EXPECT_EQ(m_list->ItemRect(2).Top, 2 * height);
  EXPECT_EQ(m_list->ItemRect(6).Top, 6 * height);
  EXPECT_EQ(m_list->ItemRect(7), TRect{});
  struct TCase {
    TPoint Pos;
    bool Existing;
    int Item;
  };
  const TCase cases[] = {
      {{5, 1}, true, 0},
      {{5, 2 * height + 1}, true, 2},
      {{5, 6 * height + 2}, true, -1},
      {{5, 6 * height + 2}, false, 6},
      {{-3, 2}, false, -1},
      {{5, 1000}, false, -1},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(m_list->ItemAtPos(c.Pos, c.Existing), c.Item) << c.Pos.X << "," << c.Pos.Y;
}

TEST_F(ListBoxTest, TypingSearchesByTheStartOfTheItems) {
  ShowAndFocus();
  struct TStep {
    char16_t Key;
    int ItemIndex;
  };
  const TStep steps[] = {
      {u'a', 0}, {u'y', 1}, {u't', 2}, {u'\b', 2}, {u'\u00E7', 4}, {u'i', 4}, {u'\b', 4},
      {u'a', 0}, {u'y', 1}, {u'\u015E', 1}, {u'\u0130', 1},
  };
  for (const TStep& step : steps) {
    m_list->Perform(WM_CHAR, step.Key);
    EXPECT_EQ(m_list->ItemIndex(), step.ItemIndex) << static_cast<int>(step.Key);
  }
  EXPECT_EQ(m_form->log, (std::vector<std::string>{"click 0", "click 1", "click 2", "click 4",
                                                   "click 4", "click 0", "click 1", "click 1"}));
  m_list->SetAutoComplete(false);
  m_form->log.clear();
  m_list->Perform(WM_CHAR, u'b');
  EXPECT_EQ(m_list->ItemIndex(), 3);
}

TEST_F(ListBoxTest, OwnerDrawGivesEachItemItsTextStateAndHeight) {
  std::vector<std::string>& drawn = m_drawn;
  m_list->SetStyle(TListBoxStyle::lbOwnerDrawVariable);
  m_list->SetOnMeasureItem([](TWinControl*, int index, int& height) { height = 10 + index; });
  m_list->SetOnDrawItem([&](TWinControl* control, int index, TRect rect, TOwnerDrawState state) {
    auto* list = As<TListBox>(control);
    const bool selected = state.Contains(TOwnerDrawStateItem::odSelected);
    drawn.push_back(std::to_string(index) + " " + list->Items()->Strings(index) +
                    (selected ? " selected" : "") + " " + std::to_string(rect.Bottom - rect.Top));
    EXPECT_EQ(list->Canvas()->Brush()->Color(), selected ? clHighlight : list->Color());
  });
  m_list->SetItemIndex(1);
  ShowAndFocus();
  drawn.clear();
  m_list->Repaint();
  ASSERT_GE(drawn.size(), 3u);
  EXPECT_EQ(drawn[0], "0 Ali 10");
  EXPECT_EQ(drawn[1], "1 Ay\xFE" "e selected 11");
  EXPECT_EQ(m_list->ItemRect(4).Top, 10 + 11 + 12 + 13);

  m_list->SetStyle(TListBoxStyle::lbOwnerDrawFixed);
  m_list->SetItemHeight(20);
  EXPECT_EQ(m_list->ItemRect(3).Top, 60);
  EXPECT_EQ(m_list->ItemHeight(), 20);
  EXPECT_EQ(m_list->Count(), 6);
}

TEST_F(ListBoxTest, VirtualListAsksForItsTexts) {
  m_list->SetStyle(TListBoxStyle::lbVirtual);
  EXPECT_EQ(m_list->Count(), 0);
  m_list->SetOnData([](TWinControl*, int index, std::string& data) {
    data = "Kay\xFDt " + std::to_string(index);
  });
  m_list->SetOnDataFind([](TWinControl*, const std::string& text) {
    return text == "k" ? 500 : -1;
  });
  m_list->SetCount(1000);
  ShowAndFocus();
  EXPECT_EQ(::SendMessageW(m_list->Handle(), LB_GETCOUNT, 0, 0), 1000);
  EXPECT_EQ(m_list->Items()->Strings(42), "Kay\xFDt 42");
  EXPECT_THROW(m_list->Items()->Add("x"), EInvalidOperation);
  EXPECT_THROW(m_list->SetCount(-1), ERangeError);
  m_list->Perform(WM_CHAR, u'k');
  EXPECT_EQ(m_list->ItemIndex(), 500);
  m_list->RecreateWnd();
  EXPECT_EQ(m_list->Count(), 1000);
  EXPECT_EQ(m_list->ItemIndex(), 500);
}

} // namespace
} // namespace controls_test
