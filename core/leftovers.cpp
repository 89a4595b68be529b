#include "core/leftovers.h"

#include <algorithm>
#include <tuple>

#include "core/file_names.h"
#include "platform/file_system.h"

namespace tarn {

namespace {

constexpr size_t kCompareBlock = 65536;

// Reads until the block is full or the file ends.
std::string_view nextBlock(fs::File& file, std::string& block) {
  size_t filled = 0;
  while (filled < block.size()) {
    ssize_t n = file.read(block.data() + filled, block.size() - filled);
    if (n <= 0) break;
    filled += static_cast<size_t>(n);
  }
  return std::string_view(block.data(), filled);
}

// Whether every byte of the leftover is in the file at the same place;
// when whole, the file must also end where the leftover does.
bool fileHolds(fs::File& leftover, const std::string& file, bool whole) {
  fs::File text = fs::File::openRead(file);
  std::string a(kCompareBlock, '\0'), b(kCompareBlock, '\0');
  for (;;) {
    std::string_view mine = nextBlock(leftover, a);
    std::string_view theirs = text.isOpen() ? nextBlock(text, b) : std::string_view();
    if (mine.empty()) return !whole || theirs.empty();
    if (!theirs.starts_with(mine) || (mine.size() < a.size() && whole && theirs.size() != mine.size()))
      return false;
    if (mine.size() < a.size()) return true;
  }
}

// Old text is worth only its bytes; new text may also differ by what it
// lacks, unless it holds nothing at all (a save killed before it wrote).
bool isRedundant(AsideKind kind, fs::File& leftover, uint64_t size, const std::string& file) {
  return size == 0 || fileHolds(leftover, file, kind != AsideKind::OldText);
}

int importance(AsideKind kind) {
  switch (kind) {
    case AsideKind::OldText: return 0;
    case AsideKind::Recovery: return 1;
    case AsideKind::SaveInProgress: return 2;
  }
  return 3;
}

}  // namespace

std::vector<Leftover> collectLeftovers(const std::string& file, const std::string& profileDirectory) {
  struct Found {
    Leftover leftover;
    int64_t modified;
  };
  std::vector<Found> found;
  for (const AsidePlace& place : asidePlaces(file, profileDirectory)) {
    if (place.dir.empty()) continue;
    auto entries = fs::listDirectory(place.dir);
    if (!entries) continue;
    for (const fs::DirectoryEntry& entry : *entries) {
      auto kind = asideKindOf(place, entry.name);
      if (!kind) continue;
      std::string path = asidePath(place, entry.name);
      auto st = fs::linkStatus(path);
      if (!st || !st->isRegular) continue;  // never one of the user's links
      fs::File leftover = fs::File::openRead(path);
      if (!leftover.isOpen() || !leftover.tryLock()) continue;  // a save still running
      if (isRedundant(*kind, leftover, st->size, file)) {
        fs::remove(path);
        continue;
      }
      found.push_back({{*kind, path}, st->modifiedNs});
    }
  }
  // Newest first; copies written within one tick of the clock go by their
  // number (a longer name, then the greater one, is the later copy).
  auto order = [](const Found& f) {
    return std::tuple(importance(f.leftover.kind), -f.modified, -static_cast<int64_t>(f.leftover.path.size()));
  };
  std::sort(found.begin(), found.end(), [&](const Found& a, const Found& b) {
    if (order(a) != order(b)) return order(a) < order(b);
    return a.leftover.path > b.leftover.path;
  });
  std::vector<Leftover> leftovers;
  for (Found& f : found) leftovers.push_back(std::move(f.leftover));
  return leftovers;
}

std::string leftoverNotice(std::string_view file, const std::vector<Leftover>& leftovers) {
  if (leftovers.empty()) return "";
  const Leftover& first = leftovers.front();
  // The file was just opened: a copy beside it is named without its folder.
  std::string copy = directoryOf(first.path) == directoryOf(file) ? std::string(baseNameOf(first.path)) : first.path;
  std::string notice;
  switch (first.kind) {
    case AsideKind::OldText:
      notice = "Unfinished save: the old text is in \"" + copy + "\"";
      break;
    case AsideKind::Recovery:
      notice = "Earlier unsaved changes are in \"" + copy + "\"";
      break;
    case AsideKind::SaveInProgress:
      notice = "Unfinished save: the new text is in \"" + copy + "\"";
      break;
  }
  if (leftovers.size() > 1) notice += " (and " + std::to_string(leftovers.size() - 1) + " more)";
  return notice;
}

}  // namespace tarn
