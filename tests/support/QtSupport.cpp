#include "support/QtSupport.h"

#include "support/GameFixture.h"

#include <stdexcept>

namespace testing_support {

const ui::QtPictures& ShippedQtPictures()
{
    static const ui::QtPictures pictures = [] {
        ui::QtPictures p;
        QString missing;
        if (!p.Load(QString::fromStdString((AssetsFolder() / "pictures").string()), &missing)) {
            throw std::runtime_error("cannot load " + missing.toStdString());
        }
        return p;
    }();
    return pictures;
}

}  // namespace testing_support
