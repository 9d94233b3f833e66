#pragma once

class QWidget;

// Offers to put back the files that a rename cut short by a crash or a kill
// left under temporary names, one journal at a time, and reports what could
// not be moved. Nothing happens when no journal was left behind.
void OfferJournalRecovery(QWidget *parent);
