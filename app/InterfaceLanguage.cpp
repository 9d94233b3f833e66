#include "app/InterfaceLanguage.h"

#include "platform/Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

CInterfaceLanguage::CInterfaceLanguage() : m_translator(std::make_unique<QTranslator>())
{
    const platform::Language language = platform::CurrentLanguage();
    const bool english = language == platform::Language::English;
    // QMimeType::comment and the standard dialogs follow the default locale.
    QLocale::setDefault(english ? QLocale(QLocale::English, QLocale::UnitedStates)
                                : QLocale(QLocale::Japanese, QLocale::Japan));
    // English: the program's catalogue (Qt's own texts are English already);
    // Japanese: the program's texts are the sources, Qt's come from Qt.
    const bool loaded =
        english ? m_translator->load(QString::fromStdString(platform::CatalogueFileName(language)),
                                     QString::fromStdString(platform::CatalogueFolder()))
                : m_translator->load(QStringLiteral("qtbase_ja"),
                                     QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (loaded)
        QCoreApplication::installTranslator(m_translator.get());
    else
        m_translator.reset();
}

CInterfaceLanguage::~CInterfaceLanguage()
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
    QLocale::setDefault(m_previousLocale);
}
