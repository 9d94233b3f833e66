#pragma once

#include <QLocale>

#include <memory>

class QTranslator;

// Puts the whole window in one language while it lives: the program's own
// texts, Qt's standard buttons and dialogs, and the names the MIME database
// gives types. Takes the language platform::UseLanguage chose (Japanese where
// no catalogue could be read); on destruction the application's texts are
// what they were before.
class CInterfaceLanguage {
public:
    CInterfaceLanguage();
    ~CInterfaceLanguage();
    CInterfaceLanguage(const CInterfaceLanguage &) = delete;
    CInterfaceLanguage &operator=(const CInterfaceLanguage &) = delete;

private:
    QLocale m_previousLocale;
    std::unique_ptr<QTranslator> m_translator;
};
