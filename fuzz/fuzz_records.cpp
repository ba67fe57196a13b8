// The record rows of the format table: the first byte picks a row, the rest is the file.
// Every input is read or refused with a message; a record that is read and can be written
// back must read again from what was written, or a saved file would not open.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "main/FormatTable.h"

namespace {

const std::vector<const FileFormat*>& ReadRows()
{
    static const std::vector<const FileFormat*> rows = [] {
        std::vector<const FileFormat*> found;
        for (const FileFormat& format : FileFormats())
            if (format.read != nullptr)
                found.push_back(&format);
        return found;
    }();
    return rows;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const FileFormat& format = *ReadRows()[data[0] % ReadRows().size()];
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const RecordRead read = format.read(bytes, {});
    if (!read.record) {
        if (read.message.empty())
            __builtin_trap(); // a refusal must say why
        return 0;
    }
    if (format.write == nullptr)
        return 0;
    const RecordWrite written = format.write(*read.record, {});
    if (!written.bytes)
        return 0;
    if (!format.read(*written.bytes, {}).record)
        __builtin_trap();
    return 0;
}
