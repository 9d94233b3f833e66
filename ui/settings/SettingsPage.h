#pragma once

#include <QWidget>

// One page of the settings dialog. It edits copies that the dialog hands it
// in its constructor and shows their values at once; Store puts what its
// controls hold back into those copies. Enter and Escape typed inside a page
// never close the dialog.
class CSettingsPage : public QWidget {
    Q_OBJECT
public:
    explicit CSettingsPage(QWidget *parent);

    // Stores the controls' values into the copies the page edits.
    virtual void Store() = 0;
    // Whether the user changed something the main window must follow.
    bool Changed() const { return m_changed; }

protected:
    void MarkChanged() { m_changed = true; }
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_changed = false;
};
