// Start-up measurement: with LW_STARTUP_PROBE set, the program prints the
// wall-clock time of the first paint of a top-level window and its peak
// memory so far, then ends. tools/bench_startup.sh compares these figures
// with those of a minimal Qt window started the same way.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>

namespace lw::bench {

class StartupProbe : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            timespec now{};
            clock_gettime(CLOCK_REALTIME, &now);
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            std::printf("first-paint-ns %lld\npeak-rss-kib %ld\n",
                        static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                        usage.ru_maxrss);
            std::fflush(stdout);
            std::_Exit(0);
        }
        return false;
    }
};

// Installs the probe when LW_STARTUP_PROBE is set; otherwise does nothing.
inline void installStartupProbeIfAsked(QApplication& app) {
    if (std::getenv("LW_STARTUP_PROBE") == nullptr)
        return;
    static StartupProbe probe;
    app.installEventFilter(&probe);
}

} // namespace lw::bench
