#pragma once
// Opening a file the program reads by name (card pictures, banner pictures)
// only when it is a regular file. The check is made on the opened handle, so
// nothing can be swapped in between, and the open itself does not wait: a
// named pipe or a device under a picture's name would otherwise block the
// window in open() for good.
#include <QFile>
#include <QString>

namespace korvana {

// Opens file (whose name must be set) for reading. False, with a reason in
// *error ("Not a regular file", or the system's reason), when the name does
// not lead to a regular file or it cannot be opened.
bool openRegularFile(QFile& file, QString* error);

}  // namespace korvana
