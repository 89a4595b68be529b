// Files: turning specifications into names, opening them into slots,
// reading text into documents, writing documents back (plain and
// encrypted), saving with its checks, backups, and changes made by other
// programs while the editor was in the background.
#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine.h"

namespace tarn {

struct Editor;

struct EditRequest {
  bool readOnly = false;  // the `r` letter, "/r" on the command line, `view`
  bool viewMode = false;  // `view`
  bool asFile = false;    // a ".tarn" name is opened as a file, not as a workspace
};

// Compress choice of a save: follow `blankcompress`, compress, or not.
enum class Compress { FromSetting = 0, Tabs = 1, NoTabs = 2 };

class Files : public DocumentReader {
 public:
  explicit Files(Editor& editor);

  // The names a specification stands for; 0 after showing an error.
  int expand(std::string_view spec, std::vector<std::string>& names);

  // `edit`, `view` and the file names of the command line. Returns true
  // when at least one slot holds a file of the specification afterwards.
  bool edit(std::string_view spec, const EditRequest& request);

  // DocumentReader: fills a new document from the file.
  bool read(Document& doc, const std::string& path) override;
  // Whether the last document read came from an encrypted file.
  bool lastReadEncrypted() const { return lastReadEncrypted_; }

  // Writes a document: 1 done, 0 unnamed, -1 read-only or cannot create, -2 write failed.
  int write(Document& doc, bool encrypted, const std::string& path, bool append);

  // `save` (closeAfter false) and `file` (closeAfter true) with their
  // arguments (optional name, optional "tabs"/"notabs"); the command result.
  int saveCommand(std::span<const std::string> args, bool closeAfter);
  // The common part of save, file and autosave for the current slot.
  int save(const std::optional<std::string>& newName, Compress compress, bool copy);

  // Backups: a file opened for editing enters the backed-up set.
  void enterBackupSet(const std::string& name);
  void leaveBackupSet(const std::string& name);

  // Outside changes: the terminal lost or regained the focus.
  void focusLost();
  void focusGained();

  // The encryption password (`set encryption` clears it).
  void clearPassword() { password_.clear(); }

 private:
  Editor& editor_;
  bool lastReadEncrypted_ = false;
  std::string password_;
};

}  // namespace tarn
