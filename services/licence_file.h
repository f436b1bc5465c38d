#pragma once
// Finding the licence text to open from the menu.
#include <QString>

namespace korvana::online {

// The licence file of the given name: in the working folder if it is there,
// else beside the executable (programFolder), so that the menu entry also
// works when the program is started from a desktop launcher. Empty when
// neither has it.
QString findLicenceFile(const QString& fileName, const QString& programFolder);

}  // namespace korvana::online
