// The windows' design fonts at a point size, with substitutes where the design face is missing.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_WIDGETS_FONTS_H
#define VARNEL_WIDGETS_FONTS_H

#include <QFont>
#include <QStringList>

// A font of the windows' design face at a point size. Where the face is missing,
// the first installed substitute takes its place, else the system's sans-serif.
inline QFont designFont(const QString& family, const QStringList& substitutes, double points) {
    if (QFont::substitutes(family).isEmpty())
        QFont::insertSubstitutions(family, substitutes);
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

// The windows are designed in MS Sans Serif. The common default sans-serif faces run
// wider than it, and the captions were measured for the narrower face, so faces of
// about its width come first.
inline QFont msSansSerif(double points) {
    return designFont(QStringLiteral("MS Sans Serif"),
                      {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
                       QStringLiteral("Arimo"), QStringLiteral("Arial"),
                       QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")},
                      points);
}

inline constexpr double defaultFontPoints = 8.25;

#endif
