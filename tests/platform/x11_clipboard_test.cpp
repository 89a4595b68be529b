// The X11 clipboard against a real X server (Xvfb), with xclip on the other
// side: what one copy offers, large texts both ways, pastes that get no
// answer, and the text that outlives the editor.
#include "platform/x11_clipboard.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <sstream>

#include "fixtures/x_display.h"

namespace tarn {
namespace {

using namespace std::chrono_literals;
using fixtures::xclipIn;
using fixtures::xclipOut;

// A text of about size bytes, of lines that differ, with a few non-ASCII characters.
std::string largeText(size_t size) {
  std::string text;
  for (int i = 0; text.size() < size; ++i) text += "line " + std::to_string(i) + " caf\u00e9 \u2554\u2550\n";
  return text;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

bool holds(const std::vector<std::string>& list, const std::string& item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

// Another program that owns the clipboard: a child process, ready once the
// parent may ask it. It answers from a clipboard of its own, or not at all.
class OtherOwner {
 public:
  OtherOwner(const std::string& display, const std::string& text, bool answers) {
    int ready[2];
    if (pipe(ready) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      close(ready[0]);
      EventLoop loop;
      X11Clipboard own(loop, display);
      if (!own.publish({text, "", ""})) _exit(1);
      if (write(ready[1], "r", 1) != 1) _exit(1);
      for (;;) {
        if (answers)
          loop.runOnce(std::chrono::milliseconds(100));
        else
          pause();
      }
    }
    close(ready[1]);
    char c = 0;
    ready_ = read(ready[0], &c, 1) == 1;
    close(ready[0]);
  }
  ~OtherOwner() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  bool ready() const { return ready_; }

 private:
  pid_t pid_ = -1;
  bool ready_ = false;
};

class X11ClipboardTest : public fixtures::XDisplayTest {
 protected:
  EventLoop loop;
};

TEST_F(X11ClipboardTest, OneCopyOffersEveryFormItCarries) {
  X11Clipboard clipboard(loop, display().name());
  const std::string text = "caf\u00e9 \u2554 plain\nsecond line";
  ASSERT_TRUE(clipboard.publish({text, "<html><pre>caf\u00e9</pre></html>", ""}));
  EXPECT_EQ(xclipOut(display(), loop), text);
  for (const char* target : {"UTF8_STRING", "text/plain", "text/plain;charset=utf-8"})
    EXPECT_EQ(xclipOut(display(), loop, {"-t", target}), text) << target;
  // STRING is Latin-1: what it lacks becomes a question mark.
  EXPECT_EQ(xclipOut(display(), loop, {"-t", "STRING"}), "caf\xe9 ? plain\nsecond line");
  EXPECT_EQ(xclipOut(display(), loop, {"-t", "text/html"}), "<html><pre>caf\u00e9</pre></html>");
  std::vector<std::string> targets = lines(xclipOut(display(), loop, {"-t", "TARGETS"}));
  for (const char* target : {"TARGETS", "UTF8_STRING", "STRING", "text/plain", "text/html"})
    EXPECT_TRUE(holds(targets, target)) << target;
  EXPECT_FALSE(holds(targets, "text/rtf"));
  EXPECT_EQ(clipboard.read(ClipFormat::Html), "<html><pre>caf\u00e9</pre></html>");

  ASSERT_TRUE(clipboard.publish({"rich", "", "{\\rtf1 rich}"}));
  EXPECT_EQ(xclipOut(display(), loop, {"-t", "text/rtf"}), "{\\rtf1 rich}");
  targets = lines(xclipOut(display(), loop, {"-t", "TARGETS"}));
  EXPECT_TRUE(holds(targets, "text/rtf"));
  EXPECT_FALSE(holds(targets, "text/html"));
  EXPECT_EQ(clipboard.read(ClipFormat::Html), "");
}

TEST_F(X11ClipboardTest, LargeTextGoesOutPieceByPiece) {
  X11Clipboard clipboard(loop, display().name());
  const std::string text = largeText(3 << 20);
  ASSERT_TRUE(clipboard.publish({text, "", ""}));
  std::string got = xclipOut(display(), loop);
  EXPECT_EQ(got.size(), text.size());
  EXPECT_TRUE(got == text);
}

TEST_F(X11ClipboardTest, PasteReadsAnotherProgramsText) {
  X11Clipboard clipboard(loop, display().name());
  ASSERT_TRUE(clipboard.publish({"ours", "<html>ours</html>", ""}));
  EXPECT_TRUE(xclipIn(display(), "from xclip \u00fc\nline two",
                      [&] { return clipboard.read(ClipFormat::Text).value_or(""); }));
}

TEST_F(X11ClipboardTest, LargePasteArrivesPieceByPiece) {
  X11Clipboard clipboard(loop, display().name());
  ASSERT_TRUE(clipboard.publish({"ours", "<html>ours</html>", ""}));
  const std::string text = largeText(3 << 20);
  OtherOwner other(display().name(), text, true);
  ASSERT_TRUE(other.ready());
  std::optional<std::string> got = clipboard.read(ClipFormat::Text);
  ASSERT_TRUE(got);
  EXPECT_EQ(got->size(), text.size());
  EXPECT_TRUE(*got == text);
  // The other program offers no HTML: none, not the editor's old one.
  EXPECT_EQ(clipboard.read(ClipFormat::Html), "");
}

TEST_F(X11ClipboardTest, OwnerThatDoesNotAnswerHoldsThePasteBriefly) {
  OtherOwner silent(display().name(), "never sent", false);
  ASSERT_TRUE(silent.ready());
  X11Clipboard clipboard(loop, display().name());
  clipboard.setAnswerTimeout(200ms);
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(clipboard.read(ClipFormat::Text), std::nullopt);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
}

TEST_F(X11ClipboardTest, TextOutlivesTheEditorThroughXclip) {
  {
    EventLoop own;
    X11Clipboard clipboard(own, display().name());
    ASSERT_TRUE(clipboard.publish({"kept after the end", "", ""}));
    clipboard.handOver();
  }
  EXPECT_EQ(xclipOut(display(), loop), "kept after the end");
}

}  // namespace
}  // namespace tarn
