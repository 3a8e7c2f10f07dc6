#pragma once

#include <QtGlobal>

// Once per process, for the targets whose code asks the fonts or shows a dialog: an
// application of type App on the offscreen platform unless another was asked for.
template <typename App>
App& offscreenApplication()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static App application(argc, argv);
    return application;
}

// Fontconfig keeps its caches until the process ends, which the leak checker would take
// for a leak of every input. Not inline, so that it is emitted for the sanitizer to find:
// include this header in the one file of a target.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
