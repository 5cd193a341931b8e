// The welcome, Preferences and Custom Colors forms, and how the table takes the options.
#include "PassingBidder.h"
#include "UiTest.h"

#include "settings/OptionsTable.h"
#include "table/MemoryHandFile.h"
#include "ui/common/Messages.h"
#include "ui/desktop/DealerOptionsPanel.h"
#include "ui/desktop/TDeskTop.h"
#include "ui/settings/Colors.h"
#include "ui/scoring/RubberPadWindow.h"
#include "ui/settings/SettingsForms.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace corvane::ui::test {

class SettingsFormsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        messages_.clear();
        SetMessageResponder([this](const QString& text, QMessageBox::StandardButtons) {
            messages_ << text;
            return QMessageBox::Ok;
        });
    }
    void cleanup() { SetMessageResponder({}); }

    void WelcomeNeedsANameOrGoesAnonymous() {
        TWelcomeForm form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Initial hand"));
        form.NameEntry()->clear();
        form.accept();
        QCOMPARE(messages_, QStringList{QStringLiteral("Please fill in \"Player's Name\" before leaving this screen.")});
        QCOMPARE(form.result(), 0);
        form.reject();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(form.PlayerName(), QStringLiteral("Anonymous"));

        TWelcomeForm named;
        named.NameEntry()->setText(QStringLiteral("  Dora "));
        named.accept();
        QCOMPARE(named.PlayerName(), QStringLiteral("Dora"));
    }

    void CustomColorsRefuseAColourInUseAndCancelKeepsTheOld() {
        Options options = DefaultOptions("/tmp/");
        TCustomColors form(options);
        QCOMPARE(form.Panel(0)->text(), QStringLiteral("192-192-192"));
        QVERIFY(!form.SetColor(1, FromStoredColor(options.MainBack)));
        QCOMPARE(messages_, QStringList{QStringLiteral("The same color can't be used twice.")});
        QVERIFY(form.SetColor(1, QColor(1, 2, 3)));
        QCOMPARE(form.Panel(1)->text(), QStringLiteral("1-2-3"));
        QCOMPARE(form.Values().MainFore, 0x030201);
        QCOMPARE(options.MainFore, 0x808000);  // the caller's record is untouched until it takes Values()
    }

    void StoredColoursAreBlueGreenRed() {
        QCOMPARE(FromStoredColor(0x808040), QColor(0x40, 0x80, 0x80));
        QCOMPARE(ToStoredColor(QColor(0x40, 0x80, 0x80)), 0x808040);
        Options options = DefaultOptions("/tmp/");
        QCOMPARE(TableColor(options), FromStoredColor(ColorSchemes[1].Table));  // 0 is the tan scheme
        UseScheme(options, ColorSchemes[0]);
        QCOMPARE(TableColor(options), FromStoredColor(ColorSchemes[0].Table));
    }

    void CardSizeStepsSnapToTheStandardSize() {
        QCOMPARE(TSetupOptions::StepScale(96, true), 106);
        QCOMPARE(TSetupOptions::StepScale(106, false), 96);
        QCOMPARE(TSetupOptions::StepScale(88, true), 96);   // 97 is close enough to standard
        QCOMPARE(TSetupOptions::StepScale(100, false), 91);
        QCOMPARE(TSetupOptions::ScalePercent(96), 100);
        QCOMPARE(TSetupOptions::ScalePercent(100), 104);
    }

    void PreferencesShowAndStoreTheOptions() {
        Options options = DefaultOptions("/tmp/");
        options.HandsPlayed = SeatBit(South) | SeatBit(North);
        options.ClearTable = false;
        options.ScoringMode = 2;
        TSetupOptions form(options, false);
        QVERIFY(form.PlayedBox(North)->isChecked());
        QVERIFY(!form.PlayedBox(East)->isChecked());
        QCOMPARE(form.ScoringGroup()->checkedId(), 2);
        QVERIFY(!form.ClearSlider()->isEnabled());  // "Manually": no delay to set
        form.ClearAutomatically()->setChecked(true);
        QVERIFY(form.ClearSlider()->isEnabled());
        form.ClearSlider()->setValue(15);
        form.PlayedBox(North)->setChecked(false);
        form.SeenBox(West)->setChecked(true);
        QCOMPARE(form.SizeLabel()->text(), QStringLiteral("104%"));
        form.LargerButton()->click();
        QCOMPARE(form.SizeLabel()->text(), QStringLiteral("115%"));
        form.accept();
        const Options& stored = form.Values();
        QCOMPARE(stored.HandsPlayed, SeatBit(South));
        QCOMPARE(stored.HandsSeen, SeatBit(South) | SeatBit(West));
        QVERIFY(stored.ClearTable);
        QCOMPARE(stored.ClearTableTime, 15);
        QCOMPARE(stored.ScoringMode, 2);
        QCOMPARE(stored.CardSize, 110);

        TSetupOptions inMatch(options, true);
        QVERIFY(!inMatch.PlayedBox(South)->isEnabled());
    }

    void TheTableTakesPreferencesAndKeepsThemInThePlayerFile() {
        QTemporaryDir dir;
        PlayerSettings settings(dir.path().toStdString() + "/");
        QVERIFY(settings.LoadPlayer("Erin").empty());
        PassingBidder bidder;
        MemoryHandFileShelf files;
        DealingState dealing;
        NoSolver solver;
        TableServices services{&bidder, &solver, &files, &dealing,
                               TableOptionsFrom(settings.Values, "Erin"), dir.path().toStdString(), &settings};
        TDeskTop desk(services);
        QCOMPARE(desk.Deck().Height(), 99);  // scale 100 of 96
        QCOMPARE(desk.Controller().Options().PlayerName, std::string("Erin"));

        // Cancelled: nothing changes.
        AnswerPreferences([](TSetupOptions* form) { form->reject(); });
        desk.Action(QStringLiteral("Preferences"))->trigger();
        desk.WaitForSteps();
        QCOMPARE(desk.Deck().Height(), 99);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("Erin.sta"))));

        // Larger cards and automatic clearing, saved and applied.
        AnswerPreferences([](TSetupOptions* form) {
            form->LargerButton()->click();
            form->ClearSlider()->setValue(7);
            form->accept();
        });
        desk.Action(QStringLiteral("Preferences"))->trigger();
        desk.WaitForSteps();
        QCOMPARE(desk.Deck().Height(), 109);
        QCOMPARE(desk.Controller().Options().ClearTableTime, 7);
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("Erin.sta"))));
        PlayerSettings reread(dir.path().toStdString() + "/");
        QVERIFY(reread.LoadPlayer("Erin").empty());
        QCOMPARE(reread.Values.CardSize, 110);

        // The rubber belongs to the player: choosing him again keeps it, and his file has it.
        desk.Controller().Scores().Pad.At(1, PadCounter::Game1) = 60;
        Q_EMIT desk.DealerOptions()->PlayerChosen(QStringLiteral("Erin"));
        QCOMPARE(desk.Controller().Scores().Pad.At(1, PadCounter::Game1), 60);
        QVERIFY(reread.LoadPlayer("Erin").empty());
        QCOMPARE(reread.Values.Pad.At(1, PadCounter::Game1), 60);
        // Cleared from the menu, it is cleared in the file at once.
        desk.Action(QStringLiteral("ZeroRubberPad"))->trigger();
        desk.WaitForSteps();
        QVERIFY(reread.LoadPlayer("Erin").empty());
        QCOMPARE(reread.Values.Pad, ScorePad{});
        desk.RubberPad()->reject();
    }

private:
    class NoSolver final : public SolverLibrary {
    public:
        std::int32_t Initialize(const PlayBlock&) override { return 0; }
        std::int32_t PlayCard(int, int) override { return 0; }
        std::int32_t TakeBackCard() override { return 0; }
        bool HasSingleDummyPlay() const override { return false; }
        std::int32_t GetSD(const std::array<CardCode, 13>&, GetSDResult&) override { return -1; }
        std::int32_t SolveBoard(const SolvePosition&, SolveResult& result) override {
            result.fill(0);
            return SolveOk;
        }
        std::int32_t CalcDDtable(const DealHoldings&, DDTableResult&) override { return -1; }
    };

    static void AnswerPreferences(std::function<void(TSetupOptions*)> act) {
        auto* poll = new QTimer;
        poll->setInterval(10);
        QObject::connect(poll, &QTimer::timeout, [poll, act] {
            if (auto* form = qobject_cast<TSetupOptions*>(QApplication::activeModalWidget())) {
                poll->stop();
                poll->deleteLater();
                act(form);
            }
        });
        poll->start();
    }

    QStringList messages_;
};

CORVANE_UI_TEST(SettingsFormsTest)

}  // namespace corvane::ui::test

#include "SettingsFormsTest.moc"
