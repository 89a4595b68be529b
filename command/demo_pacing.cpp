#include "command/demo_pacing.h"

#include <chrono>
#include <vector>

#include "command/code_lists.h"
#include "command/words.h"
#include "core/editor.h"
#include "core/escape_watch.h"

namespace tarn::command {

namespace {
constexpr std::chrono::milliseconds kSlowPause{250};
}  // namespace

bool DemoPacing::before() {
  if (mode_ != DemoMode::Step || queue_.empty()) return true;
  editor_.screen.message(nextFunctionText());
  int key = editor_.input.readKey();
  editor_.screen.clearMessage();
  return key != readkey::kEscape && key >= 0;
}

bool DemoPacing::after() {
  if (mode_ == DemoMode::Normal) return true;
  editor_.console.flush();
  if (mode_ != DemoMode::Slow) return true;
  return !waitUnlessEscape(editor_, kSlowPause);
}

size_t DemoPacing::nextFunctionLength() const {
  int code = queue_.at(0);
  auto argumentEnd = [&] {
    size_t i = 1;
    while (i < queue_.size() && queue_.at(i) != fn::kArgumentEnd) ++i;
    return std::min(i + 1, queue_.size());
  };
  if (fn::isCharacter(code)) return 1;
  if (code == fn::kTypeChar || functions_.codeOfCountForm(code) || takesArgument(functions_.argumentKind(code)))
    return argumentEnd();
  // A synonym shows without its count.
  bool withCharacter = queue_.size() > 1 && isCharacterArgument(functions_.characterArgument(code), queue_.at(1));
  return withCharacter ? 2 : 1;
}

std::string DemoPacing::nextFunctionText() const {
  std::vector<int> codes;
  for (size_t i = 0, n = nextFunctionLength(); i < n; ++i) codes.push_back(queue_.at(i));
  std::string text(trimBlanks(writer_.write(codes, editor_.settings.abbrev)));
  return text.empty() ? "Command not found" : text;
}

}  // namespace tarn::command
