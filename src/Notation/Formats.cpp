#include "Notation/Formats.h"

#include <cctype>
#include <string>

#include "Notation/Pos.h"
#include "Notation/Psq.h"
#include "Notation/TextRecord.h"

namespace notation {

const std::vector<NotationFormat>& NotationFormats()
{
    static const std::vector<NotationFormat> formats = {
        {"テキストの棋譜", {"txt"}, NotationFormat::Holds::LineOrPosition, ReadText, WriteText},
        {"Piskvork の棋譜", {"psq"}, NotationFormat::Holds::Line, ReadPsq, WritePsq},
        {"RenLib の局面", {"pos"}, NotationFormat::Holds::Line, ReadPos, WritePos},
    };
    return formats;
}

const NotationFormat* NotationFormatFor(std::string_view extension)
{
    std::string lower;
    for (const char c : extension)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const NotationFormat& format : NotationFormats())
        for (const std::string_view known : format.extensions)
            if (known == lower)
                return &format;
    return nullptr;
}

} // namespace notation
