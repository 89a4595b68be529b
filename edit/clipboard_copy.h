// The marked text going to the clipboard: the engine's copy in one form
// (0x301), and the dispatcher's `copy to clipboard`, `append to clipboard`
// and cut, which offer the text of an HTML or RTF document in that rich
// form as well.
#pragma once

namespace tarn {

struct Document;
struct Editor;
struct MarkedText;
class SyntaxColouring;

// Argument 1 bits of the engine's copy (0x301).
namespace clipbits {
constexpr int kAppend = 0x1;  // after the clipboard's text of that form
constexpr int kHtml = 0x2;    // the HTML form (with its header), beside the text
constexpr int kRtf = 0x4;     // the RTF form, beside the text
}  // namespace clipbits

// The marked text as the clipboard's text, after the text it holds when
// appending; when current is an HTML or RTF document (named so, and coloured
// by the set of such files), in that rich form as well.
void putOnClipboard(Editor& editor, const SyntaxColouring& colouring, const MarkedText& marked,
                    const Document* current, bool append);

// `copy to clipboard` (append false) and `append to clipboard`: false when
// no file holds a mark.
bool copyMarkToClipboard(Editor& editor, const SyntaxColouring& colouring, bool append);

// Cut: copied, then the mark deleted in its file.
bool cutMarkToClipboard(Editor& editor, const SyntaxColouring& colouring);

}  // namespace tarn
