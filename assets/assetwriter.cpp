#include "assetwriter.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "catalogue.h"
#include "painting.h"

namespace zel::art {

void AssetWriter::fail(const QString& message) {
    std::fprintf(stderr, "zelassets: %s\n", qPrintable(message));
    failed_ = true;
}

bool AssetWriter::prepare(const QString& full) {
    if (QDir().mkpath(QFileInfo(full).absolutePath()))
        return true;
    fail(QStringLiteral("cannot create the folder of %1").arg(full));
    return false;
}

void AssetWriter::picture(const std::string& catalogued, const QImage& image, int width, int height) {
    const int d = density();
    const std::string path = d == 1 ? catalogued : assets::densitypath(catalogued, d);
    const QString name = QString::fromStdString(path);
    width *= d;
    height *= d;
    if (image.width() != width || image.height() != height) {
        fail(QStringLiteral("%1 is %2 x %3, the catalogue says %4 x %5")
                 .arg(name).arg(image.width()).arg(image.height()).arg(width).arg(height));
        return;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Straight alpha and the encoder's fixed default settings keep the bytes the same on every run.
    if (!image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG")) {
        fail(QStringLiteral("cannot encode %1").arg(name));
        return;
    }
    file(path, bytes);
}

void AssetWriter::file(const std::string& path, const QByteArray& bytes) {
    const QString full = root_.filePath(QString::fromStdString(path));
    if (!prepare(full))
        return;
    QFile out(full);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size() || !out.flush()) {
        fail(QStringLiteral("cannot write %1").arg(full));
        return;
    }
    ++written_;
}

}  // namespace zel::art
