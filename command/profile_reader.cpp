#include "command/profile_reader.h"

#include <fstream>
#include <iterator>

#include "command/words.h"

namespace tarn::command {
namespace {

// The longest physical line: what a 1024-byte buffer holds besides the
// line end and the closing 0.
constexpr std::size_t kLongestPhysicalLine = 1022;
// A joined line reaching this length is refused.
constexpr std::size_t kLongestJoinedLine = 1022;

// Hands out the physical lines of a text, without their line ends.
class PhysicalLines {
 public:
  explicit PhysicalLines(std::string_view text) : text_(text) {}

  bool next(std::string_view& line) {
    if (pos_ >= text_.size()) return false;
    std::size_t end = text_.find('\n', pos_);
    if (end == std::string_view::npos) end = text_.size();
    line = text_.substr(pos_, end - pos_);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    pos_ = end + 1;
    ++number_;
    return true;
  }
  int number() const { return number_; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  int number_ = 0;
};

// A line ending in a backslash: the backslash and the blanks before it
// become one blank. False for any other line.
bool cutContinuation(std::string& line) {
  if (line.empty() || line.back() != '\\') return false;
  line.pop_back();
  while (!line.empty() && isBlank(line.back())) line.pop_back();
  line += ' ';
  return true;
}

std::string label(int lineNumber) { return std::to_string(lineNumber) + ":"; }

ProfileReading stopped(std::string message) { return {false, std::move(message)}; }

}  // namespace

ProfileReading readProfileText(std::string_view text, const ProfileLineHandler& handle) {
  PhysicalLines lines(text);
  std::string_view physical;
  auto unreadable = [&] {
    return stopped("Error reading line " + label(lines.number()) + "\"" +
                   std::string(physical.substr(0, kLongestPhysicalLine)) + "\"");
  };

  while (lines.next(physical)) {
    if (physical.size() > kLongestPhysicalLine) return unreadable();
    ProfileLine logical{label(lines.number()), std::string(physical)};
    bool more = cutContinuation(logical.text);
    while (more && lines.next(physical)) {
      if (physical.size() > kLongestPhysicalLine) return unreadable();
      std::string_view next = skipBlanks(physical);
      if (!next.empty() && next.front() == '*') continue;
      logical.text.append(next);
      more = cutContinuation(logical.text);
      if (logical.text.size() >= kLongestJoinedLine) {
        return stopped("Macro line " + logical.label + "\"" + logical.text + "\" too long");
      }
    }
    if (!handle(logical)) return {false, {}};
  }
  return {};
}

ProfileReading readProfileFile(const std::string& path, const ProfileLineHandler& handle) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return stopped("Profile or macro file \"" + path + "\" not found");
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return readProfileText(text, handle);
}

ProfileReading readBuiltinText(std::string_view text, const ProfileLineHandler& handle) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    if (end > pos && !handle(ProfileLine{{}, std::string(text.substr(pos, end - pos))})) return {false, {}};
    pos = end + 1;
  }
  return {};
}

}  // namespace tarn::command
