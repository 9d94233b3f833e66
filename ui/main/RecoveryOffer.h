#pragma once

class QWidget;

// Offers to put back the files that a rename cut short by a crash or a kill
// left under temporary names, one journal at a time (naming the run's folder,
// its number of files and whether it copied), or to discard the journal, and
// reports what could not be moved. A journal that cannot be used is reported
// with the same choice of discarding it. Nothing happens when no journal was
// left behind.
void OfferJournalRecovery(QWidget *parent);
