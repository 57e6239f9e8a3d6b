#pragma once

#include "RecordEditorWindow.h"

class QComboBox;

namespace velmorix {

// The past draw results (VELMORIX.RES): six balls in ascending order and the
// draw date coded in the Tag. Starts the results-based operations through the
// results range dialog.
class FrmResults final : public RecordEditorWindow {
    Q_OBJECT
public:
    explicit FrmResults(AppContext& context, QWidget* parent = nullptr);

    bool handleKey(QKeyEvent* event) override;
    // Past draws from a text or CSV file (menu "Dosya", Ctrl+I).
    void importResults();

    static constexpr int32_t RecordLimit = 32767;

protected:
    bool mayAddRecord(int32_t count) override;
    int32_t tagForSave(int32_t recordNumber) override;
    bool functionKey(int key) override;
    void showTag(int32_t tag) override;
    void startNewRecord() override;
    void fileReloaded() override;

private:
    void buildDateBoxes();
    void buildImportMenu();
    void setDateBoxes(int64_t day, int64_t month, int64_t year);
    // Sets the request and opens the results range dialog.
    void openRangeDialog(int16_t mode);
    void askAndOpenRangeDialog(int32_t minimumResults, const QString& question, int16_t mode);

    QComboBox* Combo1 = nullptr; // day
    QComboBox* Combo2 = nullptr; // month
    QComboBox* Combo3 = nullptr; // year
    QLabel* Label2 = nullptr;
};

} // namespace velmorix
