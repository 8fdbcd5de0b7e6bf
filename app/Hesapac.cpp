#include "app/Hesapac.h"

#include "app/FormComponents.h"
#include "app/Main.h"
#include "platform/controls/Timers.h"
#include "platform/db/ZDataset.h"
#include "platform/objects/PropertyRegistry.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/ExtCtrls.h"

THesapAc1* HesapAc1 = nullptr;

namespace {

// The marker buttons beside the fields that must be filled in and in front
// of the legend.
constexpr const char* kMarkerNames[] = {"SpeedButton2", "SpeedButton3", "SpeedButton5"};

void RegisterHesapacClasses() {
  RegisterClasses({TBevel::StaticClass(), TLabel::StaticClass(), TSpeedButton::StaticClass()});
}

} // namespace

const TUnitInfo HesapacUnit{"Hesapac", RegisterHesapacClasses, nullptr};

void THesapAc1::Publish(TPublisher& p) { p.Method("FormClose", &THesapAc1::FormClose); }

THesapAc1::~THesapAc1() {
  if (HesapAc1 == this)
    HesapAc1 = nullptr;
}

// The marker buttons show the program's mark of a mandatory field.
void THesapAc1::Loaded() {
  inherited::Loaded();
  TOwned<TBitmap> mark(Create<TBitmap>());
  mark->LoadFromResourceName(nullptr, "MANDATORYMARK");
  for (const char* name : kMarkerNames)
    FormComponent<TSpeedButton>(this, name)->SetGlyph(mark.get());
}

void THesapAc1::FormClose(TObject*, TCloseAction&) {
  Main1->ZTable1()->Cancel();
  Main1->Timer1()->SetEnabled(true);
}
