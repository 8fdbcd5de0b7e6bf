#include "platform/dbctrls/DataControlsClasses.h"

#include "platform/dbctrls/DBCtrls.h"
#include "platform/dbctrls/DBGrids.h"

void RegisterDataControlsClasses() {
  RegisterClasses({
      TDBGrid::StaticClass(),
      TDBEdit::StaticClass(),
  });
}
