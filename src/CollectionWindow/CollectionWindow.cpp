#include "CollectionWindow/CollectionWindow.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "Board/Coordinates.h"
#include "Collection/GameFilter.h"
#include "Collection/Symmetry.h"
#include "Set_Data/Set_Data.h"
#include "forms/FomKifu.h"
#include "forms/ImageBox.h"
#include "main/Clipboard.h"
#include "main/Cp932.h"
#include "main/Files.h"
#include "main/Geometry.h"
#include "main/Modes.h"
#include "main/Moves.h"
#include "main/RecordFiles.h"
#include "main/Settings.h"
#include "main/State.h"

namespace {

enum Column {
    ColumnId,
    ColumnTournament,
    ColumnBlack,
    ColumnWhite,
    ColumnOpening,
    ColumnResult,
    ColumnLength,
    ColumnCount
};

const char* const Headers[ColumnCount] = {"番号", "大会", "黒", "白", "珠型", "結果", "手数"};

// The results as the list shows them, and as the result filter offers them (first: any).
const char* const ResultChoices[] = {"すべて", "黒勝ち", "白勝ち", "引き分け", "不明"};
constexpr std::int8_t ResultOfChoice[] = {ResultUnknown - 1, 2, 0, 1, ResultUnknown};

QString ResultName(const CollectionGame& game)
{
    if (game.damaged)
        return QStringLiteral("破損");
    switch (game.result) {
    case 2:
        return QStringLiteral("黒勝ち");
    case 1:
        return QStringLiteral("引き分け");
    case 0:
        return QStringLiteral("白勝ち");
    default:
        return QString();
    }
}

// The symmetry that turns the game's position after `ply` moves into the searched one.
int SymmetryReaching(const std::uint8_t* moves, int ply, const SearchPosition& position)
{
    for (int s = 0; s < SymmetryCount; ++s) {
        bool same = true;
        for (int i = 0; i < ply && same; ++i)
            same = moves[i] == 0 ||
                   position.cells[ApplySymmetry(s, moves[i])] == (i % 2 ? CellWhite : CellBlack);
        if (same)
            return s;
    }
    return 0;
}

int StoneCount(const SearchPosition& position)
{
    int stones = 0;
    for (CellIndex cell = 0; cell < CellTableSize; ++cell)
        stones += IsBoardCell(cell) && position.cells[cell] != CellEmpty;
    return stones;
}

// The ply at which the game holds as many stones as the searched position, past its set-up;
// 0 when it never does.
int PlyReaching(const std::uint8_t* moves, const CollectionGame& game,
                const SearchPosition& position)
{
    const int wanted = StoneCount(position);
    int stones = 0;
    for (int ply = 0; ply <= game.moveCount; ++ply) {
        if (ply >= game.setup && stones == wanted)
            return ply;
        if (ply < game.moveCount)
            stones += moves[ply] != 0;
    }
    return 0;
}

// Set-up stones, then the moves played from them, as a record with a set-up is opened.
bool OpenSetUpGame(const std::uint8_t* moves, const CollectionGame& game, int turn)
{
    Record record;
    for (int i = 0; i < game.setup; ++i)
        if (moves[i] != 0)
            record.setup.push_back(
                {ApplySymmetry(turn, moves[i]), i % 2 ? Colour::White : Colour::Black});
    NodeId node = record.tree.Root();
    for (int i = game.setup; i < game.moveCount && moves[i] != 0; ++i)
        node = record.tree.AppendChild(node, ApplySymmetry(turn, moves[i]));
    if (record.setup.empty() && node == record.tree.Root()) {
        Window->ShowErrorBox("この棋譜には着手がありません");
        return false;
    }
    std::string message;
    if (!OpenRecord(record, message)) {
        Window->ShowErrorBox(WithErrorPeriod(message));
        return false;
    }
    return true;
}

// The game put into the editor as a pasted record would be (with its set-up stones, as a
// record with a set-up opens), then its players as the settings dialog shows them, at its
// first move; or, given the position a search found it by, turned as that position is on
// the board and shown there.
void EnterCollectionGame(const Collection& collection, const CollectionGame& game,
                         const SearchPosition* searched = nullptr)
{
    const std::uint8_t* moves = collection.MovesOf(game);
    const int at = searched ? PlyReaching(moves, game, *searched) : 0;
    const int turn = at > 0 ? SymmetryReaching(moves, at, *searched) : 0;
    if (game.setup > 0) {
        if (!OpenSetUpGame(moves, game, turn))
            return;
    } else {
        std::string text;
        for (int i = 0; i < game.moveCount && moves[i] != 0; ++i)
            text += (text.empty() ? "" : " ") + CellName(ApplySymmetry(turn, moves[i]));
        if (text.empty()) {
            Window->ShowErrorBox("この棋譜には着手がありません");
            return;
        }
        const PasteResult entered = EnterGameText(text);
        if (!entered.entered) {
            Window->ShowErrorBox(entered.message);
            return;
        }
    }
    auto name = [&](std::int32_t player) {
        return player < 0 ? std::string() : collection.players[player].name;
    };
    StoreName(GameInfo.BlackName, name(game.black));
    StoreName(GameInfo.WhiteName, name(game.white));
    ShowPlayerNames();
    Window->SetPanelVisible(PanelId::PanelTaikyokuData, true);
    if (MoveList[0] <= 0)
        return; // set-up stones alone: nothing to step through
    if (!EntersMoves(EditMode)) {
        EditMode = ModeMoveOrder;
        ShowEditMode();
    }
    BitBackAllClick();
    while (MoveCount < std::max(at - game.setup, 1) && MoveList[MoveCount] > 0)
        BitGo1Click();
}

QString ScoreText(const NextMove& move)
{
    return move.scored ? QString::number(move.BlackScore(), 'f', 2) : QStringLiteral("-");
}

// A ring with the number of games on each next move, over the board view; presses go
// through to the board.
class NextMoveMarks : public QWidget {
public:
    explicit NextMoveMarks(QWidget* board) : QWidget(board)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        hide();
    }
    void Show(const std::vector<NextMove>& moves)
    {
        moves_ = moves;
        setGeometry(0, 0, ViewSize, ViewSize);
        raise();
        show();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QFont font = painter.font();
        font.setPixelSize(13);
        font.setBold(true);
        painter.setFont(font);
        const QColor blue(30, 90, 220);
        for (const NextMove& move : moves_) {
            const QRect ring(ViewCellX(CellColumn(move.cell)) + 5,
                             ViewCellY(CellRow(move.cell)) + 5, ViewCell - 10, ViewCell - 10);
            painter.setPen(QPen(blue, 2));
            painter.setBrush(QColor(255, 255, 255, 190));
            painter.drawEllipse(ring);
            painter.drawText(ring, Qt::AlignCenter, QString::number(move.games));
        }
    }

private:
    std::vector<NextMove> moves_;
};

bool BoardIs(const SearchPosition& position)
{
    for (CellIndex cell = 0; cell < CellTableSize; ++cell) {
        if (!IsBoardCell(cell))
            continue;
        const int stone =
            BoardCells[cell] == CellBlack || BoardCells[cell] == CellWhite ? BoardCells[cell] : 0;
        if (stone != position.cells[cell])
            return false;
    }
    return true;
}

} // namespace

// The games that pass the filter, in the order chosen by a column.
class GamesModel : public QAbstractTableModel {
public:
    explicit GamesModel(QObject* parent) : QAbstractTableModel(parent) {}

    void SetRows(const Collection* collection, std::vector<std::uint32_t> rows)
    {
        beginResetModel();
        collection_ = collection;
        rows_ = std::move(rows);
        Order();
        endResetModel();
    }
    std::uint32_t GameAt(int row) const { return rows_[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : ColumnCount;
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < ColumnCount)
            return QString::fromUtf8(Headers[section]);
        return {};
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !collection_ || !index.isValid())
            return {};
        const CollectionGame& game = collection_->games[GameAt(index.row())];
        switch (index.column()) {
        case ColumnId:
            return QString::number(game.id);
        case ColumnTournament: {
            if (game.tournament < 0)
                return QString();
            const CollectionTournament& t = collection_->tournaments[game.tournament];
            return QString::fromStdString(t.name) +
                   (t.year ? QString(" (%1)").arg(t.year) : QString());
        }
        case ColumnBlack:
            return Player(game.black);
        case ColumnWhite:
            return Player(game.white);
        case ColumnOpening:
            return game.opening < 0
                       ? QString()
                       : QString::fromStdString(collection_->openings[game.opening].name);
        case ColumnResult:
            return ResultName(game);
        case ColumnLength:
            return game.moveCount - game.setup;
        }
        return {};
    }
    void sort(int column, Qt::SortOrder order) override
    {
        column_ = column;
        order_ = order;
        beginResetModel();
        Order();
        endResetModel();
    }

private:
    QString Player(std::int32_t player) const
    {
        return player < 0 ? QString() : QString::fromStdString(collection_->players[player].name);
    }
    // A table row's name, or "" for none.
    template <typename Rows, typename Name>
    static const std::string& NameOf(const Rows& rows, std::int32_t index, Name name)
    {
        static const std::string none;
        return index < 0 ? none : name(rows[static_cast<std::size_t>(index)]);
    }
    void Order()
    {
        if (!collection_ || column_ < 0)
            return;
        const Collection& c = *collection_;
        auto less = [&](std::uint32_t a, std::uint32_t b) {
            const CollectionGame& x = c.games[a];
            const CollectionGame& y = c.games[b];
            auto player = [&](std::int32_t p) -> const std::string& {
                return NameOf(c.players, p, [](const CollectionPlayer& r) -> const std::string& {
                    return r.name;
                });
            };
            switch (column_) {
            case ColumnTournament: {
                const int yx = x.tournament < 0 ? 0 : c.tournaments[x.tournament].year;
                const int yy = y.tournament < 0 ? 0 : c.tournaments[y.tournament].year;
                if (yx != yy)
                    return yx < yy;
                auto name = [](const CollectionTournament& t) -> const std::string& {
                    return t.name;
                };
                return NameOf(c.tournaments, x.tournament, name) <
                       NameOf(c.tournaments, y.tournament, name);
            }
            case ColumnBlack:
                return player(x.black) < player(y.black);
            case ColumnWhite:
                return player(x.white) < player(y.white);
            case ColumnOpening:
                return x.opening < y.opening;
            case ColumnResult:
                return (x.damaged ? -2 : x.result) < (y.damaged ? -2 : y.result);
            case ColumnLength:
                return x.moveCount - x.setup < y.moveCount - y.setup;
            default:
                return x.id < y.id;
            }
        };
        if (order_ == Qt::AscendingOrder)
            std::stable_sort(rows_.begin(), rows_.end(), less);
        else
            std::stable_sort(rows_.begin(), rows_.end(),
                             [&](std::uint32_t a, std::uint32_t b) { return less(b, a); });
    }

    const Collection* collection_ = nullptr;
    std::vector<std::uint32_t> rows_;
    int column_ = -1;
    Qt::SortOrder order_ = Qt::AscendingOrder;
};

CollectionWindow::CollectionWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("棋譜集"));
    resize(900, 560);
    auto* layout = new QVBoxLayout(this);
    auto* filters = new QGridLayout;
    auto field = [&](int column, const char* label, QWidget* widget) {
        filters->addWidget(new QLabel(QString::fromUtf8(label)), 0, column * 2);
        filters->addWidget(widget, 0, column * 2 + 1);
    };
    player_ = new QLineEdit;
    tournament_ = new QLineEdit;
    opening_ = new QLineEdit;
    year_ = new QLineEdit;
    year_->setMaxLength(4);
    year_->setMaximumWidth(60);
    result_ = new QComboBox;
    for (const char* choice : ResultChoices)
        result_->addItem(QString::fromUtf8(choice));
    field(0, "対局者", player_);
    field(1, "大会", tournament_);
    field(2, "珠型", opening_);
    field(3, "年", year_);
    field(4, "結果", result_);
    layout->addLayout(filters);
    model_ = new GamesModel(this);
    list_ = new QTableView;
    list_->setModel(model_);
    list_->setSortingEnabled(true);
    list_->sortByColumn(ColumnId, Qt::AscendingOrder);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->verticalHeader()->hide();
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->horizontalHeader()->setDefaultSectionSize(90);
    list_->setColumnWidth(ColumnTournament, 150);
    auto* lists = new QHBoxLayout;
    lists->addWidget(list_, 3);
    auto* searchColumn = new QVBoxLayout;
    auto* searchButton = new QPushButton(QStringLiteral("盤面で検索(&S)"));
    auto* clearButton = new QPushButton(QStringLiteral("検索解除(&C)"));
    searchColumn->addWidget(searchButton);
    searchColumn->addWidget(clearButton);
    searchLabel_ = new QLabel;
    searchColumn->addWidget(searchLabel_);
    nextMoves_ = new QTableWidget(0, 3);
    nextMoves_->setHorizontalHeaderLabels(
        {QStringLiteral("次の手"), QStringLiteral("局数"), QStringLiteral("黒の得点")});
    nextMoves_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    nextMoves_->setSelectionBehavior(QAbstractItemView::SelectRows);
    nextMoves_->verticalHeader()->hide();
    nextMoves_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    nextMoves_->hide();
    searchColumn->addWidget(nextMoves_, 1);
    lists->addLayout(searchColumn, 1);
    layout->addLayout(lists);
    count_ = new QLabel;
    layout->addWidget(count_);
    if (FomKifu && FomKifu->ImgBan)
        marks_ = new NextMoveMarks(FomKifu->ImgBan);
    follow_ = new QTimer(this);
    follow_->setInterval(150);
    connect(follow_, &QTimer::timeout, this, [this] {
        if (searched_ && !BoardIs(*searched_))
            SearchBoard();
    });
    connect(searchButton, &QPushButton::clicked, this, [this] { SearchBoard(); });
    connect(clearButton, &QPushButton::clicked, this, [this] { ClearSearch(); });
    connect(nextMoves_, &QTableWidget::cellActivated, this,
            [this](int row, int) { PlayNextMove(row); });
    for (QLineEdit* edit : {player_, tournament_, opening_, year_})
        connect(edit, &QLineEdit::textChanged, this, [this] { Refilter(); });
    connect(result_, &QComboBox::currentIndexChanged, this, [this] { Refilter(); });
    connect(list_, &QTableView::activated, this,
            [this](const QModelIndex& index) { EnterRow(index.row()); });
}

CollectionWindow::~CollectionWindow()
{
    delete marks_; // a child of the board, which may outlive this window
}

void CollectionWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (searched_) {
        SearchBoard(); // the board may have changed while the window was hidden
    }
}

void CollectionWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    follow_->stop();
    if (marks_)
        marks_->hide();
}

bool CollectionWindow::Open(const QString& path, bool quiet)
{
    QProgressDialog progress(QStringLiteral("棋譜集を読み込んでいます…"),
                             QStringLiteral("キャンセル"), 0, 1000, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    // Reading is the first half of the bar, indexing the second.
    auto step = [&progress](int base, std::uint64_t done, std::uint64_t total) {
        progress.setValue(base +
                          (total ? static_cast<int>(500 * std::min(done, total) / total) : 0));
        QApplication::processEvents();
        return !progress.wasCanceled();
    };
    auto opened = std::make_unique<IndexedCollection>();
    const CollectionOpenResult result = OpenIndexedCollection(
        QFileInfo(path).absoluteFilePath().toStdString(), DefaultIndexCacheFolder(), *opened,
        [&](std::uint64_t done, std::uint64_t total) { return step(0, done, total); },
        [&](std::uint64_t done, std::uint64_t total) { return step(500, done, total); });
    progress.reset();
    if (!result.ok) {
        lastError_ = QString::fromStdString(result.message);
        if (!quiet && result.message != "cancelled")
            QMessageBox::warning(this, QStringLiteral("棋譜集"),
                                 QStringLiteral("棋譜集を開けません: %1\n%2")
                                     .arg(QDir::toNativeSeparators(path), lastError_));
        return false;
    }
    lastError_.clear();
    opened_ = std::move(opened);
    ClearSearch(); // and lists every game
    setWindowTitle(QStringLiteral("棋譜集 - %1").arg(QFileInfo(path).fileName()));
    return true;
}

void CollectionWindow::Refilter()
{
    if (!opened_)
        return;
    GameFilter filter;
    filter.player = player_->text().trimmed().toStdString();
    filter.tournament = tournament_->text().trimmed().toStdString();
    filter.opening = opening_->text().trimmed().toStdString();
    filter.year = year_->text().trimmed().toInt();
    filter.result = ResultOfChoice[std::max(0, result_->currentIndex())];
    std::vector<std::uint32_t> rows =
        FilterGames(opened_->collection, filter, searched_ ? &found_.games : nullptr);
    const std::size_t shown = rows.size();
    model_->SetRows(&opened_->collection, std::move(rows));
    count_->setText(QStringLiteral("%1 / %2 局").arg(shown).arg(opened_->collection.games.size()));
}

void CollectionWindow::EnterRow(int row)
{
    if (!opened_ || row < 0 || row >= model_->rowCount())
        return;
    EnterCollectionGame(opened_->collection, opened_->collection.games[model_->GameAt(row)],
                        searched_.get());
}

void CollectionWindow::SearchBoard()
{
    if (!opened_)
        return;
    auto position = std::make_unique<SearchPosition>();
    for (CellIndex cell = 0; cell < CellTableSize; ++cell)
        if (IsBoardCell(cell) && (BoardCells[cell] == CellBlack || BoardCells[cell] == CellWhite))
            position->cells[cell] = BoardCells[cell];
    position->toMove = SideToMoveOf(position->cells, std::max(MoveCount, 0));
    found_ = opened_->index.Search(opened_->collection, *position);
    searched_ = std::move(position);
    nextMoves_->setRowCount(static_cast<int>(found_.nextMoves.size()));
    for (int row = 0; row < nextMoves_->rowCount(); ++row) {
        const NextMove& move = found_.nextMoves[static_cast<std::size_t>(row)];
        nextMoves_->setItem(row, 0,
                            new QTableWidgetItem(QString::fromStdString(CellName(move.cell))));
        nextMoves_->setItem(row, 1, new QTableWidgetItem(QString::number(move.games)));
        nextMoves_->setItem(row, 2, new QTableWidgetItem(ScoreText(move)));
    }
    nextMoves_->show();
    if (isVisible()) {
        if (marks_)
            static_cast<NextMoveMarks*>(marks_)->Show(found_.nextMoves);
        follow_->start();
    }
    searchLabel_->setText(QStringLiteral("この局面: %1 局").arg(found_.games.size()));
    Refilter();
}

void CollectionWindow::ClearSearch()
{
    searched_.reset();
    found_ = SearchResult();
    nextMoves_->setRowCount(0);
    nextMoves_->hide();
    follow_->stop();
    if (marks_)
        marks_->hide();
    searchLabel_->clear();
    Refilter();
}

void CollectionWindow::PlayNextMove(int row)
{
    if (!searched_ || row < 0 || static_cast<std::size_t>(row) >= found_.nextMoves.size())
        return;
    if (EditMode != ModeMoveOrder && EditMode != ModeFourChase) {
        Window->ShowErrorBox("次の手は着手順の入力で打てます");
        return;
    }
    MovePress(found_.nextMoves[static_cast<std::size_t>(row)].cell);
    SearchBoard();
}

void InstallCollectionMenu(QMainWindow* window)
{
    QMenu* menu = window->menuBar()->addMenu(QStringLiteral("棋譜集(&D)"));
    auto* shown = new QPointer<CollectionWindow>;
    auto collectionWindow = [window, shown]() -> CollectionWindow* {
        if (!*shown)
            *shown = new CollectionWindow(window);
        return *shown;
    };
    QObject::connect(menu, &QObject::destroyed, [shown] { delete shown; });
    auto open = [collectionWindow](const QString& path) {
        if (path.isEmpty())
            return;
        CollectionWindow* w = collectionWindow();
        if (w->Open(path)) {
            w->show();
            w->raise();
        }
    };
    menu->addAction(QStringLiteral("データベース・ライブラリを開く(&O)..."), window, [=] {
        open(QFileDialog::getOpenFileName(window, QStringLiteral("棋譜集を開く"), QString(),
                                          QStringLiteral("棋譜集 (*.rif *.lib *.sgf)")));
    });
    menu->addAction(QStringLiteral("棋譜のフォルダを開く(&F)..."), window, [=] {
        open(QFileDialog::getExistingDirectory(window, QStringLiteral("棋譜のフォルダを開く")));
    });
    menu->addAction(QStringLiteral("棋譜集ウィンドウ(&W)"), window, [=] {
        CollectionWindow* w = collectionWindow();
        w->show();
        w->raise();
    });
}
