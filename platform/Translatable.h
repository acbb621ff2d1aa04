#pragma once

// Marks an English text that the player sees translated, in code that does without Qt: the
// catalogue refresh reads it as QT_TRANSLATE_NOOP, and the text is translated where it is shown
// (failure descriptions in the error report, under the context "Failure").
#define TAVLORA_TRANSLATABLE(context, text) text
