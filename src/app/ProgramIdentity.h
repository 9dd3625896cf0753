#pragma once

namespace qm {

// The id of the program's desktop entry (its .desktop file without the
// extension); the window's class must match it for docks and task bars to show
// the program's own name and icon.
inline constexpr char kDesktopFileName[] = "org.quillmoor.QuillmoorAds";

// Names the running program to the platform: the organisation, application
// name and version, and the desktop entry its windows belong to.
void setProgramIdentity();

} // namespace qm
