// A collection opened with its position index, reusing the index saved the last time the
// same collection was opened when nothing in it has changed. The saved file is keyed by the
// collection's path and, for each file it reads, the file's size, modification time and a
// hash of its bytes, with the version of the saved form: a changed, added or removed file
// gives another key, and the collection is read and indexed again. A saved file that is
// damaged or of another version is never trusted, only replaced. The folder stays bounded:
// saved indexes not used for 30 days are removed, and at most 16 kept, the most recently
// used; nothing else in the folder is touched.
#pragma once

#include <string>

#include "Collection/PositionIndex.h"
#include "Collection/Sources/CollectionSources.h"

struct IndexedCollection {
    Collection collection;
    PositionIndex index;
    bool fromCache = false; // the saved index was reused
};

// The user's cache folder for saved indexes (under QStandardPaths' CacheLocation).
std::string DefaultIndexCacheFolder();

// Opens the collection at `path` (see OpenCollection) and indexes it, through the saved
// index in `cacheFolder` when it is still that of the collection; a fresh index is saved
// there. An empty `cacheFolder` saves and reuses nothing. Nothing is written when the
// collection is refused or the work cancelled.
CollectionOpenResult OpenIndexedCollection(const std::string& path, const std::string& cacheFolder,
                                           IndexedCollection& out, const ReadProgress& reading = {},
                                           const IndexProgress& indexing = {});
