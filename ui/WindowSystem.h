// The services behind the game's windows: creating them, the modal message
// box, waiting while the windows stay live, and ending the program.
#pragma once

#include "ui/Form.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace ui {

// Thrown out of every wait once the program is ending, so that whatever the
// game was in the middle of (a fight, a pause, a modal window) unwinds at
// once. The window system's event entry points catch it.
struct ProgramEnding { };

// What the window system says in its own name: the message boxes' caption
// and button, and the message for a failure nobody expected. The game's
// words, handed in by the program that starts it.
struct SystemTexts {
    std::string caption;
    std::string ok;
    std::string unexpectedError;
};

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    virtual std::unique_ptr<Form> CreateForm(FormLayout layout) = 0;

    // Modal, with the system texts' caption and one OK button; returns after OK. Throws
    // ProgramEnding when the program ends meanwhile.
    virtual void MessageBox(std::string_view text, Form* owner) = 0;

    // Lets the windows handle their events for at most `seconds`, sleeping
    // while there are none. May return early; throws ProgramEnding.
    virtual void Wait(double seconds) = 0;

    // Ends the program with this exit status: every wait unwinds and no
    // window is left. The first call's status is kept.
    virtual void Quit(int exitStatus) = 0;
    virtual bool IsQuitting() const = 0;
    virtual int ExitStatus() const = 0;

    // How large the windows are drawn: `zoom` times their design size, or
    // with the main window full screen, its picture at the largest whole
    // factor that fits, centred, and the other windows at that factor too.
    // Only the look: the game goes on in design pixels, its clicks, pixel
    // reads and window places included.
    virtual void SetZoom(int zoom) = 0;
    virtual int Zoom() const = 0;
    // The largest zoom at which the main window fits on its screen, at
    // least 1.
    virtual int LargestZoom() const = 0;
    virtual void SetFullScreen(bool on) = 0;
    virtual bool IsFullScreen() const = 0;

    // The window-wide keys from any game window, set once by the game.
    std::function<void(Command)> onCommand;
};

}  // namespace ui
