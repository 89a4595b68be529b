// Keystroke capture: the recording of the editing functions carried out on
// the view that learns a macro (the engine hands them over as they run),
// and where a playback that stopped at a pause stands. One recording serves
// every view, so that a macro learnt in one file plays in another; whether
// a view captures, pauses or plays back is kept in the view's flags.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/engine.h"

namespace tarn {

// One call as the engine carried it out. arg2 is whatever the engine was
// given; the functions that are given text by pointer are building blocks,
// which are never recorded.
struct RecordedCall {
  int code = 0;
  intptr_t arg1 = 0;
  intptr_t arg2 = 0;
  int repeat = 1;
};

class KeystrokeRecorder : public CaptureSink {
 public:
  // Room for this many calls is made when recording first starts.
  static constexpr size_t kFirstRoom = 1023;

  explicit KeystrokeRecorder(Engine& engine) : engine_(engine) {}

  // CaptureSink: appends the call with the repeat count it runs with. When
  // the recording cannot grow it is lost and capturing stops.
  void record(Document& doc, int code, intptr_t arg1, intptr_t arg2) override;

  // A recording exists (it may be empty) once one was started or loaded.
  bool hasRecording() const { return exists_; }
  std::span<const RecordedCall> calls() const { return calls_; }

  // The view that captures or has paused capturing; null when none does.
  Document* capturingView() const;
  // Starts an empty recording that doc captures; a playback that waits at
  // a pause is forgotten.
  void start(Document& doc);
  // Ends capturing and pausing: the recording is complete.
  void finish();
  // Removes the last call recorded when it has this code.
  void dropLast(int code);
  // Replaces the recording (a macro file was loaded); capturing ends.
  void replace(std::vector<RecordedCall> calls);

  // A playback that stopped at a pause record: the view, the call after the
  // pause and the playbacks still to come after this one.
  struct PausedPlayback {
    int document = 0;
    size_t next = 0;
    int playbacksLeft = 0;
  };
  const std::optional<PausedPlayback>& pausedPlayback() const { return paused_; }
  void setPausedPlayback(std::optional<PausedPlayback> paused) { paused_ = paused; }

 private:
  void clearCaptureFlags();

  Engine& engine_;
  std::vector<RecordedCall> calls_;
  bool exists_ = false;
  std::optional<PausedPlayback> paused_;
};

}  // namespace tarn
