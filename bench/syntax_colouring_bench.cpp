// Syntax colouring in the editor as it is assembled, on a memory console: a
// full repaint of a 200 by 60 screen of C; paging through a million lines
// of C from top to bottom; jumping to the end of a file whose first line
// opens a remark; and typing on the first line of that file, a character
// that opens a remark or one that changes nothing, then showing its end.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "c_sample.h"
#include "command/command_language.h"
#include "core/function_codes.h"
#include "integration/editor_app.h"
#include "platform/event_loop.h"
#include "platform/memory_console.h"

namespace tarn {
namespace {

namespace fs = std::filesystem;

constexpr int kLongFileLines = 1'000'000;

// A directory with the shipped C keyword file and a profile that colours .c files.
class Workspace {
 public:
  Workspace() : dir_(fs::temp_directory_path() / ("tarn-colouring-bench-" + std::to_string(getpid()))) {
    fs::create_directories(dir_ / "profile");
    fs::copy_file(TARN_DATA_SOURCE_DIR "/TARN.Kwd", dir_ / "profile/TARN.Kwd", fs::copy_options::overwrite_existing);
    std::ofstream(dir_ / "profile/TARN.Pro") << "s syntaxcoloringext0 .c\ns oncommand off\ns linetrim off\ns insert on\n";
  }
  ~Workspace() { fs::remove_all(dir_); }

  std::string file(const std::string& name, const std::string& text) const {
    const std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  std::string profile() const { return (dir_ / "profile").string() + "/"; }

 private:
  fs::path dir_;
};

const Workspace& workspace() {
  static const Workspace kWorkspace;
  return kWorkspace;
}

// The editor with one file, its keyword set chosen, painting into a
// console 200 columns wide with 60 rows of text.
class Editing {
 public:
  explicit Editing(const std::string& path)
      : session_(std::make_unique<EditorSession>(console_, loop_,
                                                 std::vector<std::string>{"/p" + workspace().profile(), path})) {
    session_->language().runString("", false);
    editor().screen.redraw(true);
  }
  Editor& editor() { return session_->editor(); }
  Document& doc() { return *editor().currentDocument(); }
  int send(int code, intptr_t arg = 0) { return editor().engine.send(&doc(), code, arg); }

 private:
  MemoryConsole console_{{200, 62}};  // the status line and the command line below the text
  EventLoop loop_;
  std::unique_ptr<EditorSession> session_;
};

const std::string& screenFile() {
  static const std::string path = [] {
    std::string text;
    for (const std::string& line : bench::screenLines(600, 200)) (text += line) += '\n';
    return workspace().file("screen.c", text);
  }();
  return path;
}

const std::string& longFile() {
  static const std::string path = workspace().file("long.c", bench::cText(kLongFileLines));
  return path;
}

// The first line opens a remark that nothing closes.
const std::string& remarkFile() {
  static const std::string path =
      workspace().file("remark.c", "/* the whole file is a remark\n" + bench::cText(kLongFileLines, false));
  return path;
}

// The character typed at column 4 of the first line opens a remark that nothing closes.
const std::string& openableFile() {
  static const std::string path =
      workspace().file("openable.c", "x / the next character opens a remark\n" + bench::cText(kLongFileLines, false));
  return path;
}

void FullRepaintOfAScreenOfC(benchmark::State& state) {
  Editing editing(screenFile());
  editing.send(fn::kDown);
  for (auto _ : state) editing.editor().screen.redraw(true);
}
BENCHMARK(FullRepaintOfAScreenOfC)->Unit(benchmark::kMicrosecond);

void PageThroughAMillionLinesOfC(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    Editing editing(longFile());
    state.ResumeTiming();
    int pages = 0;
    while (editing.send(fn::kPageDown)) ++pages;
    benchmark::DoNotOptimize(pages);
  }
}
BENCHMARK(PageThroughAMillionLinesOfC)->Unit(benchmark::kMillisecond)->Iterations(3);

void JumpToTheEndOfAFileThatOpensARemark(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    Editing editing(remarkFile());
    state.ResumeTiming();
    editing.send(fn::kBottom);
  }
}
BENCHMARK(JumpToTheEndOfAFileThatOpensARemark)->Unit(benchmark::kMillisecond)->Iterations(5);

// Argument 1: the character opens a remark; 0: it changes no remark state.
// Each is typed on the first line (and the screen there repainted), then the
// end of the file is shown, then the character is taken back.
void TypeOnTheFirstLine(benchmark::State& state, bool thenEnd) {
  Editing editing(openableFile());
  editing.send(fn::kBottom);
  const char typed = state.range(0) ? '*' : 'y';
  for (auto _ : state) {
    editing.send(fn::kTop);
    editing.send(fn::kColumn, 3);
    editing.send(fn::kTypeChar, static_cast<unsigned char>(typed));
    if (thenEnd) editing.send(fn::kBottom);
    state.PauseTiming();
    editing.send(fn::kTop);
    editing.send(fn::kColumn, 3);
    editing.send(fn::kDeleteChar);
    state.ResumeTiming();
  }
}
void TypeOnTheFirstLineAndRepaint(benchmark::State& state) { TypeOnTheFirstLine(state, false); }
void TypeOnTheFirstLineThenShowTheEnd(benchmark::State& state) { TypeOnTheFirstLine(state, true); }
BENCHMARK(TypeOnTheFirstLineAndRepaint)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(TypeOnTheFirstLineThenShowTheEnd)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn

BENCHMARK_MAIN();
