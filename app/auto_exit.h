// The automatic exit: a one-second tick counted from window creation that
// closes the board once endsec seconds have passed and no dialog is open.
#pragma once

// Below this many seconds the board would close before a user could reach
// the menu to switch the option off.
constexpr int kAutoExitMinSeconds = 5;

struct AutoExitStart {
    bool startTimer;  // only an autoend of exactly 1 runs the timer
    int endsec;       // endsec as the store keeps it from now on
};

// What creation does with the autoend and endsec options.
AutoExitStart startAutoExit(int autoend, int endsec);

struct AutoExitTick {
    int ticks;   // ticks counted so far, this one included
    bool close;  // close the board now
};

// One tick: counts it, and says to close when ticks reach endsec (read anew
// on every tick) and no dialog is open. Ticks go on being counted while a
// dialog is open, so an overdue board closes on the first tick after it.
AutoExitTick countAutoExitTick(int ticks, int endsec, int modalOpen);
