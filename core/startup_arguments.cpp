#include "core/startup_arguments.h"

#include <cctype>

namespace tarn {

namespace {

bool startsWithNoCase(const std::string& s, const char* prefix) {
  size_t i = 0;
  for (; prefix[i]; ++i)
    if (i >= s.size() || std::tolower(static_cast<unsigned char>(s[i])) != prefix[i]) return false;
  return true;
}

// On this system absolute paths begin with '/' too: a word is a switch only
// when it holds no further '/'.
bool looksLikeSwitch(const std::string& s) { return !s.empty() && s[0] == '/' && s.find('/', 1) == std::string::npos; }

bool isSwitch(const std::string& s, char letter) {
  return s.size() == 2 && s[0] == '/' && std::tolower(static_cast<unsigned char>(s[1])) == letter;
}

}  // namespace

std::string unquoteProfileLine(const std::string& text) {
  for (const char* prefix : {"'d ", "'def ", "'s ", "'set "}) {
    if (startsWithNoCase(text, prefix) && text.size() >= 2) return text.substr(1, text.size() - 2);
  }
  return text;
}

StartupArguments parseStartupArguments(const std::vector<std::string>& args,
                                       bool (*pathExists)(const std::string&)) {
  StartupArguments result;
  size_t i = 0;
  if (i < args.size() && startsWithNoCase(args[i], "/q") && looksLikeSwitch(args[i])) ++i;
  if (i < args.size() && startsWithNoCase(args[i], "/p") && args[i].size() > 2 &&
      pathExists(args[i].substr(2))) {
    result.profilePath = args[i].substr(2);
    ++i;
  }
  for (; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.empty()) continue;
    if (a[0] == '\'' || a[0] == '[' || a[0] == '{') {
      result.actions.push_back({StartupAction::Kind::FunctionString, unquoteProfileLine(a)});
    } else if (a == "/?") {
      result.actions.push_back({StartupAction::Kind::OpenHelp, ""});
    } else if (isSwitch(a, 'd')) {
      result.keepScreen = true;
    } else if (looksLikeSwitch(a) && !pathExists(a)) {
      // Other switches are ignored.
    } else {
      StartupAction open{StartupAction::Kind::OpenFile, a};
      if (i + 1 < args.size() && isSwitch(args[i + 1], 'r')) {
        open.readOnly = true;
        ++i;
      }
      result.actions.push_back(open);
    }
  }
  return result;
}

}  // namespace tarn
