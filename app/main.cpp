#include <fcntl.h>
#include <fontconfig/fontconfig.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "app/command_line.h"
#include "app/language.h"
#include "app/zarvok_app.h"

namespace {

bool display_available() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

int g_signal_pipe[2] = {-1, -1};

// SIGTERM (a session ending, a teacher's script), SIGINT and SIGHUP end the game the way the
// window's Exit does, through the event loop, rather than cutting it off mid-paint.
void quit_on_signals() {
    if (::pipe2(g_signal_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* notifier = new QSocketNotifier(g_signal_pipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        char byte;
        while (::read(g_signal_pipe[0], &byte, 1) > 0) {
        }
        QApplication::closeAllWindows();
        QApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = [](int) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t n = ::write(g_signal_pipe[1], &byte, 1);
    };
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv, argv + argc);
    zarvo::CommandLine line;
    std::string out, err;
    switch (zarvo::parse_command_line(args, line, out, err)) {
        case zarvo::ParseStatus::exit_ok:
            std::fputs(out.c_str(), stdout);
            return 0;
        case zarvo::ParseStatus::exit_usage:
            std::fputs(err.c_str(), stderr);
            return 2;
        case zarvo::ParseStatus::run:
            break;
    }
    if (!display_available()) {
        const QString message = zarvo::tr_text(
            "CommandLine",
            "zarvok: cannot start: no display to show the game on (DISPLAY is not set).");
        std::fputs((message.toLocal8Bit() + '\n').constData(), stderr);
        return 1;
    }

    // Reading the font configuration (a few milliseconds of parsing) needs no display: it
    // runs beside the connection to one, and the menu bar and the board find it done.
    std::thread font_configuration([] { FcInit(); });
    QApplication application(argc, argv);
    font_configuration.join();
    zarvo::install_language();
    quit_on_signals();
    zarvo::CZarvokApp app(line);
    if (!app.InitInstance()) return app.exit_status();
    return application.exec();
}
