// The document: it holds nothing. Open opens a file for reading and reads nothing; Save writes
// an empty document, but only ever to a new file, so that no one's data is emptied.
#pragma once

#include <QString>
#include <string>

namespace zarvo {

class CZarvokDoc {
  public:
    // File New: an untitled document.
    bool OnNewDocument();
    // Opens `path` for reading; on failure `error` says why and the document stays as it was.
    bool OnOpenDocument(const std::string& path, QString& error);
    // Creates `path` as a new, empty file; refuses an existing one.
    bool OnSaveDocument(const std::string& path, QString& error);

    QString title() const { return title_; }
    const std::string& path() const { return path_; }
    bool has_file() const { return !path_.empty(); }
    // Why Save must not write now, in the user's words, or empty when it may: a document that
    // has a file (opened, or saved once already) is never written again.
    QString save_refusal() const;

    static QString display_name(const std::string& path);
    // The title of a document without a file, in the player's language: it names the print job
    // and the PDF's title.
    static QString untitled();

  private:
    QString title_ = untitled();
    std::string path_;
    bool saved_here_ = false;  // the file is one this program created by saving
};

}  // namespace zarvo
