// SPDX-License-Identifier: MIT
#pragma once

#include "storage/careerrecords.h"
#include "storage/seasonstats.h"

#include <QByteArray>
#include <QString>
#include <vector>

// What a career file holds once read, and what is wrong with it (empty when nothing is).
// A damaged file still gives what can safely be used: its first 100 whole records, each
// numbered by its place, with any season that no game could have written emptied. No game
// writes a count below zero, more completions than attempts, more touchdowns than completions,
// more interceptions than incomplete passes (in the season's totals and in each play type),
// more yards than the play type's longest gain a completion, more than 16 games, throws in a
// season of no games, more than 42 attempts a game, or play types that differ from the season
// but for its throws judged with no play type (one a game at most, an attempt and perhaps an
// interception). Nothing else is damage: the files of two copies of the game may outrun the
// 15 seasons of a career, and records are not checked against seasons.
struct SeasonsContent {
    std::vector<SeasonStats> seasons;
    QString problem;
    std::vector<int> emptied; // the numbers of the seasons emptied as impossible
    bool cut = false;         // records after the 100th were left out
};

// What a view of the seasons tells of those it left out; empty when none was.
QString leftOutText(const SeasonsContent& content);

struct RecordsContent {
    CareerRecords records;
    QString problem;
};

SeasonsContent readSeasonsContent(const QByteArray& bytes);
RecordsContent readRecordsContent(const QByteArray& bytes);

QByteArray seasonsBytes(const std::vector<SeasonStats>& seasons);
