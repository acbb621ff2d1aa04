// Holds the X clipboard for the clipboard tests and answers the way it is told to:
//   clipboard_owner silent                       never answers at all
//   clipboard_owner list TYPE...                 lists TYPEs, never sends one
//   clipboard_owner drip TYPE FILE               lists TYPE, then sends FILE a byte every 4 s
//   clipboard_owner serve TYPE FILE [TYPE FILE]  lists and sends, large data incrementally
// It prints "owning" once it holds the clipboard, and runs until it loses it or is killed.
#include <poll.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

xcb_connection_t* connection = nullptr;
xcb_window_t window = XCB_NONE;

xcb_atom_t atom(const char* name) {
    auto* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name),
        nullptr);
    const xcb_atom_t result = reply != nullptr ? reply->atom : XCB_NONE;
    std::free(reply);
    return result;
}

std::string readFile(const char* path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::string bytes(static_cast<size_t>(std::max<std::streamoff>(in.tellg(), 0)), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

struct Owner {
    std::string mode;
    std::map<xcb_atom_t, std::string> data;  // by target; listed but empty in "list"
    xcb_atom_t targets = atom("TARGETS");
    xcb_atom_t incr = atom("INCR");
    xcb_atom_t clipboard = atom("CLIPBOARD");
    // The one incremental transfer under way.
    xcb_window_t requestor = XCB_NONE;
    xcb_atom_t property = XCB_NONE;
    xcb_atom_t type = XCB_NONE;
    const std::string* sending = nullptr;
    size_t sent = 0;
    bool waitingForDelete = false;
    Clock::time_point nextPiece{};

    // Large data goes in pieces of 4 MiB, as xclip sends it.
    size_t pieceSize() const { return mode == "drip" ? 1 : 4 << 20; }

    void notify(const xcb_selection_request_event_t& request, xcb_atom_t answered) {
        xcb_selection_notify_event_t event{};
        event.response_type = XCB_SELECTION_NOTIFY;
        event.time = request.time;
        event.requestor = request.requestor;
        event.selection = request.selection;
        event.target = request.target;
        event.property = answered;
        xcb_send_event(connection, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&event));
        xcb_flush(connection);
    }

    void answerTargets(const xcb_selection_request_event_t& request, xcb_atom_t into) {
        std::vector<xcb_atom_t> list{targets};
        for (const auto& [target, bytes] : data) {
            list.push_back(target);
        }
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request.requestor, into,
                            XCB_ATOM_ATOM, 32, static_cast<uint32_t>(list.size()), list.data());
        notify(request, into);
    }

    void answerData(const xcb_selection_request_event_t& request, xcb_atom_t into) {
        const auto found = data.find(request.target);
        if (found == data.end()) {
            notify(request, XCB_NONE);
            return;
        }
        const std::string& bytes = found->second;
        if (mode != "drip" && bytes.size() <= pieceSize()) {
            xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request.requestor, into,
                                request.target, 8, static_cast<uint32_t>(bytes.size()),
                                bytes.data());
            notify(request, into);
            return;
        }
        const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_change_window_attributes(connection, request.requestor, XCB_CW_EVENT_MASK, &events);
        const auto size = static_cast<uint32_t>(bytes.size());
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request.requestor, into, incr, 32, 1,
                            &size);
        requestor = request.requestor;
        property = into;
        type = request.target;
        sending = &bytes;
        sent = 0;
        waitingForDelete = true;
        notify(request, into);
    }

    void onRequest(const xcb_selection_request_event_t& request) {
        const xcb_atom_t into = request.property == XCB_NONE ? request.target : request.property;
        if (mode == "silent") {
            return;
        }
        if (request.target == targets) {
            answerTargets(request, into);
        } else if (mode != "list") {
            answerData(request, into);
        }
    }

    void onPropertyDeleted() {
        waitingForDelete = false;
        nextPiece = Clock::now() + (mode == "drip" ? std::chrono::seconds(4) : Clock::duration{});
    }

    void sendPiece() {
        const size_t length = std::min(pieceSize(), sending->size() - sent);
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, requestor, property, type, 8,
                            static_cast<uint32_t>(length), sending->data() + sent);
        xcb_flush(connection);
        sent += length;
        waitingForDelete = true;
        if (length == 0) {
            sending = nullptr;  // the closing empty piece
        }
    }
};

bool handle(Owner& owner, const xcb_generic_event_t& event) {
    switch (event.response_type & 0x7f) {
        case XCB_SELECTION_REQUEST:
            owner.onRequest(reinterpret_cast<const xcb_selection_request_event_t&>(event));
            break;
        case XCB_PROPERTY_NOTIFY: {
            const auto& change = reinterpret_cast<const xcb_property_notify_event_t&>(event);
            if (owner.sending != nullptr && change.window == owner.requestor &&
                change.atom == owner.property && change.state == XCB_PROPERTY_DELETE) {
                owner.onPropertyDeleted();
            }
            break;
        }
        case XCB_SELECTION_CLEAR:
            return false;
        default:
            break;
    }
    return true;
}

int run(Owner& owner) {
    for (;;) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const bool goOn = handle(owner, *event);
            std::free(event);
            if (!goOn) {
                return 0;
            }
        }
        if (xcb_connection_has_error(connection) != 0) {
            return 1;
        }
        int timeout = -1;
        if (owner.sending != nullptr && !owner.waitingForDelete) {
            const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(
                owner.nextPiece - Clock::now());
            if (wait.count() <= 0) {
                owner.sendPiece();
                continue;
            }
            timeout = static_cast<int>(wait.count());
        }
        pollfd socket{xcb_get_file_descriptor(connection), POLLIN, 0};
        poll(&socket, 1, timeout);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: clipboard_owner silent|list|drip|serve ...\n");
        return 2;
    }
    connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        std::fprintf(stderr, "clipboard_owner: no X display\n");
        return 1;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    window = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, screen->root_visual, 0, nullptr);
    Owner owner;
    owner.mode = argv[1];
    const bool paired = owner.mode == "drip" || owner.mode == "serve";
    for (int i = 2; i < argc; i += paired ? 2 : 1) {
        owner.data[atom(argv[i])] = paired && i + 1 < argc ? readFile(argv[i + 1]) : std::string();
    }
    xcb_set_selection_owner(connection, window, owner.clipboard, XCB_CURRENT_TIME);
    auto* reply = xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, owner.clipboard), nullptr);
    const bool owning = reply != nullptr && reply->owner == window;
    std::free(reply);
    if (!owning) {
        return 1;
    }
    std::printf("owning\n");
    std::fflush(stdout);
    const int result = run(owner);
    xcb_disconnect(connection);
    return result;
}
