// Builds the main window from its control table: each row becomes its widget, menu or
// menu item, is connected to its handler and takes its place in the tab chain.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include "forms/ButtonPictures.h"
#include "forms/FomKifu.h"
#include "forms/Fonts.h"
#include "forms/ImageBox.h"

namespace {

void SetBackground(QWidget* widget, QPalette::ColorRole role)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, palette.color(role));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

bool TakesFocus(ControlKind kind)
{
    switch (kind) {
    case ControlKind::PictureButton:
    case ControlKind::StatusBox:
    case ControlKind::ScrollBar:
    case ControlKind::ReadOnlyEdit:
    case ControlKind::Button:
        return true;
    default:
        return false;
    }
}

QMenu* AddMenu(QObject* parent, const QString& caption)
{
    if (auto* bar = qobject_cast<QMenuBar*>(parent)) {
        return bar->addMenu(caption);
    }
    return static_cast<QMenu*>(parent)->addMenu(caption);
}

} // namespace

void TFomKifu::BuildFromTable()
{
    const FomKifuControlTable table = FomKifuControls();
    controls_.assign(table.size(), nullptr);
    QWidget* previousInChain = nullptr;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const FomKifuControl& row = table.begin()[i];
        QObject* parent = this;
        if (const FomKifuControl* holder = FindControl(row.parent)) {
            parent = controls_[static_cast<std::size_t>(holder - table.begin())];
        }
        QObject* object = Build(row, parent);
        object->setObjectName(QString::fromUtf8(row.name));
        controls_[i] = object;
        if (row.bind != nullptr) {
            row.bind(*this, object);
        }
        if (TakesFocus(row.kind)) {
            auto* widget = static_cast<QWidget*>(object);
            if (previousInChain != nullptr) {
                setTabOrder(previousInChain, widget);
            }
            previousInChain = widget;
        }
    }
}

QObject* TFomKifu::Build(const FomKifuControl& row, QObject* parent)
{
    const QString text = QString::fromUtf8(row.text);
    const Handlers calls = row.calls;
    auto* holder = qobject_cast<QWidget*>(parent);
    QWidget* widget = nullptr;

    switch (row.kind) {
    case ControlKind::ClientArea:
        // The controls' places are relative to the client area below the menu bar.
        widget = new QWidget(this);
        setCentralWidget(widget);
        return widget;
    case ControlKind::MenuBar: {
        QMenuBar* bar = menuBar();
        // The menu bar keeps the system's menu font, not the window's 19-pixel face.
        bar->setFont(QApplication::font(bar));
        return bar;
    }
    case ControlKind::Menu: {
        QMenu* menu = AddMenu(parent, text);
        menu->menuAction()->setObjectName(QString::fromUtf8(row.name));
        return menu;
    }
    case ControlKind::MenuItem: {
        QAction* action = static_cast<QMenu*>(parent)->addAction(text);
        action->setCheckable(row.check != Check::None);
        if (row.check == Check::Radio) {
            if (ModeGroup == nullptr) {
                ModeGroup = new QActionGroup(this);
                ModeGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
            }
            ModeGroup->addAction(action);
        }
        action->setChecked(row.start == Start::Ticked);
        if (calls.click != nullptr) {
            connect(action, &QAction::triggered, this, [calls] { calls.click(); });
        }
        return action;
    }
    case ControlKind::Separator:
        return static_cast<QMenu*>(parent)->addSeparator();
    case ControlKind::BoardView:
    case ControlKind::ExportView: {
        auto* image = new ImageBox(holder);
        image->SetPicture(row.kind == ControlKind::BoardView ? &boardView_.Image()
                                                             : &exportPicture_.Image());
        if (calls.press != nullptr) {
            connect(image, &ImageBox::MouseDown, this,
                    [calls](MouseButton button, int x, int y) { calls.press(button, x, y); });
        }
        if (calls.move != nullptr) {
            connect(image, &ImageBox::MouseMove, this,
                    [calls](bool leftHeld, int x, int y) { calls.move(leftHeld, x, y); });
        }
        if (calls.release != nullptr) {
            connect(image, &ImageBox::MouseUp, this,
                    [calls](int x, int y) { calls.release(x, y); });
        }
        widget = image;
        break;
    }
    case ControlKind::Panel: {
        auto* panel = new QFrame(holder);
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        widget = panel;
        break;
    }
    case ControlKind::StatusBox: {
        auto* memo = new QPlainTextEdit(holder);
        memo->setReadOnly(true);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        widget = memo;
        break;
    }
    case ControlKind::PictureButton: {
        auto* button = new QToolButton(holder);
        button->setIcon(NavButtonIcon(static_cast<NavButton>(row.id.value)));
        button->setIconSize(QSize(ButtonPictureSize, ButtonPictureSize));
        button->setToolTip(text);
        button->setFocusPolicy(Qt::TabFocus);
        if (calls.click != nullptr) {
            connect(button, &QToolButton::clicked, this, [calls] { calls.click(); });
        }
        widget = button;
        break;
    }
    case ControlKind::Label:
        widget = new QLabel(text, holder);
        break;
    case ControlKind::LetterLabel: {
        auto* label = new QLabel(text, holder);
        label->setAlignment(Qt::AlignCenter);
        label->setFixedSize(row.place.width, row.place.height);
        widget = label;
        break;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(text, holder);
        if (calls.click != nullptr) {
            connect(button, &QPushButton::clicked, this, [calls] { calls.click(); });
        }
        widget = button;
        break;
    }
    case ControlKind::ReadOnlyEdit: {
        auto* edit = new QLineEdit(holder);
        edit->setReadOnly(true);
        edit->setText(text);
        widget = edit;
        break;
    }
    case ControlKind::ScrollBar: {
        auto* bar = new QScrollBar(Qt::Horizontal, holder);
        bar->setRange(ScrollMojiMin, ScrollMojiMax);
        bar->setSingleStep(1);
        // Qt ties the thumb size to the page step; 1 keeps the thumb small and lets a
        // click beside it move one letter, as the bar's large change does.
        bar->setPageStep(1);
        bar->setValue(0);
        if (calls.click != nullptr) {
            connect(bar, &QScrollBar::valueChanged, this, [calls] { calls.click(); });
        }
        widget = bar;
        break;
    }
    }

    widget->setGeometry(row.place.left, row.place.top, row.place.width, row.place.height);
    if (row.face.family != nullptr) {
        // Most faced controls stand on panels hidden at start-up.
        LayOutFontsWhenShown(widget);
        widget->setFont(WindowFont(row.face.family, row.face.pixels, row.face.bold));
    }
    if (row.ground == Ground::ButtonHighlight) {
        SetBackground(widget, QPalette::Light);
    } else if (row.ground == Ground::HighlightText) {
        SetBackground(widget, QPalette::HighlightedText);
    }
    if (row.start == Start::Hidden) {
        widget->hide();
    } else if (row.start == Start::Disabled) {
        widget->setEnabled(false);
    }
    return widget;
}

QObject* TFomKifu::Control(const char* name) const
{
    const FomKifuControl* row = FindControl(name);
    return row == nullptr ? nullptr
                          : controls_[static_cast<std::size_t>(row - FomKifuControls().begin())];
}

QObject* TFomKifu::Control(PortId id) const
{
    const FomKifuControl* row = FindControl(id);
    return row == nullptr ? nullptr
                          : controls_[static_cast<std::size_t>(row - FomKifuControls().begin())];
}

QToolButton* TFomKifu::NavigationButton(NavButton button) const
{
    return qobject_cast<QToolButton*>(Control(button));
}

QAction* TFomKifu::MenuAction(MenuTick item) const
{
    return qobject_cast<QAction*>(Control(item));
}
