#include "app/paper.h"

#include <langinfo.h>

#include <QFile>
#include <clocale>
#include <cstdint>
#include <cstdlib>

namespace zarvo {

namespace {

bool named_paper(QByteArray name, QPageSize::PageSizeId& id) {
    static const struct {
        const char* name;
        QPageSize::PageSizeId id;
    } papers[] = {{"a3", QPageSize::A3},
                  {"a4", QPageSize::A4},
                  {"a5", QPageSize::A5},
                  {"b5", QPageSize::B5},
                  {"letter", QPageSize::Letter},
                  {"legal", QPageSize::Legal},
                  {"executive", QPageSize::Executive},
                  {"tabloid", QPageSize::Tabloid},
                  {"ledger", QPageSize::Ledger}};
    name = name.trimmed().toLower();
    for (const auto& p : papers)
        if (name == p.name) {
            id = p.id;
            return true;
        }
    return false;
}

// The locale's paper: from the C library where the locale is installed, otherwise from the
// territory the environment names (the countries that print on Letter).
QByteArray locale_paper() {
    const char* current = std::setlocale(LC_PAPER, nullptr);
    if (current && qstrcmp(current, "C") != 0 && qstrcmp(current, "POSIX") != 0) {
        // glibc keeps the paper's size in millimetres as an integer behind the pointer.
        const auto height =
            static_cast<int>(reinterpret_cast<intptr_t>(nl_langinfo(_NL_PAPER_HEIGHT)));
        const auto width =
            static_cast<int>(reinterpret_cast<intptr_t>(nl_langinfo(_NL_PAPER_WIDTH)));
        if (width == 216 && height == 279) return "letter";
        if (width == 210 && height == 297) return "a4";
    }
    for (const char* variable : {"LC_ALL", "LC_PAPER", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (value.isEmpty()) continue;
        const qsizetype underscore = value.indexOf('_');
        const QByteArray territory = underscore < 0 ? QByteArray() : value.mid(underscore + 1, 2);
        for (const char* letter :
             {"US", "CA", "MX", "PH", "CL", "CO", "VE", "PR", "CR", "GT", "NI", "PA", "SV", "DO"})
            if (territory == letter) return "letter";
        return "a4";
    }
    return {};
}

}  // namespace

QPageSize::PageSizeId paper_from(const char* papersize_env, const QByteArray& papersize_file,
                                 const QByteArray& locale_paper) {
    QPageSize::PageSizeId id = QPageSize::A4;
    if (papersize_env && named_paper(papersize_env, id)) return id;
    for (const QByteArray& line : papersize_file.split('\n'))
        if (!line.trimmed().isEmpty() && !line.trimmed().startsWith('#'))
            return named_paper(line, id) ? id : QPageSize::A4;
    if (named_paper(locale_paper, id)) return id;
    return QPageSize::A4;
}

QPageSize::PageSizeId system_paper() {
    QFile file(QStringLiteral("/etc/papersize"));
    const QByteArray contents = file.open(QIODevice::ReadOnly) ? file.read(4096) : QByteArray();
    return paper_from(std::getenv("PAPERSIZE"), contents, locale_paper());
}

}  // namespace zarvo
