// A collection of games: each a sequence of moves with its metadata, and the tables of
// players, tournaments, openings and rules the games point into. Plain C++, no Qt; filled
// by a reader: the .rif database, or a folder of records or a library (Collection/Sources).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Board/Cell.h"

// Black's result in half points: 2 black won, 1 a draw, 0 white won.
constexpr std::int8_t ResultUnknown = -1;

struct CollectionPlayer {
    std::string name; // first name and surname, as the collection spells them
    std::string country;
};

struct CollectionTournament {
    std::string name;
    int year = 0; // 0 when the collection does not say
};

struct CollectionOpening {
    std::string abbr;
    std::string name;
};

// Indexes into the tables are −1 where the game names nothing (or an id no table holds).
struct CollectionGame {
    std::int64_t id = 0;
    std::int32_t black = -1;
    std::int32_t white = -1;
    std::int32_t tournament = -1;
    std::int32_t opening = -1;
    std::int32_t rule = -1;
    std::int8_t result = ResultUnknown;
    // A move repeats a point or is not a point: listed, never searched. Its moves are
    // those read before the first bad one.
    bool damaged = false;
    std::uint8_t moveCount = 0;
    // The first `setup` moves are stones placed before the game (black and white in turn,
    // a pass where one colour has run out): positions before them are not searched.
    std::uint8_t setup = 0;
    std::uint32_t firstMove = 0; // into Collection::moves
    std::int32_t source = -1;    // into Collection::sources: the file it came from, if any
};

struct Collection {
    std::vector<CollectionPlayer> players;
    std::vector<CollectionTournament> tournaments;
    std::vector<CollectionOpening> openings;
    std::vector<std::string> rules;
    std::vector<CollectionGame> games;
    // Every game's moves one after another, one byte a cell (board cells are 17..255, 0 a
    // pass).
    std::vector<std::uint8_t> moves;
    // The files of a folder or library the games were read from.
    std::vector<std::string> sources;

    const std::uint8_t* MovesOf(const CollectionGame& game) const
    {
        return moves.data() + game.firstMove;
    }
};

// A result as lists print it: "1-0", "0-1", "draw" or "?".
const char* ResultText(std::int8_t result);
