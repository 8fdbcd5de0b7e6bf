#include "tests/support/GTest.h"

#include <cstdint>
#include <string>

#include "platform/objects/FormLexer.h"
#include "platform/objects/FormParser.h"
#include "platform/objects/FormPrinter.h"
#include "platform/objects/FormReader.h"
#include "platform/objects/FormWriter.h"
#include "tests/platform/objects/FormTestClasses.h"
#include "tests/support/LimitedStack.h"
#include "tests/support/TextLines.h"

using namespace form_test;

namespace {

using enum TComponentStateItem;

// Every kind of value, as the writer writes it.
const std::string kFullDefinition = Lines(R"(object Form1: TTestForm
  Tag = 7
  object Panel1: TWidget
    Caption = 'Hesap A'#231#253'k'
    Width = 200
    Color = clRed
    Enabled = False
    Kind = kThree
    Anchors = [akLeft, akRight]
    Ratio = 1.5
    PasswordChar = '*'
    Font.Name = 'Tahoma'
    Font.Size = 10
    Lines.Strings = (
      'one'
      'it''s')
    Columns = <
      item
        Title = 'Takma Ad'
        Width = 100
      end
      item
        Title = 'Durum'
      end>
    Link = Button1
    Hint = 'ipucu'
    OnClick = Button1Click
    Data = {
      00FF10}
    Extra = (
      1
      -2)
    object Button1: TWidget
      Color = -16
    end
  end
  object Edit1: TWidget
    Ratio = -2500.0
  end
end
)");

enum class TNesting { Objects, Lists, Collections };

// A definition nested 'levels' deep (the root object counts), one level per
// line: level n starts on line n for objects and on line n + 1 otherwise.
std::string NestedDefinition(TNesting nesting, int levels) {
  std::string text = "object Form1: TTestForm\n";
  if (nesting == TNesting::Objects) {
    for (int level = 2; level <= levels; ++level)
      text += "object W" + std::to_string(level) + ": TWidget\n";
    for (int level = 1; level <= levels; ++level)
      text += "end\n";
    return text;
  }
  text += "object W: TWidget\n";
  if (nesting == TNesting::Lists) {
    text += "Extra =\n";
    for (int level = 3; level <= levels; ++level)
      text += "(\n";
    text += std::string(static_cast<std::size_t>(levels - 2), ')');
  } else {
    text += "Columns =\n";
    for (int level = 3; level < levels; ++level)
      text += "<item Columns =\n";
    text += "<>";
    for (int level = 3; level < levels; ++level)
      text += " end>";
  }
  return text + "\nend\nend\n";
}

}
namespace {
class TFormTest : public testing::Test {
protected:
  void SetUp() override { g_loaded.clear(); }

  TWidget* Widget(const char* name) { return static_cast<TWidget*>(m_form->FindComponent(name)); }

  TRegistration m_registration;
  TOwned<TTestForm> m_form{Create<TTestForm>(nullptr)};
};

} // namespace

TEST(FormText, PrintsWhatItParses) {
  EXPECT_EQ(PrintFormDefinition(ParseFormDefinition(kFullDefinition)), kFullDefinition);
}

TEST(FormText, AcceptsOtherSpellingsOfValues) {
  const TFormObject object = ParseFormDefinition(
      "object TFoo\n  A = $1F\n  B = 'ab' +\n    'cd'#13#10\n  C = -0.25\n  D = 3e2\n"
      "  E = Form2.Button1\n  F = []\n  G = <>\n  H = {}\nend");
  EXPECT_EQ(object.Name, "");
  EXPECT_EQ(object.ClassName, "TFoo");
  ASSERT_EQ(object.Properties.size(), 8u);
  EXPECT_EQ(object.Properties[0].Value.Integer, 31);
  EXPECT_EQ(object.Properties[1].Value.Text, "abcd\r\n");
  EXPECT_EQ(object.Properties[1].Line, 3);
  EXPECT_EQ(object.Properties[2].Value.Float, -0.25);
  EXPECT_EQ(object.Properties[3].Value.Kind, TFormValueKind::fvFloat);
  EXPECT_EQ(object.Properties[4].Value.Text, "Form2.Button1");
  EXPECT_TRUE(object.Properties[5].Value.Elements.empty());
  EXPECT_TRUE(object.Properties[6].Value.Items.empty());
  EXPECT_TRUE(object.Properties[7].Value.Bytes.empty());
}

TEST(FormText, MalformedTextNamesTheLine) {
  struct Case {
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"object A: TA\n  P = 'abc\nend", "Unterminated string on line 2"},
      {"object A: TA\n  P = #300\nend", "Invalid character code #300 on line 2"},
      {"object A: TA\n  P = ?\nend", "Invalid character '?' on line 2"},
      {"object A: TA\n  P = 1\n", "'end' expected on line 3"},
      {"object A: TA\n  P 1\nend", "'=' expected on line 2"},
      {"object A: TA\n  P = [a b]\nend", "',' expected on line 2"},
      {"object A: TA\n  P = {0A1}\nend", "Invalid binary data on line 2"},
      {"object A: TA\n  P = <\n  x end>\nend", "'item' expected on line 3"},
      {"thing A: TA\nend", "'object' expected on line 1"},
      {"object A: TA\nend\nend", "End of definition expected on line 3"},
  };
  for (const Case& c : cases) {
    try {
      ParseFormDefinition(c.text);
      ADD_FAILURE() << c.text;
    } catch (const EParserError& error) {
      EXPECT_EQ(error.Message(), c.message);
    }
  }
}

TEST(FormText, RefusesNestingDeeperThanTheLimit) {
  struct Case {
    TNesting nesting;
    int firstLine; // where the level beyond the limit starts
  };
  const Case cases[] = {{TNesting::Objects, MaxFormNesting + 1},
                        {TNesting::Lists, MaxFormNesting + 2},
                        {TNesting::Collections, MaxFormNesting + 2}};
  for (const Case& c : cases) {
    EXPECT_NO_THROW(ParseFormDefinition(NestedDefinition(c.nesting, MaxFormNesting)));
    for (int levels : {MaxFormNesting + 1, 100000}) {
      try {
        ParseFormDefinition(NestedDefinition(c.nesting, levels));
        ADD_FAILURE() << levels;
      } catch (const EParserError& error) {
        EXPECT_EQ(error.Message(), "Nested deeper than " + std::to_string(MaxFormNesting) +
                                       " levels on line " +
                                       std::to_string(c.firstLine));
      }
    }
  }
}

TEST(FormText, Int64ExtremesRoundTrip) {
  struct Case {
    const char* text;
    std::int64_t value;
  };
  const Case cases[] = {
      {"-9223372036854775808", INT64_MIN}, {"9223372036854775807", INT64_MAX},
      {"-$8000000000000000", INT64_MIN},   {"$8000000000000000", INT64_MIN},
      {"$FFFFFFFFFFFFFFFF", -1},           {"-$1", -1},
  };
  for (const Case& c : cases) {
    const TFormObject object = ParseFormDefinition("object T\n  P = " + std::string(c.text) + "\nend");
    EXPECT_EQ(object.Properties[0].Value.Integer, c.value) << c.text;
    const TFormObject again = ParseFormDefinition(PrintFormDefinition(object));
    EXPECT_EQ(again.Properties[0].Value.Integer, c.value) << c.text;
  }
  for (const char* text : {"9223372036854775808", "-9223372036854775809", "18446744073709551616"}) {
    try {
      ParseFormDefinition("object T\n  P = " + std::string(text) + "\nend");
      ADD_FAILURE() << text;
    } catch (const EParserError& error) {
      EXPECT_EQ(error.Message(), "Invalid number " + std::string(text) + " on line 2");
    }
  }
}

TEST_F(TFormTest, ReadsEveryKindOfValue) {
  ReadFormDefinition(kFullDefinition, m_form.get());
  EXPECT_EQ(m_form->Name(), "Form1");
  EXPECT_EQ(m_form->Tag(), 7);
  ASSERT_EQ(m_form->ComponentCount(), 3);
  TWidget* panel = Widget("Panel1");
  TWidget* button = Widget("Button1");
  ASSERT_TRUE(panel && button);
  EXPECT_EQ(panel->Caption(), "Hesap A\xE7\xFDk");
  EXPECT_EQ(panel->Width(), 200);
  EXPECT_EQ(panel->Color(), 0xFF);
  EXPECT_FALSE(panel->Enabled());
  EXPECT_EQ(panel->Kind(), TKind::kThree);
  EXPECT_EQ(panel->Anchors(), (TAnchors{TAnchor::akLeft, TAnchor::akRight}));
  EXPECT_EQ(panel->Ratio(), 1.5);
  EXPECT_EQ(panel->PasswordChar(), '*');
  EXPECT_EQ(panel->Font()->FontName(), "Tahoma");
  EXPECT_EQ(panel->Font()->Size(), 10);
  EXPECT_EQ(panel->Lines()->Text(), "one\r\nit's\r\n");
  ASSERT_EQ(panel->Columns()->Count(), 2);
  EXPECT_EQ(static_cast<TColumn*>(panel->Columns()->Items(0))->Width(), 100);
  EXPECT_EQ(static_cast<TColumn*>(panel->Columns()->Items(1))->Title(), "Durum");
  EXPECT_EQ(panel->Link(), button);
  EXPECT_EQ(panel->Hint(), "ipucu");
  EXPECT_EQ(panel->data, (std::vector<std::uint8_t>{0x00, 0xFF, 0x10}));
  EXPECT_EQ(panel->extra, (std::vector<int>{1, -2}));
  EXPECT_EQ(button->Color(), -16);
  EXPECT_EQ(Widget("Edit1")->Ratio(), -2500.0);

  EXPECT_EQ(button->Owner(), m_form.get());
  EXPECT_EQ(button->GetParentComponent(), panel);
  EXPECT_EQ(panel->GetParentComponent(), nullptr);

  ASSERT_TRUE(panel->OnClick());
  panel->OnClick()(panel);
  EXPECT_EQ(m_form->clickedBy, panel);
}

TEST_F(TFormTest, LoadingStatesAndLoadedOrder) {
  ReadFormDefinition(kFullDefinition, m_form.get());
  EXPECT_EQ(g_loaded, (std::vector<std::string>{"Form1 loading", "Panel1 loading",
                                                "Button1 loading", "Edit1 loading"}));
  EXPECT_TRUE(Widget("Edit1")->loadingInConstructor);
  for (TComponent* component : {static_cast<TComponent*>(m_form.get()),
                                static_cast<TComponent*>(Widget("Button1"))})
    EXPECT_TRUE(component->ComponentState().Empty());
  TOwned<TWidget> plain(Create<TWidget>(nullptr));
  EXPECT_FALSE(plain->loadingInConstructor);
}

TEST_F(TFormTest, WritesWhatItReads) {
  ReadFormDefinition(kFullDefinition, m_form.get());
  EXPECT_EQ(WriteFormDefinition(m_form.get()), kFullDefinition);
  EXPECT_FALSE(m_form->ComponentState().Contains(csWriting));

  TOwned<TTestForm> copy(Create<TTestForm>(nullptr));
  ReadFormDefinition(WriteFormDefinition(m_form.get()), copy.get());
  EXPECT_EQ(WriteFormDefinition(copy.get()), kFullDefinition);
}

TEST_F(TFormTest, CreatesTheRootFromItsRegisteredClass) {
  TOwned<TComponent> application(Create<TComponent>(nullptr));
  TComponent* form = CreateFromFormDefinition(kFullDefinition, application.get());
  EXPECT_EQ(form->ClassType(), TTestForm::StaticClass());
  EXPECT_EQ(form->Owner(), application.get());
  EXPECT_EQ(form->ComponentCount(), 3);
}

TEST_F(TFormTest, StoresOnlyStoredValuesThatDifferFromTheDefault) {
  TWidget* widget = Create<TWidget>(m_form.get());
  widget->SetName("W");
  widget->SetSecret(5);
  widget->SetOnClick([](TObject*) {});
  widget->Font()->SetFontName("MS Sans Serif");
  const std::string bare = Lines("object TTestForm\n  object W: TWidget\n  end\nend\n");
  EXPECT_EQ(WriteFormDefinition(m_form.get()), bare);

  struct Case {
    void (*change)(TWidget*);
    const char* written;
  };
  const Case cases[] = {
      {[](TWidget* w) { w->SetHint(""); }, nullptr},
      {[](TWidget* w) { w->SetHint("x"); }, "Hint = 'x'"},
      {[](TWidget* w) { w->SetColor(0x0000FF); }, "Color = clRed"},
      {[](TWidget* w) { w->SetAnchors({}); }, "Anchors = []"},
      {[](TWidget* w) { w->SetEnabled(false); }, "Enabled = False"},
      {[](TWidget* w) { w->SetPasswordChar('\t'); }, "PasswordChar = #9"},
      {[](TWidget* w) { w->Font()->SetBold(true); }, "Font.Bold = True"},
      {[](TWidget* w) { w->Font()->SetFontName("Arial"); }, "Font.Name = 'Arial'"},
      {[](TWidget* w) { w->SetLink(w); }, "Link = W"},
      {[](TWidget* w) { w->SetOnClick(TNotifyEvent(w, &TWidget::Click)); }, nullptr},
      {[](TWidget* w) { w->Columns()->Add(); }, "Columns = <\r\n      item\r\n      end>"},
      {[](TWidget* w) { w->extra = {5}; }, "Extra = (\r\n      5)"},
  };
  for (const Case& c : cases) {
    TOwned<TTestForm> form(Create<TTestForm>(nullptr));
    TWidget* w = Create<TWidget>(form.get());
    w->SetName("W");
    c.change(w);
    const std::string text = WriteFormDefinition(form.get());
    if (c.written)
      EXPECT_NE(text.find(std::string("    ") + c.written + "\r\n"), std::string::npos) << text;
    else
      EXPECT_EQ(text, bare) << text;
  }
}

TEST_F(TFormTest, ErrorsNameTheLineAndTheNameAndLeaveNothingBehind) {
  struct Case {
    const char* body;
    const char* message;
  };
  const Case cases[] = {
      {"  object X: TNoSuch\n  end", "Class TNoSuch not found on line 2"},
      {"  object X: TWidget\n    Widht = 3\n  end",
       "Error reading X.Widht: Property Widht does not exist on line 3"},
      {"  object X: TWidget\n    Font.Colour = 1\n  end",
       "Error reading X.Font.Colour: Property Colour does not exist on line 3"},
      {"  object X: TWidget\n    OnClick = NoSuchClick\n  end",
       "Error reading X.OnClick: Method NoSuchClick not found on line 3"},
      {"  object X: TWidget\n    OnClick = KeyHandler\n  end",
       "Error reading X.OnClick: Method KeyHandler does not match the event on line 3"},
      {"  object X: TWidget\n    Width = 'abc'\n  end",
       "Error reading X.Width: Invalid property value on line 3"},
      {"  object X: TWidget\n    Width = 99999999999\n  end",
       "Error reading X.Width: Invalid property value on line 3"},
      {"  object X: TWidget\n    Kind = kFour\n  end",
       "Error reading X.Kind: Invalid property value on line 3"},
      {"  object X: TWidget\n    Anchors = [akLeft, akMiddle]\n  end",
       "Error reading X.Anchors: Invalid property value on line 3"},
      {"  object X: TWidget\n    PasswordChar = 'ab'\n  end",
       "Error reading X.PasswordChar: Invalid property value on line 3"},
      {"  object X: TWidget\n    Link = Nobody\n  end",
       "Error reading X.Link: Component Nobody not found on line 3"},
      {"  object X: TWidget\n    Extra = (1 'two')\n  end",
       "Error reading X.Extra: Invalid property value on line 3"},
      {"  object X: TWidget\n    Columns = <\n      item\n        Wide = 1\n      end>\n  end",
       "Error reading X.Wide: Property Wide does not exist on line 5"},
      {"  object X: TWidget\n  end\n  object x: TWidget\n  end",
       "A component named x already exists on line 4"},
  };
  for (const Case& c : cases) {
    const std::string text = "object Form1: TTestForm\n" + std::string(c.body) + "\nend";
    try {
      ReadFormDefinition(text, m_form.get(), "");
      ADD_FAILURE() << c.body;
    } catch (const Exception& error) {
      EXPECT_EQ(error.Message(), c.message);
    }
    EXPECT_EQ(m_form->ComponentCount(), 0) << c.body;
    EXPECT_TRUE(m_form->ComponentState().Empty()) << c.body;
  }
}

TEST_F(TFormTest, FailedCreationFreesTheRoot) {
  TOwned<TComponent> application(Create<TComponent>(nullptr));
  const char* text = "object Form1: TTestForm\n  Tag = 'x'\nend";
  try {
    CreateFromFormDefinition(text, application.get(), "Main1.dfm");
    FAIL();
  } catch (const EReadError& error) {
    EXPECT_EQ(error.Message(), "Main1.dfm: Error reading Form1.Tag: Invalid property value on line 2");
  }
  EXPECT_EQ(application->ComponentCount(), 0);
  EXPECT_THROW(CreateFromFormDefinition("object Form1: TNoForm\nend", application.get()),
               EClassNotFound);
}

TEST_F(TFormTest, RefusesADefinitionOfAnotherClass) {
  try {
    ReadFormDefinition("object Form1: TWidget\nend", m_form.get());
    FAIL();
  } catch (const EReadError& error) {
    EXPECT_EQ(error.Message(), "The definition is of class TWidget, not of TTestForm on line 1");
  }
}

TEST_F(TFormTest, ThePublishedListKnowsItsClasses) {
  const std::vector<const TPropertyInfo*> list = GetPropList(TWidget::StaticClass());
  ASSERT_FALSE(list.empty());
  EXPECT_EQ(list.front()->Name(), "Tag");
  EXPECT_EQ(GetPropInfo(TWidget::StaticClass(), "font")->PropertyClass(),
            TFontLike::StaticClass());
  EXPECT_EQ(GetPropInfo(TWidget::StaticClass(), "Columns")->Kind(), TPropertyKind::pkCollection);
  EXPECT_EQ(GetPropInfo(TComponent::StaticClass(), "Caption"), nullptr);
  EXPECT_NE(GetMethodInfo(TTestForm::StaticClass(), "button1click"), nullptr);
  EXPECT_EQ(GetMethodInfo(TWidget::StaticClass(), "Button1Click"), nullptr);
}

namespace {
// A form whose constructor makes one of the components its definition names.
class TPrebuiltForm : public TTestForm {
  OBJECT_CLASS(TPrebuiltForm, TTestForm)
public:
  explicit TPrebuiltForm(TComponent* owner) : TTestForm(owner) {
    timer = Create<TWidget>(this);
    timer->SetName("Timer1");
  }
  TWidget* timer = nullptr;
};
} // namespace

TEST_F(TFormTest, ReadsIntoComponentsTheRootMadeItself) {
  TOwned<TPrebuiltForm> form(Create<TPrebuiltForm>(nullptr));
  ReadFormDefinition("object Main1: TPrebuiltForm\n  object Timer1: TWidget\n    Width = 5\n"
                     "  end\nend",
                     form.get());
  ASSERT_EQ(form->ComponentCount(), 1);
  EXPECT_EQ(form->timer->Width(), 5);
  EXPECT_EQ(g_loaded, (std::vector<std::string>{"Main1 loading", "Timer1 loading"}));
}

TEST_F(TFormTest, PropertiesCanUseCallablesAndFailedReadsLeaveNoLoadingState) {
  TOwned<TPrebuiltForm> form(Create<TPrebuiltForm>(nullptr));
  const char* text = "object Main1: TPrebuiltForm\n  object Timer1: TWidget\n    Columns = <\n"
                     "      item\n        Span = 10\n      end>\n    Kind = kNone\n  end\nend";
  EXPECT_THROW(ReadFormDefinition(text, form.get()), EReadError);
  ASSERT_EQ(form->timer->Columns()->Count(), 1);
  EXPECT_EQ(static_cast<TColumn*>(form->timer->Columns()->Items(0))->Width(), 5);
  EXPECT_TRUE(form->timer->ComponentState().Empty());
  EXPECT_TRUE(form->ComponentState().Empty());
}

TEST_F(TFormTest, TheDeepestDefinitionsReadOnAQuarterOfTheStack) {
  for (TNesting nesting : {TNesting::Objects, TNesting::Lists, TNesting::Collections}) {
    RunWithStackLeft(256 * 1024, [nesting] {
      TOwned<TTestForm> form(Create<TTestForm>(nullptr));
      const std::string text = NestedDefinition(nesting, MaxFormNesting);
      if (nesting == TNesting::Lists)
        EXPECT_THROW(ReadFormDefinition(text, form.get()), EReadError) << "integers expected";
      else
        ReadFormDefinition(text, form.get());
    });
  }
}

TEST_F(TFormTest, AnInt64ReadsBackFromWhatTheWriterWrote) {
  for (std::int64_t total : {INT64_MIN, INT64_MAX}) {
    TOwned<TTestForm> form(Create<TTestForm>(nullptr));
    Create<TWidget>(form.get())->SetName("W");
    static_cast<TWidget*>(form->FindComponent("W"))->SetTotal(total);
    TOwned<TTestForm> copy(Create<TTestForm>(nullptr));
    ReadFormDefinition(WriteFormDefinition(form.get()), copy.get());
    EXPECT_EQ(static_cast<TWidget*>(copy->FindComponent("W"))->Total(), total);
  }
}

// Reading a collection again frees the items of the first read: references
// they asked for are not assigned into them, at any depth.
TEST_F(TFormTest, ACollectionReadAgainTakesItsPendingReferencesWithIt) {
  ReadFormDefinition(Lines(R"(object Form1: TTestForm
  object W: TWidget
    Columns = <
      item
        Link = W
        Columns = <
          item
            Link = W
          end>
      end>
    Columns = <
      item
      end
      item
        Link = W
      end>
  end
end
)"),
                     m_form.get());
  EXPECT_EQ(TColumn::linksToFreedColumns, 0);
  TWidget* widget = Widget("W");
  ASSERT_EQ(widget->Columns()->Count(), 2);
  EXPECT_EQ(static_cast<TColumn*>(widget->Columns()->Items(0))->Link(), nullptr);
  EXPECT_EQ(static_cast<TColumn*>(widget->Columns()->Items(1))->Link(), widget);
}
