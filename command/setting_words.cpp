#include "command/setting_words.h"

#include <array>
#include <span>

#include "command/ascii.h"
#include "command/decimal.h"

namespace tarn::command {
namespace {

constexpr std::array<std::string_view, 16> kColours{
    "black", "blue",     "green",      "aqua",       "red",      "purple",      "yellow",      "white",
    "gray",  "lightblue", "lightgreen", "lightaqua", "lightred", "lightpurple", "lightyellow", "brightwhite"};
constexpr std::array<std::string_view, 6> kKeyStates{"scrolllockon", "scrolllockoff", "shift",
                                                     "control",      "alt",           "off"};
constexpr std::array<std::string_view, 4> kMouseActions{"rightbutton", "leftbutton", "doubleclick", "off"};
constexpr std::array<std::string_view, 2> kCharsets{"oem", "ansi"};

// The place of a word in a list, or else of the number it reads as.
std::optional<int> listValue(std::span<const std::string_view> list, std::string_view word, bool numbers) {
  const std::string lowered = asciiLower(word);
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i] == lowered) return static_cast<int>(i);
  }
  if (!numbers) return std::nullopt;
  const int value = readDecimal(word);
  if (value < 0 || static_cast<std::size_t>(value) >= list.size()) return std::nullopt;
  return value;
}

std::string_view listName(std::span<const std::string_view> list, int value) {
  if (value < 0 || static_cast<std::size_t>(value) >= list.size()) return list.front();
  return list[static_cast<std::size_t>(value)];
}

}  // namespace

std::optional<int> colourValue(std::string_view word) { return listValue(kColours, word, false); }
std::string_view colourName(int colour) { return listName(kColours, colour); }

int switchValue(std::string_view word) {
  const std::string lowered = asciiLower(word);
  if (lowered == "on") return 1;
  if (lowered == "off") return 0;
  return readDecimal(word);
}

std::string_view switchName(bool on) { return on ? "on" : "off"; }

bool highlightValue(std::string_view word, bool current) {
  if (asciiLower(word) == "toggle") return !current;
  return switchValue(word) != 0;
}

std::optional<KeyState> keyStateValue(std::string_view word) {
  auto value = listValue(kKeyStates, word, true);
  if (!value) return std::nullopt;
  return static_cast<KeyState>(*value);
}

std::string_view keyStateName(KeyState state) { return listName(kKeyStates, static_cast<int>(state)); }

std::optional<MouseAction> mouseValue(std::string_view word) {
  auto value = listValue(kMouseActions, word, true);
  if (!value) return std::nullopt;
  return static_cast<MouseAction>(*value);
}

std::string_view mouseName(MouseAction action) { return listName(kMouseActions, static_cast<int>(action)); }

std::optional<int> charsetValue(std::string_view word) { return listValue(kCharsets, word, true); }
std::string_view charsetName(int charset) { return listName(kCharsets, charset); }

int trimValue(std::string_view word) {
  const std::string lowered = asciiLower(word);
  if (lowered == "leading") return trim::kLeading;
  if (lowered == "trailing") return trim::kTrailing;
  if (lowered == "compress") return trim::kCompress;
  return readDecimal(word);
}

}  // namespace tarn::command
