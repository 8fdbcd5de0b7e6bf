#include "tests/support/GTest.h"

#include <string>

#include "framework/cxClasses.h"
#include "framework/cxGeometry.h"
#include "platform/objects/FormReader.h"
#include "platform/objects/FormWriter.h"

namespace {

using H = TAlignment;
using V = TcxAlignmentVert;

// Holds two alignments: one that stores what was set explicitly, one that
// stores what differs from its defaults.
class TAlignmentHolder : public TComponent {
  OBJECT_CLASS(TAlignmentHolder, TComponent)
public:
  static void Publish(TPublisher& publisher) {
    publisher.Property("Assigned", &TAlignmentHolder::Assigned);
    publisher.Property("Defaulted", &TAlignmentHolder::Defaulted);
  }
  explicit TAlignmentHolder(TComponent* owner)
      : TComponent(owner),
        m_assigned(Create<TcxAlignment>(this, true, H::taCenter, V::vaCenter)),
        m_defaulted(Create<TcxAlignment>(this, false, H::taRightJustify, V::vaBottom)) {}

  TcxAlignment* Assigned() const { return m_assigned.get(); }
  TcxAlignment* Defaulted() const { return m_defaulted.get(); }

private:
  TOwned<TcxAlignment> m_assigned;
  TOwned<TcxAlignment> m_defaulted;
};

bool Contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

struct TChangeCounter {
  void Changed(TObject*) { ++count; }
  int count = 0;
};

} // namespace

TEST(TcxAlignmentTest, StartsAtItsDefaultsAndAnnouncesOnlyRealChanges) {
  TOwned<TcxAlignment> alignment(Create<TcxAlignment>(nullptr, true, H::taCenter, V::vaBottom));
  TChangeCounter counter;
  alignment->SetOnChanged(TNotifyEvent(&counter, &TChangeCounter::Changed));
  EXPECT_EQ(H::taCenter, alignment->Horz());
  EXPECT_EQ(V::vaBottom, alignment->Vert());

  alignment->SetHorz(H::taCenter);
  EXPECT_EQ(0, counter.count);
  EXPECT_TRUE(alignment->IsHorzStored());  // set to its own value, still assigned
  EXPECT_FALSE(alignment->IsVertStored());

  alignment->SetVert(V::vaTop);
  EXPECT_EQ(1, counter.count);
  alignment->Reset();
  EXPECT_EQ(2, counter.count);
  EXPECT_EQ(V::vaBottom, alignment->Vert());
  EXPECT_FALSE(alignment->IsHorzStored());
  EXPECT_FALSE(alignment->IsVertStored());
}

TEST(TcxAlignmentTest, AssignCopiesValuesAndAssignedFlags) {
  TOwned<TcxAlignment> source(Create<TcxAlignment>(nullptr, true));
  TOwned<TcxAlignment> target(Create<TcxAlignment>(nullptr, true));
  source->SetVert(V::vaCenter);
  target->SetHorz(H::taRightJustify);
  TChangeCounter counter;
  target->SetOnChanged(TNotifyEvent(&counter, &TChangeCounter::Changed));

  target->Assign(source.get());
  EXPECT_EQ(1, counter.count);
  EXPECT_EQ(H::taLeftJustify, target->Horz());
  EXPECT_EQ(V::vaCenter, target->Vert());
  EXPECT_FALSE(target->IsHorzStored());
  EXPECT_TRUE(target->IsVertStored());

  TOwned<TcxRect> unrelated(Create<TcxRect>(nullptr));
  EXPECT_THROW(target->Assign(unrelated.get()), EConvertError);
}

TEST(TcxAlignmentTest, FormDefinitionsStoreByEachRule) {
  TOwned<TAlignmentHolder> holder(Create<TAlignmentHolder>(nullptr));
  holder->SetName("Holder");
  holder->Assigned()->SetHorz(H::taCenter);      // its default, but assigned
  holder->Defaulted()->SetHorz(H::taRightJustify);  // its default: not stored
  holder->Defaulted()->SetVert(V::vaTop);
  const std::string written = WriteFormDefinition(holder.get());
  EXPECT_TRUE(Contains(written, "Assigned.Horz = taCenter")) << written;
  EXPECT_FALSE(Contains(written, "Assigned.Vert")) << written;
  EXPECT_FALSE(Contains(written, "Defaulted.Horz")) << written;
  EXPECT_TRUE(Contains(written, "Defaulted.Vert = vaTop")) << written;

  TOwned<TAlignmentHolder> read(Create<TAlignmentHolder>(nullptr));
  ReadFormDefinition(written, read.get());
  EXPECT_TRUE(read->Assigned()->IsHorzStored());
  EXPECT_FALSE(read->Assigned()->IsVertStored());
  EXPECT_EQ(V::vaTop, read->Defaulted()->Vert());
}
