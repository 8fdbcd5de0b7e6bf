#include "platform/db/DatabaseClasses.h"

#include "platform/db/DataSource.h"
#include "platform/db/Fields.h"
#include "platform/db/ZConnection.h"
#include "platform/db/ZDataset.h"

void RegisterDatabaseClasses() {
  RegisterClasses({
      TZConnection::StaticClass(),
      TZQuery::StaticClass(),
      TZTable::StaticClass(),
      TDataSource::StaticClass(),
      TStringField::StaticClass(),
      TIntegerField::StaticClass(),
      TLargeintField::StaticClass(),
      TFloatField::StaticClass(),
      TDateTimeField::StaticClass(),
      TDateField::StaticClass(),
      TTimeField::StaticClass(),
      TBytesField::StaticClass(),
      TVarBytesField::StaticClass(),
      TBlobField::StaticClass(),
      TMemoField::StaticClass(),
  });
}
