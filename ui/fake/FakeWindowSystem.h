// A window system in virtual time for the tests. Waits move a FakeClock on
// and deliver the player's actions scheduled for that time; modal windows and
// message boxes are recorded and answered by hooks (by default the player
// closes them at once). Modality holds as in Qt: while a modal window or a
// message box is up, input meant for any other window is dropped.
#pragma once

#include "ui/WindowSystem.h"
#include "ui/fake/FakeClock.h"
#include "ui/fake/FakeSurface.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class FakeWindowSystem;

class FakeForm final : public Form {
public:
    FakeForm(FormLayout layout, FakeWindowSystem& system);
    ~FakeForm() override;

    void Load() override;
    bool IsLoaded() const override { return loaded_; }
    bool IsVisible() const override { return loaded_ && visible_; }
    void Unload() override;
    Surface& surface() override;
    void Move(int left, int top) override;
    int Left() const override { return left_; }
    int Top() const override { return top_; }
    void ShowModeless(Form* owner) override;
    void ShowModal(Form* owner) override;
    void SetEnabled(ControlName control, bool enabled) override;
    bool IsEnabled(ControlName control) const override;
    void SetVisible(ControlName control, bool visible) override;
    void MoveControl(ControlName control, int left, int top) override;
    void SetText(ControlName control, std::string_view text) override;
    const std::string& Text(ControlName control) const;

    // The player's actions, as the real windows deliver them: a click on a
    // disabled or hidden button, on a closed window, or on any window but
    // the topmost modal one while one is up, does nothing. A control the
    // window does not have throws.
    bool Click(ControlName control);
    void MouseDown(float x, float y, int button = 1);
    void KeyDown(Key key);
    // The close box: asks onQueryUnload; true when the window closed.
    // Dropped (false) while another window is modal.
    bool RequestClose();

    FakeSurface& fakeSurface();
    const FormLayout& layout() const { return layout_; }
    bool IsControlVisible(ControlName control) const;
    struct Place {
        int left;
        int top;
    };
    Place ControlPlace(ControlName control) const;

    Form* owner = nullptr;
    bool modal = false;
    int loads = 0;
    int shows = 0;

private:
    struct ControlState {
        bool enabled = true;
        bool visible = true;
        int left = 0;
        int top = 0;
        std::string text;
    };
    ControlState& State(std::string_view control);
    const ControlState& State(std::string_view control) const;

    FormLayout layout_;
    FakeWindowSystem& system_;
    bool loaded_ = false;
    bool visible_ = false;
    int left_ = 0;
    int top_ = 0;
    std::unique_ptr<FakeSurface> surface_;
    std::map<std::string, ControlState, std::less<>> controls_;
};

class FakeWindowSystem final : public WindowSystem {
public:
    FakeWindowSystem(FakeClock& clock, const PictureSource* pictures);
    // Shares decoded pictures with other window systems: many games in a row.
    FakeWindowSystem(FakeClock& clock, PictureCache& pictures);

    std::unique_ptr<Form> CreateForm(FormLayout layout) override;
    void MessageBox(std::string_view text, Form* owner) override;
    void Wait(double seconds) override;
    void Quit(int exitStatus) override;
    bool IsQuitting() const override { return quitting_; }
    int ExitStatus() const override { return exitStatus_; }
    void SetZoom(int zoom) override { zoom_ = zoom; }
    int Zoom() const override { return zoom_; }
    int LargestZoom() const override { return largestZoom; }
    void SetFullScreen(bool on) override { fullScreen_ = on; }
    bool IsFullScreen() const override { return fullScreen_; }
    // The screen's keys, pressed in whichever window has the keyboard.
    void Press(Command command);
    // As on a 1280 x 1024 screen.
    int largestZoom = 2;

    // Runs `action` when the virtual clock reaches `time`, inside whatever
    // wait is running then, as an event the real window system would
    // deliver (ProgramEnding stops at it).
    void At(double time, std::function<void()> action);
    void After(double delay, std::function<void()> action)
    {
        At(clock_.Now() + delay, std::move(action));
    }
    // The game's idle loop: delivers every action scheduled up to `time`.
    void RunUntil(double time);
    bool HasPendingActions() const { return !schedule_.empty(); }

    FakeForm* Find(std::string_view name) const;
    PictureCache& pictures() { return *cache_; }
    FakeClock& clock() { return clock_; }

    // Called while a message box or modal window is up; the default (none)
    // is the player pressing OK or the close box at once.
    std::function<void(std::string_view text)> onMessageBox;
    std::function<void(FakeForm& form)> onModal;
    // Makes every wait return after this share of its time, as a coarse
    // timer would; Delay must still last its full length.
    double waitShare = 1.0;

    // Given by the test as the program gives the real one; the captions
    // recorded are the ones given here.
    SystemTexts texts;

    std::vector<std::string> messages;
    std::vector<std::string> captions;
    int waits = 0;
    int deepestWait = 0;

    void Deliver(const std::function<void()>& action);
    // Whether input may reach this window: no modal window is up, or it is
    // the topmost one.
    bool TakesInput(const FakeForm& form) const;
    mutable int droppedInputs = 0;

private:
    friend class FakeForm;
    // The modal windows up, innermost last; a message box is a null entry.
    std::vector<const FakeForm*> modals_;
    void RunDue(double until);

    FakeClock& clock_;
    std::unique_ptr<PictureCache> ownCache_;
    PictureCache* cache_;
    std::multimap<double, std::function<void()>> schedule_;
    std::vector<FakeForm*> forms_;
    bool quitting_ = false;
    int exitStatus_ = 0;
    int depth_ = 0;
    int zoom_ = 1;
    bool fullScreen_ = false;
};

}  // namespace ui
