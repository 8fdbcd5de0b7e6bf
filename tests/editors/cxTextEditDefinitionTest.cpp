// A text editor in a form definition: its defaults write nothing, and what
// differs from them (anchors, size limits, hints, colour) is written and
// read back unchanged.
#include "editors/cxTextEdit.h"

#include <string>
#include <vector>

#include "platform/objects/FormReader.h"
#include "platform/objects/FormWriter.h"
#include "tests/editors/cxEditControlTestSupport.h"

namespace {

using edit_control_test::TextEditControlTest;
using enum TAnchorKind;

class TextEditDefinitionTest : public TextEditControlTest {
protected:
  static void SetUpTestSuite() {
    TextEditControlTest::SetUpTestSuite();
    RegisterClasses({TcxTextEdit::StaticClass()});
  }

  TcxTextEdit* PlaceText(TForm* form, const std::string& name) {
    auto* edit = Create<TcxTextEdit>(form);
    edit->SetName(name);
    edit->SetLeft(20);
    edit->SetTop(20);
    edit->SetParent(form);
    edit->SetText("");
    return edit;
  }

  // The lines that describe the component 'name' in a form definition.
  static std::vector<std::string> Block(const std::string& text, const std::string& name) {
    std::vector<std::string> lines;
    std::size_t at = text.find("object " + name + ":");
    while (at != std::string::npos) {
      const std::size_t end = text.find('\n', at);
      std::string line = text.substr(at, end - at);
      line.erase(0, line.find_first_not_of(' '));
      while (!line.empty() && line.back() == '\r')
        line.pop_back();
      if (line == "end")
        break;
      lines.push_back(line);
      at = end == std::string::npos ? end : end + 1;
    }
    return lines;
  }
  // The names of the properties the component 'name' is written with.
  static std::vector<std::string> WrittenNames(const std::string& text, const std::string& name) {
    std::vector<std::string> names;
    for (const std::string& line : Block(text, name)) {
      const std::size_t equals = line.find(" =");
      if (equals != std::string::npos)
        names.push_back(line.substr(0, equals));
    }
    return names;
  }
};

TEST_F(TextEditDefinitionTest, ANewTextEditorHasItsPublishedDefaults) {
  TForm* form = Form();
  TcxTextEdit* edit = PlaceText(form, "Edit1");
  EXPECT_EQ(edit->Anchors(), (TAnchors{akLeft, akTop}));
  EXPECT_EQ(edit->Constraints()->MinWidth(), 0);
  EXPECT_EQ(edit->Constraints()->MaxHeight(), 0);
  EXPECT_TRUE(edit->ParentShowHint());
  EXPECT_FALSE(edit->ShowHint());
  EXPECT_FALSE(edit->ParentColor());
  EXPECT_TRUE(edit->ParentFont());
  EXPECT_TRUE(edit->TabStop());
  EXPECT_TRUE(edit->Enabled());
  EXPECT_TRUE(edit->Visible());
  EXPECT_EQ(edit->DragCursor(), crDrag);
  EXPECT_EQ(edit->ImeMode(), TImeMode::imDontCare);
  EXPECT_EQ(edit->ImeName(), "");
}

TEST_F(TextEditDefinitionTest, ATextEditorWithDefaultsIsWrittenWithItsPlaceOnly) {
  TForm* form = Form();
  PlaceText(form, "Edit1");
  const std::string text = WriteFormDefinition(form);
  EXPECT_EQ(WrittenNames(text, "Edit1"),
            (std::vector<std::string>{"Left", "Top", "TabOrder", "Width"}))
      << text;
}

TEST_F(TextEditDefinitionTest, WhatDiffersFromTheDefaultsIsWrittenAndReadBack) {
  TForm* form = Form();
  form->SetShowHint(true);
  TcxTextEdit* edit = PlaceText(form, "Edit1");
  edit->SetAnchors({akLeft, akTop, akRight});
  edit->Constraints()->SetMinWidth(60);
  edit->Constraints()->SetMaxWidth(240);
  edit->SetShowHint(false);
  edit->SetHint("Rumuz");
  edit->SetText("\xFE\x69\xF0");
  edit->Properties()->SetImeMode(TImeMode::imClose);
  edit->Properties()->SetImeName("Q");
  const std::string text = WriteFormDefinition(form);
  for (const char* line :
       {"Anchors = [akLeft, akTop, akRight]", "Constraints.MaxWidth = 240",
        "Constraints.MinWidth = 60", "ParentShowHint = False", "ShowHint = False", "Hint = 'Rumuz'",
        "ImeMode = imClose", "ImeName = 'Q'", "Properties.ImeMode = imClose"})
    EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;

  TForm* copy = Create<TForm>(Application, 0);
  ReadFormDefinition(text, copy);
  auto* read = dynamic_cast<TcxTextEdit*>(copy->FindComponent("Edit1"));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->Anchors(), (TAnchors{akLeft, akTop, akRight}));
  EXPECT_EQ(read->Constraints()->MinWidth(), 60);
  EXPECT_EQ(read->Constraints()->MaxWidth(), 240);
  EXPECT_FALSE(read->ParentShowHint());
  EXPECT_FALSE(read->ShowHint());
  EXPECT_EQ(read->TControl::Text(), "\xFE\x69\xF0");
  EXPECT_EQ(read->ImeMode(), TImeMode::imClose);
  EXPECT_EQ(read->ImeName(), "Q");
  EXPECT_EQ(Block(WriteFormDefinition(copy), "Edit1"), Block(text, "Edit1"));
}

TEST_F(TextEditDefinitionTest, AnAnchoredTextEditorStretchesWithItsForm) {
  TForm* form = Form();
  form->SetClientWidth(300);
  TcxTextEdit* edit = PlaceText(form, "Edit1");
  edit->SetWidth(200);
  edit->SetAnchors({akLeft, akTop, akRight});
  edit->Constraints()->SetMaxWidth(230);
  form->Show();
  Pump();
  form->SetClientWidth(320);
  Pump();
  EXPECT_EQ(edit->Width(), 220);
  form->SetClientWidth(400);
  Pump();
  EXPECT_EQ(edit->Width(), 230) << "limited";
  const TRect inner = edit->InnerControl()->BoundsRect();
  EXPECT_LE(inner.Right, edit->Width()) << "the inner EDIT stays inside";
}

} // namespace
