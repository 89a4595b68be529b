// The clipboard the editor copies to and pastes from. Its ways are tried in
// this order, each falling through to the next when it does not work: the
// X11 clipboard (DISPLAY set), the Wayland clipboard (WAYLAND_DISPLAY set),
// the terminal's own clipboard (copying only). The editor's own store keeps
// every copy as well and answers a paste when no other way can.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clipboard_provider.h"

namespace tarn {

class Console;
class EventLoop;
class X11Clipboard;

class Clipboard {
 public:
  // The ways the environment offers.
  Clipboard(EventLoop& loop, Console& console);
  // Hands the text the editor still owns to a program that keeps it.
  ~Clipboard();
  Clipboard(const Clipboard&) = delete;
  Clipboard& operator=(const Clipboard&) = delete;

  // Replaces the clipboard's content.
  void copy(const ClipboardContent& content);
  // The clipboard's text in a form; empty when it holds none.
  std::string read(ClipFormat format);
  // The same, lent to `use` for the length of the call: the editor's own
  // store lends its copy as it stands, however long it is.
  void lend(ClipFormat format, const std::function<void(std::string_view)>& use);

 private:
  std::vector<std::unique_ptr<ClipboardProvider>> ways_;
  X11Clipboard* x11_ = nullptr;
  // The editor's own copy: it always works, so that copy and paste inside
  // the editor work on a bare console, and it keeps what went out through a
  // way that cannot be read back.
  ClipboardContent kept_;
};

}  // namespace tarn
