// The one table of the file formats Korvane knows: each row names a format, the extensions
// it goes by, what it holds, and how its bytes are read and written. Every command that
// opens, saves, converts or exports a file finds its row here; nothing else looks at a
// file name's extension.
//
// The value every record row reads and writes is a Record (src/Record): a tree, the game's
// information and setup stones. A line is a tree of one branch, a position its setup.
// Rows whose codec lives above this layer (the picture encoders of src/drawing, the
// collection reader over QtCore) carry no functions here, only what picks that codec.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Record/Record.h"
#include "Text/CodePage.h"
#include "main/FileIo.h"
#include "main/Port.h"

enum class FormatHolds { Line, Tree, Position, LineOrPosition, Collection, Picture };

enum class FormatId { Kif, Dat, Bmp, Svg, Pdf, Png, Lib, Sgf, Txt, Psq, Pos, Rif };

struct FormatOptions {
    // The text encoding of a .lib read or written; detected (read) or kept (write) when absent.
    std::optional<CodePage> codePage;
};

struct FileFormat {
    FormatId id;
    const char* name;                         // for file dialogs and messages
    std::vector<std::string_view> extensions; // lower case, without the dot
    FormatHolds holds;
    // Bytes in memory to a record, or a message naming what is wrong and where; null when
    // the row is not read in this layer.
    RecordRead (*read)(std::string_view bytes, const FormatOptions& options);
    // A record to bytes, or a refusal saying why; null for a row not written here.
    RecordWrite (*write)(const Record& record, const FormatOptions& options);
    PictureFormat picture; // the encoder of a Picture row; Bmp elsewhere

    bool IsRecord() const { return read != nullptr || write != nullptr; }
};

const std::vector<FileFormat>& FileFormats();
const FileFormat& FormatRow(FormatId id);

// The row whose extensions hold `extension` (any case, without the dot), or nullptr.
const FileFormat* FormatOfExtension(std::string_view extension);
// The row of a file name by its extension (the part after the last dot of the last path
// component), or nullptr.
const FileFormat* FormatOfFileName(std::string_view path);

// A file dialog's filter of the record rows that can be read (or written): one entry of all
// of them first when reading, then one per row, "name(*.a;*.b)|*.a;*.b".
std::string RecordFilter(bool forWriting);
// The filter of the rows that hold a whole tree (.lib, .sgf), one entry per row.
std::string LibraryFilter();

// The moves of a record's current line (from the root, then on along first children):
// cells, PassMove for a pass.
std::vector<CellIndex> RecordLine(const Record& record);
// A record of one line of moves, black first.
Record RecordOfLine(const std::vector<CellIndex>& moves);
// The standard opening (1 to 26) a record is written and opened with: the one it names, when
// the first three moves of `line` are that opening's own (a .kif replays the table's moves in
// their place); 0 otherwise.
int KifOpeningOf(const Record& record, const std::vector<CellIndex>& line);

// The largest file a record row is read from: far above any real library.
constexpr std::size_t MaxRecordFileSize = 512u << 20;

// Reads the file at `path` whole and through the row's reader. `code` gets the file step's
// failure (IoOk when the file was read, even when its content is refused).
RecordRead ReadRecordFile(const std::string& path, const FileFormat& format,
                          const FormatOptions& options, IoCode& code);
