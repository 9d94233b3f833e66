// The kestrel program: one main window, unless another instance already runs.
#include "app/RenameApp.h"
#include "ui/main/MainDlg.h"
#include "ui/main/RecoveryOffer.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <string>
#include <vector>

int main(int argc, char **argv)
{
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kestrel"));
    QApplication::setOrganizationName(QStringLiteral("Velmora"));

    // Standard buttons and dialogs in Japanese.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    CRenameApp app;
    if (!app.InitInstance())
        return 0;

    OfferJournalRecovery(nullptr);

    // Paths are taken as the bytes given, never re-encoded.
    std::vector<std::string> args(argv + 1, argv + argc);
    CMainDlg window(args);
    QObject::connect(&app, &CRenameApp::activationRequested, &window, &CMainDlg::BringForward);
    window.show();
    return QApplication::exec();
}
