#include "core/message_texts.h"

#include <cctype>
#include <charconv>

namespace tarn {

namespace {

constexpr size_t kLongestLine = 264;
constexpr size_t kLongestText = 255;

enum class Section { None, Command, Function, Menu };

// Reads a decimal number followed by '|'; advances past the bar.
bool readNumber(std::string_view& s, int& n) {
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
  if (ec != std::errc() || end == s.data() + s.size() || *end != '|') return false;
  s.remove_prefix(static_cast<size_t>(end - s.data()) + 1);
  return true;
}

// The text up to the next unescaped bar; "\|" is a bar.
std::string readText(std::string_view s) {
  std::string text;
  for (size_t i = 0; i < s.size() && text.size() < kLongestText; ++i) {
    if (s[i] == '\\' && i + 1 < s.size() && s[i + 1] == '|') {
      text += '|';
      ++i;
    } else if (s[i] == '|') {
      break;
    } else {
      text += s[i];
    }
  }
  return text;
}

}  // namespace

void MessageTexts::parse(std::string_view contents) {
  Section section = Section::None;
  while (!contents.empty()) {
    size_t eol = contents.find_first_of("\r\n");
    std::string_view line = contents.substr(0, eol);
    contents.remove_prefix(eol == std::string_view::npos ? contents.size() : eol + 1);
    if (line.size() > kLongestLine) line = line.substr(0, kLongestLine);
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.front()))) line.remove_prefix(1);
    if (line.empty() || line.front() == '*') continue;
    if (line.starts_with("$$TARN_COMMAND$$")) {
      section = Section::Command;
      continue;
    }
    if (line.starts_with("$$TARN_INSTR$$")) {
      section = Section::Function;
      continue;
    }
    if (line.starts_with("$$TARN_MENU$$")) {
      section = Section::Menu;
      continue;
    }
    int n = 0;
    if (section == Section::None || !readNumber(line, n)) continue;
    if (section == Section::Command && n >= 1 && n <= kCommandTexts) {
      command_[n] = readText(line);
    } else if (section == Section::Function && n >= 1 && n <= kFunctionTexts) {
      function_[n] = readText(line);
    } else if (section == Section::Menu) {
      int item = 0;
      if (n >= 1 && n <= kMenus && readNumber(line, item) && item >= 1 && item <= kMenuItems)
        menu_[{n, item}] = readText(line);
    }
  }
}

std::string_view MessageTexts::commandHelp(int n) const {
  auto it = command_.find(n);
  return it == command_.end() ? std::string_view() : it->second;
}

std::string_view MessageTexts::functionHelp(int n) const {
  auto it = function_.find(n);
  return it == function_.end() ? std::string_view() : it->second;
}

std::string_view MessageTexts::menuItem(int menu, int item) const {
  auto it = menu_.find({menu, item});
  return it == menu_.end() ? std::string_view() : it->second;
}

}  // namespace tarn
