// For start-up measurements: with KORVANE_QUIT_AFTER_SHOW set, the run ends once the
// window has first been painted. Shared with the bare window it is measured against.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdlib>

class QuitAfterFirstPaint : public QObject {
public:
    // Watches `window` only when the measurement asks for it.
    void WatchIfAsked(QWidget* window)
    {
        const char* asked = std::getenv("KORVANE_QUIT_AFTER_SHOW");
        if (asked != nullptr && *asked != '\0' && *asked != '0')
            window->installEventFilter(this);
    }

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
