// macro define, macro play and macro pause: learning the editing functions
// run on a view and playing them back.
#include "core/editor.h"
#include "core/escape_watch.h"
#include "core/function_codes.h"
#include "edit/handlers.h"

namespace tarn::handler {

namespace {

constexpr std::string_view kCannotPause = "Can't pause if not capturing";
constexpr std::string_view kCannotReplay = "Can't replay keystrokes while recording";
// Long playbacks look for Esc this often.
constexpr size_t kEscapeCheckEvery = 4096;

// Calls that start recordings or playbacks are not played back (a macro
// file may name them).
bool skippedInPlayback(int code) { return code == fn::kMacroDefine || code == fn::kMacroPlay; }

// Plays the recording from call `next` on, `playbacks` times in all; stops
// at a pause record, which leaves the view playing back with the playback
// paused, until macro pause goes on with the rest.
int play(EngineCall& call, size_t next, int playbacks) {
  Editor& editor = *call.editor;
  KeystrokeRecorder& recorder = editor.recorder;
  Document& doc = call.doc;
  recorder.setPausedPlayback(std::nullopt);
  doc.flags |= docflag::kPlayingBack;
  size_t played = 0;
  for (int playback = 0; playback < playbacks; ++playback, next = 0) {
    for (; next < recorder.calls().size(); ++next) {
      RecordedCall recorded = recorder.calls()[next];
      if (skippedInPlayback(recorded.code)) continue;
      if (recorded.code == fn::kMacroPause) {
        recorder.setPausedPlayback(KeystrokeRecorder::PausedPlayback{doc.id, next + 1, playbacks - playback - 1});
        return 1;
      }
      if (++played % kEscapeCheckEvery == 0 && escapePending(editor)) {
        doc.flags &= ~docflag::kPlayingBack;
        return 0;
      }
      call.engine.setRepeatCount(recorded.repeat);
      call.engine.send(&doc, recorded.code, recorded.arg1, recorded.arg2);
    }
  }
  doc.flags &= ~docflag::kPlayingBack;
  return 1;
}

}  // namespace

// Starts a recording, or ends the one being made (also a paused one).
int macroDefine(EngineCall& call) {
  if (!call.editor) return 0;
  KeystrokeRecorder& recorder = call.editor->recorder;
  if (recorder.capturingView()) {
    recorder.finish();
    return 1;
  }
  call.doc.flags &= ~docflag::kPlayingBack;
  recorder.start(call.doc);
  return 1;
}

int macroPlay(EngineCall& call) {
  if (!call.editor) return 0;
  KeystrokeRecorder& recorder = call.editor->recorder;
  if (Document* capturing = recorder.capturingView(); capturing && (capturing->flags & docflag::kCapturing)) {
    // The engine has just recorded this call: it is no part of the macro.
    if (capturing == &call.doc) recorder.dropLast(fn::kMacroPlay);
    call.editor->screen.message(kCannotReplay);
    return 0;
  }
  if (!recorder.hasRecording()) return 0;
  return play(call, 0, call.repeat);
}

// While capturing, the engine has recorded this call, which marks where a
// playback waits for the user.
int macroPause(EngineCall& call) {
  if (!call.editor) return 0;
  KeystrokeRecorder& recorder = call.editor->recorder;
  Document& doc = call.doc;
  if (doc.flags & docflag::kPlayingBack) {
    const auto& paused = recorder.pausedPlayback();
    if (!paused || paused->document != doc.id) return 1;
    return play(call, paused->next, paused->playbacksLeft + 1);
  }
  if (doc.flags & docflag::kCapturing) {
    doc.flags = (doc.flags & ~docflag::kCapturing) | docflag::kCapturePaused;
    return 1;
  }
  if (doc.flags & docflag::kCapturePaused) {
    doc.flags = (doc.flags & ~docflag::kCapturePaused) | docflag::kCapturing;
    return 1;
  }
  call.editor->screen.message(kCannotPause);
  return 0;
}

}  // namespace tarn::handler
