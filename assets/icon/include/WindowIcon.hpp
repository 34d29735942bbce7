#ifndef WINDOW_ICON_HPP
#define WINDOW_ICON_HPP

// The simulator window's icon, 128 x 128, as XPM lines (header, colours, rows) for
// IMG_ReadXPMFromArray, which takes them as char** but does not write to them.
const char* const* windowIconXpm();

#endif
