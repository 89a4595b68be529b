// The text store's own functions for text the caller gives (argument 2
// points to it, see function_codes.h): the lines of an imported file, the
// command line's text, the lines of a pseudo-file. They run through the
// engine like the editing functions, so that they are undone and followed
// like any other change; as building blocks they leave the repaint to the caller.
#pragma once
#include <cstdint>
#include <span>
#include <string_view>

#include "core/engine_types.h"

namespace tarn {

std::span<const EditFunction> givenTextFunctions();

// Lines handed over one at a time, so that a long text made for a document
// (an export) need not be held whole before it goes in.
class LineSupply {
 public:
  virtual ~LineSupply() = default;
  // The next line, valid until the next call; false after the last.
  virtual bool next(std::string_view& line) = 0;
};

namespace giventext {
// Argument 1 of replace text: argument 2 is a LineSupply.
constexpr intptr_t kSupplied = 1;
}  // namespace giventext

}  // namespace tarn
