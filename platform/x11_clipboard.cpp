#include "platform/x11_clipboard.h"

#include <poll.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "platform/code_page.h"
#include "platform/piped_program.h"
#include "platform/process.h"
#include "platform/sigpipe_block.h"

namespace tarn {

namespace {

using Clock = std::chrono::steady_clock;

// Texts above this size go out piece by piece.
constexpr size_t kLargestPiece = size_t{256} << 10;

struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeReply>;

uint8_t kindOf(const xcb_generic_event_t& event) { return event.response_type & 0x7f; }

const CodePage& latin1() { return *CodePage::find(28591); }

xcb_atom_t intern(xcb_connection_t* c, xcb_intern_atom_cookie_t cookie) {
  Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(c, cookie, nullptr));
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

}  // namespace

X11Clipboard::X11Clipboard(EventLoop& loop, std::string display) : loop_(loop), display_(std::move(display)) {}

X11Clipboard::~X11Clipboard() { disconnect(); }

bool X11Clipboard::connect() {
  if (connection_) return true;
  int screenNumber = 0;
  connection_ = xcb_connect(display_.c_str(), &screenNumber);
  if (xcb_connection_has_error(connection_)) {
    xcb_disconnect(connection_);
    connection_ = nullptr;
    return false;
  }
  xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
  for (int i = 0; i < screenNumber && screens.rem > 1; ++i) xcb_screen_next(&screens);
  const xcb_screen_t* screen = screens.data;

  window_ = xcb_generate_id(connection_);
  const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
  xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window_, screen->root, 0, 0, 1, 1, 0,
                    XCB_WINDOW_CLASS_INPUT_ONLY, screen->root_visual, XCB_CW_EVENT_MASK, &events);

  const char* names[] = {"CLIPBOARD", "TARGETS", "UTF8_STRING", "text/plain", "text/plain;charset=utf-8",
                         "text/html", "text/rtf", "INCR", "TARN_SELECTION"};
  xcb_intern_atom_cookie_t cookies[std::size(names)];
  for (size_t i = 0; i < std::size(names); ++i)
    cookies[i] = xcb_intern_atom(connection_, 0, static_cast<uint16_t>(std::strlen(names[i])), names[i]);
  xcb_atom_t* slots[] = {&atoms_.clipboard, &atoms_.targets, &atoms_.utf8String, &atoms_.textPlain,
                         &atoms_.textPlainUtf8, &atoms_.textHtml, &atoms_.textRtf, &atoms_.incr, &atoms_.property};
  for (size_t i = 0; i < std::size(names); ++i) *slots[i] = intern(connection_, cookies[i]);

  // A request carries at most this much, header included.
  size_t largestRequest = size_t{xcb_get_maximum_request_length(connection_)} * 4;
  chunk_ = std::min(kLargestPiece, largestRequest - 64);
  if (xcb_connection_has_error(connection_)) {
    disconnect();
    return false;
  }
  // Requests of other programs are answered whenever the editor waits, like
  // the terminal: they change nothing in the editor.
  loop_.watch(xcb_get_file_descriptor(connection_), [this] {
    SigpipeBlock noSigpipe;
    serve();
  }, EventLoop::kTerminal);
  return true;
}

void X11Clipboard::disconnect() {
  if (!connection_) return;
  loop_.unwatch(xcb_get_file_descriptor(connection_));
  xcb_disconnect(connection_);
  connection_ = nullptr;
  owner_ = false;
  transfers_.clear();
}

// A lost connection is let go; the next use connects again.
bool X11Clipboard::broken() {
  if (connection_ && xcb_connection_has_error(connection_)) disconnect();
  return !connection_;
}

bool X11Clipboard::owns() {
  if (!connection_) return false;
  Reply<xcb_get_selection_owner_reply_t> reply(
      xcb_get_selection_owner_reply(connection_, xcb_get_selection_owner(connection_, atoms_.clipboard), nullptr));
  return reply && reply->owner == window_;
}

bool X11Clipboard::publish(const ClipboardContent& content) {
  SigpipeBlock noSigpipe;
  if (!connect()) return false;
  auto share = [](const std::string& s) { return s.empty() ? nullptr : std::make_shared<const std::string>(s); };
  text_ = std::make_shared<const std::string>(content.text);
  html_ = share(content.html);
  rtf_ = share(content.rtf);
  xcb_set_selection_owner(connection_, window_, atoms_.clipboard, XCB_CURRENT_TIME);
  owner_ = owns();
  serve();
  return owner_;
}

std::optional<std::string> X11Clipboard::read(ClipFormat format) {
  SigpipeBlock noSigpipe;
  if (!connect()) return std::nullopt;
  Reply<xcb_get_selection_owner_reply_t> owner(
      xcb_get_selection_owner_reply(connection_, xcb_get_selection_owner(connection_, atoms_.clipboard), nullptr));
  serve();
  if (!owner || !connection_) return std::nullopt;
  owner_ = owner->owner == window_;
  if (owner_) {
    const auto& own = format == ClipFormat::Html ? html_ : format == ClipFormat::Rtf ? rtf_ : text_;
    return own ? *own : std::string();
  }
  if (owner->owner == XCB_NONE) return std::string();

  std::vector<xcb_atom_t> targets;
  switch (format) {
    case ClipFormat::Text: targets = {atoms_.utf8String, atoms_.textPlainUtf8, XCB_ATOM_STRING}; break;
    case ClipFormat::Html: targets = {atoms_.textHtml}; break;
    case ClipFormat::Rtf: targets = {atoms_.textRtf}; break;
  }
  std::string data;
  for (xcb_atom_t target : targets) {
    Fetch fetched = fetch(target, data);
    if (fetched == Fetch::Failed) {
      serve();
      return std::nullopt;
    }
    if (fetched == Fetch::Data) {
      serve();
      return target == XCB_ATOM_STRING ? latin1().toUtf8(data) : data;
    }
  }
  serve();
  return std::string();
}

X11Clipboard::Fetch X11Clipboard::fetch(xcb_atom_t target, std::string& out) {
  xcb_delete_property(connection_, window_, atoms_.property);
  xcb_convert_selection(connection_, window_, atoms_.clipboard, target, atoms_.property, XCB_CURRENT_TIME);
  xcb_flush(connection_);
  Reply<xcb_generic_event_t> notified(waitFor([this, target](const xcb_generic_event_t& e) {
    if (kindOf(e) != XCB_SELECTION_NOTIFY) return false;
    const auto& n = reinterpret_cast<const xcb_selection_notify_event_t&>(e);
    return n.requestor == window_ && n.target == target;
  }));
  if (!notified) return Fetch::Failed;
  if (reinterpret_cast<xcb_selection_notify_event_t*>(notified.get())->property == XCB_NONE) return Fetch::Refused;

  // Deleting the property tells an owner sending piece by piece to begin.
  Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
      connection_, xcb_get_property(connection_, 1, window_, atoms_.property, XCB_GET_PROPERTY_TYPE_ANY, 0, UINT32_MAX / 4),
      nullptr));
  if (!reply) return Fetch::Failed;
  xcb_flush(connection_);
  if (reply->type == atoms_.incr) return fetchIncrementally(out) ? Fetch::Data : Fetch::Failed;
  out.assign(static_cast<const char*>(xcb_get_property_value(reply.get())),
             static_cast<size_t>(xcb_get_property_value_length(reply.get())));
  return Fetch::Data;
}

bool X11Clipboard::fetchIncrementally(std::string& out) {
  out.clear();
  for (;;) {
    Reply<xcb_generic_event_t> piece(waitFor([this](const xcb_generic_event_t& e) {
      if (kindOf(e) != XCB_PROPERTY_NOTIFY) return false;
      const auto& p = reinterpret_cast<const xcb_property_notify_event_t&>(e);
      return p.window == window_ && p.atom == atoms_.property && p.state == XCB_PROPERTY_NEW_VALUE;
    }));
    if (!piece) return false;
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection_,
        xcb_get_property(connection_, 1, window_, atoms_.property, XCB_GET_PROPERTY_TYPE_ANY, 0, UINT32_MAX / 4),
        nullptr));
    if (!reply) return false;
    xcb_flush(connection_);
    auto length = static_cast<size_t>(xcb_get_property_value_length(reply.get()));
    if (length == 0) return true;  // an empty piece ends the text
    out.append(static_cast<const char*>(xcb_get_property_value(reply.get())), length);
  }
}

xcb_generic_event_t* X11Clipboard::waitFor(const std::function<bool(const xcb_generic_event_t&)>& match) {
  const Clock::time_point deadline = Clock::now() + answerTimeout_;
  for (;;) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
      if (match(*event)) return event;
      handle(event);
      std::free(event);
    }
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (xcb_connection_has_error(connection_) || left <= 0) return nullptr;
    pollfd p{xcb_get_file_descriptor(connection_), POLLIN, 0};
    poll(&p, 1, static_cast<int>(left));
  }
}

// What has arrived is served; the event loop calls it when the connection
// is readable, and every use calls it, since replies read events as well.
void X11Clipboard::serve() {
  if (broken()) return;
  while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
    handle(event);
    std::free(event);
  }
  xcb_flush(connection_);
  broken();
}

void X11Clipboard::handle(xcb_generic_event_t* event) {
  switch (kindOf(*event)) {
    case XCB_SELECTION_REQUEST:
      answer(*reinterpret_cast<xcb_selection_request_event_t*>(event));
      break;
    case XCB_SELECTION_CLEAR:
      if (reinterpret_cast<xcb_selection_clear_event_t*>(event)->selection == atoms_.clipboard) owner_ = false;
      break;
    case XCB_PROPERTY_NOTIFY:
      continueTransfer(*reinterpret_cast<xcb_property_notify_event_t*>(event));
      break;
    case XCB_DESTROY_NOTIFY: {
      xcb_window_t gone = reinterpret_cast<xcb_destroy_notify_event_t*>(event)->window;
      std::erase_if(transfers_, [gone](const Transfer& t) { return t.requestor == gone; });
      break;
    }
    default:  // errors of requests to windows that went away, answers that came too late
      break;
  }
}

std::shared_ptr<const std::string> X11Clipboard::offered(xcb_atom_t target) const {
  if (target == atoms_.utf8String || target == atoms_.textPlain || target == atoms_.textPlainUtf8) return text_;
  if (target == XCB_ATOM_STRING && text_) return std::make_shared<const std::string>(latin1().fromUtf8(*text_));
  if (target == atoms_.textHtml) return html_;
  if (target == atoms_.textRtf) return rtf_;
  return nullptr;
}

std::vector<xcb_atom_t> X11Clipboard::offeredTargets() const {
  std::vector<xcb_atom_t> targets{atoms_.targets, atoms_.utf8String, XCB_ATOM_STRING, atoms_.textPlain,
                                  atoms_.textPlainUtf8};
  if (html_) targets.push_back(atoms_.textHtml);
  if (rtf_) targets.push_back(atoms_.textRtf);
  return targets;
}

void X11Clipboard::answer(const xcb_selection_request_event_t& request) {
  // Old clients name no property: the target's name is used.
  xcb_atom_t property = request.property == XCB_NONE ? request.target : request.property;
  bool answered = false;
  if (owner_ && request.selection == atoms_.clipboard) {
    if (request.target == atoms_.targets) {
      std::vector<xcb_atom_t> targets = offeredTargets();
      xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, request.requestor, property, XCB_ATOM_ATOM, 32,
                          static_cast<uint32_t>(targets.size()), targets.data());
      answered = true;
    } else if (auto data = offered(request.target)) {
      send(request.requestor, property, request.target, std::move(data));
      answered = true;
    }
  }
  // The notice is sent as a whole event of 32 bytes.
  union {
    xcb_selection_notify_event_t notify;
    char bytes[32];
  } event{};
  event.notify.response_type = XCB_SELECTION_NOTIFY;
  event.notify.time = request.time;
  event.notify.requestor = request.requestor;
  event.notify.selection = request.selection;
  event.notify.target = request.target;
  event.notify.property = answered ? property : XCB_NONE;
  xcb_send_event(connection_, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, event.bytes);
}

void X11Clipboard::send(xcb_window_t requestor, xcb_atom_t property, xcb_atom_t type,
                        std::shared_ptr<const std::string> data) {
  if (data->size() <= chunk_) {
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, requestor, property, type, 8,
                        static_cast<uint32_t>(data->size()), data->data());
    return;
  }
  // Piece by piece: the requestor deletes the property for each next piece.
  const uint32_t watch = XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection_, requestor, XCB_CW_EVENT_MASK, &watch);
  auto size = static_cast<uint32_t>(std::min<size_t>(data->size(), UINT32_MAX));
  xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, requestor, property, atoms_.incr, 32, 1, &size);
  std::erase_if(transfers_, [&](const Transfer& t) { return t.requestor == requestor && t.property == property; });
  transfers_.push_back({requestor, property, type, std::move(data)});
}

void X11Clipboard::continueTransfer(const xcb_property_notify_event_t& event) {
  if (event.state != XCB_PROPERTY_DELETE) return;
  auto it = std::find_if(transfers_.begin(), transfers_.end(), [&](const Transfer& t) {
    return t.requestor == event.window && t.property == event.atom;
  });
  if (it == transfers_.end()) return;
  size_t piece = std::min(chunk_, it->data->size() - it->sent);
  // The last piece is an empty one.
  xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, it->requestor, it->property, it->type, 8,
                      static_cast<uint32_t>(piece), it->data->data() + it->sent);
  it->sent += piece;
  if (piece == 0) {
    const uint32_t none = XCB_EVENT_MASK_NO_EVENT;
    xcb_change_window_attributes(connection_, it->requestor, XCB_CW_EVENT_MASK, &none);
    transfers_.erase(it);
  }
}

void X11Clipboard::handOver() {
  SigpipeBlock noSigpipe;
  if (!connection_ || broken()) return;
  serve();
  if (!owner_ || !text_ || text_->empty() || !programOnPath("xclip")) return;
  PipedRun run;
  run.input = *text_;
  auto result = runPiped({"xclip", "-display", display_, "-selection", "clipboard", "-in"}, run);
  if (!result || result->status != 0) return;
  // xclip takes the selection from its own process, which stays behind;
  // the text is safe once it has.
  const Clock::time_point deadline = Clock::now() + answerTimeout_;
  while (owns() && Clock::now() < deadline) {
    serve();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

}  // namespace tarn
