#pragma once

#include "core/Program.h"

#include <QString>
#include <optional>

class QWidget;

namespace velmorix {

enum class DialogIcon { None, Question, Exclamation, Information, Critical };

// Every message box, input box and beep of the program goes through here, so
// tests can answer them and check their exact texts.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Yes/No question with a question icon; true on Yes.
    virtual bool askYesNo(const QString& text, const QString& title) = 0;
    virtual void show(const QString& text, const QString& title, DialogIcon icon) = 0;
    // Input box; nothing when cancelled.
    virtual std::optional<QString> input(const QString& prompt, const QString& title,
                                         const QString& defaultText) = 0;
    // File dialog for choosing an existing file to open; `filter` as Qt's
    // name filters ("Metin dosyaları (*.txt *.csv);;Tüm dosyalar (*)").
    // Nothing when cancelled; a seam that offers no file dialog cancels it.
    virtual std::optional<QString> openFileName(const QString& title, const QString& filter) {
        (void)title;
        (void)filter;
        return std::nullopt;
    }
    virtual void beep() = 0;
    // The window the boxes belong to (may be null).
    virtual void setParentWindow(QWidget* parent) { (void)parent; }
};

// The product line every message box title uses.
inline QString programTitle() {
    return QString::fromUtf8(kProgramTitle);
}
inline QString programTitleLong() {
    return QString::fromUtf8(kProgramTitleLong);
}
inline QString errorTitle() {
    return QStringLiteral("! HATA !");
}
inline QString warningTitle() {
    return QStringLiteral("! DİKKAT !");
}

} // namespace velmorix
