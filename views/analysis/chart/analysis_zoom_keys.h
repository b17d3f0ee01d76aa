#pragma once
// Home and Esc show the whole period while the analysis window is active, wherever its focus is:
// not only once the chart has been clicked. A text box keeps them for its text, and the chart
// handles them itself (Esc there also ends a drag).

class ChartZoomView;
class QWidget;

void AddWholePeriodKeys(QWidget* window, ChartZoomView* view);

// Whether the keys go to widget instead: a text box, a spin box or a list to choose from.
bool KeepsWholePeriodKeys(const QWidget* widget);
