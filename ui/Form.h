// A game window as the rules see it: a fixed client area with its own
// background and drawing surface, push buttons, labels and at most a few
// floating shapes, laid out by a FormLayout. The window system behind it is
// Qt in the game and a recording fake in the tests.
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

// The keys that walk: the arrows and W A S D.
enum class Key { Up, Right, Down, Left };

struct ControlLayout {
    std::string name;
    ControlKind kind = ControlKind::Button;
    std::string text;  // caption; "\r\n" breaks the line
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    Color color = Black;  // text colour, or the circle's outline
};

struct FormLayout {
    std::string name;
    std::string caption;
    int clientWidth = 0;
    int clientHeight = 0;
    Picture background = Picture::Gorvak;
    Color textColor = Black;  // what Print draws in
    // The rules read this window's pixels back: its drawing stays at the
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

    virtual void SetEnabled(std::string_view control, bool enabled) = 0;
    virtual bool IsEnabled(std::string_view control) const = 0;
    virtual void SetVisible(std::string_view control, bool visible) = 0;
    virtual void MoveControl(std::string_view control, int left, int top) = 0;

    // Events, set once by the window's owner in the rules.
    std::function<void(std::string_view control)> onClick;
    std::function<void(int button, float x, float y)> onMouseDown;
    // A close request by the player: return true to refuse it.
    std::function<bool()> onQueryUnload;
    std::function<void(Key key)> onKeyDown;
};

}  // namespace ui
