#include "platform/X11Clipboard.h"

#include <poll.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

namespace {

using Clock = std::chrono::steady_clock;

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

// Properties are read in pieces of this many 32-bit units (4 MiB), so xcb never holds a whole
// large picture beside the copy being made of it.
constexpr uint32_t kPieceUnits = 1 << 20;
// The most formats looked at; a list longer than this is no honest offer.
constexpr size_t kMaxFormats = 256;
// How long one wait for the X connection lasts before the deadline and cancelling are looked at.
constexpr int kPollSliceMs = 50;

// Grows `value` to hold `needed` bytes without doubling it piece by piece: each doubling copies
// all that arrived, and the old and new copies together would pass the memory budget. The first
// room is what the owner announced; an owner that sends more gets the most there may be, at once.
void makeRoom(QByteArray& value, qint64 needed, qint64 maxBytes) {
    if (value.capacity() < needed) {
        value.reserve(value.capacity() == 0 ? needed : maxBytes);
    }
}

// One conversation with the X server: our own window to receive the clipboard into.
class X11Session {
public:
    X11Session(const QByteArray& display, Clock::time_point deadline,
               const std::atomic<bool>& cancelled)
        : connection_(xcb_connect(display.isEmpty() ? nullptr : display.constData(), nullptr)),
          deadline_(deadline),
          cancelled_(cancelled) {}
    ~X11Session() {
        if (window_ != XCB_NONE) {
            xcb_destroy_window(connection_, window_);
            xcb_flush(connection_);
        }
        xcb_disconnect(connection_);
    }
    X11Session(const X11Session&) = delete;
    X11Session& operator=(const X11Session&) = delete;

    bool open();
    bool clipboardOwned();
    // The property the owner put the converted `target` into; none when it refused, or did not
    // answer in time.
    std::optional<xcb_atom_t> convert(xcb_atom_t target, bool& answered);
    // The property's whole value, then the property deleted; false when it took more than
    // `maxBytes`.
    bool takeProperty(QByteArray& value, xcb_atom_t& type, qint64 maxBytes);
    // The incremental transfer after its announcement, to the closing empty piece.
    bool takeIncrements(QByteArray& value, qint64 maxBytes, bool& complete);
    QString atomName(xcb_atom_t atom);
    xcb_atom_t atom(const char* name);

    xcb_atom_t targets = XCB_NONE;
    xcb_atom_t incr = XCB_NONE;

private:
    template <typename Matches>
    Reply<xcb_generic_event_t> waitFor(Matches matches);

    xcb_connection_t* connection_;
    Clock::time_point deadline_;
    const std::atomic<bool>& cancelled_;
    xcb_window_t window_ = XCB_NONE;
    xcb_atom_t clipboard_ = XCB_NONE;
    xcb_atom_t property_ = XCB_NONE;
};

xcb_atom_t X11Session::atom(const char* name) {
    const auto length = static_cast<uint16_t>(std::strlen(name));
    Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection_, xcb_intern_atom(connection_, 0, length, name), nullptr));
    return reply ? reply->atom : XCB_NONE;
}

QString X11Session::atomName(xcb_atom_t atom) {
    Reply<xcb_get_atom_name_reply_t> reply(
        xcb_get_atom_name_reply(connection_, xcb_get_atom_name(connection_, atom), nullptr));
    if (!reply) {
        return {};
    }
    return QString::fromLatin1(xcb_get_atom_name_name(reply.get()),
                               xcb_get_atom_name_name_length(reply.get()));
}

bool X11Session::open() {
    if (xcb_connection_has_error(connection_) != 0) {
        return false;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
    if (screen == nullptr) {
        return false;
    }
    window_ = xcb_generate_id(connection_);
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window_, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, screen->root_visual, XCB_CW_EVENT_MASK, &events);
    clipboard_ = atom("CLIPBOARD");
    targets = atom("TARGETS");
    incr = atom("INCR");
    property_ = atom("TAVLORA_CLIPBOARD");
    return clipboard_ != XCB_NONE && targets != XCB_NONE && property_ != XCB_NONE;
}

bool X11Session::clipboardOwned() {
    Reply<xcb_get_selection_owner_reply_t> reply(xcb_get_selection_owner_reply(
        connection_, xcb_get_selection_owner(connection_, clipboard_), nullptr));
    return reply && reply->owner != XCB_NONE;
}

template <typename Matches>
Reply<xcb_generic_event_t> X11Session::waitFor(Matches matches) {
    for (;;) {
        while (Reply<xcb_generic_event_t> event{xcb_poll_for_event(connection_)}) {
            if (matches(*event)) {
                return event;
            }
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline_ - Clock::now());
        if (xcb_connection_has_error(connection_) != 0 || left.count() <= 0 || cancelled_) {
            return nullptr;
        }
        pollfd socket{xcb_get_file_descriptor(connection_), POLLIN, 0};
        poll(&socket, 1, static_cast<int>(std::min<long long>(left.count(), kPollSliceMs)));
    }
}

std::optional<xcb_atom_t> X11Session::convert(xcb_atom_t target, bool& answered) {
    xcb_convert_selection(connection_, window_, clipboard_, target, property_, XCB_CURRENT_TIME);
    xcb_flush(connection_);
    const auto notify = waitFor([&](const xcb_generic_event_t& event) {
        if ((event.response_type & 0x7f) != XCB_SELECTION_NOTIFY) {
            return false;
        }
        const auto& selection = reinterpret_cast<const xcb_selection_notify_event_t&>(event);
        return selection.requestor == window_ && selection.selection == clipboard_;
    });
    answered = notify != nullptr;
    if (!notify) {
        return std::nullopt;
    }
    const auto& selection = reinterpret_cast<const xcb_selection_notify_event_t&>(*notify);
    if (selection.property == XCB_NONE) {
        return std::nullopt;
    }
    return selection.property;
}

bool X11Session::takeProperty(QByteArray& value, xcb_atom_t& type, qint64 maxBytes) {
    uint32_t offset = 0;
    for (;;) {
        Reply<xcb_get_property_reply_t> reply(
            xcb_get_property_reply(connection_,
                                   xcb_get_property(connection_, 0, window_, property_,
                                                    XCB_GET_PROPERTY_TYPE_ANY, offset, kPieceUnits),
                                   nullptr));
        if (!reply) {
            break;
        }
        type = reply->type;
        const int length = xcb_get_property_value_length(reply.get());
        if (value.size() + length + static_cast<qint64>(reply->bytes_after) > maxBytes) {
            xcb_delete_property(connection_, window_, property_);
            return false;
        }
        makeRoom(value, value.size() + length + static_cast<qint64>(reply->bytes_after), maxBytes);
        value.append(static_cast<const char*>(xcb_get_property_value(reply.get())), length);
        if (reply->bytes_after == 0 || length == 0) {
            break;
        }
        offset += static_cast<uint32_t>(length) / 4;
    }
    xcb_delete_property(connection_, window_, property_);
    xcb_flush(connection_);
    return true;
}

bool X11Session::takeIncrements(QByteArray& value, qint64 maxBytes, bool& complete) {
    complete = false;
    for (;;) {
        const auto piece = waitFor([&](const xcb_generic_event_t& event) {
            if ((event.response_type & 0x7f) != XCB_PROPERTY_NOTIFY) {
                return false;
            }
            const auto& change = reinterpret_cast<const xcb_property_notify_event_t&>(event);
            return change.window == window_ && change.atom == property_ &&
                   change.state == XCB_PROPERTY_NEW_VALUE;
        });
        if (!piece) {
            return true;  // not complete: the owner stopped sending, or the deadline passed
        }
        const qint64 before = value.size();
        xcb_atom_t type = XCB_NONE;
        if (!takeProperty(value, type, maxBytes)) {
            return false;
        }
        if (value.size() == before) {
            complete = true;
            return true;
        }
    }
}

ClipboardContent withOutcome(ClipboardContent content, ClipboardContent::Outcome outcome) {
    content.outcome = outcome;
    return content;
}

QStringList formatNames(X11Session& session, const QByteArray& atoms) {
    QStringList names;
    const size_t count = std::min<size_t>(static_cast<size_t>(atoms.size()) / 4, kMaxFormats);
    const auto* list = reinterpret_cast<const xcb_atom_t*>(atoms.constData());
    for (size_t i = 0; i < count; ++i) {
        const QString name = session.atomName(list[i]);
        if (!name.isEmpty() && !names.contains(name)) {
            names << name;
        }
    }
    return names;
}

// The chosen format's data, once it has been converted into our property.
ClipboardContent takeData(X11Session& session, ClipboardContent content, qint64 maxBytes) {
    using Outcome = ClipboardContent::Outcome;
    xcb_atom_t type = XCB_NONE;
    if (!session.takeProperty(content.bytes, type, maxBytes)) {
        return withOutcome(std::move(content), Outcome::TooLarge);
    }
    if (type == session.incr && session.incr != XCB_NONE) {
        // The announcement holds only the size to come, at least.
        quint32 announced = 0;
        std::memcpy(&announced, content.bytes.constData(),
                    std::min<size_t>(sizeof announced, static_cast<size_t>(content.bytes.size())));
        content.bytes = QByteArray();
        content.bytes.reserve(std::min<qint64>(announced, maxBytes));
        bool complete = false;
        if (!session.takeIncrements(content.bytes, maxBytes, complete)) {
            return withOutcome(std::move(content), Outcome::TooLarge);
        }
        if (!complete) {
            content.bytes.clear();
            return withOutcome(std::move(content), Outcome::NotDelivered);
        }
    }
    return withOutcome(std::move(content), Outcome::Delivered);
}

}  // namespace

ClipboardContent readX11Clipboard(const QByteArray& display, const ClipboardChoice& choose,
                                  Clock::time_point deadline, qint64 maxBytes,
                                  const std::atomic<bool>& cancelled) {
    using Outcome = ClipboardContent::Outcome;
    ClipboardContent content;
    X11Session session(display, deadline, cancelled);
    if (!session.open() || !session.clipboardOwned()) {
        return content;  // Empty
    }
    bool answered = false;
    const auto listed = session.convert(session.targets, answered);
    if (!listed) {
        return withOutcome(std::move(content), answered ? Outcome::Empty : Outcome::NoAnswer);
    }
    QByteArray atoms;
    xcb_atom_t type = XCB_NONE;
    session.takeProperty(atoms, type, static_cast<qint64>(kMaxFormats) * 4 * 64);
    content.formats = formatNames(session, atoms);
    if (content.formats.isEmpty()) {
        return content;  // Empty
    }
    content.format = choose(content.formats);
    if (content.format.isEmpty()) {
        return withOutcome(std::move(content), Outcome::NoneChosen);
    }
    if (!session.convert(session.atom(content.format.toLatin1().constData()), answered)) {
        return withOutcome(std::move(content), Outcome::NotDelivered);
    }
    return takeData(session, std::move(content), maxBytes);
}
