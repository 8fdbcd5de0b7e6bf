// Form-definition text to its parsed form.
//
//   object Main1: TMain1
//     Caption = 'Oturum A'#231
//     Anchors = [akLeft, akTop]
//     Lines.Strings = (
//       'one'
//       'two')
//     Columns = <
//       item
//         Width = 100
//       end>
//     OnClick = FormClick
//     object Timer1: TTimer
//       Interval = 5000
//     end
//   end
//
// Errors raise EParserError "<what> on line <n>".
#pragma once

#include <string_view>

#include "platform/objects/FormTree.h"

// Objects, lists and collections nested deeper than this (the root object
// is the first level) are refused, so that no definition exhausts the stack
// of the parser or of the reader that walks its tree. A main thread has
// 1 MB of stack; the deepest accepted definitions are parsed and read with
// a quarter of that left (their test checks it; collections, the costliest,
// take about 1.2 KB a level in a debug build), and real ones nest a few
// levels.
constexpr int MaxFormNesting = 128;

TFormObject ParseFormDefinition(std::string_view text);
