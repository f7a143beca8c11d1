// The embedded pictures and clips: every file the catalogue names is there, at its size, in its
// format, and the lists hold exactly their counts.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <QtTest>

#include "assets/catalogue.h"
#include "core/machine/reelstrips.h"

using namespace zel;

namespace {

QString resource(const std::string& path) { return QStringLiteral(":/") + QString::fromStdString(path); }

// The chunks of a RIFF/WAVE image by id; empty when the file is not one.
struct Wave {
    bool riff = false;
    QByteArray fmt;
    QByteArray data;
};

Wave parse(const QByteArray& bytes) {
    Wave w;
    if (bytes.size() < 12 || bytes.left(4) != "RIFF" || bytes.mid(8, 4) != "WAVE")
        return w;
    const auto riffsize = qFromLittleEndian<quint32>(bytes.constData() + 4);
    w.riff = riffsize == quint32(bytes.size() - 8);
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const auto size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        if (id == "fmt ")
            w.fmt = bytes.mid(at + 8, size);
        else if (id == "data")
            w.data = bytes.mid(at + 8, size);
        at += 8 + size + (size % 2);
    }
    return w;
}

quint16 u16(const QByteArray& b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }
quint32 u32(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }

// The largest distance of a sample from silence, as a fraction of full scale.
double peak(const QByteArray& data, int bits) {
    double loudest = 0;
    if (bits == 16) {
        for (qsizetype i = 0; i + 1 < data.size(); i += 2)
            loudest = qMax(loudest, qAbs(qFromLittleEndian<qint16>(data.constData() + i)) / 32768.0);
    } else {
        for (char c : data)
            loudest = qMax(loudest, qAbs(int(quint8(c)) - 128) / 128.0);
    }
    return loudest;
}

}  // namespace

class AssetsTest : public QObject {
    Q_OBJECT

private slots:
    void every_clip_is_mono_pcm_at_its_rate_depth_and_length_data();
    void every_clip_is_mono_pcm_at_its_rate_depth_and_length();
    void every_clip_is_heard_without_clipping_data();
    void every_clip_is_heard_without_clipping();
    void there_are_24_clips_and_no_clip_105();
    void every_picture_has_its_catalogue_size_data();
    void every_picture_has_its_catalogue_size();
    void every_numbered_list_holds_exactly_its_count_data();
    void every_numbered_list_holds_exactly_its_count();
    void every_symbol_has_a_picture_and_no_other_is_embedded();
    void reel_cells_one_to_twenty_four_show_the_strip_positions_in_order_data();
    void reel_cells_one_to_twenty_four_show_the_strip_positions_in_order();
    void highlight_frame_and_badges_are_overlays_that_leave_the_cell_visible_data();
    void highlight_frame_and_badges_are_overlays_that_leave_the_cell_visible();
    void the_program_icon_has_whole_pixel_edges_at_every_size_data();
    void the_program_icon_has_whole_pixel_edges_at_every_size();
};

void AssetsTest::every_clip_is_mono_pcm_at_its_rate_depth_and_length_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("bits");
    QTest::addColumn<double>("seconds");
    for (const assets::Clip& c : assets::clips)
        QTest::addRow("%d", c.number) << int(c.number) << int(c.rate) << int(c.bits) << c.seconds;
}

void AssetsTest::every_clip_is_mono_pcm_at_its_rate_depth_and_length() {
    QFETCH(int, number);
    QFETCH(int, rate);
    QFETCH(int, bits);
    QFETCH(double, seconds);
    QFile file(resource(assets::clippath(number)));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const Wave w = parse(file.readAll());
    QVERIFY2(w.riff, "a RIFF/WAVE image whose RIFF size is the file size less 8");
    QCOMPARE(w.fmt.size(), 16);
    QCOMPARE(u16(w.fmt, 0), quint16(1));  // plain PCM
    QCOMPARE(u16(w.fmt, 2), quint16(1));  // one channel
    QCOMPARE(u32(w.fmt, 4), quint32(rate));
    QCOMPARE(u32(w.fmt, 8), quint32(rate * bits / 8));
    QCOMPARE(u16(w.fmt, 12), quint16(bits / 8));
    QCOMPARE(u16(w.fmt, 14), quint16(bits));
    const double duration = double(w.data.size()) / (rate * bits / 8);
    QVERIFY2(qAbs(duration - seconds) <= 0.01, qPrintable(QStringLiteral("lasts %1 s").arg(duration)));
}

void AssetsTest::every_clip_is_heard_without_clipping_data() { every_clip_is_mono_pcm_at_its_rate_depth_and_length_data(); }

void AssetsTest::every_clip_is_heard_without_clipping() {
    QFETCH(int, number);
    QFETCH(int, bits);
    QFile file(resource(assets::clippath(number)));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const double loudest = peak(parse(file.readAll()).data, bits);
    QVERIFY2(loudest > 0.2, qPrintable(QStringLiteral("peak %1 is too quiet to hear").arg(loudest)));
    QVERIFY2(loudest < 0.9, qPrintable(QStringLiteral("peak %1 is too close to clipping").arg(loudest)));
}

void AssetsTest::there_are_24_clips_and_no_clip_105() {
    QCOMPARE(assets::clipcount, 24);
    QCOMPARE(QDir(QStringLiteral(":/clips")).entryList(QDir::Files).size(), 24);
    QVERIFY(!QFile::exists(QStringLiteral(":/clips/105.wav")));
    QVERIFY(QFile::exists(QStringLiteral(":/clips/101.wav")));
    QVERIFY(QFile::exists(QStringLiteral(":/clips/125.wav")));
}

void AssetsTest::every_picture_has_its_catalogue_size_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    for (const assets::NumberedSet& set : assets::numberedsets)
        for (int n = 1; n <= set.count; ++n)
            QTest::addRow("%s", assets::picturepath(set, n).c_str())
                << resource(assets::picturepath(set, n)) << QSize(set.width, set.height);
    for (const assets::NamedPicture& pic : assets::namedpictures)
        QTest::addRow("%s", pic.path) << resource(pic.path) << QSize(pic.width, pic.height);
    for (const char* name : symbolname)
        QTest::addRow("%s", assets::symbolpath(name).c_str())
            << resource(assets::symbolpath(name)) << QSize(assets::symbolsize, assets::symbolsize);
    for (const int size : assets::programiconsizes)
        QTest::addRow("%s", assets::programiconpath(size).c_str())
            << resource(assets::programiconpath(size)) << QSize(size, size);
}

void AssetsTest::every_picture_has_its_catalogue_size() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
    // Its high-density copy: twice the size, and drawn at it (not the picture with each pixel doubled).
    if (path.startsWith(QLatin1String(":/appicon/"))) return;  // the desktop's icon sizes instead
    const QString highpath = QString::fromStdString(assets::densitypath(path.toStdString(), assets::highdensity));
    const QImage high(highpath);
    QVERIFY2(!high.isNull(), qPrintable(highpath));
    QCOMPARE(high.size(), size * assets::highdensity);
    const QImage doubled = image.scaled(high.size()).convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(high.convertToFormat(QImage::Format_ARGB32) != doubled, qPrintable(highpath));
}

void AssetsTest::every_numbered_list_holds_exactly_its_count_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<int>("count");
    for (const assets::NumberedSet& set : assets::numberedsets)
        QTest::addRow("%s/%s", set.folder, set.prefix) << QString::fromLatin1(set.folder)
                                                       << QString::fromLatin1(set.prefix) << set.count;
}

void AssetsTest::every_numbered_list_holds_exactly_its_count() {
    QFETCH(QString, folder);
    QFETCH(QString, prefix);
    QFETCH(int, count);
    QStringList expected;
    for (int n = 1; n <= count; ++n)
        expected << QStringLiteral("%1%2.png").arg(prefix).arg(n);
    // Named faces share the faces folder, so only names of the form <prefix><number>.png belong here.
    const QRegularExpression numbered(QStringLiteral("^%1[0-9]+\\.png$").arg(QRegularExpression::escape(prefix)));
    QStringList found = QDir(QStringLiteral(":/") + folder).entryList(QDir::Files).filter(numbered);
    expected.sort();
    found.sort();
    QCOMPARE(found, expected);
}

void AssetsTest::every_symbol_has_a_picture_and_no_other_is_embedded() {
    QStringList expected;
    for (const char* name : symbolname)
        expected << QString::fromLatin1(name) + QStringLiteral(".png") << QString::fromLatin1(name) + QStringLiteral("@2x.png");
    QStringList found = QDir(QStringLiteral(":/symbols")).entryList(QDir::Files);
    expected.sort();
    found.sort();
    QCOMPARE(found, expected);
}

void AssetsTest::reel_cells_one_to_twenty_four_show_the_strip_positions_in_order_data() {
    QTest::addColumn<int>("reel");
    for (int reel = 1; reel <= reelcount; ++reel)
        QTest::addRow("reel %d", reel) << reel;
}

// The windows place a reel at stop s by moving its strip up s cells; the cell must then show
// exactly the symbol the rules read at that position.
void AssetsTest::reel_cells_one_to_twenty_four_show_the_strip_positions_in_order() {
    QFETCH(int, reel);
    const QImage strip = QImage(resource(assets::picturepath(assets::reels, reel))).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(strip.height(), assets::reelcells * assets::cellsize);
    const QRect inside(10, 10, 80, 80);  // the opaque face of a cell, clear of its rounded corners
    for (int cell = 1; cell <= striplength; ++cell) {
        const int s = static_cast<int>(reelstrip[reel - 1][cell - 1]);
        const QImage symbol =
            QImage(resource(assets::symbolpath(symbolname[s]))).convertToFormat(QImage::Format_ARGB32).copy(inside);
        const QImage shown = strip.copy(inside.translated(0, cell * assets::cellsize));
        QVERIFY2(shown == symbol, qPrintable(QStringLiteral("cell %1 should show %2").arg(cell).arg(symbolname[s])));
    }
}

void AssetsTest::highlight_frame_and_badges_are_overlays_that_leave_the_cell_visible_data() {
    QTest::addColumn<QString>("path");
    QTest::addRow("empty cell frame")
        << resource(assets::picturepath(assets::imagelist1, assets::emptycellpicture));
    for (int i = assets::firstbadgepicture; i <= assets::imagelist2.count; ++i)
        QTest::addRow("badge %d", i) << resource(assets::picturepath(assets::imagelist2, i));
}

// These pictures are drawn over a reel cell or a wild frame: most of the cell must stay see-through.
void AssetsTest::highlight_frame_and_badges_are_overlays_that_leave_the_cell_visible() {
    QFETCH(QString, path);
    const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!image.isNull());
    int clear = 0, drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            (qAlpha(image.pixel(x, y)) == 0 ? clear : drawn)++;
    QVERIFY2(clear > image.width() * image.height() / 2, "mostly transparent");
    QVERIFY2(drawn > 0, "something to see");
}

void AssetsTest::the_program_icon_has_whole_pixel_edges_at_every_size_data() {
    QTest::addColumn<int>("size");
    for (const int size : assets::programiconsizes) QTest::addRow("%d", size) << size;
}

// Each size is drawn on its own pixel grid: the tile's straight edges are fully opaque pixels next
// to fully clear ones, never the half-covered pixels of a picture scaled from another size.
void AssetsTest::the_program_icon_has_whole_pixel_edges_at_every_size() {
    QFETCH(int, size);
    const QImage icon = QImage(resource(assets::programiconpath(size))).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(icon.size(), QSize(size, size));
    const int middle = size / 2;
    const auto alphaat = [&icon](int x, int y) { return qAlpha(icon.pixel(x, y)); };
    int left = 0;
    while (left < middle && alphaat(left, middle) == 0) ++left;
    QCOMPARE(alphaat(left, middle), 255);
    QCOMPARE(alphaat(size - 1 - left, middle), 255);
    QCOMPARE(alphaat(middle, left), 255);
    QCOMPARE(alphaat(middle, size - 1 - left), 255);
    if (left > 0) {
        QCOMPARE(alphaat(size - left, middle), 0);
        QCOMPARE(alphaat(middle, size - left), 0);
    }
    QVERIFY(left <= size / 32);  // the tile fills the icon
}

QTEST_GUILESS_MAIN(AssetsTest)
#include "tst_assets.moc"
