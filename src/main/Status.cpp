#include "main/Status.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string>

#include "main/Port.h"

namespace {

// The text handed to the window; its room is kept between writes, so rewriting the
// status allocates only the first time.
std::string Shown;
int BatchDepth = 0;
bool Pending = false;
// Work that waits for the end of the batch, each entry once.
constexpr int DeferredRoom = 4;
void (*Deferred[DeferredRoom])() = {};
int DeferredCount = 0;

void Publish()
{
    Pending = false;
    Window->SetMemo(Shown);
}

} // namespace

StatusBatch::StatusBatch()
{
    ++BatchDepth;
}

StatusBatch::~StatusBatch()
{
    if (--BatchDepth != 0)
        return;
    if (Pending)
        Publish();
    const int count = DeferredCount;
    DeferredCount = 0;
    for (int i = 0; i < count; ++i)
        Deferred[i]();
}

bool StatusBatchOpen()
{
    return BatchDepth > 0;
}

void DeferUntilBatchEnds(void (*work)())
{
    for (int i = 0; i < DeferredCount; ++i)
        if (Deferred[i] == work)
            return;
    if (DeferredCount < DeferredRoom)
        Deferred[DeferredCount++] = work;
    else
        work(); // no room left: do it now rather than never
}

void WriteStatus(std::string_view text)
{
    if (Shown.capacity() < 64)
        Shown.reserve(64);
    Shown.assign(text.data(), text.size());
    if (BatchDepth > 0)
        Pending = true;
    else
        Publish();
}

StatusText& StatusText::operator<<(std::string_view text)
{
    const std::size_t n = std::min(text.size(), sizeof chars_ - size_);
    std::memcpy(chars_ + size_, text.data(), n);
    size_ += n;
    return *this;
}

StatusText& StatusText::operator<<(int number)
{
    const auto result = std::to_chars(chars_ + size_, chars_ + sizeof chars_, number);
    if (result.ec == std::errc())
        size_ = static_cast<std::size_t>(result.ptr - chars_);
    return *this;
}
