#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>
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

    QApplication application(argc, argv);
    zarvo::install_language();
    zarvo::CZarvokApp app(line);
    if (!app.InitInstance()) return app.exit_status();
    return application.exec();
}
