// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QStringList>
#include <algorithm>

// One finished run of gridlark-sim.
struct SimRun {
    QProcess::ExitStatus status = QProcess::CrashExit;
    int exitCode = -1;
    QByteArray out;
    QString err;
};

inline void startSim(QProcess& process, const QStringList& arguments) {
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(QStringLiteral(GRIDLARK_SIM), arguments);
}

inline SimRun runSim(const QStringList& arguments) {
    QProcess process;
    startSim(process, arguments);
    process.waitForFinished(180000);
    return {process.exitStatus(), process.exitCode(), process.readAllStandardOutput(),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

// The games a run printed with --csv: only whole lines count, a line cut short by a kill does
// not, and every cell is looked up by its header name.
class GameLines {
public:
    explicit GameLines(const QByteArray& out) {
        QList<QByteArray> lines = out.split('\n');
        lines.removeLast(); // empty after the last newline, or a line cut short
        if (lines.isEmpty())
            return;
        m_header = QString::fromLatin1(lines.takeFirst()).split(u',');
        for (const QByteArray& line : lines)
            m_games << QString::fromLatin1(line).split(u',');
    }

    int count() const { return static_cast<int>(m_games.size()); }
    qint64 total(const QString& column) const {
        qint64 sum = 0;
        for (const QStringList& game : m_games)
            sum += cell(game, column);
        return sum;
    }
    qint64 most(const QString& column) const {
        qint64 best = 0;
        for (const QStringList& game : m_games)
            best = std::max(best, cell(game, column));
        return best;
    }

private:
    qint64 cell(const QStringList& game, const QString& column) const {
        const qsizetype at = m_header.indexOf(column);
        return at >= 0 && at < game.size() ? game[at].toLongLong() : -1;
    }

    QStringList m_header;
    QList<QStringList> m_games;
};
