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
    QString recordCaption(int32_t k) const override;
    QString newCaption(int32_t k) const override;
    QString savedCaption(int32_t k) const override;
    bool mayAddRecord(int32_t count) override;
    bool sortsOnSave() const override { return false; }
    int32_t tagForSave(int32_t recordNumber) override { return recordNumber; }
    QString listLine(const ColumnRecord& rec) const override;
    QString deleteAllQuestion() const override;
    QString helpText() const override;
    bool functionKey(int key) override;
};

} // namespace velmorix
