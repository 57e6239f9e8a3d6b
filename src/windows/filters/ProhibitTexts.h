#pragma once

#include <QString>

namespace velmorix {
class Game;
}

namespace velmorix::prohibittexts {

// Titles.
QString windowTitle();        // the filters window's own title
QString spacedProgramTitle(); // " VELMORIX 653 Dizimci u4.5"
QString playedTitle();        // " VELMORIX 653 DİZİMCİ Uyarlama 4.5"
QString refusedDrawTitle();   // "! VELMORIX 653 Dizimci u4.5 !"

// The column under test.
QString invalidBox(int box); // Str(box) & ". kutudaki sayı geçerli değil! (Doğru girin!)"
QString repeatedBox(int box,
                    int same); // Str(box) & ". kutudaki sayı" & Str(same) & ". kutudaki ile aynı! ..."
QString bankerQuestion();
QString bagQuestion();
QString columnFits(int sum);
QString columnFails();
QString fitsTitle();
QString failsTitle();
QString savePlayedQuestion();
QString playedSaved(int recordNumber);
QString tooFewBalls();

// Results to bag and bankers, saving and deleting.
QString resultsToBagQuestion();
QString resultsToBankersQuestion();
QString bagSize(int balls);
QString oneBanker(int ball);
QString twoBankers(int first, int second);
QString saveBallsQuestion();
QString ballsSaved();
QString deleteListQuestion();

// Help texts.
QString functionKeys();
QString purposeTitle();
QString purpose(const Game& game);
QString meaningsTitle();
QString meanings(const Game& game);
QString about(const Game& game);
QString credits();

} // namespace velmorix::prohibittexts
