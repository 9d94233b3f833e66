#include "platform/Translation.h"

#include "platform/Paths.h"

#include <QString>
#include <QTranslator>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <vector>

#include <unistd.h>

namespace platform {

namespace {

std::atomic<Language> g_language{Language::Japanese};

// Never destroyed: a text may be asked for while static objects go away.
QTranslator *g_catalogue = nullptr;

std::string FolderOfRunningProgram()
{
    std::vector<char> buffer(4096);
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= buffer.size())
        return ".";
    return SplitPath(std::string(buffer.data(), static_cast<std::size_t>(length))).directory;
}

} // namespace

Language LanguageOfLocale(std::string_view name)
{
    const bool english = name.size() >= 2 && name.substr(0, 2) == "en" &&
                         (name.size() == 2 || name[2] == '_' || name[2] == '.' || name[2] == '@');
    return english ? Language::English : Language::Japanese;
}

Language LanguageOfEnvironment()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char *value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return LanguageOfLocale(value);
    }
    return Language::Japanese;
}

std::string CatalogueFolder()
{
    return FolderOfRunningProgram() + "/" KESTREL_CATALOGUES_FROM_BINDIR;
}

std::string CatalogueFileName(Language language)
{
    return language == Language::English ? "kestrel_en.qm" : "";
}

bool UseLanguage(Language language, const std::string &folder)
{
    if (language == Language::Japanese) {
        g_language = language;
        return true;
    }
    auto loaded = std::make_unique<QTranslator>();
    if (!loaded->load(QString::fromStdString(folder + "/" + CatalogueFileName(language))))
        return false;
    delete g_catalogue;
    g_catalogue = loaded.release();
    g_language = language;
    return true;
}

Language CurrentLanguage()
{
    return g_language;
}

std::string Tr(const char *context, const char *source, const char *disambiguation, int n)
{
    std::string text;
    if (g_language != Language::Japanese && g_catalogue != nullptr) {
        const QString translated = g_catalogue->translate(context, source, disambiguation, n);
        if (!translated.isEmpty())
            text = translated.toStdString();
    }
    if (text.empty())
        text = source;
    if (n >= 0) {
        const std::string number = std::to_string(n);
        for (auto at = text.find("%n"); at != std::string::npos; at = text.find("%n", at + number.size()))
            text.replace(at, 2, number);
    }
    return text;
}

std::string Fill(std::string_view text, std::initializer_list<std::string_view> args)
{
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && index < args.size()) {
            filled += *(args.begin() + index);
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

} // namespace platform
