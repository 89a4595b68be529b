#include "core/files.h"

#include <fstream>
#include <sstream>

#include "core/editor.h"

namespace tarn {

Files::Files(Editor& editor) : editor_(editor) {}

int Files::expand(std::string_view spec, std::vector<std::string>& names) {
  names.emplace_back(spec);
  return 1;
}

bool Files::edit(std::string_view, const EditRequest&) { return false; }

bool Files::read(Document& doc, const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) doc.appendLine(makeLine(line));
  doc.addSentinels();
  return true;
}

int Files::write(Document&, bool, const std::string&, bool) { return -2; }
int Files::saveCommand(std::span<const std::string>, bool) { return 0; }
int Files::save(const std::optional<std::string>&, Compress, bool) { return 0; }
void Files::enterBackupSet(const std::string&) {}
void Files::leaveBackupSet(const std::string&) {}
void Files::focusLost() {}
void Files::focusGained() {}

}  // namespace tarn
