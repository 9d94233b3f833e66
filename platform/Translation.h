#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The language of the interface. Japanese is the program's own: its texts are
// the ones written in the sources. English comes from a catalogue made from the
// translation file in res/translations, read with Qt's translator.
//
// Texts are marked with Tr (or Qt's tr in the window), and lupdate collects
// them from every folder; the command line and the layers below the window read
// them through Tr, the window through the translator installed on its
// application object, from the same catalogue.
namespace platform {

enum class Language { Japanese, English };

// English for a locale whose name begins with "en" (en, en_US.UTF-8,
// en_GB@euro); Japanese for every other, "C" and "POSIX" included.
Language LanguageOfLocale(std::string_view name);

// The language of messages as the environment sets it: the first of LC_ALL,
// LC_MESSAGES and LANG that is set and not empty decides, as for the C library.
Language LanguageOfEnvironment();

// The folder the running program's catalogues are installed in, found from the
// program's own path (also in the build folder).
std::string CatalogueFolder();

// The file name of a language's catalogue ("kestrel_en.qm"); empty for Japanese.
std::string CatalogueFileName(Language language);

// Makes `language` the language of Tr, reading its catalogue from `folder`.
// False when the catalogue cannot be read: the texts stay Japanese. Called at
// start, before any thread reads a text.
bool UseLanguage(Language language, const std::string &folder);
Language CurrentLanguage();

// The text of `source` (the Japanese source text, UTF-8) in the current
// language, or `source` itself where the catalogue has none. With n >= 0 the
// form for n is chosen and every "%n" in it becomes n.
std::string Tr(const char *context, const char *source, const char *disambiguation = nullptr, int n = -1);

// Marks a text for the catalogue where it cannot be translated yet (a table
// made before the language is chosen); Tr with the same context translates it
// where it is shown.
constexpr const char *TrMark(const char * /*context*/, const char *source)
{
    return source;
}

// `text` with %1 … %9 replaced by `args`, in one pass: an argument that holds
// "%2" itself (a file name may) stays as it is. A number without an argument
// stays too.
std::string Fill(std::string_view text, std::initializer_list<std::string_view> args);

} // namespace platform
