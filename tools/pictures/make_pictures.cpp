// Draws the program's pictures and icon and writes them as ICO files (and
// the icon also as PNGs for the desktop's icon theme), only rewriting a file
// whose bytes changed.
//
//   make_pictures <pictures folder> <icons folder> <home page address>
//   make_pictures --logo <file> <home page address>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QString>
#include <cstdio>

#include "drawings.h"
#include "ico_file.h"

namespace {

bool WriteIfChanged(const QString& path, const QByteArray& bytes)
{
    if (bytes.isEmpty()) {
        std::fprintf(stderr, "%s: nothing to write\n", qPrintable(path));
        return false;
    }
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return true;
    existing.close();
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "%s: cannot write it\n", qPrintable(path));
        return false;
    }
    return true;
}

QByteArray Png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

bool WriteLogo(const QString& path, const QString& homePage)
{
    return WriteIfChanged(path, EncodeIco({{DrawLogo(homePage)}}));
}

}  // namespace

int main(int argc, char** argv)
{
    // Drawing needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList args = application.arguments().mid(1);

    if (args.size() == 3 && args[0] == "--logo")
        return WriteLogo(args[1], args[2]) ? 0 : 1;
    if (args.size() != 3 || args[0].startsWith("--")) {
        std::fprintf(stderr,
                     "usage: make_pictures <pictures folder> <icons folder> <home page>\n"
                     "       make_pictures --logo <file> <home page>\n");
        return 2;
    }
    const QDir pictures(args[0]), icons(args[1]);
    QDir().mkpath(pictures.path());
    QDir().mkpath(icons.path());
    if (DejaVuFamily("DejaVuSansCondensed-Bold.ttf").isEmpty())
        std::fprintf(stderr, "warning: DejaVu fonts not found; the words use a fallback font\n");

    bool ok = true;
    ok = WriteIfChanged(pictures.filePath("playing.ico"), EncodeIco({{DrawButtonFace(ButtonFace::Playing)}})) && ok;
    ok = WriteIfChanged(pictures.filePath("stop.ico"), EncodeIco({{DrawButtonFace(ButtonFace::Stop)}})) && ok;
    ok = WriteIfChanged(pictures.filePath("play.ico"), EncodeIco({{DrawButtonFace(ButtonFace::Play)}})) && ok;
    ok = WriteLogo(pictures.filePath("logo.ico"), args[2]) && ok;
    // The build compares this with its configured home page and draws a
    // logo of its own when they differ.
    ok = WriteIfChanged(pictures.filePath("logo_address.txt"), args[2].toUtf8() + '\n') && ok;

    std::vector<IcoImage> sizes;
    for (const int size : {16, 32, 48}) {
        const QImage icon = DrawProgramIcon(size);
        sizes.push_back({icon});
        ok = WriteIfChanged(icons.filePath(QString("hushmere-%1.png").arg(size)), Png(icon)) && ok;
    }
    ok = WriteIfChanged(pictures.filePath("hushmere.ico"), EncodeIco(sizes)) && ok;
    return ok ? 0 : 1;
}
