#pragma once

#include "support/WindowTests.h"

namespace velmorix::test {

// The editors in a fresh data folder, with scripted dialogs; the windows of
// other groups they open are stand-ins that count their openings.
class EditorFixture : public WindowTest {
protected:
    EditorFixture() : WindowTest(20260612) {
        for (WindowId id : {WindowId::ResFilt, WindowId::ResPrint, WindowId::OKLst, WindowId::Ysk6,
                            WindowId::YS2Flt, WindowId::OKPrint})
            standIn(id);
    }

    template <class W> W* open(WindowId id) { return get<W>(id); }
    static QLineEdit* cell(QWidget* w, int i) {
        return w->findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(i));
    }
    static void typeCells(QWidget* w, std::initializer_list<const char*> texts) {
        int i = 0;
        for (const char* t : texts)
            cell(w, i++)->setText(QString::fromUtf8(t));
    }
    static QStringList texts(std::initializer_list<const char*> items) {
        QStringList out;
        for (const char* t : items)
            out << QString::fromUtf8(t);
        return out;
    }
    static QStringList cellTexts(QWidget* w) {
        QStringList out;
        for (int i = 0; i < 6; ++i)
            out << cell(w, i)->text();
        return out;
    }
    // Records 1..n with the balls n, n+1, ... as a hand-made list.
    static std::vector<ColumnRecord> numbered(int n, int32_t tag = KeepMark) {
        std::vector<ColumnRecord> out;
        for (int i = 0; i < n; ++i)
            out.push_back(rec(tag, {1 + i % 40, 2 + i % 40, 3 + i % 40, 4 + i % 40, 5 + i % 40, 6 + i % 40}));
        return out;
    }
};

} // namespace velmorix::test
