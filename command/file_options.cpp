#include "command/file_options.h"

#include "core/editor.h"
#include "core/function_codes.h"

namespace tarn::command {

void setFileOption(Editor& editor, int index, int value) {
  editor.engine.send(nullptr, fn::kSetOption, value, index);
  if (Document* doc = editor.currentDocument()) editor.engine.send(doc, fn::kSetOption, value, index);
}

void setFileOptionBit(Editor& editor, int index, int bit, bool on) {
  auto change = [&](Document* doc) {
    const int value = editor.engine.send(doc, fn::kGetOption, 0, index);
    editor.engine.send(doc, fn::kSetOption, on ? (value | bit) : (value & ~bit), index);
  };
  change(nullptr);
  if (Document* doc = editor.currentDocument()) change(doc);
}

}  // namespace tarn::command
