// The main window FrmTheo: its controls, their layout in twips, the menus, the bindings to the
// record sources and the wiring of every handler.
// SPDX-License-Identifier: MIT
#include "main_window/frm_theo.h"

#include "bank/bank_schema.h"
#include "drill/missed_list.h"
#include "progress/progress_store.h"
#include "widgets/announcer.h"
#include "widgets/bound_controls.h"
#include "widgets/choice_keys.h"
#include "widgets/click_label.h"
#include "widgets/data_control.h"
#include "widgets/dialogs.h"
#include "widgets/fonts.h"
#include "widgets/growing_box.h"
#include "widgets/outline_shape.h"
#include "widgets/program_identity.h"
#include "widgets/topic_choice_guard.h"
#include "widgets/twips.h"
#include "widgets/window_accessibility.h"
#include "widgets/window_shortcuts.h"
#include "widgets/wrap_button.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {

// The window's client area in twips.
constexpr int clientWidth = 8040;
constexpr int clientHeight = 5640;

template <typename Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* fixedLabel(QWidget* parent, const char* name, const QString& caption) {
    auto* label = named(new QLabel(caption, parent), name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// The labels that show a field: white, bordered, wrapping inside their box. Their
// white is fixed, and so is their text's black: a dark desktop palette changes neither.
// A screen reader reads the text they show; the description says what it is.
ClickLabel* boundLabel(QWidget* parent, const char* name, const QString& description) {
    auto* label = named(new ClickLabel(parent), name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWhiteBox();
    label->setAccessibleDescription(description);
    return label;
}

QLineEdit* lineBox(QWidget* parent, const char* name) {
    auto* box = named(new QLineEdit(parent), name);
    box->hide();
    return box;
}

QPlainTextEdit* textBox(QWidget* parent, const char* name, bool scrollBar) {
    auto* box = named(new QPlainTextEdit(parent), name);
    box->setVerticalScrollBarPolicy(scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    box->hide();
    return box;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, bool shown) {
    auto* b = named(new QPushButton(caption, parent), name);
    b->setAutoDefault(false);
    b->setVisible(shown);
    return b;
}

} // namespace

FrmTheo::FrmTheo(const QString& workingDir, Dialogs& dialogs, RandomDraw& draw, QWidget* parent)
    : QMainWindow(parent), m_workingDir(workingDir), m_dialogs(dialogs), m_draw(draw),
      // Each auxiliary window is built in its menu file, which alone sees its class.
      m_frmPicture([this] { return createFrmPicture(); }),
      m_frmTable([this] { return createFrmTable(); }), m_frmAbout([] { return createFrmAbout(); }),
      m_frmExam([this] { return createFrmExam(); }),
      m_frmReview([this] { return createFrmReview(); }),
      m_frmProgress([this] { return createFrmProgress(); }) {
    setObjectName(QStringLiteral("frmTheo"));
    setWindowTitle(programTitle);
    setWindowIcon(programIcon());
    setFont(msSansSerif(defaultFontPoints));
    WindowAccessibility::install();
    createControls();
    createMenus();
    placeControls();
    bindControls();
    wireHandlers();
    Form_Load();
}

FrmTheo::~FrmTheo() {
    // Taking the window down ends editing in the topic box, which this window, half
    // gone by then, must not handle.
    QObject::disconnect(Combo1->lineEdit(), nullptr, this, nullptr);
}

std::array<FrmTheo::Overlay, 6> FrmTheo::overlays() const {
    return {{{Label13, Text3},
             {Label12, Text1},
             {Label8, Text5},
             {Label9, Text6},
             {Label10, Text7},
             {Label11, Text8}}};
}

QString FrmTheo::workingFile(const QString& bareName) const {
    return QDir(m_workingDir).filePath(bareName);
}

void FrmTheo::createControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    // Outlines first, so that every control lies above them.
    Shape3 = named(new OutlineShape(palette().color(QPalette::WindowText), client), "Shape3");
    Shape2 = named(new OutlineShape(QColor(0, 0, 255), client), "Shape2");
    Shape1 = named(new OutlineShape(QColor(255, 0, 0), client), "Shape1");

    // Topic row
    Label7 = fixedLabel(client, "Label7", QStringLiteral("Choose Current Topics:"));
    Label7->setFont(msSansSerif(9.75));
    Combo1 = named(new QComboBox(client), "Combo1");
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setAccessibleName(QStringLiteral("Topic"));
    List1 = named(new QListWidget(client), "List1");
    List1->hide();
    Data2 = named(new DataControl(QStringLiteral("Data2"), BankSchema::hintsTable,
                                  BankSchema::hintFields(), client),
                  "Data2");
    Data2->hide();

    // Question area
    Label5 = fixedLabel(client, "Label5", QStringLiteral("Question number"));
    Label5->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Text1 = lineBox(client, "Text1");
    Text3 = textBox(client, "Text3", true);
    Command6 = button(client, "Command6", QStringLiteral("Search"), true);
    Command6->setAccessibleName(QStringLiteral("Search"));
    // The tall Show Picture button wraps its caption onto two lines.
    Command11 = named(new WrapButton(QStringLiteral("Show Picture"), client), "Command11");
    Command11->setAutoDefault(true); // Enter presses it while it has the focus
    Command11->hide();
    Command11->setAccessibleName(QStringLiteral("Show Picture"));
    Command7 = button(client, "Command7", QString(), false);

    // Answer area
    Label6 = fixedLabel(client, "Label6", QStringLiteral("Click The Answer"));
    Label6->setFont(msSansSerif(12));
    Label6->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label6->setWordWrap(true);
    const char* letterNames[] = {"Label1", "Label2", "Label3", "Label4"};
    QLabel** letters[] = {&Label1, &Label2, &Label3, &Label4};
    for (int i = 0; i < 4; ++i) {
        *letters[i] = fixedLabel(client, letterNames[i], QString(QChar(u'A' + i)));
        (*letters[i])->setFont(msSansSerif(12));
        (*letters[i])->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    Text5 = textBox(client, "Text5", false);
    Text6 = textBox(client, "Text6", false);
    Text7 = textBox(client, "Text7", false);
    Text8 = textBox(client, "Text8", false);
    Text4 = lineBox(client, "Text4");
    Frame1 = named(new QGroupBox(QStringLiteral("Mode"), client), "Frame1");
    Option1 = named(new QRadioButton(QStringLiteral("Quiz"), Frame1), "Option1");
    Option2 = named(new QRadioButton(QStringLiteral("Drill"), Frame1), "Option2");
    // The mode buttons are narrow; a tighter gap keeps their captions whole.
    Frame1->setStyleSheet(QStringLiteral("QRadioButton { spacing: 2px; }"));

    // Bottom row and top edge
    Data1 = named(new DataControl(QStringLiteral("Click Here To Browse"), BankSchema::poolTable,
                                  BankSchema::poolFields(), client),
                  "Data1");
    Combo2 = named(new QComboBox(client), "Combo2");
    Combo2->setEditable(true);
    Combo2->setInsertPolicy(QComboBox::NoInsert);
    Combo2->setEditText(missedListCaption);
    Combo2->setCursor(Qt::ArrowCursor);
    Combo2->setAccessibleName(QStringLiteral("Missed questions"));
    Text10 = textBox(client, "Text10", true);
    Text10->setAccessibleName(QStringLiteral("Hint text"));
    Text10->setTabChangesFocus(true); // a note never holds a tab; Tab moves on, as everywhere
    Command8 = button(client, "Command8", QStringLiteral("Hint"), true);
    Command8->setAccessibleName(QStringLiteral("Hint"));
    Text11 = lineBox(client, "Text11");
    Text12 = lineBox(client, "Text12");

    // Authoring controls: laid out, never shown
    Command1 = button(client, "Command1", QStringLiteral("New"), false);
    Command2 = button(client, "Command2", QStringLiteral("Update"), false);
    Command2->setEnabled(false);
    Command5 = button(client, "Command5", QStringLiteral("Delete"), false);
    Command9 = button(client, "Command9", QStringLiteral("Transfer"), false);
    Command3 = button(client, "Command3", QStringLiteral("Next G9"), false);
    Command10 = button(client, "Command10", QStringLiteral("New"), false);
    Command4 = button(client, "Command4", QStringLiteral("Accept"), false);
    Text9 = lineBox(client, "Text9");
    Text2 = textBox(client, "Text2", true);

    // The shown labels of the fields; they lie over their hidden boxes from the first question on.
    Label12 = boundLabel(client, "Label12", QStringLiteral("Question number"));
    Label13 = boundLabel(client, "Label13", QStringLiteral("Question"));
    // The choices' descriptions name the row they stand in (see ChoiceKeys).
    Label8 = boundLabel(client, "Label8", QString());
    Label9 = boundLabel(client, "Label9", QString());
    Label10 = boundLabel(client, "Label10", QString());
    Label11 = boundLabel(client, "Label11", QString());

    // Keyboard order of the shown controls; the choices follow the mode buttons in
    // the order of their rows, and Show Picture comes after them.
    setTabOrder(Command6, Combo1);
    setTabOrder(Combo1, Combo2);
    setTabOrder(Combo2, Command8);
    setTabOrder(Command8, Option1);
    setTabOrder(Option1, Option2);
    // The question takes the focus after a jump, so that the answer keys answer it at
    // once; Tab reaches it just before its choices.
    Label13->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(Option2, Label13);
    new ChoiceKeys(client, choiceLabels(), {Label1, Label2, Label3, Label4}, Label13,
                   {Command11, Data1->firstButton(), Data1->previousButton(), Data1->nextButton(),
                    Data1->lastButton()});
    Data1->takeBrowseKeys(client);
    m_announcer = new Announcer(client, [this] { return questionAnnouncement(); });
    Command6->setFocus();
}

void FrmTheo::createMenus() {
    mnuThFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuThFile->setObjectName(QStringLiteral("mnuThFile"));
    mnuFileExam = mnuThFile->addAction(QStringLiteral("Practice &Exam\u2026"));
    mnuFileExam->setObjectName(QStringLiteral("mnuFileExam"));
    mnuFileExam->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuFileReview = mnuThFile->addAction(QStringLiteral("&Review Missed\u2026"));
    mnuFileReview->setObjectName(QStringLiteral("mnuFileReview"));
    mnuFileReview->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    // The questions due again (Ctrl+D, which no box takes), and the question last
    // answered here in an earlier run.
    mnuFileDue = mnuThFile->addAction(QStringLiteral("Study &Due Questions\u2026"));
    mnuFileDue->setObjectName(QStringLiteral("mnuFileDue"));
    mnuFileDue->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuFileContinue = mnuThFile->addAction(QStringLiteral("&Continue Where You Left Off"));
    mnuFileContinue->setObjectName(QStringLiteral("mnuFileContinue"));
    // What the learner knows: the window (Ctrl+P, which no box takes as an editing
    // key), and the progress file and reset, which never touch the question bank.
    mnuThFile->addSeparator();
    mnuFileProgress = mnuThFile->addAction(QStringLiteral("&Progress\u2026"));
    mnuFileProgress->setObjectName(QStringLiteral("mnuFileProgress"));
    mnuFileProgress->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuFileExportProgress = mnuThFile->addAction(QStringLiteral("Export Progre&ss\u2026"));
    mnuFileExportProgress->setObjectName(QStringLiteral("mnuFileExportProgress"));
    mnuFileImportProgress = mnuThFile->addAction(QStringLiteral("&Import Progress\u2026"));
    mnuFileImportProgress->setObjectName(QStringLiteral("mnuFileImportProgress"));
    mnuFileResetProgress = mnuThFile->addAction(QStringLiteral("Reset Pr&ogress\u2026"));
    mnuFileResetProgress->setObjectName(QStringLiteral("mnuFileResetProgress"));
    mnuThFile->addSeparator();
    const char* const studyNames[] = {"mnuFileStudyTechnician", "mnuFileStudyGeneral",
                                      "mnuFileStudyExtra"};
    const char* const studyTexts[] = {"Study &Technician", "Study &General", "Study Extr&a"};
    for (std::size_t i = 0; i < mnuFileStudy.size(); ++i) {
        mnuFileStudy[i] = mnuThFile->addAction(QString::fromLatin1(studyTexts[i]));
        mnuFileStudy[i]->setObjectName(QString::fromLatin1(studyNames[i]));
        mnuFileStudy[i]->setEnabled(false); // until the program knows how to start another
    }
    mnuThFile->addSeparator();
    mnuFileExit = mnuThFile->addAction(QStringLiteral("E&xit"));
    mnuFileExit->setObjectName(QStringLiteral("mnuFileExit"));
    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpHint = mnuHelp->addAction(QStringLiteral("H&ints"));
    mnuHelpHint->setObjectName(QStringLiteral("mnuHelpHint"));
    mnuHelpHint->setCheckable(true);
    mnuHelpHint->setChecked(true);
    // Ctrl+B: no box of the window takes it as an editing key.
    mnuHelpPrivileges = mnuHelp->addAction(QStringLiteral("Band &Privileges\u2026"));
    mnuHelpPrivileges->setObjectName(QStringLiteral("mnuHelpPrivileges"));
    mnuHelpPrivileges->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    mnuHelpAbout = mnuHelp->addAction(QStringLiteral("&About"));
    mnuHelpAbout->setObjectName(QStringLiteral("mnuHelpAbout"));
    new WindowShortcuts(this, {mnuFileExam, mnuFileReview, mnuFileDue, mnuFileProgress,
                              mnuHelpPrivileges});
}

void FrmTheo::placeControls() {
    // Every position is straight from the layout, in twips; nothing is laid out
    // automatically, so resizing the window moves nothing.
    twips::place(Shape3, 120, 360, 7815, 615);
    twips::place(Shape2, 120, 1080, 7815, 1215);
    twips::place(Shape1, 120, 2400, 7815, 2535);

    twips::place(Label7, 240, 480, 3015, 255);
    twips::place(Combo1, 3480, 480, 3855, 315);
    twips::place(List1, 8760, 480, 375, 255);
    twips::place(Data2, 2520, 480, 1140, 300);

    twips::place(Label5, 240, 1200, 1455, 255);
    twips::place(Text1, 360, 1560, 615, 285);
    twips::place(Command6, 360, 1920, 1095, 255);
    twips::place(Text3, 2520, 1200, 5175, 975);
    twips::place(Command11, 1560, 1440, 855, 615);
    twips::place(Command7, 240, 1440, 135, 255);

    twips::place(Label6, 240, 3000, 855, 1095);
    twips::place(Label1, 1080, 2640, 375, 375);
    twips::place(Label2, 1080, 3240, 375, 375);
    twips::place(Label3, 1080, 3840, 375, 375);
    twips::place(Label4, 1080, 4320, 375, 375);
    twips::place(Text5, 1560, 2520, 6135, 495);
    twips::place(Text6, 1560, 3120, 6135, 495);
    twips::place(Text7, 1560, 3720, 6135, 495);
    twips::place(Text8, 1560, 4320, 6135, 495);
    twips::place(Text4, 480, 2520, 495, 375);
    twips::place(Frame1, 240, 3960, 855, 855);
    twips::place(Option1, 120, 240, 615, 255);
    twips::place(Option2, 120, 480, 615, 255);

    twips::place(Data1, 2880, 5040, 2895, 375);
    twips::place(Combo2, 6000, 5040, 1095, 315);
    twips::place(Text10, 120, 5040, 2535, 375);
    // In use, the note box shows three lines or more in the free corner below the
    // answer area, up to the browse bar.
    new GrowingBox(Text10, twips::rect(120, 4935, 2700, 705));
    twips::place(Command8, 7200, 0, 735, 255);
    twips::place(Text11, 6240, 240, 1335, 285);
    twips::place(Text12, 240, 5040, 975, 285);

    twips::place(Command1, 120, 0, 1095, 255);
    twips::place(Command2, 1320, 0, 975, 255);
    twips::place(Command5, 2400, 0, 975, 255);
    twips::place(Command9, 6360, 0, 735, 255);
    twips::place(Command3, 0, 4560, 1455, 375);
    twips::place(Command10, 1200, 4800, 1575, 255);
    twips::place(Command4, 1680, 5040, 375, 375);
    twips::place(Text9, 2400, 5040, 255, 375);
    twips::place(Text2, 8640, 840, 495, 285);

    // Until the first question lays them over their boxes, the field labels stand
    // where those boxes are designed to be.
    for (const Overlay& overlay : overlays())
        overlay.label->setGeometry(overlay.box->geometry());

    // A fixed border, as the figure and table windows have: the layout is fixed, so
    // a larger window would only leave it in a corner of an empty one. Nor is there a
    // maximise button, which some window managers would still show.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    centralWidget()->setMinimumSize(twips::toPixels(clientWidth), twips::toPixels(clientHeight));
    setFixedSize(twips::toPixels(clientWidth),
                 twips::toPixels(clientHeight) + menuBar()->sizeHint().height());
    move(twips::toPixels(1500), twips::toPixels(1815) - menuBar()->sizeHint().height());
}

void FrmTheo::bindControls() {
    RecordSource& pool = Data1->recordset();
    auto bindBox = [&](RecordSource& source, const char* field, auto* box,
                       std::function<void()> onChange = {}) {
        auto* binding = new BoundTextBox(box, std::move(onChange)); // owned by the box
        source.bind(QLatin1String(field), binding);
    };
    auto bindLabel = [&](const char* field, QLabel* label) {
        m_labelBindings.push_back(std::make_unique<BoundLabel>(label));
        pool.bind(QLatin1String(field), m_labelBindings.back().get());
    };
    bindBox(pool, "GNumber", Text1, [this] { Text1_Change(); });
    bindLabel("GNumber", Label12);
    bindBox(pool, "Question", Text3);
    bindLabel("Question", Label13);
    bindBox(pool, "answer", Text4, [this] { Text4_Change(); });
    const char* const choiceFields[] = {"A", "B", "C", "D"};
    for (std::size_t i = 0; i < answerBoxes().size(); ++i) {
        bindBox(pool, choiceFields[i], answerBoxes()[i]);
        bindLabel(choiceFields[i], choiceLabels()[i]);
    }
    pool.setValidateHandler([this](qint16& action, qint16& save) { Data1_Validate(action, save); });

    RecordSource& hints = Data2->recordset();
    bindBox(hints, "GN", Text11);
    bindBox(hints, "GN", Text12);
    bindBox(hints, "hints", Text10);
}

void FrmTheo::wireHandlers() {
    // Browse bar of the question source.
    connect(Data1->firstButton(), &QToolButton::clicked, this,
            [this] { reportBankStatus(Data1->recordset().moveFirst()); });
    connect(Data1->previousButton(), &QToolButton::clicked, this,
            [this] { reportBankStatus(Data1->recordset().movePrevious()); });
    connect(Data1->nextButton(), &QToolButton::clicked, this,
            [this] { reportBankStatus(Data1->recordset().moveNext()); });
    connect(Data1->lastButton(), &QToolButton::clicked, this,
            [this] { reportBankStatus(Data1->recordset().moveLast()); });

    connect(Label8, &ClickLabel::clicked, this, &FrmTheo::Label8_Click);
    connect(Label9, &ClickLabel::clicked, this, &FrmTheo::Label9_Click);
    connect(Label10, &ClickLabel::clicked, this, &FrmTheo::Label10_Click);
    connect(Label11, &ClickLabel::clicked, this, &FrmTheo::Label11_Click);
    // Selecting a mode button, by a click or by the program, is its click.
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option1_Click();
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option2_Click();
    });
    // Only a choice from the list jumps; text written or typed into the box does not.
    connect(new TopicChoiceGuard(Combo1), &TopicChoiceGuard::chosen, this, &FrmTheo::Combo1_Click);
    connect(Combo1->lineEdit(), &QLineEdit::editingFinished, this, &FrmTheo::Combo1_LostFocus);
    // The same for the missed list, whose box is given a fresh text field. It shows
    // its caption and takes no typing, which could only garble the caption.
    connect(new TopicChoiceGuard(Combo2), &TopicChoiceGuard::chosen, this, &FrmTheo::Combo2_Click);
    Combo2->lineEdit()->setReadOnly(true);
    Combo2->setEditText(missedListCaption);

    connect(Command8, &QPushButton::clicked, this, &FrmTheo::Command8_Click);
    connect(Command11, &QPushButton::clicked, this, &FrmTheo::Command11_Click);
    connect(Command1, &QPushButton::clicked, this, &FrmTheo::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FrmTheo::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &FrmTheo::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &FrmTheo::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &FrmTheo::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &FrmTheo::Command6_Click);
    connect(Command9, &QPushButton::clicked, this, &FrmTheo::Command9_Click);
    connect(Command10, &QPushButton::clicked, this, &FrmTheo::Command10_Click);

    connect(mnuFileExam, &QAction::triggered, this, &FrmTheo::mnuFileExam_Click);
    connect(mnuFileReview, &QAction::triggered, this, &FrmTheo::mnuFileReview_Click);
    connect(mnuFileDue, &QAction::triggered, this, &FrmTheo::mnuFileDue_Click);
    connect(mnuFileContinue, &QAction::triggered, this, &FrmTheo::mnuFileContinue_Click);
    connect(mnuFileProgress, &QAction::triggered, this, &FrmTheo::mnuFileProgress_Click);
    connect(mnuFileExportProgress, &QAction::triggered, this,
            &FrmTheo::mnuFileExportProgress_Click);
    connect(mnuFileImportProgress, &QAction::triggered, this,
            &FrmTheo::mnuFileImportProgress_Click);
    connect(mnuFileResetProgress, &QAction::triggered, this, &FrmTheo::mnuFileResetProgress_Click);
    connect(mnuFileExit, &QAction::triggered, this, &FrmTheo::mnuFileExit_Click);
    for (std::size_t i = 0; i < mnuFileStudy.size(); ++i)
        connect(mnuFileStudy[i], &QAction::triggered, this,
                [this, i] { mnuFileStudy_Click(Examinations::all[i]); });
    // The menu item's handler inverts the check mark itself, so the toggle Qt makes
    // on a checkable item is undone first.
    connect(mnuHelpHint, &QAction::triggered, this, [this] {
        mnuHelpHint->setChecked(!mnuHelpHint->isChecked());
        mnuHelpHint_Click();
    });
    connect(mnuHelpPrivileges, &QAction::triggered, this, &FrmTheo::mnuHelpPrivileges_Click);
    connect(mnuHelpAbout, &QAction::triggered, this, &FrmTheo::mnuHelpAbout_Click);
}

bool FrmTheo::reportBankStatus(const BankStatus& status) {
    if (!status)
        m_dialogs.message(
            this, QStringLiteral("The question bank could not do that: %1.").arg(status.reason()));
    return status.ok();
}

void FrmTheo::closeEvent(QCloseEvent* event) {
    qint16 cancel = 0;
    Form_Unload(cancel);
    if (cancel)
        event->ignore();
    else
        event->accept();
}
