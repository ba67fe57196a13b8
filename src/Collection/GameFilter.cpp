#include "Collection/GameFilter.h"

#include <algorithm>

namespace {

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool Contains(const std::string& text, const std::string& part)
{
    return std::search(text.begin(), text.end(), part.begin(), part.end(),
                       [](char a, char b) { return Lower(a) == Lower(b); }) != text.end();
}

// One flag per table row: the few thousand names are matched once, not once per game.
template <typename Row, typename Name>
std::vector<char> Matching(const std::vector<Row>& rows, const std::string& part, Name name)
{
    std::vector<char> flags(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        flags[i] = name(rows[i], part);
    return flags;
}

bool Flagged(const std::vector<char>& flags, std::int32_t index)
{
    return index >= 0 && static_cast<std::size_t>(index) < flags.size() && flags[index];
}

} // namespace

std::vector<std::uint32_t> FilterGames(const Collection& collection, const GameFilter& filter,
                                       const std::vector<std::uint32_t>* among)
{
    const bool byPlayer = !filter.player.empty();
    const bool byTournament = !filter.tournament.empty();
    const bool byOpening = !filter.opening.empty();
    const bool byResult = filter.result >= ResultUnknown;
    const bool byYear = filter.year != 0;
    const std::vector<char> players = Matching(
        collection.players, filter.player,
        [](const CollectionPlayer& p, const std::string& s) { return Contains(p.name, s); });
    const std::vector<char> tournaments = Matching(
        collection.tournaments, filter.tournament,
        [](const CollectionTournament& t, const std::string& s) { return Contains(t.name, s); });
    const std::vector<char> openings = Matching(
        collection.openings, filter.opening, [](const CollectionOpening& o, const std::string& s) {
            return Contains(o.abbr, s) || Contains(o.name, s);
        });

    std::vector<std::uint32_t> passed;
    auto consider = [&](std::uint32_t g) {
        const CollectionGame& game = collection.games[g];
        if (byPlayer && !Flagged(players, game.black) && !Flagged(players, game.white))
            return;
        if (byTournament && !Flagged(tournaments, game.tournament))
            return;
        if (byOpening && !Flagged(openings, game.opening))
            return;
        if (byResult && game.result != filter.result)
            return;
        if (byYear &&
            (game.tournament < 0 || collection.tournaments[game.tournament].year != filter.year))
            return;
        passed.push_back(g);
    };
    if (among) {
        for (std::uint32_t g : *among)
            consider(g);
    } else {
        passed.reserve(collection.games.size());
        for (std::uint32_t g = 0; g < collection.games.size(); ++g)
            consider(g);
    }
    return passed;
}
