#include "forms/TreePanel.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>

#include "Board/Coordinates.h"
#include "forms/FomKifu.h"
#include "forms/WindowInput.h"
#include "main/State.h"
#include "main/Variations.h"

TreeGraph::TreeGraph(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TreeGraph"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
}

void TreeGraph::keyPressEvent(QKeyEvent* event)
{
    // The graph takes the main window's navigation keys, ↑/↓ among them.
    if (const NavigationHandler handler =
            NavigationHandlerForKey(event->key(), event->modifiers())) {
        handler();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TreeGraph::SetTree(const RecordTree& tree, bool reshaped)
{
    tree_ = &tree;
    if (reshaped || row_.empty()) {
        // Preorder walk without recursion: a first child takes its parent's row.
        row_.clear();
        depth_.clear();
        byDepth_.clear();
        rows_ = 0;
        std::vector<std::pair<NodeId, int>> stack{{tree.Root(), 0}};
        int nextRow = 0;
        while (!stack.empty()) {
            const auto [id, depth] = stack.back();
            stack.pop_back();
            if (static_cast<std::size_t>(id) >= row_.size()) {
                row_.resize(static_cast<std::size_t>(id) + 1, -1);
                depth_.resize(static_cast<std::size_t>(id) + 1, 0);
            }
            const NodeId parent = tree.Node(id).parent;
            const bool first = parent == NoNode || tree.Node(parent).firstChild == id;
            row_[id] = first && parent != NoNode ? row_[parent] : nextRow++;
            depth_[id] = depth;
            if (byDepth_.size() <= static_cast<std::size_t>(depth))
                byDepth_.resize(static_cast<std::size_t>(depth) + 1);
            byDepth_[depth].push_back(id);
            // Children go on the stack last first, so the first is laid out next.
            const std::size_t mark = stack.size();
            for (NodeId c = tree.Node(id).firstChild; c != NoNode; c = tree.Node(c).nextSibling)
                stack.push_back({c, depth + 1});
            std::reverse(stack.begin() + static_cast<std::ptrdiff_t>(mark), stack.end());
        }
        rows_ = nextRow;
        const int width = static_cast<int>(byDepth_.size()) * Cell + Cell;
        const int height = std::min(rows_ * Cell + Cell, 16000000);
        setFixedSize(width, height);
    }
    update();
}

QPoint TreeGraph::CentreOf(NodeId id) const
{
    if (id < 0 || static_cast<std::size_t>(id) >= row_.size() || row_[id] < 0)
        return {};
    return {depth_[id] * Cell + Cell / 2 + 4, row_[id] * Cell + Cell / 2 + 4};
}

NodeId TreeGraph::NodeAt(QPoint point) const
{
    const int depth = (point.x() - 4) / Cell;
    const int row = (point.y() - 4) / Cell;
    if (depth < 0 || static_cast<std::size_t>(depth) >= byDepth_.size())
        return NoNode;
    const auto& column = byDepth_[depth];
    const auto it = std::lower_bound(column.begin(), column.end(), row,
                                     [this](NodeId id, int r) { return row_[id] < r; });
    if (it == column.end() || row_[*it] != row)
        return NoNode;
    return *it;
}

void TreeGraph::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    if (tree_ == nullptr)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect area = event->rect().adjusted(-Cell, -Cell, Cell, Cell);
    const int firstDepth = std::max(0, (area.left() - 4) / Cell);
    const int lastDepth =
        std::min(static_cast<int>(byDepth_.size()) - 1, (area.right() - 4) / Cell);
    const NodeId current = tree_->Current();
    QFont small = font();
    small.setPixelSize(9);
    painter.setFont(small);
    for (int d = firstDepth; d <= lastDepth; ++d) {
        const auto& column = byDepth_[d];
        // Rows of a later column start no earlier than a parent's: search from the top edge.
        auto it = std::lower_bound(column.begin(), column.end(), (area.top() - 4) / Cell,
                                   [this](NodeId id, int r) { return row_[id] < r; });
        for (; it != column.end() && row_[*it] * Cell <= area.bottom(); ++it) {
            const NodeId id = *it;
            if (!tree_->IsLive(id))
                continue;
            const QPoint centre = CentreOf(id);
            const NodeId parent = tree_->Node(id).parent;
            if (parent != NoNode) {
                const QPoint from = CentreOf(parent);
                // A later child's edge goes down its parent's column, then across.
                const QPoint corner(from.x(), centre.y());
                painter.setPen(QPen(Qt::gray, 1));
                painter.drawLine(from, corner);
                painter.drawLine(corner, centre);
            }
            const RecordNode& node = tree_->Node(id);
            const bool black = parent != NoNode && tree_->MoverOf(id) == Colour::Black;
            const QRect disc(centre.x() - 9, centre.y() - 9, 18, 18);
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(parent == NoNode ? QColor(Qt::gray) : black ? Qt::black : Qt::white);
            painter.drawEllipse(disc);
            const NodeText* text = tree_->Text(id);
            if (text != nullptr && (!text->oneLine.empty() || !text->multiLine.empty())) {
                painter.setBrush(QColor(0xe0, 0x90, 0x00));
                painter.setPen(Qt::NoPen);
                painter.drawEllipse(QRect(centre.x() + 5, centre.y() - 10, 6, 6));
            }
            if (parent != NoNode && node.move != PassMove) {
                painter.setPen(black ? Qt::white : Qt::black);
                painter.drawText(disc, Qt::AlignCenter,
                                 QString::fromStdString(CellName(node.move)));
            }
            if (id == current) {
                painter.setBrush(Qt::NoBrush);
                painter.setPen(QPen(QColor(0xdc, 0, 0), 2));
                painter.drawEllipse(disc.adjusted(-3, -3, 3, 3));
            }
        }
    }
}

void TreeGraph::mousePressEvent(QMouseEvent* event)
{
    const NodeId id = NodeAt(event->position().toPoint());
    if (id != NoNode)
        GoToNode(id);
}

TreePanel::TreePanel(QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("TreePanel"));
    setWindowTitle(QStringLiteral("変化ツリー"));
    auto* layout = new QVBoxLayout(this);
    scroll_ = new QScrollArea(this);
    Graph = new TreeGraph;
    scroll_->setWidget(Graph);
    scroll_->setBackgroundRole(QPalette::Base);
    layout->addWidget(scroll_, 3);
    CurrentLine = new QLabel(this);
    CurrentLine->setObjectName(QStringLiteral("CurrentLine"));
    CurrentLine->setWordWrap(true);
    CurrentLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(CurrentLine);
    OneLineComment = new QLineEdit(this);
    OneLineComment->setObjectName(QStringLiteral("OneLineComment"));
    OneLineComment->setPlaceholderText(QStringLiteral("一行コメント"));
    layout->addWidget(OneLineComment);
    Comment = new QPlainTextEdit(this);
    Comment->setObjectName(QStringLiteral("Comment"));
    Comment->setPlaceholderText(QStringLiteral("コメント"));
    layout->addWidget(Comment, 1);
    connect(OneLineComment, &QLineEdit::textEdited, this, [this] { CommentEdited(); });
    connect(Comment, &QPlainTextEdit::textChanged, this, [this] { CommentEdited(); });
    resize(360, 520);
}

void TreePanel::CommentEdited()
{
    if (!loading_ && Window != nullptr)
        SetNodeComment(OneLineComment->text().toStdString(), Comment->toPlainText().toStdString());
}

void TreePanel::SetTree(const RecordTree& tree, bool reshaped)
{
    Graph->SetTree(tree, reshaped);
    const NodeId current = tree.Current();
    if (current != shown_ || reshaped) {
        shown_ = current;
        loading_ = true;
        const NodeText* text = tree.Text(current);
        OneLineComment->setText(text ? QString::fromStdString(text->oneLine) : QString());
        Comment->setPlainText(text ? QString::fromStdString(text->multiLine) : QString());
        loading_ = false;
        QString line;
        for (int i = 0; i < MoveCount; ++i)
            line += (i ? " " : "") + QString::fromStdString(CellName(MoveList[i]));
        CurrentLine->setText(line);
        const QPoint centre = Graph->CentreOf(current);
        scroll_->ensureVisible(centre.x(), centre.y(), TreeGraph::Cell * 2, TreeGraph::Cell * 2);
    }
}

void TreePanel::hideEvent(QHideEvent* event)
{
    if (OnHide)
        OnHide();
    QWidget::hideEvent(event);
}

namespace {

QAction* Item(const char* name)
{
    return qobject_cast<QAction*>(FomKifu->Control(name));
}

} // namespace

void MnuTreePanelClick()
{
    TFomKifu& window = *FomKifu;
    if (window.TreeView == nullptr) {
        window.TreeView = new TreePanel(&window);
        QAction* item = Item("MnuTreePanel");
        window.TreeView->OnHide = [item] { item->setChecked(false); };
    }
    if (Item("MnuTreePanel")->isChecked()) {
        window.TreeView->show();
        FollowLine(); // a line set up without a move entered is taken in first
        window.TreeView->SetTree(EditorRecord.tree, true);
    } else {
        window.TreeView->hide();
    }
}

void MnuHenkaHyoujiClick()
{
    SetVariationsShown(Item("MnuHenkaHyouji")->isChecked());
}

namespace {

void ChooseLibraryCodePage(const char* chosen, std::optional<CodePage> page)
{
    for (const char* item : {"MnuCodeCp932", "MnuCodeGbk", "MnuCodeCp1252", "MnuCodeUtf8"})
        Item(item)->setChecked(chosen != nullptr && std::strcmp(item, chosen) == 0);
    SetLibraryCodePage(page);
}

} // namespace

void MnuCodeAutoClick()
{
    ChooseLibraryCodePage(nullptr, std::nullopt);
}

void MnuCodeCp932Click()
{
    ChooseLibraryCodePage("MnuCodeCp932", CodePage::Cp932);
}

void MnuCodeGbkClick()
{
    ChooseLibraryCodePage("MnuCodeGbk", CodePage::Gbk);
}

void MnuCodeCp1252Click()
{
    ChooseLibraryCodePage("MnuCodeCp1252", CodePage::Cp1252);
}

void MnuCodeUtf8Click()
{
    ChooseLibraryCodePage("MnuCodeUtf8", CodePage::Utf8);
}
