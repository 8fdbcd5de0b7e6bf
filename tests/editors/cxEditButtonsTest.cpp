// Editor buttons: defaults kept out of form definitions, one default button
// a collection, captions without accelerator marks, widths, glyphs made on
// first read, and the collection's change notice.
#include "editors/cxEditButtons.h"

#include "platform/objects/FormReader.h"
#include "platform/objects/FormWriter.h"
#include "tests/support/GTest.h"

namespace {

// A component that owns a collection of buttons, as an editor's properties do.
class TButtonsHolder : public TComponent {
  OBJECT_CLASS(TButtonsHolder, TComponent)
public:
  static void Publish(TPublisher& p) { p.Property("Buttons", &TButtonsHolder::Buttons); }
  explicit TButtonsHolder(TComponent* owner)
      : TComponent(owner), m_buttons(Create<TcxEditButtons>(this)) {
    m_buttons->SetOnChange(TNotifyEvent([this](TObject* sender) {
      ASSERT_EQ(sender, m_buttons.get());
      ++changes;
    }));
  }
  TcxEditButtons* Buttons() const { return m_buttons.get(); }
  int changes = 0;

private:
  TOwned<TcxEditButtons> m_buttons;
};

class EditButtonsTest : public testing::Test {
protected:
  EditButtonsTest() : m_holder(Create<TButtonsHolder>(nullptr)) {}
  TcxEditButtons* Buttons() { return m_holder->Buttons(); }
  TOwned<TButtonsHolder> m_holder;
};

TEST_F(EditButtonsTest, NewButtonHasItsDefaultsAndWritesNoneOfThem) {
  TcxEditButton* button = Buttons()->Add();
  EXPECT_EQ(button->ContentAlignment(), TAlignment::taCenter);
  EXPECT_EQ(button->Kind(), TcxEditButtonKind::bkDown);
  EXPECT_TRUE(button->Enabled() && button->Stretchable() && button->Visible());
  EXPECT_FALSE(button->Default() || button->LeftAlignment());
  EXPECT_EQ(button->Width(), 0);
  EXPECT_EQ(button->TextColor(), clBtnText);
  EXPECT_EQ(Buttons()->GetOwner(), m_holder.get());
  EXPECT_EQ(WriteFormDefinition(m_holder.get()),
            "object TButtonsHolder\r\n  Buttons = <\r\n    item\r\n    end>\r\nend\r\n");
}

TEST_F(EditButtonsTest, ChangedValuesRoundTripThroughAFormDefinition) {
  TcxEditButton* button = Buttons()->Add();
  button->SetKind(TcxEditButtonKind::bkText);
  button->SetCaption("&Se\xE7");
  button->SetContentAlignment(TAlignment::taLeftJustify);
  button->SetLeftAlignment(true);
  button->SetStretchable(false);
  button->SetWidth(20);
  Buttons()->Add()->SetDefault(true);
  const std::string text = WriteFormDefinition(m_holder.get());

  TOwned<TButtonsHolder> copy(Create<TButtonsHolder>(nullptr));
  ReadFormDefinition(text, copy.get());
  ASSERT_EQ(copy->Buttons()->Count(), 2);
  const TcxEditButton* read = copy->Buttons()->Items(0);
  EXPECT_EQ(read->Kind(), TcxEditButtonKind::bkText);
  EXPECT_EQ(read->Caption(), "&Se\xE7");
  EXPECT_EQ(read->VisibleCaption(), "Se\xE7");
  EXPECT_EQ(read->ContentAlignment(), TAlignment::taLeftJustify);
  EXPECT_TRUE(read->LeftAlignment());
  EXPECT_FALSE(read->Stretchable());
  EXPECT_EQ(read->Width(), 20);
  EXPECT_TRUE(copy->Buttons()->Items(1)->Default());
  EXPECT_EQ(WriteFormDefinition(copy.get()), text);
}

TEST_F(EditButtonsTest, OneDefaultButtonPerCollection) {
  TcxEditButton* first = Buttons()->Add();
  TcxEditButton* second = Buttons()->Add();
  first->SetDefault(true);
  m_holder->changes = 0;
  second->SetDefault(true);
  EXPECT_FALSE(first->Default());
  EXPECT_TRUE(second->Default());
  EXPECT_EQ(m_holder->changes, 1) << "the others cleared quietly, all announced once";
}

TEST_F(EditButtonsTest, WidthIgnoresNegativeAndUnchangedValues) {
  TcxEditButton* button = Buttons()->Add();
  button->SetWidth(20);
  m_holder->changes = 0;
  button->SetWidth(-5);
  button->SetWidth(20);
  EXPECT_EQ(button->Width(), 20);
  EXPECT_EQ(m_holder->changes, 0);
  button->SetWidth(0);
  EXPECT_EQ(m_holder->changes, 1);
}

TEST_F(EditButtonsTest, CaptionsLoseTheirAcceleratorMarks) {
  TcxEditButton* button = Buttons()->Add();
  const std::pair<std::string, std::string> cases[] = {
      {"&Tamam", "Tamam"}, {"A && B", "A & B"}, {"Son&", "Son_"}, {"", ""}};
  for (const auto& [caption, visible] : cases) {
    button->SetCaption(caption);
    EXPECT_EQ(button->VisibleCaption(), visible) << caption;
  }
}

TEST_F(EditButtonsTest, GlyphIsMadeOnFirstReadAndAnnouncesItsEdits) {
  TcxEditButton* button = Buttons()->Add();
  m_holder->changes = 0;
  TBitmap* glyph = button->Glyph();
  ASSERT_NE(glyph, nullptr);
  EXPECT_TRUE(glyph->Empty());
  EXPECT_EQ(button->Glyph(), glyph);
  EXPECT_EQ(m_holder->changes, 0);
  glyph->SetWidth(8);
  glyph->SetHeight(8);
  EXPECT_GE(m_holder->changes, 1) << "editing the bitmap announces the button";

  TOwned<TBitmap> picture(Create<TBitmap>());
  picture->SetWidth(3);
  picture->SetHeight(5);
  m_holder->changes = 0;
  button->SetGlyph(picture.get());
  EXPECT_EQ(button->Glyph()->Width(), 3);
  EXPECT_NE(button->Glyph(), picture.get()) << "copied, not taken";
  button->SetGlyph(nullptr);
  EXPECT_TRUE(button->Glyph()->Empty()) << "freed, then made again on reading";
  EXPECT_GE(m_holder->changes, 2);
}

TEST_F(EditButtonsTest, AssignBetweenButtonsAnnouncesOnceAtTheEnd) {
  TcxEditButton* source = Buttons()->Add();
  TcxEditButton* target = Buttons()->Add();
  source->SetCaption("&Ara");
  source->SetKind(TcxEditButtonKind::bkEllipsis);
  source->SetTextColor(clRed);
  source->SetVisible(false);
  source->SetWidth(12);
  m_holder->changes = 0;
  target->Assign(source);
  EXPECT_EQ(m_holder->changes, 1);
  EXPECT_EQ(target->Caption(), "&Ara");
  EXPECT_EQ(target->VisibleCaption(), "Ara");
  EXPECT_EQ(target->Kind(), TcxEditButtonKind::bkEllipsis);
  EXPECT_EQ(target->TextColor(), clRed);
  EXPECT_FALSE(target->Visible());
  EXPECT_EQ(target->Width(), 12);
  EXPECT_EQ(Buttons()->VisibleCount(), 0);
  Buttons()->Add();
  EXPECT_EQ(Buttons()->VisibleCount(), 1);
}

} // namespace
