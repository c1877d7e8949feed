// The About box: its one instance, its design settings, and how it gets out of the way
// (OK, another window of the program becoming active, its close box) without ever
// blocking the main window.
// SPDX-License-Identifier: MIT

#include "about/frm_about.h"
#include "learner_actions.h"
#include "main_window/frm_theo.h"
#include "widgets/twips.h"
#include "window_fixture.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

namespace {

int aboutBoxCount() {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<FrmAbout*>(w))
            ++count;
    return count;
}

QStringList labelTexts(const FrmAbout* box) {
    return {box->Label6->text(), box->Label7->text(), box->Label13->text(),
            box->Label4->text(), box->Label8->text(), box->Label1->text()};
}

} // namespace

class TestAboutBox : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void helpAboutTwiceGivesOneBox();
    void boxIsModelessWithoutOwner();
    void windowDesign();
    void controlPlaces_data();
    void controlPlaces();
    void labelsAreWhiteOnThePicture();
    void textsUseOnlyFictionalContacts();
    void okLiesOnTheVisiblePart();
    void okHidesAndHelpAboutShowsTheSameBox();
    void activatingMainWindowHidesBoxAndMainWindowTakesTheClick();
    void switchingToAnotherApplicationKeepsTheBox();
    void closeBoxDiscardsAndHelpAboutCreatesAfresh();
    void escDoesNotClose();
    void enterPressesFocusedOk();
    void clickingPictureOrLabelDoesNothing_data();
    void clickingPictureOrLabelDoesNothing();

private:
    FrmAbout* helpAbout();

    std::unique_ptr<WindowFixture> m_fx;
};

void TestAboutBox::init() {
    m_fx = std::make_unique<WindowFixture>();
    QVERIFY2(m_fx->open(), qPrintable(m_fx->lastError));
    m_fx->window->show();
    m_fx->window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_fx->window.get()));
}

void TestAboutBox::cleanup() {
    m_fx.reset();
    settle();
    QCOMPARE(aboutBoxCount(), 0);
}

FrmAbout* TestAboutBox::helpAbout() {
    m_fx->window->mnuHelpAbout->trigger();
    QCoreApplication::processEvents();
    return m_fx->window->existingFrmAbout();
}

void TestAboutBox::helpAboutTwiceGivesOneBox() {
    QCOMPARE(m_fx->window->existingFrmAbout(), nullptr);
    QPointer<FrmAbout> first = helpAbout();
    QVERIFY(first);
    QVERIFY(first->isVisible());
    FrmAbout* second = helpAbout();
    QCOMPARE(second, first.data());
    QCOMPARE(first->Label2->text(), QStringLiteral("General class exam")); // no pool recorded
    QVERIFY(second->isVisible());
    QCOMPARE(aboutBoxCount(), 1);
    QVERIFY(QTest::qWaitForWindowActive(second));
}

void TestAboutBox::boxIsModelessWithoutOwner() {
    FrmAbout* box = helpAbout();
    QVERIFY(box->isWindow());
    QCOMPARE(box->parentWidget(), nullptr);
    QCOMPARE(box->windowHandle()->transientParent(), nullptr);
    QVERIFY(!box->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(m_fx->window->isEnabled());
}

void TestAboutBox::windowDesign() {
    FrmAbout* box = helpAbout();
    QCOMPARE(box->windowTitle(), QStringLiteral(" About Varnel Theory"));
    // Client area 5910 x 3690 twips, its top-left corner 1530 / 1545 from the screen's.
    QCOMPARE(box->geometry(), twips::rect(1530, 1545, 5910, 3690));
    QCOMPARE(box->minimumSize(), box->maximumSize());
    const Qt::WindowFlags flags = box->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!box->windowIcon().isNull());
    QCOMPARE(box->windowIcon().availableSizes(), m_fx->window->windowIcon().availableSizes());

    // The picture is drawn unscaled from the top-left of a box larger than the window.
    QCOMPARE(box->Picture1->pixmap().size(), QSize(537, 306));
    QVERIFY(!box->Picture1->hasScaledContents());
    QCOMPARE(box->Picture1->alignment(), Qt::AlignLeft | Qt::AlignTop);
    QVERIFY(box->Picture1->width() > box->width());
    QVERIFY(box->Picture1->height() > box->height());
}

void TestAboutBox::controlPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place"); // twips, relative to Picture1
    QTest::addColumn<int>("alignment");

    const int centred = int(Qt::AlignHCenter);
    const int left = int(Qt::AlignLeft);
    QTest::newRow("Label6") << "Label6" << QRect(1560, 360, 4455, 255) << centred;
    QTest::newRow("Label7") << "Label7" << QRect(2400, 600, 2895, 255) << centred;
    QTest::newRow("Label13") << "Label13" << QRect(1920, 840, 2175, 255) << left;
    QTest::newRow("Label4") << "Label4" << QRect(4080, 840, 255, 135) << left;
    QTest::newRow("Label8") << "Label8" << QRect(4320, 840, 1455, 255) << left;
    QTest::newRow("Label1") << "Label1" << QRect(1920, 1440, 3615, 975) << centred;
    QTest::newRow("Command1") << "Command1" << QRect(3480, 2880, 615, 255) << -1;
}

void TestAboutBox::controlPlaces() {
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(int, alignment);

    FrmAbout* box = helpAbout();
    QWidget* placed = control(box, name);
    QVERIFY(placed);
    QCOMPARE(placed->parentWidget(), box->Picture1);
    QCOMPARE(placed->geometry(), twips::rect(place.x(), place.y(), place.width(), place.height()));
    if (auto* label = qobject_cast<QLabel*>(placed))
        QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), alignment);
}

void TestAboutBox::labelsAreWhiteOnThePicture() {
    FrmAbout* box = helpAbout();
    for (QLabel* label :
         {box->Label6, box->Label7, box->Label13, box->Label4, box->Label8, box->Label1}) {
        QVERIFY2(!label->text().isEmpty(), qPrintable(label->objectName()));
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 255, 255));
        QVERIFY(!label->autoFillBackground());
    }
    QVERIFY(box->Label1->wordWrap());
    QCOMPARE(box->Label4->font().pointSizeF(), 6.0);
    QCOMPARE(box->Label4->alignment() & Qt::AlignVertical_Mask, Qt::AlignTop);
    QCOMPARE(box->Label13->font().pointSizeF(), 8.25);

    // The label's own pixels show the picture behind: drawn white text over the night sky.
    const QImage shot = box->grab(box->Label7->geometry()).toImage();
    bool white = false;
    bool dark = false;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            white = white || (c.red() > 230 && c.green() > 230 && c.blue() > 230);
            dark = dark || (c.red() < 60 && c.green() < 60);
        }
    QVERIFY(white);
    QVERIFY(dark);
}

void TestAboutBox::textsUseOnlyFictionalContacts() {
    const QString all = labelTexts(helpAbout()).join(QLatin1Char(' '));
    static const QRegularExpression phone(QStringLiteral("\\d{3}-\\d{4}"));
    for (auto it = phone.globalMatch(all); it.hasNext();) {
        const int number = it.next().captured().remove(QLatin1Char('-')).toInt();
        QVERIFY2(number >= 5550100 && number <= 5550199, qPrintable(all));
    }
    static const QRegularExpression domain(QStringLiteral("[A-Za-z0-9-]+\\.(com|net|org)\\b"));
    for (auto it = domain.globalMatch(all); it.hasNext();) {
        const QString found = it.next().captured();
        QVERIFY2(found.startsWith(QStringLiteral("example.")), qPrintable(found));
    }
    QVERIFY(all.contains(QStringLiteral("555-01")));
    QVERIFY(all.contains(QStringLiteral("example.com")));
}

void TestAboutBox::okLiesOnTheVisiblePart() {
    FrmAbout* box = helpAbout();
    const QRect ok(box->Command1->mapTo(box, QPoint(0, 0)), box->Command1->size());
    QVERIFY(box->rect().contains(ok));
    QVERIFY(box->Command1->isVisible());
}

void TestAboutBox::okHidesAndHelpAboutShowsTheSameBox() {
    QPointer<FrmAbout> box = helpAbout();
    QTest::mouseClick(box->Command1, Qt::LeftButton);
    QVERIFY(box);
    QVERIFY(!box->isVisible());
    QCOMPARE(helpAbout(), box.data());
    QVERIFY(box->isVisible());
}

void TestAboutBox::activatingMainWindowHidesBoxAndMainWindowTakesTheClick() {
    QPointer<FrmAbout> box = helpAbout();
    QVERIFY(QTest::qWaitForWindowActive(box));

    QPushButton* search = m_fx->window->Command6;
    QSignalSpy clicked(search, &QPushButton::clicked);
    m_fx->window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_fx->window.get()));
    QVERIFY(box);
    QVERIFY(!box->isVisible());
    // Delivered the way the window system delivers it, so modality would block it.
    QTest::mouseClick(m_fx->window->windowHandle(), Qt::LeftButton, {},
                      search->mapTo(m_fx->window.get(), search->rect().center()));
    QCOMPARE(clicked.count(), 1);
}

void TestAboutBox::switchingToAnotherApplicationKeepsTheBox() {
    FrmAbout* box = helpAbout();
    QVERIFY(QTest::qWaitForWindowActive(box));
    QApplication::setActiveWindow(nullptr);
    QCoreApplication::processEvents();
    QVERIFY(!box->isActiveWindow());
    QVERIFY(box->isVisible());
}

void TestAboutBox::closeBoxDiscardsAndHelpAboutCreatesAfresh() {
    QPointer<FrmAbout> first = helpAbout();
    const QRect geometry = first->geometry();
    const QStringList texts = labelTexts(first);
    QVERIFY(first->close());
    settle();
    QVERIFY(!first);
    QCOMPARE(m_fx->window->existingFrmAbout(), nullptr);

    FrmAbout* second = helpAbout();
    QVERIFY(second);
    QVERIFY(second->isVisible());
    QCOMPARE(aboutBoxCount(), 1);
    QCOMPARE(second->geometry(), geometry);
    QCOMPARE(labelTexts(second), texts);
}

void TestAboutBox::escDoesNotClose() {
    QPointer<FrmAbout> box = helpAbout();
    QTest::keyClick(box, Qt::Key_Escape);
    QTest::keyClick(box->Command1, Qt::Key_Escape);
    settle();
    QVERIFY(box);
    QVERIFY(box->isVisible());
    QVERIFY(!box->Command1->isDefault());
    QVERIFY(!box->Command1->autoDefault());
}

void TestAboutBox::enterPressesFocusedOk() {
    QPointer<FrmAbout> box = helpAbout();
    QVERIFY(QTest::qWaitForWindowActive(box));
    box->Command1->setFocus();
    QTest::keyClick(box->Command1, Qt::Key_Return);
    QVERIFY(box);
    QVERIFY(!box->isVisible());
}

void TestAboutBox::clickingPictureOrLabelDoesNothing_data() {
    QTest::addColumn<QString>("name");
    for (const char* name :
         {"Picture1", "Label6", "Label7", "Label13", "Label4", "Label8", "Label1"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestAboutBox::clickingPictureOrLabelDoesNothing() {
    QFETCH(QString, name);
    QPointer<FrmAbout> box = helpAbout();
    const QStringList texts = labelTexts(box);
    QWidget* target = control(box, name);
    QVERIFY(target);
    QTest::mouseClick(target, Qt::LeftButton);
    QTest::mouseDClick(target, Qt::LeftButton);
    settle();
    QVERIFY(box);
    QVERIFY(box->isVisible());
    QCOMPARE(labelTexts(box), texts);
    QCOMPARE(aboutBoxCount(), 1);
}

QTEST_MAIN(TestAboutBox)
#include "test_about_box.moc"
