#include "app/SearchCommand.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "Board/Coordinates.h"
#include "Collection/PositionIndex.h"
#include "Collection/Sources/IndexCache.h"
#include "app/HeadlessPort.h"
#include "main/State.h"

namespace {

void PrintError(const QString& text)
{
    std::fprintf(stderr, "korvane: %s\n", text.toLocal8Bit().constData());
}

std::string PlayerName(const Collection& collection, std::int32_t player)
{
    return player < 0 ? "?" : collection.players[player].name;
}

std::string Score(const NextMove& move)
{
    if (move.scored == 0)
        return "-";
    char text[16];
    std::snprintf(text, sizeof text, "%.2f", move.BlackScore());
    return text;
}

} // namespace

SearchOptions AddSearchOptions(QCommandLineParser& parser)
{
    SearchOptions options{
        QCommandLineOption("search",
                           "Prints how many games of the --collection reach the position of "
                           "INPUT (in any move order and any orientation of the board), then "
                           "one line per move played next: POINT GAMES BLACK'S-SCORE.",
                           "INPUT"),
        QCommandLineOption("collection",
                           "The collection for --search: a RenjuNet database (.rif), a folder "
                           "of records (.kif, .sgf, .psq, .pos, .txt) or a library (.lib, "
                           ".sgf).",
                           "C"),
        QCommandLineOption("list", "With --search, adds one line per game found: ID, black, "
                                   "white and the result, separated by tabs."),
    };
    parser.addOptions({options.search, options.collection, options.list});
    return options;
}

bool ReadSearchOptions(const QCommandLineParser& parser, const SearchOptions& options,
                       CommandLine& line, QString& message)
{
    if (!parser.isSet(options.search)) {
        for (const QCommandLineOption* option : {&options.collection, &options.list}) {
            if (parser.isSet(*option)) {
                message = QString("--%1 goes with --search.").arg(option->names().constFirst());
                return false;
            }
        }
        return true;
    }
    if (!TakeCommandInput(parser, "search", line, message))
        return false;
    line.collection = parser.value(options.collection);
    if (line.collection.isEmpty()) {
        message = "--search needs --collection C.";
        return false;
    }
    line.command = CommandLine::Command::Search;
    line.listGames = parser.isSet(options.list);
    return true;
}

bool IsSearchArgument(const char* argument)
{
    return std::strcmp(argument, "--search") == 0 || std::strncmp(argument, "--search=", 9) == 0;
}

int RunSearchCommand(const CommandLine& line)
{
    if (!OpenInput(line.inputPaths.front()))
        return 1;
    SearchPosition position;
    for (CellIndex cell = 0; cell < CellTableSize; ++cell)
        if (IsBoardCell(cell) && (BoardCells[cell] == CellBlack || BoardCells[cell] == CellWhite))
            position.cells[cell] = BoardCells[cell];
    position.toMove = SideToMoveOf(position.cells, std::max(MoveCount, 0));

    IndexedCollection indexed;
    const std::string path = line.collection.toStdString();
    const CollectionOpenResult opened =
        OpenIndexedCollection(path, DefaultIndexCacheFolder(), indexed);
    const Collection& collection = indexed.collection;
    if (!opened.ok) {
        PrintError(line.collection + ": " + QString::fromStdString(opened.message));
        return 1;
    }
    for (const CollectionGame& game : collection.games)
        if (game.damaged) {
            std::string where = "game " + std::to_string(game.id);
            if (game.source >= 0)
                where += " (" + collection.sources[game.source] + ")";
            PrintError(line.collection + ": " + QString::fromStdString(where) +
                       " is damaged and left out of the search");
        }
    const SearchResult found = indexed.index.Search(collection, position);

    std::string out = "games: " + std::to_string(found.games.size()) + "\n";
    for (const NextMove& move : found.nextMoves)
        out += CellName(move.cell) + " " + std::to_string(move.games) + " " + Score(move) + "\n";
    if (line.listGames)
        for (std::uint32_t g : found.games) {
            const CollectionGame& game = collection.games[g];
            out += std::to_string(game.id) + "\t" + PlayerName(collection, game.black) + "\t" +
                   PlayerName(collection, game.white) + "\t" + ResultText(game.result) + "\n";
        }
    std::fputs(out.c_str(), stdout);
    std::fflush(stdout);
    return 0;
}
