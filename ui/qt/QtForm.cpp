#include "ui/qt/QtForm.h"

#include "ui/qt/QtWindowSystem.h"

#include <QScreen>
#include <QTimer>

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
        surface_ = std::make_unique<QtSurface>(layout_.clientWidth, layout_.clientHeight,
                                               layout_.background, layout_.textColor, pictures_,
                                               SurfaceScale());
    }
    ApplyLook();
    Place({left_, top_});
    if (onKeyDown) {
        // The walking window starts with the focus on its map, not on its
        // first button, and takes the map into its tab cycle.
        widget_->setFocusPolicy(Qt::StrongFocus);
        widget_->setFocus(Qt::OtherFocusReason);
    }
    surface_->onDrawn = [this](const QRect& box) {
        if (widget_) widget_->update(widget_->ToWidget(box));
    };
}

void QtForm::Unload()
{
    if (!IsLoaded()) return;
    FormWidget* widget = widget_.data();
    left_ = Left();
    top_ = Top();
    widget_.clear();
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
    placed_ = true;
    Place({left, top});
}

bool QtForm::IsMain() const { return !system_.Forms().empty() && system_.Forms().front() == this; }

qreal QtForm::SurfaceScale() const
{
    return (layout_.pixelExact ? 1.0 : widget_->devicePixelRatioF()) *
        system_.PlacementOf(*this).factor;
}

// The game places windows in the design's pixels: the main window where it
// says, the others at their place over the main window's picture, as far
// apart as the picture is larger, and never off the screen.
void QtForm::Place(QPoint design)
{
    left_ = design.x();
    top_ = design.y();
    if (!IsLoaded()) return;
    if (IsMain() && widget_->isFullScreen()) return;  // the place to come back to
    zoom::Point at{design.x(), design.y()};
    if (!IsMain()) {
        const QPoint anchor = system_.Anchor();
        at = zoom::ToScreen(at, {anchor.x(), anchor.y()}, system_.PlacementOf(*this).factor);
    }
    const QRect room = system_.ScreenRoom();
    if (room.isValid()) {
        // Before it first shows, the window manager's frame is not known.
        const QSize size = widget_->isVisible() ? widget_->frameGeometry().size() : widget_->size();
        at = zoom::OnScreen(at, {size.width(), size.height()}, {room.x(), room.y()},
                            {room.width(), room.height()});
    }
    widget_->move(at.x, at.y);
}

QPoint QtForm::DesignPlace() const
{
    if (!IsLoaded()) return {left_, top_};
    if (IsMain()) return widget_->isFullScreen() ? system_.Anchor() : widget_->pos();
    const QPoint anchor = system_.Anchor();
    const zoom::Point at = zoom::FromScreen({widget_->x(), widget_->y()}, {anchor.x(), anchor.y()},
                                            system_.PlacementOf(*this).factor);
    return {at.x, at.y};
}

int QtForm::Left() const { return DesignPlace().x(); }
int QtForm::Top() const { return DesignPlace().y(); }

void QtForm::ApplyLook()
{
    if (!IsLoaded()) return;
    const bool full = IsMain() && system_.IsFullScreen();
    // The main window grows from where the player has put it.
    if (IsMain() && widget_->isVisible() && !widget_->isFullScreen()) {
        left_ = widget_->x();
        top_ = widget_->y();
    }
    if (full != widget_->isFullScreen()) {
        if (full) {
            // A window manager that frames the window fills the screen with
            // it, and would take a size asked for meanwhile as a resize of a
            // normal window; without one, nothing else does.
            const bool managed =
                widget_->isVisible() && widget_->frameGeometry() != widget_->geometry();
            widget_->setMinimumSize(0, 0);
            widget_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            widget_->setWindowState(widget_->windowState() | Qt::WindowFullScreen);
            // Once the change of state has gone through, or Qt undoes it.
            if (!managed) {
                QTimer::singleShot(0, widget_, [widget = widget_] {
                    if (widget && widget->isFullScreen() && widget->screen() != nullptr)
                        widget->setGeometry(widget->screen()->geometry());
                });
            }
        } else {
            widget_->setWindowState(widget_->windowState() & ~Qt::WindowFullScreen);
        }
    }
    widget_->Lay(system_.PlacementOf(*this));
    surface_->SetScale(SurfaceScale());
    if (IsMain() && !full) Place({left_, top_});
}

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
        widget_->update(widget_->ToWidget(it->second.box.adjusted(-1, -1, 1, 1)));
    }
}

void QtForm::SetText(ControlName control, std::string_view text)
{
    Load();
    widget_->SetPlace(std::string(control.str()), std::nullopt,
                      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
                          .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void QtForm::MoveControl(ControlName control, int left, int top)
{
    Load();
    if (Control(control.str()) != nullptr) {
        widget_->SetPlace(std::string(control.str()), QPoint(left, top), std::nullopt);
    } else if (auto it = widget_->shapes.find(control.str()); it != widget_->shapes.end()) {
        // Only where it was and where it is: at 4x the whole window is
        // most of a frame's time.
        widget_->update(widget_->ToWidget(it->second.box.adjusted(-1, -1, 1, 1)));
        it->second.box.moveTo(left, top);
        widget_->update(widget_->ToWidget(it->second.box.adjusted(-1, -1, 1, 1)));
    }
}

}  // namespace ui
