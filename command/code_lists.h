// The shape of a compiled code list, shared by the compiler, the writer and
// the key loop that reads it back:
//  - 1..255: a character typed at the cursor;
//  - a function code; when its argument kind takes an argument (raw text,
//    words, two words, column, scroll count, locate/change expression) the
//    argument follows as one code per character and -1, also when the
//    argument is empty (so [edit] is the edit code and -1), so the key loop
//    never has to guess where an argument ends;
//  - the count forms of up, down, left and right, and 0x956 (type the
//    character of a decimal number), followed by their digits and -1;
//  - a code of a character argument kind (fill mark, the bookmark functions)
//    followed by its character, when the bracket gave one;
//  - a synonym code followed by its count, or -1 for none.
#pragma once
#include "command/function_catalogue.h"
#include "core/function_codes.h"

namespace tarn::command {

// Whether a code of this argument kind is followed by characters and -1.
constexpr bool takesArgument(ArgumentKind kind) {
  return kind != ArgumentKind::None && kind != ArgumentKind::Count;
}

constexpr bool isLetter(int code) { return (code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z'); }

// Whether the entry that follows a code of this kind is its character.
constexpr bool isCharacterArgument(CharacterArgument kind, int next) {
  return (kind == CharacterArgument::Letter && isLetter(next)) ||
         (kind == CharacterArgument::Any && fn::isCharacter(next));
}

}  // namespace tarn::command
