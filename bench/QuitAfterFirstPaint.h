// For start-up measurements only: ends the run once the watched window has first been
// painted. Built into the benchmark's own builds of the editor and of the windows it is
// timed against, never into the shipping program.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

class QuitAfterFirstPaint : public QObject {
public:
    explicit QuitAfterFirstPaint(QWidget* window) { window->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !quitting_) {
            quitting_ = true;
            // exit(), not quit(): quit() would close the windows first and ask.
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool quitting_ = false;
};
