// The main window right after start-up: what is visible, the texts and ticks, where each
// control stands and in which face, and the menu bar with every caption.
#include "test_main_window_fixture.h"

#include <QAction>
#include <QActionGroup>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>

#include "DrawnFakePort.h"
#include "forms/FomKifuControls.h"
#include "forms/ImageBox.h"
#include "main/State.h"

namespace {

using MainWindowStartup = MainWindowTest;

TEST_F(MainWindowStartup, ShowsAnEmptyFramedBoardWithMoveOneForBlack)
{
    for (int i = 0; i < CellTableSize; ++i) {
        ASSERT_EQ(BoardCells[i], IsBoardCell(i) ? CellEmpty : CellOffBoard) << i;
    }
    EXPECT_EQ(window->Memo1->toPlainText().toStdString(), "　1 手目  黒");
    for (NavButton b : {NavButton::BitBackAll, NavButton::BitBack2, NavButton::BitBack1,
                        NavButton::BitGo1, NavButton::BitGo2, NavButton::BitGoAll}) {
        EXPECT_FALSE(window->NavigationButton(b)->isEnabled()) << static_cast<int>(b);
    }
    EXPECT_EQ(window->ScrollMoji->value(), 0);
    EXPECT_EQ(window->LabelMoji->text(), "A");
    // The board the user sees is the board view's picture, pixel for pixel.
    const QImage shown = window->ImgBan->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, window->Board().Image().convertToFormat(QImage::Format_RGB32));
}

TEST_F(MainWindowStartup, OnlyBoardNavigationStatusBoxAndMenuBarAreVisible)
{
    QWidget* client = window->centralWidget();
    QStringList visible;
    for (QWidget* child : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible()) {
            visible.append(child->objectName());
        }
    }
    visible.sort();
    EXPECT_EQ(visible, QStringList({"ImgBan", "Memo1", "PanelSyujun"}));
    EXPECT_TRUE(window->menuBar()->isVisible());
    for (QToolButton* button : window->PanelSyujun->findChildren<QToolButton*>()) {
        EXPECT_TRUE(button->isVisible());
    }
}

TEST_F(MainWindowStartup, MoveOrderAndMoveNumbersAreTickedAndFourAnsweringIsNot)
{
    EXPECT_TRUE(window->MnuSetTe->isChecked());
    EXPECT_FALSE(window->MnuSetMoji->isChecked());
    EXPECT_FALSE(window->MnuSetIsi->isChecked());
    EXPECT_FALSE(window->MnuSetSioi->isChecked());
    EXPECT_EQ(window->ModeGroup->actions().size(), 4);
    EXPECT_TRUE(window->ModeGroup->isExclusive());
    EXPECT_TRUE(window->MnuSyujyun->isCheckable());
    EXPECT_TRUE(window->MnuSyujyun->isChecked());
    EXPECT_TRUE(window->MnuSiTome->isCheckable());
    EXPECT_FALSE(window->MnuSiTome->isChecked());
    EXPECT_EQ(window->MnuSyujyun->actionGroup(), nullptr);
    EXPECT_FALSE(window->MnuOpen->isCheckable());
}

// The scripted window of the logic tests must start as the real one does, or logic tests
// would pass against a window nobody sees.
TEST_F(MainWindowStartup, TheScriptedWindowStartsAsTheRealOne)
{
    DrawnFakePort fake;
    fake.Start();
    int compared = 0;
    for (const FomKifuControl& row : FomKifuControls()) {
        QObject* real = window->Control(row.id);
        const std::string name = row.name;
        switch (row.id.kind) {
        case PortId::Kind::Button:
            EXPECT_EQ(fake.buttonEnabled[static_cast<NavButton>(row.id.value)],
                      static_cast<QWidget*>(real)->isEnabled())
                << name;
            break;
        case PortId::Kind::Panel:
            EXPECT_EQ(fake.panelVisible[static_cast<PanelId>(row.id.value)],
                      static_cast<QWidget*>(real)->isVisible())
                << name;
            break;
        case PortId::Kind::Tick:
            EXPECT_EQ(fake.menuChecked[static_cast<MenuTick>(row.id.value)],
                      static_cast<QAction*>(real)->isChecked())
                << name;
            break;
        case PortId::Kind::Text:
            EXPECT_EQ(fake.texts[static_cast<TextId>(row.id.value)],
                      real->property("text").toString().toStdString())
                << name;
            break;
        case PortId::Kind::None:
            continue;
        }
        ++compared;
    }
    EXPECT_GE(compared, 6 + 5 + 6 + 6);
    // The fake's one group of radio items is the table's.
    std::vector<MenuTick> radio;
    for (const FomKifuControl& row : FomKifuControls())
        if (row.check == Check::Radio)
            radio.push_back(static_cast<MenuTick>(row.id.value));
    EXPECT_EQ(radio, std::vector<MenuTick>(std::begin(kModeTicks), std::end(kModeTicks)));
    EXPECT_EQ(fake.memo, window->Memo1->toPlainText().toStdString());
    EXPECT_EQ(fake.scrollMoji, window->ScrollMoji->value());
}

TEST_F(MainWindowStartup, HasItsCaptionOuterSizeAndPlaceOnScreen)
{
    EXPECT_EQ(window->windowTitle().toStdString(), "Korvane0.9");
    // The offscreen platform draws no frame, so the outer size is the window's size.
    EXPECT_EQ(window->frameGeometry().size(), QSize(800, 600));
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_LE((window->frameGeometry().center() - screen.center()).manhattanLength(), 2);
    EXPECT_EQ(window->palette().color(QPalette::Window),
              QApplication::palette().color(QPalette::Button));
    // The face "ＭＳ ゴシック" maps to here, asked for by its installed name.
    EXPECT_EQ(window->font().family(),
              QFontInfo(QFont(QString::fromUtf8("ＭＳ ゴシック"))).family());
    EXPECT_EQ(window->font().pixelSize(), 19);
}

// Every control of the table stands where its row puts it, in the parent its row names.
TEST_F(MainWindowStartup, EveryControlStandsAtItsPlace)
{
    int placed = 0;
    for (const FomKifuControl& row : FomKifuControls()) {
        switch (row.kind) {
        case ControlKind::ClientArea:
        case ControlKind::MenuBar:
        case ControlKind::Menu:
        case ControlKind::MenuItem:
        case ControlKind::Separator:
            continue;
        default:
            break;
        }
        auto* widget = window->findChild<QWidget*>(QLatin1String(row.name));
        ASSERT_NE(widget, nullptr) << row.name;
        EXPECT_EQ(widget->parentWidget()->objectName().toStdString(), row.parent) << row.name;
        EXPECT_EQ(widget->geometry(),
                  QRect(row.place.left, row.place.top, row.place.width, row.place.height))
            << row.name;
        ++placed;
    }
    EXPECT_GE(placed, 21);
    // The client area starts below the menu bar, so the menu bar shifts nothing.
    EXPECT_EQ(window->centralWidget()->mapTo(window.get(), QPoint(0, 0)).y(),
              window->menuBar()->geometry().bottom() + 1);
    // The export picture lies over the board view when it is shown.
    const QWidgetList order =
        window->centralWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    EXPECT_GT(order.indexOf(window->ImgGazouBan), order.indexOf(window->ImgBan));
}

TEST_F(MainWindowStartup, ControlsShowTheirTextsHintsAndFaces)
{
    const std::pair<QToolButton*, const char*> hints[] = {
        {window->BitBackAll, "一手目に戻す"}, {window->BitBack2, "二手戻す"},
        {window->BitBack1, "一手戻す"},       {window->BitGo1, "一手進める"},
        {window->BitGo2, "二手進める"},       {window->BitGoAll, "最終手まで進める"},
    };
    for (const auto& [button, hint] : hints) {
        EXPECT_EQ(button->toolTip().toStdString(), hint);
        EXPECT_TRUE(button->text().isEmpty() ||
                    button->toolButtonStyle() == Qt::ToolButtonIconOnly);
        EXPECT_FALSE(button->icon().isNull());
    }
    EXPECT_EQ(window->EditSyukei->text().toStdString(), " 珠型 ： ");
    EXPECT_EQ(window->EditKuroKisi->text().toStdString(), " 黒");
    EXPECT_EQ(window->EditSiroKisi->text().toStdString(), " 白");
    EXPECT_EQ(window->LabelLeftClick->text().toStdString(), "左ｸﾘｯｸ-黒");
    EXPECT_EQ(window->BtnkoutaiMouse->text().toStdString(), "左右交替");
    EXPECT_EQ(window->LabelRightClick->text().toStdString(), "右ｸﾘｯｸ-白");
    EXPECT_TRUE(window->Memo1->isReadOnly());
    for (QLineEdit* edit : {window->EditSyukei, window->EditKuroKisi, window->EditSiroKisi}) {
        EXPECT_TRUE(edit->isReadOnly());
    }
    EXPECT_EQ(window->LabelMoji->alignment(), Qt::AlignCenter);
    EXPECT_EQ(window->ScrollMoji->orientation(), Qt::Horizontal);
    EXPECT_EQ(window->ScrollMoji->minimum(), -1);
    EXPECT_EQ(window->ScrollMoji->maximum(), 25);
    EXPECT_EQ(window->ScrollMoji->pageStep(), 1);

    struct Face {
        QWidget* widget;
        const char* family;
        int pixels;
        bool bold;
        const char* installed; // the face that stands in for it here
    };
    const Face faces[] = {
        {window->Memo1, "ＭＳ ゴシック", 19, false, "IPAGothic"},
        {window->LabelMoji, "ＭＳ ゴシック", 21, true, "IPAGothic"},
        {window->LabelLeftClick, "ＭＳ ゴシック", 19, false, "IPAGothic"},
        {window->BtnkoutaiMouse, "ＭＳ ゴシック", 19, false, "IPAGothic"},
        {window->LabelRightClick, "ＭＳ ゴシック", 19, false, "IPAGothic"},
        {window->EditSyukei, "ＭＳ Ｐ明朝", 19, false, "IPAPMincho"},
        {window->EditKuroKisi, "ＭＳ Ｐ明朝", 19, false, "IPAPMincho"},
        {window->EditSiroKisi, "ＭＳ Ｐ明朝", 19, false, "IPAPMincho"},
    };
    for (const Face& face : faces) {
        const QFont font = face.widget->font();
        const std::string name = face.widget->objectName().toStdString();
        EXPECT_EQ(font.family(), QFontInfo(QFont(QString::fromUtf8(face.family))).family()) << name;
        EXPECT_EQ(font.pixelSize(), face.pixels) << name;
        EXPECT_EQ(font.bold(), face.bold) << name;
        EXPECT_EQ(QFontInfo(font).family().toStdString(), face.installed) << name;
    }
}

TEST(FontSubstitutions, MapTheThreeFacesToInstalledJapaneseFaces)
{
    InstallFontSubstitutions();
    InstallFontSubstitutions(); // a second call adds nothing
    const std::pair<const char*, const char*> map[] = {
        {FaceGothic, "IPAGothic"}, {FacePGothic, "IPAPGothic"}, {FacePMincho, "IPAPMincho"}};
    for (const auto& [face, first] : map) {
        QStringList list = QFont::substitutes(QString::fromUtf8(face));
        ASSERT_FALSE(list.isEmpty()) << face;
        // Qt keeps the substitutes in lower case.
        EXPECT_EQ(list.first().compare(first, Qt::CaseInsensitive), 0) << face;
        EXPECT_EQ(list.removeDuplicates(), 0) << face;
        EXPECT_EQ(QFontInfo(WindowFont(face, 19)).family().toStdString(), first) << face;
        // Asked for by the installed name, so no font goes through the fallbacks for it.
        EXPECT_EQ(WindowFont(face, 19).family().toStdString(), first) << face;
    }
}

// Item object name, caption; "" for a separator. Submenus follow their own entry.
struct MenuEntry {
    const char* name;
    const char* caption;
};

QStringList Captions(const QList<QAction*>& actions)
{
    QStringList captions;
    for (QAction* action : actions) {
        captions.append(action->objectName() + "=" +
                        (action->isSeparator() ? QString("-") : action->text()));
    }
    return captions;
}

TEST_F(MainWindowStartup, MenuBarHoldsEveryItemWithItsCaptionInOrder)
{
    EXPECT_EQ(window->menuBar()->objectName(), "MainMenu1");
    EXPECT_EQ(
        Captions(window->menuBar()->actions()),
        QStringList({"MnuFile=ファイル(&F)", "MnuHozon=棋譜画像保存(&G)", "MnuTaikyoku=対局(&P)",
                     "MnuKyokumen=局面(&K)", "MnuTool=各種設定(&T)", "MnuHensyu=編集(&E)",
                     // Added after the editor's own menus.
                     "MnuKentou=検討(&A)", "MnuHenka=変化(&V)"}));
    EXPECT_EQ(Captions(window->MnuKentou->actions()),
              QStringList({"MnuEngineSettei=エンジンの設定(&S)...", "MnuKentouSuru=検討",
                           "MnuAiUtasu=AIに打たせる", "MnuEngineLog=エンジンのログ(&L)"}));
    EXPECT_TRUE(window->MnuKentouSuru->isCheckable());
    EXPECT_FALSE(window->MnuKentouSuru->isChecked());
    EXPECT_EQ(Captions(window->MnuFile->actions()),
              QStringList({"MnuOpen=棋譜を開く(&O)", "MnuSaveAs=棋譜に名前を付けて保存(&A)",
                           "MnuHaisekiOpen=配石データを開く(&H)",
                           "MnuHaisekiSave=配石に名前を付けて保存(&B)", "N1=-", "MnuExit=終了(&X)",
                           // Added after the editor's own items.
                           "N2=-", "MnuOpenOther=他の形式を開く(&I)...",
                           "MnuSaveOther=他の形式で保存(&E)..."}));
    EXPECT_EQ(
        Captions(window->MnuHozon->actions()),
        QStringList({"MnuWBHozon=盤全体を保存(&W)", "MnuWBHaniSetei=範囲を指定して保存(&X)"}));
    EXPECT_EQ(Captions(window->MnuTaikyoku->actions()), QStringList({"MnuSetTaikyoku=設定(&T)"}));
    EXPECT_EQ(Captions(window->MnuKyokumen->actions()),
              QStringList({"MnuClear=盤クリア(&C)", "MnuSettei=設定(&S)",
                           "MnuSioiSagasu=四追いを探す(&V)"}));
    EXPECT_EQ(window->MnuKyokumen->actions().at(1)->menu(), window->MnuSettei);
    EXPECT_EQ(Captions(window->MnuSettei->actions()),
              QStringList({"MnuSetTe=珠順設定(&T)", "MnuSetMoji=文字配置(&M)",
                           "MnuSetIsi=石の配置(&H)", "MnuSetSioi=四追順設定(&F)"}));
    EXPECT_EQ(Captions(window->MnuTool->actions()),
              QStringList({"MnuSyujyun=珠順表示(&H)", "MnuSiTome=四を自動的に止める(&D)",
                           "MnuKinsyu=禁手点を表示(&K)", "MnuZahyou=座標を表示(&Z)"}));
    EXPECT_EQ(Captions(window->MnuHenka->actions()),
              QStringList({"MnuLibOpen=ライブラリを開く(&O)...",
                           "MnuLibSave=ライブラリを保存(&S)...", "N3=-",
                           "MnuTreePanel=変化ツリーを表示(&T)", "MnuHenkaHyouji=変化を盤に表示(&B)",
                           "N4=-", "MnuPrevVar=前の変化(&P)", "MnuNextVar=次の変化(&N)",
                           "MnuPromote=本線にする(&M)", "MnuDeleteVar=変化を削除(&D)", "N5=-",
                           "MnuMojiCode=ライブラリの文字コード(&C)"}));
    const QMenu* codes = window->MnuHenka->actions().at(11)->menu();
    ASSERT_NE(codes, nullptr);
    EXPECT_EQ(Captions(codes->actions()),
              QStringList({"MnuCodeAuto=自動判定(&A)", "MnuCodeCp932=CP932 (日本語)(&J)",
                           "MnuCodeGbk=GBK (中国語)(&G)", "MnuCodeCp1252=CP1252 (西欧)(&W)",
                           "MnuCodeUtf8=UTF-8(&U)"}));
}

} // namespace
