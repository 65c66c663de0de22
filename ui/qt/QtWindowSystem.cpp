#include "ui/qt/QtWindowSystem.h"

#include "ui/qt/GameStyle.h"
#include "ui/qt/QtForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QIcon>
#include <QImage>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>

namespace ui {

bool SetGameIcon(const QString& folder)
{
    if (!QGuiApplication::windowIcon().isNull()) return true;
    // The 64-pixel picture alone: X copies every size a window's icon has
    // into a property of each window when it first shows, and the 256-pixel
    // one cost 0.8 MiB then. Desktops draw their larger icons from the
    // installed entry's theme icons.
    QImage image;
    if (!ReadPng(QDir(folder).filePath(QStringLiteral("Icon.png")), &image)) return false;
    QGuiApplication::setWindowIcon(QIcon(QPixmap::fromImage(image)));
    return true;
}

QtWindowSystem::QtWindowSystem(const QtPictures& pictures, SystemTexts texts)
    : pictures_(pictures),
      texts_(std::move(texts))
{
}

QtWindowSystem::~QtWindowSystem() = default;

std::unique_ptr<Form> QtWindowSystem::CreateForm(FormLayout layout)
{
    return std::make_unique<QtForm>(std::move(layout), *this, pictures_);
}

QWidget* QtWindowSystem::MainWidget() const
{
    return forms_.empty() ? nullptr : forms_.front()->widget();
}

void QtWindowSystem::Register(QtForm* form) { forms_.push_back(form); }

void QtWindowSystem::Unregister(QtForm* form)
{
    std::erase(forms_, form);
    std::erase(front_, form);
}

void QtWindowSystem::CameForward(QtForm& form)
{
    std::erase(front_, &form);
    front_.push_back(&form);
}

void QtWindowSystem::HandOnFocus(const QWidget& closed)
{
    if (quitting_) return;
    for (auto it = front_.rbegin(); it != front_.rend(); ++it) {
        QWidget* widget = (*it)->widget();
        if (widget == nullptr || widget == &closed || !widget->isVisible()) continue;
        widget->raise();
        widget->activateWindow();
        return;
    }
}

QWidget* QtWindowSystem::OwnerWidget(Form* owner) const
{
    if (auto* form = dynamic_cast<QtForm*>(owner); form != nullptr && form->IsVisible()) {
        return form->widget();
    }
    // Without an owner, centre over the main window, the first one made.
    for (QtForm* form : forms_) {
        if (form->IsVisible()) return form->widget();
    }
    return nullptr;
}

QScreen* QtWindowSystem::Screen() const
{
    QWidget* main = MainWidget();
    QScreen* screen = main != nullptr ? main->screen() : nullptr;
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

QRect QtWindowSystem::ScreenRoom() const
{
    const QScreen* screen = Screen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

int QtWindowSystem::LargestZoom() const
{
    const QScreen* screen = Screen();
    if (forms_.empty() || screen == nullptr) return 1;
    const FormLayout& main = forms_.front()->layout();
    QSize room = screen->availableGeometry().size();
    // The window manager's frame needs its room too, once it is known.
    if (const QWidget* widget = MainWidget();
        widget != nullptr && widget->isVisible() && !widget->isFullScreen()) {
        room -= widget->frameGeometry().size() - widget->size();
    }
    return zoom::LargestFitting({main.clientWidth, main.clientHeight},
                                {room.width(), room.height()}, zoom::LargestFactor);
}

zoom::Placement QtWindowSystem::PlacementOf(const QtForm& form) const
{
    const QScreen* screen = Screen();
    if (!fullScreen_ || forms_.empty() || screen == nullptr) return {zoom_, {}};
    const FormLayout& main = forms_.front()->layout();
    const QSize size = screen->geometry().size();
    const zoom::Placement full =
        zoom::FullScreen({main.clientWidth, main.clientHeight}, {size.width(), size.height()});
    return &form == forms_.front() ? full : zoom::Placement{full.factor, {}};
}

QPoint QtWindowSystem::Anchor() const
{
    if (forms_.empty() || !forms_.front()->IsLoaded()) return {};
    const QWidget* main = forms_.front()->widget();
    const zoom::Point origin = PlacementOf(*forms_.front()).origin;
    return main->pos() + QPoint(origin.x, origin.y);
}

void QtWindowSystem::Relayout(const std::function<void()>& change)
{
    std::vector<std::pair<QtForm*, QPoint>> places;
    for (QtForm* form : forms_) {
        if (form != forms_.front() && form->IsLoaded())
            places.emplace_back(form, QPoint(form->Left(), form->Top()));
    }
    change();
    if (!forms_.empty()) forms_.front()->ApplyLook();
    for (const auto& [form, at] : places) {
        form->ApplyLook();
        form->Place(at);
    }
}

void QtWindowSystem::SetZoom(int zoom)
{
    zoom = std::clamp(zoom, 1, zoom::LargestFactor);
    if (zoom != zoom_) Relayout([this, zoom] { zoom_ = zoom; });
}

void QtWindowSystem::SetFullScreen(bool on)
{
    if (on != fullScreen_) Relayout([this, on] { fullScreen_ = on; });
}

void QtWindowSystem::MessageBox(std::string_view text, Form* owner)
{
    if (quitting_) throw ProgramEnding{};
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(texts_.caption),
                    QString::fromUtf8(text.data(), static_cast<int>(text.size()))
                        .replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                    QMessageBox::Ok, OwnerWidget(owner));
    box.setWindowModality(Qt::ApplicationModal);
    // As large as the game's windows: larger type and button frames.
    const int factor = forms_.empty() ? zoom_ : PlacementOf(*forms_.front()).factor;
    QFont font = QApplication::font();
    font.setPixelSize(font.pixelSize() * factor);
    box.setFont(font);
    box.setProperty(ZoomProperty, factor);
    // The game's own word on its one button, not the toolkit's English.
    if (QAbstractButton* ok = box.button(QMessageBox::Ok)) {
        ok->setText(QString::fromStdString(texts_.ok));
        ok->setIcon(QIcon());
    }
    QEventLoop loop;
    QObject::connect(&box, &QMessageBox::finished, &loop, &QEventLoop::quit);
    box.show();
    box.raise();
    box.activateWindow();
    loops_.push_back({&loop, nullptr});
    loop.exec();
    std::erase_if(loops_, [&loop](const Loop& l) { return l.loop == &loop; });
    if (quitting_) throw ProgramEnding{};
    HandOnFocus(box);
}

void QtWindowSystem::Wait(double seconds)
{
    if (quitting_) throw ProgramEnding{};
    QEventLoop loop;
    QTimer timer;
    // The default coarse timer may fire early or 5% late; the game's pause
    // checks the clock anyway, but a precise timer saves a second round.
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(static_cast<int>(std::ceil(std::max(0.0, seconds) * 1000.0)));
    loops_.push_back({&loop, nullptr});
    loop.exec();
    std::erase_if(loops_, [&loop](const Loop& l) { return l.loop == &loop; });
    if (quitting_) throw ProgramEnding{};
}

void QtWindowSystem::RunUntilUnloaded(QtForm& form)
{
    while (form.IsLoaded() && !quitting_) {
        QEventLoop loop;
        loops_.push_back({&loop, &form});
        loop.exec();
        std::erase_if(loops_, [&loop](const Loop& l) { return l.loop == &loop; });
    }
    if (quitting_) throw ProgramEnding{};
}

void QtWindowSystem::FormUnloaded(QtForm& form)
{
    for (const Loop& l : loops_) {
        if (l.waitingFor == &form) l.loop->quit();
    }
}

void QtWindowSystem::Quit(int exitStatus)
{
    if (quitting_) return;
    quitting_ = true;
    exitStatus_ = exitStatus;
    for (const Loop& l : loops_) l.loop->quit();
    for (QtForm* form : std::vector<QtForm*>(forms_)) form->Unload();
    QCoreApplication::exit(exitStatus);
}

void QtWindowSystem::Guard(const std::function<void()>& action)
{
    try {
        action();
    } catch (const ProgramEnding&) {
        // The game has ended; the waits above are unwinding too.
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gorvak: %s\n", e.what());
        if (!quitting_) {
            try {
                MessageBox(texts_.unexpectedError, nullptr);
            } catch (const ProgramEnding&) {
            }
            Quit(1);
        }
    } catch (...) {
        std::fprintf(stderr, "gorvak: unexpected error\n");
        Quit(1);
    }
}

}  // namespace ui
