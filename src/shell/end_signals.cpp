#include "shell/end_signals.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// One end is written by the handler, the other is watched by the event loop.
int wake_write = -1;
int wake_read = -1;

void on_end_signal(int)
{
    // write() is all a handler may safely do; a full socket already holds a wake-up.
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(wake_write, &byte, 1);
    errno = saved;
}

bool open_wake_pair()
{
    if (wake_read >= 0)
        return true;
    int pair[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, pair) != 0)
        return false;
    wake_write = pair[0];
    wake_read = pair[1];
    return true;
}

// The session manager ends a session with a quit sent to the application.
class Quit_Filter final : public QObject {
public:
    Quit_Filter(QObject& owner, std::function<void()> end_run)
        : QObject(&owner), end_run_(std::move(end_run))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Quit || watched != QCoreApplication::instance())
            return false;
        end_run_();
        return true;
    }

private:
    std::function<void()> end_run_;
};

}  // namespace

void Watch_End_Signals(QObject& owner, std::function<void()> end_run)
{
    std::signal(SIGXFSZ, SIG_IGN);
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(new Quit_Filter(owner, end_run));
    if (!open_wake_pair())
        return;
    auto* notifier = new QSocketNotifier(wake_read, QSocketNotifier::Read, &owner);
    QObject::connect(notifier, &QSocketNotifier::activated, &owner,
                     [end_run = std::move(end_run)] {
                         char bytes[16];
                         while (::read(wake_read, bytes, sizeof bytes) > 0) {
                         }
                         end_run();
                     });

    struct sigaction action {};
    action.sa_handler = on_end_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        sigaction(signal, &action, nullptr);
}
