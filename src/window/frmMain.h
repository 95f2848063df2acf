#pragma once
// The game's one window. Its state lives here, grouped, under the names the game has always used;
// its member functions are spread over three folders that are parts of this one class, not layers:
//
//   window/  the window itself
//     Frothwick.h      the game as its host and store know it: name, client size, store names
//     DesignTable.cpp  the window's controls, one row each in stacking order: name, picture, place and
//                      size, tip, pointer, shown at start, click handler; and the hidden picture holders
//     Design.cpp       lays the window out from those rows (LoadDesign) and stacks them
//     Startup.cpp      Load, Form_Load and Form_Unload; the window's events and the rows' clicks wired
//     Chrome.cpp       minimise, exit and quit, dragging, about panel, banner clicks, sound button
//     BannerTimer.cpp  the banner's rotation timer
//   game/    a game from New to its end
//     GameLoop.cpp     New, the step (StepGame), a new beer (SpawnBeer), the game's one wait (Delay)
//     PlayerKeys.cpp   keys that move and drop the beer; CommandKeys.cpp the keys for the buttons
//     Board.cpp, Matching.cpp, Drawing.cpp  the board, the six-of-a-kind blocks, painting the well
//     ScoreLives.cpp   score, lives and the police raid; Menu.cpp pause and resume
//     Sound.cpp, PadButtons.cpp  the sounds; a game pad's buttons
//   scores/  the high-score table
//     Registry.cpp     reading and saving the store; TableChanges.h/.cpp the table's rules
//     NameEntry.cpp, PadNameEntry.cpp, ScoreBoard.cpp  typing a name, showing the board
//
// To add a button: a member below, its row in ControlTable (DesignTable.cpp) naming its click handler,
// the handler in the file of its subsystem, and its picture under assets/, made by tools/artwork and
// checked by its check.sh. To rename the game: Frothwick.h.
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Host.h"
#include "scores/TableChanges.h"
#include "utimerCTL/PropertyBag.h"
#include "utimerCTL/UTimer.h"
#include "window/DesignRows.h"
#include "window/TimerSite.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class frmMain {
public:
  explicit frmMain(platform::Host& host);
  frmMain(const frmMain&) = delete;
  frmMain& operator=(const frmMain&) = delete;

  // Start-up as the window system does it: load the design, show the window, run Form_Load.
  void Load();
  // The program's one wait: dispatches window events until DelayValue milliseconds have passed.
  void Delay(const std::int16_t& DelayValue);

  platform::Form& form() { return form_; }
  const platform::Form& form() const { return form_; }

  // ---- Controls -------------------------------------------------------------------------------
  std::array<platform::Image, 6> imgAd;
  platform::PictureBox pctMinimizeIcon, pctExitIcon;
  std::array<platform::PictureBox, 7> pctScore;
  platform::PictureBox pctAction, pctOk, pctClear, pctNew, pctScores, pctAbout, pctQuit, pctSound, pctFocus;
  std::array<platform::PictureBox, 3> pctLives;
  platform::PictureBox pctAboutText1, pctAboutText2, pctAboutText3;
  platform::PictureBox pctScoreBoard, pctCop;
  // Hidden holders: never shown; their pictures are shared with, or copied onto, the visible ones.
  // A beer has kBeerFrames pictures of its fill swaying, kind after kind (see BeerPicture).
  static constexpr std::int32_t kBeerKinds = 7, kBeerFrames = 8;
  std::array<platform::PictureBox, std::size_t{kBeerKinds} * kBeerFrames> pctBeer;
  std::array<platform::PictureBox, 10> pctDigit;
  std::array<platform::PictureBox, 26> pctAlpha;
  platform::PictureBox pctEmptyBeer, pctPlay, pctPause, pctSoundOn, pctSoundOff, pctMug, pctEmptyMug;
  platform::PictureBox pctEmptyLetter, pctCursor;
  platform::Line lineLeft, lineTop, lineRight, lineBottom;

private:
  TimerSite timerSite_;

public:
  utimerctl::UTimer utimerCTL1;

  // ---- Board (board model and geometry) -------------------------------------------------------
  // Twenty rows of fifteen cells; the arrays hold one row and one column more than the board.
  static constexpr std::int16_t kLastRow = 19, kLastColumn = 14;
  std::array<std::array<std::int16_t, kLastColumn + 2>, kLastRow + 2> Board{};
  std::array<std::array<std::int16_t, kLastColumn + 2>, kLastRow + 2> BoardFrame{};
  std::array<std::int32_t, kLastRow + 2> RowY{};
  std::array<std::int32_t, kLastColumn + 2> ColumnX{};
  std::int32_t CellWidth = 0, CellHeight = 0;
  // Whether a block of rows x columns cells with its top-left cell at (top, left) lies on the board.
  static constexpr bool BlockFits(std::int16_t top, std::int16_t left, std::int16_t rows,
                                  std::int16_t columns) {
    return top >= 0 && left >= 0 && top + rows - 1 <= kLastRow && left + columns - 1 <= kLastColumn;
  }

  // ---- Game state -----------------------------------------------------------------------------
  std::int16_t Lives = 0;
  std::int32_t Score = 0;
  std::int16_t StepDelay = 0;
  std::int32_t FallStep = 0;
  bool GameOver = false, Paused = false, Falling = false, StepBusy = false, KeyBusy = false;
  // True during the pause between the last life and typing a name: keys still pressed for the last
  // beers are not typed into it.
  bool KeysHeldBack = false;
  std::int32_t BeerX = 0, BeerY = 0, BeerKind = 0, BeerFrame = 0;
  // Where the falling beer's picture was last put, and which picture, so that a repaint of a
  // paused game puts it back.
  bool BeerShown = false;
  std::int32_t ShownBeerX = 0, ShownBeerY = 0;
  const platform::PictureBox* ShownBeerPicture = nullptr;
  bool ActionWasVisible = false;
  std::int32_t AdIndex = 0;

  // ---- High scores ----------------------------------------------------------------------------
  std::array<std::string, 11> HighScoreNames;
  std::array<std::int32_t, 11> HighScores{};
  std::array<std::int32_t, 11> ScoreLetterX{};
  std::array<std::int32_t, 11> ScoreRowY{};
  bool EnteringName = false;
  std::int16_t EntryRow = 0, EntryColumn = 0;
  std::vector<scores::TableChange> TableChanges; // this game's changes not yet in the store
  std::string StoredSound;                       // the sound setting as the store last held it
  std::string StoreProblem;                      // why the store could not be read at start-up
  // The character a pad's up and down have put under the name's cursor, not yet typed: an index
  // into PadLetters, whose first, a space, shows as the cursor itself.
  std::int16_t PadLetter = 0;

  // ---- Start-up and shut-down -----------------------------------------------------------------
  void Form_Load();
  void Form_Unload();
  void TraceProcedure(const std::string& name);

  // ---- Board, drawing -------------------------------------------------------------------------
  // The picture of a beer of the given kind (0-based) in the given frame of its sway.
  const platform::PictureBox& BeerPicture(std::int32_t kind, std::int32_t frame) const {
    return pctBeer[static_cast<std::size_t>(kind * kBeerFrames + frame)];
  }
  void InitializeBoard();
  void PixelToCell(std::int32_t x, std::int32_t y, std::int16_t& row, std::int16_t& column,
                   bool& inside) const;
  void ClearBoard();
  void DrawBoard();
  void DrawAround(const std::int16_t& row, const std::int16_t& column);
  void Form_Paint();

  // ---- Game loop, keys, matching, score ---------------------------------------------------------
  void pctNew_Click();
  void StepGame();
  void SpawnBeer();
  void Form_KeyDown(std::int16_t& KeyCode, std::int16_t Shift);
  void CheckForMatch(const std::int16_t& row, const std::int16_t& column, bool& found);
  void ClearWideBlock(const std::int16_t& row, const std::int16_t& column);
  void ClearTallBlock(const std::int16_t& row, const std::int16_t& column);
  void RescanBoard();
  void AddScore(const std::int16_t& Points);
  void LoseLife();
  void PoliceRaid();

  // ---- Play, pause, menu ----------------------------------------------------------------------
  void pctAction_Click();
  void ResumePlay();
  void HideMenu();
  void ShowMenu();
  void Form_GotFocus();

  // ---- Settings and high scores -----------------------------------------------------------------
  void GetRegistry();
  void AnnounceStoreProblem();
  // Returns whether the store now holds the table and the sound setting. On the way out (Leaving) an
  // entry still being named is saved as typed so far.
  bool SaveRegistry(bool Leaving = false);
  // Saves everything kept for the player as the program ends; the exit status: 1 when anything was not
  // saved, which the player has then been told.
  int SaveOnTheWayOut();
  void ShowScoreBoard(const bool& EntryMode, const std::int16_t& Row);
  void DrawEntryCursor();
  void EraseEntryCursor();
  void pctScores_Click();
  void pctOk_Click();
  void EndNameEntry();
  void HideScoreBoard();
  void CheckHighScore();
  void NameEntryKey(const std::int16_t& KeyCode);
  void pctClear_Click();

  // ---- Game pads: each press does what its key does, under the same rules ---------------------
  void Form_PadDown(platform::PadButton Button);
  void Form_PadRemoved();
  void NameEntryPad(platform::PadButton Button);

  // ---- Window chrome --------------------------------------------------------------------------
  void Form_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
  void Form_Resize();
  void pctMinimizeIcon_Click();
  void pctExitIcon_Click();
  void pctQuit_Click();
  void pctAbout_Click();
  void pctAboutText2_Click();
  void pctAboutText3_Click();
  void imgAd_Click(std::int16_t Index);
  void pctSound_Click();
  void utimerCTL1_Timer();

  // Test and tooling seams.
  platform::Host& host() { return host_; }
  // How many games have been started; an outer game loop that finds a newer game has run leaves
  // the end-of-game steps to it.
  std::uint32_t GameNumber = 0;

private:
  std::vector<ControlRow> ControlTable();
  std::vector<HolderRow> HolderTable();
  void LoadDesign(const std::vector<ControlRow>& controls);
  void RegisterControls(const std::vector<ControlRow>& controls);
  void WireHandlers(const std::vector<ControlRow>& controls);
  void WirePadHandlers();
  void StartBannerTimer();
  void PlaceGuideLines();
  // The pixel row of the board's top edge, where the frame around it ends.
  std::int32_t BoardTop() const;

  // The raster copy of a sprite onto the window: the top-left w x h pixels of the box's picture.
  void CopySprite(const platform::PictureBox& sprite, std::int32_t w, std::int32_t h, std::int32_t x,
                  std::int32_t y);
  void CopyCell(const platform::PictureBox& sprite, std::int32_t x, std::int32_t y);
  void DrawFallingBeer();
  const platform::PictureBox& CellSprite(std::int16_t row, std::int16_t column) const;
  void DrawCell(std::int16_t row, std::int16_t column);
  bool SoundIsOn() const;
  void PlaySound(const char* file, platform::SoundMode mode);
  static bool IsQuitKey(std::int16_t KeyCode, std::int16_t Shift);
  bool CommandKey(std::int16_t KeyCode, std::int16_t Shift);
  void MoveSideways(std::int16_t direction);
  void RepaintAbove(std::int32_t drawnAt, std::int16_t row, std::int16_t column);
  void DropBeer();
  // Whether a drop may carry the beer into this row of its column: a free cell above the bottom row,
  // which the beer covers by ordinary steps.
  bool CanDropInto(std::int32_t row, std::int16_t column) const {
    return row < kLastRow && Board[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] == 0;
  }
  bool BlockMatches(std::int16_t top, std::int16_t left, std::int16_t rows, std::int16_t columns,
                    std::int16_t value) const;
  void ClearBlock(std::int16_t row, std::int16_t column, std::int16_t rows, std::int16_t columns);
  void FinishGame();
  void ForcePause();
  [[noreturn]] void EndFromExit();
  void PaintOnScoreBoard(const platform::PictureBox& source, std::int32_t x, std::int32_t y);
  const platform::PictureBox& LetterPicture(unsigned char code) const;
  static unsigned char NextCharacter(const std::string& name, std::size_t& at);
  void TypeCharacter(const platform::PictureBox& picture, char character);

  platform::Host& host_;
  platform::Form form_;
};
