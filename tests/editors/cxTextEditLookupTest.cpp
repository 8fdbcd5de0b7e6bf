// Lookup items of a text editor: completion while typing (with Backspace and
// Delete), Turkish items and letter case, the prefix search and its failure
// rules per editing style, moving through the items, and the current key's
// select-item event. The editor is a stand-in that keeps text and selection
// as the platform's edit control does.
#include "editors/cxTextEditLookup.h"

#include "platform/objects/Persistent.h"
#include "tests/support/GTest.h"

namespace {

using enum TcxEditEditingStyle;
using enum TcxEditLookupDataGoDirection;

constexpr char kDelete = '\x7F';

// Text, selection and flags as the text editor keeps them; typing goes
// through the incremental search, then into the "edit control".
class TFakeTextEdit : public TInterfacedPersistent, public IcxTextEditLookupOwner {
  OBJECT_CLASS(TFakeTextEdit, TInterfacedPersistent)
public:
  TStringList items;
  TcxEditEditingStyle style = esEdit;
  bool mruMode = false;
  bool fixedListSelection = true;
  bool incrementalSearch = true;
  bool editModeSetting = false;
  bool lookupTextChangeLock = false;
  bool findSelection = false;
  std::string text;
  int selStart = 0;
  int selLength = 0;
  int clicks = 0;
  int clickLocks = 0;
  bool keyboardAction = false;
  TcxCustomTextEditLookupData* lookupData = nullptr;

  TStrings* LookupItems() override { return &items; }
  TcxEditEditingStyle EditingStyle() override { return style; }
  bool MRUMode() override { return mruMode; }
  bool UpdateTextImmediately() override { return false; }
  bool FixedListSelection() override { return fixedListSelection; }
  bool CanIncrementalSearch() override {
    return style == esEdit ? incrementalSearch : style != esNoEdit;
  }
  int DropDownPageRowCount() override { return 8; }
  std::string Text() override { return text; }
  int SelStart() override { return selStart; }
  int SelLength() override { return selLength; }
  void SetSelection(int start, int length) override {
    selStart = start;
    selLength = length;
  }
  int CursorPos() override { return selStart + selLength; }
  char ImeLastChar() override { return '\0'; }
  bool FindSelection() override { return findSelection; }
  void SetFindSelectionActive(bool value) override { findSelection = value; }
  void SetFindSelection(bool value) override { findSelection = value; }
  bool LookupTextChangeLock() override { return lookupTextChangeLock; }
  void SetLookupTextChangeLock(bool value) override { lookupTextChangeLock = value; }
  bool EditModeSetting() override { return editModeSetting; }
  void SetKeyboardAction(bool value) override { keyboardAction = value; }
  bool DoEditing() override { return true; }
  void LockClick(bool lock) override { clickLocks += lock ? 1 : -1; }
  void DoClick() override { ++clicks; }
  void InternalSetDisplayValue(const Variant& value) override { SetWindowText(value.ToString()); }
  void SetBindingDisplayValue(const std::string& value) override { SetWindowText(value); }
  void UpdateDrawValue() override {}
  TColor ActiveStyleColor() override { return clWindow; }
  TFont* ActiveStyleFont() override { return &font; }
  TFont font;

  // One key as the user types it: Delete goes through the key-down path,
  // the rest through the key press.
  void Type(char key) {
    if (key == kDelete) {
      findSelection = false;
      EditControlDelete();
      return;
    }
    cxTextEditIncrementalSearch(*this, lookupData, key);
    EXPECT_EQ(clickLocks, 0);
    EXPECT_FALSE(keyboardAction);
    if (key == '\0')
      return;
    const std::string before = text;
    if (key == '\b')
      EditControlBackspace();
    else
      ReplaceSelection(std::string(1, key));
    if (text != before)
      findSelection = false;
  }
  void TypeAll(const std::string& keys) {
    for (char key : keys)
      Type(key);
  }

private:
  // A new window text puts the caret at the start.
  void SetWindowText(const std::string& value) {
    text = value;
    SetSelection(0, 0);
  }
  void ReplaceSelection(const std::string& value) {
    text.replace(selStart, selLength, value);
    SetSelection(selStart + static_cast<int>(value.size()), 0);
  }
  void EditControlBackspace() {
    if (selLength == 0 && selStart > 0)
      SetSelection(selStart - 1, 1);
    ReplaceSelection("");
  }
  void EditControlDelete() {
    if (selLength == 0 && selStart < static_cast<int>(text.size()))
      selLength = 1;
    ReplaceSelection("");
  }
};

class TextEditLookupTest : public testing::Test {
protected:
  TextEditLookupTest()
      : m_edit(Create<TFakeTextEdit>()),
        m_lookup(Create<TcxCustomTextEditLookupData>(m_edit.get())) {
    m_edit->lookupData = m_lookup.get();
  }
  void SetItems(std::initializer_list<const char*> items) {
    for (const char* item : items)
      m_edit->items.Add(item);
  }
  int Key() { return m_lookup->GetCurrentKey().ToInteger(); }

  TOwned<TFakeTextEdit> m_edit;
  TOwned<TcxCustomTextEditLookupData> m_lookup;
};

struct TTypingCase {
  const char* Keys;
  const char* Text;
  int SelStart;
  int SelLength;
  int Key;
};

// Types each case into a fresh, empty editor.
void RunTypingCases(std::initializer_list<const char*> items,
                    std::initializer_list<TTypingCase> cases) {
  for (const TTypingCase& c : cases) {
    TOwned<TFakeTextEdit> edit(Create<TFakeTextEdit>());
    TOwned<TcxCustomTextEditLookupData> lookup(Create<TcxCustomTextEditLookupData>(edit.get()));
    edit->lookupData = lookup.get();
    for (const char* item : items)
      edit->items.Add(item);
    edit->TypeAll(c.Keys);
    EXPECT_EQ(edit->text, c.Text) << c.Keys;
    EXPECT_EQ(edit->selStart, c.SelStart) << c.Keys;
    EXPECT_EQ(edit->selLength, c.SelLength) << c.Keys;
    EXPECT_EQ(lookup->GetCurrentKey().ToInteger(), c.Key) << c.Keys;
    if (c.SelLength > 0) {
      EXPECT_TRUE(edit->findSelection) << c.Keys;
    }
  }
}

TEST(TextEditLookupTyping, TypingCompletesFromTheFirstItemThatStartsWithTheText) {
  RunTypingCases({"Alpha", "alpine", "Beta"}, {
                                                  {"a", "Alpha", 1, 4, 0},
                                                  {"al", "Alpha", 2, 3, 0},
                                                  {"alp", "Alpha", 3, 2, 0},
                                                  {"alpi", "alpine", 4, 2, 1},
                                                  {"ALPI", "AlpI", 4, 0, -1},
                                                  {"ALP\xDD", "alpine", 4, 2, 1},
                                                  {"b", "Beta", 1, 3, 2},
                                                  {"x", "x", 1, 0, -1},
                                                  {"ax", "Ax", 2, 0, -1},
                                                  {"bet", "Beta", 3, 1, 2},
                                                  {"beta", "Beta", 4, 0, 2},
                                              });
}

TEST(TextEditLookupTyping, BackspaceAndDelete) {
  RunTypingCases({"Alpha", "alpine", "Beta"}, {
                                                  {"alpi\b", "Alpha", 3, 2, 0},
                                                  {"alpi\b\b", "Alpha", 2, 3, 0},
                                                  {"a\b", "", 0, 0, -1},
                                                  {"a\x7F", "A", 1, 0, 0},
                                                  {"alpi\x7F", "alpi", 4, 0, 1},
                                                  {"alpi\b\x7Fx", "Alpx", 4, 0, -1},
                                                  {"a\x7Fl", "Alpha", 2, 3, 0},
                                                  {"ax\b", "A", 1, 0, -1},
                                                  {"ax\ba", "Aa", 2, 0, -1},
                                              });
}

TEST(TextEditLookupTyping, TurkishItemsMatchWithTheTurkishLetterCase) {
  RunTypingCases({"\xDE"
                  "i\xFEli",
                  "\xFE"
                  "ehir",
                  "\xDD"
                  "stanbul",
                  "\xFDrmak", "Irak",
                  "I\xF0"
                  "d\xFDr",
                  "i\xF0ne", "Da\xF0 evi"},
                 {
                     {"\xFE",
                      "\xDE"
                      "i\xFEli",
                      1, 4, 0},
                     {"\xDE"
                      "E",
                      "\xFE"
                      "ehir",
                      2, 3, 1},
                     {"i",
                      "\xDD"
                      "stanbul",
                      1, 7, 2},
                     {"I", "\xFDrmak", 1, 4, 3},
                     {"\xFD", "\xFDrmak", 1, 4, 3},
                     {"\xFDra", "Irak", 3, 1, 4},
                     {"\xFD\xF0",
                      "I\xF0"
                      "d\xFDr",
                      2, 3, 5},
                     {"\xDD\xD0", "i\xF0ne", 2, 2, 6},
                     {"DA\xD0", "Da\xF0 evi", 3, 4, 7},
                     {"i\xF0", "i\xF0ne", 2, 2, 6},
                     {"Ist", "\xFDst", 3, 0, -1},
                     {"\xDD"
                      "r",
                      "\xDD"
                      "r",
                      2, 0, -1},
                 });
}

TEST(TextEditLookupTyping, WithoutItemsTextStaysAsTyped) {
  RunTypingCases({}, {
                         {"abc", "abc", 3, 0, -1},
                         {"ab\b", "a", 1, 0, -1},
                         {"\xFE\xF0\xFD", "\xFE\xF0\xFD", 3, 0, -1},
                     });
}

TEST_F(TextEditLookupTest, SearchOffTypesPlainly) {
  SetItems({"Alpha"});
  m_edit->incrementalSearch = false;
  m_edit->TypeAll("al");
  EXPECT_EQ(m_edit->text, "al");
  EXPECT_EQ(Key(), -1);
}

TEST_F(TextEditLookupTest, AChangedCurrentItemClicksOnce) {
  SetItems({"Alpha", "alpine", "Beta"});
  m_edit->TypeAll("alp");
  EXPECT_EQ(m_edit->clicks, 1) << "a, then the same item";
  m_edit->Type('i');
  EXPECT_EQ(m_edit->clicks, 2);
  m_edit->Type('x');
  EXPECT_EQ(m_edit->clicks, 3) << "no item any more";
}

TEST_F(TextEditLookupTest, IndexOfIgnoresTurkishLetterCase) {
  SetItems({"istanbul", "Irmak",
            "\xE7"
            "i\xE7"
            "ek"});
  const std::pair<const char*, int> cases[] = {
      {"\xDD"
       "STANBUL",
       0},
      {"ISTANBUL", -1},
      {"\xFDrmak", 1},
      {"irmak", -1},
      {"\xC7\xDD\xC7"
       "EK",
       2},
      {"", -1},
      {"istanbu", -1},
  };
  for (const auto& [text, index] : cases) {
    EXPECT_EQ(m_lookup->IndexOf(text), index) << text;
    EXPECT_EQ(m_lookup->Find(text), index != -1) << text;
  }
}

TEST_F(TextEditLookupTest, DisplayTextOfKeys) {
  SetItems({"a1", "b1"});
  EXPECT_EQ(m_lookup->GetDisplayText(1), "b1");
  EXPECT_EQ(m_lookup->GetDisplayText(-1), "");
  EXPECT_EQ(m_lookup->GetDisplayText(2), "");
  EXPECT_EQ(m_lookup->GetDisplayText(Null()), "");
  EXPECT_FALSE(m_lookup->IsEmpty());
}

TEST_F(TextEditLookupTest, TheSearchNeverWrapsAround) {
  SetItems({"a1", "b1", "a2"});
  m_lookup->SetItemIndex(1);
  std::string text = "a";
  std::string tail;
  EXPECT_TRUE(m_lookup->Locate(text, tail, true));
  EXPECT_EQ(tail, "2");
  EXPECT_EQ(Key(), 2);
  text = "a";
  EXPECT_FALSE(m_lookup->Locate(text, tail, true));
  EXPECT_EQ(Key(), -1);
}

TEST_F(TextEditLookupTest, AFailedSearchResetsTheCurrentItemAsTheStyleSays) {
  SetItems({"Alpha", "Beta"});
  struct TCase {
    TcxEditEditingStyle Style;
    bool WholeText;
    const char* Text;
    int Expected;
  };
  const TCase cases[] = {
      {esEdit, false, "zz", -1},   {esNoEdit, false, "zz", -1},   {esEditList, false, "zz", 1},
      {esEditList, false, "", -1}, {esEditList, true, "zz", -1},  {esFixedList, false, "zz", 1},
      {esFixedList, false, "", 1}, {esFixedList, true, "zz", -1},
  };
  for (const TCase& c : cases) {
    m_edit->style = c.Style;
    m_lookup->SetCurrentKey(1);
    if (c.WholeText) {
      m_edit->text = c.Text;
      m_lookup->TextChanged();
    } else {
      std::string text = c.Text;
      std::string tail;
      EXPECT_FALSE(m_lookup->Locate(text, tail, false));
    }
    EXPECT_EQ(Key(), c.Expected) << static_cast<int>(c.Style) << " " << c.WholeText << " '"
                                 << c.Text << "'";
  }
}

TEST_F(TextEditLookupTest, TextChangedFindsAPrefixOrInMRUModeTheWholeText) {
  SetItems({"Alpha", "alpine", "Beta", "beta"});
  struct TCase {
    bool MRU;
    const char* Text;
    int Expected;
  };
  const TCase cases[] = {
      {false, "alp", 0},    {false, "ALP\xDD", 1}, {false, "ALPI", -1},
      {false, "Gamma", -1}, {true, "alp", -1},     {true, "ALP\xDDNE", 1},
      {true, "ALPINE", -1}, {true, "beta", 2},     {false, "", -1},
  };
  for (const TCase& c : cases) {
    m_lookup->SetCurrentKey(-1);
    m_edit->mruMode = c.MRU;
    m_edit->text = c.Text;
    m_lookup->TextChanged();
    EXPECT_EQ(Key(), c.Expected) << c.MRU << " " << c.Text;
  }
  m_edit->mruMode = false;
  m_lookup->SetCurrentKey(3);
  m_edit->text = "BETA";
  m_lookup->TextChanged();
  EXPECT_EQ(Key(), 3) << "the highlighted item shows the text already";
  m_edit->editModeSetting = true;
  m_edit->text = "Alpha";
  m_lookup->TextChanged();
  EXPECT_EQ(Key(), 3) << "ignored while the editor enters edit mode";
}

TEST_F(TextEditLookupTest, GoMovesThroughTheItems) {
  for (int i = 0; i < 20; ++i)
    m_edit->items.Add("item" + std::to_string(i));
  struct TCase {
    int From;
    TcxEditLookupDataGoDirection Direction;
    bool Cycle;
    int Expected;
  };
  const TCase cases[] = {
      {5, egdBegin, false, 0},     {5, egdEnd, false, 19},      {-1, egdNext, false, 0},
      {5, egdNext, false, 6},      {19, egdNext, false, 19},    {19, egdNext, true, 0},
      {5, egdPrev, false, 4},      {0, egdPrev, false, 0},      {0, egdPrev, true, 19},
      {-1, egdPageUp, false, -1},  {-1, egdPageUp, true, 19},   {10, egdPageUp, false, 3},
      {3, egdPageUp, false, 0},    {3, egdPageUp, true, 0},     {0, egdPageUp, true, 19},
      {-1, egdPageDown, false, 7}, {5, egdPageDown, false, 12}, {15, egdPageDown, false, 19},
      {15, egdPageDown, true, 19}, {19, egdPageDown, true, 0},  {19, egdPageDown, false, 19},
  };
  for (const TCase& c : cases) {
    m_lookup->SetCurrentKey(c.From);
    m_lookup->Go(c.Direction, c.Cycle);
    EXPECT_EQ(Key(), c.Expected) << c.From << " " << static_cast<int>(c.Direction) << " "
                                 << c.Cycle;
    EXPECT_EQ(m_lookup->ItemIndex(), c.Expected);
  }
}

TEST_F(TextEditLookupTest, GoWithoutItemsDoesNothing) {
  int selected = 0;
  m_lookup->SetOnSelectItem(TNotifyEvent([&](TObject*) { ++selected; }));
  m_lookup->Go(egdNext, true);
  EXPECT_EQ(Key(), -1);
  EXPECT_EQ(selected, 0);
}

TEST_F(TextEditLookupTest, SetCurrentKeySelectsTheItemWhenTheKeyOrTheTextDiffers) {
  SetItems({"Alpha", "Beta"});
  std::vector<bool> locksSeen;
  m_lookup->SetOnSelectItem(
      TNotifyEvent([&](TObject*) { locksSeen.push_back(m_edit->lookupTextChangeLock); }));
  m_lookup->SetCurrentKey(1);
  EXPECT_EQ(locksSeen.size(), 1u) << "a new key";
  m_lookup->SetCurrentKey(1);
  EXPECT_EQ(locksSeen.size(), 2u) << "the same key, the text is not the item";
  m_edit->text = "Beta";
  m_lookup->SetCurrentKey(1);
  EXPECT_EQ(locksSeen.size(), 2u) << "the same key and text";
  m_edit->text = "BETA";
  m_lookup->SetCurrentKey(1);
  EXPECT_EQ(locksSeen.size(), 3u) << "the text differs in case";
  m_lookup->SetCurrentKey(7);
  EXPECT_EQ(Key(), 1) << "no such item";
  EXPECT_EQ(locksSeen, std::vector<bool>(locksSeen.size(), true));
  EXPECT_FALSE(m_edit->lookupTextChangeLock);
}

TEST_F(TextEditLookupTest, SelectItemTakesTheHighlightedItem) {
  SetItems({"Alpha", "Beta"});
  int selected = 0;
  m_lookup->SetOnSelectItem(TNotifyEvent([&](TObject*) { ++selected; }));
  m_lookup->SelectItem();
  EXPECT_EQ(selected, 0) << "nothing highlighted";
  m_lookup->SetItemIndex(0);
  selected = 0;
  m_edit->text = "Alpha";
  m_lookup->SelectItem();
  EXPECT_EQ(selected, 1) << "the key did not change";
  m_lookup->CloseUp();
  EXPECT_EQ(m_lookup->ItemIndex(), 0);
}

TEST(TextEditLookupData, TheOwnerMustBeATextEditor) {
  TOwned<TPersistent> notAnEditor(Create<TPersistent>());
  EXPECT_THROW(Create<TcxCustomTextEditLookupData>(notAnEditor.get()), EInvalidCast);
}

} // namespace
