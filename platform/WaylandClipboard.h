#pragma once

#include <atomic>
#include <chrono>

#include "platform/ClipboardReader.h"

// Reads the Wayland clipboard on a connection of its own to the compositor the environment names
// (WAYLAND_DISPLAY): it learns what the clipboard offers, asks for the chosen format once and reads
// it as it comes, all by `deadline`, and ends as TooLarge as soon as more than `maxBytes` came.
// Returns early, as NoAnswer, once `cancelled` is set.
ClipboardContent readWaylandClipboard(const ClipboardChoice& choose,
                                      std::chrono::steady_clock::time_point deadline,
                                      qint64 maxBytes, const std::atomic<bool>& cancelled);
