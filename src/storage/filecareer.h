// SPDX-License-Identifier: MIT
#pragma once

#include "play/career.h"
#include "storage/careerarchive.h"
#include "storage/careerrecords.h"
#include "storage/result.h"
#include "storage/seasonstats.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class Messenger;

// The career kept in the data directory: gdk.dat, one record per season, and gdk.rec, the
// records. Every change replaces its file atomically under that file's lock, held from the read
// to the rename and never while the player reads a message; reading takes no lock. Every
// failure reaches the player with the file's name and the system's reason, and a damaged file
// is kept under another name before anything new is written.
class FileCareer final : public Career, public CareerArchive {
public:
    FileCareer(const QString& dataDirectory, Messenger& messenger);

    // Makes the directory where it is missing; when it cannot be made or written, tells the
    // player the directory and the system's reason, and what to do where it holds a career.
    bool readyForNewGame() override;
    SeasonOpening openStats(GameState& state) override;
    bool saveStats(const GameState& state) override;
    bool checkBestGame(const GameState& state) override;
    void clearCareer() override;

    // At most 100 seasons; a missing file is created empty where that can be done.
    std::vector<SeasonStats> loadSeasons() override;
    PeekedSeasons peekSeasons() override;
    // A missing file is created empty where that can be done, and reads as all zero.
    CareerRecords loadRecords() override;
    Result<StoredCareer> readCareer() override;
    QString dataDirectory() const override { return m_dataDirectory; }
    QString seasonsPath() const;
    QString recordsPath() const;
    // The season as the last save wrote it.
    const SeasonStats& currentSeason() const { return m_currentSeason; }

private:
    // The one way a message reaches the player: only once the step that has it to tell has
    // returned, and with it any lock it took. True when the player asks to try again.
    bool show(const Message& message);
    void showAll(const QList<Message>& messages);
    // Shows what a read has to tell, and its failure under `title`.
    void showRead(const Result<QByteArray>& read, const QString& title);
    // Makes the attempt until it succeeds or the player no longer asks to try again; shows each
    // attempt's messages, then the question. Empty when the player gave up.
    template <typename T>
    std::optional<T> withRetry(const QString& title, const QString& what,
                               const std::function<Result<T>()>& attempt);
    // Loads the current season into the season snapshot; false once the career is complete.
    static bool loadCurrentSeason(const std::vector<SeasonStats>& seasons, GameState& state);
    bool updateRecords(const std::function<void(CareerRecords&)>& update);

    QString m_dataDirectory;
    Messenger& m_messenger;
    SeasonStats m_currentSeason;
};
