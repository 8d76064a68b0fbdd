// Writes our world's map data files, map-area.dat and map-hex.dat, into the
// folder given; the same files every time. With --preview, also a picture.
//     make_world <folder> [--preview picture.png]

#include "world/CheckWorld.h"
#include "world/Preview.h"
#include "world/World.h"
#include "world/WorldFiles.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    if (argc != 2 && !(argc == 4 && std::strcmp(argv[2], "--preview") == 0)) {
        std::fprintf(stderr, "usage: make_world <folder> [--preview picture.png]\n");
        return 2;
    }
    QString folder = QString::fromLocal8Bit(argv[1]);
    if (!folder.endsWith('/')) folder += '/';

    const world::World built = world::MakeWorld();
    const qm::HexGrid grid = world::MakeGrid(built);
    // Checked as the program will read it, before anything reaches the folder.
    QTemporaryDir trial;
    if (!trial.isValid() || !world::WriteWorld(built, grid, trial.path() + '/')) {
        std::fprintf(stderr, "make_world: cannot write a trial copy\n");
        return 1;
    }
    if (const QString fault = world::CheckWorldFiles(trial.path() + '/'); !fault.isEmpty()) {
        std::fprintf(stderr, "make_world: the world is broken: %s\n", qPrintable(fault));
        return 1;
    }
    if (!world::WriteWorld(built, grid, folder)) {
        std::fprintf(stderr, "make_world: cannot write into %s\n", qPrintable(folder));
        return 1;
    }
    if (argc == 4) {
        // Text needs fonts, and fonts need the application object.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        if (!world::PreviewImage(built, grid).save(QString::fromLocal8Bit(argv[3]))) {
            std::fprintf(stderr, "make_world: cannot write %s\n", argv[3]);
            return 1;
        }
    }
    return 0;
}
