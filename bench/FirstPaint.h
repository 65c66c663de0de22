// Reports the moment a window is first painted, and then the process's
// peak memory, proportional share of memory and the shared objects it has
// mapped, on stdout; then ends the process at once.
#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <set>
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
    static long FieldKiB(const char* file, const std::string& field)
    {
        std::ifstream in(file);
        for (std::string line; std::getline(in, line);) {
            if (line.rfind(field, 0) == 0) return std::stol(line.substr(field.size()));
        }
        return -1;
    }

    static long SharedObjects()
    {
        std::ifstream maps("/proc/self/maps");
        std::set<std::string> objects;
        for (std::string line; std::getline(maps, line);) {
            const std::size_t path = line.find('/');
            if (path == std::string::npos) continue;
            const std::string file = line.substr(path);
            if (file.find(".so") != std::string::npos) objects.insert(file);
        }
        return static_cast<long>(objects.size());
    }

    void Report()
    {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("painted_ns %lld\npeak_kib %ld\npss_kib %ld\nshared_objects %ld\n",
                    static_cast<long long>(std::chrono::nanoseconds(now).count()),
                    FieldKiB("/proc/self/status", "VmHWM:"),
                    FieldKiB("/proc/self/smaps_rollup", "Pss:"), SharedObjects());
        std::fflush(stdout);
        ::_exit(0);
    }
};
