#pragma once

#include <string>
#include <vector>

// The program's arguments after its name. On Unix they are argv's bytes, as the system hands them.
// On Windows argv holds the command line in the ANSI code page, where a name in another script
// arrives as "?": there they are read from the wide command line (as Qt's own
// QCoreApplication::arguments() does), as UTF-8, so a picture in any script can be named before
// any QCoreApplication exists.
std::vector<std::string> programArguments(int argc, char** argv);
