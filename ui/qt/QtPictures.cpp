#include "ui/qt/QtPictures.h"

#include <QDir>

namespace ui {

bool QtPictures::Load(const QString& folder, QString* missing)
{
    for (int i = 0; i < PictureCount; ++i) {
        const PictureInfo& info = InfoOf(static_cast<Picture>(i));
        const QString path = QDir(folder).filePath(QString::fromUtf8(info.file.data(),
                                                                     static_cast<int>(info.file.size())));
        QImage image(path);
        if (image.isNull() || image.width() != info.width || image.height() != info.height) {
            if (missing != nullptr) *missing = path;
            return false;
        }
        images_[static_cast<std::size_t>(i)] = image.convertToFormat(QImage::Format_RGB32);
    }
    return true;
}

Color QtPictures::PixelOf(Picture p, int x, int y) const
{
    const QRgb c = Image(p).pixel(x, y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

}  // namespace ui
