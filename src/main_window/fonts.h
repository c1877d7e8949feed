#ifndef VARNEL_MAIN_WINDOW_FONTS_H
#define VARNEL_MAIN_WINDOW_FONTS_H

#include <QFont>

// The windows are designed in MS Sans Serif. Where it is missing, a face of about
// its width takes its place (the common default sans-serif faces run wider, and
// the captions were measured for the narrower face), else the system's sans-serif.
inline QFont msSansSerif(double points) {
    static const bool substitutesRegistered = [] {
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Microsoft Sans Serif"),
                                    QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"),
                                    QStringLiteral("Helvetica")});
        return true;
    }();
    Q_UNUSED(substitutesRegistered);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

inline constexpr double defaultFontPoints = 8.25;

#endif
