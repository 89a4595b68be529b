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

#include "core/backups.h"
#include "core/engine.h"
#include "core/foreign_files.h"
#include "core/outside_changes.h"
#include "core/text_writer.h"

namespace tarn {

struct Editor;

struct EditRequest {
  bool readOnly = false;  // the `r` letter, "/r" on the command line, `view`
  bool viewMode = false;  // `view`: loaded read-only as well
  bool asFile = false;    // a ".tarn" name is opened as a file, not as a workspace
};

// Where the unsaved text of a document went when a signal ended the editor.
struct RecoveryCopy {
  std::string file;
  std::string copy;  // empty when the text could not be kept
};

// Compress choice of a save: follow `blankcompress`, compress, or not.
enum class Compress { FromSetting = 0, Tabs = 1, NoTabs = 2 };

class Files : public DocumentReader {
 public:
  explicit Files(Editor& editor);
  ~Files() override;

  // The names a specification stands for; 0 after showing
  // "File name "%s" invalid! File not opened".
  int expand(std::string_view spec, std::vector<std::string>& names);

  // `edit`, `view` and the file names of the command line. Returns true
  // when at least one slot holds a file it names afterwards.
  bool edit(std::string_view spec, const EditRequest& request);

  // DocumentReader: fills a new document from the file (asking for the
  // password of an encrypted file when none is known yet).
  bool read(Document& doc, const std::string& path) override;
  // Whether the last document read came from an encrypted file.
  bool lastReadEncrypted() const { return lastReadEncrypted_; }

  // Writes a document: 1 done, 0 unnamed (or encrypted without a password),
  // -1 read-only or cannot create, -2 write failed (the file keeps its old
  // contents; appending cuts it back to its old length).
  int write(Document& doc, bool encrypted, const std::string& path, bool append);

  // `save` (closeAfter false) and `file` (closeAfter true) with their
  // arguments (optional name, optional "tabs"/"notabs"). Returns 1 when the
  // file was written (and, for `file`, closed), 0 when nothing was written:
  // a check refused, a question was answered no, or writing failed; a
  // message says which.
  int saveCommand(std::span<const std::string> args, bool closeAfter);
  // The common part of save, file and autosave for the current slot; the
  // result of write (0 also when the password entry was abandoned).
  int save(const std::optional<std::string>& newName, Compress compress, bool copy);

  // When a signal ends the editor: the text of every modified document goes
  // to a recovery copy beside its file ("<name>.tarn-save"; in the profile
  // directory when that folder takes no file), never over the file itself
  // nor over an older copy (the next free "<name>.tarn-save-<n>" is taken).
  std::vector<RecoveryCopy> keepUnsavedChanges();
  // Says on the message line what earlier runs left aside a file: recovery
  // copies and the copies of a save that was cut short.
  void noticeLeftovers(const std::string& name);

  // Backups: a file opened for editing enters the backed-up set.
  void enterBackupSet(const std::string& name) { backups_.enter(name); }
  void leaveBackupSet(const std::string& name) { backups_.leave(name); }

  // Outside changes: the terminal lost or regained the focus.
  void focusLost() { outside_.focusLost(); }
  void focusGained() { outside_.focusGained(); }

  // The encryption password (`set encryption` clears it).
  void clearPassword() { password_.clear(); }

  // Zip archives, FTP files and workspaces; null restores the handlers
  // that report them as not supported.
  void setForeignFiles(ForeignFiles* handlers);

 private:
  enum class Access { Refused, New, Writable, ReadOnly };
  enum class Origin { Local, ZipMember, FtpFile };

  Access check(const std::string& name) const;
  bool open(const std::string& name, bool readOnly, Origin origin, bool searchPath);
  int reuseSlot(const std::string& name, bool helpFile) const;
  void readFailed(const std::string& name);
  // The rules of writing a document; none while an encrypted one has no password.
  std::optional<WriteRules> writeRules(const Document& doc, bool encrypted, int lineTrim) const;
  int writeFile(Document& doc, bool encrypted, const std::string& path, bool append, bool backup);
  std::string writeRecoveryCopy(Document& doc, bool encrypted, const std::string& name);
  bool askNewPassword();
  bool confirmOverwrite(const std::string& name);

  Editor& editor_;
  bool lastReadEncrypted_ = false;
  bool lastReadFailed_ = false;
  std::string password_;
  BackupSet backups_;
  OutsideChanges outside_;
  UnsupportedForeignFiles unsupported_;
  ForeignFiles* foreign_;
};

}  // namespace tarn
