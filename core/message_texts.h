// Replacement texts from the message file: help texts of commands and
// functions and the items of the text-mode menus.
#pragma once
#include <array>
#include <map>
#include <string>
#include <string_view>

namespace tarn {

class MessageTexts {
 public:
  static constexpr int kCommandTexts = 111;
  static constexpr int kFunctionTexts = 167;
  static constexpr int kMenus = 10;
  static constexpr int kMenuItems = 24;

  // Reads the message file's text; lines out of a section or out of range are ignored.
  void parse(std::string_view contents);

  // The replacement, or empty when none was given.
  std::string_view commandHelp(int n) const;
  std::string_view functionHelp(int n) const;
  std::string_view menuItem(int menu, int item) const;

 private:
  std::map<int, std::string> command_;
  std::map<int, std::string> function_;
  std::map<std::pair<int, int>, std::string> menu_;
};

}  // namespace tarn
