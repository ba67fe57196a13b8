#include "forms/FomKifu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "forms/Fonts.h"
#include "forms/ImageBox.h"
#include "forms/TreePanel.h"
#include "main/Modes.h"
#include "main/Startup.h"
#include "main/State.h"

TFomKifu* FomKifu = nullptr;

namespace {

constexpr int OuterWidth = 800;
constexpr int OuterHeight = 600;
constexpr int FontHeight = 19;

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

    setObjectName(QStringLiteral("FomKifu"));
    setWindowTitle(QString::fromUtf8(MainWindowCaption));
    SetBackground(this, QPalette::Button);
    setFont(WindowFont(FaceGothic, FontHeight));
    // Until the frame is known the client takes the whole outer size; FitOuterSize
    // takes the frame off once the platform tells it.
    resize(OuterWidth, OuterHeight);

    BuildFromTable();
    SetUpInput();
    FormCreate();
}

TFomKifu::~TFomKifu()
{
    if (TreeView != nullptr) {
        TreeView->OnHide = nullptr; // the menu item may be gone before the panel
    }
    if (Window == this) {
        Window = nullptr;
    }
    if (FomKifu == this) {
        FomKifu = nullptr;
    }
}

void TFomKifu::ShowCoordinates(bool shown)
{
    if (shown)
        coordinates_.Show(this, centralWidget(), ImgBan);
    else
        coordinates_.Hide(this);
    // The players' notation of the game: the opening's name goes with the coordinates.
    LabelSyukeiMei->setVisible(shown);
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
