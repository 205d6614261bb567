#pragma once

#include "app/command_line.hpp"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Windows only. A windowed program started from cmd or PowerShell has no standard output, so
// --help and --version would print nowhere (Wine hands it the terminal's, which hides this).

namespace app {

// The arguments with "/?", Windows' own way of asking a program for help, read as --help.
[[nodiscard]] QStringList withWindowsHelpSwitch(QStringList arguments);

// Prints the answer where the one who started the program reads it: into the file or pipe its
// output was redirected to, as print() does; else on the console of the program that started it,
// attached for this, in that console's code page; with neither (started from Explorer), nowhere.
// Returns the answer's status, or 1 when it could not be written whole.
[[nodiscard]] int printOnConsole(const CommandLineAnswer &answer);

// The text as a console whose output code page is codePage shows it ('?' for what it lacks).
[[nodiscard]] QByteArray consoleBytes(const QString &text, unsigned codePage);

} // namespace app
