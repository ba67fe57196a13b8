// A collection opened from what the user has: the RenjuNet database (.rif), a folder of
// records (every .kif, .sgf, .psq, .pos and .txt under it) or a library (.lib or .sgf). In a
// record with variations, and so in a library, each line from the root to a leaf is one
// game, so a position is found wherever it occurs in the tree. A file of the folder that
// cannot be read is listed as a damaged game with no moves.
#pragma once

#include <string>
#include <vector>

#include "Collection/Collection.h"
#include "Collection/Rif/RifReader.h"

struct CollectionOpenResult {
    bool ok = false;
    std::string message; // why it was refused; empty when ok
};

// Reads the collection at `path` into `collection`, which is left empty when refused.
CollectionOpenResult OpenCollection(const std::string& path, Collection& collection,
                                    const ReadProgress& progress = {});

// The record files a folder collection reads, every one under `folder`, in the order of
// their paths.
std::vector<std::string> RecordFilesUnder(const std::string& folder);
