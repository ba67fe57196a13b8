// The notation's file kinds as rows of the format table: what each is called, the names it
// goes by, what it holds, and its reader and writer.
#pragma once

#include <string_view>
#include <vector>

#include "Notation/Content.h"

namespace notation {

struct NotationFormat {
    enum class Holds { Line, Position, LineOrPosition };
    const char* name;                         // for file dialogs and messages
    std::vector<std::string_view> extensions; // lower case, without the dot
    Holds holds;
    ReadResult (*read)(std::string_view bytes);
    WriteResult (*write)(const Content& content);
};

// .txt, .psq and .pos, in that order.
const std::vector<NotationFormat>& NotationFormats();

// The row whose extension is `extension` (any case, without the dot), or nullptr.
const NotationFormat* NotationFormatFor(std::string_view extension);

} // namespace notation
