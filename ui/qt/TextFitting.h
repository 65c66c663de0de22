#pragma once

#include <QFont>
#include <QString>

#include <cstddef>
#include <functional>

class QLabel;
class QRect;
class QWidget;

namespace ui {

// A caption too big for its control gets a smaller type rather than being
// clipped: labels wrap at the box's width; a one-line button caption that
// would shrink below a readable size is broken in two at its most balanced
// point instead. Returns the text to show. `zoom`: the window is drawn that
// many times its design size.
QString FitText(QWidget& control, const QString& text, bool label, int zoom = 1);

// Text set against the window's own edge would touch its frame: such a
// label keeps its text a few pixels in from that edge.
void SetLabelPadding(QLabel& label, const QRect& box, int zoom = 1);

// What fitting chose for a caption, as the game's build stores it: `key`
// from CaptionKey, the type's pixel size and hinting, and a button's text
// where it was broken in two (else null).
struct FittedCaption {
    const char* key;
    int size;
    bool fullHinting;
    const char* text;
};

// A caption fitted in full into its control, whose box, margins and text
// are already set: `base` is the type before fitting. Fitting measures up
// to fifteen sizes, each a font look-up and engine; a caption found in the
// tables given to UseFittedCaptions takes its stored outcome instead, with
// one measurement to see that it fits here (another desktop may hint type
// otherwise), else it is fitted as ever.
void FitCaption(QWidget& control, const QFont& base, const QString& text, bool label, int zoom);

// Everything the outcome depends on: face, type, text, box, margins, kind,
// zoom and screen scale. A changed caption or box is simply not found.
QByteArray CaptionKey(const QWidget& control, const QFont& base, const QString& text, bool label,
                      int zoom);

// Tables sorted by key (byte order), kept for the program's life.
void UseFittedCaptions(const FittedCaption* table, std::size_t count);

// The face in use, as CaptionFace names it from the face file's bytes, so
// an outcome measured with another face is never taken.
QByteArray CaptionFace(const QByteArray& bytes);
void NoteCaptionFace(const QByteArray& face);

// Called for every caption fitted, which is then always fitted afresh:
// what the table holds for it (null: nothing) and what fitting chose now.
using CaptionWatch = std::function<void(const QWidget& control, const QByteArray& key,
                                        const FittedCaption* stored, const FittedCaption& now)>;
void WatchCaptionFitting(CaptionWatch watch);

}  // namespace ui
