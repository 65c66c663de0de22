#include "ui/qt/QtForm.h"

#include "ui/qt/QtWindowSystem.h"

#include <QScreen>

#include <algorithm>
#include <cstdlib>

namespace ui {

QtForm::QtForm(FormLayout layout, QtWindowSystem& system, const QtPictures& pictures)
    : layout_(std::move(layout)),
      system_(system),
      pictures_(pictures)
{
    system_.Register(this);
}

QtForm::~QtForm()
{
    system_.Unregister(this);
    delete widget_.data();
}

void QtForm::Load()
{
    if (IsLoaded()) return;
    widget_ = new FormWidget(layout_, *this);
    if (surface_) {
        surface_->Clear();
    } else {
        const qreal scale = layout_.pixelExact ? 1.0 : widget_->devicePixelRatioF();
        surface_ =
            std::make_unique<QtSurface>(layout_.clientWidth, layout_.clientHeight,
                                        layout_.background, layout_.textColor, pictures_, scale);
    }
    widget_->move(left_, top_);
    if (onKeyDown) {
        // The walking window starts with the focus on its map, not on its
        // first button, and takes the map into its tab cycle.
        widget_->setFocusPolicy(Qt::StrongFocus);
        widget_->setFocus(Qt::OtherFocusReason);
    }
    surface_->onChanged = [this] {
        if (widget_) widget_->update();
    };
}

void QtForm::Unload()
{
    if (!IsLoaded()) return;
    FormWidget* widget = widget_.data();
    widget_.clear();
    left_ = widget->x();
    top_ = widget->y();
    const bool active = widget->isActiveWindow();
    widget->hide();
    if (active) system_.HandOnFocus(*widget);
    // Later: the widget may be in the middle of delivering the very click
    // that closes it.
    widget->deleteLater();
    system_.FormUnloaded(*this);
}

QtSurface& QtForm::qtSurface()
{
    Load();
    return *surface_;
}

Surface& QtForm::surface() { return qtSurface(); }

void QtForm::Move(int left, int top)
{
    Load();
    left_ = left;
    top_ = top;
    placed_ = true;
    widget_->move(left, top);
}

int QtForm::Left() const { return IsLoaded() ? widget_->x() : left_; }
int QtForm::Top() const { return IsLoaded() ? widget_->y() : top_; }

void QtForm::PrepareShow(Form* owner, Qt::WindowModality modality)
{
    Load();
    if (widget_->isVisible()) return;
    auto* ownerForm = dynamic_cast<QtForm*>(owner);
    QWidget* ownerWidget = ownerForm != nullptr ? ownerForm->widget() : nullptr;
    const Qt::WindowFlags flags = FormWidget::WindowFlags(ownerWidget != nullptr);
    if (widget_->parentWidget() != ownerWidget || widget_->windowFlags() != flags) {
        const QPoint at = widget_->pos();
        widget_->setParent(ownerWidget, flags);
        widget_->move(at);
    }
    widget_->setWindowModality(modality);
    if (!placed_) {
        // Never placed by the game: centred over the main window.
        QWidget* over = ownerWidget != nullptr ? ownerWidget : system_.MainWidget();
        if (over != nullptr && over != widget_) {
            const QRect frame = over->frameGeometry();
            widget_->move(
                Cascaded(frame.center() - QPoint(widget_->width() / 2, widget_->height() / 2)));
        }
    }
}

// Windows the game does not place open offset from one another, so a
// second department never hides the first; the offset stays on the screen.
QPoint QtForm::Cascaded(QPoint at) const
{
    constexpr int step = 28;
    std::vector<QPoint> taken;
    for (const QtForm* other : system_.Forms()) {
        if (other != this && other->IsVisible() && !other->WasPlaced())
            taken.push_back(other->widget()->pos());
    }
    const QScreen* screen = widget_->screen();
    const QRect room = screen != nullptr ? screen->availableGeometry() : QRect();
    // Windows of nearly one size centre within a pixel or two of each other.
    auto covered = [&taken](QPoint p) {
        return std::any_of(taken.begin(), taken.end(), [p](QPoint t) {
            return std::abs(t.x() - p.x()) < step && std::abs(t.y() - p.y()) < step;
        });
    };
    for (int tries = 0; tries < 8 && covered(at); ++tries) {
        at += QPoint(step, step);
        if (room.isValid()) {
            const QSize size = widget_->frameGeometry().size();
            at.setX(std::clamp(at.x(), room.left(),
                               std::max(room.left(), room.right() + 1 - size.width())));
            at.setY(std::clamp(at.y(), room.top(),
                               std::max(room.top(), room.bottom() + 1 - size.height())));
        }
    }
    return at;
}

void QtForm::ShowModeless(Form* owner)
{
    PrepareShow(owner, Qt::NonModal);
    BringForward();
}

void QtForm::ShowModal(Form* owner)
{
    if (system_.IsQuitting()) throw ProgramEnding{};
    PrepareShow(owner, Qt::ApplicationModal);
    BringForward();
    system_.RunUntilUnloaded(*this);
}

// Every window the game shows is what the player looks at next: on top,
// with the keyboard. Qt stamps the request with the time of the input
// being handled, the click that asked for the window, which is what lets
// a window manager's focus-stealing prevention grant it.
void QtForm::BringForward()
{
    widget_->show();
    widget_->raise();
    widget_->activateWindow();
    system_.CameForward(*this);
}

QWidget* QtForm::Control(std::string_view name) const
{
    if (!IsLoaded()) return nullptr;
    auto it = widget_->controls.find(name);
    return it == widget_->controls.end() ? nullptr : it->second;
}

void QtForm::SetEnabled(ControlName control, bool enabled)
{
    Load();
    if (QWidget* w = Control(control.str())) {
        if (!enabled) widget_->ControlLeaving(w);
        w->setEnabled(enabled);
        if (enabled) widget_->ControlReturning(w);
    }
}

bool QtForm::IsEnabled(ControlName control) const
{
    QWidget* w = Control(control.str());
    return w != nullptr && w->isEnabled();
}

void QtForm::SetVisible(ControlName control, bool visible)
{
    Load();
    if (QWidget* w = Control(control.str())) {
        if (!visible) widget_->ControlLeaving(w);
        w->setVisible(visible);
        if (visible) widget_->ControlReturning(w);
    } else if (auto it = widget_->shapes.find(control.str()); it != widget_->shapes.end()) {
        it->second.visible = visible;
        widget_->update();
    }
}

void QtForm::MoveControl(ControlName control, int left, int top)
{
    Load();
    if (QWidget* w = Control(control.str())) {
        w->move(left, top);
    } else if (auto it = widget_->shapes.find(control.str()); it != widget_->shapes.end()) {
        it->second.box.moveTo(left, top);
        widget_->update();
    }
}

}  // namespace ui
