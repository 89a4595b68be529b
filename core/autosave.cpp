#include "core/autosave.h"

#include <chrono>

#include "core/editor.h"
#include "platform/event_loop.h"

namespace tarn {

Autosave::~Autosave() { stop(); }

void Autosave::setInterval(int seconds) {
  if (seconds > 0) {
    interval_ = seconds;
    if (!timer_) start();
  } else {
    interval_ = 0;
    stop();
  }
}

void Autosave::start() {
  firstTick_ = -1;
  timer_ = editor_.loop.addTimer(std::chrono::seconds(1), [this] { tick(); });
}

void Autosave::stop() {
  if (timer_) editor_.loop.removeTimer(timer_);
  timer_ = 0;
}

void Autosave::tick() {
  auto now = std::chrono::duration_cast<std::chrono::seconds>(editor_.loop.now().time_since_epoch()).count();
  if (firstTick_ < 0) firstTick_ = now;
  if (now - firstTick_ < interval_) return;
  stop();
  saveModifiedFiles();
  if (interval_ > 0) start();
}

void Autosave::saveModifiedFiles() {
  SlotTable& slots = editor_.slots;
  int previous = slots.current();
  bool anySaved = false;
  for (int s : slots.used()) {
    const WindowRecord& data = slots.data(s);
    if (!data.document || data.document->isReadOnly() || (data.flags & winflag::kReadOnly)) continue;
    if (!data.document->isModified() || (data.flags & winflag::kSecondView)) continue;
    slots.setCurrent(s);
    if (editor_.files.save(std::nullopt, Compress::FromSetting, false) == 1) anySaved = true;
  }
  slots.setCurrent(previous);
  if (anySaved) editor_.screen.redraw(false);
}

}  // namespace tarn
