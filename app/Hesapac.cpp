#include "app/Hesapac.h"

#include "app/Main.h"
#include "platform/controls/Timers.h"
#include "platform/db/ZDataset.h"
#include "platform/objects/PropertyRegistry.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/ExtCtrls.h"

THesapAc1* HesapAc1 = nullptr;

namespace {

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

void THesapAc1::FormClose(TObject*, TCloseAction&) {
  Main1->ZTable1()->Cancel();
  Main1->Timer1()->SetEnabled(true);
}
