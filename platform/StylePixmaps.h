#pragma once

// Reads the pictures Qt's own widget style paints from (the group box frame) with Qt's built-in
// PNG reader, into the cache the style looks in first. The style itself would ask every image
// plugin whether it reads PNG, which loads all of them, and the libraries they need, at the
// window's first paint, long before any picture is read.
void preloadStylePixmaps();
