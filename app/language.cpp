#include "app/language.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "puzzle/text.h"

namespace zarvo {

namespace {

const char* const kTranslations = ":/i18n";

struct Language {
    QTranslator ours;
    QTranslator qt;  // Qt's own dialogs, where Debian ships their translation
    QLocale locale;
    bool loaded = false;
};

Language& language() {
    static Language l;
    return l;
}

bool is_english(const QString& name) {
    return name == QLatin1String("C") || name == QLatin1String("POSIX") ||
           name.startsWith(QLatin1String("en"));
}

std::string lookup(const char* context, const char* source, int n) {
    return language().ours.translate(context, source, nullptr, n).toStdString();
}

std::string local_date(const std::tm& t) {
    const QDateTime when(QDate(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday),
                         QTime(t.tm_hour, t.tm_min, t.tm_sec));
    const QLocale& locale = language().locale;
    return (locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
            when.time().toString(QStringLiteral("HH:mm:ss")))
        .toStdString();
}

bool load(const QLocale& locale, const QString& file_code) {
    Language& l = language();
    const bool found =
        file_code.isEmpty()
            ? l.ours.load(locale, QStringLiteral("zarvok"), QStringLiteral("_"),
                          QLatin1String(kTranslations))
            : l.ours.load(QStringLiteral("zarvok_") + file_code, QLatin1String(kTranslations));
    if (!found) return false;
    l.locale = locale;
    l.loaded = true;
    (void)l.qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    set_language(lookup, file_code.isEmpty() ? local_date : nullptr);
    return true;
}

}  // namespace

bool load_language(const std::string& code) {
    Language& l = language();
    if (l.loaded) {  // back to English first: a later choice replaces an earlier one
        QCoreApplication::removeTranslator(&l.ours);
        QCoreApplication::removeTranslator(&l.qt);
        l.loaded = false;
        set_language(nullptr, nullptr);
    }
    if (!code.empty()) {
        const QString name = QString::fromStdString(code);
        if (is_english(name)) return true;
        // A language is first a locale, whose dates and Qt's own dialogs come with it; a test
        // language has a name of its own rather than a locale's.
        const QLocale locale(name);
        if (locale.language() == QLocale::C)
            return QDir(QLatin1String(kTranslations))
                       .exists(QStringLiteral("zarvok_%1.qm").arg(name)) &&
                   load(QLocale(QLocale::English), name);
        return load(locale, QString());
    }
    for (const QString& name : QLocale::system().uiLanguages()) {
        if (is_english(name)) return true;
        if (load(QLocale(name), QString())) return true;
    }
    return true;
}

QString spoken_languages() {
    QStringList codes{QStringLiteral("en")};
    // The names are picked out by hand: a name filter is a regular expression, and compiling
    // one took its library's pages into every start, for a help text hardly ever shown.
    for (const QString& file : QDir(QLatin1String(kTranslations)).entryList(QDir::Files)) {
        if (!file.startsWith(QLatin1String("zarvok_")) || !file.endsWith(QLatin1String(".qm")))
            continue;
        const QString code = file.mid(7, file.size() - 10);
        if (code != QLatin1String("pseudo")) codes << code;  // a test language, not offered
    }
    codes.sort();
    return codes.join(QStringLiteral(", "));
}

QString tr_text(const char* context, const char* source) {
    return QString::fromStdString(translated(Text{context, source}));
}

void install_language() {
    Language& l = language();
    if (!l.loaded) return;
    QCoreApplication::installTranslator(&l.ours);
    if (!l.qt.isEmpty()) QCoreApplication::installTranslator(&l.qt);
}

}  // namespace zarvo
