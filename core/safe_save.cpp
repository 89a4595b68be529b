#include "core/safe_save.h"

#include "core/file_names.h"
#include "platform/file_system.h"

namespace tarn {

namespace {

using namespace writeresult;

constexpr int kLongestLinkChain = 40;
constexpr size_t kCopyBlock = 65536;

std::string temporaryPrefix(const std::string& target) {
  return "." + std::string(baseNameOf(target)) + ".tarn-";
}

bool isWritable(const std::string& path, const fs::FileStatus& st) {
  return (st.mode & 0222) && fs::canWrite(path);
}

// Writes, flushes and closes; the file is removed when any of it fails.
bool produce(fs::File& file, const std::string& name, const ContentWriter& write) {
  bool ok = write(file) && file.sync();
  ok = file.close() && ok;
  if (!ok) fs::remove(name);
  return ok;
}

bool copyContents(fs::File& from, fs::File& to) {
  std::string block(kCopyBlock, '\0');
  for (;;) {
    ssize_t n = from.read(block.data(), block.size());
    if (n < 0) return false;
    if (n == 0) return true;
    if (!to.writeAll(std::string_view(block.data(), static_cast<size_t>(n)))) return false;
  }
}

// Gives the new file the old one's owner, group and permissions.
bool takeOver(fs::File& file, const fs::FileStatus& old) {
  auto mine = file.status();
  if (!mine) return false;
  if ((mine->owner != old.owner || mine->group != old.group) && !file.setOwner(old.owner, old.group))
    return false;
  return file.setMode(old.mode);
}

// The old file becomes the backup while the new one is not in place yet:
// a second link to it keeps its name in use meanwhile. Where links are not
// supported it is renamed, and put back if the new file cannot follow.
bool renameOverWithBackup(const std::string& temp, const std::string& target,
                          const std::string& backup) {
  fs::remove(backup);
  if (fs::hardLink(target, backup)) return fs::rename(temp, target);
  if (!fs::rename(target, backup)) return fs::rename(temp, target);
  if (fs::rename(temp, target)) return true;
  fs::rename(backup, target);
  return false;
}

bool backupMayBeReplaced(const std::string& backup) {
  auto st = fs::status(backup);
  return !st || (st->isRegular && isWritable(backup, *st));
}

constexpr int kTryInPlace = 0;

int replaceByRename(const std::string& target, const fs::FileStatus* old, const ContentWriter& write,
                    const ReplaceOptions& options) {
  const std::string dir = directoryOf(target);
  std::string tempName;
  fs::File temp = fs::File::createUnique(dir, temporaryPrefix(target), tempName);
  if (!temp.isOpen()) return old ? kTryInPlace : kCannotCreate;
  bool prepared = old ? takeOver(temp, *old) : temp.setMode(fs::newFileMode());
  if (!prepared) {
    temp.close();
    fs::remove(tempName);
    return old ? kTryInPlace : kCannotCreate;
  }
  if (!produce(temp, tempName, write)) return kFailed;
  bool placed = old && !options.backupName.empty() && backupMayBeReplaced(options.backupName)
                    ? renameOverWithBackup(tempName, target, options.backupName)
                    : fs::rename(tempName, target);
  if (!placed) {
    fs::remove(tempName);
    return kFailed;
  }
  fs::syncDirectory(dir);
  return kDone;
}

// A copy of the whole file, next to it or else in the spare directory.
fs::File copyOf(const std::string& target, const ReplaceOptions& options, std::string& copyName) {
  fs::File source = fs::File::openRead(target);
  if (!source.isOpen()) return {};
  for (const std::string& dir : {directoryOf(target), options.spareDirectory}) {
    if (dir.empty()) continue;
    fs::File copy = fs::File::createUnique(dir, temporaryPrefix(target), copyName);
    if (!copy.isOpen()) continue;
    if (copyContents(source, copy) && copy.sync()) return copy;
    copy.close();
    fs::remove(copyName);
    return {};
  }
  return {};
}

ReplaceOutcome replaceInPlace(const std::string& target, const fs::FileStatus& old,
                              const ContentWriter& write, const ReplaceOptions& options) {
  std::string copyName;
  fs::File copy = copyOf(target, options, copyName);
  if (!copy.isOpen()) return {kFailed, {}};
  fs::File out = fs::File::openTruncate(target);
  if (!out.isOpen()) {
    copy.close();
    fs::remove(copyName);
    return {kCannotCreate, {}};
  }
  bool ok = write(out) && out.sync();
  ok = out.close() && ok;
  if (ok) {
    bool kept = !options.backupName.empty() && backupMayBeReplaced(options.backupName) &&
                copy.setMode(old.mode) && fs::rename(copyName, options.backupName);
    copy.close();
    if (!kept) fs::remove(copyName);
    return {kDone, {}};
  }
  fs::File back = fs::File::openTruncate(target);
  bool restored = back.isOpen() && copy.rewind() && copyContents(copy, back) && back.sync();
  restored = back.close() && restored;
  copy.close();
  if (!restored) return {kFailed, copyName};
  fs::remove(copyName);
  return {kFailed, {}};
}

}  // namespace

std::string resolveLinks(std::string path) {
  for (int depth = 0; depth < kLongestLinkChain; ++depth) {
    auto st = fs::linkStatus(path);
    if (!st || !st->isSymlink) return path;
    auto target = fs::linkTarget(path);
    if (!target || target->empty()) return path;
    path = target->starts_with('/') ? *target : directoryOf(path) + "/" + *target;
  }
  return path;
}

ReplaceOutcome replaceFile(const std::string& path, const ContentWriter& write,
                           const ReplaceOptions& options) {
  const std::string target = resolveLinks(path);
  auto old = fs::status(target);
  if (old && (!old->isRegular || !isWritable(target, *old))) return {kCannotCreate, {}};
  if (!old || old->links == 1) {
    int result = replaceByRename(target, old ? &*old : nullptr, write, options);
    if (result != kTryInPlace) return {result, {}};
  }
  return replaceInPlace(target, *old, write, options);
}

int appendToFile(const std::string& path, const ContentWriter& write) {
  auto old = fs::status(path);
  if (old && (!old->isRegular || !isWritable(path, *old))) return kCannotCreate;
  fs::File file = fs::File::openAppend(path);
  if (!file.isOpen()) return kCannotCreate;
  auto st = file.status();
  uint64_t oldSize = st ? st->size : 0;
  bool ok = write(file) && file.sync();
  if (!ok) file.truncate(oldSize);
  ok = file.close() && ok;
  return ok ? kDone : kFailed;
}

}  // namespace tarn
