// The `set` options: one row per option, in option order, with the help
// line of the `set` list, how the option reads its values and how its
// current value is written back. The values themselves live in the
// editor's Settings (core/settings.h).
#pragma once
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tarn {
struct Editor;
}

namespace tarn::command {

// What an option's handler receives.
struct OptionInput {
  Editor& editor;
  int set;  // the syntax set of a numbered option, else 0
  std::span<const std::string_view> words;  // the values, word by word
  std::string_view rest;                    // the values as typed (text options)
};

// A handler returns the value it refused, if it refused one; the option
// then keeps (that part of) its value.
using OptionApply = std::optional<std::string> (*)(OptionInput& input);
// The values as written back after "set <name>" (may be empty).
using OptionWrite = std::string (*)(const Editor& editor, int set);

struct OptionEntry {
  std::string_view name;
  std::string_view help;  // empty for an option the list leaves out
  bool numbered;          // takes a syntax set number after its name
  OptionApply apply;
  OptionWrite write;      // null for an option that is never written back
};

// Every option in option order.
std::span<const OptionEntry> optionTable();
// The place of a name in the table; the name in lower case, without a number.
std::optional<std::size_t> findOption(std::string_view name);

}  // namespace tarn::command
