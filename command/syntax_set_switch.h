// Per-set settings of the syntax-colouring sets. While a file of set n is
// current, the set's profile (`syntaxcoloringpro<n>`) and its set commands
// (`syntaxcoloringset<n>`, pieces separated by commas outside double
// quotes) are in force; the options they change get their earlier values
// back when a file of a set that does not name them becomes current, or a
// file of no set.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "command/profiles.h"
#include "command/settings_command.h"

namespace tarn {
struct Editor;
}

namespace tarn::command {

class SyntaxSetSwitch {
 public:
  SyntaxSetSwitch(Editor& editor, SettingsCommand& settings, Profiles& profiles)
      : editor_(editor), settings_(settings), profiles_(profiles) {}

  // The current file's keyword set is now `set` (-1: none). Called whenever
  // a file becomes current; does nothing while the set stays the same.
  void select(int set);

  // The set commands of a set text, one per piece.
  static std::vector<std::string> pieces(std::string_view commands);

 private:
  void readProfile(const std::string& profile);
  void run(const std::string& line);
  void restoreAllBut(const std::vector<OptionRef>& kept);

  Editor& editor_;
  SettingsCommand& settings_;
  Profiles& profiles_;
  int current_ = -1;
  std::string lastProfile_;
  // The set line of each option a set changed, from before the first change.
  std::vector<std::pair<OptionRef, std::string>> saved_;
};

}  // namespace tarn::command
