// The progress window: per topic a bar of new, learning and known questions with its figures, the
// chance to pass with its model, what is due today and the recent practice exams.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_PROGRESS_FRM_PROGRESS_H
#define VARNEL_PROGRESS_FRM_PROGRESS_H

#include "progress/progress_figures.h"

#include <QWidget>
#include <functional>

class ClickLabel;
class QLabel;
class QPushButton;
class QTableWidget;
class ShareLegend;

// Where the learner stands, at a glance and as figures: one table row per topic of
// the exam, in syllabus order, whose bar shows the shares of new, learning and known
// questions and whose cells give the same counts, the number right at the last try
// and the readiness, so a screen reader reads what the bars show. Above it the
// chance to pass with the model behind it and the questions due today; below, the
// recent practice exams and the buttons that export, import and reset progress.
class FrmProgress : public QWidget {
    Q_OBJECT
public:
    using Action = std::function<void()>;
    // The buttons run these; the main window owns the store they work on.
    FrmProgress(Action exportProgress, Action importProgress, Action resetProgress,
                QWidget* parent = nullptr);

    // Shows these figures; a table row is a topic, its cells in column order.
    void showFigures(const ProgressFigures& figures);

    enum TopicColumn {
        topicName,
        topicShares,
        topicQuestions,
        topicNew,
        topicLearning,
        topicKnown,
        topicRightLastTry,
        topicReadiness,
        topicColumns
    };

    ClickLabel* lblPassChance;
    ClickLabel* lblModel;
    ClickLabel* lblDue;
    QLabel* lblTopics;
    ShareLegend* legend;
    QTableWidget* tblTopics;
    QLabel* lblExams;
    QTableWidget* tblExams;
    QPushButton* cmdExport;
    QPushButton* cmdImport;
    QPushButton* cmdReset;
    QPushButton* cmdClose;

private:
    void createControls();
    void placeControls();
    void wireHandlers();

    Action m_export;
    Action m_import;
    Action m_reset;
};

#endif
