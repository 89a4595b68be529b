// The X11 clipboard, owned by the editor itself: a copy makes the editor the
// owner of the CLIPBOARD selection, and other programs' requests for it are
// answered from the event loop, in every form the copy offers (TARGETS,
// UTF8_STRING, STRING, text/plain, and text/html or text/rtf when the copy
// carries one), large texts piece by piece (INCR). A paste asks the owner
// and waits for its answer only a short time. At the end, a text the editor
// still owns is handed to xclip, so that it outlives the editor.
#pragma once
#include <xcb/xcb.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/clipboard_provider.h"
#include "platform/event_loop.h"

namespace tarn {

class X11Clipboard : public ClipboardProvider {
 public:
  // Connects to the display at first use.
  X11Clipboard(EventLoop& loop, std::string display);
  ~X11Clipboard() override;
  X11Clipboard(const X11Clipboard&) = delete;
  X11Clipboard& operator=(const X11Clipboard&) = delete;

  bool publish(const ClipboardContent& content) override;
  std::optional<std::string> read(ClipFormat format) override;

  // The editor ends: a text it still owns goes to xclip, when installed.
  void handOver();

  // How long a paste waits for the owner's answer and for each further piece.
  void setAnswerTimeout(std::chrono::milliseconds timeout) { answerTimeout_ = timeout; }

 private:
  struct Atoms {
    xcb_atom_t clipboard, targets, utf8String, textPlain, textPlainUtf8, textHtml, textRtf, incr, property;
  };
  // A text going out piece by piece to one requestor.
  struct Transfer {
    xcb_window_t requestor;
    xcb_atom_t property;
    xcb_atom_t type;
    std::shared_ptr<const std::string> data;
    size_t sent = 0;
  };
  enum class Fetch { Data, Refused, Failed };

  bool connect();
  void disconnect();
  bool broken();
  bool owns();
  void serve();
  void handle(xcb_generic_event_t* event);
  void answer(const xcb_selection_request_event_t& request);
  std::shared_ptr<const std::string> offered(xcb_atom_t target) const;
  std::vector<xcb_atom_t> offeredTargets() const;
  void send(xcb_window_t requestor, xcb_atom_t property, xcb_atom_t type, std::shared_ptr<const std::string> data);
  void continueTransfer(const xcb_property_notify_event_t& event);
  Fetch fetch(xcb_atom_t target, std::string& out);
  bool fetchIncrementally(std::string& out);
  // Waits for an event that match takes (it is returned, to be freed), and
  // serves the others meanwhile; null on timeout or a lost connection.
  xcb_generic_event_t* waitFor(const std::function<bool(const xcb_generic_event_t&)>& match);

  EventLoop& loop_;
  std::string display_;
  xcb_connection_t* connection_ = nullptr;
  xcb_window_t window_ = 0;
  Atoms atoms_{};
  size_t chunk_ = 0;  // the largest piece of text one request carries
  bool owner_ = false;
  std::shared_ptr<const std::string> text_, html_, rtf_;
  std::vector<Transfer> transfers_;
  std::chrono::milliseconds answerTimeout_{1000};
};

}  // namespace tarn
