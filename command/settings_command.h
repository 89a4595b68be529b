// The `set` command: `set <option> <values>` on a whole line, typed, bound
// to a key or read from a profile, and the setting lines that write the
// current values back in the same form.
//
// The numbered options take the syntax set after their name
// (`syntaxcoloring3`, `syntaxcoloringext12`); the plain name is set 0 and
// numbers from 20 on name no option.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {
struct Editor;
}

namespace tarn::command {

// An option with its set number (0 for the options without one).
struct OptionRef {
  std::size_t index;
  int set;
  bool operator==(const OptionRef&) const = default;
};

class SettingsCommand {
 public:
  explicit SettingsCommand(Editor& editor) : editor_(editor) {}

  // The whole line, command word first, and the profile line label for
  // messages (empty outside a profile file). Returns the message to show,
  // if any: an unknown option, or a value the option refused.
  std::optional<std::string> set(std::string_view line, std::string_view label = {});

  // The option a name stands for, ignoring case.
  static std::optional<OptionRef> resolve(std::string_view name);

  // The current value of an option as a set line; nothing for a name that
  // is no option, and for `char`, which has no value.
  std::optional<std::string> settingLine(std::string_view name) const;
  std::string settingLine(const OptionRef& option) const;

  // The set line of every option, numbered ones for all 20 sets, in an
  // order that gives the same values when they are run again.
  std::vector<std::string> allSettingLines() const;

  // The lines of the `set` help list, one per option that has a value.
  static std::vector<std::string_view> helpLines();

 private:
  Editor& editor_;
};

}  // namespace tarn::command
