#pragma once

#include "PagedListWindow.h"

namespace velmorix {

// The words of a list whose columns are typed in one at a time.
struct EditableListTexts {
    QString newTitle;     // "Yeni Kolon"
    QString newPrompt;    // "Kolonda yer alacak 6 sayıyı aralarına virgül koyarak girin."
    QString changeTitle;  // "Oynanan Kolon Değişikliği"
    QString columnWord;   // "kolon" / "kombinasyon": "12 numaralı kolonda ..."
    QString objectWord;   // "kolonunu" / "kombinasyonunu"
    QString fileWords;    // "Oynanan Kolonlar"
    std::string tempName; // scratch file of a deletion
};

// A paged list whose columns are added, changed and deleted one by one: the
// long played columns list and the long forbidden sextets list. Every column
// written gets its balls ascending and Tag KeepMark.
class EditableListWindow : public PagedListWindow {
    Q_OBJECT
public:
    EditableListWindow(AppContext& context, PagedListTexts texts, EditableListTexts editTexts,
                       QWidget* parent = nullptr);

protected:
    void newColumn();    // F1
    void changeColumn(); // F2: the first column of the page
    // F3; returns the column number deleted, or nothing.
    std::optional<int32_t> deleteTypedColumn();

private:
    EditableListTexts m_edit;
};

} // namespace velmorix
