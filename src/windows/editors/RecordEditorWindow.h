#pragma once

#include "core/EditorFile.h"
#include "windows/common/VelmorixWindow.h"
#include "windows/common/WindowId.h"

#include <QStringList>

#include <array>
#include <cstdint>

class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace velmorix {

// What sets one record editor apart from the others, fixed when it is built.
struct RecordEditorSetup {
    const char* objectName{};
    const char* fileName{};
    const char* deleteTempName{};
    QString caption{};         // window caption before a record is shown
    QString topLabel{};        // the label above the cells
    QString listFrame{};       // caption of the list's frame
    QString command8ToolTip{}; // empty: the editor has no Command8
    // Captions around a record number: the record shown, a new one, one saved.
    QString recordCaption{};
    QString recordCaptionEnd{};
    QString newCaption{};
    QString savedCaption{};
    bool sortsOnSave = false; // balls saved in ascending order, else as typed
    bool listsSums = false;   // the list shows each column's sum
    QString deleteAllQuestion{};
    // The help: the editor's own keys, then the paging keys, ESC and the note.
    QStringList ownKeys{};
    QString helpNote =
        QStringLiteral("NOT: Yeni bir kayıtı iptal etmek için, 'Sil' butonuna yada 'F3' tuşuna basın...");
};

// One column file edited a record at a time: six cells, the list of every
// record, paging, new, save, delete and delete all. The concrete editors state
// their captions, limits, tags, list lines and function keys.
//
// The view of the file is read again before every command and whenever the
// window becomes active, so records another window appended or a file it
// replaced are never overwritten or lost; every change is written at once.
class RecordEditorWindow : public VelmorixWindow {
    Q_OBJECT
public:
    RecordEditorWindow(AppContext& context, const RecordEditorSetup& setup, QWidget* parent = nullptr);

    bool handleKey(QKeyEvent* event) override;
    void onActivated() override;

    // The commands behind the buttons and keys.
    void firstRecord();
    void previousRecord();
    void nextRecord();
    void lastRecord();
    void newRecord();
    void saveRecord();
    void deleteRecord();
    void deleteAll();
    void showHelp();

    int32_t currentRecord() const { return m_curRec; }
    bool isNewRecord() const { return m_isNew; }
    int32_t recordCount() const { return m_file.count(); }

protected:
    // Called at the end of each concrete editor's constructor: reads the file
    // and shows the first record.
    void loadFile();

    // Differences of the concrete editors beyond their setup.
    // True when a new record may be started with `count` records in the file;
    // otherwise the editor says why (and may hand over to another window).
    virtual bool mayAddRecord(int32_t count) = 0;
    // The Tag a record is saved with; by default its record number.
    virtual int32_t tagForSave(int32_t recordNumber) { return recordNumber; }
    virtual QString deleteQuestion(int32_t k) const;
    virtual QString deletedMessage(int32_t k) const;
    // F5..F9, F11, F12; true when the key was taken.
    virtual bool functionKey(int key) = 0;
    // The Tag of the record shown (the results show its date).
    virtual void showTag(int32_t tag) { (void)tag; }
    // A new record starts: extra boxes take their starting values.
    virtual void startNewRecord() {}
    // The file was read again (a load, a change, or another window's change).
    virtual void fileReloaded() {}

    // Reads the file again if another window changed it; keeps what is being
    // typed into a new record, and asks about typing over a stored one. Call
    // it before every command.
    void refreshFile();
    EditorFile& file() { return m_file; }
    QVBoxLayout* extraArea() { return m_extraArea; }
    QWidget* centralArea() { return m_central; }
    // Beeps and opens another window beside this one.
    void beepAndOpen(WindowId other);
    // Beeps and opens the print dialog of this file when it has a record.
    void openPrintDialog(WindowId printDialog);
    // Hands over to another window: this one closes, the other opens.
    void closeAndOpen(WindowId other);
    // The editor cannot take more records: says that `listName` goes on in
    // the list window and hands over to it. Returns false, as mayAddRecord does.
    bool continueInListWindow(const QString& listName, WindowId listWindow);
    // A record number as the captions show it.
    static QString withSign(int64_t n);

    std::array<QLineEdit*, 6> Text1{};
    QListWidget* List1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command8 = nullptr; // null in the editors without it
    QPushButton* Command9 = nullptr;

private:
    void buildControls();
    QString numberCaption(const QString& caption, int32_t k, const QString& end = {}) const;
    QString helpText() const;
    void fillList();
    void showRecord(int32_t k);
    void clearCells();
    bool cellsDifferFromRecord() const;
    // refreshFile(); when the file changed under typing over a stored record,
    // asks whether to keep (or, when saving, save) it. False when the typing
    // was replaced by the file's record.
    bool refreshKeepingTyping(bool saving);
    QString changedUnderTypingQuestion(bool saving) const;
    void escapeInCell();
    void listRowChosen(int row);
    int cellIndex(const QWidget* widget) const;

    const RecordEditorSetup m_setup;
    EditorFile m_file;
    QWidget* m_central = nullptr;
    QVBoxLayout* m_extraArea = nullptr;
    int32_t m_curRec = 0;
    bool m_isNew = false;
    bool m_syncingList = false;
};

} // namespace velmorix
