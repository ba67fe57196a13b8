// The menu bar MainMenu1 and the connection of every control to its handler.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include "forms/FomKifu.h"
#include "forms/ImageBox.h"
#include "main/Export.h"
#include "main/Files.h"
#include "main/Modes.h"
#include "main/Moves.h"
#include "main/Settings.h"

namespace {

QMenu* AddMenu(QMenuBar* bar, const char* name, const char* caption)
{
    QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

QMenu* AddSubmenu(QMenu* parent, const char* name, const char* caption)
{
    QMenu* menu = parent->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

QAction* AddItem(QMenu* menu, const char* name, const char* caption, bool checkable = false)
{
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QLatin1String(name));
    action->setCheckable(checkable);
    return action;
}

} // namespace

void TFomKifu::BuildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    // The menu bar keeps the system's menu font, not the window's 19-pixel face.
    bar->setFont(QApplication::font(bar));

    MnuFile = AddMenu(bar, "MnuFile", "ファイル(&F)");
    MnuOpen = AddItem(MnuFile, "MnuOpen", "棋譜を開く(&O)");
    MnuSaveAs = AddItem(MnuFile, "MnuSaveAs", "棋譜に名前を付けて保存(&A)");
    MnuHaisekiOpen = AddItem(MnuFile, "MnuHaisekiOpen", "配石データを開く(&H)");
    MnuHaisekiSave = AddItem(MnuFile, "MnuHaisekiSave", "配石に名前を付けて保存(&B)");
    N1 = MnuFile->addSeparator();
    N1->setObjectName(QStringLiteral("N1"));
    MnuExit = AddItem(MnuFile, "MnuExit", "終了(&X)");

    MnuHozon = AddMenu(bar, "MnuHozon", "棋譜画像保存(&G)");
    MnuWBHozon = AddItem(MnuHozon, "MnuWBHozon", "盤全体を保存(&W)");
    MnuWBHaniSetei = AddItem(MnuHozon, "MnuWBHaniSetei", "範囲を指定して保存(&X)");

    MnuTaikyoku = AddMenu(bar, "MnuTaikyoku", "対局(&P)");
    MnuSetTaikyoku = AddItem(MnuTaikyoku, "MnuSetTaikyoku", "設定(&T)");

    MnuKyokumen = AddMenu(bar, "MnuKyokumen", "局面(&K)");
    MnuClear = AddItem(MnuKyokumen, "MnuClear", "盤クリア(&C)");
    MnuSettei = AddSubmenu(MnuKyokumen, "MnuSettei", "設定(&S)");
    MnuSetTe = AddItem(MnuSettei, "MnuSetTe", "珠順設定(&T)", true);
    MnuSetMoji = AddItem(MnuSettei, "MnuSetMoji", "文字配置(&M)", true);
    MnuSetIsi = AddItem(MnuSettei, "MnuSetIsi", "石の配置(&H)", true);
    MnuSetSioi = AddItem(MnuSettei, "MnuSetSioi", "四追順設定(&F)", true);
    ModeGroup = new QActionGroup(this);
    ModeGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (QAction* item : {MnuSetTe, MnuSetMoji, MnuSetIsi, MnuSetSioi}) {
        ModeGroup->addAction(item);
    }

    MnuTool = AddMenu(bar, "MnuTool", "各種設定(&T)");
    MnuSyujyun = AddItem(MnuTool, "MnuSyujyun", "珠順表示(&H)", true);
    MnuSiTome = AddItem(MnuTool, "MnuSiTome", "四を自動的に止める(&D)", true);

    ApplyTicks();
}

void TFomKifu::ConnectHandlers()
{
    const std::pair<QAction*, void (*)()> items[] = {
        {MnuOpen, &::MnuOpenClick},
        {MnuSaveAs, &::MnuSaveAsClick},
        {MnuHaisekiOpen, &::MnuHaisekiOpenClick},
        {MnuHaisekiSave, &::MnuHaisekiSaveClick},
        {MnuExit, &::MnuExitClick},
        {MnuWBHozon, &::MnuWBHozonClick},
        {MnuWBHaniSetei, &::MnuWBHaniSeteiClick},
        {MnuSetTaikyoku, &::MnuSetTaikyokuClick},
        {MnuClear, &::MnuClearClick},
        {MnuSetTe, &::MnuSetTeClick},
        {MnuSetMoji, &::MnuSetMojiClick},
        {MnuSetIsi, &::MnuSetIsiClick},
        {MnuSetSioi, &::MnuSetSioiClick},
        {MnuSyujyun, &::MnuSyujyunClick},
        {MnuSiTome, &::MnuSiTomeClick},
    };
    for (const auto& [action, handler] : items) {
        connect(action, &QAction::triggered, this,
                [this, handler = handler] { RunMenuHandler(handler); });
    }

    const std::pair<QToolButton*, void (*)()> buttons[] = {
        {BitBackAll, &::BitBackAllClick}, {BitBack2, &::BitBack2Click},
        {BitBack1, &::BitBack1Click},     {BitGo1, &::BitGo1Click},
        {BitGo2, &::BitGo2Click},         {BitGoAll, &::BitGoAllClick},
    };
    for (const auto& [button, handler] : buttons) {
        connect(button, &QToolButton::clicked, this, [handler = handler] { handler(); });
    }

    connect(BtnkoutaiMouse, &QPushButton::clicked, this, [] { ::BtnkoutaiMouseClick(); });
    connect(ScrollMoji, &QScrollBar::valueChanged, this, [] { ::ScrollMojiChange(); });
    connect(ImgBan, &ImageBox::MouseDown, this,
            [](MouseButton button, int x, int y) { ::ImgBanMouseDown(button, x, y); });
    connect(ImgBan, &ImageBox::MouseMove, this,
            [](bool leftHeld, int x, int y) { ::ImgBanMouseMove(leftHeld, x, y); });
    connect(ImgBan, &ImageBox::MouseUp, this, [](int x, int y) { ::ImgBanMouseUp(x, y); });
}

void TFomKifu::RunMenuHandler(void (*handler)())
{
    handler();
    ApplyTicks();
}

QAction* TFomKifu::MenuAction(MenuTick item) const
{
    switch (item) {
    case MenuTick::MnuSetTe:
        return MnuSetTe;
    case MenuTick::MnuSetMoji:
        return MnuSetMoji;
    case MenuTick::MnuSetIsi:
        return MnuSetIsi;
    case MenuTick::MnuSetSioi:
        return MnuSetSioi;
    case MenuTick::MnuSyujyun:
        return MnuSyujyun;
    case MenuTick::MnuSiTome:
        return MnuSiTome;
    }
    return nullptr;
}

void TFomKifu::ApplyTicks()
{
    // Untick first, so the radio group never sees two ticked items.
    for (bool pass : {false, true}) {
        for (int i = 0; i < 6; ++i) {
            if (ticks_[i] == pass) {
                MenuAction(static_cast<MenuTick>(i))->setChecked(pass);
            }
        }
    }
}
