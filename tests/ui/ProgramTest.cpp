// The program itself: the screenshot run and the start without a display.
#include "UiTest.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace corvane::ui::test {

// The screenshot run on the offscreen platform with its data folder under `home`.
void RunScreenshot(QProcess& program, const QTemporaryDir& home, const QString& file) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(CORVANE_PROGRAM), {QStringLiteral("--screenshot"), file});
    QVERIFY(program.waitForFinished(60000));
}

class ProgramTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ScreenshotShowsTheClothAndAPlayedTrick() {
        QTemporaryDir home;
        QProcess program;
        const QString file = home.filePath(QStringLiteral("table.png"));
        RunScreenshot(program, home, file);
        QCOMPARE(program.exitCode(), 0);
        const QImage shot(file);
        QVERIFY(!shot.isNull());
        QVERIFY(shot.width() >= 1000 && shot.height() >= 600);
        // The cloth at the left edge, below the menu bar, has the colour of a new player's scheme
        // (tan), not the grey of an unpainted window.
        const QColor cloth = shot.pixelColor(4, shot.height() / 4);
        QVERIFY2(cloth.red() > cloth.blue() + 40 && cloth.green() > cloth.blue() + 20, qPrintable(cloth.name()));
        // Cards lie face up in the middle of the table: white card stock near the centre of the cloth.
        int white = 0;
        for (int y = shot.height() / 3; y < shot.height() * 2 / 3; y += 3) {
            for (int x = shot.width() / 4; x < shot.width() / 2; x += 3) white += shot.pixelColor(x, y) == Qt::white;
        }
        QVERIFY(white > 200);
        // The data folder was made where the person's files belong, with the shipped cards.
        QVERIFY(QFile::exists(home.filePath(QStringLiteral("Corvane/Ver 6/Std American.cc"))));
        // Looking at the table deals nothing into the person's hand files.
        QVERIFY(!QFile::exists(home.filePath(QStringLiteral("Corvane/Ver 6/New Hands.ini"))));
    }

    void AnUnreadableAlertTableEndsStartUpAfterItsMessage() {
        QTemporaryDir home;
        // A folder where the table should be: it exists, so nothing replaces it, and cannot be read.
        QVERIFY(QDir().mkpath(home.filePath(QStringLiteral("Corvane/Ver 6/Alerts.txt"))));
        QProcess program;
        const QString file = home.filePath(QStringLiteral("table.png"));
        RunScreenshot(program, home, file);
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        QVERIFY(!QFile::exists(file));
        QVERIFY(QString::fromLocal8Bit(program.readAllStandardError()).contains(QStringLiteral("Alerts.txt")));
    }

    void WithoutADisplayItSaysSoInOneLine() {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) env.remove(QString::fromLatin1(name));
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(CORVANE_PROGRAM), {});
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        const QString error = QString::fromLocal8Bit(program.readAllStandardError());
        QCOMPARE(error.count(QLatin1Char('\n')), 1);
        QVERIFY(error.contains(QStringLiteral("no display")));
    }
};

CORVANE_UI_TEST(ProgramTest)

}  // namespace corvane::ui::test

#include "ProgramTest.moc"
