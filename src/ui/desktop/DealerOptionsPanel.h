// The dealer-options panel: the player selector and the ways to start play.
#pragma once

#include <QFrame>
#include <QStringList>

class QComboBox;
class QPushButton;

namespace corvane::ui {

inline constexpr const char* PlayerFileSuffix = ".sta";

// Player names from the player files of a folder, sorted.
QStringList PlayerNames(const QString& folder);

class DealerOptionsPanel : public QFrame {
    Q_OBJECT
public:
    // Dealer choices the buttons stand for.
    enum Choice { StartPlay = 0, Practice = 1, Custom = 2, Seed = 4, BridgeFile = 5, Match = 6 };

    DealerOptionsPanel(const QString& dataFolder, QWidget* parent = nullptr);

    QComboBox* PlayerSelector() const { return players_; }
    QString PlayerName() const;
    void SetPlayerName(const QString& name);
    void ReloadPlayers();
    QPushButton* ButtonNamed(const QString& objectName) const;

Q_SIGNALS:
    void ChoiceMade(int choice);
    void PlayerChosen(const QString& name);
    void ScoringAnalysisClicked();
    void CCEditorClicked();
    void PreferencesClicked();
    void ScoreBookClicked();

private:
    void DeletePlayer();

    QString folder_;
    QComboBox* players_;
};

}  // namespace corvane::ui
