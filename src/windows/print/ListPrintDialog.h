#pragma once

#include "analysis/ListReport.h"
#include "windows/common/VelmorixWindow.h"

#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace velmorix {

// What sets one print/write dialog apart from the others.
struct ListPrintKind {
    ListReportStyle style;
    QString caption;      // "Kombinasyon Listesi"
    QString finalCaption; // after the file was written
    QString printQuestion;
    QString writeQuestion;
    bool hasRange = false; // start and end boxes (the combination list)
    QString noRecordText;  // said when the list is empty at the job
    bool closeWhenEmptyOnActivation = false;
};

// A dialog that writes a column list to VELMORIX.TXT or prints it.
class ListPrintDialog : public VelmorixWindow {
    Q_OBJECT
public:
    ListPrintDialog(AppContext& context, ListPrintKind kind, QWidget* parent = nullptr);

    bool handleKey(QKeyEvent* event) override;
    void onActivated() override;

    // Command1 / F1.
    void run();

    QLabel* Label1 = nullptr; // range boxes: only in the combination list dialog
    QLineEdit* Text1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLabel* Label3;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QPushButton* Command1;
    QPushButton* Command2;

private:
    bool toPrinter() const;
    void writeText(const ListReportRange& range);
    void print(const ListReportRange& range);
    void focusStart();

    ListPrintKind m_kind;
};

} // namespace velmorix
