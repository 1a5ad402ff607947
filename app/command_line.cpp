#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace zarvo {

ParseStatus parse_command_line(const std::vector<std::string>& args, CommandLine& line,
                               std::string& out, std::string& err) {
    QCoreApplication::setApplicationName(QStringLiteral("zarvok"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZARVO_VERSION));

    QStringList qargs;
    for (const std::string& a : args) qargs << QString::fromLocal8Bit(a.c_str());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Zarvo: find how many boxes of each weight a truck carried by drawing a line graph.\n"
        "Keys: Up adds a box of the current colour, Down removes one, Tab changes colour,\n"
        "F1 shows the story, Space hides it, Home starts the next problem, Ctrl+P prints."));
    const QCommandLineOption help_option({QStringLiteral("h"), QStringLiteral("help")},
                                         QStringLiteral("Show this help and exit."));
    const QCommandLineOption version_option({QStringLiteral("v"), QStringLiteral("version")},
                                            QStringLiteral("Show the version and exit."));
    const QCommandLineOption print_option(
        {QStringLiteral("p"), QStringLiteral("print")},
        QStringLiteral("Open FILE and print the results without a dialog (only a solved game "
                       "prints, so this prints nothing), then exit."),
        QStringLiteral("FILE"));
    const QCommandLineOption problem_option(
        QStringLiteral("problem"),
        QStringLiteral("Play problem N (0 to 27) first; later problems are random."),
        QStringLiteral("N"));
    parser.addOption(help_option);
    parser.addOption(version_option);
    parser.addOption(print_option);
    parser.addOption(problem_option);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A file to open as the document."),
                                 QStringLiteral("[FILE]"));

    const auto usage_error = [&](const QString& message) {
        err = "zarvok: " + message.toStdString() + "\nTry 'zarvok --help' for more information.\n";
        return ParseStatus::exit_usage;
    };
    if (!parser.parse(qargs)) return usage_error(parser.errorText());
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
                QStringLiteral("--problem takes a whole number from 0 to 27, not '%1'.").arg(text));
        line.problem = n;
    }

    // Names go back to the bytes they were given as: a name need not be valid UTF-8.
    const auto raw = [&](const QString& decoded) {
        for (size_t i = 1; i < args.size(); ++i)
            if (QString::fromLocal8Bit(args[i].c_str()) == decoded) return args[i];
        return decoded.toLocal8Bit().toStdString();
    };
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) return usage_error(QStringLiteral("only one FILE can be opened."));
    if (parser.isSet(print_option)) {
        if (!positional.isEmpty())
            return usage_error(QStringLiteral("--print takes its FILE alone."));
        line.print_file = raw(parser.value(print_option));
    } else if (!positional.isEmpty()) {
        line.file = raw(positional.first());
    }
    return ParseStatus::run;
}

}  // namespace zarvo
