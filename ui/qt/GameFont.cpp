#include "ui/qt/GameFont.h"

#include "ui/qt/TextFitting.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QLocale>
#include <QtEndian>

namespace ui {

namespace {

// Where the machine has the full Noto CJK collection installed, it holds a
// face of the same family and style as our subset, and Qt would draw with
// that one: the collection's 65,535 glyphs, about 5 MiB of it resident. So
// our copy's style is renamed, in memory, to a name of the same length
// that only it has, and the game's font asks for that style.
constexpr char kOurStyle[] = "Bundled";
constexpr char kTheirStyle[] = "Regular";

// Renames the subfamily (name IDs 2 and 17) in an OpenType file's name
// table where it reads `from`; false when there is none or the file is not
// as expected. Names are UTF-16 big-endian, or one byte a character on the
// Macintosh platform.
bool RenameStyle(QByteArray& font, QByteArrayView from, QByteArrayView to)
{
    const qsizetype size = font.size();
    const auto* data = reinterpret_cast<const uchar*>(font.constData());
    auto u16 = [&](qsizetype at) {
        return at + 2 <= size ? qFromBigEndian<quint16>(data + at) : -1;
    };
    auto u32 = [&](qsizetype at) {
        return at + 4 <= size ? qint64(qFromBigEndian<quint32>(data + at)) : -1;
    };
    bool renamed = false;
    const int tables = u16(4);
    for (int i = 0; i < tables; ++i) {
        const qsizetype record = 12 + 16 * qsizetype(i);
        if (record + 16 > size || font.mid(record, 4) != "name") continue;
        const qint64 table = u32(record + 8);
        const int count = u16(table + 2);
        const int stringsAt = u16(table + 4);
        if (table < 0 || count < 0 || stringsAt < 0) return false;
        for (int k = 0; k < count; ++k) {
            const qsizetype entry = table + 6 + 12 * qsizetype(k);
            const int platform = u16(entry);
            const int nameId = u16(entry + 6);
            const int length = u16(entry + 8);
            const int offset = u16(entry + 10);
            if (offset < 0 || (nameId != 2 && nameId != 17)) continue;
            const bool wide = platform != 1;
            auto encode = [wide](QByteArrayView text) {
                QByteArray bytes;
                for (char c : text) {
                    if (wide) bytes.append('\0');
                    bytes.append(c);
                }
                return bytes;
            };
            const QByteArray want = encode(from);
            const QByteArray replacement = encode(to);
            const qsizetype at = table + stringsAt + offset;
            if (length != want.size() || at + length > size || font.mid(at, length) != want)
                continue;
            font.replace(at, length, replacement);
            data = reinterpret_cast<const uchar*>(font.constData());
            renamed = true;
        }
    }
    return renamed;
}

}  // namespace

bool LoadGameFont(const QString& fontsFolder, const QString& language)
{
    const bool simplified =
        !language.isEmpty() && QLocale(language).script() == QLocale::SimplifiedHanScript;
    const QString path = QDir(fontsFolder)
                             .filePath(simplified ? QStringLiteral("NotoSansCJKsc-Game.otf")
                                                  : QStringLiteral("NotoSansCJKhk-Game.otf"));
    // Each face once: a language switched back and forth adds nothing.
    struct Face {
        QStringList families;
        bool ownStyle = false;
        QByteArray captionFace;  // named once: the name reads every byte
    };
    static QHash<QString, Face> loaded;
    if (!loaded.contains(path)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return false;
        QByteArray data = file.readAll();
        static_assert(sizeof(kOurStyle) == sizeof(kTheirStyle), "renamed in place");
        const bool ownStyle = RenameStyle(data, kTheirStyle, kOurStyle);
        const int id = QFontDatabase::addApplicationFontFromData(data);
        if (id < 0) return false;
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (families.isEmpty()) return false;
        loaded.insert(path, {families, ownStyle, CaptionFace(data)});
    }
    const auto& [families, ownStyle, captionFace] = loaded[path];
    NoteCaptionFace(captionFace);
    QFont font(families.first());
    font.setFamilies(families);
    if (ownStyle) font.setStyleName(QString::fromLatin1(kOurStyle));
    font.setPixelSize(GamePixelSize);
    QGuiApplication::setFont(font);
    return true;
}

}  // namespace ui
