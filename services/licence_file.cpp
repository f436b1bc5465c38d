#include "services/licence_file.h"

#include <QDir>
#include <QFileInfo>

namespace korvana::online {

QString findLicenceFile(const QString& fileName, const QString& programFolder) {
    for (const QString& folder : {QDir::currentPath(), programFolder}) {
        if (folder.isEmpty()) continue;
        const QFileInfo candidate(QDir(folder).filePath(fileName));
        if (candidate.isFile()) return candidate.absoluteFilePath();
    }
    return {};
}

}  // namespace korvana::online
