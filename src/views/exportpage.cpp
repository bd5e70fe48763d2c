// SPDX-License-Identifier: MIT
#include "views/exportpage.h"

#include "buildinfo.h"
#include "play/playtype.h"
#include "stats/numbertext.h"
#include "stats/passerrating.h"
#include "stats/percentage.h"
#include "storage/recordtexts.h"
#include "views/htmlescape.h"

#include <array>

namespace {

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
    void decimal(FixedPoint4 number) { value(decimalText(number, m_point)); }
    void ratingCell(const CareerLine& line) { decimal(passerRating(line)); }

    // PCT, YDS, AVG, TD, INT and RAT of a season or of the career, after G, CMP and ATT.
    void figures(const CareerLine& line) {
        whole(line.completions);
        whole(line.attempts);
        decimal(completionPercentage(line.completions, line.attempts));
        whole(line.yards);
        value(line.attempts > 0 ? patternText(line.yards, line.attempts, u"###.0", m_point)
                                : QStringLiteral("0"));
        whole(line.touchdowns);
        whole(line.interceptions);
        ratingCell(line);
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
    for (const char* label : {"SEASON", "G", "CMP", "ATT", "PCT", "YDS", "AVG", "TD", "INT", "RAT"})
        page.heading(QString::fromLatin1(label));
    for (const PlayTypeInfo& type : PlayTypes)
        page.heading(QString::fromLatin1(type.pageCell));
    page.line(QStringLiteral("</tr>"));
}

struct Totals {
    std::int32_t games = 0;
    CareerLine total;
    std::array<CareerLine, PlayType::Count> byType{};
};

void writeSeason(Page& page, const SeasonStats& season, Totals& totals) {
    page.line(QStringLiteral("<tr bgcolor=#CCCCCC>"));
    page.whole(season.number);
    page.whole(season.games);
    page.figures(season.total);
    totals.games += season.games;
    totals.total += season.total;
    for (std::size_t type = 0; type < PlayType::Count; ++type) {
        page.ratingCell(season.byType[type]);
        totals.byType[type] += season.byType[type];
    }
    page.line(QStringLiteral("</tr>"));
}

void writeCareer(Page& page, const Totals& totals) {
    page.line(QStringLiteral("<tr bgcolor=#00CC33>"));
    page.value(QStringLiteral("Career"));
    page.whole(totals.games);
    page.figures(totals.total);
    for (const CareerLine& line : totals.byType)
        page.ratingCell(line);
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

void writeRecords(Page& page, const CareerRecords& records, const QString& point) {
    const std::array<QString, 10> texts = recordTexts(records, point);
    writeRecordsTable(page, "GAME RECORDS",
                      {{{"MOST YARDS", texts[0]},
                        {"MOST TD's", texts[1]},
                        {"MOST INT's", texts[2]},
                        {"BEST COMP %", texts[3]},
                        {"COMP IN ROW", texts[4]}}});
    writeRecordsTable(page, "SEASON RECORDS",
                      {{{"MOST YARDS", texts[5]},
                        {"MOST TD's", texts[6]},
                        {"LEAST INT's", texts[7]},
                        {"BEST COMP %", texts[8]},
                        {"BEST RATING", texts[9]}}});
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
    for (const SeasonStats& season : seasons)
        if (season.games > 0)
            writeSeason(page, season, totals);
    writeCareer(page, totals);
    writeRecords(page, records, point);
    writeFooter(page);
    return page.lines();
}
