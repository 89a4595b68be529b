// Keeping the unsaved changes of every document when a signal ends the editor.
#include <algorithm>

#include "core/aside_names.h"
#include "core/editor.h"
#include "core/safe_save.h"
#include "platform/file_system.h"

namespace tarn {

namespace {

// A recovery copy is its user's alone, whoever else may read the file.
constexpr uint32_t kRecoveryCopyMode = 0600;

}  // namespace

std::vector<RecoveryCopy> Files::keepUnsavedChanges() {
  std::vector<RecoveryCopy> kept;
  std::vector<const Document*> done;  // a second view shows the same document
  for (int s : editor_.slots.used()) {
    const WindowRecord& data = editor_.slots.data(s);
    Document* doc = data.document;
    if (!doc || !doc->isModified() || std::find(done.begin(), done.end(), doc) != done.end()) continue;
    done.push_back(doc);
    // A zip member or an FTP file is a copy in the run's temporary directory.
    const bool remote = data.flags & (winflag::kZipMember | winflag::kFtpFile);
    std::string name = remote ? foreign_->shownName(doc->name) : doc->name;
    kept.push_back({name, writeRecoveryCopy(*doc, data.flags & winflag::kEncrypted, name)});
  }
  return kept;
}

// In the first place that takes it, under the first name not in use.
std::string Files::writeRecoveryCopy(Document& doc, bool encrypted, const std::string& name) {
  auto rules = writeRules(doc, encrypted, 0);
  if (!rules) return "";
  ContentWriter content = [&](fs::File& file) { return writeDocument(doc, *rules, false, file); };
  ReplaceOptions options;
  options.modeOfNewFile = kRecoveryCopyMode;
  for (const AsidePlace& place : asidePlaces(name, editor_.paths.profileDirectory)) {
    if (place.dir.empty()) continue;
    for (int n = 1; n <= kMostRecoveryCopies; ++n) {
      std::string path = asidePath(place, recoveryName(place, n));
      if (fs::linkStatus(path)) continue;
      if (replaceFile(path, content, options).result == writeresult::kDone) return path;
      break;
    }
  }
  return "";
}

}  // namespace tarn
