#include "gifwriter.h"

#include <stdexcept>

namespace {

void appendWord(QByteArray& out, int value) {
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

// The smallest n >= 1 with 2^n >= count: GIF palettes come in powers of two.
int paletteBits(qsizetype count) {
    int bits = 1;
    while ((qsizetype(1) << bits) < count) {
        ++bits;
    }
    return bits;
}

// Packs variable-width codes least significant bit first, as GIF wants them.
class CodeStream {
public:
    void put(int code, int width) {
        m_buffer |= quint32(code) << m_filled;
        m_filled += width;
        while (m_filled >= 8) {
            m_bytes.append(char(m_buffer & 0xff));
            m_buffer >>= 8;
            m_filled -= 8;
        }
    }
    QByteArray finish() {
        if (m_filled > 0) {
            m_bytes.append(char(m_buffer & 0xff));
        }
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    quint32 m_buffer = 0;
    int m_filled = 0;
};

// Every code is a literal, so the decoder's table only grows by one entry per code after the
// first. Clearing the table before it reaches 2^minCodeSize new entries keeps the code width at
// minCodeSize + 1 for the whole stream, which is all the bookkeeping a literal stream needs.
QByteArray literalLzw(const QImage& image, int minCodeSize) {
    const int clear = 1 << minCodeSize;
    const int endOfInformation = clear + 1;
    const int width = minCodeSize + 1;
    const int literalsPerTable = clear - 2;

    CodeStream stream;
    stream.put(clear, width);
    int sinceClear = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (sinceClear == literalsPerTable) {
                stream.put(clear, width);
                sinceClear = 0;
            }
            stream.put(row[x], width);
            ++sinceClear;
        }
    }
    stream.put(endOfInformation, width);
    return stream.finish();
}

void appendSubBlocks(QByteArray& out, const QByteArray& data) {
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        out.append(char(block.size()));
        out.append(block);
    }
    out.append('\0');
}

} // namespace

namespace gif {

QByteArray encode(const QImage& indexed) {
    const QList<QRgb> colours = indexed.colorTable();
    if (indexed.format() != QImage::Format_Indexed8 || colours.isEmpty() || colours.size() > 256)
        throw std::invalid_argument("gif::encode needs an 8-bit indexed image of 1 to 256 colours");
    if (indexed.width() > 0xffff || indexed.height() > 0xffff)
        throw std::invalid_argument("gif::encode: the image is larger than a GIF can hold");

    const int bits = paletteBits(colours.size());
    QByteArray out("GIF89a");
    appendWord(out, indexed.width());
    appendWord(out, indexed.height());
    out.append(char(0x80 | ((bits - 1) << 4) | (bits - 1))); // global palette follows
    out.append('\0');                                        // background colour index
    out.append('\0');                                        // square pixels
    for (int i = 0; i < (1 << bits); ++i) {
        const QRgb rgb = i < colours.size() ? colours.at(i) : qRgb(0, 0, 0);
        out.append(char(qRed(rgb)));
        out.append(char(qGreen(rgb)));
        out.append(char(qBlue(rgb)));
    }

    out.append(',');
    appendWord(out, 0);
    appendWord(out, 0);
    appendWord(out, indexed.width());
    appendWord(out, indexed.height());
    out.append('\0'); // no local palette, not interlaced

    const int minCodeSize = qMax(2, bits);
    out.append(char(minCodeSize));
    appendSubBlocks(out, literalLzw(indexed, minCodeSize));
    out.append(';');
    return out;
}

QImage quantise(const QImage& picture, const QList<QRgb>& inks) {
    if (inks.isEmpty())
        throw std::invalid_argument("gif::quantise needs at least one ink");
    // Every pair of inks gets a ramp of blends; the ramps share the palette evenly.
    const qsizetype pairs = inks.size() * (inks.size() - 1) / 2;
    const qsizetype steps = pairs == 0 ? 1 : 1 + (256 - inks.size()) / pairs;
    if (pairs > 0 && steps < 2)
        throw std::invalid_argument("gif::quantise: too many inks for one palette");

    QList<QRgb> palette;
    auto addRamp = [&palette, steps](QRgb from, QRgb to) {
        for (qsizetype i = 0; i <= steps; ++i) {
            const auto mix = [i, steps](int a, int b) { return int(a + (b - a) * i / steps); };
            const QRgb rgb = qRgb(mix(qRed(from), qRed(to)), mix(qGreen(from), qGreen(to)),
                                  mix(qBlue(from), qBlue(to)));
            if (!palette.contains(rgb)) {
                palette.append(rgb);
            }
        }
    };
    palette.append(qRgb(qRed(inks.first()), qGreen(inks.first()), qBlue(inks.first())));
    for (qsizetype i = 0; i < inks.size(); ++i) {
        for (qsizetype j = i + 1; j < inks.size(); ++j) {
            addRamp(inks.at(i), inks.at(j));
        }
    }
    return picture.convertToFormat(QImage::Format_RGB32)
        .convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
}

} // namespace gif
