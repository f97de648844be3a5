#pragma once

#include <QtGlobal>

// Qt's offscreen platform on a 1920 x 1080 screen, unless the environment
// names a platform: the default offscreen screen is smaller than the diagram.
// Call before the application object is made.
inline void use_offscreen_screen_unless_set()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" OFFSCREEN_SCREEN);
}
