#pragma once

class TApplication;

// The program from its entry to the end of the run: the screen check, the
// look, the long-lived windows and the message loop.
class TProgramStart {
public:
    static int Run(TApplication &App);
    // False, after telling the person why, when the screen is too small to work on.
    static bool CheckScreen();
};
