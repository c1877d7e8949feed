// FrmTheo, the program's one main window: its controls by layout name, and its handlers grouped by
// the file that defines them.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_MAIN_WINDOW_FRM_THEO_H
#define VARNEL_MAIN_WINDOW_FRM_THEO_H

#include "bank/bank_status.h"
#include "main_window/shared_module.h"
#include "widgets/aux_window.h"
#include "widgets/examination.h"

#include <QMainWindow>
#include <QString>
#include <QVector>
#include <array>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class Announcer;
class ClickLabel;
class DataControl;
class Dialogs;
class ExamLauncher;
class FieldBinding;
struct FigureEntry;
class FrmAbout;
class FrmExam;
class FrmReview;
class FrmPicture;
class FrmProgress;
class FrmTable;
class OutlineShape;
class ProgressRecords;
class ProgressStore;
struct ExamQuestion;
struct ExamResult;
class RandomDraw;

// The program's one main window. Controls carry their layout names; handlers carry
// the names of their control and event. The controls and menus are made, placed and
// wired in main_window/frm_theo.cpp, from the kit in widgets/; each subsystem's
// handlers are defined in that subsystem's folder (drill/, display/, authoring/,
// about/, exam/, progress/), as each section below names.
class FrmTheo : public QMainWindow {
    Q_OBJECT
public:
    // workingDir holds newgen2.mdb, the figure bitmaps and NTO-1.rtf. Creating the
    // window runs its load handler; the question bank opens afterwards.
    FrmTheo(const QString& workingDir, Dialogs& dialogs, RandomDraw& draw,
            QWidget* parent = nullptr);
    ~FrmTheo() override;

    // Opens both record sources and makes their first rows current. On failure the
    // reason names the file, its folder and what is wrong with it.
    BankStatus openQuestionBank();
    // Where the program looks for a file given by its bare name.
    QString workingFile(const QString& bareName) const;
    SharedModule& sharedModule() { return m_shared; }

    // --- Controls (main_window/frm_theo.cpp). Topic row
    QLabel* Label7;
    QComboBox* Combo1;
    QListWidget* List1;
    DataControl* Data2;
    // --- Question area
    QLabel* Label5;
    QLineEdit* Text1;
    ClickLabel* Label12;
    QPushButton* Command6;
    QPlainTextEdit* Text3;
    ClickLabel* Label13;
    QPushButton* Command11;
    QPushButton* Command7;
    // --- Answer area
    QLabel* Label6;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QPlainTextEdit* Text5;
    QPlainTextEdit* Text6;
    QPlainTextEdit* Text7;
    QPlainTextEdit* Text8;
    ClickLabel* Label8;
    ClickLabel* Label9;
    ClickLabel* Label10;
    ClickLabel* Label11;
    QLineEdit* Text4;
    QGroupBox* Frame1;
    QRadioButton* Option1;
    QRadioButton* Option2;
    // The answer boxes and the choice labels shown over them, in field order A to D.
    std::array<QPlainTextEdit*, 4> answerBoxes() const { return {Text5, Text6, Text7, Text8}; }
    std::array<ClickLabel*, 4> choiceLabels() const { return {Label8, Label9, Label10, Label11}; }
    // Each shown field label with the hidden box it lies over.
    struct Overlay {
        QWidget* label;
        QWidget* box;
    };
    std::array<Overlay, 6> overlays() const;
    // --- Bottom row and top edge
    DataControl* Data1;
    QComboBox* Combo2;
    QPlainTextEdit* Text10;
    QPushButton* Command8;
    QLineEdit* Text11;
    QLineEdit* Text12;
    // --- Authoring controls, laid out hidden
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command5;
    QPushButton* Command9;
    QPushButton* Command3;
    QPushButton* Command10;
    QPushButton* Command4;
    QLineEdit* Text9;
    QPlainTextEdit* Text2;
    // --- Outlines
    OutlineShape* Shape1;
    OutlineShape* Shape2;
    OutlineShape* Shape3;
    // --- Menus (main_window/frm_theo.cpp)
    QMenu* mnuThFile;
    QAction* mnuFileExam;
    QAction* mnuFileReview;
    QAction* mnuFileDue;
    QAction* mnuFileContinue;
    QAction* mnuFileProgress;
    QAction* mnuFileExportProgress;
    QAction* mnuFileImportProgress;
    QAction* mnuFileResetProgress;
    QAction* mnuFileExit;
    std::array<QAction*, 3> mnuFileStudy; // Technician, General, Extra
    QMenu* mnuHelp;
    QAction* mnuHelpHint;
    QAction* mnuHelpPrivileges;
    QAction* mnuHelpAbout;

    // --- Start-up and shutdown (main_window/startup.cpp)
    void Form_Load();
    void Form_Unload(qint16& Cancel);
    void mnuFileExit_Click();

    // --- Answer checking and modes (drill/answer_checking.cpp)
    void Label8_Click();
    void Label9_Click();
    void Label10_Click();
    void Label11_Click();
    void Text5_Click();
    void Text6_Click();
    void Text7_Click();
    void Text8_Click();
    void Option1_Click();
    void Option2_Click();
    void Text4_Change();

    // --- Topic and number jumps, and the missed list's (drill/topic_jump.cpp)
    void Combo1_Click();
    void Combo1_DblClick();
    void Combo1_LostFocus();
    void Combo2_Click();
    void Command7_NewItem(const QString& number);

    // --- Record change and hints (display/record_change.cpp)
    void Text1_Change();
    void Command8_Click();
    void Data1_Validate(qint16& Action, qint16& Save);
    void mnuHelpHint_Click();

    // --- Figures and the figure and table windows (display/figures.cpp)
    void FigureLookup(const QString& number);
    void Command11_Click();
    // Help, Band Privileges: the table window, whatever the figure flag.
    void mnuHelpPrivileges_Click();
    FrmPicture* frmPicture();
    FrmTable* frmTable();
    // The windows if they exist, without creating them.
    FrmPicture* existingFrmPicture() const;
    FrmTable* existingFrmTable() const;

    // --- Record editing and search (authoring/record_editing.cpp)
    void Command1_Click();
    void Command2_Click();
    void Command5_Click();
    void Command6_Click();
    void Command10_Click();

    // --- Pool text import (authoring/pool_import.cpp)
    void Command3_Click();
    void Command4_Click();
    void Command9_Click();

    // --- About box (about/about_menu.cpp)
    void mnuHelpAbout_Click();
    FrmAbout* frmAbout();
    FrmAbout* existingFrmAbout() const;

    // --- Practice exam (exam/exam_menu.cpp)
    void mnuFileExam_Click();
    FrmExam* frmExam();
    FrmExam* existingFrmExam() const;
    // Whether the learner may leave what the study window has open: true unless an
    // exam is being taken and the learner, asked, keeps it.
    bool mayLeave();

    // --- The examination studied (main_window/exam_choice.cpp)
    // The exam the program was started for, and how it starts another (none: the
    // Study items stay disabled).
    void setExamination(Examination exam, ExamLauncher* launcher);
    // The exam of the bank's questions (their letter), else the one started for.
    Examination examination() const;
    // The caption names the exam, but for General.
    void showExamination();
    // File, Study <exam>: saves the typed note, then, unless the learner keeps an exam
    // under way, starts the program on that exam's bank and ends this one.
    void mnuFileStudy_Click(Examination exam);

    // --- Review of missed questions (exam/review_menu.cpp)
    void mnuFileReview_Click();
    FrmReview* frmReview();
    FrmReview* existingFrmReview() const;

    // --- Progress window, export, import and reset (progress/progress_menu.cpp)
    void mnuFileProgress_Click();
    void mnuFileExportProgress_Click();
    void mnuFileImportProgress_Click();
    void mnuFileResetProgress_Click();
    FrmProgress* frmProgress();
    FrmProgress* existingFrmProgress() const;
    // The store of the learner's answers these work on; none while it is not open.
    void setProgressRecords(ProgressRecords* records);
    // The records the progress window, export, import and reset work on: those given
    // above, else the store beside the bank.
    ProgressRecords* progressRecords();

    // --- What the learner answered, kept between runs (progress/progress_recording.cpp)
    void mnuFileDue_Click();
    void mnuFileContinue_Click();
    // The store beside the bank; its file is made at the first answer recorded.
    ProgressStore* progressStore();
    // Records one judged answer ("study", "exam" or "review"); a store that cannot
    // record it is told once, and studying goes on as without one.
    void recordAnswer(const QString& number, bool right, const QString& where);
    void reportProgressStatus(const BankStatus& status);
    // Records a finished practice exam and each of its answered questions.
    void recordExam(const QVector<ExamQuestion>& paper, const QVector<int>& chosen,
                    const ExamResult& result);
    // Fills an open progress window afresh from the bank and the store, as after an
    // answer is recorded; does nothing when the window is not open.
    void refreshFrmProgress();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createMenus();
    void placeControls();
    void bindControls();
    void wireHandlers();
    // Shows a failure of the question bank to the learner; true when status is ok.
    bool reportBankStatus(const BankStatus& status);
    // One answer check for the choice with the given answer value (1 = A ... 4 = D).
    void checkAnswer(int answerValue);
    // New and Update as steps (authoring/record_editing.cpp): the buttons show a
    // failure to the learner, the pool import stops silently on it.
    BankStatus startNewRecord();
    BankStatus saveNewRecord();
    // The auxiliary windows' makers, each in its menu file (the window's folder), so
    // that this folder sees none of their classes.
    FrmPicture* createFrmPicture();    // display/figures.cpp
    FrmTable* createFrmTable();        // display/figures.cpp
    static FrmAbout* createFrmAbout(); // about/about_menu.cpp
    FrmExam* createFrmExam();          // exam/exam_menu.cpp
    FrmReview* createFrmReview();      // exam/review_menu.cpp
    FrmProgress* createFrmProgress();  // progress/progress_menu.cpp
    // Shows the exam or the review, placed beside this window when it opens.
    void showBesideStudy(QWidget* window); // exam/exam_menu.cpp
    // The hint step of a question change: the hint source to the question's row, or to
    // a new row that takes a note typed for it (display/record_change.cpp).
    void lookUpHint();
    // What a screen reader is told of the question now shown: its number, its stem,
    // its four choices and, in Drill mode, the row of the right one
    // (display/record_change.cpp).
    QString questionAnnouncement() const;
    // Ends the program (File, Exit and closing the window), unless the learner keeps
    // an exam under way; true when it ends.
    bool endProgram(); // main_window/startup.cpp
    // Writes back the note typed in the hint box, telling the learner when that is
    // refused. True when the question may change: saved, nothing typed, or a refusal
    // already told once. A refusal keeps the question with the note in its box: one that
    // can pass until it is saved, any other once, so that the note can be copied.
    // Leaving the program always goes on.
    enum class HintLeaving { Question, Program };
    bool saveTypedHint(HintLeaving leaving);
    // Says once a session that a hint stored other than as text cannot be edited.
    void tellHintNotText();

    QString m_workingDir;
    Dialogs& m_dialogs;
    // The figure of the question of this number on screen, and the bitmap file of the
    // question shown (empty: none) (display/figures.cpp).
    std::optional<FigureEntry> figureOf(const QString& number);
    QString shownFigureFile();
    // Whether the bank's pool names its figures in its text; asked once, when a
    // question of the figure catalogue names none.
    std::optional<bool> m_bankNamesFigures;
    Examination m_examination = Examination::General;
    ExamLauncher* m_examLauncher = nullptr;
    RandomDraw& m_draw;
    SharedModule m_shared;
    std::vector<std::unique_ptr<FieldBinding>> m_labelBindings;
    AuxWindow<FrmPicture> m_frmPicture;
    AuxWindow<FrmTable> m_frmTable;
    AuxWindow<FrmAbout> m_frmAbout;
    AuxWindow<FrmExam> m_frmExam;
    AuxWindow<FrmReview> m_frmReview;
    AuxWindow<FrmProgress> m_frmProgress;
    ProgressRecords* m_progressRecords = nullptr;
    std::unique_ptr<ProgressStore> m_progressStore;
    bool m_toldProgressFailure = false;
    bool m_toldNoHintsTable = false;
    bool m_hintNotText = false; // the hint shown is stored other than as text: read-only
    bool m_toldHintNotText = false;
    Announcer* m_announcer = nullptr; // tells a new question that takes no focus
};

#endif
