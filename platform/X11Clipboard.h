#pragma once

#include <QByteArray>
#include <atomic>
#include <chrono>

#include "platform/ClipboardReader.h"

// Reads the X clipboard on a connection of its own to `display` (the DISPLAY variable's form;
// empty for that variable): one request for the formats offered, one for the chosen format, both
// answered by `deadline` or given up. Incremental transfers of large data are followed to their
// end. Returns early, as NoAnswer, once `cancelled` is set.
ClipboardContent readX11Clipboard(const QByteArray& display, const ClipboardChoice& choose,
                                  std::chrono::steady_clock::time_point deadline, qint64 maxBytes,
                                  const std::atomic<bool>& cancelled);
