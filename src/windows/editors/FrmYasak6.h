#pragma once

#include "RecordEditorWindow.h"

namespace velmorix {

// The forbidden sextets (VELMORIX.YSK), kept in the order they were typed and
// tagged with their record numbers. Long files go to the sextets list window.
class FrmYasak6 final : public RecordEditorWindow {
    Q_OBJECT
public:
    explicit FrmYasak6(AppContext& context, QWidget* parent = nullptr);

    static constexpr int32_t RecordLimit = 32736;

    void copyToCombinationList();
    void writeTextFile();
    void print();

protected:
    bool mayAddRecord(int32_t count) override;
    bool functionKey(int key) override;
};

} // namespace velmorix
