#include "core/files.h"

#include <cerrno>
#include <memory>

#include "core/binary_signatures.h"
#include "core/editor.h"
#include "core/encrypted_format.h"
#include "core/file_names.h"
#include "core/leftovers.h"
#include "core/message_format.h"
#include "core/password_prompt.h"
#include "core/safe_save.h"
#include "core/slot_ops.h"
#include "core/text_case.h"
#include "core/text_reader.h"
#include "core/text_writer.h"
#include "core/wildcard.h"
#include "platform/file_system.h"

namespace tarn {

namespace {

// Large enough that reading a big file costs few system calls.
constexpr size_t kBlockSize = size_t{1} << 18;

// Reads until the block is full or the file ends; -1 on a read error.
ssize_t readBlock(fs::File& file, char* block) {
  size_t filled = 0;
  while (filled < kBlockSize) {
    ssize_t n = file.read(block + filled, kBlockSize - filled);
    if (n < 0) return -1;
    if (n == 0) break;
    filled += static_cast<size_t>(n);
  }
  return static_cast<ssize_t>(filled);
}

// What loading came to.
std::string loadedNote(const Document& doc) {
  if (!fs::status(doc.name)) return "New file";
  int lines = doc.textLineCount();
  return lines == 1 ? "1 line" : formatMessage("%d lines", std::to_string(lines));
}

}  // namespace

Files::Files(Editor& editor) : editor_(editor), outside_(editor), unsupported_(editor), foreign_(&unsupported_) {}

Files::~Files() = default;

void Files::setForeignFiles(ForeignFiles* handlers) { foreign_ = handlers ? handlers : &unsupported_; }

int Files::expand(std::string_view spec, std::vector<std::string>& names) {
  size_t before = names.size();
  if (!expandSpecification(spec, fs::currentDirectory(), names)) {
    editor_.screen.message(formatMessage("File name \"%s\" invalid! File not opened", spec));
    return 0;
  }
  return static_cast<int>(names.size() - before);
}

Files::Access Files::check(const std::string& name) const {
  auto st = fs::status(name);
  if (!st) return errno == ENOENT ? Access::New : Access::Refused;
  if (!st->isRegular) return Access::Refused;
  fs::File file = fs::File::openRead(name);
  if (!file.isOpen()) return Access::Refused;
  char first[2];
  ssize_t n = file.read(first, sizeof first);
  if (n < 0) return Access::Refused;
  if (isRefusedBinary(name, std::string_view(first, static_cast<size_t>(n)))) return Access::Refused;
  return (st->mode & 0222) && fs::canWrite(name) ? Access::Writable : Access::ReadOnly;
}

bool Files::edit(std::string_view spec, const EditRequest& request) {
  const std::string text(spec);
  const bool readOnly = request.readOnly || request.viewMode;
  bool any = false;
  if (endsWithIgnoringCase(text, ".zip")) {
    auto copies = foreign_->openZip(text);
    if (!copies) return false;
    for (const std::string& copy : *copies) any |= open(copy, readOnly, Origin::ZipMember, false);
  } else if (startsWithIgnoringCase(text, "ftp://")) {
    auto copy = foreign_->openFtp(text);
    if (!copy) return false;
    any = open(*copy, readOnly, Origin::FtpFile, false);
  } else if (!request.asFile && endsWithIgnoringCase(text, ".tarn")) {
    return foreign_->openWorkspace(text, request);
  } else {
    std::vector<std::string> names;
    if (!expand(spec, names)) return false;
    // A plain name that is nowhere here may still be found along TARNPATH.
    bool searchPath = text.find('/') == std::string::npos && !hasWildcard(text);
    for (const std::string& name : names) any |= open(name, readOnly, Origin::Local, searchPath);
  }
  editor_.screen.redraw(true);
  return any;
}

// The slot already editing a file of this name (or, for the help file,
// of its name wherever it was found), or -1.
int Files::reuseSlot(const std::string& name, bool helpFile) const {
  for (int s : editor_.slots.used()) {
    const WindowRecord& data = editor_.slots.data(s);
    if ((data.flags & winflag::kSecondView) || !data.document) continue;
    const std::string& open = data.document->name;
    if (equalsIgnoringCase(open, name) || (helpFile && equalsIgnoringCase(baseNameOf(open), kHelpFileName)))
      return s;
  }
  return -1;
}

void Files::noticeLeftovers(const std::string& name) {
  std::string notice = leftoverNotice(name, collectLeftovers(name, editor_.paths.profileDirectory));
  if (!notice.empty()) editor_.screen.message(notice);
}

void Files::readFailed(const std::string& name) {
  editor_.screen.message(formatMessage("Error reading file \"%s\"", name));
}

bool Files::open(const std::string& name, bool readOnly, Origin origin, bool searchPath) {
  SlotTable& slots = editor_.slots;
  // The help file asked for by its name alone (as F1 does) is for reading.
  const bool helpFile = searchPath && equalsIgnoringCase(baseNameOf(name), kHelpFileName);
  if (!readOnly) {
    int existing = reuseSlot(name, helpFile);
    if (existing >= 0) {
      slots.setCurrent(existing);
      return true;
    }
  }
  Access access = check(name);
  if (access == Access::Refused) {
    readFailed(name);
    return false;
  }
  std::string shown = origin == Origin::Local ? name : foreign_->shownName(name);
  editor_.screen.note(formatMessage("Loading \"%s\" ...", shown));

  SlotOpening opening;
  opening.name = access == Access::New && searchPath ? std::string(baseNameOf(name)) : name;
  opening.readOnly = readOnly || access == Access::ReadOnly || helpFile;
  opening.zipMember = origin == Origin::ZipMember;
  opening.ftpFile = origin == Origin::FtpFile;
  int previous = slots.current();
  lastReadFailed_ = false;
  int slot = openSlot(editor_, opening);
  if (slot < 0) return false;
  if (lastReadFailed_) {
    closeSlot(editor_, slot, false);
    slots.setCurrent(previous);
    readFailed(name);
    return false;
  }
  WindowRecord& data = slots.data(slot);
  Document& doc = *data.document;
  if (opening.name != name) {
    if (doc.name == opening.name) {
      doc.name = name;  // not along TARNPATH either: a new file here
    } else if (check(doc.name) == Access::ReadOnly) {
      doc.flags |= docflag::kReadOnly;
    }
  }
  if (doc.isReadOnly()) data.flags |= winflag::kReadOnly;
  if (!(data.flags & winflag::kReadOnly) && origin == Origin::Local) backups_.enter(doc.name);
  editor_.screen.note(loadedNote(doc));

  noticeLeftovers(origin == Origin::Local ? doc.name : shown);

  if (editor_.screen.splitMode() != SplitMode::None) {
    SlotOpening second;
    second.name = doc.name;
    second.secondViewOf = slot;
    if (openSlot(editor_, second) >= 0) slots.setCurrent(slot);
  }
  return true;
}

bool Files::read(Document& doc, const std::string& path) {
  lastReadEncrypted_ = false;
  auto st = fs::status(path);
  if (!st) return false;  // a new file
  fs::File file = st->isRegular ? fs::File::openRead(path) : fs::File();
  if (!file.isOpen()) {
    lastReadFailed_ = true;
    return false;
  }
  std::unique_ptr<char[]> buffer(new char[kBlockSize]);
  char* block = buffer.get();
  ssize_t n = readBlock(file, block);
  std::string_view first(block, n > 0 ? static_cast<size_t>(n) : 0);
  bool encrypted = startsWithEncryptedHeader(first);
  if (encrypted) {
    if (password_.empty()) password_ = readPassword(editor_);
    if (password_.empty()) {
      // Without the password the lines stay as they are in the file, and
      // nothing may be saved over it.
      encrypted = false;
      doc.flags |= docflag::kReadOnly;
    } else {
      first.remove_prefix(kEncryptedHeader.size());
    }
  }
  ReadRules rules = ReadRules::of(doc, editor_.settings.tabExpand, editor_.settings.lineTrim);
  rules.detectLineEnd = editor_.settings.keepLineEnds;
  TextReader reader(doc, rules, encrypted ? &password_ : nullptr);
  while (n > 0 && reader.feed(first)) {
    n = readBlock(file, block);
    first = std::string_view(block, n > 0 ? static_cast<size_t>(n) : 0);
  }
  if (n < 0) {
    doc.freeLines();
    lastReadFailed_ = true;
    return false;
  }
  reader.finish();
  doc.addSentinels();
  lastReadEncrypted_ = encrypted;
  return true;
}

int Files::write(Document& doc, bool encrypted, const std::string& path, bool append) {
  return writeFile(doc, encrypted, path, append, false);
}

std::optional<WriteRules> Files::writeRules(const Document& doc, bool encrypted, int lineTrim) const {
  if (encrypted && password_.empty()) return std::nullopt;
  WriteRules rules = WriteRules::of(doc, editor_.settings.tabExpand, lineTrim);
  rules.keepLineEnds = editor_.settings.keepLineEnds;
  rules.marks = &editor_.engine.marks();
  if (encrypted) rules.password = &password_;
  return rules;
}

int Files::writeFile(Document& doc, bool encrypted, const std::string& path, bool append, bool backup) {
  if (path.empty() || path == kUntitled) return 0;
  auto rules = writeRules(doc, encrypted, append ? 0 : editor_.settings.lineTrim);
  if (!rules) return 0;
  ContentWriter content = [&](fs::File& file) { return writeDocument(doc, *rules, append, file); };
  int result;
  if (append) {
    result = appendToFile(path, content);
  } else {
    ReplaceOptions options;
    if (backup) options.backupName = path + std::string(kBackupSuffix);
    // Not the run's temporary directory: the old text must outlive a crash.
    options.spareDirectory = editor_.paths.profileDirectory;
    ReplaceOutcome outcome = replaceFile(path, content, options);
    if (!outcome.keptCopy.empty())
      editor_.screen.error(formatMessage("The old contents could not be put back; they are in \"%s\"", outcome.keptCopy));
    result = outcome.result;
  }
  if (result == writeresult::kDone) {
    doc.setChangeCount(0);
    outside_.noteWritten(doc);
  }
  return result;
}

}  // namespace tarn
