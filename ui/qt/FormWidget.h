#pragma once

#include "ui/Zoom.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <optional>
#include <string>

class QPushButton;

namespace ui {

struct FormLayout;
class QtForm;

// The native window of a loaded form: paints the form's surface and its
// floating shapes, and forwards clicks and close requests.
class FormWidget final : public QWidget {
public:
    FormWidget(const FormLayout& layout, QtForm& form);

    // A window with an owner is a dialog transient for the owner's window,
    // so window managers keep it above that window and place it with it.
    // One without is a normal top-level window: the main window and the
    // town's departments. (A parentless dialog would be transient for Qt's
    // hidden group leader instead, which window managers stack by rules of
    // their own: mutter and KWin put a department opened from the hub
    // behind the main window.)
    static Qt::WindowFlags WindowFlags(bool owned);

    struct Shape {
        QRect box;
        QColor color;
        bool visible = true;
    };
    std::map<std::string, QWidget*, std::less<>> controls;
    std::map<std::string, Shape, std::less<>> shapes;

    // Keyboard focus around a control that is about to be disabled or
    // hidden, and that is enabled or shown again.
    void ControlLeaving(QWidget* control);
    void ControlReturning(QWidget* control);

    // Sizes and places every control and its type for this placement of
    // the picture; text is fitted again at the new size, not blown up.
    void Lay(zoom::Placement placement);
    // A control moved (in the design's pixels) or given a new caption.
    void SetPlace(const std::string& name, std::optional<QPoint> at, std::optional<QString> text);
    // A rectangle of the design drawn in this window.
    QRect ToWidget(const QRect& design) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool HandleKey(const QKeyEvent& event);
    bool Walk(const QKeyEvent& event);
    QPushButton* OkButton() const;

    void LayControl(const std::string& name);

    QtForm& form_;
    QPointer<QWidget> focusReturnsTo_;
    QSize design_;
    zoom::Placement placement_;
    // Each control's box in the design's pixels and its caption as given.
    struct Place {
        QRect box;
        QString text;
    };
    std::map<std::string, Place, std::less<>> places_;
    // Labels that are links, and what a click on one does.
    std::map<QObject*, std::function<void()>> links_;
};

}  // namespace ui
