#include "file_fixture.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/vk.h"

namespace tarn::testing {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tarn-files-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

void writeBytes(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> textLines(const Document& doc) {
  std::vector<std::string> lines;
  for (const Line* l = doc.firstText(); l && l != doc.last; l = l->next()) lines.emplace_back(l->view());
  return lines;
}

void setLines(Document& doc, const std::vector<std::string>& lines) {
  doc.freeLines();
  for (const auto& text : lines) doc.appendLine(makeLine(text));
  doc.addSentinels();
  doc.setChangeCount(1);
}

void EditorTest::type(std::string_view keys) {
  for (char c : keys) {
    uint16_t code = c == '\r' ? vk::kReturn : c == '\x1b' ? vk::kEscape : c == '\b' ? vk::kBack
                    : c >= 'a' && c <= 'z'                    ? static_cast<uint16_t>(c - 'a' + 'A')
                                                              : static_cast<uint16_t>(c);
    console.queue(InputRecord::keyEvent(code, static_cast<uint8_t>(c)));
  }
}

Document& EditorTest::open(const std::string& path, bool readOnly) {
  EditRequest request;
  request.readOnly = readOnly;
  EXPECT_TRUE(editor.files.edit(path, request)) << path;
  return current();
}

Document& EditorTest::openWith(const std::string& path, const std::vector<std::string>& lines) {
  Document& doc = open(path);
  setLines(doc, lines);
  return doc;
}

void EditorTest::makeProfileDirectory() {
  editor.paths.profileDirectory = dir / "profile/";
  std::filesystem::create_directory(editor.paths.profileDirectory);
}

}  // namespace tarn::testing
