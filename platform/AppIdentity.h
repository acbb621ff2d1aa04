#pragma once

// Who the program is to the system, in one place: the names its settings and the player's own
// copy of the score file are kept under, and the desktop entry its windows belong to.
namespace appidentity {

inline constexpr const char* kOrganization = "Tavlora";
inline constexpr const char* kApplication = "Tavlora";
// The desktop entry's name without ".desktop"; the build names it (TAVLORA_APP_ID).
inline constexpr const char* kDesktopFileName = TAVLORA_APP_ID;

}  // namespace appidentity
