#include "integration/choice_list.h"

#include <algorithm>

#include "core/border_map.h"
#include "core/editor.h"
#include "core/text_case.h"
#include "core/update_batch.h"
#include "core/window_painter.h"
#include "platform/vk.h"

namespace tarn {

namespace {

using readkey::kEnter;
using readkey::kEscape;
constexpr int kFrameRows = 2;
constexpr int kScreenMargin = 2;  // rows and columns kept free around the list

// What readKey gives for a key without a character.
constexpr int keyOf(uint16_t vk) { return vk * 256; }

class ChoiceList {
 public:
  ChoiceList(Editor& editor, std::string_view title, std::string_view button, const std::vector<std::string>& names)
      : editor_(editor), title_(title), button_(button), names_(names) {}

  std::optional<size_t> run() {
    UpdatesShown shown(editor_);
    std::optional<size_t> chosen;
    for (;;) {
      draw();
      const int key = editor_.input.readKey();
      if (key == kEnter) chosen = selected_;
      if (key == kEnter || key == kEscape || key < 0) break;
      move(key);
    }
    editor_.screen.redraw(true);
    return chosen;
  }

 private:
  void move(int key) {
    const int last = static_cast<int>(names_.size()) - 1;
    int at = static_cast<int>(selected_);
    if (key == keyOf(vk::kUp)) at -= 1;
    else if (key == keyOf(vk::kDown)) at += 1;
    else if (key == keyOf(vk::kPrior)) at -= shownRows();
    else if (key == keyOf(vk::kNext)) at += shownRows();
    else if (key == keyOf(vk::kHome)) at = 0;
    else if (key == keyOf(vk::kEnd)) at = last;
    else if (key > ' ' && key < 256) at = nextStartingWith(static_cast<char>(key));
    selected_ = static_cast<size_t>(std::clamp(at, 0, last));
  }

  int nextStartingWith(char c) const {
    for (size_t step = 1; step <= names_.size(); ++step) {
      const size_t at = (selected_ + step) % names_.size();
      if (!names_[at].empty() && asciiLower(names_[at].front()) == asciiLower(c)) return static_cast<int>(at);
    }
    return static_cast<int>(selected_);
  }

  int shownRows() const {
    const int room = editor_.screen.currentLayout().size.rows - kFrameRows - 2 * kScreenMargin;
    return std::clamp(static_cast<int>(names_.size()), 1, std::max(1, room));
  }

  void draw() {
    Screen& screen = editor_.screen;
    const ConsoleSize size = screen.currentLayout().size;
    size_t widest = std::max(title_.size(), button_.size()) + 2;
    for (const std::string& name : names_) widest = std::max(widest, name.size());
    Screen::Box box;
    box.width = std::clamp(static_cast<int>(widest) + 4, 2, std::max(2, size.columns - 2 * kScreenMargin));
    box.left = (size.columns - box.width) / 2;
    const int rows = shownRows();
    box.top = std::max(0, (size.rows - rows - kFrameRows) / 2);
    if (selected_ < first_) first_ = selected_;
    if (selected_ >= first_ + static_cast<size_t>(rows)) first_ = selected_ - static_cast<size_t>(rows) + 1;

    const Attribute attr = listAttribute();
    const std::string_view f = builtInBorders();
    const char top[] = {f[border::kTopLeft], f[border::kTopRight]};
    const char bottom[] = {f[border::kBottomLeft], f[border::kBottomRight]};
    const char side = f[border::kVertical];
    screen.frameRow(box, box.top, {top, 2}, f[border::kHorizontal], true, title_, attr);
    const int inner = box.width - 2;
    for (int row = 0; row < rows; ++row) {
      const size_t at = first_ + static_cast<size_t>(row);
      std::string text = at < names_.size() ? " " + names_[at] : std::string();
      text.resize(static_cast<size_t>(inner), ' ');
      const int y = box.top + 1 + row;
      screen.writeFrameText(box.left, y, {&side, 1}, attr);
      screen.writeText(box.left + 1, y, text, at == selected_ ? swappedColours(attr) : attr);
      screen.writeFrameText(box.left + box.width - 1, y, {&side, 1}, attr);
    }
    screen.frameRow(box, box.top + 1 + rows, {bottom, 2}, f[border::kHorizontal], true, button_, attr);
    editor_.console.setCursorPosition(box.left + 1, box.top + 1 + static_cast<int>(selected_ - first_));
    editor_.console.flush();
  }

  // The fifth pair of `set colors` is the lists'.
  Attribute listAttribute() const {
    const auto& c = editor_.settings.colours;
    return static_cast<Attribute>(((c[8] & 0xF) << 4) | (c[9] & 0xF));
  }
  Editor& editor_;
  std::string_view title_;
  std::string_view button_;
  const std::vector<std::string>& names_;
  size_t selected_ = 0;
  size_t first_ = 0;  // the name on the list's first row
};

}  // namespace

std::optional<size_t> chooseFromList(Editor& editor, std::string_view title, std::string_view button,
                                     const std::vector<std::string>& names) {
  if (names.empty()) return std::nullopt;
  return ChoiceList(editor, title, button, names).run();
}

}  // namespace tarn
