#pragma once

namespace velmorix {

struct AppState;
class Clock;
class DataDir;
class Dialogs;
class Printer;
class Random;
class WindowRegistry;

// What every window is given: the program-wide state, the data folder and the
// seams to the outside world.
struct AppContext {
    AppState& state;
    DataDir& dir;
    Dialogs& dialogs;
    Printer& printer;
    Clock& clock;
    Random& random;
    WindowRegistry& windows;
};

} // namespace velmorix
