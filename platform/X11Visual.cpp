#include "platform/X11Visual.h"

#include <xcb/xcb.h>

std::optional<bool> x11HasVisual(const QByteArray& display, quint32 id) {
    xcb_connection_t* connection =
        xcb_connect(display.isEmpty() ? nullptr : display.constData(), nullptr);
    std::optional<bool> found;
    if (xcb_connection_has_error(connection) == 0) {
        found = false;
        for (auto screen = xcb_setup_roots_iterator(xcb_get_setup(connection));
             screen.rem > 0 && !*found; xcb_screen_next(&screen)) {
            for (auto depth = xcb_screen_allowed_depths_iterator(screen.data);
                 depth.rem > 0 && !*found; xcb_depth_next(&depth)) {
                for (auto visual = xcb_depth_visuals_iterator(depth.data); visual.rem > 0;
                     xcb_visualtype_next(&visual)) {
                    if (visual.data->visual_id == id) {
                        found = true;
                        break;
                    }
                }
            }
        }
    }
    xcb_disconnect(connection);
    return found;
}
