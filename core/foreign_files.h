// Specifications that are not plain local files: zip archives, files on FTP
// servers and workspaces. Their members and downloads are edited through
// local copies; the integration layer installs the handlers that make them.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace tarn {

struct Editor;
struct EditRequest;

class ForeignFiles {
 public:
  virtual ~ForeignFiles() = default;

  // Expands a zip archive: the local copies of its members to open, or none
  // after a message.
  virtual std::optional<std::vector<std::string>> openZip(const std::string& archive) = 0;
  // Downloads a file: its local copy, or none after a message.
  virtual std::optional<std::string> openFtp(const std::string& url) = 0;
  // Opens the files a workspace names; false after a message.
  virtual bool openWorkspace(const std::string& path, const EditRequest& request) = 0;

  // A local copy was written: the archive or the server copy follows it.
  virtual void copySaved(const std::string& copy) = 0;
  // How a local copy is named to the user: "(archive) member" or the URL.
  virtual std::string shownName(const std::string& copy) = 0;
};

// Until the integration layer installs its handlers: each kind says it is
// not supported yet.
class UnsupportedForeignFiles : public ForeignFiles {
 public:
  explicit UnsupportedForeignFiles(Editor& editor) : editor_(editor) {}

  std::optional<std::vector<std::string>> openZip(const std::string& archive) override;
  std::optional<std::string> openFtp(const std::string& url) override;
  bool openWorkspace(const std::string& path, const EditRequest& request) override;
  void copySaved(const std::string&) override {}
  std::string shownName(const std::string& copy) override { return copy; }

 private:
  Editor& editor_;
};

}  // namespace tarn
