#include "ui/qt/QtPictures.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>

namespace ui {

namespace {

// A PNG's size from its header: the signature, then the IHDR chunk with the
// width and height. Reading just that needs no decoder and no image plugins.
QSize PngSize(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray head = file.read(24);
    static constexpr char signature[] = "\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR";
    if (head.size() != 24 || !head.startsWith(QByteArray::fromRawData(signature, 16))) return {};
    const auto* p = reinterpret_cast<const uchar*>(head.constData());
    const quint32 width = qFromBigEndian<quint32>(p + 16);
    const quint32 height = qFromBigEndian<quint32>(p + 20);
    if (width == 0 || height == 0 || width > 1u << 16 || height > 1u << 16) return {};
    return QSize(static_cast<int>(width), static_cast<int>(height));
}

}  // namespace

bool QtPictures::Load(const QString& folder, QString* missing)
{
    for (int i = 0; i < PictureCount; ++i) {
        const PictureInfo& info = InfoOf(static_cast<Picture>(i));
        const QString path = QDir(folder).filePath(
            QString::fromUtf8(info.file.data(), static_cast<int>(info.file.size())));
        if (PngSize(path) != QSize(info.width, info.height)) {
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
        // The format named: Qt's own PNG decoder, no plugin looked for.
        image = QImage(paths_.at(static_cast<std::size_t>(p)), "PNG")
                    .convertToFormat(QImage::Format_RGB32);
        // A file that went bad after the check: paint a plain dark block of
        // the right size rather than nothing, so the geometry holds.
        if (image.size() != QSize(info.width, info.height)) {
            image = QImage(info.width, info.height, QImage::Format_RGB32);
            image.fill(QColor(32, 26, 34));
        }
    }
    return image;
}

void QtPictures::PaintBackground(Picture p, QImage& target) const
{
    const PictureInfo& info = InfoOf(p);
    const QImage& cached = images_.at(static_cast<std::size_t>(p));
    if (cached.isNull() && target.devicePixelRatio() == 1 &&
        target.format() == QImage::Format_RGB32 && target.width() >= info.width &&
        target.height() >= info.height) {
        // A view of the target's top left: the decoder writes its rows in
        // place when the file's format is the target's.
        uchar* const bits = target.bits();
        QImage view(bits, info.width, info.height, target.bytesPerLine(), QImage::Format_RGB32);
        QImageReader reader(paths_.at(static_cast<std::size_t>(p)), "PNG");
        if (reader.read(&view) && view.size() == QSize(info.width, info.height)) {
            const QRgb beyond = view.pixel(0, info.height - 1);
            QPainter painter(&target);
            if (view.constBits() != bits) painter.drawImage(0, 0, view);  // decoded elsewhere
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.fillRect(info.width, 0, target.width() - info.width, target.height(),
                             QColor(beyond));
            painter.fillRect(0, info.height, info.width, target.height() - info.height,
                             QColor(beyond));
            return;
        }
    }
    const QImage& picture = Image(p);
    target.fill(picture.pixel(0, picture.height() - 1));
    QPainter painter(&target);
    painter.drawImage(0, 0, picture);
}

Color QtPictures::PixelOf(Picture p, int x, int y) const
{
    const QRgb c = Image(p).pixel(x, y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

}  // namespace ui
