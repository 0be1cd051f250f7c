#pragma once
// A window whose size is given for its frame, title bar and borders
// included, as the system draws it. The client area is what remains once
// the system has said how wide the frame is, which it says only when the
// window is shown, or (under some window managers) soon after.

#include <QSize>

class QWidget;

namespace ordovan {

// Fixes `window`'s frame at `frame`; the client area follows the frame's
// borders each time the window is shown or moved.
void KeepFrameSize(QWidget* window, QSize frame);

}  // namespace ordovan
