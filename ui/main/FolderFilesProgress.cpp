#include "ui/main/FolderFilesProgress.h"

#include "platform/FolderFiles.h"
#include "platform/Paths.h"
#include "ui/main/BusyWindow.h"
#include "ui/widgets/ModalGuard.h"
#include "ui/widgets/ShownText.h"

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <atomic>
#include <mutex>
#include <thread>

namespace {

// A walk shorter than this shows no dialog.
constexpr int kDialogDelayMs = 400;
constexpr int kPollIntervalMs = 50;

// What the worker reports to the interface thread.
struct WalkState {
    std::atomic<bool> stop = false;
    std::atomic<bool> done = false;
    std::mutex mutex;
    std::size_t found = 0;
    std::string folder;
};

QString ProgressText(WalkState &state)
{
    const std::lock_guard lock(state.mutex);
    const std::string shown = platform::DisplayDirectory(state.folder);
    const int found = static_cast<int>(state.found);
    return QCoreApplication::translate("FolderFilesProgress", "%n 個のファイルが見つかりました。\n%1",
                                       nullptr, found)
        .arg(ShownText(shown));
}

} // namespace

std::vector<platform::DirEntryInfo> CollectFilesWithProgress(QWidget *window,
                                                             const std::vector<std::string> &folders,
                                                             const std::vector<std::string> &patterns,
                                                             bool recurse)
{
    WalkState state;
    std::vector<platform::DirEntryInfo> files;
    std::thread worker([&] {
        for (const std::string &folder : folders) {
            const std::size_t before = files.size();
            std::vector<platform::DirEntryInfo> part = platform::CollectFolderFiles(
                folder, patterns, recurse, &state.stop, [&](std::size_t found, const std::string &current) {
                    const std::lock_guard lock(state.mutex);
                    state.found = before + found;
                    state.folder = current;
                });
            std::move(part.begin(), part.end(), std::back_inserter(files));
            if (state.stop)
                break;
        }
        state.done = true;
    });

    CModalGuard modal(window);
    CBusyWindow busy(window);
    QDialog dialog(window);
    dialog.setWindowTitle(QCoreApplication::translate("FolderFilesProgress", "ファイルの追加"));
    dialog.setWindowModality(Qt::ApplicationModal);
    auto *label = new QLabel(&dialog);
    label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 50);
    auto *cancel = new QPushButton(QCoreApplication::translate("FolderFilesProgress", "中止"), &dialog);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    // 中止, Escape and closing the dialog all stop the walk.
    QObject::connect(&dialog, &QDialog::rejected, [&state] { state.stop = true; });
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(cancel, 0, Qt::AlignRight);

    QEventLoop loop;
    QElapsedTimer elapsed;
    elapsed.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (state.done) {
            loop.quit();
            return;
        }
        label->setText(ProgressText(state));
        if (!dialog.isVisible() && !state.stop && elapsed.elapsed() >= kDialogDelayMs)
            dialog.show();
    });
    poll.start(kPollIntervalMs);
    loop.exec();
    worker.join();
    return files;
}
