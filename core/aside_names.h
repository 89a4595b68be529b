// Names of the copies kept aside a file: the temporary file a save writes
// before it takes the file's place, the copy of the old text while a file
// is written in place, and the recovery copy of unsaved changes when a
// signal ends the editor. Every name stays within the file system's limit
// of 255 bytes, however long the file's own name is.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

enum class AsideKind {
  SaveInProgress,  // ".<stem>.tarn-XXXXXX": the new text, until it is renamed over the file
  OldText,         // ".<stem>.tarn-old-XXXXXX": the old text, while the file is written in place
  Recovery,        // "<stem>.tarn-save", "<stem>.tarn-save-2", ...: unsaved changes
};

// A directory the copies of one file go to, and the stem their names start
// from: the file's own name beside it (cut and marked with a hash when too
// long), its name and a hash of its full name anywhere else.
struct AsidePlace {
  std::string dir;
  std::string stem;
};

AsidePlace besideFile(const std::string& path);
AsidePlace elsewhere(const std::string& path, const std::string& dir);
// Where the copies of a document's file may be: beside it, then in the
// profile directory (only there for a document without a file of its own).
std::vector<AsidePlace> asidePlaces(const std::string& path, const std::string& profileDirectory);

// A name in the place's directory.
std::string asidePath(const AsidePlace& place, std::string_view name);
// The start of a temporary name (six random characters follow).
std::string temporaryPrefix(const AsidePlace& place, AsideKind kind);
// The n-th recovery copy (n from 1).
std::string recoveryName(const AsidePlace& place, int n);
constexpr int kMostRecoveryCopies = 999;

// What an entry of the place's directory is to the file, if anything.
std::optional<AsideKind> asideKindOf(const AsidePlace& place, std::string_view entry);

}  // namespace tarn
