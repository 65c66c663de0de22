#include "exploration/frmStatus.h"

#include "core/Texts.h"
#include "core/WindowLayout.h"
#include "ui/WindowSystem.h"

frmStatus::frmStatus(ui::WindowSystem& windows)
    : form_(windows.CreateForm(Layout(this)))
{
}

ui::FormLayout frmStatus::Layout(frmStatus* window)
{
    return WindowLayout("frmStatus", 202, 236, ui::Picture::Status,
                        {{Label1, ui::ControlKind::Label, std::string(texts::StatusTitle), 16, 24,
                          169, 17, ui::RGB(96, 24, 16)},
                         OkButton(64, 184, ui::Handler(window, &frmStatus::cmdOK_Click))},
                        ui::RGB(48, 28, 16));
}

void frmStatus::cmdOK_Click() { form_->Unload(); }
