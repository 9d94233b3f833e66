#include "ui/main/LaunchCommand.h"

#include "platform/FileOps.h"
#include "platform/Launch.h"

#include <QMessageBox>
#include <QString>

#include <cerrno>

bool RunLaunchCommand(QWidget *parent, const std::string &command, const std::vector<std::string> &paths)
{
    const std::vector<std::string> words = platform::SplitCommand(command);
    for (const std::string &path : paths) {
        std::vector<std::string> argv = words;
        argv.push_back(path);
        // Without a command the path itself would be taken for the program.
        const int error = words.empty() ? ENOENT : platform::StartDetached(argv);
        if (error != 0) {
            const QString program = words.empty() ? QString() : QString::fromStdString(words.front());
            QMessageBox::warning(parent, QStringLiteral("Kestrel"),
                                 QStringLiteral("起動コマンドのプログラム「%1」を起動できませんでした。\n%2")
                                     .arg(program, QString::fromStdString(platform::ErrorMessage(error))));
            return false;
        }
    }
    return true;
}
