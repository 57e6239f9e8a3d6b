#include "PagedListWindow.h"

#include "core/AppState.h"
#include "core/Program.h"

#include "analysis/ListEntryParsing.h"
#include "analysis/ListPaging.h"
#include "core/BallMask.h"
#include "core/ColumnFile.h"
#include "core/ListUndo.h"
#include "core/Numbers.h"
#include "platform/Dialogs.h"
#include "windows/common/Text.h"

#include <QKeyEvent>
#include <QPointer>
#include <algorithm>
#include <limits>
#include <optional>

namespace velmorix {

namespace {
// The window's client area in twips.
constexpr int ClientWidth = 5475;
constexpr int ClientHeight = 6525;

std::optional<PagingMove> pagingMove(int key) {
    switch (key) {
    case Qt::Key_Down:
        return PagingMove::Down;
    case Qt::Key_Up:
        return PagingMove::Up;
    case Qt::Key_Home:
        return PagingMove::Home;
    case Qt::Key_End:
        return PagingMove::End;
    case Qt::Key_PageDown:
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return PagingMove::PageDown;
    case Qt::Key_PageUp:
        return PagingMove::PageUp;
    default:
        return std::nullopt;
    }
}
} // namespace

PagedListWindow::PagedListWindow(AppContext& context, PagedListTexts texts, QWidget* parent)
    : VelmorixWindow(context, parent), m_texts(std::move(texts)), m_canvas(new ListCanvas(this)) {
    setCentralWidget(m_canvas);
    setWindowTitle(m_texts.designCaption);
    // Room for 25 lines, however tall the font turns out.
    const int height =
        std::max(ClientHeight, ListCanvas::FirstLineY * 2 + LinesPerPage * m_canvas->lineHeightTwips());
    resize(m_canvas->toPixelsX(ClientWidth), m_canvas->toPixelsY(height));
    connect(m_canvas, &ListCanvas::clicked, this, &PagedListWindow::clickPage);
}

int PagedListWindow::ballsStartFor(int labelEndX) {
    if (labelEndX < 1600)
        return 1600;
    if (labelEndX < 1700)
        return 1700;
    return labelEndX + 75;
}

int32_t PagedListWindow::bracketValue(const ColumnRecord& column) const {
    return ballSum(column);
}

bool PagedListWindow::listExists() {
    return dir().exists(m_texts.listFile);
}

int32_t PagedListWindow::listCount() {
    return recordCount(dir(), m_texts.listFile);
}

bool PagedListWindow::listHasRecord() {
    return dir().fileSize(m_texts.listFile) >= static_cast<int64_t>(ColumnRecord::Size);
}

void PagedListWindow::clearPage() {
    m_canvas->setLines({});
}

bool PagedListWindow::handleKey(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        close();
        return true;
    }
    QPointer<PagedListWindow> self(this);
    if (const auto move = pagingMove(key))
        firstShown() = movePosition(*move, firstShown(), listCount());
    else if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        commandKey(key);
    if (self)
        drawPage(); // after every key
    return true;
}

void PagedListWindow::onActivated() {
    // A message box closing gives the activation back; that is no new visit.
    if (returningFromModal())
        return;
    firstShown() = 0;
    if (!m_texts.missingText.isEmpty() && !listExists()) {
        dialogs().beep();
        dialogs().show(m_texts.missingText, m_texts.missingTitle, DialogIcon::Exclamation);
        close();
        return;
    }
    drawPage();
}

void PagedListWindow::clickPage() {
    firstShown() = movePosition(PagingMove::Click, firstShown(), listCount());
    drawPage();
}

void PagedListWindow::drawPage() {
    // A list that is gone leaves the window empty.
    if (!listExists() && !m_texts.missingText.isEmpty()) {
        clearPage();
        return;
    }
    ListPage page;
    if (!guarded([&] { page = readListPage(dir(), m_texts.listFile, firstShown()); }))
        return;
    if (page.recordCount == 0 && !m_texts.emptyText.isEmpty()) {
        clearPage();
        dialogs().beep();
        dialogs().show(m_texts.emptyText, m_texts.emptyTitle, DialogIcon::Exclamation);
        return;
    }
    firstShown() = page.firstShown;
    m_pageNumber = page.pageNumber;
    setWindowTitle(m_texts.pagePrefix + qnumber(page.pageNumber) + QStringLiteral("  [ F10= Yardım ]"));

    std::vector<PageLine> lines;
    lines.reserve(page.records.size());
    const int lineHeight = m_canvas->lineHeightTwips();
    for (std::size_t i = 0; i < page.records.size(); ++i) {
        const ColumnRecord& r = page.records[i];
        PageLine line;
        line.number = page.firstShown + static_cast<int32_t>(i) + 1;
        line.y = ListCanvas::FirstLineY + static_cast<int>(i) * lineHeight;
        line.label = QStringLiteral("Kolon -") + qnumber(line.number) + QStringLiteral(" : ");
        line.ballsX = ballsStartFor(m_canvas->textEndX(ListCanvas::LabelX, line.label));
        for (std::size_t k = 0; k < 6; ++k)
            line.balls[k] = qnumber(r.Ball[k]) + QStringLiteral("  ");
        line.bracket = QString::fromStdString(bracketText(bracketValue(r)));
        lines.push_back(std::move(line));
    }
    m_canvas->setLines(std::move(lines));
}

QStringList PagedListWindow::listKeyHelp(const QStringList& ownKeys, const QStringList& otherKeys) {
    QStringList lines = ownKeys;
    lines << QString() << QStringLiteral("HOME= İlk Sayfa") << QStringLiteral("END= Son Sayfa")
          << QStringLiteral("PAGEDOWN= Sonraki Sayfa") << QStringLiteral("PAGEUP= Önceki Sayfa") << QString();
    if (!otherKeys.isEmpty())
        lines << otherKeys << QString();
    lines << QStringLiteral("ESC= Kapat/Çık");
    return lines;
}

void PagedListWindow::showKeyHelp(const QStringList& lines) {
    showKeysBox(lines.join(QLatin1Char('\r')));
}

int64_t PagedListWindow::askColumnNumber() {
    const auto answer = dialogs().input(QStringLiteral("Silmek istediğiniz kolon numarasını girin."),
                                        QStringLiteral("Kolon SİLME"), QStringLiteral("0"));
    return answer ? ValWhole(answer->toStdString()) : 0;
}

void PagedListWindow::deleteCombinationListColumn() {
    if (listCount() < 1)
        return;
    const int64_t k = askColumnNumber();
    // A number outside the list deletes nothing; the page then starts there.
    firstShown() = toPosition(k);
    const int32_t count = listCount();
    if (k < 1 || k > count)
        return;
    guarded([&] {
        const ListUndoPoint undo(dir(), "Kolon silme (" + std::to_string(k) + ". kolon)");
        copyFileSafe(dir(), files::List, files::OldList);
        deleteColumn(static_cast<int32_t>(k), files::ListDelete);
        firstShown() = static_cast<int32_t>(k - 1);
    });
}

void PagedListWindow::deleteColumn(int32_t k, const std::string& tempName) {
    if (listCount() == 1)
        dir().remove(m_texts.listFile);
    else
        deleteRecord(dir(), m_texts.listFile, k, tempName);
}

void PagedListWindow::appendListTo(const std::string& destination, const QString& question,
                                   const QString& title, const QString& doneText) {
    if (!dialogs().askYesNo(question, title))
        return;
    const bool done = guarded([&] {
        const int32_t before = recordCount(dir(), destination);
        std::optional<ListUndoPoint> undo;
        if (destination == files::List)
            undo.emplace(dir(), "Rastgele listeyi listeye ekleme");
        appendList(dir(), m_texts.listFile, destination);
        firstShown() = before;
    });
    if (done)
        dialogs().show(doneText, title, DialogIcon::None);
}

void PagedListWindow::deleteListFile(const QString& title, bool confirmWithMessage) {
    const QString name = QString::fromStdString(m_texts.listFile);
    if (!dialogs().askYesNo(
            QStringLiteral("'") + name + QStringLiteral("' dosyasını silmek istiyormusunuz ?"), title))
        return;
    if (!guarded([&] {
            std::optional<ListUndoPoint> undo;
            if (m_texts.listFile == files::List)
                undo.emplace(dir(), ListDeletionName);
            dir().remove(m_texts.listFile);
        }))
        return;
    if (confirmWithMessage) {
        dialogs().beep();
        dialogs().show(QStringLiteral("'") + name + QStringLiteral("' silindi..."), title, DialogIcon::None);
    }
}

std::optional<PagedListWindow::SixBalls>
PagedListWindow::askSixBalls(const QString& prompt, const QString& title, const QString& defaultText) {
    auto answer = dialogs().input(prompt, title, defaultText);
    for (;;) {
        if (!answer)
            return std::nullopt;
        const auto balls = parseBallEntry(answer->toStdString(), state().game);
        if (!balls)
            return std::nullopt;
        if (entryBallCount(*balls) == 6) {
            SixBalls six;
            std::size_t k = 0;
            forEachBall(*balls, [&](int b) { six.balls[k++] = static_cast<int16_t>(b); });
            six.text = QString::fromStdString(ballListText(*balls));
            return six;
        }
        answer = dialogs().input(
            QStringLiteral("Sayıları yanlış girdiniz!\r\rAralarına virgül koyarak, 1 ile ") +
                QString::number(state().game.balls()) + QStringLiteral(" arasında 6 sayı girin."),
            title, QString());
    }
}

int32_t PagedListWindow::toPosition(int64_t value) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

} // namespace velmorix
