#pragma once

#include "ListCanvas.h"

#include "core/ColumnRecord.h"
#include "windows/common/VelmorixWindow.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace velmorix {

// What sets one paged list window apart from the others.
struct PagedListTexts {
    std::string listFile;
    QString designCaption;
    QString pagePrefix; // "Kombinasyon Listesi - Sayfa"
    // Shown when the list is missing on activation; the window then closes.
    // Without it a missing list is drawn as an empty page.
    QString missingText;
    QString missingTitle;
    // Shown when the list holds no column; without it an empty page is drawn.
    QString emptyText;
    QString emptyTitle;
};

// A window without controls that shows a column list 25 columns to a page,
// drawn as text at twip positions, paged by keys and a mouse click. Only the
// records of the page are read, so lists of millions page at once.
class PagedListWindow : public VelmorixWindow {
    Q_OBJECT
public:
    PagedListWindow(AppContext& context, PagedListTexts texts, QWidget* parent = nullptr);

    bool handleKey(QKeyEvent* event) override;
    void onActivated() override;

    // Reads and shows the page that starts at the first-shown position.
    void drawPage();
    // A mouse click: the next page.
    void clickPage();

    const std::vector<PageLine>& pageLines() const { return m_canvas->lines(); }
    int32_t pageNumber() const { return m_pageNumber; }
    int32_t firstShownPosition() { return firstShown(); }
    void setFirstShownPosition(int32_t position) { firstShown() = position; }
    ListCanvas* canvas() const { return m_canvas; }

    // Where the balls start after a label that ends at x (twips).
    static int ballsStartFor(int labelEndX);

protected:
    // F1..F12; the page is drawn again afterwards.
    virtual void commandKey(int key) = 0;
    // The number of columns above the page.
    virtual int32_t& firstShown() { return m_firstShown; }
    // The value in brackets after the balls.
    virtual int32_t bracketValue(const ColumnRecord& column) const;

    const std::string& listFile() const { return m_texts.listFile; }
    bool listExists();
    int32_t listCount();
    // The list exists and holds at least one whole record (16 bytes).
    bool listHasRecord();
    void clearPage();

    // Shared command steps.
    // The key help of a list: the window's own keys, the paging keys, the
    // `otherKeys` and ESC.
    static QStringList listKeyHelp(const QStringList& ownKeys, const QStringList& otherKeys = {});
    void showKeyHelp(const QStringList& lines);
    // The column number of a delete command; an empty or cancelled box is 0.
    int64_t askColumnNumber();
    // Removes column k of the list through `tempName`; a list of one column is removed.
    void deleteColumn(int32_t k, const std::string& tempName);
    // Asks for a column of the combination list and removes it; the list
    // before stays in VELMORIX.OLD. The page then starts where the column was.
    void deleteCombinationListColumn();
    // Asks, then appends the whole list to `destination`; the page then starts
    // where the appended columns begin in the destination.
    void appendListTo(const std::string& destination, const QString& question, const QString& title,
                      const QString& doneText);
    // Asks, then removes the list file.
    void deleteListFile(const QString& title, bool confirmWithMessage);
    // Six distinct balls typed with commas, asked again until there are six;
    // nothing when the first number is not a ball or the box is cancelled.
    struct SixBalls {
        std::array<int16_t, 6> balls{};
        QString text; // "1,3,9,17,22,40"
    };
    std::optional<SixBalls> askSixBalls(const QString& prompt, const QString& title,
                                        const QString& defaultText);

    static int32_t toPosition(int64_t value);

private:
    PagedListTexts m_texts;
    ListCanvas* m_canvas;
    int32_t m_firstShown = 0;
    int32_t m_pageNumber = 0;
};

} // namespace velmorix
