#include "core/keystroke_recorder.h"

#include <new>

namespace tarn {

namespace {
constexpr uint32_t kCaptureFlags = docflag::kCapturing | docflag::kCapturePaused;
}  // namespace

void KeystrokeRecorder::record(Document&, int code, intptr_t arg1, intptr_t arg2) {
  if (!exists_) return;
  try {
    calls_.push_back({code, arg1, arg2, engine_.repeatCount()});
  } catch (const std::bad_alloc&) {
    calls_ = {};
    exists_ = false;
    clearCaptureFlags();
  }
}

Document* KeystrokeRecorder::capturingView() const {
  for (const auto& doc : engine_.documents())
    if (doc->flags & kCaptureFlags) return doc.get();
  return nullptr;
}

void KeystrokeRecorder::start(Document& doc) {
  clearCaptureFlags();
  calls_.clear();
  calls_.reserve(kFirstRoom);
  exists_ = true;
  paused_.reset();
  doc.flags |= docflag::kCapturing;
}

void KeystrokeRecorder::finish() { clearCaptureFlags(); }

void KeystrokeRecorder::dropLast(int code) {
  if (!calls_.empty() && calls_.back().code == code) calls_.pop_back();
}

void KeystrokeRecorder::replace(std::vector<RecordedCall> calls) {
  clearCaptureFlags();
  calls_ = std::move(calls);
  exists_ = true;
  paused_.reset();
}

void KeystrokeRecorder::clearCaptureFlags() {
  for (const auto& doc : engine_.documents()) doc->flags &= ~kCaptureFlags;
}

}  // namespace tarn
