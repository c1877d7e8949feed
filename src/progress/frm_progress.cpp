// The progress window: its controls and layout, the topics table with its bars, the exam history
// and the buttons.
// SPDX-License-Identifier: MIT
#include "progress/frm_progress.h"

#include "exam/exam_controls.h"
#include "progress/pass_chance.h"
#include "progress/share_bar_delegate.h"
#include "progress/share_legend.h"
#include "widgets/click_label.h"
#include "widgets/fonts.h"
#include "widgets/twips.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

using namespace ExamControls;

namespace {

constexpr int clientWidth = 11400;
constexpr int clientHeight = 7860;

QTableWidget* figureTable(QWidget* parent, const char* name, const QString& access,
                          const QStringList& headers) {
    auto* table =
        named(new QTableWidget(0, static_cast<int>(headers.size()), parent), name, access);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table rather than walking its cells.
    table->setTabKeyNavigation(false);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setWordWrap(false);
    return table;
}

QTableWidgetItem* cell(const QString& text, const QString& spoken = QString(),
                       Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    if (!spoken.isEmpty())
        item->setData(Qt::AccessibleTextRole, spoken);
    return item;
}

} // namespace

FrmProgress::FrmProgress(Action exportProgress, Action importProgress, Action resetProgress,
                         QWidget* parent)
    : QWidget(parent), m_export(std::move(exportProgress)), m_import(std::move(importProgress)),
      m_reset(std::move(resetProgress)) {
    setUpWindow(this, "frmProgress", QStringLiteral("Progress"), QStringLiteral("Progress"));
    createControls();
    placeControls();
    wireHandlers();
}

void FrmProgress::createControls() {
    // Created in the order the Tab key visits them.
    lblPassChance = fieldLabel(this, "lblPassChance", QStringLiteral("Chance to pass"));
    QFont chanceFont = msSansSerif(12);
    chanceFont.setBold(true);
    lblPassChance->setFont(chanceFont);
    lblPassChance->setContentsMargins(4, 2, 4, 2); // clear of its focus frame
    // Takes the focus when the window opens, so a screen reader says it first.
    lblPassChance->setFocusPolicy(Qt::StrongFocus);
    lblModel = fieldLabel(this, "lblModel", QStringLiteral("How the chance is estimated"));
    lblDue = fieldLabel(this, "lblDue", QStringLiteral("Questions due"));
    lblDue->setFont(msSansSerif(9.75));

    tblTopics = figureTable(this, "tblTopics", QStringLiteral("Progress by topic"),
                            {QStringLiteral("Topic"), QStringLiteral("Known / learning / new"),
                             QStringLiteral("Questions"), QStringLiteral("New"),
                             QStringLiteral("Learning"), QStringLiteral("Known"),
                             QStringLiteral("Right at\nlast try"), QStringLiteral("Readiness")});
    tblTopics->setItemDelegateForColumn(topicShares, new ShareBarDelegate(tblTopics));
    lblTopics = caption(this, "lblTopics", QStringLiteral("&Topics"), tblTopics);
    legend = new ShareLegend(this);
    legend->setObjectName(QStringLiteral("legend"));

    tblExams =
        figureTable(this, "tblExams", QStringLiteral("Recent practice exams"),
                    {QStringLiteral("Taken"), QStringLiteral("Score"), QStringLiteral("Passed")});
    lblExams = caption(this, "lblExams", QStringLiteral("Recent practice &exams"), tblExams);

    cmdExport = button(this, "cmdExport", QStringLiteral("E&xport\u2026"),
                       QStringLiteral("Export progress"));
    cmdImport = button(this, "cmdImport", QStringLiteral("&Import\u2026"),
                       QStringLiteral("Import progress"));
    cmdReset =
        button(this, "cmdReset", QStringLiteral("&Reset\u2026"), QStringLiteral("Reset progress"));
    cmdClose = button(this, "cmdClose", QStringLiteral("&Close"), QStringLiteral("Close"));
}

void FrmProgress::placeControls() {
    twips::place(lblPassChance, 240, 120, 10920, 375);
    twips::place(lblModel, 240, 540, 10920, 645);
    twips::place(lblDue, 240, 1230, 10920, 300);

    twips::place(lblTopics, 240, 1620, 3000, 255);
    twips::place(legend, 5160, 1590, 6000, 285);
    twips::place(tblTopics, 240, 1905, 10920, 3720);
    tblTopics->verticalHeader()->setDefaultSectionSize(twips::toPixels(315));
    const int widths[] = {2520, 2160, 960, 780, 900, 780, 1140};
    for (int column = 0; column < topicReadiness; ++column)
        tblTopics->setColumnWidth(column, twips::toPixels(widths[column]));
    tblTopics->horizontalHeader()->setStretchLastSection(true);

    twips::place(lblExams, 240, 5790, 6000, 255);
    twips::place(tblExams, 240, 6045, 6720, 1575);
    tblExams->verticalHeader()->setDefaultSectionSize(twips::toPixels(285));
    tblExams->setColumnWidth(0, twips::toPixels(3000));
    tblExams->setColumnWidth(1, twips::toPixels(2040));
    tblExams->horizontalHeader()->setStretchLastSection(true);

    twips::place(cmdExport, 7200, 6045, 1815, 375);
    twips::place(cmdImport, 9345, 6045, 1815, 375);
    twips::place(cmdReset, 7200, 6525, 1815, 375);
    twips::place(cmdClose, 9345, 7245, 1815, 375);

    // The first position is beside the study window, set where the window is opened.
    setFixedSize(twips::toPixels(clientWidth), twips::toPixels(clientHeight));
}

void FrmProgress::wireHandlers() {
    connect(cmdExport, &QPushButton::clicked, this, [this] {
        if (m_export)
            m_export();
    });
    connect(cmdImport, &QPushButton::clicked, this, [this] {
        if (m_import)
            m_import();
    });
    connect(cmdReset, &QPushButton::clicked, this, [this] {
        if (m_reset)
            m_reset();
    });
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
}

void FrmProgress::showFigures(const ProgressFigures& figures) {
    if (figures.examQuestions == 0) {
        lblPassChance->setFieldText(
            QStringLiteral("Chance to pass: no estimate, the bank has no exam questions."));
        lblModel->setFieldText(QString());
    } else {
        lblPassChance->setFieldText(QStringLiteral("Chance to pass the exam now: %1")
                                        .arg(ProgressRules::percentText(figures.passChance)));
        lblModel->setFieldText(PassChance::modelSentence(figures.examQuestions, figures.passMark));
    }
    lblPassChance->setAccessibleName(lblPassChance->text());
    lblDue->setFieldText(ProgressRules::dueText(figures.dueToday, figures.nextDue));

    tblTopics->setRowCount(static_cast<int>(figures.topics.size()));
    for (int row = 0; row < tblTopics->rowCount(); ++row) {
        const TopicFigures& topic = figures.topics.at(row);
        tblTopics->setItem(row, topicName,
                           cell(topic.name, QString(), Qt::AlignLeft | Qt::AlignVCenter));
        auto* bar = cell(QString(), QStringLiteral("%1 known, %2 learning, %3 new")
                                        .arg(topic.known)
                                        .arg(topic.learning)
                                        .arg(topic.fresh));
        bar->setData(ShareBarDelegate::sharesRole,
                     QVariantList{topic.fresh, topic.learning, topic.known});
        bar->setToolTip(bar->data(Qt::AccessibleTextRole).toString());
        tblTopics->setItem(row, topicShares, bar);
        tblTopics->setItem(row, topicQuestions, cell(QString::number(topic.questions)));
        tblTopics->setItem(row, topicNew, cell(QString::number(topic.fresh)));
        tblTopics->setItem(row, topicLearning, cell(QString::number(topic.learning)));
        tblTopics->setItem(row, topicKnown, cell(QString::number(topic.known)));
        tblTopics->setItem(row, topicRightLastTry, cell(QString::number(topic.rightAtLastTry)));
        tblTopics->setItem(row, topicReadiness, cell(ProgressRules::percentText(topic.readiness)));
    }

    tblExams->setRowCount(static_cast<int>(figures.recentExams.size()));
    for (int row = 0; row < tblExams->rowCount(); ++row) {
        const RecentExam& exam = figures.recentExams.at(row);
        tblExams->setItem(
            row, 0,
            cell(exam.taken.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")), QString(),
                 Qt::AlignLeft | Qt::AlignVCenter));
        tblExams->setItem(row, 1,
                          cell(QStringLiteral("%1 / %2").arg(exam.right).arg(exam.total),
                               QStringLiteral("%1 of %2 right").arg(exam.right).arg(exam.total)));
        tblExams->setItem(
            row, 2,
            cell(exam.passed ? QStringLiteral("yes") : QStringLiteral("no"),
                 exam.passed ? QStringLiteral("passed") : QStringLiteral("not passed"),
                 Qt::AlignLeft | Qt::AlignVCenter));
    }
}
