// The blocks the clipboard is given: the marked text with its line ends,
// and the HTML form with the header that tells where its parts lie.
#pragma once
#include <string>
#include <string_view>

#include "edit/marked_text.h"

namespace tarn {

// Each line followed by CR LF, except the last piece of a character or
// block mark and a last line that had no line end in its file.
std::string clipboardText(const MarkedText& marked);

// The HTML form: the header ("Version:0.9", then StartHTML, EndHTML,
// StartFragment, EndFragment, StartSelection and EndSelection as eight-digit
// byte offsets) before the body. StartHTML is where "<html>" begins, EndHTML
// the block's length, StartFragment and StartSelection where "<pre>" begins,
// EndFragment and EndSelection just after "</pre>"; 0 for a tag the body
// lacks. Tags are found without regard to case.
std::string htmlClipboardBlock(std::string_view body);

// The body of a block in the HTML form: what follows its header, or the
// whole text when it has none.
std::string_view htmlClipboardBody(std::string_view block);

}  // namespace tarn
