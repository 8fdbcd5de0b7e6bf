// The replaceable resource-string repository of the library. Callers load
// the default text of a resource string and pass it through
// cxGetResourceStringNet, which answers the replacement an application
// registered for that text, or the text itself. Nothing is created until the
// first registration; the unit's shut-down frees the replacements, after
// which every lookup answers the defaults again.
#pragma once

#include <string>

// A resource string of the library. The record's address identifies it; its
// default text is built into the program.
struct TResStringRec {
  const char* DefaultText = "";
};

// The default text of a resource string.
std::string cxLoadResString(const TResStringRec& record);

// The replacement registered for 'text' (exact, case-sensitive match), or
// 'text' itself. The earlier registration wins when two records share a text.
std::string cxGetResourceStringNet(const std::string& text);
std::string cxGetResourceString(const std::string& text);
// Registers (or replaces) the replacement of a text, independent of any record.
void cxSetResourceStringNet(const std::string& text, const std::string& value);

// The replacement registered for this very record, or its default text. A
// replacement registered by text alone is not found here.
std::string cxGetResourceString(const TResStringRec& record);
// Registers (or replaces) the replacement of a record; lookups by its
// default text find it too.
void cxSetResourceString(const TResStringRec& record, const std::string& value);

// Whether any replacement has been registered since start-up (the repository exists).
bool cxResourceStringRepositoryExists();
// Frees every replacement; called when the unit shuts down.
void cxFreeResourceStringRepository();
