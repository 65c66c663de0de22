#pragma once

#include "ui/Pictures.h"

#include <QImage>
#include <QString>

#include <array>

namespace ui {

// Every picture of the game, decoded once at start-up.
class QtPictures final : public PictureSource {
public:
    // False (and the first missing file in `missing`) when a picture cannot
    // be read or has the wrong size.
    bool Load(const QString& folder, QString* missing = nullptr);
    const QImage& Image(Picture p) const { return images_.at(static_cast<std::size_t>(p)); }
    Color PixelOf(Picture p, int x, int y) const override;

private:
    std::array<QImage, PictureCount> images_;
};

}  // namespace ui
