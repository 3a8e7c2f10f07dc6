#pragma once

#include <QFont>

// The dialogs place their controls in pixels. A font sized in points grows with the
// screen's font resolution and overruns those places; this one keeps the pixel size
// `font` has at 96 dots per inch, so it looks there exactly as before and stays in step
// with the layout everywhere else.
QFont layoutFont(QFont font);
