// The game as it installs: `cmake --install` into a scratch folder (DESTDIR), and the tree it
// leaves checked as the desktop, a software centre, man and a player would meet it.
#include <QDirIterator>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "gamehome.h"

#include "assets/catalogue.h"
#include "core/shell/programinfo.h"
#include "toolrun.h"

namespace {

using Run = zeltest::ToolRun;
using zeltest::runprogram;

const QString id = QString::fromLatin1(zel::programinfo::desktopid);

// The game's folder is the binary folder, or games/ where the build says so (the Debian package).
const QString gamedir = QStringLiteral("usr/" ZEL_GAMEDIR "/");
const QString bindir = QStringLiteral("usr/" ZEL_BINDIR "/");

QString desktopentry() { return QStringLiteral("usr/share/applications/%1.desktop").arg(id); }
QString metainfo() { return QStringLiteral("usr/share/metainfo/%1.metainfo.xml").arg(id); }
const QString gamepage = QStringLiteral("usr/share/man/man6/zelslots.6.gz");
const QString mathpage = QStringLiteral("usr/share/man/man1/zelslots-math.1.gz");

QString iconpath(int size) {
    return QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(id);
}

// Every file the game installs, under the prefix /usr.
QStringList gamefiles() {
    QStringList files{gamedir + QStringLiteral("zelslots"),
                      bindir + QStringLiteral("zelslots-math"),
                      desktopentry(),
                      metainfo(),
                      gamepage,
                      mathpage,
                      QStringLiteral("usr/share/doc/zelslots/copyright"),
                      QStringLiteral("usr/share/doc/zelslots/changelog.gz")};
    for (const int size : zel::assets::programiconsizes) files << iconpath(size);
    return files;
}

// The value of a key in the desktop entry's main group.
QString entryvalue(const QByteArray& entry, const QString& key) {
    const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(key), QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(entry)).captured(1);
}

}  // namespace

class InstallTreeTest : public QObject {
    Q_OBJECT

    QTemporaryDir root;
    QString at(const QString& path) const { return root.filePath(path); }

    QByteArray read(const QString& path) const {
        QFile f(at(path));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase() {
        QVERIFY(root.isValid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DESTDIR"), root.path() + QLatin1Char('/'));
        const Run install = runprogram(QStringLiteral(ZEL_CMAKE), {"--install", ZEL_BUILD_DIR, "--prefix", "/usr"}, env);
        QVERIFY2(install.exitcode == 0, install.err.constData());
    }

    void theTreeHoldsTheGamesFilesAndNothingElse() {
        QStringList found;
        QDirIterator it(root.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) found << QDir(root.path()).relativeFilePath(it.next());
        QStringList expected = gamefiles();
        found.sort();
        expected.sort();
        QCOMPARE(found, expected);
    }

    void theProgramsAreExecutableAndTheRestIsNot() {
        for (const QString& file : gamefiles()) {
            const bool program = file.startsWith(gamedir) || file.startsWith(bindir);
            QVERIFY2(QFileInfo(at(file)).isExecutable() == program, qPrintable(file));
        }
    }

    void everyIconIsThereAtItsOwnSize_data() {
        QTest::addColumn<int>("size");
        for (const int size : zel::assets::programiconsizes) QTest::addRow("%dx%d", size, size) << size;
    }
    void everyIconIsThereAtItsOwnSize() {
        QFETCH(int, size);
        QImageReader reader(at(iconpath(size)));
        QCOMPARE(reader.format(), QByteArray("png"));
        QCOMPARE(reader.size(), QSize(size, size));
        const QImage icon = reader.read();
        // Clear corners outside the rounded tile (at most a trace of its smoothed edge), an opaque middle.
        QVERIFY(qAlpha(icon.pixel(0, 0)) < 16);
        QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
    }

    void theDesktopEntryIsValid() {
        const Run check = runprogram(QStringLiteral("desktop-file-validate"), {at(desktopentry())});
        QCOMPARE(check.exitcode, 0);
        QCOMPARE(check.out + check.err, QByteArray());
    }

    // The menu entry starts the installed game and shows the installed icon.
    void theDesktopEntryNamesTheInstalledProgramAndIcon() {
        const QByteArray entry = read(desktopentry());
        QCOMPARE(entryvalue(entry, QStringLiteral("Type")), QStringLiteral("Application"));
        QVERIFY(QFileInfo(at(gamedir + entryvalue(entry, QStringLiteral("Exec")))).isExecutable());
        QCOMPARE(entryvalue(entry, QStringLiteral("Icon")), id);
        QVERIFY(entryvalue(entry, QStringLiteral("Categories")).startsWith(QLatin1String("Game;")));
        QVERIFY(!entryvalue(entry, QStringLiteral("Keywords")).isEmpty());
    }

    void theMetainfoIsValid() {
        const Run check = runprogram(QStringLiteral("appstreamcli"), {"validate", "--no-net", at(metainfo())});
        QVERIFY2(check.exitcode == 0, check.out.constData());
        // Clean: no error, warning or remark of any kind, only the verdict.
        QCOMPARE(check.out.trimmed(), QByteArray("\u2714 Validation was successful."));
    }

    void theMetainfoDescribesThisRelease() {
        const QByteArray meta = read(metainfo());
        QVERIFY(meta.contains("<id>" + id.toLatin1() + "</id>"));
        QVERIFY(meta.contains("<release version=\"" ZEL_PROJECT_VERSION "\""));
        QVERIFY(meta.contains("<launchable type=\"desktop-id\">" + id.toLatin1() + ".desktop</launchable>"));
        QVERIFY(meta.contains("<content_attribute id=\"money-gambling\">moderate</content_attribute>"));
        for (const char* binary : {"zelslots", "zelslots-math"})
            QVERIFY(meta.contains(QByteArray("<binary>") + binary + "</binary>"));
        // Every screenshot is one of the pictures in docs/.
        const QRegularExpression image(QStringLiteral("<image[^>]*>[^<]*/docs/([^<]+)</image>"));
        int screenshots = 0;
        for (auto m = image.globalMatch(QString::fromUtf8(meta)); m.hasNext(); ++screenshots) {
            const QString picture = m.next().captured(1);
            QVERIFY2(QFile::exists(QStringLiteral(ZEL_SOURCE_DIR "/docs/") + picture), qPrintable(picture));
        }
        QVERIFY(screenshots >= 1);
    }

    void theManualPagesRenderWithoutWarnings_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("zelslots(6)") << gamepage << QByteArray("zelslots");
        QTest::newRow("zelslots-math(1)") << mathpage << QByteArray("zelslots-math");
    }
    void theManualPagesRenderWithoutWarnings() {
        QFETCH(QString, page);
        QFETCH(QByteArray, name);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        env.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
        env.insert(QStringLiteral("MANROFFSEQ"), QString());
        const Run warnings = runprogram(QStringLiteral("man"), {"--warnings", "-E", "UTF-8", "-l", "-Tutf8", "-Z", at(page)}, env);
        QCOMPARE(warnings.exitcode, 0);
        QCOMPARE(warnings.err, QByteArray());
        const Run text = runprogram(QStringLiteral("man"), {"-P", "cat", "-l", at(page)}, env);
        QCOMPARE(text.exitcode, 0);
        const QRegularExpression title(QStringLiteral("NAME\n +%1 +- ").arg(QString::fromLatin1(name)));
        QVERIFY2(title.match(QString::fromUtf8(text.out)).hasMatch(), text.out.left(300).constData());
        QVERIFY(text.out.contains("zelslots " ZEL_PROJECT_VERSION));
    }

    void theInstalledProgramsTellTheProjectVersion_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("path");
        QTest::newRow("zelslots") << QStringLiteral("zelslots") << gamedir + QStringLiteral("zelslots");
        QTest::newRow("zelslots-math") << QStringLiteral("zelslots-math") << bindir + QStringLiteral("zelslots-math");
    }
    void theInstalledProgramsTellTheProjectVersion() {
        QFETCH(QString, program);
        QFETCH(QString, path);
        const Run version = runprogram(at(path), {"--version"});
        QCOMPARE(version.exitcode, 0);
        QCOMPARE(version.out, program.toLatin1() + " " ZEL_PROJECT_VERSION "\n");
    }

    void theInstalledProgramsRefuseAnUnknownOptionWithTheUsage_data() { theInstalledProgramsTellTheProjectVersion_data(); }
    void theInstalledProgramsRefuseAnUnknownOptionWithTheUsage() {
        QFETCH(QString, program);
        QFETCH(QString, path);
        QTemporaryDir config;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        zeltest::givehome(env, config.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        const Run refused = runprogram(at(path), {"--no-such-option"}, env);
        QCOMPARE(refused.exitcode, 2);
        QVERIFY(refused.out.isEmpty());
        QVERIFY(refused.err.contains("sage: " + program.toLatin1()));
        QVERIFY(QDir(config.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(InstallTreeTest)
#include "tst_installtree.moc"
