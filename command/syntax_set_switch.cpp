#include "command/syntax_set_switch.h"

#include <algorithm>

#include "command/words.h"
#include "core/editor.h"

namespace tarn::command {

std::vector<std::string> SyntaxSetSwitch::pieces(std::string_view commands) {
  std::vector<std::string> result;
  std::string piece;
  bool quoted = false;
  auto finish = [&] {
    const std::string_view trimmed = trimBlanks(piece);
    if (!trimmed.empty()) result.emplace_back(trimmed);
    piece.clear();
  };
  for (char c : commands) {
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      finish();
    } else {
      piece += c;
    }
  }
  finish();
  return result;
}

void SyntaxSetSwitch::select(int set) {
  if (set == current_) return;
  current_ = set;
  if (set < 0 || set >= kSyntaxSets) {
    current_ = -1;
    restoreAllBut({});
    return;
  }

  const SyntaxSetSettings& settings = editor_.settings.syntax[static_cast<std::size_t>(set)];
  if (!settings.profile.empty() && settings.profile != lastProfile_) readProfile(settings.profile);

  std::vector<OptionRef> named;
  for (const std::string& piece : pieces(settings.setCommands)) {
    if (auto option = SettingsCommand::resolve(firstWord(piece).word)) {
      named.push_back(*option);
      auto known = std::find_if(saved_.begin(), saved_.end(), [&](const auto& s) { return s.first == *option; });
      if (known == saved_.end()) saved_.emplace_back(*option, settings_.settingLine(*option));
    }
    run("set " + piece);
  }
  restoreAllBut(named);
}

// The profiles read before a set's profile are read again first, so that
// the definitions an earlier set profile replaced come back.
void SyntaxSetSwitch::readProfile(const std::string& profile) {
  if (!lastProfile_.empty()) {
    profiles_.readBuiltin(ProfileMode::DefinitionsOnly);
    profiles_.readUserProfile(ProfileMode::DefinitionsOnly);
  }
  profiles_.readFile(profile, ProfileMode::DefinitionsOnly);
  lastProfile_ = profile;
}

void SyntaxSetSwitch::run(const std::string& line) {
  if (auto message = settings_.set(line)) editor_.screen.message(*message);
}

void SyntaxSetSwitch::restoreAllBut(const std::vector<OptionRef>& kept) {
  std::vector<std::pair<OptionRef, std::string>> stay;
  for (auto& [option, line] : saved_) {
    if (std::find(kept.begin(), kept.end(), option) != kept.end()) {
      stay.emplace_back(option, std::move(line));
    } else {
      run(line);
    }
  }
  saved_ = std::move(stay);
}

}  // namespace tarn::command
