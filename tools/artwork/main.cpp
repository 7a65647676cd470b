#include "artCatalogue.h"
#include "artImage.h"

#include <QDir>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QTextStream err(stderr);
    if (argc != 3) {
        err << "usage: verrinArtwork <program resources folder> <toolkit resources folder>\n";
        return 2;
    }
    const QDir programDir(QString::fromLocal8Bit(argv[1]));
    const QDir toolkitDir(QString::fromLocal8Bit(argv[2]));
    if (!programDir.exists() || !toolkitDir.exists()) {
        err << "verrinArtwork: both output folders must exist\n";
        return 2;
    }
    int failures = 0;
    for (const artPicture& picture : artCatalogue::pictures()) {
        const QDir& dir = picture.folder == artPicture::Program ? programDir : toolkitDir;
        const QString path = dir.filePath(picture.name);
        if (!artImage::save(picture.draw(), path)) {
            err << "verrinArtwork: cannot write " << path << "\n";
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
