#pragma once

#include "ui/widgets/AskFunction.h"
#include "ui/widgets/ModalGuard.h"

#include <QDialog>

class CImageButton;
class QLabel;

// "Kestrel（バージョン情報）": the version line, and behind a click on the
// program's picture the deletion of every stored setting.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    CAboutDlg(QWidget *parent, AskFunction ask);

    // "Kestrel Ver.0.1.0  Copyright ..." from the build's version record.
    static QString VersionLine();

    // The settings were deleted: the program is to end without saving.
    bool Deleted() const { return m_deleted; }

private:
    void OfferDeletion();

    CModalGuard m_modal;
    AskFunction m_ask;
    CImageButton *m_icon;
    QLabel *m_version;
    bool m_deleted = false;
};
