#include "app/FittedCaptions.h"

#include "ui/qt/TextFitting.h"

#include <cstddef>

extern const ui::FittedCaption kFittedCaptionsAtScale1[];
extern const std::size_t kFittedCaptionsAtScale1Count;
extern const ui::FittedCaption kFittedCaptionsAtScale2[];
extern const std::size_t kFittedCaptionsAtScale2Count;

void UseFittedCaptions()
{
    ui::UseFittedCaptions(kFittedCaptionsAtScale1, kFittedCaptionsAtScale1Count);
    ui::UseFittedCaptions(kFittedCaptionsAtScale2, kFittedCaptionsAtScale2Count);
}
