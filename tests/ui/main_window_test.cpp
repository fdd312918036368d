#include "ui/application.h"
#include "ui/info_window.h"
#include "ui/main_window_layout.h"
#include "ui/qt_user_seam.h"

#include "support/files.h"
#include "support/scripted_user.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

using namespace dw;

namespace {

QString DataPath(const QString& relative) {
    return QStringLiteral(DW_TEST_DATA "/") + relative;
}

// Dialogs and questions answered by the script; the list and the path lines are the window's own.
struct WindowUser : test::ScriptedUser {
    QtUserSeam* window = nullptr;
    void clearGadgetRows() override {
        ScriptedUser::clearGadgetRows();
        window->clearGadgetRows();
    }
    void appendGadgetRows(std::span<const GadgetRecord> added) override {
        ScriptedUser::appendGadgetRows(added);
        window->appendGadgetRows(added);
    }
    void setFormFileLabel(const QString& text) override {
        ScriptedUser::setFormFileLabel(text);
        window->setFormFileLabel(text);
    }
    void setProjectFileLabel(const QString& text) override {
        ScriptedUser::setProjectFileLabel(text);
        window->setProjectFileLabel(text);
    }
};

// The tool with its real window, answered by a script, and an end that is only counted.
struct RunningTool {
    WindowUser user;
    Application app{&user};
    int ends = 0;
    RunningTool() {
        user.window = &app.windowSeam();
        app.exitProcess = [this] { ++ends; };
        app.start();
        if (!QTest::qWaitForWindowExposed(&app.window()))
            qWarning("main window not exposed");
    }
    MainWindow& w() { return app.window(); }
    void tick() { app.router().deliver(Event{EventKind::TimerTick}); }
    void click(Source id) { QTest::mouseClick(w().control(id), Qt::LeftButton, {}, QPoint(5, 5)); }
    void importForm(const QString& path) {
        user.openAnswers.push_back(path);
        if (app.tool().state.dataLoaded)
            user.yesNoAnswers.push_back(true);
        click(Source::ButtonImportForm);
    }
    void clickRow(int row, Qt::MouseButton button = Qt::LeftButton) {
        QTableView* list = w().gadgetList();
        QCoreApplication::processEvents();  // lets the view lay out its rows
        const QRect cell = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), button, {}, cell.center());
    }
    QCheckBox* check(Source id) { return static_cast<QCheckBox*>(w().control(id)); }
    QString boxes() {
        QString s;
        for (Source id : {Source::CheckXPos, Source::CheckYPos, Source::CheckWidth, Source::CheckHeight})
            s += check(id)->isChecked() ? u'1' : u'0';
        return s;
    }
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithTheTableOfControls() {
        RunningTool t;
        QCOMPARE(t.w().windowTitle(), QStringLiteral("Dehnwerk 0.6beta"));
        QCOMPARE(t.w().centralWidget()->minimumSize(), QSize(980, 600));
        const auto& table = MainWindowControls();
        const int shift = t.w().layoutHeight() - kDesignedHeight;  // the menu bar line the minimum adds
        for (std::size_t i = 0; i < table.size(); ++i) {
            QRect expected = AnchoredGeometry(table[i], table[i].designed, t.w().layoutWidth(), t.w().layoutHeight());
            QCOMPARE(t.w().controlAt(i)->geometry(), expected);
            if (table[i].y.base == Anchor::Keep)
                QCOMPARE(expected.y(), table[i].designed.y());
            else
                QCOMPARE(expected.y(), table[i].designed.y() + shift);
            QCOMPARE(t.w().controlAt(i)->toolTip(), table[i].toolTip.toString());
        }
        // Creation order is the Tab order.
        QWidget* focus = t.w().control(Source::ButtonXY);
        QCOMPARE(focus->nextInFocusChain(), t.w().control(Source::ButtonSize));
        QCOMPARE(t.check(Source::CheckXPos)->accessibleName(), QStringLiteral("xPos dynamisch"));
        QCOMPARE(t.check(Source::CheckSaveCommands)->accessibleName(), QStringLiteral("Resize Befehle speichern"));
        QCOMPARE(t.w().menuItem(2)->text(), QStringLiteral("Form Datei importiern"));
        QCOMPARE(t.w().gadgetList()->horizontalHeader()->sectionSize(1), 200);
        QCOMPARE(t.w().gadgetList()->model()->headerData(5, Qt::Horizontal).toString(), QStringLiteral("Hoehe"));
    }

    void followsTheWindowSizeByTheAnchorTable() {
        RunningTool t;
        std::vector<QRect> before;
        for (std::size_t i = 0; i < MainWindowControls().size(); ++i)
            before.push_back(t.w().controlAt(i)->geometry());
        t.w().resize(t.w().width() + 200, t.w().height() + 100);
        QTRY_COMPARE(t.w().layoutWidth(), 980 + 200);
        const QSet<Source> widened = {Source::GadgetList};
        const QSet<Source> movedRight = {Source::ButtonQuit, Source::ButtonPreview, Source::ButtonLoadProject,
                                         Source::ButtonImportForm};
        const auto& table = MainWindowControls();
        for (std::size_t i = 0; i < table.size(); ++i) {
            const QRect now = t.w().controlAt(i)->geometry();
            const QRect was = before[i];
            const bool grows = table[i].width.base == Anchor::FromWidth;
            const bool follows = table[i].x.base == Anchor::FromWidth;
            QCOMPARE(now.width() - was.width(), grows ? 200 : 0);
            QCOMPARE(now.x() - was.x(), follows ? 200 : 0);
            if (table[i].id == Source::GadgetList) {
                QCOMPARE(now.height() - was.height(), 100);
                QCOMPARE(now.y(), was.y());
            } else {
                QCOMPARE(now.height(), was.height());
                QCOMPARE(now.y() - was.y(), 100);
            }
            if (widened.contains(table[i].id) || movedRight.contains(table[i].id))
                QVERIFY(grows || follows);
        }
        // The frames and path lines of the table follow too: FrameInfo and both lines widen.
        QCOMPARE(t.w().formFileLine()->width(), 930 + 200);
        // It cannot get smaller than the minimum.
        t.w().resize(100, 100);
        QTRY_VERIFY(t.w().centralWidget()->width() >= 980);
        QVERIFY(t.w().centralWidget()->height() >= 600);
    }

    void quitsAtOnceWithoutDataAndAsksWithData() {
        RunningTool t;
        t.click(Source::ButtonQuit);
        QCOMPARE(t.ends, 1);
        QVERIFY(t.user.log.filter("ask").isEmpty());

        RunningTool loaded;
        loaded.importForm(DataPath("forms/designer_layout.pbf"));
        loaded.user.yesNoAnswers = {false};
        loaded.w().close();
        QCOMPARE(loaded.ends, 0);
        QVERIFY(loaded.w().isVisible());
        QCOMPARE(loaded.user.log.last(), QStringLiteral("ask Achtung!|Sie haben Daten geladen. Trotzdem beenden?"));
        QCOMPARE(loaded.app.tool().records.size(), 5);
        loaded.user.yesNoAnswers = {true};
        loaded.click(Source::ButtonQuit);
        QCOMPARE(loaded.ends, 1);
    }

    void theEnablingRuleRunsOnTheTimer() {
        RunningTool t;
        QVERIFY(t.w().control(Source::ButtonPreview)->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!t.w().control(Source::ButtonPreview)->isEnabled(), 2000);
        QVERIFY(!t.w().control(Source::GadgetList)->isEnabled());
        QVERIFY(!t.w().menuItem(1)->isEnabled());
        QVERIFY(t.w().menuItem(0)->isEnabled());
        QVERIFY(t.w().control(Source::ButtonImportForm)->isEnabled());
        t.importForm(DataPath("forms/designer_layout.pbf"));
        t.tick();
        QVERIFY(t.w().control(Source::GadgetList)->isEnabled());
        QVERIFY(t.w().menuItem(3)->isEnabled());
        QVERIFY(!t.w().control(Source::CheckXPos)->isEnabled());
        QVERIFY(!t.w().control(Source::ButtonSave)->isEnabled());
        t.clickRow(1);
        t.click(Source::CheckSaveCommands);
        t.tick();
        QVERIFY(t.w().control(Source::CheckXPos)->isEnabled());
        QVERIFY(t.w().control(Source::ButtonNone)->isEnabled());
        QVERIFY(t.w().control(Source::ButtonSave)->isEnabled());
        QVERIFY(!t.w().control(Source::ButtonPreview)->isEnabled());
    }

    void onlyALeftClickOnARowShowsItsMarks() {
        RunningTool t;
        t.importForm(DataPath("forms/duplicate_names.pbf"));
        t.tick();
        t.app.tool().records[1].dynX = 1;  // Text_0
        t.clickRow(1, Qt::RightButton);
        QCOMPARE(t.boxes(), QStringLiteral("0000"));
        t.clickRow(1);
        QCOMPARE(t.boxes(), QStringLiteral("1000"));
        // Moving the selection with the keyboard does not refresh the boxes.
        QTest::keyClick(t.w().gadgetList(), Qt::Key_Down);
        QCOMPARE(t.w().selectedRow(), 2);
        QCOMPARE(t.boxes(), QStringLiteral("1000"));
        // A caption click does not toggle its box.
        t.tick();
        const QList<QLabel*> captions = t.w().centralWidget()->findChildren<QLabel*>();
        for (QLabel* caption : captions) {
            if (caption->text() == QStringLiteral("xPos dynamisch"))
                QTest::mouseClick(caption, Qt::LeftButton);
        }
        QCOMPARE(t.boxes(), QStringLiteral("1000"));
        // A box click writes all four boxes into both records of the selected name.
        t.click(Source::CheckHeight);
        QCOMPARE(t.app.tool().records[0].dynHeight, 1);
        QCOMPARE(t.app.tool().records[2].dynHeight, 1);
        QCOMPARE(t.app.tool().records[2].dynX, 1);
        QCOMPARE(t.app.tool().records[1].dynHeight, 0);
        t.click(Source::ButtonNone);
        QCOMPARE(t.app.tool().records[0].dynX, 0);
        // The preview button does nothing.
        const QStringList before = t.user.log;
        t.w().control(Source::ButtonPreview)->setEnabled(true);
        t.click(Source::ButtonPreview);
        QCOMPARE(t.user.log, before);
    }

    void saveRunsTheProjectThenTheCommandsEvenAfterACancel() {
        RunningTool t;
        t.importForm(DataPath("forms/designer_layout.pbf"));
        t.tick();
        t.click(Source::CheckSaveProject);
        t.click(Source::CheckSaveCommands);
        t.tick();
        t.user.saveAnswers = {QString(), QString()};
        t.click(Source::ButtonSave);
        QCOMPARE(t.user.log.filter("save "),
                 (QStringList{"save Projektdatei speichern", "save Resitze Befehle speichern"}));
    }

    void theInfoWindowSwallowsEverythingUntilAClose() {
        RunningTool t;
        bool sawInfo = false;
        QStringList lines;
        QRect textGeometry;
        bool readOnly = false;
        bool importedDuring = true;
        QTimer::singleShot(0, [&] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->windowTitle() != QStringLiteral("Dehnwerk Info") || !top->isVisible())
                    continue;
                sawInfo = top->size() == QSize(470, 320);
                if (auto* text = top->findChild<QPlainTextEdit*>(QStringLiteral("InfoText"))) {
                    lines = text->toPlainText().split(u'\n');
                    textGeometry = text->geometry();
                    readOnly = text->isReadOnly();
                }
            }
            t.user.openAnswers.push_back(DataPath("forms/designer_layout.pbf"));
            t.click(Source::ButtonImportForm);
            t.click(Source::ButtonQuit);
            t.tick();
            importedDuring = !t.user.dialogs.empty();
            t.w().close();  // closes the info window only
        });
        t.w().menuItem(4)->trigger();
        QVERIFY(sawInfo);
        QCOMPARE(lines, InfoTextLines());
        QCOMPARE(textGeometry, QRect(10, 10, 450, 400));
        QVERIFY(readOnly);
        QVERIFY(!importedDuring);
        QCOMPARE(t.ends, 0);
        QVERIFY(t.user.log.isEmpty());
        QVERIFY(t.w().isVisible());
        // Afterwards the tool answers again.
        t.click(Source::ButtonQuit);
        QCOMPARE(t.ends, 1);
    }

    void rapidSaveClicksLeaveConsistentFiles() {
        RunningTool t;
        test::Scratch scratch;
        t.importForm(DataPath("forms/designer_layout.pbf"));
        t.tick();
        t.clickRow(0);
        t.tick();
        t.click(Source::CheckYPos);
        t.click(Source::CheckSaveProject);
        t.click(Source::CheckSaveCommands);
        t.tick();
        for (int i = 0; i < 25; ++i) {
            t.user.saveAnswers.push_back(scratch.path("p.dwkp"));
            t.user.saveAnswers.push_back(scratch.path("c.txt"));
            t.user.yesNoAnswers.push_back(true);
            t.user.yesNoAnswers.push_back(true);
        }
        for (int i = 0; i < 25; ++i)
            QTest::mouseClick(t.w().control(Source::ButtonSave), Qt::LeftButton, {}, QPoint(5, 5), 0);
        QVERIFY(t.user.saveAnswers.empty());
        QCOMPARE(t.user.messages(), QStringList());
        QVERIFY(test::ReadBytes(scratch.path("c.txt"))
                    .startsWith("ResizeGadget(OkButton,#PB_Ignore,WindowHeight(MainWin)-85+25,#PB_Ignore,#PB_Ignore)\r\n"));
        QVERIFY(test::ReadBytes(scratch.path("p.dwkp")).contains("[OkButton]\r\nx = 0\r\ny = 1\r\n"));
        QCOMPARE(QDir(scratch.folder()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    void aStormOfSizeChangesEndsInTheLayoutOfTheLastSize() {
        RunningTool t;
        std::uint32_t seed = 12345;
        for (int i = 0; i < 100; ++i) {
            seed = seed * 1103515245u + 12345u;
            t.w().resize(900 + int(seed % 700), 560 + int((seed >> 10) % 500));
            if (i % 10 == 0)
                QCoreApplication::processEvents();
        }
        t.w().resize(1333, 777);
        QCoreApplication::processEvents();
        QTRY_COMPARE(t.w().width(), 1333);
        const auto& table = MainWindowControls();
        for (std::size_t i = 0; i < table.size(); ++i)
            QCOMPARE(t.w().controlAt(i)->geometry(),
                     AnchoredGeometry(table[i], table[i].designed, t.w().layoutWidth(), t.w().layoutHeight()));
    }

    void patternListsBecomeNameFilters() {
        QCOMPARE(NameFiltersFromPatterns(QStringLiteral("PureBasic (*.pbf)|*.pbf|Alle Dateien (*.*)|*.*")),
                 (QStringList{"PureBasic (*.pbf)", "Alle Dateien (*.*)"}));
        QCOMPARE(NameFiltersFromPatterns(QStringLiteral("Projekt|*.dwkp")), QStringList{"Projekt (*.dwkp)"});
    }

    void aWholeRoundWithTheMouse() {
        RunningTool t;
        test::Scratch scratch;
        t.importForm(DataPath("forms/designer_layout.pbf"));
        QCOMPARE(t.w().gadgetList()->model()->rowCount(), 5);
        QCOMPARE(t.w().formFileLine()->text(),
                 QStringLiteral("Aktuelle FormDesinger Datei: ") + DataPath("forms/designer_layout.pbf"));
        t.tick();
        t.clickRow(0);
        t.tick();
        t.click(Source::CheckYPos);
        t.clickRow(1);
        t.click(Source::ButtonSize);
        t.click(Source::CheckSaveCommands);
        t.tick();
        t.user.saveAnswers.push_back(scratch.path("out.txt"));
        t.click(Source::ButtonSave);
        QCOMPARE(test::ReadBytes(scratch.path("out.txt")),
                 QByteArray("ResizeGadget(OkButton,#PB_Ignore,WindowHeight(MainWin)-85+25,#PB_Ignore,#PB_Ignore)\r\n"
                            "ResizeGadget(InfoEdit,#PB_Ignore,#PB_Ignore,WindowWidth(MainWin)-20-20,"
                            "WindowHeight(MainWin)-80-20)\r\n"
                            "ResizeGadget(TextGadget(#Text_Enum,140,340,200,20,\"Gr\xC3\xB6\xC3\x9F" "e:\xC3\xA4,\xC3\xB6,"
                            "\xC3\xBC\"),#PB_Ignore,#PB_Ignore,#PB_Ignore,#PB_Ignore)\r\n"
                            "ResizeGadget(;LogoImage,#PB_Ignore,#PB_Ignore,#PB_Ignore,#PB_Ignore)\r\n"
                            "ResizeGadget(\tLogoImage,#PB_Ignore,#PB_Ignore,#PB_Ignore,#PB_Ignore)\r\n"));
        QCOMPARE(t.user.messages(), QStringList());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
