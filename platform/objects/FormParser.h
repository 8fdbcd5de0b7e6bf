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

TFormObject ParseFormDefinition(std::string_view text);
