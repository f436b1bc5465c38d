#pragma once
// The threads the window's counts run on: as many as the computer has cores,
// behind the window's own thread, so that a click is drawn at once while a
// count runs.

namespace korvana::ui {

// How many threads a count of the window may use.
int countingThreads();

// Puts the calling thread, and the threads it starts afterwards, behind the
// window's: a job calls it first thing on its own thread.
void countBehindTheWindow();

}  // namespace korvana::ui
