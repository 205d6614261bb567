#pragma once

// Every text the core hands to the windows is one whole French sentence, marked for the
// translators, with the numbers and letters it names carried beside it as arguments (%1, %2, ...)
// so that a translation can put them where its grammar wants. The windows translate the sentence
// and then put the arguments in; french() does the same without a translation.

#include <string>
#include <vector>

// lupdate finds the sentences by this macro's name; the core itself stays free of Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace core {

// The translation context of the core's sentences: the first argument of every
// QT_TRANSLATE_NOOP in core/.
inline constexpr const char *kTextContext = "core";

class Text
{
public:
    Text() = default;
    // source: a string literal marked with QT_TRANSLATE_NOOP("core", ...), holding %1 to %n for
    // the n arguments.
    Text(const char *source)
        : source_(source)
    { }
    Text(const char *source, std::vector<std::string> arguments)
        : source_(source)
        , arguments_(std::move(arguments))
    { }

    [[nodiscard]] const char *source() const { return source_; }
    [[nodiscard]] const std::vector<std::string> &arguments() const { return arguments_; }

    // The sentence with its arguments in place: %1 takes the first argument, %2 the second, as
    // QString::arg() places them in a sentence that names each of its arguments.
    [[nodiscard]] std::string french() const;
    [[nodiscard]] bool empty() const { return french().empty(); }

    // Two texts are equal when they read the same in French.
    friend bool operator==(const Text &a, const Text &b) { return a.french() == b.french(); }

private:
    const char *source_ = "";
    std::vector<std::string> arguments_;
};

} // namespace core
