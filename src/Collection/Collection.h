// A collection of games: each a sequence of moves with its metadata, and the tables of
// players, tournaments, openings and rules the games point into. Plain C++, no Qt; filled
// by a reader (the .rif database now; folders of records later).
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
    std::uint32_t firstMove = 0; // into Collection::moves
};

struct Collection {
    std::vector<CollectionPlayer> players;
    std::vector<CollectionTournament> tournaments;
    std::vector<CollectionOpening> openings;
    std::vector<std::string> rules;
    std::vector<CollectionGame> games;
    // Every game's moves one after another, one byte a cell (board cells are 17..255).
    std::vector<std::uint8_t> moves;

    const std::uint8_t* MovesOf(const CollectionGame& game) const
    {
        return moves.data() + game.firstMove;
    }
};

// A result as lists print it: "1-0", "0-1", "draw" or "?".
const char* ResultText(std::int8_t result);
