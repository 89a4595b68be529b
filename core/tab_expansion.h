// What a line whose tabs a block mark expanded to blanks stands for while
// the mark lasts (core/marks.h): a file is written with it, and unmarking
// gives it back.
#pragma once
#include <string>

namespace tarn {

struct TabExpansion {
  std::string original;  // the text the line had
  std::string expanded;  // the text the expansion gave it
};

}  // namespace tarn
