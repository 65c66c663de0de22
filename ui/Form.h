// A game window as the game sees it: a fixed client area with its own
// background and drawing surface, push buttons, labels and at most a few
// floating shapes, laid out by a FormLayout. The window system behind it is
// Qt in the game and a recording fake in the tests.
//
// Modality: while a modal window (ShowModal, a message box) is up, no other
// game window gets input: clicks, keys and close requests reach only the
// topmost modal window until it closes. The game relies on this: an action
// paused in a modal window cannot be overtaken by another action.
#pragma once

#include "ui/Color.h"
#include "ui/Pictures.h"
#include "ui/Surface.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

enum class ControlKind { Button, Label, Circle };

// A control's name. Each window declares the names it uses as constants in
// its header, so a misspelt name does not compile.
class ControlName {
public:
    constexpr explicit ControlName(std::string_view name)
        : name_(name)
    {
    }
    constexpr std::string_view str() const { return name_; }
    friend constexpr bool operator==(ControlName, ControlName) = default;

private:
    std::string_view name_;
};

// A click handler bound to a window's method, or none without a window
// (a layout asked for on its own, as the tests of layouts do).
template <class Window>
std::function<void()> Handler(Window* window, void (Window::*method)())
{
    if (window == nullptr) return {};
    return [window, method] { (window->*method)(); };
}

// The keys that walk: the arrows and W A S D.
enum class Key { Up, Right, Down, Left };

// The keys every game window answers, whichever has the focus: F1 for the
// how-to-play card, and for the player's screen and settings Ctrl+= (or
// Ctrl++), Ctrl+-, Ctrl+0, F11 and F2.
enum class Command { ZoomIn, ZoomOut, ZoomReset, FullScreen, Settings, Help };

struct ControlLayout {
    ControlName name;
    ControlKind kind = ControlKind::Button;
    std::string text;  // caption; "\r\n" breaks the line
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    Color color = Black;  // text colour, or the circle's outline
    std::function<void()> onClick = {};  // a button's handler, bound with its layout
    // A label with a handler is a link: a pointing hand, and this tip.
    std::string tip = {};
};

struct FormLayout {
    std::string name;
    std::string caption;
    int clientWidth = 0;
    int clientHeight = 0;
    Picture background = Picture::Gorvak;
    Color textColor = Black;  // what Print draws in
    // The door rules read this window's pixels back: its drawing stays at the
    // logical size on any screen, so every read is exact. Other windows
    // draw at the screen's resolution, for crisp text.
    bool pixelExact = false;
    std::vector<ControlLayout> controls;  // in tab order
};

class Form {
public:
    virtual ~Form() = default;

    // A window is created ("loaded") on first use and destroyed when it is
    // closed; Load on a closed window creates it afresh, with its first
    // drawing, button states and controls.
    virtual void Load() = 0;
    virtual bool IsLoaded() const = 0;
    virtual bool IsVisible() const = 0;
    // Closes the window without asking onQueryUnload. Nothing if not loaded.
    virtual void Unload() = 0;

    // Loads the window first where needed.
    virtual Surface& surface() = 0;
    // Outer top-left corner on the screen, in pixels.
    virtual void Move(int left, int top) = 0;
    virtual int Left() const = 0;
    virtual int Top() const = 0;

    // Shows it and returns at once; a visible window only comes to the
    // front. The owner (or none) keeps it above the owner's window.
    virtual void ShowModeless(Form* owner) = 0;
    // Shows it above owner and returns once it is closed. Throws
    // ProgramEnding when the program ends meanwhile.
    virtual void ShowModal(Form* owner) = 0;

    virtual void SetEnabled(ControlName control, bool enabled) = 0;
    virtual bool IsEnabled(ControlName control) const = 0;
    virtual void SetVisible(ControlName control, bool visible) = 0;
    virtual void MoveControl(ControlName control, int left, int top) = 0;
    // A label's or button's caption ("\r\n" breaks the line), fitted to its
    // box as the layout's are.
    virtual void SetText(ControlName /*control*/, std::string_view /*text*/) { }

    // Window events, set once by the window's class; button clicks go to
    // the handlers in the layout.
    std::function<void(int button, float x, float y)> onMouseDown;
    // A close request by the player: return true to refuse it.
    std::function<bool()> onQueryUnload;
    std::function<void(Key key)> onKeyDown;
};

}  // namespace ui
