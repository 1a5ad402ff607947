#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <optional>

#include "app/language.h"

namespace zarvo {

namespace {

// The value of --lang, looked for before anything else so that the help and the errors come
// in that language; the parser checks the option again with the rest.
std::string lang_argument(const std::vector<std::string>& args) {
    std::string code;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--") break;
        if (args[i] == "--lang" && i + 1 < args.size()) code = args[++i];
        if (args[i].rfind("--lang=", 0) == 0) code = args[i].substr(7);
    }
    return code;
}

}  // namespace

ParseStatus parse_command_line(const std::vector<std::string>& args, CommandLine& line,
                               std::string& out, std::string& err) {
    QCoreApplication::setApplicationName(QStringLiteral("zarvok"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZARVO_VERSION));

    const std::string code = lang_argument(args);
    const bool spoken = load_language(code);
    // Qt's own words in the help and the errors ("Usage:", "Unknown option") come from Qt's
    // translation, which only an application can hold: one stands in until the game makes its
    // own, and names the program as the messages do.
    static int argc = 1;
    static char name[] = "zarvok";
    static char* argv[] = {name, nullptr};
    std::optional<QCoreApplication> stand_in;
    if (!QCoreApplication::instance()) stand_in.emplace(argc, argv);
    install_language();

    QStringList qargs;
    for (const std::string& a : args) qargs << QString::fromLocal8Bit(a.c_str());

    QCommandLineParser parser;
    parser.setApplicationDescription(
        //: The top of zarvok --help in a terminal: keep each line under 100 characters
        tr_text("CommandLine",
                "Zarvo: find how many boxes of each weight a truck carried by drawing a line "
                "graph.\nKeys: Up adds a box of the current colour, Down removes one, Tab changes "
                "colour,\nF1 shows the story, Space hides it, Home starts the next problem, "
                "Ctrl+P prints."));
    const QCommandLineOption help_option({QStringLiteral("h"), QStringLiteral("help")},
                                         tr_text("CommandLine", "Show this help and exit."));
    const QCommandLineOption version_option({QStringLiteral("v"), QStringLiteral("version")},
                                            tr_text("CommandLine", "Show the version and exit."));
    const QCommandLineOption print_option(
        {QStringLiteral("p"), QStringLiteral("print")},
        tr_text("CommandLine",
                "Open FILE and print the results without a dialog (only a solved game prints, so "
                "this prints nothing), then exit."),
        //: The name of --print's value in zarvok --help, in capitals
        tr_text("CommandLine", "FILE"));
    const QCommandLineOption problem_option(
        QStringLiteral("problem"),
        tr_text("CommandLine", "Play problem N (0 to 27) first; later problems are random."),
        QStringLiteral("N"));
    const QCommandLineOption lang_option(
        QStringLiteral("lang"),
        //: %1 lists the language codes, such as "de, en, es"
        tr_text("CommandLine", "Play in the language CODE (%1) instead of the desktop's.")
            .arg(spoken_languages()),
        //: The name of --lang's value in zarvok --help, in capitals
        tr_text("CommandLine", "CODE"));
    parser.addOption(help_option);
    parser.addOption(version_option);
    parser.addOption(print_option);
    parser.addOption(problem_option);
    parser.addOption(lang_option);
    parser.addPositionalArgument(tr_text("CommandLine", "FILE"),
                                 tr_text("CommandLine", "A file to open as the document."),
                                 tr_text("CommandLine", "[FILE]"));

    const auto usage_error = [&](const QString& message) {
        err = "zarvok: " + message.toStdString() + "\n" +
              tr_text("CommandLine", "Try 'zarvok --help' for more information.").toStdString() +
              "\n";
        return ParseStatus::exit_usage;
    };
    if (!parser.parse(qargs)) return usage_error(parser.errorText());
    if (!spoken)
        return usage_error(
            //: After "zarvok: ", so in lower case; %1 is the code asked for, %2 the codes there are
            tr_text("CommandLine", "there is no translation for '%1'; the game speaks %2.")
                .arg(QString::fromStdString(code), spoken_languages()));
    if (parser.isSet(help_option)) {
        out = parser.helpText().toStdString();
        return ParseStatus::exit_ok;
    }
    if (parser.isSet(version_option)) {
        out = "zarvok " ZARVO_VERSION "\n";
        return ParseStatus::exit_ok;
    }
    if (parser.isSet(problem_option)) {
        bool ok = false;
        const QString text = parser.value(problem_option);
        const int n = text.toInt(&ok);
        if (!ok || n < 0 || n > 27)
            return usage_error(
                tr_text("CommandLine", "--problem takes a whole number from 0 to 27, not '%1'.")
                    .arg(text));
        line.problem = n;
    }

    // Names go back to the bytes they were given as: a name need not be valid UTF-8.
    const auto raw = [&](const QString& decoded) {
        for (size_t i = 1; i < args.size(); ++i)
            if (QString::fromLocal8Bit(args[i].c_str()) == decoded) return args[i];
        return decoded.toLocal8Bit().toStdString();
    };
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1)
        return usage_error(tr_text("CommandLine", "only one FILE can be opened."));
    if (parser.isSet(print_option)) {
        if (!positional.isEmpty())
            return usage_error(tr_text("CommandLine", "--print takes its FILE alone."));
        line.print_file = raw(parser.value(print_option));
    } else if (!positional.isEmpty()) {
        line.file = raw(positional.first());
    }
    return ParseStatus::run;
}

}  // namespace zarvo
