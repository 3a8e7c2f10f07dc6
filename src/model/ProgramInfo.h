#pragma once

#include <QLatin1String>

// The program's name and version, as the title bar, the About box, the print jobs and
// the exported files give them. The version is the build's own.
namespace ProgramInfo {
inline constexpr QLatin1String name("Quillgrid");
inline constexpr QLatin1String version(QUILLGRID_VERSION);
// The name of the desktop entry, the icon and the metadata.
inline constexpr QLatin1String desktopId("org.quillgrid.Quillgrid");
}  // namespace ProgramInfo
