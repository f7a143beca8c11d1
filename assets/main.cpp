// zelassets: draws every picture and synthesises every clip of the game into one folder.
// Usage: zelassets <output folder>. Runs headless (offscreen); the same source gives the same bytes.
#include <QGuiApplication>
#include <cstdio>

#include "catalogue.h"
#include "generators.h"
#include "painting.h"

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: zelassets <output folder>\n");
        return 2;
    }
    // Without the fonts Qt would silently draw no text at all: refuse to make blank pictures.
    QString problem;
    if (!zel::art::fontsavailable(&problem)) {
        std::fprintf(stderr, "zelassets: %s\n", qPrintable(problem));
        return 1;
    }
    zel::art::AssetWriter out(QString::fromLocal8Bit(argv[1]));
    // Every picture at its own size, then again at twice it for high-density screens.
    for (const int density : {1, zel::assets::highdensity}) {
        zel::art::setdensity(density);
        zel::art::writesymbols(out);
        zel::art::writeimagelists(out);
        zel::art::writecards(out);
        zel::art::writebuttons(out);
        zel::art::writepanels(out);
        zel::art::writepaytable(out);
    }
    zel::art::setdensity(1);
    zel::art::writeclips(out);
    zel::art::writeprogramicons(out);
    if (out.failed())
        return 1;
    std::printf("zelassets: wrote %d files\n", out.written());
    return 0;
}
