// SPDX-License-Identifier: MIT
#pragma once

#include "play/career.h"
#include "storage/careerarchive.h"
#include "storage/careerrecords.h"
#include "storage/seasonstats.h"

#include <QByteArray>
#include <QString>
#include <functional>
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
    StoredCareer readCareer() override;
    QString dataDirectory() const override { return m_dataDirectory; }
    QString seasonsPath() const;
    QString recordsPath() const;
    // The season as the last save wrote it.
    const SeasonStats& currentSeason() const { return m_currentSeason; }

private:
    // What a read does with a file it finds damaged.
    enum class OnDamage {
        MendLocked,  // keeps a copy and rewrites it; the caller holds the file's lock
        MendLocking, // the same, taking the file's lock for just that
        Refuse,      // reports the damage as the read's failure
        LeaveAlone,  // tells of it and reads what can be kept; creates and writes nothing
    };
    struct Read {
        QByteArray bytes; // as they are, or as mended
        QString error;
    };
    // Returns what is wrong with the bytes and puts what can be kept of them in their place.
    using Mend = QString (*)(QByteArray& bytes);
    // A career file's content: how it is mended, and the longest it can be.
    struct Layout {
        Mend mend;
        qint64 longest;
    };
    static const Layout seasonsLayout;
    static const Layout recordsLayout;
    struct Content {
        QByteArray bytes;
        qint64 longest;
    };
    struct Notice {
        bool warning;
        QString title;
        QString text;
    };

    // Creates a missing file where the file may be mended, reads it, and keeps a damaged one
    // aside and rewrites it, or tells of it or refuses it, as `onDamage` says.
    Read readAndMend(const QString& path, const Layout& layout, OnDamage onDamage);
    Read readSeasons(OnDamage onDamage);
    QString keepDamaged(const QString& path, const QString& problem, const QByteArray& damaged,
                        const Content& repaired);
    QString underLock(const QString& path, const std::function<QString()>& change);
    QString addGame(const GameState& state);
    bool loadCurrentSeason(const std::vector<SeasonStats>& seasons, GameState& state);
    bool updateRecords(const std::function<void(CareerRecords&)>& update);
    bool withRetry(const QString& title, const QString& what,
                   const std::function<QString()>& attempt);
    void tell(bool warning, const QString& title, const QString& text);
    void deliverNotices();

    QString m_dataDirectory;
    Messenger& m_messenger;
    SeasonStats m_currentSeason;
    // Messages wait here until no lock is held, so that no other copy of the game waits
    // behind a box that nobody has answered.
    std::vector<Notice> m_notices;
};
