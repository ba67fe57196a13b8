#include "Collection/Sources/CollectionSources.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "Notation/Opening.h"
#include "Record/LibFormat.h"
#include "Record/SgfFormat.h"
#include "Set_Data/Set_Data.h"
#include "main/FormatTable.h"

namespace {

constexpr const char* NotACollection =
    "not a collection: give a .rif database, a folder of records or a .lib or .sgf library";

std::string Lower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// Black's result in half points from the words records use for it.
std::int8_t ResultFromText(const std::string& text)
{
    const std::string r = Lower(text);
    if (r.rfind("b+", 0) == 0 || r == "1-0")
        return 2;
    if (r.rfind("w+", 0) == 0 || r == "0-1")
        return 0;
    if (r == "0" || r == "draw" || r == "jigo" || r == "1/2-1/2" || r == "0.5")
        return 1;
    return ResultUnknown;
}

// What one record says of all the games in it.
struct GameHead {
    std::string black, white, event, result;
    std::int32_t source = -1;
};

class Builder {
public:
    explicit Builder(Collection& collection) : c(collection) {}

    // One game: the set-up stones (placed in turn, black first, a pass where one colour has
    // run out), then the moves. A move onto a stone, or more than the move table holds,
    // makes it damaged; its moves stop before that one.
    void Add(const GameHead& head, const std::vector<CellIndex>& black,
             const std::vector<CellIndex>& white, const std::vector<CellIndex>& moves,
             bool damaged = false)
    {
        CollectionGame game;
        game.id = static_cast<std::int64_t>(c.games.size()) + 1;
        game.black = Name(players, c.players, head.black);
        game.white = Name(players, c.players, head.white);
        if (!head.event.empty()) {
            const auto it = tournaments.try_emplace(head.event, c.tournaments.size());
            if (it.second)
                c.tournaments.push_back({head.event, 0});
            game.tournament = static_cast<std::int32_t>(it.first->second);
        }
        game.result = ResultFromText(head.result);
        game.source = head.source;
        game.firstMove = static_cast<std::uint32_t>(c.moves.size());
        game.damaged = damaged;

        // In pairs, so that moves after the setup start with black as the tree has them.
        std::vector<CellIndex> line;
        for (std::size_t i = 0; i < std::max(black.size(), white.size()); ++i) {
            line.push_back(i < black.size() ? black[i] : 0);
            line.push_back(i < white.size() ? white[i] : 0);
        }
        if (!line.empty() && line.back() == 0 && moves.empty())
            line.pop_back(); // left to move by the stone counts, as a search asks
        const std::size_t setup = line.size();
        line.insert(line.end(), moves.begin(), moves.end());

        bool taken[CellTableSize] = {};
        std::size_t kept = 0;
        for (; kept < line.size() && !game.damaged; ++kept) {
            const CellIndex cell = line[kept];
            if (kept >= 255) {
                game.damaged = true;
                break;
            }
            if (cell == 0)
                continue;
            if (!IsBoardCell(cell) || taken[cell]) {
                game.damaged = true;
                break;
            }
            taken[cell] = true;
        }
        if (kept < setup)
            kept = 0; // a broken setup leaves nothing to search
        for (std::size_t i = 0; i < kept; ++i)
            c.moves.push_back(static_cast<std::uint8_t>(line[i]));
        game.moveCount = static_cast<std::uint8_t>(kept);
        game.setup = static_cast<std::uint8_t>(std::min(setup, kept));
        if (setup == 0) {
            const int opening = notation::OpeningNumber(line.data(), kept);
            if (opening > 0)
                game.opening = OpeningRow(opening);
        }
        c.games.push_back(game);
    }

    // Every line from the root to a leaf of the record's tree.
    void AddRecord(const Record& record, GameHead head)
    {
        if (head.black.empty())
            head.black = record.info.blackPlayer;
        if (head.white.empty())
            head.white = record.info.whitePlayer;
        if (head.event.empty())
            head.event = record.info.event;
        if (head.result.empty())
            head.result = record.info.result;
        std::vector<CellIndex> black, white;
        for (const SetupStone& stone : record.setup)
            (stone.colour == Colour::Black ? black : white).push_back(stone.cell);
        const RecordTree& tree = record.tree;
        std::vector<CellIndex> path;
        // Depth first without recursion: a library may be thousands of moves deep.
        std::vector<NodeId> stack{tree.Root()};
        std::vector<std::size_t> depthOf{0};
        while (!stack.empty()) {
            const NodeId id = stack.back();
            const std::size_t depth = depthOf.back();
            stack.pop_back();
            depthOf.pop_back();
            const RecordNode& node = tree.Node(id);
            path.resize(depth);
            if (id != tree.Root())
                path.push_back(node.move == NoMove ? 0 : node.move);
            if (node.firstChild == NoNode) {
                Add(head, black, white, path);
                continue;
            }
            std::vector<NodeId> children;
            for (NodeId child = node.firstChild; child != NoNode;
                 child = tree.Node(child).nextSibling)
                children.push_back(child);
            // Pushed last first, so the first child's line comes out first.
            for (auto it = children.rbegin(); it != children.rend(); ++it) {
                stack.push_back(*it);
                depthOf.push_back(path.size());
            }
        }
    }

    std::int32_t Source(const std::string& path)
    {
        c.sources.push_back(path);
        return static_cast<std::int32_t>(c.sources.size()) - 1;
    }

private:
    static std::int32_t Name(std::unordered_map<std::string, std::size_t>& map,
                             std::vector<CollectionPlayer>& rows, const std::string& name)
    {
        if (name.empty())
            return -1;
        const auto it = map.try_emplace(name, rows.size());
        if (it.second)
            rows.push_back({name, {}});
        return static_cast<std::int32_t>(it.first->second);
    }

    std::int32_t OpeningRow(int number)
    {
        if (c.openings.empty())
            for (int k = 1; k <= 26; ++k)
                c.openings.push_back({std::to_string(k), OpeningNames[k]});
        return number - 1;
    }

    Collection& c;
    std::unordered_map<std::string, std::size_t> players, tournaments;
};

bool ReadBytes(const QString& path, std::string& bytes, std::string& why)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        why = file.errorString().toStdString();
        return false;
    }
    const QByteArray data = file.readAll();
    bytes.assign(data.constData(), static_cast<std::size_t>(data.size()));
    return true;
}

// One file of a folder: its games, or one damaged game when it cannot be read.
void AddFile(Builder& builder, const QString& path, const std::string& extension)
{
    GameHead head;
    head.source = builder.Source(QDir::toNativeSeparators(path).toStdString());
    std::string bytes;
    std::string why;
    if (!ReadBytes(path, bytes, why)) {
        builder.Add(head, {}, {}, {}, true);
        return;
    }
    // Each file through its row of the format table, as the editor would open it.
    const FileFormat* format = FormatOfExtension(extension);
    const RecordRead read =
        format != nullptr && format->read != nullptr ? format->read(bytes, {}) : RecordRead{};
    if (!read.record)
        builder.Add(head, {}, {}, {}, true);
    else
        builder.AddRecord(*read.record, head);
}

bool IsRecordExtension(const std::string& extension)
{
    return extension == "kif" || extension == "sgf" || extension == "psq" || extension == "pos" ||
           extension == "txt";
}

CollectionOpenResult OpenFolder(const QString& folder, Collection& collection,
                                const ReadProgress& progress)
{
    const std::vector<std::string> files = RecordFilesUnder(folder.toStdString());
    Builder builder(collection);
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (progress && i % 64 == 0 && !progress(i, files.size())) {
            collection = Collection();
            return {false, "cancelled"};
        }
        const QString file = QString::fromStdString(files[i]);
        AddFile(builder, file, QFileInfo(file).suffix().toLower().toStdString());
    }
    return {true, {}};
}

CollectionOpenResult OpenLibrary(const QString& path, const std::string& extension,
                                 Collection& collection)
{
    std::string bytes;
    std::string why;
    if (!ReadBytes(path, bytes, why))
        return {false, "cannot be opened: " + why};
    const RecordRead read = extension == "lib" ? ReadLib(bytes) : ReadSgf(bytes);
    if (!read.record)
        return {false, "not a library: " + read.message};
    Builder builder(collection);
    GameHead head;
    head.source = builder.Source(QDir::toNativeSeparators(path).toStdString());
    builder.AddRecord(*read.record, head);
    return {true, {}};
}

} // namespace

std::vector<std::string> RecordFilesUnder(const std::string& folder)
{
    QStringList files;
    QDirIterator it(QString::fromStdString(folder), QDir::Files | QDir::Readable,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (IsRecordExtension(QFileInfo(path).suffix().toLower().toStdString()))
            files.push_back(path);
    }
    // The same folder lists the same games in the same order on every system.
    files.sort();
    std::vector<std::string> paths;
    for (const QString& file : files)
        paths.push_back(file.toStdString());
    return paths;
}

CollectionOpenResult OpenCollection(const std::string& path, Collection& collection,
                                    const ReadProgress& progress)
{
    collection = Collection();
    InitTables(); // the opening table, for the openings of .kif records
    const QString name = QString::fromStdString(path);
    const QFileInfo info(name);
    if (!info.exists())
        return {false, "cannot be opened: no such file or folder"};
    if (info.isDir())
        return OpenFolder(name, collection, progress);
    const std::string extension = info.suffix().toLower().toStdString();
    if (extension == "rif") {
        const RifReadResult read = ReadRifFile(path, collection, progress);
        return {read.ok, read.message};
    }
    if (extension == "lib" || extension == "sgf")
        return OpenLibrary(name, extension, collection);
    return {false, NotACollection};
}
