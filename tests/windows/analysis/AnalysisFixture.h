#pragma once

#include "support/WindowTests.h"

namespace velmorix::test {

// The analysis windows in a fresh data folder, with scripted dialogs.
class AnalysisFixture : public WindowTest {
protected:
    // The dialog as its callers open it, activated once.
    FrmResFilt* openDialog(int16_t mode, int16_t subMode = 0) {
        state.ResultsDialogMode = mode;
        state.ResultsDialogSubMode = subMode;
        auto* w = registry.getAs<FrmResFilt>(WindowId::ResFilt);
        w->onActivated();
        return w;
    }
    // Types a range and presses F1.
    void applyRange(FrmResFilt* w, const QString& first, const QString& last, const QString& minCount = {}) {
        textBox(w, "Text1")->setText(first);
        textBox(w, "Text2")->setText(last);
        if (!minCount.isEmpty())
            textBox(w, "Text3")->setText(minCount);
        press(w, Qt::Key_F1);
    }
    static QString label(QWidget* w, int number) {
        auto* l = w->findChild<QLabel*>(QStringLiteral("Label") + QString::number(number));
        return l ? l->text() : QStringLiteral("?");
    }
    // Six results per ball: result i holds the balls i .. i+5 around the 49.
    void writeEvenResults() {
        std::vector<ColumnRecord> r;
        for (int i = 0; i < 49; ++i) {
            std::array<int, 6> b{};
            for (int k = 0; k < 6; ++k)
                b[static_cast<std::size_t>(k)] = (i + k) % 49 + 1;
            std::sort(b.begin(), b.end());
            r.push_back(rec(653, {b[0], b[1], b[2], b[3], b[4], b[5]}));
        }
        data.writeRecords(files::Results, r);
    }
};

} // namespace velmorix::test
