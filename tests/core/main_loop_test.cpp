#include "core/main_loop.h"

#include <gtest/gtest.h>

#include "core/slot_ops.h"
#include "file_fixture.h"

namespace tarn {
namespace {

// Answers each step with the next start mode of a script, or throws.
class ScriptedDispatcher : public Dispatcher {
 public:
  explicit ScriptedDispatcher(std::vector<int> modes) : modes_(std::move(modes)) {}
  int step() override {
    if (next_ == modes_.size()) throw std::runtime_error("broken");
    ++steps;
    return modes_[next_++];
  }
  int runString(std::string_view, bool) override { return 0; }
  const int* definition(int, int) const override { return nullptr; }
  int steps = 0;

 private:
  std::vector<int> modes_;
  size_t next_ = 0;
};

class MainLoop : public testing::EditorTest {};

TEST_F(MainLoop, StartModesMoveTheCursorAndOneEndsTheLoop) {
  int slot = openSlot(editor, SlotOpening{});
  ScriptedDispatcher dispatcher({kToFile, kCarryOn, kToCommandLine, 7, kEndEditor, kCarryOn});
  editor.dispatcher = &dispatcher;
  runMainLoop(editor, kToCommandLine);
  EXPECT_EQ(dispatcher.steps, 5);
  EXPECT_FALSE(editor.slots.cursorInFile(slot));
  editor.dispatcher = nullptr;
}

TEST_F(MainLoop, TheLoopEndsWhenTheLastFileIsClosed) {
  int slot = openSlot(editor, SlotOpening{});
  ScriptedDispatcher dispatcher({kCarryOn, kCarryOn});
  editor.dispatcher = &dispatcher;
  closeSlot(editor, slot, true);
  runMainLoop(editor, kToFile);
  EXPECT_EQ(dispatcher.steps, 0);
  editor.dispatcher = nullptr;
}

TEST_F(MainLoop, AnEscapingExceptionIsReportedWithTheProgramPrefix) {
  openSlot(editor, SlotOpening{});
  ScriptedDispatcher dispatcher({kCarryOn});
  editor.dispatcher = &dispatcher;
  runMainLoop(editor, kToFile);
  EXPECT_EQ(editor.screen.lastMessage(), "TARN Generic Exception!");
  editor.dispatcher = nullptr;
}

}  // namespace
}  // namespace tarn
