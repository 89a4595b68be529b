// How a queued sequence shows while it runs. Normally it runs as one batch
// of the editing engine: the screen is brought up to date once the queue is
// empty, and the changes undo as one step. `demo fast` lets every function
// show as it runs; `demo slow` adds a pause of 250 ms after each; `demo
// step` shows each function on the message line before it runs and waits
// for a key. Esc during the pauses and the waits empties the queue. A key
// of one function (an arrow, Esc) is no sequence: it runs as usual.
#pragma once
#include <string>

#include "command/definition_writer.h"
#include "command/function_queue.h"

namespace tarn {
struct Editor;
}

namespace tarn::command {

enum class DemoMode { Normal, Fast, Slow, Step };

class DemoPacing {
 public:
  DemoPacing(Editor& editor, const FunctionQueue& queue, const FunctionTable& functions,
             const DefinitionWriter& writer)
      : editor_(editor), queue_(queue), functions_(functions), writer_(writer) {}

  DemoMode mode() const { return mode_; }
  void setMode(DemoMode mode) { mode_ = mode; }
  bool batched() const { return mode_ == DemoMode::Normal; }

  // Whether the queue holds one function and nothing more.
  bool loneFunction() const { return !queue_.empty() && nextFunctionLength() == queue_.size(); }
  // Before the next queued function; false when the user asked to stop.
  bool before();
  // After a function; false when the user asked to stop.
  bool after();

  // The function at the front of the queue as the step mode shows it:
  // 'c' for a character, [name arguments] for a function.
  std::string nextFunctionText() const;

 private:
  // How many codes of the queue the function at its front takes.
  size_t nextFunctionLength() const;

  Editor& editor_;
  const FunctionQueue& queue_;
  const FunctionTable& functions_;
  const DefinitionWriter& writer_;
  DemoMode mode_ = DemoMode::Normal;
};

}  // namespace tarn::command
