# Runs at install time: writes the desktop entry with the launcher's full path in Exec and installs it.

set(launcher "${CMAKE_INSTALL_PREFIX}/${TAVLORA_BINDIR}/tavlora")
get_filename_component(launcher "${launcher}" ABSOLUTE)

# Exec quoting of desktop entries: a path with characters other than these is
# written in double quotes, with '"', '`', '$' and '\' escaped by a backslash; then, as in every
# value, each backslash is doubled. A '%' is written '%%'.
if(launcher MATCHES "^[A-Za-z0-9/._+,:@=-]+$")
    set(TAVLORA_EXEC "${launcher}")
else()
    string(REPLACE "\\" "\\\\" quoted "${launcher}")
    string(REPLACE "\"" "\\\"" quoted "${quoted}")
    string(REPLACE "`" "\\`" quoted "${quoted}")
    string(REPLACE "$" "\\$" quoted "${quoted}")
    string(REPLACE "\\" "\\\\" quoted "${quoted}")
    set(TAVLORA_EXEC "\"${quoted}\"")
endif()
string(REPLACE "%" "%%" TAVLORA_EXEC "${TAVLORA_EXEC}")

# Staged under a name of its own per prefix, so installs into two prefixes at once do not mix.
string(SHA1 staging "${launcher}")
set(staged "${TAVLORA_DESKTOP_STAGING}/${staging}/${TAVLORA_APP_ID}.desktop")
file(READ "${TAVLORA_DESKTOP_TEMPLATE}" entry)
string(CONFIGURE "${entry}" entry @ONLY)
file(WRITE "${staged}" "${entry}")
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${TAVLORA_DATADIR}/applications" TYPE FILE
    FILES "${staged}")
