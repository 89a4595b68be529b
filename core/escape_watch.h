// Long runs of work (loops of function strings, queued functions, macro
// playback, the pauses of a slow demonstration) look at the console now and
// then: an Esc key press waiting there stops them, and so does a
// termination signal.
#pragma once
#include <chrono>

namespace tarn {

struct Editor;

// Reads what is waiting at the console: a pending Esc is taken and reported;
// everything else stays queued in order. A termination signal that arrived
// is handled and reported too.
bool escapePending(Editor& editor);

// Waits for the time given unless Esc or a termination comes first; true
// when one did.
bool waitUnlessEscape(Editor& editor, std::chrono::milliseconds time);

}  // namespace tarn
