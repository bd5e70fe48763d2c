// SPDX-License-Identifier: MIT
#pragma once

#include "play/career.h"
#include "storage/careerarchive.h"
#include "storage/careerrecords.h"
#include "storage/seasonstats.h"

#include <QString>
#include <functional>
#include <vector>

class Messenger;

// The career kept in the data directory: gdk.dat, one record per season, and gdk.rec, the
// records. Every change replaces its file atomically under that file's lock; every failure
// reaches the player with the file's name and the system's reason, and a damaged file is kept
// under another name before anything new is written.
class FileCareer final : public Career, public CareerArchive {
public:
    FileCareer(QString dataDirectory, Messenger& messenger);

    bool openStats(GameState& state) override;
    void saveStats(const GameState& state) override;
    bool checkBestGame(const GameState& state) override;
    void clearCareer() override;

    // At most 100 seasons; a missing file is created empty.
    std::vector<SeasonStats> loadSeasons() override;
    // A missing file is created empty and reads as all zero.
    CareerRecords loadRecords() override;
    QString dataDirectory() const override { return m_dataDirectory; }
    QString seasonsPath() const;
    QString recordsPath() const;
    // The season as the last save wrote it.
    const SeasonStats& currentSeason() const { return m_currentSeason; }

private:
    struct Seasons {
        std::vector<SeasonStats> list;
        QString error;
    };
    struct Records {
        CareerRecords records;
        QString error;
    };

    Seasons readSeasons();
    Records readRecords();
    QString keepDamaged(const QString& path, const QString& problem, const QByteArray& repaired);
    QString addGame(const GameState& state);
    bool updateRecords(const std::function<void(CareerRecords&)>& update);
    bool withRetry(const QString& title, const QString& what,
                   const std::function<QString()>& attempt);

    QString m_dataDirectory;
    Messenger& m_messenger;
    SeasonStats m_currentSeason;
};
