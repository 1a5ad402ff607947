// The paper a printout goes on when no printer says otherwise, found the way Debian's own
// programs find it.
#pragma once

#include <QByteArray>
#include <QPageSize>

namespace zarvo {

// PAPERSIZE, then /etc/papersize, then the paper of the locale (LC_PAPER); A4 when none of
// them names a paper.
QPageSize::PageSizeId system_paper();

// The same rule from given sources: the PAPERSIZE value (null when unset), the contents of
// /etc/papersize (empty when missing) and the locale's paper name ("letter", "a4" or empty).
QPageSize::PageSizeId paper_from(const char* papersize_env, const QByteArray& papersize_file,
                                 const QByteArray& locale_paper);

}  // namespace zarvo
