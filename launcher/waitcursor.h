#pragma once
// The wait cursor around operations that may take a moment (asking the shell to start a
// program or open an address). Pairs nest: the hourglass stays until the last one ends.

// Counts one more waiting operation and shows the hourglass everywhere.
void BeginWaitCursor();
// Counts one fewer; the cursors return to normal when none is left. Without a waiting
// operation it does nothing.
void EndWaitCursor();
// The number of operations waiting now.
int WaitCursorCount();

// Shows the wait cursor for the guard's lifetime, also when an error passes through.
class TWaitCursor {
public:
    TWaitCursor() { BeginWaitCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
    ~TWaitCursor() { EndWaitCursor(); }
};
