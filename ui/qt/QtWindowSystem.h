#pragma once

#include "ui/WindowSystem.h"
#include "ui/Zoom.h"
#include "ui/qt/QtPictures.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class QEventLoop;
class QScreen;

namespace ui {

class QtForm;

// Gives every window the game's icon, from the pictures in `folder`, unless
// the application has one already. False when there is none to be had.
bool SetGameIcon(const QString& folder);

// The game's windows on Qt Widgets. Waits are nested event loops woken by a
// precise timer, so the windows stay live while the game pauses and the
// process sleeps; quitting ends every loop and every window.
class QtWindowSystem final : public WindowSystem {
public:
    QtWindowSystem(const QtPictures& pictures, SystemTexts texts);
    ~QtWindowSystem() override;

    std::unique_ptr<Form> CreateForm(FormLayout layout) override;
    void MessageBox(std::string_view text, Form* owner) override;
    void Wait(double seconds) override;
    void Quit(int exitStatus) override;
    bool IsQuitting() const override { return quitting_; }
    int ExitStatus() const override { return exitStatus_; }
    void SetZoom(int zoom) override;
    int Zoom() const override { return zoom_; }
    int LargestZoom() const override;
    void SetFullScreen(bool on) override;
    bool IsFullScreen() const override { return fullScreen_; }

    // How a window draws its picture now: the factor, and where the picture
    // starts inside it (off the corner only for the main window full screen).
    zoom::Placement PlacementOf(const QtForm& form) const;
    // Where the main window's picture starts on the screen: the game places
    // its other windows relative to it.
    QPoint Anchor() const;
    // Where windows are kept on the screen.
    QRect ScreenRoom() const;

    // Every call from Qt into the game goes through here: a game ending
    // stops at it, and nothing else the game throws reaches Qt.
    void Guard(const std::function<void()>& action);

    // Runs events until `done` holds (checked whenever `form` unloads) or
    // the program ends.
    void RunUntilUnloaded(QtForm& form);
    void FormUnloaded(QtForm& form);

    // The first window made, which is the game's main window.
    QWidget* MainWidget() const;
    const SystemTexts& Texts() const { return texts_; }

    const std::vector<QtForm*>& Forms() const { return forms_; }
    void Register(QtForm* form);
    void Unregister(QtForm* form);

    // The window shown or activated last is the front one.
    void CameForward(QtForm& form);
    // A window that held the keyboard has closed: it goes to the front one
    // of the game's windows still open, which another window shown in the
    // same step (a department opened from the hub) has just become.
    void HandOnFocus(const QWidget& closed);

private:
    struct Loop {
        QEventLoop* loop;
        QtForm* waitingFor;
    };
    QWidget* OwnerWidget(Form* owner) const;
    QScreen* Screen() const;
    // Every loaded window laid out again after `change`, the others keeping
    // their places over the main window's picture.
    void Relayout(const std::function<void()>& change);

    const QtPictures& pictures_;
    SystemTexts texts_;
    std::vector<Loop> loops_;
    std::vector<QtForm*> forms_;
    std::vector<QtForm*> front_;  // the last one is in front
    bool quitting_ = false;
    int exitStatus_ = 0;
    int zoom_ = 1;
    bool fullScreen_ = false;
};

}  // namespace ui
