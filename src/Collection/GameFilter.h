// The game list's filter, run as the user types: every field that is set must match.
// Texts match anywhere in the name, ignoring the case of Latin letters. Plain C++.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Collection/Collection.h"

struct GameFilter {
    std::string player;                     // black or white
    std::string tournament;                 // the tournament's name
    std::string opening;                    // the opening's abbreviation or name
    std::int8_t result = ResultUnknown - 1; // a result (2, 1, 0, ResultUnknown); below: any
    int year = 0;                           // 0: any
};

// The games that pass, as indexes into collection.games in ascending order. `among`, when
// given, limits them to those (the games a search found, ascending).
std::vector<std::uint32_t> FilterGames(const Collection& collection, const GameFilter& filter,
                                       const std::vector<std::uint32_t>* among = nullptr);
