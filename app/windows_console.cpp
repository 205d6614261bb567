#include "windows_console.hpp"

#include <windows.h>

namespace app {

QStringList withWindowsHelpSwitch(QStringList arguments)
{
    // The program's own name stays as it is, whatever it is.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("/?"))
            arguments[i] = QStringLiteral("--help");
    }
    return arguments;
}

QByteArray consoleBytes(const QString &text, unsigned codePage)
{
    const auto *wide = reinterpret_cast<const wchar_t *>(text.utf16());
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(codePage, 0, wide, length, nullptr, 0, nullptr, nullptr);
    QByteArray bytes(size, '\0');
    WideCharToMultiByte(codePage, 0, wide, length, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

int printOnConsole(const CommandLineAnswer &answer)
{
    HANDLE handle = GetStdHandle(answer.status == 0 ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE
        || GetFileType(handle) == FILE_TYPE_UNKNOWN) {
        // None: started without redirection, from a console or from Explorer.
        if (!AttachConsole(ATTACH_PARENT_PROCESS))
            return answer.status;
        handle = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            return answer.status;
    }
    DWORD mode = 0;
    if (!GetConsoleMode(handle, &mode))
        return print(answer); // a file or a pipe
    // Deliberate: not the program's local 8-bit encoding, Windows' ANSI code page (1252 in
    // French), but the console's own (850 in French), or "é" shows as "Ú".
    const QByteArray bytes = consoleBytes(answer.text, GetConsoleOutputCP());
    DWORD written = 0;
    const bool whole
        = WriteFile(handle, bytes.constData(), static_cast<DWORD>(bytes.size()), &written, nullptr)
        && written == static_cast<DWORD>(bytes.size());
    return whole ? answer.status : 1;
}

} // namespace app
