#pragma once

#include "platform/HistoryList.h"

#include <QComboBox>

#include <string>
#include <vector>

// An editable combo box whose drop-down list is a most-recently-used history
// kept in the settings store as one history-list value. Entries and the edit
// text are byte strings: an entry that is not valid UTF-8 (a file name) is
// shown as well as it can be and handed back with its bytes unchanged. The
// list is never sorted. Losing the keyboard focus adds the edit text to the
// history.
class CHistoryComboBox : public QComboBox {
    Q_OBJECT
public:
    static constexpr int kDefaultMaxCount = 20;

    explicit CHistoryComboBox(QWidget *parent = nullptr);

    // When set, adding a text also removes the first entry that is empty
    // after trimming blanks (used by the directory combo boxes).
    void SetDropEmpty(bool on) { m_dropEmpty = on; }
    bool DropEmpty() const { return m_dropEmpty; }
    // How an earlier copy of an added text is found: without regard to case
    // (the default), or as the same path (for the directory combo boxes).
    void SetMatch(platform::HistoryMatch match) { m_match = match; }
    int MaxCount() const { return m_maxCount; }

    // Replaces the list with the history stored as `value` under `key`
    // (left empty when the key or value is missing) and selects entry 0.
    void LoadHistory(const std::string &key, const std::string &value);
    // LoadHistory with the edit text kept (the stored lists were edited).
    void ReloadHistory(const std::string &key, const std::string &value);
    // Puts the edit text at the top of the list by the history rules (the
    // first equal entry removed, the empty entry dropped when DropEmpty, at
    // most `max` entries kept) and selects entry 0.
    void AddCurrentText(int max);
    // AddCurrentText(max), then writes the whole list as `value` under `key`.
    void SaveHistory(const std::string &key, const std::string &value, int max);

    // The entries, newest first, and replacing them (entry 0 selected).
    std::vector<std::string> Entries() const;
    void SetEntries(const std::vector<std::string> &entries);

    // The edit text as bytes, and setting it (keeps bytes that are not UTF-8).
    std::string CurrentText() const;
    void SetCurrentText(const std::string &text);
    // The edit text with one trailing "/" removed, so that the root "/"
    // gives the empty text by which the root directory is held.
    std::string GetTextWithoutTrailingBackslash() const;

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    void selectFirstEntry();

    int m_maxCount = kDefaultMaxCount;
    bool m_dropEmpty = false;
    platform::HistoryMatch m_match = platform::HistoryMatch::IgnoreCase;
    // Bytes of the last text set by the program and how it was shown; the
    // edit text stands for these bytes as long as the user has not changed it.
    std::string m_setBytes;
    QString m_setShown;
};
