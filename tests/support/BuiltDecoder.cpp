// Tests and benchmarks run from folders of their own, not beside the game: they use the decoding
// program the build made.

#include "game/pictures/PictureLoader.h"

namespace {

const bool kUsesBuiltDecoder = [] {
    setDecoderProgram(QStringLiteral(TAVLORA_DECODER));
    return true;
}();

}  // namespace
