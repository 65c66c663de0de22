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

bool ReadPng(const QString& path, QImage* image)
{
    QImageReader reader(path, "PNG");
    reader.setAutoDetectImageFormat(false);
    return reader.read(image);
}

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

namespace {

// A picture this large is a window's whole background, painted when the
// window is cleared, drawn anew or a game starts: decoded each time into
// its place rather than held beside the surface it fills.
bool Kept(const PictureInfo& info) { return info.width * info.height <= 128 * 128; }

}  // namespace

QImage QtPictures::Decode(Picture p) const
{
    const PictureInfo& info = InfoOf(p);
    QImage image;
    ReadPng(paths_.at(static_cast<std::size_t>(p)), &image);
    image = std::move(image).convertToFormat(QImage::Format_RGB32);
    // A file that went bad after the check: paint a plain dark block of
    // the right size rather than nothing, so the geometry holds.
    if (image.size() != QSize(info.width, info.height)) {
        image = QImage(info.width, info.height, QImage::Format_RGB32);
        image.fill(QColor(32, 26, 34));
    }
    return image;
}

const QImage& QtPictures::Image(Picture p) const
{
    QImage& image = images_.at(static_cast<std::size_t>(p));
    if (image.isNull()) image = Decode(p);
    return image;
}

bool QtPictures::DecodeInPlace(Picture p, QImage& target, QPoint at) const
{
    const PictureInfo& info = InfoOf(p);
    if (target.devicePixelRatio() != 1 || target.format() != QImage::Format_RGB32 || at.x() < 0 ||
        at.y() < 0 || at.x() + info.width > target.width() ||
        at.y() + info.height > target.height())
        return false;
    // A view of the target where the picture goes: the decoder writes its
    // rows in place when the file's format is the target's.
    uchar* const bits = target.bits() + at.y() * target.bytesPerLine() + at.x() * 4;
    QImage view(bits, info.width, info.height, target.bytesPerLine(), QImage::Format_RGB32);
    if (!ReadPng(paths_.at(static_cast<std::size_t>(p)), &view) ||
        view.size() != QSize(info.width, info.height))
        return false;
    if (view.constBits() != bits) {  // decoded elsewhere, in a format of its own
        QPainter painter(&target);
        painter.drawImage(at, view.convertToFormat(QImage::Format_RGB32));
    }
    return true;
}

void QtPictures::Paint(Picture p, QImage& target, QPoint at) const
{
    const QImage& cached = images_.at(static_cast<std::size_t>(p));
    if (cached.isNull() && !Kept(InfoOf(p))) {
        if (DecodeInPlace(p, target, at)) return;
        QPainter painter(&target);
        painter.drawImage(at, Decode(p));
        return;
    }
    QPainter painter(&target);
    painter.drawImage(at, Image(p));
}

void QtPictures::PaintBackground(Picture p, QImage& target) const
{
    const PictureInfo& info = InfoOf(p);
    const bool kept = Kept(info) || !images_.at(static_cast<std::size_t>(p)).isNull();
    if (!kept && DecodeInPlace(p, target, QPoint(0, 0))) {
        const QRgb beyond = target.pixel(0, info.height - 1);
        QPainter painter(&target);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(info.width, 0, target.width() - info.width, target.height(),
                         QColor(beyond));
        painter.fillRect(0, info.height, info.width, target.height() - info.height, QColor(beyond));
        return;
    }
    const QImage decoded = kept ? QImage() : Decode(p);
    const QImage& picture = kept ? Image(p) : decoded;
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
