#include "core/foreign_files.h"

#include "core/editor.h"

namespace tarn {

std::optional<std::vector<std::string>> UnsupportedForeignFiles::openZip(const std::string&) {
  editor_.screen.message("Zip archives are not supported yet");
  return std::nullopt;
}

std::optional<std::string> UnsupportedForeignFiles::openFtp(const std::string&) {
  editor_.screen.message("FTP files are not supported yet");
  return std::nullopt;
}

bool UnsupportedForeignFiles::openWorkspace(const std::string&, const EditRequest&) {
  editor_.screen.message("Workspaces are not supported yet");
  return false;
}

}  // namespace tarn
