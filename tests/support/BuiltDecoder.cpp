// Tests and benchmarks run from folders of their own, not beside the game: they use the decoding
// program the build made, or the copy TAVLORA_TEST_DECODER names (for another user who cannot
// reach the build).

#include "game/pictures/PictureLoader.h"

namespace {

const bool kUsesBuiltDecoder = [] {
    const QString copy = qEnvironmentVariable("TAVLORA_TEST_DECODER");
    setDecoderProgram(copy.isEmpty() ? QStringLiteral(TAVLORA_DECODER) : copy);
    return true;
}();

}  // namespace
