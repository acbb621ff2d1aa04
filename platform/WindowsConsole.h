#pragma once

#include <QString>
#include <cstdio>
#include <string>

// A Windows program built for windows has no console of its own: what it writes to stdout and
// stderr goes nowhere unless they were redirected. Started from cmd or PowerShell, it can write
// to the console it was typed in, once it attaches to it. Nothing happens elsewhere: a stream
// that was redirected stays as it is, and a program started from Explorer has no console to reach.
void reachParentConsole();

// Writes `text` to `stream`. A Windows console is written in UTF-16, so that every script shows
// whatever its code page; anything else takes the bytes: `utf8` as it is, `text` in the local
// 8-bit encoding, as the program always wrote them. False when the text could not be written
// (errno says why for a file or a pipe).
bool writeText(std::FILE* stream, const std::string& utf8);
bool writeText(std::FILE* stream, const QString& text);
