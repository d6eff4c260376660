// Draws every picture of the program into one folder:
//     tallyhawk_make_assets <images folder> [<main window preview .png>]
// The pictures are committed; run this after changing a drawing and commit the results.

#include "artwork.h"
#include "gifwriter.h"

#include "ui/assets/assets.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

#include <cstdio>
#include <stdexcept>

namespace {

constexpr int JpegQuality = 93;

[[noreturn]] void fail(const QString& path, const QString& reason) {
    throw std::runtime_error((path + QStringLiteral(": ") + reason).toStdString());
}

class Output {
public:
    explicit Output(QString folder)
        : m_folder(std::move(folder)) {}

    // Writes `image` under the file name of `resourcePath`, in the format its suffix names.
    void write(const QString& resourcePath, const QImage& image) const {
        const QString path = m_folder.filePath(QFileInfo(resourcePath).fileName());
        const QByteArray format = QFileInfo(path).suffix().toLatin1();
        QByteArray bytes;
        if (format == "gif") {
            bytes = gif::encode(gif::quantise(
                image, {qRgb(255, 255, 255), ink::Navy.rgb(), ink::Amber.rgb(), ink::Slate.rgb()}));
        } else {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            QImageWriter writer(&buffer, format);
            writer.setQuality(format == "jpg" ? JpegQuality : -1);
            if (!writer.write(image))
                fail(path, writer.errorString());
        }
        save(path, bytes);
        checkReadsBack(path, bytes, image.size());
    }

private:
    static void save(const QString& path, const QByteArray& bytes) {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            fail(path, file.errorString());
    }

    // Our GIF writer is our own; the reader that the program uses must agree with it.
    static void checkReadsBack(const QString& path, const QByteArray& bytes, QSize size) {
        QBuffer buffer;
        buffer.setData(bytes);
        QImageReader reader(&buffer);
        const QImage back = reader.read();
        if (back.size() != size)
            fail(path, QStringLiteral("does not read back at its size: ") + reader.errorString());
    }

    QDir m_folder;
};

void makeAll(const Output& out) {
    // Each picture once at its size and once at twice its size, for high-density screens.
    for (const int scale : {1, 2}) {
        const auto name = [scale](const QString& path) {
            return scale == 1 ? path : assets::at2x(path);
        };
        for (const Scheme& scheme : schemes()) {
            out.write(name(scheme.topPath), paintTopPicture(scheme, scale));
            out.write(name(scheme.bottomPath), paintBottomPicture(scheme, scale));
        }
        out.write(name(assets::Exit), paintExitPicture(scale));
        out.write(name(assets::Logo), paintLogo(scale));
        out.write(name(assets::LinkCursor), paintLinkCursor(scale));
    }
    // The program icon needs no second drawing: it is drawn at every size a screen asks for.
    for (const int size : assets::IconSizes) {
        out.write(assets::iconPath(size), paintIcon(size));
    }
}

// The main window under each scheme, side by side.
void savePreview(const QString& path) {
    const QList<Scheme> all = schemes();
    constexpr int Gap = 12;
    QImage sheet;
    for (qsizetype i = 0; i < all.size(); ++i) {
        const QImage window =
            paintMainWindowPreview(paintTopPicture(all.at(i), 1), paintBottomPicture(all.at(i), 1));
        if (sheet.isNull()) {
            sheet = QImage(int(all.size()) * (window.width() + Gap) + Gap,
                           window.height() + 2 * Gap, QImage::Format_RGB32);
            sheet.fill(QColor(0xd9, 0xdd, 0xe2));
        }
        QPainter(&sheet).drawImage(Gap + int(i) * (window.width() + Gap), Gap, window);
    }
    if (!sheet.save(path, "PNG"))
        fail(path, QStringLiteral("could not be written"));
}

} // namespace

int main(int argc, char* argv[]) {
    // Drawing text needs a GUI application, but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage: tallyhawk_make_assets <images folder> [<preview.png>]\n");
        return 2;
    }
    try {
        if (!QDir().mkpath(args.at(1)))
            fail(args.at(1), QStringLiteral("cannot create the folder"));
        makeAll(Output(args.at(1)));
        if (args.size() == 3) {
            savePreview(args.at(2));
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tallyhawk_make_assets: %s\n", error.what());
        return 1;
    }
    return 0;
}
