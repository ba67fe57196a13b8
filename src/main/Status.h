// The status box Memo1. A command that replays or takes back many moves composes the
// status line after each of them; the box itself is written once, with the last line,
// when the command ends.
#pragma once

#include <cstddef>
#include <string_view>

// While one lives, status writes only keep their text; the outermost one, ending,
// writes the box once if anything was kept.
class StatusBatch {
public:
    StatusBatch();
    ~StatusBatch();
    StatusBatch(const StatusBatch&) = delete;
    StatusBatch& operator=(const StatusBatch&) = delete;
};

// Whether a batch is open: the current command writes its status when it ends.
bool StatusBatchOpen();
// Runs `work` once when the open batch ends, after the status is written, however often
// it is asked for meanwhile.
void DeferUntilBatchEnds(void (*work)());

// Replaces the whole content of Memo1 (at once, or at the end of the batch).
void WriteStatus(std::string_view text);

// A status text composed in place: the status is rewritten on every move, and a move
// allocates nothing.
class StatusText {
public:
    StatusText& operator<<(std::string_view text);
    StatusText& operator<<(int number);
    std::string_view View() const { return {chars_, size_}; }

private:
    char chars_[64];
    std::size_t size_ = 0;
};
