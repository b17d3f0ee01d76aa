#pragma once
// At a start after a crash: each recovery copy that no window holds is offered back, one box at a
// time, naming the analysis and when the copy was kept. "Restore" opens it in the analysis window
// with its changes unsaved, "Discard" removes it; a box closed otherwise keeps it for the next
// start.

#include <functional>

class QWidget;
class frmAnalysis;

// window gives the analysis window to restore into, made and shown if need be.
void OfferRecoveries(QWidget& parent, std::function<frmAnalysis*()> window);
