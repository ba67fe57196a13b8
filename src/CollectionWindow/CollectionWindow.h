// The menu 棋譜集 (after the main window's own menus) and the collection window: a database,
// a folder of records or a library opened with a progress bar that can be cancelled, its
// games listed with id, tournament and year, players, opening, result and length, sorted by
// any column and filtered as the user types; a game chosen is entered into the editor. The
// position on the board searched: the games that reach it, the moves played next (also
// marked on the board, and followed as the board changes).
#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "Collection/Sources/IndexCache.h"

class QMainWindow;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;
class QTableWidget;
class QTimer;
class GamesModel;

class CollectionWindow : public QWidget {
public:
    explicit CollectionWindow(QWidget* parent = nullptr);
    ~CollectionWindow() override;

    // Reads and indexes the collection at `path` behind a progress dialog; on a refusal says
    // why in a message box (unless `quiet`) and keeps what was open. True when opened.
    bool Open(const QString& path, bool quiet = false);
    // The game on a row of the list, as now sorted and filtered, entered into the editor: at
    // its first move, or while a search is shown at the searched position, turned into the
    // board's orientation.
    void EnterRow(int row);
    // Searches the position on the editor's board: the list keeps the games that reach it,
    // and the table of next moves is shown.
    void SearchBoard();
    // Shows every game again.
    void ClearSearch();
    // Plays the next move on a row of the table on the board, and searches again.
    void PlayNextMove(int row);

    const IndexedCollection* Opened() const { return opened_.get(); }
    QTableView* List() const { return list_; }
    QLineEdit* PlayerFilter() const { return player_; }
    QLineEdit* TournamentFilter() const { return tournament_; }
    QLineEdit* OpeningFilter() const { return opening_; }
    QLineEdit* YearFilter() const { return year_; }
    QComboBox* ResultFilter() const { return result_; }
    QTableWidget* NextMoves() const { return nextMoves_; }
    QString LastError() const { return lastError_; }

protected:
    // The marks on the board are shown only while this window is.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Refilter();

    std::unique_ptr<IndexedCollection> opened_;
    // While a search is shown: the position searched and what it found.
    std::unique_ptr<SearchPosition> searched_;
    SearchResult found_;
    QTableWidget* nextMoves_ = nullptr;
    // The next moves marked on the main window's board, and the check that searches again
    // when the board changes under a search.
    QWidget* marks_ = nullptr;
    QTimer* follow_ = nullptr;
    QLabel* searchLabel_ = nullptr;
    GamesModel* model_ = nullptr;
    QTableView* list_ = nullptr;
    QLineEdit* player_ = nullptr;
    QLineEdit* tournament_ = nullptr;
    QLineEdit* opening_ = nullptr;
    QLineEdit* year_ = nullptr;
    QComboBox* result_ = nullptr;
    QLabel* count_ = nullptr;
    QString lastError_;
};

// Adds the menu 棋譜集(&D) at the end of the window's menu bar; its window is made on first use.
void InstallCollectionMenu(QMainWindow* window);
