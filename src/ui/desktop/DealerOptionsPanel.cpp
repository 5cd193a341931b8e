#include "ui/desktop/DealerOptionsPanel.h"

#include "platform/Trash.h"
#include "ui/common/Messages.h"
#include "ui/common/Text.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane::ui {

QStringList PlayerNames(const QString& folder) {
    QStringList names;
    const QString suffix = QString::fromLatin1(PlayerFileSuffix);
    for (const QString& file : QDir(folder).entryList({QStringLiteral("*") + suffix}, QDir::Files, QDir::Name)) {
        names << file.left(file.size() - suffix.size());
    }
    return names;
}

DealerOptionsPanel::DealerOptionsPanel(const QString& dataFolder, QWidget* parent)
    : QFrame(parent), folder_(dataFolder) {
    setObjectName(QStringLiteral("DealerOptions"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("Dealer Options"), this);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() + 3);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);

    auto* playerRow = new QHBoxLayout;
    playerRow->addWidget(new QLabel(QStringLiteral("Player:"), this));
    players_ = new QComboBox(this);
    players_->setObjectName(QStringLiteral("PlayerSelector"));
    players_->setEditable(true);
    players_->setInsertPolicy(QComboBox::NoInsert);
    players_->setMinimumWidth(180);
    playerRow->addWidget(players_, 1);
    auto* remove = new QPushButton(QStringLiteral("&Delete Player"), this);
    remove->setObjectName(QStringLiteral("DeletePlayer"));
    playerRow->addWidget(remove);
    layout->addLayout(playerRow);
    connect(remove, &QPushButton::clicked, this, &DealerOptionsPanel::DeletePlayer);
    // Leaving the selector (or picking a name) loads that player.
    connect(players_, &QComboBox::activated, this, [this] { Q_EMIT PlayerChosen(PlayerName()); });
    connect(players_->lineEdit(), &QLineEdit::editingFinished, this, [this] { Q_EMIT PlayerChosen(PlayerName()); });

    auto* grid = new QGridLayout;
    struct Entry {
        const char* Name;
        const char* Caption;
        std::function<void()> Action;
    };
    const std::vector<Entry> entries{
        {"StartPlay", "Start Play", [this] { Q_EMIT ChoiceMade(StartPlay); }},
        {"SelectBridgeFile", "Select &Bridge File", [this] { Q_EMIT ChoiceMade(BridgeFile); }},
        {"PlayMatch", "Play a &Match", [this] { Q_EMIT ChoiceMade(Match); }},
        {"ScoringAnalysis", "Scoring &Analysis", [this] { Q_EMIT ScoringAnalysisClicked(); }},
        {"PracticeHands", "Set Up &Practice Hands", [this] { Q_EMIT ChoiceMade(Practice); }},
        {"CustomHands", "Set Up &Custom Hands", [this] { Q_EMIT ChoiceMade(Custom); }},
        {"CCEditor", "CC &Editor", [this] { Q_EMIT CCEditorClicked(); }},
        {"Preferences", "&Preferences", [this] { Q_EMIT PreferencesClicked(); }},
        {"NetworkPlay", "Network Play", {}},
        {"ScoreBook", "Score Book", [this] { Q_EMIT ScoreBookClicked(); }},
    };
    for (size_t i = 0; i < entries.size(); ++i) {
        auto* button = new QPushButton(QString::fromLatin1(entries[i].Caption), this);
        button->setObjectName(QString::fromLatin1(entries[i].Name));
        button->setMinimumHeight(30);
        if (entries[i].Action) {
            connect(button, &QPushButton::clicked, this, entries[i].Action);
        } else {
            button->setEnabled(false);
        }
        grid->addWidget(button, int(i / 2), int(i % 2));
    }
    ButtonNamed(QStringLiteral("StartPlay"))->setToolTip(QStringLiteral("More than 2 billion random hands are possible"));
    layout->addLayout(grid);
    ReloadPlayers();
}

QPushButton* DealerOptionsPanel::ButtonNamed(const QString& objectName) const {
    return findChild<QPushButton*>(objectName);
}

QString DealerOptionsPanel::PlayerName() const { return players_->currentText().trimmed(); }

void DealerOptionsPanel::SetPlayerName(const QString& name) {
    const int index = players_->findText(name, Qt::MatchFixedString);
    if (index >= 0) {
        players_->setCurrentIndex(index);
    } else {
        players_->setEditText(name);
    }
}

void DealerOptionsPanel::ReloadPlayers() {
    const QString current = PlayerName();
    players_->clear();
    players_->addItems(PlayerNames(folder_));
    SetPlayerName(current);
}

void DealerOptionsPanel::DeletePlayer() {
    const QString name = PlayerName();
    const QStringList names = PlayerNames(folder_);
    if (names.size() <= 1) {
        ShowMessage(this, QStringLiteral("You must always have at least one valid player. It you want to delete ") +
                              QChar(u'"') + name + QChar(u'"') +
                              QStringLiteral(" you must first play a hand with a new player."));
        return;
    }
    const QString path = QDir(folder_).filePath(name + QString::fromLatin1(PlayerFileSuffix));
    if (QFile::exists(path)) {
        const std::string error = platform::MoveToTrash(ToCore(path));
        if (!error.empty()) {
            ShowMessage(this, FromCore(error));
            return;
        }
    }
    ReloadPlayers();
    const QStringList left = PlayerNames(folder_);
    SetPlayerName(left.isEmpty() ? QString() : left.front());
    Q_EMIT PlayerChosen(PlayerName());
}

}  // namespace corvane::ui
