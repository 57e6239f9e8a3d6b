#pragma once

#include <QString>

namespace velmorix {

class Game;

// The fixed texts of the bag and banker windows. Lines break with a carriage
// return; paragraphs are separated by one empty line.
QString ballsSavedText();
QString bagFunctionKeysText();
QString bagHowAndWhyText(const Game& game);
QString bagAdviceText();
QString bankoFunctionKeysText();
QString bankoWhatIsText(const Game& game);
QString bankoAdviceText();

} // namespace velmorix
