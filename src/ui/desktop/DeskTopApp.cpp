#include "ui/desktop/DeskTopApp.h"

#include "bidding/BiddingData.h"
#include "cards/Dealer.h"
#include "convention/SideDatabases.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "table/BridgeHandFile.h"
#include "table/MemoryHandFile.h"
#include "table/RuleBidder.h"
#include "table/SdsSolverLibrary.h"
#include "ui/common/Messages.h"
#include "ui/common/Text.h"
#include "ui/desktop/DealerOptionsPanel.h"
#include "ui/desktop/TDeskTop.h"
#include "ui/settings/SettingsForms.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdlib>
#include <filesystem>

namespace corvane::ui {

namespace {

constexpr const char* ApplicationTitle = "Corvane 6.2";
constexpr std::int32_t ScreenshotSeed = 12345;

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

// Nobody is there to answer during the screenshot run: questions get "No", notes are passed over
// (and printed, so they are not lost).
void AnswerForThePerson() {
    SetMessageResponder([](const QString& text, QMessageBox::StandardButtons buttons) {
        std::fprintf(stderr, "corvane: %s\n", qPrintable(text));
        return buttons & QMessageBox::Yes ? QMessageBox::No : QMessageBox::Ok;
    });
}

int TakeScreenshot(TDeskTop& desk, const QString& file) {
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

// The order of the definition sections: beside the program when it ships one, else in the data
// folder.
std::string SectionOrderPath(const std::string& folder) {
    const std::string beside = platform::ProgramFolder() + std::string(SectionOrderFileName);
    return std::filesystem::exists(beside) ? beside : folder + std::string(SectionOrderFileName);
}

// Reads the alert table and both sides' cards for the bidder and builds the sides' definition
// databases from the cards, showing what the loaders have to say. False when the program cannot
// bid, after its message.
bool LoadBiddingTables(BiddingData& bidding, const DefinitionFiles& definitions, DefinitionDatabases& databases,
                       const Options& options, const std::string& folder) {
    const BiddingDataStartup startup = LoadTableBiddingData(bidding, folder, options.NSCnvt, options.EWCnvt);
    for (const std::string& message : startup.Messages) {
        ShowMessage(nullptr, FromCore(message), QMessageBox::Ok,
                    startup.Fatal ? QMessageBox::Critical : QMessageBox::Information);
    }
    if (startup.Fatal) return false;
    BuildDefinitionDatabases(definitions, bidding.Cards, databases);
    return true;
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
    if (parser.isSet(screenshot)) AnswerForThePerson();

    const std::string folder = platform::DataFolderPath();
    if (const std::string error = platform::CreateDataFolder(folder); !error.empty()) {
        ShowMessage(nullptr, FromCore(error), QMessageBox::Ok, QMessageBox::Critical);
        return 1;
    }
    if (const std::string shipped = platform::ShippedFilesFolder(); !shipped.empty()) {
        platform::InstallShippedFiles(shipped, folder);
    }

    // The player whose file changed last; on a first start the welcome form asks the name.
    PlayerSettings settings(folder);
    std::string player = StartupPlayer(folder);
    if (player.empty() && parser.isSet(screenshot)) player = "Player";
    if (player.empty()) {
        TWelcomeForm welcome;
        welcome.exec();
        player = ToCore(welcome.PlayerName());
        if (player.empty()) return 0;
    }
    if (const std::string error = settings.LoadPlayer(player); !error.empty()) ShowMessage(nullptr, FromCore(error));

    BiddingData bidding;
    const DefinitionFiles definitions(folder, SectionOrderPath(folder));
    for (const std::string& message : definitions.Messages()) ShowMessage(nullptr, FromCore(message));
    DefinitionDatabases databases;
    TDeskTop* table = nullptr;
    RuleBidder bidder(bidding.Cards, bidding.Alerts, &databases,
                      [&table] { return table != nullptr ? table->Controller().Board().Vul : VulNone; });
    SdsSolverLibrary solver;
    BridgeHandFileShelf files(folder);
    files.OpenNewHands();
    // A look at the table leaves the person's hand files as they were.
    MemoryHandFileShelf lookOnly;
    HandFileShelf& shelf = parser.isSet(screenshot) ? static_cast<HandFileShelf&>(lookOnly) : files;
    DealingState dealing;
    dealing.Generator.SetSeed(platform::HighResolutionSeed());
    TableServices services{&bidder, &solver, &shelf, &dealing, TableOptionsFrom(settings.Values, player), folder,
                           &settings};

    TDeskTop desk(services);
    table = &desk;
    desk.show();
    if (parser.isSet(screenshot)) {
        if (!LoadBiddingTables(bidding, definitions, databases, settings.Values, folder)) return 1;
        return TakeScreenshot(desk, parser.value(screenshot));
    }
    // Once the window is up: the alert table and the cards, then the dealer options from which
    // play starts.
    QTimer::singleShot(0, &desk, [&desk, &bidding, &definitions, &databases, &settings, &folder] {
        if (!LoadBiddingTables(bidding, definitions, databases, settings.Values, folder)) {
            QApplication::exit(1);
            return;
        }
        desk.StartTable();
    });
    const int code = QApplication::exec();
    // Whatever the last step stored is on disk before the program ends.
    std::string error;
    if (!files.Close(error)) std::fprintf(stderr, "corvane: %s\n", error.c_str());
    return code;
}

}  // namespace corvane::ui
