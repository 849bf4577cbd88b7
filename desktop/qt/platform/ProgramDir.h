// The program directory: the folder that holds the executable and all of its files.
#pragma once

#include <QString>

namespace platform {

// Full path of the running executable.
QString ExecutablePath();

// The executable's folder, without a trailing separator.
QString GetProgramDirectory();

// A file of the program directory: directory, "/", name.
QString ProgramFile(const QString &name);

} // namespace platform
