#pragma once

#include <atomic>
#include <chrono>

#include "platform/ClipboardReader.h"

// Reads the Windows clipboard on the calling thread: opens it (waiting by `deadline` for a program
// that has it open), names the formats offered as this program's clipboard names them, and copies
// the chosen one unless it holds more than `maxBytes`. An owner that renders its data only when
// asked is asked by the system during GetClipboardData, which then waits for it as long as it
// takes: `asking` is set before that call, so the caller can tell, should it stop waiting first,
// that the owner was asked and did not deliver. Under Wine, OpenClipboard itself was seen waiting
// for an owner that had stopped answering, until that owner ended.
ClipboardContent readWindowsClipboard(const ClipboardChoice& choose,
                                      std::chrono::steady_clock::time_point deadline,
                                      qint64 maxBytes, std::atomic<bool>& asking);
