// For start-up measurements only: ends the run once the watched window has first been
// painted. Built into the benchmark's own builds of the editor and of the windows it is
// timed against, never into the shipping program.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

class QuitAfterFirstPaint : public QObject {
public:
    explicit QuitAfterFirstPaint(QWidget* window) { window->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !quitting_) {
            quitting_ = true;
            // exit(), not quit(): quit() would close the windows first and ask. The
            // timer fires once the whole paint pass, children included, is done.
            QTimer::singleShot(0, qApp, [] {
                TellPaintTime();
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // The start-up benchmark names, in KORVANE_FIRST_PAINT_FD, a pipe to be told when
    // the first paint was done: CLOCK_MONOTONIC in nanoseconds, which its steady clock
    // also reads, so that the programs' ending is not counted.
    static void TellPaintTime()
    {
        const char* fd = std::getenv("KORVANE_FIRST_PAINT_FD");
        if (fd == nullptr)
            return;
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const std::int64_t ns = std::int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
        [[maybe_unused]] const ssize_t written = write(std::atoi(fd), &ns, sizeof ns);
    }

    bool quitting_ = false;
};
