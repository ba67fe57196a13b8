#include "main/FormatTable.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "Notation/Content.h"
#include "Notation/Pos.h"
#include "Notation/Psq.h"
#include "Notation/TextRecord.h"
#include "Record/LibFormat.h"
#include "Record/SgfFormat.h"
#include "Set_Data/Set_Data.h"
#include "main/Cp932.h"
#include "main/HaisekiFile.h"
#include "main/KifuFile.h"
#include "main/Settings.h"
#include "platform/ReadWhole.h"

namespace {

RecordRead Refused(std::string message)
{
    RecordRead read;
    read.message = std::move(message);
    return read;
}

RecordWrite Refusal(std::string message)
{
    RecordWrite write;
    write.message = std::move(message);
    return write;
}

RecordWrite Written(std::string bytes)
{
    RecordWrite write;
    write.bytes = std::move(bytes);
    return write;
}

// The stones of a record's position: its setup, then its line played over it, black first.
// False when a stone lands off the board or on another.
bool StonesOf(const Record& record, std::int32_t (&cells)[CellTableSize])
{
    std::fill(std::begin(cells), std::end(cells), CellEmpty);
    for (const SetupStone& s : record.setup) {
        if (!IsBoardCell(s.cell) || cells[s.cell] != CellEmpty)
            return false;
        cells[s.cell] = CellOf(s.colour);
    }
    std::int32_t colour = CellBlack;
    for (const CellIndex move : RecordLine(record)) {
        if (move != PassMove) {
            if (!IsBoardCell(move) || cells[move] != CellEmpty)
                return false;
            cells[move] = colour;
        }
        colour = Opponent(colour);
    }
    return true;
}

// .kif: the opening and the names of the file head, then the moves as opening replays them:
// with an opening its own three moves stand for the first three slots.
RecordRead ReadKif(std::string_view bytes, const FormatOptions&)
{
    if (bytes.size() < KifuFileSize)
        return Refused(IoErrorMessage(IoShortRead));
    std::uint8_t image[KifuFileSize];
    std::memcpy(image, bytes.data(), KifuFileSize);
    static KifuRecordLayout layout; // 668 bytes; kept off the stack
    if (!DecodeKifuRecord(image, layout))
        return Refused(IoErrorMessage(IoBadContent));
    InitTables();
    std::vector<CellIndex> moves;
    const int opening = layout.Info.Opening;
    if (opening > 0)
        for (int i = 0; i < 3; ++i)
            moves.push_back(OpeningMove(opening, i));
    const int stored = StoredMoveCount(layout);
    for (int i = static_cast<int>(moves.size()); i < stored; ++i)
        moves.push_back(layout.Moves[i]);
    RecordRead read;
    read.record = RecordOfLine(moves);
    read.record->info.blackPlayer = NameText(layout.Info.BlackName);
    read.record->info.whitePlayer = NameText(layout.Info.WhiteName);
    if (opening > 0)
        read.record->info.openingName = OpeningNames[opening];
    return read;
}

RecordWrite WriteKif(const Record& record, const FormatOptions&)
{
    if (!record.setup.empty())
        return Refusal("配石のある局面は棋譜ファイルに保存できません");
    const std::vector<CellIndex> line = RecordLine(record);
    if (line.size() > static_cast<std::size_t>(KifuMoveSlots))
        return Refusal("151手目以降は棋譜ファイルに保存できません");
    for (const CellIndex move : line)
        if (move == PassMove)
            return Refusal("パスのある棋譜は棋譜ファイルに保存できません");
    InitTables();
    static KifuRecordLayout layout; // 668 bytes; kept off the stack
    layout = KifuRecordLayout{};
    layout.Info.Opening = KifOpeningOf(record, line);
    StoreName(layout.Info.BlackName, record.info.blackPlayer);
    StoreName(layout.Info.WhiteName, record.info.whitePlayer);
    std::vector<std::int32_t> moves(line.begin(), line.end());
    StoreMoves(layout, moves.data(), static_cast<int>(moves.size()));
    // The writer checks what a reader will: the opening's replay must fit the board.
    if (!IsOpenableKifuRecord(layout))
        return Refusal("盤の外の点か石のある点への着手を含む棋譜は保存できません");
    std::uint8_t image[KifuFileSize];
    EncodeKifuRecord(layout, image);
    return Written(std::string(reinterpret_cast<const char*>(image), KifuFileSize));
}

// .dat: the stones of the board as setup stones, row by row.
RecordRead ReadDat(std::string_view bytes, const FormatOptions&)
{
    if (bytes.size() < HaisekiFileSize)
        return Refused(IoErrorMessage(IoShortRead));
    std::uint8_t image[HaisekiFileSize];
    std::memcpy(image, bytes.data(), HaisekiFileSize);
    BoardColours colours;
    if (!UnpackBoard(image, colours))
        return Refused(IoErrorMessage(IoBadContent));
    RecordRead read;
    read.record.emplace();
    for (int row = 1; row <= BoardLines; ++row)
        for (int column = 1; column <= BoardLines; ++column) {
            const int v = colours[row - 1][column - 1];
            if (v != CellEmpty)
                read.record->setup.push_back({MakeCell(column, row), static_cast<Colour>(v)});
        }
    return read;
}

RecordWrite WriteDat(const Record& record, const FormatOptions&)
{
    static std::int32_t cells[CellTableSize];
    if (!StonesOf(record, cells))
        return Refusal("盤の外の点か石のある点への着手を含む棋譜は保存できません");
    std::uint8_t image[HaisekiFileSize];
    PackBoard(cells, image);
    return Written(std::string(reinterpret_cast<const char*>(image), HaisekiFileSize));
}

RecordRead ReadLibRow(std::string_view bytes, const FormatOptions& options)
{
    return ReadLib(bytes, options.codePage);
}

RecordWrite WriteLibRow(const Record& record, const FormatOptions& options)
{
    return WriteLib(record, options.codePage);
}

RecordRead ReadSgfRow(std::string_view bytes, const FormatOptions&)
{
    return ReadSgf(bytes);
}

RecordWrite WriteSgfRow(const Record& record, const FormatOptions&)
{
    return WriteSgf(record);
}

// The notation's tags for the game's information, in the order they are written.
struct TagField {
    const char* tag;
    std::string GameInfo::*field;
};
const TagField TagFields[] = {
    {"Event", &GameInfo::event},         {"Date", &GameInfo::date},
    {"Black", &GameInfo::blackPlayer},   {"White", &GameInfo::whitePlayer},
    {"Result", &GameInfo::result},       {"Game", &GameInfo::gameName},
    {"Opening", &GameInfo::openingName},
};

RecordRead FromNotation(const notation::ReadResult& result)
{
    if (!result.ok())
        return Refused(result.error->message);
    const notation::Content& content = result.content;
    RecordRead read;
    if (content.kind == notation::Content::Kind::Line) {
        read.record = RecordOfLine(content.moves);
    } else {
        read.record.emplace();
        for (const CellIndex cell : content.black)
            read.record->setup.push_back({cell, Colour::Black});
        for (const CellIndex cell : content.white)
            read.record->setup.push_back({cell, Colour::White});
    }
    for (const notation::Tag& tag : content.tags)
        for (const TagField& f : TagFields)
            if (tag.name == f.tag)
                read.record->info.*f.field = tag.value;
    return read;
}

// A record as the notation holds it: a line, or a position when it has setup stones only.
std::optional<notation::Content> ToNotation(const Record& record, std::string& refusal)
{
    notation::Content content;
    const std::vector<CellIndex> line = RecordLine(record);
    if (!record.setup.empty()) {
        if (!line.empty()) {
            refusal = "配石と着手の両方がある棋譜はこの形式に保存できません";
            return std::nullopt;
        }
        content.kind = notation::Content::Kind::Position;
        for (const SetupStone& s : record.setup)
            (s.colour == Colour::Black ? content.black : content.white).push_back(s.cell);
    } else {
        content.moves = line;
    }
    for (const TagField& f : TagFields)
        if (!(record.info.*f.field).empty())
            content.tags.push_back({f.tag, record.info.*f.field});
    return content;
}

template <notation::ReadResult (*Read)(std::string_view)>
RecordRead ReadNotation(std::string_view bytes, const FormatOptions&)
{
    return FromNotation(Read(bytes));
}

template <notation::WriteResult (*Write)(const notation::Content&)>
RecordWrite WriteNotation(const Record& record, const FormatOptions&)
{
    std::string refusal;
    const std::optional<notation::Content> content = ToNotation(record, refusal);
    if (!content)
        return Refusal(refusal);
    notation::WriteResult written = Write(*content);
    if (!written.ok())
        return Refusal(written.refusal);
    return Written(std::move(written.bytes));
}

std::string Lower(std::string_view text)
{
    std::string lower;
    for (const char c : text)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

std::string Patterns(const FileFormat& format)
{
    std::string patterns;
    for (const std::string_view extension : format.extensions)
        patterns += (patterns.empty() ? "*." : ";*.") + std::string(extension);
    return patterns;
}

} // namespace

const std::vector<FileFormat>& FileFormats()
{
    using H = FormatHolds;
    using P = PictureFormat;
    static const std::vector<FileFormat> formats = {
        {FormatId::Kif, "棋譜データ", {"kif"}, H::Line, ReadKif, WriteKif, P::Bmp},
        {FormatId::Dat, "盤データ", {"dat"}, H::Position, ReadDat, WriteDat, P::Bmp},
        {FormatId::Bmp, "画像データ", {"bmp"}, H::Picture, nullptr, nullptr, P::Bmp},
        {FormatId::Svg, "SVG 画像", {"svg"}, H::Picture, nullptr, nullptr, P::Svg},
        {FormatId::Pdf, "PDF 文書", {"pdf"}, H::Picture, nullptr, nullptr, P::Pdf},
        {FormatId::Png, "PNG 画像", {"png"}, H::Picture, nullptr, nullptr, P::Png},
        {FormatId::Lib, "RenLib のライブラリ", {"lib"}, H::Tree, ReadLibRow, WriteLibRow, P::Bmp},
        {FormatId::Sgf, "SGF の棋譜", {"sgf"}, H::Tree, ReadSgfRow, WriteSgfRow, P::Bmp},
        {FormatId::Txt,
         "テキストの棋譜",
         {"txt"},
         H::LineOrPosition,
         ReadNotation<notation::ReadText>,
         WriteNotation<notation::WriteText>,
         P::Bmp},
        {FormatId::Psq,
         "Piskvork の棋譜",
         {"psq"},
         H::Line,
         ReadNotation<notation::ReadPsq>,
         WriteNotation<notation::WritePsq>,
         P::Bmp},
        {FormatId::Pos,
         "RenLib の局面",
         {"pos"},
         H::Line,
         ReadNotation<notation::ReadPos>,
         WriteNotation<notation::WritePos>,
         P::Bmp},
        // Read by the collection layer, which stands above this one (it reads through QtCore).
        {FormatId::Rif,
         "RenjuNet のデータベース",
         {"rif"},
         H::Collection,
         nullptr,
         nullptr,
         P::Bmp},
    };
    return formats;
}

const FileFormat& FormatRow(FormatId id)
{
    for (const FileFormat& format : FileFormats())
        if (format.id == id)
            return format;
    return FileFormats().front(); // every id has its row
}

const FileFormat* FormatOfExtension(std::string_view extension)
{
    const std::string lower = Lower(extension);
    for (const FileFormat& format : FileFormats())
        for (const std::string_view known : format.extensions)
            if (known == lower)
                return &format;
    return nullptr;
}

const FileFormat* FormatOfFileName(std::string_view path)
{
    const std::size_t dot = path.find_last_of("./");
    if (dot == std::string_view::npos || path[dot] != '.')
        return nullptr;
    return FormatOfExtension(path.substr(dot + 1));
}

std::string RecordFilter(bool forWriting)
{
    std::string all, rows;
    for (const FileFormat& format : FileFormats()) {
        if (forWriting ? format.write == nullptr : format.read == nullptr)
            continue;
        const std::string patterns = Patterns(format);
        rows +=
            (rows.empty() ? "" : "|") + std::string(format.name) + "(" + patterns + ")|" + patterns;
        all += (all.empty() ? "" : ";") + patterns;
    }
    if (forWriting)
        return rows;
    return "すべての棋譜(" + all + ")|" + all + "|" + rows;
}

std::string LibraryFilter()
{
    std::string rows;
    for (const FileFormat& format : FileFormats()) {
        if (format.holds != FormatHolds::Tree)
            continue;
        const std::string patterns = Patterns(format);
        rows +=
            (rows.empty() ? "" : "|") + std::string(format.name) + "(" + patterns + ")|" + patterns;
    }
    return rows;
}

std::vector<CellIndex> RecordLine(const Record& record)
{
    std::vector<CellIndex> moves, continuation;
    record.tree.CurrentLine(moves);
    record.tree.MainContinuation(continuation);
    moves.insert(moves.end(), continuation.begin(), continuation.end());
    return moves;
}

Record RecordOfLine(const std::vector<CellIndex>& moves)
{
    Record record;
    for (const CellIndex move : moves)
        record.tree.EnterMove(move);
    record.tree.GoTo(record.tree.Root());
    return record;
}

RecordRead ReadRecordFile(const std::string& path, const FileFormat& format,
                          const FormatOptions& options, IoCode& code)
{
    std::string bytes;
    const FileResult result = ReadWholeFile(path, bytes, MaxRecordFileSize);
    code = IoCodeFromErrno(SystemError{result.error}, result.path);
    if (code != IoOk)
        return Refused(IoErrorMessage(code));
    if (format.read == nullptr)
        return Refused(std::string(format.name) + "はこの方法では開けません");
    return format.read(bytes, options);
}

int KifOpeningOf(const Record& record, const std::vector<CellIndex>& line)
{
    if (record.info.openingName.empty() || line.size() < 3)
        return 0;
    for (int k = 1; k <= OpeningCount; ++k) {
        if (record.info.openingName != OpeningNames[k])
            continue;
        for (int i = 0; i < 3; ++i)
            if (line[static_cast<std::size_t>(i)] != OpeningMove(k, i))
                return 0;
        return k;
    }
    return 0;
}
