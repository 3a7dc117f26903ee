#pragma once

// Figures that the desktop measurements print: one "name value" line each.

#include <QByteArray>
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <sys/resource.h>

namespace probe {

// Milliseconds since the moment the launcher put into LOPENA_T0 (nanoseconds since the epoch).
inline double sinceLaunch() {
    const QByteArray t0 = qgetenv("LOPENA_T0");
    const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    return t0.isEmpty() ? -1 : static_cast<double>(now - t0.toLongLong()) / 1e6;
}

// Resident memory of this process, in MB.
inline double residentMB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kb = 0;
            status >> kb;
            return kb / 1024;
        }
        status.ignore(1 << 12, '\n');
    }
    return -1;
}

// User plus system CPU time of this process, in ms.
inline double cpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// User CPU time alone, in ms.
inline double userCpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec * 1e3 + usage.ru_utime.tv_usec / 1e3;
}

inline void print(const char* name, double value) {
    std::printf("%s %.3f\n", name, value);
    std::fflush(stdout);
}

// Calls `then` once, after the watched widget's first paint has been handled.
template <class F> class FirstPaint : public QObject {
public:
    FirstPaint(QWidget* widget, F then) : then_(std::move(then)) {
        widget->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            watched->removeEventFilter(this);
            then_();
        }
        return false;
    }

private:
    F then_;
    bool done_ = false;
};

} // namespace probe
