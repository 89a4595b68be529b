// Test program for the terminal tests: takes the terminal over, draws a
// known picture, and writes every input record it reads to a log file, one
// line each. F10 ends it; so do end of input and the signals that ask to quit.
// F9 overflows the stack.
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>

#include "platform/event_loop.h"
#include "platform/record_text.h"
#include "platform/terminal_console.h"
#include "platform/vk.h"

namespace {

void draw(tarn::Console& console) {
  console.clear(0x07);
  console.write(0, 0, "Tarn probe", 0x1F);
  for (int colour = 0; colour < 16; ++colour)
    console.write(colour, 1, std::string(1, "0123456789ABCDEF"[colour]), static_cast<tarn::Attribute>(colour));
  console.writeFrame(0, 2, "\xC9\xCD\xCD\xBB", 0x4E);
  console.write(0, 3, "caf\x82", 0x07);
  console.setTitle("Tarn probe");
  console.setCursorPosition(2, 5);
  console.setCursorSize(90);
  console.flush();
}

// Each call keeps a block of its own on the stack until the stack runs out.
int overflowStack(int depth) {
  volatile char block[4096];
  block[0] = static_cast<char>(depth);
  if (depth < 0) return 0;
  return overflowStack(depth + 1) + block[0];
}

bool isKeyDown(const tarn::InputRecord& record, uint16_t vk) {
  return record.kind == tarn::InputKind::Key && record.key.keyDown && record.key.virtualKeyCode == vk;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: console_probe LOGFILE\n";
    return 2;
  }
  std::ofstream log(argv[1]);
  if (!log) {
    std::cerr << "console_probe: cannot write " << argv[1] << "\n";
    return 2;
  }
  log << "pid " << getpid() << std::endl;
  tarn::EventLoop loop;
  std::optional<tarn::TerminalConsole> console;
  try {
    console.emplace(loop);
  } catch (const std::exception& e) {
    std::cerr << "console_probe: " << e.what() << "\n";
    return 1;
  }
  draw(*console);
  log << "ready kitty=" << console->kittyFlags() << std::endl;
  while (console->waitInput(loop)) {
    tarn::InputRecord record;
    while (console->readInput(record)) {
      log << tarn::testing::recordText(record) << std::endl;
      if (isKeyDown(record, tarn::vk::kF1 + 8)) return overflowStack(0);
      if (isKeyDown(record, tarn::vk::kF1 + 9)) {
        log << "quit" << std::endl;
        return 0;
      }
    }
  }
  log << "end" << std::endl;
  return 0;
}
