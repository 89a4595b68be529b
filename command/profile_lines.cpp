#include "command/profile_lines.h"

#include "command/words.h"
#include "core/editor.h"
#include "core/function_codes.h"

namespace tarn::command {

bool ProfileLines::handle(const ProfileLine& line, ProfileMode mode) {
  const std::string_view text = skipBlanks(line.text);
  if (text.empty() || text.front() == '*') return true;

  const FirstWord first = firstWord(text);
  const int code = functions_.codeOf(first.word).value_or(0);
  switch (code) {
    case fn::kSet:
      show(settings_.set(text, line.label));
      return true;
    case fn::kDefine:
      show(compiler_.define(text, line.label));
      return true;
    case fn::kSyn:
      show(compiler_.synonym(text, line.label));
      return true;
    default:
      break;
  }
  if (mode == ProfileMode::DefinitionsOnly) return true;

  if (code == fn::kEdit || code == fn::kView) {
    host_.openFile(trimBlanks(first.after), code == fn::kView);
  } else if (host_.fileLoaded()) {
    host_.runString(text);
  } else if (code != fn::kQuit) {
    show(unknownCommand(first.word, LineContext{line.label, text}));
  }
  return true;
}

void ProfileLines::show(const std::optional<std::string>& message) {
  if (message) editor_.screen.message(*message);
}

}  // namespace tarn::command
