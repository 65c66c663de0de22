#pragma once

#include "ui/Form.h"
#include "ui/qt/FormWidget.h"
#include "ui/qt/QtSurface.h"

#include <QPointer>
#include <QWidget>

#include <memory>
#include <string>

namespace ui {

class QtWindowSystem;

class QtForm final : public Form {
public:
    QtForm(FormLayout layout, QtWindowSystem& system, const QtPictures& pictures);
    ~QtForm() override;

    void Load() override;
    bool IsLoaded() const override { return !widget_.isNull(); }
    bool IsVisible() const override { return IsLoaded() && widget_->isVisible(); }
    void Unload() override;
    Surface& surface() override;
    void Move(int left, int top) override;
    int Left() const override;
    int Top() const override;
    void ShowModeless(Form* owner) override;
    void ShowModal(Form* owner) override;
    void SetEnabled(ControlName control, bool enabled) override;
    bool IsEnabled(ControlName control) const override;
    void SetVisible(ControlName control, bool visible) override;
    void MoveControl(ControlName control, int left, int top) override;
    void SetText(ControlName control, std::string_view text) override;

    QWidget* widget() const { return widget_.data(); }
    QtSurface& qtSurface();
    const FormLayout& layout() const { return layout_; }
    QtWindowSystem& system() { return system_; }
    // Placed by the game with Move, rather than by the window system.
    bool WasPlaced() const { return placed_; }

    // Draws the window at the window system's zoom, or full screen.
    void ApplyLook();
    // Moves it as the game's Move does, without counting as placed by it.
    void Place(QPoint design);

private:
    QWidget* Control(std::string_view name) const;
    void PrepareShow(Form* owner, Qt::WindowModality modality);
    void BringForward();
    QPoint Cascaded(QPoint at) const;
    bool IsMain() const;
    qreal SurfaceScale() const;
    QPoint DesignPlace() const;

    FormLayout layout_;
    QtWindowSystem& system_;
    const QtPictures& pictures_;
    QPointer<FormWidget> widget_;
    std::unique_ptr<QtSurface> surface_;
    // Where the game put the window, in the design's pixels.
    int left_ = 0;
    int top_ = 0;
    bool placed_ = false;
};

}  // namespace ui
