#include "ui/fake/FakeWindowSystem.h"

#include <algorithm>
#include <stdexcept>

namespace ui {

FakeForm::FakeForm(FormLayout layout, FakeWindowSystem& system)
    : layout_(std::move(layout)),
      system_(system)
{
    system_.forms_.push_back(this);
}

FakeForm::~FakeForm()
{
    auto& forms = system_.forms_;
    forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
}

void FakeForm::Load()
{
    if (loaded_) return;
    loaded_ = true;
    visible_ = false;
    modal = false;
    owner = nullptr;
    ++loads;
    // The same surface object for the window's whole life, as the Qt one:
    // a reference taken before a reload stays good.
    if (surface_) {
        surface_->Clear();
        surface_->clears = 0;
    } else {
        surface_ = std::make_unique<FakeSurface>(layout_.clientWidth, layout_.clientHeight,
                                                 layout_.background, system_.pictures());
    }
    controls_.clear();
    for (const ControlLayout& c : layout_.controls) {
        controls_[std::string(c.name.str())] = ControlState{true, true, c.left, c.top, c.text};
    }
}

void FakeForm::Unload()
{
    loaded_ = false;
    visible_ = false;
}

Surface& FakeForm::surface() { return fakeSurface(); }

FakeSurface& FakeForm::fakeSurface()
{
    Load();
    return *surface_;
}

void FakeForm::Move(int left, int top)
{
    Load();
    left_ = left;
    top_ = top;
}

void FakeForm::ShowModeless(Form* ownerForm)
{
    Load();
    owner = ownerForm;
    modal = false;
    visible_ = true;
    ++shows;
}

void FakeForm::ShowModal(Form* ownerForm)
{
    if (system_.IsQuitting()) throw ProgramEnding{};
    Load();
    owner = ownerForm;
    modal = true;
    visible_ = true;
    ++shows;
    system_.modals_.push_back(this);
    if (system_.onModal) system_.Deliver([this] { system_.onModal(*this); });
    system_.modals_.pop_back();
    if (system_.IsQuitting()) throw ProgramEnding{};
    Unload();  // the player closes it, if the hook did not
}

FakeForm::ControlState& FakeForm::State(std::string_view control)
{
    Load();
    auto it = controls_.find(control);
    if (it == controls_.end()) throw std::logic_error("no control " + std::string(control));
    return it->second;
}

const FakeForm::ControlState& FakeForm::State(std::string_view control) const
{
    auto it = controls_.find(control);
    if (it == controls_.end()) throw std::logic_error("no control " + std::string(control));
    return it->second;
}

void FakeForm::SetEnabled(ControlName control, bool enabled)
{
    State(control.str()).enabled = enabled;
}

bool FakeForm::IsEnabled(ControlName control) const
{
    return loaded_ && State(control.str()).enabled;
}

void FakeForm::SetVisible(ControlName control, bool visible)
{
    State(control.str()).visible = visible;
}

bool FakeForm::IsControlVisible(ControlName control) const
{
    return loaded_ && State(control.str()).visible;
}

void FakeForm::MoveControl(ControlName control, int left, int top)
{
    ControlState& s = State(control.str());
    s.left = left;
    s.top = top;
}

void FakeForm::SetText(ControlName control, std::string_view text)
{
    State(control.str()).text = text;
}

const std::string& FakeForm::Text(ControlName control) const { return State(control.str()).text; }

FakeForm::Place FakeForm::ControlPlace(ControlName control) const
{
    const ControlState& s = State(control.str());
    return {s.left, s.top};
}

bool FakeForm::Click(ControlName control)
{
    if (!IsVisible() || !IsEnabled(control) || !IsControlVisible(control)) return false;
    if (!system_.TakesInput(*this)) return false;
    for (const ControlLayout& c : layout_.controls) {
        if (c.name == control && c.onClick) system_.Deliver(c.onClick);
    }
    return true;
}

void FakeForm::MouseDown(float x, float y, int button)
{
    if (!IsVisible() || !onMouseDown || !system_.TakesInput(*this)) return;
    system_.Deliver([this, x, y, button] { onMouseDown(button, x, y); });
}

void FakeForm::KeyDown(Key key)
{
    if (!IsVisible() || !onKeyDown || !system_.TakesInput(*this)) return;
    system_.Deliver([this, key] { onKeyDown(key); });
}

bool FakeForm::RequestClose()
{
    if (!IsVisible() || !system_.TakesInput(*this)) return false;
    bool refused = false;
    if (onQueryUnload) system_.Deliver([this, &refused] { refused = onQueryUnload(); });
    if (refused || !loaded_) return !loaded_;
    Unload();
    return true;
}

FakeWindowSystem::FakeWindowSystem(FakeClock& clock, const PictureSource* pictures)
    : clock_(clock),
      ownCache_(std::make_unique<PictureCache>(pictures)),
      cache_(ownCache_.get())
{
}

FakeWindowSystem::FakeWindowSystem(FakeClock& clock, PictureCache& pictures)
    : clock_(clock),
      cache_(&pictures)
{
}

std::unique_ptr<Form> FakeWindowSystem::CreateForm(FormLayout layout)
{
    return std::make_unique<FakeForm>(std::move(layout), *this);
}

void FakeWindowSystem::MessageBox(std::string_view text, Form* /*owner*/)
{
    if (quitting_) throw ProgramEnding{};
    messages.emplace_back(text);
    captions.push_back(texts.caption);
    modals_.push_back(nullptr);
    if (onMessageBox) Deliver([this, t = std::string(text)] { onMessageBox(t); });
    modals_.pop_back();
    if (quitting_) throw ProgramEnding{};
}

bool FakeWindowSystem::TakesInput(const FakeForm& form) const
{
    if (modals_.empty() || modals_.back() == &form) return true;
    ++droppedInputs;
    return false;
}

void FakeWindowSystem::Deliver(const std::function<void()>& action)
{
    try {
        action();
    } catch (const ProgramEnding&) {
        // The event entry of the real window system stops it here too.
    }
}

void FakeWindowSystem::Press(Command command)
{
    if (onCommand) Deliver([this, command] { onCommand(command); });
}

void FakeWindowSystem::RunDue(double until)
{
    while (!schedule_.empty() && schedule_.begin()->first <= until && !quitting_) {
        auto it = schedule_.begin();
        clock_.AdvanceTo(it->first);
        std::function<void()> action = std::move(it->second);
        schedule_.erase(it);
        Deliver(action);
    }
}

void FakeWindowSystem::Wait(double seconds)
{
    if (quitting_) throw ProgramEnding{};
    ++waits;
    ++depth_;
    deepestWait = std::max(deepestWait, depth_);
    // An early wake-up still lets at least a millisecond pass, as a timer does.
    const double wanted = std::max(0.0, seconds);
    const double until = clock_.Now() + std::max(wanted * waitShare, std::min(wanted, 0.001));
    RunDue(until);
    --depth_;
    if (quitting_) throw ProgramEnding{};
    clock_.AdvanceTo(until);
}

void FakeWindowSystem::RunUntil(double time)
{
    RunDue(time);
    clock_.AdvanceTo(time);
}

void FakeWindowSystem::At(double time, std::function<void()> action)
{
    schedule_.emplace(time, std::move(action));
}

void FakeWindowSystem::Quit(int exitStatus)
{
    if (!quitting_) exitStatus_ = exitStatus;
    quitting_ = true;
    for (FakeForm* form : forms_) form->Unload();
}

FakeForm* FakeWindowSystem::Find(std::string_view name) const
{
    for (FakeForm* form : forms_) {
        if (form->layout().name == name) return form;
    }
    return nullptr;
}

}  // namespace ui
