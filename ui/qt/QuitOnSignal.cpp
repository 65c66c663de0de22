#include "ui/qt/QuitOnSignal.h"

#include "ui/WindowSystem.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace ui {
namespace {

int g_pipe[2] = {-1, -1};
volatile std::sig_atomic_t g_caught = 0;
std::function<void()> g_quit;
QPointer<QSocketNotifier> g_notifier;  // dies with the application object

void OnSignal(int /*signal*/)
{
    // A signal handler may do almost nothing: note it, and wake the event
    // loop (if there is one yet) through a socket; the quit runs there.
    g_caught = 1;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &byte, 1);
}

}  // namespace

void CatchQuitSignals()
{
    // The socket is made once; the handler is installed on every call.
    if (g_pipe[0] < 0) {
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pipe) == 0) {
            // A storm of signals must never block the handler on a full socket.
            ::fcntl(g_pipe[1], F_SETFL, ::fcntl(g_pipe[1], F_GETFL) | O_NONBLOCK);
            ::fcntl(g_pipe[0], F_SETFL, ::fcntl(g_pipe[0], F_GETFL) | O_NONBLOCK);
        } else {
            g_pipe[0] = g_pipe[1] = -1;
        }
    }
    // Without the socket the flag alone still lets start-up end cleanly.
    struct sigaction action { };
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : {SIGINT, SIGTERM, SIGHUP}) sigaction(s, &action, nullptr);
}

bool QuitSignalCaught() { return g_caught != 0; }

void QuitOnSignals(std::function<void()> quit)
{
    CatchQuitSignals();
    g_quit = std::move(quit);
    if (g_notifier || g_pipe[0] < 0) return;
    g_notifier =
        new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(g_notifier, &QSocketNotifier::activated, g_notifier, [] {
        char bytes[64];
        while (::read(g_pipe[0], bytes, sizeof bytes) > 0) { }
        if (g_quit) g_quit();
    });
}

void QuitOnSignals(WindowSystem& windows)
{
    QuitOnSignals([&windows] { windows.Quit(0); });
}

}  // namespace ui
