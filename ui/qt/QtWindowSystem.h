#pragma once

#include "ui/WindowSystem.h"
#include "ui/qt/QtPictures.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class QEventLoop;

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

    const QtPictures& pictures_;
    SystemTexts texts_;
    std::vector<Loop> loops_;
    std::vector<QtForm*> forms_;
    std::vector<QtForm*> front_;  // the last one is in front
    bool quitting_ = false;
    int exitStatus_ = 0;
};

}  // namespace ui
