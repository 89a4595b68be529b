// Copying on a bare terminal goes to the terminal's own clipboard (OSC 52):
// tmux, told to take it, keeps the text as a paste buffer.
#include <gtest/gtest.h>

#include "tmux_session.h"

namespace tarn {
namespace {

using testing::TmuxSession;

TEST(TerminalClipboardInTmux, CopyLandsInTmuxsBuffer) {
  if (!TmuxSession::available()) GTEST_SKIP() << "tmux is not installed";
  // No desktop: the terminal's clipboard is the way.
  TmuxSession session("env -u DISPLAY -u WAYLAND_DISPLAY '" + std::string(TARN_CLIPBOARD_PROBE) +
                          "' 'copied in tmux: caf\u00e9 \u2554'",
                      80, 24);
  ASSERT_TRUE(session.ready());
  ASSERT_TRUE(TmuxSession::waitUntil([&] { return session.screen().find("ready") != std::string::npos; }))
      << session.screen();
  session.tmux("set -s set-clipboard on");
  session.tmux("send-keys -t t x");
  ASSERT_TRUE(TmuxSession::waitUntil([&] { return session.screen().find("copied") != std::string::npos; }))
      << session.screen();
  EXPECT_TRUE(TmuxSession::waitUntil(
      [&] { return session.tmux("show-buffer") == "copied in tmux: caf\u00e9 \u2554"; }))
      << session.tmux("show-buffer");
  session.tmux("send-keys -t t x");
  EXPECT_TRUE(session.waitForExit());
}

}  // namespace
}  // namespace tarn
