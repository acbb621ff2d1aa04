#pragma once

// Whether this session names a message bus: DBUS_SESSION_BUS_ADDRESS, or the user's bus in
// XDG_RUNTIME_DIR, where the bus library looks when the variable is not set.
bool sessionBusNamed();

// Where the session names no bus, makes every connection to one fail at once, in this program and
// in the programs it starts: otherwise the bus library launches a bus daemon of its own (under X,
// through dbus-launch), which outlives the game. Called before anything connects to the bus.
void doWithoutAnUnnamedSessionBus();
