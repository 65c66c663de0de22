#include "ui/qt/QtForm.h"

#include "ui/qt/QtWindowSystem.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace ui {
namespace {

QString ToQt(const std::string& text)
{
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// A caption too big for its control gets a smaller type rather than being
// clipped: labels wrap at the box's width; a one-line button caption that
// would shrink below a readable size is broken in two at its most balanced
// point instead. Returns the text to show.
QString FitText(QWidget& control, const QString& text, bool label)
{
    QFont font = control.font();
    // A trailing line break adds no ink; a label's glyphs may overhang its
    // box by a few pixels of empty line spacing.
    QString ink = text;
    while (ink.endsWith('\n')) ink.chop(1);
    const QRect inside = control.contentsRect();
    const QRect room = label ? QRect(0, 0, inside.width(), inside.height() + 4)
                             : QRect(0, 0, control.width() - 6, control.height() - 2);
    auto fits = [&room, label](const QFont& f, const QString& t) {
        const QRect need = QFontMetrics(f).boundingRect(room, label ? Qt::TextWordWrap : 0, t);
        return need.width() <= room.width() && need.height() <= room.height();
    };
    constexpr int smallest = 9;
    constexpr int readable = 11;
    const int largest = font.pixelSize();
    for (int size = largest; size >= smallest; --size) {
        font.setPixelSize(size);
        // Small type in a label is hinted to whole pixels, so dense
        // characters keep their strokes apart; that makes its lines taller,
        // so the fitting measures it so.
        if (label && size <= 10) font.setHintingPreference(QFont::PreferFullHinting);
        if (fits(font, ink)) {
            control.setFont(font);
            return text;
        }
        if (label || ink.contains('\n') || size > readable) continue;
        // Two lines at a readable size beat one line too small to read.
        QString best;
        int bestWidth = room.width() + 1;
        for (int cut = 1; cut < ink.size(); ++cut) {
            if (ink[cut - 1].isLetter() && ink[cut].isLetter() && ink[cut - 1].unicode() < 128 &&
                ink[cut].unicode() < 128) {
                continue;  // never inside a Latin word
            }
            const QString two = ink.left(cut) + '\n' + ink.mid(cut);
            const QFontMetrics m(font);
            const int widest =
                std::max(m.horizontalAdvance(ink.left(cut)), m.horizontalAdvance(ink.mid(cut)));
            if (widest < bestWidth && fits(font, two)) {
                best = two;
                bestWidth = widest;
            }
        }
        if (!best.isEmpty()) {
            control.setFont(font);
            return best;
        }
    }
    control.setFont(font);
    return text;
}

// ---- Labels: padding and type ---------------------------------------------

// Text set against the window's own edge would touch its frame: such a
// label keeps its text a few pixels in from that edge.
void SetLabelPadding(QLabel& label, const QRect& box)
{
    constexpr int pad = 6;
    label.setContentsMargins(box.left() <= 0 ? pad : 0, box.top() <= 0 ? 3 : 0,
                             box.left() <= 0 ? 2 : 0, 0);
}

// A label whose text needs less height than its box sits in the middle of
// it, clear of whatever borders the box above and below (the disclaimer
// starts where the buttons end); a text ending in a line break keeps to the
// top, as written.
void SetLabelType(QLabel& label, const QString& text)
{
    QString ink = text;
    while (ink.endsWith('\n')) ink.chop(1);
    const QFont font = label.font();
    const QRect inside = label.contentsRect();
    const QRect need = QFontMetrics(font).boundingRect(inside, Qt::TextWordWrap, ink);
    if (need.height() < inside.height() && ink.size() == text.size()) {
        label.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
}

// A window with an owner is a dialog transient for the owner's window, so
// window managers keep it above that window and place it with it. One
// without is a normal top-level window: the main window and the town's
// departments. (A parentless dialog would be transient for Qt's hidden group
// leader instead, which window managers stack by rules of their own: mutter
// and KWin put a department opened from the hub behind the main window.)
Qt::WindowFlags WindowFlags(bool owned)
{
    return (owned ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
        Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
}

}  // namespace

FormWidget::FormWidget(const FormLayout& layout, QtForm& form)
    : QWidget(nullptr, WindowFlags(false)),
      form_(form)
{
    setObjectName(QString::fromStdString(layout.name));
    setWindowTitle(QString::fromStdString(layout.caption));
    setFixedSize(layout.clientWidth, layout.clientHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A click on the picture takes the keyboard focus off the buttons.
    setFocusPolicy(Qt::ClickFocus);
    for (const ControlLayout& c : layout.controls) {
        const std::string name(c.name.str());
        const QRect box(c.left, c.top, c.width, c.height);
        const QString text = ToQt(c.text);
        switch (c.kind) {
        case ControlKind::Button: {
            auto* button = new QPushButton(text, this);
            button->setObjectName(QString::fromStdString(name));
            button->setGeometry(box);
            button->setFocusPolicy(Qt::TabFocus);
            button->setText(FitText(*button, text, false));
            button->installEventFilter(this);  // the window's keys come first
            QObject::connect(button, &QPushButton::clicked, this, [this, click = c.onClick] {
                if (click) form_.system().Guard(click);
            });
            controls[name] = button;
            break;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(text, this);
            label->setObjectName(QString::fromStdString(name));
            label->setGeometry(box);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setAttribute(Qt::WA_TransparentForMouseEvents);
            SetLabelPadding(*label, box);
            FitText(*label, text, true);  // labels wrap by themselves
            // A label breaks its lines a little otherwise than the font's
            // own measure: shrink on while the label says it would clip.
            for (QFont font = label->font();
                 label->heightForWidth(box.width()) > box.height() + 4 && font.pixelSize() > 9;) {
                font.setPixelSize(font.pixelSize() - 1);
                label->setFont(font);
            }
            SetLabelType(*label, text);
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, QColor(c.color.r, c.color.g, c.color.b));
            label->setPalette(palette);
            controls[name] = label;
            break;
        }
        case ControlKind::Circle:
            shapes[name] = Shape{box, QColor(c.color.r, c.color.g, c.color.b), true};
            break;
        }
    }
}

void FormWidget::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    // Pixel art: every map pixel becomes a sharp block at any scale.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(0, 0, form_.qtSurface().image());
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    for (const auto& [name, shape] : shapes) {
        if (!shape.visible) continue;
        painter.setPen(shape.color);
        painter.drawEllipse(shape.box.adjusted(0, 0, -1, -1));
    }
}

void FormWidget::mousePressEvent(QMouseEvent* event)
{
    if (!form_.onMouseDown) return;
    const QPointF at = event->position();
    const int button = event->button() == Qt::LeftButton ? 1
        : event->button() == Qt::RightButton             ? 2
                                                         : 4;
    form_.system().Guard([this, at, button] {
        form_.onMouseDown(button, static_cast<float>(at.x()), static_cast<float>(at.y()));
    });
}

// ---- Keyboard --------------------------------------------------------------
// Every key of a game window is looked at here before the focused button
// sees it: push buttons would take the arrows to move the focus, and would
// ignore Enter outside a dialog class.

void FormWidget::keyPressEvent(QKeyEvent* event)
{
    if (!HandleKey(*event)) QWidget::keyPressEvent(event);
}

bool FormWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && HandleKey(*static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool FormWidget::HandleKey(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers held =
        event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    QtWindowSystem& system = form_.system();
    if (event.key() == Qt::Key_Q && held == Qt::ControlModifier) {
        // Quitting on purpose: what the main window's close box does.
        if (QWidget* main = system.MainWidget()) main->close();
        return true;
    }
    if (held != Qt::NoModifier) return false;
    if (Walk(event)) return true;
    if (event.isAutoRepeat()) return false;
    const bool isMain = system.MainWidget() == this;
    switch (event.key()) {
    case Qt::Key_F1:
        if (system.onCommand) system.Guard([&system] { system.onCommand(Command::Help); });
        return true;
    case Qt::Key_Escape:
        // As the close box, with the same right to refuse. Not on the main
        // window: there a stray Escape would end the game.
        if (isMain) return false;
        close();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        if (auto* focused = qobject_cast<QPushButton*>(focusWidget());
            focused != nullptr && focused->isEnabled() && focused->isVisible()) {
            focused->click();
            return true;
        }
        QPushButton* ok = OkButton();
        if (ok == nullptr) return false;
        if (ok->isVisibleTo(this)) {
            if (ok->isEnabled()) ok->click();
        } else {
            close();  // a notice whose button was taken away: Enter closes it
        }
        return true;
    }
    default: return false;
    }
}

bool FormWidget::Walk(const QKeyEvent& event)
{
    std::optional<Key> key;
    switch (event.key()) {
    case Qt::Key_Up:
    case Qt::Key_W: key = Key::Up; break;
    case Qt::Key_Right:
    case Qt::Key_D: key = Key::Right; break;
    case Qt::Key_Down:
    case Qt::Key_S: key = Key::Down; break;
    case Qt::Key_Left:
    case Qt::Key_A: key = Key::Left; break;
    default: break;
    }
    if (!key || !form_.onKeyDown) return false;
    // One press, one step: a held key would walk on through rooms and
    // pauses with every repeat.
    if (event.isAutoRepeat()) return true;
    form_.system().Guard([this, k = *key] { form_.onKeyDown(k); });
    return true;
}

QPushButton* FormWidget::OkButton() const
{
    const QString ok = QString::fromStdString(form_.system().Texts().ok);
    for (QPushButton* button : findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
        if (button->text() == ok) return button;
    }
    return nullptr;
}

// Qt hands the focus of a control being disabled or hidden to the next
// control in the tab chain: during a fight that is 退出, one Space away
// from losing the game. The focus waits on the window itself instead and
// goes back when the control does, unless the player has moved it since.
void FormWidget::ControlLeaving(QWidget* control)
{
    if (focusWidget() != control) return;
    focusReturnsTo_ = control;
    setFocus(Qt::OtherFocusReason);
}

void FormWidget::ControlReturning(QWidget* control)
{
    if (focusReturnsTo_ != control) return;
    if (!control->isEnabled() || !control->isVisibleTo(this)) return;
    focusReturnsTo_.clear();
    if (focusWidget() == this || focusWidget() == nullptr) control->setFocus(Qt::OtherFocusReason);
}

void FormWidget::changeEvent(QEvent* event)
{
    // Clicked or given the focus by the window manager: now the front one.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        form_.system().CameForward(form_);
    QWidget::changeEvent(event);
}

void FormWidget::closeEvent(QCloseEvent* event)
{
    QtWindowSystem& system = form_.system();
    if (!system.IsQuitting() && form_.onQueryUnload) {
        bool refused = false;
        system.Guard([this, &refused] { refused = form_.onQueryUnload(); });
        if (refused && !system.IsQuitting()) {
            event->ignore();
            return;
        }
    }
    event->accept();
    form_.Unload();
}

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
    const Qt::WindowFlags flags = WindowFlags(ownerWidget != nullptr);
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
