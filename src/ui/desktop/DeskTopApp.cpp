#include "ui/desktop/DeskTopApp.h"

#include "bidding/BiddingData.h"
#include "cards/Dealer.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "table/MemoryHandFile.h"
#include "table/RuleBidder.h"
#include "ui/common/Messages.h"
#include "ui/common/Text.h"
#include "ui/desktop/DealerOptionsPanel.h"
#include "ui/desktop/TDeskTop.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdlib>

namespace corvane::ui {

namespace {

constexpr const char* ApplicationTitle = "Corvane 6.2";
constexpr std::int32_t ScreenshotSeed = 12345;

// Stands in for the solver library until its adapter is built: it reports success with no card,
// so the table plays its own default card for the computer, and it has no double-dummy table.
class SolverPlaceholder final : public SolverLibrary {
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

bool HasValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Deals with a fixed seed, bids 1NT for the person (or passes when that is not possible), starts
// the play and plays the person's default cards until two cards lie on the table.
void PlayToMidTrick(TDeskTop& desk) {
    TableController& table = desk.Controller();
    auto run = [&desk](std::function<void()> step) {
        desk.RunStep(std::move(step));
        desk.WaitForSteps();
    };
    run([&table] {
        table.DealerChoice(DealerOptionsPanel::Seed);
    });
    for (int guard = 0; guard < 40 && table.State().Phase == PhaseBidding; ++guard) {
        const bool first = table.Auction().Calls().size() < 4;
        run([&table, first] { table.ProcessBid(first && table.Auction().IsLegal(BidCode(1, NoTrump)) ? "N1" : "PA"); });
    }
    if (table.State().Phase == PhaseBiddingOver) run([&table] { table.StartButtonClick(); });
    for (int guard = 0; guard < 8 && table.State().Phase == PhasePlaying && table.State().CardsPlayed < 2; ++guard) {
        run([&table] { table.KeyDown(TableKey::Of(KeyCode::Enter)); });
    }
}

int TakeScreenshot(TDeskTop& desk, const QString& file) {
    // Nobody is there to answer: every question gets its first answer, the seed dialog the seed.
    SetMessageResponder([](const QString&, QMessageBox::StandardButtons buttons) {
        return buttons & QMessageBox::Yes ? QMessageBox::No : QMessageBox::Ok;
    });
    desk.SetFormResponder([](Form form, std::int32_t) -> std::optional<FormResult> {
        if (form == Form::SeedDialog) return FormResult{true, ScreenshotSeed};
        return FormResult{};
    });
    PlayToMidTrick(desk);
    QApplication::processEvents();
    if (!desk.grab().save(file, "PNG")) {
        std::fprintf(stderr, "corvane: cannot write %s\n", qPrintable(file));
        return 1;
    }
    return 0;
}

}  // namespace

bool DisplayAvailable() {
    return HasValue("QT_QPA_PLATFORM") || HasValue("DISPLAY") || HasValue("WAYLAND_DISPLAY");
}

int RunDeskTop(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setApplicationDisplayName(QString::fromLatin1(ApplicationTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(ProgramVersion));

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Deal a board, play to the middle of the first trick, save a "
                                                       "PNG of the window to FILE and exit."),
                                        QStringLiteral("FILE"));
    parser.addOption(screenshot);
    parser.process(app);

    const std::string folder = platform::DataFolderPath();
    if (const std::string error = platform::CreateDataFolder(folder); !error.empty()) {
        ShowMessage(nullptr, FromCore(error), QMessageBox::Ok, QMessageBox::Critical);
        return 1;
    }
    if (const std::string shipped = platform::ShippedFilesFolder(); !shipped.empty()) {
        platform::InstallShippedFiles(shipped, folder);
    }

    BiddingData bidding;
    if (const std::string error = LoadBiddingData(bidding, folder, DefaultCardFileName, DefaultCardFileName);
        !error.empty()) {
        ShowMessage(nullptr, FromCore(error), QMessageBox::Ok, QMessageBox::Critical);
        return 1;
    }
    TDeskTop* table = nullptr;
    RuleBidder bidder(bidding.Cards, bidding.Alerts, nullptr,
                      [&table] { return table != nullptr ? table->Controller().Board().Vul : VulNone; });
    SolverPlaceholder solver;
    MemoryHandFileShelf files;
    DealingState dealing;
    dealing.Generator.SetSeed(platform::HighResolutionSeed());
    TableServices services{&bidder, &solver, &files, &dealing, {}, folder};
    const QStringList players = PlayerNames(QString::fromStdString(folder));
    services.Options.PlayerName = players.isEmpty() ? std::string() : ToCore(players.front());
    if (parser.isSet(screenshot) && services.Options.PlayerName.empty()) services.Options.PlayerName = "Player";

    TDeskTop desk(services);
    table = &desk;
    desk.show();
    if (parser.isSet(screenshot)) return TakeScreenshot(desk, parser.value(screenshot));
    QTimer::singleShot(0, &desk, [&desk] { desk.StartTable(); });
    return QApplication::exec();
}

}  // namespace corvane::ui
