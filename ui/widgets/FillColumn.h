#pragma once

#include <QObject>

class QTreeView;

// Gives one column of a report view the view's spare width. Until the widths
// are set, that column takes what the other columns leave of the viewport;
// from then on it grows and shrinks with the viewport (never below the
// width the columns were made with), so a wider window shows more of the
// names, and a width the user gave the column is kept plus what the view
// gained since.
class CFillColumn : public QObject {
public:
    explicit CFillColumn(QTreeView *view);

    // The column that fills (-1: none).
    void SetColumn(int column);
    // The columns were made anew with their default widths: the column fills
    // the spare width as soon as the view is shown.
    void ColumnsMade();
    // The widths were set from elsewhere (stored, or kept from before): they
    // stay, and the column follows the viewport from here on.
    void WidthsSet();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool Active() const;
    void FillSpareWidth();
    void FollowViewport(int viewportWidth);
    void Apply();

    QTreeView *m_view;
    int m_column = -1;
    bool m_pending = true;
    int m_minimum = 0;
    // The width the column follows, which may be below the minimum while the
    // view is narrower than the columns.
    int m_base = 0;
    int m_viewportWidth = 0;
    bool m_applying = false;
};
