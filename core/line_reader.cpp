// The framed line reader of prompts: a one-line field edited with the
// user's key definitions.
#include <algorithm>

#include "core/editor.h"
#include "core/function_codes.h"
#include "core/input.h"
#include "core/key_code.h"
#include "core/reentry.h"
#include "core/update_batch.h"
#include "core/view_placement.h"
#include "core/window_painter.h"
#include "platform/vk.h"

namespace tarn {

namespace {

constexpr int kBoxWidth = 64;
constexpr int kFieldWidth = 60;
constexpr size_t kPromptLength = 60;
constexpr size_t kLongestText = 1023;
constexpr int kDefinitionLength = 1023;
constexpr Attribute kFieldColours = 0x07;  // white on black
constexpr std::string_view kFooter = "Press ENTER to confirm or ESC to abandon input";

Document* createField(Engine& engine) {
  CreateRequest request;
  engine.send(nullptr, msg::kCreate, msg::kCreateCommandLine, reinterpret_cast<intptr_t>(&request));
  return request.result;
}

std::string fieldText(const Document& field) {
  std::string_view text = field.first->view();
  text = text.substr(0, std::min(text.find_first_of("\r\n"), kLongestText));
  return std::string(text);
}

// Reads decimal digits up to the -1 that ends an argument; returns the
// position of the last entry read.
const int* readNumber(const int* c, const int* end, int& n) {
  n = 0;
  while (c + 1 < end && c[1] >= '0' && c[1] <= '9') n = n * 10 + (*++c - '0');
  if (c + 1 < end && c[1] == fn::kArgumentEnd) ++c;
  return c;
}

}  // namespace

// Runs the codes of a key definition against the field. Commands and
// synonyms act on the editor, not on a prompt's field: the definition stops there.
void Input::runFieldDefinition(Document& field, const int* codes) {
  Engine& engine = editor_.engine;
  const int* end = codes;
  while (end < codes + kDefinitionLength && *end) ++end;
  for (const int* c = codes; c < end; ++c) {
    int code = *c;
    if (fn::isCharacter(code)) {
      engine.send(&field, fn::kTypeChar, code);
    } else if (code == fn::kTypeChar || code == fn::kColumn) {
      int n = 0;
      c = readNumber(c, end, n);
      if (code == fn::kColumn)
        engine.send(&field, code, std::max(0, n - 1));
      else if (fn::isCharacter(n))
        engine.send(&field, code, n);
    } else if (c + 1 < end && editor_.dispatcher->takesCharacter(code, c[1])) {
      engine.send(&field, code, *++c);
    } else if (fn::isEngine(code)) {
      engine.send(&field, code);
    } else {
      return;
    }
  }
}

bool Input::readLine(std::string_view prompt, std::string& text, bool hidden) {
  BusyScope busy(editor_.loop);
  UpdatesShown shown(editor_);
  Engine& engine = editor_.engine;
  Screen& screen = editor_.screen;
  Console& console = editor_.console;
  Document* field = createField(engine);
  if (!field) return false;
  engine.send(field, fn::kSetOption, 0, opt::kInsertMode);
  field->insertCharacters(*field->first, 0, std::string_view(text).substr(0, kLongestText));

  Screen::Box box;
  int columns = 1;
  auto drawBox = [&] {
    box = screen.boxAt(kBoxWidth);
    columns = std::clamp(box.width - 4, 1, kFieldWidth);
    engine.send(field, msg::kSetWindowSize, columns, 1);
    screen.frameBox(box.width, prompt.substr(0, kPromptLength), "", kFooter,
                    screen.messageAttribute());
  };
  auto paintField = [&] {
    placeCurrentLine(*field);
    RowStyle style;
    style.text = kFieldColours;
    style.mark = screen.markAttribute();
    style.masked = hidden;
    RowCells cells;
    WindowPainter(*field, columns, style).paintRow(field->first, kFirstLine, 0, cells);
    screen.writeCells(box.left + 2, box.top + 1, cells);
    console.setCursorPosition(
        box.left + 2 + std::clamp(field->cursorColumn - field->view.leftColumn, 0, columns - 1),
        box.top + 1);
    screen.applyCursorSize(false);
    console.flush();
  };
  drawBox();
  paintField();

  bool accepted = false;
  InputRecord r;
  while (waitForEvent(r)) {
    if (r.kind == InputKind::BufferSize) {
      screen.consoleResized();
      drawBox();
    }
    if (r.kind == InputKind::Key) {
      const KeyEventRecord& key = r.key;
      uint16_t vk = key.virtualKeyCode;
      FirstRead read = firstRead(key);
      bool down = read.kind == FirstRead::Kind::Key;
      if (down && (vk == vk::kReturn || vk == vk::kEscape)) {
        accepted = vk == vk::kReturn;
        break;
      }
      if (read.kind == FirstRead::Kind::AltCode) engine.send(field, fn::kTypeChar, read.value);
      if (read.kind == FirstRead::Kind::Character && read.value) typeDirect(*field, key);
      if (down && !isBareWindowsKey(key, true)) {
        int keyClass = keyClassOf(key, ClassRules::LineReader);
        if (!altKeypad_.keyDown(keyClass, vk)) {
          const int* codes = editor_.dispatcher ? editor_.dispatcher->definition(
                                                      keyClass, keycode::fromVirtualKey(vk))
                                                : nullptr;
          if (codes)
            runFieldDefinition(*field, codes);
          else
            sendUndefinedKey(*field, key);
        }
      }
    }
    paintField();
  }
  if (accepted) text = fieldText(*field);
  engine.send(field, msg::kDestroy);
  screen.redraw(true);
  return accepted;
}

}  // namespace tarn
