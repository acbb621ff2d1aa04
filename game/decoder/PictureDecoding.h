#pragma once

#include <QIODevice>

#include "game/decoder/DecodeProtocol.h"

// The decoding program's work, callable in-process by tests and fuzzers as well: reads one
// request from `input`, decodes the picture it names or holds, and writes the reply to `output`.
// The picture is read by content (the name only for a header-less ".dib"), turned as its
// orientation tag says and stretched to the square asked for, decoded at a reduced size where the
// format allows (a 24-megapixel JPEG decodes at 1/8 for 400 and at 1/4 for 800). Returns the
// program's exit status: 0 whenever a reply was written.
int runDecoder(QIODevice& input, QIODevice& output);

// The same for a request already read.
void decodeAndReply(const DecodeRequest& request, QIODevice& output);
