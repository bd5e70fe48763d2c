// SPDX-License-Identifier: MIT
#pragma once

struct GameState;

// A season is 16 games; a career ends after its 15th season.
inline constexpr int GamesInSeason = 16;
inline constexpr int SeasonsInCareer = 15;

// What opening the current season came to: open, refused as the career is complete, or not
// read (the player has been told why).
enum class SeasonOpening { Open, CareerOver, NotRead };

// Where finished games go. The file-backed career reports its own messages; the play cycle
// only calls these in the order a game's end asks for.
class Career {
public:
    virtual ~Career() = default;
    // Asked first at New Game: whether a finished game could be kept. When it could not, the
    // player has been told why and no game may start.
    virtual bool readyForNewGame() = 0;
    // Loads the current season into the season snapshot; leaves it alone unless it opens.
    virtual SeasonOpening openStats(GameState& state) = 0;
    // Adds the finished game to its season; false when the game could not be kept, and then
    // no record may be checked against it.
    virtual bool saveStats(const GameState& state) = 0;
    // Checks the finished game against the game records; true when one of them fell.
    virtual bool checkBestGame(const GameState& state) = 0;
    // Wipes the stored seasons; the records stay.
    virtual void clearCareer() = 0;
};
