// gorvak-captions: run while the game is built, on Qt's offscreen platform.
// Lays out every window in every language at every zoom, fitting each
// caption as the game would, and writes the outcomes as a C++ table the game
// takes instead of measuring them again at every start. Its screen scale is
// the one QT_SCALE_FACTOR gives it.
//   gorvak-captions ASSETS OUT.cpp SYMBOL

#include "app/Language.h"
#include "tools/CaptionedWindows.h"
#include "ui/qt/GameStyle.h"
#include "ui/qt/QtForm.h"
#include "ui/qt/QtPictures.h"
#include "ui/qt/QtWindowSystem.h"
#include "ui/qt/TextFitting.h"

#include <QApplication>
#include <QDir>
#include <QSaveFile>

#include <cstdio>
#include <map>
#include <string>

namespace {

// As a C string literal: anything but plain ASCII in octal escapes.
std::string Literal(const QByteArray& bytes)
{
    std::string out = "\"";
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u >= 0x7f || c == '"' || c == '\\' || c == '?') {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\%03o", u);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

struct Outcome {
    int size = 0;
    bool fullHinting = false;
    QByteArray text;  // empty: as given
    std::string where;
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fputs("usage: gorvak-captions ASSETS OUT.cpp SYMBOL\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);
    const QDir assets(QString::fromLocal8Bit(argv[1]));
    GameLanguage language(assets.filePath(QStringLiteral("fonts")));
    ui::QtPictures pictures;
    QString missing;
    if (!pictures.Load(assets.filePath(QStringLiteral("pictures")), &missing)) {
        std::fprintf(stderr, "gorvak-captions: cannot load %s\n", qPrintable(missing));
        return 1;
    }
    ui::ApplyGameStyle();
    ui::QtWindowSystem windows(pictures, GameSystemTexts());
    std::map<QByteArray, Outcome> outcomes;  // sorted as the game searches them
    std::string where;
    ui::WatchCaptionFitting([&](const QWidget& control, const QByteArray& key,
                                const ui::FittedCaption*, const ui::FittedCaption& now) {
        outcomes[key] = {now.size, now.fullHinting, now.text ? QByteArray(now.text) : QByteArray(),
                         where + "." + control.objectName().toStdString()};
    });
    for (const texts::Language& spoken : language.Languages()) {
        if (!language.Use(spoken.code)) {
            std::fprintf(stderr, "gorvak-captions: cannot use %s\n", spoken.code.c_str());
            return 1;
        }
        for (int zoom = 1; zoom <= CaptionedZooms; ++zoom) {
            windows.SetZoom(zoom);
            for (const ui::FormLayout& layout : CaptionedWindows()) {
                where = spoken.code + " " + std::to_string(zoom) + "x " + layout.name;
                auto form = windows.CreateForm(layout);
                form->Load();
                form->Unload();
            }
        }
    }
    ui::WatchCaptionFitting({});

    std::string out = "// Made by gorvak-captions while the game was built: not to be edited.\n"
                      "#include \"ui/qt/TextFitting.h\"\n\n#include <cstddef>\n\n"
                      "extern const ui::FittedCaption " +
        std::string(argv[3]) + "[];\nextern const std::size_t " + argv[3] +
        "Count;\n\nconst ui::FittedCaption " + argv[3] + "[] = {\n";
    for (const auto& [key, o] : outcomes) {
        out += "    {" + Literal(key) + ", " + std::to_string(o.size) + ", " +
            (o.fullHinting ? "true" : "false") + ", " +
            (o.text.isEmpty() ? std::string("nullptr") : Literal(o.text)) + "},  // " + o.where +
            "\n";
    }
    out += "};\nconst std::size_t " + std::string(argv[3]) +
        "Count = " + std::to_string(outcomes.size()) + ";\n";
    QSaveFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::WriteOnly) || file.write(out.data(), qint64(out.size())) < 0 ||
        !file.commit()) {
        std::fprintf(stderr, "gorvak-captions: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
