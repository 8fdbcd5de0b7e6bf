// What a dataset tells its data sources and their data links.
#pragma once

enum class TDataEvent {
  deFieldChange,   // a field of the current record was written
  deRecordChange,  // the current record's values changed (edit dropped)
  deDataSetChange, // the rows changed (opened, posted)
  deDataSetScroll, // the current row moved
  deUpdateRecord,  // links are to write their pending values into the fields
  deUpdateState,   // the state changed (opened, closed, edit begun or ended)
};
