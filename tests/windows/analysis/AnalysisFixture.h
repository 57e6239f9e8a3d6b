#pragma once

#include "core/AppState.h"
#include "core/Clock.h"
#include "core/ColumnFile.h"
#include "core/Random.h"
#include "support/CapturingPrinter.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDataDir.h"
#include "windows/analysis/AnalysisWindows.h"
#include "windows/analysis/FrmRep.h"
#include "windows/analysis/FrmResFilt.h"
#include "windows/common/AppContext.h"
#include "windows/common/WindowRegistry.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace velmorix::test {

// The analysis windows in a fresh data folder, with scripted dialogs.
class AnalysisFixture : public ::testing::Test {
protected:
    AnalysisFixture() {
        registry.setContext(&context);
        registerAnalysisWindows(registry);
    }
    ~AnalysisFixture() override {
        flushDeletes();
        for (WindowId id : {WindowId::ResFilt, WindowId::Rep})
            delete registry.find(id);
    }

    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

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
        box(w, "Text1")->setText(first);
        box(w, "Text2")->setText(last);
        if (!minCount.isEmpty())
            box(w, "Text3")->setText(minCount);
        w->pressKey(Qt::Key_F1);
    }
    static QLineEdit* box(QWidget* w, const char* name) {
        return w->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    static QString label(QWidget* w, int number) {
        auto* l = w->findChild<QLabel*>(QStringLiteral("Label") + QString::number(number));
        return l ? l->text() : QStringLiteral("?");
    }
    // Closing a window ends it.
    bool isOpen(WindowId id) {
        flushDeletes();
        return registry.find(id) != nullptr;
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

    std::vector<int16_t> words(const std::string& name) const {
        const auto bytes = data.readBytes(name);
        std::vector<int16_t> w;
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
            w.push_back(static_cast<int16_t>(static_cast<uint16_t>(bytes[i] | (bytes[i + 1] << 8))));
        return w;
    }

    TempDataDir data;
    AppState state;
    ScriptedDialogs dialogs;
    CapturingPrinter printer;
    FixedClock clock;
    StdRandom random{653};
    WindowRegistry registry;
    AppContext context{state, data.dir(), dialogs, printer, clock, random, registry};
};

} // namespace velmorix::test
