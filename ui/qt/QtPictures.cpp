#include "ui/qt/QtPictures.h"

#include <QDir>
#include <QImageReader>

namespace ui {

bool QtPictures::Load(const QString& folder, QString* missing)
{
    for (int i = 0; i < PictureCount; ++i) {
        const PictureInfo& info = InfoOf(static_cast<Picture>(i));
        const QString path = QDir(folder).filePath(QString::fromUtf8(info.file.data(),
                                                                     static_cast<int>(info.file.size())));
        QImageReader reader(path);
        if (!reader.canRead() || reader.size() != QSize(info.width, info.height)) {
            if (missing != nullptr) *missing = path;
            return false;
        }
        paths_[static_cast<std::size_t>(i)] = path;
        images_[static_cast<std::size_t>(i)] = QImage();
    }
    return true;
}

const QImage& QtPictures::Image(Picture p) const
{
    QImage& image = images_.at(static_cast<std::size_t>(p));
    if (image.isNull()) {
        const PictureInfo& info = InfoOf(p);
        image = QImage(paths_.at(static_cast<std::size_t>(p))).convertToFormat(QImage::Format_RGB32);
        // A file that went bad after the check: paint a plain dark block of
        // the right size rather than nothing, so the geometry holds.
        if (image.size() != QSize(info.width, info.height)) {
            image = QImage(info.width, info.height, QImage::Format_RGB32);
            image.fill(QColor(32, 26, 34));
        }
    }
    return image;
}

Color QtPictures::PixelOf(Picture p, int x, int y) const
{
    const QRgb c = Image(p).pixel(x, y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

}  // namespace ui
