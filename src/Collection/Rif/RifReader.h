// The RenjuNet database (.rif, XML) read into a Collection, streaming: the countries, rules,
// openings, players, tournaments and games sections, in any order. A game whose moves repeat
// a point or hold a token that is not a point is kept and marked damaged; a file that is not
// well-formed XML, or not such a database, is refused.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "Collection/Collection.h"

class QIODevice;

// Called now and then with the bytes read and the device's size; returning false cancels.
using ReadProgress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

struct RifReadResult {
    bool ok = false;
    std::string message; // why it was refused, and where it stopped; empty when ok
};

// Reads the whole device into `collection`, which is left empty when the file is refused.
RifReadResult ReadRif(QIODevice& device, Collection& collection, const ReadProgress& progress = {});
// The same from a file.
RifReadResult ReadRifFile(const std::string& path, Collection& collection,
                          const ReadProgress& progress = {});
