// Every menu item and every control of the real main window, triggered once as a user
// would, checked by what the user then sees: the board's pixels, texts, ticks, panels,
// enabled buttons, the boxes and dialogs that appear and the files written. Each case
// checks what is particular to its control, so two handlers wired the wrong way round
// fail both their cases.
#include "test_main_window_fixture.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <cstring>
#include <deque>
#include <set>
#include <string>
#include <vector>

#include "../fixtures/QtFiles.h"
#include "Text/CodePage.h"
#include "drawing/Pictures.h"
#include "forms/BoardCoordinates.h"
#include "forms/EngineAnalysis.h"
#include "forms/FomKifuControls.h"
#include "forms/ImageBox.h"
#include "forms/TreePanel.h"
#include "main/Geometry.h"
#include "main/Variations.h"

namespace {

// ---- What the user sees --------------------------------------------------------------

// The board as shown on screen, read back from the widget's pixels: 'X' a black stone,
// 'O' a white stone, '.' anything else, one string a row from the top.
std::vector<std::string> SeenBoard(TFomKifu& window)
{
    const QImage shown = window.ImgBan->grab().toImage().convertToFormat(QImage::Format_RGB32);
    std::vector<std::string> rows;
    for (int row = 0; row < 15; ++row) {
        std::string line;
        for (int column = 0; column < 15; ++column) {
            int dark = 0;
            int light = 0;
            for (int y = 0; y < ViewCell; ++y) {
                for (int x = 0; x < ViewCell; ++x) {
                    const int grey = qGray(shown.pixel(column * ViewCell + x, row * ViewCell + y));
                    dark += grey < 60;
                    light += grey > 225;
                }
            }
            // A stone covers about two thirds of its cell; lines and letters far less.
            const int third = ViewCell * ViewCell * 35 / 100;
            line += dark > third ? 'X' : light > third ? 'O' : '.';
        }
        rows.push_back(line);
    }
    return rows;
}

using Picture = std::vector<std::string>;

const Picture EmptyBoard(BoardLines, std::string(BoardLines, '.'));

// The empty board with stones at (column, row).
Picture With(std::initializer_list<std::tuple<int, int, char>> stones)
{
    Picture picture = EmptyBoard;
    for (const auto& [column, row, stone] : stones) {
        picture[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column - 1)] = stone;
    }
    return picture;
}

std::string Memo(TFomKifu& window)
{
    return window.Memo1->toPlainText().toStdString();
}

std::string Text(QObject* control)
{
    return control->property("text").toString().toStdString();
}

QPoint CellCentre(int column, int row)
{
    return QPoint(ViewCellX(column) + ViewCell / 2, ViewCellY(row) + ViewCell / 2);
}

void PressCell(TFomKifu& window, int column, int row, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(window.ImgBan, button, {}, CellCentre(column, row));
}

// Which of the window's panels and radio items are on, by name.
std::set<std::string> VisiblePanels(TFomKifu& window)
{
    std::set<std::string> names;
    for (QWidget* panel :
         {static_cast<QWidget*>(window.PanelSyujun), static_cast<QWidget*>(window.PanelMoji),
          static_cast<QWidget*>(window.PanelHaiseki),
          static_cast<QWidget*>(window.PanelTaikyokuData),
          static_cast<QWidget*>(window.ImgGazouBan)}) {
        if (panel->isVisible()) {
            names.insert(panel->objectName().toStdString());
        }
    }
    return names;
}

std::set<std::string> TickedItems(TFomKifu& window)
{
    std::set<std::string> names;
    for (const FomKifuControl& row : FomKifuControls()) {
        if (row.check != Check::None &&
            static_cast<QAction*>(window.Control(row.name))->isChecked()) {
            names.insert(row.name);
        }
    }
    return names;
}

std::string EnabledButtons(TFomKifu& window)
{
    std::string enabled;
    for (NavButton button : {NavButton::BitBackAll, NavButton::BitBack2, NavButton::BitBack1,
                             NavButton::BitGo1, NavButton::BitGo2, NavButton::BitGoAll}) {
        enabled += window.NavigationButton(button)->isEnabled() ? '1' : '0';
    }
    return enabled;
}

void PutInt(QByteArray& bytes, int offset, int value)
{
    for (int i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<char>((static_cast<unsigned>(value) >> (8 * i)) & 0xff);
    }
}

// ---- The modal windows that appear ------------------------------------------------------

// What a modal window showed before the script answered it.
struct SeenModal {
    std::string kind; // "question", "file", "settings" or "other"
    std::string title, text;
    QStringList buttons;
    // File dialogs.
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    QStringList filters;
    std::string proposed;
    bool exportShown = false; // ImgGazouBan visible while the dialog was open
    QSize exportSize;
};

// Answers the modal windows that appear, in order, from a queue of steps, and records
// each. A modal window for which no step is left is cancelled and counted, so a wrongly
// wired control ends its case with a failure rather than a hang.
class ModalScript {
public:
    using Step = std::function<void(QWidget&)>;

    explicit ModalScript(TFomKifu& window) : window_(window)
    {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { Poll(); });
        timer_.start(5);
    }

    void Then(Step step) { steps_.push_back(std::move(step)); }
    // The next question box: answered with the button of this caption.
    void Answer(const QString& button)
    {
        Then([button](QWidget& widget) {
            auto* box = qobject_cast<QMessageBox*>(&widget);
            ASSERT_NE(box, nullptr);
            ClickButton(*box, button);
        });
    }
    // The next file dialog: `path` typed into its name field and accepted; "" cancels.
    void Choose(const QString& path)
    {
        Then([path](QWidget& widget) {
            auto* dialog = qobject_cast<QFileDialog*>(&widget);
            ASSERT_NE(dialog, nullptr);
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (path.isEmpty() || edit == nullptr) {
                dialog->reject();
                return;
            }
            edit->setText(path);
            static_cast<QDialog*>(dialog)->accept();
        });
    }

    std::vector<SeenModal> seen;
    int unexpected = 0;
    bool Done() const { return steps_.empty(); }

private:
    void Poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) {
            return;
        }
        seen.push_back(Record(*modal));
        if (steps_.empty()) {
            ++unexpected;
            Cancel(*modal);
            return;
        }
        Step step = std::move(steps_.front());
        steps_.pop_front();
        step(*modal);
        if (modal->isVisible()) {
            // The step found a window it did not expect and failed; do not hang on it.
            Cancel(*modal);
        }
    }

    static void Cancel(QWidget& modal)
    {
        if (auto* dialog = qobject_cast<QDialog*>(&modal)) {
            dialog->reject();
        } else {
            modal.close();
        }
    }

    SeenModal Record(QWidget& modal)
    {
        SeenModal s;
        s.title = modal.windowTitle().toStdString();
        if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
            s.kind = "question";
            s.text = box->text().toStdString();
            for (QAbstractButton* button : box->buttons()) {
                s.buttons.append(button->text());
            }
        } else if (auto* dialog = qobject_cast<QFileDialog*>(&modal)) {
            s.kind = "file";
            s.mode = dialog->acceptMode();
            s.filters = dialog->nameFilters();
            if (auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
                s.proposed = edit->text().toStdString();
            }
            s.exportShown = window_.ImgGazouBan->isVisible();
            s.exportSize = window_.ImgGazouBan->size();
        } else if (&modal == Set_Taikyoku) {
            s.kind = "settings";
        } else {
            s.kind = "other";
        }
        return s;
    }

    TFomKifu& window_;
    QTimer timer_;
    std::deque<Step> steps_;
};

// ---- The cases --------------------------------------------------------------------------

struct Context {
    TFomKifu& window;
    ModalScript& modals;
    QString folder;
    QString File(const char* name) const { return folder + QLatin1Char('/') + name; }
};

struct Case {
    const char* control;                   // row of the window's table
    std::function<void(Context&)> arrange; // before the control is used
    std::function<void(Context&)> check;   // after
};

// Uses the control as a user does: a menu item is chosen, a button clicked, the
// scroll bar's right arrow clicked, the board pressed on its centre.
void Use(TFomKifu& window, const char* name)
{
    QObject* control = window.Control(name);
    ASSERT_NE(control, nullptr) << name;
    if (auto* action = qobject_cast<QAction*>(control)) {
        action->trigger();
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        QTest::mouseClick(button, Qt::LeftButton);
    } else if (auto* bar = qobject_cast<QScrollBar*>(control)) {
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    } else if (control == window.ImgBan) {
        PressCell(window, 8, 8);
    } else {
        FAIL() << name << " cannot be used";
    }
}

// Three moves entered on the board: black (8, 8), white (9, 7), black (7, 9).
void ThreeMoves(Context& c)
{
    PressCell(c.window, 8, 8);
    PressCell(c.window, 9, 7);
    PressCell(c.window, 7, 9);
}

void ThreeMovesTakenBack(Context& c)
{
    ThreeMoves(c);
    QTest::mouseClick(c.window.BitBackAll, Qt::LeftButton);
}

// The third move taken back and (1, 1) entered instead: (7, 9) is kept as a variation.
void Branched(Context& c)
{
    ThreeMoves(c);
    QTest::mouseClick(c.window.BitBack1, Qt::LeftButton);
    PressCell(c.window, 1, 1);
}

const Picture Branch = With({{8, 8, 'X'}, {9, 7, 'O'}, {1, 1, 'X'}});

const Picture ThreeStones = With({{8, 8, 'X'}, {9, 7, 'O'}, {7, 9, 'X'}});

// A game record: opening 4 (花月), black "AB", no white name, and a fourth move at 104
// (column 8, row 6), as the file stores it.
QByteArray OpeningFourRecord()
{
    QByteArray bytes(668, '\0');
    PutInt(bytes, 0, 4);
    bytes[4] = 2;
    bytes[5] = 'A';
    bytes[6] = 'B';
    const int moves[] = {136, 120, 121, 104};
    for (int i = 0; i < 4; ++i) {
        PutInt(bytes, 68 + 4 * i, moves[i]);
    }
    return bytes;
}

// A position: black at (8, 8), white at (15, 1).
QByteArray TwoStonePosition()
{
    QByteArray bytes(120, '\0');
    bytes[57] = 0x40;
    bytes[5] = 0x20;
    return bytes;
}

void ExpectFileDialog(const SeenModal& seen, QFileDialog::AcceptMode mode, const char* proposed,
                      const char* filter)
{
    EXPECT_EQ(seen.kind, "file");
    EXPECT_EQ(seen.mode, mode);
    EXPECT_EQ(seen.proposed, proposed);
    EXPECT_EQ(seen.filters, QStringList({QString::fromUtf8(filter)}));
}

// After choosing a code page its item alone is ticked, and a library saved now holds its
// comment in that code page. The choice is put back for the cases after.
void ExpectCodePageChosen(Context& c, const char* item, CodePage page)
{
    EXPECT_EQ(TickedItems(c.window), (std::set<std::string>{"MnuSetTe", "MnuSyujyun", item}));
    EXPECT_EQ(LibraryCodePage(), page);
    PressCell(c.window, 8, 8);
    const std::string comment = page == CodePage::Cp1252 ? "café" : "黒";
    SetNodeComment(comment, "");
    c.modals.Choose(c.File("coded.lib"));
    qobject_cast<QAction*>(c.window.Control("MnuLibSave"))->trigger();
    const std::optional<std::string> encoded = EncodeText(comment, page);
    ASSERT_TRUE(encoded);
    EXPECT_TRUE(ReadFile(c.File("coded.lib")).contains(QByteArray::fromStdString(*encoded)));
    qobject_cast<QAction*>(c.window.Control("MnuCodeAuto"))->trigger();
}

const Case Cases[] = {
    // -- The board and the controls below it --
    {"ImgBan", nullptr,
     [](Context& c) {
         EXPECT_EQ(SeenBoard(c.window), With({{8, 8, 'X'}}));
         EXPECT_EQ(Memo(c.window), "　2 手目  白");
         EXPECT_EQ(EnabledButtons(c.window), "111000");
     }},
    {"BitBackAll", ThreeMoves,
     [](Context& c) {
         EXPECT_EQ(SeenBoard(c.window), EmptyBoard);
         EXPECT_EQ(Memo(c.window), "　1 手目  黒");
         EXPECT_EQ(EnabledButtons(c.window), "000111");
     }},
    {"BitBack2", ThreeMoves,
     [](Context& c) {
         EXPECT_EQ(SeenBoard(c.window), With({{8, 8, 'X'}}));
         EXPECT_EQ(Memo(c.window), "　2 手目  白");
         EXPECT_EQ(EnabledButtons(c.window), "111111");
     }},
    {"BitBack1", ThreeMoves,
     [](Context& c) {
         EXPECT_EQ(SeenBoard(c.window), With({{8, 8, 'X'}, {9, 7, 'O'}}));
         EXPECT_EQ(Memo(c.window), "　3 手目  黒");
         EXPECT_EQ(EnabledButtons(c.window), "111111");
     }},
    {"BitGo1", ThreeMovesTakenBack,
     [](Context& c) {
         EXPECT_EQ(SeenBoard(c.window), With({{8, 8, 'X'}}));
         EXPECT_EQ(Memo(c.window), "　2 手目  白");
         EXPECT_EQ(EnabledButtons(c.window), "111111");
     }},
    {"BitGo2", ThreeMovesTakenBack,
     [](Context& c) {
         EXPECT_EQ(SeenBoard(c.window), With({{8, 8, 'X'}, {9, 7, 'O'}}));
         EXPECT_EQ(Memo(c.window), "　3 手目  黒");
     }},
    {"BitGoAll", ThreeMovesTakenBack,
     [](Context& c) {
         EXPECT_EQ(SeenBoard(c.window), ThreeStones);
         EXPECT_EQ(Memo(c.window), "　4 手目  白");
         EXPECT_EQ(EnabledButtons(c.window), "111000");
     }},
    {"BtnkoutaiMouse", [](Context& c) { c.window.MnuSetIsi->trigger(); },
     [](Context& c) {
         EXPECT_EQ(Text(c.window.LabelLeftClick), "左ｸﾘｯｸ-白");
         EXPECT_EQ(Text(c.window.LabelRightClick), "右ｸﾘｯｸ-黒");
         PressCell(c.window, 1, 1);
         EXPECT_EQ(SeenBoard(c.window), With({{1, 1, 'O'}}));
         EXPECT_EQ(Memo(c.window), "  黒石  0\n  白石  1");
     }},
    {"ScrollMoji", [](Context& c) { c.window.MnuSetMoji->trigger(); },
     [](Context& c) {
         EXPECT_EQ(c.window.ScrollMoji->value(), 1);
         EXPECT_EQ(Text(c.window.LabelMoji), "B");
     }},

    // -- ファイル(&F) --
    {"MnuOpen",
     [](Context& c) {
         WriteFile(c.File("game.kif"), OpeningFourRecord());
         c.modals.Choose(c.File("game.kif"));
     },
     [](Context& c) {
         ASSERT_EQ(c.modals.seen.size(), 1u);
         ExpectFileDialog(c.modals.seen[0], QFileDialog::AcceptOpen, ".kif", "棋譜データ(*.kif)");
         EXPECT_EQ(SeenBoard(c.window), With({{8, 8, 'X'}, {8, 7, 'O'}, {9, 7, 'X'}, {8, 6, 'O'}}));
         EXPECT_EQ(Memo(c.window), "　5 手目  黒");
         EXPECT_EQ(VisiblePanels(c.window),
                   (std::set<std::string>{"PanelSyujun", "PanelTaikyokuData"}));
         EXPECT_EQ(Text(c.window.EditSyukei), " 珠型 : 花月");
         EXPECT_EQ(Text(c.window.EditKuroKisi), " 黒　AB");
         EXPECT_EQ(Text(c.window.EditSiroKisi), " 白　");
         EXPECT_EQ(EnabledButtons(c.window), "111000");
     }},
    {"MnuSaveAs",
     [](Context& c) {
         PressCell(c.window, 8, 8);
         PressCell(c.window, 9, 7);
         c.modals.Choose(c.File("saved.kif"));
     },
     [](Context& c) {
         ASSERT_EQ(c.modals.seen.size(), 1u);
         ExpectFileDialog(c.modals.seen[0], QFileDialog::AcceptSave, "-.kif", "棋譜データ(*.kif)");
         QByteArray expected(668, '\0');
         PutInt(expected, 68, 136);
         PutInt(expected, 72, 121);
         EXPECT_EQ(ReadFile(c.File("saved.kif")), expected);
         EXPECT_EQ(SeenBoard(c.window), With({{8, 8, 'X'}, {9, 7, 'O'}}));
     }},
    {"MnuHaisekiOpen",
     [](Context& c) {
         PressCell(c.window, 1, 15);
         WriteFile(c.File("position.dat"), TwoStonePosition());
         c.modals.Choose(c.File("position.dat"));
     },
     [](Context& c) {
         ASSERT_EQ(c.modals.seen.size(), 1u);
         ExpectFileDialog(c.modals.seen[0], QFileDialog::AcceptOpen, ".dat", "盤データ(*.dat)");
         EXPECT_EQ(SeenBoard(c.window), With({{8, 8, 'X'}, {15, 1, 'O'}}));
         EXPECT_EQ(Memo(c.window), "  黒石  1\n  白石  1");
         EXPECT_EQ(EnabledButtons(c.window), "000000");
     }},
    {"MnuHaisekiSave",
     [](Context& c) {
         PressCell(c.window, 8, 8);
         PressCell(c.window, 15, 1);
         c.modals.Choose(c.File("saved.dat"));
     },
     [](Context& c) {
         ASSERT_EQ(c.modals.seen.size(), 1u);
         ExpectFileDialog(c.modals.seen[0], QFileDialog::AcceptSave, ".dat", "盤データ(*.dat)");
         EXPECT_EQ(ReadFile(c.File("saved.dat")), TwoStonePosition());
     }},
    {"MnuOpenOther",
     [](Context& c) {
         WriteFile(c.File("game.psq"),
                   "Piskvorky 15x15, 11:11, 0\r\n8,8,0\r\n8,7,0\r\n9,7,0\r\n-1\r\n");
         c.modals.Choose(c.File("game.psq"));
     },
     [](Context& c) {
         ASSERT_EQ(c.modals.seen.size(), 1u);
         EXPECT_EQ(c.modals.seen[0].mode, QFileDialog::AcceptOpen);
         ASSERT_FALSE(c.modals.seen[0].filters.isEmpty());
         EXPECT_TRUE(c.modals.seen[0].filters[0].startsWith("すべての棋譜("));
         EXPECT_TRUE(c.modals.seen[0].filters.join(' ').contains("*.psq"));
         EXPECT_EQ(SeenBoard(c.window), With({{8, 8, 'X'}, {8, 7, 'O'}, {9, 7, 'X'}}));
         EXPECT_EQ(Memo(c.window), "　4 手目  白");
     }},
    {"MnuSaveOther",
     [](Context& c) {
         PressCell(c.window, 8, 8);
         PressCell(c.window, 9, 7);
         c.modals.Choose(c.File("saved.psq"));
     },
     [](Context& c) {
         ASSERT_EQ(c.modals.seen.size(), 1u);
         EXPECT_EQ(c.modals.seen[0].mode, QFileDialog::AcceptSave);
         EXPECT_EQ(c.modals.seen[0].proposed, "-.sgf");
         EXPECT_EQ(ReadFile(c.File("saved.psq")),
                   QByteArray("Piskvorky 15x15, 11:11, 0\r\n8,8,0\r\n9,7,0\r\n"));
         EXPECT_EQ(SeenBoard(c.window), With({{8, 8, 'X'}, {9, 7, 'O'}}));
     }},
    {"MnuExit", [](Context& c) { c.modals.Answer("OK"); },
     [](Context& c) {
         ASSERT_EQ(c.modals.seen.size(), 1u);
         EXPECT_EQ(c.modals.seen[0].title, "情報");
         EXPECT_EQ(c.modals.seen[0].text, "Korvane0.9 を終了しますか？");
         EXPECT_FALSE(c.window.isVisible());
     }},

    // -- 棋譜画像保存(&G) --
    {"MnuWBHozon",
     [](Context& c) {
         PressCell(c.window, 8, 8);
         c.modals.Choose(c.File("board.bmp"));
     },
     [](Context& c) {
         ASSERT_EQ(c.modals.seen.size(), 1u);
         const SeenModal& dialog = c.modals.seen[0];
         EXPECT_EQ(dialog.kind, "file");
         EXPECT_EQ(dialog.mode, QFileDialog::AcceptSave);
         EXPECT_EQ(dialog.proposed, ".bmp");
         // The bitmap first, as the default, then the figures for print.
         EXPECT_EQ(dialog.filters, QStringList({"画像データ(*.bmp)", "SVG 画像(*.svg)",
                                                "PDF 文書(*.pdf)", "PNG 画像(*.png)"}));
         EXPECT_TRUE(dialog.exportShown);
         EXPECT_EQ(dialog.exportSize, QSize(375, 375));
         EXPECT_FALSE(c.window.ImgGazouBan->isVisible());
         const QImage written(c.File("board.bmp"));
         ASSERT_EQ(written.size(), QSize(375, 375));
         EXPECT_EQ(written.depth(), 1);
         EXPECT_EQ(qGray(written.pixel(7 * ExportCell + 3, 7 * ExportCell + 12)), 0)
             << "the stone at (8, 8)";
     }},
    {"MnuWBHaniSetei", [](Context& c) { c.modals.Choose(c.File("range.bmp")); },
     [](Context& c) {
         // Armed: nothing shows yet, and the next drag chooses the range.
         EXPECT_TRUE(c.modals.seen.empty());
         QTest::mousePress(c.window.ImgBan, Qt::LeftButton, {}, CellCentre(3, 2));
         const QPointF end(CellCentre(6, 4));
         QMouseEvent move(QEvent::MouseMove, end, c.window.ImgBan->mapToGlobal(end), Qt::NoButton,
                          Qt::LeftButton, Qt::NoModifier);
         QCoreApplication::sendEvent(c.window.ImgBan, &move);
         QTest::mouseRelease(c.window.ImgBan, Qt::LeftButton, {}, CellCentre(6, 4));
         ASSERT_EQ(c.modals.seen.size(), 1u);
         EXPECT_TRUE(c.modals.seen[0].exportShown);
         EXPECT_EQ(c.modals.seen[0].exportSize, QSize(100, 75));
         EXPECT_EQ(QImage(c.File("range.bmp")).size(), QSize(100, 75));
         EXPECT_EQ(SeenBoard(c.window), EmptyBoard) << "the press placed nothing";
     }},

    // -- 対局(&P) --
    {"MnuSetTaikyoku",
     [](Context& c) {
         c.modals.Then([](QWidget& widget) {
             ASSERT_EQ(&widget, Set_Taikyoku);
             Set_Taikyoku->ComboSyukei->setCurrentIndex(3); // 花月
             Set_Taikyoku->Edit_Kuro->setText(QStringLiteral("山田"));
             Set_Taikyoku->Edit_Siro->setText(QStringLiteral("田中"));
             QTest::mouseClick(Set_Taikyoku->OKBtn, Qt::LeftButton);
         });
     },
     [](Context& c) {
         ASSERT_EQ(c.modals.seen.size(), 1u);
         EXPECT_EQ(c.modals.seen[0].title, "対局設定");
         EXPECT_EQ(VisiblePanels(c.window),
                   (std::set<std::string>{"PanelSyujun", "PanelTaikyokuData"}));
         EXPECT_EQ(Text(c.window.EditSyukei), " 珠型 : 花月");
         EXPECT_EQ(Text(c.window.EditKuroKisi), " 黒　山田");
         EXPECT_EQ(Text(c.window.EditSiroKisi), " 白　田中");
         EXPECT_EQ(SeenBoard(c.window), With({{8, 8, 'X'}, {8, 7, 'O'}, {9, 7, 'X'}}));
         EXPECT_EQ(Memo(c.window), "　4 手目  白");
     }},

    // -- 局面(&K) --
    {"MnuClear",
     [](Context& c) {
         ThreeMoves(c);
         c.modals.Answer("OK");
     },
     [](Context& c) {
         ASSERT_EQ(c.modals.seen.size(), 1u);
         EXPECT_EQ(c.modals.seen[0].text, "盤をクリアしますか？");
         EXPECT_EQ(SeenBoard(c.window), EmptyBoard);
         EXPECT_EQ(Memo(c.window), "　1 手目  黒");
         EXPECT_EQ(EnabledButtons(c.window), "000000");
     }},
    {"MnuSetTe", [](Context& c) { c.window.MnuSetMoji->trigger(); },
     [](Context& c) {
         EXPECT_EQ(TickedItems(c.window), (std::set<std::string>{"MnuSetTe", "MnuSyujyun"}));
         EXPECT_EQ(VisiblePanels(c.window), (std::set<std::string>{"PanelSyujun"}));
         EXPECT_EQ(Memo(c.window), "　1 手目  黒");
     }},
    {"MnuSetMoji", nullptr,
     [](Context& c) {
         EXPECT_EQ(TickedItems(c.window), (std::set<std::string>{"MnuSetMoji", "MnuSyujyun"}));
         EXPECT_EQ(VisiblePanels(c.window), (std::set<std::string>{"PanelMoji"}));
         PressCell(c.window, 2, 2);
         EXPECT_EQ(Text(c.window.LabelMoji), "B") << "the press placed A";
     }},
    {"MnuSetIsi", nullptr,
     [](Context& c) {
         EXPECT_EQ(TickedItems(c.window), (std::set<std::string>{"MnuSetIsi", "MnuSyujyun"}));
         EXPECT_EQ(VisiblePanels(c.window), (std::set<std::string>{"PanelHaiseki"}));
         EXPECT_EQ(Memo(c.window), "  黒石  0\n  白石  0");
     }},
    {"MnuSetSioi", [](Context& c) { c.modals.Answer("いいえ(&N)"); },
     [](Context& c) {
         ASSERT_EQ(c.modals.seen.size(), 1u);
         EXPECT_EQ(c.modals.seen[0].text, "黒の手番でいいですか？");
         EXPECT_EQ(TickedItems(c.window),
                   (std::set<std::string>{"MnuSetSioi", "MnuSyujyun", "MnuSiTome"}));
         EXPECT_EQ(VisiblePanels(c.window), (std::set<std::string>{"PanelSyujun"}));
         EXPECT_EQ(Memo(c.window), "　1 手目  白");
     }},

    {"MnuSioiSagasu",
     [](Context& c) {
         // Black (6,8) (7,8) (8,8) closed by white (5,8), and (9,9) (9,10): black to move.
         const std::pair<int, int> presses[] = {{6, 8},  {5, 8}, {7, 8},   {3, 3},  {8, 8},
                                                {1, 15}, {9, 9}, {15, 15}, {9, 10}, {15, 1}};
         for (const auto& [column, row] : presses) {
             PressCell(c.window, column, row);
         }
     },
     [](Context& c) {
         EXPECT_TRUE(c.modals.seen.empty()) << "found at once: no question, no box";
         EXPECT_EQ(TickedItems(c.window),
                   (std::set<std::string>{"MnuSetSioi", "MnuSyujyun", "MnuSiTome"}));
         const auto board = SeenBoard(c.window);
         EXPECT_EQ(board[7][8], 'X'); // (9,8): four and three
         EXPECT_EQ(board[7][9], 'O'); // (10,8): the block
         EXPECT_EQ(board[6][8], 'X'); // (9,7): the straight four
         EXPECT_EQ(Memo(c.window), "　14 手目  白");
     }},

    // -- 各種設定(&T) --
    {"MnuSyujyun", nullptr,
     [](Context& c) {
         EXPECT_EQ(TickedItems(c.window), (std::set<std::string>{"MnuSetTe"}));
         // A move entered now shows the bare stone, without its number.
         PressCell(c.window, 8, 8);
         const QImage cell =
             c.window.ImgBan->grab(QRect(ViewCellX(8), ViewCellY(8), ViewCell, ViewCell))
                 .toImage()
                 .convertToFormat(QImage::Format_RGB32);
         EXPECT_EQ(cell, ThePictures().BmpBlack.convertToFormat(QImage::Format_RGB32));
     }},
    {"MnuSiTome", nullptr,
     [](Context& c) {
         EXPECT_EQ(TickedItems(c.window),
                   (std::set<std::string>{"MnuSetTe", "MnuSyujyun", "MnuSiTome"}));
         // A four for black closed above by white: white's one answer follows at once.
         const std::pair<int, int> presses[] = {{8, 4}, {8, 3},  {8, 5}, {1, 15},
                                                {8, 6}, {3, 15}, {8, 7}};
         for (const auto& [column, row] : presses) {
             PressCell(c.window, column, row);
         }
         EXPECT_EQ(SeenBoard(c.window)[7][7], 'O') << "the answer below the four";
         EXPECT_EQ(Memo(c.window), "　9 手目  黒");
     }},
    {"MnuKinsyu",
     [](Context& c) {
         // Black (5,8) (6,8) (7,6) (7,7), white far off: (7,8) is a double three.
         const std::pair<int, int> presses[] = {{5, 8}, {1, 1},  {6, 8}, {15, 1},
                                                {7, 6}, {1, 15}, {7, 7}, {15, 15}};
         for (const auto& [column, row] : presses) {
             PressCell(c.window, column, row);
         }
     },
     [](Context& c) {
         EXPECT_EQ(TickedItems(c.window),
                   (std::set<std::string>{"MnuSetTe", "MnuSyujyun", "MnuKinsyu"}));
         const QImage cell = c.window.ImgBan->grab(QRect(6 * 34, 7 * 34, 34, 34))
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
         EXPECT_EQ(cell.pixel(16, 16), qRgb(220, 0, 0)) << "the cross on (7,8)";
         PressCell(c.window, 12, 12); // black moves: white to move, the cross goes
         const QImage after = c.window.ImgBan->grab(QRect(6 * 34, 7 * 34, 34, 34))
                                  .toImage()
                                  .convertToFormat(QImage::Format_RGB32);
         EXPECT_EQ(after, ThePictures().BmpBlank.convertToFormat(QImage::Format_RGB32));
     }},
    {"MnuZahyou", nullptr,
     [](Context& c) {
         EXPECT_EQ(TickedItems(c.window),
                   (std::set<std::string>{"MnuSetTe", "MnuSyujyun", "MnuZahyou"}));
         ASSERT_NE(c.window.Coordinates().Widget(), nullptr);
         EXPECT_TRUE(c.window.Coordinates().Widget()->isVisible());
         EXPECT_EQ(c.window.ImgBan->x(), ViewLeft + BoardCoordinates::NumberWidth);
     }},

    // -- 編集(&E) --
    {"MnuKifuCopy", ThreeMoves,
     [](Context& c) {
         (void)c;
         EXPECT_EQ(QGuiApplication::clipboard()->text(), "h8 i9 g7");
     }},
    {"MnuBanCopy", nullptr,
     [](Context& c) {
         (void)c;
         const QMimeData* data = QGuiApplication::clipboard()->mimeData();
         ASSERT_NE(data, nullptr);
         EXPECT_TRUE(data->hasFormat("image/png"));
         EXPECT_TRUE(data->hasFormat("image/svg+xml"));
     }},
    {"MnuHarituke", [](Context&) { QGuiApplication::clipboard()->setText("h8 h9 i9"); },
     [](Context& c) {
         EXPECT_EQ(SeenBoard(c.window), With({{8, 8, 'X'}, {8, 7, 'O'}, {9, 7, 'X'}}));
         EXPECT_EQ(Memo(c.window), "　4 手目  白");
     }},

    // -- 検討(&A) -- (no engine is chosen in the tests' own configuration folder)
    {"MnuEngineSettei",
     [](Context& c) {
         c.modals.Then([](QWidget& widget) { static_cast<QDialog&>(widget).reject(); });
     },
     [](Context& c) {
         ASSERT_EQ(c.modals.seen.size(), 1u);
         EXPECT_EQ(c.modals.seen[0].title, "エンジンの設定");
     }},
    {"MnuKentouSuru", [](Context& c) { c.modals.Answer("OK"); },
     [](Context& c) {
         ASSERT_EQ(c.modals.seen.size(), 1u);
         EXPECT_EQ(c.modals.seen[0].text,
                   "思考エンジンが選ばれていません。検討 → エンジンの設定 で選んでください");
         EXPECT_EQ(TickedItems(c.window), (std::set<std::string>{"MnuSetTe", "MnuSyujyun"}));
     }},
    {"MnuAiUtasu", [](Context& c) { c.modals.Answer("OK"); },
     [](Context& c) {
         ASSERT_EQ(c.modals.seen.size(), 1u);
         EXPECT_EQ(c.modals.seen[0].text,
                   "思考エンジンが選ばれていません。検討 → エンジンの設定 で選んでください");
         EXPECT_EQ(SeenBoard(c.window), EmptyBoard);
     }},
    {"MnuEngineLog", nullptr,
     [](Context& c) {
         ASSERT_NE(c.window.Analysis().Log(), nullptr);
         EXPECT_TRUE(c.window.Analysis().Log()->isVisible());
         EXPECT_EQ(c.window.Analysis().Log()->windowTitle(), "エンジンのログ");
     }},
    // -- 変化(&V) --
    {"MnuLibOpen",
     [](Context& c) {
         WriteFile(c.File("tree.sgf"), "(;GM[4]FF[4]SZ[15];B[hh](;W[ig];B[gi])(;W[aa]))");
         c.modals.Choose(c.File("tree.sgf"));
     },
     [](Context& c) {
         ASSERT_EQ(c.modals.seen.size(), 1u);
         EXPECT_EQ(c.modals.seen[0].mode, QFileDialog::AcceptOpen);
         EXPECT_TRUE(c.modals.seen[0].filters.join(' ').contains("*.lib"));
         EXPECT_TRUE(c.modals.seen[0].filters.join(' ').contains("*.sgf"));
         EXPECT_EQ(SeenBoard(c.window), ThreeStones);
         QTest::mouseClick(c.window.BitBack2, Qt::LeftButton);
         QTest::mouseClick(c.window.BitGo1, Qt::LeftButton);
         qobject_cast<QAction*>(c.window.Control("MnuNextVar"))->trigger();
         EXPECT_EQ(SeenBoard(c.window), With({{8, 8, 'X'}, {1, 1, 'O'}})) << "the variation";
     }},
    {"MnuLibSave",
     [](Context& c) {
         Branched(c);
         c.modals.Choose(c.File("saved.sgf"));
     },
     [](Context& c) {
         ASSERT_EQ(c.modals.seen.size(), 1u);
         EXPECT_EQ(c.modals.seen[0].mode, QFileDialog::AcceptSave);
         EXPECT_EQ(c.modals.seen[0].proposed, "-.lib");
         const QByteArray saved = ReadFile(c.File("saved.sgf"));
         EXPECT_TRUE(saved.contains("(;B[gi])")) << saved.toStdString();
         EXPECT_TRUE(saved.contains("(;B[aa])")) << saved.toStdString();
         EXPECT_EQ(SeenBoard(c.window), Branch);
     }},
    {"MnuTreePanel", Branched,
     [](Context& c) {
         ASSERT_NE(c.window.TreeView, nullptr);
         EXPECT_TRUE(c.window.TreeView->isVisible());
         EXPECT_TRUE(TickedItems(c.window).count("MnuTreePanel"));
         // The old third move is a node of its own; clicking it goes there.
         TreeGraph& graph = *c.window.TreeView->Graph;
         const NodeId old = EditorRecord.tree.FindChild(LineNode(2), MakeCell(7, 9));
         ASSERT_NE(old, NoNode);
         QTest::mouseClick(&graph, Qt::LeftButton, {}, graph.CentreOf(old));
         EXPECT_EQ(SeenBoard(c.window), ThreeStones);
         EXPECT_EQ(c.window.TreeView->CurrentLine->text(), "h8 i9 g7");
         c.window.TreeView->close();
         EXPECT_FALSE(TickedItems(c.window).count("MnuTreePanel"));
     }},
    {"MnuHenkaHyouji",
     [](Context& c) {
         Branched(c);
         QTest::mouseClick(c.window.BitBack1, Qt::LeftButton);
     },
     [](Context& c) {
         EXPECT_TRUE(TickedItems(c.window).count("MnuHenkaHyouji"));
         // The ring at (7, 9), where the variation begins; none at (1, 1), the next move.
         const QImage shown =
             c.window.ImgBan->grab().toImage().convertToFormat(QImage::Format_RGB32);
         EXPECT_EQ(shown.pixel(ViewCellX(7) + 16, ViewCellY(9) + 9), qRgb(0x1e, 0x50, 0xd2));
         EXPECT_NE(shown.pixel(ViewCellX(1) + 16, ViewCellY(1) + 9), qRgb(0x1e, 0x50, 0xd2));
     }},
    {"MnuPrevVar", Branched,
     [](Context& c) {
         EXPECT_EQ(SeenBoard(c.window), ThreeStones);
         EXPECT_EQ(Memo(c.window), "　4 手目  白");
         EXPECT_EQ(EnabledButtons(c.window), "111000");
     }},
    {"MnuNextVar",
     [](Context& c) {
         Branched(c);
         qobject_cast<QAction*>(c.window.Control("MnuPrevVar"))->trigger();
     },
     [](Context& c) { EXPECT_EQ(SeenBoard(c.window), Branch); }},
    {"MnuPromote", Branched,
     [](Context& c) {
         EXPECT_EQ(SeenBoard(c.window), Branch);
         const RecordTree& t = EditorRecord.tree;
         EXPECT_EQ(t.Node(t.Node(LineNode(2)).firstChild).move, MakeCell(1, 1));
     }},
    {"MnuDeleteVar", Branched,
     [](Context& c) {
         EXPECT_EQ(SeenBoard(c.window), With({{8, 8, 'X'}, {9, 7, 'O'}}));
         EXPECT_EQ(EnabledButtons(c.window), "111111") << "the old third move is the tail";
         EXPECT_EQ(EditorRecord.tree.FindChild(LineNode(2), MakeCell(1, 1)), NoNode);
         QTest::mouseClick(c.window.BitGo1, Qt::LeftButton);
         EXPECT_EQ(SeenBoard(c.window), ThreeStones);
     }},

    {"MnuCodeAuto",
     [](Context& c) { qobject_cast<QAction*>(c.window.Control("MnuCodeGbk"))->trigger(); },
     [](Context& c) {
         EXPECT_EQ(TickedItems(c.window), (std::set<std::string>{"MnuSetTe", "MnuSyujyun"}));
         EXPECT_EQ(LibraryCodePage(), std::nullopt);
     }},
    {"MnuCodeCp932", nullptr,
     [](Context& c) { ExpectCodePageChosen(c, "MnuCodeCp932", CodePage::Cp932); }},
    {"MnuCodeGbk", nullptr,
     [](Context& c) { ExpectCodePageChosen(c, "MnuCodeGbk", CodePage::Gbk); }},
    {"MnuCodeCp1252", nullptr,
     [](Context& c) { ExpectCodePageChosen(c, "MnuCodeCp1252", CodePage::Cp1252); }},
    {"MnuCodeUtf8", nullptr,
     [](Context& c) { ExpectCodePageChosen(c, "MnuCodeUtf8", CodePage::Utf8); }},
};

void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.control;
}

class WindowEndToEnd : public MainWindowTest, public ::testing::WithParamInterface<Case> {
protected:
    void SetUp() override
    {
        // A run starts with a zeroed record; earlier cases leave theirs in memory.
        std::memset(&KifuRecord, 0, sizeof KifuRecord);
        SelectedOpening = 0;
        MainWindowTest::SetUp();
    }
};

TEST_P(WindowEndToEnd, UsingTheControlShowsItsEffect)
{
    const Case& c = GetParam();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ModalScript modals(*window);
    Context context{*window, modals, folder.path()};
    if (c.arrange) {
        c.arrange(context);
    }
    // What the arrangement itself showed is not the control's doing.
    modals.seen.clear();
    Use(*window, c.control);
    c.check(context);
    EXPECT_TRUE(modals.Done()) << "a window the case expected did not appear";
    EXPECT_EQ(modals.unexpected, 0) << "a window appeared that the case did not expect";
}

std::string CaseName(const ::testing::TestParamInfo<Case>& info)
{
    return info.param.control;
}

INSTANTIATE_TEST_SUITE_P(EveryControl, WindowEndToEnd, ::testing::ValuesIn(Cases), CaseName);

// A control added to the window's table without a case here would go untested.
TEST(WindowEndToEndCases, CoverEveryControlThatCallsTheLogic)
{
    std::set<std::string> covered;
    for (const Case& c : Cases) {
        covered.insert(c.control);
    }
    for (const FomKifuControl& row : FomKifuControls()) {
        const bool calls = row.calls.click != nullptr || row.calls.press != nullptr;
        EXPECT_EQ(calls, covered.count(row.name) == 1) << row.name;
    }
}

} // namespace
