// Pasting a megabyte into the editor on a pseudo-terminal, from the first
// byte the terminal writes to the file saved with every character typed;
// and the terminal-input decoder alone on the same bytes. Target: under a
// second for the megabyte.
#include <benchmark/benchmark.h>
#include <poll.h>
#include <pty.h>
#include <stdlib.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "integration/editor_app.h"
#include "platform/event_loop.h"
#include "platform/terminal_console.h"
#include "platform/terminal_decoder.h"

namespace tarn {
namespace {

namespace fs = std::filesystem;

constexpr size_t kPasteBytes = 1 << 20;

// Lines of ordinary text; a terminal sends their line ends as CR.
const std::string& pastedText() {
  static const std::string text = [] {
    std::string t;
    for (int i = 0; t.size() < kPasteBytes; ++i)
      t += "pasted line " + std::to_string(i) + " of ordinary program text, sixty-odd bytes\r";
    t.resize(kPasteBytes);
    return t;
  }();
  return text;
}

void DecodePaste(benchmark::State& state) {
  std::string bytes = "\x1b[200~" + pastedText() + "\x1b[201~";
  for (auto _ : state) {
    TerminalDecoder decoder;
    InputRecord record;
    size_t records = 0;
    for (size_t at = 0; at < bytes.size(); at += 4096) {
      decoder.feed(std::string_view(bytes).substr(at, 4096));
      while (decoder.nextRecord(record)) ++records;
    }
    benchmark::DoNotOptimize(records);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(DecodePaste)->Unit(benchmark::kMillisecond);

// The terminal's side of a pseudo-terminal: writes what it is given and
// reads (and drops) what the editor draws.
class PasteTerminal {
 public:
  PasteTerminal() {
    winsize size{25, 80, 0, 0};
    if (openpty(&master_, &slave_, nullptr, nullptr, &size) != 0) std::abort();
    drain_ = std::thread([this] {
      char buf[65536];
      while (!stop_) {
        pollfd p{master_, POLLIN, 0};
        if (poll(&p, 1, 10) > 0 && read(master_, buf, sizeof buf) <= 0) break;
      }
    });
  }
  ~PasteTerminal() {
    if (writer_.joinable()) writer_.join();
    stop_ = true;
    drain_.join();
    close(slave_);
    close(master_);
  }
  int slave() const { return slave_; }
  void type(std::string bytes) {
    writer_ = std::thread([this, bytes = std::move(bytes)] {
      for (size_t done = 0; done < bytes.size();) {
        ssize_t n = write(master_, bytes.data() + done, bytes.size() - done);
        if (n <= 0) return;
        done += static_cast<size_t>(n);
      }
    });
  }

 private:
  int master_ = -1;
  int slave_ = -1;
  std::atomic<bool> stop_{false};
  std::thread drain_;
  std::thread writer_;
};

// The file's text with its line ends as the terminal sent them.
std::string savedText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string saved((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string text;
  for (size_t i = 0; i < saved.size(); ++i)
    if (saved[i] != '\n') text += saved[i];
  if (text.ends_with('\r')) text.pop_back();  // the last line's own end
  return text;
}

void PasteIntoTheEditor(benchmark::State& state) {
  std::string dir = (fs::temp_directory_path() / "tarn-paste-XXXXXX").string();
  if (!mkdtemp(dir.data())) std::abort();
  fs::create_directory(dir + "/profile");
  std::ofstream(dir + "/profile/TARN.Pro") << "d f12=[file]\n";
  const std::string file = dir + "/pasted.txt";
  for (auto _ : state) {
    state.PauseTiming();
    std::ofstream(file, std::ios::trunc).close();
    PasteTerminal terminal;
    EventLoop loop;
    TerminalConsole::Options options;
    options.input = options.output = terminal.slave();
    TerminalConsole console(loop, options);
    EditorSession session(console, loop, {"/p" + dir + "/profile/", "'s oncommand off'", file, "[to]"});
    // F12 comes behind the paste: it saves the file and ends the editor.
    terminal.type("\x1b[200~" + pastedText() + "\x1b[201~\x1b[24~");
    state.ResumeTiming();
    session.run();
    state.PauseTiming();
    session.shutdown();
    if (savedText(file) != pastedText()) {
      state.SkipWithError("the paste did not reach the file whole");
      break;
    }
    state.ResumeTiming();
  }
  fs::remove_all(dir);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kPasteBytes));
}
BENCHMARK(PasteIntoTheEditor)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace tarn

BENCHMARK_MAIN();
