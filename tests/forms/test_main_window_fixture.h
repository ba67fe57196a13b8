// The real main window as the program starts it, for window tests: font mapping, the
// window (whose constructor runs FormCreate), then the settings dialog.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "StTaikyoku/StTaikyoku.h"
#include "forms/FomKifu.h"
#include "forms/Fonts.h"
#include "main/State.h"

class MainWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InstallFontSubstitutions(); }

    void SetUp() override
    {
        // State that FormCreate leaves alone carries over from earlier tests.
        FourChaseColor = 0;
        window = std::make_unique<TFomKifu>();
        Set_Taikyoku = new TSet_Taikyoku(window.get());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void TearDown() override
    {
        window.reset(); // the dialog with it
        Set_Taikyoku = nullptr;
    }

    std::unique_ptr<TFomKifu> window;
};

// What a question or error box showed.
struct SeenBox {
    bool seen = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Waits (without blocking the modal loop) for the next message box, records it and lets
// `act` answer it. If no box appears, nothing is answered and `seen` stays false.
inline void AnswerNextBox(SeenBox& seen, std::function<void(QMessageBox&)> act)
{
    auto* timer = new QTimer(qApp);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, tries, &seen, act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            if (++*tries > 500) {
                timer->deleteLater();
                timer->stop();
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        seen.seen = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons.append(button->text());
        }
        act(*box);
    });
    timer->start(10);
}

inline void ClickButton(QMessageBox& box, const QString& text)
{
    for (QAbstractButton* button : box.buttons()) {
        if (button->text() == text) {
            button->click();
            return;
        }
    }
    ADD_FAILURE() << "no button " << text.toStdString();
    box.close();
}
