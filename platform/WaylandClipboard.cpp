// Why the Wayland clipboard is read this way. Qt's QClipboard reads it on the window's thread and
// waits for the whole data, a second at a time, with no cap. Qt 6.4 gives no public handle on its
// connection or its clipboard offer (QNativeInterface::QWaylandApplication came in 6.5, and no
// version hands out the offer). A data device of our own on Qt's connection (bound through
// QWaylandClientExtensionTemplate) hears of every offer, but Weston 10, like wlroots, delivers only
// through the newest offer of a source, and that one always goes to the oldest device, Qt's: ours
// gets its pipe closed unread (checked with Qt 6.4.2 and Weston 10). So, as under X, a thread of
// ours reads on a connection of its own. Through the core protocol a compositor tells a program
// what the clipboard holds only when one of its windows has the keyboard, and taking the keyboard
// from the game's window is what went wrong on KWin and Sway: at times the keyboard did not come
// back, and the game heard no key until another of its windows opened. Where the compositor offers
// data control (ext-data-control-v1, or wlroots' older zwlr_data_control_manager_v1; KWin 5.27 and
// Sway 1.7 have the older one), it says what the clipboard holds to anybody who asks, with no
// window at all, so that comes first. Only where neither is offered (Mutter, Weston) does this
// connection show a window of one transparent pixel, which the compositor activates; it stays
// only until the format is asked for, and the pipe is read while the game's window has the
// keyboard again. Debian 12's wayland-protocols has neither description: ours are in
// platform/protocols/. tests/platform/ForeignClipboardTest.cpp runs it on Weston, Sway and KWin,
// and tests/game/window/ForeignPasteTest.cpp checks that the game keeps the keyboard where data
// control is offered.
#include "platform/WaylandClipboard.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <map>
#include <string>
#include <utility>

#include "ext-data-control-v1-client-protocol.h"
#include "wlr-data-control-unstable-v1-client-protocol.h"
#include "xdg-shell-client-protocol.h"

namespace {

using Clock = std::chrono::steady_clock;

// The most formats one offer may list; a longer list is no honest offer.
constexpr qsizetype kMaxFormats = 256;
// Room for the data at first; most pictures fit.
constexpr qsizetype kFirstRoom = 8 << 20;
// How long one wait lasts before the deadline and cancelling are looked at.
constexpr int kPollSliceMs = 50;

class WaylandSession;

// What differs between the ways of hearing of the clipboard: the core data device, which needs a
// window with the keyboard, and the two data-control protocols, which are the same on the wire
// under other names. Offers and devices are kept as plain proxies, and these turn them back.
struct ClipboardWay {
    const wl_interface* manager;  // a data-control manager's interface; none for the core
    uint32_t mostVersion;
    wl_proxy* (*getDevice)(wl_proxy* manager, wl_seat* seat, WaylandSession* session);
    void (*receive)(wl_proxy* offer, const char* format, int fd);
    void (*destroyOffer)(wl_proxy* offer);
    void (*destroyDevice)(wl_proxy* device);
    void (*destroyManager)(wl_proxy* manager);
};

// One conversation with the compositor: the globals it offers, our one-pixel window where one is
// needed, our data device and what it was told.
class WaylandSession {
public:
    WaylandSession(Clock::time_point deadline, const std::atomic<bool>& cancelled)
        : display_(wl_display_connect(nullptr)), deadline_(deadline), cancelled_(cancelled) {}
    // Disconnecting frees the connection, not the objects made on it: each is destroyed first.
    ~WaylandSession() {
        if (display_ == nullptr) {
            return;
        }
        hideWindow();
        // Events already read make their objects (a newer offer) only when dispatched.
        wl_display_dispatch_pending(display_);
        for (const auto& offer : offers_) {
            way_->destroyOffer(offer.first);
        }
        if (device_ != nullptr) {
            way_->destroyDevice(device_);
        }
        if (control_ != nullptr) {
            way_->destroyManager(control_);
        }
        destroyIfMade(pixel_, wl_buffer_destroy);
        destroyIfMade(manager_, wl_data_device_manager_destroy);
        destroyIfMade(seat_, wl_seat_destroy);
        destroyIfMade(shell_, xdg_wm_base_destroy);
        destroyIfMade(shm_, wl_shm_destroy);
        destroyIfMade(compositor_, wl_compositor_destroy);
        destroyIfMade(registry_, wl_registry_destroy);
        wl_display_flush(display_);
        wl_display_disconnect(display_);
    }
    WaylandSession(const WaylandSession&) = delete;
    WaylandSession& operator=(const WaylandSession&) = delete;

    bool open();
    // Waits until the compositor has said what the clipboard holds, showing the window where the
    // core protocol is the only way; false when it did not say in time.
    bool awaitSelection();
    wl_proxy* selection() const { return selection_; }
    QStringList formats() const;
    // The chosen format's bytes, read as they come; the outcome of the reading.
    ClipboardContent::Outcome receive(const QString& format, qint64 maxBytes, QByteArray& bytes);
    // Gives the keyboard back to the window that had it.
    void hideWindow();

private:
    template <typename Object>
    static void destroyIfMade(Object* object, void (*destroy)(Object*)) {
        if (object != nullptr) {
            destroy(object);
        }
    }
    // Handles the compositor's events, waiting at most one slice for them (or for `fd` to be
    // readable, when given); false once the deadline passed, the reading was cancelled or the
    // connection broke.
    bool pump(int fd = -1);
    // Waits until the compositor has answered everything asked so far, as a roundtrip does, but
    // within the deadline and given up when cancelled: a stalled compositor holds up no one.
    bool synced();
    void showWindow();

    // Each way's device and offers tell these, by whichever names their protocol gives them.
    static void offerMade(void* data, wl_proxy* offer);
    static void formatOffered(void* data, wl_proxy* offer, const char* format);
    static void selectionMade(void* data, wl_proxy* offer);
    // A data-control device that the compositor ended (its seat went) will say nothing more.
    static void deviceEnded(void* data) { selectionMade(data, nullptr); }
    template <typename Offer>
    static void typed(void* data, Offer* offer, const char* format) {
        formatOffered(data, reinterpret_cast<wl_proxy*>(offer), format);
    }
    template <typename Device, typename Offer>
    static void offered(void* data, Device*, Offer* offer) {
        offerMade(data, reinterpret_cast<wl_proxy*>(offer));
    }
    template <typename Device, typename Offer>
    static void selected(void* data, Device*, Offer* offer) {
        selectionMade(data, reinterpret_cast<wl_proxy*>(offer));
    }
    template <typename Device, typename Offer>
    static void ignored(void*, Device*, Offer*) {}
    template <typename Device>
    static void ended(void* data, Device*) {
        deviceEnded(data);
    }
    static const ClipboardWay kCoreWay;
    static const ClipboardWay kExtWay;
    static const ClipboardWay kWlrWay;

    static void announced(void* data, wl_registry* registry, uint32_t name, const char* interface,
                          uint32_t version);
    static void removed(void*, wl_registry*, uint32_t) {}
    static void pinged(void*, xdg_wm_base* shell, uint32_t serial) {
        xdg_wm_base_pong(shell, serial);
    }
    static void configured(void* data, xdg_surface* surface, uint32_t serial);
    static void toplevelConfigured(void*, xdg_toplevel*, int32_t, int32_t, wl_array*) {}
    static void closed(void*, xdg_toplevel*) {}
    static void bounded(void*, xdg_toplevel*, int32_t, int32_t) {}
    static void capable(void*, xdg_toplevel*, wl_array*) {}
    static void acted(void*, wl_data_offer*, uint32_t) {}
    static void entered(void*, wl_data_device*, uint32_t, wl_surface*, wl_fixed_t, wl_fixed_t,
                        wl_data_offer*) {}
    static void left(void*, wl_data_device*) {}
    static void moved(void*, wl_data_device*, uint32_t, wl_fixed_t, wl_fixed_t) {}
    static void dropped(void*, wl_data_device*) {}

    static constexpr wl_registry_listener kRegistryListener = {announced, removed};
    static constexpr xdg_wm_base_listener kShellListener = {pinged};
    static constexpr xdg_surface_listener kSurfaceListener = {configured};
    static constexpr xdg_toplevel_listener kToplevelListener = {toplevelConfigured, closed, bounded,
                                                                capable};
    static constexpr wl_data_device_listener kDeviceListener = {
        offered<wl_data_device, wl_data_offer>, entered, left, moved, dropped,
        selected<wl_data_device, wl_data_offer>};
    static constexpr wl_data_offer_listener kOfferListener = {typed<wl_data_offer>, acted, acted};
    static constexpr ext_data_control_device_v1_listener kExtDeviceListener = {
        offered<ext_data_control_device_v1, ext_data_control_offer_v1>,
        selected<ext_data_control_device_v1, ext_data_control_offer_v1>,
        ended<ext_data_control_device_v1>,
        ignored<ext_data_control_device_v1, ext_data_control_offer_v1>};
    static constexpr ext_data_control_offer_v1_listener kExtOfferListener = {
        typed<ext_data_control_offer_v1>};
    static constexpr zwlr_data_control_device_v1_listener kWlrDeviceListener = {
        offered<zwlr_data_control_device_v1, zwlr_data_control_offer_v1>,
        selected<zwlr_data_control_device_v1, zwlr_data_control_offer_v1>,
        ended<zwlr_data_control_device_v1>,
        ignored<zwlr_data_control_device_v1, zwlr_data_control_offer_v1>};
    static constexpr zwlr_data_control_offer_v1_listener kWlrOfferListener = {
        typed<zwlr_data_control_offer_v1>};

    wl_display* display_;
    Clock::time_point deadline_;
    const std::atomic<bool>& cancelled_;
    wl_compositor* compositor_ = nullptr;
    wl_shm* shm_ = nullptr;
    wl_seat* seat_ = nullptr;
    xdg_wm_base* shell_ = nullptr;
    wl_data_device_manager* manager_ = nullptr;
    wl_registry* registry_ = nullptr;
    // The data-control managers offered, by their global names and versions; the one bound.
    struct Global {
        uint32_t name = 0;
        uint32_t version = 0;
    };
    Global ext_;
    Global wlr_;
    wl_proxy* control_ = nullptr;
    const ClipboardWay* way_ = &kCoreWay;
    wl_proxy* device_ = nullptr;
    wl_buffer* pixel_ = nullptr;
    wl_surface* surface_ = nullptr;
    xdg_surface* shellSurface_ = nullptr;
    xdg_toplevel* toplevel_ = nullptr;
    std::map<wl_proxy*, QStringList> offers_;
    wl_proxy* selection_ = nullptr;
    bool selectionKnown_ = false;
};

void WaylandSession::announced(void* data, wl_registry* registry, uint32_t name,
                               const char* interface, uint32_t version) {
    auto* session = static_cast<WaylandSession*>(data);
    const auto bind = [&](const wl_interface& wanted, uint32_t most) {
        return wl_registry_bind(registry, name, &wanted, std::min(version, most));
    };
    if (std::strcmp(interface, wl_compositor_interface.name) == 0) {
        session->compositor_ = static_cast<wl_compositor*>(bind(wl_compositor_interface, 1));
    } else if (std::strcmp(interface, wl_shm_interface.name) == 0) {
        session->shm_ = static_cast<wl_shm*>(bind(wl_shm_interface, 1));
    } else if (std::strcmp(interface, wl_seat_interface.name) == 0 && session->seat_ == nullptr) {
        session->seat_ = static_cast<wl_seat*>(bind(wl_seat_interface, 1));
    } else if (std::strcmp(interface, xdg_wm_base_interface.name) == 0) {
        session->shell_ = static_cast<xdg_wm_base*>(bind(xdg_wm_base_interface, 1));
        xdg_wm_base_add_listener(session->shell_, &kShellListener, session);
    } else if (std::strcmp(interface, wl_data_device_manager_interface.name) == 0) {
        // The first version: Weston 10 ends the owner's offer to everybody when a newer offer
        // (version 3) is let go of unfinished, as this reader does when it is done.
        session->manager_ =
            static_cast<wl_data_device_manager*>(bind(wl_data_device_manager_interface, 1));
    } else if (std::strcmp(interface, ext_data_control_manager_v1_interface.name) == 0) {
        session->ext_ = {name, version};
    } else if (std::strcmp(interface, zwlr_data_control_manager_v1_interface.name) == 0) {
        session->wlr_ = {name, version};
    }
}

// The first version of either is enough: the primary selection, which the second version of the
// older protocol adds, is never read.
const ClipboardWay WaylandSession::kExtWay = {
    &ext_data_control_manager_v1_interface,
    1,
    [](wl_proxy* manager, wl_seat* seat, WaylandSession* session) {
        auto* device = ext_data_control_manager_v1_get_data_device(
            reinterpret_cast<ext_data_control_manager_v1*>(manager), seat);
        ext_data_control_device_v1_add_listener(device, &kExtDeviceListener, session);
        return reinterpret_cast<wl_proxy*>(device);
    },
    [](wl_proxy* offer, const char* format, int fd) {
        ext_data_control_offer_v1_receive(reinterpret_cast<ext_data_control_offer_v1*>(offer),
                                          format, fd);
    },
    [](wl_proxy* offer) {
        ext_data_control_offer_v1_destroy(reinterpret_cast<ext_data_control_offer_v1*>(offer));
    },
    [](wl_proxy* device) {
        ext_data_control_device_v1_destroy(reinterpret_cast<ext_data_control_device_v1*>(device));
    },
    [](wl_proxy* manager) {
        ext_data_control_manager_v1_destroy(
            reinterpret_cast<ext_data_control_manager_v1*>(manager));
    }};

const ClipboardWay WaylandSession::kWlrWay = {
    &zwlr_data_control_manager_v1_interface,
    1,
    [](wl_proxy* manager, wl_seat* seat, WaylandSession* session) {
        auto* device = zwlr_data_control_manager_v1_get_data_device(
            reinterpret_cast<zwlr_data_control_manager_v1*>(manager), seat);
        zwlr_data_control_device_v1_add_listener(device, &kWlrDeviceListener, session);
        return reinterpret_cast<wl_proxy*>(device);
    },
    [](wl_proxy* offer, const char* format, int fd) {
        zwlr_data_control_offer_v1_receive(reinterpret_cast<zwlr_data_control_offer_v1*>(offer),
                                           format, fd);
    },
    [](wl_proxy* offer) {
        zwlr_data_control_offer_v1_destroy(reinterpret_cast<zwlr_data_control_offer_v1*>(offer));
    },
    [](wl_proxy* device) {
        zwlr_data_control_device_v1_destroy(reinterpret_cast<zwlr_data_control_device_v1*>(device));
    },
    [](wl_proxy* manager) {
        zwlr_data_control_manager_v1_destroy(
            reinterpret_cast<zwlr_data_control_manager_v1*>(manager));
    }};

const ClipboardWay WaylandSession::kCoreWay = {
    nullptr,
    0,
    [](wl_proxy* manager, wl_seat* seat, WaylandSession* session) {
        wl_data_device* device = wl_data_device_manager_get_data_device(
            reinterpret_cast<wl_data_device_manager*>(manager), seat);
        wl_data_device_add_listener(device, &kDeviceListener, session);
        return reinterpret_cast<wl_proxy*>(device);
    },
    [](wl_proxy* offer, const char* format, int fd) {
        wl_data_offer_receive(reinterpret_cast<wl_data_offer*>(offer), format, fd);
    },
    [](wl_proxy* offer) { wl_data_offer_destroy(reinterpret_cast<wl_data_offer*>(offer)); },
    [](wl_proxy* device) { wl_data_device_destroy(reinterpret_cast<wl_data_device*>(device)); },
    [](wl_proxy*) {}};

void WaylandSession::configured(void* data, xdg_surface* surface, uint32_t serial) {
    auto* session = static_cast<WaylandSession*>(data);
    xdg_surface_ack_configure(surface, serial);
    // One transparent pixel: the window has to be shown to be given the keyboard, and nothing of
    // it is seen.
    if (session->pixel_ == nullptr) {
        const int fd = memfd_create("tavlora-clipboard", MFD_CLOEXEC);
        if (fd < 0 || ftruncate(fd, 4) != 0) {
            if (fd >= 0) {
                close(fd);
            }
            return;
        }
        wl_shm_pool* pool = wl_shm_create_pool(session->shm_, fd, 4);
        session->pixel_ = wl_shm_pool_create_buffer(pool, 0, 1, 1, 4, WL_SHM_FORMAT_ARGB8888);
        wl_shm_pool_destroy(pool);
        close(fd);
    }
    wl_surface_attach(session->surface_, session->pixel_, 0, 0);
    wl_surface_commit(session->surface_);
}

void WaylandSession::offerMade(void* data, wl_proxy* offer) {
    auto* session = static_cast<WaylandSession*>(data);
    session->offers_[offer];
    if (session->way_ == &kExtWay) {
        ext_data_control_offer_v1_add_listener(reinterpret_cast<ext_data_control_offer_v1*>(offer),
                                               &kExtOfferListener, session);
    } else if (session->way_ == &kWlrWay) {
        zwlr_data_control_offer_v1_add_listener(
            reinterpret_cast<zwlr_data_control_offer_v1*>(offer), &kWlrOfferListener, session);
    } else {
        wl_data_offer_add_listener(reinterpret_cast<wl_data_offer*>(offer), &kOfferListener,
                                   session);
    }
}

void WaylandSession::formatOffered(void* data, wl_proxy* offer, const char* format) {
    QStringList& types = static_cast<WaylandSession*>(data)->offers_[offer];
    const QString name = QString::fromUtf8(format);
    if (types.size() < kMaxFormats && !types.contains(name)) {
        types << name;
    }
}

void WaylandSession::selectionMade(void* data, wl_proxy* offer) {
    auto* session = static_cast<WaylandSession*>(data);
    session->selection_ = offer;
    session->selectionKnown_ = true;
}

bool WaylandSession::open() {
    if (display_ == nullptr) {
        return false;
    }
    registry_ = wl_display_get_registry(display_);
    wl_registry_add_listener(registry_, &kRegistryListener, this);
    if (!synced() || seat_ == nullptr) {
        return false;
    }
    // The newer data-control protocol where both are offered; either needs no window.
    const Global control = ext_.name != 0 ? ext_ : wlr_;
    if (control.name != 0) {
        way_ = ext_.name != 0 ? &kExtWay : &kWlrWay;
        control_ = static_cast<wl_proxy*>(wl_registry_bind(
            registry_, control.name, way_->manager, std::min(control.version, way_->mostVersion)));
        device_ = way_->getDevice(control_, seat_, this);
        return true;
    }
    if (compositor_ == nullptr || shm_ == nullptr || shell_ == nullptr || manager_ == nullptr) {
        return false;
    }
    device_ = way_->getDevice(reinterpret_cast<wl_proxy*>(manager_), seat_, this);
    return true;
}

bool WaylandSession::synced() {
    bool answered = false;
    static constexpr wl_callback_listener kDone = {
        [](void* data, wl_callback*, uint32_t) { *static_cast<bool*>(data) = true; }};
    wl_callback* sync = wl_display_sync(display_);
    wl_callback_add_listener(sync, &kDone, &answered);
    while (!answered && pump()) {
    }
    wl_callback_destroy(sync);
    return answered;
}

void WaylandSession::showWindow() {
    surface_ = wl_compositor_create_surface(compositor_);
    shellSurface_ = xdg_wm_base_get_xdg_surface(shell_, surface_);
    xdg_surface_add_listener(shellSurface_, &kSurfaceListener, this);
    toplevel_ = xdg_surface_get_toplevel(shellSurface_);
    xdg_toplevel_add_listener(toplevel_, &kToplevelListener, this);
    wl_surface_commit(surface_);
}

void WaylandSession::hideWindow() {
    if (toplevel_ != nullptr) {
        xdg_toplevel_destroy(std::exchange(toplevel_, nullptr));
        xdg_surface_destroy(std::exchange(shellSurface_, nullptr));
        wl_surface_destroy(std::exchange(surface_, nullptr));
        wl_display_flush(display_);
    }
}

bool WaylandSession::pump(int fd) {
    while (wl_display_prepare_read(display_) != 0) {
        if (wl_display_dispatch_pending(display_) < 0) {
            return false;
        }
    }
    wl_display_flush(display_);
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline_ - Clock::now()).count();
    if (left <= 0 || cancelled_) {
        wl_display_cancel_read(display_);
        return false;
    }
    std::array<pollfd, 2> waits{{{wl_display_get_fd(display_), POLLIN, 0}, {fd, POLLIN, 0}}};
    const int count = fd < 0 ? 1 : 2;
    if (poll(waits.data(), static_cast<nfds_t>(count),
             static_cast<int>(std::min<long long>(left, kPollSliceMs))) > 0 &&
        (waits[0].revents & POLLIN) != 0) {
        if (wl_display_read_events(display_) != 0) {
            return false;
        }
    } else {
        wl_display_cancel_read(display_);
    }
    return wl_display_dispatch_pending(display_) >= 0;
}

bool WaylandSession::awaitSelection() {
    if (control_ != nullptr) {
        // A data-control device is told the selection as soon as it is made, with no focus
        // needed; a compositor with nothing on the clipboard may say nothing at all (KWin 5.27).
        return synced();
    }
    showWindow();
    while (!selectionKnown_) {
        if (!pump()) {
            hideWindow();
            return false;
        }
    }
    // The window stays until the format is asked for: a compositor sends the selection to the
    // window that gets the keyboard back, and may then deliver only through that newest offer
    // (Weston 14 closes the pipe of an older one unread).
    return true;
}

QStringList WaylandSession::formats() const {
    const auto found = offers_.find(selection_);
    return found == offers_.end() ? QStringList() : found->second;
}

ClipboardContent::Outcome WaylandSession::receive(const QString& format, qint64 maxBytes,
                                                  QByteArray& bytes) {
    using Outcome = ClipboardContent::Outcome;
    int ends[2] = {-1, -1};
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        return Outcome::NotDelivered;
    }
    // A larger pipe lets a large picture come in fewer turns (Linux allows 1 MiB to anybody).
    fcntl(ends[0], F_SETPIPE_SZ, 1 << 20);
    way_->receive(selection_, format.toUtf8().constData(), ends[1]);
    // Asked for in order on one connection: the request reaches the compositor before the
    // window's end gives the keyboard back.
    hideWindow();
    wl_display_flush(display_);
    close(ends[1]);  // the owner holds its own copy now
    std::array<char, 64 * 1024> piece{};
    Outcome outcome = Outcome::NotDelivered;
    bool reading = true;
    while (reading && pump(ends[0])) {
        for (;;) {
            const ssize_t got = read(ends[0], piece.data(), piece.size());
            if (got < 0) {
                reading = errno == EAGAIN || errno == EINTR;
                break;
            }
            if (got == 0) {
                // An owner that closes its end without a byte went away or refused the format.
                outcome = bytes.isEmpty() ? Outcome::NotDelivered : Outcome::Delivered;
                reading = false;
                break;
            }
            if (bytes.size() + got > maxBytes) {
                outcome = Outcome::TooLarge;
                reading = false;
                break;
            }
            if (bytes.capacity() < bytes.size() + got) {
                // At once the most there may be, rather than doubling piece by piece: each
                // doubling copies all that arrived, and the two copies together would pass the
                // memory budget. Room never written takes no memory.
                bytes.reserve(bytes.isEmpty() ? kFirstRoom : maxBytes);
            }
            bytes.append(piece.data(), got);
        }
    }
    close(ends[0]);
    if (outcome != Outcome::Delivered) {
        bytes = QByteArray();
    }
    return outcome;
}

}  // namespace

ClipboardContent readWaylandClipboard(const ClipboardChoice& choose, Clock::time_point deadline,
                                      qint64 maxBytes, const std::atomic<bool>& cancelled) {
    using Outcome = ClipboardContent::Outcome;
    ClipboardContent content;
    WaylandSession session(deadline, cancelled);
    if (!session.open()) {
        return content;  // Empty: no compositor, or one that shares no clipboard
    }
    if (!session.awaitSelection()) {
        content.outcome = Outcome::NoAnswer;
        return content;
    }
    content.formats = session.formats();
    if (session.selection() == nullptr || content.formats.isEmpty()) {
        session.hideWindow();
        return content;  // Empty
    }
    content.format = choose(content.formats);
    if (content.format.isEmpty()) {
        session.hideWindow();
        content.outcome = Outcome::NoneChosen;
        return content;
    }
    content.outcome = session.receive(content.format, maxBytes, content.bytes);
    return content;
}
