// Shared by the file tests: a temporary directory per test, file contents
// in and out, and an editor on a memory console.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/editor.h"
#include "platform/event_loop.h"
#include "platform/memory_console.h"

namespace tarn::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string operator/(std::string_view name) const { return path_ + "/" + std::string(name); }

 private:
  std::string path_;
};

void writeBytes(const std::string& path, std::string_view bytes);
std::string readBytes(const std::string& path);

// The text lines of a document, without the sentinels.
std::vector<std::string> textLines(const Document& doc);
// Replaces a document's text and marks it modified.
void setLines(Document& doc, const std::vector<std::string>& lines);

class EditorTest : public ::testing::Test {
 protected:
  MemoryConsole console;
  EventLoop loop;
  Editor editor{console, loop};
  TempDir dir;

  // Queues typed characters (and '\r' for Enter, '\x1b' for Escape).
  void type(std::string_view keys);
  // Opens a file into a new current slot; its document.
  Document& open(const std::string& path, bool readOnly = false);
  // Opens a file and replaces its text, which is then unsaved.
  Document& openWith(const std::string& path, const std::vector<std::string>& lines);
  // Gives the editor a profile directory of its own, in the test's directory.
  void makeProfileDirectory();
  Document& current() { return *editor.currentDocument(); }
  WindowRecord& currentWindow() { return *editor.currentWindow(); }
};

}  // namespace tarn::testing
