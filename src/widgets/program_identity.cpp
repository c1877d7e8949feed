// The program's icon, from the resources in both sizes.
// SPDX-License-Identifier: MIT
#include "widgets/program_identity.h"

#include <QSize>
#include <QString>

QIcon programIcon() {
    // The resources live in the static library; naming them here makes the linker keep
    // them in every program that asks for the icon.
    Q_INIT_RESOURCE(resources);
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/varnel-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/varnel-16.png"), QSize(16, 16));
    return icon;
}
