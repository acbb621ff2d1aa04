#pragma once

#include <QByteArray>
#include <QImage>
#include <vector>

// A Windows icon file (.ico) holding these images, each at most 256 pixels a side; empty when an
// image is larger or cannot be encoded.
QByteArray iconFileBytes(const std::vector<QImage>& images);
