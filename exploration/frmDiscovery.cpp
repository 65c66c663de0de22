#include "exploration/frmDiscovery.h"

#include "core/WindowLayout.h"
#include "ui/WindowSystem.h"

frmDiscovery::frmDiscovery(ui::WindowSystem& windows)
    : form_(windows.CreateForm(Layout(this)))
{
}

ui::FormLayout frmDiscovery::Layout(frmDiscovery* window)
{
    return WindowLayout("frmDiscovery", 199, 220, ui::Picture::Discovery,
                        {OkButton(56, 168, ui::Handler(window, &frmDiscovery::cmdOK_Click))},
                        ui::RGB(48, 28, 16));
}

void frmDiscovery::cmdOK_Click() { form_->Unload(); }
