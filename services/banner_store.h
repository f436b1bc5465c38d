#pragma once
// Where the downloaded banner pictures live between download and display.
//
// The four files keep the names 1.gif .. 4.gif inside a private per-user folder
// (owner-only permissions) under $XDG_RUNTIME_DIR, or the user's cache folder
// when there is no usable runtime folder. A picture is written to a fresh
// temporary file beside its final name and renamed into place only once it is
// complete, so a reader never sees half a picture and a link planted at the
// final name is replaced, never followed.
#include <QString>

#include <memory>

class QIODevice;
class QTemporaryFile;

namespace korvana::online {

// One picture being downloaded. Destroying it without commit() discards it and
// leaves the previous file at the final name untouched.
class PendingPicture {
public:
    PendingPicture(std::unique_ptr<QTemporaryFile> file, QString finalPath);
    ~PendingPicture();
    PendingPicture(const PendingPicture&) = delete;
    PendingPicture& operator=(const PendingPicture&) = delete;

    QIODevice* device() const;
    // Moves the complete picture to its final name. False (with error) if that fails.
    bool commit(QString* error);

private:
    std::unique_ptr<QTemporaryFile> file_;
    QString finalPath_;
};

class BannerStore {
public:
    // folder: the folder to use; empty means defaultFolder().
    explicit BannerStore(QString folder = {});

    // $XDG_RUNTIME_DIR/korvana-banners when that runtime folder is usable
    // (absolute, ours, owner-only), else <user cache folder>/korvana-banners.
    static QString defaultFolder();

    const QString& folder() const { return folder_; }
    // The final path of picture n (1..4): folder + "/n.gif".
    QString picturePath(int n) const;

    // Creates the folder if needed and makes sure it is a real folder of this
    // user with owner-only permissions. Returns false (with error) otherwise.
    bool prepare(QString* error) const;

    // Starts writing picture n. Null (with error) if the folder is not usable.
    std::unique_ptr<PendingPicture> beginPicture(int n, QString* error) const;

private:
    QString folder_;
};

}  // namespace korvana::online
