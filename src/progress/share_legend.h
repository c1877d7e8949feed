// ShareLegend: the key to the shares bars, a sample of each part beside its name.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_PROGRESS_SHARE_LEGEND_H
#define VARNEL_PROGRESS_SHARE_LEGEND_H

#include <QWidget>

// The key to the shares bars: "Known", "Learning" and "New", each after a sample
// drawn as the bars draw that part. Screen readers get the same key as its name.
class ShareLegend : public QWidget {
    Q_OBJECT
public:
    explicit ShareLegend(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

#endif
