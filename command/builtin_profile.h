// The profile built into the program, read before the user's profile: four
// settings and the key map that makes the editor usable without a profile
// of one's own (Esc between file and command line, F2/F3/F7 putting save,
// file and print on the command line, c-k showing the definitions, the
// shifted keypad typing digits).
#pragma once
#include <string_view>

namespace tarn::command {

std::string_view builtinProfile();

}  // namespace tarn::command
