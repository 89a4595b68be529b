// The building blocks of the `set` option handlers: reading the values of
// a row and the handlers that many options share (switches, numbers, text,
// word lists, modifier keys), made for one Settings field each.
#pragma once
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "command/ascii.h"
#include "command/decimal.h"
#include "command/file_options.h"
#include "command/setting_words.h"
#include "command/settings_table.h"
#include "core/editor.h"

namespace tarn::command::option {

// A handler's result: the value it refused, if it refused one.
using Refusal = std::optional<std::string>;
constexpr Refusal kTaken = std::nullopt;

// The longest list of locate or change switches.
constexpr std::size_t kLongestSwitches = 49;

inline std::string_view word(const OptionInput& in, std::size_t i) {
  return i < in.words.size() ? in.words[i] : std::string_view();
}

inline std::string refused(std::string_view value) { return std::string(value); }

inline std::string joined(const std::vector<std::string>& list) {
  std::string text;
  for (const std::string& item : list) {
    if (!text.empty()) text += ' ';
    text += item;
  }
  return text;
}

inline std::vector<std::string> loweredWords(const OptionInput& in) {
  std::vector<std::string> list;
  for (std::string_view w : in.words) list.push_back(asciiLower(w));
  return list;
}

inline std::string_view withoutQuotes(std::string_view text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
  return text;
}

template <bool Settings::*Field, bool Missing>
Refusal applySwitch(OptionInput& in) {
  in.editor.settings.*Field = in.words.empty() ? Missing : switchValue(in.words[0]) != 0;
  return kTaken;
}

// A switch that is also per-file option Index.
template <bool Settings::*Field, bool Missing, int Index>
Refusal applyFileSwitch(OptionInput& in) {
  applySwitch<Field, Missing>(in);
  setFileOption(in.editor, Index, in.editor.settings.*Field ? 1 : 0);
  return kTaken;
}

// A switch that is also a bit of per-file option Index, set while the
// switch is on (or, Inverted, while it is off).
template <bool Settings::*Field, bool Missing, int Index, int Bit, bool Inverted>
Refusal applyFileBit(OptionInput& in) {
  applySwitch<Field, Missing>(in);
  setFileOptionBit(in.editor, Index, Bit, in.editor.settings.*Field != Inverted);
  return kTaken;
}

template <bool Settings::*Field>
std::string writeSwitch(const Editor& editor, int) {
  return std::string(switchName(editor.settings.*Field));
}

template <bool Settings::*Field>
Refusal applyHighlight(OptionInput& in) {
  bool& value = in.editor.settings.*Field;
  value = in.words.empty() ? false : highlightValue(in.words[0], value);
  return kTaken;
}

// Text as typed; KeepWhenMissing: an empty value leaves the text as it was.
template <std::string Settings::*Field, bool KeepWhenMissing>
Refusal applyText(OptionInput& in) {
  if (!in.rest.empty() || !KeepWhenMissing) in.editor.settings.*Field = std::string(in.rest);
  return kTaken;
}

template <std::string Settings::*Field>
std::string writeText(const Editor& editor, int) {
  return editor.settings.*Field;
}

template <int Settings::*Field>
std::string writeNumber(const Editor& editor, int) {
  return std::to_string(editor.settings.*Field);
}

template <std::vector<std::string> Settings::*Field>
Refusal applyWordList(OptionInput& in) {
  in.editor.settings.*Field = loweredWords(in);
  return kTaken;
}

template <std::vector<std::string> Settings::*Field>
std::string writeWordList(const Editor& editor, int) {
  return joined(editor.settings.*Field);
}

// historyon, expandon, autocompleteon.
template <KeyState Settings::*Field, bool AltRefused>
Refusal applyKeyState(OptionInput& in) {
  if (in.words.empty()) return kTaken;
  auto state = keyStateValue(in.words[0]);
  if (!state || (AltRefused && *state == KeyState::Alt)) return refused(in.words[0]);
  in.editor.settings.*Field = *state;
  return kTaken;
}

template <KeyState Settings::*Field>
std::string writeKeyState(const Editor& editor, int) {
  return std::string(keyStateName(editor.settings.*Field));
}

// A number with the value it takes when missing and a rule for the values
// it cannot take.
template <int Settings::*Field, int Missing, int (*Normalise)(int)>
Refusal applyNumber(OptionInput& in) {
  in.editor.settings.*Field = Normalise(in.words.empty() ? Missing : readDecimal(in.words[0]));
  return kTaken;
}

inline int atLeastZero(int value) { return std::max(value, 0); }
inline int atLeastOne(int value) { return std::max(value, 1); }
inline int tabWidthOrDefault(int value) { return value < 1 ? 8 : value; }
inline int timeoutOrNoLimit(int value) { return value <= 0 ? -1 : value; }

// Switches for the locate and change commands, in lower case.
template <std::string Settings::*Field>
Refusal applySwitches(OptionInput& in) {
  in.editor.settings.*Field = asciiLower(in.rest.substr(0, kLongestSwitches));
  return kTaken;
}

}  // namespace tarn::command::option
