// The players' coordinates around the board view: the letters a–o under the columns and the
// numbers 1–15 beside the rows, 1 at the bottom. A widget of its own beside ImgBan, so the
// board view is never drawn over and no stone on an edge point hides a label.
#pragma once

#include <QPointer>
#include <QWidget>
#include <utility>
#include <vector>

class BoardCoordinates : public QWidget {
    Q_OBJECT
public:
    // Room taken beside the board for the numbers and below it for the letters.
    static constexpr int NumberWidth = 26;
    static constexpr int LetterHeight = 24;
    static constexpr int FontPixels = 16;

    explicit BoardCoordinates(QWidget* parent);

    // Where the label of a column (below the board) and of a row (left of it) is centred,
    // in this widget's pixels; column and row 1..15, row 1 at the top as the view counts.
    static QPoint ColumnLabelCentre(int column);
    static QPoint RowLabelCentre(int row);
    // The label's text: "a" for column 1, "15" for row 1 (the top row).
    static QString ColumnLabel(int column);
    static QString RowLabel(int row);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Makes room for the coordinates and shows them, or takes them away and puts every control
// and the window's size back exactly as they were. The client area's controls move right
// by the numbers' width; those below the board also move down by the letters' height.
class CoordinatesLayout {
public:
    void Show(QWidget* window, QWidget* clientArea, QWidget* board);
    void Hide(QWidget* window);
    bool Shown() const { return shown_; }
    BoardCoordinates* Widget() const { return labels_; }

private:
    bool shown_ = false;
    BoardCoordinates* labels_ = nullptr;
    std::vector<std::pair<QPointer<QWidget>, QPoint>> moved_; // each control and its step
    QSize grown_;
};
