// Vocabulary of the engine entry shared by the store and the editing functions.
#pragma once
#include <cstdint>
#include <string_view>

namespace tarn {

struct Document;
struct Editor;
class Engine;

// Class bits of an editing function.
namespace editclass {
constexpr uint32_t kMovement = 0x1;
constexpr uint32_t kChange = 0x2;
constexpr uint32_t kInternal = 0x4;  // a query or building block: not recorded, no resync
}  // namespace editclass

// One call of an editing function: the document, the two arguments and the
// repeat count (1 unless a count was given).
struct EngineCall {
  Engine& engine;
  Editor* editor;  // null only for an engine used on its own
  Document& doc;
  int code;
  intptr_t arg1;
  intptr_t arg2;
  int repeat;
};

using EditHandler = int (*)(EngineCall&);

struct EditFunction {
  int code;
  uint32_t classBits;
  EditHandler handler;
};

// Reply to the get-status message.
struct StatusRecord {
  int insertMode = 0;
  int cursorColumn = 0;  // plus 1
  int cursorRow = 0;
  int lineNumber = 0;     // the user's number of the current line (0 = top-of-file line)
  int textLines = 0;
  std::string_view fileName;
  int topLineNumber = 0;  // the user's number of the window's top line
  int leftColumn = 0;     // plus 1
  int windowColumns = 0;
  int windowRows = 0;
  const void* captureList = nullptr;
  int captureLength = 0;
  int captureState = 0;  // 1 capturing, 2 paused, 3 playing back
  int changeCount = 0;
  uint32_t flags = 0;
};

// Engine message codes of the store (below the editing range).
namespace msg {
constexpr int kCreate = 1;
constexpr int kDestroy = 2;
constexpr int kSetWindowSize = 5;
constexpr int kTakeFocus = 7;
constexpr int kSuspendUpdates = 11;
constexpr int kRepaint = 15;
constexpr int kShutdown = 18;
constexpr int kRepaintWindow = 20;
constexpr int kKeyDown = 256;
constexpr int kChar = 258;
constexpr int kSysChar = 262;
constexpr int kMouseMove = 512;
constexpr int kLeftDown = 513;
constexpr int kLeftUp = 514;
constexpr int kLeftDoubleClick = 515;
constexpr int kRightDown = 516;
constexpr int kMiddleDown = 519;
constexpr int kCut = 768;
constexpr int kCopy = 769;
constexpr int kPaste = 770;
constexpr int kClear = 771;
constexpr int kUndo = 772;

// Bits of the first parameter of kCreate.
constexpr int kCreateCommandLine = 0x1;
constexpr int kCreateSyntaxColouring = 0x2;
constexpr int kCreateReadOnly = 0x4;
}  // namespace msg

// The pair that kCreate's second parameter points to.
struct CreateRequest {
  const char* name = nullptr;
  Document* result = nullptr;
};

}  // namespace tarn
