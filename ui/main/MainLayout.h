#pragma once

#include <QRect>
#include <QSize>

#include <array>

class DialogUnits;

// Where the resizable part of the main window goes for one client size: the
// two lists, their directory and output controls, the column of list buttons
// between the splitter bars and the bottom row of buttons.
struct MainLayout {
    QRect splitToggle, selectionCaption, browse, parent, refresh, directory, selectionList, selectionStatus;
    QRect leftBar, rightBar;
    std::array<QRect, 9> listButtons; // insert dummy … move to end
    QRect candidateCaption, output, destination, destinationBrowse, candidateList, candidateStatus;
    QRect viewer, undo, execute, exit, settings, help, about;
    // The left pane width actually used: narrowed when the client is too
    // small for it (the narrowed width is kept by the window).
    int selectionListWidth = 0;
};

// Client size in pixels; selectionListWidth in pixels is the width added to the
// left pane. While minimised the left pane is never narrowed.
MainLayout ComputeMainLayout(const DialogUnits &du, QSize client, int selectionListWidth, bool isSplit,
                             bool minimised);

// Limits of the splitter: the left pane is at least 94 dialog units wide and
// leaves 124 dialog units for the right part.
int MinimumLeftPaneWidth(const DialogUnits &du);
int MaximumLeftPaneRight(const DialogUnits &du, int clientWidth);

// Converts between the left pane's right edge and the stored width.
int LeftPaneRight(const DialogUnits &du, int selectionListWidth);
int SelectionListWidthForRight(const DialogUnits &du, int right);

// The window's minimum (and initial) size: 320 × 265 dialog units.
QSize MainMinimumSize(const DialogUnits &du);
