#pragma once

#include "app/SingleInstance.h"

#include <QObject>

#include <string>
#include <vector>

// The application object: decides at start whether this process may open a
// window at all, and carries the program's version strings.
class CRenameApp : public QObject {
    Q_OBJECT
public:
    explicit CRenameApp(QObject *parent = nullptr);

    // Loads the environment settings (the defaults on a first start)
    // and applies the single-instance rule. False when another instance took
    // the command line's paths (made absolute here, since that instance runs
    // elsewhere) and was asked to come forward, and this one should end
    // without a window.
    bool InitInstance(const std::vector<std::string> &args = {});

    // The version record of the build, read by the about box.
    static const std::string &InternalName();
    static const std::string &FileVersion();
    static const std::string &LegalCopyright();

signals:
    // A later start handed this instance its command line's paths (absolute;
    // possibly none) and asked it to restore or raise its window.
    void activationRequested(const std::vector<std::string> &paths);

private:
    CSingleInstance m_instance;
};
