#include "core/password_prompt.h"

#include "core/editor.h"
#include "core/update_batch.h"

namespace tarn {

namespace {

constexpr std::string_view kPrompt = "Please enter the encryption password: ";
constexpr size_t kLongestPassword = 32;
constexpr Attribute kPromptAttribute = 14;  // yellow on black
constexpr int kEnter = '\r';
constexpr int kBackspace = 8;

void show(Editor& editor, size_t length) {
  std::string row(kPrompt);
  row.append(length, '*');
  editor.screen.statusRowText(row, kPromptAttribute, static_cast<int>(row.size()));
}

}  // namespace

std::string readPassword(Editor& editor) {
  std::string password;
  UpdatesShown shown(editor);
  show(editor, 0);
  for (;;) {
    int key = editor.input.readKey();
    if (key < 0 || key == readkey::kEscape) return {};
    if (key == kEnter) return password;
    if (key == kBackspace) {
      if (!password.empty()) password.pop_back();
    } else if (key >= 32 && key <= 127) {
      if (password.size() < kLongestPassword) password += static_cast<char>(key);
    } else {
      continue;  // modifier keys alone and other keys
    }
    show(editor, password.size());
  }
}

}  // namespace tarn
