// The escapes of patterns and replacement texts: \t \n \r \b \f and \E
// stand for control characters; any other escaped character stands for
// itself.
#pragma once

namespace tarn {

constexpr char escapedChar(char c) {
  switch (c) {
    case 't': return '\t';
    case 'n': return '\n';
    case 'r': return '\r';
    case 'b': return '\b';
    case 'f': return '\f';
    case 'E': return '\x1B';
    default: return c;
  }
}

}  // namespace tarn
