// The saved index: reused for the same unchanged collection, never for a changed one (even
// one of the same size and time), never when damaged, and nothing saved for a refused one.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "../fixtures/QtFiles.h"
#include "Board/Coordinates.h"
#include "Collection/Sources/IndexCache.h"

namespace {

void SetModified(const QString& path, const QDateTime& time)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
}

std::string Database(const char* result)
{
    return std::string("<?xml version=\"1.0\"?>\n<database version=\"1\">\n"
                       "<players><player id=\"1\" name=\"Ann\" surname=\"Black\"/></players>\n"
                       "<games><game id=\"9\" black=\"1\" bresult=\"") +
           result +
           "\"><move>h8 i9 j8 k10</move></game>\n"
           "<game id=\"10\" bresult=\"1\"><move>h8 i9 i9</move></game></games></database>\n";
}

// Black's half points after h8 i9 j8, as "move games half-points".
std::string Answer(const IndexedCollection& opened)
{
    SearchPosition position;
    position.cells[*ParseCellName("h8")] = CellBlack;
    position.cells[*ParseCellName("j8")] = CellBlack;
    position.cells[*ParseCellName("i9")] = CellWhite;
    position.toMove = Colour::White;
    const SearchResult found = opened.index.Search(opened.collection, position);
    std::string text;
    for (const NextMove& move : found.nextMoves)
        text += CellName(move.cell) + " " + std::to_string(move.games) + " " +
                std::to_string(move.blackHalfPoints);
    return text;
}

QStringList Saved(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files);
}

TEST(IndexCache, ReusesTheSavedIndexOnlyWhileTheCollectionIsUnchanged)
{
    QTemporaryDir dir;
    const QString rif = dir.filePath("games.rif");
    const std::string cache = dir.filePath("cache").toStdString();
    WriteFile(rif, Database("1"));
    const QDateTime time = QDateTime::fromSecsSinceEpoch(1700000000);
    SetModified(rif, time);

    IndexedCollection first;
    ASSERT_TRUE(OpenIndexedCollection(rif.toStdString(), cache, first).ok);
    EXPECT_FALSE(first.fromCache);
    EXPECT_EQ(Answer(first), "k10 1 2");
    ASSERT_EQ(Saved(dir.filePath("cache")).size(), 1);

    IndexedCollection again;
    ASSERT_TRUE(OpenIndexedCollection(rif.toStdString(), cache, again).ok);
    EXPECT_TRUE(again.fromCache);
    EXPECT_EQ(Answer(again), "k10 1 2");
    ASSERT_EQ(again.collection.games.size(), 2u);
    EXPECT_TRUE(again.collection.games[1].damaged);
    EXPECT_EQ(again.collection.games[0].id, 9);
    EXPECT_EQ(again.collection.players[again.collection.games[0].black].name, "Ann Black");

    // Another result: the same size and the same time, other bytes.
    WriteFile(rif, Database("0"));
    SetModified(rif, time);
    IndexedCollection changed;
    ASSERT_TRUE(OpenIndexedCollection(rif.toStdString(), cache, changed).ok);
    EXPECT_FALSE(changed.fromCache);
    EXPECT_EQ(Answer(changed), "k10 1 0");
    EXPECT_EQ(Saved(dir.filePath("cache")).size(), 1); // replaced, not added

    // A damaged saved file is read again from the collection, and replaced.
    const QString saved = dir.filePath("cache") + "/" + Saved(dir.filePath("cache")).first();
    for (const qint64 keep : {qint64{40}, QFileInfo(saved).size() - 3}) {
        SCOPED_TRACE(keep);
        QFile file(saved);
        ASSERT_TRUE(file.resize(keep));
        IndexedCollection damaged;
        ASSERT_TRUE(OpenIndexedCollection(rif.toStdString(), cache, damaged).ok);
        EXPECT_FALSE(damaged.fromCache);
        EXPECT_EQ(Answer(damaged), "k10 1 0");
        IndexedCollection replaced;
        ASSERT_TRUE(OpenIndexedCollection(rif.toStdString(), cache, replaced).ok);
        EXPECT_TRUE(replaced.fromCache);
    }
}

TEST(IndexCache, AFolderIsChangedByAFileAddedOrRemoved)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("records");
    const std::string cache = dir.filePath("cache").toStdString();
    WriteFile(folder + "/one.txt", "h8 i9 j8 k10\n");
    auto open = [&](std::size_t games, bool fromCache) {
        IndexedCollection opened;
        ASSERT_TRUE(OpenIndexedCollection(folder.toStdString(), cache, opened).ok);
        EXPECT_EQ(opened.collection.games.size(), games);
        EXPECT_EQ(opened.fromCache, fromCache);
    };
    open(1, false);
    open(1, true);
    WriteFile(folder + "/sub/two.txt", "h8 i9 j8 l11\n");
    open(2, false);
    open(2, true);
    // A file no folder reads changes nothing.
    WriteFile(folder + "/notes.md", "h8\n");
    open(2, true);
    ASSERT_TRUE(QFile::remove(folder + "/one.txt"));
    open(1, false);
}

TEST(IndexCache, NothingIsSavedForARefusedCollectionOrWithoutACacheFolder)
{
    QTemporaryDir dir;
    const std::string cache = dir.filePath("cache").toStdString();
    WriteFile(dir.filePath("bad.rif"), "<database><games>");
    WriteFile(dir.filePath("game.kif"), std::string(668, '\0'));
    for (const char* name : {"bad.rif", "game.kif", "missing.rif"}) {
        IndexedCollection opened;
        EXPECT_FALSE(OpenIndexedCollection(dir.filePath(name).toStdString(), cache, opened).ok);
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("cache")));

    // Cancelled while indexing.
    WriteFile(dir.filePath("good.rif"), Database("1"));
    auto stop = [](std::uint64_t, std::uint64_t) { return false; };
    IndexedCollection cancelled;
    EXPECT_EQ(
        OpenIndexedCollection(dir.filePath("good.rif").toStdString(), cache, cancelled, {}, stop)
            .message,
        "cancelled");
    EXPECT_TRUE(cancelled.collection.games.empty());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("cache")));

    IndexedCollection opened;
    ASSERT_TRUE(OpenIndexedCollection(dir.filePath("good.rif").toStdString(), "", opened).ok);
    EXPECT_EQ(Answer(opened), "k10 1 2");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 3);
}

// Saved indexes not used for 30 days go, and no more than 16 stay, the most recently used
// kept; what the folder holds besides them is left as it is, however old.
TEST(IndexCache, KeepsTheCacheFolderBoundedAndTouchesNothingElse)
{
    QTemporaryDir dir;
    const QString cache = dir.filePath("cache");
    QDir().mkpath(cache);
    const QDateTime now = QDateTime::currentDateTime();
    auto saved = [&](int i) { return cache + QString("/%1.index").arg(i, 16, 16, QChar('0')); };
    for (int i = 0; i < 20; ++i) { // 0 newest; 19 used 40 days ago
        WriteFile(saved(i), "old index");
        SetModified(saved(i), i < 19 ? now.addSecs(-60 * (i + 1)) : now.addDays(-40));
    }
    const QStringList others = {"notes.txt", "ABCDEF0123456789.index", "1.index"};
    for (const QString& other : others) {
        WriteFile(cache + "/" + other, "not ours");
        SetModified(cache + "/" + other, now.addDays(-400));
    }
    // Opened with the cache folder; whether the saved index was reused.
    auto open = [&](const char* name) {
        IndexedCollection opened;
        EXPECT_TRUE(
            OpenIndexedCollection(dir.filePath(name).toStdString(), cache.toStdString(), opened)
                .ok);
        return opened.fromCache;
    };
    WriteFile(dir.filePath("games.rif"), Database("1"));
    EXPECT_FALSE(open("games.rif"));
    const QStringList left = Saved(cache);
    for (const QString& other : others)
        EXPECT_TRUE(left.contains(other)) << other.toStdString();
    EXPECT_EQ(left.size(), 16 + others.size()); // the new one and the 15 newest besides
    EXPECT_TRUE(QFileInfo::exists(saved(14)));
    EXPECT_FALSE(QFileInfo::exists(saved(15)));
    EXPECT_FALSE(QFileInfo::exists(saved(19)));

    // Reused, it counts as the newest: another collection opened after it keeps it.
    EXPECT_TRUE(open("games.rif"));
    WriteFile(dir.filePath("more.rif"), Database("0"));
    EXPECT_FALSE(open("more.rif"));
    EXPECT_EQ(Saved(cache).size(), 16 + others.size());
    EXPECT_FALSE(QFileInfo::exists(saved(14))) << "the oldest made room";
    EXPECT_TRUE(open("games.rif"));
}

} // namespace
