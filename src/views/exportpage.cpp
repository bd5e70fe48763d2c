// SPDX-License-Identifier: MIT
#include "views/exportpage.h"

#include "buildinfo.h"
#include "stats/numbertext.h"
#include "stats/passerrating.h"
#include "stats/percentage.h"
#include "views/htmlescape.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::size_t maxRecords = 100;

class Page {
public:
    explicit Page(QString point) : m_point(std::move(point)) {}

    void line(const QString& text) { m_lines << text; }
    void value(const QString& text) {
        m_lines << QStringLiteral("<td><div align=center>") + text + QStringLiteral("</div></td>");
    }
    void heading(const QString& label) {
        m_lines << QStringLiteral("<td><div align=center><font color=#FFFFFF size=2><strong>") +
                       label + QStringLiteral("</strong></font></div></td>");
    }
    void whole(std::int64_t count) { value(wholeText(count)); }
    void currency(Currency amount) { value(currencyText(amount, m_point)); }
    void ratingCell(const PasserCounts& counts) { currency(passerRating(counts)); }

    // PCT, YDS, AVG, TD, INT and RAT of a season or of the career, after G, CMP and ATT.
    void figures(const PasserCounts& counts) {
        whole(counts.completions);
        whole(counts.attempts);
        currency(completionPercentage(counts.completions, counts.attempts));
        whole(counts.yards);
        value(counts.attempts > 0 ? patternText(counts.yards, counts.attempts, u"###.0", m_point)
                                  : QStringLiteral("0"));
        whole(counts.touchdowns);
        whole(counts.interceptions);
        ratingCell(counts);
    }

    QStringList lines() const { return m_lines; }

private:
    QString m_point;
    QStringList m_lines;
};

void writeHead(Page& page, const QString& name) {
    const QString safeName = htmlEscaped(name);
    page.line(QStringLiteral("<html><title>Gridlark Bio - ") + safeName +
              QStringLiteral("</title>"));
    page.line(QStringLiteral("<META name=description content=Gridlark Game>"));
    page.line(QStringLiteral(
        "<META name=keywords content=gridlark,football,quarterback,nfl,rating,stats>"));
    page.line(QStringLiteral("<body><p><strong><font face=Courier New, Courier, mono>") + safeName +
              QStringLiteral(" | QB</font></strong></p>"));
    page.line(QStringLiteral("<table width=75% border=0>"));
    page.line(QStringLiteral("<tr bgcolor=#3333FF>"));
    for (const char* label : {"SEASON", "G", "CMP", "ATT", "PCT", "YDS", "AVG", "TD", "INT", "RAT",
                              "SRAT", "MRAT", "LRAT", "BRAT"})
        page.heading(QString::fromLatin1(label));
    page.line(QStringLiteral("</tr>"));
}

struct Totals {
    std::int32_t games = 0;
    PasserCounts all;
    TypeCounts types;
};

void writeSeason(Page& page, const SeasonStats& season, Totals& totals) {
    const PasserCounts all = seasonCounts(season);
    page.line(QStringLiteral("<tr bgcolor=#CCCCCC>"));
    page.whole(season.Season);
    page.whole(season.Games);
    page.figures(all);
    totals.games += season.Games;
    totals.all += all;
    const TypeCounts types = typeCounts(season);
    for (std::size_t t = 0; t < types.size(); ++t) {
        page.ratingCell(types[t]);
        totals.types[t] += types[t];
    }
    page.line(QStringLiteral("</tr>"));
}

void writeCareer(Page& page, const Totals& totals) {
    page.line(QStringLiteral("<tr bgcolor=#00CC33>"));
    page.value(QStringLiteral("Career"));
    page.whole(totals.games);
    page.figures(totals.all);
    for (const PasserCounts& type : totals.types)
        page.ratingCell(type);
    page.line(QStringLiteral("</tr></table>"));
}

// A label and its value, as one grey row of a records table.
struct RecordRow {
    const char* label;
    QString value;
};

void writeRecordsTable(Page& page, const char* title, const std::array<RecordRow, 5>& rows) {
    page.line(QStringLiteral("<br><br>"));
    page.line(QStringLiteral("<table width=25% border=0>"));
    page.line(QStringLiteral("<tr bgcolor=#3333FF>"));
    page.heading(QString::fromLatin1(title));
    page.heading(QStringLiteral("STAT"));
    page.line(QStringLiteral("</tr>"));
    for (const RecordRow& row : rows) {
        page.line(QStringLiteral("<tr bgcolor=#CCCCCC>"));
        page.value(QString::fromLatin1(row.label));
        page.value(row.value);
        page.line(QStringLiteral("</tr>"));
    }
    page.line(QStringLiteral("</table>"));
}

void writeRecords(Page& page, const CareerRecords& r, const QString& point) {
    writeRecordsTable(page, "GAME RECORDS",
                      {{{"MOST YARDS", wholeText(r.MostGameYds)},
                        {"MOST TD's", wholeText(r.MostGameTD)},
                        {"MOST INT's", wholeText(r.MostGameInt)},
                        {"BEST COMP %", currencyText(r.BestGameCompPct, point)},
                        {"COMP IN ROW", wholeText(r.MostInRow)}}});
    writeRecordsTable(page, "SEASON RECORDS",
                      {{{"MOST YARDS", wholeText(r.MostSeasonYds)},
                        {"MOST TD's", wholeText(r.MostSeasonTD)},
                        {"LEAST INT's", wholeText(r.LeastSeasonInt)},
                        {"BEST COMP %", currencyText(r.BestSeasonCompPct, point)},
                        {"BEST RATING", currencyText(r.BestSeasonRating, point)}}});
}

void writeFooter(Page& page) {
    page.line(QStringLiteral("<br><a href=") + QString::fromUtf8(BuildInfo::homePage) +
              QStringLiteral(" target=_self>Exported From Gridlark v") +
              QString::number(BuildInfo::versionMajor) + u'.' +
              QString::number(BuildInfo::versionMinor) + QStringLiteral("</a>"));
    page.line(QStringLiteral("</body></html>"));
}

} // namespace

QStringList exportPageLines(const std::vector<SeasonStats>& seasons, const CareerRecords& records,
                            const QString& name, const QString& point) {
    Page page(point);
    writeHead(page, name);
    Totals totals;
    const std::size_t count = std::min(seasons.size(), maxRecords);
    for (std::size_t i = 0; i < count; ++i) {
        if (seasons[i].Games > 0)
            writeSeason(page, seasons[i], totals);
    }
    writeCareer(page, totals);
    writeRecords(page, records, point);
    writeFooter(page);
    return page.lines();
}
