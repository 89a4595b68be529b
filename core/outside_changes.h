// Changes made to open files by other programs while the editor was in the
// background: what each file looked like when the focus went, compared when
// it comes back.
#pragma once
#include <cstdint>
#include <map>
#include <string>

namespace tarn {

struct Editor;
struct Document;

class OutsideChanges {
 public:
  explicit OutsideChanges(Editor& editor) : editor_(editor) {}

  // Records every open file's last-write time and read-only state.
  void focusLost();
  // Offers to reload each file that changed meanwhile.
  void focusGained();
  // The editor wrote the document's file itself: that is no outside change.
  void noteWritten(const Document& doc);

 private:
  struct Seen {
    int documentId = 0;
    std::string name;
    bool exists = false;
    int64_t modifiedNs = 0;
    bool readOnly = false;
  };
  static Seen look(const Document& doc);
  void reload(int slot, const Seen& before, const Seen& now);

  Editor& editor_;
  std::map<int, Seen> seen_;  // by slot
  bool focused_ = true;
};

}  // namespace tarn
