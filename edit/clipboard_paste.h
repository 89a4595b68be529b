// Text coming into a file from the clipboard: paste text (0x987), and
// `copy from clipboard` (0x302), which reads the clipboard and pastes it.
#pragma once
#include <cstdint>

#include "core/editor.h"
#include "platform/code_page.h"

namespace tarn {

// Argument 1 bits of paste text and of copy from clipboard.
namespace pasteflag {
// In replace mode the text types over what stands at the cursor; without
// it the text is always inserted.
constexpr intptr_t kTypeOver = 0x1;
// `block from clipboard`: each line end goes down one line and back to the
// column the paste began at, so that the lines land as a rectangle.
constexpr intptr_t kBlock = 0x2;
}  // namespace pasteflag

// The page the console shows text in: the clipboard's text is converted
// from and to it.
const CodePage& consolePage(const Editor& editor);

}  // namespace tarn
