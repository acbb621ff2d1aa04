#pragma once

#include <QImage>
#include <QString>

// A picture that compresses like a photograph: broad colour gradients, soft-edged shapes and a
// fine grain, the same for the same size and seed.
QImage syntheticPhoto(int width, int height, unsigned seed = 1);

// Writes syntheticPhoto(width, height) in `format` ("jpeg", "png", "bmp"). Throws Failure when the
// file cannot be written.
void writeSyntheticPhoto(const QString& path, int width, int height, const char* format,
                         int quality = 90);
