// Reports the moment a window is first painted, and the process's peak
// memory then, on stdout; then ends the process at once.
#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

class FirstPaint final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            // After this paint has been delivered, so count it.
            QMetaObject::invokeMethod(this, &FirstPaint::Report, Qt::QueuedConnection);
            watched->removeEventFilter(this);
        }
        return false;
    }

private:
    static long PeakKiB()
    {
        std::ifstream status("/proc/self/status");
        for (std::string line; std::getline(status, line);) {
            if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
        }
        return -1;
    }

    void Report()
    {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("painted_ns %lld\npeak_kib %ld\n",
                    static_cast<long long>(std::chrono::nanoseconds(now).count()), PeakKiB());
        std::fflush(stdout);
        ::_exit(0);
    }
};
