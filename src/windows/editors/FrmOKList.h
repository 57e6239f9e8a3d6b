#pragma once

#include "RecordEditorWindow.h"

namespace velmorix {

// The played columns (VELMORIX.OKL), sorted and kept with Tag = KeepMark.
// Long files go to the played columns list window.
class FrmOKList final : public RecordEditorWindow {
    Q_OBJECT
public:
    explicit FrmOKList(AppContext& context, QWidget* parent = nullptr);
    ~FrmOKList() override;

    static constexpr int32_t RecordLimit = 32736;

    void onActivated() override;
    void addToSextets();

protected:
    QString recordCaption(int32_t k) const override;
    QString newCaption(int32_t k) const override;
    QString savedCaption(int32_t k) const override;
    bool mayAddRecord(int32_t count) override;
    bool sortsOnSave() const override { return true; }
    int32_t tagForSave(int32_t) override { return KeepMark; }
    QString listLine(const ColumnRecord& rec) const override;
    QString deleteAllQuestion() const override;
    QString helpText() const override;
    bool functionKey(int key) override;
};

} // namespace velmorix
