// The `save` and `file` commands and the saving they share with autosave.
#include "core/editor.h"
#include "core/file_names.h"
#include "core/message_format.h"
#include "core/password_prompt.h"
#include "core/slot_ops.h"
#include "core/text_case.h"
#include "platform/file_system.h"

namespace tarn {

namespace {

std::optional<Compress> compressWord(std::string_view word) {
  if (equalsIgnoringCase(word, "tabs")) return Compress::Tabs;
  if (equalsIgnoringCase(word, "notabs")) return Compress::NoTabs;
  return std::nullopt;
}

}  // namespace

bool Files::askNewPassword() {
  std::string first = readPassword(editor_);
  if (first.empty()) return false;
  for (;;) {
    std::string again = readPassword(editor_);
    if (again.empty()) return false;
    if (again == first) break;
  }
  password_ = first;
  return true;
}

bool Files::confirmOverwrite(const std::string& name) {
  if (!editor_.settings.confirm || !fs::status(name)) return true;
  return editor_.input.askYesNo("File exist! Overwrite it? Type y or n");
}

int Files::saveCommand(std::span<const std::string> args, bool closeAfter) {
  int slot = editor_.slots.current();
  if (!editor_.slots.inUse(slot) || !editor_.slots.data(slot).document) return 0;
  const WindowRecord& data = editor_.slots.data(slot);
  // The compress word follows the name; "save tabs" names no file.
  std::string name = args.empty() ? std::string() : args[0];
  Compress compress = Compress::FromSetting;
  if (auto word = compressWord(name)) {
    compress = *word;
    name.clear();
  } else if (args.size() > 1) {
    compress = compressWord(args[1]).value_or(Compress::FromSetting);
  }
  std::optional<std::string> newName;
  if (!name.empty()) {
    if (data.flags & winflag::kZipMember) {
      editor_.screen.message("Impossible save zip file with another name!");
      return 0;
    }
    if (data.flags & winflag::kFtpFile) {
      editor_.screen.message("Impossible save ftp file with another name!");
      return 0;
    }
    std::vector<std::string> names;
    if (!expandSpecification(name, fs::currentDirectory(), names)) {
      editor_.screen.message(formatMessage("File name \"%s\" invalid!", name));
      return 0;
    }
    newName = names.front();
    if (!confirmOverwrite(*newName)) return 0;
  } else {
    if ((data.flags & winflag::kReadOnly) || data.document->isReadOnly()) {
      editor_.screen.message("Impossible to save a read only file!");
      return 0;
    }
    if (!confirmOverwrite(data.document->name)) return 0;
  }
  if (save(newName, compress, newName && !closeAfter) != 1) {
    editor_.screen.message("Error writing file!");
    return 0;
  }
  if (closeAfter) closeSlot(editor_, slot, true);
  return 1;
}

int Files::save(const std::optional<std::string>& newName, Compress compress, bool copy) {
  int slot = editor_.slots.current();
  if (!editor_.slots.inUse(slot) || !editor_.slots.data(slot).document) return 0;
  WindowRecord& data = editor_.slots.data(slot);
  Document& doc = *data.document;
  const bool encrypted = data.flags & winflag::kEncrypted;
  if (encrypted && password_.empty() && !askNewPassword()) return 0;

  // Blank compression is this save's own choice.
  bool compressBlanks = compress == Compress::Tabs ||
                        (compress == Compress::FromSetting && editor_.settings.blankCompress);
  doc.options[opt::kCompressBlanks] = compressBlanks ? 1 : 0;
  const std::string target = newName.value_or(doc.name);
  const bool remote = data.flags & (winflag::kZipMember | winflag::kFtpFile);
  const std::string shown = remote ? foreign_->shownName(target) : target;
  editor_.screen.note(formatMessage("Saving \"%s\" ...", shown));
  const bool backup = !newName && backups_.due(target, editor_.settings);
  int result = writeFile(doc, encrypted, target, false, backup);
  doc.options[opt::kCompressBlanks] = 0;
  if (result != 1) return result;

  if (backup) backups_.done(target);
  editor_.screen.note(formatMessage("Saved %s", baseNameOf(shown)));
  if (newName) {
    // With vocompatibility a named save writes a copy: the slot goes on
    // editing the first file, which is still unsaved.
    if (copy && editor_.settings.voCompatibility) {
      doc.setChangeCount(1);
    } else {
      doc.name = target;
      outside_.noteWritten(doc);
    }
  }
  if (remote) foreign_->copySaved(target);
  return result;
}

}  // namespace tarn
