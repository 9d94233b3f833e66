#pragma once

#include <QPointer>
#include <QWidget>

// The window whose interaction flag is cleared while a modal window of its own
// or of one of its children is open (the main window: its splitter takes no
// drags and shows no splitter cursor meanwhile).
class CInteractionHost {
public:
    virtual ~CInteractionHost() = default;
    virtual bool IsInteractive() const = 0;
    virtual void SetInteractive(bool on) = 0;
};

// Clears the interaction flag of the host that `widget` belongs to (the
// widget itself or its nearest ancestor that is a CInteractionHost) for the
// guard's lifetime and restores the previous value afterwards, so nested
// modal windows leave the flag as they found it. Without a host it does
// nothing.
class CModalGuard {
public:
    explicit CModalGuard(QWidget *widget);
    ~CModalGuard();
    CModalGuard(const CModalGuard &) = delete;
    CModalGuard &operator=(const CModalGuard &) = delete;

    static CInteractionHost *FindHost(QWidget *widget);

private:
    QPointer<QWidget> m_hostWidget;
    bool m_previous = true;
};
