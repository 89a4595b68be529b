#include "command/macro_files.h"

#include <optional>

#include "command/code_lists.h"
#include "command/decimal.h"
#include "command/line_context.h"
#include "command/words.h"
#include "core/engine_types.h"
#include "core/function_codes.h"

namespace tarn::command {

namespace {

constexpr size_t kLineWidth = 75;

bool isTyping(int code) { return code == fn::kTypeChar || code == msg::kChar; }

// A typed character: quoted when the quoted form reads it back, else by number.
std::string characterItem(unsigned char c) {
  if (c >= 32 && c != 127 && c != '\'') return std::string("'") + static_cast<char>(c) + "'";
  return "[" + std::to_string(c) + "]";
}

std::optional<std::string> typingItem(const RecordedCall& call, const FunctionTable& functions, bool abbreviated) {
  if (call.arg1 < 1 || call.arg1 > 255) return std::nullopt;
  auto c = static_cast<unsigned char>(call.arg1);
  if (call.code == msg::kChar && c < 32) {
    // The character message breaks the line at a carriage return, and moves
    // to the next tab stop at a tab; other control characters do nothing.
    if (c == '\t') return "[" + std::string(*functions.nameOf(fn::kTab, abbreviated)) + "]";
    if (c != '\r') return std::nullopt;
  }
  return characterItem(c);
}

// Only the editing engine's functions are recorded under their own codes;
// the codes below them are its edit-control messages (a key going down, a
// mouse button), which have no written form.
std::optional<std::string> functionItem(const RecordedCall& call, const FunctionTable& functions, bool abbreviated) {
  if (!fn::isEngine(call.code)) return std::nullopt;
  CharacterArgument character = functions.characterArgument(call.code);
  bool hasCharacter = character != CharacterArgument::None && call.arg1 >= 1 && call.arg1 <= 255 &&
                      isCharacterArgument(character, static_cast<int>(call.arg1));
  // Only the full name takes a letter in brackets.
  auto name = functions.nameOf(call.code, abbreviated && !(hasCharacter && character == CharacterArgument::Letter));
  if (!name) return std::nullopt;
  std::string item = "[" + std::string(*name);
  if (call.code == fn::kColumn) {
    item += " " + std::to_string(call.arg1 + 1);
  } else if (hasCharacter) {
    item += std::string(" '") + static_cast<char>(call.arg1) + "'";
  } else if (call.repeat > 1) {
    item += " " + std::to_string(call.repeat);
  } else if (call.arg1 >= 1) {
    item += " " + std::to_string(call.arg1);
  }
  return item + "]";
}

// The end of a bracket opened at open: its `]`, passing over a quoted
// character; the end of the line when it is not closed.
size_t bracketEnd(std::string_view line, size_t open) {
  size_t i = open + 1;
  while (i < line.size() && line[i] != ']') i += line[i] == '\'' && i + 2 < line.size() && line[i + 2] == '\'' ? 3 : 1;
  return i;
}

// The call a bracket names, as the command language would carry it out.
std::optional<RecordedCall> bracketCall(std::string_view text, const FunctionTable& functions) {
  text = trimBlanks(text);
  if (auto code = functions.codeOf(text)) return RecordedCall{*code, 0, 0, 1};
  if (auto n = wholeDecimal(text); n && fn::isCharacter(*n)) return RecordedCall{fn::kTypeChar, *n, 0, 1};
  if (auto form = functions.quotedForm(text))
    return RecordedCall{form->code, static_cast<unsigned char>(form->character), 0, 1};
  // A name (of one word or more) and a number.
  size_t blank = text.find_last_of(" \t");
  if (blank == std::string_view::npos) return std::nullopt;
  auto code = functions.codeOf(trimBlanks(text.substr(0, blank)));
  auto n = wholeDecimal(text.substr(blank + 1));
  if (!code || !n || *n < 1) return std::nullopt;
  if (*code == fn::kColumn) return RecordedCall{*code, *n - 1, 0, 1};
  return RecordedCall{*code, *n, 0, *n};
}

}  // namespace

std::string macroText(std::span<const RecordedCall> calls, const FunctionTable& functions, bool abbreviated) {
  std::string text;
  size_t lineStart = 0;
  for (const RecordedCall& call : calls) {
    std::optional<std::string> item = isTyping(call.code) ? typingItem(call, functions, abbreviated)
                                                          : functionItem(call, functions, abbreviated);
    if (!item) continue;
    text += *item;
    if (text.size() - lineStart > kLineWidth) {
      text += '\n';
      lineStart = text.size();
    }
  }
  if (text.size() > lineStart) text += '\n';
  return text;
}

LoadedMacro readMacroText(std::string_view text, const FunctionTable& functions) {
  LoadedMacro loaded;
  int number = 0;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    start = end + 1;
    std::string label = std::to_string(++number) + ":";
    for (size_t i = 0; i < line.size();) {
      if (line[i] == '\'') {
        size_t close = line.find('\'', i + 1);
        if (close == std::string_view::npos) close = line.size();
        for (size_t c = i + 1; c < close; ++c)
          loaded.calls.push_back({fn::kTypeChar, static_cast<unsigned char>(line[c]), 0, 1});
        i = close + 1;
      } else if (line[i] == '[') {
        size_t close = bracketEnd(line, i);
        std::string_view inside = line.substr(i + 1, close - i - 1);
        std::optional<RecordedCall> call = bracketCall(inside, functions);
        if (!call) {
          loaded.messages.push_back(unknownCommand(trimBlanks(inside), LineContext{label, line}));
          break;
        }
        // Commands of the editor itself are no calls of the engine: a
        // recording holds none.
        if (fn::isEngine(call->code)) loaded.calls.push_back(*call);
        i = close + 1;
      } else {
        ++i;
      }
    }
  }
  return loaded;
}

}  // namespace tarn::command
