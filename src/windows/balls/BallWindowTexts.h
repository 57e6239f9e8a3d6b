#pragma once

#include <QString>

namespace velmorix {

// The fixed texts of the bag and banker windows. Lines break with a carriage
// return; paragraphs are separated by one empty line.
QString ballsSavedText();
QString bagFunctionKeysText();
QString bagHowAndWhyText();
QString bagAdviceText();
QString bankoFunctionKeysText();
QString bankoWhatIsText();
QString bankoAdviceText();

} // namespace velmorix
