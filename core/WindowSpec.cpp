#include "core/WindowSpec.h"

#include "core/Texts.h"

ui::FormSpec WindowSpec(std::string name, int clientWidth, int clientHeight,
                        ui::Picture background, std::vector<ui::ControlSpec> controls,
                        ui::Color textColor)
{
    ui::FormSpec spec;
    spec.name = std::move(name);
    spec.caption = std::string(texts::Caption);
    spec.clientWidth = clientWidth;
    spec.clientHeight = clientHeight;
    spec.background = background;
    spec.textColor = textColor;
    spec.controls = std::move(controls);
    return spec;
}

ui::ControlSpec OkButton(int left, int top)
{
    return {"cmdOK", ui::ControlKind::Button, std::string(texts::OK), left, top, 81, 33};
}
