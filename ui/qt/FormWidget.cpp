#include "ui/qt/FormWidget.h"

#include "ui/qt/GameStyle.h"
#include "ui/qt/QtForm.h"
#include "ui/qt/QtWindowSystem.h"
#include "ui/qt/TextFitting.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <optional>

namespace ui {
namespace {

QString ToQt(const std::string& text)
{
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The window-wide keys: F1 the how-to-play card, the others the screen's;
// Ctrl++ is Shift with = on most keyboards, and the keypad's keys count too.
std::optional<Command> CommandOf(int key, Qt::KeyboardModifiers held)
{
    if (held == Qt::NoModifier) {
        if (key == Qt::Key_F1) return Command::Help;
        if (key == Qt::Key_F2) return Command::Settings;
        if (key == Qt::Key_F11) return Command::FullScreen;
    }
    if (held != Qt::ControlModifier) return std::nullopt;
    switch (key) {
    case Qt::Key_Equal:
    case Qt::Key_Plus: return Command::ZoomIn;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: return Command::ZoomOut;
    case Qt::Key_0:
    case Qt::Key_ParenRight: return Command::ZoomReset;
    default: return std::nullopt;
    }
}

}  // namespace

Qt::WindowFlags FormWidget::WindowFlags(bool owned)
{
    return (owned ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
        Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
}

FormWidget::FormWidget(const FormLayout& layout, QtForm& form)
    : QWidget(nullptr, WindowFlags(false)),
      form_(form),
      design_(layout.clientWidth, layout.clientHeight)
{
    setObjectName(QString::fromStdString(layout.name));
    setWindowTitle(QString::fromStdString(layout.caption));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A click on the picture takes the keyboard focus off the buttons.
    setFocusPolicy(Qt::ClickFocus);
    // Sizes, places and type come with Lay, at the window's zoom.
    for (const ControlLayout& c : layout.controls) {
        const std::string name(c.name.str());
        const QRect box(c.left, c.top, c.width, c.height);
        const QString text = ToQt(c.text);
        switch (c.kind) {
        case ControlKind::Button: {
            auto* button = new QPushButton(text, this);
            button->setObjectName(QString::fromStdString(name));
            button->setFocusPolicy(Qt::TabFocus);
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
            label->setWordWrap(true);
            if (c.onClick) {
                label->setCursor(Qt::PointingHandCursor);
                label->setToolTip(QString::fromStdString(c.tip));
                label->installEventFilter(this);
                links_[label] = c.onClick;
            } else {
                label->setAttribute(Qt::WA_TransparentForMouseEvents);
            }
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, QColor(c.color.r, c.color.g, c.color.b));
            label->setPalette(palette);
            controls[name] = label;
            break;
        }
        case ControlKind::Circle:
            shapes[name] = Shape{box, QColor(c.color.r, c.color.g, c.color.b), true};
            continue;
        }
        places_[name] = Place{box, text};
    }
}

void FormWidget::Lay(zoom::Placement placement)
{
    placement_ = placement;
    setProperty(ZoomProperty, placement.factor);
    if (!isFullScreen()) setFixedSize(design_ * placement.factor);
    for (const auto& [name, place] : places_) LayControl(name);
    update();
}

void FormWidget::LayControl(const std::string& name)
{
    const Place& place = places_.at(name);
    QWidget* control = controls.at(name);
    const int zoom = placement_.factor;
    control->setGeometry(ToWidget(place.box));
    QFont font = QApplication::font();
    font.setPixelSize(font.pixelSize() * zoom);
    auto* label = qobject_cast<QLabel*>(control);
    if (label) {
        label->setText(place.text);
        SetLabelPadding(*label, place.box, zoom);
    }
    if (label || qobject_cast<QPushButton*>(control))
        FitCaption(*control, font, place.text, label != nullptr, zoom);
}

void FormWidget::SetPlace(const std::string& name, std::optional<QPoint> at,
                          std::optional<QString> text)
{
    auto it = places_.find(name);
    if (it == places_.end()) return;
    if (at) it->second.box.moveTo(*at);
    if (text) it->second.text = *text;
    if (text) {
        LayControl(name);
    } else {
        controls.at(name)->setGeometry(ToWidget(it->second.box));
    }
}

QRect FormWidget::ToWidget(const QRect& design) const
{
    const int f = placement_.factor;
    return {placement_.origin.x + design.x() * f, placement_.origin.y + design.y() * f,
            design.width() * f, design.height() * f};
}

void FormWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect picture = ToWidget(QRect(QPoint(0, 0), design_));
    if (!picture.contains(event->rect())) {
        // Full screen: the picture on a dark surround.
        const QRegion surround = QRegion(rect()).subtracted(picture);
        for (const QRect& r : surround) painter.fillRect(r, QColor(0x10, 0x0C, 0x10));
    }
    painter.translate(picture.topLeft());
    painter.scale(placement_.factor, placement_.factor);
    // Pixel art: every map pixel becomes a sharp block at any scale. The
    // surface holds as many pixels as the window shows, so this is a copy.
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
    // Every zoom, and full screen's surround, sends the same room.
    const std::optional<zoom::DesignPoint> at = zoom::ToDesign(
        placement_, {design_.width(), design_.height()}, static_cast<float>(event->position().x()),
        static_cast<float>(event->position().y()));
    if (!at) return;
    const int button = event->button() == Qt::LeftButton ? 1
        : event->button() == Qt::RightButton             ? 2
                                                         : 4;
    form_.system().Guard([this, at, button] { form_.onMouseDown(button, at->x, at->y); });
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
    if (event->type() == QEvent::MouseButtonRelease) {
        auto link = links_.find(watched);
        auto* label = qobject_cast<QWidget*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (link != links_.end() && label != nullptr &&
            label->rect().contains(mouse->position().toPoint())) {
            form_.system().Guard(link->second);
            return true;
        }
    }
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
    if (const std::optional<Command> command = CommandOf(event.key(), held)) {
        if (!event.isAutoRepeat() && system.onCommand)
            system.Guard([&system, c = *command] { system.onCommand(c); });
        return true;
    }
    if (held != Qt::NoModifier) return false;
    if (Walk(event)) return true;
    if (event.isAutoRepeat()) return false;
    const bool isMain = system.MainWidget() == this;
    switch (event.key()) {
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

}  // namespace ui
