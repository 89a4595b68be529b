// The editor's state: every part reaches the others through this record.
#pragma once
#include <memory>

#include "core/autosave.h"
#include "core/dispatcher.h"
#include "core/engine.h"
#include "core/files.h"
#include "core/input.h"
#include "core/keystroke_recorder.h"
#include "core/message_texts.h"
#include "core/paths.h"
#include "core/screen.h"
#include "core/settings.h"
#include "core/slot_table.h"
#include "platform/clipboard.h"

namespace tarn {

class Console;
class EventLoop;

struct Editor {
  Editor(Console& console, EventLoop& loop);
  Editor(const Editor&) = delete;
  Editor& operator=(const Editor&) = delete;

  Console& console;
  EventLoop& loop;
  Paths paths;
  Settings settings;
  MessageTexts messageTexts;
  Engine engine;
  // The keystroke macro: what the capturing view records, for playback.
  KeystrokeRecorder recorder{engine};
  SlotTable slots;
  Screen screen;
  Input input;
  Files files;
  Autosave autosave;
  Clipboard clipboard;
  // The command language, filled in by the command layer.
  Dispatcher* dispatcher = nullptr;
  // True once start-up is over (errors then go to the message line when needed).
  bool startupOver = false;

  // The current slot's data document, or null when no file is open.
  Document* currentDocument();
  // The document keys act on in the current slot: its data document while
  // the cursor is in the file, else its command line.
  Document* currentView();
  WindowRecord* currentWindow();
};

}  // namespace tarn
