// The machine on a high-density screen (200 %, offscreen): every picture is drawn from its copy at
// twice its size, so a grab of the reels holds clearly more fine detail than the same reels drawn
// at 100 % and magnified twice; no picture is drawn at a density it does not have, at 200 % nor at
// 100 % with the machine at its larger scale. The 100 % grab comes from this same program run
// again at scale 1.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cstdio>
#include <set>

#include "ui/machine/picturewidget.h"
#include "windowrig.h"

using namespace zeltest;

namespace {
const char* const grabvariable = "ZEL_GRAB_REELS_TO";
constexpr int mismatch = 3;  // exit status of the 100 % run when a picture came at the wrong density

struct Chosen {
    QString path;
    qreal needed = 1, density = 1;
};

// A machine whose reels show J on line 1 with the line drawn, then its gamble table open.
struct Played {
    Cabinet c;
    std::vector<Chosen> chosen;
    QImage reels;

    Played() {
        zel::watchpicturedensity([this](const QString& path, qreal needed, qreal density) {
            chosen.push_back({path, needed, density});
        });
        c.givecredit(1000);
        scriptwinningspin(c.platform);
        c.control(QStringLiteral("play(1)"))->click();
        QRect area;
        for (int r = 1; r <= 5; ++r) {
            const QWidget* reel = c.window.findChild<QWidget*>(QStringLiteral("Picture%1").arg(r));
            area |= QRect(reel->mapTo(&c.window, QPoint()), reel->size());
        }
        reels = c.window.grab(area).toImage().convertToFormat(QImage::Format_Grayscale8);
        c.control(QStringLiteral("doublebutton"))->click();
        c.window.grab();
    }
    ~Played() { zel::watchpicturedensity({}); }

    // The draws that needed more pixels than they got, or got more than they needed.
    QStringList wrongdensity() const {
        QStringList wrong;
        for (const Chosen& k : chosen)
            if ((k.needed > 1.001) != (k.density > 1.0))
                wrong << QStringLiteral("%1 needed %2, drawn at %3").arg(k.path).arg(k.needed).arg(k.density);
        return wrong;
    }
};

// The variance of the discrete Laplacian: how much fine detail (edges, texture) a picture holds.
double laplacianvariance(const QImage& grey) {
    double sum = 0, sumsq = 0;
    int64_t n = 0;
    for (int y = 1; y + 1 < grey.height(); ++y) {
        const uchar* above = grey.constScanLine(y - 1);
        const uchar* row = grey.constScanLine(y);
        const uchar* below = grey.constScanLine(y + 1);
        for (int x = 1; x + 1 < grey.width(); ++x) {
            const double l = above[x] + below[x] + row[x - 1] + row[x + 1] - 4.0 * row[x];
            sum += l;
            sumsq += l * l;
            ++n;
        }
    }
    const double mean = sum / double(n);
    return sumsq / double(n) - mean * mean;
}
}  // namespace

class HighDensityTest : public QObject {
    Q_OBJECT

private slots:
    void everyPictureComesAtTheDensityOfTheScreen() {
        Played p;
        QCOMPARE(p.c.window.devicePixelRatioF(), 2.0);
        QCOMPARE(p.wrongdensity(), QStringList());
        std::set<QString> drawn;
        for (const Chosen& k : p.chosen) drawn.insert(k.path);
        for (const char* path : {":/reels/reel1.png", ":/reels/reel5.png", ":/faces/play1.png", ":/faces/payline5.png",
                                 ":/faces/betred.png", ":/panels/pandouble.png", ":/linepics/1.png"})
            QVERIFY2(drawn.count(QLatin1String(path)), path);
    }

    void theReelsHoldTheDetailOfTheScreensPixels() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("reels-100.png"));
        QProcess again;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("1"));
        env.insert(QLatin1String(grabvariable), file);
        again.setProcessEnvironment(env);
        again.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(again.waitForFinished(120000));
        QVERIFY2(again.exitCode() != mismatch, again.readAllStandardError().constData());
        QCOMPARE(again.exitCode(), 0);
        const QImage at100(file);
        QVERIFY(!at100.isNull());

        Played p;
        QCOMPARE(p.reels.size(), at100.size() * 2);
        const QImage magnified = at100.scaled(p.reels.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                     .convertToFormat(QImage::Format_Grayscale8);
        const double sharp = laplacianvariance(p.reels), soft = laplacianvariance(magnified);
        qInfo("fine detail (variance of the Laplacian): %.1f at 200 %%, %.1f at 100 %% magnified twice: %.2f times",
              sharp, soft, sharp / soft);
        QVERIFY2(sharp > 2 * soft, qPrintable(QStringLiteral("%1 against %2").arg(sharp).arg(soft)));
    }
};

int main(int argc, char** argv) {
    const QString grabto = qEnvironmentVariable(grabvariable);
    if (!grabto.isEmpty()) {
        // The run at 100 %: the same reels, saved for the run at 200 % to compare with.
        QApplication app(argc, argv);
        Played p;
        const QImage reels = p.reels;
        // The machine at its larger scale ("640 X 480  Large") draws the high-density copies too.
        const size_t before = p.chosen.size();
        p.c.platform.changedisplay(640, 480);
        p.c.window.render();
        p.c.window.grab();
        const bool large = std::any_of(p.chosen.begin() + qsizetype(before), p.chosen.end(),
                                       [](const Chosen& k) { return k.path == QLatin1String(":/reels/reel1.png") && k.density > 1; });
        QStringList wrong = p.wrongdensity();
        if (!large) wrong << QStringLiteral("the reels at the larger scale came at their own size");
        if (!wrong.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(wrong.join(QLatin1Char('\n'))));
            return mismatch;
        }
        return reels.save(grabto) ? 0 : 1;
    }
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HighDensityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_highdensity.moc"
