#pragma once

#include "engine/RenameSettings.h"

#include <QWidget>

#include <string>
#include <vector>

class CHistoryComboBox;
class QCheckBox;
class QPushButton;

// The base of the borderless child panels in which the parameters of one
// rename mode are edited. A panel only shows values: the main window's
// settings record is the one that counts, and the main window reads the
// panel's controls into it (ReadInto) whenever the panel reports a change.
//
// Keys typed inside a panel: Return and Escape are swallowed, so neither acts
// on the main window; Ctrl with D, E, M, Q, S, W or Z is handed to the main
// window through ShortcutKey() instead of reaching the panel's controls.
class CModePanel : public QWidget {
    Q_OBJECT
public:
    static constexpr const char *kHistoryKey = "History";
    static constexpr int kHistoryMax = 20;

    explicit CModePanel(QWidget *parent);
    ~CModePanel() override;

    // Loads the histories (so the text fields show their newest entries, not
    // the record's texts), shows the record's other values and reports a
    // change.
    void SetFromSettings(const CRenameSettings &settings);

    // Writes what the panel's controls hold into the main window's record.
    virtual void ReadInto(CRenameSettings &settings) const = 0;

    // Fills every history combo from its stored list (entry 0 selected), or
    // stores every combo's current text as the newest entry of its list.
    // The main window saves the histories before it deletes a panel.
    void LoadHistories();
    void SaveHistories();

    // The panel's size: 260 x 41 dialog units of its font.
    QSize sizeHint() const override;

    // Whether a key event seen inside a panel is one of the main window's
    // Ctrl shortcuts.
    static bool IsMainWindowShortcut(int key, Qt::KeyboardModifiers modifiers);

signals:
    // A parameter has changed. Delivered from the event loop, never from
    // inside the change itself, and once for a burst of changes.
    void PanelChanged();
    // A Ctrl shortcut of the main window typed inside the panel (Qt::Key_D,
    // Qt::Key_E, ...). Delivered from the event loop as well, so the main
    // window may replace the panel while handling it.
    void ShortcutKey(int key);

protected:
    // Shows the record's values that are not history texts and brings the
    // enabled states up to date.
    virtual void ShowSettings(const CRenameSettings &settings) = 0;

    // Reports a change to the main window (queued and coalesced).
    void PostChanged();

    // The replacement-extension controls: the check box "拡張子" enables the
    // history combo and the "..." button, which runs the extension picker
    // and puts the chosen extension (without dot) into the combo.
    struct ExtensionField {
        QCheckBox *check;
        CHistoryComboBox *combo;
        QPushButton *button;
        bool IsChecked() const;
        void SetChecked(bool on) const;
    };
    ExtensionField AddExtensionField(const std::string &valueName);

    // A history combo that stores its list as `valueName` under History and
    // reports every edit and selection as a change.
    CHistoryComboBox *AddHistoryCombo(const std::string &valueName);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void pickExtension(CHistoryComboBox *target);

    struct HistoryField {
        CHistoryComboBox *combo;
        std::string valueName;
    };

    std::vector<HistoryField> m_histories;
    bool m_changePending = false;
};
