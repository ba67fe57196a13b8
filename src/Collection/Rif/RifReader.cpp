#include "Collection/Rif/RifReader.h"

#include <QFile>
#include <QXmlStreamReader>
#include <limits>
#include <unordered_map>

#include "Board/Coordinates.h"

namespace {

constexpr std::int32_t NoId = std::numeric_limits<std::int32_t>::min();

std::int32_t IdOf(const QXmlStreamAttributes& attributes, QLatin1String name)
{
    bool ok = false;
    const int value = attributes.value(name).toInt(&ok);
    return ok ? value : NoId;
}

std::string TextOf(const QXmlStreamAttributes& attributes, QLatin1String name)
{
    return attributes.value(name).toString().trimmed().toStdString();
}

std::int8_t ResultOf(QStringView text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok)
        return ResultUnknown;
    if (value == 1.0)
        return 2;
    if (value == 0.5)
        return 1;
    if (value == 0.0)
        return 0;
    return ResultUnknown;
}

// The moves as cells; a game stops at its first bad token or repeated point, and is damaged.
void ReadMoves(QStringView text, CollectionGame& game, std::vector<std::uint8_t>& moves)
{
    bool taken[CellTableSize] = {};
    int count = 0;
    for (QStringView token : text.tokenize(u' ', Qt::SkipEmptyParts)) {
        token = token.trimmed();
        if (token.isEmpty())
            continue;
        // A point is at most three characters: no allocation for each of ten million moves.
        char text[4] = {};
        const qsizetype length = token.size();
        for (qsizetype i = 0; i < length && i < 4; ++i)
            text[i] = token[i].unicode() < 128 ? static_cast<char>(token[i].unicode()) : '?';
        const std::optional<CellIndex> cell =
            length <= 3 ? ParseCellName(std::string_view(text, static_cast<std::size_t>(length)))
                        : std::nullopt;
        if (!cell || taken[*cell] || count == BoardLines * BoardLines) {
            game.damaged = true;
            break;
        }
        taken[*cell] = true;
        moves.push_back(static_cast<std::uint8_t>(*cell));
        ++count;
    }
    game.moveCount = static_cast<std::uint8_t>(count);
}

struct Ids {
    std::unordered_map<std::int32_t, std::int32_t> players, tournaments, openings, rules;
    std::unordered_map<std::int32_t, std::string> countries;
    std::vector<std::int32_t> playerCountries;

    static std::int32_t Find(const std::unordered_map<std::int32_t, std::int32_t>& map,
                             std::int32_t id)
    {
        const auto it = id == NoId ? map.end() : map.find(id);
        return it == map.end() ? -1 : it->second;
    }
};

template <typename Row>
void Keep(std::vector<Row>& rows, std::unordered_map<std::int32_t, std::int32_t>& ids,
          std::int32_t id, Row row)
{
    ids[id] = static_cast<std::int32_t>(rows.size());
    rows.push_back(std::move(row));
}

} // namespace

RifReadResult ReadRif(QIODevice& device, Collection& collection, const ReadProgress& progress)
{
    collection = Collection();
    Collection read;
    Ids ids;
    QXmlStreamReader xml(&device);
    RifReadResult result;
    const std::uint64_t size =
        device.isSequential() ? 0 : static_cast<std::uint64_t>(device.size());

    if (!xml.readNextStartElement()) {
        // An empty file or one that is not XML at all.
    } else if (xml.name() != u"database") {
        result.message = "not a RenjuNet database: its first element is <" +
                         xml.name().toString().toStdString() + ">";
        return result;
    }
    while (!xml.atEnd() && !xml.hasError()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = xml.name();
        const QXmlStreamAttributes attributes = xml.attributes();
        if (name == u"country") {
            ids.countries[IdOf(attributes, QLatin1String("id"))] =
                TextOf(attributes, QLatin1String("name"));
        } else if (name == u"rule") {
            const std::int32_t id = IdOf(attributes, QLatin1String("id"));
            Keep(read.rules, ids.rules, id, TextOf(attributes, QLatin1String("name")));
        } else if (name == u"opening") {
            Keep(read.openings, ids.openings, IdOf(attributes, QLatin1String("id")),
                 CollectionOpening{TextOf(attributes, QLatin1String("abbr")),
                                   TextOf(attributes, QLatin1String("name"))});
        } else if (name == u"player") {
            std::string full = TextOf(attributes, QLatin1String("name"));
            const std::string surname = TextOf(attributes, QLatin1String("surname"));
            if (!full.empty() && !surname.empty())
                full += ' ';
            Keep(read.players, ids.players, IdOf(attributes, QLatin1String("id")),
                 CollectionPlayer{full + surname, {}});
            ids.playerCountries.push_back(IdOf(attributes, QLatin1String("country")));
        } else if (name == u"tournament") {
            int year = attributes.value(QLatin1String("year")).toInt();
            if (year == 0)
                year = attributes.value(QLatin1String("start")).left(4).toInt();
            Keep(read.tournaments, ids.tournaments, IdOf(attributes, QLatin1String("id")),
                 CollectionTournament{TextOf(attributes, QLatin1String("name")), year});
        } else if (name == u"game") {
            CollectionGame game;
            game.id = attributes.value(QLatin1String("id")).toLongLong();
            // Ids for now; turned into table rows once every section has been read.
            game.black = IdOf(attributes, QLatin1String("black"));
            game.white = IdOf(attributes, QLatin1String("white"));
            game.tournament = IdOf(attributes, QLatin1String("tournament"));
            game.opening = IdOf(attributes, QLatin1String("opening"));
            game.rule = IdOf(attributes, QLatin1String("rule"));
            game.result = ResultOf(attributes.value(QLatin1String("bresult")));
            game.firstMove = static_cast<std::uint32_t>(read.moves.size());
            read.games.push_back(game);
        } else if (name == u"move" && !read.games.empty()) {
            const QString text = xml.readElementText(QXmlStreamReader::SkipChildElements);
            CollectionGame& game = read.games.back();
            if (game.moveCount == 0 && !game.damaged && game.firstMove == read.moves.size())
                ReadMoves(text, game, read.moves);
            if (progress && read.games.size() % 1024 == 0 &&
                !progress(static_cast<std::uint64_t>(device.pos()), size)) {
                result.message = "cancelled";
                return result;
            }
        }
    }
    if (xml.hasError()) {
        result.message = "not well-formed XML at line " + std::to_string(xml.lineNumber()) +
                         ", column " + std::to_string(xml.columnNumber()) + ": " +
                         xml.errorString().toStdString();
        return result;
    }

    for (std::size_t i = 0; i < read.players.size(); ++i) {
        const auto it = ids.countries.find(ids.playerCountries[i]);
        if (it != ids.countries.end())
            read.players[i].country = it->second;
    }
    for (CollectionGame& game : read.games) {
        game.black = Ids::Find(ids.players, game.black);
        game.white = Ids::Find(ids.players, game.white);
        game.tournament = Ids::Find(ids.tournaments, game.tournament);
        game.opening = Ids::Find(ids.openings, game.opening);
        game.rule = Ids::Find(ids.rules, game.rule);
    }
    read.moves.shrink_to_fit();
    collection = std::move(read);
    result.ok = true;
    return result;
}

RifReadResult ReadRifFile(const std::string& path, Collection& collection,
                          const ReadProgress& progress)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        collection = Collection();
        return {false, "cannot be opened: " + file.errorString().toStdString()};
    }
    return ReadRif(file, collection, progress);
}
