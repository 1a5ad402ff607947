#include "app/zarvok_doc.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <cerrno>
#include <cstring>

#include "app/language.h"

namespace zarvo {

namespace {

QString reason(int err) {
    return QString::fromLocal8Bit(std::strerror(err));
}

}  // namespace

QString CZarvokDoc::display_name(const std::string& path) {
    return QFileInfo(QString::fromLocal8Bit(path.c_str())).fileName();
}

QString CZarvokDoc::untitled() {
    //: The name of a new document, also the title of the printed PDF
    return tr_text("Document", "Untitled");
}

bool CZarvokDoc::OnNewDocument() {
    title_ = untitled();
    path_.clear();
    saved_here_ = false;
    return true;
}

bool CZarvokDoc::OnOpenDocument(const std::string& path, QString& error) {
    struct stat st {};
    if (path.empty()) {
        error = tr_text("Document", "No file name was given.");
        return false;
    }
    if (::stat(path.c_str(), &st) != 0) {
        error = reason(errno);
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        error = tr_text("Document", "It is a folder, not a file.");
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        error = tr_text("Document", "It is not a regular file (a device, a pipe or a socket).");
        return false;
    }
    // Non-blocking, so that a file swapped for a pipe in the meantime cannot hang us.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = reason(errno);
        return false;
    }
    ::close(fd);
    path_ = path;
    title_ = display_name(path);
    saved_here_ = false;
    return true;
}

bool CZarvokDoc::OnSaveDocument(const std::string& path, QString& error) {
    if (path.empty()) {
        error = tr_text("Document", "No file name was given.");
        return false;
    }
    // O_EXCL: never truncate or replace a file that is already there.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        const int err = errno;
        error = err == EEXIST ? tr_text("Document",
                                        "A file of that name already exists. Zarvok documents hold "
                                        "nothing, so saving over it would empty it; it was left as "
                                        "it was. Choose a new name.")
                              : reason(err);
        return false;
    }
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL;
    const int sync_err = errno;
    if (::close(fd) != 0 || !ok) {
        error = reason(ok ? errno : sync_err);
        ::unlink(path.c_str());  // only the empty file we made ourselves
        return false;
    }
    path_ = path;
    title_ = display_name(path);
    saved_here_ = true;
    return true;
}

QString CZarvokDoc::save_refusal() const {
    if (!has_file()) return {};
    if (saved_here_)
        return tr_text("Document",
                       "%1 is saved already. Zarvok documents hold nothing, so there is nothing "
                       "more to save.")
            .arg(title_);
    return tr_text("Document",
                   "%1 was opened from an existing file. Zarvok documents hold nothing, so saving "
                   "would empty that file; it was left as it was.")
        .arg(title_);
}

}  // namespace zarvo
