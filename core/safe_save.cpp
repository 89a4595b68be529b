#include "core/safe_save.h"

#include "core/aside_names.h"
#include "core/file_names.h"
#include "platform/file_system.h"

namespace tarn {

namespace {

using namespace writeresult;

constexpr int kLongestLinkChain = 40;
constexpr size_t kCopyBlock = 65536;
constexpr uint32_t kSetIdBits = 06000;

bool isWritable(const std::string& path, const fs::FileStatus& st) {
  return (st.mode & 0222) && fs::canWrite(path);
}

// A temporary file, locked while this save uses it: an editor starting
// meanwhile takes it for a leftover only once the lock is gone.
fs::File createAside(const AsidePlace& place, AsideKind kind, std::string& name) {
  fs::File file = fs::File::createUnique(place.dir, temporaryPrefix(place, kind), name);
  if (file.isOpen()) file.tryLock();
  return file;
}

// Writes, sets the permissions (after the writing, which clears the setuid
// and setgid bits), flushes and closes; the file is removed when any of it fails.
bool produce(fs::File& file, const std::string& name, const ContentWriter& write, uint32_t mode) {
  bool ok = write(file) && file.setMode(mode) && file.sync();
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

// Gives the new file the old one's owner and group.
bool takeOwner(fs::File& file, const fs::FileStatus& old) {
  auto mine = file.status();
  if (!mine) return false;
  return (mine->owner == old.owner && mine->group == old.group) || file.setOwner(old.owner, old.group);
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
  const AsidePlace place = besideFile(target);
  std::string tempName;
  fs::File temp = createAside(place, AsideKind::SaveInProgress, tempName);
  if (!temp.isOpen()) return old ? kTryInPlace : kCannotCreate;
  if (old && !takeOwner(temp, *old)) {
    temp.close();
    fs::remove(tempName);
    return kTryInPlace;
  }
  uint32_t mode = old ? old->mode : options.modeOfNewFile.value_or(fs::newFileMode());
  if (!produce(temp, tempName, write, mode)) return kFailed;
  bool placed = old && !options.backupName.empty() && backupMayBeReplaced(options.backupName)
                    ? renameOverWithBackup(tempName, target, options.backupName)
                    : fs::rename(tempName, target);
  if (!placed) {
    fs::remove(tempName);
    return kFailed;
  }
  fs::syncDirectory(place.dir);
  return kDone;
}

// A complete copy of the old text, beside the file or else in the spare
// directory, on the disk before the file is touched.
fs::File copyOf(const std::string& target, const ReplaceOptions& options, std::string& copyName) {
  fs::File source = fs::File::openRead(target);
  if (!source.isOpen()) return {};
  std::vector<AsidePlace> places{besideFile(target)};
  if (!options.spareDirectory.empty()) places.push_back(elsewhere(target, options.spareDirectory));
  for (const AsidePlace& place : places) {
    fs::File copy = createAside(place, AsideKind::OldText, copyName);
    if (!copy.isOpen()) continue;
    if (copyContents(source, copy) && copy.sync()) {
      fs::syncDirectory(place.dir);
      return copy;
    }
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
  // The owner stays, so the setuid and setgid bits that writing cleared come back.
  if (ok && (old.mode & kSetIdBits)) out.setMode(old.mode);
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
