// The kestrel program: one main window, unless another instance already runs.
#include "app/InterfaceLanguage.h"
#include "app/RenameApp.h"
#include "platform/Translation.h"
#include "ui/main/MainDlg.h"
#include "ui/main/ProgramHelp.h"
#include "ui/main/RecoveryOffer.h"

#include <QApplication>

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    platform::UseLanguage(platform::LanguageOfEnvironment(), platform::CatalogueFolder());
    // Answered before any window system is needed, so that it works anywhere.
    if (const auto answer = ProgramHelpAnswer({argv + 1, argv + argc})) {
        std::fputs(answer->c_str(), stdout);
        return 0;
    }

    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kestrel"));
    QApplication::setOrganizationName(QStringLiteral("Velmora"));

    const CInterfaceLanguage language;

    // Paths are taken as the bytes given (Qt's own options removed), never re-encoded.
    const std::vector<std::string> args(argv + 1, argv + argc);
    CRenameApp app;
    if (!app.InitInstance(args))
        return 0;

    OfferJournalRecovery(nullptr);

    CMainDlg window(args);
    QObject::connect(&app, &CRenameApp::activationRequested, &window, &CMainDlg::TakeLaterStart);
    window.show();
    window.WarnIfStoreUnreadable();
    return QApplication::exec();
}
