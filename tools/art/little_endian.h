// Appending 16- and 32-bit values in the little-endian order of BMP and ICO headers.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_TOOLS_ART_LITTLE_ENDIAN_H
#define VARNEL_TOOLS_ART_LITTLE_ENDIAN_H

#include <QByteArray>
#include <QtEndian>

// Appends 16- and 32-bit values in the little-endian order of BMP and ICO headers.
inline void append16(QByteArray& bytes, quint16 value) {
    char buffer[2];
    qToLittleEndian(value, buffer);
    bytes.append(buffer, 2);
}

inline void append32(QByteArray& bytes, quint32 value) {
    char buffer[4];
    qToLittleEndian(value, buffer);
    bytes.append(buffer, 4);
}

#endif
