#include "Collection/Sources/IndexCache.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <cstdio>
#include <cstring>
#include <type_traits>

namespace {

// Changed whenever the saved form or the index's keys change.
constexpr const char Magic[8] = {'K', 'V', 'I', 'D', 'X', '0', '0', '2'};
static_assert(std::is_trivially_copyable<CollectionGame>::value, "games are saved as bytes");

// A fast hash of a file's bytes, four lanes of eight bytes at a time.
std::uint64_t Mix(std::uint64_t h, std::uint64_t word)
{
    h ^= word * 0x9e3779b97f4a7c15ull;
    h = (h << 31) | (h >> 33);
    return h * 0xbf58476d1ce4e5b9ull;
}

std::uint64_t HashBytes(const char* data, std::size_t size)
{
    std::uint64_t lane[4] = {1, 2, 3, 4};
    std::size_t i = 0;
    for (; i + 32 <= size; i += 32)
        for (int k = 0; k < 4; ++k) {
            std::uint64_t word;
            std::memcpy(&word, data + i + 8 * k, 8);
            lane[k] = Mix(lane[k], word);
        }
    std::uint64_t h = size;
    for (; i < size; ++i)
        h = Mix(h, static_cast<unsigned char>(data[i]));
    for (std::uint64_t l : lane)
        h = Mix(h, l);
    return h;
}

std::string Hex(std::uint64_t value)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

// The file's part of the key; false when it cannot be read.
bool KeyOfFile(const QString& path, std::string& key)
{
    const QFileInfo info(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    std::uint64_t hash = 0;
    // In pieces, so that hashing a large database costs no memory.
    std::vector<char> buffer(1 << 20);
    for (;;) {
        const qint64 got = file.read(buffer.data(), static_cast<qint64>(buffer.size()));
        if (got < 0)
            return false;
        if (got == 0)
            break;
        hash = Mix(hash, HashBytes(buffer.data(), static_cast<std::size_t>(got)));
    }
    key += path.toStdString() + '\t' + std::to_string(info.size()) + '\t' +
           std::to_string(info.lastModified().toMSecsSinceEpoch()) + '\t' + Hex(hash) + '\n';
    return true;
}

// The whole key: the collection's path and every file it reads. Empty when a file cannot be
// read (nothing is then reused or saved).
std::string KeyOf(const QString& path)
{
    const QFileInfo info(path);
    std::string key(Magic, sizeof Magic);
    key += '\n' + info.absoluteFilePath().toStdString() + '\n';
    if (info.isDir()) {
        for (const std::string& file : RecordFilesUnder(path.toStdString()))
            if (!KeyOfFile(QString::fromStdString(file), key))
                return {};
    } else if (!KeyOfFile(path, key)) {
        return {};
    }
    return key;
}

// The saved form: the magic, the key, then sections each led by its size in bytes.
class Writer {
public:
    explicit Writer(QSaveFile& file) : file_(file) {}
    bool Bytes(const char* data, std::size_t size)
    {
        ok_ = ok_ && (size == 0 ||
                      file_.write(data, static_cast<qint64>(size)) == static_cast<qint64>(size));
        return ok_;
    }
    void Size(std::uint64_t size) { Bytes(reinterpret_cast<const char*>(&size), sizeof size); }
    void String(const std::string& text)
    {
        Size(text.size());
        Bytes(text.data(), text.size());
    }
    bool ok() const { return ok_; }

private:
    QSaveFile& file_;
    bool ok_ = true;
};

class Reader {
public:
    explicit Reader(QFile& file) : file_(file), left_(static_cast<std::uint64_t>(file.size())) {}
    bool Bytes(char* data, std::size_t size)
    {
        ok_ =
            ok_ && size <= left_ &&
            (size == 0 || file_.read(data, static_cast<qint64>(size)) == static_cast<qint64>(size));
        if (ok_)
            left_ -= size;
        return ok_;
    }
    std::uint64_t Size()
    {
        std::uint64_t size = 0;
        Bytes(reinterpret_cast<char*>(&size), sizeof size);
        return ok_ && size <= left_ ? size : (ok_ = false, 0);
    }
    std::string String()
    {
        std::string text(Size(), '\0');
        Bytes(text.data(), text.size());
        return text;
    }
    bool ok() const { return ok_; }
    bool AtEnd() const { return left_ == 0; }

private:
    QFile& file_;
    std::uint64_t left_;
    bool ok_ = true;
};

template <typename Row, typename Each>
void WriteRows(Writer& w, const std::vector<Row>& rows, Each each)
{
    w.Size(rows.size());
    for (const Row& row : rows)
        each(row);
}

template <typename Row, typename Each> bool ReadRows(Reader& r, std::vector<Row>& rows, Each each)
{
    const std::uint64_t count = r.Size();
    // Each row holds at least one size: a count beyond the file is damage, not memory to take.
    if (!r.ok() || count > (std::uint64_t{1} << 32))
        return false;
    rows.resize(count);
    for (Row& row : rows)
        each(row);
    return r.ok();
}

void Save(const QString& file, const std::string& key, const IndexedCollection& in)
{
    QDir().mkpath(QFileInfo(file).path());
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return;
    Writer w(out);
    const Collection& c = in.collection;
    w.String(key);
    WriteRows(w, c.players, [&](const CollectionPlayer& p) {
        w.String(p.name);
        w.String(p.country);
    });
    WriteRows(w, c.tournaments, [&](const CollectionTournament& t) {
        w.String(t.name);
        w.Size(static_cast<std::uint64_t>(static_cast<std::int64_t>(t.year)));
    });
    WriteRows(w, c.openings, [&](const CollectionOpening& o) {
        w.String(o.abbr);
        w.String(o.name);
    });
    WriteRows(w, c.rules, [&](const std::string& rule) { w.String(rule); });
    WriteRows(w, c.sources, [&](const std::string& source) { w.String(source); });
    w.Size(c.games.size() * sizeof(CollectionGame));
    w.Bytes(reinterpret_cast<const char*>(c.games.data()), c.games.size() * sizeof(CollectionGame));
    w.Size(c.moves.size());
    w.Bytes(reinterpret_cast<const char*>(c.moves.data()), c.moves.size());
    w.Size(in.index.ByteSize());
    in.index.WriteBytes([&](const char* data, std::size_t size) { return w.Bytes(data, size); });
    if (w.ok())
        out.commit(); // else the old file, if any, stays and the new one is dropped
}

// Every table row a game names, and every move, is one the collection has.
bool IsWhole(const Collection& c)
{
    auto within = [](std::int32_t index, std::size_t size) {
        return index == -1 || (index >= 0 && static_cast<std::size_t>(index) < size);
    };
    for (const CollectionGame& g : c.games) {
        unsigned char damaged = 0;
        std::memcpy(&damaged, &g.damaged, 1); // the flag's byte, before it is read as a bool
        if (damaged > 1)
            return false;
        if (!within(g.black, c.players.size()) || !within(g.white, c.players.size()) ||
            !within(g.tournament, c.tournaments.size()) || !within(g.opening, c.openings.size()) ||
            !within(g.rule, c.rules.size()) || !within(g.source, c.sources.size()) ||
            g.setup > g.moveCount || std::uint64_t{g.firstMove} + g.moveCount > c.moves.size())
            return false;
    }
    for (std::uint8_t cell : c.moves)
        if (cell != 0 && !IsBoardCell(cell))
            return false;
    return true;
}

bool Load(const QString& file, const std::string& key, IndexedCollection& out)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    Reader r(in);
    if (r.String() != key || !r.ok())
        return false;
    Collection& c = out.collection;
    const bool tables = ReadRows(r, c.players,
                                 [&](CollectionPlayer& p) {
                                     p.name = r.String();
                                     p.country = r.String();
                                 }) &&
                        ReadRows(r, c.tournaments,
                                 [&](CollectionTournament& t) {
                                     t.name = r.String();
                                     t.year = static_cast<int>(static_cast<std::int64_t>(r.Size()));
                                 }) &&
                        ReadRows(r, c.openings,
                                 [&](CollectionOpening& o) {
                                     o.abbr = r.String();
                                     o.name = r.String();
                                 }) &&
                        ReadRows(r, c.rules, [&](std::string& rule) { rule = r.String(); }) &&
                        ReadRows(r, c.sources, [&](std::string& source) { source = r.String(); });
    if (!tables)
        return false;
    const std::uint64_t gameBytes = r.Size();
    if (!r.ok() || gameBytes % sizeof(CollectionGame) != 0)
        return false;
    c.games.resize(gameBytes / sizeof(CollectionGame));
    r.Bytes(reinterpret_cast<char*>(c.games.data()), gameBytes);
    c.moves.resize(r.Size());
    r.Bytes(reinterpret_cast<char*>(c.moves.data()), c.moves.size());
    if (!r.ok() || !IsWhole(c))
        return false;
    const std::uint64_t indexBytes = r.Size();
    return r.ok() &&
           out.index.ReadBytes([&](char* data, std::size_t size) { return r.Bytes(data, size); },
                               indexBytes, c.games.size()) &&
           r.AtEnd();
}

// The cache folder stays bounded: a saved index not used for this long goes, and only this
// many of the most recently used are kept. Only files named as Save names them are touched.
constexpr int UnusedDays = 30;
constexpr int KeptIndexes = 16;

void Prune(const QString& folder, const QString& inUse)
{
    static const QRegularExpression ours(QStringLiteral("^[0-9a-f]{16}\\.index$"));
    const QDateTime oldest = QDateTime::currentDateTime().addDays(-UnusedDays);
    const QString used = QFileInfo(inUse).absoluteFilePath();
    int kept = 1; // the one in use, always
    // Newest first: a saved index is touched whenever it is used.
    for (const QFileInfo& info :
         QDir(folder).entryInfoList({QStringLiteral("*.index")}, QDir::Files, QDir::Time)) {
        if (info.isSymLink() || !ours.match(info.fileName()).hasMatch() ||
            info.absoluteFilePath() == used)
            continue;
        if (kept < KeptIndexes && info.lastModified() >= oldest)
            ++kept;
        else
            QFile::remove(info.absoluteFilePath());
    }
}

} // namespace

std::string DefaultIndexCacheFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return folder.isEmpty() ? std::string() : (folder + "/collections").toStdString();
}

CollectionOpenResult OpenIndexedCollection(const std::string& path, const std::string& cacheFolder,
                                           IndexedCollection& out, const ReadProgress& reading,
                                           const IndexProgress& indexing)
{
    out = IndexedCollection();
    const QString name = QString::fromStdString(path);
    const std::string key = cacheFolder.empty() ? std::string() : KeyOf(name);
    // One saved file for each collection, replaced when the collection changes.
    const std::string absolute = QFileInfo(name).absoluteFilePath().toStdString();
    const QString file = QString::fromStdString(
        cacheFolder + "/" + Hex(HashBytes(absolute.data(), absolute.size())) + ".index");
    if (!key.empty() && QFileInfo::exists(file)) {
        if (Load(file, key, out)) {
            out.fromCache = true;
            QFile used(file);
            if (used.open(QIODevice::ReadWrite))
                used.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
            Prune(QString::fromStdString(cacheFolder), file);
            return {true, {}};
        }
        out = IndexedCollection();
    }
    const CollectionOpenResult opened = OpenCollection(path, out.collection, reading);
    if (!opened.ok)
        return opened;
    if (!out.index.Build(out.collection, indexing)) {
        out = IndexedCollection();
        return {false, "cancelled"};
    }
    if (!key.empty()) {
        Save(file, key, out);
        Prune(QString::fromStdString(cacheFolder), file);
    }
    return opened;
}
