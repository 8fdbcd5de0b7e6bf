// The parsed form of a form definition: objects with their properties and
// nested objects, and the values properties take. The parser makes it from
// text, the writer makes it from components, the printer turns it into text.
//
// Classes in this file: TFormValue, TFormProperty, TFormItem, TFormObject.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TFormProperty;

enum class TFormValueKind {
  fvInteger,    // 12, -3, $1F
  fvFloat,      // 1.5, -2.5E3
  fvString,     // 'text'#13#10'more'
  fvIdent,      // True, clBtnFace, Button1Click, Form1.Button1
  fvSet,        // [akLeft, akTop]
  fvList,       // ('a' 'b') or (1 2)
  fvCollection, // < item ... end >
  fvBinary,     // { 0A1B }
};

// The properties of one collection item.
struct TFormItem {
  int Line = 0;
  std::vector<TFormProperty> Properties;
};

struct TFormValue {
  TFormValueKind Kind = TFormValueKind::fvInteger;
  int Line = 0;
  std::int64_t Integer = 0;
  double Float = 0;
  std::string Text;                  // string, identifier
  std::vector<std::string> Elements; // set elements
  std::vector<TFormValue> List;      // list entries
  std::vector<TFormItem> Items;      // collection items
  std::vector<std::uint8_t> Bytes;   // binary data
};

// Name = value; the name may be dotted (Font.Name, Lines.Strings).
struct TFormProperty {
  std::string Name;
  TFormValue Value;
  int Line = 0;
};

// object Name: TClass ... end
struct TFormObject {
  std::string Name;
  std::string ClassName;
  int Line = 0;
  std::vector<TFormProperty> Properties;
  std::vector<TFormObject> Children;
};
