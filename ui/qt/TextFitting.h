#pragma once

#include <QString>

class QLabel;
class QRect;
class QWidget;

namespace ui {

// A caption too big for its control gets a smaller type rather than being
// clipped: labels wrap at the box's width; a one-line button caption that
// would shrink below a readable size is broken in two at its most balanced
// point instead. Returns the text to show. `zoom`: the window is drawn that
// many times its design size.
QString FitText(QWidget& control, const QString& text, bool label, int zoom = 1);

// Text set against the window's own edge would touch its frame: such a
// label keeps its text a few pixels in from that edge.
void SetLabelPadding(QLabel& label, const QRect& box, int zoom = 1);

// A label whose text needs less height than its box sits in the middle of
// it, clear of whatever borders the box above and below (the disclaimer
// starts where the buttons end); a text ending in a line break keeps to the
// top, as written.
void SetLabelType(QLabel& label, const QString& text);

}  // namespace ui
