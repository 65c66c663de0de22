#pragma once

#include "ui/Pictures.h"

#include <QImage>
#include <QString>

#include <array>

namespace ui {

// Reads the PNG file at `path` with Qt's own decoder alone. Even told the
// format, Qt offers a file to every image plugin first (loading them, and
// libjpeg with one) unless it is also told not to guess.
bool ReadPng(const QString& path, QImage* image);

// Every picture of the game. Load checks them all at start-up (present, a
// PNG, the right size) from their headers alone; each is decoded the first
// time it is painted, so the main window shows without waiting for
// pictures it does not need yet. The small ones are then kept, decoded
// once for every window and zoom; a window's large background is decoded
// into its place whenever it is painted, never held twice.
class QtPictures final : public PictureSource {
public:
    // False (and the first bad file in `missing`) when a picture cannot be
    // read or has the wrong size.
    bool Load(const QString& folder, QString* missing = nullptr);
    const QImage& Image(Picture p) const;
    // Draws `p` on `target` at the logical point `at`.
    void Paint(Picture p, QImage& target, QPoint at) const;
    Color PixelOf(Picture p, int x, int y) const override;
    // Paints a window's background over all of `target`: the picture at the
    // top left, its bottom-left colour beyond it. Decoded straight into the
    // target where it can be, so a large background is never held twice.
    void PaintBackground(Picture p, QImage& target) const;

private:
    QImage Decode(Picture p) const;
    // False when `p` cannot be decoded straight into `target` at `at`.
    bool DecodeInPlace(Picture p, QImage& target, QPoint at) const;

    std::array<QString, PictureCount> paths_;
    mutable std::array<QImage, PictureCount> images_;
};

}  // namespace ui
