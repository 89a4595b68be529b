#include "platform/terminal_parser.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/utf8.h"

namespace tarn {

namespace {

constexpr char kEsc = '\x1b';
constexpr size_t kLongestSequence = 256;  // longer is garbage, not a report
constexpr int kLargestNumber = 99999999;

using keys::KeyName;
namespace mod = keys::mod;

// A control sequence split into its parts.
struct Csi {
  char marker = 0;  // < = > ? before the parameters
  std::vector<std::vector<int>> params;  // fields split at ';', sub-fields at ':'; -1 where empty
  std::string intermediates;
  char final = 0;

  int param(size_t i, int fallback) const { return sub(i, 0, fallback); }
  int sub(size_t i, size_t j, int fallback) const {
    if (i >= params.size() || j >= params[i].size() || params[i][j] < 0) return fallback;
    return params[i][j];
  }
  bool has(size_t i) const { return param(i, -1) >= 0; }
};

bool splitParams(std::string_view text, Csi& csi) {
  csi.params.assign(1, {-1});
  for (char c : text) {
    if (c == ';') {
      csi.params.push_back({-1});
    } else if (c == ':') {
      csi.params.back().push_back(-1);
    } else if (c >= '0' && c <= '9') {
      int& v = csi.params.back().back();
      v = v < 0 ? 0 : v;
      if (v <= kLargestNumber / 10) v = v * 10 + (c - '0');
    } else {
      return false;  // < = > ? inside the parameters: not a form anything sends
    }
  }
  return true;
}

Parsed done(size_t used, Token token) { return Parsed{used, std::move(token)}; }

token::Key keyToken(const KeyName& name) {
  token::Key key;
  key.name = name;
  key.mods = name.impliedMods;
  return key;
}

// Applies the modifier parameter (and kitty's event type after ':') of field i.
void applyModifiers(token::Key& key, const Csi& csi, size_t i) {
  if (csi.has(i)) {
    key.mods |= static_cast<unsigned>(std::max(csi.param(i, 1), 1) - 1);
    key.modsGiven = true;
  }
  switch (csi.sub(i, 1, 1)) {
    case 2: key.event = token::Key::Event::Repeat; break;
    case 3: key.event = token::Key::Event::Release; break;
    default: break;
  }
}

bool isCharacter(int code) { return code > 0 && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF); }

// CSI code[:shifted[:base]] ; m[:event] ; text u  (kitty, and xterm's CSI code;m u)
Token csiUKey(const Csi& csi) {
  int code = csi.sub(0, 0, 0);
  token::Key key;
  if (auto named = keys::kittyFunctionalKey(code)) {
    key = keyToken(*named);
  } else if (code == 0 || (isCharacter(code) && code >= 0x20 && !(code >= 0xE000 && code <= 0xF8FF))) {
    key = keyToken(keys::textKey(static_cast<char32_t>(code)));
    int base = csi.sub(0, 2, 0);
    if (isCharacter(base)) key.name.vk = keys::textKey(static_cast<char32_t>(base)).vk;
  } else {
    return {};  // media keys, private-use codes and the like
  }
  key.kittyCode = true;
  int shifted = csi.sub(0, 1, 0);
  if (isCharacter(shifted)) key.shiftedAlternate = static_cast<char32_t>(shifted);
  applyModifiers(key, csi, 1);
  if (csi.params.size() > 2)
    for (int cp : csi.params[2])
      if (isCharacter(cp)) key.text += static_cast<char32_t>(cp);
  return key;
}

// CSI 27 ; m ; code ~  (xterm modifyOtherKeys)
Token otherKey(const Csi& csi) {
  int code = csi.param(2, 0);
  std::optional<KeyName> name = code == 8 ? keys::kittyFunctionalKey(127) : keys::kittyFunctionalKey(code);
  if (!name && isCharacter(code) && code >= 0x20) name = keys::textKey(static_cast<char32_t>(code));
  if (!name) return {};
  token::Key key = keyToken(*name);
  applyModifiers(key, csi, 1);
  return key;
}

Token tildeSequence(const Csi& csi) {
  int number = csi.param(0, 0);
  if (csi.final == '~' && number == 200) return token::PasteStart{};
  if (csi.final == '~' && number == 201) return token::PasteEnd{};
  if (csi.final == '~' && number == 27 && csi.params.size() >= 3) return otherKey(csi);
  auto name = keys::tildeKey(number);
  if (!name) return {};
  token::Key key = keyToken(*name);
  applyModifiers(key, csi, 1);
  // rxvt marks Shift, Ctrl and both with the final byte.
  if (csi.final == '$') key.mods |= mod::kShift;
  if (csi.final == '^') key.mods |= mod::kCtrl;
  if (csi.final == '@') key.mods |= mod::kShift | mod::kCtrl;
  return key;
}

Token win32Key(const Csi& csi) {
  token::Win32Key key;
  key.vk = static_cast<uint16_t>(std::min(csi.param(0, 0), 0xFFFF));
  key.scanCode = static_cast<uint16_t>(std::min(csi.param(1, 0), 0xFFFF));
  int ch = csi.param(2, 0);
  key.ch = isCharacter(ch) ? static_cast<char32_t>(ch) : 0;
  key.down = csi.param(3, 0) != 0;
  key.state = static_cast<uint32_t>(csi.param(4, 0));
  key.repeat = static_cast<uint16_t>(std::clamp(csi.param(5, 1), 1, 0xFFFF));
  return key;
}

Token reply(TerminalReply::Kind kind, std::vector<int> values) {
  TerminalReply r;
  r.kind = kind;
  r.values = std::move(values);
  return r;
}

std::vector<int> fieldValues(const Csi& csi) {
  std::vector<int> values;
  for (size_t i = 0; i < csi.params.size(); ++i) values.push_back(csi.param(i, 0));
  return values;
}

Token sequenceToken(const Csi& csi) {
  bool plain = csi.marker == 0 && csi.intermediates.empty();
  if (csi.marker == '<' && (csi.final == 'M' || csi.final == 'm') && csi.params.size() >= 3) {
    return token::Mouse{csi.param(0, 0), std::max(csi.param(1, 1) - 1, 0),
                        std::max(csi.param(2, 1) - 1, 0), csi.final == 'm'};
  }
  if (csi.marker == '?') {
    if (csi.final == 'u') return reply(TerminalReply::Kind::KittyFlags, {csi.param(0, 0)});
    if (csi.final == 'c') return reply(TerminalReply::Kind::DeviceAttributes, fieldValues(csi));
  }
  if (!plain) return reply(TerminalReply::Kind::Other, fieldValues(csi));
  bool bare = !csi.has(0) && csi.params.size() == 1;
  switch (csi.final) {
    case 'u': return csiUKey(csi);
    case '~': case '$': case '^': case '@': return tildeSequence(csi);
    case '_': return win32Key(csi);
    case 'I': case 'O':
      if (bare) return token::Focus{csi.final == 'I'};
      return {};
    case 't':
      if (csi.param(0, 0) == 8 || csi.param(0, 0) == 48)
        return reply(TerminalReply::Kind::WindowSize, {csi.param(1, 0), csi.param(2, 0)});
      return reply(TerminalReply::Kind::Other, fieldValues(csi));
    default: break;
  }
  auto name = keys::csiLetterKey(csi.final);
  if (!name) return {};
  token::Key key = keyToken(*name);
  applyModifiers(key, csi, 1);
  return key;
}

Token altKey(char c) {
  token::Key key = keyToken(keys::textKey(static_cast<unsigned char>(c)));
  key.mods |= mod::kAlt;
  return key;
}

// An unfinished sequence when no more bytes come: Esc with one byte is Alt
// with that key; a longer piece is dropped.
Parsed unfinished(std::string_view bytes, bool atEnd) {
  if (!atEnd) return {};
  if (bytes.size() == 2) return done(2, altKey(bytes[1]));
  return done(bytes.size(), {});
}

// X10 mouse: CSI M followed by three raw bytes.
Parsed x10Mouse(std::string_view bytes, size_t at, bool atEnd) {
  if (bytes.size() < at + 3) return unfinished(bytes, atEnd);
  int b = static_cast<unsigned char>(bytes[at]) - 32;
  int x = static_cast<unsigned char>(bytes[at + 1]) - 33;
  int y = static_cast<unsigned char>(bytes[at + 2]) - 33;
  bool release = (b & 3) == 3 && (b & (32 | 64)) == 0;
  return done(at + 3, token::Mouse{b, std::max(x, 0), std::max(y, 0), release});
}

Parsed parseCsi(std::string_view bytes, bool atEnd) {
  size_t i = 2;
  Csi csi;
  if (i < bytes.size() && bytes[i] >= '<' && bytes[i] <= '?') csi.marker = bytes[i++];
  size_t paramsStart = i;
  while (i < bytes.size() && bytes[i] >= 0x30 && bytes[i] <= 0x3F) ++i;
  std::string_view paramText = bytes.substr(paramsStart, i - paramsStart);
  // rxvt ends Shift forms with '$', which is otherwise an intermediate byte.
  while (i < bytes.size() && bytes[i] >= 0x20 && bytes[i] <= 0x2F && !(csi.marker == 0 && bytes[i] == '$'))
    csi.intermediates += bytes[i++];
  if (i >= bytes.size()) {
    if (i > kLongestSequence) return done(i, {});
    return unfinished(bytes, atEnd);
  }
  char final = bytes[i];
  if ((final < 0x40 || final > 0x7E) && final != '$') {
    // Broken off: Esc [ alone was Alt+[; anything longer is dropped.
    return i == 2 ? done(2, altKey('[')) : done(i, {});
  }
  csi.final = final;
  size_t used = i + 1;
  if (!splitParams(paramText, csi)) return done(used, {});
  if (csi.marker == 0 && csi.intermediates.empty() && paramText.empty()) {
    if (final == 'M') return x10Mouse(bytes, used, atEnd);
    if (final == '[') {
      if (used >= bytes.size()) return unfinished(bytes, atEnd);
      auto name = keys::linuxFunctionKey(bytes[used]);
      if (!name) return done(used + 1, {});
      return done(used + 1, keyToken(*name));
    }
  }
  return done(used, sequenceToken(csi));
}

Parsed parseSs3(std::string_view bytes, bool atEnd) {
  size_t i = 2;
  while (i < bytes.size() && ((bytes[i] >= '0' && bytes[i] <= '9') || bytes[i] == ';')) ++i;
  if (i >= bytes.size()) return unfinished(bytes, atEnd);
  char final = bytes[i];
  if (final < 0x40 || final > 0x7E) return i == 2 ? done(2, altKey('O')) : done(i, {});
  auto name = keys::ss3Key(final);
  if (!name) return done(i + 1, {});
  token::Key key = keyToken(*name);
  Csi csi;
  if (splitParams(bytes.substr(2, i - 2), csi) && csi.params.size() > 0) {
    // Some terminals put the modifier straight after SS3 (SS3 5 A) or as 1;5.
    int m = csi.param(csi.params.size() - 1, 1);
    if (m > 1) {
      key.mods |= static_cast<unsigned>(m - 1);
      key.modsGiven = true;
    }
  }
  return done(i + 1, key);
}

// Esc ] digit starts OSC, Esc P with a report's first byte starts DCS, Esc _ G
// starts APC; otherwise those bytes are Alt with ], P or _.
std::optional<TerminalReply::Kind> stringKind(char introducer, char next) {
  if (introducer == ']' && next >= '0' && next <= '9') return TerminalReply::Kind::Osc;
  if (introducer == 'P' && std::string_view(">0123456789!$+=").find(next) != std::string_view::npos)
    return TerminalReply::Kind::Dcs;
  if (introducer == '_' && next == 'G') return TerminalReply::Kind::Other;
  return std::nullopt;
}

Parsed parseText(std::string_view bytes, bool atEnd) {
  auto byte = static_cast<unsigned char>(bytes[0]);
  if (byte < 0x20 || byte == 0x7F) return done(1, keyToken(keys::controlByteKey(byte)));
  utf8::Decoded d = utf8::decode(bytes);
  switch (d.status) {
    case utf8::Decoded::Status::Ok: return done(d.length, keyToken(keys::textKey(d.ch)));
    case utf8::Decoded::Status::Invalid: break;
    case utf8::Decoded::Status::Incomplete:
      if (!atEnd) return {};
      break;
  }
  // Not UTF-8: take the byte as Latin-1, as an 8-bit terminal would mean it.
  return done(1, keyToken(keys::textKey(byte)));
}

}  // namespace

Parsed parseInput(std::string_view bytes, bool atEnd) {
  if (bytes.empty()) return {};
  if (bytes[0] != kEsc) return parseText(bytes, atEnd);
  if (bytes.size() == 1) return atEnd ? done(1, keyToken(keys::controlByteKey(0x1B))) : Parsed{};
  char second = bytes[1];
  if (second == '[') return parseCsi(bytes, atEnd);
  if (second == 'O') return parseSs3(bytes, atEnd);
  if (second == ']' || second == 'P' || second == '_') {
    if (bytes.size() == 2) return unfinished(bytes, atEnd);
    if (auto kind = stringKind(second, bytes[2])) return done(2, token::StringStart{*kind});
    return done(2, altKey(second));
  }
  if (second == kEsc && bytes.size() > 2 && bytes[2] == kEsc) {
    return done(1, keyToken(keys::controlByteKey(0x1B)));  // Esc Esc Esc: the first is a key
  }
  // Esc before anything else is Alt with what follows.
  Parsed inner = parseInput(bytes.substr(1), atEnd);
  if (inner.used == 0) return {};
  inner.used += 1;
  if (auto* key = std::get_if<token::Key>(&inner.token)) {
    key->mods |= mod::kAlt;
  } else {
    inner.escapeFirst = true;
  }
  return inner;
}

StringScan scanString(std::string_view bytes) {
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\a') return {i, 1, true};
    if (bytes[i] != kEsc) continue;
    if (i + 1 == bytes.size()) return {i, 0, false};
    return {i, bytes[i + 1] == '\\' ? size_t{2} : size_t{0}, true};
  }
  return {bytes.size(), 0, false};
}

}  // namespace tarn
