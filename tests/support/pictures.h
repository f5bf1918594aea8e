// Whether what a window shows is the picture delivered with the sources, pixel for pixel.
#pragma once

#include <QIcon>
#include <QImage>
#include <QRect>
#include <QString>

namespace testing_support {

// A picture of the source tree (e.g. "announcer/resources/azaan_32.png"), in the form
// the screen's pictures are compared in.
inline QImage SourcePicture(const QString& path) {
    return QImage(QStringLiteral(SUITE_SOURCE_DIR "/") + path).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The icon, drawn at the picture's size, has the picture's pixels.
inline bool IconShows(const QIcon& icon, const QImage& picture) {
    if (picture.isNull()) return false;
    const QImage drawn = icon.pixmap(picture.size()).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return drawn == picture;
}

}  // namespace testing_support
