#include "forms/FomKifu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

#include "forms/ButtonPictures.h"
#include "forms/Fonts.h"
#include "forms/ImageBox.h"
#include "main/Modes.h"
#include "main/Startup.h"
#include "main/State.h"

TFomKifu* FomKifu = nullptr;

namespace {

constexpr int OuterWidth = 800;
constexpr int OuterHeight = 600;
constexpr int FontHeight = 19;
constexpr int LetterFontHeight = 21;

QFrame* MakePanel(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(left, top, width, height);
    return panel;
}

template <class Widget>
Widget* Place(Widget* widget, const char* name, int left, int top, int width, int height)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(left, top, width, height);
    return widget;
}

void SetBackground(QWidget* widget, QPalette::ColorRole role)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, palette.color(role));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

TFomKifu::TFomKifu(QWidget* parent) : QMainWindow(parent)
{
    // The logic may reach the window from FormCreate on, through both globals.
    FomKifu = this;
    Window = this;
    ticks_[static_cast<int>(MenuTick::MnuSetTe)] = true;
    ticks_[static_cast<int>(MenuTick::MnuSyujyun)] = true;

    setObjectName(QStringLiteral("FomKifu"));
    setWindowTitle(QString::fromUtf8(MainWindowCaption));
    SetBackground(this, QPalette::Button);
    setFont(WindowFont(FaceGothic, FontHeight));
    // Until the frame is known the client takes the whole outer size; FitOuterSize
    // takes the frame off once the platform tells it.
    resize(OuterWidth, OuterHeight);

    BuildMenus();
    BuildControls();
    SetTabOrder();
    ConnectHandlers();
    FormCreate();
}

TFomKifu::~TFomKifu()
{
    if (Window == this) {
        Window = nullptr;
    }
    if (FomKifu == this) {
        FomKifu = nullptr;
    }
}

void TFomKifu::BuildControls()
{
    // The controls' places are relative to the client area below the menu bar.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client);

    ImgBan = Place(new ImageBox(client), "ImgBan", 20, 10, 510, 510);
    ImgBan->SetPicture(&boardView_.Image());

    BuildNavigationPanel(client);

    Memo1 = Place(new QPlainTextEdit(client), "Memo1", 560, 10, 153, 63);
    Memo1->setFont(WindowFont(FaceGothic, FontHeight));
    Memo1->setReadOnly(true);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    BuildLetterPanel(client);
    BuildGameInfoPanel(client);
    BuildStonePanel(client);

    // Lies over the board view, so the picture being saved is seen while the file
    // dialog is open.
    ImgGazouBan = Place(new ImageBox(client), "ImgGazouBan", 10, 144, 375, 375);
    ImgGazouBan->SetPicture(&exportPicture_.Image());
    ImgGazouBan->hide();
}

void TFomKifu::BuildNavigationPanel(QWidget* client)
{
    PanelSyujun = MakePanel(client, "PanelSyujun", 197, 525, 156, 27);
    struct Item {
        QToolButton** button;
        NavButton id;
        const char* name;
        const char* hint;
    };
    const Item items[] = {
        {&BitBackAll, NavButton::BitBackAll, "BitBackAll", "一手目に戻す"},
        {&BitBack2, NavButton::BitBack2, "BitBack2", "二手戻す"},
        {&BitBack1, NavButton::BitBack1, "BitBack1", "一手戻す"},
        {&BitGo1, NavButton::BitGo1, "BitGo1", "一手進める"},
        {&BitGo2, NavButton::BitGo2, "BitGo2", "二手進める"},
        {&BitGoAll, NavButton::BitGoAll, "BitGoAll", "最終手まで進める"},
    };
    int left = 0;
    for (const Item& item : items) {
        auto* button = Place(new QToolButton(PanelSyujun), item.name, left, 0, ButtonPictureSize,
                             ButtonPictureSize);
        button->setIcon(NavButtonIcon(item.id));
        button->setIconSize(QSize(ButtonPictureSize, ButtonPictureSize));
        button->setToolTip(QString::fromUtf8(item.hint));
        button->setFocusPolicy(Qt::TabFocus);
        button->setEnabled(false);
        *item.button = button;
        left += ButtonPictureSize;
    }
}

void TFomKifu::BuildLetterPanel(QWidget* client)
{
    PanelMoji = MakePanel(client, "PanelMoji", 20, 525, 170, 27);
    PanelMoji->hide();

    ScrollMoji = Place(new QScrollBar(Qt::Horizontal, PanelMoji), "ScrollMoji", 0, 0, 144, 26);
    ScrollMoji->setRange(-1, 25);
    ScrollMoji->setSingleStep(1);
    // Qt ties the thumb size to the page step; 1 keeps the thumb small and lets a click
    // beside it move one letter, as the bar's large change does.
    ScrollMoji->setPageStep(1);
    ScrollMoji->setValue(0);

    LabelMoji = Place(new QLabel(QStringLiteral("A"), PanelMoji), "LabelMoji", 144, 0, 26, 26);
    LabelMoji->setAlignment(Qt::AlignCenter);
    LabelMoji->setFont(WindowFont(FaceGothic, LetterFontHeight, true));
    LabelMoji->setFixedSize(26, 26);
    SetBackground(LabelMoji, QPalette::Light);
}

void TFomKifu::BuildGameInfoPanel(QWidget* client)
{
    PanelTaikyokuData = MakePanel(client, "PanelTaikyokuData", 560, 88, 209, 130);
    PanelTaikyokuData->hide();
    struct Item {
        QLineEdit** edit;
        const char* name;
        int top;
        int width;
        const char* text;
    };
    const Item items[] = {
        {&EditSyukei, "EditSyukei", 10, 115, " 珠型 ： "},
        {&EditKuroKisi, "EditKuroKisi", 50, 186, " 黒"},
        {&EditSiroKisi, "EditSiroKisi", 90, 186, " 白"},
    };
    for (const Item& item : items) {
        auto* edit =
            Place(new QLineEdit(PanelTaikyokuData), item.name, 10, item.top, item.width, 27);
        edit->setFont(WindowFont(FacePMincho, FontHeight));
        edit->setReadOnly(true);
        edit->setText(QString::fromUtf8(item.text));
        *item.edit = edit;
    }
}

void TFomKifu::BuildStonePanel(QWidget* client)
{
    PanelHaiseki = MakePanel(client, "PanelHaiseki", 360, 525, 280, 27);
    PanelHaiseki->hide();

    LabelLeftClick = Place(new QLabel(QStringLiteral("左ｸﾘｯｸ-黒"), PanelHaiseki), "LabelLeftClick",
                           3, 3, 88, 19);
    BtnkoutaiMouse = Place(new QPushButton(QStringLiteral("左右交替"), PanelHaiseki),
                           "BtnkoutaiMouse", 94, 3, 90, 22);
    LabelRightClick = Place(new QLabel(QStringLiteral("右ｸﾘｯｸ-白"), PanelHaiseki),
                            "LabelRightClick", 188, 4, 88, 19);
    for (QWidget* widget :
         {static_cast<QWidget*>(LabelLeftClick), static_cast<QWidget*>(BtnkoutaiMouse),
          static_cast<QWidget*>(LabelRightClick)}) {
        widget->setFont(WindowFont(FaceGothic, FontHeight));
    }
    SetBackground(LabelLeftClick, QPalette::HighlightedText);
    SetBackground(LabelRightClick, QPalette::HighlightedText);
}

void TFomKifu::SetTabOrder()
{
    // The panels in their tab order (navigation, status, letters, game information,
    // stone placement), each panel's controls in theirs.
    QWidget* const chain[] = {BitBackAll, BitBack2,     BitBack1,     BitGo1,
                              BitGo2,     BitGoAll,     Memo1,        ScrollMoji,
                              EditSyukei, EditKuroKisi, EditSiroKisi, BtnkoutaiMouse};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i) {
        setTabOrder(chain[i], chain[i + 1]);
    }
}

void TFomKifu::closeEvent(QCloseEvent* event)
{
    if (FormCloseQuery()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TFomKifu::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (placed_) {
        return;
    }
    placed_ = true;
    if (QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + (area.width() - OuterWidth) / 2,
             area.y() + (area.height() - OuterHeight) / 2);
    }
    FitOuterSize();
    // Some platforms report the frame only once the window is on screen.
    QTimer::singleShot(0, this, [this] { FitOuterSize(); });
}

void TFomKifu::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    if (placed_) {
        FitOuterSize();
    }
}

void TFomKifu::FitOuterSize()
{
    if (frameFitted_) {
        return;
    }
    const int frameWidth = frameGeometry().width() - geometry().width();
    const int frameHeight = frameGeometry().height() - geometry().height();
    if (frameWidth <= 0 && frameHeight <= 0) {
        return;
    }
    frameFitted_ = true;
    resize(OuterWidth - frameWidth, OuterHeight - frameHeight);
    if (QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + (area.width() - OuterWidth) / 2,
             area.y() + (area.height() - OuterHeight) / 2);
    }
}
