#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <vector>

class QKeyEvent;

// A key that was already down when a modal box opened or closed does not act in what now has the
// keys: its repeats and its release are dropped until the key is pressed again. So a key held over
// the move that ends a game cannot accept the name box nor dismiss the congratulation, and a held
// Space types nothing into the name. Keys pressed while the same box stays open act as usual.
// Modifier keys pass untouched.
class HeldKeyGuard : public QObject {
public:
    // Watches every key of the application from now on; once is enough, later calls do nothing.
    static void install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct HeldKey {
        int key;
        const QWidget* box;  // the modal box open at the press, null for none
        QPointer<QWidget> boxAlive;
        // X11 may hand a repeat over as a release and a fresh press with the same timestamp; a
        // stale key's release is held here until a press shows it was only a repeat.
        bool released = false;
        quint64 releasedAt = 0;
    };

    explicit HeldKeyGuard(QObject* parent) : QObject(parent) {}
    // True when the event belongs to a key pressed before the box that now has the keys.
    bool isStale(const QKeyEvent& event);
    std::vector<HeldKey>::iterator find(int key);

    std::vector<HeldKey> held_;
};
