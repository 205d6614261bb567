#include "app/command_line.hpp"
#include "properties.hpp"

#include <cstdint>
#include <string>
#include <vector>

// Any argument vector (the input's NUL-separated pieces after the program's name): what is
// answered once the application exists is answered without a screen, and an answer is the help,
// the version, or a mistake in one line and a hint, with no control character for the terminal.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::vector<std::string> pieces {"resomar", ""};
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            pieces.emplace_back();
        else
            pieces.back().push_back(static_cast<char>(data[i]));
    }
    std::vector<char *> argv;
    QStringList arguments;
    for (std::string &argument : pieces) {
        argv.push_back(argument.data());
        arguments << QString::fromLocal8Bit(argument.c_str());
    }
    const auto answer
        = app::answerCommandLine(arguments, [](const char *text) { return QString(text); });
    FUZZ_CHECK(
        app::asksOnlyForText(static_cast<int>(argv.size()), argv.data()) == answer.has_value());
    if (!answer || answer->status == 0) {
        FUZZ_CHECK(!answer || answer->text.startsWith(QLatin1String("Utilisation : resomar"))
            || answer->text == QLatin1String("Resomar " RESOMAR_VERSION "\n"));
        return 0;
    }
    FUZZ_CHECK(answer->status == 1 && answer->text.startsWith(QLatin1String("resomar : "))
        && answer->text.endsWith(u'\n') && answer->text.count(u'\n') == 2);
    for (const QChar c : answer->text)
        FUZZ_CHECK(
            c == u'\n' || !(c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() < 0xa0)));
    return 0;
}
