// The tree panel (変化 → 変化ツリーを表示): a side window with the analysis tree drawn as
// a graph of moves, the current node's comment in editable fields and the current line.
// Made on first use, so the main window is exactly as before until it is asked for.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "Record/RecordTree.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QScrollArea;

// The graph: a node's column is its depth, its row is where the walk of the tree reached
// it (a first child stays on its parent's row, later children start rows below).
class TreeGraph : public QWidget {
    Q_OBJECT
public:
    explicit TreeGraph(QWidget* parent = nullptr);
    // Lays the tree out again when `reshaped`, else only moves the current node's ring.
    void SetTree(const RecordTree& tree, bool reshaped);
    // The node drawn at a point of the widget, NoNode when none.
    NodeId NodeAt(QPoint point) const;
    QPoint CentreOf(NodeId id) const;

    static constexpr int Cell = 26;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const RecordTree* tree_ = nullptr;
    std::vector<int> row_;                     // by node id; -1 for no node
    std::vector<int> depth_;                   // by node id
    std::vector<std::vector<NodeId>> byDepth_; // each column's nodes, by row
    int rows_ = 0;
};

class TreePanel : public QWidget {
    Q_OBJECT
public:
    explicit TreePanel(QWidget* parent = nullptr);
    void SetTree(const RecordTree& tree, bool reshaped);

    TreeGraph* Graph = nullptr;
    QLineEdit* OneLineComment = nullptr;
    QPlainTextEdit* Comment = nullptr;
    QLabel* CurrentLine = nullptr;
    std::function<void()> OnHide; // the panel was closed or hidden

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void CommentEdited();
    QScrollArea* scroll_ = nullptr;
    NodeId shown_ = NoNode;
    bool loading_ = false;
};

// 変化 → 変化ツリーを表示 and 変化を盤に表示: both tick themselves when chosen.
void MnuTreePanelClick();
void MnuHenkaHyoujiClick();

// ライブラリの文字コード: the chosen code page alone is ticked; 自動判定, none ticked, finds it
// from the bytes.
void MnuCodeAutoClick();
void MnuCodeCp932Click();
void MnuCodeGbkClick();
void MnuCodeCp1252Click();
void MnuCodeUtf8Click();
