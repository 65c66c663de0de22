// For the tests of real Qt windows: the shipped pictures as Qt decodes them.
#pragma once

#include "ui/qt/QtPictures.h"

namespace testing_support {

const ui::QtPictures& ShippedQtPictures();

}  // namespace testing_support
