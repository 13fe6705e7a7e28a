// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Start-up measurement hook, header-only so that the bare reference window
// of bench/ uses exactly the same one. When OHMIRA_BENCH_EXIT_ON_MAP=1, the
// first time the window is on screen and painted, one line goes to stdout:
//   mapped realtime_ns=<CLOCK_REALTIME in ns> rss_kib=<VmRSS in KiB>
//          cpu_us=<user + system CPU time so far, in microseconds>
// and the window is closed, which ends the program. bench/startup.sh reads
// that line.

#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include <sys/resource.h>

namespace ohmira::ui {

inline long residentKib()
{
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr)
        return -1;
    char line[256];
    long kib = -1;
    while (std::fgets(line, sizeof line, status) != nullptr)
        if (std::strncmp(line, "VmRSS:", 6) == 0) {
            kib = std::strtol(line + 6, nullptr, 10);
            break;
        }
    std::fclose(status);
    return kib;
}

inline long long cpuMicroseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto us = [](const timeval& t) {
        return static_cast<long long>(t.tv_sec) * 1000000LL + t.tv_usec;
    };
    return us(usage.ru_utime) + us(usage.ru_stime);
}

class MapMarker : public QObject {
public:
    explicit MapMarker(QWidget& window) : QObject(&window), window_(window) {}

    // Installs the marker when the environment asks for it. Call after
    // show(), when the window has its native counterpart.
    static void installIfAsked(QWidget& window)
    {
        const char* asked = std::getenv("OHMIRA_BENCH_EXIT_ON_MAP");
        if (asked == nullptr || std::strcmp(asked, "1") != 0 || window.windowHandle() == nullptr)
            return;
        window.windowHandle()->installEventFilter(new MapMarker(window));
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && !done_ && window_.windowHandle()->isExposed()) {
            done_ = true;
            // Queued: runs once the expose event has been painted and flushed.
            QMetaObject::invokeMethod(this, [this] { report(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report()
    {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        const long long ns = static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
        std::printf("mapped realtime_ns=%lld rss_kib=%ld cpu_us=%lld\n", ns, residentKib(),
                    cpuMicroseconds());
        std::fflush(stdout);
        window_.close();
    }

    QWidget& window_;
    bool done_ = false;
};

}  // namespace ohmira::ui
