#include "command/key_names.h"

#include <array>
#include <stdexcept>

#include "command/ascii.h"
#include "core/key_code.h"
#include "platform/vk.h"

namespace tarn::command {
namespace {

using keycode::fromVirtualKey;

// A key as the class lists name it; a second name is an alias for the same slot.
struct BaseKey {
  std::array<std::string_view, 2> names;
  int code;
};

// Keys named after the character they type have that character's code;
// the punctuation of the main keyboard has the code of its OEM key.
constexpr BaseKey kBaseKeys[] = {
    {{"up"}, fromVirtualKey(vk::kUp)},
    {{"down"}, fromVirtualKey(vk::kDown)},
    {{"left"}, fromVirtualKey(vk::kLeft)},
    {{"right"}, fromVirtualKey(vk::kRight)},
    {{"pgup"}, fromVirtualKey(vk::kPrior)},
    {{"pgdn"}, fromVirtualKey(vk::kNext)},
    {{"home"}, fromVirtualKey(vk::kHome)},
    {{"end"}, fromVirtualKey(vk::kEnd)},
    {{"ins", "insert"}, fromVirtualKey(vk::kInsert)},
    {{"del"}, fromVirtualKey(vk::kDelete)},
    {{"enter"}, fromVirtualKey(vk::kReturn)},
    {{"backspace"}, fromVirtualKey(vk::kBack)},
    {{"esc"}, fromVirtualKey(vk::kEscape)},
    {{"tab"}, fromVirtualKey(vk::kTab)},
    {{"prtsc"}, fromVirtualKey(vk::kSnapshot)},
    {{"padplus"}, fromVirtualKey(vk::kAdd)},
    {{"padminus"}, fromVirtualKey(vk::kSubtract)},
    {{"pad5"}, fromVirtualKey(vk::kClear)},
    {{"pad*"}, fromVirtualKey(vk::kMultiply)},
    {{"space"}, fromVirtualKey(vk::kSpace)},
    {{"exclamationp"}, '!'},
    {{"doublequote"}, '"'},
    {{"numbers"}, '#'},
    {{"dollars"}, '$'},
    {{"percents"}, '%'},
    {{"ampersand"}, '&'},
    {{"lpar"}, '('},
    {{"rpar"}, ')'},
    {{"asterisk"}, '*'},
    {{"plus"}, '+'},
    {{"colon"}, ':'},
    {{"lesst"}, '<'},
    {{"greatert"}, '>'},
    {{"questionm"}, '?'},
    {{"ats"}, '@'},
    {{"carets"}, '^'},
    {{"underscore"}, '_'},
    {{"lbrace"}, '{'},
    {{"pipes"}, '|'},
    {{"rbrace"}, '}'},
    {{"tilde"}, '~'},
    {{"quote"}, vk::kOem7},
    {{"comma"}, vk::kOemComma},
    {{"minus"}, vk::kOemMinus},
    {{"period"}, vk::kOemPeriod},
    {{"slash"}, vk::kOem2},
    {{"semi", "semicolon"}, vk::kOem1},
    {{"equals"}, vk::kOemPlus},
    {{"lbracket"}, vk::kOem4},
    {{"backslash"}, vk::kOem5},
    {{"rbracket"}, vk::kOem6},
    {{"backquote"}, vk::kOem3},
};

// Runs of keys that the class lists take as a whole.
constexpr std::string_view kLetters = "a..z";
constexpr std::string_view kFunctionKeys = "f1..f12";
constexpr std::string_view kDigits = "0..9";

// The keys of each class in slot order.
constexpr std::string_view kPlainKeys[] = {
    "up", "down", "left", "right", "pgup", "pgdn", "home", "end", "ins", "del", "enter", "backspace", "esc",
    "tab", kLetters, kFunctionKeys, kDigits, "prtsc", "padplus", "padminus", "space", "exclamationp",
    "doublequote", "numbers", "dollars", "percents", "ampersand", "quote", "lpar", "rpar", "asterisk", "plus",
    "comma", "minus", "period", "slash", "colon", "semi", "lesst", "equals", "greatert", "questionm", "ats",
    "lbracket", "backslash", "rbracket", "carets", "underscore", "backquote", "lbrace", "pipes", "rbrace",
    "tilde", "pad5", "pad*"};
constexpr std::string_view kShiftKeys[] = {
    "up", "down", "left", "right", "pgup", "pgdn", "home", "end", "ins", "del", "tab", kLetters,
    kFunctionKeys, kDigits, "minus", "equals", "lbracket", "rbracket", "semi", "quote", "backquote", "comma",
    "period", "slash", "backslash", "pad5", "padminus", "padplus", "esc"};
constexpr std::string_view kCtrlKeys[] = {
    "up", "down", "left", "right", "pgup", "pgdn", "home", "end", "enter", "backspace", kLetters,
    kFunctionKeys, "minus", "equals", "backslash", "pad5", "backquote", "comma", "lbracket", "padminus",
    "padplus", "slash", "period", "quote", "rbracket", "semi", "del", "pad*", "tab", "ins", kDigits, "space"};
constexpr std::string_view kAltKeys[] = {
    kLetters, kFunctionKeys, kDigits, "minus", "equals", "backquote", "backslash", "comma", "lbracket",
    "padminus", "padplus", "slash", "period", "quote", "rbracket", "semi", "del"};
// Ctrl+Shift and Ctrl+Alt name the same keys.
constexpr std::string_view kCtrlComboKeys[] = {
    kLetters, kFunctionKeys, kDigits, "minus", "equals", "backquote", "backslash", "comma", "lbracket",
    "padminus", "padplus", "slash", "period", "quote", "rbracket", "semi", "pad5", "del", "pad*", "tab", "ins",
    "up", "down", "left", "right", "pgup", "pgdn", "home", "end", "enter", "backspace", "space"};

struct KeyClassList {
  std::string_view prefix;
  std::span<const std::string_view> keys;
};

constexpr KeyClassList kClasses[kKeyClassCount] = {
    {"", kPlainKeys}, {"s-", kShiftKeys}, {"c-", kCtrlKeys},
    {"a-", kAltKeys}, {"u-", kCtrlComboKeys}, {"x-", kCtrlComboKeys},
};

const BaseKey& baseKey(std::string_view name) {
  for (const BaseKey& key : kBaseKeys) {
    if (key.names[0] == name) return key;
  }
  throw std::logic_error("no base key \"" + std::string(name) + "\"");
}

// Appends the names of one slot, or of a run of slots, to a class.
class ClassBuilder {
 public:
  ClassBuilder(std::vector<KeyName>& out, int keyClass, std::string_view prefix)
      : out_(out), keyClass_(keyClass), prefix_(prefix) {}

  void add(std::string_view token) {
    if (token == kLetters) {
      for (char c = 'a'; c <= 'z'; ++c) addSlot({std::string(1, c)}, c - 'a' + 'A');
    } else if (token == kDigits) {
      for (char c = '0'; c <= '9'; ++c) addSlot({std::string(1, c)}, c);
    } else if (token == kFunctionKeys) {
      for (int n = 1; n <= 12; ++n) addSlot({"f" + std::to_string(n)}, fromVirtualKey(vk::kF1 + n - 1));
    } else {
      const BaseKey& key = baseKey(token);
      std::vector<std::string> names;
      for (std::string_view name : key.names) {
        if (!name.empty()) names.emplace_back(name);
      }
      addSlot(names, key.code);
    }
  }

  int slots() const { return slot_; }

 private:
  void addSlot(const std::vector<std::string>& names, int code) {
    for (const std::string& name : names) out_.push_back({std::string(prefix_) + name, keyClass_, slot_, code});
    ++slot_;
  }

  std::vector<KeyName>& out_;
  int keyClass_;
  std::string_view prefix_;
  int slot_ = 0;
};

}  // namespace

KeyNameTable::KeyNameTable() {
  for (int keyClass = 0; keyClass < kKeyClassCount; ++keyClass) {
    ClassBuilder builder(entries_, keyClass, kClasses[keyClass].prefix);
    for (std::string_view token : kClasses[keyClass].keys) builder.add(token);
    if (builder.slots() > kSlotsPerClass) throw std::logic_error("a key class has more than 100 slots");
    slotCounts_.push_back(builder.slots());
  }

  for (std::size_t index = 0; index < entries_.size(); ++index) {
    const KeyName& key = entries_[index];
    if (!byName_.try_emplace(key.name, index).second) {
      throw std::logic_error("key name \"" + key.name + "\" given twice");
    }
    // Keys arrive as class and code, so two slots of a class must not share a code.
    auto [known, added] = byKey_.try_emplace({key.keyClass, key.keyCode}, index);
    if (!added && entries_[known->second].slot != key.slot) {
      throw std::logic_error("key \"" + key.name + "\" shares its code with another slot");
    }
  }
}

const KeyName* KeyNameTable::find(std::string_view name) const {
  const std::string lowered = asciiLower(name);
  auto found = byName_.find(lowered);
  return found == byName_.end() ? nullptr : &entries_[found->second];
}

std::optional<std::string_view> KeyNameTable::nameOf(int keyClass, int keyCode) const {
  auto found = byKey_.find({keyClass, keyCode});
  if (found == byKey_.end()) return std::nullopt;
  return entries_[found->second].name;
}

int KeyNameTable::slotCount(int keyClass) const {
  if (keyClass < 0 || keyClass >= kKeyClassCount) return 0;
  return slotCounts_[static_cast<std::size_t>(keyClass)];
}

}  // namespace tarn::command
