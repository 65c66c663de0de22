#include "core/WindowLayout.h"

#include "core/Texts.h"

ui::FormLayout WindowLayout(std::string name, int clientWidth, int clientHeight,
                            ui::Picture background, std::vector<ui::ControlLayout> controls,
                            ui::Color textColor)
{
    ui::FormLayout layout;
    layout.name = std::move(name);
    layout.caption = std::string(texts::Caption);
    layout.clientWidth = clientWidth;
    layout.clientHeight = clientHeight;
    layout.background = background;
    layout.textColor = textColor;
    layout.controls = std::move(controls);
    return layout;
}

ui::SystemTexts GameSystemTexts()
{
    return {std::string(texts::MessageBoxCaption), std::string(texts::OK),
            std::string(texts::UnexpectedError)};
}

ui::ControlLayout OkButton(int left, int top, std::function<void()> onClick)
{
    return {cmdOK,     ui::ControlKind::Button, std::string(texts::OK), left, top, 81, 33,
            ui::Black, std::move(onClick)};
}

void PlaceBeside(ui::Form& window, const ui::Form& main, Offset offset)
{
    window.Move(main.Left() + TwipsToPixels(offset.right), main.Top() + TwipsToPixels(offset.down));
}
