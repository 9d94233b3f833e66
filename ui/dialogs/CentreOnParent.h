#pragma once

class QWidget;

// Moves a window so that its centre is that of its parent widget (nothing
// without a parent).
void CentreOnParent(QWidget *window);
