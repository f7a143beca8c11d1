#pragma once
// Writes the generated pictures and clips under the output folder, checking each against the
// catalogue's size, and remembers any failure so the generator can exit non-zero.
#include <QByteArray>
#include <QDir>
#include <QImage>
#include <string>

namespace zel::art {

class AssetWriter {
public:
    explicit AssetWriter(const QString& folder) : root_(folder) {}

    // Saves image as PNG at the relative path; it must be width x height times the drawing
    // density, and a high-density copy goes beside the picture as name@2x.png.
    void picture(const std::string& path, const QImage& image, int width, int height);
    // Saves a finished file image (a WAVE clip) at the relative path.
    void file(const std::string& path, const QByteArray& bytes);

    bool failed() const { return failed_; }
    int written() const { return written_; }

private:
    bool prepare(const QString& full);
    void fail(const QString& message);

    QDir root_;
    bool failed_ = false;
    int written_ = 0;
};

}  // namespace zel::art
