// SPDX-License-Identifier: MIT
// Whole games through the real window and the real career files in a temporary directory.
#include "support/filebytes.h"
#include "support/modaldialog.h"
#include "support/recordingmessenger.h"
#include "support/scriptedclock.h"
#include "support/windowdriver.h"

#include "app/dialogmessenger.h"
#include "app/showfirstmessenger.h"
#include "storage/filecareer.h"
#include "storage/recordscodec.h"
#include "storage/seasoncodec.h"

#include <QFile>
#include <QGroupBox>
#include <QInputDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace {

std::vector<SeasonStats> storedSeasons(const QString& path) {
    const QByteArray bytes = contents(path);
    std::vector<SeasonStats> seasons;
    for (qsizetype at = 0; at + 110 <= bytes.size(); at += 110)
        seasons.push_back(decodeSeason(QByteArrayView(bytes).sliced(at, 110)));
    return seasons;
}

// Records with every message what the window shows as it comes.
class WindowWatcher final : public Messenger {
public:
    std::function<QString()> look;
    QStringList seen;

    void inform(const QString& title, const QString&) override { seen << title + u'|' + look(); }
    void warn(const QString& title, const QString& text) override { inform(title, text); }
    bool askRetry(const QString& title, const QString& text) override {
        inform(title, text);
        return false;
    }
};

// The window over the career files in a temporary directory; `Player` is how the career's
// messages reach the player.
template <typename Player> struct CareerParts {
    ScriptedRandomSource random;
    QTemporaryDir dir;
    Player messenger;
    ShowFirstMessenger shown{messenger};
    FileCareer career{dir.path(), shown};
    ScriptedClock clock;
    MainWindow window{{random, career, career, shown, QStringLiteral("."), clock.function()}};
};

struct PlayedCareer : CareerParts<RecordingMessenger>, WindowDriver {
    PlayedCareer() : WindowDriver(window, random) {}

    // A game of 26 attempts, every one completed at 40 for the shortest gain of its row.
    void playGame(std::int16_t playType) {
        const int speeds[] = {0, 11, 9, 7, 6};
        newGame();
        for (int attempt = 0; attempt < 26; ++attempt) {
            snap(playType);
            completeAt(speeds[playType], 40);
        }
    }
};

} // namespace

class CareerPlayTest : public QObject {
    Q_OBJECT
private slots:
    void aWholeGameIsSavedAndTheSeasonLineReloaded();
    void theSixteenthGameEndsTheSeasonWithAnInformationBox();
    void theEndOfACareerShowsBehindEachOfItsMessages();
    void theViewsReadTheFilesAfreshAtEveryOpening();
    void theExportAsksForTheNameAndConfirms_data();
    void theExportAsksForTheNameAndConfirms();
};

void CareerPlayTest::aWholeGameIsSavedAndTheSeasonLineReloaded() {
    PlayedCareer w;
    w.newGame();
    for (int attempt = 1; attempt <= 26; ++attempt) {
        w.snap(PlayType::Short);
        w.completeAt(11, 40);
        QVERIFY(w.text("lblCurrentStats")
                    .startsWith(QStringLiteral("%1-%1 100% %2 YDS").arg(attempt).arg(attempt * 6)));
    }
    QVERIFY(!w.button()->isEnabled());
    QCOMPARE(w.button()->text(), QStringLiteral("Hike"));
    QCOMPARE(QFileInfo(w.career.seasonsPath()).size(), 110);
    const SeasonStats saved = storedSeasons(w.career.seasonsPath()).front();
    QCOMPARE(saved.Season, 1);
    QCOMPARE(saved.Games, 1);
    QCOMPARE(saved.Att, 26);
    QCOMPARE(saved.ShortAtt, 26);
    QCOMPARE(saved.Yds, 156);
    QVERIFY(w.text("lblCareerStats").startsWith(QStringLiteral("G 1 26-26 100% 156 YDS")));
    // Every game record stood at zero, so the first game breaks them.
    QCOMPARE(w.text("lblCurrentThrow"), QStringLiteral("A Record Has Been Broken!"));
    QCOMPARE(w.visiblePictures(), QStringList{QStringLiteral("imgCup")});
    QCOMPARE(decodeRecords(contents(w.career.recordsPath())).MostGameYds, 156);
    QVERIFY(w.messenger.messages().isEmpty());
    QVERIFY(w.find<QAction>("mnuClear")->isEnabled());
}

void CareerPlayTest::theSixteenthGameEndsTheSeasonWithAnInformationBox() {
    CareerParts<DialogMessenger> parts;
    parts.messenger.setParent(&parts.window);
    SeasonStats third;
    third.Season = 3;
    third.Games = 15;
    SeasonStats earlier = third;
    earlier.Games = 16;
    earlier.Season = 1;
    SeasonStats second = earlier;
    second.Season = 2;
    write(parts.career.seasonsPath(),
          encodeSeason(earlier) + encodeSeason(second) + encodeSeason(third));
    WindowDriver w(parts.window, parts.random);
    w.newGame();
    QCOMPARE(w.find<QGroupBox>("frmSeasonStats")->title(), QStringLiteral("Season 3 Stats"));
    for (int attempt = 0; attempt < 25; ++attempt) {
        w.snap(PlayType::Medium);
        w.completeAt(9, 40);
    }
    QString shown;
    whenModalOpens([&shown](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        QCOMPARE(box->icon(), QMessageBox::Information);
        shown = box->windowTitle() + u'|' + box->text();
        box->accept();
    });
    w.snap(PlayType::Medium);
    w.completeAt(9, 40);
    QCOMPARE(shown, QStringLiteral("Season Over|Season 3 is over"));
    QCOMPARE(storedSeasons(parts.career.seasonsPath()).at(2).Games, 16);
    w.newGame();
    QCOMPARE(w.find<QGroupBox>("frmSeasonStats")->title(), QStringLiteral("Season 4 Stats"));
}

void CareerPlayTest::theEndOfACareerShowsBehindEachOfItsMessages() {
    CareerParts<WindowWatcher> parts;
    QByteArray seasons;
    for (int number = 1; number <= 15; ++number) {
        SeasonStats s;
        s.Season = number;
        s.Games = number < 15 ? 16 : 15;
        seasons += encodeSeason(s);
    }
    write(parts.career.seasonsPath(), seasons);
    WindowDriver w(parts.window, parts.random);
    parts.messenger.look = [&w] {
        return QStringList{w.text("lblCurrentThrow"), w.text("lblCurrentStats").section(u' ', 0, 1),
                           w.button()->text() + (w.button()->isEnabled() ? "" : " disabled"),
                           w.visiblePictures().join(u',')}
            .join(u'|');
    };
    w.newGame();
    for (int attempt = 0; attempt < 25; ++attempt) {
        w.snap(PlayType::Medium);
        w.completeAt(9, 40);
    }
    const QString outcome = w.text("lblCurrentThrow"); // the last throw gains as much
    w.snap(PlayType::Medium);
    w.completeAt(9, 40);
    w.find<QAction>("mnuNewGame")->trigger();
    QCOMPARE(parts.messenger.seen,
             (QStringList{"Season Over|" + outcome + "|26-26 100%|Hike disabled|imgRec",
                          "15 Year Career Over|A Record Has Been Broken!|26-26 100%|Hike "
                          "disabled|imgCup",
                          "15 Year Career Over||26-26 100%|Hike disabled|imgCup"}));
}

void CareerPlayTest::theViewsReadTheFilesAfreshAtEveryOpening() {
    PlayedCareer w;
    const auto careerTable = [&w] {
        QStringList rows;
        whenModalOpens([&rows](QWidget* modal) {
            QCOMPARE(modal->objectName(), QStringLiteral("frmCareer"));
            auto* table = modal->findChild<QTreeWidget*>(QStringLiteral("lvwCareer"));
            for (int row = 0; row < table->topLevelItemCount(); ++row)
                rows << table->topLevelItem(row)->text(1) + u' ' +
                            table->topLevelItem(row)->text(2);
            modal->close();
        });
        w.find<QAction>("mnuSeasonStats")->trigger();
        return rows;
    };
    QCOMPARE(careerTable(), QStringList());
    QVERIFY(QFile::exists(w.career.seasonsPath()));
    w.playGame(PlayType::Short);
    QCOMPARE(careerTable(), (QStringList{"1 1", "Career 1"}));
    w.playGame(PlayType::Short);
    QCOMPARE(careerTable(), (QStringList{"1 2", "Career 2"}));
    QCOMPARE(careerTable(), (QStringList{"1 2", "Career 2"}));

    QString yards;
    whenModalOpens([&yards](QWidget* modal) {
        QCOMPARE(modal->objectName(), QStringLiteral("frmRecords"));
        yards = modal->findChild<QLabel*>(QStringLiteral("lblYards"))->text();
        modal->close();
    });
    w.find<QAction>("mnuSeasonRecords")->trigger();
    QCOMPARE(yards, QStringLiteral("156"));
}

void CareerPlayTest::theExportAsksForTheNameAndConfirms_data() {
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QByteArray>("title"); // the page's first line
    QTest::newRow("a name") << true
                            << QByteArray(
                                   "<html><title>Gridlark Bio - Sam &amp; &quot;Ace&quot;</title>");
    QTest::newRow("cancelled") << false << QByteArray("<html><title>Gridlark Bio - </title>");
}

void CareerPlayTest::theExportAsksForTheNameAndConfirms() {
    QFETCH(bool, accepted);
    QFETCH(QByteArray, title);
    PlayedCareer w;
    w.playGame(PlayType::Medium);
    QString prompt;
    whenModalOpens([&prompt, accepted](QWidget* modal) {
        auto* box = qobject_cast<QInputDialog*>(modal);
        QVERIFY(box);
        prompt = box->windowTitle() + u'|' + box->labelText() + u'|' + box->textValue();
        box->setTextValue(QStringLiteral("Sam & \"Ace\""));
        accepted ? box->accept() : box->reject();
    });
    w.find<QAction>("mnuExportHTML")->trigger();
    QCOMPARE(prompt, QStringLiteral("Name Your QB|Enter Your Quarterback's Name:|"));
    QCOMPARE(w.messenger.titles(), QStringList{QStringLiteral("File Saved")});
    QCOMPARE(w.messenger.messages().front().text,
             QStringLiteral("gdk.html saved to ") + w.dir.path());
    const QByteArray page = contents(w.dir.filePath(QStringLiteral("gdk.html")));
    QVERIFY(page.startsWith(title + "\r\n"));
    QCOMPARE(page.count("\r\n"), 93 + 16);
}

QTEST_MAIN(CareerPlayTest)
#include "careerplay_test.moc"
